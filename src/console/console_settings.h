// The settings brilox-console runs with: the file given with --settings,
// else the program's own settings files, both read only (a replay never
// changes the operator's settings); --sample uses the built-in settings so
// that it shows the same everywhere.  Then the command line's overrides.
// Main thread.
#pragma once

#include <string>
#include <vector>

#include "console/console_options.h"
#include "platform/file_system.h"
#include "core/settings.h"

namespace brilox {

struct ConsoleSettings {
  Settings settings;
  std::vector<std::string> notes;
};

ConsoleSettings LoadConsoleSettings(const ConsoleOptions& options, FileSystem& fs,
                                    const std::string& program_folder);

}  // namespace brilox
