// The settings key kept in a registry-editor 4 text file (registry_text.h).
// The per-user store reads and writes its file; the machine-wide store,
// which an older installation or the administrator leaves behind, is read
// only.
//
// The file is read once, when the store is made; later reads come from
// memory, and writes change memory until Flush writes the whole file again
// atomically (temporary file, then rename) with mode 0600, since it holds
// the cluster passwords.  Only this program writes the file while it runs
// (the instance guard keeps a second copy away), so memory stays the truth.
//
// A file that cannot be read or is corrupt never stops the program: its key
// counts as missing, so the built-in defaults apply.  The per-user store moves
// the damaged file aside to path + ".corrupt-<n>" (the first free n) before
// anything is written, so the next write starts a new file and the old one is
// kept for the operator.  If it cannot be moved aside, the store refuses every
// write rather than overwrite it.  The read-only store leaves its file alone.
//
// Threads and failures as for every SettingsStore (settings_store.h).
#pragma once

#include <mutex>
#include <string>

#include "platform/file_system.h"
#include "platform/registry_text.h"
#include "platform/settings_store.h"

namespace brilox {

enum class StoreAccess { kReadWrite, kReadOnly };

class FileSettingsStore final : public SettingsStore {
 public:
  // An empty `path` (no configuration folder known) gives a store whose key is
  // missing and cannot be created.
  FileSettingsStore(FileSystem& fs, std::string path, StoreAccess access);

  bool Exists() override;
  Status Create() override;
  std::optional<SettingsValue> Find(std::string_view name) override;
  Status Write(SettingsValue value) override;
  std::vector<SettingsValue> List() override;
  Status Flush() override;

  // What reading the file gave: Ok (also for a missing file), or the read or
  // parse failure.
  Status LoadStatus();
  // Where a damaged file was moved; empty when none was.
  std::string SetAsidePath();

 private:
  void Load();
  void SetAside();
  Status Writable() const;

  FileSystem& m_fs;
  const std::string m_path;
  const StoreAccess m_access;
  std::mutex m_mutex;
  bool m_exists = false;
  bool m_dirty = false;
  bool m_blocked = false;  // a damaged file that could not be moved aside
  Status m_loadStatus;
  std::string m_setAsidePath;
  SettingsValueList m_values;
};

}  // namespace brilox
