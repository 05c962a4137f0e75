#include "links/built_in_texts.h"

#include <array>
#include <utility>

namespace brilox {
namespace {

constexpr std::array<std::pair<int, const char*>, 48> kBuiltIn{{
    {kTextFileMenu, "File"},
    {kTextSendTextFile, "Send text"},
    {kTextStartCapture, "Start capture"},
    {kTextStopCapture, "Stop capture"},
    {kTextSaveWindow, "Save window"},
    {kTextClearWindow, "Clear window"},
    {kTextQuit, "Quit"},
    {kTextShowLogMenu, "Show"},
    {kTextSearchLogMenu, "Search"},
    {kTextDxSimulationMenu, "DX simulation"},
    {kTextCountryMenu, "Country"},
    {kTextOptionsMenu, "Options"},
    {kTextWindowMenu, "Window"},
    {kTextMonitor, "Monitor"},
    {kTextAlarm, "Alarm"},
    {kTextCommandsMenu, "Commands"},
    {kTextScriptsMenu, "Scripts"},
    {kTextToolsMenu, "Tools"},
    {kTextUpdateIotaFromFile, "Update IOTA DB (local file)"},
    {kTextUpdateLotwFromInternet, "Update LoTW DB (Internet)"},
    {kTextBackupDatabases, "Backup IOTA+DXCC DB"},
    {kTextImportAdif, "Import ADIF log"},
    {kTextImportLotwReport, "Import LOTW report"},
    {kTextImportLotwFromArrl, "Import LoTW report from ARRL"},
    {kTextExportSettings, "Export user settings"},
    {kTextAboutMenu, "About"},
    {kTextShowTerminalHint, "Show terminal"},
    {kTextShowDxHint, "Show DX spots"},
    {kTextShowAlarmsHint, "Show alarms"},
    {kTextShowLotwHint, "Show spots of LoTW users"},
    {kTextCapturingTo, "Capture to"},
    {kTextWarningCaption, "Warning"},
    {kTextInformationCaption, "Information"},
    {kTextQuestionCaption, "Question"},
    {kTextErrorCaption, "Error"},
    {kTextTextFiles, "Text files"},
    {kTextCaptureToFileTitle, "Capture to file"},
    {kTextSaveWindowTitle, "Save the window to a file"},
    {kTextConfirmClearTerminal, "Clear the terminal window ?"},
    {kTextConfirmClearDx, "Clear the DX window ?"},
    {kTextConfirmClearAlarm, "Clear the alarm window ?"},
    {kTextQuickConnect, "Quick connect"},
    {kTextWindowEmpty, "The window is empty"},
    {kTextCreateFileFailed, "Unable to create the file"},
    {kTextDisconnected, "Disconnected"},
    {kTextConnecting, "Connecting..."},
    {kTextConnectedTo, "Connected to"},
    {kTextConnectionFailed, "Unable to open the connection"},
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
