// The texts of the channel grid, kept apart from any widget so the editing
// rules can be run and tested on their own.
//
// Row 0 holds the headings; row n shows channel n.  Columns are numbered as
// the grid shows them (ChannelColumn).  Every change of a cell is reported to
// an optional observer, so a view can repaint just the rows that changed.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

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

class ChannelGrid {
 public:
  using Row = std::array<std::string, kGridColumns>;
  using Observer = std::function<void(int row, int col)>;

  ChannelGrid() : rows_(1) {}

  // Rows including the heading row.
  int rowCount() const { return static_cast<int>(rows_.size()); }
  // Keeps the texts of the rows that stay; new rows start empty.
  void setRowCount(int rows);

  const std::string& cell(int row, int col) const;
  void setCell(int row, int col, std::string text);
  // Empty once blanks are removed at both ends.
  bool isBlank(int row, int col) const;

  void setObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  void check(int row, int col) const;

  std::vector<Row> rows_;
  Observer observer_;
};

}  // namespace brel::chann
