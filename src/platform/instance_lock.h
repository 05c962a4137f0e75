// Keeps a second copy of the program from running: the first copy holds an
// exclusive lock (flock) on the file "BRILOXrunning" in the runtime folder
// for as long as it runs.  The operating system drops the lock when the
// process ends, however it ends, so a file left by a crash never blocks a
// start.  Window thread only (start-up and shutdown).
#pragma once

#include <string>

#include "platform/result.h"

namespace brilox {

inline constexpr const char* kInstanceLockName = "BRILOXrunning";

class InstanceLock {
 public:
  // kIo when the lock file cannot be opened.  Otherwise a lock that either
  // holds the guard or reports that another copy does.
  static Result<InstanceLock> Acquire(const std::string& lock_path);

  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&& other) noexcept;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  // False when another copy holds the guard: this copy must end.
  bool acquired() const { return m_fd >= 0; }
  void Release();

 private:
  explicit InstanceLock(int fd) : m_fd(fd) {}
  int m_fd = -1;
};

}  // namespace brilox
