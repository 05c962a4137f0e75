// The start-up sequence over recording steps: the order of a whole start,
// where a fatal condition stops it (and that nothing runs after it), the
// start view, the port and engine messages, and the steps that depend on a
// setting.
#include "shell/startup_sequence.h"

#include <gtest/gtest.h>

#include "startup_test_support.h"

namespace brilox {
namespace {

using namespace brilox::testing;

// Notes every call as a short line, in order.
class RecordingSteps : public StartupSteps {
 public:
  void UseJapaneseFonts() override { Note("japanese fonts"); }
  void ShowSolarFlux(const std::string& text) override { Note("flux " + text); }
  void HideLotwSearch() override { Note("hide lotw"); }
  void SetMainTitle(const std::string& title) override { Note("title " + title); }
  void SetStayOnTop(bool every_window) override { Note(every_window ? "on top" : "normal"); }
  void InsertMenuSeparators() override { Note("separators"); }
  void PrepareOptionsAndDatabaseWindows() override { Note("options"); }
  void ApplyColours(const Colours& colours) override { Note("colours " + std::to_string(colours.DarkDXCC)); }
  void ShowSoundButton(bool on) override { Note(on ? "sound on" : "sound off"); }
  void PlaceTelnetDirectory(int top, int row) override {
    Note("telnet " + std::to_string(top) + " " + std::to_string(row));
  }
  void SetQuickConnectHint(const std::string& hint) override { Note("hint " + hint); }
  void MeasureFonts() override { Note("fonts"); }
  void SetRunMode(const StartView& view) override {
    Note(std::string("view ") + view.view + std::to_string(view.terminal));
  }
  void FitStatusPanelsToScreen() override { Note("panels"); }
  bool FocusCommandLine1() override {
    Note("focus");
    return focusable;
  }
  void Delay(int ms) override { Note("delay " + std::to_string(ms)); }
  bool OpenTncPort(int port, const SerialParameters&) override {
    Note("tnc port " + std::to_string(port));
    return tnc_opens;
  }
  AgwRegistration RegisterWithAgw() override {
    Note("agw");
    return agw;
  }
  bool TncPortOpen() override { return tnc_opens && tnc_opened; }
  void SendTncInitText(const std::string& text) override { Note("tnc init " + text); }
  void QuickConnect() override { Note("quick connect"); }
  bool OpenCatPort(int transceiver, const CatSettings& cat) override {
    Note("cat " + std::to_string(transceiver) + " port " + std::to_string(cat.port));
    return transceiver != failing_cat;
  }
  void PrepareSoundPlayer() override { Note("sound player"); }

  void Note(std::string line) { calls.push_back(std::move(line)); }
  bool Called(const std::string& line) const {
    return std::find(calls.begin(), calls.end(), line) != calls.end();
  }

  std::vector<std::string> calls;
  bool focusable = true;
  bool tnc_opens = true;
  bool tnc_opened = true;
  AgwRegistration agw = AgwRegistration::kRegistered;
  int failing_cat = 0;
};

std::string LanguageFileText() {
  std::string text = "# English texts\r\n";
  for (int n = 1; n <= kLanguageTextCount; ++n) text += "text " + std::to_string(n) + "\r\n";
  return text;
}

class StartupSequenceTest : public ::testing::Test {
 public:  // the port cases set the fixture up from outside
  StartupSequenceTest() {
    files.files()[InProgram("BRLMSG85.ENU")] = LanguageFileText();
    AddMasterFiles(files, kProgram);
    Store("COMPortSettings", 364);
    Store("LOTWDn", 0);
    store.Set(SettingsValue::Binary("Language", "ENU"));
  }
  void Store(const std::string& name, std::int32_t value) { store.Set(SettingsValue::Integer(name, value)); }
  void StoreText(const std::string& name, const std::string& text) {
    store.Set(SettingsValue::String(name, text));
  }

  StartupStatus Start() {
    const StartupContext context{settings, store, nullptr, {.files = files, .program_folder = kProgram},
                                 kData,    box,   texts,   recorder.loaders,
                                 steps};
    return RunStartupSequence(context, report);
  }

  // A store whose key exists; values are set before the start.
  struct TestStore : MemorySettingsStore {
    TestStore() : MemorySettingsStore(std::vector<SettingsValue>{}) {}
    void Set(SettingsValue value) {
      (void)Create();
      (void)Write(std::move(value));
    }
  } store;
  RefusingFileSystem files;
  RecordingMessageBox box;
  LanguageTextTable texts;
  RecordingLoaders recorder;
  RecordingSteps steps;
  Settings settings;
  StartupReport report;
};

TEST_F(StartupSequenceTest, AWholeStartRunsEveryStepInOrder) {
  Store("LOTW", 1);
  Store("Interface", 0);
  Store("AutoConnect", 1);
  Store("CATTxvr2", 4);
  StoreText("TNCINI", "MYCALL F5ABC");
  std::string bulletin(80, ' ');
  bulletin.replace(0, 23, std::string(1, 22) + "  3-Jan-2024  18   142");
  files.files()[InProgram("WWVINFO.DAT")] = bulletin;

  ASSERT_FALSE(Start().fatal());

  const std::vector<std::string> expected = {
      "flux SFI=142",
      "title BRILOX 8.5j",
      "normal",
      "separators",
      "tnc port 1",
      "options",
      "colours " + std::to_string(SevenEighths(Colours().ColBkDXCC)),
      "sound on",
      "telnet 1 1",
      "hint text 288",
      "fonts",
      "view M1",
      "panels",
      "focus",
      "tnc init MYCALL F5ABC",
      "quick connect",
      "cat 2 port 3",
  };
  EXPECT_EQ(steps.calls, expected);
  EXPECT_EQ(recorder.calls, (std::vector<std::string>{"country", "dxcc", "iota", "telnet", "lotw"}));
  EXPECT_EQ(texts.Get(kTextConfirmQuit), "text 52") << "the language file was read";
  EXPECT_TRUE(report.completed);
  EXPECT_TRUE(box.shown().empty());
}

TEST_F(StartupSequenceTest, AMissingLanguageFileStopsBeforeAnyDataFileIsTouched) {
  files.files().erase(InProgram("BRLMSG85.ENU"));
  box.QueueAnswer(MessageAnswer::kNo);  // do not look for another language file

  const StartupStatus status = Start();

  ASSERT_TRUE(status.fatal());
  EXPECT_FALSE(status.message().empty());
  EXPECT_TRUE(FilesBelow(files, kData).empty());
  EXPECT_TRUE(steps.calls.empty());
  EXPECT_FALSE(report.completed);
}

TEST_F(StartupSequenceTest, AFatalDataFileStopsTheSequenceAndSavesNothing) {
  files.files().erase(InProgram("COUNTRY2.DAT"));
  settings.MainFormLeft = -5;
  const std::vector<SettingsValue> before_start = [&] {
    TestStore alone;
    for (const SettingsValue& value : store.List()) alone.Set(value);
    Settings loaded;
    (void)LoadSettings(loaded, alone, nullptr, {.files = files, .program_folder = kProgram});
    return alone.List();
  }();

  const StartupStatus status = Start();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "File not found: COUNTRY2.DAT, can't start BRILOX");
  EXPECT_TRUE(steps.calls.empty()) << "no window or link step runs after a fatal condition";
  EXPECT_EQ(store.List(), before_start) << "only the settings load wrote to the key";
  EXPECT_FALSE(report.completed);
}

TEST_F(StartupSequenceTest, AWindowStartedMinimisedEndsTheProgramBeforeTheLinksStart) {
  Store("AutoConnect", 1);
  steps.focusable = false;

  const StartupStatus status = Start();

  ASSERT_TRUE(status.fatal());
  EXPECT_EQ(status.message(), "BRILOX can't be started minimized !");
  EXPECT_FALSE(steps.Called("quick connect"));
}

TEST_F(StartupSequenceTest, WithoutTheLotwListTheLotwStartViewBecomesDx) {
  Store("LOTW", 1);
  Store("StartMode", 6);
  files.files().erase(InProgram("lotw-user-activity.csv"));

  ASSERT_FALSE(Start().fatal());

  EXPECT_TRUE(steps.Called("hide lotw"));
  EXPECT_TRUE(steps.Called("view D1"));
  EXPECT_EQ(report.view, (StartView{'D', 1}));
  EXPECT_EQ(settings.LOTW & 1, 0);
}

TEST_F(StartupSequenceTest, WithTheLotwListTheLotwStartViewOpens) {
  Store("LOTW", 1);
  Store("StartMode", 6);

  ASSERT_FALSE(Start().fatal());

  EXPECT_FALSE(steps.Called("hide lotw"));
  EXPECT_TRUE(steps.Called("view L1"));
}

struct StartViewCase {
  int start_mode;
  bool lotw_search;
  StartView view;
};

TEST(StartViewTest, FollowsStartMode) {
  const StartViewCase cases[] = {
      {0, true, {'M', 1}}, {1, true, {'D', 1}},  {2, true, {'A', 1}}, {3, true, {'M', 2}},
      {4, true, {'M', 3}}, {5, true, {'M', 4}},  {6, true, {'L', 1}}, {6, false, {'D', 1}},
      {7, true, {'M', 1}}, {-1, true, {'M', 1}},
  };
  for (const StartViewCase& c : cases) {
    EXPECT_EQ(StartViewOf(c.start_mode, c.lotw_search), c.view)
        << "StartMode " << c.start_mode << (c.lotw_search ? " with" : " without") << " LoTW search";
  }
}

struct PortCase {
  const char* name;
  std::function<void(StartupSequenceTest&)> set_up;
  std::vector<std::string> errors;  // texts of the error boxes, in order
};

class StartupPortsTest : public StartupSequenceTest, public ::testing::WithParamInterface<PortCase> {};

TEST_P(StartupPortsTest, ReportEachFailureAndGoOn) {
  GetParam().set_up(*this);

  ASSERT_FALSE(Start().fatal());

  std::vector<std::string> errors;
  for (const auto& shown : box.shown()) {
    EXPECT_EQ(shown.kind, MessageKind::kError);
    EXPECT_EQ(shown.caption, "text 36");
    errors.push_back(shown.text);
  }
  EXPECT_EQ(errors, GetParam().errors);
  EXPECT_TRUE(report.completed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupPortsTest,
    ::testing::Values(PortCase{"TncPortFails",
                               [](auto& t) {
                                 t.Store("Interface", 0), t.Store("COMPortNr", 4);
                                 t.steps.tnc_opens = false;
                               },
                               {"COM 4: text 362"}},
                      PortCase{"AgwLibraryMissing",
                               [](auto& t) {
                                 t.Store("Interface", 1);
                                 t.steps.agw = AgwRegistration::kLibraryMissing;
                               },
                               {"text 358"}},
                      PortCase{"AgwRefused",
                               [](auto& t) {
                                 t.Store("Interface", 1);
                                 t.steps.agw = AgwRegistration::kRefused;
                               },
                               {"text 359"}},
                      PortCase{"AgwEntryPointMissing",
                               [](auto& t) {
                                 t.Store("Interface", 1);
                                 t.steps.agw = AgwRegistration::kEntryPointMissing;
                               },
                               {}},
                      PortCase{"FirstCatPortFails",
                               [](auto& t) {
                                 t.Store("CATTxvr", 2), t.Store("CATport", 5), t.Store("CATTxvr2", 3),
                                     t.Store("CATport2", 6);
                                 t.steps.failing_cat = 1;
                               },
                               {"COM 5: text 362"}},
                      PortCase{"TelnetOpensNoPort", [](auto& t) { t.Store("Interface", 2); }, {}}),
    [](const ::testing::TestParamInfo<PortCase>& info) { return info.param.name; });

TEST_F(StartupSequenceTest, TheAgwEngineIsGivenTimeAndTheTncTextWaitsForAnOpenPort) {
  Store("Interface", 1);

  ASSERT_FALSE(Start().fatal());

  EXPECT_TRUE(steps.Called("agw"));
  EXPECT_TRUE(steps.Called("delay 100"));
  EXPECT_FALSE(steps.Called("tnc port 1"));
  steps.calls.clear();

  Store("Interface", 0);
  steps.tnc_opened = false;
  ASSERT_FALSE(Start().fatal());
  EXPECT_FALSE(steps.Called("delay 100"));
  EXPECT_FALSE(steps.Called("tnc init "));
}

TEST_F(StartupSequenceTest, SettingDrivenSteps) {
  Store("AlwaysOnTop", 1);
  Store("Sound", 0);
  Store("TelnetTopRow", 0);
  Store("TelnetRow", -3);
  StoreText("QuickConnect", "dxc.example.net:7300");
  store.Set(SettingsValue::Binary("Language", "JPN"));
  files.files()[InProgram("BRLMSG85.JPN")] = LanguageFileText();

  ASSERT_FALSE(Start().fatal());

  EXPECT_EQ(steps.calls.front(), "japanese fonts");
  EXPECT_TRUE(steps.Called("on top"));
  EXPECT_TRUE(steps.Called("sound off"));
  EXPECT_TRUE(steps.Called("telnet 1 1"));
  EXPECT_EQ(settings.TelnetTopRow, 1);
  EXPECT_TRUE(steps.Called("hint dxc.example.net:7300"));
  EXPECT_FALSE(steps.Called("quick connect")) << "AutoConnect is off";
}

TEST_F(StartupSequenceTest, TheVoiceBankIsPreparedWithItsFolder) {
  Store("Speech", 1);
  Store("Keying", 0);
  (void)files.CreateDirectories(InProgram("sounds/ENUM"));

  ASSERT_FALSE(Start().fatal());

  EXPECT_TRUE(steps.Called("sound player"));
}

TEST_F(StartupSequenceTest, WithoutTheSoundsFolderNoVoiceBankIsPrepared) {
  Store("Speech", 1);
  Store("Keying", 0);

  ASSERT_FALSE(Start().fatal());

  EXPECT_FALSE(steps.Called("sound player"));
}

}  // namespace
}  // namespace brilox
