// The five-tone area's codecs and the window's rules, without widgets.
#include "five_tone_editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "shared_texts.h"
#include "test_doubles.h"

namespace brel::signalling {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FiveToneTest : public ::testing::Test {
 protected:
  FiveToneTest() {
    SetLanguageTexts(state);
    editor.load();
  }
  Bytes row(int r) const {
    Bytes b;
    for (int c = 0; c < 16; ++c) b.push_back(static_cast<std::uint8_t>(state.FiveToneImage.at(r, c)));
    return b;
  }
  std::vector<bool> frameBoxes(int f) const {
    std::vector<bool> on;
    for (const auto& box : sheet.options[static_cast<std::size_t>(f)]) on.push_back(box.checked());
    return on;
  }

  ProgramState state;
  test::RecordingMessages messages;
  FiveToneSheet sheet;
  FiveToneEditor editor{state, messages, sheet};
};

TEST(FiveToneCodecs, DigitsBothWays) {
  EXPECT_EQ(DigitToChar(9), "9");
  EXPECT_EQ(DigitToChar(15), "F");
  EXPECT_EQ(DigitToChar(16), " ");
  EXPECT_EQ(CharToDigit("7"), 7);
  EXPECT_EQ(CharToDigit("C"), 12);
  for (const char* none : {"c", " ", "", "G", "-"}) EXPECT_EQ(CharToDigit(none), 255) << none;
}

TEST_F(FiveToneTest, OpeningShowsCcirOneAndTheDefaults) {
  EXPECT_EQ(sheet.Label_freq[0], "1981.0");
  EXPECT_EQ(sheet.Combo_Enc_ys1.text(), "400");
  EXPECT_EQ(sheet.Combo_Enc_ys2.text(), "200");
  EXPECT_EQ(sheet.Combo_enc_ys3.text(), "200");
  EXPECT_EQ(sheet.Combo_Enc_ys4.text(), "0");
  EXPECT_EQ(sheet.Combo_Dec_Res_Time.count(), 80);
  EXPECT_EQ(sheet.Combo_Dec_Res_Time.text(), "6000");
  EXPECT_EQ(sheet.Combo_Dec_Back_Time.count(), 21);
  EXPECT_EQ(sheet.Combo_Dec_Back_Time.text(), "1000");
  EXPECT_EQ(sheet.standards.cell(12, 0), "EURO");
  EXPECT_EQ(sheet.decode.cell(1, 3), "1.Primary Caller ID");
  EXPECT_EQ(frameBoxes(0), (std::vector<bool>{true, true, false, false, false, false, false, false, false}));
  EXPECT_EQ(sheet.decodeFrameCaption, "Execute after Code 1 Decode Succeeded   ");
}

TEST_F(FiveToneTest, ShortCodeEncodesWithErasedTailAndDecodesBack) {
  sheet.encode.setCell(3, 1, "55555");
  sheet.encode.setCell(3, 2, "123");
  editor.EncodeFiveTone();
  // Frame 2 of code 3 at 0x2525.
  const Bytes code3 = row(kEncodeGroupRow + 2);
  EXPECT_EQ(Bytes(code3.begin() + 5, code3.begin() + 10), (Bytes{0x01, 0x02, 0x03, 0xFF, 0xFF}));
  sheet.encode.setCell(3, 2, "");
  editor.showStagedSet();
  EXPECT_EQ(sheet.encode.cell(3, 2), "123  ");
}

TEST_F(FiveToneTest, EncodeLeavesUnnamedBytesErased) {
  editor.EncodeFiveTone();
  const Bytes code1 = row(kEncodeGroupRow);
  EXPECT_EQ(code1, (Bytes{1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0}));
  // Transpond rows hold the code and nothing else; the code group's leftovers
  // never show through.
  EXPECT_EQ(row(kTranspondGroupRow), (Bytes{0, 1, 2, 3, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(row(kTranspondGroupRow + 15), (Bytes{40, 20, 20, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(row(kDecodeGroupRow + 15), Bytes(16, 0xFF));
  EXPECT_EQ(row(kActionGroupRow), (Bytes{0, 1, 2, 3, 4, 1, 2, 0, 3, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
  EXPECT_EQ(row(kActionGroupRow + 15), (Bytes{59, 0, 0, 5, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // Standards: CCIR1 period 100 ms -> 10, EIA 30 ms -> 3; bytes 3..15 untouched.
  EXPECT_EQ(row(kStandardRow), (Bytes{10, 10, 14, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(row(kStandardRow + 10)[0], 3);
  EXPECT_EQ(row(kStandardRow + 15), Bytes(16, 0xFF));
  // MODAT is standard 14; an empty standard cell 0xFF.
  EXPECT_EQ(row(kEncodeGroupRow + 14)[15], 14);
  EXPECT_EQ(row(kEncodeGroupRow + 5)[15], 0xFF);
  // The tone tables: CCIR1 digit 0 is 1981 Hz (BD 07), period 1163 (8B 04).
  EXPECT_EQ(row(0)[0], 0xBD);
  EXPECT_EQ(row(16)[0], 0x07);
  EXPECT_EQ(row(32)[0], 0x8B);
  EXPECT_EQ(row(48)[0], 0x04);
  EXPECT_EQ(row(15), Bytes(16, 0));
}

TEST_F(FiveToneTest, ErasedAreaDecodes) {
  editor.DecodeFiveTone(Bytes(kFiveToneReadBytes, 0xFF));
  EXPECT_EQ(sheet.standards.cell(1, 0), "CCIR1");
  EXPECT_EQ(sheet.standards.cell(1, 1), "2550");
  EXPECT_EQ(sheet.standards.cell(1, 2), " ");
  EXPECT_EQ(sheet.encode.cell(1, 1), "     ");
  EXPECT_EQ(sheet.encode.cell(1, 5), "");
  EXPECT_EQ(sheet.decode.cell(1, 3), "");
  EXPECT_EQ(sheet.Combo_Enc_ys1.text(), "1000");
  EXPECT_EQ(sheet.Combo_Dec_Res_Time.text(), "8000");
  EXPECT_EQ(sheet.Combo_Dec_Back_Time.text(), "2500");
  EXPECT_TRUE(sheet.Check_Dec_back.checked());
  EXPECT_TRUE(sheet.Check_Dec_Bcl.checked());
  EXPECT_TRUE(sheet.Check_Dec_Bcl.enabled());
  for (int f = 0; f < 3; ++f) EXPECT_EQ(frameBoxes(f), std::vector<bool>(kOptionKinds, true));
  EXPECT_EQ(sheet.decodeFrameCaption, "Execute after Code 1 Decode Succeeded ");
}

TEST_F(FiveToneTest, EachDelayBoxTakesItsOwnByteAndPeriodsScale) {
  Bytes area(kFiveToneReadBytes, 0);
  const std::size_t settings = 0x26F0 - 0x2400;
  area[settings] = 40;
  area[settings + 1] = 20;
  area[settings + 2] = 20;
  area[settings + 3] = 0;
  area[0] = 7;  // standard 0's period
  editor.DecodeFiveTone(area);
  EXPECT_EQ(sheet.Combo_Enc_ys1.text(), "400");
  EXPECT_EQ(sheet.Combo_Enc_ys2.text(), "200");
  EXPECT_EQ(sheet.Combo_enc_ys3.text(), "200");
  EXPECT_EQ(sheet.Combo_Enc_ys4.text(), "0");
  EXPECT_EQ(sheet.standards.cell(1, 1), "70");
}

TEST_F(FiveToneTest, TypingChecksSayWhatIsWrongWithoutChangingTheText) {
  grid::GridRules& enc = editor.encodeRules();
  struct Case {
    const char* text;
    std::vector<std::string> said;
  };
  const std::string group = "Group Digits only by 0 to 9 and A to F.";
  for (const Case& c : {Case{"12G45", {group}}, Case{"abcde", {group, group, group, group, group}}, Case{"ab", {}},
                        Case{"123456", {"Encode Digit is 5 Bits."}}}) {
    messages.shown.clear();
    enc.edited(1, 1, c.text);
    EXPECT_EQ(messages.texts(), c.said) << c.text;
  }
  grid::GridRules& dec = editor.decodeRules();
  for (const Case& c : {Case{"1 2", {group}}, Case{"1", {}}, Case{"123456", {"Decode Digit is 5 Bits."}}}) {
    messages.shown.clear();
    dec.edited(1, 2, c.text);
    EXPECT_EQ(messages.texts(), c.said) << c.text;
  }
}

TEST_F(FiveToneTest, CodeCellsTakeOnlyFiveSymbols) {
  grid::GridRules& enc = editor.encodeRules();
  struct Case {
    const char* typed;
    bool taken;
    const char* said;
  };
  for (const Case& c : {Case{"1234", false, "Encode Digit is 5 Bits."}, Case{"123456", false, "Encode Digit is 5 Bits."},
                        Case{"12G45", false, "Group Digits only by 0 to 9 and A to F."},
                        Case{"12 45", false, "Group Digits only by 0 to 9 and A to F."},
                        Case{"abcde", false, "Group Digits only by 0 to 9 and A to F."}, Case{"", true, ""},
                        // An overlong "A" is no symbol but two broken bytes.
                        Case{"1234\xC1\x81", false, "Encode Digit is 5 Bits."},
                        // A lead byte cut short does not swallow the symbol after it.
                        Case{"123\xC3" "4", false, "Group Digits only by 0 to 9 and A to F."},
                        Case{"ABCDE", true, ""}}) {
    messages.shown.clear();
    EXPECT_EQ(enc.commit(1, 2, c.typed), c.taken) << c.typed;
    EXPECT_EQ(messages.lastText(), c.said) << c.typed;
  }
  EXPECT_EQ(sheet.encode.cell(1, 2), "ABCDE");
  EXPECT_EQ(messages.shown.size(), 0u);
  // The decode grid's leave rule speaks of encode digits too.
  EXPECT_FALSE(editor.decodeRules().commit(1, 2, "12"));
  EXPECT_EQ(messages.lastText(), "Encode Digit is 5 Bits.");
  EXPECT_EQ(messages.shown.back().title, "Operate Prompt\"");
}

TEST_F(FiveToneTest, RowsWithoutTheirKeyCellGetNoEditorAndEmptyWhenLeft) {
  grid::GridRules& enc = editor.encodeRules();
  grid::GridRules& dec = editor.decodeRules();
  for (int col = 2; col <= 5; ++col) EXPECT_EQ(enc.editorFor(6, col), grid::CellEditor::None) << col;
  EXPECT_EQ(enc.editorFor(6, 1), grid::CellEditor::TextBox);
  EXPECT_EQ(enc.editorFor(1, 5), grid::CellEditor::PickList);
  EXPECT_EQ(dec.editorFor(6, 2), grid::CellEditor::None);
  EXPECT_EQ(dec.editorFor(1, 3), grid::CellEditor::PickList);
  // A function whose code cell is empty goes, even when just chosen.
  sheet.decode.setCell(1, 4, "");
  EXPECT_TRUE(dec.commit(1, 5, "3.Monitor"));
  EXPECT_EQ(sheet.decode.cell(1, 5), "");
  // Leaving a cell of a row without frame 1 / without a standard empties it.
  sheet.encode.setCell(1, 1, "");
  EXPECT_TRUE(enc.commit(1, 5, "EEA"));
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(sheet.encode.cell(1, c), "") << c;
  sheet.decode.setCell(15, 1, "");
  EXPECT_TRUE(dec.commit(15, 8, ""));
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(sheet.decode.cell(15, c), "") << c;
  EXPECT_EQ(sheet.DecodeOptionBytes[14][0], 12);  // its option bits stay
}

TEST_F(FiveToneTest, OptionBoxesFollowTheSelectedEntry) {
  grid::GridRules& dec = editor.decodeRules();
  dec.clicked(4, 2);  // no standard: no editor, the entry is still named and shown
  EXPECT_EQ(sheet.SelectedDecodeEntry, 3);
  EXPECT_EQ(sheet.decodeFrameCaption, "Execute after Code 4 Decode Succeeded ");
  sheet.options[1][2].setChecked(true);  // frame 2 CTRL
  sheet.options[2][8].setChecked(true);  // frame 3 digit 5
  EXPECT_EQ(sheet.DecodeOptionBytes[3][2], 4);
  EXPECT_EQ(sheet.DecodeOptionBytes[3][5], 16);
  EXPECT_EQ(sheet.DecodeOptionBytes[0][0], 3);  // entry 1 untouched
  // The encode grid leaves the entry alone; the Decode page shows entry 1.
  editor.encodeRules().clicked(9, 1);
  EXPECT_EQ(sheet.SelectedDecodeEntry, 3);
  editor.decodePageShown();
  EXPECT_EQ(sheet.SelectedDecodeEntry, 0);
  EXPECT_EQ(sheet.decodeFrameCaption, "Execute after Code 1 Decode Succeeded ");
  EXPECT_TRUE(sheet.options[0][0].checked());
  EXPECT_FALSE(sheet.options[1][2].checked());
  // A double click on row 4's number clears its codes, options and boxes.
  sheet.decode.setCell(4, 1, "EIA");
  dec.doubleClicked(4, 0);
  EXPECT_EQ(sheet.decode.cell(4, 1), "");
  EXPECT_EQ(sheet.DecodeOptionBytes[3][2], 0);
  for (int f = 0; f < 3; ++f) EXPECT_EQ(frameBoxes(f), std::vector<bool>(kOptionKinds, false));
}

TEST_F(FiveToneTest, StandardsGridClickChoosesTheStandardShown) {
  grid::GridRules& standards = editor.standardRules();
  standards.clicked(12, 2);
  EXPECT_EQ(sheet.Combo_stxh.text(), "EURO");
  EXPECT_EQ(standards.choices(12, 2).size(), 16u);
  EXPECT_EQ(standards.choices(10, 1).size(), 19u);
  EXPECT_TRUE(standards.commit(10, 1, "60"));
  EXPECT_EQ(sheet.standards.cell(10, 1), "60");
}

TEST_F(FiveToneTest, DefaultResetsItsRowsAndKeepsTheOthers) {
  sheet.encode.setCell(5, 1, "11111");
  sheet.encode.setCell(1, 1, "99999");
  sheet.standards.setCell(3, 1, "200");
  sheet.Combo_Enc_ys1.select(3);
  editor.decodeRules().clicked(7, 1);
  editor.InitFiveTone();
  EXPECT_EQ(sheet.encode.cell(5, 1), "11111");
  EXPECT_EQ(sheet.encode.cell(1, 1), "12345");
  EXPECT_EQ(sheet.standards.cell(3, 1), "70");
  EXPECT_EQ(sheet.Combo_Enc_ys1.text(), "400");
  EXPECT_EQ(sheet.SelectedDecodeEntry, 0);
  EXPECT_EQ(sheet.decodeFrameCaption, "Execute after Code 1 Decode Succeeded ");
}

TEST_F(FiveToneTest, ReplyOptionsEnableWithTheirSwitch) {
  EXPECT_FALSE(sheet.Check_Dec_Bcl.enabled());
  sheet.Check_Dec_back.setChecked(true);
  EXPECT_TRUE(sheet.Check_Dec_Bcl.enabled());
  EXPECT_TRUE(sheet.Combo_Dec_Back_Time.enabled());
  sheet.Check_Dec_Bcl.setChecked(true);
  editor.EncodeFiveTone();
  EXPECT_EQ(row(kActionGroupRow + 15)[1], 1);
  EXPECT_EQ(row(kActionGroupRow + 15)[2], 2);
}

TEST_F(FiveToneTest, StagedSetShownAgainEncodesToTheSameRows) {
  sheet.decode.setCell(6, 1, "ZVEI2");
  sheet.decode.setCell(6, 2, "1A2B3");
  sheet.decode.setCell(6, 3, "5.Emergency");
  sheet.DecodeOptionBytes[5][1] = 9;
  editor.EncodeFiveTone();
  const FiveToneStageTable saved = state.FiveToneImage;
  FiveToneSheet other;
  FiveToneEditor fresh{state, messages, other};
  fresh.load();
  fresh.showStagedSet();
  EXPECT_EQ(other.decode.cell(6, 3), "5.Emergency");
  EXPECT_EQ(other.DecodeOptionBytes[5][1], 9);
  fresh.EncodeFiveTone();
  EXPECT_EQ(state.FiveToneImage, saved);
  EXPECT_EQ(state.MemImage, MemoryImage());
}

}  // namespace
}  // namespace brel::signalling
