#include "channel_grid.h"

#include <stdexcept>

#include "numtext.h"

namespace brel::chann {

void ChannelGrid::setRowCount(int rows) {
  if (rows < 1) rows = 1;  // the heading row always stays
  rows_.resize(static_cast<std::size_t>(rows));
}

const std::string& ChannelGrid::cell(int row, int col) const {
  check(row, col);
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void ChannelGrid::setCell(int row, int col, std::string text) {
  check(row, col);
  std::string& target = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  if (target == text) return;
  target = std::move(text);
  if (observer_) observer_(row, col);
}

bool ChannelGrid::isBlank(int row, int col) const { return TrimBlanks(cell(row, col)).empty(); }

void ChannelGrid::check(int row, int col) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= kGridColumns)
    throw std::out_of_range("channel grid cell out of range");
}

}  // namespace brel::chann
