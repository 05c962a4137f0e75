// The data-file checks: what a fresh data folder becomes, every fatal text
// with the files it leaves alone, the IOTA.DAT sizes, the TELNET.DAT layout
// probe, the missing LoTW list and the last WWVINFO.DAT record.
#include "shell/startup_data_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "shell/startup_data_files.h"
#include "startup_test_support.h"

namespace brilox {
namespace {

using namespace brilox::testing;

class DataChecksTest : public ::testing::Test {
 protected:
  StartupStatus Check() {
    const DataCheckContext context{files, kProgram, kData, box, texts, recorder.loaders};
    return CheckDataFiles(context, settings, state);
  }
  // A data folder that passes every check.
  void AddCompleteDataFolder() {
    AddMasterFiles(files, kData);
    files.files()[InData("DXCC.DAT")] = files.files()[InData("DXCC.RAW")];
    files.files().erase(InData("DXCC.RAW"));
  }

  RefusingFileSystem files;
  RecordingMessageBox box;
  LanguageTextTable texts = NumberedTexts();
  RecordingLoaders recorder;
  Settings settings;
  DataFileState state;
};

TEST_F(DataChecksTest, EmptyDataFolderTakesTheRawFilesAndCreatesTheRest) {
  AddMasterFiles(files, kData);  // the ".RAW" files lie in the data folder itself
  files.files().erase(InData("lotw-user-activity.csv"));
  const std::string dxinfo = files.files()[InData("DXINFO.RAW")];

  ASSERT_FALSE(Check().fatal());

  std::map<std::string, std::string> data = FilesBelow(files, kData);
  EXPECT_EQ(data["DXINFO.DAT"], dxinfo);
  EXPECT_EQ(data["DXCC.DAT"], std::string(44, 'D'));
  EXPECT_EQ(data["IOTA.DAT"].size(), kIotaFileSize);
  for (const char* created : {"WWVINFO.DAT", "ANNINFO.DAT", "CHATINFO.DAT", "TALKINFO.DAT", "TELNET.DAT"}) {
    ASSERT_EQ(data.count(created), 1u) << created;
    EXPECT_EQ(data[created], "") << created;
  }
  for (const char* raw : {"DXINFO.RAW", "DXCC.RAW", "IOTA.RAW"}) EXPECT_EQ(data.count(raw), 0u) << raw;
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"country", "dxcc", "iota", "telnet"}));
  EXPECT_TRUE(state.iota_loaded);
  EXPECT_TRUE(box.shown().empty());
}

TEST_F(DataChecksTest, FreshInstallationCopiesTheMastersFromTheProgramFolder) {
  AddMasterFiles(files, kProgram);
  files.files()[InProgram("TELNET.DAT")] = std::string(53, 'T');
  files.files()[InProgram("scripts/login.scp")] = "login";
  files.files()[InProgram("scripts/old/skip.scp")] = "a folder is not copied";
  const std::map<std::string, std::string> masters = FilesBelow(files, kProgram);

  ASSERT_FALSE(Check().fatal());

  std::map<std::string, std::string> data = FilesBelow(files, kData);
  EXPECT_EQ(data["COUNTRY2.DAT"], masters.at("COUNTRY2.DAT"));
  EXPECT_EQ(data["DXCC.DAT"], masters.at("DXCC.RAW"));
  EXPECT_EQ(data["DXINFO.DAT"], masters.at("DXINFO.RAW"));
  EXPECT_EQ(data["IOTA.DAT"], masters.at("IOTA.RAW"));
  EXPECT_EQ(data["TELNET.DAT"], masters.at("TELNET.DAT"));
  EXPECT_EQ(data["lotw-user-activity.csv"], masters.at("lotw-user-activity.csv"));
  EXPECT_EQ(data["scripts/login.scp"], "login");
  EXPECT_EQ(data.count("scripts/old/skip.scp"), 0u);
  EXPECT_EQ(FilesBelow(files, kProgram), masters) << "the program folder is only read";
  EXPECT_TRUE(state.lotw_users_available);
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"country", "dxcc", "iota", "telnet", "lotw"}));
}

TEST_F(DataChecksTest, FilesAlreadyInTheDataFolderAreNeverReplaced) {
  AddCompleteDataFolder();
  files.files()[InData("COUNTRY2.DAT")] = "the operator's own";
  files.files()[InData("scripts/mine.scp")] = "mine";
  AddMasterFiles(files, kProgram);
  files.files()[InProgram("scripts/login.scp")] = "login";

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(files.files()[InData("COUNTRY2.DAT")], "the operator's own");
  EXPECT_EQ(files.files().count(InData("scripts/login.scp")), 0u)
      << "an existing scripts folder is kept as it is";
}

// One row per fatal text: what is missing or refused, and a file that a later
// check would have touched and must still be as it was.
struct FatalCase {
  const char* name;
  std::function<void(RefusingFileSystem&)> damage;
  std::string message;
};

class DataChecksFatalTest : public DataChecksTest, public ::testing::WithParamInterface<FatalCase> {};

TEST_P(DataChecksFatalTest, StopsWithItsTextAndTouchesNothingLater) {
  AddCompleteDataFolder();
  files.files().erase(InData("TELNET.DAT"));
  GetParam().damage(files);

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), GetParam().message);
  EXPECT_EQ(files.files().count(InData("TELNET.DAT")), 0u) << "the checks after a fatal one do not run";
  EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "lotw"), 0);
  EXPECT_TRUE(box.shown().empty()) << "the program shows the fatal text itself";
}

void Remove(RefusingFileSystem& fs, const char* name) { fs.files().erase(InData(name)); }
void Refuse(RefusingFileSystem& fs, const char* name) { fs.refused.insert(InData(name)); }
void MoveToRaw(RefusingFileSystem& fs, const char* dat, const char* raw) {
  fs.files()[InData(raw)] = fs.files()[InData(dat)];
  fs.files().erase(InData(dat));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DataChecksFatalTest,
    ::testing::Values(
        FatalCase{"DxInfoCannotBeCreated",
                  [](auto& fs) { Remove(fs, "DXINFO.RAW"), Refuse(fs, "DXINFO.DAT"); },
                  "Unable to create DXINFO.DAT, can't start BRILOX"},
        FatalCase{"WwvInfoCannotBeCreated", [](auto& fs) { Refuse(fs, "WWVINFO.DAT"); },
                  "Unable to create WWVINFO.DAT, can't start BRILOX"},
        FatalCase{"AnnInfoCannotBeCreated", [](auto& fs) { Refuse(fs, "ANNINFO.DAT"); },
                  "Unable to create ANNINFO.DAT, can't start BRILOX"},
        FatalCase{"ChatInfoCannotBeCreated", [](auto& fs) { Refuse(fs, "CHATINFO.DAT"); },
                  "Unable to create CHATINFO.DAT, can't start BRILOX"},
        FatalCase{"TalkInfoCannotBeCreated", [](auto& fs) { Refuse(fs, "TALKINFO.DAT"); },
                  "Unable to create TALKINFO.DAT, can't start BRILOX"},
        FatalCase{"NoCountryFile", [](auto& fs) { Remove(fs, "COUNTRY2.DAT"); },
                  "File not found: COUNTRY2.DAT, can't start BRILOX"},
        FatalCase{"NoDxccFile", [](auto& fs) { Remove(fs, "DXCC.DAT"); },
                  "Missing files: DXCC.DAT or DXCC.RAW, can't start BRILOX"},
        FatalCase{"DxccRawNotRenamed",
                  [](auto& fs) { MoveToRaw(fs, "DXCC.DAT", "DXCC.RAW"), Refuse(fs, "DXCC.DAT"); },
                  "Unable to rename DXCC.RAW as DXCC.DAT, can't start BRILOX"},
        FatalCase{"NoIotaFile", [](auto& fs) { Remove(fs, "IOTA.RAW"); },
                  "File not found: IOTA.RAW, can't start BRILOX"},
        FatalCase{"IotaRawNotRenamed", [](auto& fs) { Refuse(fs, "IOTA.DAT"); },
                  "Unable to rename IOTA.RAW as IOTA.DAT, can't start BRILOX"},
        FatalCase{"IotaOneByteShort",
                  [](auto& fs) { fs.files()[InData("IOTA.RAW")] = std::string(kIotaFileSize - 1, 'I'); },
                  "Your IOTA.DAT seems to be corrupted, can't start BRILOX"},
        FatalCase{"IotaOneByteLong",
                  [](auto& fs) { fs.files()[InData("IOTA.RAW")] = std::string(kIotaFileSize + 1, 'I'); },
                  "Your IOTA.DAT seems to be corrupted, can't start BRILOX"},
        FatalCase{"IotaEmpty", [](auto& fs) { fs.files()[InData("IOTA.RAW")] = ""; },
                  "Your IOTA.DAT seems to be corrupted, can't start BRILOX"}),
    [](const ::testing::TestParamInfo<FatalCase>& info) { return info.param.name; });

TEST_F(DataChecksTest, TelnetRawThatWillNotBeRenamedStops) {
  AddCompleteDataFolder();
  files.files()[InData("TELNET.RAW")] = std::string(53, 'T');
  Refuse(files, "TELNET.DAT");

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "Unable to rename TELNET.RAW as TELNET.DAT, can't start BRILOX");
}

TEST_F(DataChecksTest, ARawLogThatWillNotBeRenamedStillLeavesALog) {
  AddCompleteDataFolder();
  files.refused.insert(InData("DXINFO.RAW"));

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(files.files().at(InData("DXINFO.DAT")), "");
  EXPECT_EQ(files.files().count(InData("DXINFO.RAW")), 1u);
}

TEST_F(DataChecksTest, AReferenceTableThatWillNotLoadStopsBeforeItCanBeSavedEmpty) {
  AddCompleteDataFolder();
  recorder.loaders.load_dxcc = [](FileSystem&, const std::string&) {
    return Status::Corrupt("DXCC.DAT record 17");
  };

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "Unable to load DXCC.DAT (DXCC.DAT record 17), can't start BRILOX");
  EXPECT_EQ(recorder.calls, std::vector<std::string>{"country"});
}

TEST_F(DataChecksTest, AnInterruptedDatabaseSaveIsFinishedBeforeTheRawCopyCouldReplaceIt) {
  AddCompleteDataFolder();
  // A save crashed after DXCC.DAT became DXCC.BAK: the new file waits as ".tmp".
  files.files()[InData("DXCC.BAK")] = files.files()[InData("DXCC.DAT")];
  files.files().erase(InData("DXCC.DAT"));
  files.files()[InData("DXCC.DAT.tmp")] = "the operator's latest";
  files.files()[InData("DXCC.RAW")] = "pristine";
  AddMasterFiles(files, kProgram);

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(files.files().at(InData("DXCC.DAT")), "the operator's latest");
  EXPECT_EQ(files.files().at(InData("DXCC.RAW")), "pristine");
}

struct OldIotaCase {
  const char* name;
  std::uint64_t size;
  OldIotaLayout layout;
};

class OldIotaTest : public DataChecksTest, public ::testing::WithParamInterface<OldIotaCase> {
 protected:
  void SetUp() override {
    AddCompleteDataFolder();
    files.files()[InData("IOTA.RAW")] = std::string(GetParam().size, 'o');
    recorder.loaders.convert_iota = [this](FileSystem& fs, const std::string& folder, OldIotaLayout layout) {
      converted.push_back(layout);
      return fs.WriteFile(JoinPath(folder, "IOTA.DAT"), std::string(kIotaFileSize, 'n'));
    };
  }
  std::vector<OldIotaLayout> converted;
};

TEST_P(OldIotaTest, IsConvertedAfterTheNoticeThenLoaded) {
  ASSERT_FALSE(Check().fatal());

  ASSERT_EQ(box.shown().size(), 1u);
  EXPECT_EQ(box.shown()[0].kind, MessageKind::kInformation);
  EXPECT_EQ(box.shown()[0].caption, "text 34");
  EXPECT_EQ(box.shown()[0].text, "text 119");
  EXPECT_EQ(converted, std::vector<OldIotaLayout>{GetParam().layout});
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"country", "dxcc", "iota", "telnet", "lotw"}));
}

TEST_P(OldIotaTest, NoticeNotAcknowledgedEndsWithoutConverting) {
  box.QueueAnswer(MessageAnswer::kCancel);

  const StartupStatus status = Check();

  EXPECT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "");
  EXPECT_TRUE(converted.empty());
}

TEST_P(OldIotaTest, AFailedConversionStopsWithTheConvertersText) {
  recorder.loaders.convert_iota = [](FileSystem&, const std::string&, OldIotaLayout) {
    return Status::Io("A backup file IOTA.199 already exists, remove it first !");
  };

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "A backup file IOTA.199 already exists, remove it first !");
  EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "iota"), 0);
}

TEST_P(OldIotaTest, WithoutAConverterTheOldFileStaysAndIsNotLoaded) {
  recorder.loaders.convert_iota = nullptr;

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(files.files().at(InData("IOTA.DAT")).size(), GetParam().size);
  EXPECT_FALSE(state.iota_loaded);
  EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "iota"), 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, OldIotaTest,
                         ::testing::Values(OldIotaCase{"Records1200", 69600, OldIotaLayout::kRecords1200},
                                           OldIotaCase{"StatusBytes", 1200, OldIotaLayout::kStatusBytes}),
                         [](const ::testing::TestParamInfo<OldIotaCase>& info) { return info.param.name; });

struct TelnetProbeCase {
  const char* name;
  std::size_t length;
  int byte43;  // -1: the file is too short to have it
  bool old_layout;
};

class TelnetProbeTest : public DataChecksTest, public ::testing::WithParamInterface<TelnetProbeCase> {};

TEST_P(TelnetProbeTest, OnlyANameLengthAtOffset43MarksTheOlderLayout) {
  AddCompleteDataFolder();
  std::string telnet(GetParam().length, ' ');
  if (GetParam().byte43 >= 0) telnet[43] = static_cast<char>(GetParam().byte43);
  files.files()[InData("TELNET.DAT")] = telnet;
  int conversions = 0;
  recorder.loaders.convert_telnet = [&](FileSystem&, const std::string&) {
    ++conversions;
    return Status::Ok();
  };

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(conversions, GetParam().old_layout ? 1 : 0);
  EXPECT_EQ(IsOldTelnetLayout(telnet.substr(0, 50)), GetParam().old_layout);
}

INSTANTIATE_TEST_SUITE_P(Bytes, TelnetProbeTest,
                         ::testing::Values(TelnetProbeCase{"NameOfTwo", 86, 2, true},
                                           TelnetProbeCase{"NameOfFourteen", 86, 14, true},
                                           TelnetProbeCase{"NameOfOne", 86, 1, false},
                                           TelnetProbeCase{"NameOfFifteen", 86, 15, false},
                                           TelnetProbeCase{"PortDigit", 106, '3', false},
                                           TelnetProbeCase{"PortZero", 106, 0, false},
                                           TelnetProbeCase{"TooShort", 43, -1, false},
                                           TelnetProbeCase{"Empty", 0, -1, false}),
                         [](const ::testing::TestParamInfo<TelnetProbeCase>& info) {
                           return info.param.name;
                         });

TEST_F(DataChecksTest, AFailedTelnetConversionStopsWithItsText) {
  AddCompleteDataFolder();
  std::string telnet(86, ' ');
  telnet[43] = 5;
  files.files()[InData("TELNET.DAT")] = telnet;
  recorder.loaders.convert_telnet = [](FileSystem&, const std::string&) {
    return Status::Io("Unable to rename the old TELNET.DAT to TELNET.SAV, conversion failed !");
  };

  const StartupStatus status = Check();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "Unable to rename the old TELNET.DAT to TELNET.SAV, conversion failed !");
}

TEST_F(DataChecksTest, WithoutTheLotwListTheSearchIsOffForTheRun) {
  AddCompleteDataFolder();
  files.files().erase(InData("lotw-user-activity.csv"));
  settings.LOTW = 0x1F;

  ASSERT_FALSE(Check().fatal());

  EXPECT_FALSE(state.lotw_users_available);
  EXPECT_EQ(settings.LOTW, 0x1E) << "only the search bit goes";
  EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "lotw"), 0);
}

TEST_F(DataChecksTest, ALotwListThatWillNotLoadCountsAsMissing) {
  AddCompleteDataFolder();
  recorder.loaders.load_lotw_users = [](FileSystem&, const std::string&) { return Status::Io("read"); };

  ASSERT_FALSE(Check().fatal());

  EXPECT_FALSE(state.lotw_users_available);
  EXPECT_EQ(settings.LOTW & 1, 0);
}

TEST_F(DataChecksTest, WithTheLotwListTheSearchStaysAsSet) {
  AddCompleteDataFolder();
  settings.LOTW = 1;

  ASSERT_FALSE(Check().fatal());

  EXPECT_TRUE(state.lotw_users_available);
  EXPECT_EQ(settings.LOTW, 1);
}

// A WWVINFO.DAT record: length byte, then the text.
std::string PropagationRecord(const std::string& text) {
  std::string record(80, '\0');
  record[0] = static_cast<char>(text.size());
  record.replace(1, text.size(), text);
  return record;
}

struct SolarFluxCase {
  const char* name;
  std::string file;
  std::string expected;
};

class SolarFluxTest : public DataChecksTest, public ::testing::WithParamInterface<SolarFluxCase> {};

TEST_P(SolarFluxTest, ComesFromTheLastWholeRecord) {
  AddCompleteDataFolder();
  files.files()[InData("WWVINFO.DAT")] = GetParam().file;

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(state.solar_flux_text, GetParam().expected);
  EXPECT_EQ(files.files().at(InData("WWVINFO.DAT")), GetParam().file) << "a log is never rewritten";
}

// Columns: blank, day in 2, "-Mon-yyyy", 2 blanks, hour, 3 blanks, flux in 20-22.
const std::string kOlder = "  3-Jan-2024  18   142   8   3  Minor w/G1 <DK0WCY>";
const std::string kNewer = "  3-Jan-2024  21    97  12   4  No Storms <W1AW>";

INSTANTIATE_TEST_SUITE_P(
    Records, SolarFluxTest,
    ::testing::Values(
        SolarFluxCase{"LastOfTwo", PropagationRecord(kOlder) + PropagationRecord(kNewer), "SFI=97"},
        SolarFluxCase{"TornTailIgnored", PropagationRecord(kOlder) + PropagationRecord(kNewer).substr(0, 30),
                      "SFI=142"},
        SolarFluxCase{"ShortText", PropagationRecord("  3-Jan-2024"), "SFI="},
        SolarFluxCase{"LengthBeyondTheRecord",
                      std::string(1, '\xFF') + kOlder + std::string(79 - kOlder.size(), ' '), "SFI=142"},
        SolarFluxCase{"NoWholeRecord", std::string(40, 'x'), ""}),
    [](const ::testing::TestParamInfo<SolarFluxCase>& info) { return info.param.name; });

TEST_F(DataChecksTest, AnEmptyPropagationLogIsKeptAndShowsNoFlux) {
  AddCompleteDataFolder();
  files.files()[InData("WWVINFO.DAT")] = "";
  files.files()[InData("WWVINFO.RAW")] = PropagationRecord(kOlder);

  ASSERT_FALSE(Check().fatal());

  EXPECT_EQ(files.files().at(InData("WWVINFO.DAT")), "");
  EXPECT_EQ(state.solar_flux_text, "");
}

}  // namespace
}  // namespace brilox
