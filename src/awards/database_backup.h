// `SaveDBClick` (menu "Backup IOTA+DXCC DB"): copies DXCC.DAT and IOTA.DAT of
// the data folder into a folder the operator has chosen (the window asks for
// it, titled with kTextChooseBackupFolder).  Window thread only.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "core/language_text_table.h"

namespace brilox {

// Copies both files, each written whole and flushed before it takes its name
// in the destination, so a failed copy never leaves half a backup under the
// real name.  Every failure is reported (the backup text, the file and the
// cause) and ends the action; only when both copies are complete does the
// operator hear that the backup is done.
Status BackupDatabases(FileSystem& fs, const std::string& data_folder, const std::string& destination_folder,
                       MessageBox& box, const LanguageTextTable& texts);

}  // namespace brilox
