// The signalling file: a window's whole staging image, one line of 16 values
// per row (48 lines from the two-tone window, 144 from the five-tone one),
// each value a blank, its digits and a blank, lines ended by CR LF.
//
// Opening takes exactly rows x 16 values 0..255 and nothing after them, so
// the other window's file or a short one is refused with its reason and the
// image stays as it was.  Saving goes through a temporary file: a failed
// save leaves the old file in place.
#pragma once

#include <optional>
#include <string>

#include "mem_image.h"
#include "param_file.h"

namespace brel::signalling {

template <int Rows>
std::optional<std::string> SaveSignalFile(const StageRows<Rows>& rows, const std::string& path) {
  return WriteFileAtomically(path, FormatParamText(RowsToValues(rows, 0, Rows - 1), 16));
}

template <int Rows>
std::optional<std::string> LoadSignalFile(StageRows<Rows>& rows, const std::string& path) {
  const ParamReadResult read = ReadParamValues(path, Rows * 16, /*nothingAfter=*/true);
  if (!read.ok()) return read.error;
  ValuesToRows(read.values, rows, 0, Rows - 1);
  return std::nullopt;
}

}  // namespace brel::signalling
