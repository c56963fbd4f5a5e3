// Parameter files: plain text, one line per 16-byte row, each value written
// as a blank (or '-'), its digits and a blank; lines end in CR LF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brel {

// Formats rows of values, `valuesPerLine` to a line.
std::string FormatParamText(const std::vector<std::int16_t>& values, int valuesPerLine);

// Writes the text to `path` through a temporary file in the same folder and a
// rename, so a failed write never leaves a truncated file in place of a good
// one.  Returns an empty optional on success, else the reason.
std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& text);

struct ParamReadResult {
  std::vector<std::int16_t> values;  // exactly `count` values on success
  std::string error;                 // empty on success
  bool ok() const { return error.empty(); }
};

// Reads `count` whole numbers 0..255 separated by blanks, commas or line ends.
// Refuses (with a reason) a file that cannot be opened, holds fewer values, a
// text that is not a whole number, or a value outside 0..255.
ParamReadResult ReadParamValues(const std::string& path, int count);

}  // namespace brel
