#include "links/announcement_script.h"

#include <cctype>
#include <initializer_list>
#include <utility>

namespace brilox {
namespace {

using Step = AnnouncementStep;
using ToneList = std::initializer_list<std::pair<int, int>>;  // Hz, ms

constexpr ToneList kNoQslTones{{1200, 300}, {900, 500}};
constexpr ToneList kNoQsoTones{{800, 300}, {1000, 300}, {1200, 600}};
constexpr ToneList kNewTones{{800, 300}, {1000, 300}, {1200, 300}, {1000, 300}, {1200, 600}};
constexpr int kSignalPauseMs = 500;
constexpr int kShortPauseMs = 300;
constexpr int kLongPauseMs = 800;
constexpr int kLotwBase = 100;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool IsNeededBandCode(int code) { return (code >= 1 && code <= 3) || code == 102 || code == 103; }
bool IsDxccCode(int code) { return code == 4 || code == 104; }
bool IsLotwCode(int code) { return code > 101; }

class Script {
 public:
  explicit Script(const AnnouncementSettings& settings) : m_settings(settings) {}

  void Tone(int hz, int ms) { m_steps.push_back({Step::Kind::kTone, hz, ms, 0, {}}); }
  void Tones(ToneList tones) {
    for (auto [hz, ms] : tones) Tone(hz, ms);
  }
  void Pause(int ms) { m_steps.push_back({Step::Kind::kPause, 0, ms, 0, {}}); }
  void Word(std::string word) { m_steps.push_back({Step::Kind::kWord, 0, 0, 0, Upper(std::move(word))}); }
  void Spell(const std::string& text) {
    for (char c : text) Word(std::string(1, c));
  }
  // A word in speech; its letters in recorded Morse, which has no word files.
  void WordOrLetters(const std::string& word, const std::string& letters) {
    if (m_settings.style == AnnouncementStyle::kSpeech) {
      Word(word);
    } else {
      Spell(letters);
    }
  }

  // Morse characters, each followed by 2d (a blank by d where `blank_short`).
  void Morse(const std::string& text, bool blank_short = false) {
    const int d = m_settings.timing.dot_ms;
    for (char c : Upper(text)) {
      m_steps.push_back({Step::Kind::kMorse, 0, 0, c, {}});
      Pause(blank_short && c == ' ' ? d : 2 * d);
    }
  }
  // One character followed by its own pause instead of 2d.
  void MorseThenPause(char c, int ms) {
    m_steps.push_back({Step::Kind::kMorse, 0, 0, c, {}});
    Pause(ms);
  }
  void MorseWord(const std::string& text) {
    Morse(text);
    Pause(m_settings.timing.word_gap_ms);
  }

  std::vector<Step> Take() { return std::move(m_steps); }

 private:
  const AnnouncementSettings& m_settings;
  std::vector<Step> m_steps;
};

// The spoken or spelled band, mode or frequency.
void SayFrequencyOrLabel(Script& s, const AnnouncedValues& v, const AnnouncementSettings& settings) {
  if (settings.say_frequency) {
    std::string f = Trim(v.frequency);
    if (f.size() >= 2 && f.ends_with(".0")) f.resize(f.size() - 2);
    if (f.ends_with('.')) f.pop_back();
    s.Spell(f);
    return;
  }
  const std::string label = Upper(Trim(v.label));
  const bool speech = settings.style == AnnouncementStyle::kSpeech;
  if (label == "CW" || label == "SSB" || label == "RTTY" || label == "SAT") {
    s.WordOrLetters(label, label);
  } else if (label == "LW") {
    s.WordOrLetters("LONGWAVE", "LW");
  } else if (label == "1R8" || label == "3R5") {
    s.Spell(label.substr(0, 1));
    s.Word("POINT");
    s.Spell(label.substr(2, 1));
  } else if (label == "1G2" || label == "2G3" || label == "3G4" || label == "5G6" || label == "10G" ||
             label == "24G") {
    s.Spell(label.substr(0, 1));
    if (label[1] == 'G') {
      s.Word("POINT");
      s.Spell(label.substr(2, 1));
    } else {
      s.Spell(label.substr(1, 1));
    }
    if (speech) {
      s.Word("GHZ");
    } else {
      s.Spell("GHZ");
    }
  } else {
    s.Spell(label);
  }
}

void SayStation(Script& s, const AnnouncedValues& v, const AnnouncementSettings& settings) {
  s.Spell(Trim(settings.full_call ? v.call : v.prefix));
}

void SayLogbook(Script& s, int code) {
  if (!IsLotwCode(code)) return;
  s.WordOrLetters("LOGBOOK", "L");
  s.Pause(kShortPauseMs);
}

void RecordedAnnouncement(Script& s, int code, const AnnouncedValues& v,
                          const AnnouncementSettings& settings) {
  const bool ib = settings.initial_beep;
  auto signal = [&](const char* word) {
    if (!ib) return;
    s.Word(word);
    s.Pause(kSignalPauseMs);
  };
  if (code == 99) {
    s.Word("TALK");
  } else if (IsNeededBandCode(code)) {
    if (code == 1) {
      if (ib) s.Word("NONEED");
    } else {
      signal(code % kLotwBase == 2 ? "NOQSL" : "NOQSO");
    }
    SayLogbook(s, code);
    SayStation(s, v, settings);
    s.Pause(kShortPauseMs);
    SayFrequencyOrLabel(s, v, settings);
    s.Pause(kLongPauseMs);
  } else if (IsDxccCode(code)) {
    signal("NEW");
    SayLogbook(s, code);
    s.WordOrLetters("DXCC", "DXCC");
    s.Pause(kShortPauseMs);
    SayStation(s, v, settings);
    s.Pause(kLongPauseMs);
    SayFrequencyOrLabel(s, v, settings);
    s.Pause(kLongPauseMs);
  } else if (code == 5) {
    signal("NEW");
    s.WordOrLetters("SEEKED", "CALL");
    s.Pause(kLongPauseMs);
    s.Spell(Trim(v.call));
    s.Pause(kLongPauseMs);
  } else if (code == 10 || code == 11) {
    signal(code == 10 ? "NOQSL" : "NOQSO");
    s.WordOrLetters("IOTA", "IOTA");
    s.Pause(kLongPauseMs);
    s.Spell(Trim(v.iota_reference));
    s.Pause(kLongPauseMs);
  }
}

void ToneAnnouncement(Script& s, int code, const AnnouncedValues& v, const AnnouncementSettings& settings) {
  const bool ib = settings.initial_beep;
  const bool morse = settings.morse_tones;
  if (code == 99) {
    for (int i = 0; i < 4; ++i) {
      s.Tone(1000, 100);
      s.Pause(25);
    }
    return;
  }
  if (IsNeededBandCode(code)) {
    if (ib) {
      if (code == 1) {
        s.Tone(1000, 400);
        s.Pause(kSignalPauseMs);
      } else {
        s.Tones(code % kLotwBase == 2 ? kNoQslTones : kNoQsoTones);
      }
    }
    if (!morse || Trim(v.label).empty()) return;
    if (ib) s.Pause(kSignalPauseMs);
    if (IsLotwCode(code)) s.MorseThenPause('L', kShortPauseMs);
    if (ib) s.MorseWord("DX");
    s.MorseWord(Trim(v.prefix));
    s.Morse(Trim(v.label), /*blank_short=*/true);
  } else if (IsDxccCode(code) || code == 5) {
    if (ib) s.Tones(kNewTones);
    if (!morse) return;
    if (ib) s.Pause(kSignalPauseMs);
    if (code == 5) {
      if (ib) s.MorseWord("CALL");
      s.MorseWord(Trim(v.call));
      return;
    }
    if (IsLotwCode(code)) s.MorseThenPause('L', kShortPauseMs);
    if (ib) s.MorseWord("DXCC");
    s.Morse(Trim(v.prefix));
  } else if (code == 10 || code == 11) {
    if (ib) s.Tones(code == 10 ? kNoQslTones : kNoQsoTones);
    if (!morse) return;
    if (ib) {
      s.Pause(kSignalPauseMs);
      s.MorseWord("IOTA");
    }
    s.Morse(Trim(v.iota_reference), /*blank_short=*/true);
  }
}

}  // namespace

bool AlarmLevelAllows(int code, int alarm_level) {
  const int a = alarm_level;
  switch (code) {
    case 1:
      return a == 4;
    case 2:
    case 102:
    case 10:
      return a == 3 || a == 4;
    case 3:
    case 103:
    case 11:
      return a >= 2 && a <= 4;
    case 4:
    case 104:
      return a >= 1 && a <= 4;
    case 5:
      return a >= 1 && a <= 5;
    case 99:
      return true;
    default:
      return false;
  }
}

std::vector<AnnouncementStep> ScriptAnnouncement(int code, const AnnouncedValues& values,
                                                 const AnnouncementSettings& settings) {
  if (!AlarmLevelAllows(code, settings.alarm_level)) return {};
  Script script(settings);
  if (settings.style == AnnouncementStyle::kTones) {
    ToneAnnouncement(script, code, values, settings);
  } else {
    RecordedAnnouncement(script, code, values, settings);
  }
  return script.Take();
}

std::string DescribeSteps(const std::vector<AnnouncementStep>& steps) {
  std::string out;
  for (const AnnouncementStep& step : steps) {
    if (!out.empty()) out += ' ';
    switch (step.kind) {
      case AnnouncementStep::Kind::kTone:
        out += 'T' + std::to_string(step.hz) + '/' + std::to_string(step.ms);
        break;
      case AnnouncementStep::Kind::kPause:
        out += 'P' + std::to_string(step.ms);
        break;
      case AnnouncementStep::Kind::kMorse:
        out += 'M';
        out += step.character;
        break;
      case AnnouncementStep::Kind::kWord:
        out += 'W' + step.word;
        break;
    }
  }
  return out;
}

}  // namespace brilox
