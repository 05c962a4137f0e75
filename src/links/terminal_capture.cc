#include "links/terminal_capture.h"

#include "core/language_text_ids.h"

namespace brilox {

std::string TextFileFilter(const LanguageTexts& texts) {
  return texts.Text(kTextTextFiles) + " (*.txt)|*.txt";
}

TerminalCapture::TerminalCapture(const CaptureServices& services) : m_services(services) {}

TerminalCapture::~TerminalCapture() {
  for (Slot& slot : m_terminals) {
    if (slot.file) (void)slot.file->Flush();
  }
}

CaptureChange TerminalCapture::Receive1Click(int n) {
  if (!Valid(n)) return CaptureChange::kNone;
  if (SlotOf(n).on) {
    Stop(n);
    return CaptureChange::kStopped;
  }
  return Start(n) ? CaptureChange::kStarted : CaptureChange::kNone;
}

bool TerminalCapture::Start(int n) {
  const LanguageTexts& texts = m_services.texts;
  std::optional<std::string> chosen = m_services.dialogs.ChooseFileToSave(
      {texts.Text(kTextCaptureToFileTitle), TextFileFilter(texts), m_services.last_folder.path});
  if (!chosen) return false;
  // An existing file is started afresh.
  Result<std::unique_ptr<AppendStream>> file = Status::Io(*chosen);
  if (m_services.files.WriteFile(*chosen, {}).ok()) file = m_services.files.OpenAppendStream(*chosen);
  if (!file.ok()) {
    (void)m_services.messages.Show(MessageKind::kError, texts.Text(kTextErrorCaption),
                                   texts.Text(kTextCreateFileFailed), MessageButtons::kOk);
    return false;
  }
  SlotOf(n) = Slot{true, *chosen, std::move(file).value()};
  m_services.last_folder.path = FolderOf(*chosen);
  if (m_flagHandler) m_flagHandler(n, true);
  return true;
}

// The lines written so far reach the disk before the file closes.  A flush
// that fails now has nothing left to stop; the file is closed all the same.
void TerminalCapture::Stop(int n) {
  Slot& slot = SlotOf(n);
  slot.on = false;
  if (slot.file) (void)slot.file->Flush();
  slot.file.reset();
  if (m_flagHandler) m_flagHandler(n, false);
}

void TerminalCapture::StopOnWriteError(int n) {
  Stop(n);
  if (m_stoppedHandler) m_stoppedHandler(n, SlotOf(n).path);
}

void TerminalCapture::WriteCapture(int n, std::string_view line) {
  if (!capturing(n)) return;
  std::string text(line);
  text += "\r\n";
  if (!SlotOf(n).file->Write(text).ok()) StopOnWriteError(n);
}

void TerminalCapture::FlushCaptures() {
  for (int n = 1; n <= kTerminalCount; ++n) {
    if (capturing(n) && !SlotOf(n).file->Flush().ok()) StopOnWriteError(n);
  }
}

void TerminalCapture::ShowWriteError(const std::string& path) {
  const LanguageTexts& texts = m_services.texts;
  (void)m_services.messages.Show(MessageKind::kError, texts.Text(kTextErrorCaption),
                                 texts.Text(kTextCreateFileFailed) + ": " + FileNameOf(path),
                                 MessageButtons::kOk);
}

std::string TerminalCapture::CaptionFor(int n) const {
  return m_services.texts.Text(capturing(n) ? kTextStopCapture : kTextStartCapture);
}

std::string TerminalCapture::StatusText(int n) const {
  const std::string message = m_services.texts.Text(kTextCapturingTo);
  const std::string name = FileNameOf(SlotOf(n).path);
  if (m_services.settings.Language == "JPN") return name + " " + message;
  return message + " " + name;
}

}  // namespace brilox
