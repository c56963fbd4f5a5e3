#include "adj_plans.h"

#include <gtest/gtest.h>

#include "radio_model.h"

namespace brel::adj {
namespace {

TEST(AdjPlans, AReadFillsRowsZeroToNineteenWithTheLowLinesOverThirteenAndFourteen) {
  std::array<std::uint8_t, kAdjReadBytes> staged{};
  // Byte j of block b is b * 64 + j, modulo 256: each row is recognisable.
  for (int i = 0; i < kAdjReadBytes; ++i) staged[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  AdjTable image;
  image.at(20, 0) = 7;
  StoreReadBlocks(image, staged);
  for (int r = 0; r < 20; ++r) {
    const int source = r == 13 ? 18 : r == 14 ? 17 : r;
    for (int c = 0; c < 16; ++c) ASSERT_EQ(image.at(r, c), (source * 16 + c) & 0xFF) << r << "," << c;
  }
  EXPECT_EQ(image.at(20, 0), 7);
}

TEST(AdjPlans, AWriteSendsTheFixedLineThenEveryRowAtItsAddress) {
  AdjTable image;
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 16; ++c) image.at(r, c) = static_cast<std::int16_t>(r * 10 + c);
  const AdjLine fixed = AdjWriteLine(0, image);
  EXPECT_EQ(fixed.address, 0x0CF0);
  for (int j = 0; j < 12; ++j) EXPECT_EQ(fixed.data[static_cast<std::size_t>(j)], link::kAlignFixedBlock[static_cast<std::size_t>(j)]);
  for (int j = 12; j < 16; ++j) EXPECT_EQ(fixed.data[static_cast<std::size_t>(j)], 0);

  const int addresses[16] = {0x1F00, 0x1F10, 0x1F20, 0x1F30, 0x1F40, 0x1F50, 0x1F60, 0x1F70,
                             0x1F80, 0x1F90, 0x1FA0, 0x1FB0, 0x1FC0, 0x1EE0, 0x1ED0, 0x1FF0};
  for (int row = 0; row < 16; ++row) {
    const AdjLine line = AdjWriteLine(row + 1, image);
    EXPECT_EQ(line.address, addresses[row]);
    EXPECT_EQ(line.data[15], row * 10 + 15);
  }
}

TEST(AdjPlans, Progress) {
  EXPECT_EQ((std::array{ReadPercent(0), ReadPercent(1), ReadPercent(2), ReadPercent(3)}),
            (std::array{50, 66, 83, 100}));
  EXPECT_EQ(ReadBlockShown(3), 6);
  EXPECT_EQ(WritePercent(0), 6);
  EXPECT_EQ(WritePercent(15), 100);
}

}  // namespace
}  // namespace brel::adj
