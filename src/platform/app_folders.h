// Where the program finds its shipped files and keeps the operator's data.
//
// Program folder: the shipped data/ folder.  Installed, it lies beside the
// executable as ../share/brilox; run from a build tree, it is the source
// tree's data/, so that a fresh build runs without installing.
// Data folder: the XDG data folder ($XDG_DATA_HOME, else ~/.local/share)
// followed by MORVEL/BRILOX, created when missing.
// Runtime folder: $XDG_RUNTIME_DIR, else a private folder in the temporary
// folder; it holds the single-instance lock.
//
// The rules are functions of a FolderEnvironment, which tests fill in; only
// ReadFolderEnvironment looks at the running process.  Window thread only
// (start-up).
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

struct FolderEnvironment {
  std::string executable_folder;  // folder of the running program
  std::string xdg_data_home;      // empty when unset
  std::string xdg_runtime_dir;    // empty when unset
  std::string home;               // $HOME, else the account's home folder
  std::string temp_folder = "/tmp";
  unsigned user_id = 0;
};

// The environment of the running process.
FolderEnvironment ReadFolderEnvironment();

// Where the build left the program, known when it was compiled; both empty
// for a program that only runs installed.
struct BuildTree {
  std::string build_folder;
  std::string source_data_folder;
};

// NotFound when neither the build tree's data/ nor ../share/brilox exists.
Result<std::string> ResolveProgramFolder(const FolderEnvironment& environment, const BuildTree& build,
                                         FileSystem& fs);

// Creates the folder when missing.  NotFound when no home folder is known:
// data is never written relative to wherever the program was started.
Result<std::string> ResolveDataFolder(const FolderEnvironment& environment, FileSystem& fs);

// The fallback folder is made private (mode 0700); one that exists but
// belongs to another user or is open to others is refused (kInvalidArgument),
// so nobody else can hold or swap the lock.
Result<std::string> ResolveRuntimeFolder(const FolderEnvironment& environment);

}  // namespace brilox
