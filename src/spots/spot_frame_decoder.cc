#include "spots/spot_frame_decoder.h"

#include <array>
#include <string_view>

#include "spots/spot_age.h"
#include "spots/spot_text_lines.h"
#include "spots/text_columns.h"

namespace brilox {
namespace {

constexpr std::size_t kFrameDateWidth = 11;

// The six fields after the frame's name: frequency, DX call, date, time,
// comment, spotter.
struct FrameFields {
  std::string_view frequency, dx_call, date, time, comment, spotter;
};

// A frame cut before its seventh caret gives no fields at all: fields taken
// from a cut frame would be a spot with wrong values.
FrameFields SplitFrame(std::string_view frame) {
  std::array<std::size_t, 7> carets{};
  std::size_t from = 0;
  for (std::size_t& caret : carets) {
    caret = frame.find('^', from);
    if (caret == std::string_view::npos) return {};
    from = caret + 1;
  }
  auto between = [&](std::size_t i) { return frame.substr(carets[i] + 1, carets[i + 1] - carets[i] - 1); };
  return {between(0), between(1), between(2), between(3), between(4), between(5)};
}

std::string Blanks(long count) { return count > 0 ? std::string(static_cast<std::size_t>(count), ' ') : std::string(); }

// "01-Mar-2026" or " 1-Mar-2026" becomes "01-Mar-26" or " 1-Mar-26".
std::string LogDateFromFrameDate(std::string_view frame_date) {
  std::string date(frame_date);
  if (date.size() == 10) date.insert(date.begin(), ' ');
  if (date.size() >= 9) date.erase(7, 2);
  return date;
}

// The frequency in the 11 LogLine columns with its "." in column 8; a
// frequency without "." ends in column 7 as if the point followed it.
std::string LogFrequency(std::string_view frequency) {
  const std::size_t point = frequency.find('.');
  const long point_column = point == std::string_view::npos ? static_cast<long>(frequency.size()) + 1
                                                            : static_cast<long>(point) + 1;
  return FitRight(Blanks(8 - point_column) + std::string(frequency), 11);
}

}  // namespace

void DecodeDX(std::string& decode_line, const Settings& settings, const Clock& clock, SpotRecord& spot) {
  const FrameFields fields = SplitFrame(decode_line);
  const std::string frequency(fields.frequency);
  const std::string date = CutTo(fields.date, kFrameDateWidth);
  std::string comment = CutTo(fields.comment, kCommentWidth);
  const std::string spotter = CutTo(fields.spotter, kFrameSpotterWidth);

  spot.FreqText = frequency;
  spot.DXCall = FitRight(fields.dx_call, kDxCallWidth);
  spot.SpotTime = CutTo(fields.time, kSpotTimeWidth);
  spot.Comment = comment;
  spot.Spotter = spotter;
  CheckFrameSpotAge(date, settings, clock, spot);

  const long spotter_length = static_cast<long>(spotter.size());
  const std::string before_frequency = Blanks(17 - spotter_length - static_cast<long>(frequency.size()));
  const std::string after_comment = Blanks(static_cast<long>(kCommentWidth) - static_cast<long>(comment.size()));

  std::string line = "DX de " + spotter + ":" + before_frequency + frequency + "  " + spot.DXCall + " " + comment +
                     after_comment + spot.SpotTime;
  if (line.size() > kDecodeLineCapacity) line.resize(kDecodeLineCapacity);
  decode_line = std::move(line);

  spot.LogLine = BuildLogLine(LogFrequency(frequency), spot.DXCall, LogDateFromFrameDate(date), spot.SpotTime,
                              comment, spotter, SpotterCase::kAsAnnounced);
  spot.ShortLine = BuildShortLine(spotter, frequency, spot.DXCall, comment, spot.SpotTime);
}

}  // namespace brilox
