// The real file system on POSIX calls.  Writes are flushed with fsync so that
// a rename that follows never exposes a file whose data is not on the device.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"

namespace brilox {
namespace {

Status IoError(const std::string& what, const std::string& path) {
  return Status::Io(what + " " + path + ": " + std::strerror(errno));
}

enum class Flush { kToDevice, kLeaveToSystem };

Status WriteAll(int fd, std::string_view data, const std::string& path, Flush flush = Flush::kToDevice) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return IoError("write", path);
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  if (flush == Flush::kToDevice && ::fsync(fd) != 0) return IoError("flush", path);
  return Status::Ok();
}

class PosixAppendStream final : public AppendStream {
 public:
  PosixAppendStream(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
  ~PosixAppendStream() override { ::close(m_fd); }
  PosixAppendStream(const PosixAppendStream&) = delete;
  PosixAppendStream& operator=(const PosixAppendStream&) = delete;

  Status Write(std::string_view data) override { return WriteAll(m_fd, data, m_path, Flush::kLeaveToSystem); }
  Status Flush() override { return ::fdatasync(m_fd) == 0 ? Status::Ok() : IoError("flush", m_path); }

 private:
  int m_fd;
  std::string m_path;
};

class Posix final : public FileSystem {
 public:
  Result<std::unique_ptr<AppendStream>> OpenAppendStream(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return IoError("open", path);
    return std::unique_ptr<AppendStream>(std::make_unique<PosixAppendStream>(fd, path));
  }

  Result<std::string> ReadFile(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      return errno == ENOENT ? Status::NotFound(path) : IoError("open", path);
    }
    std::string data;
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        Status s = IoError("read", path);
        ::close(fd);
        return s;
      }
      if (n == 0) break;
      data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
  }

  Result<std::string> ReadAt(const std::string& path, std::uint64_t offset, std::size_t length) override {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? Status::NotFound(path) : IoError("open", path);
    std::string data(length, '\0');
    std::size_t filled = 0;
    while (filled < length) {
      const ssize_t n = ::pread(fd, data.data() + filled, length - filled, static_cast<off_t>(offset + filled));
      if (n < 0) {
        if (errno == EINTR) continue;
        Status s = IoError("read", path);
        ::close(fd);
        return s;
      }
      if (n == 0) break;
      filled += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(filled);
    return data;
  }

  Status WriteFile(const std::string& path, std::string_view data) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return IoError("create", path);
    Status s = WriteAll(fd, data, path);
    if (::close(fd) != 0 && s.ok()) s = IoError("close", path);
    return s;
  }

  Status WriteOwnerOnlyFile(const std::string& path, std::string_view data) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return IoError("create", path);
    // A file left from earlier keeps its old mode through O_TRUNC: restrict it
    // before any byte goes in.
    Status s = ::fchmod(fd, 0600) == 0 ? WriteAll(fd, data, path) : IoError("chmod", path);
    if (::close(fd) != 0 && s.ok()) s = IoError("close", path);
    return s;
  }

  Status AppendFile(const std::string& path, std::string_view data) override {
    return Append(path, data, Flush::kToDevice);
  }

  Status AppendFileUnflushed(const std::string& path, std::string_view data) override {
    return Append(path, data, Flush::kLeaveToSystem);
  }

  Status Rename(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return IoError("rename", from);
    return Status::Ok();
  }

  Status Remove(const std::string& path) override {
    if (::unlink(path.c_str()) != 0) {
      return errno == ENOENT ? Status::NotFound(path) : IoError("remove", path);
    }
    return Status::Ok();
  }

  bool Exists(const std::string& path) override {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
  }

  bool IsDirectory(const std::string& path) override {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  Status CreateDirectories(const std::string& path) override {
    if (path.empty()) return Status::Ok();
    std::string partial;
    std::size_t start = 0;
    while (start <= path.size()) {
      std::size_t slash = path.find('/', start);
      if (slash == std::string::npos) slash = path.size();
      partial = path.substr(0, slash);
      if (!partial.empty() && !IsDirectory(partial)) {
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return IoError("create folder", partial);
      }
      start = slash + 1;
    }
    return Status::Ok();
  }

  Result<std::uint64_t> FileSize(const std::string& path) override {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? Status::NotFound(path) : IoError("stat", path);
    return static_cast<std::uint64_t>(st.st_size);
  }

  Result<std::vector<std::string>> ListDirectory(const std::string& path) override {
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr) return errno == ENOENT ? Status::NotFound(path) : IoError("open folder", path);
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
  }

  Status RestrictToOwner(const std::string& path) override {
    if (::chmod(path.c_str(), 0600) != 0) return IoError("chmod", path);
    return Status::Ok();
  }

 private:
  static Status Append(const std::string& path, std::string_view data, Flush flush) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return IoError("open", path);
    Status s = WriteAll(fd, data, path, flush);
    if (::close(fd) != 0 && s.ok()) s = IoError("close", path);
    return s;
  }
};

}  // namespace

FileSystem& PosixFileSystem() {
  static Posix instance;
  return instance;
}

}  // namespace brilox
