// Audio output behind one small interface: the announcer hands it mono
// signed 16-bit samples at the output's own rate, and a call blocks while
// the device's buffer is full, so the caller is paced by playback and
// consecutive sounds never overlap.  Silence is played as zero samples,
// which keeps the gaps of Morse code exact however the device buffers.
//
// Used from the announcer's thread only (one thread at a time).  Failures
// (no device, a device lost mid-play) are returned as a Status; the caller
// goes on without sound.  `stop` ends a blocked call early, with Ok.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <vector>

#include "platform/result.h"

namespace brilox {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // The rate of the samples Play takes, in Hz.
  virtual int sample_rate() const = 0;
  // Hands the samples to the device; returns once they are all handed
  // over (or `stop` became true).
  virtual Status Play(std::span<const std::int16_t> samples, const std::atomic<bool>& stop) = 0;
  // Waits until everything handed over has sounded (or `stop`).
  virtual Status Finish(const std::atomic<bool>& stop) = 0;
};

// Keeps every sample it is given, for tests and benchmarks; it never blocks.
// Any thread may read what it recorded.
class FakeAudioOutput final : public AudioOutput {
 public:
  explicit FakeAudioOutput(int sample_rate = 16000) : m_sampleRate(sample_rate) {}

  int sample_rate() const override { return m_sampleRate; }
  Status Play(std::span<const std::int16_t> samples, const std::atomic<bool>& stop) override;
  Status Finish(const std::atomic<bool>& stop) override;

  // Every later Play fails, as a device that went away.
  void FailFromNowOn(bool fail) {
    std::lock_guard lock(m_mutex);
    m_fail = fail;
  }
  // Called (on the player's thread) for every Play, before its samples are kept.
  void SetPlayObserver(std::function<void(std::size_t sample_count)> observer) {
    std::lock_guard lock(m_mutex);
    m_observer = std::move(observer);
  }
  std::vector<std::int16_t> samples() const {
    std::lock_guard lock(m_mutex);
    return m_samples;
  }
  int finish_count() const {
    std::lock_guard lock(m_mutex);
    return m_finishCount;
  }
  // Waits until `count` announcements have been finished, at most `limit`.
  bool WaitForFinishes(int count, std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    return m_finished.wait_for(lock, limit, [&] { return m_finishCount >= count; });
  }
  void Clear() {
    std::lock_guard lock(m_mutex);
    m_samples.clear();
    m_finishCount = 0;
  }

 private:
  const int m_sampleRate;
  mutable std::mutex m_mutex;
  bool m_fail = false;
  std::function<void(std::size_t)> m_observer;
  std::vector<std::int16_t> m_samples;
  int m_finishCount = 0;
  std::condition_variable m_finished;
};

}  // namespace brilox
