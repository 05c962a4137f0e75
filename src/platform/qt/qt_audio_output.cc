#include "platform/qt/qt_audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <chrono>
#include <thread>
#include <vector>

namespace brilox {
namespace {

using namespace std::chrono_literals;

// The sink's buffer: short enough that a stop is heard at once, long enough
// that a busy machine does not leave gaps in the Morse.
constexpr int kBufferMs = 250;
// While the buffer is full the writer waits this long before it looks again.
constexpr auto kRoomWait = 5ms;
// Silence written first into a freshly opened stream: the start of a stream
// may be lost while the server sets it up, and it must not be the first dot.
constexpr int kLeadInMs = 150;
// A device that takes nothing for this long has stopped.
constexpr auto kStallLimit = 2s;

bool Stalled(const QAudioSink& sink) {
  return sink.error() == QAudio::OpenError || sink.error() == QAudio::IOError ||
         sink.error() == QAudio::FatalError;
}

}  // namespace

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() { Close(); }

Status QtAudioOutput::Open() {
  if (m_sink) return Status::Ok();
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return Status::Io("no audio output device");
  QAudioFormat format;
  format.setSampleRate(kSampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return Status::Io("the audio device plays no 16-bit mono sound");
  m_sink = std::make_unique<QAudioSink>(device, format);
  m_sink->setBufferSize(kSampleRate * 2 * kBufferMs / 1000);
  m_device = m_sink->start();
  if (m_device == nullptr || Stalled(*m_sink)) {
    Close();
    return Status::Io("the audio device cannot be opened");
  }
  return Status::Ok();
}

void QtAudioOutput::Close() {
  if (!m_sink) return;
  m_sink->stop();
  m_sink.reset();
  m_device = nullptr;
}

Status QtAudioOutput::Play(std::span<const std::int16_t> samples, const std::atomic<bool>& stop) {
  if (!m_sink) {
    if (Status s = Open(); !s.ok()) return s;
    const std::vector<std::int16_t> lead_in(kSampleRate * kLeadInMs / 1000, 0);
    if (Status s = Write(lead_in, stop); !s.ok()) return s;
  }
  return Write(samples, stop);
}

Status QtAudioOutput::Write(std::span<const std::int16_t> samples, const std::atomic<bool>& stop) {
  const char* data = reinterpret_cast<const char*>(samples.data());
  qint64 left = static_cast<qint64>(samples.size_bytes());
  auto last_progress = std::chrono::steady_clock::now();
  while (left > 0 && !stop) {
    if (Stalled(*m_sink)) {
      Close();
      return Status::Io("the audio device stopped");
    }
    const qint64 room = m_sink->bytesFree() & ~qint64{1};
    if (room <= 0) {
      if (std::chrono::steady_clock::now() - last_progress > kStallLimit) {
        Close();
        return Status::Io("the audio device takes no more sound");
      }
      std::this_thread::sleep_for(kRoomWait);
      continue;
    }
    const qint64 written = m_device->write(data, std::min(room, left));
    if (written < 0) {
      Close();
      return Status::Io("the audio device refused the sound");
    }
    data += written;
    left -= written;
    if (written > 0) last_progress = std::chrono::steady_clock::now();
  }
  return Status::Ok();
}

Status QtAudioOutput::Finish(const std::atomic<bool>& stop) {
  if (!m_sink) return Status::Ok();
  // Until the sink's buffer has been played out.  The stream then stays
  // open and idle: closing it while the server still reports on it lets
  // the server's thread signal a sink that is gone.
  const auto deadline = std::chrono::steady_clock::now() + kStallLimit;
  while (!stop && m_sink->bytesFree() < m_sink->bufferSize() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kRoomWait);
  }
  if (!Stalled(*m_sink)) return Status::Ok();
  Close();
  return Status::Io("the audio device stopped");
}

}  // namespace brilox
