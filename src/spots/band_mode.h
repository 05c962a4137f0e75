// Band and mode of a DX spot.  A spot carries no mode field: the mode comes
// from keywords in the comment, else from the band plan's CW and phone
// segments.  The operator's band and mode choices decide BandOK and ModeOK.
// Window thread; no state.
#pragma once

#include <optional>
#include <string_view>

#include "core/settings.h"
#include "spots/spot_record.h"

namespace brilox {

// The checks that run right after band and mode on a DX spot: the spotter's
// zone, the self spot and the plausibility of the DX call.  They may clear
// BandOK, ZoneOK or NotSelfSpot.  The base does nothing, for callers and
// tests that want band and mode alone.
class SpotChecksAfterBandMode {
 public:
  virtual ~SpotChecksAfterBandMode() = default;
  virtual void Run(std::string_view decode_line, SpotRecord& spot) {
    (void)decode_line;
    (void)spot;
  }
};

// Reads the frequency from columns 15-25 of DecodeLine and the comment from
// the record; sets BandKey, Mode, BandOK, ModeOK; then runs `after`.
void TestBandeModeExp(std::string_view decode_line, const Settings& settings, SpotRecord& spot,
                      SpotChecksAfterBandMode& after);
void TestBandeModeExp(std::string_view decode_line, const Settings& settings, SpotRecord& spot);

// Mode setters: 'C', 'S', 'R', 'N'.  The first three set ModeOK when the
// operator wants that mode; 'N' always passes.
void SetModeCW(const Settings& settings, SpotRecord& spot);
void SetModePhone(const Settings& settings, SpotRecord& spot);
void SetModeData(const Settings& settings, SpotRecord& spot);
void SetModeNone(SpotRecord& spot);

// The pieces, for the tests and the spot simulation.

// kHz from columns 15-25: text up to the first ":" dropped, blanks dropped,
// the rest read as a decimal number with "."; nothing when it does not read.
std::optional<double> SpotFrequencyKhz(std::string_view decode_line);

// Whole MHz with the remaps: 145 below 145.8 MHz is 2 m (144); the
// satellite sub-bands become 145.  -1 for a value no band can hold
// (negative, not finite, beyond any frequency).
int BandKeyForFrequency(double khz);

// True when the comment names a data mode (RTTY, FT8, PSK ...); a request
// ("PSE RTTY") does not count.
bool IsDataModeComment(std::string_view comment);

}  // namespace brilox
