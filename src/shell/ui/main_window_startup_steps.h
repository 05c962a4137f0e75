// The main window's share of the start-up steps: the status panels, the
// LoTW button, title, stay-on-top, colours and fonts, the sound button, the
// quick-connect hint, the start view and the focus of command line 1.  The
// links' steps keep the base's empty defaults; the program's own steps class
// derives from this one and adds them.
// Window thread, once.
#pragma once

#include "shell/startup_sequence.h"
#include "shell/ui/main_window.h"

namespace brilox {

class MainWindowStartupSteps : public StartupSteps {
 public:
  explicit MainWindowStartupSteps(MainWindow& window) : m_window(window) {}

  void ShowSolarFlux(const std::string& text) override;
  void HideLotwSearch() override;
  void SetMainTitle(const std::string& title) override;
  void SetStayOnTop(bool every_window) override;
  void ApplyColours(const Colours& colours) override;
  void ShowSoundButton(bool on) override;
  void SetQuickConnectHint(const std::string& hint) override;
  void MeasureFonts() override;
  void SetRunMode(const StartView& view) override;
  void FitStatusPanelsToScreen() override;
  bool FocusCommandLine1() override;
  void Delay(int ms) override;

 protected:
  MainWindow& window() { return m_window; }

 private:
  MainWindow& m_window;
};

}  // namespace brilox
