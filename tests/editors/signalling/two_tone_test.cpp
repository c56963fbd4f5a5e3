// The two-tone area's codecs and the window's rules, without widgets.
#include "two_tone_editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "shared_texts.h"
#include "test_doubles.h"

namespace brel::signalling {
namespace {

using Bytes = std::vector<std::uint8_t>;

class TwoToneTest : public ::testing::Test {
 protected:
  TwoToneTest() {
    SetLanguageTexts(state);
    editor.load();
  }
  Bytes row(int r) const {
    Bytes b;
    for (int c = 0; c < 16; ++c) b.push_back(static_cast<std::uint8_t>(state.TwoToneImage.at(r, c)));
    return b;
  }
  Bytes toneLine(int e) const {
    const auto& l = sheet.DecodeToneTable[static_cast<std::size_t>(e)];
    return Bytes(l.begin(), l.end());
  }
  std::vector<std::string> tones() const {
    std::vector<std::string> t;
    for (const auto& box : sheet.tones) t.push_back(box.text());
    return t;
  }

  ProgramState state;
  test::RecordingMessages messages;
  TwoToneSheet sheet;
  TwoToneEditor editor{state, messages, sheet};
};

TEST(TwoToneCodecs, PeriodCodesFollowTheRadiosTick) {
  const double tick = 0.000434028;
  for (auto [hz, code] : std::vector<std::pair<double, int>>{{300, 7680}, {1000, 2304}, {1124, 2050}, {1981, 1163}, {3000, 768}})
    EXPECT_EQ(TwoTonePeriodCode(hz, tick), code) << hz;
  // No code for what no field takes: 0 Hz has none at all.
  for (double hz : {0.0, 299.0, 3001.0, -5.0}) EXPECT_FALSE(TwoTonePeriodCode(hz, tick)) << hz;
}

TEST(TwoToneCodecs, CellsToBytesAndBack) {
  EXPECT_EQ(TonePairFromCell("D-C"), 11);
  EXPECT_EQ(TonePairFromCell(" A-B "), 0);
  EXPECT_EQ(TonePairFromCell("a-b"), 255);
  EXPECT_EQ(TonePairFromCell(""), 255);
  EXPECT_EQ(TonePairToText(12), "");
  EXPECT_EQ(ResponseFromCell("3.提醒并回"), 3);
  EXPECT_EQ(ResponseFromCell("x"), 0);
  EXPECT_EQ(ResponseFromCell(" "), 255);
  EXPECT_EQ(AlertFromCell("16"), 16);
  EXPECT_EQ(AlertFromCell("2.5"), 2);  // halves to even
  EXPECT_EQ(AlertFromCell(""), 255);
  EXPECT_EQ(AlertToText(0), "0");
  EXPECT_EQ(AlertToText(17), "");
}

TEST_F(TwoToneTest, WorkedExampleEntryOneEncodesToItsRows) {
  editor.StoreTwoToneControls();
  EXPECT_EQ(row(kFirstToneRow), (Bytes{0xBD, 0x07, 0x64, 0x04, 0xAD, 0x04, 0xFB, 0x04, 0x8B, 0x04, 0x02, 0x08, 0x85,
                                       0x07, 0x0F, 0x07}));
  EXPECT_EQ(row(kFirstDecodeRow), (Bytes{0x00, 0x01, 0x01, 0x04, 0x02, 0x02, 0x08, 0x03, 0x03, 0x09, 0x00, 0x04, 0x00,
                                         0x00, 0x00, 0x00}));
  // Defaults: the pairs of rows 2..4, timings 600/600/300 ms, reset 6000 ms.
  EXPECT_EQ(row(1), (Bytes{0xAD, 0x04, 0, 0, 0, 0, 0, 0, 0xFB, 0x04, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(sheet.encode.cell(4, 1), "1540.0");
  EXPECT_EQ(row(kTimingRow), (Bytes{60, 60, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(row(kResetRow)[0], 59);
  EXPECT_EQ(row(kZeroRow), Bytes(16, 0));
  // An entry with no decodes is 0xFF in its decode bytes, 0 after them.
  EXPECT_EQ(row(kFirstDecodeRow + 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}));
}

TEST_F(TwoToneTest, ErasedAreaShowsEmptyRowsAndTheListsLastItems) {
  const Bytes erased(kTwoToneAreaBytes, 0xFF);
  state.TwoToneImage.at(0, 0) = 7;  // a read leaves the staging rows alone
  editor.ShowTwoToneFromBlocks(erased);
  for (int r = 1; r <= kEntryCount; ++r) {
    EXPECT_EQ(sheet.encode.cell(r, 1), "") << r;
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(sheet.decode.cell(r, c), "") << r << "," << c;
  }
  EXPECT_EQ(tones(), (std::vector<std::string>(4, "65535.0")));
  EXPECT_EQ(sheet.Combo_Enc_ys1.text(), "1000");
  EXPECT_EQ(sheet.Combo_enc_ys3.text(), "1000");
  EXPECT_EQ(sheet.Combo_Dec_Res_Time.text(), "8000");
  EXPECT_EQ(sheet.decodeFrameCaption, "1 Decode 2 Tone Frequency");
  EXPECT_EQ(state.TwoToneImage.at(0, 0), 7);
}

TEST_F(TwoToneTest, EncodeFrequenciesShowOnlyWithinTheRange) {
  Bytes area(kTwoToneAreaBytes, 0);
  const std::vector<std::pair<int, std::string>> cases{{300, "300.0"}, {3000, "3000.0"}, {299, ""}, {3001, ""}};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    area[16 * i] = static_cast<std::uint8_t>(cases[i].first & 0xFF);
    area[16 * i + 1] = static_cast<std::uint8_t>(cases[i].first >> 8);
  }
  editor.ShowTwoToneFromBlocks(area);
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(sheet.encode.cell(static_cast<int>(i) + 1, 1), cases[i].second);
}

TEST_F(TwoToneTest, ToneFieldsRoundHalvesToEvenAndRefuseOutsideTheRange) {
  editor.selectEntry(4);
  struct Case {
    const char* typed;
    const char* shown;
    bool refused;
  };
  for (const Case& c : {Case{"1000.5", " 1000.0", false}, Case{"1001.5", " 1002.0", false}, Case{" 1000.0", " 1000.0", false},
                        Case{"299.6", "", true}, Case{"3000.4", "", true}, Case{"abc", "", true}}) {
    messages.shown.clear();
    sheet.tones[0].setText(c.typed);
    EXPECT_EQ(editor.toneFieldLeft(0), c.refused) << c.typed;
    EXPECT_EQ(sheet.tones[0].text(), c.shown) << c.typed;
    EXPECT_EQ(messages.shown.size(), c.refused ? 1u : 0u) << c.typed;
  }
  EXPECT_EQ(messages.shown.back().text, "Frequency range 300Hz to 3000Hz");
  EXPECT_EQ(messages.shown.back().title, "Operate Prompt\"");
  // 1000 Hz stored as E8 03 with period 2304 (00 09); the refusals kept it.
  const Bytes line = toneLine(4);
  EXPECT_EQ(Bytes(line.begin(), line.begin() + 2), (Bytes{0xE8, 0x03}));
  EXPECT_EQ(Bytes(line.begin() + 8, line.begin() + 10), (Bytes{0x00, 0x09}));
}

TEST_F(TwoToneTest, ToneOutsideTheRangeKeepsItsBytesAsRead) {
  Bytes area(kTwoToneAreaBytes, 0xFF);
  editor.ShowTwoToneFromBlocks(area);  // every tone 65535, period FF FF
  sheet.tones[1].setText(" 1200.0");
  editor.toneFieldLeft(1);  // stores all four fields
  const Bytes line = toneLine(0);
  EXPECT_EQ(line[0], 0xFF);
  EXPECT_EQ(line[8], 0xFF);
  EXPECT_EQ(line[9], 0xFF);
  EXPECT_EQ(line[2], 0xB0);  // 1200 = 04 B0
  EXPECT_EQ(line[3], 0x04);
  // Emptying a field keeps the stored tone; it shows again with the entry.
  sheet.tones[1].setText("");
  editor.toneFieldLeft(1);
  editor.selectEntry(3);
  editor.selectEntry(0);
  EXPECT_EQ(sheet.tones[1].text(), "1200.0");
}

TEST_F(TwoToneTest, EncodeGridCommitRoundsUpAndKeepsTheCellOnRefusal) {
  grid::GridRules& rules = editor.encodeRules();
  ASSERT_EQ(rules.editorFor(3, 1), grid::CellEditor::TextBox);
  EXPECT_EQ(rules.editorFor(0, 1), grid::CellEditor::None);
  EXPECT_EQ(rules.editorFor(3, 0), grid::CellEditor::None);
  EXPECT_TRUE(rules.commit(5, 1, "1000.5"));
  EXPECT_EQ(sheet.encode.cell(5, 1), " 1001.0");
  EXPECT_TRUE(rules.commit(5, 1, "3001"));
  EXPECT_EQ(sheet.encode.cell(5, 1), " 1001.0");
  EXPECT_EQ(messages.lastText(), "Frequency range 300Hz to 3000Hz");
  EXPECT_TRUE(rules.commit(5, 1, ""));
  EXPECT_EQ(sheet.encode.cell(5, 1), " 1001.0");
  rules.doubleClicked(1, 0);
  EXPECT_EQ(sheet.encode.cell(1, 1), "");
  EXPECT_EQ(sheet.encode.cell(1, 2), "");
  rules.doubleClicked(0, 0);  // the header row: nothing
  editor.StoreTwoToneControls();
  EXPECT_EQ(row(0), Bytes(16, 0));  // an empty encode cell encodes as 00 00
  EXPECT_EQ(row(4)[0], 0xE9);       // 1001 = 03 E9
}

TEST_F(TwoToneTest, DecodeCellsChangeOnlyByAPick) {
  grid::GridRules& rules = editor.decodeRules();
  EXPECT_EQ(rules.editorFor(5, 1), grid::CellEditor::PickList);
  EXPECT_EQ(rules.choices(5, 2).size(), 4u);
  EXPECT_EQ(rules.choices(5, 3).back(), "16");
  // Leaving a cell of an empty row with its own (empty) text writes nothing.
  EXPECT_TRUE(rules.commit(5, 1, ""));
  EXPECT_TRUE(rules.commit(5, 2, ""));
  EXPECT_EQ(sheet.decode.cell(5, 1), "");
  EXPECT_EQ(sheet.decode.cell(5, 2), "");
  // A response picked for a decode without a pair goes when the cell is left.
  EXPECT_TRUE(rules.commit(5, 5, "2.Transpond"));
  EXPECT_EQ(sheet.decode.cell(5, 5), "");
  EXPECT_TRUE(rules.commit(5, 4, "C-A"));
  EXPECT_TRUE(rules.commit(5, 5, "2.Transpond"));
  EXPECT_EQ(sheet.decode.cell(5, 5), "2.Transpond");
}

TEST_F(TwoToneTest, DecodeRowClicksSelectAndNameTheirEntry) {
  grid::GridRules& rules = editor.decodeRules();
  rules.clicked(2, 7);
  EXPECT_EQ(sheet.SelectedDecodeEntry, 1);
  EXPECT_EQ(sheet.decodeFrameCaption, "2 Decode 2 Tone Frequency");
  EXPECT_EQ(tones(), (std::vector<std::string>{"1358.0", "1446.0", "1540.0", "1640.0"}));
  // A double click on the entry's number empties it and its tones.
  rules.doubleClicked(2, 0);
  EXPECT_EQ(sheet.decode.cell(2, 1), "");
  EXPECT_EQ(tones(), (std::vector<std::string>(4, "")));
  EXPECT_EQ(toneLine(1), Bytes(16, 0));
}

TEST_F(TwoToneTest, DefaultsKeepUnwrittenRowsAndShowEntryOne) {
  sheet.encode.setCell(7, 1, " 700.0");
  sheet.decode.setCell(8, 1, "B-A");
  editor.decodeRules().clicked(14, 1);
  sheet.DecodeToneTable[5][0] = 9;
  editor.LoadTwoToneDefaults();
  EXPECT_EQ(sheet.encode.cell(7, 1), " 700.0");
  EXPECT_EQ(sheet.decode.cell(8, 1), "B-A");
  EXPECT_EQ(toneLine(5), Bytes(16, 0));
  EXPECT_EQ(sheet.SelectedDecodeEntry, 0);
  EXPECT_EQ(sheet.decodeFrameCaption, "1 Decode 2 Tone Frequency");
  EXPECT_EQ(tones(), (std::vector<std::string>{"1981.0", "1124.0", "1197.0", "1275.0"}));
}

TEST_F(TwoToneTest, StagedSetShownAgainEncodesToTheSameRows) {
  editor.decodeRules().commit(9, 1, "B-D");
  editor.StoreTwoToneControls();
  const TwoToneStageTable saved = state.TwoToneImage;
  TwoToneSheet other;
  TwoToneEditor fresh{state, messages, other};
  fresh.load();
  fresh.showStagedSet();
  EXPECT_EQ(other.decode.cell(9, 1), "B-D");
  fresh.StoreTwoToneControls();
  EXPECT_EQ(state.TwoToneImage, saved);
  EXPECT_EQ(state.MemImage, MemoryImage());
}

}  // namespace
}  // namespace brel::signalling
