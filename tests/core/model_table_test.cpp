#include "model_table.h"

#include <gtest/gtest.h>

namespace brel {
namespace {

TEST(ModelTable, HoldsTheBandTypesAndTheirLimits) {
  ProgramState state;
  BuildModelTable(state);
  EXPECT_EQ(state.ModelNames[0], "VHF0/UHF0");
  EXPECT_EQ(state.ModelNames[1], "VHF1/UHF1");
  EXPECT_EQ(state.ModelNames[2], "VHF2/UHF2");
  for (std::size_t i = 3; i <= 10; ++i) EXPECT_TRUE(state.ModelNames[i].empty()) << i;

  using Row = std::array<std::int16_t, 5>;
  const std::array<Row, 11> expected = {
      Row{136, 174, 400, 520, 0}, Row{136, 174, 240, 250, 0}, Row{144, 146, 430, 440, 0},
      Row{400, 471, 0, 0, 0},     Row{450, 521, 0, 0, 0},     Row{100, 701, 0, 0, 0},
      Row{66, 89, 0, 0, 0},       Row{},                      Row{},
      Row{},                      Row{},
  };
  EXPECT_EQ(state.ModelBandTable, expected);
}

TEST(ModelTable, SetsOnlyTheLowBandLimitsOfTheSelectedType) {
  ProgramState state;
  state.UhfLower = 410;
  state.UhfUpper = 470;
  BuildModelTable(state);
  EXPECT_EQ(state.VhfLower, 136);
  EXPECT_EQ(state.VhfUpper, 174);
  EXPECT_EQ(state.UhfLower, 410);
  EXPECT_EQ(state.UhfUpper, 470);

  state.ModelIndex = 2;
  BuildModelTable(state);
  EXPECT_EQ(state.VhfLower, 144);
  EXPECT_EQ(state.VhfUpper, 146);

  state.ModelIndex = 42;  // never set by the program: the limits stay
  BuildModelTable(state);
  EXPECT_EQ(state.VhfLower, 144);
}

TEST(ModelTable, StatusPanelTextsKeepTheLeadingBlankOfEachNumber) {
  ProgramState state;
  BuildModelTable(state);
  state.UhfLower = 400;
  state.UhfUpper = 520;
  EXPECT_EQ(LowBandPanelText(state), "VHF0: 136 -   174MHZ");
  EXPECT_EQ(HighBandPanelText(state), "UHF0: 400 -   520MHZ");

  // Limits from a radio that reported other bands.
  state.ModelIndex = 1;
  state.VhfLower = 136.5;
  state.UhfUpper = 480;
  EXPECT_EQ(LowBandPanelText(state), "VHF1: 136.5 -   174MHZ");
  EXPECT_EQ(HighBandPanelText(state), "UHF1: 400 -   480MHZ");

  state.ModelIndex = 5;  // a type without a name
  EXPECT_EQ(LowBandPanelText(state), ": 136.5 -   174MHZ");
  EXPECT_EQ(HighBandPanelText(state), ": 400 -   480MHZ");
}

}  // namespace
}  // namespace brel
