// Announcements, chat and talk lines: the sender, the 160-character record
// text of ANNINFO.DAT, CHATINFO.DAT and TALKINFO.DAT, and the short text by
// which copies of the same message relayed by several nodes are recognised.
// Also the "PC12^" announcement frame, turned into the "ALL de" line a user
// would see.
//
// Plain functions of the line text and the UTC time of reception; window
// thread (they run inside the processing of one line).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace brilox {

struct MessageLine {
  // The sender for the spot record's `Spotter` (at most 9 characters, not
  // padded); talk lines leave `Spotter` as it was and give none.
  std::optional<std::string> Spotter;
  std::string RecordText;  // kMessageTextLength characters
  std::string LogLine;     // the first 79 characters of the record text
  std::string ShortLine;   // comparison text for duplicates
  std::string Message;     // the text after the sender, trimmed, at most 134 (for the bad-word test)
  // 'P' when the sender part carries a bracketed time, 'D' when the time of reception stands in.
  char SourceType = 'D';
};

// What a "PC12^" frame yields.
struct AnnouncementFrame {
  bool accepted = false;  // false: not an announcement to show (the line is emptied)
  std::string Spotter;    // the sender, at most 12
  std::string Comment;    // the text, at most 31
  std::string ShortLine;
};

// Classes 5, 6 and 7 ("ALL de", a decoded frame, "LOCAL de").
MessageLine LigneFichANN(std::string_view decode_line, DayTime utc_now);

// Rewrites `decode_line` as "ALL de <from> : <text>" when the frame's sysop
// flag field is one blank; empties it otherwise (a missing field counts as a
// wrong one).
AnnouncementFrame DecodeANN(std::string& decode_line);

// Class 98: `decode_line` begins with the sender (the group name and " de "
// were removed on intake); `chat_group` is the group that matched.
MessageLine LigneFichChat(std::string_view decode_line, std::string_view chat_group, DayTime utc_now);

// Class 99: `decode_line` begins with the sender (the own call and " de "
// were removed on intake).
MessageLine LigneFichTalk(std::string_view decode_line, std::string_view my_call, DayTime utc_now);

}  // namespace brilox
