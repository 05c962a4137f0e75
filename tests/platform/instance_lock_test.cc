// One copy at a time: a second start, in this process or another, is told
// that the guard is held; a crash leaves nothing that blocks the next start.
#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_system.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

// Runs Acquire in a child process: 0 acquired, 1 held elsewhere, 2 error.
int AcquireInAnotherProcess(const std::string& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    Result<InstanceLock> lock = InstanceLock::Acquire(path);
    ::_exit(!lock.ok() ? 2 : lock->acquired() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

TEST(InstanceLock, ASecondCopyIsToldAndTheFirstReleaseFreesIt) {
  testing::ScratchFolder scratch;
  const std::string path = scratch.File(kInstanceLockName);
  Result<InstanceLock> first = InstanceLock::Acquire(path);
  ASSERT_TRUE(first.ok()) << first.status().ToString();
  EXPECT_TRUE(first->acquired());

  EXPECT_EQ(AcquireInAnotherProcess(path), 1);
  Result<InstanceLock> second = InstanceLock::Acquire(path);  // a second open in this process too
  ASSERT_TRUE(second.ok());
  EXPECT_FALSE(second->acquired());

  first->Release();
  EXPECT_EQ(AcquireInAnotherProcess(path), 0);
  Result<InstanceLock> third = InstanceLock::Acquire(path);
  EXPECT_TRUE(third->acquired());
  InstanceLock moved = std::move(*third);
  EXPECT_TRUE(moved.acquired());
  EXPECT_FALSE(third->acquired());
  EXPECT_EQ(AcquireInAnotherProcess(path), 1);
}

TEST(InstanceLock, AFileLeftByACrashDoesNotBlock) {
  testing::ScratchFolder scratch;
  const std::string path = scratch.File(kInstanceLockName);
  ASSERT_TRUE(PosixFileSystem().WriteFile(path, "12345\n").ok());
  Result<InstanceLock> lock = InstanceLock::Acquire(path);
  ASSERT_TRUE(lock.ok());
  EXPECT_TRUE(lock->acquired());
  EXPECT_EQ(*PosixFileSystem().ReadFile(path), std::to_string(::getpid()) + "\n");
}

TEST(InstanceLock, ALinkInPlaceOfTheFileIsRefused) {
  testing::ScratchFolder scratch;
  const std::string path = scratch.File(kInstanceLockName);
  ASSERT_EQ(::symlink(scratch.File("target").c_str(), path.c_str()), 0);
  EXPECT_TRUE(InstanceLock::Acquire(path).status().IsIo());
  EXPECT_FALSE(PosixFileSystem().Exists(scratch.File("target")));
  EXPECT_TRUE(InstanceLock::Acquire(scratch.File("missing-folder/x")).status().IsIo());
}

}  // namespace
}  // namespace brilox
