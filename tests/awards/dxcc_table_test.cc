// The DXCC table: sort, look-ups, adding, deleting, resetting and the
// 400-row limit.
#include "awards/dxcc_table.h"

#include <gtest/gtest.h>

#include "awards/dxcc_editing.h"
#include "dxcc_test_records.h"

namespace brilox {
namespace {

using testing::NamedTexts;
using testing::TableOf;

std::vector<std::string> Prefixes(const DxccTable& table) {
  std::vector<std::string> prefixes;
  for (int row = 1; row <= table.count(); ++row) prefixes.push_back(table.row(row).prefix);
  return prefixes;
}

DxccTable FullTable() {
  DxccTable table;
  std::vector<DxccEntry> entries;
  for (int i = 0; i < kDxccCapacity; ++i) entries.push_back(TemplateDxccEntry("X" + std::to_string(i), "Somewhere"));
  EXPECT_TRUE(table.Assign(std::move(entries)).ok());
  return table;
}

TEST(CombineStates, TheHigherStateWins) {
  struct Case {
    char paper, lotw, shown;
  } cases[] = {{'-', '-', '-'}, {'W', '-', 'W'}, {'-', 'C', 'C'}, {'C', 'W', 'C'},
               {'W', 'A', 'A'}, {'A', '-', 'A'}, {' ', 'W', 'W'}, {'C', 'A', 'A'}};
  for (const Case& c : cases) EXPECT_EQ(CombineStates(c.paper, c.lotw), c.shown) << c.paper << c.lotw;
}

TEST(TriABul, SortsBytewiseAndMarksTravelWithTheirRows) {
  DxccTable table = TableOf({{"KG4", "Guantanamo"}, {"K", "USA"}, {"", "(added)"}, {"3A", "Monaco"}});
  table.row(2).prefix = "K";  // a prefix typed in the window, not yet padded
  table.marks(1).paper.set(5);
  table.TriABul();
  EXPECT_EQ(Prefixes(table), (std::vector<std::string>{"    ", "3A  ", "K", "KG4 "}));
  EXPECT_TRUE(table.marks(4).paper.test(5));
  EXPECT_FALSE(table.marks(1).Any());
}

TEST(TriABul, EqualPrefixesKeepTheOrderTheExchangeSortGives) {
  DxccTable table = TableOf({{"B", "first B"}, {"B", "second B"}, {"A", "A"}});
  table.TriABul();
  EXPECT_EQ(table.row(1).name.substr(0, 1), "A");
  EXPECT_EQ(table.row(2).name.substr(0, 8), "second B");
  EXPECT_EQ(table.row(3).name.substr(0, 7), "first B");
}

TEST(DxccLookups, PrefixStartFindsTheShortestOnASortedTable) {
  DxccTable table = TableOf({{"K", "USA"}, {"KG4", "Guantanamo"}, {"KH6", "Hawaii"}, {"VP2E", "Anguilla"}});
  struct Case {
    const char* text;
    int start, exact;
  } cases[] = {{"K", 1, 1}, {"KG4", 2, 2}, {"KH", 3, 5}, {"VP2E", 4, 4}, {"DL", 0, 5}, {"K   ", 1, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(table.FindDxccByPrefixStart(c.text), c.start) << c.text;
    EXPECT_EQ(table.FindDxccByExactPrefix(c.text), c.exact) << c.text;
  }
}

TEST(AddCountry, InsertsOneUnfilledRowAtATime) {
  RecordingMessageBox box;
  const LanguageTextTable texts = NamedTexts();
  DxccTable table = TableOf({{"DL", "Germany"}, {"F", "France"}});
  EXPECT_EQ(AddCountry(table, 2, box, texts), DxccEditOutcome::kChanged);
  EXPECT_EQ(Prefixes(table), (std::vector<std::string>{"DL  ", "    ", "F   "}));
  EXPECT_EQ(table.row(2).name, std::string(20, ' '));
  EXPECT_EQ(std::string(table.row(2).paper.begin(), table.row(2).paper.end()), std::string(16, '-'));
  EXPECT_TRUE(table.sort_pending());
  EXPECT_EQ(AddCountry(table, 1, box, texts), DxccEditOutcome::kUnchanged) << "a second unfilled row";
  EXPECT_EQ(table.count(), 3);
  EXPECT_TRUE(box.shown().empty());
}

TEST(AddCountry, AFullTableRefusesTheRowWithAMessage) {
  RecordingMessageBox box;
  DxccTable table = FullTable();
  EXPECT_EQ(AddCountry(table, 1, box, NamedTexts()), DxccEditOutcome::kUnchanged);
  EXPECT_EQ(table.count(), kDxccCapacity);
  EXPECT_EQ(table.row(1).prefix, "X0  ");
  EXPECT_FALSE(table.sort_pending());
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kWarning);
  EXPECT_EQ(box.shown()[0].text,
            "The DXCC database is full: it holds 400 entities, the most it can hold; no row was added.");

  const Status appended = table.AppendRow(TemplateDxccEntry("VQ9A", "*Aldabra"));
  EXPECT_EQ(appended.kind(), ErrorKind::kFull);
  EXPECT_NE(appended.context().find("VQ9A was not added"), std::string::npos);
  EXPECT_EQ(table.count(), kDxccCapacity);
}

TEST(DelCountry, RemovesTheRowOnlyWhenConfirmed) {
  const LanguageTextTable texts = NamedTexts();
  for (MessageAnswer answer : {MessageAnswer::kCancel, MessageAnswer::kOk}) {
    RecordingMessageBox box;
    box.QueueAnswer(answer);
    DxccTable table = TableOf({{"DL", "Germany"}, {"F", "France"}, {"G", "England"}});
    const DxccEditOutcome outcome = DelCountry(table, 2, box, texts);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].text, "Delete this entity ?");
    EXPECT_EQ(box.shown()[0].caption, "Question");
    EXPECT_EQ(box.shown()[0].buttons, MessageButtons::kOkCancel);
    if (answer == MessageAnswer::kOk) {
      EXPECT_EQ(outcome, DxccEditOutcome::kChanged);
      EXPECT_EQ(Prefixes(table), (std::vector<std::string>{"DL  ", "G   "}));
      EXPECT_TRUE(table.sort_pending());
    } else {
      EXPECT_EQ(outcome, DxccEditOutcome::kUnchanged);
      EXPECT_EQ(table.count(), 3);
    }
  }
}

TEST(ResetDxccView, ClearsOneKindOfCreditAfterYes) {
  const LanguageTextTable texts = NamedTexts();
  for (MessageAnswer answer : {MessageAnswer::kNo, MessageAnswer::kCancel, MessageAnswer::kYes}) {
    RecordingMessageBox box;
    box.QueueAnswer(answer);
    DxccTable table = TableOf({{"DL", "Germany"}});
    table.row(1).paper.fill('C');
    table.row(1).lotw.fill('W');
    ResetDxccView(table, DxccCredit::kPaper, box, texts);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].kind, MessageKind::kWarning);
    EXPECT_EQ(box.shown()[0].caption, "Warning");
    EXPECT_EQ(box.shown()[0].buttons, MessageButtons::kYesNoCancel);
    EXPECT_EQ(box.shown()[0].text.substr(0, 58), "This will reset your DXCC database for paper QSL's\nto an e");
    const char paper = answer == MessageAnswer::kYes ? '-' : 'C';
    EXPECT_EQ(std::string(table.row(1).paper.begin(), table.row(1).paper.end()), std::string(16, paper));
    EXPECT_EQ(std::string(table.row(1).lotw.begin(), table.row(1).lotw.end()), std::string(16, 'W'));
    EXPECT_EQ(table.AnyChangeMarked(), answer == MessageAnswer::kYes);
  }
}

}  // namespace
}  // namespace brilox
