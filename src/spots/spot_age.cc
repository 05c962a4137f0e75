#include "spots/spot_age.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "spots/text_columns.h"

namespace brilox {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::optional<int> ReadDigits(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c) || value > 100000) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Minutes since midnight of "HHMM...", or nothing when it is not a time of day.
std::optional<int> MinuteOfDay(std::string_view spot_time) {
  const std::optional<int> hours = ReadDigits(spot_time.substr(0, 2));
  const std::optional<int> minutes = ReadDigits(spot_time.size() >= 4 ? spot_time.substr(2, 2) : "");
  if (!hours || !minutes || *hours > 23 || *minutes > 59) return std::nullopt;
  return *hours * 60 + *minutes;
}

bool WithinLimit(double difference_days, int limit_minutes) {
  const double seconds = std::round(std::fabs(difference_days) * 86400.0 * 1000.0) / 1000.0;
  return seconds <= limit_minutes * 60.0;
}

}  // namespace

std::string_view MonthName(int month) {
  if (month < 1 || month > 12) return {};
  return kMonthNames[static_cast<std::size_t>(month - 1)];
}

int MonthFromName(std::string_view name) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    if (kMonthNames[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

void CheckSpotAge(const Settings& settings, const Clock& clock, SpotRecord& spot) {
  if (settings.DeltaTime == 0) {
    spot.TimeOK = true;
    return;
  }
  const std::optional<int> minute = MinuteOfDay(spot.SpotTime);
  if (!minute) {
    spot.TimeOK = false;
    return;
  }
  const DayTime now = clock.UtcNow();
  double difference = now - (std::floor(now) + *minute / 1440.0);
  // The stamp carries no date: take the day that puts it nearest to now.
  if (difference > 0.5) difference -= 1.0;
  if (difference < -0.5) difference += 1.0;
  spot.TimeOK = WithinLimit(difference, settings.DeltaTime);
}

void CheckFrameSpotAge(std::string_view frame_date, const Settings& settings, const Clock& clock,
                       SpotRecord& spot) {
  if (settings.DeltaTime == 0) {
    spot.TimeOK = true;
    return;
  }
  spot.TimeOK = false;
  const std::size_t first_dash = frame_date.find('-');
  if (first_dash == std::string_view::npos) return;
  const std::optional<int> day = ReadDigits(TrimBlanks(frame_date.substr(0, first_dash)));
  const int month = MonthFromName(frame_date.substr(first_dash + 1, 3));
  const std::size_t second_dash = frame_date.find('-', first_dash + 1);
  if (!day || month == 0 || second_dash == std::string_view::npos) return;
  const std::optional<int> year = ReadDigits(TrimBlanks(frame_date.substr(second_dash + 1)));
  const std::optional<int> minute = MinuteOfDay(spot.SpotTime);
  if (!year || !minute || *day < 1 || *day > 31 || *year > 9999) return;
  const DayTime moment = EncodeDateTime(*year, month, *day, *minute / 60, *minute % 60);
  spot.TimeOK = WithinLimit(clock.UtcNow() - moment, settings.DeltaTime);
}

}  // namespace brilox
