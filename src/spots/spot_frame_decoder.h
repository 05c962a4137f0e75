// Decoder of the node-to-node spot frame
//   "PC11^freq^dxcall^date^time^comment^spotter^node^hops^~"
// into the spot record.  It also rewrites DecodeLine into the equivalent full
// "DX de " text line, so that everything after it reads one layout.
// A frame with fewer fields gives empty fields, never a fault.  Window
// thread; no state.
#pragma once

#include <string>

#include "platform/clock.h"
#include "core/settings.h"
#include "spots/spot_record.h"

namespace brilox {

inline constexpr std::size_t kDecodeLineCapacity = 255;

void DecodeDX(std::string& decode_line, const Settings& settings, const Clock& clock, SpotRecord& spot);

}  // namespace brilox
