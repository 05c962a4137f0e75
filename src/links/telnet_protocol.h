// The telnet side of a cluster link, as a plain client speaks it: every
// option the node offers or asks for is refused (DO -> WONT, WILL -> DONT),
// subnegotiations are skipped, other commands dropped, and "IAC IAC" is the
// data byte 255.  Nothing of the protocol ever reaches the text.  The decoder
// keeps its state between chunks, so a sequence split across TCP segments is
// still recognised.  One decoder per connection; not thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brilox {

namespace telnet {
inline constexpr unsigned char kSe = 240;
inline constexpr unsigned char kSb = 250;
inline constexpr unsigned char kWill = 251;
inline constexpr unsigned char kWont = 252;
inline constexpr unsigned char kDo = 253;
inline constexpr unsigned char kDont = 254;
inline constexpr unsigned char kIac = 255;
}  // namespace telnet

class TelnetDecoder {
 public:
  // A subnegotiation longer than this is taken for a stray "IAC SB" in
  // binary junk: the decoder returns to text instead of muting the link.
  static constexpr std::size_t kMaxSubnegotiationBytes = 4096;

  // Appends the text bytes of `bytes` to `text` and the answers owed to the
  // node to `replies`.
  void Feed(std::string_view bytes, std::string& text, std::string& replies);
  // Back to plain text, for a new connection.
  void Reset();

 private:
  enum class State { kText, kCommand, kOption, kSubnegotiation, kSubnegotiationCommand };
  State m_state = State::kText;
  unsigned char m_verb = 0;
  std::size_t m_subnegotiationBytes = 0;
};

// Doubles every byte 255 of outgoing text, so that the node reads it as data.
std::string EscapeTelnetText(std::string_view text);

}  // namespace brilox
