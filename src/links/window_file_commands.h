// "Save window" and "Clear window" of the File menu (and the Clear toolbar
// button), on the window on show: a terminal, the DX, alarm or LoTW window.
// A save writes every row as a text line and never changes the window; a
// failed save leaves any older file of that name whole.
// Window thread only.
#pragma once

#include <string>

#include "links/last_folder.h"
#include "links/link_seams.h"
#include "platform/file_dialogs.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "spots/window_line_stores.h"

namespace brilox {

struct WindowFileServices {
  FileSystem& files;
  FileDialogs& dialogs;
  MessageBox& messages;
  const LanguageTexts& texts;
  LastFolder& last_folder;
};

enum class SaveOutcome { kSaved, kEmptyWindow, kCancelled, kFailed };

class WindowFileCommands {
 public:
  explicit WindowFileCommands(const WindowFileServices& services) : m_services(services) {}

  // WriteBuf1Click.
  SaveOutcome SaveWindow(const LineStore& store);
  // ClearBuf1Click: true when the operator agreed and the window was cleared.
  bool ClearWindow(WindowId window, LineStore& store);

 private:
  void ShowError(int text_number);
  WindowFileServices m_services;
};

// The rows of `store`, first to last, each ending in CR LF.
std::string WindowText(const LineStore& store);
// The question asked before clearing `window`.
std::string ClearQuestion(WindowId window, const LanguageTexts& texts);

}  // namespace brilox
