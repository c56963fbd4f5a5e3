#include "fm_file.h"

#include "param_file.h"

namespace brel::fm {

std::string FmParamFileText(const FmStageTable& rows) {
  return FormatParamText({kFmFileRows}, 1) +
         FormatParamText(RowsToValues(rows, 0, kFmFileRows - 1, kFmFileValuesPerLine), kFmFileValuesPerLine);
}

std::optional<std::string> SaveFmParamFile(const FmStageTable& rows, const std::string& path) {
  return WriteFileAtomically(path, FmParamFileText(rows));
}

std::optional<std::string> LoadFmParamFile(FmStageTable& rows, const std::string& path) {
  const ParamReadResult read = ReadParamValues(path, kFmFileValueCount, true);
  if (!read.ok()) return read.error;
  if (read.values.front() != kFmFileRows)
    return "its first value is " + std::to_string(read.values.front()) + ", not " + std::to_string(kFmFileRows);
  ValuesToRows(std::vector<std::int16_t>(read.values.begin() + 1, read.values.end()), rows, 0, kFmFileRows - 1,
               kFmFileValuesPerLine);
  return std::nullopt;
}

}  // namespace brel::fm
