// The settings key as registry-editor 4 text, the form the settings file
// keeps on disk (a registry editor can import it as it stands):
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\SOFTWARE\MORVEL\BRILOX\CurrentVersion]
//   "COMPortSettings"=dword:0000016c
//   "MyCall"="F6ABC"
//   "Language"=hex:45,4e,55
//
// Lines end in CR LF; a reader also takes bare LF.  Texts are single bytes as
// stored, no character set conversion.
//
// Strings: inside the quotes a backslash is written "\\" and a double quote
// "\"", every other byte as it is.  The list separators (bytes 1 and 2) thus
// stand unchanged inside the quotes, as an export shows them.  A text that
// holds a CR, an LF or a NUL cannot be written that way (the line would break
// or the text would end early), so it is written as "Name"=hex(1):..,00, the
// registry editor's own spelling of a REG_SZ by its bytes with the closing 00.
// Either way every byte comes back exactly.
//
// Integers: dword: and 8 lower-case hexadecimal digits.  Binary: hex: and
// each byte as two lower-case digits, separated by commas, on one line.
//
// What the reader refuses (the whole text is then corrupt): a first line
// other than "REGEDIT4", a key other than the settings key (under
// HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE), a value before the key line, and
// any value line it cannot take exactly, such as a kind this store does not
// hold (hex(2), hex(7), ...) or broken quoting.  Refusing rather than skipping
// matters: a skipped line would be dropped silently by the next write, while a
// refused file is kept aside whole.  Blank lines and ";" comments carry no
// values and are skipped.  A hex list may continue over lines with a trailing
// "\", as the registry editor wraps them.  A name given twice keeps its first
// place and its last value, as an import would leave it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"
#include "platform/settings_store.h"

namespace brilox {

enum class RegistryRoot { kCurrentUser, kLocalMachine };

// "SOFTWARE\MORVEL\BRILOX\CurrentVersion"
extern const char kSettingsKeyPath[];

// Whether `name` can be a value name in the text: not empty, no control bytes.
bool IsStorableSettingsName(std::string_view name);

std::string EncodeRegistryText(const std::vector<SettingsValue>& values, RegistryRoot root);
Result<SettingsValueList> DecodeRegistryText(std::string_view text);

}  // namespace brilox
