// The program's copy of the radio's programmable memory.
//
// Row r, column c (c = 0..15) holds the radio byte at address r*16 + c.
// The wider shape (601 x 51) is kept because editors that stage their own
// areas use the spare rows and columns.
#pragma once

#include "grid.h"

namespace brel {

class MemoryImage : public CellTable<601, 51> {
 public:
  static constexpr int kBytesPerRow = 16;
  static constexpr int kRowsInUse = 496;  // rows 0..495, radio 0x0000..0x1EFF

  std::int16_t& byte(int address) { return at(address / kBytesPerRow, address % kBytesPerRow); }
  std::int16_t byte(int address) const { return at(address / kBytesPerRow, address % kBytesPerRow); }
};

// Receive table shared by every exchange: one reply per row (201 x 71).
using ReplyTable = CellTable<201, 71>;

// Alignment image and its defaults (33 x 17; lines 0..15, columns 0..15 used).
using AdjTable = CellTable<33, 17>;

// A 16 x 16 table of small values (five-tone standards, group buffer).
using SmallTable = CellTable<16, 16>;

// The FM editor's staging rows (17 x 22): rows 0..15 the presets, row 16 the
// band-limit block; cells 0..15 of each row start erased (0xFF), cells
// 16..21 at 0.
class FmStageTable : public CellTable<17, 22> {
 public:
  FmStageTable() { fill(0, kRows - 1, 0, 15, 0xFF); }
};

// Staging rows of an editor that keeps its area apart from MemImage: row r
// holds the 16 bytes of the area's base + 16*r, all erased (0xFF) at start.
template <int Rows>
class StageRows : public CellTable<Rows, 16> {
 public:
  StageRows() { this->fill(0, Rows - 1, 0, 15, 0xFF); }
};

using TwoToneStageTable = StageRows<48>;    // radio 0x2D00..0x2FFF
using FiveToneStageTable = StageRows<144>;  // radio 0x2000..0x28FF
// The older option editors' stage image: its own row map, not an address run.
using OptionStageTable = StageRows<16>;

}  // namespace brel
