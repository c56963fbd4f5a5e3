#include <gtest/gtest.h>

#include "dtmf_codec.h"

namespace brel::dtmf {
namespace {

TEST(DigitCode, TextToCodeTakesTheWholeTextAndBothCases) {
  const std::pair<const char*, int> cases[] = {
      {"0", 0},  {"9", 9},  {"*", 11},   {"#", 12},   {"A", 13},   {"a", 13},  {"d", 16},    {"D", 16},
      {"e", 0xFF}, {"E", 0xFF}, {" ", 0xFF}, {"", 0xFF}, {"12", 0xFF}, {"中", 0xFF}, {"+", 0xFF},
  };
  for (const auto& [text, code] : cases) EXPECT_EQ(TextToDigitCode(text), code) << '"' << text << '"';
}

TEST(DigitCode, CodesOutsideTheSetShowNothing) {
  const std::pair<int, const char*> cases[] = {{0, "0"}, {9, "9"},  {10, ""}, {11, "*"},
                                               {16, "D"}, {17, ""}, {255, ""}, {-1, ""}};
  for (const auto& [code, text] : cases) EXPECT_EQ(DigitCodeToText(code), text) << code;
  // An empty position leaves no gap.
  EXPECT_EQ(DigitsToText(1, 0xFF, 2, 0xFF, 0xFF), "12");
  EXPECT_EQ(DigitsToText(1, 10, 13, 11, 12), "1A*#");
}

}  // namespace
}  // namespace brel::dtmf
