// Qt key events in the terms of the main window's keyboard commands: the
// key and its modifiers, and the single-byte character the key types (the
// control characters of Ctrl+letter included, as a terminal sends them).
#pragma once

#include <QKeyEvent>
#include <optional>

#include "shell/key_stroke.h"

namespace brilox {

KeyStroke ToKeyStroke(const QKeyEvent& event);

// The character a key types, if any.  Keys that only move or edit (arrows,
// Delete, function keys) type none.
std::optional<char> TypedCharacter(const QKeyEvent& event);

bool IsCtrlHeld(const QKeyEvent& event);

// Whether the key types printable text (no control character in it).
bool IsPrintableText(const QKeyEvent& event);

}  // namespace brilox
