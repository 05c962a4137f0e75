// The operator's texts of the terminals and the main window, looked up by
// their position in the language file.  The built-in English texts stand in
// for every position until a language file is loaded, so a window never
// shows an empty caption.
// Window thread only.
#pragma once

#include <string>

namespace brilox {

class TextLookup {
 public:
  virtual ~TextLookup() = default;
  // The text at `number`; empty when the position holds none.
  virtual std::string Text(int number) const = 0;
};

// The English built-in texts of the positions below.
class BuiltInTexts final : public TextLookup {
 public:
  std::string Text(int number) const override;
};

// Looks `number` up in `primary` and falls back on the built-in text when it
// is empty there (a language file that lacks a text).
class TextsWithFallback final : public TextLookup {
 public:
  explicit TextsWithFallback(const TextLookup& primary) : m_primary(primary) {}
  std::string Text(int number) const override;

 private:
  const TextLookup& m_primary;
  BuiltInTexts m_builtIn;
};

// The positions the command lines and the main window read.
namespace texts {
inline constexpr int kFileMenu = 1;
inline constexpr int kSendTextFile = 2;
inline constexpr int kStartCapture = 3;
inline constexpr int kStopCapture = 4;
inline constexpr int kSaveWindow = 5;
inline constexpr int kClearWindow = 6;
inline constexpr int kQuit = 7;
inline constexpr int kShowLogMenu = 8;
inline constexpr int kSearchLogMenu = 9;
inline constexpr int kDxSimulation = 10;
inline constexpr int kCountryMenu = 11;
inline constexpr int kOptionsMenu = 12;
inline constexpr int kWindowMenu = 13;
inline constexpr int kMonitor = 14;
inline constexpr int kAlarm = 15;
inline constexpr int kCommandsMenu = 16;
inline constexpr int kScriptsMenu = 17;
inline constexpr int kToolsMenu = 18;
inline constexpr int kUpdateIotaFromFile = 19;
inline constexpr int kUpdateLotwFromInternet = 20;
inline constexpr int kBackupDatabases = 21;
inline constexpr int kImportAdif = 22;
inline constexpr int kImportLotwReport = 23;
inline constexpr int kImportLotwFromArrl = 24;
inline constexpr int kExportSettings = 25;
inline constexpr int kAboutMenu = 26;
inline constexpr int kShowTerminalHint = 27;
inline constexpr int kShowDxHint = 28;
inline constexpr int kShowAlarmsHint = 29;
inline constexpr int kShowLotwHint = 30;
inline constexpr int kCapturingTo = 31;
inline constexpr int kWarningCaption = 33;
inline constexpr int kInformationCaption = 34;
inline constexpr int kQuestionCaption = 35;
inline constexpr int kErrorCaption = 36;
inline constexpr int kTextFiles = 44;
inline constexpr int kCaptureToFileTitle = 47;
inline constexpr int kSaveWindowTitle = 48;
inline constexpr int kConfirmClearTerminal = 49;
inline constexpr int kConfirmClearDx = 50;
inline constexpr int kConfirmClearAlarm = 51;
inline constexpr int kQuickConnect = 288;
inline constexpr int kWindowEmpty = 347;
inline constexpr int kCreateFileFailed = 348;
}  // namespace texts

}  // namespace brilox
