// Texts that windows build from language texts and fixed parts, and the
// padding helpers for fixed-width column headings.  Kept in one place so that
// every window combines the texts the same way.  Window thread only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"
#include "core/language_text_table.h"

namespace brilox {

// Column headings: each pads to `width` - 1 characters and never cuts.
std::string PadHeadingRight(std::string_view text, int width);  // blanks on the right
std::string PadHeadingLeft(std::string_view text, int width);   // blanks on the left
// Blanks on both sides while shorter than width - 2, then one more on the
// left while shorter than width - 1.
std::string CentreHeading(std::string_view text, int width);

// The caption of a message box of that kind.
const std::string& MessageCaption(const LanguageTextTable& texts, MessageKind kind);

// "Monitor 1" .. "Monitor 4": the Window menu items of the terminals.
std::string TerminalMenuCaption(const LanguageTextTable& texts, int terminal);
// The seven start views: Monitor (1) .. (4), "DX", Alarm, "LOTW".
std::vector<std::string> StartViewChoices(const LanguageTextTable& texts);

enum class InternetUpdate { kLotw, kIota, kCountry, kTelnet };
// The LoTW update caption with its first "LOTW" (any case) replaced.
std::string InternetUpdateCaption(const LanguageTextTable& texts, InternetUpdate update);

enum class TrafficLog { kDx, kAnnouncements, kChat, kTalk };
// The DX log title with its first "DX" (any case) replaced by ANN, CHAT, TALK.
std::string LogTitle(const LanguageTextTable& texts, TrafficLog log);

// The clear-window question of the LoTW window: the DX question with its
// first "DX" replaced by "LOTW".
std::string ClearLotwWindowQuestion(const LanguageTextTable& texts);

// Entry 1..34 of the options colour list.
std::string ColourListEntry(const LanguageTextTable& texts, int entry);

// "Password 1", "Password 2".
std::string PasswordLabel(const LanguageTextTable& texts, int number);
// "Shift-F1" .. "Shift-F9".
std::string ShortcutKeyLabel(const LanguageTextTable& texts, int number);

// The start of the terminal font sample: Monitor + " + DX + " + Alarm.
std::string TerminalFontSampleStart(const LanguageTextTable& texts);

// Replaces the first occurrence of `word` in `text`, letters compared without
// regard to case.
std::string ReplaceFirstIgnoringCase(std::string_view text, std::string_view word,
                                     std::string_view replacement);

}  // namespace brilox
