// The sound announcer (TThreadSound): a worker thread that takes the alarms
// spot processing queues and makes them heard on the audio output: the tone
// signals, then the call, band or entity in Morse or from the recorded
// sound bank.  It sleeps on the queue until an entry arrives, and stops
// promptly when asked, even in the middle of an announcement.
//
// Threads: the constructor, Start, Stop, ApplySettings and ReloadSoundBank
// belong to the window thread; Announce, Tone, PlayWord and SendMorseChar run
// on the announcer's thread (tests call them directly, without Start).  The
// settings are copied under a lock and act from the next announcement.
// Problems (no audio device, a device lost, an unusable sound bank) go to
// `report`, called on the announcer's thread, once per kind of problem.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/settings.h"
#include "links/announcement_script.h"
#include "links/sound_bank.h"
#include "platform/audio_output.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "spots/announcement_queue.h"

namespace brilox {

struct SoundAnnouncerServices {
  AnnouncementQueue& queue;
  AudioOutput& output;
  FileSystem& files;  // used on the announcer's thread only
  const Clock& clock;
  std::string program_folder;
  std::function<void(const std::string& message)> report;
};

// The sample alarm of the Tools menu's "Test": the operator's own call (or
// N0CALL) as a seeked call, so the tone signals and the spelled call sound.
AlarmRecord TestAlarm(const Settings& settings);

class TThreadSound {
 public:
  explicit TThreadSound(SoundAnnouncerServices services);
  ~TThreadSound();
  TThreadSound(const TThreadSound&) = delete;
  TThreadSound& operator=(const TThreadSound&) = delete;

  void Start();
  // Ends the thread; an announcement in progress is cut short.
  void Stop();
  void ApplySettings(const Settings& settings);
  // LoadSoundBank on the next recorded announcement (after the options changed).
  void ReloadSoundBank();

  // Plays one queue entry: the night silence and `Sound`, then the script.
  void Announce(const AlarmRecord& entry);
  void Tone(int hz, int ms);
  void PlayWord(const std::string& word);
  void SendMorseChar(char c);
  // LoadSoundBank: reads the bank of the chosen voice folder.  False (after
  // reporting why) when it is unusable; announcements then use Morse tones.
  bool LoadSoundBank();

  // The announcer's current values, kept between entries.
  const AnnouncedValues& current() const { return m_current; }
  // The steps of the last announcement, for tests.
  const std::vector<AnnouncementStep>& last_steps() const { return m_lastSteps; }

 private:
  void Run(std::stop_token stop);
  void TakeValues(const AlarmRecord& entry);
  AnnouncementSettings ScriptSettings(const Settings& settings);
  void Play(const std::vector<std::int16_t>& samples);
  void Pause(int ms);
  void Report(const std::string& key, const std::string& message);

  SoundAnnouncerServices m_services;
  std::atomic<bool> m_stop{false};

  std::mutex m_settingsMutex;
  Settings m_pendingSettings;
  bool m_reloadRequested = false;

  // The announcer's thread only.
  Settings m_settings;
  MorseTiming m_timing;
  AnnouncedValues m_current;
  SoundBank m_bank;
  std::string m_bankFolder;  // the voice folder the bank was read from
  bool m_bankUnusable = false;
  std::vector<std::string> m_reported;
  std::vector<AnnouncementStep> m_lastSteps;
  std::vector<std::int16_t> m_buffer;

  std::jthread m_thread;  // last: stopped and joined before the members go
};

}  // namespace brilox
