#include "platform/memory_file_system.h"

namespace brilox {
namespace {

std::string ParentOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

Result<std::string> MemoryFileSystem::ReadFile(const std::string& path) {
  auto it = m_files.find(path);
  if (it == m_files.end()) return Status::NotFound(path);
  return it->second;
}

Result<std::string> MemoryFileSystem::ReadAt(const std::string& path, std::uint64_t offset, std::size_t length) {
  auto it = m_files.find(path);
  if (it == m_files.end()) return Status::NotFound(path);
  if (offset >= it->second.size()) return std::string();
  return it->second.substr(static_cast<std::size_t>(offset), length);
}

Status MemoryFileSystem::WriteFile(const std::string& path, std::string_view data) {
  m_files[path] = std::string(data);
  return Status::Ok();
}

Status MemoryFileSystem::AppendFile(const std::string& path, std::string_view data) {
  m_files[path].append(data);
  return Status::Ok();
}

Status MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
  auto it = m_files.find(from);
  if (it == m_files.end()) return Status::NotFound(from);
  std::string data = std::move(it->second);
  m_files.erase(it);
  m_files[to] = std::move(data);
  if (m_restricted.erase(from) != 0) m_restricted.insert(to);
  return Status::Ok();
}

Status MemoryFileSystem::Remove(const std::string& path) {
  m_restricted.erase(path);
  return m_files.erase(path) != 0 ? Status::Ok() : Status::NotFound(path);
}

bool MemoryFileSystem::Exists(const std::string& path) { return m_files.count(path) != 0 || IsDirectory(path); }

bool MemoryFileSystem::IsDirectory(const std::string& path) {
  if (m_folders.count(path) != 0) return true;
  const std::string prefix = path.empty() || path.back() == '/' ? path : path + "/";
  auto it = m_files.lower_bound(prefix);
  return it != m_files.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

Status MemoryFileSystem::CreateDirectories(const std::string& path) {
  for (std::string p = path; !p.empty(); p = ParentOf(p)) m_folders.insert(p);
  return Status::Ok();
}

Result<std::uint64_t> MemoryFileSystem::FileSize(const std::string& path) {
  auto it = m_files.find(path);
  if (it == m_files.end()) return Status::NotFound(path);
  return static_cast<std::uint64_t>(it->second.size());
}

Result<std::vector<std::string>> MemoryFileSystem::ListDirectory(const std::string& path) {
  if (!IsDirectory(path)) return Status::NotFound(path);
  const std::string prefix = path.empty() || path.back() == '/' ? path : path + "/";
  std::set<std::string> names;
  for (auto it = m_files.lower_bound(prefix); it != m_files.end(); ++it) {
    if (it->first.compare(0, prefix.size(), prefix) != 0) break;
    const std::string rest = it->first.substr(prefix.size());
    names.insert(rest.substr(0, rest.find('/')));
  }
  for (const auto& folder : m_folders) {
    if (folder.size() > prefix.size() && folder.compare(0, prefix.size(), prefix) == 0) {
      const std::string rest = folder.substr(prefix.size());
      names.insert(rest.substr(0, rest.find('/')));
    }
  }
  return std::vector<std::string>(names.begin(), names.end());
}

Status MemoryFileSystem::RestrictToOwner(const std::string& path) {
  if (m_files.count(path) == 0) return Status::NotFound(path);
  m_restricted.insert(path);
  return Status::Ok();
}

Result<std::string> FaultInjectingFileSystem::ReadFile(const std::string& path) {
  if (m_unreadable.count(path) != 0) return Status::Io("open " + path + ": Permission denied");
  return m_target.ReadFile(path);
}

Result<std::string> FaultInjectingFileSystem::ReadAt(const std::string& path, std::uint64_t offset,
                                                     std::size_t length) {
  if (m_unreadable.count(path) != 0) return Status::Io("open " + path + ": Permission denied");
  return m_target.ReadAt(path, offset, length);
}

Status FaultInjectingFileSystem::WriteFile(const std::string& path, std::string_view data) {
  if (ShouldFail()) return Status::Io("injected fault writing " + path);
  return m_target.WriteFile(path, data);
}

Status FaultInjectingFileSystem::AppendFile(const std::string& path, std::string_view data) {
  if (ShouldFail()) return Status::Io("injected fault appending " + path);
  return m_target.AppendFile(path, data);
}

Status FaultInjectingFileSystem::Rename(const std::string& from, const std::string& to) {
  if (ShouldFail()) return Status::Io("injected fault renaming " + from);
  return m_target.Rename(from, to);
}

Status FaultInjectingFileSystem::Remove(const std::string& path) {
  if (ShouldFail()) return Status::Io("injected fault removing " + path);
  return m_target.Remove(path);
}

Status FaultInjectingFileSystem::CreateDirectories(const std::string& path) {
  if (ShouldFail()) return Status::Io("injected fault creating " + path);
  return m_target.CreateDirectories(path);
}

Status FaultInjectingFileSystem::RestrictToOwner(const std::string& path) {
  if (ShouldFail()) return Status::Io("injected fault restricting " + path);
  return m_target.RestrictToOwner(path);
}

}  // namespace brilox
