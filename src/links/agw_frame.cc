#include "links/agw_frame.h"

#include <algorithm>
#include <cstring>

namespace brilox {
namespace {

constexpr std::size_t kKindOffset = 4;
constexpr std::size_t kPidOffset = 6;
constexpr std::size_t kCallFromOffset = 8;
constexpr std::size_t kCallToOffset = 18;
constexpr std::size_t kLengthOffset = 28;

std::uint32_t ReadLittleEndian32(const char* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

void WriteLittleEndian32(char* bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string ReadCall(const char* bytes) {
  std::size_t length = 0;
  while (length < kAgwCallSize && bytes[length] != '\0') ++length;
  return std::string(bytes, length);
}

}  // namespace

std::string EncodeAgwFrame(const AgwFrame& frame) {
  std::string bytes(kAgwHeaderSize, '\0');
  bytes[0] = static_cast<char>(frame.port);
  bytes[kKindOffset] = frame.kind;
  bytes[kPidOffset] = static_cast<char>(frame.pid);
  std::memcpy(&bytes[kCallFromOffset], frame.call_from.data(),
              std::min(frame.call_from.size(), kAgwCallSize - 1));
  std::memcpy(&bytes[kCallToOffset], frame.call_to.data(), std::min(frame.call_to.size(), kAgwCallSize - 1));
  WriteLittleEndian32(&bytes[kLengthOffset], static_cast<std::uint32_t>(frame.data.size()));
  bytes += frame.data;
  return bytes;
}

bool AgwFrameReader::Feed(std::string_view bytes, const FrameSink& sink) {
  if (m_broken) return false;
  m_buffer.append(bytes);
  while (m_buffer.size() - m_start >= kAgwHeaderSize) {
    const char* header = m_buffer.data() + m_start;
    const std::uint32_t length = ReadLittleEndian32(header + kLengthOffset);
    if (length > kAgwMaxReceiveData) {
      m_broken = true;
      m_buffer.clear();
      m_start = 0;
      return false;
    }
    if (m_buffer.size() - m_start < kAgwHeaderSize + length) break;
    AgwFrame frame;
    frame.port = static_cast<std::uint8_t>(header[0]);
    frame.kind = header[kKindOffset];
    frame.pid = static_cast<std::uint8_t>(header[kPidOffset]);
    frame.call_from = ReadCall(header + kCallFromOffset);
    frame.call_to = ReadCall(header + kCallToOffset);
    frame.data.assign(header + kAgwHeaderSize, length);
    m_start += kAgwHeaderSize + length;
    sink(frame);
    if (m_broken) return false;  // the sink reset and broke the reader
  }
  // Drop what was read once it is most of the buffer, so the front never
  // grows without end and the copying stays linear.
  if (m_start > 0 && m_start * 2 >= m_buffer.size()) {
    m_buffer.erase(0, m_start);
    m_start = 0;
  }
  return true;
}

void AgwFrameReader::Reset() {
  m_buffer.clear();
  m_start = 0;
  m_broken = false;
}

}  // namespace brilox
