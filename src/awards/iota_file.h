// IOTA.DAT (also IOTA.RAW and IOTA.BAK): headerless 58-byte records, one per
// reference, 1400 in all, continents in file order (EU, AF, AN, AS, NA, OC,
// SA), record k of a continent is its reference number k.  See
// docs/formats/IOTA.DAT.md.
//
//   0      status character
//   1      prefix length (4 when written)    2..5   DXCC prefix, blank-padded
//   6      name length (50 when written)     7..56  island group name, blank-padded
//   57     award-region mark
//
// The texts are length-prefixed: only the characters the length byte counts
// belong to the text, the rest of the field is filler.  The codec is pure
// (any thread); loading and saving are for the window thread.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "awards/iota_table.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

inline constexpr std::size_t kIotaRecordSize = 58;
inline constexpr std::size_t kIotaStatusOffset = 0;
inline constexpr std::size_t kIotaPrefixLengthOffset = 1;
inline constexpr std::size_t kIotaPrefixOffset = 2;
inline constexpr std::size_t kIotaNameLengthOffset = 6;
inline constexpr std::size_t kIotaNameOffset = 7;
inline constexpr std::size_t kIotaRegionOffset = 57;
inline constexpr std::size_t kIotaFileBytes = kIotaEntryCount * kIotaRecordSize;

static_assert(kIotaPrefixLengthOffset == kIotaStatusOffset + 1);
static_assert(kIotaPrefixOffset == kIotaPrefixLengthOffset + 1);
static_assert(kIotaNameLengthOffset == kIotaPrefixOffset + kIotaPrefixLength);
static_assert(kIotaNameOffset == kIotaNameLengthOffset + 1);
static_assert(kIotaRegionOffset == kIotaNameOffset + kIotaNameLength);
static_assert(kIotaRecordSize == kIotaRegionOffset + 1);
static_assert(kIotaFileBytes == 81200);

inline constexpr char kIotaFileName[] = "IOTA.DAT";
inline constexpr char kIotaRawFileName[] = "IOTA.RAW";
inline constexpr char kIotaBackupFileName[] = "IOTA.BAK";

// One 58-byte record.  The status and the region are upper-cased, the prefix
// and the name cut or blank-padded to their fields, with full length bytes;
// a control character in a text is written as a blank.
std::string EncodeIotaRecord(const IotaEntry& entry);
// The whole table in file order.
std::string EncodeIotaFile(const IotaTable& table);

// Decodes whole records in the order they stand (any number of them).  The
// status and region are upper-cased.  Refuses, naming `file_name`, a size that
// is not a whole number of records and a record that is not of this layout:
// an unknown status or region, a length byte beyond its field, or a control
// character inside a text.
Result<std::vector<IotaEntry>> DecodeIotaRecords(std::string_view bytes, std::string_view file_name);

// Decodes a file of exactly 1400 records into table order; refuses any other
// size and damaged records as above.
Result<IotaTable> DecodeIotaFile(std::string_view bytes, std::string_view file_name = kIotaFileName);

// `LoadIotaTable`: reads IOTA.DAT of `data_folder` into `table`.  A file of
// the wrong size or with a damaged record is refused with a message saying
// which, and the table is left as it was.
Status LoadIotaTable(FileSystem& fs, const std::string& data_folder, IotaTable& table);

// `SaveIotaTable`: normalises every entry in the table (status and region
// upper-cased, prefix padded to 4, name to 50, both cut when longer, control
// characters blanked) and writes the table in file order.  An entry whose
// status or region the loader would refuse stops the save before anything is
// written, naming the reference.  The new file is flushed beside IOTA.DAT
// before IOTA.DAT becomes IOTA.BAK and the new file takes its place, so a
// failure or crash leaves a complete old or new IOTA.DAT (start-up finishes
// an interrupted rotation).  The caller clears its change marks on success.
Status SaveIotaTable(FileSystem& fs, const std::string& data_folder, IotaTable& table);

}  // namespace brilox
