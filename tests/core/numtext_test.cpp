#include "numtext.h"

#include <gtest/gtest.h>

namespace brel {
namespace {

TEST(TextToNumber, SkipsBlanksAndStopsAtFirstForeignCharacter) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"145.5", 145.5},  {" 145.5 MHz", 145.5}, {"1 45.5", 145.5}, {"", 0},
      {"abc", 0},        {"-12.5x", -12.5},     {"1.2.3", 1.2},    {"+7", 7},
      {"&H1F", 31},      {"&O17", 15},          {"1e2", 100},      {"3e", 3},
      {"\t8\n8", 88},    {".5", 0.5},           {"-", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.value) << c.text;
}

TEST(NumberToText, PlainDecimalWithLeadingBlankForNonNegative) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {136, " 136"},           {145.5225, " 145.5225"}, {0, " 0"},
      {-2.5, "-2.5"},          {470.625, " 470.625"},   {1e15, " 1000000000000000"},
      {0.000125, " 0.000125"}, {0.1 + 0.2, " 0.3"},     {259.9, " 259.9"},
      {123456789012345.6, " 123456789012346"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
  EXPECT_EQ(NumberToTrimmedText(433), "433");
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.4999), 2);
  EXPECT_EQ(RoundHalfEven(117.0000001), 117);
  EXPECT_EQ(RoundHalfEven(470.9875), 471);
}

TEST(TrimBlanks, RemovesOnlyOuterBlanks) {
  EXPECT_EQ(TrimBlanks("  D023N   "), "D023N");
  EXPECT_EQ(TrimBlanks(" a b "), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace brel
