// The traffic log records spot processing writes: one record per shown line
// of every category, in its file's layout, and none for test spots, lines
// already shown or categories switched off.  Broken and hostile lines of
// every class never break a record's layout.
#include <gtest/gtest.h>

#include <random>

#include "spots/pipeline_test_support.h"
#include "spots/record_columns.h"

namespace brilox::testing {
namespace {

Settings WithChatGroup() {
  Settings settings = QuietTestSettings();
  settings.ChatGroups = {"EUDX"};
  return settings;
}

// "DX de W3LPL:" then the frequency with its "." in column 24, the call from
// 27, the time in 40-44 and the comment from 46: the compact layout.
std::string CompactSpotLine(std::string_view call, std::string_view comment) {
  std::string line = "DX de W3LPL:      14025.0 ";
  std::string call_field(call);
  call_field.resize(13, ' ');
  return line + call_field + "1840Z " + std::string(comment);
}

struct Shown {
  std::string line;
  LogCategory category;
};

// One line of every class, as nodes send them.
std::vector<Shown> OneOfEveryClass() {
  return {
      {FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"), LogCategory::kDx},
      {CompactSpotLine("F5ABC", "CW 20 dB"), LogCategory::kDx},
      {"PC11^7025.0^OH2XX^ 1-Feb-2026^1840Z^CW^DL9GTB^N0DXS^H5^~", LogCategory::kDx},
      {"WWV de VE7CC <21>:   SFI=70, A=12, K=3, No Storms -> No Storms", LogCategory::kPropagation},
      {"\aWWV de AE5E <00>:   SFI=69, A=15, K=4, No Storms -> No Storms", LogCategory::kPropagation},
      {"WCY de DK0WCY-1 <17> : K=2 expK=3 A=15 R=0 SFI=68 SA=qui GMF=min Au=no", LogCategory::kPropagation},
      {"PC23^ 1-Feb-2026^18^155^7^3^No Storms^DK0WCY^N0DXS^H9^~", LogCategory::kPropagation},
      {"To ALL de EA8CEN-9: carnaval de tenerife ea8urt", LogCategory::kAnnouncement},
      {"To LOCAL de IW5CLM: off", LogCategory::kAnnouncement},
      {"PC12^W1AW^*^QRV 40m CW tonight^ ^N0DXS^H9^~", LogCategory::kAnnouncement},
      {"EUDX de DL1ABC: anyone on 6m?", LogCategory::kChat},
      {"K1ABC de W1AW: are you there?", LogCategory::kTalk},
  };
}

// The columns the record builders fill themselves, whatever the line held.
// Dates come from the clock for text lines but from the frame itself for
// node frames, so a broken frame may put anything into the date columns;
// `Dates::kFromClock` checks them too.
enum class Dates { kFromClock, kAny };

void ExpectLayout(LogCategory category, const std::string& record, Dates dates) {
  const bool clock_dates = dates == Dates::kFromClock;
  switch (category) {
    case LogCategory::kDx:
      ASSERT_EQ(record.size(), kDxTextLength) << EscapeTraceField(record);
      if (clock_dates) {
        EXPECT_EQ(Columns(record, 26, 26) + Columns(record, 30, 30), "--") << record;
      }
      EXPECT_EQ(Columns(record, 33, 33) + Columns(record, 39, 39), "  ") << EscapeTraceField(record);
      EXPECT_EQ(Columns(record, 79, 79), ">") << EscapeTraceField(record);
      break;
    case LogCategory::kPropagation:
      ASSERT_EQ(record.size(), kPropagationTextLength) << EscapeTraceField(record);
      if (clock_dates) {
        EXPECT_EQ(Columns(record, 4, 4) + Columns(record, 8, 8), "--") << record;
      }
      EXPECT_EQ(Columns(record, 13, 14) + Columns(record, 17, 19) + Columns(record, 23, 23) +
                    Columns(record, 27, 29) + Columns(record, 31, 32),
                std::string(11, ' '))
          << EscapeTraceField(record);
      EXPECT_EQ(Columns(record, 78, 78), ">") << EscapeTraceField(record);
      break;
    default:
      ASSERT_EQ(record.size(), kMessageTextLength) << EscapeTraceField(record);
      EXPECT_EQ(Columns(record, 3, 3) + Columns(record, 7, 7), "--") << EscapeTraceField(record);
      EXPECT_EQ(Columns(record, 10, 10) + Columns(record, 16, 16) + Columns(record, 26, 26), "   ")
          << EscapeTraceField(record);
      break;
  }
}

void ExpectWholeRecords(PipelineRig& rig, Dates dates) {
  for (LogCategory category : kAllLogCategories) {
    EXPECT_EQ(rig.LogFileSize(category) % LayoutOf(category).record_size, 0u);
    for (const std::string& record : rig.LogRecords(category)) ExpectLayout(category, record, dates);
  }
}

TEST(SpotLogging, EveryCategoryGetsOneRecordPerShownLineInItsLayout) {
  PipelineRig rig(WithChatGroup());
  std::map<LogCategory, int> expected;
  for (const Shown& shown : OneOfEveryClass()) {
    rig.Line(shown.line);
    ASSERT_TRUE(rig.events.lines.back().logged) << shown.line;
    ++expected[shown.category];
  }
  for (LogCategory category : kAllLogCategories) {
    EXPECT_EQ(rig.LogRecords(category).size(), static_cast<std::size_t>(expected[category]))
        << LayoutOf(category).file_name;
  }
  ExpectWholeRecords(rig, Dates::kFromClock);

  const auto dx = rig.LogRecords(LogCategory::kDx);
  EXPECT_EQ(dx[0], "  14025.0  DL1ABC       1-Feb-26 1840Z CW" + std::string(31, ' ') + "<W3LPL>");
  EXPECT_EQ(Columns(dx[1], 12, 23), "F5ABC       ");
  EXPECT_EQ(Columns(dx[2], 1, 11), "   7025.0  ");
  const auto wwv = rig.LogRecords(LogCategory::kPropagation);
  EXPECT_EQ(Columns(wwv[0], 1, 32), "  1-Feb-2026  21    70  12   3  ");
  EXPECT_EQ(Columns(wwv[3], 15, 30), "18   155   7   3");
  EXPECT_EQ(Columns(rig.LogRecords(LogCategory::kAnnouncement)[0], 1, 40),
            " 1-Feb-26 1840Z EA8CEN-9  carnaval de te");
  const std::string chat = rig.LogRecords(LogCategory::kChat)[0];
  EXPECT_EQ(Columns(chat, 17, 50), "DL1ABC    EUDX       anyone on 6m?");
  EXPECT_EQ(Columns(rig.LogRecords(LogCategory::kTalk)[0], 17, 40), "W1AW      are you there?");
}

TEST(SpotLogging, TestSpotsLinesShownBeforeAndSwitchedOffCategoriesAreNotWritten) {
  Settings settings = WithChatGroup();
  settings.Disk.chat = false;
  PipelineRig rig(settings);
  rig.Line("EUDX de DL1ABC: anyone on 6m?");
  EXPECT_TRUE(rig.Rows(WindowId::kDx).size() == 1 && rig.LogRecords(LogCategory::kChat).empty());

  const std::string spot = FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW");
  rig.Processing().SetTestSpot(true);
  rig.pipeline->intake().InjectLine(1, LineClass::kDxText, SpotLayout::kFull, spot);
  EXPECT_TRUE(rig.events.lines.back().shown_dx) << "a test spot is shown";
  EXPECT_TRUE(rig.LogRecords(LogCategory::kDx).empty()) << "and never logged";

  rig.Line(FullSpotLine("W3LPL", "14026.0", "DL1ABC", "CW"), 2);
  rig.Line(FullSpotLine("W3LPL", "14026.0", "DL1ABC", "CW"), 3);
  EXPECT_EQ(rig.LogRecords(LogCategory::kDx).size(), 1u) << "the copy from terminal 3 was shown before";
  // The test-spot flag lasts one line.
  EXPECT_FALSE(rig.events.lines.back().spot.LogLine.empty());
}

TEST(SpotLogging, ARecordThatCannotBeWrittenIsLostWithoutStoppingTheLine) {
  PipelineRig rig;
  rig.files.FailFromMutation(1);
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "CW"));
  EXPECT_TRUE(rig.events.lines.back().shown_dx);
  EXPECT_FALSE(rig.events.lines.back().logged);
  EXPECT_EQ(rig.Processing().lost_log_records(), 1);
}

// Hostile variants of every class: cut short, overlong, full of control
// bytes, frames without their carets, chat and talk without ":".
std::vector<std::string> BrokenLines() {
  const std::string controls = std::string("\x01\x02\x1b[0m\x1bG0\x7f\x80\xff\t\b", 14);
  const std::string long_text(400, 'Q');
  std::vector<std::string> lines;
  for (const Shown& shown : OneOfEveryClass()) {
    const std::string& line = shown.line;
    for (std::size_t cut :
         {std::size_t{5}, std::size_t{12}, std::size_t{30}, line.size() / 2, line.size() - 1}) {
      lines.push_back(line.substr(0, cut));
    }
    lines.push_back(line + long_text);
    lines.push_back(line.substr(0, line.size() / 2) + controls + line.substr(line.size() / 2));
    std::string every_other = line;
    for (std::size_t i = 1; i < every_other.size(); i += 2) every_other[i] = controls[i % controls.size()];
    lines.push_back(every_other);
  }
  lines.insert(lines.end(),
               {
                   "PC11^14025.0^DL1ABC~",
                   "PC11^^^^^^^^~",
                   "PC11~",
                   "PC23^ 1-Feb-2026^18^155^7~",
                   "PC23^^^^^^^^^~",
                   "PC12^W1AW^*~",
                   "PC12^^^^ ^~",
                   "EUDX de DL1ABC hello without a colon at all here",
                   "EUDX de : only a colon",
                   "K1ABC de W1AW hello without a colon at all here",
                   "K1ABC de : only a colon",
                   "To ALL de :",
                   "WWV de :   SFI=, A=, K=",
                   "WCY de ======== ",
                   "DX de :                                                                     Z",
               });
  return lines;
}

TEST(SpotLogging, BrokenLinesOfEveryClassKeepTheRecordLayouts) {
  PipelineRig rig(WithChatGroup());
  int terminal = 0;
  for (const std::string& line : BrokenLines()) {
    rig.Line(line, terminal % 4 + 1);
    rig.Line("\a\a", terminal % 4 + 1);
    ++terminal;
  }
  ExpectWholeRecords(rig, Dates::kAny);
  std::size_t records = 0;
  for (LogCategory category : kAllLogCategories) records += rig.LogRecords(category).size();
  EXPECT_GT(records, 20u) << "broken lines that still read are logged";
  // The pipeline still takes good lines afterwards on every terminal.
  for (int t = 1; t <= 4; ++t) {
    rig.Line("\r\n", t);
    rig.Line(FullSpotLine("W3LPL", "1404" + std::to_string(t) + ".0", "DL" + std::to_string(t) + "XYZ", "CW"),
             t);
    EXPECT_TRUE(rig.events.lines.back().shown_dx) << "terminal " << t;
  }
}

TEST(SpotLogging, RandomBytesNeverBreakARecord) {
  PipelineRig rig(WithChatGroup());
  std::mt19937 random(20260201);
  const std::vector<Shown> lines = OneOfEveryClass();
  std::uniform_int_distribution<std::size_t> pick(0, lines.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 3000; ++round) {
    std::string line = lines[pick(random)].line;
    // A few bytes replaced anywhere, keeping the keyword at the front more often than not.
    for (int k = 0; k < 4; ++k) {
      const std::size_t at =
          std::uniform_int_distribution<std::size_t>(round % 3 == 0 ? 0 : 10, line.size() - 1)(random);
      line[at] = static_cast<char>(byte(random));
    }
    rig.Line(line, round % 4 + 1);
  }
  ExpectWholeRecords(rig, Dates::kAny);
}

}  // namespace
}  // namespace brilox::testing
