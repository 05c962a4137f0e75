// What each alarm code says in each style: tone signals, Morse and recorded
// words, with the gate of AlarmLevel.  Steps are compared in their short
// form: T<Hz>/<ms> tone, P<ms> pause, M<c> Morse character, W<word> word.
#include "links/announcement_script.h"

#include <gtest/gtest.h>

namespace brilox {
namespace {

// Default Keying: d = 45 ms, so a Morse character is followed by 90 ms and a
// Morse word by a further 113 ms.
std::string Morse(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (!out.empty()) out += ' ';
    out += std::string("M") + c + " P90";
  }
  return out;
}
std::string MorseWord(const std::string& text) { return Morse(text) + " P113"; }
std::string Words(const std::string& text) {
  std::string out;
  for (char c : text) out += std::string(out.empty() ? "" : " ") + "W" + c;
  return out;
}

const std::string kNoQsl = "T1200/300 T900/500";
const std::string kNoQso = "T800/300 T1000/300 T1200/600";
const std::string kNew = "T800/300 T1000/300 T1200/300 T1000/300 T1200/600";

AnnouncedValues Values(const std::string& label = "20") {
  return {"VP8ABC", "EU5", label, "VP8", " 14025.0 "};
}

AnnouncementSettings Style(AnnouncementStyle style, bool initial_beep = true, bool morse = true) {
  AnnouncementSettings s;
  s.alarm_level = 4;
  s.style = style;
  s.initial_beep = initial_beep;
  s.morse_tones = morse;
  return s;
}

struct ScriptCase {
  const char* name;
  int code;
  AnnouncementSettings settings;
  AnnouncedValues values;
  std::string expected;
  friend void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.name; }
};

class AnnouncementScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(AnnouncementScriptTest, SaysTheStepsOfItsCodeAndStyle) {
  const ScriptCase& c = GetParam();
  EXPECT_EQ(DescribeSteps(ScriptAnnouncement(c.code, c.values, c.settings)), c.expected);
}

const auto kTones = AnnouncementStyle::kTones;
const auto kSpeech = AnnouncementStyle::kSpeech;
const auto kCw = AnnouncementStyle::kRecordedMorse;

INSTANTIATE_TEST_SUITE_P(
    Codes, AnnouncementScriptTest,
    ::testing::Values(
        // Morse tones.
        ScriptCase{"Tones1", 1, Style(kTones), Values(),
                   "T1000/400 P500 P500 " + MorseWord("DX") + " " + MorseWord("VP8") + " " + Morse("20")},
        ScriptCase{"Tones2", 2, Style(kTones), Values(),
                   kNoQsl + " P500 " + MorseWord("DX") + " " + MorseWord("VP8") + " " + Morse("20")},
        ScriptCase{"Tones102", 102, Style(kTones), Values(),
                   kNoQsl + " P500 ML P300 " + MorseWord("DX") + " " + MorseWord("VP8") + " " + Morse("20")},
        ScriptCase{"Tones3", 3, Style(kTones), Values(),
                   kNoQso + " P500 " + MorseWord("DX") + " " + MorseWord("VP8") + " " + Morse("20")},
        ScriptCase{"Tones103", 103, Style(kTones), Values(),
                   kNoQso + " P500 ML P300 " + MorseWord("DX") + " " + MorseWord("VP8") + " " + Morse("20")},
        ScriptCase{"Tones4", 4, Style(kTones), Values(),
                   kNew + " P500 " + MorseWord("DXCC") + " " + Morse("VP8")},
        ScriptCase{"Tones104", 104, Style(kTones), Values(),
                   kNew + " P500 ML P300 " + MorseWord("DXCC") + " " + Morse("VP8")},
        ScriptCase{"Tones5", 5, Style(kTones), Values(),
                   kNew + " P500 " + MorseWord("CALL") + " " + MorseWord("VP8ABC")},
        ScriptCase{"Tones10", 10, Style(kTones), Values(),
                   kNoQsl + " P500 " + MorseWord("IOTA") + " " + Morse("EU5")},
        ScriptCase{"Tones11", 11, Style(kTones), Values(),
                   kNoQso + " P500 " + MorseWord("IOTA") + " " + Morse("EU5")},
        ScriptCase{"Tones99", 99, Style(kTones), Values(),
                   "T1000/100 P25 T1000/100 P25 T1000/100 P25 T1000/100 P25"},
        // A blank in the label or IOTA reference is followed by d, not 2d.
        ScriptCase{"TonesBlankInLabel", 3, Style(kTones, false), Values("2 M"),
                   MorseWord("VP8") + " M2 P90 M  P45 MM P90"},
        // Without the initial beeps: no signal, no 500 ms, no "DX" word.
        ScriptCase{"TonesNoBeep3", 3, Style(kTones, false), Values(), MorseWord("VP8") + " " + Morse("20")},
        ScriptCase{"TonesNoBeep5", 5, Style(kTones, false), Values(), MorseWord("VP8ABC")},
        // Morse off: the tone signals only; an empty label sends no Morse.
        ScriptCase{"SignalsOnly4", 4, Style(kTones, true, false), Values(), kNew},
        ScriptCase{"EmptyLabel2", 2, Style(kTones), Values(""), kNoQsl},
        ScriptCase{"NoBeepNoMorse1", 1, Style(kTones, false, false), Values(), ""},
        // Speech.
        ScriptCase{"Speech1", 1, Style(kSpeech), Values(), "WNONEED WV WP W8 P300 W2 W0 P800"},
        ScriptCase{"Speech2", 2, Style(kSpeech), Values(), "WNOQSL P500 WV WP W8 P300 W2 W0 P800"},
        ScriptCase{"Speech103", 103, Style(kSpeech), Values("SSB"),
                   "WNOQSO P500 WLOGBOOK P300 WV WP W8 P300 WSSB P800"},
        ScriptCase{"Speech4", 4, Style(kSpeech), Values(), "WNEW P500 WDXCC P300 WV WP W8 P800 W2 W0 P800"},
        ScriptCase{"Speech104", 104, Style(kSpeech), Values(),
                   "WNEW P500 WLOGBOOK P300 WDXCC P300 WV WP W8 P800 W2 W0 P800"},
        ScriptCase{"Speech5", 5, Style(kSpeech), Values(),
                   "WNEW P500 WSEEKED P800 " + Words("VP8ABC") + " P800"},
        ScriptCase{"Speech10", 10, Style(kSpeech), Values(), "WNOQSL P500 WIOTA P800 WE WU W5 P800"},
        ScriptCase{"Speech11", 11, Style(kSpeech), Values(), "WNOQSO P500 WIOTA P800 WE WU W5 P800"},
        ScriptCase{"Speech99", 99, Style(kSpeech), Values(), "WTALK"},
        ScriptCase{"SpeechNoBeep3", 3, Style(kSpeech, false), Values(), "WV WP W8 P300 W2 W0 P800"},
        // Recorded Morse spells the words it has no files for.
        ScriptCase{"Cw103", 103, Style(kCw), Values("SSB"),
                   "WNOQSO P500 WL P300 WV WP W8 P300 WS WS WB P800"},
        ScriptCase{"Cw4", 4, Style(kCw), Values(), "WNEW P500 WD WX WC WC P300 WV WP W8 P800 W2 W0 P800"},
        ScriptCase{"Cw5", 5, Style(kCw), Values(), "WNEW P500 WC WA WL WL P800 " + Words("VP8ABC") + " P800"},
        ScriptCase{"Cw11", 11, Style(kCw), Values(), "WNOQSO P500 WI WO WT WA P800 WE WU W5 P800"},
        ScriptCase{"Cw99", 99, Style(kCw), Values(), "WTALK"}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.name); });

struct SpokenCase {
  const char* name;
  std::string label;
  std::string speech;
  std::string recorded_morse;
  friend void PrintTo(const SpokenCase& c, std::ostream* os) { *os << c.name; }
};

class SpokenLabelTest : public ::testing::TestWithParam<SpokenCase> {};

// Code 2 without beeps ends with the label followed by 800 ms.
std::string LabelPart(AnnouncementStyle style, const std::string& label) {
  AnnouncementSettings s = Style(style, false);
  std::string all = DescribeSteps(ScriptAnnouncement(2, Values(label), s));
  const std::string head = "WV WP W8 P300 ";
  EXPECT_EQ(all.substr(0, head.size()), head);
  return all.substr(head.size(), all.size() - head.size() - std::string(" P800").size());
}

TEST_P(SpokenLabelTest, LabelsAreSaidAsWordsOrSpelled) {
  const SpokenCase& c = GetParam();
  EXPECT_EQ(LabelPart(kSpeech, c.label), c.speech);
  EXPECT_EQ(LabelPart(kCw, c.label), c.recorded_morse);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, SpokenLabelTest,
    ::testing::Values(SpokenCase{"Cw", "CW", "WCW", "WC WW"}, SpokenCase{"Ssb", "SSB", "WSSB", "WS WS WB"},
                      SpokenCase{"Rtty", "RTTY", "WRTTY", "WR WT WT WY"},
                      SpokenCase{"Longwave", "LW", "WLONGWAVE", "WL WW"},
                      SpokenCase{"Sat", "SAT", "WSAT", "WS WA WT"},
                      SpokenCase{"OnePointEight", "1R8", "W1 WPOINT W8", "W1 WPOINT W8"},
                      SpokenCase{"ThreePointFive", "3R5", "W3 WPOINT W5", "W3 WPOINT W5"},
                      SpokenCase{"TwoPointThreeGhz", "2G3", "W2 WPOINT W3 WGHZ", "W2 WPOINT W3 WG WH WZ"},
                      SpokenCase{"TenGhz", "10G", "W1 W0 WGHZ", "W1 W0 WG WH WZ"},
                      SpokenCase{"TwentyFourGhz", "24G", "W2 W4 WGHZ", "W2 W4 WG WH WZ"},
                      SpokenCase{"OtherBand", "144", "W1 W4 W4", "W1 W4 W4"}),
    [](const ::testing::TestParamInfo<SpokenCase>& info) { return std::string(info.param.name); });

TEST(SpokenStationTest, FullCallAndFrequencyOptions) {
  AnnouncementSettings s = Style(kSpeech, false);
  s.full_call = true;
  s.say_frequency = true;
  struct {
    std::string frequency, spoken;
  } cases[] = {
      {" 14025.0 ", "W1 W4 W0 W2 W5"}, {"7005.", "W7 W0 W0 W5"}, {"14025.5", "W1 W4 W0 W2 W5 W. W5"}};
  for (const auto& c : cases) {
    AnnouncedValues v = Values();
    v.frequency = c.frequency;
    EXPECT_EQ(DescribeSteps(ScriptAnnouncement(3, v, s)), Words("VP8ABC") + " P300 " + c.spoken + " P800")
        << c.frequency;
  }
}

TEST(AlarmLevelGateTest, EachCodeSoundsOnlyAtItsLevels) {
  // Rows: codes; columns: AlarmLevel 0 to 5.
  struct {
    int code;
    const char* levels;
  } rows[] = {{1, "000010"},  {2, "000110"},   {102, "000110"}, {3, "001110"},  {103, "001110"},
              {4, "011110"},  {104, "011110"}, {5, "011111"},   {10, "000110"}, {11, "001110"},
              {99, "111111"}, {0, "000000"},   {20, "000000"}};
  for (const auto& row : rows) {
    for (int level = 0; level <= 5; ++level) {
      EXPECT_EQ(AlarmLevelAllows(row.code, level), row.levels[level] == '1')
          << "code " << row.code << " AlarmLevel " << level;
    }
  }
  AnnouncementSettings two = Style(kTones);
  two.alarm_level = 2;
  EXPECT_TRUE(ScriptAnnouncement(1, Values(), two).empty());
  EXPECT_FALSE(ScriptAnnouncement(3, Values(), two).empty());
  EXPECT_FALSE(ScriptAnnouncement(4, Values(), two).empty());
}

TEST(MorseTimingTest, KeyingGivesSpeedDotAndPitch) {
  struct {
    int speed_step, pitch_step, dot_ms, tone_hz;
  } cases[] = {{24, 35, 45, 900}, {0, 0, 313, 200}, {10, 50, 89, 1200}, {48, 100, 24, 2200}};
  for (const auto& c : cases) {
    const MorseTiming t = MorseTimingOf({true, c.speed_step, c.pitch_step});
    EXPECT_EQ(t.dot_ms, c.dot_ms) << c.speed_step;
    EXPECT_EQ(t.tone_hz, c.tone_hz) << c.pitch_step;
  }
  EXPECT_EQ(MorsePattern('e'), ".");
  EXPECT_EQ(MorsePattern('/'), "-..-.");
  EXPECT_EQ(MorsePattern('0'), "-----");
  EXPECT_EQ(MorsePattern('.'), "");
  EXPECT_EQ(MorsePattern(' '), "");
}

}  // namespace
}  // namespace brilox
