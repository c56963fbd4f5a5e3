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

// DTMF area 0x0B00..0x0CEF and the alignment editor's fixed block at 0x0CF0.
constexpr int kDtmfFirstRow = RowOf(0x0B00);    // 176
constexpr int kDtmfLastRow = RowOf(0x0CEF);     // 206
constexpr int kAlignFixedRow = RowOf(0x0CF0);   // 207

// Option block 0x0E20..0x0E5F (64 bytes, rows 226..229).
constexpr int kOptionBlockAddress = 0x0E20;
constexpr int kOptionBlockFirstRow = RowOf(kOptionBlockAddress);  // 226
constexpr int kOptionBlockSize = 64;
constexpr int kWorkModeAddress = 0x0E4C;  // option position 44

// Current-channel row 0x0E70: byte 6 display A, byte 7 display B.
constexpr int kChannelStateRow = RowOf(0x0E70);  // 231
constexpr int kCurrentChannelACol = 6;
constexpr int kCurrentChannelBCol = 7;

// VFO records, 32 bytes each.
constexpr int kVfoAAddress = 0x0F00;
constexpr int kVfoBAddress = 0x0F20;
constexpr int kVfoARow = RowOf(kVfoAAddress);  // 240
constexpr int kVfoBRow = RowOf(kVfoBAddress);  // 242

// FM band labels, 14 characters each.
constexpr int kFmLabel1Row = RowOf(0x0F40);  // 244
constexpr int kFmLabel2Row = RowOf(0x0F50);  // 245

// Whole-memory read range 0x0000..0x17FF.
constexpr int kReadFirstRow = 0;
constexpr int kReadLastRow = RowOf(0x17FF);  // 383

// Parameter file of the memory image: rows 0..480.
constexpr int kImageFileLastRow = 480;

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

}  // namespace brel::addr
