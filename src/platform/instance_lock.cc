#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace brilox {

Result<InstanceLock> InstanceLock::Acquire(const std::string& lock_path) {
  // O_NOFOLLOW: a link planted in the folder must not make us lock (or
  // create) a file elsewhere.
  const int fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return Status::Io("open " + lock_path + ": " + std::strerror(errno));
  int locked;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return InstanceLock(-1);
    return Status::Io("lock " + lock_path + ": " + std::strerror(error));
  }
  // The process number helps whoever looks at the file; the lock is what counts.
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) == 0) (void)!::write(fd, pid.data(), pid.size());
  return InstanceLock(fd);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
  if (this != &other) {
    Release();
    m_fd = std::exchange(other.m_fd, -1);
  }
  return *this;
}

InstanceLock::~InstanceLock() { Release(); }

void InstanceLock::Release() {
  if (m_fd >= 0) ::close(m_fd);  // closing the only descriptor drops the lock
  m_fd = -1;
}

}  // namespace brilox
