#include "adj_fields.h"

#include <gtest/gtest.h>

#include "adj_texts.h"
#include "radio_charset.h"
#include "test_doubles.h"

namespace brel::adj {
namespace {

class AdjFieldsTest : public ::testing::Test {
 protected:
  AdjFieldsTest() {
    BuildAdjDefaults(state, test::FixedClock({2026, 12, 10, 9, 30, 0}));
    for (int r = 0; r < 16; ++r)
      for (int c = 0; c < 16; ++c) state.AdjImage.at(r, c) = state.AdjDefaults.at(r, c);
    editor.load();
  }
  void fillRow(int row, std::initializer_list<int> bytes, int from = 0) {
    for (int b : bytes) state.AdjImage.at(row, from++) = static_cast<std::int16_t>(b);
  }
  std::vector<int> row(int r, int from, int to) const {
    std::vector<int> out;
    for (int c = from; c <= to; ++c) out.push_back(state.AdjImage.at(r, c));
    return out;
  }
  using Texts = std::array<std::array<std::string, 2>, 2>;

  ProgramState state;
  test::RecordingMessages messages;
  AdjEditor editor{state, messages};
};

TEST_F(AdjFieldsTest, NumberBoxesStoreWholeBytesAndFallBackToTheDefault) {
  struct Case {
    const char* text;
    bool refused;
    int stored;  // when accepted
  };
  const Case cases[] = {{"", false, 0},     {"   ", false, 0}, {"007", false, 7}, {" 255 ", false, 255},
                        {"256", true, 0},   {"-1", true, 0},   {"1a", true, 0},  {"99999999999999999999", true, 0},
                        {"1 2", true, 0},   {"12.0", true, 0}};
  editor.AdjPage = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    messages.shown.clear();
    state.AdjImage.at(7, 3) = 77;
    const auto reset = editor.numberEdited(NumberSet::SqOffsetVhf, 3, c.text);
    const int fallback = state.AdjDefaults.at(7, 3);
    if (c.refused) {
      ASSERT_TRUE(reset.has_value());
      EXPECT_EQ(*reset, std::to_string(fallback));
      EXPECT_EQ(state.AdjImage.at(7, 3), fallback);
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, kNumberRangeText);
      EXPECT_EQ(messages.shown[0].title, "操作提示");
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
    } else {
      EXPECT_FALSE(reset.has_value());
      EXPECT_EQ(state.AdjImage.at(7, 3), c.stored);
      EXPECT_TRUE(messages.shown.empty());
    }
  }
}

TEST_F(AdjFieldsTest, PowerBoxesFollowThePage) {
  editor.AdjPage = 1;
  state.AdjImage.at(5, 4) = 9;
  EXPECT_TRUE(editor.numberEdited(NumberSet::Text2, 20, "x").has_value());
  EXPECT_EQ(state.AdjImage.at(5, 4), state.AdjDefaults.at(5, 4));
  editor.AdjPage = 0;
  editor.numberEdited(NumberSet::Text2, 20, "12");
  EXPECT_EQ(state.AdjImage.at(2, 4), 12);
  editor.numberEdited(NumberSet::Text1, 13, "200");
  EXPECT_EQ(state.AdjImage.at(0, 13), 200);
  // A squelch box is not on the power pages.
  state.AdjImage.at(6, 0) = 5;
  editor.numberEdited(NumberSet::SqVhf, 0, "9");
  EXPECT_EQ(state.AdjImage.at(6, 0), 5);
}

TEST_F(AdjFieldsTest, ListsShowTheirFieldAndStoreOnlyItsBits) {
  for (ListSet set : kListSets)
    for (int k = 0; k < ListSetSize(set); ++k) StoreListChoice(state.AdjImage, set, k, 0);
  for (int c = 0; c < 10; ++c) state.AdjImage.at(10, c) = state.AdjDefaults.at(10, c);
  fillRow(10, {60, 22, 13, 0x5A, 2, 0x81}, 10);  // hpf has only bit 0
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::DevVoice, 0).entry, 60);
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::DevVoice, 0).text, " 60");
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::RxVh, 0).entry, 5);
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::RxVl, 0).entry, 10);
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::CkBw, 0).entry, 5);
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::Hpf, 0).text, "ON");
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::Pre, 0).text, "OFF");
  EXPECT_EQ(state.AdjImage.at(10, 15), 0x81);

  editor.listChosen(ListSet::RxVh, 0, 9);
  EXPECT_EQ(state.AdjImage.at(10, 13), 0x9A);
  editor.listChosen(ListSet::Hpf, 0, 1);
  EXPECT_EQ(state.AdjImage.at(10, 15), 0x83);
  editor.listChosen(ListSet::Lpf, 0, 1);
  editor.listChosen(ListSet::Pre, 0, 1);
  EXPECT_EQ(state.AdjImage.at(10, 15), 0xBB);
  editor.listChosen(ListSet::Hpf, 0, 0);
  EXPECT_EQ(state.AdjImage.at(10, 15), 0xB8);

  fillRow(11, {0, 0x44}, 14);
  editor.listChosen(ListSet::CkBw, 1, 5);
  EXPECT_EQ(row(11, 14, 15), (std::vector<int>{2, 0xC4}));
  editor.listChosen(ListSet::CkBw, 1, 4);
  EXPECT_EQ(row(11, 14, 15), (std::vector<int>{2, 0x44}));
  editor.listChosen(ListSet::Batt, 3, 31);
  EXPECT_EQ(state.AdjImage.at(12, 14), 31);
  // Columns 0..9 of the deviation rows are never written.
  for (int c = 0; c < 10; ++c) EXPECT_EQ(state.AdjImage.at(10, c), state.AdjDefaults.at(10, c)) << c;
}

TEST_F(AdjFieldsTest, AValueBeyondItsListShowsAsTextAndSelectsNothing) {
  for (int c = 10; c < 16; ++c) state.AdjImage.at(11, c) = 0xFF;
  struct Case {
    ListSet set;
    const char* text;
  };
  for (const Case& c : {Case{ListSet::DevVoice, "255"}, Case{ListSet::DevCtcss, "255"},
                        Case{ListSet::CkBw, "511"}}) {
    const ListShown shown = ShowList(state.AdjImage, c.set, 1);
    EXPECT_EQ(shown.entry, -1);
    EXPECT_EQ(shown.text, c.text);
  }
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::RxVh, 1).entry, 15);
  // The battery boxes show their number without the entries' leading blank.
  state.AdjImage.at(12, 11) = 5;
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::Batt, 0).text, "5");
  EXPECT_EQ(ShowList(state.AdjImage, ListSet::Batt, 0).entry, -1);
  EXPECT_EQ(ListEntries(ListSet::Batt).back(), " 31");
}

TEST_F(AdjFieldsTest, BandLimitsAreCheckedAgainstTheBandAndEachOther) {
  struct Case {
    const char* name;
    int band;
    bool upper;
    Texts texts;
    const Bilingual* message;  // nullptr: accepted
    const char* reset;
  };
  const Case cases[] = {
      {"whole band", 0, false, {{{"136", "174"}, {"400", "520"}}}, nullptr, ""},
      {"lower below band", 0, false, {{{"135", "174"}, {"400", "520"}}}, &kLowerBelowBandText, "136"},
      {"upper above band", 0, true, {{{"136", "175"}, {"400", "520"}}}, &kUpperAboveBandText, "174"},
      {"lower above upper", 0, false, {{{"150", "140"}, {"400", "520"}}}, &kLowerAboveUpperText, "136"},
      {"upper below lower", 0, true, {{{"150", "140"}, {"400", "520"}}}, &kUpperBelowLowerText, "174"},
      {"four digits", 0, false, {{{"1360", "174"}, {"400", "520"}}}, &kLowerAboveUpperText, "136"},
      {"emptied lower", 0, false, {{{"", "174"}, {"400", "520"}}}, &kLowerBelowBandText, "136"},
      {"no exponent", 0, false, {{{"1.36e2", "174"}, {"400", "520"}}}, &kLowerBelowBandText, "136"},
      {"emptied upper", 0, true, {{{"136", ""}, {"400", "520"}}}, &kUpperBelowLowerText, "174"},
      {"band 1 upper", 1, true, {{{"136", "174"}, {"400", "521"}}}, &kUpperAboveBandText, "520"},
      {"equal limits", 1, false, {{{"136", "174"}, {"450", "450"}}}, nullptr, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    messages.shown.clear();
    fillRow(12, {1, 0x11, 0x11, 0x11, 0x11, 1, 0x22, 0x22, 0x22, 0x22});
    const auto before = state.AdjImage;
    const auto out = editor.bandLimitLeft(c.band, c.upper, c.texts);
    if (c.message) {
      EXPECT_FALSE(out.accepted);
      EXPECT_EQ(out.resetText, c.reset);
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text, c.message->en);
      EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
      EXPECT_EQ(state.AdjImage, before);
    } else {
      EXPECT_TRUE(out.accepted);
      EXPECT_TRUE(messages.shown.empty());
    }
  }
  EXPECT_EQ(row(12, 1, 9), (std::vector<int>{1, 0x36, 1, 0x74, 1, 4, 0x50, 4, 0x50}));
}

TEST_F(AdjFieldsTest, BandLimitsStoreTheAcceptedNumber) {
  fillRow(12, {1, 0x11, 0x11, 0x11, 0x11, 1, 0x22, 0x22, 0x22, 0x22});
  editor.bandLimitLeft(0, false, Texts{{{" 0136", "174.9"}, {"151515", "520"}}});
  // 0136 is 136 MHz; 174.9 is taken as whole MHz; 151515 is no limit and
  // leaves its bytes.
  EXPECT_EQ(row(12, 0, 10), (std::vector<int>{1, 1, 0x36, 1, 0x74, 1, 0x22, 0x22, 5, 0x20, 0}));
  EXPECT_EQ(ShowBandLimit(state.AdjImage, 0, false), "136");
  EXPECT_EQ(ShowBandLimit(state.AdjImage, 1, true), "520");
}

TEST_F(AdjFieldsTest, SingleBandVariantCopiesBandZeroIntoBandOne) {
  editor.applyBandVariant(2);
  const auto out = editor.bandLimitLeft(0, true, Texts{{{"140", "170"}, {"400", "520"}}});
  EXPECT_TRUE(out.copyToBand1);
  EXPECT_EQ(row(12, 1, 4), row(12, 6, 9));
  EXPECT_EQ(row(12, 1, 4), (std::vector<int>{1, 0x40, 1, 0x70}));
}

TEST_F(AdjFieldsTest, VariantsWriteTheirRangesOnlyWhenChosen) {
  fillRow(12, {7, 9, 9, 9, 9, 7, 9, 9, 9, 9, 5, 1, 2, 3, 4, 5});
  state.AdjBandVariant = 1;
  editor.load();
  EXPECT_EQ(editor.AdjBandLower, (std::array<int, 2>{136, 200}));
  EXPECT_EQ(editor.AdjBandUpper, (std::array<int, 2>{174, 260}));
  EXPECT_EQ(row(12, 0, 15), (std::vector<int>{7, 9, 9, 9, 9, 7, 9, 9, 9, 9, 5, 1, 2, 3, 4, 5}));

  struct Case {
    int variant;
    std::vector<int> range;
  };
  const Case cases[] = {{0, {1, 0x36, 1, 0x74, 4, 0x00, 5, 0x20}},
                        {1, {1, 0x36, 1, 0x74, 2, 0x40, 2, 0x50}},
                        {3, {2, 0x40, 2, 0x50, 2, 0x40, 2, 0x50}}};
  for (const Case& c : cases) {
    editor.applyBandVariant(c.variant);
    EXPECT_EQ(state.AdjBandVariant, c.variant);
    std::vector<int> range = row(12, 1, 4);
    for (int v : row(12, 6, 9)) range.push_back(v);
    EXPECT_EQ(range, c.range);
    EXPECT_EQ(state.AdjImage.at(12, 0), 7);
    EXPECT_EQ(state.AdjImage.at(12, 5), 7);
    EXPECT_EQ(row(12, 10, 15), (std::vector<int>{5, 1, 2, 3, 4, 5}));
  }
}

TEST_F(AdjFieldsTest, VariantLabels) {
  const AdjVariant& v0 = AdjVariantTable[0];
  EXPECT_EQ(Band0PointLabel(v0, 0), "136MHZ");
  EXPECT_EQ(Band0PointLabel(v0, 12), "172MHZ");
  EXPECT_EQ(Band0PointLabel(v0, 13), "174MHZ");
  for (int i = 0; i < 14; ++i) EXPECT_EQ(Band0PointMarked(v0, i), i == 13) << i;
  EXPECT_EQ(Band1PointLabel(v0, 24), "520MHZ");
  const AdjVariant& v1 = AdjVariantTable[1];
  EXPECT_EQ(v1.band1PowerPoints, 13);
  EXPECT_EQ(Band1PointLabel(v1, 12), "260MHZ");
  EXPECT_EQ(v1.band1CompPoints, 7);
  EXPECT_EQ(SqlOffsetUhfLabel(v1, 6), "260");
  EXPECT_EQ(SqlOffsetUhfLabel(v0, 12), "520");
  EXPECT_EQ(SqlOffsetVhfLabel(9), "175");
  EXPECT_EQ(std::string(AdjVariantTable[4].labelF0), "UHF1                     400 - 520");
}

TEST_F(AdjFieldsTest, TextsAreCentredOrLeftAlignedInTheRadioCharacterSet) {
  struct Case {
    TextField field;
    const char* typed;
    int row, from;
    std::vector<int> cells;
  };
  const Case cases[] = {
      {TextField::PonU, "AB", 13, 0, {32, 32, 65, 66, 32, 32, 32}},
      {TextField::PonD, "abcdefgh", 13, 7, {65, 66, 67, 68, 69, 70, 71}},
      {TextField::PonU, "abc", 13, 0, {32, 32, 65, 66, 67, 32, 32}},
      {TextField::Info1, " x*y ", 14, 7, {32, 32, 88, 11, 89, 32, 32}},
      {TextField::Info0, "", 14, 0, {32, 32, 32, 32, 32, 32, 32}},
      {TextField::PasswordUser, "12345", 15, 0, {49, 50, 51, 52, 53, 32}},
      {TextField::PasswordSuper, "abcdefg", 15, 6, {65, 66, 67, 68, 69, 70}},
      {TextField::PonU, "中A", 13, 0, {32, 32, 11, 65, 32, 32, 32}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto before = state.AdjImage;
    editor.textEdited(c.field, c.typed);
    EXPECT_EQ(row(c.row, c.from, c.from + static_cast<int>(c.cells.size()) - 1), c.cells);
    // Nothing outside the field changes.
    auto expected = before;
    for (std::size_t j = 0; j < c.cells.size(); ++j)
      expected.at(c.row, c.from + static_cast<int>(j)) = static_cast<std::int16_t>(c.cells[j]);
    EXPECT_EQ(state.AdjImage, expected);
  }
  const auto before = state.AdjImage;
  editor.textEdited(TextField::SoftVer, "ABC");
  EXPECT_EQ(state.AdjImage, before);
}

TEST_F(AdjFieldsTest, TextsShowWithoutLeadingAndInnerBlanks) {
  fillRow(13, {32, 65, 66, 32, 67, 68, 32, 32, 32, 32, 32, 32, 32, 90});
  fillRow(14, {32, 11, 49, 32, 32, 32, 32, 32, 11, 65, 32, 32, 32, 32});
  EXPECT_EQ(ShowText(state.AdjImage, TextField::PonU), "ABCD ");
  EXPECT_EQ(ShowText(state.AdjImage, TextField::PonD), "Z");
  // A blank in the last cell stays; a byte outside the set shows as nothing,
  // except in the second factory box, which shows the byte's own character.
  EXPECT_EQ(ShowText(state.AdjImage, TextField::Info0), "1 ");
  EXPECT_EQ(ShowText(state.AdjImage, TextField::Info1), "\x0B" "A ");
}

TEST_F(AdjFieldsTest, KeyLimitsSeeTheTrimmedText) {
  struct Case {
    TextField field;
    const char* current;
    char32_t key;
    bool accepted;
  };
  const Case cases[] = {
      {TextField::PonU, "ABCDEFG", U'H', true},       {TextField::PonU, "ABCDEFGH", U'I', false},
      {TextField::PonU, "ABCDEFGH", kBackspace, false}, {TextField::PonU, "  ABC  ", U'D', true},
      {TextField::PasswordUser, "123456", U'7', true},  {TextField::PasswordUser, "1234567", kBackspace, false},
      {TextField::Info0, "12", U'A', false},            {TextField::Info0, "12", kBackspace, false},
      {TextField::Info0, "12", U'3', true},             {TextField::Info1, "12", U'a', true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    EXPECT_EQ(TextKeyAccepted(c.field, c.current, c.key), c.accepted);
  }
  EXPECT_TRUE(BandKeyAccepted(" 136 "));
  EXPECT_FALSE(BandKeyAccepted("1360"));
}

TEST_F(AdjFieldsTest, CheckBoxes) {
  state.AdjImage.at(12, 10) = 5;
  state.AdjImage.at(12, 5) = 0;
  EXPECT_TRUE(ShowCheck480(state.AdjImage));
  EXPECT_FALSE(ShowCheckTx(state.AdjImage, 1));
  editor.check480Clicked(true);
  EXPECT_EQ(state.AdjImage.at(12, 10), 1);
  editor.check480Clicked(false);
  EXPECT_EQ(state.AdjImage.at(12, 10), 0);
}

TEST_F(AdjFieldsTest, DefaultReplacesRowsZeroToFifteenOnly) {
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 16; ++c) state.AdjImage.at(r, c) = 3;
  editor.loadDefaults();
  for (int c = 0; c < 16; ++c) {
    EXPECT_EQ(state.AdjImage.at(15, c), state.AdjDefaults.at(15, c));
    EXPECT_EQ(state.AdjImage.at(19, c), 3);
  }
}

}  // namespace
}  // namespace brel::adj
