#include "platform/settings_store.h"

namespace brilox {
namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

Status KindMismatch(std::string_view name, const char* wanted) {
  return Status::Corrupt(std::string(name) + ": not " + wanted);
}

}  // namespace

SettingsValue SettingsValue::Integer(std::string name, std::int32_t value) {
  return {std::move(name), SettingsKind::kInteger, value, {}};
}
SettingsValue SettingsValue::String(std::string name, std::string text) {
  return {std::move(name), SettingsKind::kString, 0, std::move(text)};
}
SettingsValue SettingsValue::Binary(std::string name, std::string bytes) {
  return {std::move(name), SettingsKind::kBinary, 0, std::move(bytes)};
}

bool SameSettingsName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

const SettingsValue* SettingsValueList::Find(std::string_view name) const {
  for (const SettingsValue& value : m_values) {
    if (SameSettingsName(value.name, name)) return &value;
  }
  return nullptr;
}

void SettingsValueList::Set(SettingsValue value) {
  for (SettingsValue& existing : m_values) {
    if (SameSettingsName(existing.name, value.name)) {
      value.name = std::move(existing.name);
      existing = std::move(value);
      return;
    }
  }
  m_values.push_back(std::move(value));
}

Result<std::int32_t> SettingsStore::ReadInteger(std::string_view name) {
  std::optional<SettingsValue> value = Find(name);
  if (!value) return Status::NotFound(std::string(name));
  if (value->kind != SettingsKind::kInteger) return KindMismatch(name, "an Integer");
  return value->integer;
}

Result<std::string> SettingsStore::ReadString(std::string_view name) {
  std::optional<SettingsValue> value = Find(name);
  if (!value) return Status::NotFound(std::string(name));
  if (value->kind != SettingsKind::kString) return KindMismatch(name, "a String");
  return std::move(value->bytes);
}

Result<std::string> SettingsStore::ReadBinary(std::string_view name) {
  std::optional<SettingsValue> value = Find(name);
  if (!value) return Status::NotFound(std::string(name));
  if (value->kind != SettingsKind::kBinary) return KindMismatch(name, "Binary");
  return std::move(value->bytes);
}

Status SettingsStore::WriteInteger(std::string_view name, std::int32_t value) {
  return Write(SettingsValue::Integer(std::string(name), value));
}
Status SettingsStore::WriteString(std::string_view name, std::string_view text) {
  return Write(SettingsValue::String(std::string(name), std::string(text)));
}
Status SettingsStore::WriteBinary(std::string_view name, std::string_view bytes) {
  return Write(SettingsValue::Binary(std::string(name), std::string(bytes)));
}

MemorySettingsStore::MemorySettingsStore(std::vector<SettingsValue> values) : m_exists(true) {
  for (SettingsValue& value : values) m_values.Set(std::move(value));
}

bool MemorySettingsStore::Exists() {
  std::lock_guard lock(m_mutex);
  return m_exists;
}

Status MemorySettingsStore::Create() {
  std::lock_guard lock(m_mutex);
  if (m_unusable) return Status::Io("settings key cannot be opened");
  m_exists = true;
  return Status::Ok();
}

std::optional<SettingsValue> MemorySettingsStore::Find(std::string_view name) {
  std::lock_guard lock(m_mutex);
  const SettingsValue* value = m_values.Find(name);
  if (value == nullptr) return std::nullopt;
  return *value;
}

Status MemorySettingsStore::Write(SettingsValue value) {
  std::lock_guard lock(m_mutex);
  if (m_unusable) return Status::Io("settings key cannot be opened");
  if (!m_exists) return Status::NotFound("settings key");
  m_written.push_back(value.name);
  m_values.Set(std::move(value));
  return Status::Ok();
}

std::vector<SettingsValue> MemorySettingsStore::List() {
  std::lock_guard lock(m_mutex);
  return m_values.values();
}

void MemorySettingsStore::SetUnusable(bool unusable) {
  std::lock_guard lock(m_mutex);
  m_unusable = unusable;
}

std::vector<std::string> MemorySettingsStore::WrittenNames() {
  std::lock_guard lock(m_mutex);
  return m_written;
}

void MemorySettingsStore::ClearWrittenNames() {
  std::lock_guard lock(m_mutex);
  m_written.clear();
}

}  // namespace brilox
