// The LoTW view's panel: the count label from the language text, and the
// call field's answer as the operator types.
#include "shell/lotw_call_field.h"

#include <gtest/gtest.h>

namespace brilox {
namespace {

struct CountRow {
  const char* name;
  const char* format;
  int count;
  const char* text;
};

class KnownCallsigns : public ::testing::TestWithParam<CountRow> {};

TEST_P(KnownCallsigns, FillsTheLanguageTextOrTheFallback) {
  const CountRow& row = GetParam();
  EXPECT_EQ(KnownCallsignsText(row.format, row.count), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, KnownCallsigns,
    ::testing::Values(CountRow{"Shipped", "(%.0n known callsigns)", 157153, "(157,153 known callsigns)"},
                      CountRow{"Small", "(%.0n known callsigns)", 7, "(7 known callsigns)"},
                      CountRow{"Million", "%n", 1234567, "1,234,567"},
                      CountRow{"Percent", "%.0n (100%%)", 1000, "1,000 (100%)"},
                      CountRow{"NoSpecifier", "known callsigns", 1000, "(1,000 known callsigns):"},
                      CountRow{"TwoSpecifiers", "%n of %n", 1000, "(1,000 known callsigns):"},
                      CountRow{"TextSpecifier", "%s callsigns", 1000, "(1,000 known callsigns):"},
                      CountRow{"Unfinished", "callsigns %", 1000, "(1,000 known callsigns):"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FieldRow {
  const char* name;
  const char* text;
  bool sound;
  bool user;
  const char* label;
  bool beep;
};

class CallField : public ::testing::TestWithParam<FieldRow> {};

TEST_P(CallField, AnswersAtOnce) {
  const FieldRow& row = GetParam();
  Settings settings;
  settings.LOTW = 1 | 2 | 8 | 16;  // portable calls and the age rule are for spots only
  settings.LOTWMaxAge = 1;
  settings.MoreLotw = {{"W9XYZ"}};
  const LotwUsers users = LotwUsers::Parse("DL1ABC,2001-01-01,10:00:00\nK1A,2020-05-06\n");
  const LotwCallFieldState state = EditLOTWuserChange(users, settings, row.text, row.sound);
  EXPECT_EQ(state.user, row.user);
  EXPECT_EQ(state.show_upload, row.user);
  EXPECT_EQ(state.upload_label, row.label);
  EXPECT_EQ(state.beep, row.beep);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CallField,
    ::testing::Values(FieldRow{"OldUploadStillAUser", "DL1ABC", true, true, "(last upload: 2001-01-01)",
                               true},
                      FieldRow{"Quiet", "DL1ABC", false, true, "(last upload: 2001-01-01)", false},
                      FieldRow{"TooShort", "K1", true, false, "", false},
                      FieldRow{"ThreeCharacters", "K1A", true, true, "(last upload: 2020-05-06)", true},
                      FieldRow{"NoPortableParts", "DL1ABC/P", true, false, "", false},
                      FieldRow{"AdditionalUser", "W9XYZ", true, true, "(last upload: ?)", true},
                      FieldRow{"Unknown", "DL1ABD", true, false, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CallFieldKeys, TakesCallCharactersAndBackspace) {
  for (char key : std::string("AZaz09/\b")) EXPECT_TRUE(EditLOTWuserAcceptsKey(key)) << int(key);
  for (char key : std::string(" -.,*\t")) EXPECT_FALSE(EditLOTWuserAcceptsKey(key)) << int(key);
}

}  // namespace
}  // namespace brilox
