#include "console/console_folders.h"

#include <stdlib.h>

#include <filesystem>

#include "awards/dxcc_store.h"
#include "shell/startup_data_files.h"
#include "spots/pipeline_tables.h"

namespace brilox {
namespace {

constexpr char kSampleName[] = "samples/cluster_session.raw";

Status CopyFile(FileSystem& fs, const std::string& from, const std::string& to) {
  Result<std::string> bytes = fs.ReadFile(from);
  if (!bytes.ok()) return bytes.status();
  return WriteFileAtomic(fs, to, *bytes);
}

// COUNTRY2.DAT and the DXCC database (DXCC.DAT, else the delivered
// DXCC.RAW), when `to` lacks them: what a replay reads, not the logs.
Status CopyMissingTables(FileSystem& fs, const std::string& from, const std::string& to,
                         std::vector<std::string>& notes) {
  if (from.empty() || from == to) return Status::Ok();
  const std::string country_to = JoinPath(to, kCountryFileName);
  if (!fs.Exists(country_to) && fs.Exists(JoinPath(from, kCountryFileName))) {
    if (Status s = CopyFile(fs, JoinPath(from, kCountryFileName), country_to); !s.ok()) return s;
    notes.push_back(std::string("copied ") + kCountryFileName + " from " + from);
  }
  if (fs.Exists(JoinPath(to, kDxccFileName)) || fs.Exists(JoinPath(to, kDxccRawFileName)))
    return Status::Ok();
  for (const char* name : {kDxccFileName, kDxccRawFileName}) {
    if (!fs.Exists(JoinPath(from, name))) continue;
    if (Status s = CopyFile(fs, JoinPath(from, name), JoinPath(to, name)); !s.ok()) return s;
    notes.push_back(std::string("copied ") + name + " from " + from);
    break;
  }
  return Status::Ok();
}

Result<std::string> MakeTemporaryFolder(const FolderEnvironment& environment) {
  std::string pattern = JoinPath(environment.temp_folder, "brilox-console-XXXXXX");
  if (::mkdtemp(pattern.data()) == nullptr)
    return Status::Io("cannot create a folder in " + environment.temp_folder);
  return pattern;
}

}  // namespace

Result<ConsoleFolders> PrepareConsoleFolders(const ConsoleOptions& options, FileSystem& fs,
                                             const FolderEnvironment& environment, const BuildTree& build) {
  ConsoleFolders folders;
  if (Result<std::string> program = ResolveProgramFolder(environment, build, fs); program.ok()) {
    folders.program_folder = *program;
  }
  if (options.sample) {
    const std::string source = options.data_dir.empty() ? folders.program_folder : options.data_dir;
    if (source.empty()) return Status::NotFound("no program folder holds the sample; give --data-dir");
    folders.sample_file = JoinPath(source, kSampleName);
    Result<std::string> temporary = MakeTemporaryFolder(environment);
    if (!temporary.ok()) return temporary.status();
    folders.temporary_folder = folders.data_folder = *temporary;
    if (Status s = CopyMissingTables(fs, source, folders.data_folder, folders.notes); !s.ok()) return s;
    folders.notes.push_back("logging into the temporary folder " + folders.data_folder +
                            " (removed at the end)");
    return folders;
  }
  if (!options.data_dir.empty()) {
    folders.data_folder = options.data_dir;
    if (Status s = fs.CreateDirectories(folders.data_folder); !s.ok()) return s;
  } else {
    Result<std::string> data = ResolveDataFolder(environment, fs);
    if (!data.ok()) return data.status();
    folders.data_folder = *data;
  }
  // The program's own start-up copy of the master files, for a data folder
  // that a replay fills for the first time.
  if (!folders.program_folder.empty() && !fs.Exists(JoinPath(folders.data_folder, kCountryFileName))) {
    CopyMasterFiles(fs, folders.program_folder, folders.data_folder);
    folders.notes.push_back("copied the master files of " + folders.program_folder + " into " +
                            folders.data_folder);
  }
  return folders;
}

void RemoveTemporaryFolder(const ConsoleFolders& folders) {
  if (folders.temporary_folder.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(folders.temporary_folder, ignored);
}

}  // namespace brilox
