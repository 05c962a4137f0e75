#include "spots/message_lines.h"

#include <vector>

#include "spots/column_text.h"
#include "spots/traffic_log.h"

namespace brilox {
namespace {

using column_text::Copy;
using column_text::Cut;
using column_text::From;
using column_text::PadLeft;
using column_text::PadRight;
using column_text::Pos;
using column_text::Trim;
using column_text::TwoDigits;
using column_text::Upper;
using column_text::UpTo;

constexpr std::size_t kSenderWidth = 9;
constexpr std::size_t kGroupWidth = 10;
constexpr std::size_t kMessageMax = 134;
constexpr std::size_t kShortMessage = 50;
constexpr std::size_t kLogLineLength = 79;

// "dd-Mon-yy" (day blank-padded) of the UTC date of reception.
std::string ReceptionDate(const CivilTime& c) {
  return PadLeft(std::to_string(c.day), 2) + "-" + std::string(column_text::MonthName(c.month)) + "-" +
         TwoDigits(c.year % 100);
}

std::string ReceptionTime(const CivilTime& c) { return TwoDigits(c.hour) + TwoDigits(c.minute) + "Z"; }

// A sender as it appears in the short comparison texts: at most 6
// characters and no SSID, so that "K1ABC-2" and "K1ABC" match.
std::string ShortSender(std::string_view padded_sender) { return UpTo(Cut(padded_sender, 6), '-'); }

// Date, time, sender and what follows, fitted to the 160 columns.
std::string MessageRecord(const CivilTime& received, std::string_view time, std::string_view sender,
                          std::string_view rest) {
  return PadRight(ReceptionDate(received) + " " + PadRight(time, 5) + " " + PadRight(sender, kSenderWidth) + " " +
                      std::string(rest),
                  kMessageTextLength);
}

// A line without ":" has no sender: all of it is the message.
struct SenderAndMessage {
  std::string sender_part;
  std::string message;
};

SenderAndMessage SplitAtColon(std::string_view line, std::size_t sender_from) {
  const std::size_t colon = Pos(":", line, sender_from);
  if (colon == 0) return {std::string(), Cut(Trim(line), kMessageMax)};
  return {Copy(line, sender_from, colon - sender_from), Cut(Trim(From(line, colon + 1)), kMessageMax)};
}

// The sender of a chat or talk line: the text before the first ":".
SenderAndMessage ChatSender(std::string_view line) {
  SenderAndMessage parts = SplitAtColon(line, 1);
  parts.sender_part = Cut(Upper(Trim(parts.sender_part)), kSenderWidth);
  return parts;
}

}  // namespace

MessageLine LigneFichANN(std::string_view line, DayTime utc_now) {
  MessageLine out;
  const CivilTime received = DecodeDateTime(utc_now);
  const std::size_t de = Pos("de ", line);
  SenderAndMessage parts = SplitAtColon(line, de == 0 ? 1 : de + 3);
  const std::string x = Cut(Upper(Trim(parts.sender_part)), 30);

  std::size_t b = Pos("<", x);
  if (b == 0) b = Pos("(", x);
  std::string sender;
  std::string time;
  if (b != 0) {
    out.SourceType = 'P';
    const std::size_t at = Pos("@", x);
    const std::size_t end = at != 0 && at < b ? at : b;
    sender = Cut(Trim(Copy(x, 1, end - 1)), kSenderWidth);
    const std::size_t close = x.find_first_of(">)", b);
    time = close == std::string::npos ? From(x, b + 1) : Copy(x, b + 1, close - b);
    time = Cut(time, 5);
  } else {
    out.SourceType = 'D';
    sender = Cut(x, kSenderWidth);
    time = ReceptionTime(received);
  }
  out.Spotter = sender;
  const std::string padded = PadRight(sender, kSenderWidth);
  out.RecordText = MessageRecord(received, time, padded, parts.message);
  out.LogLine = Cut(out.RecordText, kLogLineLength);
  out.ShortLine = "ANN de " + ShortSender(padded) + " " + Cut(parts.message, kShortMessage);
  out.Message = parts.message;
  return out;
}

AnnouncementFrame DecodeANN(std::string& decode_line) {
  // Fields between the first five separators: from, to, text, sysop flag.
  std::vector<std::size_t> carets;
  for (std::size_t i = 0; i < decode_line.size() && carets.size() < 5; ++i) {
    if (decode_line[i] == '^') carets.push_back(i);
  }
  AnnouncementFrame out;
  if (carets.size() < 5) {
    decode_line.clear();
    return out;
  }
  const auto field = [&](std::size_t n) {
    return decode_line.substr(carets[n] + 1, carets[n + 1] - carets[n] - 1);
  };
  const std::string from = field(0);
  const std::string text = field(2);
  if (field(3) != " ") {
    decode_line.clear();
    return out;
  }
  out.accepted = true;
  out.Spotter = Cut(from, 12);
  out.Comment = Cut(text, 31);
  out.ShortLine = "ANN de " + UpTo(Cut(from, 6), '-') + " " + Cut(text, kShortMessage);
  decode_line = "ALL de " + from + " : " + text;
  return out;
}

MessageLine LigneFichChat(std::string_view line, std::string_view chat_group, DayTime utc_now) {
  MessageLine out;
  const CivilTime received = DecodeDateTime(utc_now);
  const SenderAndMessage parts = ChatSender(line);
  out.Spotter = parts.sender_part;
  const std::string padded = PadRight(parts.sender_part, kSenderWidth);
  const std::string group = PadRight(chat_group, kGroupWidth);
  out.RecordText = MessageRecord(received, ReceptionTime(received), padded, group + " " + parts.message);
  out.LogLine = Cut(out.RecordText, kLogLineLength);
  out.ShortLine = padded + " " + group + " " + Cut(parts.message, kShortMessage);
  out.Message = parts.message;
  return out;
}

MessageLine LigneFichTalk(std::string_view line, std::string_view my_call, DayTime utc_now) {
  MessageLine out;
  const CivilTime received = DecodeDateTime(utc_now);
  const SenderAndMessage parts = ChatSender(line);
  const std::string padded = PadRight(parts.sender_part, kSenderWidth);
  out.RecordText = MessageRecord(received, ReceptionTime(received), padded, parts.message);
  out.LogLine = Cut(out.RecordText, kLogLineLength);
  out.ShortLine = std::string(my_call) + " de " + ShortSender(padded) + ": " + Cut(parts.message, kShortMessage);
  out.Message = parts.message;
  return out;
}

}  // namespace brilox
