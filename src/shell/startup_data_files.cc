#include "shell/startup_data_files.h"

namespace brilox {
namespace {

constexpr std::string_view kCantStart = ", can't start BRILOX";
constexpr char kCopySuffix[] = ".copy";
constexpr char kScriptsCopyMarker[] = "scripts.copying";

// Copies one file so that `to` is either untouched or complete.  The copy is
// written under its own suffix, not the ".tmp" of a database save: a save
// that a crash interrupted leaves a complete ".tmp" that start-up adopts,
// and a copy cut short must never be mistaken for one.
bool CopyFile(FileSystem& fs, const std::string& from, const std::string& to) {
  Result<std::string> content = fs.ReadFile(from);
  if (!content.ok()) return false;
  const std::string partial = to + kCopySuffix;
  if (fs.WriteFile(partial, *content).ok() && fs.Rename(partial, to).ok()) return true;
  (void)fs.Remove(partial);
  return false;
}

// The scripts are copied only into a data folder that has no "scripts"
// folder yet, so that scripts the operator deleted stay deleted.  A marker
// beside the folder lasts while the copy runs: when a crash cuts the copy
// short, the next start finds the marker and copies the scripts still
// missing, instead of taking the half-filled folder for the operator's own.
void CopyScriptsFolder(FileSystem& fs, const std::string& program_folder, const std::string& data_folder) {
  const std::string target = JoinPath(data_folder, kScriptsFolder);
  const std::string marker = JoinPath(data_folder, kScriptsCopyMarker);
  const bool resuming = fs.Exists(marker);
  if (fs.IsDirectory(target) && !resuming) return;
  if (!resuming && !fs.WriteFile(marker, {}).ok()) return;
  if (!fs.CreateDirectories(target).ok()) return;
  const std::string source = JoinPath(program_folder, kScriptsFolder);
  Result<std::vector<std::string>> names = fs.ListDirectory(source);
  bool complete = names.ok() || !fs.Exists(source);
  if (names.ok()) {
    for (const std::string& name : *names) {
      const std::string from = JoinPath(source, name);
      const std::string to = JoinPath(target, name);
      if (fs.IsDirectory(from) || fs.Exists(to)) continue;
      complete = CopyFile(fs, from, to) && complete;
    }
  }
  if (complete) (void)fs.Remove(marker);
}

}  // namespace

std::string RawNameOf(std::string_view dat_name) {
  const std::size_t dot = dat_name.rfind('.');
  return std::string(dat_name.substr(0, dot)) + ".RAW";
}

std::string UnableToCreateMessage(std::string_view file_name) {
  return "Unable to create " + std::string(file_name) + std::string(kCantStart);
}

std::string FileNotFoundMessage(std::string_view file_name) {
  return "File not found: " + std::string(file_name) + std::string(kCantStart);
}

std::string UnableToRenameMessage(std::string_view raw_name, std::string_view dat_name) {
  return "Unable to rename " + std::string(raw_name) + " as " + std::string(dat_name) +
         std::string(kCantStart);
}

std::string UnableToLoadMessage(std::string_view file_name, std::string_view detail) {
  std::string text = "Unable to load " + std::string(file_name);
  if (!detail.empty()) text += " (" + std::string(detail) + ")";
  return text + std::string(kCantStart);
}

std::string UnableToOpenMessage(std::string_view file_name, std::string_view reason) {
  return "Unable to open " + std::string(file_name) + " (" + std::string(reason) + ")" +
         std::string(kCantStart);
}

bool FileOpens(FileSystem& fs, const std::string& path) {
  return !fs.IsDirectory(path) && fs.ReadAt(path, 0, 0).ok();
}

std::string WhyFileDoesNotOpen(FileSystem& fs, const std::string& path) {
  if (!fs.Exists(path)) return {};
  if (fs.IsDirectory(path)) return "Is a directory";
  Result<std::string> probe = fs.ReadAt(path, 0, 0);
  if (probe.ok() || probe.status().IsNotFound()) return {};
  // The layer's text names the call and the path; the reason follows them.
  const std::string& context = probe.status().context();
  const std::size_t colon = context.rfind(": ");
  if (colon != std::string::npos) return context.substr(colon + 2);
  return context.empty() ? probe.status().ToString() : context;
}

void CopyMasterFiles(FileSystem& fs, const std::string& program_folder, const std::string& data_folder) {
  (void)fs.CreateDirectories(data_folder);
  for (const MasterFile& master : kMasterFiles) {
    if (fs.Exists(JoinPath(data_folder, master.name))) continue;
    std::string name = master.name;
    if (!FileOpens(fs, JoinPath(program_folder, name))) {
      if (!master.raw_alternative) continue;
      name = RawNameOf(name);
      if (!FileOpens(fs, JoinPath(program_folder, name))) continue;
    }
    (void)CopyFile(fs, JoinPath(program_folder, name), JoinPath(data_folder, name));
  }
  CopyScriptsFolder(fs, program_folder, data_folder);
}

}  // namespace brilox
