// Builders of IOTA.DAT records and tables for the IOTA tests.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "awards/dxcc_table.h"
#include "awards/iota_file.h"
#include "awards/iota_table.h"

namespace brilox {

// Failure messages show an entry as its fields.
inline void PrintTo(const IotaEntry& entry, std::ostream* os) {
  *os << "{'" << entry.status << "', \"" << entry.dxccPrefix << "\", \"" << entry.name << "\", '"
      << entry.region << "'}";
}

}  // namespace brilox

namespace brilox::testing {

// One 58-byte record written byte by byte: status, prefix length byte and 4
// bytes, name length byte and 50 bytes, region.  Bytes past a text's length
// are `filler`.
inline std::string IotaRecord(char status, std::string_view prefix, std::string_view name, char region,
                              char filler = ' ') {
  std::string record;
  record += status;
  record += static_cast<char>(prefix.size());
  record += std::string(prefix) + std::string(4 - prefix.size(), filler);
  record += static_cast<char>(name.size());
  record += std::string(name) + std::string(50 - name.size(), filler);
  record += region;
  return record;
}

inline IotaEntry IotaEntryOf(char status, std::string_view prefix, std::string_view name, char region = ' ') {
  return IotaEntry{status, PadText(prefix, kIotaPrefixLength), PadText(name, kIotaNameLength), region};
}

// A reference table whose every entry names itself ("EU-005 group", prefix
// "P455"), each status "-".
inline IotaTable NamedReferenceTable() {
  IotaTable table;
  for (int index = 1; index <= kIotaEntryCount; ++index) {
    table.entry(index) = IotaEntryOf('-', "P" + std::to_string(index), IotaReferenceText(index) + " group");
  }
  return table;
}

}  // namespace brilox::testing
