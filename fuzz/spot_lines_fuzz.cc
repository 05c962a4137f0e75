// One broadcast line as the intake hands it to the spot decoders: a "DX de "
// line in either layout, or a "PC11^" node frame.  The intake holds at most
// 255 characters, so longer inputs are cut as it cuts them.
#include <cstdint>
#include <string>

#include "core/settings.h"
#include "platform/clock.h"
#include "spots/decode_line.h"
#include "spots/spot_frame_decoder.h"
#include "spots/spot_line_decoder.h"
#include "spots/spot_record.h"
#include "support/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brilox;
  static const Settings settings;
  static const FakeClock clock;
  const std::string line(fuzz::AsText(data, size).substr(0, DecodeLine::kCapacity));

  SpotRecord full;
  LigneFichDX(line, settings, clock, full);
  SpotRecord compact;
  LigneFichDX_clusse(line, settings, clock, compact);
  SpotterFromLine(line);
  if (FrequencyTextFromLine(line, 10).size() != 10) __builtin_trap();
  DxCallFromLine(line);

  std::string frame = line;
  SpotRecord decoded;
  DecodeDX(frame, settings, clock, decoded);
  if (frame.size() > kDecodeLineCapacity) __builtin_trap();  // the rewritten line still fits the intake
  // What the frame became is read as a full line next.
  SpotRecord rewritten;
  LigneFichDX(frame, settings, clock, rewritten);
  return 0;
}
