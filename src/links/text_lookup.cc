#include "links/text_lookup.h"

#include <array>
#include <utility>

namespace brilox {
namespace {

constexpr std::array<std::pair<int, const char*>, 44> kBuiltIn{{
    {texts::kFileMenu, "File"},
    {texts::kSendTextFile, "Send text"},
    {texts::kStartCapture, "Start capture"},
    {texts::kStopCapture, "Stop capture"},
    {texts::kSaveWindow, "Save window"},
    {texts::kClearWindow, "Clear window"},
    {texts::kQuit, "Quit"},
    {texts::kShowLogMenu, "Show"},
    {texts::kSearchLogMenu, "Search"},
    {texts::kDxSimulation, "DX simulation"},
    {texts::kCountryMenu, "Country"},
    {texts::kOptionsMenu, "Options"},
    {texts::kWindowMenu, "Window"},
    {texts::kMonitor, "Monitor"},
    {texts::kAlarm, "Alarm"},
    {texts::kCommandsMenu, "Commands"},
    {texts::kScriptsMenu, "Scripts"},
    {texts::kToolsMenu, "Tools"},
    {texts::kUpdateIotaFromFile, "Update IOTA DB (local file)"},
    {texts::kUpdateLotwFromInternet, "Update LoTW DB (Internet)"},
    {texts::kBackupDatabases, "Backup IOTA+DXCC DB"},
    {texts::kImportAdif, "Import ADIF log"},
    {texts::kImportLotwReport, "Import LOTW report"},
    {texts::kImportLotwFromArrl, "Import LoTW report from ARRL"},
    {texts::kExportSettings, "Export user settings"},
    {texts::kAboutMenu, "About"},
    {texts::kShowTerminalHint, "Show terminal"},
    {texts::kShowDxHint, "Show DX spots"},
    {texts::kShowAlarmsHint, "Show alarms"},
    {texts::kShowLotwHint, "Show spots of LoTW users"},
    {texts::kCapturingTo, "Capture to"},
    {texts::kWarningCaption, "Warning"},
    {texts::kInformationCaption, "Information"},
    {texts::kQuestionCaption, "Question"},
    {texts::kErrorCaption, "Error"},
    {texts::kTextFiles, "Text files"},
    {texts::kCaptureToFileTitle, "Capture to file"},
    {texts::kSaveWindowTitle, "Save the window to a file"},
    {texts::kConfirmClearTerminal, "Clear the terminal window ?"},
    {texts::kConfirmClearDx, "Clear the DX window ?"},
    {texts::kConfirmClearAlarm, "Clear the alarm window ?"},
    {texts::kQuickConnect, "Quick connect"},
    {texts::kWindowEmpty, "The window is empty"},
    {texts::kCreateFileFailed, "Unable to create the file"},
}};

}  // namespace

std::string BuiltInTexts::Text(int number) const {
  for (const auto& [position, text] : kBuiltIn) {
    if (position == number) return text;
  }
  return {};
}

std::string TextsWithFallback::Text(int number) const {
  std::string text = m_primary.Text(number);
  return text.empty() ? m_builtIn.Text(number) : text;
}

}  // namespace brilox
