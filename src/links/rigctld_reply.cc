#include "links/rigctld_reply.h"

#include <charconv>

namespace brilox {

void RigctldReplyReader::Append(std::string_view bytes) {
  for (char ch : bytes) {
    if (m_overlong) return;
    if (ch == '\n') {
      m_buffer.push_back(ch);
      m_lineStart = m_buffer.size();
      continue;
    }
    if (m_buffer.size() - m_lineStart >= kMaxLineLength) {
      m_overlong = true;
      return;
    }
    m_buffer.push_back(ch);
  }
}

std::optional<std::string> RigctldReplyReader::NextLine() {
  const std::size_t end = m_buffer.find('\n');
  if (end == std::string::npos) return std::nullopt;
  std::string line = m_buffer.substr(0, end);
  m_buffer.erase(0, end + 1);
  m_lineStart = m_buffer.find_last_of('\n');
  m_lineStart = m_lineStart == std::string::npos ? 0 : m_lineStart + 1;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void RigctldReplyReader::Reset() {
  m_buffer.clear();
  m_lineStart = 0;
  m_overlong = false;
}

std::optional<int> ParseRigctldResult(std::string_view line) {
  constexpr std::string_view kPrefix = "RPRT ";
  if (line.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
  line.remove_prefix(kPrefix.size());
  int code = 0;
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), code);
  if (error != std::errc() || end != line.data() + line.size()) return std::nullopt;
  return code;
}

std::optional<long long> ParseRigctldFrequency(std::string_view line) {
  const std::size_t point = line.find('.');
  std::string_view whole = line.substr(0, point);
  if (point != std::string_view::npos) {
    for (char ch : line.substr(point + 1)) {
      if (ch != '0') return std::nullopt;  // rigs tune in whole Hz
    }
  }
  long long hz = 0;
  const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), hz);
  if (whole.empty() || error != std::errc() || end != whole.data() + whole.size() || hz < 0)
    return std::nullopt;
  return hz;
}

bool IsRigctldModeName(std::string_view line) {
  if (line.empty() || line.size() > 16) return false;
  for (char ch : line) {
    if (!((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))) return false;
  }
  return true;
}

}  // namespace brilox
