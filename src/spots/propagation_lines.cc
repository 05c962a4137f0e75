#include "spots/propagation_lines.h"

#include <vector>

#include "spots/column_text.h"
#include "spots/traffic_log.h"

namespace brilox {
namespace {

using column_text::Copy;
using column_text::Cut;
using column_text::From;
using column_text::IsDigit;
using column_text::PadLeft;
using column_text::PadRight;
using column_text::Pos;
using column_text::Trim;
using column_text::Upper;

constexpr std::size_t kBlockWidth = 46;  // columns 33-78: text, then "<sender>"
constexpr std::size_t kForecastMax = 50;
// Blank, date, blanks, hour, blanks, SFI, blank, A, blanks, K, blanks, block.
static_assert(1 + 11 + 2 + 2 + 3 + 3 + 1 + 3 + 3 + 1 + 2 + kBlockWidth == kPropagationTextLength);

// " d-Mon-yyyy" of the UTC date of reception.
std::string ReceptionDate(DayTime utc_now) {
  const CivilTime c = DecodeDateTime(utc_now);
  return PadLeft(std::to_string(c.day), 2) + "-" + std::string(column_text::MonthName(c.month)) + "-" +
         PadLeft(std::to_string(c.year), 4, '0');
}

// The text between "de " and the first ":" after it, trimmed and upper-cased.
std::string SenderPart(std::string_view line, std::size_t max_length) {
  const std::size_t de = Pos("de ", line);
  if (de == 0) return {};
  const std::size_t colon = Pos(":", line, de + 3);
  if (colon == 0) return {};
  return Cut(Upper(Trim(Copy(line, de + 3, colon - de - 3))), max_length);
}

// The character at 1-based `position`, or a blank beyond the text.
char At(std::string_view line, std::size_t position) {
  return position >= 1 && position <= line.size() ? line[position - 1] : ' ';
}

// Up to `max` digits from 1-based `position`.
std::string DigitsAt(std::string_view line, std::size_t position, std::size_t max) {
  std::string digits;
  while (digits.size() < max && IsDigit(At(line, position + digits.size()))) {
    digits += line[position + digits.size() - 1];
  }
  return digits;
}

// The texts below are built by appending: GCC 12 at -O3 takes a literal put
// before a string (`"x" + text`, `insert(0, ...)`) for an overlapping copy
// and warns (-Wrestrict), though the code is sound.

// A bracketed hour of one digit reads as two.
std::string TwoCharacterHour(const std::string& hour) {
  if (hour.size() == 1) return std::string("0").append(hour);
  return PadRight(hour, 2);
}

// A WWV flux of two digits is right-aligned: "70," reads " 70".
std::string WwvSolarFlux(std::string_view line) {
  const std::size_t p = Pos("SFI=", line);
  if (p == 0) return "   ";
  const std::string sfi = Copy(line, p + 4, 3);
  if (sfi.size() < 3 || !IsDigit(sfi[2])) return std::string(" ").append(Cut(sfi, 2));
  return sfi;
}

char WwvKIndex(std::string_view line) {
  const std::size_t p = Pos(" K=", line);
  if (p == 0) return ' ';
  if (IsDigit(At(line, p + 3))) return At(line, p + 3);
  if (IsDigit(At(line, p + 4))) return At(line, p + 4);
  return ' ';
}

// The free text after the K value; for a line without a bracketed hour the
// trailing time ("1800Z") is not part of it.
std::string WwvForecast(std::string_view line, char source_type) {
  const std::size_t p = Pos(" K=", line);
  if (p == 0 || line.size() <= p + 5) return {};
  std::string text = Copy(line, p + 5, kForecastMax);
  if (!text.empty() && text[0] == ',') text.erase(0, 1);
  text = Trim(text);
  if (source_type == 'D') text = Trim(Cut(text, text.size() >= 5 ? text.size() - 5 : 0));
  return text;
}

// The piece of a WCY line that starts after the blank of `key`, or nothing.
std::string WcyPiece(std::string_view line, std::string_view key, std::size_t length) {
  const std::size_t p = Pos(key, line);
  return p == 0 ? std::string() : Copy(line, p + 1, length);
}

std::string WcyText(std::string_view line, char source_type) {
  std::string expected = WcyPiece(line, source_type == 'D' ? " ExpK=" : " expK=", 7);
  if (expected.empty()) expected = WcyPiece(line, source_type == 'D' ? " expK=" : " ExpK=", 7);
  std::string r = WcyPiece(line, " R=", 3);
  if (!r.empty()) {
    const std::size_t next = Pos(" R=", line) + 4;
    r += DigitsAt(line, next, 2);
  }
  const std::size_t sa = Pos(" SA=", line);
  const std::string activity = sa == 0 ? std::string() : From(line, sa + 1);
  return Cut(expected + r + " " + activity, kForecastMax);
}

}  // namespace

std::string SfiStatusText(std::string_view solar_flux) {
  return std::string("SFI=").append(Trim(solar_flux));
}

std::string BuildPropagationRecord(std::string_view date, std::string_view hour, std::string_view solar_flux,
                                   std::string_view a_index, char k_index, std::string_view text,
                                   std::string_view sender) {
  std::string block = PadRight(text, kBlockWidth);
  const std::string tag = std::string("<").append(Cut(sender, kBlockWidth - 2)).append(">");
  block.replace(kBlockWidth - tag.size(), tag.size(), tag);
  std::string record(" ");
  record.append(PadLeft(date, 11)).append("  ").append(PadRight(hour, 2)).append("   ");
  record.append(PadLeft(solar_flux, 3)).append(" ").append(PadLeft(a_index, 3)).append("   ");
  record.append(1, k_index).append("  ").append(block);
  return record;
}

PropagationLine LigneFichWWV(std::string_view line, DayTime utc_now) {
  PropagationLine out;
  const std::string x = SenderPart(line, 25);
  const std::size_t lt = Pos("<", x);
  std::string hour;
  if (lt == 0) {
    out.SourceType = 'D';
    out.Spotter = Cut(x, 9);
    hour = Copy(line, static_cast<std::ptrdiff_t>(line.size()) - 4, 2);
  } else {
    out.SourceType = 'P';
    const std::size_t at = Pos("@", x);
    const std::size_t end = at != 0 && at < lt ? at : lt;
    out.Spotter = Cut(Trim(Copy(x, 1, end - 1)), 9);
    hour = Copy(x, lt + 1, 2);
  }
  const std::string sfi = WwvSolarFlux(line);
  out.StatusText = SfiStatusText(sfi);
  const std::size_t a = Pos(" A=", line);
  const std::string a_index = a == 0 ? std::string() : DigitsAt(line, a + 3, 3);
  out.LogLine = BuildPropagationRecord(ReceptionDate(utc_now), hour, sfi, a_index, WwvKIndex(line),
                                       WwvForecast(line, out.SourceType), out.Spotter);
  return out;
}

PropagationLine LigneFichWCY(std::string_view line, DayTime utc_now) {
  PropagationLine out;
  const std::string x = SenderPart(line, 20);
  const std::size_t lt = Pos("<", x);
  std::string hour;
  if (lt != 0) {
    out.SourceType = 'P';
    out.Spotter = Cut(Trim(Copy(x, 1, lt - 1)), 9);
    const std::size_t gt = Pos(">", x, lt + 1);
    hour = gt == 0 ? From(x, lt + 1) : Copy(x, lt + 1, gt - lt - 1);
    hour = TwoCharacterHour(Cut(hour, 2));
  } else {
    out.SourceType = 'D';
    out.Spotter = Cut(x, 9);
    hour = column_text::TwoDigits(DecodeDateTime(utc_now).hour);
  }
  const std::size_t k = Pos(": K=", line);
  const char k_index = k == 0 ? ' ' : At(line, k + 4);
  const std::size_t a = Pos(" A=", line);
  const std::string a_index = a == 0 ? std::string() : Copy(line, a + 3, 1) + DigitsAt(line, a + 4, 2);
  const std::size_t s = Pos(" SFI=", line);
  const std::string sfi = s == 0 ? std::string() : Copy(line, s + 5, 2) + DigitsAt(line, s + 7, 1);
  out.StatusText = SfiStatusText(sfi);
  out.LogLine = BuildPropagationRecord(ReceptionDate(utc_now), hour, sfi, a_index, k_index,
                                       WcyText(line, out.SourceType), out.Spotter);
  return out;
}

std::optional<PropagationLine> DecodeWWV(std::string& decode_line) {
  // Fields between the first eight separators: date, hour, SFI, A, K, forecast, logger.
  std::vector<std::size_t> carets;
  for (std::size_t i = 0; i < decode_line.size() && carets.size() < 8; ++i) {
    if (decode_line[i] == '^') carets.push_back(i);
  }
  if (carets.size() < 8) {
    decode_line.clear();
    return std::nullopt;
  }
  const auto field = [&](std::size_t n, std::size_t max) {
    return Cut(std::string_view(decode_line).substr(carets[n] + 1, carets[n + 1] - carets[n] - 1), max);
  };
  std::string date = field(0, 11);
  std::string hour = field(1, 5);
  const std::string sfi = PadLeft(field(2, 3), 3);
  const std::string a_index = PadLeft(field(3, 3), 3);
  const std::string k = field(4, 3);
  const std::string forecast = field(5, kForecastMax);
  PropagationLine out;
  out.Spotter = field(6, 11);
  out.SourceType = 'P';
  if (date.size() == 10) date = std::string(" ").append(date);
  hour = Cut(hour, 2);
  // The record holds one K character; a padded field (" 1") still gives its digit.
  const std::string k_trimmed = Trim(k);
  const char k_index = k_trimmed.empty() ? ' ' : k_trimmed[0];
  out.StatusText = SfiStatusText(sfi);
  out.LogLine = BuildPropagationRecord(date, TwoCharacterHour(hour), sfi, a_index, k_index, forecast, out.Spotter);
  decode_line = std::string("WWV de ").append(out.Spotter).append(" <").append(hour).append("> :   SFI=");
  decode_line.append(sfi).append(", A=").append(a_index).append(", K= ").append(k).append(", ").append(forecast);
  return out;
}

}  // namespace brilox
