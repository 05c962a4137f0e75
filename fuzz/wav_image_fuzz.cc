// The WAV reader on arbitrary bytes: a sound bank file may be anything.
// Whatever it reads is also resampled, as the sound bank does.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/wav_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  brilox::Result<brilox::PcmSound> sound = brilox::ReadWavImage(bytes);
  if (sound.ok()) (void)brilox::Resample(*sound, 16000);
  return 0;
}
