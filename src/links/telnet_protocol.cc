#include "links/telnet_protocol.h"

namespace brilox {

using namespace telnet;

void TelnetDecoder::Reset() {
  m_state = State::kText;
  m_verb = 0;
  m_subnegotiationBytes = 0;
}

void TelnetDecoder::Feed(std::string_view bytes, std::string& text, std::string& replies) {
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    switch (m_state) {
      case State::kText:
        if (byte == kIac) {
          m_state = State::kCommand;
        } else {
          text.push_back(ch);
        }
        break;
      case State::kCommand:
        if (byte == kIac) {
          text.push_back(ch);  // IAC IAC: the data byte 255
          m_state = State::kText;
        } else if (byte >= kWill) {
          m_verb = byte;
          m_state = State::kOption;
        } else if (byte == kSb) {
          m_subnegotiationBytes = 0;
          m_state = State::kSubnegotiation;
        } else {
          m_state = State::kText;  // NOP, GA, AYT and undefined codes carry no text
        }
        break;
      case State::kOption:
        // Nothing is enabled, so refusals are answered only to requests:
        // answering WONT or DONT would start a loop with some nodes.
        if (m_verb == kDo) {
          replies.append({static_cast<char>(kIac), static_cast<char>(kWont), ch});
        } else if (m_verb == kWill) {
          replies.append({static_cast<char>(kIac), static_cast<char>(kDont), ch});
        }
        m_state = State::kText;
        break;
      case State::kSubnegotiation:
        if (byte == kIac) {
          m_state = State::kSubnegotiationCommand;
        } else if (++m_subnegotiationBytes > kMaxSubnegotiationBytes) {
          m_state = State::kText;
        }
        break;
      case State::kSubnegotiationCommand:
        // IAC SE ends it; IAC IAC is a data byte inside it; anything else
        // after IAC is malformed and skipped with the rest.
        m_state = byte == kSe ? State::kText : State::kSubnegotiation;
        break;
    }
  }
}

std::string EscapeTelnetText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    out.push_back(ch);
    if (static_cast<unsigned char>(ch) == kIac) out.push_back(ch);
  }
  return out;
}

}  // namespace brilox
