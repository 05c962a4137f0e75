#include "links/sound_announcer.h"

#include <algorithm>

#include "links/tone_synthesis.h"
#include "spots/night_silence.h"

namespace brilox {
namespace {

constexpr char kSoundsFolder[] = "sounds";

bool FillsNeededValues(int code) { return (code >= 1 && code <= 4) || (code >= 102 && code <= 104); }

}  // namespace

AlarmRecord TestAlarm(const Settings& settings) {
  AlarmRecord sample;
  sample.level = 5;
  const std::string call = settings.MyCall.substr(0, settings.MyCall.find_last_not_of(' ') + 1);
  sample.dx_call = call.empty() ? "N0CALL" : call;
  sample.test = true;
  return sample;
}

TThreadSound::TThreadSound(SoundAnnouncerServices services) : m_services(std::move(services)) {}

TThreadSound::~TThreadSound() { Stop(); }

void TThreadSound::Start() {
  if (m_thread.joinable()) return;
  m_stop = false;
  m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void TThreadSound::Stop() {
  m_stop = true;
  if (!m_thread.joinable()) return;
  m_thread.request_stop();
  m_thread.join();
}

void TThreadSound::ApplySettings(const Settings& settings) {
  std::lock_guard lock(m_settingsMutex);
  m_pendingSettings = settings;
}

void TThreadSound::ReloadSoundBank() {
  std::lock_guard lock(m_settingsMutex);
  m_reloadRequested = true;
}

void TThreadSound::Run(std::stop_token stop) {
  while (std::optional<AlarmRecord> entry = m_services.queue.WaitAndTake(stop)) {
    Announce(*entry);
  }
}

void TThreadSound::TakeValues(const AlarmRecord& entry) {
  const int code = entry.level;
  if (FillsNeededValues(code) || code == 5) m_current.call = entry.dx_call;
  if (code == 10 || code == 11) m_current.iota_reference = entry.iota_reference;
  if (FillsNeededValues(code)) {
    m_current.label = entry.label;
    m_current.prefix = entry.entity_prefix;
    m_current.frequency = entry.frequency;
  }
}

void TThreadSound::Announce(const AlarmRecord& entry) {
  bool reload = false;
  {
    std::lock_guard lock(m_settingsMutex);
    m_settings = m_pendingSettings;
    std::swap(reload, m_reloadRequested);
  }
  m_timing = MorseTimingOf(m_settings.Keying);
  TakeValues(entry);
  m_lastSteps.clear();
  // The entry is used up even when it stays silent: a night-silenced alarm
  // is never replayed later.
  if (!entry.test && (m_settings.Sound == 0 || IsNightSilence(m_settings, m_services.clock.UtcNow()))) return;
  if (reload) {
    m_bank = SoundBank();
    m_bankUnusable = false;
  }

  AnnouncementSettings script = ScriptSettings(m_settings);
  // The operator's test sounds whatever alarms AlarmLevel lets through.
  if (entry.test) script.alarm_level = 5;
  m_lastSteps = ScriptAnnouncement(entry.level, m_current, script);
  for (const AnnouncementStep& step : m_lastSteps) {
    if (m_stop) return;
    switch (step.kind) {
      case AnnouncementStep::Kind::kTone:
        Tone(step.hz, step.ms);
        break;
      case AnnouncementStep::Kind::kPause:
        Pause(step.ms);
        break;
      case AnnouncementStep::Kind::kMorse:
        SendMorseChar(step.character);
        break;
      case AnnouncementStep::Kind::kWord:
        PlayWord(step.word);
        break;
    }
  }
  if (m_lastSteps.empty()) return;
  if (Status s = m_services.output.Finish(m_stop); !s.ok()) Report("audio", "No sound: " + s.context());
}

AnnouncementSettings TThreadSound::ScriptSettings(const Settings& settings) {
  AnnouncementSettings script;
  script.alarm_level = settings.AlarmLevel;
  script.initial_beep = settings.InitialBeep != 0;
  script.full_call = settings.Speech.full_call;
  script.say_frequency = settings.Speech.say_frequency;
  script.timing = m_timing;
  const AnnouncementChoice& choice = settings.Announcement;
  script.morse_tones = choice.morse;
  if (!choice.voice && !choice.recorded_morse) return script;

  const std::string folder = choice.voice ? choice.sound_folder : std::string("CW");
  if (folder != m_bankFolder) {
    m_bank = SoundBank();
    m_bankUnusable = false;
  }
  if (m_bank.empty() && !m_bankUnusable) {
    m_bankFolder = folder;
    (void)LoadSoundBank();
  }
  if (m_bank.empty()) {
    // An unusable bank leaves the alarm in Morse tones rather than silent.
    script.morse_tones = true;
    return script;
  }
  script.style = choice.voice ? AnnouncementStyle::kSpeech : AnnouncementStyle::kRecordedMorse;
  return script;
}

bool TThreadSound::LoadSoundBank() {
  if (m_bankFolder.empty()) {
    m_bankFolder = m_settings.Announcement.voice ? m_settings.Announcement.sound_folder : std::string("CW");
  }
  Result<SoundBank> bank =
      brilox::LoadSoundBank(m_services.files, JoinPath(m_services.program_folder, kSoundsFolder),
                            m_bankFolder, m_services.output.sample_rate());
  if (!bank.ok()) {
    m_bank = SoundBank();
    m_bankUnusable = true;
    Report("bank " + m_bankFolder, "Sound files unusable, Morse tones instead: " + bank.status().context());
    return false;
  }
  m_bank = std::move(*bank);
  m_bankUnusable = false;
  return true;
}

void TThreadSound::Tone(int hz, int ms) {
  m_buffer.clear();
  AppendTone(m_buffer, hz, ms, m_services.output.sample_rate());
  Play(m_buffer);
}

void TThreadSound::Pause(int ms) {
  m_buffer.clear();
  AppendSilence(m_buffer, ms, m_services.output.sample_rate());
  Play(m_buffer);
}

void TThreadSound::PlayWord(const std::string& word) {
  if (const std::vector<std::int16_t>* samples = m_bank.Find(word)) Play(*samples);
}

void TThreadSound::SendMorseChar(char c) {
  const std::string_view pattern = MorsePattern(c);
  if (pattern.empty()) return;
  const int rate = m_services.output.sample_rate();
  const MorseTiming& timing = m_timing;
  m_buffer.clear();
  for (char element : pattern) {
    AppendTone(m_buffer, timing.tone_hz, element == '-' ? 3 * timing.dot_ms : timing.dot_ms, rate);
    AppendSilence(m_buffer, timing.dot_ms, rate);
  }
  Play(m_buffer);
}

void TThreadSound::Play(const std::vector<std::int16_t>& samples) {
  if (samples.empty() || m_stop) return;
  // A failing device costs the sound only; the announcement goes on.
  if (Status s = m_services.output.Play(samples, m_stop); !s.ok())
    Report("audio", "No sound: " + s.context());
}

void TThreadSound::Report(const std::string& key, const std::string& message) {
  if (std::find(m_reported.begin(), m_reported.end(), key) != m_reported.end()) return;
  m_reported.push_back(key);
  if (m_services.report) m_services.report(message);
}

}  // namespace brilox
