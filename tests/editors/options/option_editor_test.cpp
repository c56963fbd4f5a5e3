// The settings block, the display with its write-backs, the lists and the
// defaults, on plain-state controls.
#include "option_fixture.h"
#include "option_lists.h"
#include "option_texts.h"
#include "vfo_record.h"

namespace brel::options::test {
namespace {

constexpr int kBlock = 0x0E20;

TEST_F(OptionEditorTest, OpeningOnTheStartUpImageOnlyClearsVfoBTonesAndSetsTheBandLimits) {
  const ProgramState before = state;
  form.Form_Load();
  EXPECT_EQ(form.refreshCount, 3) << "load, VFO A's band, VFO B's band";
  form.Form_Activate();

  for (int a = 0; a < 0x1F00; ++a) {
    const bool vfoBTone = a >= 0x0F36 && a <= 0x0F39;
    EXPECT_EQ(byte(a), vfoBTone ? 0 : before.MemImage.byte(a)) << std::hex << a;
  }
  EXPECT_EQ(state.VfoALower, 136);
  EXPECT_EQ(state.VfoAUpper, 175);
  EXPECT_EQ(state.VfoBLower, 400);
  EXPECT_EQ(state.VfoBUpper, 480);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.FormOpenFlags.OptionFormOpen, -1);

  EXPECT_EQ(form.vfoA().freq.text(), "136.02500");
  EXPECT_EQ(form.vfoB().freq.text(), "470.62500");
  EXPECT_EQ(form.vfoA().range.text(), "136 - 174.9950");
  EXPECT_EQ(form.vfoB().range.text(), "400 - 479.9950");
  EXPECT_EQ(form.vfoB().list(vfo::kStep).selectedIndex(), 5);
  EXPECT_EQ(form.list("Combo_pri").text(), "CH-128");
  EXPECT_EQ(form.channelTotal().text(), "128");
}

TEST_F(OptionEditorTest, EachSettingsChoiceStoresItsOffsetAndRewritesTheBlockFromTheWorkingCopy) {
  PutBytes(state, kBlock + 40, {0x77});  // an offset the window never edits
  open();
  const ProgramState before = state;

  form.list("Combo_sql").select(5);
  EXPECT_EQ(byte(kBlock), 5);
  for (int k = 1; k < 64; ++k) EXPECT_EQ(byte(kBlock + k), before.MemImage.byte(kBlock + k)) << k;

  struct Case {
    const char* control;
    int index;
    int offset;
  };
  for (const Case& c : {Case{"Combo_save", 4, 3}, Case{"Combo_tot", 39, 9}, Case{"Combo_pri", 0, 41},
                        Case{"Combo_RPT_RL", 10, 37}, Case{"Combo_tx_led", 3, 31}}) {
    form.list(c.control).select(c.index);
    EXPECT_EQ(byte(kBlock + c.offset), c.index) << c.control;
  }
}

TEST_F(OptionEditorTest, FlagBoxesChangeOnlyTheirOwnBit) {
  PutBytes(state, kBlock + kOptFlags, {0x80});
  open();
  form.check("Check_radio").setChecked(true);
  EXPECT_EQ(byte(kBlock + kOptFlags), 0x90);
  form.check("Check_radio").setChecked(false);
  EXPECT_EQ(byte(kBlock + kOptFlags), 0x80);

  PutBytes(state, kBlock + kOptFlags, {31});
  form.Form_Activate();
  form.check("Check_Alarm_Sound").setChecked(false);
  EXPECT_EQ(byte(kBlock + kOptFlags), 23) << "bit 2 stays set";
}

TEST_F(OptionEditorTest, VoxEnableAndAlarmModeEnableTheirDependants) {
  PutBytes(state, kBlock + 4, {7});
  PutBytes(state, kBlock + 24, {1});
  open();
  PlainList& vox = form.list("Combo_vox");
  EXPECT_TRUE(vox.enabled());
  form.check("Check_Autolk").setChecked(false);
  EXPECT_FALSE(vox.enabled());
  EXPECT_EQ(byte(0x0E38), 0);
  EXPECT_EQ(byte(kBlock + 4), 7) << "the VOX level keeps its value";

  PlainCheckBox& sound = form.check("Check_Alarm_Sound");
  form.list("Combo_AL_Mode").select(0);
  EXPECT_FALSE(sound.enabled());
  form.list("Combo_AL_Mode").select(2);
  EXPECT_TRUE(sound.enabled());
}

TEST_F(OptionEditorTest, TheDisplayWritesBackWhatItCouldNotShowAsStored) {
  PutBytes(state, kBlock + 9, {0xFF});   // time-out beyond its 40 entries
  PutBytes(state, kBlock + 0, {10});     // squelch = its entry count
  PutBytes(state, kBlock + 7, {5});      // dual watch
  PutBytes(state, kBlock + 44, {5});     // work mode
  PutBytes(state, kBlock + 45, {9});     // key lock
  PutBytes(state, kBlock + kOptFlags, {0x04});
  open();
  EXPECT_EQ(byte(kBlock + 9), 39);
  EXPECT_EQ(byte(kBlock + 0), 9);
  EXPECT_EQ(byte(kBlock + 7), 1);
  EXPECT_EQ(byte(kBlock + 44), 1);
  EXPECT_TRUE(form.option("Option_chann").selected());
  EXPECT_EQ(byte(kBlock + 45), 1);
  EXPECT_EQ(byte(kBlock + kOptFlags), 0x04) << "bit 2 is never touched";
  for (const char* box : {"Check_chann_menu", "Check_chann_init", "Check_Alarm_Sound", "Check_radio"})
    EXPECT_EQ(form.check(box).checked(), false) << box;
}

TEST_F(OptionEditorTest, AStoredChannelTotalOutsideTheRangeIsReportedOncePerDisplayAndKept) {
  PutBytes(state, kBlock + kOptChanTotal, {0});
  open();
  EXPECT_EQ(texts(), std::vector<std::string>(4, kChannelTotalText.en));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(form.channelTotal().text(), "128");
  EXPECT_EQ(byte(kBlock + kOptChanTotal), 0);
  EXPECT_EQ(state.ChannelTotal, 128);

  messages.shown.clear();
  form.Form_Activate();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(byte(kBlock + kOptChanTotal), 0);

  PutBytes(state, kBlock + kOptChanTotal, {250});
  std::vector<std::string> shown;
  form.channelTotal().viewChanged = [&] { shown.push_back(form.channelTotal().text()); };
  form.RefreshOptionForm();
  EXPECT_EQ(shown, (std::vector<std::string>{"200", "128"}));
}

TEST_F(OptionEditorTest, TheChannelTotalBoxTakesOnlyOneTo128) {
  open();
  struct Case {
    const char* text;
    int stored;  // 0: refused
  };
  const Case cases[] = {{"0", 0},   {"129", 0},    {"abc", 0},   {"128.5", 0}, {"", 0},
                        {"12.5", 12}, {"127.5", 128}, {"1.5", 2}, {"64abc", 64}};
  for (const Case& c : cases) {
    messages.shown.clear();
    state.ChannelTotal = 100;
    PutBytes(state, kBlock + kOptChanTotal, {100});
    state.OptionSettings[kOptChanTotal] = 100;
    form.channelTotal().setText(c.text);
    if (c.stored != 0) form.Text_chann_total_LostFocus();
    if (c.stored == 0) {
      EXPECT_EQ(texts().front(), kChannelTotalText.en) << c.text;
      EXPECT_EQ(form.channelTotal().text(), "128") << c.text;
      EXPECT_EQ(state.ChannelTotal, 100) << c.text;
      EXPECT_EQ(byte(kBlock + kOptChanTotal), 100) << c.text;
    } else {
      EXPECT_TRUE(messages.shown.empty()) << c.text;
      EXPECT_EQ(state.ChannelTotal, c.stored) << c.text;
      EXPECT_EQ(byte(kBlock + kOptChanTotal), c.stored) << c.text;
    }
  }
}

TEST_F(OptionEditorTest, DefaultRestoresTheDefaults) {
  open();
  form.list("Combo_sql").select(9);
  form.list("Combo_step_a").select(0);
  state.ChannelTotal = 12;

  form.RestoreDefaults();
  EXPECT_EQ(byte(kBlock), 3);
  EXPECT_EQ(byte(0x0F00 + 30), 0x50);
  EXPECT_EQ(state.ChannelTotal, 128);
  EXPECT_EQ(form.list("Combo_sql").selectedIndex(), 3);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionEditorTest, ListsHoldTheirEntriesInBothLanguages) {
  open();
  EXPECT_EQ(form.list("Combo_dtmfst").entries().front(), "OFF All ");
  EXPECT_EQ(form.vfoA().list(vfo::kWidth).entries()[1], "NARROR");
  EXPECT_EQ(form.list("Combo_tot").entries()[39], "600");
  EXPECT_EQ(form.list("Combo_Rp_Ste").entries()[10], "1000");
  const Items& offsets = form.vfoA().offset.entries();
  EXPECT_EQ(offsets[0], "00.000MHZ");
  EXPECT_EQ(offsets[112], "05.600MHZ");
  EXPECT_EQ(offsets[1999], "99.950MHZ");
  const Items& tones = form.vfoB().rxTone.entries();
  ASSERT_EQ(tones.size(), 2211u);
  EXPECT_EQ(tones[1], "60.0");
  EXPECT_EQ(tones[2000], "259.9");
  EXPECT_EQ(tones[2001], "D023N");
  EXPECT_EQ(tones[2210], "D754I");

  int lists = 0;
  for (const auto& c : form.controls()) lists += c.kind == OptionEditor::Kind::List;
  EXPECT_EQ(lists, 45);
  // The field tables know how many entries each list holds (a stored value
  // beyond them shows the last entry).
  for (const Field& f : SettingFields()) {
    if (f.kind != FieldKind::List) continue;
    EXPECT_EQ(form.list(f.name).count(), f.entries) << f.name;
  }
  for (std::size_t i = 0; i < VfoFields().size(); ++i)
    EXPECT_EQ(form.vfoB().fields[i].count(), VfoFields()[i].entries) << VfoFields()[i].name;

  // Reopening in Chinese empties and refills every list.
  state.LanguageFlag = -1;
  open();
  EXPECT_EQ(form.list("Combo_Rp_Ste").entries().front(), "关闭");
  EXPECT_EQ(form.list("Combo_vox").entries().front(), "关");
  EXPECT_EQ(form.list("Combo_pri").count(), 128);
  EXPECT_EQ(form.vfoA().rxTone.count(), 2211);
}

}  // namespace
}  // namespace brel::options::test
