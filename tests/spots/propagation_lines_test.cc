// WWV and WCY bulletins become 78-column records whose columns hold whatever
// the line held.  Lines marked "real" are quoted from the fixtures in
// tests/data/spots (see tests/data/ATTRIBUTION.md).
#include "spots/propagation_lines.h"

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

struct BulletinRow {
  const char* name;
  std::string line;
  std::string sender;
  char source_type;
  std::string hour;
  std::string sfi;
  std::string a_index;
  std::string k_index;
  std::string text;  // columns 33 up to the sender tag
  std::string tag;   // "<sender>", ending in column 78
  std::string status;
};

// The blanks and separators every bulletin record has, whatever it holds.
void ExpectBulletinLayout(const std::string& record, const std::string& name) {
  ASSERT_EQ(record.size(), kPropagationTextLength) << name;
  EXPECT_EQ(Columns(record, 1, 1), " ") << name;
  EXPECT_EQ(Columns(record, 13, 14), "  ") << name;
  EXPECT_EQ(Columns(record, 17, 19), "   ") << name;
  EXPECT_EQ(Columns(record, 23, 23), " ") << name;
  EXPECT_EQ(Columns(record, 27, 29), "   ") << name;
  EXPECT_EQ(Columns(record, 31, 32), "  ") << name;
  EXPECT_EQ(Columns(record, 78, 78), ">") << name;
}

void ExpectBulletin(const PropagationLine& got, const BulletinRow& row) {
  const std::string& r = got.LogLine;
  ExpectBulletinLayout(r, row.name);
  EXPECT_EQ(got.Spotter, row.sender) << row.name;
  EXPECT_EQ(got.SourceType, row.source_type) << row.name;
  EXPECT_EQ(Columns(r, 15, 16), row.hour) << row.name;
  EXPECT_EQ(Columns(r, 20, 22), row.sfi) << row.name;
  EXPECT_EQ(Columns(r, 24, 26), row.a_index) << row.name;
  EXPECT_EQ(Columns(r, 30, 30), row.k_index) << row.name;
  const std::size_t tag_start = 79 - row.tag.size();
  EXPECT_EQ(Columns(r, 33, tag_start - 1), PaddedTo(row.text, tag_start - 33)) << row.name;
  EXPECT_EQ(Columns(r, tag_start, 78), row.tag) << row.name;
  EXPECT_EQ(got.StatusText, row.status) << row.name;
}

TEST(LigneFichWWV, RecordColumns) {
  const BulletinRow rows[] = {
      {"real, bracketed hour", "WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms", "VE7CC", 'P',
       "21", " 70", " 12", "3", "No Storms -> No Storms", "<VE7CC>", "SFI=70"},
      {"real, blank before colon", "WWV de VE7CC <15Z> :   SFI=68, A=9, K=2, No Storms -> Minor w/G1", "VE7CC",
       'P', "15", " 68", "  9", "2", "No Storms -> Minor w/G1", "<VE7CC>", "SFI=68"},
      {"real, three-digit flux", "WWV de N0DXS <09>:   SFI=155, A=7, K=3, Minor storm", "N0DXS", 'P', "09",
       "155", "  7", "3", "Minor storm", "<N0DXS>", "SFI=155"},
      {"node after @", "WWV de K1ABC@N0DXS-2 <18>:   SFI=101, A=5, K=1, quiet", "K1ABC", 'P', "18", "101",
       "  5", "1", "quiet", "<K1ABC>", "SFI=101"},
      {"no bracket: hour and time from the end", "WWV de W1AW:   SFI=120, A=10, K=2, No Storms 1800Z", "W1AW",
       'D', "18", "120", " 10", "2", "No Storms", "<W1AW>", "SFI=120"},
      {"no K value", "WWV de VE7CC <21>:   SFI=70, A=12", "VE7CC", 'P', "21", " 70", " 12", " ", "",
       "<VE7CC>", "SFI=70"},
      {"K after a blank", "WWV de N0DXS <15> :   SFI=155, A=  7, K= 3, Minor storm", "N0DXS", 'P', "15",
       "155", "   ", "3", "Minor storm", "<N0DXS>", "SFI=155"},
      {"no SFI", "WWV de VE7CC <21>:   A=12, K=3, x", "VE7CC", 'P', "21", "   ", " 12", "3", "x", "<VE7CC>",
       "SFI="},
  };
  for (const BulletinRow& row : rows) {
    const PropagationLine got = LigneFichWWV(row.line, kReceived);
    EXPECT_EQ(Columns(got.LogLine, 1, 12), " 10-Dec-2026") << row.name;
    ExpectBulletin(got, row);
  }
}

TEST(LigneFichWWV, SingleDigitDayIsBlankPadded) {
  const PropagationLine got = LigneFichWWV("WWV de VE7CC <21>:   SFI=70, A=12, K=3, x", EncodeDate(2026, 3, 1));
  EXPECT_EQ(Columns(got.LogLine, 1, 12), "  1-Mar-2026");
}

TEST(LigneFichWCY, RecordColumns) {
  const BulletinRow rows[] = {
      {"real, sender overwrites the end of the text",
       "WCY de DK0WCY-1 <22> : K=9 expK=0 A=139 R=156 SFI=223 SA=maj GMF=sev Au=aurora", "DK0WCY-1", 'P', "22",
       "223", "139", "9", "expK=0 R=156 SA=maj GMF=sev Au=auror", "<DK0WCY-1>", "SFI=223"},
      {"real, one-digit A", "WCY de DK0WCY-2 <19> : K=2 expK=0 A=5 R=126 SFI=141 SA=eru GMF=qui Au=no",
       "DK0WCY-2", 'P', "19", "141", "  5", "2", "expK=0 R=126 SA=eru GMF=qui Au=no", "<DK0WCY-2>", "SFI=141"},
      {"real, two-digit flux", "WCY de DK0WCY-1 <17> : K=2 expK=3 A=15 R=0 SFI=68 SA=qui GMF=min Au=no",
       "DK0WCY-1", 'P', "17", " 68", " 15", "2", "expK=3 R=0 SA=qui GMF=min Au=no", "<DK0WCY-1>", "SFI=68"},
      {"one-digit hour", "WCY de DK0WCY <7> : K=2 expK=3 A=15 R=0 SFI=68 SA=qui GMF=min Au=no", "DK0WCY",
       'P', "07", " 68", " 15", "2", "expK=3 R=0 SA=qui GMF=min Au=no", "<DK0WCY>", "SFI=68"},
      {"no bracket: hour of reception", "WCY de DK0WCY-3: K=4 ExpK=5 A=20 R=99 SFI=130 SA=act GMF=act Au=no",
       "DK0WCY-3", 'D', "11", "130", " 20", "4", "ExpK=5 R=99 SA=act GMF=act Au=no", "<DK0WCY-3>", "SFI=130"},
      {"no fields at all", "WCY de DK0WCY-1 <22> :", "DK0WCY-1", 'P', "22", "   ", "   ", " ", "",
       "<DK0WCY-1>", "SFI="},
  };
  for (const BulletinRow& row : rows) {
    const PropagationLine got = LigneFichWCY(row.line, kReceived);
    EXPECT_EQ(Columns(got.LogLine, 1, 12), " 10-Dec-2026") << row.name;
    ExpectBulletin(got, row);
  }
}

TEST(DecodeWWV, FrameBecomesAUserLineAndARecordWithItsOwnDate) {
  const struct {
    BulletinRow row;
    std::string date;
    std::string user_line;
  } cases[] = {
      {{"complete frame", "PC23^10-Dec-2026^15^155^7^3^Minor storm^N0DXS^N0DXS-2^H99^~", "N0DXS", 'P', "15",
        "155", "  7", "3", "Minor storm", "<N0DXS>", "SFI=155"},
       " 10-Dec-2026",
       "WWV de N0DXS <15> :   SFI=155, A=  7, K= 3, Minor storm"},
      {{"ten-character date and padded fields", "PC23^1-Dec-2026^09^ 70^  4^ 1^R=212 SA:mo=>mo-hi^KH2D^KH2D^H48^~",
        "KH2D", 'P', "09", " 70", "  4", "1", "R=212 SA:mo=>mo-hi", "<KH2D>", "SFI=70"},
       "  1-Dec-2026",
       "WWV de KH2D <09> :   SFI= 70, A=  4, K=  1, R=212 SA:mo=>mo-hi"},
      {{"four-digit hour", "PC23^ 2-Dec-2026^1800^99^12^4^x^W1AW-11^W1AW^H9^~", "W1AW-11", 'P',
        "18", " 99", " 12", "4", "x", "<W1AW-11>", "SFI=99"},
       "  2-Dec-2026",
       "WWV de W1AW-11 <18> :   SFI= 99, A= 12, K= 4, x"},
  };
  for (const auto& c : cases) {
    std::string line = c.row.line;
    const auto got = DecodeWWV(line);
    ASSERT_TRUE(got.has_value()) << c.row.name;
    EXPECT_EQ(line, c.user_line) << c.row.name;
    EXPECT_EQ(Columns(got->LogLine, 1, 12), c.date) << c.row.name;
    ExpectBulletin(*got, c.row);
  }
}

TEST(DecodeWWV, FramesWithMissingCaretsAreDropped) {
  for (std::string line : {"PC23^10-Dec-2026^15^155^7^3^Minor storm^N0DXS~", "PC23^~", "PC23^^^^^^^~",
                           "PC23 10-Dec-2026 15 155~"}) {
    const std::string original = line;
    EXPECT_FALSE(DecodeWWV(line).has_value()) << original;
    EXPECT_EQ(line, "") << original;
  }
}

TEST(DecodeWWV, OversizedAndEmptyFieldsKeepTheColumns) {
  std::string line = "PC23^" + std::string(30, '9') + "^" + std::string(9, '1') + "^12345^6789^ABCDE^" +
                     std::string(120, 'f') + "^" + std::string(40, 'L') + "^N^H1^~";
  auto got = DecodeWWV(line);
  ASSERT_TRUE(got.has_value());
  ExpectBulletinLayout(got->LogLine, "oversized");
  EXPECT_EQ(got->Spotter, std::string(11, 'L'));
  EXPECT_EQ(Columns(got->LogLine, 2, 12), std::string(11, '9'));
  EXPECT_EQ(Columns(got->LogLine, 15, 16), "11");
  EXPECT_EQ(Columns(got->LogLine, 20, 30), "123 678   A");
  EXPECT_EQ(Columns(got->LogLine, 66, 78), "<" + std::string(11, 'L') + ">");

  std::string empty = "PC23^^^^^^^^^~";
  got = DecodeWWV(empty);
  ASSERT_TRUE(got.has_value());
  ExpectBulletinLayout(got->LogLine, "empty fields");
  EXPECT_EQ(Columns(got->LogLine, 1, 32), std::string(32, ' '));
  EXPECT_EQ(Columns(got->LogLine, 77, 78), "<>");
}

// Damaged bulletins: truncated, oversized, control bytes.  None may move a column.
TEST(PropagationLines, DamagedLinesKeepTheLayout) {
  std::string controls = "WWV de VE7CC <21>:   SFI=7\x01, A=\x1b\x1b, K=\t3, No\0Storms";
  controls.push_back('\0');
  const std::string lines[] = {
      "WWV de",
      "WWV de VE7CC",
      "WWV de VE7CC <",
      "WWV de ABCDEFGHIJKLMNOPQRSTUVWXYZ <03>: SFI=99, A=1, K=0, x",
      "WWV de VE7CC <21>:   SFI=70, A=12, K=3, " + std::string(240, 'z'),
      controls,
      "WCY de",
      "WCY de DK0WCY-1 <22",
      "WCY de DK0WCY-1 <22> : K=9 expK=0 A=139 R=156 SFI=223 SA=" + std::string(230, 's'),
      "WCY de " + std::string(248, '<'),
      "WCY de DK0WCY-1 <22> : K=\x07 expK=\r A=\n R=\x7f SFI=\xff SA=\x1b",
  };
  for (const std::string& line : lines) {
    ExpectBulletinLayout(LigneFichWWV(line, kReceived).LogLine, "WWV: " + line);
    ExpectBulletinLayout(LigneFichWCY(line, kReceived).LogLine, "WCY: " + line);
  }
  EXPECT_EQ(LigneFichWWV(lines[3], kReceived).Spotter, "ABCDEFGHI");
}

// Every bulletin in the real captures gives a record of the layout.
TEST(PropagationLines, EveryBulletinOfTheCapturesKeepsTheLayout) {
  int bulletins = 0;
  for (const char* fixture : {"spots/dxspider_local_node_session.raw", "spots/dxclparser_test_lines.txt"}) {
    std::istringstream in(testing::ReadTestData(fixture));
    for (std::string line; std::getline(in, line);) {
      for (const char* keyword : {"WWV de ", "WCY de "}) {
        const std::size_t at = line.find(keyword);
        if (at == std::string::npos || line[0] == '#') continue;
        std::string decode_line = line.substr(at);
        while (!decode_line.empty() && (decode_line.back() == '\r' || decode_line.back() == '\a')) {
          decode_line.pop_back();
        }
        const PropagationLine got = keyword[1] == 'W' ? LigneFichWWV(decode_line, kReceived)
                                                      : LigneFichWCY(decode_line, kReceived);
        ExpectBulletinLayout(got.LogLine, decode_line);
        ++bulletins;
      }
    }
  }
  EXPECT_GT(bulletins, 5);
}

}  // namespace
}  // namespace brilox
