#include "shell/startup_sequence.h"

#include <algorithm>

#include "shell/language_file.h"
#include "shell/settings/settings_lists.h"
#include "shell/startup_data_files.h"

namespace brilox {
namespace {

constexpr int kInterfaceSerialTnc = 0;
constexpr int kInterfaceAgw = 1;
constexpr int kAgwSettleMs = 100;

bool LotwSearchOn(const Settings& settings) { return (settings.LOTW & 1) != 0; }

void ShowError(const StartupContext& c, const std::string& text) {
  (void)c.messages.Show(MessageKind::kError, c.texts.Get(kTextErrorCaption), text, MessageButtons::kOk);
}

std::string PortFailureText(const StartupContext& c, int port) {
  return "COM " + std::to_string(port) + ": " + c.texts.Get(kTextSerialPortOpenFailed);
}

// Steps 1 to 5: the settings, the language file, the data files, the lists.
StartupStatus LoadEverything(const StartupContext& c, StartupReport& report) {
  Settings& s = c.settings;
  // The load's own result is for information: the record is filled either way.
  (void)LoadSettings(s, c.user_settings, c.machine_settings, c.environment);
  if (s.Language == "JPN") c.steps.UseJapaneseFonts();

  Result<LoadedLanguage> language =
      LoadLanguageFile(c.environment.files, c.environment.program_folder, s.Language, c.messages);
  if (!language.ok()) return StartupStatus::Fatal(language.status().context());
  c.texts = std::move(language).value().texts;

  const DataCheckContext checks{
      c.environment.files, c.environment.program_folder, c.data_folder, c.messages, c.texts, c.loaders};
  if (StartupStatus status = CheckDataFiles(checks, s, report.data); status.fatal()) return status;
  if (!report.data.solar_flux_text.empty()) c.steps.ShowSolarFlux(report.data.solar_flux_text);
  if (!report.data.lotw_users_available) c.steps.HideLotwSearch();

  LoadListSettings(s, c.user_settings);
  return StartupStatus::Continue();
}

// Step 10: terminal 1's serial TNC or AGW engine; telnet needs nothing here.
void PrepareTerminal1Link(const StartupContext& c) {
  const Settings& s = c.settings;
  if (s.Interface == kInterfaceSerialTnc) {
    if (!c.steps.OpenTncPort(s.COMPortNr, s.COMPortSettings)) ShowError(c, PortFailureText(c, s.COMPortNr));
  } else if (s.Interface == kInterfaceAgw) {
    switch (c.steps.RegisterWithAgw()) {
      case AgwRegistration::kLibraryMissing:
        ShowError(c, c.texts.Get(kTextAgwLibraryMissing));
        break;
      case AgwRegistration::kRefused:
        ShowError(c, c.texts.Get(kTextAgwRegistrationRefused));
        break;
      case AgwRegistration::kRegistered:
      case AgwRegistration::kEntryPointMissing:  // the link stays unavailable, silently
        break;
    }
  }
}

// Steps 6 to 19: the windows.
StartupStatus PrepareWindows(const StartupContext& c, StartupReport& report) {
  Settings& s = c.settings;
  c.steps.SetMainTitle(kProgramTitle);
  UpdateDarkColours(s.Col);
  c.steps.SetStayOnTop(s.AlwaysOnTop);
  c.steps.InsertMenuSeparators();
  PrepareTerminal1Link(c);
  c.steps.PrepareOptionsAndDatabaseWindows();
  c.steps.ApplyColours(s.Col);
  c.steps.ShowSoundButton(s.Sound != 0);
  s.TelnetTopRow = std::max(s.TelnetTopRow, 1);
  s.TelnetRow = std::max(s.TelnetRow, 1);
  c.steps.PlaceTelnetDirectory(s.TelnetTopRow, s.TelnetRow);
  c.steps.SetQuickConnectHint(s.QuickConnect.empty() ? c.texts.Get(kTextQuickConnect) : s.QuickConnect);
  c.steps.MeasureFonts();
  report.view = StartViewOf(s.StartMode, LotwSearchOn(s));
  c.steps.SetRunMode(report.view);
  c.steps.FitStatusPanelsToScreen();
  if (!c.steps.FocusCommandLine1()) return StartupStatus::Fatal(kStartedMinimisedMessage);
  return StartupStatus::Continue();
}

// Steps 20 to 24: the links that start working now.
void StartLinks(const StartupContext& c) {
  const Settings& s = c.settings;
  if (s.Interface == kInterfaceAgw) c.steps.Delay(kAgwSettleMs);
  if (c.steps.TncPortOpen()) c.steps.SendTncInitText(s.TNCINI);
  if (s.AutoConnect) c.steps.QuickConnect();
  const CatSettings* transceivers[] = {&s.Cat1, &s.Cat2};
  for (int i = 0; i < 2; ++i) {
    const CatSettings& cat = *transceivers[i];
    if (cat.transceiver == 0) continue;
    if (!c.steps.OpenCatPort(i + 1, cat)) ShowError(c, PortFailureText(c, cat.port));
  }
  if (s.Announcement.voice &&
      c.environment.files.IsDirectory(JoinPath(c.environment.program_folder, kSoundsFolder))) {
    c.steps.PrepareSoundPlayer();
  }
}

}  // namespace

StartView StartViewOf(int start_mode, bool lotw_search) {
  switch (start_mode) {
    case 1:
      return {'D', 1};
    case 2:
      return {'A', 1};
    case 3:
    case 4:
    case 5:
      return {'M', start_mode - 1};
    case 6:
      return {lotw_search ? 'L' : 'D', 1};
    default:
      return {'M', 1};
  }
}

StartupStatus RunStartupSequence(const StartupContext& context, StartupReport& report) {
  report = StartupReport();
  if (StartupStatus status = LoadEverything(context, report); status.fatal()) return status;
  if (StartupStatus status = PrepareWindows(context, report); status.fatal()) return status;
  StartLinks(context);
  report.completed = true;
  return StartupStatus::Continue();
}

}  // namespace brilox
