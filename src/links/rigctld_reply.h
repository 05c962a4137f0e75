// Reading rigctld's replies (Hamlib's network rig daemon, plain protocol):
// lines ending in LF, "RPRT n" for the result of a set command or an error,
// a frequency in Hz for "f", a mode name and a passband for "m".  Whatever
// the daemon sends, at most kMaxLineLength bytes of a line are held: a
// longer line marks the stream as garbage.  Pure logic.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brilox {

class RigctldReplyReader {
 public:
  static constexpr std::size_t kMaxLineLength = 128;

  // Takes received bytes; lines are then read with NextLine.
  void Append(std::string_view bytes);
  // The next complete line without its LF (and CR), or nullopt.
  std::optional<std::string> NextLine();
  // A line went over kMaxLineLength: the rest of the stream cannot be trusted.
  bool overlong() const { return m_overlong; }
  void Reset();

 private:
  std::string m_buffer;  // complete lines and the line in progress
  std::size_t m_lineStart = 0;
  bool m_overlong = false;
};

// "RPRT n": the result code n (0 = done, negative = a Hamlib error).
std::optional<int> ParseRigctldResult(std::string_view line);
// A frequency line: the Hz as a whole number ("14025000", "14025000.000000").
std::optional<long long> ParseRigctldFrequency(std::string_view line);
// A mode line: upper-case letters and digits ("CW", "PKTUSB").
bool IsRigctldModeName(std::string_view line);

}  // namespace brilox
