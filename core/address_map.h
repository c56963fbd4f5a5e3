// Where each area of the radio's memory lies, as image rows and addresses.
// Codecs address the image through these names rather than row arithmetic.
#pragma once

namespace brel::addr {

constexpr int RowOf(int address) { return address / 16; }
constexpr int ColOf(int address) { return address % 16; }

// Channel records: channel n (1..128) at 0x0000 + 16*(n-1).
constexpr int kChannelCount = 128;
constexpr int kChannelRecordBase = 0x0000;
constexpr int ChannelRecordRow(int channel) { return RowOf(kChannelRecordBase) + channel - 1; }
// Channel names: channel n at 0x1000 + 16*(n-1).
constexpr int kChannelNameBase = 0x1000;
constexpr int ChannelNameRow(int channel) { return RowOf(kChannelNameBase) + channel - 1; }
constexpr int kFirstChannelRecordRow = ChannelRecordRow(1);   // 0
constexpr int kLastChannelRecordRow = ChannelRecordRow(128);  // 127
constexpr int kFirstChannelNameRow = ChannelNameRow(1);       // 256
constexpr int kLastChannelNameRow = ChannelNameRow(128);      // 383
// Within a channel record: receive frequency in bytes 0..3, transmit in 4..7.
constexpr int kRxFreqCol = 0;
constexpr int kTxFreqCol = 4;

// DTMF area 0x0B00..0x0CEF and the alignment editor's fixed block at 0x0CF0.
constexpr int kDtmfFirstRow = RowOf(0x0B00);    // 176
constexpr int kDtmfLastRow = RowOf(0x0CEF);     // 206
constexpr int kAlignFixedRow = RowOf(0x0CF0);   // 207

// The option editor's own exchange: radio 0x0E00 on (rows 224..244).
constexpr int kOptionAreaAddress = 0x0E00;

// Option block 0x0E20..0x0E5F (64 bytes, rows 226..229).
constexpr int kOptionBlockAddress = 0x0E20;
constexpr int kOptionBlockFirstRow = RowOf(kOptionBlockAddress);  // 226
constexpr int kOptionBlockSize = 64;
constexpr int kWorkModeAddress = 0x0E4C;  // option position 44
constexpr int kOptionBlockLastRow = RowOf(kOptionBlockAddress + kOptionBlockSize - 1);  // 229

// Current-channel row 0x0E70: byte 6 display A, byte 7 display B.
constexpr int kChannelStateRow = RowOf(0x0E70);  // 231
constexpr int kCurrentChannelACol = 6;
constexpr int kCurrentChannelBCol = 7;
constexpr int kCurrentChannelAAddress = 0x0E76;
constexpr int kCurrentChannelBAddress = 0x0E77;
// The one other byte of the row the write repairs.
constexpr int kChannelStateClearedAddress = 0x0E71;

// VFO records, 32 bytes each.
constexpr int kVfoAAddress = 0x0F00;
constexpr int kVfoBAddress = 0x0F20;
constexpr int kVfoARow = RowOf(kVfoAAddress);  // 240
constexpr int kVfoBRow = RowOf(kVfoBAddress);  // 242
constexpr int kVfoRecordSize = 32;

// The older option editors' exchange: five 64-byte blocks read from 0x0E20
// (the block at 0x0EA0 is not kept); eleven stage rows written, rows 4..9 to
// fixed addresses (rows 4 and 5 parked where row 6 lands right after them),
// the others to 0x0E20 + 16 * row.
constexpr int kLegacyOptionBase = 0x0E20;
constexpr int kLegacyOptionReadBlocks = 5;
constexpr int kLegacyOptionSkippedBlock = 2;  // 0x0EA0..0x0EDF
constexpr int kLegacyOptionWriteRows = 11;    // rows 0..10
constexpr int LegacyOptionRowAddress(int row) {
  return row == 4 || row == 5 ? kVfoAAddress
         : row >= 6 && row <= 9 ? kVfoAAddress + 16 * (row - 6)
                                : kLegacyOptionBase + 16 * row;
}

// FM band labels, 14 characters each.
constexpr int kFmLabel1Address = 0x0F40;
constexpr int kFmLabel2Address = 0x0F50;
constexpr int kFmLabel1Row = RowOf(kFmLabel1Address);  // 244
constexpr int kFmLabel2Row = RowOf(kFmLabel2Address);  // 245
constexpr int kFmLabelLength = 14;

// Fields of the DTMF area.  A code is five digit-code bytes, first character
// at the lowest address; encode group i+1 (i = 0..14) owns the whole row
// DTMF_GROUP + 16*i, its code in bytes 0..4.
constexpr int DTMF_GROUP = 0x0B00;
constexpr int kDtmfGroupCount = 15;
constexpr int DtmfGroupAddress(int i) { return DTMF_GROUP + 16 * i; }
constexpr int kDtmfCodeLength = 5;
constexpr int DTMF_INSPECT = 0x0C80;
constexpr int DTMF_MONITOR = 0x0C85;
constexpr int DTMF_ALARM = 0x0C8A;
constexpr int DTMF_STATE = 0x0C8F;         // bit 0 receive disabled, bit 1 transmit disabled
constexpr int DTMF_STUN = 0x0C90;
constexpr int DTMF_KILL = 0x0C95;
constexpr int DTMF_REVIVE = 0x0C9A;
constexpr int DTMF_CTRL_EN = 0x0C9F;       // 0 off, any other value on
constexpr int DTMF_MASTER_ID = 0x0CA0;
constexpr int DTMF_VICE_ID = 0x0CA5;
constexpr int DTMF_ANI = 0x0CAA;
constexpr int DTMF_PTT_ID = 0x0CAF;        // bit 0 on press, bit 1 on release
constexpr int DTMF_MASTER_RIGHTS = 0x0CB0; // bits 0..4: inspection, monitor, stun, kill, revive
constexpr int DTMF_VICE_RIGHTS = 0x0CB1;
constexpr int DTMF_ON_TIME = 0x0CB2;       // list index: 50 + 10 * index ms
constexpr int DTMF_OFF_TIME = 0x0CB3;
constexpr int DTMF_GROUP_CALL = 0x0CB4;    // one digit code

// DTMF defaults erase the DTMF rows together with the fixed block after them.
constexpr int kDtmfEraseFirstAddress = 0x0B00;
constexpr int kDtmfEraseLastAddress = 0x0CFF;

// Rows every reachable window uses (0x0000..0x1EFF); start-up erases them.
constexpr int kFirstImageRowInUse = 0;
constexpr int kLastImageRowInUse = RowOf(0x1EFF);  // 495

// Whole-memory read range 0x0000..0x17FF.
constexpr int kReadFirstAddress = 0x0000;
constexpr int kReadLastAddress = 0x17FF;
constexpr int kReadFirstRow = RowOf(kReadFirstAddress);
constexpr int kReadLastRow = RowOf(kReadLastAddress);  // 383

// Whole-memory write: these ranges, one 16-byte row a frame.  The gaps are
// left as the radio holds them (the alignment editor's fixed block among
// them).
struct AddressRange {
  int first;
  int last;
};
inline constexpr AddressRange kWholeWriteRanges[] = {
    {0x0000, 0x080F}, {0x0A00, 0x0CEF}, {0x0E00, 0x0E8F}, {0x0F00, 0x0F6F}, {0x1000, 0x180F}};

// Parameter file of the memory image: rows 0..480 (0x0000..0x1E0F).
constexpr int kImageFileFirstRow = 0;
constexpr int kImageFileLastRow = 480;
constexpr int kImageFileValueCount = (kImageFileLastRow - kImageFileFirstRow + 1) * 16;  // 7696

// Areas outside the image (alignment, five-tone, two-tone, FM).
constexpr int kAlignAreaFirst = 0x1EC0;
constexpr int kAlignAreaLast = 0x1FFF;
constexpr int kPasswordBlock = 0x1FF0;
constexpr int kFiveToneFirst = 0x2000;
constexpr int kFiveToneLast = 0x28FF;
constexpr int kTwoToneFirst = 0x2D00;
constexpr int kTwoToneLast = 0x2FFF;
constexpr int kFmPresetFirst = 0x3000;
constexpr int kFmPresetLast = 0x30FF;
constexpr int kFmLimitsFirst = 0x3F80;
constexpr int kFmLimitsLast = 0x3F8F;

// Where each line of the alignment image lies in the radio: lines 0..12 and
// 15 follow 0x1F00, the power-on text (13) and factory line (14) sit below.
constexpr int kAdjPowerOnTextLine = 13;
constexpr int kAdjFactoryInfoLine = 14;
constexpr int kAdjPasswordLine = 15;
constexpr int AdjLineAddress(int line) {
  return line == kAdjPowerOnTextLine   ? 0x1EE0
         : line == kAdjFactoryInfoLine ? 0x1ED0
                                       : 0x1F00 + 16 * line;
}

}  // namespace brel::addr
