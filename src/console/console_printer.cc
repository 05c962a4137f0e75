#include "console/console_printer.h"

#include <algorithm>

#include "spots/line_trace.h"
#include "spots/row_colours.h"

namespace brilox {
namespace {

int Red(Colour c) { return static_cast<int>(c & 0xFF); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace

std::string PrintableRow(std::string_view row) {
  std::string out;
  out.reserve(row.size());
  for (char c : row) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte > 126) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

std::string AnsiColours(Colour font, Colour background) {
  char sequence[48];
  std::snprintf(sequence, sizeof sequence, "\x1b[38;2;%d;%d;%d;48;2;%d;%d;%dm", Red(font), Green(font),
                Blue(font), Red(background), Green(background), Blue(background));
  return sequence;
}

ConsolePrinter::ConsolePrinter(std::FILE* out, std::FILE* trace, const Settings& settings,
                               const WindowLineStores& windows, bool colour)
    : m_out(out), m_trace(trace), m_settings(settings), m_windows(windows), m_colour(colour) {
  if (m_trace != nullptr) std::fputs(std::string(TraceHeader()).c_str(), m_trace);
}

void ConsolePrinter::LineProcessed(const ProcessedLine& line) {
  ++m_counts.lines;
  if (line.shown_dx) ++m_counts.shown;
  if (line.shown_alarm) ++m_counts.alarms;
  if (line.logged) ++m_counts.logged;
  if (line.announced) ++m_counts.announced;
  if (line.shown_dx) PrintRows(WindowId::kDx, "DX    ", line);
  if (line.shown_alarm) PrintRows(WindowId::kAlarm, "ALARM ", line);
  if (line.shown_lotw) PrintRows(WindowId::kLotw, "LOTW  ", line);
  if (m_trace != nullptr) {
    const std::string row = TraceRow(line);
    std::fwrite(row.data(), 1, row.size(), m_trace);
  }
}

// The rows the window made of the line: slices of its row width, the wrap
// tag on all but the last, the line's tag on the last.
void ConsolePrinter::PrintRows(WindowId window, std::string_view label, const ProcessedLine& line) {
  const std::size_t width = static_cast<std::size_t>(std::max(1, m_windows.Get(window).max_line_length()));
  std::string_view text = line.shown_text;
  do {
    const std::string_view row = text.substr(0, width);
    text.remove_prefix(row.size());
    PrintRow(window, label, row, text.empty() ? line.tag : line.wrap_tag);
  } while (!text.empty());
}

void ConsolePrinter::PrintRow(WindowId window, std::string_view label, std::string_view row,
                              std::int32_t tag) {
  std::string out(label);
  if (m_colour) {
    const RowColours colours = ResolveRowColours(tag, WindowColours(window, m_settings.Col), m_settings.Col);
    std::string padded = PrintableRow(row);
    padded.resize(std::max<std::size_t>(padded.size(), static_cast<std::size_t>(m_settings.MaxLineLength)),
                  ' ');
    out += AnsiColours(colours.font, colours.background) + padded + std::string(kAnsiReset);
  } else {
    out += PrintableRow(row);
  }
  out += '\n';
  std::fwrite(out.data(), 1, out.size(), m_out);
}

}  // namespace brilox
