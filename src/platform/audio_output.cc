#include "platform/audio_output.h"

namespace brilox {

Status FakeAudioOutput::Play(std::span<const std::int16_t> samples, const std::atomic<bool>& /*stop*/) {
  std::function<void(std::size_t)> observer;
  {
    std::lock_guard lock(m_mutex);
    if (m_fail) return Status::Io("audio device lost");
    observer = m_observer;
  }
  if (observer) observer(samples.size());
  std::lock_guard lock(m_mutex);
  m_samples.insert(m_samples.end(), samples.begin(), samples.end());
  return Status::Ok();
}

Status FakeAudioOutput::Finish(const std::atomic<bool>& /*stop*/) {
  {
    std::lock_guard lock(m_mutex);
    if (m_fail) return Status::Io("audio device lost");
    ++m_finishCount;
  }
  m_finished.notify_all();
  return Status::Ok();
}

}  // namespace brilox
