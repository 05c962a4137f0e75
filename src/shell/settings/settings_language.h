// The interface language code of the Language setting: the conversion of
// codes that older versions stored, and the choice from the operator's
// locale at a first start.  Window thread.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/locale.h"

namespace brilox {

// "ENG" -> "ENU", "POL" -> "PLK", "SWE" -> "SVE", "TCH" -> "CSY",
// "POR" -> "PTB"; any other code as it is.
std::string ConvertOldLanguageCode(std::string_view code);

// The language part of the locale that names the messages language (LC_ALL,
// else LC_MESSAGES, else LANG, the first that is set): "pt_BR.UTF-8" -> "pt".
// Lower case; empty when none is set.
std::string LocaleLanguage(const LocaleVariables& locale);

// The code for a locale language ("de" -> "DEU"); "ENU" for any language
// without its own code, for "C" and "POSIX" and for none.
std::string LanguageCodeForLocale(std::string_view language);

// The language file of a code in the program folder: "BRLMSG85.DEU".
std::string LanguageFileName(std::string_view code);

// The code for this locale, or "ENU" when its language file is not in the
// program folder.
std::string ChooseSystemLanguage(const LocaleVariables& locale, FileSystem& files,
                                 const std::string& program_folder);

}  // namespace brilox
