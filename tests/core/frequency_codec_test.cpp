#include "frequency_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <utility>

#include "address_map.h"

namespace brel {
namespace {

std::array<int, 4> StoredBytes(const MemoryImage& image, int row, int col) {
  return {image.at(row, col), image.at(row, col + 1), image.at(row, col + 2), image.at(row, col + 3)};
}

TEST(StoreFrequency, SnapsDownToTheRasterWithTheSmallerRemainder) {
  struct Case {
    const char* typed;
    std::array<int, 4> bytes;  // least significant first, as stored
    const char* normalised;
  } cases[] = {
      // 2.5 kHz point leaves 1.19 kHz, 6.25 kHz point 4.94 kHz.
      {"145.5237", {0x50, 0x22, 0x55, 0x14}, "145.52250"},
      // 6.25 kHz point leaves 0.75 kHz, 2.5 kHz point 2 kHz.
      {"146.007", {0x25, 0x06, 0x60, 0x14}, "146.00625"},
      // Never up to the nearer 145.0125 above.
      {"145.0124", {0x00, 0x10, 0x50, 0x14}, "145.01000"},
      // A value on the raster stays where it is.
      {"145.51875", {0x75, 0x18, 0x55, 0x14}, "145.51875"},
      // Both rasters leave 0.09 kHz: the tie goes to 2.5 kHz (same point here).
      {"470.6251", {0x00, 0x25, 0x06, 0x47}, "470.62500"},
      {"433", {0x00, 0x00, 0x30, 0x43}, "433.00000"},
      {" 1 4 5 . 5 ", {0x00, 0x00, 0x55, 0x14}, "145.50000"},  // blanks skipped anywhere
      {"136.0125", {0x50, 0x12, 0x60, 0x13}, "136.01250"},
      {"520MHz", {0x00, 0x00, 0x00, 0x52}, "520.00000"},  // reading stops at "M"
      {"50", {0x00, 0x00, 0x00, 0x05}, "50.000000"},
  };
  for (const auto& c : cases) {
    MemoryImage image;
    image.fill(0, 0, 0, 15, 0xFF);
    EXPECT_EQ(StoreFrequency(image, c.typed, 0, addr::kTxFreqCol), c.normalised) << c.typed;
    EXPECT_EQ(StoredBytes(image, 0, addr::kTxFreqCol), c.bytes) << c.typed;
    // Only the four bytes of the frequency change.
    for (int col = 0; col < 16; ++col) {
      const bool frequencyByte = col >= addr::kTxFreqCol && col <= addr::kTxFreqCol + 3;
      if (!frequencyByte) {
        EXPECT_EQ(image.at(0, col), 0xFF) << c.typed;
      }
    }
  }
}

TEST(StoreFrequency, EveryRasterPointOfBothBandsSurvivesARoundTrip) {
  // Binary rounding must never push a point that lies on the raster one step
  // down: walk every 2.5 and 6.25 kHz point of both bands.
  MemoryImage image;
  for (double step : {2.5, 6.25}) {
    for (auto [lowKHz, highKHz] : {std::pair{136000.0, 174000.0}, std::pair{400000.0, 520000.0}}) {
      for (double kHz = lowKHz; kHz <= highKHz; kHz += step) {
        char text[32];
        std::snprintf(text, sizeof text, "%.5f", kHz / 1000);
        const std::string stored = StoreFrequency(image, text, 5, 0).value_or("refused");
        ASSERT_EQ(stored, text) << step;
        ASSERT_EQ(BcdToFrequencyText(image.at(5, 0), image.at(5, 1), image.at(5, 2), image.at(5, 3)), text);
      }
    }
  }
}

TEST(StoreFrequency, RefusesWhatEightDigitsCannotHoldAndWritesNothing) {
  // From 1000 MHz up the top digit would wrap ("1500" stored 0 MHz,
  // "1234.5675" the byte C3); below 0 and infinity are no frequency.
  for (const char* typed : {"1500", "1234.5675", "1000", "999.999999", "-5", "-0.01", "1e999", "1e300",
                            "&HFFFFFFFF", "-1e999"}) {
    MemoryImage image;
    image.fill(0, 0, 0, 15, 0x5A);
    const MemoryImage before = image;
    EXPECT_EQ(StoreFrequency(image, typed, 0, addr::kRxFreqCol), std::nullopt) << typed;
    EXPECT_FALSE(CanStoreFrequency(typed)) << typed;
    EXPECT_TRUE(image == before) << typed;
  }
  // The highest point that fits, and the lowest.
  MemoryImage image;
  EXPECT_EQ(StoreFrequency(image, "999.9999", 0, 0), "999.99750");
  EXPECT_EQ(StoredBytes(image, 0, 0), (std::array<int, 4>{0x50, 0x97, 0x99, 0x99}));
  EXPECT_EQ(StoreFrequency(image, "0.001", 0, 0), "0.0000000");
  EXPECT_EQ(StoredBytes(image, 0, 0), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(FrequencyToBcd, GivesTheFourBytesMostSignificantFirst) {
  EXPECT_EQ(FrequencyToBcd("145.52250"), (FreqBcdBytes{0x14, 0x55, 0x22, 0x50}));
  EXPECT_EQ(FrequencyToBcd("433.00000"), (FreqBcdBytes{0x43, 0x30, 0x00, 0x00}));
  EXPECT_EQ(FrequencyToBcd("999.99999"), (FreqBcdBytes{0x99, 0x99, 0x99, 0x99}));
  EXPECT_EQ(FrequencyToBcd("0"), (FreqBcdBytes{0, 0, 0, 0}));
  // Outside the domain the callers keep out: no crash, some bytes.
  (void)FrequencyToBcd("-5");
  (void)FrequencyToBcd("1e300");
}

TEST(BcdToFrequencyText, DecodesLeastSignificantByteFirstAndPads) {
  struct Case {
    int b0, b1, b2, b3;
    const char* text;
  } cases[] = {
      {0x50, 0x22, 0x55, 0x14, "145.52250"},
      {0x25, 0x06, 0x55, 0x14, "145.50625"},
      {0x75, 0x18, 0x55, 0x14, "145.51875"},  // nine characters: unchanged
      {0x00, 0x00, 0x00, 0x05, "50.00000"},   // below 100 MHz: eight characters
      {0x00, 0x00, 0x00, 0x00, "0.000000"},
      {0x00, 0x00, 0x30, 0x43, "433.00000"},
      {0x00, 0x00, 0x00, 0x10, "100.00000"},
      // Nibbles above 9 are taken at their value, not refused.
      {0xFF, 0x00, 0x00, 0x00, "0.001650"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BcdToFrequencyText(c.b0, c.b1, c.b2, c.b3), c.text) << c.text;
}

TEST(FormatVfoFrequency, WholeMegahertzTruncatedAndFractionOnRequest) {
  struct Case {
    const char* text;
    int showFraction;
    const char* result;
  } cases[] = {
      {"145.5", 1, "145.50000"},   {"145.5", 0, "145.00000"},   {"87.5", 1, "87.50000"},
      {"108.00025", 1, "108.00025"}, {"145.625", 1, "145.62500"}, {"145.625", 0, "145.00000"},
      {"108", 0, "108.00000"},     {"145.5", -1, "145.00000"},  {"145.5", 2, "145.00000"},
      {"", 1, "0.00000"},
      // A fraction that rounds up to a whole MHz carries instead of giving six digits.
      {"145.999996", 1, "146.00000"},
      // No finite number, no digits to show.
      {"1e999", 1, ""}, {"-1e999", 1, ""}, {"1e999", 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatVfoFrequency(c.text, c.showFraction), c.result) << c.text << " " << c.showFraction;
}

}  // namespace
}  // namespace brel
