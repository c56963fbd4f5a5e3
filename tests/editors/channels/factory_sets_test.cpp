#include <gtest/gtest.h>

#include "channel_fixture.h"
#include "factory_sets.h"

namespace brel::chann::test {
namespace {

using FactorySets = ChannelFixture;

TEST_F(FactorySets, TheDefaultSetWritesSixChannelsAndErasesTheRest) {
  for (int channel = 1; channel <= 128; ++channel) {
    putProgrammed(channel);
    putName(channel, {'N', static_cast<int>('0' + channel % 10)});
  }
  state.ChannelTotal = 20;  // every record is replaced whatever the count
  Chann_para_init_VHF_bf(state.MemImage);

  const Bytes options{0, 0, 0, 0x44};  // bytes 12..15, high power
  const Bytes low{0, 0, 1, 0x44};
  const std::vector<std::pair<int, Bytes>> expected{
      {2, {0x00, 0x00, 0x61, 0x13, 0x00, 0x00, 0x61, 0x13, 0xFF, 0xFF, 0xFF, 0xFF}},
      {3, {0x00, 0x50, 0x39, 0x17, 0x00, 0x50, 0x39, 0x17, 0xFF, 0xFF, 0xFF, 0xFF}},
      {4, {0x00, 0x25, 0x00, 0x40, 0x00, 0x25, 0x00, 0x40, 0xFF, 0xFF, 0xFF, 0xFF}},
      {5, {0x00, 0x50, 0x99, 0x47, 0x00, 0x50, 0x99, 0x47, 0xFF, 0xFF, 0xFF, 0xFF}},
      {6, {0x00, 0x00, 0x65, 0x43, 0x00, 0x00, 0x65, 0x43, 0xC7, 0x09, 0xC7, 0x09}},
      {7, {0x00, 0x00, 0x55, 0x15, 0x00, 0x00, 0x55, 0x15, 210, 0x00, 210, 0x00}},
  };
  for (const auto& [channel, first12] : expected) {
    Bytes whole = first12;
    const Bytes& tail = channel >= 6 ? low : options;
    whole.insert(whole.end(), tail.begin(), tail.end());
    EXPECT_EQ(record(channel), whole) << "channel " << channel;
  }
  EXPECT_EQ(record(1), kAllErased);
  for (int channel = 8; channel <= 128; ++channel) EXPECT_EQ(record(channel), kAllErased) << channel;
  for (int channel = 1; channel <= 128; ++channel) EXPECT_EQ(name(channel, 0, 0), Bytes{'N'}) << channel;
}

TEST_F(FactorySets, TheDefaultSetShowsItsToneChannels) {
  Chann_para_init_VHF_bf(state.MemImage);
  show();
  EXPECT_EQ(cells(6), (std::vector<std::string>{"VHF/UHF ", "436.50000", "436.50000", "250.3", "250.3", "LOW", "W",
                                                "OFF", "OFF", "ON", "1", ""}));
  EXPECT_EQ(grid.cell(7, kColRxTone), " D754I   ");
  EXPECT_EQ(grid.cell(7, kColTxTone), "D754I");
  EXPECT_EQ(grid.cell(7, kColPower), "LOW");
}

TEST_F(FactorySets, TheLargerTableWritesSixteenChannelsOnly) {
  putProgrammed(17);
  putName(1, {'K', 'E', 'E', 'P'});
  Chann_para_init_VHF(state.MemImage);
  EXPECT_EQ(record(1), (Bytes{0x00, 0x25, 0x61, 0x13, 0x00, 0x25, 0x61, 0x13, 0x9E, 0x02, 0x9E, 0x02, 0, 0, 0, 0x44}));
  EXPECT_EQ(record(5, 8, 12), (Bytes{0x01, 0x00, 0x01, 0x00, 0x00}));
  EXPECT_EQ(record(8), (Bytes{0x00, 0x95, 0x49, 0x17, 0x00, 0x95, 0x49, 0x17, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x44}));
  EXPECT_EQ(record(10), (Bytes{0x75, 0x43, 0x00, 0x46, 0x75, 0x43, 0x00, 0x46, 0xE8, 0x03, 0xE8, 0x03, 0x10, 0, 0,
                               0x44}));
  EXPECT_EQ(record(16, 12, 12), Bytes{0x10});
  EXPECT_EQ(record(17, 0, 3), (Bytes{0x50, 0x22, 0x55, 0x14}));
  EXPECT_EQ(name(1, 0, 3), (Bytes{'K', 'E', 'E', 'P'}));
}

}  // namespace
}  // namespace brel::chann::test
