#include "awards/iota_conversion.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace brilox {
namespace {

constexpr char kRawMissing[] = "IOTA.RAW is missing, IOTA database conversion failed !";
constexpr char kRawWrongSize[] = "IOTA.RAW must be 81200 bytes in size !";
constexpr char kRawUnreadable[] = "Error opening IOTA.RAW !";
constexpr char kDosExists[] = "A backup file IOTA.DOS already exists, remove it first !";
constexpr char kDosRenameFailed[] = "Unable to rename the old IOTA.DAT to IOTA.DOS, conversion failed !";
constexpr char k199Exists[] = "A backup file IOTA.199 already exists, remove it first !";
constexpr char k199RenameFailed[] = "Unable to rename the old IOTA.DAT to IOTA.199, conversion impossible.";
constexpr char kWriteFailed[] = "Unable to write the converted IOTA.DAT, conversion failed !";
constexpr char kPlaceFailed[] = "Unable to put the converted IOTA.DAT in place, conversion failed !";

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Hex(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

// One reference of the new file: its continent's place in the file order,
// its number, and its position in the old file when it had one (else -1).
struct Slot {
  std::size_t file_continent;
  int number;
  int old_position;
};

// Calls `make` for every reference in file order and puts what it returns
// into the table, noting the last issued numbers on the way.  Stops at the
// first failure `make` reports.
Result<ConvertedIota> Convert(const std::function<Result<IotaEntry>(const Slot&)>& make) {
  ConvertedIota converted;
  int old_position = 0;
  for (std::size_t c = 0; c < kIotaFileContinentOrder.size(); ++c) {
    const int continent = kIotaFileContinentOrder[c];
    const int old_count = kIotaOldCounts[c];
    int& last = converted.last_numbers[c];
    for (int number = 1; number <= IotaContinentAt(continent).capacity; ++number) {
      const bool added = number > old_count;
      Result<IotaEntry> entry = make(Slot{c, number, added ? -1 : old_position++});
      if (!entry.ok()) return entry.status();
      if (entry->IsIssued() && !(added && entry->IsWithdrawn())) last = std::max(last, number);
      converted.table.entry(IotaTableIndex(continent, number)) = std::move(entry).value();
    }
  }
  return converted;
}

// The reference file, refused with the fixed texts unless it is whole.
Result<IotaTable> ReadReferenceFile(FileSystem& fs, const std::string& path) {
  if (!fs.Exists(path) || fs.IsDirectory(path)) return Status::NotFound(kRawMissing);
  Result<std::string> bytes = fs.ReadFile(path);
  if (!bytes.ok()) return Status::Io(kRawUnreadable);
  if (bytes->size() != kIotaFileBytes) return Status::Corrupt(kRawWrongSize);
  Result<IotaTable> table = DecodeIotaFile(*bytes, kIotaRawFileName);
  if (!table.ok())
    return Status::Corrupt(std::string(kRawUnreadable) + " (" + table.status().context() + ")");
  return table;
}

Result<std::string> ReadOldFile(FileSystem& fs, const std::string& path, std::size_t size) {
  Result<std::string> bytes = fs.ReadFile(path);
  if (!bytes.ok()) {
    return Status::Io(std::string("Unable to read ") + kIotaFileName + ": " + bytes.status().ToString());
  }
  if (bytes->size() != size) {
    return Status::Corrupt(std::string(kIotaFileName) + " is " + std::to_string(bytes->size()) +
                           " bytes long, not the " + std::to_string(size) + " of its older layout");
  }
  return bytes;
}

// The new file is flushed under a temporary name before the old one is
// renamed, so every failure leaves the old database in place or kept.
Status PutInPlace(FileSystem& fs, const std::string& dat, const std::string& kept, const IotaTable& table,
                  const char* rename_failed) {
  const std::string temporary = dat + ".tmp";
  if (!fs.WriteFile(temporary, EncodeIotaFile(table)).ok()) {
    (void)fs.Remove(temporary);
    return Status::Io(kWriteFailed);
  }
  if (!fs.Rename(dat, kept).ok()) {
    (void)fs.Remove(temporary);
    return Status::Io(rename_failed);
  }
  // Should this last step fail, start-up finds IOTA.DAT missing beside the
  // complete temporary file and puts it in place.
  if (!fs.Rename(temporary, dat).ok()) return Status::Io(kPlaceFailed);
  return Status::Ok();
}

}  // namespace

Result<ConvertedIota> ConvertIotaStatuses(std::string_view old_statuses, const IotaTable& reference) {
  if (old_statuses.size() != kIotaOldStatusFileBytes) {
    return Status::InvalidArgument("the older status layout holds " +
                                   std::to_string(kIotaOldStatusFileBytes) + " bytes, not " +
                                   std::to_string(old_statuses.size()));
  }
  return Convert([&](const Slot& slot) -> Result<IotaEntry> {
    const int index = IotaTableIndex(kIotaFileContinentOrder[slot.file_continent], slot.number);
    IotaEntry entry = reference.entry(index);
    if (slot.old_position < 0) return entry;
    const char status = Upper(old_statuses[static_cast<std::size_t>(slot.old_position)]);
    if (!IsIotaStatus(status)) {
      return Status::Corrupt(std::string(kIotaFileName) + " byte " + std::to_string(slot.old_position + 1) +
                             " (" + IotaReferenceText(index) + ") is " +
                             Hex(static_cast<unsigned char>(status)) +
                             ", which is no status; conversion failed !");
    }
    entry.status = status;
    return entry;
  });
}

Result<ConvertedIota> ConvertIotaRecords(std::string_view old_records, const IotaTable* reference) {
  if (old_records.size() != kIotaOldRecordFileBytes) {
    return Status::InvalidArgument("the older record layout holds " +
                                   std::to_string(kIotaOldRecordFileBytes) + " bytes, not " +
                                   std::to_string(old_records.size()));
  }
  Result<std::vector<IotaEntry>> old = DecodeIotaRecords(old_records, kIotaFileName);
  if (!old.ok()) return Status::Corrupt(old.status().context() + "; conversion impossible.");
  return Convert([&](const Slot& slot) -> Result<IotaEntry> {
    IotaEntry entry;
    if (slot.old_position >= 0) entry = (*old)[static_cast<std::size_t>(slot.old_position)];
    if (reference != nullptr) {
      const IotaEntry& fresh =
          reference->entry(IotaTableIndex(kIotaFileContinentOrder[slot.file_continent], slot.number));
      entry.dxccPrefix = fresh.dxccPrefix;
      entry.name = fresh.name;
      entry.region = fresh.region;
    }
    return entry;
  });
}

Result<IotaLastNumbers> ConvertIotaStatusFile(FileSystem& fs, const std::string& data_folder) {
  Result<IotaTable> reference = ReadReferenceFile(fs, JoinPath(data_folder, kIotaRawFileName));
  if (!reference.ok()) return reference.status();
  const std::string dat = JoinPath(data_folder, kIotaFileName);
  Result<std::string> old = ReadOldFile(fs, dat, kIotaOldStatusFileBytes);
  if (!old.ok()) return old.status();
  Result<ConvertedIota> converted = ConvertIotaStatuses(*old, *reference);
  if (!converted.ok()) return converted.status();
  const std::string kept = JoinPath(data_folder, kIotaStatusLayoutKeptName);
  if (fs.Exists(kept)) return Status::InvalidArgument(kDosExists);
  if (Status s = PutInPlace(fs, dat, kept, converted->table, kDosRenameFailed); !s.ok()) return s;
  return converted->last_numbers;
}

Result<IotaLastNumbers> ConvertIotaRecordFile(FileSystem& fs, const std::string& data_folder) {
  // The reference file improves the conversion but is not needed for it.
  Result<IotaTable> reference = ReadReferenceFile(fs, JoinPath(data_folder, kIotaRawFileName));
  const std::string dat = JoinPath(data_folder, kIotaFileName);
  Result<std::string> old = ReadOldFile(fs, dat, kIotaOldRecordFileBytes);
  if (!old.ok()) return old.status();
  Result<ConvertedIota> converted = ConvertIotaRecords(*old, reference.ok() ? &reference.value() : nullptr);
  if (!converted.ok()) return converted.status();
  const std::string kept = JoinPath(data_folder, kIotaRecordLayoutKeptName);
  if (fs.Exists(kept)) return Status::InvalidArgument(k199Exists);
  if (Status s = PutInPlace(fs, dat, kept, converted->table, k199RenameFailed); !s.ok()) return s;
  return converted->last_numbers;
}

}  // namespace brilox
