#include "radio_charset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_doubles.h"

namespace brel {
namespace {

TEST(RadioCharSet, CharactersConvertBothWays) {
  struct Case {
    const char* text;
    int byte;
  } cases[] = {
      {"0", 48}, {"9", 57}, {"A", 65}, {"Z", 90}, {"a", 65}, {"z", 90}, {"+", 43}, {"-", 45}, {" ", 32},
      {"*", 11}, {"", 11},  {"AB", 11}, {"\xe4", 11}, {".", 11}, {"/", 11},
  };
  for (const auto& c : cases) EXPECT_EQ(RadioByteFromChar(c.text), c.byte) << c.text;

  // Every byte outside the set shows as nothing; every byte in it reads back.
  const std::string set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ+- ";
  for (int b = -1; b <= 256; ++b) {
    const bool inSet = b >= 0 && b < 256 && set.find(static_cast<char>(b)) != std::string::npos;
    EXPECT_EQ(CharFromRadioByte(b), inSet ? std::string(1, static_cast<char>(b)) : std::string()) << b;
    if (inSet) {
      EXPECT_EQ(RadioByteFromChar(CharFromRadioByte(b)), b) << b;
    }
  }
  EXPECT_EQ(CharFromRadioByte(11), "");
  EXPECT_EQ(CharFromRadioByte(0), "");
  EXPECT_EQ(CharFromRadioByte(97), "");
  EXPECT_EQ(CharFromRadioByte(90), "Z");
}

class AdjDefaults : public ::testing::Test {
 protected:
  std::string LineText(int line, int first, int last) const {
    std::string out;
    for (int c = first; c <= last; ++c) out += CharFromRadioByte(state.AdjDefaults.at(line, c));
    return out;
  }
  std::vector<int> Line(int line, int first, int last) const {
    std::vector<int> out;
    for (int c = first; c <= last; ++c) out.push_back(state.AdjDefaults.at(line, c));
    return out;
  }
  ProgramState state;
};

TEST_F(AdjDefaults, FactoryLineCarriesTheDateAndTheTimeOfDayLetter) {
  struct Case {
    ClockReading when;
    const char* start;
  } cases[] = {
      {{2026, 3, 5, 14, 20, 0}, "260305P"}, {{2026, 3, 5, 9, 15, 0}, "260305A"},
      {{2026, 3, 5, 18, 0, 0}, "260305N"},  {{2026, 3, 5, 12, 59, 59}, "260305A"},
      {{2026, 3, 5, 13, 0, 0}, "260305P"},  {{2026, 3, 5, 17, 59, 0}, "260305P"},
      {{2026, 3, 5, 0, 0, 0}, "260305A"},   {{2009, 12, 31, 23, 59, 59}, "091231N"},
      {{2100, 1, 1, 1, 0, 0}, "000101A"},
  };
  for (const auto& c : cases) {
    BuildAdjDefaults(state, test::FixedClock(c.when));
    const std::string line = LineText(14, 0, 13);
    ASSERT_EQ(line.size(), 14u) << c.start;  // every byte is in the radio's set
    EXPECT_EQ(line.substr(0, 7), c.start);
    EXPECT_EQ(line.substr(10, 4), "0001");
    EXPECT_EQ(Line(14, 14, 15), (std::vector<int>{0, 0}));
  }
}

TEST_F(AdjDefaults, TextLinesHaveTheirFixedForm) {
  BuildAdjDefaults(state, test::FixedClock({2026, 3, 5, 14, 20, 0}));
  const std::string powerOn = LineText(13, 0, 13);
  ASSERT_EQ(powerOn.size(), 14u);
  EXPECT_EQ(powerOn[7], ' ');
  EXPECT_EQ(powerOn[13], ' ');
  EXPECT_EQ(powerOn.substr(0, 7).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
  const std::string model = powerOn.substr(8, 5);
  EXPECT_NE(model.find('-'), std::string::npos);
  EXPECT_NE(model.find_first_of("0123456789"), std::string::npos);
  EXPECT_EQ(model.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789"), std::string::npos);

  // Two passwords of six radio characters, nothing after them.
  EXPECT_EQ(LineText(15, 0, 11).size(), 12u);
  EXPECT_EQ(Line(15, 12, 15), (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(AdjDefaults, NumericLinesAndUnsetCells) {
  BuildAdjDefaults2(state);  // an earlier set must not show through
  BuildAdjDefaults(state, test::FixedClock({2026, 3, 5, 14, 20, 0}));
  EXPECT_EQ(Line(0, 0, 15).front(), 201);
  EXPECT_EQ(Line(0, 0, 15).back(), 216);
  EXPECT_EQ(Line(1, 15, 15), std::vector<int>{226});
  EXPECT_EQ(Line(2, 0, 0), std::vector<int>{227});
  EXPECT_EQ(Line(3, 15, 15), std::vector<int>{116});
  EXPECT_EQ(Line(4, 0, 0), std::vector<int>{111});
  EXPECT_EQ(Line(5, 15, 15), std::vector<int>{142});
  EXPECT_EQ(Line(6, 0, 15), (std::vector<int>{0, 37, 37, 37, 37, 38, 39, 40, 41, 42, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Line(7, 0, 15), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Line(8, 0, 15), (std::vector<int>{0, 38, 38, 38, 38, 39, 40, 41, 42, 43, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Line(9, 0, 15), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0, 0}));
  EXPECT_EQ(Line(10, 0, 15), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 22, 13, 159, 2, 128}));
  EXPECT_EQ(Line(11, 0, 15), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 22, 13, 255, 3, 128}));
  EXPECT_EQ(Line(12, 0, 15), (std::vector<int>{1, 1, 0x36, 1, 0x74, 1, 4, 0x00, 4, 0x79, 0, 14, 15, 16, 17, 21}));
  // Nothing beyond lines 0..15, columns 0..15.
  for (int r = 0; r < AdjTable::kRows; ++r) {
    for (int c = 0; c < AdjTable::kCols; ++c) {
      if (r > 15 || c > 15) {
        ASSERT_EQ(state.AdjDefaults.at(r, c), 0) << r << "," << c;
      }
    }
  }
}

TEST_F(AdjDefaults, SecondSetLeavesItsUnwrittenCellsAlone) {
  state.AdjDefaults.fill(0, 15, 0, 15, 7);
  BuildAdjDefaults2(state);
  EXPECT_EQ(Line(0, 0, 15), std::vector<int>(16, 120));
  EXPECT_EQ(Line(3, 0, 15), std::vector<int>(16, 55));
  EXPECT_EQ(Line(4, 0, 15), (std::vector<int>{24, 48, 0, 1, 48, 0, 4, 4, 15, 208, 11, 26, 16, 43, 50, 200}));
  EXPECT_EQ(Line(9, 0, 15), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 7}));
  EXPECT_EQ(Line(12, 0, 15), (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 1, 1, 54, 1, 115, 7}));
  EXPECT_EQ(Line(13, 0, 15), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 4, 0, 4, 121, 7}));
  EXPECT_EQ(LineText(14, 0, 11).size(), 12u);
  EXPECT_EQ(Line(14, 12, 15), (std::vector<int>{7, 7, 7, 7}));
  EXPECT_EQ(Line(15, 0, 15), std::vector<int>(16, 7));  // no password line
}

}  // namespace
}  // namespace brel
