// Reading recorded sound back in tests: the on and off runs of a signal
// from its envelope, Morse decoded from them, and the pitch of a tone from
// its zero crossings.  Works on clean synthesised sound and on a recording
// of it from an audio server.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace brilox::test {

struct Run {
  bool on = false;
  std::size_t begin = 0;   // first sample
  std::size_t length = 0;  // samples
};

// On runs where a 2 ms moving mean of |x| passes 25 % of its peak.  Runs
// shorter than 3 ms (edges, clicks) are merged into their neighbours.
inline std::vector<Run> SignalRuns(const std::vector<std::int16_t>& x, int rate) {
  const std::size_t window = static_cast<std::size_t>(std::max(1, rate / 500));
  std::vector<double> envelope(x.size(), 0.0);
  double sum = 0.0, peak = 0.0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    sum += std::abs(static_cast<double>(x[i]));
    if (i >= window) sum -= std::abs(static_cast<double>(x[i - window]));
    envelope[i] = sum / static_cast<double>(window);
    peak = std::max(peak, envelope[i]);
  }
  std::vector<Run> raw;
  if (peak <= 0.0) return raw;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const bool on = envelope[i] > 0.25 * peak;
    if (raw.empty() || raw.back().on != on) raw.push_back({on, i, 0});
    ++raw.back().length;
  }
  // Runs too short to be real (edges, clicks) join the run before them.
  const std::size_t min_run = static_cast<std::size_t>(rate * 3 / 1000);
  std::vector<Run> runs;
  for (const Run& r : raw) {
    if (!runs.empty() && (r.length < min_run || runs.back().on == r.on)) {
      runs.back().length += r.length;
    } else {
      runs.push_back(r);
    }
  }
  return runs;
}

inline double Ms(std::size_t samples, int rate) { return 1000.0 * static_cast<double>(samples) / rate; }

// The Morse text of the runs and the dot length; an on run of 2 dots or more is a dash, an off run
// of 2 dots or more ends a character, one of 4.5 dots or more a word.
inline std::string DecodeMorse(const std::vector<Run>& runs, int rate, double* dot_ms = nullptr) {
  std::vector<const Run*> on;
  for (const Run& r : runs) {
    if (r.on) on.push_back(&r);
  }
  if (on.empty()) return {};
  // Onset-to-onset periods: 2 dots after a dot, 4 after a dash, more across
  // characters.  The dot is half the median of the shortest period that
  // recurs (three times or more), which a stray split of one element (a
  // recording's dropout) does not move.
  std::vector<std::size_t> periods;
  for (std::size_t i = 0; i + 1 < on.size(); ++i) periods.push_back(on[i + 1]->begin - on[i]->begin);
  std::sort(periods.begin(), periods.end());
  double d = periods.empty() ? Ms(on[0]->length, rate) : Ms(periods[0], rate) / 2.0;
  for (std::size_t candidate : periods) {
    std::vector<std::size_t> near;
    for (std::size_t p : periods) {
      if (std::abs(static_cast<double>(p) - static_cast<double>(candidate)) <
          0.12 * static_cast<double>(candidate)) {
        near.push_back(p);
      }
    }
    if (near.size() >= 3) {
      d = Ms(near[near.size() / 2], rate) / 2.0;
      break;
    }
  }
  if (dot_ms != nullptr) *dot_ms = d;
  static const char* kCodes[] = {".-",    "-...",  "-.-.",  "-..",   ".",     "..-.",  "--.",   "....",
                                 "..",    ".---",  "-.-",   ".-..",  "--",    "-.",    "---",   ".--.",
                                 "--.-",  ".-.",   "...",   "-",     "..-",   "...-",  ".--",   "-..-",
                                 "-.--",  "--..",  "-----", ".----", "..---", "...--", "....-", ".....",
                                 "-....", "--...", "---..", "----.", "-..-."};
  static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/";
  std::string text, symbol;
  auto flush = [&] {
    if (symbol.empty()) return;
    char c = '?';
    for (std::size_t k = 0; k < sizeof(kCodes) / sizeof(kCodes[0]); ++k) {
      if (symbol == kCodes[k]) c = kChars[k];
    }
    text += c;
    symbol.clear();
  };
  bool started = false;
  for (const Run& r : runs) {
    const double ms = Ms(r.length, rate);
    if (r.on) {
      symbol += ms >= 2.0 * d ? '-' : '.';
      started = true;
    } else if (started && ms >= 2.0 * d) {
      flush();
      if (ms >= 4.5 * d && &r != &runs.back()) text += ' ';
    }
  }
  flush();
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The pitch of the samples [begin, begin + length) from their zero crossings.
inline double PitchHz(const std::vector<std::int16_t>& x, std::size_t begin, std::size_t length, int rate) {
  std::vector<double> crossings;
  for (std::size_t i = begin + 1; i < begin + length && i < x.size(); ++i) {
    if ((x[i - 1] < 0) != (x[i] < 0)) {
      // Where the line between the two samples meets zero.
      const double a = x[i - 1], b = x[i];
      crossings.push_back(static_cast<double>(i - 1) + a / (a - b));
    }
  }
  if (crossings.size() < 3) return 0.0;
  const double span = (crossings.back() - crossings.front()) / rate;
  return static_cast<double>(crossings.size() - 1) / 2.0 / span;
}

}  // namespace brilox::test
