#include "default_contents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "address_map.h"

namespace brel {
namespace {

// The image as the start-up leaves it: rows in use erased, then the defaults.
class StartupImage : public ::testing::Test {
 protected:
  void SetUp() override {
    state.MemImage.fill(addr::kFirstImageRowInUse, addr::kLastImageRowInUse, 0, 15, 0xFF);
    InitOptionIndices(state);
    LoadOptionDefaults(state);
    LoadDtmfDefaults(state.MemImage);
  }
  std::vector<int> Bytes(int first, int count) const {
    std::vector<int> out;
    for (int a = first; a < first + count; ++a) out.push_back(state.MemImage.byte(a));
    return out;
  }
  ProgramState state;
};

TEST_F(StartupImage, ChannelsAndNamesAreErased) {
  for (int ch = 1; ch <= addr::kChannelCount; ++ch) {
    for (int col = 0; col < 16; ++col) {
      ASSERT_EQ(state.MemImage.at(addr::ChannelRecordRow(ch), col), 0xFF) << ch;
      ASSERT_EQ(state.MemImage.at(addr::ChannelNameRow(ch), col), 0xFF) << ch;
    }
  }
}

TEST_F(StartupImage, OptionBlockHoldsTheDefaultsThroughTheIndexTable) {
  for (int k = 0; k <= 56; ++k) EXPECT_EQ(state.OptionIndex[static_cast<std::size_t>(k)], k);
  for (int k = 57; k <= 63; ++k) EXPECT_EQ(state.OptionIndex[static_cast<std::size_t>(k)], 0);
  EXPECT_EQ(state.MemImage.byte(0x0E4E), 128);  // channel total
  EXPECT_EQ(state.MemImage.byte(0x0E49), 127);  // priority channel
  EXPECT_EQ(state.MemImage.byte(addr::kWorkModeAddress), 1);
  EXPECT_EQ(Bytes(0x0E20, 10), (std::vector<int>{3, 0, 0, 3, 0, 0, 5, 0, 1, 3}));
  EXPECT_EQ(Bytes(0x0E2F, 10), (std::vector<int>{0, 3, 0, 0, 0, 5, 2, 2, 0, 0}));
  EXPECT_EQ(Bytes(0x0E3D, 8), (std::vector<int>{3, 1, 2, 1, 0, 1, 1, 5}));
  EXPECT_EQ(Bytes(0x0E4A, 15), (std::vector<int>{31, 0, 1, 0, 128, 6, 0, 2, 4, 1, 7, 4, 0, 4, 112}));
  EXPECT_EQ(Bytes(0x0E59, 7), std::vector<int>(7, 0));  // no default: the working copy's 0
  for (int i = 0; i < 64; ++i)
    EXPECT_EQ(state.MemImage.byte(addr::kOptionBlockAddress + i), state.OptionSettings[static_cast<std::size_t>(i)]);
}

TEST_F(StartupImage, VfoRecordsAndFmLabels) {
  // Display A at 0x0F00: 136.02500 MHz, tones 0 0 (off); display B: 470.62500, tones FF (off).
  EXPECT_EQ(Bytes(0x0F00, 8), std::vector<int>(8, 0xFF));  // never written
  EXPECT_EQ(Bytes(0x0F08, 24), (std::vector<int>{1, 3, 6, 0, 2, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                 0, 0, 0, 0xFF, 0, 0, 0x50, 0}));
  EXPECT_EQ(Bytes(0x0F20, 8), std::vector<int>(8, 0xFF));
  EXPECT_EQ(Bytes(0x0F28, 24), (std::vector<int>{4, 7, 0, 6, 2, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF,
                                                 0xFF, 0xFF, 1, 0xFF, 0, 0, 0x50, 0}));
  std::string label1, label2;
  for (int c = 0; c < 14; ++c) {
    label1.push_back(static_cast<char>(state.MemImage.at(addr::kFmLabel1Row, c)));
    label2.push_back(static_cast<char>(state.MemImage.at(addr::kFmLabel2Row, c)));
  }
  EXPECT_EQ(label1, "   FM   65-75M");
  EXPECT_EQ(label2, "   FM  76-108M");
  EXPECT_EQ(Bytes(0x0F4E, 2), (std::vector<int>{0xFF, 0xFF}));
  EXPECT_EQ(Bytes(0x0F5E, 2), (std::vector<int>{0xFF, 0xFF}));
}

TEST_F(StartupImage, DtmfAreaHoldsItsDefaultsAndNothingElse) {
  const std::vector<std::pair<int, std::vector<int>>> set = {
      {0x0B00, {2, 0, 2, 0, 2}}, {0x0BE0, {3, 0, 3, 0, 3}}, {0x0C80, {2, 2, 2}}, {0x0C85, {3, 3, 3}},
      {0x0C8A, {1, 1, 9}},       {0x0C8F, {0}},             {0x0C90, {5, 5, 5}}, {0x0C95, {6, 6, 6}},
      {0x0C9A, {7, 7, 7}},       {0x0C9F, {1}},             {0x0CA0, {6, 0, 6, 0, 6, 7, 0, 7, 0, 7, 8, 0, 8, 0, 8, 2}},
      {0x0CB0, {0x1F, 3, 3, 3, 11}},
  };
  std::vector<int> expected(0x0D00 - 0x0B00, 0xFF);
  for (const auto& [address, bytes] : set)
    for (std::size_t i = 0; i < bytes.size(); ++i) expected[static_cast<std::size_t>(address - 0x0B00) + i] = bytes[i];
  EXPECT_EQ(Bytes(0x0B00, 0x0D00 - 0x0B00), expected);
}

TEST_F(StartupImage, DefaultButtonsOverwriteOnlyTheirOwnArea) {
  MemoryImage& image = state.MemImage;
  // A read fills the image with other values.
  for (int r = 0; r <= addr::kLastImageRowInUse; ++r)
    for (int c = 0; c < 16; ++c) image.at(r, c) = 0x5A;
  MemoryImage afterRead = image;

  LoadDtmfDefaults(image);
  for (int a = 0x0CF0; a <= 0x0CFF; ++a) EXPECT_EQ(image.byte(a), 0xFF) << a;  // the fixed block too
  EXPECT_EQ(image.byte(0x0CB4), 11);
  for (int r = 0; r <= addr::kLastImageRowInUse; ++r) {
    if (r >= addr::kDtmfFirstRow && r <= addr::kAlignFixedRow) continue;
    for (int c = 0; c < 16; ++c) ASSERT_EQ(image.at(r, c), afterRead.at(r, c)) << r;
  }

  afterRead = image;
  LoadOptionDefaults(state);
  // Positions 57..63 come from the working copy, whatever the read put there.
  EXPECT_EQ(Bytes(0x0E59, 7), std::vector<int>(7, 0));
  // Unwritten VFO bytes keep what the read put there.
  EXPECT_EQ(image.byte(0x0F1B), 0x5A);
  EXPECT_EQ(image.byte(0x0F3B), 0x5A);
  EXPECT_EQ(image.byte(0x0F00), 0x5A);
  EXPECT_EQ(image.byte(0x0F4E), 0x5A);
  for (int r = 0; r <= addr::kLastImageRowInUse; ++r) {
    if ((r >= addr::kOptionBlockFirstRow && r <= addr::kOptionBlockLastRow) ||
        (r >= addr::kVfoARow && r <= addr::kFmLabel2Row))
      continue;
    for (int c = 0; c < 16; ++c) ASSERT_EQ(image.at(r, c), afterRead.at(r, c)) << r;
  }
}

}  // namespace
}  // namespace brel
