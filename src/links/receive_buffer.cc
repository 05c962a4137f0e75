#include "links/receive_buffer.h"

#include <algorithm>

namespace brilox {

std::size_t ReceiveBuffer::Append(std::string_view text) {
  const std::size_t room = kHardLimit - std::min(kHardLimit, size());
  const std::size_t taken = std::min(room, text.size());
  m_data.append(text.substr(0, taken));
  m_dropped += text.size() - taken;
  return text.size() - taken;
}

void ReceiveBuffer::Consume(std::size_t count) {
  m_start += std::min(count, size());
  if (m_start == m_data.size()) {
    Clear();
  } else if (m_start >= kResumeMark && m_start * 2 >= m_data.size()) {
    // Handed-over bytes are dropped from the front once they outweigh the
    // rest, so the copy stays cheap and the buffer small.
    m_data.erase(0, m_start);
    m_start = 0;
  }
}

void ReceiveBuffer::Clear() {
  m_data.clear();
  m_start = 0;
  // A flood may have grown the storage; give it back once it is over.
  if (m_data.capacity() > 2 * kPauseMark) m_data.shrink_to_fit();
}

bool DrainReceiveBuffers(ReceiveBuffers& buffers, ReceivedCharacterSink& intake,
                         const BeforeDrainHook& hook) {
  bool waiting = false;
  for (int terminal = 1; terminal <= kTerminalCount; ++terminal) {
    ReceiveBuffer& buffer = buffers[static_cast<std::size_t>(terminal - 1)];
    if (buffer.empty()) continue;
    if (intake.busy()) return true;
    if (hook) hook(terminal, buffer.MutablePending());
    const std::size_t count = std::min(buffer.size(), kDrainSliceBytes);
    std::size_t handed = 0;
    // Characters are read by index: the intake may cause text to be
    // appended to this buffer while it works.
    while (handed < count && !intake.busy()) {
      const char ch = buffer.At(handed);
      const bool flush_request = handed + 1 == count && ch != '\n';
      ++handed;
      intake.TraiteCharRecu(terminal, ch, flush_request);
    }
    buffer.Consume(handed);
    waiting = waiting || !buffer.empty();
    if (intake.busy()) return true;
  }
  return waiting;
}

}  // namespace brilox
