// A key as the main window's keyboard commands see it, without the widget
// toolkit's key codes: the keys they name, and which modifiers are held.
#pragma once

namespace brilox {

enum class KeyCode {
  kOther,
  kC,
  kN,
  kP,
  kT,
  kV,
  kW,
  kZ,
  kUp,
  kDown,
  kPageUp,
  kPageDown,
  kHome,
  kEnd,
  kLeft,
  kRight,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kF6,
  kF7,
  kF8,
  kF9,
  kF10,
};

struct KeyStroke {
  KeyCode code = KeyCode::kOther;
  bool ctrl = false;
  bool shift = false;
};

// 1 to 10 for the function keys, 0 for any other key.
constexpr int FunctionKeyNumber(KeyCode code) {
  if (code < KeyCode::kF1 || code > KeyCode::kF10) return 0;
  return static_cast<int>(code) - static_cast<int>(KeyCode::kF1) + 1;
}

}  // namespace brilox
