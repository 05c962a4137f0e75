#include "platform/settings_paths.h"

#include <cstdlib>

#include "platform/file_system.h"

namespace brilox {
namespace {

bool IsAbsoluteFolder(const char* folder) { return folder != nullptr && folder[0] == '/'; }

}  // namespace

std::string UserSettingsPath(const char* xdg_config_home, const char* home) {
  std::string config;
  if (IsAbsoluteFolder(xdg_config_home)) {
    config = xdg_config_home;
  } else if (IsAbsoluteFolder(home)) {
    config = JoinPath(home, ".config");
  } else {
    return {};
  }
  return JoinPath(JoinPath(config, "MORVEL/BRILOX"), kSettingsFileName);
}

std::string UserSettingsPathFromEnvironment() {
  return UserSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace brilox
