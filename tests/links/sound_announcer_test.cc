// The announcer on a sink that records its samples: Morse decoded back from
// the sound, its pitch and dot length, the night silence and Sound off, the
// eleventh alarm, recorded words from a sound bank, broken banks and a
// device that fails.
#include "links/sound_announcer.h"

#include <gtest/gtest.h>

#include <chrono>

#include "links/pcm_reading.h"
#include "links/tone_synthesis.h"
#include "platform/memory_file_system.h"
#include "platform/wav_image.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

using namespace std::chrono_literals;

constexpr int kRate = 16000;

AlarmRecord Seeked(const std::string& call) {
  AlarmRecord r;
  r.level = 5;
  r.dx_call = call;
  return r;
}

AlarmRecord NewEntity(const std::string& call, const std::string& prefix) {
  AlarmRecord r;
  r.level = 4;
  r.dx_call = call;
  r.entity_prefix = prefix;
  r.label = "20";
  r.frequency = "14025.0";
  return r;
}

class SoundAnnouncerTest : public ::testing::Test {
 protected:
  SoundAnnouncerTest() {
    settings.Sound = 1;
    settings.AlarmLevel = 4;
    settings.InitialBeep = 0;
    settings.Announcement = AnnouncementChoice{};  // Morse tones
    announcer.ApplySettings(settings);
  }

  void Apply() { announcer.ApplySettings(settings); }

  std::string DecodedMorse(double* dot_ms = nullptr) {
    return test::DecodeMorse(test::SignalRuns(output.samples(), kRate), kRate, dot_ms);
  }

  Settings settings;
  AnnouncementQueue queue;
  FakeAudioOutput output{kRate};
  MemoryFileSystem files;
  FakeClock clock{EncodeDateTime(2026, 3, 1, 12, 0)};
  std::vector<std::string> reports;
  TThreadSound announcer{SoundAnnouncerServices{queue, output, files, clock, "/prog",
                                                [this](const std::string& m) { reports.push_back(m); }}};
};

TEST_F(SoundAnnouncerTest, MorseDecodesToTheCallAtTheSetPitchAndSpeed) {
  struct {
    int speed_step, pitch_step;
    double dot_ms, tone_hz;
  } keyings[] = {{24, 35, 45, 900}, {10, 50, 89, 1200}, {40, 20, 28, 600}};
  for (const auto& k : keyings) {
    output.Clear();
    settings.Keying = {true, k.speed_step, k.pitch_step};
    Apply();
    announcer.Announce(Seeked("VP8/G3ABC"));
    double dot = 0;
    EXPECT_EQ(DecodedMorse(&dot), "VP8/G3ABC");
    EXPECT_NEAR(dot, k.dot_ms, 0.02 * k.dot_ms);
    const std::vector<std::int16_t> pcm = output.samples();
    const std::vector<test::Run> runs = test::SignalRuns(pcm, kRate);
    ASSERT_FALSE(runs.empty());
    const test::Run& first_on = runs[0].on ? runs[0] : runs[1];
    EXPECT_NEAR(test::PitchHz(pcm, first_on.begin, first_on.length, kRate), k.tone_hz, 0.02 * k.tone_hz);
  }
}

TEST_F(SoundAnnouncerTest, AnEIsOneDotOfTheKeyingTone) {
  std::vector<std::int16_t> e;
  settings.Keying = {true, 24, 35};
  Apply();
  announcer.Announce(Seeked("E"));
  const std::vector<std::int16_t> pcm = output.samples();
  // One dot of 45 ms, its 45 ms gap, the 90 ms after the character and the
  // 113 ms word gap.
  EXPECT_EQ(pcm.size(), static_cast<std::size_t>((45 + 45 + 90 + 113) * kRate / 1000));
  AppendTone(e, 900, 45, kRate);
  EXPECT_TRUE(std::equal(e.begin(), e.end(), pcm.begin()));
  // The raised-cosine edges: the tone starts and ends near silence.
  EXPECT_LT(std::abs(pcm[1]), 200);
  EXPECT_LT(std::abs(pcm[e.size() - 1]), 200);
}

TEST_F(SoundAnnouncerTest, SignalsThenMorseAfterTheirPause) {
  settings.InitialBeep = 1;
  Apply();
  announcer.Announce(NewEntity("VP8ABC", "VP8"));
  const std::vector<std::int16_t> pcm = output.samples();
  std::vector<test::Run> runs = test::SignalRuns(pcm, kRate);
  // The five tones end with the 500 ms pause; Morse follows.
  auto pause = std::find_if(runs.begin(), runs.end(),
                            [](const test::Run& r) { return !r.on && test::Ms(r.length, kRate) > 450; });
  ASSERT_NE(pause, runs.end());
  const std::vector<test::Run> morse(pause, runs.end());
  EXPECT_EQ(test::DecodeMorse(morse, kRate), "DXCC VP8");
  EXPECT_NEAR(test::PitchHz(pcm, runs[0].begin, runs[0].length, kRate), 800, 16);
  // Every step sounds for exactly its length.
  std::size_t expected_ms = 0;
  for (const AnnouncementStep& step : announcer.last_steps()) {
    if (step.kind == AnnouncementStep::Kind::kMorse) {
      for (char element : MorsePattern(step.character)) expected_ms += (element == '-' ? 3 : 1) * 45 + 45;
    } else {
      expected_ms += static_cast<std::size_t>(step.ms);
    }
  }
  EXPECT_EQ(pcm.size(), expected_ms * kRate / 1000);
}

TEST_F(SoundAnnouncerTest, SilenceAtNightAndWithSoundOff) {
  settings.NoNightSound = 1;
  settings.StartSilence = 22.0 / 24;
  settings.StopSilence = 6.0 / 24;
  struct {
    const char* name;
    int sound;
    int hour;
    bool test_entry;
    bool heard;
  } cases[] = {{"night", 1, 23, false, false},
               {"early morning", 1, 5, false, false},
               {"day", 1, 12, false, true},
               {"sound off", 0, 12, false, false},
               {"operator's test, sound off", 0, 12, true, true},
               {"operator's test at night", 1, 23, true, true}};
  for (const auto& c : cases) {
    output.Clear();
    settings.Sound = c.sound;
    Apply();
    clock.SetUtc(EncodeDateTime(2026, 3, 1, c.hour, 0));
    AlarmRecord entry = Seeked("K1ABC");
    entry.test = c.test_entry;
    announcer.Announce(entry);
    EXPECT_EQ(!output.samples().empty(), c.heard) << c.name;
  }
}

TEST_F(SoundAnnouncerTest, TheEleventhAlarmEmptiesTheQueueAndIsTheOneHeard) {
  for (int i = 0; i < 10; ++i) queue.Add(Seeked("K" + std::to_string(i) + "OLD"));
  queue.Add(Seeked("VK0NEW"));
  announcer.Start();
  ASSERT_TRUE(output.WaitForFinishes(1, 5s));
  EXPECT_EQ(queue.size(), 0u);
  EXPECT_EQ(output.finish_count(), 1);  // one announcement, not eleven
  announcer.Stop();
  EXPECT_EQ(DecodedMorse(), "VK0NEW");
}

TEST_F(SoundAnnouncerTest, TheThreadWakesForEachEntryAndKeepsValuesBetweenThem) {
  announcer.Start();
  queue.Add(NewEntity("ZL9XYZ", "ZL9"));
  ASSERT_TRUE(output.WaitForFinishes(1, 5s));
  // An IOTA entry fills only its reference: the call and prefix stay.
  AlarmRecord iota;
  iota.level = 11;
  iota.iota_reference = "OC 12";
  queue.Add(iota);
  ASSERT_TRUE(output.WaitForFinishes(2, 5s));
  announcer.Stop();
  EXPECT_EQ(announcer.current().call, "ZL9XYZ");
  EXPECT_EQ(announcer.current().prefix, "ZL9");
  EXPECT_EQ(announcer.current().iota_reference, "OC 12");
}

// A sink whose Play holds until it is told to stop, as a device would in a
// long announcement.
class HoldingOutput final : public AudioOutput {
 public:
  int sample_rate() const override { return kRate; }
  Status Play(std::span<const std::int16_t>, const std::atomic<bool>& stop) override {
    playing = true;
    while (!stop) std::this_thread::sleep_for(1ms);
    return Status::Ok();
  }
  Status Finish(const std::atomic<bool>&) override { return Status::Ok(); }
  std::atomic<bool> playing{false};
};

TEST(SoundAnnouncerStopTest, StopsPromptlyInTheMiddleOfAnAnnouncement) {
  AnnouncementQueue queue;
  HoldingOutput output;
  MemoryFileSystem files;
  FakeClock clock;
  Settings settings;
  settings.AlarmLevel = 5;
  TThreadSound announcer{SoundAnnouncerServices{queue, output, files, clock, "/prog", {}}};
  announcer.ApplySettings(settings);
  announcer.Start();
  queue.Add(Seeked("K1ABC"));
  const auto deadline = std::chrono::steady_clock::now() + 5s;
  while (!output.playing && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
  ASSERT_TRUE(output.playing);
  const auto before = std::chrono::steady_clock::now();
  announcer.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);
}

TEST_F(SoundAnnouncerTest, AFailingDeviceIsReportedOnceAndTheAnnouncerGoesOn) {
  output.FailFromNowOn(true);
  announcer.Announce(Seeked("K1ABC"));
  announcer.Announce(Seeked("K2ABC"));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("No sound"), std::string::npos);
  output.FailFromNowOn(false);
  announcer.Announce(Seeked("K3ABC"));
  EXPECT_EQ(DecodedMorse(), "K3ABC");
}

// A bank in memory whose every sound is a short tone of its own length, so
// that the played samples show which words were said.
void WriteBank(MemoryFileSystem& files, const std::string& voice) {
  int ms = 20;
  auto put = [&](const std::string& folder, const std::string& name) {
    std::vector<std::int16_t> samples;
    AppendTone(samples, 700, ms++, kRate);
    ASSERT_TRUE(files.WriteFile("/prog/sounds/" + folder + "/" + name, MakeWavImage(samples, kRate)).ok());
  };
  for (char c = '0'; c <= '9'; ++c) put(voice, std::string(1, c) + ".wav");
  for (char c = 'a'; c <= 'z'; ++c) put(voice, std::string(1, c) + ".wav");
  for (const char* w :
       {"point", "stroke", "cw", "dxcc", "ghz", "iota", "longwave", "rtty", "sat", "seeked", "ssb"}) {
    put(voice, std::string(w) + ".wav");
  }
  for (const char* w : {"new", "noneed", "noqsl", "noqso", "talk"}) put("common", std::string(w) + ".wav");
}

TEST_F(SoundAnnouncerTest, SpeechPlaysTheBanksWords) {
  WriteBank(files, "ENUM");
  settings.Announcement = {false, false, true, "ENUM"};
  Apply();
  AlarmRecord talk;
  talk.level = 99;
  announcer.Announce(talk);
  const Result<std::string> wav = files.ReadFile("/prog/sounds/common/talk.wav");
  ASSERT_TRUE(wav.ok());
  EXPECT_EQ(output.samples(), ReadWavImage(*wav)->samples);

  output.Clear();
  AlarmRecord iota;
  iota.level = 10;
  iota.iota_reference = "EU5";
  settings.InitialBeep = 1;
  Apply();
  announcer.Announce(iota);
  // "noqsl", 500 ms, "iota", 800 ms, "e", "u", "5", 800 ms; no file is
  // missing, so nothing was reported.
  std::size_t samples = (500 + 800 + 800) * kRate / 1000;
  for (const char* word : {"common/noqsl", "ENUM/iota", "ENUM/e", "ENUM/u", "ENUM/5"}) {
    samples += ReadWavImage(*files.ReadFile(std::string("/prog/sounds/") + word + ".wav"))->samples.size();
  }
  EXPECT_EQ(output.samples().size(), samples);
  EXPECT_TRUE(reports.empty());
}

// The bank that ships: every file the announcer needs is there and reads;
// the recorded Morse spells a call that decodes back.
TEST(ShippedSoundBankTest, LoadsAndItsRecordedMorseDecodes) {
  const std::string sounds = testing::ProgramDataPath("sounds");
  for (const char* voice : {"CW", "ENUM"}) {
    Result<SoundBank> bank = LoadSoundBank(PosixFileSystem(), sounds, voice, kRate);
    ASSERT_TRUE(bank.ok()) << voice << ": " << bank.status().ToString();
    EXPECT_NE(bank->Find("/"), nullptr) << voice;
    EXPECT_NE(bank->Find("noqso"), nullptr) << voice;
  }
  EXPECT_NE(LoadSoundBank(PosixFileSystem(), sounds, "ENUM", kRate)->Find("GHZ"), nullptr);

  AnnouncementQueue queue;
  FakeAudioOutput output{kRate};
  FakeClock clock;
  std::vector<std::string> reports;
  TThreadSound announcer{SoundAnnouncerServices{queue, output, PosixFileSystem(), clock,
                                                testing::ProgramDataPath(""),
                                                [&](const std::string& m) { reports.push_back(m); }}};
  Settings settings;
  settings.AlarmLevel = 4;
  settings.InitialBeep = 0;
  settings.Announcement = {false, true, false, "CW"};
  announcer.ApplySettings(settings);
  announcer.Announce(Seeked("VP8/G3ABC"));
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(DescribeSteps(announcer.last_steps()), "WC WA WL WL P800 WV WP W8 W/ WG W3 WA WB WC P800");
  // "CALL" then the call: the 800 ms pause reads as a word gap.
  double dot = 0;
  EXPECT_EQ(test::DecodeMorse(test::SignalRuns(output.samples(), kRate), kRate, &dot), "CALL VP8/G3ABC");
  EXPECT_NEAR(dot, 45, 0.9);
}

struct BrokenBankCase {
  const char* name;
  const char* file;     // under /prog/sounds; "" for a voice folder that is not there
  std::string content;  // "" removes the file
  const char* message;  // part of the report
};

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}

std::string GoodWav() { return MakeWavImage(std::vector<std::int16_t>(800, 1000), kRate); }

class BrokenBankTest : public SoundAnnouncerTest, public ::testing::WithParamInterface<BrokenBankCase> {};

TEST_P(BrokenBankTest, IsReportedAndMorseTonesSoundInstead) {
  const BrokenBankCase& c = GetParam();
  WriteBank(files, "ENUM");
  settings.Announcement = {false, false, true, "ENUM"};
  if (std::string(c.file).empty()) {
    settings.Announcement.sound_folder = "DEUF";
  } else if (c.content.empty()) {
    ASSERT_TRUE(files.Remove(std::string("/prog/sounds/") + c.file).ok());
  } else {
    ASSERT_TRUE(files.WriteFile(std::string("/prog/sounds/") + c.file, c.content).ok());
  }
  Apply();
  announcer.Announce(Seeked("K1ABC"));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find(c.message), std::string::npos) << reports[0];
  EXPECT_EQ(DecodedMorse(), "K1ABC");
  // The refused bank is not read again for every alarm.
  announcer.Announce(Seeked("K2ABC"));
  EXPECT_EQ(reports.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Banks, BrokenBankTest,
    ::testing::Values(BrokenBankCase{"Truncated", "ENUM/k.wav", GoodWav().substr(0, 100),
                                     "sounds/ENUM/k.wav: WAV data chunk of 1600"},
                      BrokenBankCase{"HugeDataChunk", "ENUM/a.wav",
                                     GoodWav().substr(0, 40) + Le32(0xFFFFFFF0u) + std::string(64, '\0'),
                                     "truncated"},
                      BrokenBankCase{"NotPcm", "common/new.wav",
                                     [] {
                                       std::string w = GoodWav();
                                       w[20] = 3;  // IEEE float
                                       return w;
                                     }(),
                                     "sounds/common/new.wav: WAV is not PCM (format 3)"},
                      BrokenBankCase{"MissingFile", "ENUM/dxcc.wav", "", "sounds/ENUM/dxcc.wav"},
                      BrokenBankCase{"MissingFolder", "", "", "sounds/DEUF: missing folder"}),
    [](const ::testing::TestParamInfo<BrokenBankCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brilox
