#include "spots/spot_line_decoder.h"

#include "spots/spot_age.h"
#include "spots/spot_text_lines.h"
#include "spots/text_columns.h"

namespace brilox {
namespace {

// The spotter's colon is looked for before the DX call column.
constexpr int kLastSpotterColonColumn = 26;
// A "." further right is not the frequency's (it is in the call or comment).
constexpr int kLastFrequencyPointColumn = 26;
constexpr int kPointPosition = 8;

// The full layout's rule for a line whose frequency has no decimal point.
std::string FrequencyWithoutPoint(std::string_view line) {
  std::string text;
  if (IsBlank(ColumnChar(line, 15))) {
    text = std::string(Columns(line, 16, 26));
  } else {
    text = std::string(Columns(line, 15, 23)) + "  ";
  }
  // A colon that stands in the frequency columns is the spotter's.
  const std::size_t colon = text.rfind(':');
  if (colon != std::string::npos) {
    for (std::size_t i = 0; i <= colon; ++i) text[i] = ' ';
  }
  return text;
}

}  // namespace

std::string SpotterFromLine(std::string_view line) {
  const int colon = FirstColumnOf(Columns(line, 1, kLastSpotterColonColumn), ':');
  std::string_view spotter;
  if (colon >= 7) {
    spotter = TrimBlanks(Columns(line, 7, colon - 1));
  } else {
    spotter = TrimBlanks(Columns(line, 7, 14));
    spotter = spotter.substr(0, kSpotterWidth);
    if (!spotter.empty() && spotter.back() == '/') spotter.remove_suffix(1);
  }
  return CutTo(spotter, kSpotterWidth);
}

std::string FrequencyTextFromLine(std::string_view line, std::size_t width) {
  // The frequency follows the spotter's colon; a "." before it is not its.
  const int colon = FirstColumnOf(Columns(line, 1, kLastSpotterColonColumn), ':');
  const int after_colon = FirstColumnOf(Columns(line, colon + 1, static_cast<int>(line.size())), '.');
  const int point = after_colon == 0 ? 0 : colon + after_colon;
  if (point == 0 || point > kLastFrequencyPointColumn || !IsDigit(ColumnChar(line, point - 1))) {
    return FitRight(FrequencyWithoutPoint(line), width);
  }
  int first_digit = point - 1;
  while (first_digit > 7 && IsDigit(ColumnChar(line, first_digit - 1))) --first_digit;
  int last_decimal = point;
  while (last_decimal - point < 3 && IsDigit(ColumnChar(line, last_decimal + 1))) ++last_decimal;
  const int whole_digits = point - first_digit;
  std::string text;
  if (whole_digits < kPointPosition - 1) text.assign(static_cast<std::size_t>(kPointPosition - 1 - whole_digits), ' ');
  text += Columns(line, first_digit, last_decimal);
  return FitRight(text, width);
}

std::string DxCallFromLine(std::string_view line) {
  std::string_view call = Columns(line, 27, 39);
  while (!call.empty() && IsBlank(call.front())) call.remove_prefix(1);
  return FitRight(call, kDxCallWidth);
}

void LigneFichDX(std::string_view line, const Settings& settings, const Clock& clock, SpotRecord& spot) {
  spot.Spotter = SpotterFromLine(line);
  spot.FreqText = FrequencyTextFromLine(line, 11);
  spot.DXCall = DxCallFromLine(line);
  spot.Comment = std::string(Columns(line, 40, 70));
  spot.SpotTime = std::string(Columns(line, 71, 75));
  CheckSpotAge(settings, clock, spot);
  spot.LogLine = BuildLogLine(spot.FreqText, spot.DXCall, LogLineDate(clock.UtcNow()), spot.SpotTime, spot.Comment,
                              spot.Spotter, SpotterCase::kUpper);
  spot.ShortLine = BuildTextShortLine(spot.Spotter, spot.FreqText, spot.DXCall, spot.Comment, spot.SpotTime);
}

void LigneFichDX_clusse(std::string_view line, const Settings& settings, const Clock& clock, SpotRecord& spot) {
  spot.Spotter = SpotterFromLine(line);
  spot.FreqText = FrequencyTextFromLine(line, 10);
  spot.DXCall = DxCallFromLine(line);
  spot.SpotTime = std::string(Columns(line, 40, 44));
  spot.Comment = line.size() > 45 ? FitRight(Columns(line, 46, 46 + kCommentWidth - 1), kCommentWidth)
                                  : std::string(kCommentWidth, ' ');
  CheckSpotAge(settings, clock, spot);
  spot.LogLine = BuildLogLine(spot.FreqText + " ", spot.DXCall, LogLineDate(clock.UtcNow()), spot.SpotTime,
                              spot.Comment, spot.Spotter, SpotterCase::kAsAnnounced);
  spot.ShortLine = BuildTextShortLine(spot.Spotter, spot.FreqText, spot.DXCall, spot.Comment, spot.SpotTime);
}

}  // namespace brilox
