// The two-tone editor without its window: the area's layout and codecs, the
// window's controls as plain state, and every rule the window applies.
//
// The area, radio 0x2D00..0x2FFF, staged in ProgramState::TwoToneImage (row r
// = radio 0x2D00 + 16 r):
//   rows 0..14   encode code k+1: first tone in Hz (bytes 0-1), second (8-9)
//   row 15       timing: first tone, second tone, gap, 10 ms per step
//   rows 16..30  decode entry k+1: four decodes of (pair, response, alert)
//   row 31       zeros
//   rows 32..46  tone row of entry k+1: tones A..D in Hz, then their periods
//   row 47       decode reset time, 100 ms per step from 100 ms
// 16-bit values are stored low byte first.
//
// Edits stay in the window's working copy (grids, tone table, lists); the
// staging rows are rebuilt from it by StoreTwoToneControls before a write or
// a file save, and a read or an opened file is shown through
// ShowTwoToneFromBlocks.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "bilingual.h"
#include "plain_controls.h"
#include "program_state.h"
#include "text_grid.h"
#include "ui_ports.h"

namespace brel::signalling {

inline constexpr int kTwoToneRowCount = 48;
inline constexpr int kTwoToneAreaBytes = kTwoToneRowCount * 16;
inline constexpr int kEntryCount = 15;  // codes and decode entries, grid rows 1..15
inline constexpr int kTimingRow = 15;
inline constexpr int kFirstDecodeRow = 16;
inline constexpr int kZeroRow = 31;
inline constexpr int kFirstToneRow = 32;
inline constexpr int kResetRow = 47;

// Grid columns: encode 0 the code number, 1 and 2 the two tones; decode 0
// the entry number, then for decode d = 0..3 the pair (3d+1), response
// (3d+2) and alert (3d+3).
inline constexpr int kTwoEncodeColumns = 3;
inline constexpr int kTwoDecodeColumns = 13;

// The frequencies the window takes, both ends included.
inline constexpr int kLowestTone = 300;
inline constexpr int kHighestTone = 3000;

// Cell codecs.
std::string TonePairToText(int byte);           // 0..11 "A-B".."D-C", else ""
std::uint8_t TonePairFromCell(const std::string& text);  // exact text, else 255
std::string ResponseToText(const ProgramState& state, int byte);  // 255 "", 0..3 names, else name 0
std::uint8_t ResponseFromCell(const std::string& text);           // leading digit; empty 255
std::string AlertToText(int byte);                                // 0..16, else ""
std::uint8_t AlertFromCell(const std::string& text);              // empty 255

// The tone generator's period for f Hz (ticks of `tickMs` ms), rounded half
// up; nothing for a frequency outside 300..3000 Hz, which no field stores.
std::optional<int> TwoTonePeriodCode(double hz, double tickMs);

// One tone table line per decode entry (0..14) and line 15 the reset row as
// last read; each line holds an area tone row.
using DecodeTones = std::array<std::array<std::uint8_t, 16>, 16>;

// What the window shows, as plain state.
struct TwoToneSheet {
  grid::TextGrid encode{kEntryCount + 1, kTwoEncodeColumns, 1, 1};  // MSF_Encode
  grid::TextGrid decode{kEntryCount + 1, kTwoDecodeColumns, 1, 1};  // MSF_Decode
  std::array<PlainTextBox, 4> tones;                                // Text_A..Text_D
  PlainList Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3, Combo_Dec_Res_Time;
  std::string decodeFrameCaption;  // Frame_Dec_xx
  DecodeTones DecodeToneTable{};
  int SelectedDecodeEntry = 0;
};

class TwoToneEditor {
 public:
  TwoToneEditor(ProgramState& state, MessageSink& messages, TwoToneSheet& sheet);

  TwoToneSheet& sheet() { return sheet_; }
  grid::GridRules& encodeRules() { return encodeRules_; }
  grid::GridRules& decodeRules() { return decodeRules_; }

  // Opening: grid headings and the entries' numbers, the caption of the
  // decode frame, then the defaults.
  void load();
  // The defaults (also the Default button): lists refilled, rows 1 and
  // 12..15 of the encode grid, rows 1, 2, 14, 15 of the decode grid, the
  // tones of entries 1, 2, 14, 15; other rows keep their texts, other tone
  // entries become 0.  Entry 1 is selected and shown.
  void LoadTwoToneDefaults();

  // A read or an opened file: the area's 768 bytes from 0x2D00.
  void ShowTwoToneFromBlocks(std::span<const std::uint8_t> area);
  // The staging rows into the window (after a file has been opened).
  void showStagedSet();
  // Rebuilds the 48 staging rows from the window.
  void StoreTwoToneControls();

  // The tone fields into / from line `entry` of the tone table.
  void StoreDecodeTones(int entry);
  void ShowDecodeTones(int entry);
  // Tone field n (0..3 for A..D) lost the focus.  True when it must take the
  // focus back (its text was refused).
  bool toneFieldLeft(int n);

  // Makes `entry` (0..14) the selected decode entry: its tones shown and the
  // decode frame named after it.
  void selectEntry(int entry);
  // The switch to the Decode page.
  void decodePageShown() { selectEntry(0); }

 private:
  class EncodeRules : public grid::GridRules {
   public:
    explicit EncodeRules(TwoToneEditor& editor) : e_(editor) {}
    grid::CellEditor editorFor(int row, int col) const override;
    bool commit(int row, int col, const std::string& text) override;
    void doubleClicked(int row, int col) override;

   private:
    TwoToneEditor& e_;
  };
  class DecodeRules : public grid::GridRules {
   public:
    explicit DecodeRules(TwoToneEditor& editor) : e_(editor) {}
    grid::CellEditor editorFor(int row, int col) const override;
    std::vector<std::string> choices(int row, int col) const override;
    bool commit(int row, int col, const std::string& text) override;
    void clicked(int row, int col) override;
    void doubleClicked(int row, int col) override;

   private:
    TwoToneEditor& e_;
  };

  void warn(const Bilingual& title, const Bilingual& text) const;
  double tickMs() const;

  ProgramState& state_;
  MessageSink& messages_;
  TwoToneSheet& sheet_;
  EncodeRules encodeRules_{*this};
  DecodeRules decodeRules_{*this};
};

// Number lists of the combos: `count` items from `first` in steps of `step`.
void FillNumberList(PlainList& list, int first, int step, int count);
// Selects `position`, or the last item when the list is shorter.
void SelectPosition(PlainList& list, int position);

}  // namespace brel::signalling
