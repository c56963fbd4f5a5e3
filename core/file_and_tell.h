// What every window does when it opens or saves a parameter file: read all
// or nothing, commit open edits, apply, show, and tell the user.  The editor
// windows reach it through EditorWindow, each with its own titles and
// texts; the image dialogs call it directly.
//
//   const FileTexts texts{kThingLoaded, kThingSaved, kTitlePromptUpper, kTitlePromptUpper};
//   OpenFileAndTell(state, messages, path,
//                   [&](const std::string& from) { return ReadTableRowsInto(rows, 0, 11, from); },
//                   /*commitEdits=*/{}, [&] { showThing(); }, texts);
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "bilingual.h"
#include "image_file.h"
#include "mem_image.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel {

// A file read whole and checked but not yet applied, or the reason it was
// refused.
struct FileRead {
  std::optional<std::string> refused;
  std::function<void()> apply;  // puts what was read in place

  static FileRead Refused(std::string reason) { return {std::move(reason), {}}; }
  static FileRead Ready(std::function<void()> apply) { return {std::nullopt, std::move(apply)}; }
};

using FileReader = std::function<FileRead(const std::string& path)>;
// Writes the file (replacing one there only once the new one is whole);
// the reason on failure.
using FileWriter = std::function<std::optional<std::string>(const std::string& path)>;

// What a window says about its files.
struct FileTexts {
  Bilingual loaded = kParamFileReadText;
  Bilingual saved = kParamFileSavedText;
  Bilingual refusedTitle = kTitlePromptLower;  // a file not loaded, or not saved
  Bilingual doneTitle = kTitlePromptLower;     // loaded, saved
};

// Opening: `read` the file.  A file that cannot be read, or is short or
// damaged, is refused with its reason and nothing changes.  A good file:
// `commitEdits` (edits still open go into what the file replaces, not over
// it; false when an editor refused, and nothing changes), the file applied,
// `shown` (redisplay), then texts.loaded.  True when the file was applied.
bool OpenFileAndTell(ProgramState& state, MessageSink& messages, const std::string& path, const FileReader& read,
                     const std::function<bool()>& commitEdits = {}, const std::function<void()>& shown = {},
                     const FileTexts& texts = {});

// Saving: `write` the file.  On failure, `done(false)`, then the reason; on
// success, `done(true)`, then texts.saved.  True when the file was written.
bool SaveFileAndTell(ProgramState& state, MessageSink& messages, const std::string& path, const FileWriter& write,
                     const FileTexts& texts = {}, const std::function<void(bool saved)>& done = {});

// Rows firstRow..lastRow (columns 0..15) of `table` from a parameter file of
// exactly that many values: read and checked now, put in place on apply.
template <int Rows, int Cols>
FileRead ReadTableRowsInto(CellTable<Rows, Cols>& table, int firstRow, int lastRow, const std::string& path) {
  ParamReadResult read = ReadParamValues(path, (lastRow - firstRow + 1) * kParamValuesPerLine);
  if (!read.ok()) return FileRead::Refused(std::move(read.error));
  return FileRead::Ready([&table, firstRow, lastRow, values = std::move(read.values)] {
    ValuesToRows(values, table, firstRow, lastRow);
  });
}

// The image file of the Open dialogs into MemImage rows 0..480.
FileRead ReadImageFileInto(MemoryImage& image, const std::string& path);

// A file whose `load` fills rows firstRow..lastRow of `table` (every column)
// and changes nothing when it refuses: it is loaded into a copy, and
// applying puts those rows of the copy in place, so what was committed
// meanwhile in the other rows stays.
template <class Table, class Load>
FileRead ReadRowsInto(Table& table, int firstRow, int lastRow, const std::string& path, Load load) {
  auto copy = std::make_shared<Table>(table);
  if (std::optional<std::string> error = load(*copy, path)) return FileRead::Refused(std::move(*error));
  return FileRead::Ready([&table, copy, firstRow, lastRow] {
    for (int r = firstRow; r <= lastRow; ++r)
      for (int c = 0; c < Table::kCols; ++c) table.at(r, c) = copy->at(r, c);
  });
}

}  // namespace brel
