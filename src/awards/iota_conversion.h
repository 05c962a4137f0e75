// The one-time conversion at start-up of an IOTA.DAT of an older layout into
// the current 1400-record file.  Older files knew fewer references: 1200, in
// the same continent order (EU, AF, AN, AS, NA, OC, SA) with 180, 135, 50,
// 200, 250, 285 and 100 per continent.  Two layouts were used:
//
//   69600 bytes  1200 records of the current 58-byte layout;
//   1200 bytes   one status byte per reference, everything else coming from
//                the reference file IOTA.RAW.
//
// The old file is kept (IOTA.199 and IOTA.DOS respectively) and never
// overwritten.  Each conversion also works out the last issued number of
// every continent, which the caller stores with the settings.  The pure
// functions run on any thread; the file steps on the window thread, once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "awards/iota_file.h"
#include "awards/iota_table.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

inline constexpr int kIotaOldEntryCount = 1200;
// References per continent in the older files, in file order.
inline constexpr std::array<int, kIotaContinentCount> kIotaOldCounts = {180, 135, 50, 200, 250, 285, 100};
inline constexpr std::size_t kIotaOldRecordFileBytes = kIotaOldEntryCount * kIotaRecordSize;
inline constexpr std::size_t kIotaOldStatusFileBytes = kIotaOldEntryCount;
static_assert(kIotaOldRecordFileBytes == 69600);

inline constexpr char kIotaStatusLayoutKeptName[] = "IOTA.DOS";
inline constexpr char kIotaRecordLayoutKeptName[] = "IOTA.199";

struct ConvertedIota {
  IotaTable table;
  // Per continent in file order: the highest number among the old references
  // that carry a name, and among the added ones that carry a name that does
  // not mark them withdrawn.
  IotaLastNumbers last_numbers{};
};

// The 1200-byte layout: every reference is the IOTA.RAW entry; the old ones
// take their status from the old file.  Refuses a byte that is no status.
Result<ConvertedIota> ConvertIotaStatuses(std::string_view old_statuses, const IotaTable& reference);

// The 69600-byte layout: the old references keep their records, the added
// ones start blank.  With a reference table, every entry takes its prefix,
// name and region from it and keeps its own status.
Result<ConvertedIota> ConvertIotaRecords(std::string_view old_records, const IotaTable* reference);

// The file steps.  Both check everything they need before they touch a file,
// write the new IOTA.DAT beside the old one and flush it, then rename the old
// file to its kept name and the new one into place, so that a failure or a
// crash leaves the old database whole (start-up finishes an interrupted
// rotation).  A failure's context is the text to show before the program
// stops.  On success the last issued numbers come back for the settings.
Result<IotaLastNumbers> ConvertIotaStatusFile(FileSystem& fs, const std::string& data_folder);
Result<IotaLastNumbers> ConvertIotaRecordFile(FileSystem& fs, const std::string& data_folder);

}  // namespace brilox
