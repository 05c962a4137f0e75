// The option page writers and the shutdown writer.  The options dialog first
// copies a page's controls into the record (so the new values act at once)
// and then calls the page's writer, in the order SaveOptStn, SaveOptSerial,
// SaveOptTNC, SaveOptDX, SaveOptSound, SaveOptDX2, SaveOptFilters2,
// SaveOptDX3, SaveOptChat, SaveOptIOTA, SaveOptShortcuts, SaveOptScripts,
// SaveOptGeneral, SaveOptColors, SaveOptFonts, SaveOptLotw, SaveOptLotw2,
// SaveOptCAT.  List pages hand over their grid rows instead: the writer
// builds the stored string, and the record's table is parsed from that same
// string, so the table always equals what is stored.
//
// Each writer keeps the record's derived fields in step, then creates the key
// and writes its values; when the key cannot be created it writes nothing and
// returns that failure.  The result is the store's Flush.  A failed write of
// one value does not stop the others.  Window thread.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "core/settings.h"
#include "shell/settings/settings_lists.h"

namespace brilox {

Status SaveOptStn(Settings& settings, SettingsStore& store);     // MyCall, MyLat, MyLong
Status SaveOptSerial(Settings& settings, SettingsStore& store);  // Interface, COMPortNr, COMPortSettings
Status SaveOptTNC(Settings& settings, SettingsStore& store);     // TNCINI, TNCEXI
Status SaveOptDX(Settings& settings, SettingsStore& store);      // DXCC, Beep, Reject*, NoBeep*
Status SaveOptSound(Settings& settings, SettingsStore& store);   // Sound .. LanguageWAV
Status SaveOptDX2(Settings& settings, SettingsStore& store);     // WantedSpots .. RejectFromZoneD
Status SaveOptIOTA(Settings& settings, SettingsStore& store);    // IOTA, IOTALast
Status SaveOptShortcuts(Settings& settings,
                        SettingsStore& store);  // Shortcut1 .. 9, QuickConnect, AutoConnect
Status SaveOptScripts(Settings& settings,
                      SettingsStore& store);  // AutoReconnect, MaxInactivity, ScriptRXtimer
Status SaveOptGeneral(Settings& settings, SettingsStore& store);  // AlwaysOnTop .. DisplayLocalTime
Status SaveOptColors(Settings& settings, SettingsStore& store);   // every colour and ColBkTrans
Status SaveOptFonts(Settings& settings, SettingsStore& store);    // nine font values (DB not for JPN)
Status SaveOptCAT(Settings& settings, SettingsStore& store);      // the CAT values

// List pages.
Status SaveOptFilters2(Settings& settings, const std::vector<std::string>& bad_spotter_rows,
                       const std::vector<std::string>& bad_word_rows, SettingsStore& store);
struct OptDX3Rows {
  std::vector<std::string> seek_call;
  std::vector<std::string> call_no_alarms;
  std::vector<PairRow> dxcc_link;
  std::vector<PairRow> iota_link;
};
Status SaveOptDX3(Settings& settings, const OptDX3Rows& rows, SettingsStore& store);
Status SaveOptChat(Settings& settings, const std::array<std::string, kChatGroupCapacity>& fields,
                   SettingsStore& store);
// LOTW, LOTWAlarmMode, LOTWMaxAge, MoreLotw.
Status SaveOptLotw(Settings& settings, const std::vector<std::string>& more_lotw_rows, SettingsStore& store);
// LOTWDn, LOTWDnDir, LOTWDnLast, LOTWUsername, LOTWPwd (scrambled), MyLOTWCalls.
Status SaveOptLotw2(Settings& settings, const std::vector<std::string>& my_lotw_call_rows,
                    SettingsStore& store);

// At shutdown: the window geometry, the telnet directory position and the
// colour picker's custom colours.
Status SaveShutdownSettings(const Settings& settings, SettingsStore& store);

}  // namespace brilox
