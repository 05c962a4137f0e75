#include "links/window_file_commands.h"

#include "links/terminal_capture.h"
#include "core/language_text_ids.h"

namespace brilox {
namespace {

bool IsEmptyWindow(const LineStore& store) { return store.row_count() == 1 && store.row(0).empty(); }

}  // namespace

std::string WindowText(const LineStore& store) {
  std::string text;
  for (int i = 0; i < store.row_count(); ++i) {
    text += store.row(i);
    text += "\r\n";
  }
  return text;
}

std::string ClearQuestion(WindowId window, const LanguageTexts& texts) {
  switch (window) {
    case WindowId::kDx:
      return texts.Text(kTextConfirmClearDx);
    case WindowId::kAlarm:
      return texts.Text(kTextConfirmClearAlarm);
    case WindowId::kLotw: {
      std::string question = texts.Text(kTextConfirmClearDx);
      if (std::size_t at = question.find("DX"); at != std::string::npos) question.replace(at, 2, "LOTW");
      return question;
    }
    default:
      return texts.Text(kTextConfirmClearTerminal);
  }
}

void WindowFileCommands::ShowError(int text_number) {
  const LanguageTexts& texts = m_services.texts;
  (void)m_services.messages.Show(MessageKind::kError, texts.Text(kTextErrorCaption), texts.Text(text_number),
                                 MessageButtons::kOk);
}

SaveOutcome WindowFileCommands::SaveWindow(const LineStore& store) {
  if (IsEmptyWindow(store)) {
    ShowError(kTextWindowEmpty);
    return SaveOutcome::kEmptyWindow;
  }
  const LanguageTexts& texts = m_services.texts;
  std::optional<std::string> chosen = m_services.dialogs.ChooseFileToSave(
      {texts.Text(kTextSaveWindowTitle), TextFileFilter(texts), m_services.last_folder.path});
  if (!chosen) return SaveOutcome::kCancelled;
  m_services.last_folder.path = FolderOf(*chosen);
  if (!WriteFileAtomic(m_services.files, *chosen, WindowText(store)).ok()) {
    ShowError(kTextCreateFileFailed);
    return SaveOutcome::kFailed;
  }
  return SaveOutcome::kSaved;
}

bool WindowFileCommands::ClearWindow(WindowId window, LineStore& store) {
  const LanguageTexts& texts = m_services.texts;
  MessageAnswer answer = m_services.messages.Show(MessageKind::kQuestion, texts.Text(kTextQuestionCaption),
                                                  ClearQuestion(window, texts), MessageButtons::kOkCancel);
  if (answer != MessageAnswer::kOk) return false;
  store.Clear();
  return true;
}

}  // namespace brilox
