#include "platform/file_system.h"

namespace brilox {

std::string JoinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path(folder);
  if (path.back() != '/') path += '/';
  while (!name.empty() && name.front() == '/') name.remove_prefix(1);
  path += name;
  return path;
}

Status WriteFileAtomic(FileSystem& fs, const std::string& path, std::string_view data) {
  const std::string temporary = path + ".tmp";
  if (Status s = fs.WriteFile(temporary, data); !s.ok()) {
    (void)fs.Remove(temporary);
    return s;
  }
  return fs.Rename(temporary, path);
}

Status FileSystem::WriteOwnerOnlyFile(const std::string& path, std::string_view data) {
  if (Status s = WriteFile(path, data); !s.ok()) return s;
  return RestrictToOwner(path);
}

Status WriteOwnerOnlyFileAtomic(FileSystem& fs, const std::string& path, std::string_view data) {
  const std::string temporary = path + ".tmp";
  if (Status s = fs.WriteOwnerOnlyFile(temporary, data); !s.ok()) {
    (void)fs.Remove(temporary);
    return s;
  }
  return fs.Rename(temporary, path);
}

Status ReplaceWithBackup(FileSystem& fs, const std::string& path, const std::string& backup_path,
                         std::string_view data) {
  const std::string temporary = path + ".tmp";
  if (Status s = fs.WriteFile(temporary, data); !s.ok()) {
    (void)fs.Remove(temporary);
    return s;
  }
  if (fs.Exists(path)) {
    if (Status s = fs.Rename(path, backup_path); !s.ok()) return s;
  }
  return fs.Rename(temporary, path);
}

void RecoverAtomicReplace(FileSystem& fs, const std::string& path) {
  const std::string temporary = path + ".tmp";
  if (!fs.Exists(temporary)) return;
  if (fs.Exists(path)) {
    (void)fs.Remove(temporary);
  } else {
    (void)fs.Rename(temporary, path);
  }
}

}  // namespace brilox
