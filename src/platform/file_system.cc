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

namespace {

// An append stream by path, for layers without handles.
class PathAppendStream final : public AppendStream {
 public:
  PathAppendStream(FileSystem& fs, std::string path) : m_fs(fs), m_path(std::move(path)) {}
  Status Write(std::string_view data) override { return m_fs.AppendFileUnflushed(m_path, data); }
  Status Flush() override { return m_fs.AppendFile(m_path, {}); }

 private:
  FileSystem& m_fs;
  std::string m_path;
};

}  // namespace

Result<std::unique_ptr<AppendStream>> FileSystem::OpenAppendStream(const std::string& path) {
  if (Status s = AppendFileUnflushed(path, {}); !s.ok()) return s;
  return std::unique_ptr<AppendStream>(std::make_unique<PathAppendStream>(*this, path));
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
