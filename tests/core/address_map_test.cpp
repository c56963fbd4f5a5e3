#include "address_map.h"

#include <gtest/gtest.h>

#include "mem_image.h"

namespace brel {
namespace {

TEST(AddressMap, AddressesAndCellsNameTheSameByte) {
  struct Case {
    int address, row, col;
  } cases[] = {
      {0x0E76, 231, 6}, {0x1000, 256, 0}, {0x1EFF, 495, 15}, {0x0000, 0, 0}, {0x0CF0, 207, 0}, {0x0E4C, 228, 12},
  };
  MemoryImage image;
  for (const auto& c : cases) {
    EXPECT_EQ(addr::RowOf(c.address), c.row);
    EXPECT_EQ(addr::ColOf(c.address), c.col);
    image.byte(c.address) = 0x42;
    EXPECT_EQ(image.at(c.row, c.col), 0x42) << c.address;
  }
  EXPECT_THROW(image.at(601, 0), std::out_of_range);
  EXPECT_THROW(image.at(0, 51), std::out_of_range);
  EXPECT_THROW(image.at(-1, 0), std::out_of_range);
}

TEST(AddressMap, AreasLieWhereTheRadioKeepsThem) {
  EXPECT_EQ(addr::ChannelRecordRow(1), 0);
  EXPECT_EQ(addr::ChannelRecordRow(128), 127);
  EXPECT_EQ(addr::ChannelNameRow(1), 256);
  EXPECT_EQ(addr::ChannelNameRow(128), 383);
  EXPECT_EQ(addr::kDtmfFirstRow, 176);
  EXPECT_EQ(addr::kDtmfLastRow, 206);
  // The fixed block after the DTMF area belongs to neither it nor any layout,
  // but the DTMF defaults erase it with the DTMF rows.
  EXPECT_EQ(addr::kAlignFixedRow, addr::kDtmfLastRow + 1);
  EXPECT_EQ(addr::RowOf(addr::kDtmfEraseLastAddress), addr::kAlignFixedRow);
  EXPECT_EQ(addr::kOptionBlockFirstRow, 226);
  EXPECT_EQ(addr::kOptionBlockLastRow, 229);
  EXPECT_EQ(addr::RowOf(addr::kCurrentChannelAAddress), addr::kChannelStateRow);
  EXPECT_EQ(addr::ColOf(addr::kCurrentChannelAAddress), addr::kCurrentChannelACol);
  EXPECT_EQ(addr::ColOf(addr::kCurrentChannelBAddress), addr::kCurrentChannelBCol);
  EXPECT_EQ(addr::kVfoARow, 240);
  EXPECT_EQ(addr::kVfoBRow, 242);
  EXPECT_EQ(addr::kFmLabel1Row, 244);
  EXPECT_EQ(addr::kFmLabel2Row, 245);
  EXPECT_EQ(addr::kLastImageRowInUse, 495);
  EXPECT_EQ(addr::kImageFileValueCount, 7696);
  EXPECT_EQ(addr::AdjLineAddress(0), 0x1F00);
  EXPECT_EQ(addr::AdjLineAddress(12), 0x1FC0);
  EXPECT_EQ(addr::AdjLineAddress(13), 0x1EE0);
  EXPECT_EQ(addr::AdjLineAddress(14), 0x1ED0);
  EXPECT_EQ(addr::AdjLineAddress(15), addr::kPasswordBlock);
}

}  // namespace
}  // namespace brel
