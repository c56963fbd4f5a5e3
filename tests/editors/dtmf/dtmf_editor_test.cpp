#include <gtest/gtest.h>

#include "dtmf_fixture.h"
#include "dtmf_editor.h"
#include "dtmf_texts.h"

namespace brel::dtmf {
namespace {

using test::Bytes;
using test::Code;

class DtmfEditorTest : public ::testing::Test {
 protected:
  DtmfEditorTest() : image(state), form(state, messages) {}

  void load() {
    form.FillDtmfCombos();
    form.ShowDtmfSettings();
  }
  // Types ASCII text at the end of a code field, key by key (8 = backspace).
  void typeCode(CodeField f, const std::string& keys) {
    for (char k : keys) {
      if (!form.codeKeyPress(f, static_cast<char32_t>(k))) continue;
      std::string text = form.code(f).text();
      if (k == 8) {
        if (!text.empty()) text.pop_back();
      } else {
        text += k;
      }
      form.code(f).setText(text);
    }
  }
  void typeGroup(int g, const std::string& keys) {
    for (char k : keys) {
      form.groupKeyPress(g, static_cast<char32_t>(k));
      if (static_cast<unsigned char>(k) < 0x20) continue;  // enters nothing
      form.groupTextEdited(g, form.Text_tx_Encode[static_cast<std::size_t>(g)].text() + k);
    }
  }
  std::string group(int g) const { return form.Text_tx_Encode[static_cast<std::size_t>(g)].text(); }

  ProgramState state;
  test::DtmfImage image;
  brel::test::RecordingMessages messages;
  DtmfEditor form;
};

TEST_F(DtmfEditorTest, DefaultsShowAsTheirDigitsAndTheAreaStaysAsItIs) {
  const Bytes before = image.area();
  load();
  EXPECT_EQ(group(0), "20202");
  EXPECT_EQ(group(14), "30303");
  for (int g = 1; g < 14; ++g) EXPECT_EQ(group(g), "") << g;
  const std::pair<CodeField, const char*> codes[] = {
      {CodeField::XC, "222"},    {CodeField::JT, "333"},    {CodeField::BJ, "119"},
      {CodeField::YY, "555"},    {CodeField::YB, "666"},    {CodeField::KJ, "777"},
      {CodeField::MID, "60606"}, {CodeField::SID, "70707"}, {CodeField::Ani, "80808"}};
  for (const auto& [f, text] : codes) EXPECT_EQ(form.code(f).text(), text) << Def(f).control;
  const bool ticked[kFlagBoxCount] = {false, false, false, true, true, true, true, true, true,
                                      true,  true,  false, false, false};
  for (int b = 0; b < kFlagBoxCount; ++b)
    EXPECT_EQ(form.flagBoxes[static_cast<std::size_t>(b)].checked(), ticked[b]) << kFlagBoxes[static_cast<std::size_t>(b)].control;
  EXPECT_TRUE(form.Check_Ctrl_En.checked());
  EXPECT_TRUE(form.code(CodeField::MID).enabled());
  EXPECT_EQ(form.Combo_Enc_ys1.text(), "80");
  EXPECT_EQ(form.Combo_Enc_ys2.text(), "80");
  EXPECT_EQ(form.Combo_Enc_qh.text(), "*");
  EXPECT_EQ(form.Combo_Enc_qh.selectedIndex(), -1);
  EXPECT_EQ(image.area(), before);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DtmfEditorTest, ListsHoldTheTimesAndTheGroupCallCodes) {
  load();
  ASSERT_EQ(form.Combo_Enc_ys1.count(), 196);
  EXPECT_EQ(form.Combo_Enc_ys1.entry(0), "50");
  EXPECT_EQ(form.Combo_Enc_ys2.entry(195), "2000");
  EXPECT_EQ(form.Combo_Enc_qh.entries(), (std::vector<std::string>{"*", "#", "A", "B", "C"}));
  EXPECT_FALSE(form.Combo_Enc_qh.enabled());
}

TEST_F(DtmfEditorTest, ErasedAreaShowsEmptyCodesAllTicksAndTheLastTimes) {
  image.eraseArea();
  load();
  for (int g = 0; g < 15; ++g) EXPECT_EQ(group(g), "");
  for (const auto& field : form.codeFields) EXPECT_EQ(field.text(), "");
  for (const auto& box : form.flagBoxes) EXPECT_TRUE(box.checked());
  EXPECT_TRUE(form.Check_Ctrl_En.checked());
  for (int k = 0; k < kRightsCount; ++k) EXPECT_TRUE(form.box(MasterRight(k)).enabled());
  EXPECT_EQ(form.Combo_Enc_ys1.text(), "2000");
  EXPECT_EQ(form.Combo_Enc_qh.text(), "");
  // Only what the display had to adjust is written back.
  Bytes expected(0x200, 0xFF);
  expected[0x0CB2 - 0x0B00] = 0xC3;
  expected[0x0CB3 - 0x0B00] = 0xC3;
  expected[0x0C9F - 0x0B00] = 1;
  EXPECT_EQ(image.area(), expected);
}

TEST_F(DtmfEditorTest, DisplayWritesBackOnlyWhatItHadToAdjust) {
  image.put(0x0C80, {1, 10, 2, 0xFF, 0xFF});   // a gap: the code closes up
  image.put(0x0C85, {0xFF, 1, 2, 3, 4});       // empty code: its tail is erased
  image.put(0x0B20, {0xFF, 1, 2, 3, 4, 7});    // groups are not rewritten
  image.put(0x0C8F, {0xFD});                   // bits 2..7 are not the editor's
  image.put(0x0C9F, {5});                      // any non-zero is on, stored as 1
  image.put(0x0CB2, {250, 4, 16});             // beyond the list: the last entry
  load();
  EXPECT_EQ(form.code(CodeField::XC).text(), "12");
  EXPECT_EQ(image.bytes(0x0C80, 5), Code({1, 2}));
  EXPECT_EQ(image.bytes(0x0C85, 5), Code({}));
  EXPECT_EQ(group(2), "");
  EXPECT_EQ(image.bytes(0x0B20, 6), (Bytes{0xFF, 1, 2, 3, 4, 7}));
  EXPECT_EQ(image.byte(0x0C8F), 0xFD);
  EXPECT_EQ(image.byte(0x0C9F), 1);
  EXPECT_EQ(image.bytes(0x0CB2, 3), (Bytes{195, 4, 16}));
  // The group-call field shows a code its list lacks, and stores nothing.
  EXPECT_EQ(form.Combo_Enc_qh.text(), "D");
  image.put(0x0CB4, {7});
  form.ShowDtmfSettings();
  EXPECT_EQ(form.Combo_Enc_qh.text(), "7");
  EXPECT_EQ(image.byte(0x0CB4), 7);
}

TEST_F(DtmfEditorTest, BoxesChangeOnlyTheirOwnBit) {
  image.put(0x0C8F, {0xFC});
  image.put(0x0CAF, {0xFE});
  image.put(0x0CB0, {0xFF, 0xE3});
  load();
  form.box(MasterRight(2)).setChecked(false);
  form.box(FlagBox::RX).setChecked(true);
  form.box(FlagBox::PttS).setChecked(false);
  form.box(ViceRight(4)).setChecked(true);
  EXPECT_EQ(image.bytes(0x0C8F, 1), (Bytes{0xFD}));
  EXPECT_EQ(image.byte(0x0CAF), 0xFC);
  EXPECT_EQ(image.bytes(0x0CB0, 2), (Bytes{0xFB, 0xF3}));
  form.Combo_Enc_ys2.select(10);
  EXPECT_EQ(image.byte(0x0CB3), 10);
}

TEST_F(DtmfEditorTest, ControlSwitchEnablesTheIdentitiesAndTheirRights) {
  load();
  form.Check_Ctrl_En.setChecked(false);
  EXPECT_EQ(image.byte(0x0C9F), 0);
  EXPECT_FALSE(form.code(CodeField::MID).enabled());
  EXPECT_FALSE(form.code(CodeField::SID).enabled());
  for (int k = 0; k < kRightsCount; ++k) {
    EXPECT_FALSE(form.box(MasterRight(k)).enabled());
    EXPECT_FALSE(form.box(ViceRight(k)).enabled());
  }
  EXPECT_TRUE(form.code(CodeField::Ani).enabled());
  form.Check_Ctrl_En.setChecked(true);
  EXPECT_EQ(image.byte(0x0C9F), 1);
  EXPECT_TRUE(form.box(ViceRight(4)).enabled());
}

TEST_F(DtmfEditorTest, SixthDigitIsDroppedExceptInTheOwnIdentity) {
  load();
  form.code(CodeField::XC).setText("");
  typeCode(CodeField::XC, "123456");
  EXPECT_EQ(form.code(CodeField::XC).text(), "12345");
  EXPECT_EQ(image.bytes(0x0C80, 5), (Bytes{1, 2, 3, 4, 5}));

  form.code(CodeField::Ani).setText("");
  typeCode(CodeField::Ani, "123456");
  EXPECT_EQ(form.code(CodeField::Ani).text(), "6");
  EXPECT_EQ(image.bytes(0x0CAA, 5), Code({6}));
}

TEST_F(DtmfEditorTest, RefusedKeysLeaveTheFieldAsItIs) {
  load();
  // Letters, symbols and blanks are dropped; a full own identity is not
  // emptied by a key that is not entered.
  typeCode(CodeField::Ani, "a *#A\r");
  EXPECT_EQ(form.code(CodeField::Ani).text(), "80808");
  typeCode(CodeField::JT, "*#A 9");
  EXPECT_EQ(form.code(CodeField::JT).text(), "3339");
  // Backspace works in a full field.
  typeCode(CodeField::Ani, "\b\b");
  EXPECT_EQ(form.code(CodeField::Ani).text(), "808");
  EXPECT_EQ(image.bytes(0x0CAA, 5), Code({8, 0, 8}));
}

struct LeaveCase {
  const char* pasted;
  Bytes storedWhilePasted;
  const char* message;  // English text, "" for none
  bool focusBack;
  const char* textAfter;
};

TEST_F(DtmfEditorTest, LeavingACodeFieldChecksItsTextInEveryField) {
  const LeaveCase cases[] = {
      {"12A*#", {1, 2, 13, 11, 12}, "", false, "12A*#"},
      {"345", Code({3, 4, 5}), "", false, "345"},
      {"12", Code({1, 2}), " The Group Digits range is 3 - 5 Bits.", true, "12"},
      {"123456", {1, 2, 3, 4, 5}, "Group Digits Max 5 Bits.", true, ""},
      {"12a", Code({1, 2, 13}), "Groupdigits only by 0 to 9 and* # A B C D.", true, ""},
      {" 123", Code({1, 2, 3}), "Groupdigits only by 0 to 9 and* # A B C D.", true, ""},
      {"1 23", Code({1, 0xFF, 2, 3}), "Groupdigits only by 0 to 9 and* # A B C D.", true, ""},
      {"", Code({}), "", false, ""},  // no code: left without a word
  };
  load();
  for (int fi = 0; fi < kCodeFieldCount; ++fi) {
    const CodeField f = static_cast<CodeField>(fi);
    const int address = Def(f).address;
    for (const LeaveCase& c : cases) {
      SCOPED_TRACE(std::string(Def(f).control) + " \"" + c.pasted + "\"");
      form.code(f).setText("999");
      const Bytes neighbours = image.bytes(address - 5, 15);
      messages.shown.clear();
      form.code(f).setText(c.pasted);
      EXPECT_EQ(image.bytes(address, 5), c.storedWhilePasted);
      EXPECT_EQ(form.leaveCode(f), c.focusBack);
      EXPECT_EQ(form.code(f).text(), c.textAfter);
      if (std::string(c.textAfter).empty()) {
        EXPECT_EQ(image.bytes(address, 5), Code({}));
      }
      if (std::string(c.message).empty()) {
        EXPECT_TRUE(messages.shown.empty());
      } else {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].title,
                  std::string(c.message) == kRangeText.en ? "Operate Prompt" : "Operate Prompt\"");
      }
      // Neither the flag byte between the codes nor another field changes.
      Bytes after = image.bytes(address - 5, 15);
      for (int k = 5; k < 10; ++k) after[static_cast<std::size_t>(k)] = neighbours[static_cast<std::size_t>(k)];
      EXPECT_EQ(after, neighbours);
    }
  }
}

TEST_F(DtmfEditorTest, ChineseTitlesAndTextsFollowTheLanguage) {
  state.LanguageFlag = -1;
  load();
  form.code(CodeField::XC).setText("12a");
  form.leaveCode(CodeField::XC);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "操作提示");
  EXPECT_EQ(messages.shown[0].text, "码组字符只能是 0 - 9 或 * # A B C D  ！");
}

TEST_F(DtmfEditorTest, GroupStoresItsRowWhenLeftAndShowsWhatItStored) {
  load();
  typeGroup(2, "1a#");
  EXPECT_EQ(image.bytes(0x0B20, 16), Bytes(16, 0xFF));  // nothing before leaving
  form.leaveGroup(2);
  Bytes row(16, 0xFF);
  row[0] = 1, row[1] = 13, row[2] = 12;
  EXPECT_EQ(image.bytes(0x0B20, 16), row);
  EXPECT_EQ(group(2), "1A#");

  form.groupTextEdited(2, "x1234");
  form.leaveGroup(2);
  EXPECT_EQ(image.bytes(0x0B20, 5), (Bytes{0xFF, 1, 2, 3, 4}));
  EXPECT_EQ(group(2), "");
  // Committing again after the leave does not erase what it stored.
  form.commitPendingEdit();
  EXPECT_EQ(image.bytes(0x0B20, 5), (Bytes{0xFF, 1, 2, 3, 4}));
}

TEST_F(DtmfEditorTest, PassingThroughAGroupRewritesItsRow) {
  image.put(0x0B30, {1, 0xFF, 3, 0xFF, 0xFF, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7});
  load();
  EXPECT_EQ(group(3), "13");
  // Nothing typed: a commit leaves the row alone, leaving the group does not.
  form.commitPendingEdit();
  EXPECT_EQ(image.bytes(0x0B30, 6), (Bytes{1, 0xFF, 3, 0xFF, 0xFF, 7}));
  form.leaveGroup(3);
  EXPECT_EQ(image.bytes(0x0B30, 16), (Bytes{1, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                            0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(form.pendingGroup(), -1);
  form.groupTextEdited(3, "");
  form.leaveGroup(3);
  EXPECT_EQ(image.bytes(0x0B30, 16), Bytes(16, 0xFF));
}

TEST_F(DtmfEditorTest, FullGroupStartsAnewOnlyForAKeyThatEntersACharacter) {
  load();
  typeGroup(0, "\r\x1b\x03\x01");  // Enter, Esc, Ctrl+C, Ctrl+A
  EXPECT_EQ(group(0), "20202");
  typeGroup(0, "\b");
  EXPECT_EQ(group(0), "20202");  // backspace itself is the line edit's business
  typeGroup(0, "x");
  EXPECT_EQ(group(0), "x");
  typeGroup(0, "1234y");
  EXPECT_EQ(group(0), "y");
  EXPECT_EQ(form.pendingGroup(), 0);
}

}  // namespace
}  // namespace brel::dtmf
