// The start-up read of the settings key into the record.  Every Integer,
// Boolean and Float that is missing or stored as another kind is created with
// its default, so that after the first start the key holds a complete set;
// Strings are only created where noted (first start, fonts, custom colours).
//
// The loader only fills the record: the window code applies the geometry,
// fonts and custom colours afterwards, and the start-up sequence runs the
// list loaders (settings_lists.h) next.  Window thread, once, before any link
// is opened.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/settings_store.h"
#include "core/settings.h"

namespace brilox {

struct SettingsEnvironment {
  FileSystem& files;           // where the sound folders and language files are looked for
  std::string program_folder;  // holds "sounds/" and the "BRLMSG85.*" language files
  LocaleVariables locale;
  int screen_width = 1024;
  int screen_height = 768;
  int window_width = 686;  // the main window's size before the settings apply
  int window_height = 541;
};

// Reads the key into `settings`.  When the per-user key is missing and
// `machine` (may be null) holds one, that older installation's values are
// migrated first.  When the per-user key cannot be created the record keeps
// its defaults and nothing is written.  The numeric values read are brought
// into the options dialog's ranges (settings_ranges.h) before it returns, in
// the record only.  Returns the store's Flush result, for
// information only: the record is filled either way.
Status LoadSettings(Settings& settings, SettingsStore& user, SettingsStore* machine,
                    const SettingsEnvironment& environment);

// The announcement in use: at most one of Morse tones, recorded Morse and
// recorded voice.  A recorded style whose folder ("sounds/cw", or "sounds/"
// + LanguageWAV) is missing under the program folder falls back to Morse
// tones; voice wins over recorded Morse.
AnnouncementChoice ChooseAnnouncement(const Settings& settings, FileSystem& files,
                                      const std::string& program_folder);

}  // namespace brilox
