// The DXCC.DAT record layout (also DXCC.RAW and DXCC.BAK): headerless
// 44-byte records, one per table row in table order; the row count is the
// file size divided by 44.  See docs/formats/DXCC.DAT.md.
//
//   0..3   prefix, blank-padded          24..38 paper states as characters,
//   4..23  name, blank-padded                   file order below
//   39..42 LoTW states, four 2-bit codes per byte, file order below
//   43     60 m: bits 0-1 paper, bits 2-3 LoTW
//
// The file order differs from the column order: 60 m sits in byte 43, and
// "SAT" comes before "2" (bytes 37/38, bits 4-5/6-7 of byte 42).  Codes:
// 0 "-", 1 "W", 2 "C", 3 "A".  Pure functions; any thread.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "awards/dxcc_table.h"
#include "platform/result.h"

namespace brilox {

inline constexpr std::size_t kDxccRecordSize = 44;
inline constexpr std::size_t kDxccPrefixOffset = 0;
inline constexpr std::size_t kDxccNameOffset = 4;
inline constexpr std::size_t kDxccPaperOffset = 24;
inline constexpr std::size_t kDxccPaperBytes = 15;
inline constexpr std::size_t kDxccLotwOffset = 39;
inline constexpr std::size_t kDxccLotwBytes = 4;
inline constexpr std::size_t kDxcc60mOffset = 43;
inline constexpr std::size_t kDxccPaper2mOffset = 38;  // a blank here reads as "-"

static_assert(kDxccNameOffset == kDxccPrefixOffset + kDxccPrefixLength);
static_assert(kDxccPaperOffset == kDxccNameOffset + kDxccNameLength);
static_assert(kDxccLotwOffset == kDxccPaperOffset + kDxccPaperBytes);
static_assert(kDxcc60mOffset == kDxccLotwOffset + kDxccLotwBytes);
static_assert(kDxccRecordSize == kDxcc60mOffset + 1);
static_assert(kDxccPaper2mOffset == kDxccPaperOffset + kDxccPaperBytes - 1);

// The columns of the paper bytes 24..38, in file order (60 m is not among them).
inline constexpr std::array<DxccColumn, kDxccPaperBytes> kDxccPaperFileOrder = {
    DxccColumn::kCw,  DxccColumn::kSsb, DxccColumn::kDigital, DxccColumn::k160, DxccColumn::k80,
    DxccColumn::k40,  DxccColumn::k30,  DxccColumn::k20,      DxccColumn::k17,  DxccColumn::k15,
    DxccColumn::k12,  DxccColumn::k10,  DxccColumn::k6,       DxccColumn::kSatellite, DxccColumn::k2};

// The LoTW columns of bytes 39..42, four 2-bit fields per byte from bit 0;
// byte 39 has three (its bits 6-7 are zero).
inline constexpr int kDxccNoColumn = -1;
inline constexpr std::array<std::array<int, 4>, kDxccLotwBytes> kDxccLotwFileOrder = {{
    {static_cast<int>(DxccColumn::kCw), static_cast<int>(DxccColumn::kSsb), static_cast<int>(DxccColumn::kDigital),
     kDxccNoColumn},
    {static_cast<int>(DxccColumn::k160), static_cast<int>(DxccColumn::k80), static_cast<int>(DxccColumn::k40),
     static_cast<int>(DxccColumn::k30)},
    {static_cast<int>(DxccColumn::k20), static_cast<int>(DxccColumn::k17), static_cast<int>(DxccColumn::k15),
     static_cast<int>(DxccColumn::k12)},
    {static_cast<int>(DxccColumn::k10), static_cast<int>(DxccColumn::k6), static_cast<int>(DxccColumn::kSatellite),
     static_cast<int>(DxccColumn::k2)},
}};

// 2-bit code of a state: "W" 1, "C" 2, "A" 3, anything else 0.
unsigned StateCode(char state);
char StateFromCode(unsigned code);

// One 44-byte record of a row; the prefix and name are padded or cut, the
// paper states upper-cased.
std::string EncodeDxccRecord(const DxccEntry& entry);
// The whole file: one record per row.
std::string EncodeDxccFile(const DxccTable& table);

// Decodes a whole file.  Refuses, naming `file_name` in the message, a size
// that is not a whole number of records, more than 400 records, and records
// whose prefix, name or paper bytes are not text of this layout.  A file whose
// LoTW bytes are blank in every record predates LoTW: all its LoTW states
// read as "-".
Result<std::vector<DxccEntry>> DecodeDxccFile(std::string_view bytes, std::string_view file_name = "DXCC.DAT");

}  // namespace brilox
