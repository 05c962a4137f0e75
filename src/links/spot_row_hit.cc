#include "links/spot_row_hit.h"

#include "links/link_commands.h"

namespace brilox {

const std::array<std::string, 4>& SpotRowBoundaryTexts() {
  static const std::array<std::string, 4> kTexts = {
      "DX de",                                    // 5
      "DX de W1AAAA:",                            // 13
      "DX de W1AAAA:    14025.0 ",                // 25
      "DX de W1AAAA:     7005.0  JA1AAAAAAA   ",  // 39
  };
  return kTexts;
}

SpotRowHit HitTestSpotRow(std::string_view row, int x,
                          const std::function<int(std::string_view)>& text_width) {
  if (row.find("DX de ") == std::string_view::npos) return {};
  const auto& texts = SpotRowBoundaryTexts();
  std::array<int, 4> bound{};
  for (std::size_t i = 0; i < 4; ++i) bound[i] = text_width(texts[i]);
  if (x > bound[0] && x < bound[1]) {
    // From the seventh character up to a blank, "-" or ":", at most 7.
    std::string call;
    for (std::size_t i = 6; i < row.size() && call.size() < 7; ++i) {
      const char ch = row[i];
      if (ch == ' ' || ch == '-' || ch == ':') break;
      call.push_back(ch);
    }
    return {SpotRowTarget::kSpotter, call};
  }
  if (x > bound[1] && x < bound[2]) return {SpotRowTarget::kFrequency, {}};
  if (x > bound[2] && x < bound[3]) {
    const std::string_view dx = row.size() > 26 ? row.substr(26, 13) : std::string_view();
    return {SpotRowTarget::kDxCall, TrimBlanks(dx)};
  }
  return {};
}

}  // namespace brilox
