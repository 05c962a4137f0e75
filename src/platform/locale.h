// The POSIX locale variables that name the operator's language.  The values
// are an input to the settings loader, so tests set them.  Any thread.
#pragma once

#include <string>

namespace brilox {

struct LocaleVariables {
  std::string lc_all;       // LC_ALL
  std::string lc_messages;  // LC_MESSAGES
  std::string lang;         // LANG
};

// This process's values (unset reads as empty).
LocaleVariables LocaleVariablesFromEnvironment();

}  // namespace brilox
