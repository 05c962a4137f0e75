#include "links/link_commands.h"

namespace brilox {

std::string TrimBlanks(std::string_view text) {
  const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

LocalCommand ClassifyLocalCommand(std::string_view line) {
  if (line.size() < 2 || line[0] != kEscapeCharacter) return LocalCommand::kNone;
  switch (line[1]) {
    case 'C':
    case 'c':
      return LocalCommand::kConnect;
    case 'D':
    case 'd':
      return LocalCommand::kDisconnect;
    default:
      return LocalCommand::kNone;
  }
}

ConnectTarget ParseConnectCommand(std::string_view line) {
  ConnectTarget target;
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) return target;
  target.has_port = true;
  if (colon > 3) target.host = TrimBlanks(line.substr(3, colon - 3));
  std::string_view port = line.substr(colon + 1);
  while (!port.empty() && (port.back() == '\r' || port.back() == '\n')) port.remove_suffix(1);
  target.port = TrimBlanks(port);
  return target;
}

QuickConnectPlan ParseQuickConnect(std::string_view entry) {
  QuickConnectPlan plan;
  entry = entry.substr(0, kQuickConnectLength);
  if (entry.empty()) return plan;
  if (entry.size() >= 6 && ToUpperAscii(entry.substr(0, 6)) == "SCRIPT") {
    plan.kind = QuickConnectPlan::Kind::kScript;
    plan.script = TrimBlanks(entry.substr(6));
    return plan;
  }
  std::string line(entry);
  if (line.size() > 3 && ToUpperAscii(line.substr(0, 3)) == "ESC") {
    // Appended, not `std::string(1, ESC) + ...`: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
    line = std::string(1, kEscapeCharacter).append(line, 3);
    if (line.size() > 1 && line[1] == ' ') line.erase(1, 1);
  }
  if (line.size() > 2) {
    const std::string rest = TrimBlanks(std::string_view(line).substr(2));
    const std::size_t colon = rest.find(':');
    if (colon != std::string::npos) plan.host = rest.substr(0, colon);
  }
  plan.kind = QuickConnectPlan::Kind::kCommand;
  plan.line = line + '\r';
  return plan;
}

bool IsByeOrQuit(std::string_view line) {
  if (line.size() != 2 || line[1] != '\r') return false;
  const char c = line[0];
  return c == 'b' || c == 'B' || c == 'q' || c == 'Q';
}

}  // namespace brilox
