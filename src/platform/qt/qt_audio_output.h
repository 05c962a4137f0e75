// The audio output on Qt Multimedia's QAudioSink, in push mode: samples are
// written to the sink's device from the announcer's thread, at most as many
// as the sink has room for, so the writer is paced by playback.  The sink
// is opened on the first sound (with a short silence ahead, which a starting
// stream may lose) and kept open, idle between announcements, until the
// object goes or the device fails.
//
// All calls on one thread (the announcer's): the sink lives and dies there.
// No device, a device that cannot be opened or one that stops taking data
// gives an error Status; the next call tries again.
#pragma once

#include <memory>

#include "platform/audio_output.h"

class QAudioSink;
class QIODevice;

namespace brilox {

class QtAudioOutput final : public AudioOutput {
 public:
  static constexpr int kSampleRate = 16000;

  QtAudioOutput();
  ~QtAudioOutput() override;

  int sample_rate() const override { return kSampleRate; }
  Status Play(std::span<const std::int16_t> samples, const std::atomic<bool>& stop) override;
  Status Finish(const std::atomic<bool>& stop) override;

 private:
  Status Open();
  void Close();
  // Hands the samples over as the sink finds room for them.
  Status Write(std::span<const std::int16_t> samples, const std::atomic<bool>& stop);

  std::unique_ptr<QAudioSink> m_sink;
  QIODevice* m_device = nullptr;  // owned by m_sink
};

}  // namespace brilox
