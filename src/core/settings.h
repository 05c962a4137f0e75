// The settings record: every user setting of the program, held in the type of
// its kind, with the built-in defaults.  One instance lives for the whole run;
// the loader (load_settings.h) fills it at start-up and the option page
// writers (save_settings.h) change it.  Window thread only (the downloader
// writes LOTWDnLast through the store, not through this record).
//
// Field names are the stored value names.  Packed values are held unpacked
// (flags and small numbers); settings_encoding.h turns them into the stored
// Integers and back.  Derived fields (MyCallAgw, MyCallCaption, MyLatRad,
// MyLongRad, AnyZoneRejected, Col.DarkDXCC, Col.DarkDXCCstat, Announcement)
// are kept in step by the setters at the end of this file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brilox {

using Colour = std::uint32_t;  // 0x00BBGGRR, red in the low byte

// A list setting parsed into its fixed-width table (settings_lists.h).
struct CallEntry {
  std::string call;  // upper case, cut (and for some tables padded) to its width
  bool operator==(const CallEntry&) const = default;
};
struct CallPairEntry {
  std::string call;    // first field
  std::string second;  // country prefix or IOTA reference
  bool operator==(const CallPairEntry&) const = default;
};

inline constexpr int kListCapacity = 100;
inline constexpr int kMyLotwCallsCapacity = 8;
inline constexpr int kChatGroupCapacity = 10;
inline constexpr int kShortcutCount = 9;
inline constexpr int kCustomColourCount = 16;
inline constexpr int kZoneCount = 40;
inline constexpr std::size_t kMyCallLength = 15;
inline constexpr std::size_t kShortcutLength = 80;  // also QuickConnect
inline constexpr std::size_t kTextLength = 255;     // any other String

// Serial parameters of the TNC port (COMPortSettings).
struct SerialParameters {
  int speed_index = 3;      // into 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200
  int handshake_index = 3;  // 0 none, 1 CTS/RTS, 2 DSR/DTR, 3 XON/XOFF
  bool eight_data_bits = true;
  bool two_stop_bits = false;
  int parity_index = 0;  // 0 none, 1 odd, 2 even
  bool operator==(const SerialParameters&) const = default;
};

// Morse announcement (Keying).
struct KeyingSettings {
  bool morse = true;    // bit 0
  int speed_step = 24;  // speed = 20 + 5 * step letters per minute
  int pitch_step = 35;  // tone = 200 + 20 * step Hz
  bool operator==(const KeyingSettings&) const = default;
};

// Spoken announcement (Speech).
struct SpeechSettings {
  bool voice = false;          // bit 0
  bool full_call = false;      // bit 1: say the full call (else the country prefix)
  bool say_frequency = false;  // bit 2: say the frequency in kHz (else the band)
  bool operator==(const SpeechSettings&) const = default;
};

// Window line limits, in rows (MaxLines).
struct LineLimits {
  int terminal = 1000;
  int dx = 1000;
  int alarm = 200;
  int lotw = 200;
  bool operator==(const LineLimits&) const = default;
};

// Which broadcast kinds go where.  WantedSpots and Disk use different bit
// orders, and WantedSpotsAlarm only knows wwv and talk; the encoders know all three.
struct BroadcastKinds {
  bool dx = true;
  bool wwv = true;
  bool announcements = true;
  bool talk = true;
  bool chat = true;
  bool operator==(const BroadcastKinds&) const = default;
};

// Modes that are accepted (RejectModes) or may beep (NoBeepModes).
struct ModeSet {
  bool cw = true;
  bool ssb = true;
  bool digital = true;
  bool operator==(const ModeSet&) const = default;
};

// HF bands by band edge in MHz, accepted or allowed to beep.
struct HfBandSet {
  bool b1_8 = true, b3_5 = true, b7 = true, b10 = true, b14 = true, b18 = true, b21 = true, b24 = true,
       b28 = true, below1 = true, b5 = true;
  bool operator==(const HfBandSet&) const = default;
};

// VHF and higher bands, accepted or allowed to beep.
struct VhfBandSet {
  bool b50 = true, b144 = true, b430 = true, b1200 = true, ghz = true, satellite = true, b70 = true,
       b220 = true, b900 = true;
  bool operator==(const VhfBandSet&) const = default;
};

struct FontSettings {
  std::string name = "Fixedsys";
  int size = 9;
  std::string style;  // "B" bold, "I" italic, in that order
  bool operator==(const FontSettings&) const = default;
};

// One transceiver: CATport, CATPortSettings, CATTxvr, CATciv, CATminBand,
// CATmaxBand (the second transceiver's names end in "2").
struct CatSettings {
  int port = 2;
  int port_settings = 10;
  int transceiver = 0;
  int civ = 0;
  int min_band = 0;   // index into the lower-limit list (settings_encoding.h)
  int max_band = 10;  // index into the upper-limit list
  int min_mhz = 0;    // the limits those indexes give
  int max_mhz = 30;
  // Where the port number cannot name the device: its path (CATportDevice),
  // which then wins over the number.
  std::string device;
  // The rigctld that drives a Hamlib transceiver (CATrigctldHost, CATrigctldPort).
  std::string rigctld_host = "127.0.0.1";
  int rigctld_port = 4532;
  bool operator==(const CatSettings&) const = default;
};

// The announcement actually used after the sound folders were checked; kept
// in memory only.
struct AnnouncementChoice {
  bool morse = true;
  bool recorded_morse = false;
  bool voice = false;
  std::string sound_folder;  // "CW" or the LanguageWAV code; empty for Morse tones
  bool operator==(const AnnouncementChoice&) const = default;
};

struct Colours {
  Colour ColMon = 0x000000, ColBkMon = 0xF0F1FF;
  Colour ColMon2 = 0x000000, ColBkMon2 = 0xF2FFFF;
  Colour ColMon3 = 0x000000, ColBkMon3 = 0xFFFCEA;
  Colour ColMon4 = 0x000000, ColBkMon4 = 0xEBFFEA;
  Colour ColDX = 0x000000, ColBkDX = 0xFFFFFF;
  Colour ColLOTW = 0x000000, ColBkLOTW = 0xFFE8E8;
  Colour ColAlarm = 0x000000, ColBkAlarm = 0xFFFFFF;
  Colour ColDXCCW = 0xFFFFFF, ColBkDXCCW = 0x0080FF;
  Colour ColDXCCM = 0xFFFFFF, ColBkDXCCM = 0x0000FF;
  Colour ColDXCCnew = 0x00FFFF, ColBkDXCCnew = 0x800080;
  Colour ColLOTWW = 0x000000, ColBkLOTWW = 0x0EE7C6;
  Colour ColLOTWM = 0x000000, ColBkLOTWM = 0x00FFFF;
  Colour ColLOTWnew = 0x00FFFF, ColBkLOTWnew = 0xFF0080;
  Colour ColIOTAW = 0x800000, ColBkIOTAW = 0xFFFF00;
  Colour ColIOTAM = 0xFFFF00, ColBkIOTAM = 0xFF0000;
  Colour ColSeekCall = 0x80FFFF, ColBkSeekCall = 0x000000;
  Colour ColWWV = 0x008000, ColBkWWV = 0xF0F1FF;
  Colour ColAnn = 0xFF0000, ColBkAnn = 0xFFFFFF;
  Colour ColChat = 0xFF0000, ColBkChat = 0xFFFFFF;
  Colour ColTalk = 0x800000, ColBkTalk = 0x00FF00;
  Colour ColEcho = 0x0000FF, ColBkEcho = 0xFFFFFF;
  Colour ColShow = 0x000000, ColBkShow = 0xFFFFFF;
  Colour ColSearchRes = 0x000000, ColBkSearchRes = 0xFFFFFF;
  Colour ColDXCC = 0x000000, ColBkDXCC = 0xFFFF00;
  Colour ColDXCCmodif = 0x000000, ColBkDXCCmodif = 0x0000FF;
  Colour ColDXCCfocus = 0x000000, ColBkDXCCfocus = 0x00FFFF;
  Colour ColDXCCedit = 0x000000, ColBkDXCCedit = 0x008000;
  Colour ColDXCCstat = 0x000000, ColBkDXCCstat = 0x80FF80;
  Colour ColDXCClist = 0x000000, ColBkDXCClist = 0x80FFFF;
  Colour ColTX = 0x000000;
  Colour ColConn = 0x027D2B;
  Colour ColCountryM = 0x0314BB, ColCountryW = 0x0082FF, ColCountryC = 0x2B7D20;
  // One transparent-background flag per spot-line pair: bit 0 ColBkDXCCW,
  // 1 ColBkDXCCM, 2 ColBkDXCCnew, 3 ColBkLOTWW, 4 ColBkLOTWM, 5 ColBkLOTWnew,
  // 6 ColBkIOTAW, 7 ColBkIOTAM, 8 ColBkSeekCall, 9 ColBkWWV, 10 ColBkAnn,
  // 11 ColBkChat, 12 ColBkTalk, 13 ColBkEcho.
  std::uint32_t ColBkTrans = 0x2E00;
  // Derived, not stored: seven eighths of each channel of ColBkDXCC and ColBkDXCCstat.
  Colour DarkDXCC = 0, DarkDXCCstat = 0;
  bool operator==(const Colours&) const = default;
};

struct Settings {
  // Window, terminal and general.
  int MainFormLeft = 0, MainFormTop = 0, MainFormWidth = 686, MainFormHeight = 541;
  int StartMode = 0;  // 0 terminal 1, 1 DX, 2 alarms, 3 terminal 2, 4 terminal 3, 5 terminal 4, 6 LoTW
  bool AlwaysOnTop = false;
  bool WarningOnExit = true;
  bool DisplayLocalTime = true;
  bool Echo = true;
  int MaxLineLength = 83;
  int PrLen = 56;
  LineLimits MaxLines;
  std::string Language = "ENU";
  int TelnetTopRow = 1, TelnetRow = 1;

  // Station and links.
  std::string MyCall = "NOCALL";
  std::string MyCallAgw;              // MyCall followed by a NUL character (AGW frames)
  std::string MyCallCaption;          // MyCall followed by ":" (country information label)
  double MyLat = 46.2, MyLong = 6.1;  // degrees, north and east positive
  double MyLatRad = 0.0, MyLongRad = 0.0;
  std::string Password = "SECRETTEXT", Password2 = "SECRETTEXT2";
  int Interface = 2;  // 0 serial TNC, 1 AGW, 2 telnet
  int COMPortNr = 1;
  std::string COMPortDevice;  // the TNC's device path; wins over COMPortNr when set
  SerialParameters COMPortSettings;
  std::string TNCINI, TNCEXI;
  std::string AGWHost = "127.0.0.1";  // the AGW engine's TCP/IP API
  int AGWPort = 8000;
  std::string QuickConnect;
  bool AutoConnect = false;
  bool AutoReconnect = true;
  int MaxInactivity = 15;                                               // minutes
  int ScriptRXtimer = 10;                                               // seconds
  std::array<std::string, kShortcutCount> Shortcut{"SH/DX", "SH/WWV"};  // Shortcut1 .. Shortcut9

  // Spot processing, filters and logging.
  int DXCC = 1;
  int IOTA = 1;
  std::array<int, 7> IOTALast{191, 119, 21, 203, 248, 296, 100};  // EU AF AN AS NA OC SA
  ModeSet RejectModes;                                            // accepted modes
  HfBandSet RejectBandsHF;                                        // accepted HF bands
  VhfBandSet RejectBandsVHF;                                      // accepted higher bands
  int RejectSelfSpots = 0;
  int RTTYnoQRG = 1;
  std::array<bool, kZoneCount> RejectFromZone{};  // CQ zones 1..40 at index 0..39 (RejectFromZoneA .. D)
  bool AnyZoneRejected = false;
  int DeltaTime = 0;  // minutes; 0 off
  BroadcastKinds WantedSpots;
  BroadcastKinds WantedSpotsAlarm{false, false, false, true, false};  // only wwv and talk are used
  BroadcastKinds Disk;
  std::vector<CallEntry> SeekCall;      // padded to 12
  std::vector<CallEntry> CallNoAlarms;  // padded to 12
  std::vector<CallEntry> BadSpotter;    // cut to 12
  std::vector<CallEntry> BadWord;       // cut to 25
  std::vector<CallPairEntry> DXCClink;  // padded to 12 and 4
  std::vector<CallPairEntry> IOTAlink;  // padded to 12 and 6
  std::vector<std::string> ChatGroups;  // up to 10 names, upper case

  // Alarms and sound.
  int Sound = 1;
  int NoNightSound = 0;
  double StartSilence = 0.0, StopSilence = 0.0;  // fractions of a day, UTC
  int AlarmLevel = 3;
  int Beep = 3;  // bit 0 band dependent, bit 1 mode dependent
  int InitialBeep = 1;
  int DeltaTimeRptAlarms = 0;  // minutes; 0 always
  ModeSet NoBeepModes{true, true, false};
  HfBandSet NoBeepBandsHF;
  VhfBandSet NoBeepBandsVHF;
  KeyingSettings Keying;
  int KeyingWAV = 0;
  SpeechSettings Speech;
  std::string LanguageWAV = "ENUM";
  AnnouncementChoice Announcement;

  // LoTW.
  int LOTW = 1;            // bit 0 search, 1 portable calls, 2 alarms, 3 MoreLotw, 4 age limit
  int LOTWMaxAge = 24;     // months
  int LOTWAlarmMode = 0;   // 0 .. 2
  int LOTWDn = 0;          // bit 0 since LOTWDnLast, 1 keep files, 2 only MyLOTWCalls
  int LOTWDnLast = 36526;  // days since 1899-12-30
  std::string LOTWUsername, LOTWPwd, LOTWDnDir;  // LOTWPwd in clear
  std::vector<CallEntry> MoreLotw;
  std::vector<CallEntry> MyLOTWCalls;

  // Transceiver control.
  CatSettings Cat1{2, 10, 0, 0, 0, 10, 0, 30};
  CatSettings Cat2{3, 10, 0, 0, 11, 15, 50, 450};
  int CATmodeRTTY = 1;
  int CATmodeDigi = 1;

  // Fonts (FontNameRX, FontSizeRX, FontStyleRX and the TX and DB three).
  FontSettings FontRX, FontTX, FontDB;

  Colours Col;
  std::array<std::string, kCustomColourCount> CustomColor;  // "ColorA=FFFFFFFF" .. "ColorP=FFFFFFFF"

  Settings();
};

// The default of CustomColorA .. CustomColorP, index 0 .. 15.
std::string DefaultCustomColor(int index);

// Setters that keep the derived fields in step.
void SetMyCall(Settings& settings, std::string call);  // cut to 15
void SetMyPosition(Settings& settings, double latitude, double longitude);
void UpdateAnyZoneRejected(Settings& settings);
void UpdateDarkColours(Colours& colours);
Colour SevenEighths(Colour colour);

}  // namespace brilox
