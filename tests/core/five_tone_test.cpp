#include "five_tone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>


namespace brel {
namespace {

TEST(FiveToneStandards, NamesAndIndicesMatchExactlyAfterTrimming) {
  std::string text = " ZVEI2 ";
  EXPECT_EQ(FiveToneStandardIndex(text), 4);
  EXPECT_EQ(text, "ZVEI2");
  text = "zvei2";
  EXPECT_EQ(FiveToneStandardIndex(text), 255);
  text = "";
  EXPECT_EQ(FiveToneStandardIndex(text), 255);
  for (int i = 0; i <= 14; ++i) {
    std::string name = FiveToneStandardName(i);
    ASSERT_FALSE(name.empty()) << i;
    EXPECT_EQ(FiveToneStandardIndex(name), i);
  }
  EXPECT_EQ(FiveToneStandardName(0), "CCIR1");
  EXPECT_EQ(FiveToneStandardName(14), "MODAT");
  EXPECT_EQ(FiveToneStandardName(15), "");
  EXPECT_EQ(FiveToneStandardName(-1), "");
}

TEST(FiveToneStandards, PeriodCodeIsTheLargestWholeNumberBelowThePeriod) {
  EXPECT_EQ(TonePeriodCode(1981), 1163);
  EXPECT_EQ(TonePeriodCode(2400), 959);  // exactly 960 ticks
  EXPECT_EQ(TonePeriodCode(657.5), 3504);
  EXPECT_EQ(TonePeriodCode(979.8), 2351);
  EXPECT_EQ(TonePeriodCode(0), 0);
  // No tone, or one whose period does not fit the code's 16 bits: 0.
  for (double f : {-1.0, -0.0, 0.0009, 1e-300, 35.0, std::nan(""), std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity()})
    EXPECT_EQ(TonePeriodCode(f), 0) << f;
  EXPECT_EQ(TonePeriodCode(35.2), 65454);  // the lowest tones that still fit
  EXPECT_EQ(TonePeriodCode(2304000.0 / 65536), 65535);
  EXPECT_EQ(TonePeriodCode(1e300), 0);     // a period below one tick
}

TEST(FiveToneStandards, TablesHoldTextFrequencyAndPeriodBytes) {
  ProgramState state;
  BuildFiveToneTables(state);
  struct Case {
    int standard, symbol;
    const char* text;
    int freqLo, freqHi, periodLo, periodHi;
  } cases[] = {
      {0, 0, "   1981.0  ", 0xBD, 0x07, 0x8B, 0x04},   // CCIR1 digit 0
      {1, 15, "   1055.0  ", 1055 % 256, 1055 / 256, TonePeriodCode(1055) % 256, TonePeriodCode(1055) / 256},
      {11, 0, "   979.8   ", 0xD3, 0x03, 0x2F, 0x09},  // EURO: 979 Hz, code 2351
      {12, 15, "   0.0     ", 0, 0, 0, 0},             // CCITT has no sixteenth tone
      {14, 0, "   657.5   ", 657 % 256, 657 / 256, 3504 % 256, 3504 / 256},
      {3, 0, "   2400.0  ", 0x60, 0x09, 959 % 256, 959 / 256},
  };
  for (const auto& c : cases) {
    const auto s = static_cast<std::size_t>(c.standard), d = static_cast<std::size_t>(c.symbol);
    EXPECT_EQ(state.ToneFreqText[s][d], c.text) << c.standard << "/" << c.symbol;
    EXPECT_EQ(state.ToneFreqLo.at(c.standard, c.symbol), c.freqLo);
    EXPECT_EQ(state.ToneFreqHi.at(c.standard, c.symbol), c.freqHi);
    EXPECT_EQ(state.TonePeriodLo.at(c.standard, c.symbol), c.periodLo);
    EXPECT_EQ(state.TonePeriodHi.at(c.standard, c.symbol), c.periodHi);
  }
  // Every text is 11 characters; undefined symbols are zero throughout;
  // standard 15 is never filled.
  int undefined = 0;
  for (int s = 0; s <= 14; ++s) {
    for (int d = 0; d < 16; ++d) {
      const std::string& text = state.ToneFreqText[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)];
      EXPECT_EQ(text.size(), 11u) << s << "/" << d;
      if (text == "   0.0     ") {
        ++undefined;
        EXPECT_EQ(state.TonePeriodLo.at(s, d) + state.TonePeriodHi.at(s, d) + state.ToneFreqLo.at(s, d), 0);
      }
    }
  }
  EXPECT_EQ(undefined, 1 + 4 + 1 + 5 + 1 + 5);  // PCCIR, ZVEI3, PDZVEI, EURO, CCITT, MODAT
  for (int d = 0; d < 16; ++d) EXPECT_TRUE(state.ToneFreqText[15][static_cast<std::size_t>(d)].empty());

  const ProgramState first = state;
  BuildFiveToneTables(state);
  EXPECT_EQ(state.ToneFreqText, first.ToneFreqText);
  EXPECT_EQ(state.TonePeriodLo, first.TonePeriodLo);
}

TEST(FiveToneStandards, UnpackingFourRepliesGivesOneGroupInAddressOrder) {
  ProgramState state;
  for (int r = 10; r < 14; ++r)
    for (int c = 0; c < ReplyTable::kCols; ++c)
      state.ReadBuf1.at(r, c) = static_cast<std::int16_t>(c >= 5 && c <= 68 ? ((r - 10) * 64 + c - 5) % 256 : 0x99);
  int row = 10;
  ASSERT_TRUE(UnpackSignalPackets(state, row));
  EXPECT_EQ(row, 13);
  for (int line = 0; line < 16; ++line)
    for (int b = 0; b < 16; ++b) ASSERT_EQ(state.GroupBuf.at(line, b), (16 * line + b) % 256) << line << "," << b;

  row = 197;  // the last four rows of the table
  EXPECT_TRUE(UnpackSignalPackets(state, row));
  EXPECT_EQ(row, 200);
}

TEST(FiveToneStandards, UnpackingBeyondTheReplyTableIsRefusedWithNothingChanged) {
  ProgramState state;
  state.GroupBuf.at(3, 3) = 0x42;
  const SmallTable before = state.GroupBuf;
  for (int start : {198, 200, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::max() - 2,
                    std::numeric_limits<int>::min()}) {
    int row = start;
    EXPECT_FALSE(UnpackSignalPackets(state, row)) << start;
    EXPECT_EQ(row, start);
    EXPECT_EQ(state.GroupBuf, before) << start;
  }
}

}  // namespace
}  // namespace brel
