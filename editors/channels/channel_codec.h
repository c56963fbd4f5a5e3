// The channel record (16 bytes at 0x0000 + 16*(n-1), image row n-1) and the
// channel name block (16 bytes at 0x1000 + 16*(n-1), image row 255+n), and
// the routines that turn them into the texts of grid row n and back.
//
// Record layout: bytes 0-3 receive frequency (BCD, byte 0 = 0xFF: empty
// channel), 4-7 transmit frequency (byte 4 = 0xFF: none), 8-9 receive tone,
// 10-11 transmit tone (low byte first), 12 signalling code in bits 0-3,
// 14 bit 0 low power, 15 bits 0-1 PTT-ID, bit 2 scan add, bit 3 busy lock,
// bit 6 wide.  Name block: bytes 0-5 the name in ASCII digits and capitals,
// 0xFF where there is no character.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "channel_grid.h"
#include "field_table.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel::chann {

inline constexpr int kMaxChannels = 128;
inline constexpr int kErased = 0xFF;

inline constexpr Choice kPowerChoices[] = {{"HIGH", 0}, {"LOW", 1}};
inline constexpr Choice kWidthChoices[] = {{"W", 1}, {"N", 0}};
inline constexpr Choice kPttIdChoices[] = {{"OFF", 0}, {"BOT", 1}, {"EOT", 2}, {"BOTH", 3}};
inline constexpr Choice kOffOnChoices[] = {{"OFF", 0}, {"ON", 1}};
inline constexpr Choice kSigCodeChoices[] = {{"1", 0},  {"2", 1},   {"3", 2},   {"4", 3},   {"5", 4},
                                             {"6", 5},  {"7", 6},   {"8", 7},   {"9", 8},   {"10", 9},
                                             {"11", 10}, {"12", 11}, {"13", 12}, {"14", 13}, {"15", 14}};

// The channel record, one field per grid column.  Frequencies are four BCD
// bytes, tones two bytes low first; the power choice is stored as the whole
// low nibble of byte 14 although only its bit 0 is shown.
struct ChannelField {
  int column;
  Field field;
};
inline constexpr ChannelField kChannelRecordFields[] = {
    {kColRxFreq, {.name = "RxFreq", .offset = 0, .width = 32}},
    {kColTxFreq, {.name = "TxFreq", .offset = 4, .width = 32}},
    {kColRxTone, {.name = "RxTone", .offset = 8, .width = 16}},
    {kColTxTone, {.name = "TxTone", .offset = 10, .width = 16}},
    {kColSigCode,
     {.name = "SigCode", .offset = 12, .width = 4, .kind = FieldKind::List, .choices = kSigCodeChoices,
      .beyond = Beyond::NoEntry}},
    {kColPower,
     {.name = "Power", .offset = 14, .width = 1, .kind = FieldKind::List, .choices = kPowerChoices, .storeWidth = 4}},
    {kColPttId, {.name = "PttId", .offset = 15, .width = 2, .kind = FieldKind::List, .choices = kPttIdChoices}},
    {kColScanAdd,
     {.name = "ScanAdd", .offset = 15, .shift = 2, .width = 1, .kind = FieldKind::List, .choices = kOffOnChoices}},
    {kColBusyLock,
     {.name = "BusyLock", .offset = 15, .shift = 3, .width = 1, .kind = FieldKind::List, .choices = kOffOnChoices}},
    {kColWidth,
     {.name = "Width", .offset = 15, .shift = 6, .width = 1, .kind = FieldKind::List, .choices = kWidthChoices}},
};

// The record field shown in grid column `col` (one of the table's columns).
constexpr const Field& ChannelFieldOf(int col) {
  for (const ChannelField& f : kChannelRecordFields)
    if (f.column == col) return f.field;
  throw "no record field for this column";
}

// Record bytes.
inline constexpr int kRxFreqByte = ChannelFieldOf(kColRxFreq).offset;
inline constexpr int kTxFreqByte = ChannelFieldOf(kColTxFreq).offset;
inline constexpr int kRxToneLo = ChannelFieldOf(kColRxTone).offset;
inline constexpr int kRxToneHi = kRxToneLo + 1;
inline constexpr int kTxToneLo = ChannelFieldOf(kColTxTone).offset;
inline constexpr int kTxToneHi = kTxToneLo + 1;
inline constexpr int kSigCodeByte = ChannelFieldOf(kColSigCode).offset;
inline constexpr int kPowerByte = ChannelFieldOf(kColPower).offset;
inline constexpr int kFlagsByte = ChannelFieldOf(kColPttId).offset;
inline constexpr int kNameLength = 6;

// Everything the editing rules work on: the shared state (image, band limits,
// tone list, language), the grid's texts and the message boxes.
struct ChannelEditContext {
  ProgramState& state;
  ChannelGrid& grid;
  MessageSink& messages;
};

// Image rows of channel n (1..128).
int RecordRow(int channel);
int NameRow(int channel);

// A cell of a channel or name row as a byte.  A hand-made file can leave any
// 16-bit value in a cell; only its low eight bits mean anything to the radio.
int ByteAt(const MemoryImage& image, int row, int col);

// The channels the grid shows: ChannelTotal, kept within 0..128.
int ShownChannelCount(const ProgramState& state);

// Cells (n,1)..(n,12) from the record and name block.  An empty channel is
// made wholly empty (record and name block all 0xFF) on the way.
void ShowChannel(ChannelEditContext& ctx, int channel);
// Cells (n,1)..(n,11) from the record; called by ShowChannel.
void DecodeChannel(ChannelEditContext& ctx, int channel);
// Defaults of a channel that receives its first frequency: both tones off,
// signalling code 1, high power, PTT-ID off, scan add on, wide, no name.
// Bytes 0-7 and cells 0-3 are left to the caller.
void NewChannelDefaults(ChannelEditContext& ctx, int channel);
// Record and name block to 0xFF; cells 1 and 4-12 blank (0, 2, 3 kept).
void EraseChannel(ChannelEditContext& ctx, int channel);
// As EraseChannel, but blanks cells 2-12 and keeps the band cell.
void EraseChannelData(ChannelEditContext& ctx, int channel);

// The texts of a list column's choices, in list order; empty for a column
// without a record list.
std::vector<std::string> ChannelChoiceTexts(int col);
// Stores the choice at list position `position` of column `col` into the
// record of `channel`; a column without a record list, or a position
// without an entry, stores nothing.
void StoreChannelChoice(MemoryImage& image, int channel, int col, int position);

// Text of a tone code in the receive (DCS with the list's blanks) or the
// transmit (DCS trimmed) column.  Codes without a meaning give "".
std::string ToneCodeText(const ProgramState& state, int lo, int hi, bool trimDcs);
// The two bytes (lo, hi) of a CTCSS tone of `hz` hertz.  The tone is taken
// to the nearest tenth of a hertz first, so the low byte is always 0..255.
std::pair<int, int> CtcssToneBytes(double hz);

// Writes a CTCSS tone given as text ("FF" = off: 0xFF 0xFF) into the two
// bytes from `col` of image row `row`.  A value not within 0 < v < 255
// writes nothing.
void Sub_InPut(MemoryImage& image, std::string_view text, int row, int col);
// A one-character text, or "" for a blank.
std::string StripBlanks(std::string_view text);
// Two capital hexadecimal digits and a blank: 0xAB -> "AB ".
std::string Cov_i2b(int value);

// An older decoding of six name values for a grid column the window no
// longer has: 0-9 as digits, 17-37 as A to U, 48-250 as that character,
// 251 / 253 as a leading "+" / "-"; a first value of 255 is no name.
std::string DecodeNameReplyOld(const std::array<int, 6>& values);
// Walks name-area replies (row k of `replies` = the k-th 64-byte reply, the
// 0x58 in column 1 and the address in columns 2-3, four names per reply) and
// gives (channel, name text) for every channel up to `channelTotal`.
std::vector<std::pair<int, std::string>> WalkNameRepliesOld(const ReplyTable& replies, int firstRow, int lastRow,
                                                            int channelTotal);

}  // namespace brel::chann
