#include "shell/ui/main_window_startup_steps.h"

#include <QLineEdit>

#include "shell/ui/delay.h"
#include "shell/ui/qt_dialogs.h"

namespace brilox {

void MainWindowStartupSteps::ShowSolarFlux(const std::string& text) {
  m_window.controller().ShowSolarFlux(text);
}

void MainWindowStartupSteps::HideLotwSearch() { m_window.SetLotwButtonVisible(false); }

// The title is set once the language file is read, so the menus take their
// captions from it here.
void MainWindowStartupSteps::SetMainTitle(const std::string& title) {
  m_window.setWindowTitle(FromLatin1(title));
  m_window.ApplyLanguageTexts();
}

void MainWindowStartupSteps::SetStayOnTop(bool every_window) {
  const bool shown = m_window.isVisible();
  m_window.setWindowFlag(Qt::WindowStaysOnTopHint, every_window);
  // Changing a window's flags hides it.
  if (shown) m_window.show();
}

// The colours live in the settings record the models read.
void MainWindowStartupSteps::ApplyColours(const Colours&) { m_window.ApplyColoursAndFonts(); }

void MainWindowStartupSteps::ShowSoundButton(bool on) { m_window.SetSoundButton(on); }

void MainWindowStartupSteps::SetQuickConnectHint(const std::string& hint) {
  m_window.SetQuickConnectHint(hint);
}

void MainWindowStartupSteps::MeasureFonts() { m_window.ApplyColoursAndFonts(); }

void MainWindowStartupSteps::SetRunMode(const StartView& view) { m_window.controller().EnterStartView(view); }

void MainWindowStartupSteps::FitStatusPanelsToScreen() { m_window.FitStatusPanelsToScreen(); }

bool MainWindowStartupSteps::FocusCommandLine1() {
  if (m_window.isMinimized()) return false;
  m_window.commandLine(1)->setFocus(Qt::OtherFocusReason);
  return true;
}

void MainWindowStartupSteps::Delay(int ms) { brilox::Delay(ms); }

}  // namespace brilox
