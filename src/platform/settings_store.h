// The per-user settings key: named, typed values in the manner of a registry
// key.  Three kinds exist: Integer (REG_DWORD), String (REG_SZ) and Binary
// (REG_BINARY).  Names are compared without regard to ASCII letter case and
// keep the spelling they were first written with; values are listed in the
// order they were first written, which is the order a settings export shows.
//
// Threads: any.  Every call takes the store's lock, and what a call returns
// is a copy, so the window thread and the downloader (which writes the date
// of the last LoTW download) may share one store.
//
// Failure: reads of a missing value or of a value of another kind report
// NotFound or Corrupt and change nothing.  Writes go to the key in memory and
// become durable at Flush; a store that cannot be written (read-only, or its
// file unusable) refuses Create, Write and Flush with a Status and keeps what
// it holds.  No call throws.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace brilox {

enum class SettingsKind { kInteger, kString, kBinary };

struct SettingsValue {
  std::string name;
  SettingsKind kind = SettingsKind::kInteger;
  std::int32_t integer = 0;  // kInteger
  std::string bytes;         // the text of a kString, the bytes of a kBinary

  static SettingsValue Integer(std::string name, std::int32_t value);
  static SettingsValue String(std::string name, std::string text);
  static SettingsValue Binary(std::string name, std::string bytes);
  bool operator==(const SettingsValue&) const = default;
};

// True when two value names are equal apart from ASCII letter case.
bool SameSettingsName(std::string_view a, std::string_view b);

// The values of one key in listing order, looked up by name without regard
// to case.  Not locked: the stores below guard their own list.
class SettingsValueList {
 public:
  const SettingsValue* Find(std::string_view name) const;
  // Replaces the value of that name in place, keeping its listed spelling and
  // position, or appends it.
  void Set(SettingsValue value);
  const std::vector<SettingsValue>& values() const { return m_values; }
  bool empty() const { return m_values.empty(); }

 private:
  std::vector<SettingsValue> m_values;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // Whether the settings key exists.
  virtual bool Exists() = 0;
  // Opens the key for writing, creating it when it is missing.  Fails for a
  // store that cannot be written.
  virtual Status Create() = 0;
  virtual std::optional<SettingsValue> Find(std::string_view name) = 0;
  // Sets a value.  The key must exist (NotFound otherwise).
  virtual Status Write(SettingsValue value) = 0;
  // Every value, in listing order.
  virtual std::vector<SettingsValue> List() = 0;
  // Makes every write so far durable.
  virtual Status Flush() = 0;

  // Typed reads: NotFound when missing, Corrupt when stored as another kind.
  Result<std::int32_t> ReadInteger(std::string_view name);
  Result<std::string> ReadString(std::string_view name);
  Result<std::string> ReadBinary(std::string_view name);
  Status WriteInteger(std::string_view name, std::int32_t value);
  Status WriteString(std::string_view name, std::string_view text);
  Status WriteBinary(std::string_view name, std::string_view bytes);
};

// A store held in memory only: the tests' settings key, and the shape the
// file store keeps between its reads and writes.
class MemorySettingsStore : public SettingsStore {
 public:
  MemorySettingsStore() = default;
  // A store whose key exists with these values.
  explicit MemorySettingsStore(std::vector<SettingsValue> values);

  bool Exists() override;
  Status Create() override;
  std::optional<SettingsValue> Find(std::string_view name) override;
  Status Write(SettingsValue value) override;
  std::vector<SettingsValue> List() override;
  Status Flush() override { return Status::Ok(); }

  // Test controls: an unusable key refuses Create and Write, as a key that
  // cannot be opened does.
  void SetUnusable(bool unusable);
  // The names written so far, in order, one entry per write.
  std::vector<std::string> WrittenNames();
  void ClearWrittenNames();

 private:
  std::mutex m_mutex;
  bool m_exists = false;
  bool m_unusable = false;
  SettingsValueList m_values;
  std::vector<std::string> m_written;
};

}  // namespace brilox
