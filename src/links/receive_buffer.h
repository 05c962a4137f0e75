// The characters a terminal has received and not yet handed to the line
// intake, and the drain that hands them over.
//
// A node can send faster than the window thread digests (a replay, a busy
// skimmer network, a node gone mad), so the buffer is bounded: above the
// pause mark its link stops reading and TCP slows the node down; below the
// resume mark reading goes on.  Text that arrives beyond the hard limit
// from a source that cannot be paused is dropped and counted.
// Window thread only.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "links/link_seams.h"
#include "spots/terminal_count.h"

namespace brilox {

class ReceiveBuffer {
 public:
  static constexpr std::size_t kPauseMark = 64 * 1024;
  static constexpr std::size_t kResumeMark = 16 * 1024;
  static constexpr std::size_t kHardLimit = 1024 * 1024;

  // Appends what fits under the hard limit; returns the bytes dropped.
  std::size_t Append(std::string_view text);
  std::size_t size() const { return m_data.size() - m_start; }
  bool empty() const { return size() == 0; }
  char At(std::size_t index) const { return m_data[m_start + index]; }
  // The waiting bytes, for filters that rewrite bytes in place.
  std::span<char> MutablePending() { return {m_data.data() + m_start, size()}; }
  void Consume(std::size_t count);
  void Clear();

  bool ShouldPause() const { return size() >= kPauseMark; }
  bool MayResume() const { return size() <= kResumeMark; }
  std::size_t dropped() const { return m_dropped; }

 private:
  std::string m_data;
  std::size_t m_start = 0;  // bytes at the front already handed over
  std::size_t m_dropped = 0;
};

using ReceiveBuffers = std::array<ReceiveBuffer, kTerminalCount>;

// Called on a terminal's waiting bytes before they are handed over (the
// serial TNC squeezes its blank lines there).
using BeforeDrainHook = std::function<void(int terminal, std::span<char> pending)>;

// At most this many characters of one terminal go to the intake per drain
// pass, so that a flood cannot hold the window thread.
inline constexpr std::size_t kDrainSliceBytes = 4096;

// One pass over terminals 1 to 4: hands each terminal's waiting characters
// (up to the slice) to the intake, the last one with the flush request
// unless it is LF.  Stops at once while the intake is busy.  Returns true
// when characters are still waiting.
bool DrainReceiveBuffers(ReceiveBuffers& buffers, ReceivedCharacterSink& intake, const BeforeDrainHook& hook);

}  // namespace brilox
