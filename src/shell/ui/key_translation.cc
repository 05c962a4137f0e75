#include "shell/ui/key_translation.h"

namespace brilox {
namespace {

KeyCode CodeOf(int key) {
  switch (key) {
    case Qt::Key_C:
      return KeyCode::kC;
    case Qt::Key_N:
      return KeyCode::kN;
    case Qt::Key_P:
      return KeyCode::kP;
    case Qt::Key_T:
      return KeyCode::kT;
    case Qt::Key_V:
      return KeyCode::kV;
    case Qt::Key_W:
      return KeyCode::kW;
    case Qt::Key_Z:
      return KeyCode::kZ;
    case Qt::Key_Up:
      return KeyCode::kUp;
    case Qt::Key_Down:
      return KeyCode::kDown;
    case Qt::Key_PageUp:
      return KeyCode::kPageUp;
    case Qt::Key_PageDown:
      return KeyCode::kPageDown;
    case Qt::Key_Home:
      return KeyCode::kHome;
    case Qt::Key_End:
      return KeyCode::kEnd;
    case Qt::Key_Left:
      return KeyCode::kLeft;
    case Qt::Key_Right:
      return KeyCode::kRight;
    default:
      break;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F10) {
    return static_cast<KeyCode>(static_cast<int>(KeyCode::kF1) + (key - Qt::Key_F1));
  }
  return KeyCode::kOther;
}

}  // namespace

bool IsCtrlHeld(const QKeyEvent& event) { return (event.modifiers() & Qt::ControlModifier) != 0; }

bool IsPrintableText(const QKeyEvent& event) {
  const QString text = event.text();
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (c.unicode() < 32 || c.unicode() == 127) return false;
  }
  return true;
}

KeyStroke ToKeyStroke(const QKeyEvent& event) {
  return {CodeOf(event.key()), IsCtrlHeld(event), (event.modifiers() & Qt::ShiftModifier) != 0};
}

std::optional<char> TypedCharacter(const QKeyEvent& event) {
  const int key = event.key();
  if (IsCtrlHeld(event) && key >= Qt::Key_A && key <= Qt::Key_Z)
    return static_cast<char>(key - Qt::Key_A + 1);
  switch (key) {
    case Qt::Key_Backspace:
      return '\b';
    case Qt::Key_Tab:
      return '\t';
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return '\r';
    case Qt::Key_Escape:
      return '\x1b';
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  const char16_t unicode = text.at(0).unicode();
  if (unicode < 32 || unicode == 127) return std::nullopt;
  // Texts are single-byte: a character beyond Latin-1 becomes "?".
  return unicode <= 255 ? static_cast<char>(unicode) : '?';
}

}  // namespace brilox
