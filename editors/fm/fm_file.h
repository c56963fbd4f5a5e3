// The FM file: a line " 16 ", then staging rows 0..15 (the sixteen presets),
// 22 values a line, each value a blank, its digits and a blank, lines ended
// by CR LF.  Opening takes exactly such a file and nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mem_image.h"

namespace brel::fm {

inline constexpr int kFmFileRows = 16;
inline constexpr int kFmFileValuesPerLine = 22;
inline constexpr int kFmFileValueCount = 1 + kFmFileRows * kFmFileValuesPerLine;

std::string FmParamFileText(const FmStageTable& rows);

// Writes the file (a failed write leaves any file of that name as it was).
// Returns the reason on failure.
std::optional<std::string> SaveFmParamFile(const FmStageTable& rows, const std::string& path);

// Reads the file into staging rows 0..15, cells 0..21.  Returns the reason
// when the file is not an FM file; the rows are then untouched.
std::optional<std::string> LoadFmParamFile(FmStageTable& rows, const std::string& path);

}  // namespace brel::fm
