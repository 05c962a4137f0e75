#include "console/console_settings.h"

#include "platform/file_settings_store.h"
#include "platform/locale.h"
#include "platform/memory_file_system.h"
#include "platform/settings_paths.h"
#include "shell/settings/load_settings.h"
#include "shell/settings/settings_lists.h"

namespace brilox {
namespace {

constexpr char kCopyPath[] = "settings/BRILOX.reg";

// The loader opens the key for writing and writes back every value that is
// missing; it works here on a copy of the file in memory, so the operator's
// file is read and never written.
void ReadSettingsFile(Settings& settings, FileSystem& fs, const std::string& path, FileSettingsStore* machine,
                      const std::string& program_folder, std::vector<std::string>& notes) {
  MemoryFileSystem copy;
  if (!path.empty()) {
    if (Result<std::string> bytes = fs.ReadFile(path); bytes.ok()) {
      copy.files()[kCopyPath] = std::move(*bytes);
    } else if (!bytes.status().IsNotFound()) {
      notes.push_back("settings file not read (" + bytes.status().ToString() + "): built-in settings");
    }
  }
  FileSettingsStore user(copy, kCopyPath, StoreAccess::kReadWrite);
  if (Status loaded = user.LoadStatus(); !loaded.ok()) {
    notes.push_back("settings file " + path + " is damaged (" + loaded.ToString() + "): built-in settings");
  }
  const SettingsEnvironment environment{fs, program_folder, LocaleVariablesFromEnvironment()};
  (void)LoadSettings(settings, user, machine, environment);
  LoadListSettings(settings, user);
}

}  // namespace

ConsoleSettings LoadConsoleSettings(const ConsoleOptions& options, FileSystem& fs,
                                    const std::string& program_folder) {
  ConsoleSettings result;
  if (!options.settings_path.empty()) {
    if (!fs.Exists(options.settings_path)) {
      result.notes.push_back("no settings file " + options.settings_path + ": built-in settings");
    }
    ReadSettingsFile(result.settings, fs, options.settings_path, nullptr, program_folder, result.notes);
  } else if (!options.sample) {
    FileSettingsStore machine(fs, kMachineSettingsPath, StoreAccess::kReadOnly);
    ReadSettingsFile(result.settings, fs, UserSettingsPathFromEnvironment(), &machine, program_folder,
                     result.notes);
  }
  if (!options.call.empty()) SetMyCall(result.settings, options.call);
  if (options.no_log) result.settings.Disk = BroadcastKinds{false, false, false, false, false};
  return result;
}

}  // namespace brilox
