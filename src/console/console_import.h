// brilox-console --import-adif, --import-adif-iota and --import-lotw-report:
// the imports of the import window, run on the databases of the data folder,
// for operators who script their imports after a contest.  Prints what the
// import window shows (database, records processed, updates, status) and
// says on standard error why a file was refused.  Main thread.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "console/console_options.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace brilox {

// 0 when every import was applied and saved; 1 at the first that was not
// (the databases then stay as the earlier imports left them).
int RunConsoleImports(const std::vector<ConsoleImport>& imports, FileSystem& fs,
                      const std::string& data_folder, const Settings& settings, const Clock& clock,
                      std::FILE* out, std::FILE* errors);

}  // namespace brilox
