#include "exact_decimal.h"

#include <gtest/gtest.h>

#include <optional>

#include "numtext.h"

namespace brel {
namespace {

// The digits a double would lose: 145.005 is 145.00499999... in binary.
TEST(ExactDecimal, KeepsEveryTypedDigit) {
  struct Case {
    const char* text;
    int decimals;
    std::int64_t units;
  } cases[] = {
      {"145.005", 5, 14500500}, {"145.1", 5, 14510000},  {"145.1xyz", 5, 14510000}, {"136.0256", 5, 13602560},
      {"0.29", 2, 29},          {"4.35", 2, 435},        {"095.5", 5, 9550000},     {" 1 45 .5", 1, 1455},
      {"-1.15", 2, -115},       {".5", 1, 5},            {"7.", 0, 7},              {"1.2.3", 2, 120},
      {"", 3, 0},               {"abc", 3, 0},           {"-", 0, 0},               {"-0.000", 2, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadExactDecimal(c.text).Units(c.decimals, Rounding::TowardZero), c.units) << c.text;
}

TEST(ExactDecimal, WholePartAndFractionDigits) {
  const ExactDecimal v = ReadExactDecimal("145.0056");
  EXPECT_EQ(v.Units(0, Rounding::Floor), 145);
  int digits[6];
  for (int i = 1; i <= 6; ++i) digits[i - 1] = v.FractionDigit(i);
  EXPECT_EQ(std::vector<int>(digits, digits + 6), (std::vector<int>{0, 0, 5, 6, 0, 0}));
  EXPECT_EQ(v.RestAfter(2), "56");
  EXPECT_EQ(v.RestAfter(3), "6");
  EXPECT_EQ(v.RestAfter(4), "");
  EXPECT_EQ(ReadExactDecimal("-2.5").Units(0, Rounding::Floor), -3);
  EXPECT_EQ(ReadExactDecimal("00145.100").whole, "145");
  EXPECT_EQ(ReadExactDecimal("00145.100").fraction, "1");
}

TEST(ExactDecimal, RoundingModesAtAndAroundTheHalf) {
  struct Case {
    const char* text;
    int decimals;
    std::int64_t towardZero, floor, halfUp, halfEven;
  } cases[] = {
      {"2.5", 0, 2, 2, 3, 2},          {"3.5", 0, 3, 3, 4, 4},          {"2.50001", 0, 2, 2, 3, 3},
      {"2.4999999", 0, 2, 2, 2, 2},    {"127.5", 0, 127, 127, 128, 128}, {"-2.5", 0, -2, -3, -2, -2},
      {"-2.51", 0, -2, -3, -3, -3},    {"-3.5", 0, -3, -4, -3, -4},     {"88.55", 1, 885, 885, 886, 886},
      {"88.45", 1, 884, 884, 885, 884}, {"145.0125", 3, 145012, 145012, 145013, 145012},
      {"136.9996", 3, 136999, 136999, 137000, 137000},
  };
  for (const auto& c : cases) {
    const ExactDecimal v = ReadExactDecimal(c.text);
    EXPECT_EQ(v.Units(c.decimals, Rounding::TowardZero), c.towardZero) << c.text;
    EXPECT_EQ(v.Units(c.decimals, Rounding::Floor), c.floor) << c.text;
    EXPECT_EQ(v.Units(c.decimals, Rounding::HalfUp), c.halfUp) << c.text;
    EXPECT_EQ(v.Units(c.decimals, Rounding::HalfEven), c.halfEven) << c.text;
  }
}

// The one reader serves both number rules; TextToNumber and
// TextToPlainNumber read through it.
TEST(ExactDecimal, FullAndPlainRules) {
  struct Case {
    const char* text;
    double full;
    double plain;
  } cases[] = {
      {"1e2", 100, 1},     {"1.5e2", 150, 1.5},   {"1.5E-2", 0.015, 1.5}, {"2D1", 20, 2},  {"3e", 3, 3},
      {"3e+", 3, 3},       {"&H1F", 31, 0},       {"&O17", 15, 0},        {"&h", 0, 0},    {"&X1", 0, 0},
      {"\t8\n8", 88, 88},  {"+7", 7, 7},          {"- 5", -5, -5},        {"--5", 0, 0},   {"1 e 2", 100, 1},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(ReadExactDecimal(c.text, NumberRule::Full).ToDouble(), c.full) << c.text;
    EXPECT_DOUBLE_EQ(ReadExactDecimal(c.text, NumberRule::Plain).ToDouble(), c.plain) << c.text;
    EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.full) << c.text;
    EXPECT_DOUBLE_EQ(TextToPlainNumber(c.text), c.plain) << c.text;
  }
  EXPECT_EQ(ReadExactDecimal("1.5e2").Units(0, Rounding::Floor), 150);
  EXPECT_EQ(ReadExactDecimal("&HFFFFFFFFFFFFFFFF").whole, "18446744073709551615");
}

TEST(ExactDecimal, NoNumberAndNumbersTooLargeAreToldApart) {
  EXPECT_FALSE(ReadExactDecimal("").hasDigits);
  EXPECT_FALSE(ReadExactDecimal(" . ").hasDigits);
  EXPECT_FALSE(ReadExactDecimal("MHz 5").hasDigits);
  EXPECT_TRUE(ReadExactDecimal("0").hasDigits);
  EXPECT_TRUE(ReadExactDecimal("-.0").hasDigits);
  EXPECT_FALSE(ReadExactDecimal("-.0").negative);

  const ExactDecimal big = ReadExactDecimal("1234567890123456789");
  EXPECT_EQ(big.Units(0, Rounding::TowardZero), std::nullopt);
  EXPECT_EQ(ReadExactDecimal("123456789012345678").Units(0, Rounding::TowardZero), 123456789012345678);
  EXPECT_EQ(ReadExactDecimal("12345678901234567").Units(2, Rounding::TowardZero), std::nullopt);
  EXPECT_EQ(ReadExactDecimal("1e999999999999").Units(0, Rounding::TowardZero), std::nullopt);
  EXPECT_EQ(ReadExactDecimal("1e-999999999999").Units(18, Rounding::HalfUp), 0);
  const std::string tiny = "0." + std::string(500, '0') + "15e501";  // exponents count exactly, however long
  EXPECT_EQ(ReadExactDecimal(tiny).Units(1, Rounding::TowardZero), 15);
  EXPECT_EQ(ReadExactDecimal("1").Units(19, Rounding::TowardZero), std::nullopt);
}

TEST(ExactDecimal, ComparesExactlyWithLimits) {
  struct Case {
    const char* text;
    double limit;
    int order;
  } cases[] = {
      {"136", 136.0, 0},
      {"136.00000", 136.0, 0},
      {"135.99999999999999999", 136.0, -1},  // a double reads this as 136
      {"174.00000000000000001", 174.0, 1},
      {"0.1", 0.1, -1},  // the double 0.1 lies just above one tenth
      {"-1", 0.0, -1},
      {"", -0.0, 0},
      {"-5", -4.5, -1},
      {"-4", -4.5, 1},
      {"1e400", 1e308, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadExactDecimal(c.text).CompareTo(c.limit), c.order) << c.text;
  EXPECT_EQ(ReadExactDecimal("2.50").CompareTo(ReadExactDecimal("2.5")), 0);
  EXPECT_EQ(ReadExactDecimal("10").CompareTo(ReadExactDecimal("9.99")), 1);
}

}  // namespace
}  // namespace brel
