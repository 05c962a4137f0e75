// Where the settings files live.  The per-user file sits in the XDG
// configuration folder ($XDG_CONFIG_HOME, or ~/.config when that is unset or
// not an absolute path) under "MORVEL/BRILOX/"; the machine-wide file, read
// only, under /etc/xdg/MORVEL/BRILOX/.  Any thread.
#pragma once

#include <string>

namespace brilox {

inline constexpr char kSettingsFileName[] = "BRILOX.reg";
inline constexpr char kMachineSettingsPath[] = "/etc/xdg/MORVEL/BRILOX/BRILOX.reg";

// The per-user settings file from the two environment values (either may be
// null).  Empty when neither names an absolute folder.
std::string UserSettingsPath(const char* xdg_config_home, const char* home);

// As above, from this process's environment.
std::string UserSettingsPathFromEnvironment();

}  // namespace brilox
