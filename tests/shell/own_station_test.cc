// The first start's question for the own call and locator: when it is asked,
// what is taken from the answer, and what reaches the settings key.
#include "shell/own_station.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brilox {
namespace {

class ScriptedStationDialog final : public OwnStationDialog {
 public:
  std::optional<OwnStation> answer;
  std::vector<OwnStation> asked;
  std::optional<OwnStation> Ask(const OwnStation& proposed) override {
    asked.push_back(proposed);
    return answer;
  }
};

TEST(OwnStationTest, CallsAreCleanedOrRefused) {
  const std::vector<std::pair<std::string, std::string>> cases{{"f5xyz", "F5XYZ"},
                                                               {" dl1abc ", "DL1ABC"},
                                                               {"VP2E/W1AW", "VP2E/W1AW"},
                                                               {"3DA0ABCDEFGHIJKLMN", "3DA0ABCDEFGHIJK"},
                                                               {"NOCALL", ""},
                                                               {"nocall", ""},
                                                               {"", ""},
                                                               {"ABC", ""} /* no digit */,
                                                               {"123", ""} /* no letter */,
                                                               {"F5\xE9X", ""} /* Latin-1 letter */,
                                                               {"F5-XY", ""},
                                                               {"K1", ""} /* too short */};
  for (const auto& [typed, expected] : cases) EXPECT_EQ(CleanCallsign(typed), expected) << typed;
}

TEST(OwnStationTest, LocatorCentresAndBack) {
  struct Case {
    const char* locator;
    double latitude, longitude;
  };
  for (const Case& c : {Case{"JO22AA", 52.0208, 4.0417}, Case{"jo22aa", 52.0208, 4.0417},
                        Case{"JN36", 46.5, 7.0}, Case{"AA00AA", -89.9792, -179.9583},
                        Case{"RR99XX", 89.9792, 179.9583}, Case{"FN42HN", 42.5625, -71.375}}) {
    const std::optional<GeoPoint> centre = LocatorCentre(c.locator);
    ASSERT_TRUE(centre) << c.locator;
    EXPECT_NEAR(centre->latitude, c.latitude, 5e-5) << c.locator;
    EXPECT_NEAR(centre->longitude, c.longitude, 5e-5) << c.locator;
  }
  for (const char* bad : {"", "JO2", "JO22A", "SO22AA", "JS22AA", "JOA2AA", "JO22YA", "JO22AAX",
                          "J\xD6"
                          "22AA"}) {
    EXPECT_FALSE(LocatorCentre(bad)) << bad;
  }
  EXPECT_EQ(LocatorOf({46.2, 6.1}), "JN36BE");
  EXPECT_EQ(LocatorOf({52.0208, 4.0417}), "JO22AA");
  EXPECT_EQ(LocatorOf({90.0, 180.0}), "RR99XX") << "the edges stay inside the grid";
  EXPECT_EQ(LocatorOf({-90.0, -180.0}), "AA00AA");
}

TEST(OwnStationTest, AsksWhileTheCallIsMissingAndStoresTheAnswer) {
  for (const std::string& stored : {std::string("NOCALL"), std::string()}) {
    Settings settings;
    settings.MyCall = stored;
    MemorySettingsStore store;
    ScriptedStationDialog dialog;
    dialog.answer = OwnStation{"f5xyz", "jo22aa"};
    ASSERT_TRUE(AskForOwnStation(settings, store, dialog).ok());
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].locator, "JN36BE") << "the stored position is offered";
    EXPECT_EQ(settings.MyCall, "F5XYZ");
    EXPECT_EQ(settings.MyCallCaption, "F5XYZ:") << "the derived texts follow";
    EXPECT_NEAR(settings.MyLat, 52.0208, 5e-5);
    EXPECT_NEAR(settings.MyLatRad, 52.0208 * M_PI / 180.0, 1e-6);
    EXPECT_EQ(store.ReadString("MyCall").value(), "F5XYZ");
    EXPECT_TRUE(store.Find("MyLat").has_value());
    EXPECT_TRUE(store.Find("MyLong").has_value());
  }
}

TEST(OwnStationTest, NothingIsStoredWithoutAUsableCall) {
  struct Case {
    const char* what;
    std::string stored_call;
    std::optional<OwnStation> answer;
    int asked;
    std::string call_after;
  };
  for (const Case& c :
       {Case{"a known call is not asked", "DL1ABC", OwnStation{"F5XYZ", "JO22AA"}, 0, "DL1ABC"},
        Case{"cancelled", "NOCALL", std::nullopt, 1, "NOCALL"},
        Case{"no call typed", "NOCALL", OwnStation{"", "JO22AA"}, 1, "NOCALL"},
        Case{"not a call", "", OwnStation{"HELLO", "JO22AA"}, 1, ""}}) {
    Settings settings;
    settings.MyCall = c.stored_call;
    MemorySettingsStore store;
    ScriptedStationDialog dialog;
    dialog.answer = c.answer;
    EXPECT_TRUE(AskForOwnStation(settings, store, dialog).ok()) << c.what;
    EXPECT_EQ(static_cast<int>(dialog.asked.size()), c.asked) << c.what;
    EXPECT_EQ(settings.MyCall, c.call_after) << c.what;
    EXPECT_DOUBLE_EQ(settings.MyLat, 46.2) << c.what;
    EXPECT_TRUE(store.List().empty()) << c.what;
  }
}

TEST(OwnStationTest, AnUnreadableLocatorKeepsThePositionButStoresTheCall) {
  Settings settings;
  MemorySettingsStore store;
  ScriptedStationDialog dialog;
  dialog.answer = OwnStation{"F5XYZ", "ZZ99"};
  ASSERT_TRUE(AskForOwnStation(settings, store, dialog).ok());
  EXPECT_EQ(settings.MyCall, "F5XYZ");
  EXPECT_DOUBLE_EQ(settings.MyLat, 46.2);
  EXPECT_DOUBLE_EQ(settings.MyLong, 6.1);
  EXPECT_EQ(store.ReadString("MyCall").value(), "F5XYZ");
}

TEST(OwnStationTest, AKeyThatCannotBeWrittenIsReported) {
  Settings settings;
  MemorySettingsStore store;
  store.SetUnusable(true);
  ScriptedStationDialog dialog;
  dialog.answer = OwnStation{"F5XYZ", "JO22AA"};
  EXPECT_FALSE(AskForOwnStation(settings, store, dialog).ok());
  EXPECT_EQ(settings.MyCall, "F5XYZ") << "the run goes on with the call given";
}

}  // namespace
}  // namespace brilox
