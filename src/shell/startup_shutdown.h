// The close query of the main window: the exit question, then the shutdown
// steps and the store of the window geometry.  Window thread.
//
// The links, timers and workers are reached through ShutdownSteps, whose
// defaults do nothing, so that parts not yet built leave their step empty.
// The worker threads are only asked to stop, never waited for.
#pragma once

#include <array>
#include <string>

#include "platform/message_box.h"
#include "platform/result.h"
#include "platform/settings_store.h"
#include "core/language_text_table.h"
#include "core/settings.h"

namespace brilox {

class ShutdownSteps {
 public:
  virtual ~ShutdownSteps() = default;
  virtual bool TncPortOpen() { return false; }
  virtual void SendTncExitText(const std::string& /*text*/) {}
  // The clock, reconnect and receive timers.
  virtual void StopTimers() {}
  // Terminal 1's link (AGW engine, telnet or serial port) and telnet links 2 to 4.
  virtual void CloseLinks() {}
  // The sound announcer and the downloader.
  virtual void AskWorkersToStop() {}
  virtual void ReleaseRecordedSounds() {}
};

// What the window shows at close, for the settings.
struct ClosingWindow {
  int left = 0, top = 0, width = 0, height = 0;
  int screen_width = 0, screen_height = 0;  // 0 when not known: no limit
  int telnet_top_row = 1, telnet_row = 1;   // the telnet directory's first visible and selected rows
  std::array<std::string, kCustomColourCount> custom_colours;  // the colour picker's entries, A to P
};

// Puts the closing window into the record as it is stored: a left edge off
// screen becomes 0, the top at least 0, the size at most the screen's, the
// telnet rows at least 1, so that the next start opens the window on screen.
void TakeClosingWindow(Settings& settings, const ClosingWindow& window);

// The exit question when WarningOnExit is on (language text 52, caption
// text 35, OK and Cancel).  True when the program may end.
bool ConfirmExit(const Settings& settings, MessageBox& messages, const LanguageTextTable& texts);

struct CloseContext {
  Settings& settings;
  SettingsStore& store;
  MessageBox& messages;
  const LanguageTextTable& texts;
  ShutdownSteps& steps;
  // False while the start-up sequence has not run to its end (or stopped
  // the program): the window never showed the stored settings, so nothing
  // is asked and nothing is saved.
  bool started = true;
  // False when the end is not the operator's choice (the desktop session
  // ends, a termination signal came): no question, the rest of the close
  // runs as always.
  bool ask = true;
};

struct CloseOutcome {
  bool close = false;  // false: the operator cancelled, the program keeps running
  Status saved;        // the store's result (for information; the program ends anyway)
};

// The whole close query: question, TNC exit text, timers, links, workers,
// the settings, the recorded sounds.
CloseOutcome CloseQuery(const CloseContext& context, const ClosingWindow& window);

}  // namespace brilox
