#include "platform/app_folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace brilox {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// XDG folders given as relative paths are invalid and must be ignored.
bool IsAbsolute(std::string_view path) { return !path.empty() && path.front() == '/'; }

std::string Normal(const std::string& path) {
  std::string normal = std::filesystem::path(path).lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

// True when `path` is `folder` or lies below it (whole path components).
bool IsWithin(const std::string& path, const std::string& folder) {
  const std::string p = Normal(path);
  const std::string f = Normal(folder);
  if (f.empty() || p.size() < f.size() || p.compare(0, f.size(), f) != 0) return false;
  return p.size() == f.size() || p[f.size()] == '/' || f == "/";
}

}  // namespace

FolderEnvironment ReadFolderEnvironment() {
  FolderEnvironment environment;
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) environment.executable_folder = executable.parent_path().string();
  environment.xdg_data_home = Environment("XDG_DATA_HOME");
  environment.xdg_runtime_dir = Environment("XDG_RUNTIME_DIR");
  environment.home = Environment("HOME");
  environment.user_id = static_cast<unsigned>(::getuid());
  if (environment.home.empty()) {
    if (const passwd* account = ::getpwuid(::getuid()); account != nullptr && account->pw_dir != nullptr) {
      environment.home = account->pw_dir;
    }
  }
  if (const std::string temp = Environment("TMPDIR"); IsAbsolute(temp)) environment.temp_folder = temp;
  return environment;
}

Result<std::string> ResolveProgramFolder(const FolderEnvironment& environment, const BuildTree& build,
                                         FileSystem& fs) {
  const std::string& executable_folder = environment.executable_folder;
  if (!build.build_folder.empty() && IsWithin(executable_folder, build.build_folder) &&
      fs.IsDirectory(build.source_data_folder)) {
    return Normal(build.source_data_folder);
  }
  if (!executable_folder.empty()) {
    const std::string installed = Normal(executable_folder + "/../share/brilox");
    if (fs.IsDirectory(installed)) return installed;
  }
  return Status::NotFound("program folder: no share/brilox beside " + executable_folder);
}

Result<std::string> ResolveDataFolder(const FolderEnvironment& environment, FileSystem& fs) {
  std::string base;
  if (IsAbsolute(environment.xdg_data_home)) {
    base = environment.xdg_data_home;
  } else if (IsAbsolute(environment.home)) {
    base = environment.home + "/.local/share";
  } else {
    return Status::NotFound("data folder: no home folder");
  }
  const std::string folder = Normal(base + "/MORVEL/BRILOX");
  if (Status made = fs.CreateDirectories(folder); !made.ok()) return made;
  return folder;
}

Result<std::string> ResolveRuntimeFolder(const FolderEnvironment& environment) {
  if (IsAbsolute(environment.xdg_runtime_dir)) return Normal(environment.xdg_runtime_dir);
  const std::string folder =
      Normal(environment.temp_folder + "/brilox-" + std::to_string(environment.user_id));
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    return Status::Io("create " + folder + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0)
    return Status::Io("inspect " + folder + ": " + std::strerror(errno));
  if (!S_ISDIR(info.st_mode) || info.st_uid != environment.user_id || (info.st_mode & 077) != 0) {
    return Status::InvalidArgument(folder + " is not a private folder of this user");
  }
  return folder;
}

}  // namespace brilox
