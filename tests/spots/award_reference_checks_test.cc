// Spot processing against the real reference lists: IOTA levels 10 and 11
// from a link table entry and from the comment, with their tags, labels and
// alarms, and LoTW users from a loaded list with the portable and age rules.
#include "spots/award_reference_checks.h"

#include <gtest/gtest.h>

#include "awards/iota_table.h"
#include "spots/pipeline_test_support.h"

namespace brilox::testing {
namespace {

// A pipeline whose LoTW and IOTA checks are the real ones over its own lists.
struct RealListsRig {
  explicit RealListsRig(Settings settings) : clock(TestNow()) {
    (void)fs.CreateDirectories(kDataFolder);
    PipelineTables tables;
    tables.countries = CountryTable::Parse(ReadTestData("country/small_country.dat"));
    // Germany confirmed everywhere: a spot needs nothing but its island.
    tables.dxcc =
        TableWith({WithStates(Row("DL", "Fed. Rep. of Germany"), kStateConfirmed, kStateConfirmed)});
    pipeline = std::make_unique<SpotPipeline>(fs, clock, kDataFolder, std::move(settings), std::move(tables));
    pipeline->processing().SetEvents(&events);
  }
  void Line(const std::string& text) { pipeline->Feed(1, text + "\r\n"); }
  std::vector<std::string> Rows(WindowId id) {
    std::vector<std::string> rows;
    const LineStore& store = pipeline->windows().Get(id);
    if (store.marked_empty()) return rows;
    for (int i = 0; i < store.row_count(); ++i) rows.push_back(store.row(i));
    return rows;
  }

  MemoryFileSystem fs;
  FakeClock clock;
  RecordingEvents events;
  std::unique_ptr<SpotPipeline> pipeline;
};

constexpr int kEu042 = 451 + 41;
constexpr int kEu057 = 451 + 56;

struct IotaRow {
  const char* name;
  std::vector<CallPairEntry> links;
  const char* comment;
  char eu042, eu057;  // statuses in the database
  int level;          // also the row tag
  const char* text;   // SpotIotaText
};

class IotaSpotLevels : public ::testing::TestWithParam<IotaRow> {};

TEST_P(IotaSpotLevels, RaiseTagAndAnnounce) {
  const IotaRow& row = GetParam();
  Settings settings = QuietTestSettings();
  settings.IOTAlink = row.links;
  RealListsRig rig(settings);
  IotaTable iota;
  iota.entry(kEu042).status = row.eu042;
  iota.entry(kEu057).status = row.eu057;
  rig.pipeline->SetIotaTable(iota);
  const std::string spot = FullSpotLine("W3LPL", "14025.0", "DL1ABC", row.comment);
  rig.Line(spot);

  const auto& line = rig.events.lines.back();
  EXPECT_EQ(line.spot.Level, row.level);
  EXPECT_EQ(line.tag, row.level);
  EXPECT_EQ(line.spot.SpotIotaText, row.text);
  const bool alarm = row.level >= kLevelIotaWorked;
  EXPECT_EQ(rig.Rows(WindowId::kAlarm), alarm ? std::vector<std::string>{spot} : std::vector<std::string>{});
  const std::vector<AlarmRecord> queued = rig.pipeline->announcements().Snapshot();
  ASSERT_EQ(queued.size(), 1u) << "every shown spot is announced";
  EXPECT_EQ(queued[0].level, row.level);
  EXPECT_EQ(queued[0].iota_reference, alarm ? row.text : "")
      << "the reference is spoken for levels 10 and 11";
  const int index = std::string_view(row.text) == "EU42"   ? kEu042
                    : std::string_view(row.text) == "EU57" ? kEu057
                                                           : 0;
  EXPECT_EQ(rig.pipeline->iota_check().SpotIotaIndex(), index);
  EXPECT_EQ(rig.pipeline->iota_check().AlarmIotaIndex(), alarm ? index : 0);
}

INSTANTIATE_TEST_SUITE_P(
    FromCommentAndLink, IotaSpotLevels,
    ::testing::Values(IotaRow{"CommentNotWorked", {}, "IOTA EU-042", '-', '-', 11, "EU42"},
                      IotaRow{"CommentStatusR", {}, "EU-042 QRV", 'R', '-', 11, "EU42"},
                      IotaRow{"CommentWorked", {}, "EU042", 'W', '-', 10, "EU42"},
                      IotaRow{"CommentStatusX", {}, "EU-42", 'X', '-', 10, "EU42"},
                      IotaRow{"CommentConfirmed", {}, "EU-042", 'C', '-', 1, "EU42"},
                      IotaRow{"CommentCredited", {}, "EU-042", 'A', '-', 1, "EU42"},
                      IotaRow{"CommentWithdrawnStatus", {}, "EU-042", 'D', '-', 1, "EU42"},
                      IotaRow{"CommentWithoutReference", {}, "CQ CQ", '-', '-', 1, ""},
                      IotaRow{"LinkNotWorked", {{"DL1ABC", "EU-057"}}, "QRV", '-', '-', 11, "EU57"},
                      IotaRow{"LinkWorked", {{"DL1ABC", "EU-057"}}, "QRV", 'C', 'W', 10, "EU57"},
                      IotaRow{"LinkBeatsTheComment", {{"DL1ABC", "EU-057"}}, "EU-042", '-', 'C', 1, "EU57"},
                      IotaRow{"LinkOfAnotherCall", {{"DL2XYZ", "EU-057"}}, "EU-042", '-', '-', 11, "EU42"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IotaSpotLevels, WorkedReferenceLeavesAHigherNeedAlone) {
  EXPECT_EQ(IotaNeededLevel(kIotaWorked, kLevelNewBandOrMode), kLevelNewBandOrMode);
  EXPECT_EQ(IotaNeededLevel(kIotaNotWorked, kLevelNewBandOrMode), kLevelIotaNeeded);
  EXPECT_EQ(IotaNeededLevel(kIotaWorked, kLevelNoAlarm), kLevelNoAlarm);
}

TEST(IotaSpotLevels, NoDatabaseNoReference) {
  RealListsRig rig(QuietTestSettings());
  rig.Line(FullSpotLine("W3LPL", "14025.0", "DL1ABC", "EU-042"));
  EXPECT_EQ(rig.events.lines.back().spot.Level, 1);
  EXPECT_EQ(rig.events.lines.back().spot.SpotIotaText, "");
}

struct LotwRow {
  const char* name;
  int lotw_bits;
  const char* call;
  const char* upload;
  const char* mark;  // "" when not a user
};

class LotwSpotUsers : public ::testing::TestWithParam<LotwRow> {};

TEST_P(LotwSpotUsers, MarkTheRowsAndFillTheLotwWindow) {
  const LotwRow& row = GetParam();
  Settings settings = QuietTestSettings();
  settings.LOTW = row.lotw_bits;
  settings.LOTWMaxAge = 24;
  RealListsRig rig(settings);
  rig.pipeline->SetLotwUsers(LotwUsers::Parse(std::string("DL1ABC,") + row.upload + ",10:00:00\n"));
  const std::string spot = FullSpotLine("W3LPL", "14025.0", row.call, "CW");
  rig.Line(spot);
  const std::string mark = row.mark;
  EXPECT_EQ(rig.Rows(WindowId::kDx), std::vector<std::string>{spot + mark});
  EXPECT_EQ(rig.Rows(WindowId::kLotw),
            mark.empty() ? std::vector<std::string>{} : std::vector<std::string>{spot + mark});
  EXPECT_EQ(rig.events.lines.back().spot.LotwUncertain, mark == " L?");
}

// The clock stands at 1 February 2026: 721 days back is 11 February 2024.
INSTANTIATE_TEST_SUITE_P(Rules, LotwSpotUsers,
                         ::testing::Values(LotwRow{"Exact", 1, "DL1ABC", "2025-12-01", " L"},
                                           LotwRow{"PortableUncertain", 1 | 2, "DL1ABC/P", "2025-12-01",
                                                   " L?"},
                                           LotwRow{"PortableSwitchOff", 1, "DL1ABC/P", "2025-12-01", ""},
                                           LotwRow{"SearchOff", 0, "DL1ABC", "2025-12-01", ""},
                                           LotwRow{"WithinTheAge", 1 | 16, "DL1ABC", "2024-02-12", " L"},
                                           LotwRow{"TooOld", 1 | 16, "DL1ABC", "2024-01-01", ""},
                                           LotwRow{"OldWithoutTheAgeRule", 1, "DL1ABC", "2024-01-01", " L"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brilox::testing
