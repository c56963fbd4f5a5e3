// Fixed-size tables of 16-bit cells with checked indexing.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace brel {

template <int Rows, int Cols>
class CellTable {
 public:
  static constexpr int kRows = Rows;
  static constexpr int kCols = Cols;

  std::int16_t& at(int row, int col) {
    check(row, col);
    return cells_[static_cast<std::size_t>(row) * Cols + col];
  }
  std::int16_t at(int row, int col) const {
    check(row, col);
    return cells_[static_cast<std::size_t>(row) * Cols + col];
  }
  std::int16_t& operator()(int row, int col) { return at(row, col); }
  std::int16_t operator()(int row, int col) const { return at(row, col); }

  void fill(int firstRow, int lastRow, int firstCol, int lastCol, std::int16_t value) {
    for (int r = firstRow; r <= lastRow; ++r)
      for (int c = firstCol; c <= lastCol; ++c) at(r, c) = value;
  }

  bool operator==(const CellTable&) const = default;

 private:
  static void check(int row, int col) {
    if (row < 0 || row >= Rows || col < 0 || col >= Cols)
      throw std::out_of_range("table cell out of range");
  }
  std::array<std::int16_t, static_cast<std::size_t>(Rows) * Cols> cells_{};
};

}  // namespace brel
