#include "spots/line_trace.h"

#include <cstdio>

namespace brilox {
namespace {

constexpr std::string_view kHeader =
    "terminal\tclass\tnew_on_terminal\tnew_for_"
    "display\tBandOK\tModeOK\tZoneOK\tNotSelfSpot\tTimeOK\tSpotter\t"
    "FreqText\tDXCall\tComment\tSpotTime\tBandKey\tMode\tEntityPrefix\tEntityName\tWazZone\tLevel\tLotwLevel"
    "\t"
    "AlarmLabel\tLotwLabel\tSpotIotaText\ttag\tLogLine\tShortLine\tDecodeLine\n";

class RowBuilder {
 public:
  void Text(std::string_view text) {
    Separate();
    m_row += EscapeTraceField(text);
  }
  void Number(long value) {
    Separate();
    m_row += std::to_string(value);
  }
  void Flag(bool value) {
    Separate();
    m_row += value ? '1' : '0';
  }
  void Empty() { Separate(); }
  std::string Finish() { return std::move(m_row) + '\n'; }

 private:
  void Separate() {
    if (m_fields++ > 0) m_row += '\t';
  }
  std::string m_row;
  int m_fields = 0;
};

}  // namespace

std::string_view TraceHeader() { return kHeader; }

std::string EscapeTraceField(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (byte < 32 || byte > 126) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

std::string TraceRow(const ProcessedLine& line) {
  static const SpotRecord kNoSpot;
  const SpotRecord& spot = line.spot != nullptr ? *line.spot : kNoSpot;
  RowBuilder row;
  row.Number(line.terminal);
  row.Number(static_cast<int>(line.line_class));
  row.Flag(line.flags.NewOnTerminal);
  row.Flag(line.flags.NewForDisplay);
  row.Flag(spot.BandOK);
  row.Flag(spot.ModeOK);
  row.Flag(spot.ZoneOK);
  row.Flag(spot.NotSelfSpot);
  row.Flag(spot.TimeOK);
  row.Text(spot.Spotter);
  row.Text(spot.FreqText);
  row.Text(spot.DXCall);
  row.Text(spot.Comment);
  row.Text(spot.SpotTime);
  row.Number(spot.BandKey);
  row.Text(std::string_view(&spot.Mode, 1));
  row.Text(spot.EntityPrefix);
  row.Text(spot.EntityName);
  row.Number(spot.WazZone);
  row.Number(spot.Level);
  row.Number(spot.LotwLevel);
  row.Text(spot.AlarmLabel);
  row.Text(spot.LotwLabel);
  row.Text(spot.SpotIotaText);
  if (line.tagged) {
    row.Number(line.tag);
  } else {
    row.Empty();
  }
  row.Text(spot.LogLine);
  row.Text(spot.ShortLine);
  row.Text(line.decode_line);
  return row.Finish();
}

}  // namespace brilox
