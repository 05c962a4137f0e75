#include "awards/iota_file.h"

#include <cstdio>
#include <utility>

#include "awards/dxcc_table.h"

namespace brilox {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Hex(unsigned char byte) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", byte);
  return text;
}

bool IsPrefixByte(unsigned char byte) { return byte >= 0x20 && byte <= 0x7E; }
// Names may hold the Western code page's accented letters.
bool IsNameByte(unsigned char byte) { return byte >= 0x20 && byte != 0x7F; }

unsigned char ByteAt(std::string_view record, std::size_t offset) {
  return static_cast<unsigned char>(record[offset]);
}

// What is wrong with a length-prefixed text field, or empty.
std::string TextFault(std::string_view record, std::size_t length_offset, std::size_t capacity,
                      bool (*is_text_byte)(unsigned char), const char* field) {
  const unsigned length = ByteAt(record, length_offset);
  if (length > capacity) {
    return std::string("its ") + field + " length byte is " + std::to_string(length) + ", more than " +
           std::to_string(capacity);
  }
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = ByteAt(record, length_offset + 1 + i);
    if (!is_text_byte(byte)) return std::string("its ") + field + " holds the byte " + Hex(byte);
  }
  return {};
}

// What is wrong with a record, or empty when it is of this layout.
std::string RecordFault(std::string_view record) {
  const unsigned char status = ByteAt(record, kIotaStatusOffset);
  if (!IsIotaStatus(Upper(static_cast<char>(status)))) return "its status byte is " + Hex(status);
  std::string fault = TextFault(record, kIotaPrefixLengthOffset, kIotaPrefixLength, IsPrefixByte, "prefix");
  if (fault.empty()) fault = TextFault(record, kIotaNameLengthOffset, kIotaNameLength, IsNameByte, "name");
  if (!fault.empty()) return fault;
  const unsigned char region = ByteAt(record, kIotaRegionOffset);
  if (!IsIotaRegion(Upper(static_cast<char>(region)))) return "its region byte is " + Hex(region);
  return {};
}

// A text cut or blank-padded to its field, with the bytes the field cannot
// hold (control characters) read as blanks.
std::string TextForField(std::string_view text, std::size_t length, bool (*is_text_byte)(unsigned char)) {
  std::string field = PadText(text, length);
  for (char& c : field) {
    if (!is_text_byte(static_cast<unsigned char>(c))) c = ' ';
  }
  return field;
}

IotaEntry DecodeRecord(std::string_view record) {
  IotaEntry entry;
  entry.status = Upper(record[kIotaStatusOffset]);
  entry.dxccPrefix = std::string(record.substr(kIotaPrefixOffset, ByteAt(record, kIotaPrefixLengthOffset)));
  entry.name = std::string(record.substr(kIotaNameOffset, ByteAt(record, kIotaNameLengthOffset)));
  entry.region = Upper(record[kIotaRegionOffset]);
  return entry;
}

}  // namespace

std::string EncodeIotaRecord(const IotaEntry& entry) {
  std::string record(kIotaRecordSize, ' ');
  record[kIotaStatusOffset] = Upper(entry.status);
  record[kIotaPrefixLengthOffset] = static_cast<char>(kIotaPrefixLength);
  record.replace(kIotaPrefixOffset, kIotaPrefixLength,
                 TextForField(entry.dxccPrefix, kIotaPrefixLength, IsPrefixByte));
  record[kIotaNameLengthOffset] = static_cast<char>(kIotaNameLength);
  record.replace(kIotaNameOffset, kIotaNameLength, TextForField(entry.name, kIotaNameLength, IsNameByte));
  record[kIotaRegionOffset] = Upper(entry.region);
  return record;
}

std::string EncodeIotaFile(const IotaTable& table) {
  std::string bytes;
  bytes.reserve(kIotaFileBytes);
  for (int record = 1; record <= kIotaEntryCount; ++record) {
    bytes += EncodeIotaRecord(table.entry(IotaIndexOfFileRecord(record)));
  }
  return bytes;
}

Result<std::vector<IotaEntry>> DecodeIotaRecords(std::string_view bytes, std::string_view file_name) {
  const std::string name(file_name);
  if (bytes.size() % kIotaRecordSize != 0) {
    return Status::Corrupt(name + " is " + std::to_string(bytes.size()) +
                           " bytes long, which is not a whole number of " + std::to_string(kIotaRecordSize) +
                           "-byte records");
  }
  const std::size_t count = bytes.size() / kIotaRecordSize;
  std::vector<IotaEntry> entries;
  entries.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    const std::string_view record = bytes.substr(k * kIotaRecordSize, kIotaRecordSize);
    if (std::string fault = RecordFault(record); !fault.empty()) {
      return Status::Corrupt(name + " record " + std::to_string(k + 1) + " is damaged: " + fault);
    }
    entries.push_back(DecodeRecord(record));
  }
  return entries;
}

Result<IotaTable> DecodeIotaFile(std::string_view bytes, std::string_view file_name) {
  if (bytes.size() != kIotaFileBytes) {
    return Status::Corrupt(std::string(file_name) + " is " + std::to_string(bytes.size()) +
                           " bytes long; it should be " + std::to_string(kIotaFileBytes) + " (" +
                           std::to_string(kIotaEntryCount) + " records of " +
                           std::to_string(kIotaRecordSize) + " bytes)");
  }
  Result<std::vector<IotaEntry>> records = DecodeIotaRecords(bytes, file_name);
  if (!records.ok()) return records.status();
  IotaTable table;
  for (int record = 1; record <= kIotaEntryCount; ++record) {
    table.entry(IotaIndexOfFileRecord(record)) = std::move((*records)[static_cast<std::size_t>(record - 1)]);
  }
  return table;
}

Status LoadIotaTable(FileSystem& fs, const std::string& data_folder, IotaTable& table) {
  Result<std::string> bytes = fs.ReadFile(JoinPath(data_folder, kIotaFileName));
  if (!bytes.ok()) {
    return Status::Io(std::string("Unable to read ") + kIotaFileName + ": " + bytes.status().ToString());
  }
  Result<IotaTable> loaded = DecodeIotaFile(*bytes, kIotaFileName);
  if (!loaded.ok()) return loaded.status();
  table = std::move(loaded).value();
  return Status::Ok();
}

Status SaveIotaTable(FileSystem& fs, const std::string& data_folder, IotaTable& table) {
  for (int index = 1; index <= kIotaEntryCount; ++index) {
    IotaEntry& entry = table.entry(index);
    entry.status = Upper(entry.status);
    entry.region = Upper(entry.region);
    entry.dxccPrefix = TextForField(entry.dxccPrefix, kIotaPrefixLength, IsPrefixByte);
    entry.name = TextForField(entry.name, kIotaNameLength, IsNameByte);
  }
  // A status or region that the next start would refuse is not written over
  // a good file.
  for (int index = 1; index <= kIotaEntryCount; ++index) {
    const IotaEntry& entry = table.entry(index);
    if (!IsIotaStatus(entry.status) || !IsIotaRegion(entry.region)) {
      return Status::InvalidArgument(std::string("Unable to save ") + kIotaFileName + ": " +
                                     IotaReferenceText(index) + " has the status " +
                                     Hex(static_cast<unsigned char>(entry.status)) + " and the region " +
                                     Hex(static_cast<unsigned char>(entry.region)));
    }
  }
  const Status written = ReplaceWithBackup(fs, JoinPath(data_folder, kIotaFileName),
                                           JoinPath(data_folder, kIotaBackupFileName), EncodeIotaFile(table));
  if (!written.ok()) {
    return Status::Io(std::string("Unable to save ") + kIotaFileName + ": " + written.ToString());
  }
  return Status::Ok();
}

}  // namespace brilox
