// The start-up check of the DXCC table against the country file.
#include "shell/dxcc_prefix_checks.h"

#include <gtest/gtest.h>

#include "awards/dxcc_file.h"
#include "awards/dxcc_store.h"
#include "awards/dxcc_test_records.h"
#include "platform/memory_file_system.h"

namespace brilox {
namespace {

using testing::TableOf;

class DxccPrefixChecksTest : public ::testing::Test {
 protected:
  MemoryFileSystem fs;
  RecordingMessageBox box;
  LanguageTextTable texts = testing::NamedTexts();
  DxccCheckContext context{fs, "data", box, texts};
  std::vector<std::string> country_prefixes{"DL", "E7", "E5", "F", "PJ2", "PJ4", "PJ5", "PJ7", "K"};
};

TEST_F(DxccPrefixChecksTest, RenamesChangedPrefixesSavesAndReportsTheRest) {
  DxccTable table = TableOf({{"DL", "Germany"}, {"T9", "Bosnia"}, {"ZK1S", "South Cook"}, {"XX9Z", "Nowhere"},
                             {"Y2", "*German Dem. Rep."}, {"ZZ9", "Atlantis"}});
  table.row(2).paper.fill('C');
  ASSERT_TRUE(CheckDxccPrefixes(table, country_prefixes, context).ok());

  EXPECT_EQ(table.row(table.FindDxccByExactPrefix("E7")).name.substr(0, 6), "Bosnia");
  EXPECT_EQ(table.row(table.FindDxccByExactPrefix("E7")).paper_state(DxccColumn::kCw), 'C');
  EXPECT_EQ(table.FindDxccByExactPrefix("T9"), table.count() + 1);
  Result<std::vector<DxccEntry>> saved = DecodeDxccFile(*fs.ReadFile("data/DXCC.DAT"));
  ASSERT_TRUE(saved.ok());
  ASSERT_EQ(saved->size(), 6u);
  EXPECT_EQ(saved->at(0).prefix, "DL  ") << "saved sorted";
  EXPECT_EQ(saved->at(1).prefix, "E5  ");
  EXPECT_EQ(saved->at(2).prefix, "E7  ");

  ASSERT_EQ(box.shown().size(), 2u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kInformation);
  EXPECT_EQ(box.shown()[0].caption, "Information");
  EXPECT_EQ(box.shown()[0].text, "Renamed:\nT9 --> E7, ZK1S --> E5");
  EXPECT_EQ(box.shown()[1].kind, MessageKind::kWarning);
  EXPECT_EQ(box.shown()[1].caption, "Warning");
  EXPECT_EQ(box.shown()[1].text, "Missing:\nXX9Z, ZZ9");
}

TEST_F(DxccPrefixChecksTest, AConsistentTableIsLeftAloneAndNotSaved) {
  DxccTable table = TableOf({{"DL", "Germany"}, {"F", "France"}, {"VQ9A", "*Aldabra"}});
  ASSERT_TRUE(CheckDxccPrefixes(table, country_prefixes, context).ok());
  EXPECT_TRUE(box.shown().empty());
  EXPECT_FALSE(fs.Exists("data/DXCC.DAT"));
}

TEST_F(DxccPrefixChecksTest, ARenameOntoAnExistingRowIsNotMade) {
  DxccTable table = TableOf({{"E7", "Bosnia"}, {"T9", "Bosnia (old)"}});
  ASSERT_TRUE(CheckDxccPrefixes(table, country_prefixes, context).ok());
  EXPECT_EQ(table.row(2).prefix, "T9  ");
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].text, "Missing:\nT9");
  EXPECT_FALSE(fs.Exists("data/DXCC.DAT"));
}

TEST_F(DxccPrefixChecksTest, AFailedSaveIsReturnedAndTheRenameNotAnnounced) {
  DxccTable table = TableOf({{"T9", "Bosnia"}});
  FaultInjectingFileSystem faulty(fs);
  faulty.FailFromMutation(1);
  DxccCheckContext failing{faulty, "data", box, texts};
  const Status status = CheckDxccPrefixes(table, country_prefixes, failing);
  EXPECT_EQ(status.kind(), ErrorKind::kIo);
  EXPECT_TRUE(box.shown().empty());
  EXPECT_TRUE(table.sort_pending());
}

TEST_F(DxccPrefixChecksTest, MigrateAntillesOnYesSplitsTheRowsAndSaves) {
  DxccTable table = TableOf({{"PJ2", "Neth. Antilles"}, {"PJ7", "St Maarten"}, {"DL", "Germany"}});
  table.row(1).paper.fill('C');
  box.QueueAnswer(MessageAnswer::kYes);
  ASSERT_TRUE(MigrateAntilles(table, context).ok());

  ASSERT_EQ(table.count(), 7);
  const DxccEntry& old_antilles = table.row(table.FindDxccByExactPrefix("PJ2X"));
  EXPECT_EQ(old_antilles.name, "*Neth.Antilles      ");
  EXPECT_EQ(old_antilles.paper_state(DxccColumn::k20), 'C');
  EXPECT_EQ(table.row(table.FindDxccByExactPrefix("PJ7X")).name, "*Sint Maarten       ");
  EXPECT_EQ(table.row(table.FindDxccByExactPrefix("PJ5")).name, "Saba & St-Eustatius ");
  EXPECT_EQ(table.row(table.FindDxccByExactPrefix("PJ2")).paper_state(DxccColumn::k20), '-');
  EXPECT_EQ(table.row(1).prefix, "DL  ") << "sorted";
  EXPECT_EQ(DecodeDxccFile(*fs.ReadFile("data/DXCC.DAT"))->size(), 7u);
  ASSERT_EQ(box.shown().size(), 2u);
  EXPECT_EQ(box.shown()[0].text, "Split the Antilles ?");
  EXPECT_EQ(box.shown()[0].buttons, MessageButtons::kYesNo);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kInformation);
  EXPECT_EQ(box.shown()[1].text, "Done");
}

TEST_F(DxccPrefixChecksTest, MigrateAntillesOnNoOrWhenDoneChangesNothing) {
  struct Case {
    const char* name;
    DxccTable table;
    int questions;
  } cases[] = {
      {"answered_no", TableOf({{"PJ2", "Antilles"}, {"PJ7", "St Maarten"}}), 1},
      {"already_split", TableOf({{"PJ2", "Curacao"}, {"PJ7", "St Maarten"}, {"PJ4", "Bonaire"}}), 0},
      {"no_pj7_row", TableOf({{"PJ2", "Antilles"}}), 0},
  };
  for (Case& c : cases) {
    box.Clear();
    box.QueueAnswer(MessageAnswer::kNo);
    const int before = c.table.count();
    ASSERT_TRUE(MigrateAntilles(c.table, context).ok()) << c.name;
    EXPECT_EQ(c.table.count(), before) << c.name;
    EXPECT_EQ(static_cast<int>(box.shown().size()), c.questions) << c.name;
    EXPECT_FALSE(fs.Exists("data/DXCC.DAT")) << c.name;
  }
}

TEST_F(DxccPrefixChecksTest, MigrateAntillesWithoutRoomWarnsAndChangesNothing) {
  DxccTable table;
  std::vector<DxccEntry> entries{TemplateDxccEntry("PJ2", "Antilles"), TemplateDxccEntry("PJ7", "St Maarten")};
  while (entries.size() < 397) entries.push_back(TemplateDxccEntry("X" + std::to_string(entries.size()), "x"));
  ASSERT_TRUE(table.Assign(std::move(entries)).ok());
  box.QueueAnswer(MessageAnswer::kYes);
  ASSERT_TRUE(MigrateAntilles(table, context).ok());
  EXPECT_EQ(table.count(), 397);
  EXPECT_EQ(table.row(1).prefix, "PJ2 ");
  ASSERT_EQ(box.shown().size(), 2u);
  EXPECT_EQ(box.shown()[1].kind, MessageKind::kWarning);
  EXPECT_NE(box.shown()[1].text.find("no room"), std::string::npos);
}

}  // namespace
}  // namespace brilox
