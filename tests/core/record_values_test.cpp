#include <gtest/gtest.h>

#include "band_limit.h"
#include "bits.h"
#include "channel_total.h"

namespace brel {
namespace {

TEST(Bits, NibblesAndFieldsKeepTheOtherBits) {
  EXPECT_EQ(HighNibble(0x1A), 1);
  EXPECT_EQ(LowNibble(0x1A), 10);
  EXPECT_EQ(HighNibble(0x3FF), 15);  // bits above the byte take no part
  EXPECT_EQ(WithLowNibble(0x20, 14), 0x2E);
  EXPECT_EQ(WithHighNibble(0x0E, 1), 0x1E);
  EXPECT_EQ(WithHighNibble(0x53, 2), 0x23);
  EXPECT_EQ(WithLowNibble(0x20, 0x1F), 0x2F);  // a value wider than the nibble is cut
  EXPECT_EQ(BitsOf(0x44, 6, 1), 1);
  EXPECT_EQ(BitsOf(0x44, 0, 2), 0);
  EXPECT_EQ(WithBits(0x80, 4, 1, 1), 0x90);
  EXPECT_EQ(WithBits(0x1F, 3, 1, 0), 0x17);
  EXPECT_EQ(WithBits(0x1234, 0, 16, 0xABCD), 0xABCD);
}

TEST(BandLimit, BytesBothWays) {
  struct Case {
    int mhz;
    BandLimitBytes bytes;
  } cases[] = {
      {174, {0x01, 0x74}}, {400, {0x04, 0x00}}, {470, {0x04, 0x70}}, {99, {0x00, 0x99}},
      {0, {0x00, 0x00}},   {999, {0x09, 0x99}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToBandLimitBytes(c.mhz), c.bytes) << c.mhz;
    EXPECT_EQ(BandLimitValue(c.bytes.hundreds, c.bytes.tensUnits), c.mhz);
  }
  EXPECT_EQ(ToBandLimitBytes(-1), std::nullopt);
  EXPECT_EQ(ToBandLimitBytes(1000), std::nullopt);
  EXPECT_EQ(BandLimitValue(0x01, 0x7A), -1);
  EXPECT_EQ(BandLimitValue(0x01, 0xA0), -1);
  EXPECT_EQ(BandLimitValue(0x0A, 0x00), -1);
}

TEST(ChannelTotal, AcceptsOneTo128ReadExactly) {
  struct Case {
    const char* text;
    std::optional<int> total;
  } cases[] = {
      {"1", 1},         {"128", 128},   {"64abc", 64},  {"1.5", 2},          {"2.5", 2},
      {"127.5", 128},   {"12.5", 12},   {" 5 0", 50},   {"1.28e2", 128},     {"0.9", std::nullopt},
      {"128.4", std::nullopt}, {"128.0000000000000000001", std::nullopt},   {"0", std::nullopt},
      {"129", std::nullopt},   {"", std::nullopt}, {"abc", std::nullopt},    {"-5", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AcceptChannelTotal(c.text), c.total) << c.text;
    EXPECT_EQ(ChannelTotalInRange(c.text), c.total.has_value()) << c.text;
  }
  EXPECT_EQ(ChannelTotalText(128), "128");
  EXPECT_EQ(ChannelTotalText(0), "0");
  EXPECT_EQ(ChannelTotalText(250), "200");
  EXPECT_EQ(ChannelTotalText(0x1FF), "200");
}

}  // namespace
}  // namespace brel
