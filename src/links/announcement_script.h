// What one announcement says: the steps (tones, pauses, Morse characters,
// recorded words) for an alarm code, the announcer's current values and the
// sound settings.  The announcer plays the steps; tests read them.
//
// The gate by `AlarmLevel`, the tone signals of `InitialBeep`, and the
// needed-band, DXCC, seeked-call, IOTA and talk announcements in the three
// styles: Morse tones (or tone signals alone), recorded Morse and speech.
// Pure functions; any thread.
#pragma once

#include <string>
#include <vector>

#include "core/settings.h"
#include "links/morse_code.h"

namespace brilox {

// The values an announcement speaks about.  The announcer keeps them
// between announcements and renews each only from entries whose code fills it.
struct AnnouncedValues {
  std::string call;
  std::string iota_reference;
  std::string label;
  std::string prefix;
  std::string frequency;
};

enum class AnnouncementStyle {
  kTones,          // tone signals, then Morse when `morse_tones` is on
  kRecordedMorse,  // words spelled from the "cw" sound files
  kSpeech,         // words and characters from the voice folder
};

struct AnnouncementSettings {
  int alarm_level = 3;
  bool initial_beep = true;
  AnnouncementStyle style = AnnouncementStyle::kTones;
  bool morse_tones = true;
  bool full_call = false;      // `Speech` bit 1
  bool say_frequency = false;  // `Speech` bit 2
  MorseTiming timing;
};

struct AnnouncementStep {
  enum class Kind { kTone, kPause, kMorse, kWord };
  Kind kind = Kind::kPause;
  int hz = 0;          // kTone
  int ms = 0;          // kTone, kPause
  char character = 0;  // kMorse
  std::string word;    // kWord, upper case
  friend bool operator==(const AnnouncementStep&, const AnnouncementStep&) = default;
};

// True when `AlarmLevel` lets an alarm of this code sound.
bool AlarmLevelAllows(int code, int alarm_level);

// The steps of one announcement; empty when the gate keeps it silent.
std::vector<AnnouncementStep> ScriptAnnouncement(int code, const AnnouncedValues& values,
                                                 const AnnouncementSettings& settings);

// "T1000/400 P500 MD WNEW ...": the steps in a short form, for tests and traces.
std::string DescribeSteps(const std::vector<AnnouncementStep>& steps);

}  // namespace brilox
