// What the alignment exchange reads and writes, apart from how it is sent.
//
// Read: five 64-byte blocks, 0x1F00, 0x1F40, 0x1F80, 0x1FC0 and then 0x1EC0,
// into AdjImage rows 0..19; rows 13 and 14 are then replaced by the power-on
// text (row 18) and factory line (row 17), which the radio keeps below
// 0x1F00.  Write: the fixed 0x0CF0 line first, then rows 0..15, each at its
// radio address.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "mem_image.h"

namespace brel::adj {

struct AdjBlock {
  int address;
  int length;
};

inline constexpr std::array<AdjBlock, 5> kAdjReadBlocks{{
    {0x1F00, 64}, {0x1F40, 64}, {0x1F80, 64}, {0x1FC0, 64}, {0x1EC0, 64}}};
inline constexpr int kAdjReadBytes = 5 * 64;

// Takes a completed read (the five blocks' data in request order) into the image.
void StoreReadBlocks(AdjTable& image, std::span<const std::uint8_t, kAdjReadBytes> staged);

inline constexpr int kAlignFixedAddress = 0x0CF0;
inline constexpr int kAdjWriteFrames = 17;  // the fixed line, then rows 0..15

struct AdjLine {
  int address = 0;
  std::array<std::uint8_t, 16> data{};
};
// Frame `index` of a write: 0 the fixed line at 0x0CF0 (its last four bytes
// 0), 1..16 image rows 0..15.
AdjLine AdjWriteLine(int index, const AdjTable& image);

// Progress of a read after block `index` (0..3) is in and the next is asked
// for: the block counter shown (3..6) and the percentage (50, 66, 83, 100).
int ReadBlockShown(int index);
int ReadPercent(int index);
// Progress before image row `row` (0..15) is sent: 6 .. 100.
int WritePercent(int row);

}  // namespace brel::adj
