#include "console/console_settings.h"

#include "platform/file_settings_store.h"
#include "platform/locale.h"
#include "platform/settings_paths.h"
#include "shell/settings/load_settings.h"
#include "shell/settings/settings_lists.h"

namespace brilox {
namespace {

void ReadStores(Settings& settings, FileSettingsStore& user, FileSettingsStore* machine, FileSystem& fs,
                const std::string& program_folder, std::vector<std::string>& notes) {
  if (Status loaded = user.LoadStatus(); !loaded.ok()) {
    notes.push_back("settings file not read, built-in settings used: " + loaded.ToString());
  }
  const SettingsEnvironment environment{fs, program_folder, LocaleVariablesFromEnvironment()};
  // The read-only store refuses the defaults the loader writes back; the
  // record is filled either way.
  (void)LoadSettings(settings, user, machine, environment);
  LoadListSettings(settings, user);
}

}  // namespace

ConsoleSettings LoadConsoleSettings(const ConsoleOptions& options, FileSystem& fs,
                                    const std::string& program_folder) {
  ConsoleSettings result;
  if (!options.settings_path.empty()) {
    FileSettingsStore user(fs, options.settings_path, StoreAccess::kReadOnly);
    if (!fs.Exists(options.settings_path))
      result.notes.push_back("no settings file " + options.settings_path);
    ReadStores(result.settings, user, nullptr, fs, program_folder, result.notes);
  } else if (!options.sample) {
    FileSettingsStore user(fs, UserSettingsPathFromEnvironment(), StoreAccess::kReadOnly);
    FileSettingsStore machine(fs, kMachineSettingsPath, StoreAccess::kReadOnly);
    ReadStores(result.settings, user, &machine, fs, program_folder, result.notes);
  }
  if (!options.call.empty()) SetMyCall(result.settings, options.call);
  if (options.no_log) result.settings.Disk = BroadcastKinds{false, false, false, false, false};
  return result;
}

}  // namespace brilox
