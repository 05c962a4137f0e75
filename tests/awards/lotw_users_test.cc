// The LoTW user list: loading the service's file (a slice of the real one),
// lines it must pass over, a file out of order, and `CheckLotwUser` with its
// portable-call, additional-user and age rules.
#include "awards/lotw_users.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/memory_file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

using testing::ReadTestData;

std::string DateText(DayTime day) {
  const CivilTime t = DecodeDateTime(day);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
  return text;
}

TEST(LotwUserList, LoadsTheRealSliceInOrder) {
  const LotwUsers users = LotwUsers::Parse(ReadTestData("lotw/lotw-user-activity-sample.csv"));
  EXPECT_EQ(users.count(), 3174);
  EXPECT_FALSE(users.sorted_on_load());
  EXPECT_EQ(users.entry(0).call(), "1A0C");
  EXPECT_EQ(users.entry(0).date(), "2021-03-01");
  const LotwUserEntry* found = users.Find("DL1ABR");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->date(), "2021-04-10");
  EXPECT_NE(users.Find("3A/IZ2LSC"), nullptr);
  EXPECT_EQ(users.Find("DL1AB"), nullptr);
  EXPECT_EQ(users.Find("dl1abr"), nullptr) << "the search is byte-wise";
  // Every entry of the file is found where it is.
  for (int i = 0; i < users.count(); ++i) ASSERT_EQ(users.Find(users.entry(i).call()), &users.entry(i));
}

TEST(LotwUserList, SkipsLinesWithoutACommaAndCutsLongFields) {
  const LotwUsers users = LotwUsers::Parse(
      "K1ABC,2020-01-02,10:00:00\r\n"
      "just a line\r\n"
      "\r\n"
      ",2020-01-01\n"
      "K1ABCDEFGHIJKLMN,2020-01-03 and more\n"
      "K2ABC,2020-02-03");
  ASSERT_EQ(users.count(), 3);
  EXPECT_EQ(users.entry(0).date(), "2020-01-02");
  EXPECT_EQ(users.entry(1).call(), "K1ABCDEFGHIJ");
  EXPECT_EQ(users.entry(1).date(), "2020-01-03");
  EXPECT_EQ(users.entry(2).call(), "K2ABC");
  EXPECT_EQ(users.entry(2).date(), "2020-02-03");
}

// A list out of order would make the halving search miss calls that are in
// it; it is sorted while loading.
TEST(LotwUserList, SortsAFileOutOfOrder) {
  const LotwUsers users =
      LotwUsers::Parse("W1AW,2021-01-01\nDL1ABC,2021-01-02\nK1ABC,2021-01-03\nAA1A,2021-01-04\n");
  EXPECT_TRUE(users.sorted_on_load());
  for (const char* call : {"W1AW", "DL1ABC", "K1ABC", "AA1A"}) EXPECT_NE(users.Find(call), nullptr) << call;
  EXPECT_EQ(users.entry(0).call(), "AA1A");
}

TEST(LotwUserList, OneEntryAndNone) {
  const LotwUsers one = LotwUsers::Parse("K1ABC,2020-01-02\n");
  EXPECT_NE(one.Find("K1ABC"), nullptr);
  EXPECT_EQ(one.Find("K1ABD"), nullptr);
  const LotwUsers none = LotwUsers::Parse("");
  EXPECT_EQ(none.Find("K1ABC"), nullptr);
  EXPECT_FALSE(CheckLotwUser(none, "K1ABC", {}).LotwUser);
}

TEST(LotwUserList, LoadReportsAFileThatCannotBeRead) {
  MemoryFileSystem fs;
  EXPECT_FALSE(LotwUsers::Load(fs, "/data/lotw-user-activity.csv").ok());
  ASSERT_TRUE(fs.CreateDirectories("/data").ok());
  ASSERT_TRUE(fs.WriteFile("/data/lotw-user-activity.csv", "K1ABC,2020-01-02\n").ok());
  Result<LotwUsers> loaded = LotwUsers::Load(fs, "/data/lotw-user-activity.csv");
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded->count(), 1);
}

struct CheckRow {
  const char* name;
  const char* call;
  bool portable_calls;
  bool additional_users;
  bool user;
  bool uncertain;
  const char* date;
};

class LotwUserCheckRules : public ::testing::TestWithParam<CheckRow> {};

TEST_P(LotwUserCheckRules, SetsUserUncertainAndDate) {
  const CheckRow& row = GetParam();
  const LotwUsers users =
      LotwUsers::Parse("DL1ABC,2021-03-01,10:00:00\nF,2019-01-01\nK1ABC,2020-05-06\nVP2V/K1XYZ,2018-07-08\n");
  const std::vector<CallEntry> more{{"W9XYZ"}, {"TF/G3ABC"}};
  LotwCheckRules rules;
  rules.portable_calls = row.portable_calls;
  rules.additional_users = row.additional_users;
  rules.more_lotw = more;
  const LotwCheckResult result = CheckLotwUser(users, row.call, rules);
  EXPECT_EQ(result.LotwUser, row.user);
  EXPECT_EQ(result.LotwUncertain, row.uncertain);
  EXPECT_EQ(result.LotwUploadDate, row.date);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LotwUserCheckRules,
    ::testing::Values(
        CheckRow{"Exact", "DL1ABC", true, true, true, false, "2021-03-01"},
        CheckRow{"BlankPaddedAsInASpot", "DL1ABC      ", false, false, true, false, "2021-03-01"},
        CheckRow{"Unknown", "DL1ABD", true, true, false, false, ""},
        CheckRow{"PortableFoundOnlyAsUncertain", "DL1ABC/P", true, false, true, true, "2021-03-01"},
        CheckRow{"PortableSwitchOff", "DL1ABC/P", false, false, false, false, ""},
        CheckRow{"PrefixPartTriedFirst", "F/DL1ABC/P", true, false, true, true, "2019-01-01"},
        CheckRow{"SecondSlashSplitsTheRest", "EA8/DL1ABC/P", true, false, true, true, "2021-03-01"},
        CheckRow{"PortableListedWhole", "VP2V/K1XYZ", false, false, true, false, "2018-07-08"},
        CheckRow{"AdditionalUser", "W9XYZ", false, true, true, true, "?"},
        CheckRow{"AdditionalUserWholeCallOnly", "W9XYZ/P", false, true, false, false, ""},
        CheckRow{"AdditionalUsersOff", "W9XYZ", true, false, false, false, ""},
        CheckRow{"AdditionalBeforePortable", "TF/G3ABC", true, true, true, true, "?"},
        CheckRow{"EmptyCall", "   ", true, true, false, false, ""}),
    [](const ::testing::TestParamInfo<CheckRow>& info) { return std::string(info.param.name); });

struct AgeRow {
  const char* name;
  int days_before;  // upload date before today
  double time_of_day;
  bool age_rule;
  bool user;
};

class LotwAgeRule : public ::testing::TestWithParam<AgeRow> {};

// 24 months allow 24 x 30 + 1 = 721 days from the upload (at midnight) to now.
TEST_P(LotwAgeRule, CountsOnlyRecentUploadsForSpots) {
  const AgeRow& row = GetParam();
  const DayTime today = EncodeDate(2023, 6, 15);
  const LotwUsers users = LotwUsers::Parse("K1ABC," + DateText(today - row.days_before) + ",12:00:00\n");
  LotwCheckRules rules;
  rules.age_rule = row.age_rule;
  rules.max_age_months = 24;
  rules.now_local = today + row.time_of_day;
  const LotwCheckResult result = CheckLotwUser(users, "K1ABC", rules);
  EXPECT_EQ(result.LotwUser, row.user);
  EXPECT_EQ(result.LotwUploadDate, DateText(today - row.days_before)) << "the date shows either way";
}

INSTANTIATE_TEST_SUITE_P(
    BothSidesOfTheLimit, LotwAgeRule,
    ::testing::Values(AgeRow{"Recent", 10, 0.5, true, true}, AgeRow{"JustInside", 720, 0.99, true, true},
                      AgeRow{"OnTheLimit", 721, 0.0, true, true}, AgeRow{"JustPast", 721, 0.25, true, false},
                      AgeRow{"TwentyFiveMonths", 761, 0.5, true, false},
                      AgeRow{"TwentyFiveMonthsWithoutTheRule", 761, 0.5, false, true}),
    [](const ::testing::TestParamInfo<AgeRow>& info) { return std::string(info.param.name); });

TEST(LotwAgeRuleSettings, SpotsUseTheRuleAndTheCheckBoxNever) {
  Settings settings;
  settings.LOTW = 1 | 2 | 16;
  settings.LOTWMaxAge = 24;
  const DayTime today = EncodeDate(2023, 6, 15);
  const LotwUsers users = LotwUsers::Parse("K1ABC," + DateText(today - 761) + "\nK2ABC,not a date\n");
  const LotwCheckRules spot = LotwRulesFromSettings(settings, true, today);
  const LotwCheckRules box = LotwRulesFromSettings(settings, false, today);
  EXPECT_TRUE(spot.portable_calls);
  EXPECT_FALSE(box.portable_calls);
  EXPECT_FALSE(CheckLotwUser(users, "K1ABC", spot).LotwUser);
  EXPECT_TRUE(CheckLotwUser(users, "K1ABC", box).LotwUser);
  // A date that does not read shows no recent upload.
  EXPECT_FALSE(CheckLotwUser(users, "K2ABC", spot).LotwUser);
  EXPECT_TRUE(CheckLotwUser(users, "K2ABC", box).LotwUser);
  // A longer limit lets the old upload pass.
  settings.LOTWMaxAge = 26;
  EXPECT_TRUE(CheckLotwUser(users, "K1ABC", LotwRulesFromSettings(settings, true, today)).LotwUser);
}

}  // namespace
}  // namespace brilox
