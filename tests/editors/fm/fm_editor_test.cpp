#include "fm_editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_doubles.h"

namespace brel::fm {
namespace {

class FmEditorTest : public ::testing::Test {
 protected:
  FmEditorTest() {
    // A radio that reported 136-174 MHz, after a start-up identification
    // that left the globals as they were.
    state.ReportedVhfLower = state.ReportedUhfLower = 136;
    state.ReportedVhfUpper = state.ReportedUhfUpper = 174;
    state.VfoALower = state.VfoBLower = 136;
    state.VfoAUpper = state.VfoBUpper = 174;
    editor.load();
    editor.activate();
  }
  using Boxes = std::array<std::string, kBandBoxCount>;
  void setBoxes(const Boxes& texts) {
    for (std::size_t b = 0; b < texts.size(); ++b) sheet.boxes[b].setText(texts[b]);
  }
  std::string freq(int r) const { return sheet.grid.cell(r, kColFrequency); }
  std::string name(int r) const { return sheet.grid.cell(r, kColName); }
  void typeInCell(int r, int c, const std::string& text) { editor.leaveCell(r, c, &text); }
  std::vector<int> stageRow(int row) const {
    std::vector<int> v;
    for (int k = 0; k < 16; ++k) v.push_back(state.FmStageRows.at(row, k));
    return v;
  }

  ProgramState state;
  test::RecordingMessages messages;
  FmSheet sheet;
  FmEditor editor{state, messages, sheet};
};

TEST_F(FmEditorTest, OpensWithDefaultsAndLimits) {
  EXPECT_EQ(freq(2), "90.40000");
  EXPECT_EQ(name(2), "CCTV1");
  EXPECT_EQ(freq(3), "");
  EXPECT_EQ(freq(12), "103.90000");
  EXPECT_EQ(sheet.grid.cell(16, kColNumber), "16");
  EXPECT_EQ(sheet.boxTexts(), (std::array<std::string, 4>{"136.00000", "174.00000", "136.00000", "174.00000"}));
  EXPECT_EQ(sheet.fmLower, "87.50000");
  EXPECT_EQ(sheet.fmUpper, "108.00000");
  // Defaults go into the grid only.
  EXPECT_EQ(state.FmStageRows.at(1, 0), 0xFF);
  for (const DefaultPreset& p : kDefaultPresets) {
    const std::string n = p.name;
    EXPECT_TRUE(n.size() >= 4 && n.size() <= 5) << n;
    for (char c : n) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << n;
  }
}

TEST(FmEditorLimits, NothingReportedShowsZeroInEveryBox) {
  ProgramState state;
  state.VfoAUpper = state.VfoBUpper = 175;  // globals alone do not count
  test::RecordingMessages messages;
  FmSheet sheet;
  FmEditor editor{state, messages, sheet};
  editor.load();
  EXPECT_EQ(sheet.boxTexts(), (std::array<std::string, 4>{"0.00000", "0.00000", "0.00000", "0.00000"}));
  sheet.boxes[kAUpper].setText("174");
  editor.bandBoxLeft(kAUpper);
  EXPECT_EQ(sheet.boxes[kAUpper].text(), "0.00000");
  EXPECT_EQ(messages.lastText(), "Over the range of A band upper limit frequency .");
}

TEST_F(FmEditorTest, FrequencyCellKeepsTheCheckedDigits) {
  struct Case {
    const char* typed;
    const char* shown;
    bool message;
  };
  const std::vector<Case> cases{
      {"88", "88.00000", false},          {"100", "100.00000", false},       {"88.9", "88.90000", false},
      {"103.9", "103.90000", false},      {"87.5", "87.50000", false},       {"108", "108.00000", false},
      {"100.123456", "100.12345", false}, {"88.123456", "88.12345", false},  {"095.5", "95.50000", false},
      {"+88.9", "88.90000", false},       {"88.9.5", "88.90000", false},     {" 9 8 . 3 ", "98.30000", false},
      {"87.4", "87.50000", true},         {"108.1", "87.50000", true},       {"108.000001", "87.50000", true},
      {"1e2", "87.50000", true},          {"-95", "87.50000", true},         {"FM", "87.50000", true},
      {"&H60", "87.50000", true},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    typeInCell(5, kColFrequency, c.typed);
    EXPECT_EQ(freq(5), c.shown) << c.typed;
    ASSERT_EQ(messages.shown.size(), c.message ? 1u : 0u) << c.typed;
    if (c.message) {
      EXPECT_EQ(messages.lastText(), "Over the range of receive frequency .");
    }
  }
  // The stored digits are the ones shown: 95.5 MHz, not 9.05.
  typeInCell(5, kColFrequency, "095.5");
  EXPECT_EQ(stageRow(4), (std::vector<int>{0, 9, 5, 5, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
}

TEST_F(FmEditorTest, EmptyFrequencyErasesThePreset) {
  typeInCell(2, kColFrequency, "  ");
  EXPECT_EQ(freq(2), "");
  EXPECT_EQ(name(2), "");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(stageRow(1), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
  // A name needs a frequency.
  typeInCell(2, kColName, "abc");
  EXPECT_EQ(name(2), "");
}

TEST_F(FmEditorTest, NameCellRules) {
  typeInCell(2, kColName, "cctv1");
  EXPECT_EQ(name(2), "CCTV1");
  EXPECT_TRUE(messages.shown.empty());
  typeInCell(2, kColName, " abcdefg ");
  EXPECT_EQ(name(2), "ABCDEF");
  EXPECT_EQ(messages.lastText(), "The letter of channel name max 6 bit . ");
  EXPECT_EQ(messages.shown.back().title, "Operate Prompt");
  messages.shown.clear();
  // Characters a record cannot carry are dropped.
  typeInCell(2, kColName, "台\tfm1");
  EXPECT_EQ(name(2), "FM1");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FmEditorTest, CellLeftWithoutAnEditorKeepsItsTextButEncodes) {
  editor.leaveCell(2, kColFrequency, nullptr);
  editor.leaveCell(2, kColName, nullptr);
  editor.leaveCell(6, kColNumber, nullptr);
  EXPECT_EQ(freq(2), "90.40000");
  EXPECT_EQ(name(2), "CCTV1");
  EXPECT_EQ(stageRow(1), (std::vector<int>{0, 9, 0, 4, 0, 0, 0, 0, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF}));
  EXPECT_EQ(state.FmStageRows.at(5, 3), 5);  // row 6 encoded too: 95.5
  EXPECT_EQ(sheet.readout, " 0 9 5 5 0 0 0 0 255 70 74 74 84 71 255 255");
}

TEST_F(FmEditorTest, EncodingPutsBoxesIntoTheLimitRowOnly) {
  state.FmStageRows.at(kLimitStageRow, 12) = 0x12;
  setBoxes({"136.00000", "174.50000", "", "175.50000"});
  editor.EncodeFmRow(1);
  const std::vector<int> expected{1, 3, 6, 1, 7, 4, 0, 0, 0, 1, 7, 6, 0x12, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(stageRow(kLimitStageRow), expected);
}

TEST_F(FmEditorTest, BandBoxChecks) {
  struct Case {
    int box;
    const char* typed;
    const char* partner;
    const char* shown;
    const char* message;
  };
  const std::vector<Case> cases{
      {kAUpper, "175", "136.00000", "174.00000", "Over the range of A band upper limit frequency ."},
      {kALower, "150", "140", "136.00000", "The lower limit frequency can not bigger than the upper limit ."},
      {kAUpper, "140", "150", "174.00000", "The upper limit frequency can not small than the upper limit ."},
      {kBLower, "135.9", "174", "136.00000", "Over the range of B band lower limit frequency ."},
      {kBUpper, "174.9", "136", "174.00000", "Over the range of B band upper limit frequency ."},
      {kALower, "+150.7", "174", "150.00000", ""},
      {kALower, "1.5e2", "174", "136.00000", "Over the range of A band lower limit frequency ."},
      {kBUpper, "160", "136", "160.00000", ""},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    setBoxes({"136.00000", "174.00000", "136.00000", "174.00000"});
    sheet.boxes[static_cast<std::size_t>(c.box ^ 1)].setText(c.partner);
    sheet.boxes[static_cast<std::size_t>(c.box)].setText(c.typed);
    editor.bandBoxLeft(c.box);
    EXPECT_EQ(sheet.boxes[static_cast<std::size_t>(c.box)].text(), c.shown) << c.typed;
    EXPECT_EQ(messages.lastText(), c.message) << c.typed;
  }
}

TEST_F(FmEditorTest, LongBandBoxTextAsksForTheFocusBack) {
  std::vector<int> asked;
  for (int b = 0; b < kBandBoxCount; ++b)
    sheet.boxes[static_cast<std::size_t>(b)].focusRequested = [&asked, b] { asked.push_back(b); };
  sheet.boxes[kBLower].setText("123456789");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(asked.empty());
  sheet.boxes[kBLower].setText("1234567890");
  EXPECT_EQ(asked, std::vector<int>{kBLower});
  EXPECT_EQ(sheet.boxes[kBLower].text(), "1234567890");
  EXPECT_EQ(messages.lastText(),
            "The availability range of  B band frequency is from  136.00000MHZ to 174.00000MHZ   ");
  EXPECT_EQ(messages.shown.size(), 1u);
  state.LanguageFlag = -1;
  sheet.boxes[kALower].setText(" 1234567890 ");
  EXPECT_EQ(asked, (std::vector<int>{kBLower, kALower}));
  EXPECT_EQ(messages.lastText(), "A 段频率的有效范围从 136.00000MHZ 到 174.00000MHZ   ");
  EXPECT_EQ(messages.shown.back().title, "操作提示");

  // A box a leave rule sets is not checked again: the rule has said what it
  // had to.
  messages.shown.clear();
  state.LanguageFlag = 0;
  state.ReportedVhfUpper = 1000;
  sheet.boxes[kAUpper].setText("2000");
  editor.bandBoxLeft(kAUpper);
  EXPECT_EQ(sheet.boxes[kAUpper].text(), "1000.00000");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Over the range of A band upper limit frequency ."});
  EXPECT_EQ(asked, (std::vector<int>{kBLower, kALower}));
}

TEST_F(FmEditorTest, ClearEmptiesGridAndBoxesNotTheStagingRows) {
  editor.encodeAll();
  const auto before = state.FmStageRows;
  editor.clear();
  EXPECT_EQ(freq(2), "");
  EXPECT_EQ(name(2), "");
  EXPECT_EQ(sheet.boxTexts(), (std::array<std::string, 4>{}));
  EXPECT_EQ(state.FmStageRows, before);
  editor.encodeAll();
  EXPECT_EQ(stageRow(kLimitStageRow), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255}));
  EXPECT_EQ(stageRow(15), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
}

TEST_F(FmEditorTest, ReadBlocksFillTheirRowsAndTheBoxes) {
  std::vector<std::array<std::uint8_t, 64>> blocks(5);
  for (auto& b : blocks) b.fill(0);
  const std::array<std::uint8_t, 16> first{0, 8, 8, 9, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31};
  std::copy(first.begin(), first.end(), blocks[0].begin());
  blocks[3][48 + 0] = 1;  // preset 16: 100.7
  blocks[3][48 + 3] = 7;
  const std::array<std::uint8_t, 12> limits{1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 8, 0};
  std::copy(limits.begin(), limits.end(), blocks[4].begin());
  editor.showReadBlocks({0x3000, 0x3040, 0x3080, 0x30C0, 0x3F80}, blocks);
  EXPECT_EQ(freq(1), "88.90000");
  EXPECT_EQ(name(1), "CCTV1");
  EXPECT_EQ(freq(2), "");  // zero digits: the default preset is gone
  EXPECT_EQ(name(2), "");
  EXPECT_EQ(freq(16), "100.70000");
  EXPECT_EQ(sheet.boxTexts(), (std::array<std::string, 4>{"136.00000", "174.00000", "400.00000", "480.00000"}));
  // Nothing reaches the staging rows.
  EXPECT_EQ(ProgramState().FmStageRows, state.FmStageRows);
}

TEST_F(FmEditorTest, RowsFromStagingAreTheInverseOfEncoding) {
  typeInCell(3, kColFrequency, "99.5");
  typeInCell(3, kColName, "news");
  editor.encodeAll();
  editor.clear();
  editor.showRowsFromStage();
  EXPECT_EQ(freq(1), "88.90000");
  EXPECT_EQ(freq(3), "99.50000");
  EXPECT_EQ(name(3), "NEWS");
  EXPECT_EQ(freq(16), "105.90000");
  EXPECT_EQ(name(16), "CCTV9");
  EXPECT_EQ(freq(5), "");
}

}  // namespace
}  // namespace brel::fm
