// The rules of editing the channel grid: which editor a cell gets, what its
// list offers, and what committing a cell, choosing from a list and pressing
// Enter in a frequency box do to the grid's texts and the memory image.
//
// Every function takes the grid row r (= channel number) of the cell.  The
// caller decides when a cell is committed; the window commits a cell only
// when an editor was laid on it since its last commit, so moving across
// cells never writes empty texts into a channel.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channel_codec.h"

namespace brel::chann {

using grid::CellEditor;

// The editor a click lays on cell (r, col), given the row's texts: none on
// the channel number, none on the tone and option columns of a row without a
// band, and none on the transmit tone of a row without a receive frequency.
// The frequencies and the name get a text box, the tones a typed list, the
// band and the options a pick-only list.
CellEditor EditorFor(const ChannelGrid& grid, int r, int col);
// The choices of a combo-box column, in list order (the tone columns offer
// the 261 tone texts without their blanks).
std::vector<std::string> ColumnChoices(const ProgramState& state, int col);
// The tone columns take typed text; the band and option columns only take a
// choice from their list.
bool IsTypedComboColumn(int col);
// The tone box's key filter.  Returns the character to insert (small d, n, i
// made capitals) or 0 to drop it.
char FilterToneKey(char key);

// VhfLower <= v <= UhfUpper and not VhfUpper < v < UhfLower, v as read.
bool InBand(const ProgramState& state, std::string_view text);
// In band, and a frequency the channel record can hold exactly; anything
// else gets the out-of-band message.
bool Storable(const ProgramState& state, std::string_view text);
// VhfLower written as the grid shows a frequency: 136 -> "136.00000".
std::string LowerLimitText(const ProgramState& state);
// A typed frequency completed with zeros: "145" -> "145.00000".
std::string ZeroFill(std::string_view text);

// Commits cell (r, col) from the text of the editor laid on it (the text box
// for columns 2, 3 and 12, the combo box's text for the others).
void CommitCell(ChannelEditContext& ctx, int r, int col, std::string_view text);
void CommitBand(ChannelEditContext& ctx, int r, std::string_view comboText);
void CommitRxFrequency(ChannelEditContext& ctx, int r, std::string_view text);
void CommitTxFrequency(ChannelEditContext& ctx, int r, std::string_view text);
void CommitTone(ChannelEditContext& ctx, int r, int col, std::string_view comboText);
void CommitName(ChannelEditContext& ctx, int r, std::string_view text);

// A choice from the list of column `col` at list position `position`, whose
// text is `choiceText`; encoded into the image at once.
void ChooseFromList(ChannelEditContext& ctx, int r, int col, int position, std::string_view choiceText);

// Enter in the receive or transmit frequency box: checks and completes the
// typed text.  The caller puts `text` back into the box and then moves to
// (nextRow, nextCol), which commits the cell with that text.
struct EnterOutcome {
  std::string text;
  int nextRow = 0;
  int nextCol = 0;
};
EnterOutcome EnterRxFrequency(ChannelEditContext& ctx, int r, std::string_view text);
EnterOutcome EnterTxFrequency(ChannelEditContext& ctx, int r, std::string_view text);

// Sizes the grid to ChannelTotal rows, numbers them and shows every channel.
void RedisplayChannels(ChannelEditContext& ctx);
// Blanks and erases channels 1..ChannelTotal.
void ClearChannels(ChannelEditContext& ctx);
// Puts the heading texts of the language into row 0.
void SetHeadings(ChannelGrid& grid, std::int16_t languageFlag);

}  // namespace brel::chann
