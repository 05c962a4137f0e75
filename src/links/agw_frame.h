// Frames of the AGW packet engine's TCP/IP API: a 36-byte header (radio
// port, kind letter, PID, the two calls, the data length, all numbers
// little-endian) and the data.  The reader takes the byte stream as TCP
// delivers it, in pieces of any size, and gives whole frames; a header that
// announces more data than any engine sends marks the stream as broken, so
// memory stays bounded whatever arrives.  Pure logic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace brilox {

inline constexpr std::size_t kAgwHeaderSize = 36;
inline constexpr std::size_t kAgwCallSize = 10;
// The longest data the reader accepts from the engine: its longest frame
// (a monitored packet with its header text) fits many times over.
inline constexpr std::size_t kAgwMaxReceiveData = 16 * 1024;
// The longest data the program sends: the engine drops a client that sends
// more than one packet holds.
inline constexpr std::size_t kAgwMaxSendData = 2048;

struct AgwFrame {
  std::uint8_t port = 0;
  char kind = 0;
  std::uint8_t pid = 0;
  std::string call_from;  // without its NUL padding
  std::string call_to;
  std::string data;
  bool operator==(const AgwFrame&) const = default;
};

// The frame's bytes; calls are cut to 9 characters and NUL padded.
std::string EncodeAgwFrame(const AgwFrame& frame);

class AgwFrameReader {
 public:
  using FrameSink = std::function<void(const AgwFrame&)>;

  // Takes bytes and hands every frame completed by them to `sink`, in order.
  // False once the stream is broken (a length beyond kAgwMaxReceiveData);
  // then nothing more is read until Reset.
  bool Feed(std::string_view bytes, const FrameSink& sink);
  void Reset();
  bool broken() const { return m_broken; }
  // Bytes held for a frame not yet complete.
  std::size_t buffered() const { return m_buffer.size() - m_start; }

 private:
  std::string m_buffer;
  std::size_t m_start = 0;
  bool m_broken = false;
};

}  // namespace brilox
