// Where the DXCC and IOTA windows open when the main window calls them up
// (F8, F9) for the last spot of the view on show: the selected row, the top
// row and the column of the band.  Rows and columns count from 1 for rows
// and from 0 for columns, as the windows' grids do.
#pragma once

#include <string_view>

#include "awards/dxcc_table.h"

namespace brilox {

struct GridTarget {
  int row = 1;
  int top_row = 1;
  int column = 1;
  friend bool operator==(const GridTarget&, const GridTarget&) = default;
};

// The DXCC window's column of a band in MHz (2 for a band it has none for).
int DxccColumnForBand(int band_mhz);

// The row of `prefix` (row 1 when the table lacks it), 9 rows of context
// above it, and the column of the spot's band.
GridTarget DxccWindowTarget(const DxccTable& table, std::string_view prefix, int band_mhz);

// The IOTA window at reference index `iota_index` (1 to 1400).
GridTarget IotaWindowTarget(int iota_index);

}  // namespace brilox
