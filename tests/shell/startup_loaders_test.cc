// The data checks with the real loaders: the country file, the DXCC and the
// IOTA databases reach their tables, an older IOTA.DAT is converted on the
// way, and a damaged database stops the start before an empty table could be
// saved over it.
#include "shell/startup_loaders.h"

#include <gtest/gtest.h>

#include <optional>

#include "awards/dxcc_file.h"
#include "awards/iota_file.h"
#include "startup_test_support.h"

namespace brilox {
namespace {

using namespace brilox::testing;

std::string DxccRecordOf(std::string_view prefix, std::string_view name) {
  return EncodeDxccRecord(TemplateDxccEntry(prefix, name));
}

class StartupLoadersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddMasterFiles(files, kData);
    files.files()[InData("COUNTRY2.DAT")] =
        "/ a comment\r\n#DL#DA#DB#\r\nDL Germany 28 14 -1.0 51.0 10.0 230\r\n#F#TM#\r\nF France 27 14 -1.0 "
        "46.0 2.0 227\r\n";
    files.files()[InData("DXCC.RAW")] = DxccRecordOf("DL", "Germany") + DxccRecordOf("F", "France");
  }
  StartupStatus Check() {
    const DataCheckContext context{files, kProgram, kData, box, texts, loaders};
    return CheckDataFiles(context, settings, state);
  }

  RefusingFileSystem files;
  RecordingMessageBox box;
  const LanguageTextTable texts = NumberedTexts();
  CountryTable countries;
  DxccTable dxcc;
  DataFileLoaders loaders = MakeDataFileLoaders({countries, dxcc});
  Settings settings;
  DataFileState state;
};

TEST_F(StartupLoadersTest, FillTheCountryAndDxccTables) {
  ASSERT_FALSE(Check().fatal());

  ASSERT_EQ(countries.CountryCount(), 2u);
  EXPECT_EQ(countries.PrefixByEntity(227), "F   ");
  ASSERT_EQ(dxcc.count(), 2);
  EXPECT_EQ(dxcc.row(1).prefix, "DL  ");
  EXPECT_EQ(dxcc.row(2).name, PadText("France", 20));
}

TEST_F(StartupLoadersTest, ADamagedDxccDatabaseStopsTheStart) {
  files.files()[InData("DXCC.RAW")] = DxccRecordOf("DL", "Germany") + "short";

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message().rfind("Unable to load DXCC.DAT (", 0), 0u) << status.message();
  EXPECT_NE(status.message().find(", can't start BRILOX"), std::string::npos);
  EXPECT_EQ(dxcc.count(), 0);
  EXPECT_EQ(files.files().at(InData("DXCC.DAT")).size(), 49u) << "the operator's file is kept for repair";
}

TEST_F(StartupLoadersTest, ACountryFileWithoutEntitiesStopsTheStart) {
  files.files()[InData("COUNTRY2.DAT")] = "<html><body>Not Found</body></html>\r\n";

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message().rfind("Unable to load COUNTRY2.DAT (", 0), 0u) << status.message();
  EXPECT_EQ(countries.CountryCount(), 0u);
}

TEST_F(StartupLoadersTest, TheSplashCheckFindsTheRowsNoEntityMatches) {
  files.files()[InData("DXCC.RAW")] += DxccRecordOf("ZZ9", "Nowhere");
  ASSERT_FALSE(Check().fatal());

  const Status checked = CheckDxccAgainstCountries({countries, dxcc}, {files, kData, box, texts});

  EXPECT_TRUE(checked.ok()) << checked.ToString();
  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_NE(box.shown()[0].text.find("ZZ9"), std::string::npos) << box.shown()[0].text;
  EXPECT_EQ(box.shown()[0].text.find("DL"), std::string::npos) << "known entities are not reported";
}

class StartupIotaLoadersTest : public StartupLoadersTest {
 protected:
  void SetUp() override {
    StartupLoadersTest::SetUp();
    IotaTable reference;
    reference.entry(455) = IotaEntry{'-', "G   ", PadText("Great Britain", 50), 'B'};
    reference.entry(IotaTableIndex(4, 200)) = IotaEntry{'-', "SM  ", PadText("Added since", 50), ' '};
    raw = EncodeIotaFile(reference);
    files.files()[InData("IOTA.RAW")] = raw;
    loaders = MakeDataFileLoaders({countries, dxcc, &iota, &settings, &store});
  }
  IotaTable iota;
  MemorySettingsStore store;
  std::string raw;
};

TEST_F(StartupIotaLoadersTest, AFreshStartLoadsTheDeliveredReferences) {
  ASSERT_FALSE(Check().fatal());
  EXPECT_TRUE(state.iota_loaded);
  EXPECT_EQ(iota.entry(455).name, PadText("Great Britain", 50));
  EXPECT_TRUE(store.WrittenNames().empty()) << "no conversion, no settings written";
}

TEST_F(StartupIotaLoadersTest, AnOlderStatusFileIsConvertedLoadedAndItsLastNumbersStored) {
  std::string statuses(1200, '-');
  statuses[4] = 'C';  // EU-005
  files.files()[InData("IOTA.DAT")] = statuses;
  settings.IOTA = 0;

  ASSERT_FALSE(Check().fatal());

  EXPECT_TRUE(state.iota_loaded);
  EXPECT_EQ(iota.entry(455).status, 'C');
  EXPECT_EQ(iota.entry(455).name, PadText("Great Britain", 50));
  EXPECT_EQ(files.files().at(InData("IOTA.DOS")), statuses);
  EXPECT_EQ(settings.IOTALast, (std::array<int, 7>{200, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(*store.ReadString("IOTALast"), "200000000000000000000");
  EXPECT_EQ(*store.ReadInteger("IOTA"), 0) << "the switch is written with the numbers, unchanged";
}

TEST_F(StartupIotaLoadersTest, AFailedConversionStopsTheStartWithItsText) {
  files.files()[InData("IOTA.DAT")] = std::string(1200, '-');
  files.files()[InData("IOTA.DOS")] = "an earlier conversion";

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "A backup file IOTA.DOS already exists, remove it first !");
  EXPECT_EQ(files.files().at(InData("IOTA.DAT")), std::string(1200, '-'));
  EXPECT_FALSE(state.iota_loaded);
}

TEST_F(StartupIotaLoadersTest, ADamagedIotaDatabaseStopsTheStart) {
  files.files()[InData("IOTA.RAW")][kIotaStatusOffset] = '\0';

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message().rfind("Unable to load IOTA.DAT (", 0), 0u) << status.message();
  EXPECT_NE(status.message().find("record 1 is damaged"), std::string::npos) << status.message();
  EXPECT_FALSE(state.iota_loaded);
}

// The LoTW user list: loaded when it has users; missing, unreadable or
// without a single user, LoTW user search is off for the run.
TEST_F(StartupLoadersTest, TheLotwUserListSwitchesTheSearch) {
  struct Case {
    const char* name;
    std::optional<std::string> file;
    int count;
  };
  for (const Case& c : {Case{"users", "W1AW,2021-01-01\nK1ABC,2021-02-02,10:00:00\n", 2},
                        Case{"no user", "just a header line\n", 0}, Case{"missing", std::nullopt, 0}}) {
    if (c.file) {
      files.files()[InData("lotw-user-activity.csv")] = *c.file;
    } else {
      files.files().erase(InData("lotw-user-activity.csv"));
    }
    LotwUsers users;
    loaders = MakeDataFileLoaders({countries, dxcc, nullptr, nullptr, nullptr, &users});
    settings.LOTW = 1 | 2;
    ASSERT_FALSE(Check().fatal()) << c.name;
    EXPECT_EQ(users.count(), c.count) << c.name;
    EXPECT_EQ(state.lotw_users_available, c.count > 0) << c.name;
    EXPECT_EQ(settings.LOTW & 1, c.count > 0 ? 1 : 0) << c.name;
    EXPECT_EQ(users.Find("W1AW") != nullptr, c.count > 0) << "sorted while loading";
  }
}

}  // namespace
}  // namespace brilox
