#include "awards/adif_import.h"

#include <array>
#include <charconv>
#include <optional>

#include "awards/dxcc_entity_codes.h"
#include "awards/iota_reference_scan.h"

namespace brilox {
namespace {

// CW credit starts with 1975.
constexpr QsoDate kFirstCwCreditDay = 19750101;

// How much of an IOTA or COMMENT field the reference scan reads: far more
// than any comment holds, and a bound on a scan that slows with the square
// of the text on a damaged file's megabyte-long value.
constexpr std::size_t kMaxIotaScanLength = 2000;

std::string Trimmed(std::string_view value) {
  while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  return AdifUpper(value);
}

std::string Field(const AdifRecord& record, std::string_view name) { return Trimmed(record.Get(name)); }

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> words) {
  for (std::string_view word : words) {
    if (text == word) return true;
  }
  return false;
}

bool IsCwQso(std::string_view mode, std::string_view group) { return group == "CW" || mode == "CW"; }
bool IsPhoneQso(std::string_view mode, std::string_view group) {
  return group == "PHONE" || IsOneOf(mode, {"SSB", "LSB", "USB", "AM", "FM"});
}
bool IsDataQso(std::string_view mode, std::string_view group) {
  if (group == "DATA" || IsOneOf(mode, {"RTTY", "FT8", "ISCAT", "MT63", "OLIVIA", "PACKET", "THROB", "WSPR"}))
    return true;
  for (std::string_view part : {"FSK", "HELL", "MSK", "PSK", "QRA", "JT", "TOR"}) {
    if (Contains(mode, part)) return true;
  }
  return false;
}

// The band columns from 160 m to 6 m; 2 m and satellites are apart.
std::optional<DxccColumn> HfBandColumn(std::string_view band) {
  static constexpr std::array<std::pair<std::string_view, DxccColumn>, 11> kBands = {{
      {"160M", DxccColumn::k160},
      {"80M", DxccColumn::k80},
      {"60M", DxccColumn::k60},
      {"40M", DxccColumn::k40},
      {"30M", DxccColumn::k30},
      {"20M", DxccColumn::k20},
      {"17M", DxccColumn::k17},
      {"15M", DxccColumn::k15},
      {"12M", DxccColumn::k12},
      {"10M", DxccColumn::k10},
      {"6M", DxccColumn::k6},
  }};
  for (const auto& [text, column] : kBands) {
    if (band == text) return column;
  }
  return std::nullopt;
}

// A worked QSO gives "W", a confirmed one "C"; nothing is ever lowered.  The
// DXCC and IOTA states share these characters.
int RaiseWorkedOrConfirmed(char& state, bool confirmed) {
  if ((state == kStateNotWorked || state == kStateWorked) && confirmed) {
    state = kStateConfirmed;
    return 1;
  }
  if (state == kStateNotWorked) {
    state = kStateWorked;
    return 1;
  }
  return 0;
}

int RaiseLotw(char& state) {
  if (state == kStateConfirmed || state == kStateCredited) return 0;
  state = kStateConfirmed;
  return 1;
}

std::optional<int> ReadWholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string_view PrefixOfEntityNumber(std::string_view text) {
  const std::optional<int> number = ReadWholeNumber(text);
  if (!number) return {};
  switch (*number) {
    case 10001:
      return "4W";
    case 10002:
      return "TX0";
    case 10003:
      return "VP6D";
    default:
      return DxccPrefixForEntity(*number);
  }
}

// The row of the entity filed under `prefix` ("*" first for a deleted one).
// A deleted entity without a row of its own is found by its name or, when
// `may_add`, gets a new row.  0 when there is none.
int EntityRow(DxccTable& table, std::string_view prefix, bool may_add, bool& rows_added) {
  const bool deleted = !prefix.empty() && prefix.front() == '*';
  if (deleted) prefix.remove_prefix(1);
  if (prefix.empty()) return 0;
  const int row = table.FindDxccByExactPrefix(prefix);
  if (row <= table.count()) return row;
  if (!deleted || !may_add) return 0;
  const std::string_view name = DeletedEntityName(prefix);
  if (name.empty()) return 0;
  const std::string wanted = AdifUpper(PadText(name, kDxccNameLength));
  for (int number = 1; number <= table.count(); ++number) {
    if (AdifUpper(table.row(number).name) == wanted) return number;
  }
  if (!table.AppendRow(TemplateDxccEntry(prefix, name)).ok()) return 0;
  rows_added = true;
  return table.count();
}

}  // namespace

QsoDate ParseQsoDate(std::string_view value) {
  if (value.size() != 8) return 0;
  const std::optional<int> number = ReadWholeNumber(value);
  if (!number || *number < 0) return 0;
  const int year = *number / 10000, month = *number / 100 % 100, day = *number % 100;
  static constexpr std::array<int, 12> kDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (year < 1900 || month < 1 || month > 12 || day < 1) return 0;
  if (day > kDays[static_cast<std::size_t>(month - 1)] || (month == 2 && day == 29 && !leap)) return 0;
  return *number;
}

std::string BandOfFrequency(std::string_view megahertz) {
  double f = 0;
  const auto [end, error] = std::from_chars(megahertz.data(), megahertz.data() + megahertz.size(), f);
  if (error != std::errc() || end != megahertz.data() + megahertz.size()) return {};
  struct Range {
    double low, high;
    const char* band;
  };
  static constexpr Range kRanges[] = {
      {1.8, 2, "160M"},   {3.5, 4, "80M"},    {5.2, 5.5, "60M"},   {7, 7.3, "40M"},
      {10, 10.15, "30M"}, {14, 14.35, "20M"}, {18, 18.168, "17M"}, {21, 21.45, "15M"},
      {24, 24.99, "12M"}, {28, 29.7, "10M"},  {50, 54, "6M"},      {144, 148, "2M"},
  };
  for (const Range& range : kRanges) {
    if (f >= range.low && f <= range.high) return range.band;
  }
  return {};
}

int ImportDxccQso(const AdifRecord& record, DxccTable& table, DxccImportContext& context) {
  EntityQuery qso;
  qso.call = Field(record, "CALL");
  if (qso.call.empty()) return 0;
  const std::string date_text = Field(record, "QSO_DATE");
  qso.date = date_text.empty() ? context.today : ParseQsoDate(date_text);
  if (qso.date == 0) return 0;  // a date that does not read could name the wrong entity
  std::string band = Field(record, "BAND");
  if (band.empty()) band = BandOfFrequency(Field(record, "FREQ"));

  const std::string entity_number = Field(record, "DXCC");
  if (!entity_number.empty()) {
    qso.prefix = PrefixOfEntityNumber(entity_number);
  } else {
    qso.comment = Field(record, "COMMENT");
    WorkOutEntity(qso, context.country);
  }
  const int row = EntityRow(table, qso.prefix, true, context.rows_added);
  if (row == 0) return 0;

  DxccEntry& entry = table.row(row);
  const bool confirmed = Field(record, "QSL_RCVD") == "Y";
  const std::string mode = Field(record, "MODE");
  const std::string group = Field(record, "APP_LOTW_MODEGROUP");
  auto raise = [&](DxccColumn column) {
    return RaiseWorkedOrConfirmed(entry.state(false, column), confirmed);
  };
  int updates = 0;
  if (IsCwQso(mode, group) && qso.date >= kFirstCwCreditDay) {
    updates += raise(DxccColumn::kCw);
  } else if (IsPhoneQso(mode, group)) {
    updates += raise(DxccColumn::kSsb);
  } else if (IsDataQso(mode, group)) {
    updates += raise(DxccColumn::kDigital);
  }
  if (const std::optional<DxccColumn> column = HfBandColumn(band)) updates += raise(*column);
  if (band == "2M") updates += raise(DxccColumn::k2);
  if (!Field(record, "SAT_MODE").empty() || !Field(record, "SAT_NAME").empty()) {
    updates += raise(DxccColumn::kSatellite);
  }
  return updates;
}

int ImportIotaQso(const AdifRecord& record, IotaTable& table) {
  std::string text = Field(record, "IOTA");
  if (text.empty()) text = Field(record, "COMMENT");
  if (text.empty()) return 0;
  const std::optional<IotaReference> reference =
      ScanIotaReference(text, Field(record, "CALL"), RejectIotaForImportedCall, kMaxIotaScanLength);
  if (!reference) return 0;
  const int index = IotaTableIndex(reference->continent, reference->number);
  if (index == 0) return 0;
  return RaiseWorkedOrConfirmed(table.entry(index).status, Field(record, "QSL_RCVD") == "Y");
}

int ImportLotwReportQso(const AdifRecord& record, DxccTable& table, const LotwStationFilter& filter,
                        bool& rows_added) {
  bool station_passes = !filter.own_calls_only;
  if (!station_passes) {
    const std::string station = Field(record, "STATION_CALLSIGN");
    for (const std::string& own : filter.own_calls) station_passes = station_passes || station == own;
  }
  const int row = EntityRow(table, PrefixOfEntityNumber(Field(record, "DXCC")), station_passes, rows_added);
  if (row == 0 || !station_passes || Field(record, "QSL_RCVD") != "Y") return 0;

  DxccEntry& entry = table.row(row);
  const std::string mode = Field(record, "MODE");
  const std::string group = Field(record, "APP_LOTW_MODEGROUP");
  int updates = 0;
  if (IsCwQso(mode, group)) updates += RaiseLotw(entry.state(true, DxccColumn::kCw));
  if (IsPhoneQso(mode, group)) updates += RaiseLotw(entry.state(true, DxccColumn::kSsb));
  if (IsDataQso(mode, group)) updates += RaiseLotw(entry.state(true, DxccColumn::kDigital));
  const std::string band = Field(record, "BAND");
  if (const std::optional<DxccColumn> column = HfBandColumn(band))
    updates += RaiseLotw(entry.state(true, *column));
  if (band == "2M") updates += RaiseLotw(entry.state(true, DxccColumn::k2));
  return updates;
}

}  // namespace brilox
