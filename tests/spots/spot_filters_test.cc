// Duplicates, spotter zones, self spots, implausible calls and the reject
// lists: which spots get through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spots/line_history.h"
#include "spots/reject_lists.h"
#include "spots/spot_checks.h"

namespace brilox {
namespace {

const std::string kSpot = "DX de W3LPL  14037 TZ4AM        Heard in PA            1832Z";

TEST(TestNewDX, TheSameSpotFromTwoTerminalsIsShownOnce) {
  LineHistory history;
  NewLineFlags first = history.TestNewDX(2, kSpot);
  EXPECT_TRUE(first.NewOnTerminal);
  EXPECT_TRUE(first.NewForDisplay);
  history.RememberOnTerminal(2, kSpot);
  history.RememberShown(kSpot);

  const NewLineFlags relayed = history.TestNewDX(1, kSpot);
  EXPECT_TRUE(relayed.NewOnTerminal);   // processed on terminal 1 ...
  EXPECT_FALSE(relayed.NewForDisplay);  // ... but not shown, logged or announced again
  const NewLineFlags repeated = history.TestNewDX(2, kSpot);
  EXPECT_FALSE(repeated.NewOnTerminal);  // dropped on the terminal that just had it
}

TEST(TestNewDX, RingsHoldTheLastTwentyLines) {
  LineHistory history;
  for (int i = 0; i <= 20; ++i) history.RememberOnTerminal(3, "LINE " + std::to_string(i));
  EXPECT_TRUE(history.TestNewDX(3, "LINE 0").NewOnTerminal);  // the 21st line pushed it out
  EXPECT_FALSE(history.TestNewDX(3, "LINE 1").NewOnTerminal);
  EXPECT_FALSE(history.TestNewDX(3, "LINE 20").NewOnTerminal);
  EXPECT_TRUE(history.TestNewDX(4, "LINE 20").NewOnTerminal);  // other terminals have their own
  EXPECT_TRUE(history.TestNewDX(3, "LINE 20").NewForDisplay);  // nothing was shown

  // A duplicate that comes back becomes the newest entry again.
  LineHistory again;
  again.RememberOnTerminal(1, "OLD");
  for (int i = 0; i < 19; ++i) again.RememberOnTerminal(1, "FILL " + std::to_string(i));
  again.RememberOnTerminal(1, "OLD");
  for (int i = 0; i < 19; ++i) again.RememberOnTerminal(1, "MORE " + std::to_string(i));
  EXPECT_FALSE(again.TestNewDX(1, "OLD").NewOnTerminal);
}

TEST(TestNewDX, ComparesUpperCasedFirstSixtyCharacters) {
  LineHistory history;
  const std::string long_line = std::string(60, 'a') + " tail one";
  history.RememberOnTerminal(1, long_line);
  history.RememberShown(long_line);
  EXPECT_FALSE(history.TestNewDX(1, std::string(60, 'A') + " tail two").NewOnTerminal);
  EXPECT_FALSE(history.TestNewDX(2, std::string(60, 'A')).NewForDisplay);
  EXPECT_TRUE(history.TestNewDX(1, std::string(59, 'A')).NewOnTerminal);
}

TEST(TestNewDX, TerminalsOutsideOneToFourHaveNoRing) {
  LineHistory history;
  history.RememberOnTerminal(0, "X");
  history.RememberOnTerminal(5, "X");
  EXPECT_TRUE(history.TestNewDX(0, "X").NewOnTerminal);
  EXPECT_TRUE(history.TestNewDX(5, "X").NewOnTerminal);
  for (int t = 1; t <= 4; ++t) EXPECT_TRUE(history.TestNewDX(t, "X").NewOnTerminal);
}

TEST(ComparisonText, TextOfEachLineClass) {
  const struct {
    int line_class;
    const char* expected;
  } rows[] = {{1, "SHORT"}, {2, "SHORT"}, {5, "SHORT"}, {6, "SHORT"}, {7, "SHORT"}, {3, "LOG"},
              {4, "LOG"},   {8, "LOG"},   {9, "LOG"},   {98, "LINE"}, {99, "LINE"}, {0, "LINE"}};
  for (const auto& row : rows) {
    EXPECT_EQ(ComparisonText(row.line_class, "short", "log", "line"), row.expected) << row.line_class;
  }
  EXPECT_EQ(ComparisonText(98, "", "", std::string(80, 'x')), std::string(60, 'X'));
}

class FakeZones : public CallZoneLookup {
 public:
  int WazZoneOf(std::string_view call) override {
    ++lookups;
    if (call.substr(0, 2) == "JA") return 25;
    if (call.substr(0, 2) == "DL") return 14;
    return 0;  // no entity
  }
  int lookups = 0;
};

SpotRecord Spot(std::string dx_call, std::string spotter) {
  SpotRecord spot;
  dx_call.resize(12, ' ');
  spot.DXCall = dx_call;
  spot.Spotter = spotter;
  spot.BandOK = true;
  return spot;
}

TEST(SpotChecks, SpotterZones) {
  Settings settings;
  FakeZones zones;
  SpotChecks checks(settings, zones);

  SpotRecord spot = Spot("VK9XX", "XX9ZZZ");
  checks.Run("", spot);
  EXPECT_TRUE(spot.ZoneOK);
  EXPECT_EQ(zones.lookups, 0);  // no zone rejected: the spotter is not looked up

  settings.RejectFromZone[25 - 1] = true;
  const struct {
    const char* spotter;
    bool zone_ok;
  } rows[] = {{"JA1ABC", false}, {"DL1ABC-2", true}, {"XX9ZZZ", false}};  // no entity: rejected
  for (const auto& row : rows) {
    spot = Spot("VK9XX", row.spotter);
    checks.Run("", spot);
    EXPECT_EQ(spot.ZoneOK, row.zone_ok) << row.spotter;
    EXPECT_TRUE(spot.BandOK) << row.spotter;
  }
  EXPECT_TRUE(IsSpotterZoneRejected(settings, 41));
  EXPECT_FALSE(IsSpotterZoneRejected(settings, 40));
}

TEST(SpotChecks, SelfSpots) {
  const struct {
    const char* dx_call;
    const char* spotter;
    bool self;
  } rows[] = {
      {"EH7XX", "EA7XX", true},   {"EA7XX", "EH7XX", true},        {"DL1ABC/P", "DL1ABC-2", true},
      {"DL1ABC", "DL1ABC", true}, {"dl1abc", "DL1ABC-#", true},    {"DL1ABC", "DL1ABD", false},
      {"EH7XX", "EA7XY", false},  {"EA8/DL1ABC", "DL1ABC", false}, {"ED7XX", "EA7XX", true},
      {"K1ABC", "K1ABC-#", true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IsSelfSpot(row.dx_call, row.spotter), row.self) << row.dx_call << " by " << row.spotter;
  }

  Settings settings;
  FakeZones zones;
  SpotChecks checks(settings, zones);
  SpotRecord spot = Spot("EH7XX", "EA7XX");
  checks.Run("", spot);
  EXPECT_TRUE(spot.NotSelfSpot);  // only rejected when the operator asks
  settings.RejectSelfSpots = 1;
  checks.Run("", spot);
  EXPECT_FALSE(spot.NotSelfSpot);
}

TEST(SpotChecks, CallPlausibility) {
  const struct {
    const char* call;
    bool plausible;
  } rows[] = {
      {"DL1ABC", true},      {"3B9FR", true},    {"VP8/G3ABC", true}, {"CQ7ABC", true}, {"CQ2BB", true},
      {"1A0KM", true},       {"1S0XX", true},    {"1B1AB", true},     {"2M0ABC", true}, {"6M2X", true},
      {"CQ2M", false},       {"CQ6M", false},    {"CQ9CM", false},    {"CQ2DX", false}, {"CQ1/X", false},
      {"CQ4SAT", false},     {"CQ3", false},     {"CQ22", false},     {"CQAB1", false}, {"CQ/1", false},
      {"CQ2O", false},       {"CQ3C", false},    {"CQ4M", false},     {"CQ6C", false},  {"CQ9", false},
      {"CQ1MS", false},      {"CQ2WSJT", false}, {"CQ6NAC", false},   {"CQ4S", false},  {"1X0ABC", false},
      {"2M", false},         {"4MX1", false},    {"FT8", false},      {"JT65A", false}, {"MT63", false},
      {"PSK31", false},      {"1ST", false},     {"2ND", false},      {"JT6M", false},  {"2PER1", false},
      {"DXPEDITION", false}, {"TU", false},      {"CQ", false},       {"I", false},     {"", false},
      {"12345", false},
  };
  for (const auto& row : rows) {
    std::string call = row.call;
    call.resize(12, ' ');
    EXPECT_EQ(IsPlausibleDxCall(call), row.plausible) << "'" << row.call << "'";
  }

  Settings settings;
  FakeZones zones;
  SpotChecks checks(settings, zones);
  SpotRecord spot = Spot("CQ2DX", "DL1ABC");
  checks.Run("", spot);
  EXPECT_FALSE(spot.BandOK);
  EXPECT_TRUE(spot.ZoneOK);
  EXPECT_TRUE(spot.NotSelfSpot);
}

TEST(RejectPatterns, ExactPrefixSuffixAndContains) {
  const struct {
    const char* pattern;
    const char* text;
    bool match;
  } rows[] = {
      {"DL1ABC", "DL1ABC", true},   {"DL1ABC", "DL1ABC-2", false},
      {"DL1*", "DL1ABC", true},     {"DL1*", "DL2ABC", false},
      {"DL1*", "DL", false},        {"DL1*X", "DL1ABC", true},
      {"*-#", "EA5WU-#", true},     {"*-#", "EA5WU", false},
      {"*SKIM*", "XSKIMMER", true}, {"*SKIM*", "SKIM", true},
      {"*SKIM*", "SKI", false},     {"*", "ANYTHING", true},
      {"**", "ANYTHING", true},     {"", "", false},
      {"*-#", "-#", true},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(MatchesRejectPattern(row.pattern, row.text), row.match) << row.pattern << " / " << row.text;
  }
}

Settings WithLists(std::vector<std::string> spotters, std::vector<std::string> words) {
  Settings settings;
  for (auto& s : spotters) settings.BadSpotter.push_back({s});
  for (auto& w : words) settings.BadWord.push_back({w});
  return settings;
}

TEST(TestBadSpotter, TrimmedUpperCasedSpotterAgainstTheList) {
  const Settings settings = WithLists({"K1XX", "DL1*", "*-#"}, {});
  const struct {
    const char* spotter;
    bool bad;
  } rows[] = {{" k1xx ", true}, {"dl1abc-2", true}, {"EA5WU-#", true}, {"K1XXX", false}, {"W1AW", false}};
  for (const auto& row : rows) {
    SpotRecord spot = Spot("VK9XX", row.spotter);
    TestBadSpotter(settings, spot);
    EXPECT_EQ(spot.BandOK, !row.bad) << row.spotter;
  }
  SpotRecord spot = Spot("VK9XX", "K1XX");
  TestBadSpotter(Settings{}, spot);
  EXPECT_TRUE(spot.BandOK);
}

TEST(TestBadWord, WordsOfTheCommentAgainstTheList) {
  const Settings settings = WithLists({}, {"PIRATE", "QSL*", "*BOT"});
  const struct {
    const char* comment;
    bool bad;
  } rows[] = {
      {"  pirate station ", true}, {"UP 5   QSLVIA LOTW", true}, {"via ROBOT", true},
      {"PIRATES", false},          {"no bad words here", false}, {"", false},
  };
  for (const auto& row : rows) {
    SpotRecord spot = Spot("VK9XX", "K1ABC");
    TestBadWord(settings, row.comment, spot);
    EXPECT_EQ(spot.BandOK, !row.bad) << row.comment;
  }

  // Only the first 30 words count.
  std::string message;
  for (int i = 0; i < 30; ++i) message += "w" + std::to_string(i) + "  ";
  EXPECT_FALSE(HasBadWord(settings, message + "pirate"));
  EXPECT_TRUE(HasBadWord(settings, message.substr(0, message.rfind("w29")) + "pirate"));
}

}  // namespace
}  // namespace brilox
