// Rows of an image table saved to and opened from a parameter file.
//
// Opening is all or nothing: the table changes only once the whole file has
// been read and every value checked, so a short or damaged file leaves it as
// it was.  Saving goes through a temporary file, so a failed save leaves any
// file already there intact.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "address_map.h"
#include "bilingual.h"
#include "grid.h"
#include "mem_image.h"
#include "param_file.h"

namespace brel {

inline constexpr int kParamValuesPerLine = 16;

// Writes rows firstRow..lastRow, columns 0..15.  Returns the reason on failure.
template <int Rows, int Cols>
std::optional<std::string> SaveTableRows(const CellTable<Rows, Cols>& table, int firstRow, int lastRow,
                                         const std::string& path) {
  return WriteFileAtomically(path, FormatParamText(RowsToValues(table, firstRow, lastRow), kParamValuesPerLine));
}

// Reads rows firstRow..lastRow, columns 0..15.  Returns the reason on
// failure, in which case the table is untouched.
template <int Rows, int Cols>
std::optional<std::string> LoadTableRows(CellTable<Rows, Cols>& table, int firstRow, int lastRow,
                                         const std::string& path) {
  const int count = (lastRow - firstRow + 1) * kParamValuesPerLine;
  ParamReadResult read = ReadParamValues(path, count);
  if (!read.ok()) return read.error;
  ValuesToRows(read.values, table, firstRow, lastRow);
  return std::nullopt;
}

// The image file the Save dialog writes: MemImage rows 0..480.
inline std::optional<std::string> SaveImageFile(const MemoryImage& image, const std::string& path) {
  return SaveTableRows(image, addr::kImageFileFirstRow, addr::kImageFileLastRow, path);
}

// What every window that saves or opens a parameter file says.
inline constexpr Bilingual kParamFileReadText{"参数从文件调入成功 ！", "Succeed fold the parameter from file."};
inline constexpr Bilingual kParamFileSavedText{"参数保存完毕 ！", "Complete storing  parameter."};

inline std::string ParamFileNotLoadedText(std::int16_t languageFlag, const std::string& path,
                                          const std::string& reason) {
  return languageFlag != 0 ? "参数未能从文件 \"" + path + "\" 调入：" + reason + "。参数没有改变。"
                           : "The parameters were not loaded from \"" + path + "\": " + reason + ". Nothing was changed.";
}
inline std::string ParamFileNotSavedText(std::int16_t languageFlag, const std::string& path,
                                         const std::string& reason) {
  return languageFlag != 0 ? "参数未能保存到文件 \"" + path + "\"：" + reason + "。同名的原有文件没有改变。"
                           : "The parameters were not saved to \"" + path + "\": " + reason +
                                 ". Any file of that name is unchanged.";
}

}  // namespace brel
