#include "shell/database_window_targets.h"

#include <algorithm>
#include <string>

namespace brilox {
namespace {

constexpr int kContextRows = 9;
constexpr int kDxccVisibleRows = 19;
constexpr int kIotaRows = 1400;
constexpr int kIotaLastTopRow = 1383;

}  // namespace

int DxccColumnForBand(int band_mhz) {
  switch (band_mhz) {
    case 1:
      return 5;
    case 3:
      return 6;
    case 5:
      return 7;
    case 7:
      return 8;
    case 10:
      return 9;
    case 14:
      return 10;
    case 18:
      return 11;
    case 21:
      return 12;
    case 24:
      return 13;
    case 28:
    case 29:
      return 14;
    case 144:
      return 16;
    case 145:
      return 17;
    default:
      return band_mhz >= 50 && band_mhz <= 53 ? 15 : 2;
  }
}

GridTarget DxccWindowTarget(const DxccTable& table, std::string_view prefix, int band_mhz) {
  std::string padded(prefix.substr(0, kDxccPrefixLength));
  padded.resize(kDxccPrefixLength, ' ');
  int row = table.FindDxccByExactPrefix(padded);
  if (row < 1 || row > table.count()) row = 1;
  const int top = std::max(1, std::min(row - kContextRows, table.count() - kDxccVisibleRows));
  return {row, top, DxccColumnForBand(band_mhz)};
}

GridTarget IotaWindowTarget(int iota_index) {
  const int row = std::clamp(iota_index, 1, kIotaRows);
  return {row, std::clamp(row - kContextRows, 1, kIotaLastTopRow), 1};
}

}  // namespace brilox
