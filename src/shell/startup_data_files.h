// The data files that start-up provides in the data folder, the fixed texts
// it stops the program with, and the copy of the delivered master files from
// the program folder into the data folder.
//
// A ".RAW" file is a fresh copy delivered with the program; it becomes the
// ".DAT" file of the same name by renaming.  Window thread.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace brilox {

inline constexpr char kDxInfoFile[] = "DXINFO.DAT";
inline constexpr char kWwvInfoFile[] = "WWVINFO.DAT";
inline constexpr char kAnnInfoFile[] = "ANNINFO.DAT";
inline constexpr char kChatInfoFile[] = "CHATINFO.DAT";
inline constexpr char kTalkInfoFile[] = "TALKINFO.DAT";
inline constexpr char kCountryFile[] = "COUNTRY2.DAT";
inline constexpr char kDxccDataFile[] = "DXCC.DAT";
inline constexpr char kIotaDataFile[] = "IOTA.DAT";
inline constexpr char kTelnetDataFile[] = "TELNET.DAT";
inline constexpr char kLotwUsersFile[] = "lotw-user-activity.csv";
inline constexpr char kScriptsFolder[] = "scripts";
inline constexpr char kSoundsFolder[] = "sounds";

// "DXCC.DAT" -> "DXCC.RAW".
std::string RawNameOf(std::string_view dat_name);

// The fixed fatal texts.
std::string UnableToCreateMessage(
    std::string_view file_name);  // "Unable to create DXINFO.DAT, can't start BRILOX"
std::string FileNotFoundMessage(
    std::string_view file_name);  // "File not found: COUNTRY2.DAT, can't start BRILOX"
std::string UnableToRenameMessage(std::string_view raw_name,
                                  std::string_view dat_name);  // "Unable to rename DXCC.RAW as DXCC.DAT, ..."
inline constexpr char kCorruptIotaMessage[] = "Your IOTA.DAT seems to be corrupted, can't start BRILOX";
inline constexpr char kStartedMinimisedMessage[] = "BRILOX can't be started minimized !";
// A reference file that is there but cannot be read into its table.  Starting
// without it would let a later save replace the operator's file with an empty
// table, so start-up stops and says what the loader found.
std::string UnableToLoadMessage(std::string_view file_name, std::string_view detail);

// A data file that is there but cannot be opened holds the operator's data
// all the same: it is never replaced, renamed over or emptied; the start
// stops with its name and the reason.
std::string UnableToOpenMessage(std::string_view file_name,
                                std::string_view reason);  // "Unable to open X (Permission denied), ..."

// Whether `path` opens for reading as a file (a folder of that name does not).
bool FileOpens(FileSystem& fs, const std::string& path);
// Why `path` is there but does not open as a file ("Permission denied", "Is
// a directory"); empty when it opens or is not there at all.
std::string WhyFileDoesNotOpen(FileSystem& fs, const std::string& path);

// The files copied when missing from the data folder, in copy order, each
// with the ".RAW" alternative taken when the program folder lacks the file.
struct MasterFile {
  const char* name;
  bool raw_alternative;
};
inline constexpr std::array<MasterFile, 10> kMasterFiles{{
    {kAnnInfoFile, true},
    {kChatInfoFile, true},
    {kCountryFile, false},
    {kDxccDataFile, true},
    {kDxInfoFile, true},
    {kIotaDataFile, true},
    {kLotwUsersFile, false},
    {kTalkInfoFile, false},
    {kTelnetDataFile, false},
    {kWwvInfoFile, true},
}};

// Copies every master file missing from `data_folder` (one that is there but
// does not open is not missing and stays untouched) (creating the folder
// when needed), then, when the data folder has no "scripts" folder, creates
// it and copies the files (not the folders) of the program folder's
// "scripts" into it.  Each copy is written beside its target and renamed into
// place, so a failure or crash never leaves a partial file under the target's
// name; a scripts copy that a crash cut short is finished at the next start
// (a "scripts.copying" marker lasts while it runs).  Failures are ignored:
// the checks that follow report what is missing.
void CopyMasterFiles(FileSystem& fs, const std::string& program_folder, const std::string& data_folder);

}  // namespace brilox
