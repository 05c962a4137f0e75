// The start-up sequence: run once when the main window's message loop has
// started.  It loads the settings, the language file and the data files, then
// prepares the windows and the links in a fixed order, and tells the program
// whether it may go on; a fatal condition comes back as the text to show
// before the program ends, and nothing is saved after it.
//
// The sequence never touches a window or a link itself: each such step is a
// call on StartupSteps, whose defaults do nothing, so that a part not yet
// built leaves its step empty.  Window thread, once.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "core/language_text_table.h"
#include "shell/settings/load_settings.h"
#include "core/settings.h"
#include "shell/startup_data_checks.h"
#include "shell/startup_status.h"

namespace brilox {

inline constexpr char kVersionText[] = "8.5j";
inline constexpr char kProgramTitle[] = "BRILOX 8.5j";

// The view the main window opens with: 'M' a terminal (1 to 4), 'D' DX,
// 'A' alarms, 'L' LoTW.
struct StartView {
  char view = 'M';
  int terminal = 1;
  bool operator==(const StartView&) const = default;
};

// StartMode 0 terminal 1, 3 to 5 terminals 2 to 4, 1 DX, 2 alarms, 6 LoTW
// (DX while LoTW user search is off).  An unknown value opens terminal 1.
StartView StartViewOf(int start_mode, bool lotw_search);

// How registering with the AGW packet engine went.
enum class AgwRegistration { kRegistered, kLibraryMissing, kRefused, kEntryPointMissing };

// The windows and links as the sequence sees them.  Every default does
// nothing and reports success.
class StartupSteps {
 public:
  virtual ~StartupSteps() = default;

  // Windows.
  virtual void UseJapaneseFonts() {}
  // The third status panel's text, "SFI=" and the flux of the last bulletin logged.
  virtual void ShowSolarFlux(const std::string& /*text*/) {}
  // No LoTW user list: the options' LoTW boxes unchecked and disabled, the
  // LoTW toolbar button and Window menu item hidden.
  virtual void HideLotwSearch() {}
  virtual void SetMainTitle(const std::string& /*title*/) {}
  virtual void SetStayOnTop(bool /*every_window*/) {}
  virtual void InsertMenuSeparators() {}
  // The options dialog (General page first, filled from the settings), the
  // DXCC window and the IOTA window.
  virtual void PrepareOptionsAndDatabaseWindows() {}
  virtual void ApplyColours(const Colours& /*colours*/) {}
  virtual void ShowSoundButton(bool /*on*/) {}
  virtual void PlaceTelnetDirectory(int /*top_row*/, int /*selected_row*/) {}
  virtual void SetQuickConnectHint(const std::string& /*hint*/) {}
  virtual void MeasureFonts() {}
  virtual void SetRunMode(const StartView& /*view*/) {}
  // The first two status panels narrow on screens of more than 119 pixels per inch.
  virtual void FitStatusPanelsToScreen() {}
  // False when the window cannot take the focus (it was started minimised).
  virtual bool FocusCommandLine1() { return true; }
  // Waits while window messages are processed.
  virtual void Delay(int /*ms*/) {}

  // Links.
  virtual bool OpenTncPort(int /*port*/, const SerialParameters& /*parameters*/) { return true; }
  virtual AgwRegistration RegisterWithAgw() { return AgwRegistration::kRegistered; }
  virtual bool TncPortOpen() { return false; }
  virtual void SendTncInitText(const std::string& /*text*/) {}
  virtual void QuickConnect() {}
  // `transceiver` 1 or 2.
  virtual bool OpenCatPort(int /*transceiver*/, const CatSettings& /*settings*/) { return true; }
  virtual void PrepareSoundPlayer() {}
};

struct StartupContext {
  Settings& settings;
  SettingsStore& user_settings;
  SettingsStore* machine_settings;  // may be null
  SettingsEnvironment environment;  // the file system and the program folder
  std::string data_folder;
  MessageBox& messages;
  LanguageTextTable& texts;  // filled from the language file
  const DataFileLoaders& loaders;
  StartupSteps& steps;
};

// What the rest of the run needs to know about its start.
struct StartupReport {
  DataFileState data;
  StartView view;
  bool completed = false;  // every step ran
};

StartupStatus RunStartupSequence(const StartupContext& context, StartupReport& report);

}  // namespace brilox
