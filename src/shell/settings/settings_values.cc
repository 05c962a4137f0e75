#include "shell/settings/settings_values.h"

#include "shell/settings/settings_encoding.h"

namespace brilox {

std::int32_t ReadIntegerOrCreate(SettingsStore& store, std::string_view name, std::int32_t fallback) {
  Result<std::int32_t> value = store.ReadInteger(name);
  if (value.ok()) return *value;
  (void)store.WriteInteger(name, fallback);
  return fallback;
}

bool ReadBooleanOrCreate(SettingsStore& store, std::string_view name, bool fallback) {
  return ReadIntegerOrCreate(store, name, fallback ? 1 : 0) != 0;
}

double ReadFloatOrCreate(SettingsStore& store, std::string_view name, double fallback) {
  Result<std::string> bytes = store.ReadBinary(name);
  if (bytes.ok()) {
    if (std::optional<double> value = DecodeFloat(*bytes)) return *value;
  }
  WriteFloat(store, name, fallback);
  return fallback;
}

std::string ReadText(SettingsStore& store, std::string_view name, std::size_t max_length) {
  Result<std::string> text = store.ReadString(name);
  if (!text.ok()) return {};
  if (text->size() > max_length) text->resize(max_length);
  return std::move(*text);
}

std::string ReadTextOrCreate(SettingsStore& store, std::string_view name, std::string_view fallback) {
  Result<std::string> text = store.ReadString(name);
  if (text.ok()) return std::move(*text);
  (void)store.WriteString(name, fallback);
  return std::string(fallback);
}

std::optional<std::string> ReadCode(SettingsStore& store, std::string_view name, std::size_t length) {
  Result<std::string> bytes = store.ReadBinary(name);
  if (!bytes.ok() || bytes->size() != length) return std::nullopt;
  return std::move(*bytes);
}

void WriteBoolean(SettingsStore& store, std::string_view name, bool value) {
  (void)store.WriteInteger(name, value ? 1 : 0);
}

void WriteFloat(SettingsStore& store, std::string_view name, double value) {
  (void)store.WriteBinary(name, EncodeFloat(value));
}

}  // namespace brilox
