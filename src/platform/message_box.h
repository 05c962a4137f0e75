// Modal questions and notices to the operator.  Deep code never shows a
// message itself: it reports to whoever owns a MessageBox, which is the
// Qt dialog in the program and a recording fake in tests.
// Window thread only.
#pragma once

#include <string>
#include <vector>

namespace brilox {

enum class MessageKind { kWarning, kInformation, kQuestion, kError };
enum class MessageAnswer { kOk, kYes, kNo, kCancel };
enum class MessageButtons { kOk, kYesNo, kYesNoCancel, kOkCancel };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows `text` under `caption` and waits for the answer.
  virtual MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text,
                             MessageButtons buttons) = 0;
};

// Records every message and answers from a script (kOk, or kYes for
// questions, when the script is empty).
class RecordingMessageBox : public MessageBox {
 public:
  struct Shown {
    MessageKind kind;
    std::string caption;
    std::string text;
    MessageButtons buttons;
  };
  MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text,
                     MessageButtons buttons) override {
    m_shown.push_back({kind, caption, text, buttons});
    if (!m_answers.empty()) {
      MessageAnswer a = m_answers.front();
      m_answers.erase(m_answers.begin());
      return a;
    }
    return buttons == MessageButtons::kOk || buttons == MessageButtons::kOkCancel ? MessageAnswer::kOk
                                                                                   : MessageAnswer::kYes;
  }
  void QueueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
  const std::vector<Shown>& shown() const { return m_shown; }
  void Clear() { m_shown.clear(); }

 private:
  std::vector<Shown> m_shown;
  std::vector<MessageAnswer> m_answers;
};

}  // namespace brilox
