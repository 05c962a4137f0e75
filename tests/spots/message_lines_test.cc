// Announcements, chat and talk become 160-column records and short texts
// that let relayed copies be recognised.  Lines marked "real" are quoted from
// the fixtures in tests/data/spots (see tests/data/ATTRIBUTION.md).
#include "spots/message_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "spots/record_columns.h"
#include "spots/traffic_log.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

using testing::Columns;
using testing::PaddedTo;

const DayTime kReceived = EncodeDateTime(2026, 12, 10, 11, 12);

void ExpectMessageLayout(const MessageLine& got, const std::string& name) {
  const std::string& r = got.RecordText;
  ASSERT_EQ(r.size(), kMessageTextLength) << name;
  EXPECT_EQ(Columns(r, 1, 9), "10-Dec-26") << name;
  EXPECT_EQ(Columns(r, 10, 10), " ") << name;
  EXPECT_EQ(Columns(r, 16, 16), " ") << name;
  EXPECT_EQ(Columns(r, 26, 26), " ") << name;
  EXPECT_EQ(got.LogLine, r.substr(0, 79)) << name;
}

struct AnnouncementRow {
  const char* name;
  std::string line;
  std::string spotter;
  char source_type;
  std::string time;
  std::string message;
  std::string short_line;
};

TEST(LigneFichANN, RecordColumnsAndShortLine) {
  const AnnouncementRow rows[] = {
      {"real, time of reception", "ALL de N0DXS: QRV 40m CW tonight", "N0DXS", 'D', "1112Z", "QRV 40m CW tonight",
       "ANN de N0DXS  QRV 40m CW tonight"},
      {"real, bracketed time", "ALL de CT2IDL <1044Z> : TNX qso..", "CT2IDL", 'P', "1044Z", "TNX qso..",
       "ANN de CT2IDL TNX qso.."},
      {"real, SSID kept in the record, not in the short line", "ALL de EA8CEN-9: carnaval de tenerife ea8urt",
       "EA8CEN-9", 'D', "1112Z", "carnaval de tenerife ea8urt", "ANN de EA8CEN carnaval de tenerife ea8urt"},
      {"real, local announcement", "LOCAL de N0DXS: only local", "N0DXS", 'D', "1112Z", "only local",
       "ANN de N0DXS  only local"},
      {"short call with SSID", "ALL de K1ABC-2: test", "K1ABC-2", 'D', "1112Z", "test", "ANN de K1ABC test"},
      {"time in parentheses", "ALL de K1ABC (1200Z): hi", "K1ABC", 'P', "1200Z", "hi", "ANN de K1ABC  hi"},
      {"node after @", "ALL de K1ABC@N0DXS <1300Z>: hi", "K1ABC", 'P', "1300Z", "hi", "ANN de K1ABC  hi"},
      {"unclosed time", "ALL de K1ABC <12: hi", "K1ABC", 'P', "12   ", "hi", "ANN de K1ABC  hi"},
      {"lower-case sender, colons in the text", "ALL de k1abc: see 14:00 UTC", "K1ABC", 'D', "1112Z",
       "see 14:00 UTC", "ANN de K1ABC  see 14:00 UTC"},
      {"real truncated line without colon", "ALL de SV5FRI-1", "", 'D', "1112Z", "ALL de SV5FRI-1",
       "ANN de        ALL de SV5FRI-1"},
  };
  for (const AnnouncementRow& row : rows) {
    const MessageLine got = LigneFichANN(row.line, kReceived);
    ExpectMessageLayout(got, row.name);
    ASSERT_TRUE(got.Spotter.has_value()) << row.name;
    EXPECT_EQ(*got.Spotter, row.spotter) << row.name;
    EXPECT_EQ(got.SourceType, row.source_type) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 11, 15), row.time) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 17, 25), PaddedTo(row.spotter, 9)) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 27, 160), PaddedTo(row.message, 134)) << row.name;
    EXPECT_EQ(got.ShortLine, row.short_line) << row.name;
    EXPECT_EQ(got.Message, row.message) << row.name;
  }
}

TEST(LigneFichANN, LongMessagesAreCutAtTheirColumns) {
  const MessageLine got = LigneFichANN("ALL de ABCDEFGHIJKL: " + std::string(200, 'm'), kReceived);
  ExpectMessageLayout(got, "long");
  EXPECT_EQ(*got.Spotter, "ABCDEFGHI");
  EXPECT_EQ(Columns(got.RecordText, 27, 160), std::string(134, 'm'));
  EXPECT_EQ(got.ShortLine, "ANN de ABCDEF " + std::string(50, 'm'));
}

TEST(DecodeANN, AnnouncementFrameBecomesAnAllLine) {
  std::string line = "PC12^K1ABC-2^*^QRV 40m CW tonight^ ^N0DXS-2^0^H99^~";
  const AnnouncementFrame got = DecodeANN(line);
  ASSERT_TRUE(got.accepted);
  EXPECT_EQ(line, "ALL de K1ABC-2 : QRV 40m CW tonight");
  EXPECT_EQ(got.Spotter, "K1ABC-2");
  EXPECT_EQ(got.Comment, "QRV 40m CW tonight");
  EXPECT_EQ(got.ShortLine, "ANN de K1ABC QRV 40m CW tonight");

  // The rewritten line continues as an announcement text line.
  const MessageLine record = LigneFichANN(line, kReceived);
  EXPECT_EQ(Columns(record.RecordText, 17, 25), "K1ABC-2  ");
  EXPECT_EQ(record.ShortLine, "ANN de K1ABC QRV 40m CW tonight");
}

TEST(DecodeANN, LongFieldsAreCutWhereTheRecordWantsThem) {
  std::string line = "PC12^ABCDEFGHIJKLMNOP^*^" + std::string(80, 't') + "^ ^N0DXS-2^0^H99^~";
  const AnnouncementFrame got = DecodeANN(line);
  ASSERT_TRUE(got.accepted);
  EXPECT_EQ(got.Spotter, "ABCDEFGHIJKL");
  EXPECT_EQ(got.Comment, std::string(31, 't'));
  EXPECT_EQ(got.ShortLine, "ANN de ABCDEF " + std::string(50, 't'));
  EXPECT_EQ(line, "ALL de ABCDEFGHIJKLMNOP : " + std::string(80, 't'));
}

TEST(DecodeANN, FramesOtherThanPlainAnnouncementsAreDropped) {
  for (std::string line : {
           "PC12^K1ABC^*^sysop text^*^N0DXS-2^0^H99^~",     // sysop flag
           "PC12^K1ABC^*^text^^N0DXS-2^0^H99^~",            // empty flag field
           "PC12^K1ABC^*^text^  ^N0DXS-2^0^H99^~",          // two blanks
           "PC12^K1ABC^*^text with missing carets~",         // fields missing
           "PC12^~",
       }) {
    const std::string original = line;
    EXPECT_FALSE(DecodeANN(line).accepted) << original;
    EXPECT_EQ(line, "") << original;
  }
}

struct ChatRow {
  const char* name;
  std::string line;
  std::string group;
  std::string sender;
  std::string message;
  std::string short_line;
};

TEST(LigneFichChat, RecordColumnsAndShortLine) {
  const ChatRow rows[] = {
      {"plain", "W1AW: qrv on 6m", "VHF", "W1AW", "qrv on 6m", "W1AW      VHF        qrv on 6m"},
      {"lower-case sender with blank before colon", "dl1abc-5 : moin", "DXERS", "DL1ABC-5", "moin",
       "DL1ABC-5  DXERS      moin"},
      {"long group name", "W1AW: x", "VERYLONGGROUPNAME", "W1AW", "x", "W1AW      VERYLONGGR x"},
      {"no colon: no sender, all of it is the message", "hello everyone", "DXERS", "", "hello everyone",
       "          DXERS      hello everyone"},
  };
  for (const ChatRow& row : rows) {
    const MessageLine got = LigneFichChat(row.line, row.group, kReceived);
    ExpectMessageLayout(got, row.name);
    ASSERT_TRUE(got.Spotter.has_value());
    EXPECT_EQ(*got.Spotter, row.sender) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 11, 15), "1112Z") << row.name;
    EXPECT_EQ(Columns(got.RecordText, 17, 25), PaddedTo(row.sender, 9)) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 27, 36), PaddedTo(row.group.substr(0, 10), 10)) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 37, 37), " ") << row.name;
    EXPECT_EQ(Columns(got.RecordText, 38, 160), PaddedTo(row.message, 123)) << row.name;
    EXPECT_EQ(got.ShortLine, row.short_line) << row.name;
    EXPECT_EQ(got.Message, row.message) << row.name;
  }
}

TEST(LigneFichTalk, RecordColumnsAndShortLineLeaveTheSpotterAlone) {
  const struct {
    const char* name;
    std::string line;
    std::string sender;
    std::string message;
    std::string short_line;
  } rows[] = {
      {"real", "N0DXS: hello there", "N0DXS", "hello there", "K1ABC de N0DXS : hello there"},
      {"real, short call", "W1AW: 73", "W1AW", "73", "K1ABC de W1AW  : 73"},
      {"SSID", "DL1ABC-5: hi", "DL1ABC-5", "hi", "K1ABC de DL1ABC: hi"},
      {"no colon", "just text", "", "just text", "K1ABC de       : just text"},
  };
  for (const auto& row : rows) {
    const MessageLine got = LigneFichTalk(row.line, "K1ABC", kReceived);
    ExpectMessageLayout(got, row.name);
    EXPECT_FALSE(got.Spotter.has_value()) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 11, 15), "1112Z") << row.name;
    EXPECT_EQ(Columns(got.RecordText, 17, 25), PaddedTo(row.sender, 9)) << row.name;
    EXPECT_EQ(Columns(got.RecordText, 27, 160), PaddedTo(row.message, 134)) << row.name;
    EXPECT_EQ(got.ShortLine, row.short_line) << row.name;
  }
}

TEST(MessageLines, DamagedLinesKeepTheLayout) {
  std::string nul_inside = "K1ABC: a";
  nul_inside += '\0';
  nul_inside += "b";
  const std::string lines[] = {
      "",
      ":",
      "::::",
      "ALL de",
      "ALL de <",
      "ALL de (",
      "ALL de " + std::string(240, '<') + ":",
      "ALL de K1ABC: " + std::string(241, 'x'),
      std::string(255, ':'),
      "\x1b[0mK1ABC\x07: \x01\x02\x7f\xff",
      nul_inside,
  };
  for (const std::string& line : lines) {
    ExpectMessageLayout(LigneFichANN(line, kReceived), "announcement: " + line);
    ExpectMessageLayout(LigneFichTalk(line, "K1ABC", kReceived), "talk: " + line);
    const MessageLine chat = LigneFichChat(line, "DXERS", kReceived);
    ExpectMessageLayout(chat, "chat: " + line);
    EXPECT_EQ(Columns(chat.RecordText, 37, 37), " ") << line;
  }
}

TEST(MessageLines, EveryAnnouncementOfTheCapturesKeepsTheLayout) {
  int announcements = 0;
  for (const char* fixture : {"spots/dxspider_local_node_session.raw", "spots/dxclparser_test_lines.txt"}) {
    std::istringstream in(testing::ReadTestData(fixture));
    for (std::string line; std::getline(in, line);) {
      for (const char* keyword : {"ALL de ", "LOCAL de "}) {
        const std::size_t at = line.find(keyword);
        if (at == std::string::npos) continue;
        const MessageLine got = LigneFichANN(line.substr(at), kReceived);
        ExpectMessageLayout(got, line);
        ++announcements;
      }
    }
  }
  EXPECT_GE(announcements, 5);
}

}  // namespace
}  // namespace brilox
