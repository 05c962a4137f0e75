#include "shell/startup_entry.h"

namespace brilox {
namespace {

ProgramEntry Fatal(ProgramEntry entry, const std::string& what, const Status& why) {
  entry.outcome = ProgramEntry::Outcome::kFatal;
  entry.message = what + " (" + why.context() + "), can't start BRILOX";
  entry.lock.reset();
  entry.data_lock.reset();
  return entry;
}

}  // namespace

ProgramEntry EnterProgram(const FolderEnvironment& environment, const BuildTree& build, FileSystem& fs) {
  ProgramEntry entry;
  Result<std::string> runtime = ResolveRuntimeFolder(environment);
  if (!runtime.ok()) return Fatal(std::move(entry), "No folder for the instance guard", runtime.status());
  Result<InstanceLock> lock = InstanceLock::Acquire(JoinPath(*runtime, kInstanceLockName));
  if (!lock.ok()) return Fatal(std::move(entry), "Unable to check for another BRILOX", lock.status());
  if (!lock->acquired()) {
    entry.outcome = ProgramEntry::Outcome::kAnotherCopyRuns;
    return entry;
  }
  entry.lock.emplace(std::move(lock).value());

  Result<std::string> program = ResolveProgramFolder(environment, build, fs);
  if (!program.ok()) return Fatal(std::move(entry), "Program folder not found", program.status());
  Result<std::string> data = ResolveDataFolder(environment, fs);
  if (!data.ok()) return Fatal(std::move(entry), "Unable to create the data folder", data.status());
  Result<InstanceLock> data_lock = InstanceLock::Acquire(JoinPath(*data, kInstanceLockName));
  if (!data_lock.ok())
    return Fatal(std::move(entry), "Unable to check for another BRILOX", data_lock.status());
  if (!data_lock->acquired()) {
    entry.lock.reset();
    entry.outcome = ProgramEntry::Outcome::kAnotherCopyRuns;
    return entry;
  }
  entry.data_lock.emplace(std::move(data_lock).value());
  entry.program_folder = *program;
  entry.data_folder = *data;
  entry.outcome = ProgramEntry::Outcome::kRun;
  return entry;
}

}  // namespace brilox
