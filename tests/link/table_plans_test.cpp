// Frames and staged reads over the staging tables as well as MemImage: the
// same cut of a cell that is not a byte, and a read's row map.
#include <vector>

#include <gtest/gtest.h>

#include "link_engine.h"
#include "mem_image.h"
#include "transfer.h"

namespace brel::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sent(const FrameData& d) { return Bytes(d.bytes.begin(), d.bytes.begin() + d.length); }

template <class Table>
FrameData RowWith(Table& table, int row, const std::vector<std::int16_t>& cells) {
  for (std::size_t c = 0; c < cells.size(); ++c) table.at(row, static_cast<int>(c)) = cells[c];
  return FrameData::Row(0x3010, table, row);
}

TEST(TablePlans, EveryTableSendsARowAsTheLowEightBitsOfItsFirstSixteenCells) {
  // Bytes, then cells that are not: negative, 256 and above, the extremes.
  const std::vector<std::int16_t> cells{0, 1, 0x7F, 0x80, 0xFF, -1, -2, 256, 0x1AB, 300, -32768, 32767, 0x100, 0x5A, 0xA5, -256};
  const Bytes expected{0x00, 0x01, 0x7F, 0x80, 0xFF, 0xFF, 0xFE, 0x00, 0xAB, 0x2C, 0x00, 0xFF, 0x00, 0x5A, 0xA5, 0x00};

  MemoryImage image;
  FmStageTable fm;
  OptionStageTable options;
  FiveToneStageTable fiveTone;
  for (int c = 16; c < FmStageTable::kCols; ++c) fm.at(16, c) = 0x33;  // beyond the frame: never sent
  for (const FrameData& d : {RowWith(image, 300, cells), RowWith(fm, 16, cells), RowWith(options, 10, cells),
                             RowWith(fiveTone, 143, cells)}) {
    EXPECT_EQ(d.address, 0x3010);
    EXPECT_EQ(Sent(d), expected);
  }
}

TEST(TablePlans, AReadIntoAStageTableFollowsItsRowMapOnlyOnceComplete) {
  // One block, four lines: line 0 into row 3, line 1 dropped, line 2 into
  // row 0, line 3 past the end of the map.
  FmStageTable table;
  const FmStageTable before = table;
  TableAreaReadPlan<FmStageTable> plan(table, 0x0E20, 1, {3, kDroppedLine, 0});
  EXPECT_EQ(plan.blockCount(), 1);
  EXPECT_EQ(plan.block(0), (Block{0x0E20, 64}));

  Bytes payload(64);
  for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i);
  plan.begin();
  plan.onBlock(0, payload);
  EXPECT_EQ(table, before);  // staged, not yet committed
  plan.complete();
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(table.at(3, c), c) << c;
    EXPECT_EQ(table.at(0, c), 32 + c) << c;
    for (int r : {1, 2, 4, 16}) EXPECT_EQ(table.at(r, c), 0xFF) << r << "," << c;
  }
  for (int r = 0; r < FmStageTable::kRows; ++r)
    for (int c = 16; c < FmStageTable::kCols; ++c) EXPECT_EQ(table.at(r, c), 0) << r << "," << c;

  // A later attempt starts from zeros: what a short reply left out is 0.
  plan.begin();
  plan.onBlock(0, Bytes(8, 0x77));
  plan.complete();
  for (int c = 0; c < 16; ++c) EXPECT_EQ(table.at(3, c), c < 8 ? 0x77 : 0) << c;
}

}  // namespace
}  // namespace brel::link
