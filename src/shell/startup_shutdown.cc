#include "shell/startup_shutdown.h"

#include <algorithm>

#include "shell/settings/save_settings.h"

namespace brilox {

void TakeClosingWindow(Settings& s, const ClosingWindow& w) {
  s.MainFormLeft = std::max(w.left, 0);
  s.MainFormTop = std::max(w.top, 0);
  s.MainFormWidth = w.screen_width > 0 ? std::min(w.width, w.screen_width) : w.width;
  s.MainFormHeight = w.screen_height > 0 ? std::min(w.height, w.screen_height) : w.height;
  s.TelnetTopRow = std::max(w.telnet_top_row, 1);
  s.TelnetRow = std::max(w.telnet_row, 1);
  s.CustomColor = w.custom_colours;
}

bool ConfirmExit(const Settings& settings, MessageBox& messages, const LanguageTextTable& texts) {
  if (!settings.WarningOnExit) return true;
  return messages.Show(MessageKind::kQuestion, texts.Get(kTextQuestionCaption), texts.Get(kTextConfirmQuit),
                       MessageButtons::kOkCancel) == MessageAnswer::kOk;
}

CloseOutcome CloseQuery(const CloseContext& c, const ClosingWindow& window) {
  CloseOutcome outcome;
  if (c.started && c.ask && !ConfirmExit(c.settings, c.messages, c.texts)) return outcome;
  outcome.close = true;
  if (c.steps.TncPortOpen()) c.steps.SendTncExitText(c.settings.TNCEXI);
  c.steps.StopTimers();
  c.steps.CloseLinks();
  c.steps.AskWorkersToStop();
  if (c.started) {
    TakeClosingWindow(c.settings, window);
    outcome.saved = SaveShutdownSettings(c.settings, c.store);
  }
  c.steps.ReleaseRecordedSounds();
  return outcome;
}

}  // namespace brilox
