// The data-file checks of start-up: they make sure every data file is in the
// data folder (copying, renaming ".RAW" files or creating empty logs), stop
// the program with a fixed text where a file cannot be provided, and hand
// each reference file to its loader.
//
// The loaders and converters belong to the tables they fill; they come in
// through DataFileLoaders so that this file never depends on them.  Window
// thread, once, after the settings and the language file.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/result.h"
#include "core/language_text_table.h"
#include "core/settings.h"
#include "shell/startup_status.h"

namespace brilox {

// Sizes of IOTA.DAT: the current layout and the two older ones.
inline constexpr std::uint64_t kIotaFileSize = 81200;            // 1400 records of 58 bytes
inline constexpr std::uint64_t kIotaOldRecordsFileSize = 69600;  // 1200 records of 58 bytes
inline constexpr std::uint64_t kIotaOldStatusFileSize = 1200;    // one status byte per reference

enum class OldIotaLayout { kRecords1200, kStatusBytes };

// TELNET.DAT: the byte that tells the older 43-byte layout from the current
// one, read from the file's first bytes.
inline constexpr std::size_t kTelnetProbeLength = 50;
inline constexpr std::size_t kTelnetLayoutByte = 43;

// Whether the first bytes of TELNET.DAT are those of the older layout: in
// that layout offset 43 holds the length of the second record's name (2 to
// 14); in the current one it lies inside the port field.
bool IsOldTelnetLayout(std::string_view first_bytes);

// The status-bar text of the last whole WWVINFO.DAT record of `data_folder`:
// "SFI=" and the trimmed text columns 20 to 22.  Empty when the file holds no
// whole record.
std::string SolarFluxTextOfLastRecord(FileSystem& fs, const std::string& data_folder);

struct DataFileLoaders {
  // Each step gets the file system and the data folder.  An empty function
  // leaves its step out, as for a table that is not built yet.
  using Step = std::function<Status(FileSystem&, const std::string& data_folder)>;

  // A failure stops the program ("Unable to load COUNTRY2.DAT (...)").
  Step load_country;
  Step load_dxcc;
  Step load_iota;
  // Converters of older layouts.  A failure's context is the fixed text the
  // converter wants shown, after which the program stops.
  std::function<Status(FileSystem&, const std::string& data_folder, OldIotaLayout)> convert_iota;
  Step convert_telnet;
  // The directory reports its own load errors; the start goes on.
  Step load_telnet;
  // A failure counts as a missing list: LoTW user search is off for the run.
  Step load_lotw_users;
};

struct DataFileState {
  std::string solar_flux_text;        // for the third status-bar panel; may be empty
  bool lotw_users_available = false;  // false: LoTW user search is off for this run
  // False when IOTA.DAT is of an older layout and no converter is wired: the
  // IOTA table then stays unloaded for the run and must not be saved.
  bool iota_loaded = false;
};

struct DataCheckContext {
  FileSystem& files;
  std::string program_folder;
  std::string data_folder;
  MessageBox& messages;
  const LanguageTextTable& texts;
  const DataFileLoaders& loaders;
};

// Runs the checks in their fixed order: finishing database saves that a
// crash interrupted, the master copy, DXINFO.DAT, WWVINFO.DAT, ANNINFO.DAT,
// CHATINFO.DAT, TALKINFO.DAT, COUNTRY2.DAT, DXCC.DAT, IOTA.DAT, TELNET.DAT,
// lotw-user-activity.csv.  Fills `state`; when the LoTW list is missing,
// clears bit 0 of `settings.LOTW` in memory only.  Stops at the first fatal
// condition, before anything later is touched.
StartupStatus CheckDataFiles(const DataCheckContext& context, Settings& settings, DataFileState& state);

}  // namespace brilox
