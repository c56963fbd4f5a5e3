// Lists and defaults, and the display and collection of the settings block
// and the VFO records.
#include <map>

#include "legacy_options_fixture.h"

namespace brel::legacy_options::test {
namespace {

using Texts = std::map<std::string, std::string>;

// What loading shows in English with the start-up limits 136-174 MHz.
const Texts kEnglishDefaults = {
    {"Text_Freq_a", "136.02500"},     {"Text_Freq_b", "173.62500"},   {"Combo_txp_a", "HIGH"},
    {"Combo_r_ctdcs_a", "OFF"},       {"Combo_t_ctdcs_b", "OFF"},     {"Combo_wn_b", "WIDE"},
    {"Combo_sft_d_a", "OFF"},         {"Combo_Offset_A", "00.600"},   {"Combo_offset_b", "00.600"},
    {"Combo_scr_b", "OFF"},           {"Combo_step_a", "12.50 KHZ"},  {"Combo_OptSig_b", "OFF"},
    {"Combo_Spmute_a", "QT/DQT"},     {"Combo_S_info_b", "1"},        {"Combo_tot", "60"},
    {"Combo_sql_le", "5"},            {"Combo_voice", "English"},     {"Text_chann_total", "128"},
    {"Combo_MDF_A", "Channel+Frequency"}, {"Combo_MDF_B", "Channel+Name"}, {"Combo_dtmfst", "KB DTMF Side Tone"},
    {"Combo_vox", "OFF"},             {"Combo_abr", "3"},             {"Combo_ring", "5"},
    {"Combo_sc_rev", "TO"},           {"Combo_ptt_id", "OFF"},        {"Combo_ptt_lt", "10"},
    {"Combo_save", "1:3"},            {"Combo_Tdr_ab", "A Band"},     {"Combo_pf1", "FM Radio"},
    {"Combo_pf2", "Alarm"},           {"Combo_wt_led", "Purple"},     {"Combo_rx_led", "Blue"},
    {"Combo_tx_led", "Orange"},       {"Text_menu_pwd", "602417"},    {"Text_pvfo_d0", "136"},
    {"Text_pvfo_d1", "173"},          {"Text_pvfo_t0", "136"},        {"Text_pvfo_t1", "173"},
};
const Texts kChineseDifferences = {
    {"Combo_voice", "英语"},  {"Combo_MDF_A", "频率+信道号"}, {"Combo_MDF_B", "信道名称+信道号"},
    {"Combo_dtmfst", "发射时按键侧音"}, {"Combo_sc_rev", "时间"}, {"Combo_ptt_id", "关"}, {"Combo_save", "1:3"},
    {"Combo_pf1", "收音"},   {"Combo_pf2", "报警"},  {"Combo_wt_led", "紫色"}, {"Combo_rx_led", "蓝色"},
    {"Combo_tx_led", "橙色"},
};
const std::map<std::string, bool> kBoxDefaults = {
    {"Check_radio", true},      {"Check_ANI", true},        {"Check_Alarm_Sound", true}, {"Check_alarm_Veskold", false},
    {"Check_tdr", true},        {"Check_chann_menu", true}, {"Check_chann_init", true},  {"Check_chann_syn", false},
    {"Check_Lock", false},      {"Check_Autolk", false},    {"Check_bcl", false},        {"Check_Beep", true},
    {"Check_comp", false},
};

class LegacyOptionsEditor_Defaults : public LegacyOptionsFixture, public ::testing::WithParamInterface<int> {};

TEST_P(LegacyOptionsEditor_Defaults, LoadAndDefaultShowTheDefaultsWithEveryEntryOnce) {
  state.LanguageFlag = static_cast<std::int16_t>(GetParam());
  Texts expected = kEnglishDefaults;
  if (GetParam() != 0)
    for (const auto& [name, text] : kChineseDifferences) expected[name] = text;
  const OptionStageTable erased;

  auto checkDefaults = [&](const char* when) {
    SCOPED_TRACE(when);
    for (const auto& [name, text] : expected) EXPECT_EQ(shown(name), text) << name;
    for (const auto& [name, ticked] : kBoxDefaults) EXPECT_EQ(form.check(name).checked(), ticked) << name;
    EXPECT_TRUE(form.option("Option_freq").selected());
    EXPECT_FALSE(form.option("Option_chann").selected());
    EXPECT_TRUE(form.option("Option_band_a").selected());
    EXPECT_FALSE(form.option("Option_band_b").selected());
    EXPECT_TRUE(form.list("Combo_Tdr_ab").enabled());
    const std::map<std::string, int> counts = {{"Combo_Offset_A", 2000}, {"Combo_offset_b", 2000},
                                               {"Combo_r_ctdcs_a", 261}, {"Combo_t_ctdcs_b", 261},
                                               {"Combo_tot", 40},        {"Combo_ptt_lt", 31},
                                               {"Combo_scr_a", 9},       {"Combo_vox", 11}};
    for (const auto& [name, count] : counts) EXPECT_EQ(form.list(name).count(), count) << name;
    EXPECT_EQ(image(), erased);  // neither loading nor Default shows or touches the image
    EXPECT_TRUE(messages.shown.empty());
  };

  open();
  checkDefaults("load");
  form.list("Combo_tot").select(7);
  form.check("Check_chann_syn").setChecked(true);
  form.field(TypedField::Password).setText("111111");
  state.ChannelTotal = 100;
  form.RestoreDefaults();
  checkDefaults("Default");
  EXPECT_EQ(state.ChannelTotal, 128);
}

INSTANTIATE_TEST_SUITE_P(Languages, LegacyOptionsEditor_Defaults, ::testing::Values(0, -1));

TEST_F(LegacyOptionsFixture, ListEntriesAtTheirPositions) {
  open();
  const struct {
    const char* list;
    int position;
    const char* text;
  } cases[] = {
      {"Combo_Offset_A", 1, "00.050"},  {"Combo_Offset_A", 10, "00.500"}, {"Combo_Offset_A", 20, "01.000"},
      {"Combo_Offset_A", 1999, "99.950"}, {"Combo_r_ctdcs_a", 1, "67.0"}, {"Combo_r_ctdcs_a", 50, "254.1"},
      {"Combo_r_ctdcs_a", 51, "D023N"}, {"Combo_r_ctdcs_a", 155, "D754N"}, {"Combo_r_ctdcs_a", 156, "D023I"},
      {"Combo_r_ctdcs_a", 260, "D754I"}, {"Combo_tot", 39, "600"}, {"Combo_dtmfst", 0, "OFF All "},
  };
  for (const auto& c : cases) EXPECT_EQ(form.list(c.list).entry(c.position), c.text) << c.list << " " << c.position;
}

TEST_F(LegacyOptionsFixture, DefaultsFollowTheLimitsOfTheLastHandshake) {
  state.VhfUpper = 175;  // a handshake that reported 136-174
  open();
  EXPECT_EQ(shown("Text_Freq_b"), "174.62500");
  EXPECT_EQ(shown("Text_pvfo_d1"), "174");
  EXPECT_EQ(shown("Text_pvfo_t1"), "174");
  state.ChannelTotal = 50;
  form.Form_Activate();
  EXPECT_EQ(shown("Text_chann_total"), "50");
}

// --- the settings block -----------------------------------------------------

TEST_F(LegacyOptionsFixture, AnErasedImageShowsLastEntriesAndCollectsWhatTheControlsCanHold) {
  open();
  form.RefreshAdjModForm();  // every cell 0xFF

  for (const char* list : {"Combo_tot", "Combo_sql_le", "Combo_voice", "Combo_MDF_A", "Combo_dtmfst", "Combo_save",
                           "Combo_Tdr_ab", "Combo_tx_led", "Combo_ptt_lt"})
    EXPECT_EQ(form.list(list).selectedIndex(), form.list(list).count() - 1) << list;
  EXPECT_TRUE(form.option("Option_chann").selected());
  EXPECT_TRUE(form.option("Option_band_b").selected());
  EXPECT_FALSE(form.check("Check_tdr").checked());  // channel sync is set, so dual watch goes
  EXPECT_FALSE(form.list("Combo_Tdr_ab").enabled());
  EXPECT_FALSE(form.check("Check_comp").checked());  // the erased records select scrambler 8
  EXPECT_TRUE(form.check("Check_Beep").checked());
  EXPECT_EQ(texts(), std::vector<std::string>{"Channel select from 1 to 128 ."});  // 200 is shown, then refused
  EXPECT_EQ(shown("Text_chann_total"), "128");
  EXPECT_EQ(shown("Text_menu_pwd"), "255255255255255255");
  EXPECT_EQ(shown("Text_pvfo_d0"), "151515");
  // An erased VFO record.
  const Texts vfo = {{"Text_Freq_a", "."},           {"Combo_Offset_A", "99.950"},   {"Combo_r_ctdcs_a", "OFF"},
                     {"Combo_t_ctdcs_a", "OFF"},     {"Combo_sft_d_a", "-"},         {"Combo_S_info_a", "15"},
                     {"Combo_Spmute_a", "QT/DQT OR OPTSIG"}, {"Combo_Optsig_a", "DTMF"}, {"Combo_step_a", "25.00 KHZ"},
                     {"Combo_scr_a", "8"},           {"Combo_txp_a", "LOW"},          {"Combo_wn_a", "NARROR"}};
  for (const auto& [name, text] : vfo) EXPECT_EQ(shown(name), text) << name;

  form.CollectAdjModForm();
  EXPECT_EQ(row(0), (std::vector<int>{9, 0, 0, 4, 10, 0, 5, 0, 1, 39, 0, 0, 0, 0, 2, 0}));
  EXPECT_EQ(row(1), (std::vector<int>{3, 0, 2, 3, 30, 2, 2, 1, 1, 0, 0, 0, 0, 3, 3, 3}));
  // Offset 39 off (a scrambler is on), flags 0xFB but bit 2, channel mode, lock,
  // 128 channels, the password's first six characters, the limits from "151515".
  EXPECT_EQ(row(2), (std::vector<int>{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xFB, 0, 1, 1, 128, 2}));
  EXPECT_EQ(row(3), (std::vector<int>{5, 5, 2, 5, 5, 1, 0x51, 1, 0x51, 1, 0x51, 1, 0x51, 0, 0, 0}));
  for (int r : {4, 5, 10, 11, 12, 13, 14, 15}) EXPECT_EQ(row(r), std::vector<int>(16, 0)) << r;
  EXPECT_EQ(row(7), (std::vector<int>{0, 9, 9, 9, 5, 0, 0, 0, 0, 0, 0, 0, 0x2E, 0x21, 0x48, 0xC0}));
  EXPECT_EQ(row(6), std::vector<int>(16, 0));
}

TEST_F(LegacyOptionsFixture, DisplayThenCollectionKeepsEveryFieldAndClearsTheRest) {
  open();
  putRow(0, {2, 0x11, 0x22, 1, 4, 0x33, 5, 1, 0, 7, 0x44, 0x55, 0x66, 0x77, 2, 0x88});
  putRow(1, {3, 0x99, 1, 2, 20, 1, 0, 0, 7, 0xAA, 0xBB, 0xCC, 0xDD, 2, 0, 1});
  putRow(2, {0xEE, 0xEF, 1, 0x12, 0x13, 0x14, 0x15, 1, 0x16, 0x17, 0x9B, 0x18, 1, 0, 64, 6});
  putRow(3, {0, 2, 4, 1, 7, 1, 0x36, 1, 0x73, 1, 0x40, 1, 0x50, 0x19, 0x1A, 0x1B});
  for (int r = 10; r <= 13; ++r) putRow(r, std::vector<int>(16, 0));  // records of zeros: no scrambler
  form.RefreshAdjModForm();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(shown("Text_menu_pwd"), "602417");
  EXPECT_EQ(shown("Text_pvfo_d1"), "173");
  EXPECT_TRUE(form.check("Check_comp").checked());
  EXPECT_TRUE(form.option("Option_band_b").selected());

  form.CollectAdjModForm();
  EXPECT_EQ(row(0), (std::vector<int>{2, 0, 0, 1, 4, 0, 5, 1, 0, 7, 0, 0, 0, 0, 2, 0}));
  EXPECT_EQ(row(1), (std::vector<int>{3, 0, 1, 2, 20, 1, 0, 0, 1, 0, 0, 0, 0, 2, 0, 1}));
  EXPECT_EQ(row(2), (std::vector<int>{0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0x9B, 0, 1, 0, 64, 6}));
  EXPECT_EQ(row(3), (std::vector<int>{0, 2, 4, 1, 7, 1, 0x36, 1, 0x73, 1, 0x40, 1, 0x50, 0, 0, 0}));
}

TEST_F(LegacyOptionsFixture, ListsWithoutSelectionAndControlsOutsideTheBlockCollectAsZero) {
  open();
  form.listEdited(form.list("Combo_MDF_A"), "Chan");  // no handler puts it back
  form.listEdited(form.list("Combo_sc_rev"), "");
  EXPECT_EQ(form.list("Combo_MDF_A").selectedIndex(), -1);
  form.list("Combo_ring").select(9);
  form.list("Combo_pf1").select(0);
  form.check("Check_ANI").setChecked(false);
  form.CollectAdjModForm();
  EXPECT_EQ(image().at(1, 5), 0);  // offset 21
  EXPECT_EQ(image().at(1, 2), 0);  // offset 18
  // Ring time, the side keys and the ANI switch keep no byte: the block is as after Default.
  form.list("Combo_MDF_A").select(2);
  form.list("Combo_sc_rev").select(0);
  form.CollectAdjModForm();
  const std::vector<int> collected[4] = {row(0), row(1), row(2), row(3)};
  form.RestoreDefaults();
  form.CollectAdjModForm();
  for (int r = 0; r < 4; ++r) EXPECT_EQ(row(r), collected[r]) << r;
}

// --- the VFO records ----------------------------------------------------------

TEST_F(LegacyOptionsFixture, VfoRecordsShowAndCollect) {
  open();
  struct Case {
    std::vector<int> second;  // the record's second row (offset, tones, packed bytes)
    Texts shown;
    std::vector<int> collected;
  };
  const std::vector<int> zeros(16, 0);
  const Case cases[] = {
      {zeros,
       {{"Combo_Offset_A", "00.000"}, {"Combo_r_ctdcs_a", "OFF"}, {"Combo_sft_d_a", "OFF"}, {"Combo_S_info_a", "1"},
        {"Combo_Spmute_a", "QT/DQT"}, {"Combo_Optsig_a", "OFF"}, {"Combo_step_a", "5.00 KHZ"}, {"Combo_scr_a", "OFF"},
        {"Combo_txp_a", "HIGH"}, {"Combo_wn_a", "WIDE"}},
       zeros},
      // 625 kHz lies between two entries: 12.5 goes to the even 12.
      {{0, 0, 0, 6, 2, 5, 0, 0, 0, 0, 0, 0, 0x19, 0, 0x18, 0x3F},
       {{"Combo_Offset_A", "00.600"}, {"Combo_sft_d_a", "+"}, {"Combo_S_info_a", "10"}, {"Combo_step_a", "6.25 KHZ"},
        {"Combo_scr_a", "8"}, {"Combo_txp_a", "HIGH"}, {"Combo_wn_a", "WIDE"}},
       {0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0x19, 0, 0x18, 0x00}},
      // CTCSS 60.0 Hz is no entry: shown as text, collected exactly; 100.0 Hz is one.
      {{0, 0, 0, 0, 0, 0, 0x58, 0x02, 0xE8, 0x03, 0, 0, 0, 0, 0, 0},
       {{"Combo_r_ctdcs_a", "60.0"}, {"Combo_t_ctdcs_a", "100.0"}},
       {0, 0, 0, 0, 0, 0, 0x58, 0x02, 0xE8, 0x03, 0, 0, 0, 0, 0, 0}},
      // DCS 1 and 106; a tone byte 0xFF is off.
      {{0, 0, 0, 0, 0, 0, 1, 0, 106, 0, 0, 0, 0, 0, 0, 0},
       {{"Combo_r_ctdcs_a", "D023N"}, {"Combo_t_ctdcs_a", "D023I"}},
       {0, 0, 0, 0, 0, 0, 1, 0, 106, 0, 0, 0, 0, 0, 0, 0}},
      {{0, 0, 0, 0, 0, 0, 0xFF, 0x05, 0, 0, 0, 0, 0, 0, 0, 0}, {{"Combo_r_ctdcs_a", "OFF"}}, zeros},
      // Chosen by us: DCS numbers no list holds show as off; CTCSS codes with a
      // high byte of 128 or more show and collect exactly.
      {{0, 0, 0, 0, 0, 0, 211, 0, 0x10, 0x80, 0, 0, 0, 0, 0, 0},
       {{"Combo_r_ctdcs_a", "OFF"}, {"Combo_t_ctdcs_a", "3278.4"}},
       {0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x80, 0, 0, 0, 0, 0, 0}},
      // A damaged offset (digits above 9) is held at the last entry.
      {{255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {{"Combo_Offset_A", "99.950"}},
       {0, 9, 9, 9, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.second));
    putRow(10, {0, 0, 0, 0, 0, 0, 0, 0, 1, 4, 5, 1, 2, 5, 0, 0});
    putRow(11, c.second);
    form.ShowVfoRecords(10, 12);
    for (const auto& [name, text] : c.shown) EXPECT_EQ(shown(name), text) << name;
    EXPECT_EQ(shown("Text_Freq_a"), "145.12500");
    form.CollectAdjModForm();
    EXPECT_EQ(row(6), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 4, 5, 1, 2, 5, 0, 0}));
    EXPECT_EQ(row(7), c.collected);
  }
}

TEST_F(LegacyOptionsFixture, FrequencyDigitsShowAndCollect) {
  open();
  const struct {
    std::vector<int> digits;
    const char* shown;
    std::vector<int> collected;
  } cases[] = {
      {{1, 3, 6, 0, 2, 5, 0, 0}, "136.02500", {1, 3, 6, 0, 2, 5, 0, 0}},
      {{0, 5, 0, 0, 0, 0, 0, 0}, "50.00000", {0, 5, 0, 0, 0, 0, 0, 0}},
      {{0, 0, 0, 0, 0, 0, 0, 0}, "00.00000", {0, 0, 0, 0, 0, 0, 0, 0}},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ".", {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    std::vector<int> first(8, 0);
    first.insert(first.end(), c.digits.begin(), c.digits.end());
    putRow(12, first);
    form.ShowVfoRecords(10, 12);
    EXPECT_EQ(shown("Text_Freq_b"), c.shown);
    form.CollectAdjModForm();
    const std::vector<int> first8 = row(8);
    EXPECT_EQ(std::vector<int>(first8.begin() + 8, first8.end()), c.collected) << c.shown;
  }
}

TEST_F(LegacyOptionsFixture, ATextInAToneFieldWithoutSelectionIsStoredOnlyAsAToneTheRecordKeeps) {
  open();
  const struct {
    const char* text;
    std::vector<int> bytes;
  } cases[] = {
      {"60.0", {0x58, 0x02}}, {"88.5", {0x75, 0x03}}, {"6", {0, 0}},  // left by the Delete key: not DCS 60
      {"10000", {0, 0}},      {"", {0, 0}},           {"6553.5", {0, 0}},  // FF FF reads as off
  };
  for (const auto& c : cases) {
    form.list("Combo_t_ctdcs_b").setEditTextMatching(c.text);  // a change no typed key preceded
    form.CollectAdjModForm();
    EXPECT_EQ((std::vector<int>{image().at(9, 8), image().at(9, 9)}), c.bytes) << c.text;
  }
}

}  // namespace
}  // namespace brel::legacy_options::test
