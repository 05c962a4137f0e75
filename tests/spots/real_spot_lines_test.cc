// Real "DX de " lines captured from cluster nodes (tests/data/spots) decode
// into the fields an operator reads off the line: the decoder's columns are
// checked against a plain split of the line at blanks.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/band_mode.h"  // SpotFrequencyKhz
#include "spots/spot_line_decoder.h"
#include "support/test_paths.h"

namespace brilox {
namespace {

std::string Trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What a reader sees: spotter up to the colon, then frequency, call,
// comment and the time in columns 71-75.
struct ReadByEye {
  std::string spotter, frequency, call, comment, time;
};

ReadByEye Read(const std::string& line) {
  ReadByEye seen;
  const std::size_t colon = line.find(':');
  seen.spotter = Trim(line.substr(6, colon - 6));
  std::istringstream rest(line.substr(colon + 1, 70 - colon - 1));
  rest >> seen.frequency >> seen.call;
  std::string word;
  while (rest >> word) seen.comment += (seen.comment.empty() ? "" : " ") + word;
  seen.time = line.substr(70, 5);
  return seen;
}

std::string SqueezeBlanks(const std::string& text) {
  std::istringstream in(text);
  std::string word, out;
  while (in >> word) out += (out.empty() ? "" : " ") + word;
  return out;
}

TEST(RealSpotLines, DecodeIntoTheFieldsOnTheLine) {
  std::istringstream lines(testing::ReadTestData("spots/full_layout_lines.txt"));
  Settings settings;
  FakeClock clock(EncodeDateTime(2026, 3, 1, 12, 0));
  int count = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty()) continue;
    ++count;
    const ReadByEye seen = Read(line);
    SpotRecord spot;
    LigneFichDX(line, settings, clock, spot);
    EXPECT_EQ(spot.Spotter, seen.spotter) << line;
    EXPECT_EQ(Trim(spot.FreqText), seen.frequency) << line;
    EXPECT_EQ(spot.FreqText.size(), 11u) << line;
    if (seen.frequency.find('.') <= 7) {
      EXPECT_EQ(spot.FreqText[7], '.') << line;
    }
    EXPECT_EQ(Trim(spot.DXCall), seen.call) << line;
    EXPECT_EQ(spot.DXCall.size(), 12u) << line;
    EXPECT_EQ(SqueezeBlanks(spot.Comment), seen.comment) << line;
    EXPECT_EQ(spot.SpotTime, seen.time) << line;
    EXPECT_EQ(spot.LogLine.size(), 79u) << line;
    EXPECT_EQ(spot.LogLine.substr(0, 11), spot.FreqText) << line;

    // The frequency the band test reads from the same line is the one shown.
    EXPECT_DOUBLE_EQ(SpotFrequencyKhz(line).value_or(-1), std::stod(seen.frequency)) << line;
  }
  EXPECT_GT(count, 100);
}

}  // namespace
}  // namespace brilox
