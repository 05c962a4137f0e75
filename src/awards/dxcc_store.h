// DXCC.DAT on disk: creating it from the delivered DXCC.RAW at start-up,
// loading it into the table and saving the table back crash-safely with the
// previous file kept as DXCC.BAK.  Window thread only.
#pragma once

#include <string>

#include "awards/dxcc_table.h"
#include "platform/file_system.h"
#include "platform/result.h"

namespace brilox {

inline constexpr char kDxccFileName[] = "DXCC.DAT";
inline constexpr char kDxccRawFileName[] = "DXCC.RAW";
inline constexpr char kDxccBackupFileName[] = "DXCC.BAK";

// Start-up: makes sure DXCC.DAT exists in `data_folder`.  A save that a crash
// interrupted between its two renames is finished first (the flushed new file
// becomes DXCC.DAT), so that the delivered DXCC.RAW never replaces the
// operator's database.  Otherwise DXCC.RAW is renamed to DXCC.DAT.  Fails
// with the exact message start-up shows before it stops the program.
Status OpenDxccFile(FileSystem& fs, const std::string& data_folder);

// Reads DXCC.DAT into `table`, replacing its rows and clearing the marks and
// the pending sort.  A file of the wrong size, of more than 400 records or
// with damaged records is refused with a message saying which, and the table
// is left as it was.
Status LoadDxccTable(FileSystem& fs, const std::string& data_folder, DxccTable& table);

// `SauveDXCC`: sorts the table when a sort is pending, drops the unfilled row
// that the sort brings to the top, pads prefixes and names in the table, and
// writes every row.  The new file is written and flushed beside DXCC.DAT
// before DXCC.DAT becomes DXCC.BAK and the new file takes its place, so a
// failure or crash at any step leaves a complete old or new DXCC.DAT (see
// OpenDxccFile).  On success the pending sort and the change marks are
// cleared; on failure they stay, so that the changes are not forgotten.
Status SauveDXCC(FileSystem& fs, const std::string& data_folder, DxccTable& table);

}  // namespace brilox
