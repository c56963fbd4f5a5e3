// The VFO records: band choice, frequency commit, tones, offsets and the
// packed fields, and how the display rewrites them.
#include "address_map.h"
#include "frequency_codec.h"
#include "option_fixture.h"
#include "prewrite_checks.h"
#include "option_texts.h"
#include "vfo_record.h"

namespace brel::options::test {
namespace {

constexpr int kA = 0x0F00;

TEST_F(OptionEditorTest, AnErasedVfoARecordIsRewrittenAsItIsShown) {
  for (int i = 0; i < 32; ++i) state.MemImage.byte(kA + i) = 0xFF;
  open();
  EXPECT_EQ(Row(state, 240), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 4, 0, 0, 0, 2, 5, 0, 0}));
  EXPECT_EQ(Row(state, 241),
            (std::vector<int>{0, 9, 9, 9, 5, 0, 0, 0, 0, 0, 1, 0xFF, 0x2E, 0x21, 0x5F, 0xFF}));
  EXPECT_EQ(state.VfoALower, 400);
  EXPECT_EQ(state.VfoAUpper, 480);
  EXPECT_EQ(form.vfoA().freq.text(), "400.02500");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionEditorTest, FrequencyCommitKeepsRasterValuesAndRoundsTheRest) {
  open();
  OptionEditor::Vfo& a = form.vfoA();
  struct Case {
    const char* typed;
    const char* shown;
    bool message;
  };
  const Case cases[] = {
      {"145.5", "145.50000", false},    {"136.005", "136.00500", false},  {"145.0123", "145.01225", false},
      {"136.0256", "136.02600", false}, {"136.9996", "137.00000", false}, {"175", "175.00000", false},
      {"145.00625", "145.00625", false}, {"145.0125", "145.01250", false}, {"136.01875", "136.01875", false},
      {"175.001", "174.62500", true},   {"", "136.02500", true},          {"100", "136.02500", true},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    a.freq.setText(c.typed);
    form.FrequencyLostFocus(a);
    EXPECT_EQ(a.freq.text(), c.shown) << c.typed;
    std::string digits;
    for (int i = 8; i < 16; ++i) digits += static_cast<char>('0' + byte(kA + i));
    std::string expected = c.shown;
    expected.erase(3, 1);
    EXPECT_EQ(digits, expected) << c.typed;
    if (c.message) {
      ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
      EXPECT_EQ(messages.shown[0].text, "当前工作频率超出范围 ！");
      EXPECT_EQ(messages.shown[0].title, "操作提示");
    } else {
      EXPECT_TRUE(messages.shown.empty()) << c.typed;
    }
  }
}

TEST_F(OptionEditorTest, BandChoiceSetsLimitsRangeAndReplacesAnOutOfBandFrequency) {
  open();
  OptionEditor::Vfo& a = form.vfoA();
  a.freq.setText("430.00000");
  form.list("Combo_Band_A").select(1);  // to UHF: 430 passes
  EXPECT_EQ(a.freq.text(), "430.00000");
  EXPECT_EQ(a.range.text(), "400 - 479.9950");

  a.freq.setText("430.00000");
  a.band.select(0);
  EXPECT_EQ(a.freq.text(), "136.02500");
  EXPECT_EQ(a.range.text(), "136 - 174.9950");
  EXPECT_EQ(byte(kA + 26), 0);
  EXPECT_EQ(state.VfoALower, 136);
  EXPECT_EQ(state.VfoAUpper, 175);
  EXPECT_TRUE(messages.shown.empty());

  // Whole MHz 174 is inside VHF; 175 is not.
  a.freq.setText("174.99500");
  a.band.select(1);
  a.freq.setText("174.99500");
  a.band.select(0);
  EXPECT_EQ(a.freq.text(), "174.99500");

  // An emptied band text picks VHF.
  form.vfoB().band.setEditText("");
  EXPECT_EQ(form.vfoB().band.selectedIndex(), 0);
  EXPECT_EQ(state.VfoBLower, 136);
}

TEST_F(OptionEditorTest, ToneChoicesStoreToneCodes) {
  open();
  PlainList& rx = form.vfoA().rxTone;
  struct Case {
    int entry;
    int lo, hi;
  };
  for (const Case& c : {Case{71, 0x9E, 0x02}, Case{1942, 0xED, 0x09}, Case{401, 0xE8, 0x03}, Case{2001, 0x01, 0},
                        Case{0, 0, 0}}) {
    rx.select(c.entry);
    EXPECT_EQ(byte(kA + 22), c.lo) << rx.text();
    EXPECT_EQ(byte(kA + 23), c.hi) << rx.text();
  }
  EXPECT_EQ(rx.entries()[1942], "254.1");
}

TEST_F(OptionEditorTest, StoredTonesAreShownByTheirKind) {
  struct Case {
    int lo, hi;
    int entry;         // -1: shown as text
    const char* text;  // the edit field
    int storedLo, storedHi;
  };
  const Case cases[] = {
      {0x10, 0xFF, 0, "OFF", 0, 0},  {0, 0, 0, "OFF", 0, 0},          {1, 0, 2001, "D023N", 1, 0},
      {211, 0, 0, "OFF", 0, 0},      {0x75, 0x03, -1, "88.5", 0x75, 0x03}, {0xE8, 0x03, -1, "100.0", 0xE8, 0x03},
  };
  for (const Case& c : cases) {
    StartUpState(state);
    PutBytes(state, kA + 24, {c.lo, c.hi});
    open();
    PlainList& tx = form.vfoA().txTone;
    EXPECT_EQ(tx.selectedIndex(), c.entry) << c.text;
    EXPECT_EQ(tx.text(), c.text);
    EXPECT_EQ(byte(kA + 24), c.storedLo) << c.text;
    EXPECT_EQ(byte(kA + 25), c.storedHi) << c.text;
  }
}

TEST_F(OptionEditorTest, TypedTonesAreTakenOnlyWhenTheyNameAnEntry) {
  PutBytes(state, kA + 22, {0x9E, 0x02});
  open();
  PlainList& rx = form.vfoA().rxTone;
  std::string typed;
  for (char c : std::string("d023n")) typed += ToneKey(c);
  EXPECT_EQ(typed, "D023N");
  EXPECT_EQ(ToneKey('\b'), 0);
  EXPECT_EQ(ToneKey('x'), 0);

  struct Case {
    const char* text;
    int lo, hi;
  };
  for (const Case& c : {Case{"100", 0xE8, 0x03}, Case{"D023N", 1, 0}, Case{"067.00", 0x9E, 0x02}, Case{"67.05", 0x9E, 0x02},
                        Case{"023", 0x9E, 0x02}, Case{"", 0x9E, 0x02}}) {
    PutBytes(state, kA + 22, {0x9E, 0x02});
    form.RefreshOptionForm();
    rx.setEditText(c.text);
    form.ToneLostFocus(rx);
    EXPECT_EQ(byte(kA + 22), c.lo) << c.text;
    EXPECT_EQ(byte(kA + 23), c.hi) << c.text;
  }
  EXPECT_EQ(rx.text(), "67.0") << "an unknown text shows the stored tone again";
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionEditorTest, OffsetsAndPackedFieldsKeepTheBitsTheyDoNotOwn) {
  PutBytes(state, kA + 16, {0, 0, 5, 0, 0, 0});
  open();
  OptionEditor::Vfo& a = form.vfoA();
  EXPECT_EQ(a.offset.selectedIndex(), 100);
  a.offset.select(1999);
  EXPECT_EQ(Row(state, 241)[0], 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(byte(kA + 16 + i), (std::vector<int>{0, 9, 9, 9, 5, 0})[i]);

  struct Case {
    const Field& field;
    int before;
    int index;
    int after;
  };
  const Case cases[] = {
      {vfo::kSignalCode, 0x20, 14, 0x2E},
      {vfo::kShift, 0x0E, 1, 0x1E},
      {vfo::kStep, 0x53, 2, 0x23},  // keeps the low nibble
      {vfo::kPower, 0x40, 1, 0xC0},
      {vfo::kWidth, 0xC0, 0, 0x80},
  };
  for (const Case& c : cases) {
    const Field& f = c.field;
    PutBytes(state, kA + f.offset, {c.before});
    form.RefreshOptionForm();
    a.list(f).select(c.index);
    EXPECT_EQ(byte(kA + f.offset), c.after) << f.name;
  }
}

TEST(OptionKeys, RasterTextOfNumbersNoFieldCanHoldIsDefined) {
  EXPECT_EQ(RasterFrequencyText("1e300"), "0.00000");
  EXPECT_EQ(RasterFrequencyText("-5"), "0.00000");
}

TEST(OptionKeys, FrequencyFieldTakesDigitsAndAPoint) {
  struct Case {
    const char* field;
    char typed;
    char result;
  };
  const Case cases[] = {{"", '.', 0},         {"  ", '.', 0},       {"1", '.', '.'},      {"", '\b', '\b'},
                        {"145", 'a', 0},      {"145.0000", '1', '1'}, {"145.00000", '1', 0}, {"145.", '.', '.'}};
  for (const Case& c : cases) EXPECT_EQ(FrequencyKey(c.field, c.typed), c.result) << c.field << " + " << c.typed;
}

TEST_F(OptionEditorTest, AFrequencyTextLongerThanNineCharactersIsEmptied) {
  open();
  form.vfoB().freq.setText("1234567890");
  EXPECT_EQ(messages.lastText(), "Over the range of  frequency .");
  EXPECT_EQ(messages.shown.back().title, "Operate prompt");
  EXPECT_EQ(form.vfoB().freq.text(), "");
}

TEST_F(OptionEditorTest, BandsChosenInEitherOrderLetThePreWriteCheckPassChannelsInBothBands) {
  PutBytes(state, kA + 26, {1});                             // VFO A on UHF
  PutBytes(state, 0x0F20 + 26, {0});                         // VFO B on VHF
  StoreFrequency(state.MemImage, "145.5", addr::ChannelRecordRow(1), addr::kRxFreqCol);
  StoreFrequency(state.MemImage, "435", addr::ChannelRecordRow(2), addr::kRxFreqCol);
  open();
  EXPECT_EQ(state.VfoALower, 400);
  EXPECT_EQ(state.VfoBUpper, 175);
  EXPECT_EQ(FindOutOfBandChannel(state), 255);
  StoreFrequency(state.MemImage, "300", addr::ChannelRecordRow(2), addr::kRxFreqCol);
  EXPECT_EQ(FindOutOfBandChannel(state), 1);
}

}  // namespace
}  // namespace brel::options::test
