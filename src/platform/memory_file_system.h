// An in-memory file system for tests.  Folders exist implicitly once a file
// below them exists, or explicitly after CreateDirectories.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace brilox {

class MemoryFileSystem : public FileSystem {
 public:
  Result<std::string> ReadFile(const std::string& path) override;
  Result<std::string> ReadAt(const std::string& path, std::uint64_t offset, std::size_t length) override;
  Status WriteFile(const std::string& path, std::string_view data) override;
  Status AppendFile(const std::string& path, std::string_view data) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status Remove(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool IsDirectory(const std::string& path) override;
  Status CreateDirectories(const std::string& path) override;
  Result<std::uint64_t> FileSize(const std::string& path) override;
  Result<std::vector<std::string>> ListDirectory(const std::string& path) override;
  Status RestrictToOwner(const std::string& path) override;

  // Direct access for tests.
  std::map<std::string, std::string>& files() { return m_files; }
  bool IsRestricted(const std::string& path) const { return m_restricted.count(path) != 0; }

 private:
  std::map<std::string, std::string> m_files;
  std::set<std::string> m_folders;
  std::set<std::string> m_restricted;
};

// Forwards to another file system and fails every mutating call from the
// `fail_at`-th one on (counting from 1), as a crash at that step would: the
// failing call and all later ones do nothing and report an I/O error.  Files
// marked unreadable exist but refuse every read, as a file without read
// permission or on a failing disk does.
class FaultInjectingFileSystem : public FileSystem {
 public:
  explicit FaultInjectingFileSystem(FileSystem& target) : m_target(target) {}
  void FailFromMutation(int fail_at) { m_failAt = fail_at; m_mutations = 0; }
  int mutations() const { return m_mutations; }
  void MakeUnreadable(const std::string& path) { m_unreadable.insert(path); }

  Result<std::string> ReadFile(const std::string& path) override;
  Result<std::string> ReadAt(const std::string& path, std::uint64_t offset, std::size_t length) override;
  Status WriteFile(const std::string& path, std::string_view data) override;
  Status AppendFile(const std::string& path, std::string_view data) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status Remove(const std::string& path) override;
  bool Exists(const std::string& path) override { return m_target.Exists(path); }
  bool IsDirectory(const std::string& path) override { return m_target.IsDirectory(path); }
  Status CreateDirectories(const std::string& path) override;
  Result<std::uint64_t> FileSize(const std::string& path) override { return m_target.FileSize(path); }
  Result<std::vector<std::string>> ListDirectory(const std::string& path) override {
    return m_target.ListDirectory(path);
  }
  Status RestrictToOwner(const std::string& path) override;

 private:
  bool ShouldFail() { return m_failAt > 0 && ++m_mutations >= m_failAt; }
  FileSystem& m_target;
  std::set<std::string> m_unreadable;
  int m_failAt = 0;
  int m_mutations = 0;
};

}  // namespace brilox
