// The texts of the channel grid, kept apart from any widget so the editing
// rules can be run and tested on their own.
//
// Row 0 holds the headings; row n shows channel n.  Columns are numbered as
// the grid shows them (ChannelColumn).
#pragma once

#include "text_grid.h"

namespace brel::chann {

enum ChannelColumn : int {
  kColChannel = 0,
  kColBand = 1,
  kColRxFreq = 2,
  kColTxFreq = 3,
  kColRxTone = 4,
  kColTxTone = 5,
  kColPower = 6,
  kColWidth = 7,
  kColPttId = 8,
  kColBusyLock = 9,
  kColScanAdd = 10,
  kColSigCode = 11,
  kColName = 12,
};
inline constexpr int kGridColumns = 13;

class ChannelGrid : public grid::TextGrid {
 public:
  ChannelGrid() : TextGrid(1, kGridColumns) {}
};

}  // namespace brel::chann
