// The program entry before any window exists: the single-instance guard, then
// the program folder and the data folder.  Window thread (the main thread),
// once, first thing in main().
#pragma once

#include <optional>
#include <string>

#include "platform/app_folders.h"
#include "platform/file_system.h"
#include "platform/instance_lock.h"

namespace brilox {

// The exit code of a second copy, which ends without any window.
inline constexpr int kAnotherCopyExitCode = 1;

struct ProgramEntry {
  enum class Outcome { kRun, kAnotherCopyRuns, kFatal };
  Outcome outcome = Outcome::kFatal;
  // Held for the whole run; the guard ends with it (or with the process).
  std::optional<InstanceLock> lock;
  // The same guard in the data folder: copies started with different runtime
  // folders still share the data files, and only one may write them.
  std::optional<InstanceLock> data_lock;
  std::string program_folder;
  std::string data_folder;
  std::string message;  // kFatal: the text to show before the program ends
};

// Takes the guard in the runtime folder; another copy holding it ends this
// one.  A guard that cannot be checked at all stops the start too, since two
// copies writing the same data files would damage them.  Then finds the
// program folder and creates the data folder when missing, and takes the
// guard in the data folder as well; another copy holding that one ends this
// copy the same way.
ProgramEntry EnterProgram(const FolderEnvironment& environment, const BuildTree& build, FileSystem& fs);

}  // namespace brilox
