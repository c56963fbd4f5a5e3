#include "prewrite_checks.h"

#include <gtest/gtest.h>

#include <array>

#include "address_map.h"
#include "frequency_codec.h"

namespace brel {
namespace {

class PrewriteChecks : public ::testing::Test {
 protected:
  void SetUp() override { state.MemImage.fill(0, addr::kLastImageRowInUse, 0, 15, 0xFF); }

  void SetLimits(double aLow, double aHigh, double bLow, double bHigh) {
    state.VfoALower = aLow;
    state.VfoAUpper = aHigh;
    state.VfoBLower = bLow;
    state.VfoBUpper = bHigh;
  }
  void Program(int channel, const char* rx, const char* tx = nullptr) {
    StoreFrequency(state.MemImage, rx, addr::ChannelRecordRow(channel), addr::kRxFreqCol);
    if (tx) StoreFrequency(state.MemImage, tx, addr::ChannelRecordRow(channel), addr::kTxFreqCol);
  }
  void PutBytes(int channel, int col, std::array<int, 4> bytes) {
    for (int i = 0; i < 4; ++i) state.MemImage.at(addr::ChannelRecordRow(channel), col + i) = static_cast<std::int16_t>(bytes[static_cast<std::size_t>(i)]);
  }
  int CurrentA() const { return state.MemImage.byte(addr::kCurrentChannelAAddress); }
  int CurrentB() const { return state.MemImage.byte(addr::kCurrentChannelBAddress); }

  ProgramState state;
};

TEST_F(PrewriteChecks, OutOfBandIsJudgedInWholeMegahertz) {
  SetLimits(136, 174, 400, 480);
  struct Case {
    const char* rx;
    int result;  // for channel 2; channel 1 always holds 145.5
  } cases[] = {
      {"300", 1},       {"480.99", 255}, {"481", 1},   {"174.99", 255}, {"175", 1},
      {"135.99", 1},    {"136", 255},    {"400", 255}, {"399.99", 1},   {"60", 1},
  };
  for (const auto& c : cases) {
    SetUp();
    Program(1, "145.5");
    Program(2, c.rx);
    EXPECT_EQ(FindOutOfBandChannel(state), c.result) << c.rx;
  }
}

TEST_F(PrewriteChecks, BandAAboveBandBIsTestedInAscendingOrder) {
  // VFO A on UHF and VFO B on VHF, as the option editor's band lists leave them.
  SetLimits(400, 480, 136, 175);
  struct Case {
    const char* rx;
    int result;  // for channel 2; channel 1 always holds 145.5
  } cases[] = {{"435", 255}, {"300", 1}, {"175.5", 255}, {"176", 1}, {"481", 1}, {"135", 1}};
  for (const auto& c : cases) {
    SetUp();
    Program(1, "145.5");
    Program(2, c.rx);
    EXPECT_EQ(FindOutOfBandChannel(state), c.result) << c.rx;
  }
}

TEST_F(PrewriteChecks, TransmitFrequencyIsSkippedOnlyWhenAllFourBytesAreErased) {
  SetLimits(136, 174, 400, 480);
  Program(1, "145.5");
  Program(3, "440", "150");
  EXPECT_EQ(FindOutOfBandChannel(state), 255);
  PutBytes(3, addr::kTxFreqCol, {0xFF, 0x00, 0x00, 0x00});  // decodes to 0.00165 MHz
  EXPECT_EQ(FindOutOfBandChannel(state), 2);
  Program(3, "440", "490");
  EXPECT_EQ(FindOutOfBandChannel(state), 2);
  // A receive frequency with one erased byte is still decoded and tested.
  SetUp();
  PutBytes(7, addr::kRxFreqCol, {0x25, 0xFF, 0x55, 0x04});  // 45.66525 MHz
  EXPECT_EQ(FindOutOfBandChannel(state), 6);
}

TEST_F(PrewriteChecks, BeforeAnyLimitsAreKnownEveryPresentFrequencyFails) {
  EXPECT_EQ(FindOutOfBandChannel(state), 255);  // nothing programmed
  Program(5, "145.5");
  EXPECT_EQ(FindOutOfBandChannel(state), 4);
  const MemoryImage before = state.MemImage;
  (void)FindOutOfBandChannel(state);
  EXPECT_EQ(state.MemImage, before);  // the check changes nothing
}

TEST_F(PrewriteChecks, CurrentChannelsPointAtProgrammedChannels) {
  struct Case {
    int storedA, storedB;
    int expectedA, expectedB;
  } cases[] = {
      {200, 3, 3, 3},   // 200 is out of range: 0, and channel index 0 is empty
      {3, 200, 3, 3},
      {5, 3, 5, 3},     // both programmed: kept
      {1, 0, 3, 3},     // empty channels: the first programmed one
      {127, 128, 3, 3},
      {-5, -1, 3, 3},   // a negative value from a file counts as 0
      {0x7FFF, -32768, 3, 3},
  };
  for (const auto& c : cases) {
    SetUp();
    Program(4, "145.5");
    Program(6, "146");
    state.MemImage.byte(addr::kCurrentChannelAAddress) = static_cast<std::int16_t>(c.storedA);
    state.MemImage.byte(addr::kCurrentChannelBAddress) = static_cast<std::int16_t>(c.storedB);
    FixCurrentChannels(state.MemImage);
    EXPECT_EQ(CurrentA(), c.expectedA) << c.storedA;
    EXPECT_EQ(CurrentB(), c.expectedB) << c.storedB;
    EXPECT_EQ(state.MemImage.byte(addr::kWorkModeAddress), 0xFF) << "work mode untouched";
  }
}

TEST_F(PrewriteChecks, ChannelWithAnErasedReceiveByteCountsAsEmpty) {
  PutBytes(1, addr::kRxFreqCol, {0x25, 0xFF, 0x55, 0x14});
  Program(2, "145.5");
  state.MemImage.byte(addr::kCurrentChannelAAddress) = 0;
  state.MemImage.byte(addr::kCurrentChannelBAddress) = 0;
  FixCurrentChannels(state.MemImage);
  EXPECT_EQ(CurrentA(), 1);
  EXPECT_EQ(CurrentB(), 1);
}

TEST_F(PrewriteChecks, NoProgrammedChannelMeansFrequencyModeAndChannelZero) {
  state.MemImage.byte(addr::kCurrentChannelAAddress) = 9;
  state.MemImage.byte(addr::kCurrentChannelBAddress) = 300;
  state.MemImage.byte(addr::kWorkModeAddress) = 1;
  FixCurrentChannels(state.MemImage);
  EXPECT_EQ(CurrentA(), 0);
  EXPECT_EQ(CurrentB(), 0);
  EXPECT_EQ(state.MemImage.byte(addr::kWorkModeAddress), 0);
}

TEST_F(PrewriteChecks, OnlyTheCurrentChannelBytesAndOneClearedByteOfTheRowChange) {
  Program(1, "145.5");
  for (int c = 0; c < 16; ++c) state.MemImage.at(addr::kChannelStateRow, c) = 0x33;
  FixCurrentChannels(state.MemImage);
  for (int c = 0; c < 16; ++c) {
    const int expected = c == 1 ? 0 : (c == addr::kCurrentChannelACol || c == addr::kCurrentChannelBCol) ? 0 : 0x33;
    EXPECT_EQ(state.MemImage.at(addr::kChannelStateRow, c), expected) << c;
  }
}

}  // namespace
}  // namespace brel
