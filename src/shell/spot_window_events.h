// What spot processing tells the main window after each line: the info
// line of the window on show and the solar flux go to the status bar.  The
// rows' colours need no call: the grids' models follow their stores.
// Window thread only.
#pragma once

#include <string>
#include <string_view>

#include "shell/main_window_controller.h"
#include "spots/spot_processing_events.h"

namespace brilox {

class WindowSpotEvents final : public SpotProcessingEvents {
 public:
  explicit WindowSpotEvents(MainWindowController& controller) : m_controller(controller) {}
  void StatusLineChanged() override { m_controller.StatusLineChanged(); }
  void SolarFluxChanged(std::string_view status_text) override {
    m_controller.ShowSolarFlux(std::string(status_text));
  }

 private:
  MainWindowController& m_controller;
};

}  // namespace brilox
