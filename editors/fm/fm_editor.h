// The FM editor without its window: the grid's texts and the four band-limit
// boxes as plain state, and every rule the window applies to them.
//
// Grid rows 1..16 are the presets (column 0 the number, 1 the frequency, 2
// the station name); row 0 holds the headings.  Edits reach the staging rows
// (ProgramState::FmStageRows) only through EncodeFmRow, when a cell is left,
// before a write and before a file save; a read or an opened file fills the
// grid and boxes, never the staging rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bilingual.h"
#include "fm_records.h"
#include "plain_controls.h"
#include "program_state.h"
#include "text_grid.h"
#include "ui_ports.h"

namespace brel::fm {

enum FmColumn : int { kColNumber = 0, kColFrequency = 1, kColName = 2 };
inline constexpr int kGridColumns = 3;
inline constexpr int kGridRows = 17;  // headings and 16 presets

enum BandBox : int { kALower = 0, kAUpper = 1, kBLower = 2, kBUpper = 3 };

inline constexpr int kLimitStageRow = 16;  // staging row of the band-limit block
inline constexpr int kPresetBase = 0x3000;
inline constexpr int kLimitBlockAddress = 0x3F80;

// The limits the boxes show and accept: each band's lowest and highest
// frequency in whole MHz, as the radio reported them.
struct BandLimits {
  double aLower = 0, aUpper = 0, bLower = 0, bUpper = 0;
  double lower(int box) const { return box < kBLower ? aLower : bLower; }
  double upper(int box) const { return box < kBLower ? aUpper : bUpper; }
};
BandLimits ShownBandLimits(const ProgramState& state);

// What the window shows, as plain texts and controls.
struct FmSheet {
  grid::TextGrid grid{kGridRows, kGridColumns, 1, 0};
  std::array<PlainTextBox, kBandBoxCount> boxes;  // A lower, A upper, B lower, B upper
  std::array<std::string, kBandBoxCount> boxTexts() const;
  std::string fmLower;  // the FM receive range, fixed
  std::string fmUpper;
  std::string readout;  // the staging row last encoded
};

// The default presets the window opens with (grid row, frequency, name).
struct DefaultPreset {
  int row;
  const char* frequency;
  const char* name;
};
extern const std::array<DefaultPreset, 9> kDefaultPresets;

// The window's rules, its grid's rules among them: a frequency or name cell
// gets a text box; no key is filtered and Enter does nothing.
class FmEditor : public grid::GridRules {
 public:
  FmEditor(ProgramState& state, MessageSink& messages, FmSheet& sheet);

  FmSheet& sheet() { return sheet_; }
  const FmSheet& sheet() const { return sheet_; }

  // Opening: presets emptied, FM range, band boxes from the reported limits,
  // then the default presets (into the grid only).
  void load();
  // Activation: the preset numbers in column 0.
  void activate();
  // Captions of the grid's headings in the current language.
  void setHeadings();

  // The grid's current cell leaves (r, c).  `editorText` is the text of the
  // editor laid on that cell, or null when none was: a cell without an
  // editor keeps its text.  Either way the row is encoded.
  void leaveCell(int r, int c, const std::string* editorText);
  grid::CellEditor editorFor(int row, int col) const override;
  bool commit(int row, int col, const std::string& text) override;
  void commitFrequency(int r, const std::string& text);
  void commitName(int r, const std::string& text);

  // A band box's text is checked at every change, typed or set by a rule:
  // one longer than a limit can be is refused with a message, and the box
  // takes the focus back.  No box rule runs while another does (its message
  // box takes the focus; a leave rule sets boxes itself).

  // A band box lost the focus: the range and order checks.
  void bandBoxLeft(int box);

  // Empties every preset and the four boxes (the staging rows change when
  // rows are next encoded).
  void clear();

  // Preset p = gridRow into staging row gridRow - 1, the boxes into the
  // band-limit row; the read-out shows the preset row.
  void EncodeFmRow(int gridRow);
  void encodeAll();

  // One preset record of a read block (64 bytes) into grid row gridRow,
  // then the boxes from the band-limit block (its first 12 bytes).
  void DecodeFmBlock(const std::uint8_t* block, int gridRow, int offset, const std::uint8_t* limitBlock);
  // A completed read: blocks[i] read from addresses[i]; each preset block
  // fills the four grid rows its address gives.
  void showReadBlocks(const std::vector<int>& addresses, const std::vector<std::array<std::uint8_t, 64>>& blocks);
  // Grid rows 1..16 from staging rows 0..15.
  void showRowsFromStage();

 private:
  void warn(const Bilingual& title, const Bilingual& text) const;
  void setBoxToLimit(int box, double limit);
  void bandBoxChanged(int box);
  void checkBandBoxLeft(int box);
  PlainTextBox& bandBox(int box) { return sheet_.boxes.at(static_cast<std::size_t>(box)); }

  ProgramState& state_;
  MessageSink& messages_;
  FmSheet& sheet_;
  bool boxRuleRunning_ = false;
};

// The range of a preset frequency, both ends included.
inline constexpr double kFmRangeLow = 87.5;
inline constexpr double kFmRangeHigh = 108;

// The text a frequency cell keeps when `typed` is a preset frequency: its
// digits with five places cut ("095.5" -> "95.50000"); empty when it is not
// within the FM range.
std::string CheckedFrequencyText(const std::string& typed);
// A typed name as a name cell keeps it: characters 0x20..0x7E only, blanks
// at the ends removed, the first six, in capitals.
std::string CheckedNameText(const std::string& typed, bool& tooLong);

}  // namespace brel::fm
