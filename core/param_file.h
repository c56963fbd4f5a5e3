// Parameter files: plain text, one line per 16-byte row, each value written
// as a blank (or '-'), its digits and a blank; lines end in CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid.h"

namespace brel {

// Formats rows of values, `valuesPerLine` to a line (a last, shorter line
// ends in CR LF too).  A row of 16 erased bytes is 82 characters.
std::string FormatParamText(const std::vector<std::int16_t>& values, int valuesPerLine);

// Writes the text to `path` through a temporary file in the same folder and a
// rename, so a failed write never leaves a truncated file in place of a good
// one.  Returns an empty optional on success, else the reason (English, fit
// to show to a user).
std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& text);

struct ParamReadResult {
  std::vector<std::int16_t> values;  // exactly `count` values on success
  std::string error;                 // empty on success
  bool ok() const { return error.empty(); }
};

// Reads the first `count` whole numbers 0..255, separated by runs of blanks,
// a comma or line ends; what follows them is not read.  Refuses (with a
// reason) a file that cannot be opened or read, holds fewer values, a text
// that is not a whole number, an empty value between two commas, or a value
// outside 0..255.  Nothing is returned but the reason on failure, so a caller
// that applies the values only on success keeps its image untouched.  With
// `nothingAfter`, a file holding more than `count` values (or anything else
// after them) is refused too.
ParamReadResult ReadParamValues(const std::string& path, int count, bool nothingAfter = false);
// The same reading of a text already in memory.
ParamReadResult ParseParamValues(std::string_view text, int count, bool nothingAfter = false);

// The cells of rows first..last, columns 0..cols-1, in file order.
template <int Rows, int Cols>
std::vector<std::int16_t> RowsToValues(const CellTable<Rows, Cols>& table, int firstRow, int lastRow,
                                       int cols = 16) {
  std::vector<std::int16_t> values;
  for (int r = firstRow; r <= lastRow; ++r)
    for (int c = 0; c < cols; ++c) values.push_back(table.at(r, c));
  return values;
}

// Stores values read by ReadParamValues back into rows first..last.
template <int Rows, int Cols>
void ValuesToRows(const std::vector<std::int16_t>& values, CellTable<Rows, Cols>& table, int firstRow, int lastRow,
                  int cols = 16) {
  std::size_t i = 0;
  for (int r = firstRow; r <= lastRow; ++r)
    for (int c = 0; c < cols; ++c) table.at(r, c) = values.at(i++);
}

}  // namespace brel
