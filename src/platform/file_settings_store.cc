#include "platform/file_settings_store.h"

namespace brilox {
namespace {

// Enough for years of damaged files; past it the file is kept by refusing writes.
constexpr int kMaxSetAsideCopies = 999;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

FileSettingsStore::FileSettingsStore(FileSystem& fs, std::string path, StoreAccess access)
    : m_fs(fs), m_path(std::move(path)), m_access(access) {
  Load();
}

void FileSettingsStore::Load() {
  if (m_path.empty()) {
    m_blocked = true;
    m_loadStatus = Status::NotFound("no folder for the settings file");
    return;
  }
  Result<std::string> text = m_fs.ReadFile(m_path);
  if (!text.ok()) {
    if (text.status().IsNotFound()) return;
    m_loadStatus = text.status();
  } else {
    Result<SettingsValueList> values = DecodeRegistryText(*text);
    if (values.ok()) {
      m_values = std::move(*values);
      m_exists = true;
      return;
    }
    m_loadStatus = Status::Corrupt(m_path + " " + values.status().context());
  }
  if (m_access == StoreAccess::kReadWrite) SetAside();
}

void FileSettingsStore::SetAside() {
  for (int n = 1; n <= kMaxSetAsideCopies; ++n) {
    const std::string aside = m_path + ".corrupt-" + std::to_string(n);
    if (m_fs.Exists(aside)) continue;
    if (m_fs.Rename(m_path, aside).ok()) {
      m_setAsidePath = aside;
      return;
    }
    break;
  }
  m_blocked = true;
}

Status FileSettingsStore::Writable() const {
  if (m_access == StoreAccess::kReadOnly) return Status::InvalidArgument(m_path + " is read-only");
  if (m_blocked) return Status::Io(m_path + " cannot be written: " + m_loadStatus.ToString());
  return Status::Ok();
}

bool FileSettingsStore::Exists() {
  std::lock_guard lock(m_mutex);
  return m_exists;
}

Status FileSettingsStore::Create() {
  std::lock_guard lock(m_mutex);
  if (Status s = Writable(); !s.ok()) return s;
  if (m_exists) return Status::Ok();
  m_exists = true;
  m_dirty = true;
  return Status::Ok();
}

std::optional<SettingsValue> FileSettingsStore::Find(std::string_view name) {
  std::lock_guard lock(m_mutex);
  const SettingsValue* value = m_values.Find(name);
  if (value == nullptr) return std::nullopt;
  return *value;
}

Status FileSettingsStore::Write(SettingsValue value) {
  std::lock_guard lock(m_mutex);
  if (Status s = Writable(); !s.ok()) return s;
  if (!m_exists) return Status::NotFound("settings key");
  if (!IsStorableSettingsName(value.name))
    return Status::InvalidArgument("value name \"" + value.name + "\"");
  const SettingsValue* old = m_values.Find(value.name);
  if (old != nullptr && old->kind == value.kind && old->integer == value.integer &&
      old->bytes == value.bytes) {
    return Status::Ok();
  }
  m_values.Set(std::move(value));
  m_dirty = true;
  return Status::Ok();
}

std::vector<SettingsValue> FileSettingsStore::List() {
  std::lock_guard lock(m_mutex);
  return m_values.values();
}

Status FileSettingsStore::Flush() {
  std::lock_guard lock(m_mutex);
  if (!m_dirty) return Status::Ok();
  if (Status s = Writable(); !s.ok()) return s;
  if (Status s = m_fs.CreateDirectories(FolderOf(m_path)); !s.ok()) return s;
  const std::string text = EncodeRegistryText(m_values.values(), RegistryRoot::kCurrentUser);
  if (Status s = WriteOwnerOnlyFileAtomic(m_fs, m_path, text); !s.ok()) return s;
  m_dirty = false;
  return Status::Ok();
}

Status FileSettingsStore::LoadStatus() {
  std::lock_guard lock(m_mutex);
  return m_loadStatus;
}

std::string FileSettingsStore::SetAsidePath() {
  std::lock_guard lock(m_mutex);
  return m_setAsidePath;
}

}  // namespace brilox
