#include "text_grid.h"

#include <stdexcept>

#include "numtext.h"

namespace brel::grid {

TextGrid::TextGrid(int rows, int cols, int fixedRows, int fixedCols)
    : cols_(cols < 1 ? 1 : cols),
      fixedRows_(fixedRows < 0 ? 0 : fixedRows),
      fixedCols_(fixedCols < 0 ? 0 : fixedCols),
      rows_(static_cast<std::size_t>(rows < fixedRows_ ? fixedRows_ : rows),
            std::vector<std::string>(static_cast<std::size_t>(cols_))) {}

TextGrid::TextGrid(const TextGrid& other)
    : cols_(other.cols_), fixedRows_(other.fixedRows_), fixedCols_(other.fixedCols_), rows_(other.rows_) {}

TextGrid& TextGrid::operator=(const TextGrid& other) {
  if (this == &other) return *this;
  if (observer_) observer_->gridAboutToBeReplaced();
  cols_ = other.cols_;
  fixedRows_ = other.fixedRows_;
  fixedCols_ = other.fixedCols_;
  rows_ = other.rows_;
  if (observer_) observer_->gridReplaced();
  return *this;
}

TextGrid::~TextGrid() {
  if (observer_) observer_->gridDestroyed();
}

void TextGrid::setRowCount(int rows) {
  if (rows < fixedRows_) rows = fixedRows_;
  const int from = rowCount();
  if (rows == from) return;
  if (observer_) observer_->rowCountAboutToChange(from, rows);
  rows_.resize(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(cols_)));
  if (observer_) observer_->rowCountChanged(from, rows);
}

const std::string& TextGrid::cell(int row, int col) const {
  check(row, col);
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void TextGrid::setCell(int row, int col, std::string text) {
  check(row, col);
  std::string& target = rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  if (target == text) return;
  target = std::move(text);
  if (observer_) observer_->cellChanged(row, col);
}

bool TextGrid::isBlank(int row, int col) const { return TrimBlanks(cell(row, col)).empty(); }

void TextGrid::check(int row, int col) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= cols_) throw std::out_of_range("grid cell out of range");
}

void SetHeadingsFromFormat(TextGrid& grid, const std::string& format) {
  int col = 0;
  std::string heading;
  auto flush = [&] {
    if (col < grid.colCount()) grid.setCell(0, col, heading);
    heading.clear();
    ++col;
  };
  for (char c : format) {
    if (c == '|')
      flush();
    else if (c != '^' || !heading.empty())
      heading.push_back(c);
  }
  flush();
}

}  // namespace brel::grid
