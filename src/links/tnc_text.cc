#include "links/tnc_text.h"

#include <array>

#include "links/link_commands.h"

namespace brilox {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
constexpr std::array<int, 8> kBauds = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

}  // namespace

std::string TncLineEnds::Normalise(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8 + 1);
  for (char ch : bytes) {
    if (ch == kLf && m_lastWasCr) {
      m_lastWasCr = false;  // its LF was given already
      continue;
    }
    out.push_back(ch);
    m_lastWasCr = ch == kCr;
    if (m_lastWasCr) out.push_back(kLf);
  }
  return out;
}

void BlankLineSqueeze::Apply(std::span<char> pending) {
  for (char& ch : pending) {
    if (ch == 0 || ch == kCr) continue;
    if (ch == kLf) {
      if (m_afterLineEnd) ch = 0;
      m_afterLineEnd = true;
    } else {
      m_afterLineEnd = false;
    }
  }
}

std::vector<std::string> TncTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    start = end + 1;
    if (end < text.size() && text[end] == kCr && start < text.size() && text[start] == kLf) ++start;
    if (line.empty() || line.front() == '#') {
      if (end == text.size()) break;
      continue;
    }
    if (line.size() > 3 && ToUpperAscii(line.substr(0, 3)) == "ESC") {
      line.replace(0, 3, 1, kEscapeCharacter);
      if (line.size() > 1 && line[1] == ' ') line.erase(1, 1);
    }
    lines.push_back(line + kCr);
    if (end == text.size()) break;
  }
  return lines;
}

SerialLineSettings TncLineSettings(const SerialParameters& parameters) {
  SerialLineSettings line;
  const int index = parameters.speed_index;
  line.baud = kBauds[static_cast<std::size_t>(index >= 0 && index < 8 ? index : 3)];
  line.data_bits = parameters.eight_data_bits ? 8 : 7;
  line.stop_bits = parameters.two_stop_bits ? 2 : 1;
  line.parity = parameters.parity_index == 1   ? SerialParity::kOdd
                : parameters.parity_index == 2 ? SerialParity::kEven
                                               : SerialParity::kNone;
  switch (parameters.handshake_index) {
    case 0:
      line.flow = SerialFlowControl::kNone;
      break;
    case 1:
      line.flow = SerialFlowControl::kRtsCts;
      break;
    case 2:
      line.flow = SerialFlowControl::kDtrDsr;
      break;
    default:  // 3, and 4 which means the same
      line.flow = SerialFlowControl::kXonXoff;
      break;
  }
  return line;
}

}  // namespace brilox
