#include "tone_tables.h"

#include <gtest/gtest.h>

#include <set>

#include "numtext.h"

namespace brel {
namespace {

class ToneTables : public ::testing::Test {
 protected:
  void SetUp() override { BuildToneTables(state); }
  ProgramState state;
};

TEST_F(ToneTables, ToneListEntriesCarryTheirAlignmentBlanks) {
  const auto& list = state.ToneList;
  EXPECT_EQ(list[0], "   OFF      ");
  EXPECT_EQ(list[1], "   67.0    ");
  EXPECT_EQ(list[9], "   88.5    ");
  EXPECT_EQ(list[10], "  91.5    ");
  EXPECT_EQ(list[13], "  100.0   ");
  EXPECT_EQ(list[50], "  254.1   ");
  EXPECT_EQ(list[51], "  D023N   ");
  EXPECT_EQ(list[99], "  D266N   ");
  EXPECT_EQ(list[100], " D271N   ");
  EXPECT_EQ(list[155], " D754N   ");
  EXPECT_EQ(list[156], " D023I   ");
  EXPECT_EQ(list[260], " D754I   ");
  for (std::size_t i = 0; i <= 260; ++i) {
    const std::size_t expected = i == 0 ? 12 : i <= 9 ? 11 : i <= 99 ? 10 : 9;
    EXPECT_EQ(list[i].size(), expected) << i;
  }
  for (std::size_t i = 261; i < list.size(); ++i) ASSERT_TRUE(list[i].empty()) << i;
}

TEST_F(ToneTables, QtDqtNamesCoverEveryTenthOfAHertzThenTheDcsCodes) {
  const auto& names = state.QtDqtNames;
  EXPECT_EQ(names[0], "OFF");
  EXPECT_EQ(names[1], "60.0");
  EXPECT_EQ(names[2], "60.1");
  EXPECT_EQ(names[11], "61.0");
  EXPECT_EQ(names[401], "100.0");
  EXPECT_EQ(names[2000], "259.9");
  EXPECT_EQ(names[2001], "D023N");
  EXPECT_EQ(names[2106], "D023I");
  EXPECT_EQ(names[2210], "D754I");
  EXPECT_TRUE(names[2211].empty());
  // Entry i is (599 + i) / 10 Hz, and every CTCSS tone of the channel list
  // is found in it, so a code from either editor shows in the other.
  for (int i = 1; i <= 2000; ++i) ASSERT_DOUBLE_EQ(TextToNumber(names[static_cast<std::size_t>(i)]), (599 + i) / 10.0);
  for (std::size_t i = 1; i <= 50; ++i)
    EXPECT_EQ(names[static_cast<std::size_t>(RoundHalfEven(kCtcssTones[i - 1] * 10)) - 599], TrimBlanks(state.ToneList[i]));
  for (int n = 1; n <= 210; ++n) {
    ASSERT_EQ(names[static_cast<std::size_t>(QtDqtIndexOfDcs(n))],
              TrimBlanks(state.ToneList[static_cast<std::size_t>(ToneListIndexOfDcs(n))]));
  }
}

TEST_F(ToneTables, TablesAreSortedDistinctAndRebuildTheSame) {
  for (std::size_t i = 1; i < kCtcssTones.size(); ++i) EXPECT_LT(kCtcssTones[i - 1], kCtcssTones[i]);
  std::set<std::string> codes;
  for (const char* code : kDcsCodes) {
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(std::string(code).find_first_not_of("01234567"), std::string::npos) << code;
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), kDcsCodes.size());

  const ProgramState first = state;
  BuildToneTables(state);
  EXPECT_EQ(state.ToneList, first.ToneList);
  EXPECT_EQ(state.QtDqtNames, first.QtDqtNames);
}

TEST_F(ToneTables, ToneCodesPointIntoTheLists) {
  // 0x33, 0x00 is DCS code 51.
  EXPECT_EQ(state.ToneList[static_cast<std::size_t>(ToneListIndexOfDcs(0x33))], " D274N   ");
  EXPECT_EQ(state.QtDqtNames[static_cast<std::size_t>(QtDqtIndexOfDcs(0x33))], "D274N");
}

}  // namespace
}  // namespace brel
