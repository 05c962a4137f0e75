// Where brilox-console finds its files: the program folder with the master
// copies of the data files, and the data folder it reads and logs into.
//
//   --sample        a fresh temporary folder with copies of the tables of
//                   --data-dir (or the program folder); removed at the end,
//                   so a replay of the sample never writes into the source
//                   tree or the operator's logs.
//   --data-dir DIR  DIR, created when missing.
//   neither         the program's own data folder.
// A data folder without COUNTRY2.DAT gets the program folder's master files
// copied in, by the program's own start-up copy.
#pragma once

#include <string>
#include <vector>

#include "console/console_options.h"
#include "platform/app_folders.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

struct ConsoleFolders {
  std::string program_folder;  // empty when none was found
  std::string data_folder;
  std::string sample_file;       // --sample: the capture to replay
  std::string temporary_folder;  // to remove at the end; empty for none
  std::vector<std::string> notes;
};

Result<ConsoleFolders> PrepareConsoleFolders(const ConsoleOptions& options, FileSystem& fs,
                                             const FolderEnvironment& environment, const BuildTree& build);

void RemoveTemporaryFolder(const ConsoleFolders& folders);

}  // namespace brilox
