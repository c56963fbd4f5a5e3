// What the lists, boxes and typed fields do while the user edits, and the
// check of a field left unchecked that every button runs first.
#include "legacy_options_fixture.h"

namespace brel::legacy_options::test {
namespace {

// --- list guards and interlocks ----------------------------------------------

TEST_F(LegacyOptionsFixture, TypingThatLeavesAListWithoutEntryPutsTheFirstEntryBack) {
  open();
  for (const char* name : {"Combo_tot", "Combo_Offset_A", "Combo_scr_b", "Combo_pf2", "Combo_S_info_b"}) {
    PlainList& l = form.list(name);
    form.keyPressed(l);
    form.listEdited(l, l.text() + "x");
    EXPECT_EQ(l.selectedIndex(), 0) << name;
    EXPECT_EQ(l.text(), l.entry(0)) << name;
  }
  // Typing an entry's text selects that entry.
  form.listEdited(form.list("Combo_tot"), "120");
  EXPECT_EQ(form.list("Combo_tot").selectedIndex(), 7);
}

TEST_F(LegacyOptionsFixture, AToneListIsGuardedOnlyAfterATypedKey) {
  open();
  PlainList& rx = form.list("Combo_r_ctdcs_a");
  PlainList& tx = form.list("Combo_t_ctdcs_b");
  form.listEdited(rx, "67.");  // a deletion: no key typed
  EXPECT_EQ(rx.selectedIndex(), -1);
  EXPECT_EQ(rx.text(), "67.");
  form.keyPressed(rx);
  form.listEdited(rx, "67.x");
  EXPECT_EQ(rx.text(), "OFF");
  EXPECT_FALSE(form.toneKeyPending());
  // A key that changes no text leaves the guard armed for the next change of any tone list.
  form.keyPressed(rx);
  form.listEdited(tx, "D0");
  EXPECT_EQ(tx.text(), "OFF");
  form.keyPressed(tx);
  form.listEdited(tx, "88.5");
  EXPECT_EQ(tx.selectedIndex(), 9);
}

TEST_F(LegacyOptionsFixture, ChannelSyncAndDualWatchCompanderAndScramblers) {
  open();
  PlainCheckBox& tdr = form.check("Check_tdr");
  PlainCheckBox& syn = form.check("Check_chann_syn");
  PlainCheckBox& comp = form.check("Check_comp");
  PlainList& tdrAb = form.list("Combo_Tdr_ab");
  tdrAb.select(1);
  syn.setChecked(true);
  EXPECT_FALSE(tdr.checked());
  EXPECT_FALSE(tdrAb.enabled());
  EXPECT_EQ(tdrAb.selectedIndex(), 1);
  tdr.setChecked(true);
  EXPECT_TRUE(syn.checked());
  EXPECT_TRUE(tdrAb.enabled());

  form.list("Combo_scr_a").select(3);
  form.list("Combo_scr_b").select(5);
  comp.setChecked(true);
  EXPECT_EQ(form.list("Combo_scr_a").selectedIndex(), 0);
  EXPECT_EQ(form.list("Combo_scr_b").selectedIndex(), 0);
  form.list("Combo_scr_b").select(0);
  EXPECT_TRUE(comp.checked());
  form.list("Combo_scr_b").select(1);
  EXPECT_FALSE(comp.checked());
}

// --- typed fields --------------------------------------------------------------

TEST_F(LegacyOptionsFixture, VfoFrequencyIsReadExactlyAndWrittenToTheQuarterKilohertz) {
  open();
  const struct {
    const char* typed;
    const char* shown;
    bool refused;
  } cases[] = {
      {"136", "136.00000", false},      {"174", "174.00000", false},        {"145.5", "145.50000", false},
      {"145.005", "145.00500", false},  {"145.1x", "145.10000", false},     {"144.39", "144.39000", false},
      {"136.03125", "136.03125", false}, {"145.0123", "145.01225", false},  {"145.0056", "145.00550", false},
      {"1.45e2", "145.00000", false},   {" 1 4 5.1 ", "145.10000", false},  {"135.999", "136.02500", true},
      {"174.001", "173.62500", true},   {"", "136.02500", true},            {"abc", "136.02500", true},
  };
  int focusBack = 0;
  form.field(TypedField::FreqB).focusRequested = [&] { ++focusBack; };
  for (const auto& c : cases) {
    messages.shown.clear();
    focusBack = 0;
    EXPECT_EQ(enter(TypedField::FreqB, c.typed), !c.refused) << c.typed;
    EXPECT_EQ(text(TypedField::FreqB), c.shown) << c.typed;
    EXPECT_EQ(messages.shown.size(), c.refused ? 1u : 0u) << c.typed;
    EXPECT_EQ(focusBack, c.refused ? 1 : 0) << c.typed;
    if (c.refused) {
      EXPECT_EQ(messages.shown[0].title, "Operate prompt");
    }
  }
  state.LanguageFlag = -1;
  enter(TypedField::FreqA, "200");
  EXPECT_EQ(messages.lastText(), "当前工作频率超出范围 ！");
}

TEST_F(LegacyOptionsFixture, ChannelTotalIsCheckedAtEveryChangeAndTakenWhenLeft) {
  open();
  const struct {
    const char* typed;
    int total;  // ChannelTotal afterwards
    const char* shown;
    bool refused;
  } cases[] = {
      {"1", 1, "1", false},      {"128", 128, "128", false}, {"1.5", 2, "1.5", false},   {"2.5", 2, "2.5", false},
      {"127.5", 128, "127.5", false}, {"64abc", 64, "64abc", false}, {"0.9", 128, "128", true}, {"128.4", 128, "128", true},
      {"", 128, "128", true},
  };
  for (const auto& c : cases) {
    state.ChannelTotal = 100;
    messages.shown.clear();
    form.typed(TypedField::ChannelTotal, c.typed);
    if (c.refused) {
      EXPECT_EQ(texts(), std::vector<std::string>{"Channel select from 1 to 128 ."}) << c.typed;
      EXPECT_EQ(state.ChannelTotal, 100) << "refused at the change: " << c.typed;
    }
    form.LostFocus(TypedField::ChannelTotal);
    EXPECT_EQ(state.ChannelTotal, c.total) << c.typed;
    EXPECT_EQ(text(TypedField::ChannelTotal), c.shown) << c.typed;
  }
}

TEST_F(LegacyOptionsFixture, PasswordPassesEmptyOrAsSixDigits) {
  open();
  const struct {
    const char* typed;
    const char* message;  // nullptr: passes
  } cases[] = {
      {"", nullptr},           {"   ", nullptr},         {" 123456 ", nullptr},   {"000000", nullptr},
      {"12345", "Password length is 6 digit."},            {"1234567", "Password length is 6 digit."},
      {"A23456", "  Available Password from 000000 to 999999 "},
      {"1A2345", "  Available Password from 000000 to 999999 "},  // would be stored 1,0,2,3,4,5
      {"12 456", "  Available Password from 000000 to 999999 "},
      // An overlong "0" is no digit but two broken bytes: seven characters.
      {"12345\xC0\xB0", "Password length is 6 digit."},
  };
  for (const auto& c : cases) {
    messages.shown.clear();
    EXPECT_EQ(enter(TypedField::Password, c.typed), c.message == nullptr) << c.typed;
    EXPECT_EQ(texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.typed;
    EXPECT_EQ(text(TypedField::Password), c.typed);  // never changed
  }
}

TEST_F(LegacyOptionsFixture, ProgrammableLimitsKeepTheReceiveAndTransmitRangesInOrder) {
  using F = TypedField;
  struct Case {
    const char* name;
    std::vector<std::string> before;  // d0, d1, t0, t1
    F field;
    const char* typed;
    std::vector<std::string> after;
    const char* message;
  };
  const Case cases[] = {
      {"receive lower below the band", {"136", "173", "136", "173"}, F::RxLower, "135", {"136", "173", "136", "173"},
       "Receive frequency of lower limit can't less than the lowest of work frequency. "},
      {"receive lower above upper", {"136", "150", "136", "150"}, F::RxLower, "160", {"136", "173", "136", "150"},
       "Receive frequency of lower limit can't more than receive frequency of upper limit."},
      {"receive lower raised above transmit", {"136", "173", "140", "145"}, F::RxLower, "150",
       {"150", "173", "150", "150"}, nullptr},
      {"receive upper above the band", {"140", "170", "140", "170"}, F::RxUpper, "174", {"136", "173", "140", "170"},
       "Receive frequency of upper limit can't more than the highest of work frequency. "},
      {"receive upper 173 passes", {"136", "170", "136", "170"}, F::RxUpper, "173", {"136", "173", "136", "170"},
       nullptr},
      {"receive upper below lower", {"140", "170", "140", "170"}, F::RxUpper, "139", {"136", "173", "140", "170"},
       "Receive frequency of upper limit can't less than receive frequency of lower limit."},
      {"receive upper lowered below transmit upper", {"136", "173", "140", "170"}, F::RxUpper, "160",
       {"136", "160", "140", "160"}, nullptr},
      // Both transmit limits follow it down, so none stays above it.
      {"receive upper lowered below transmit lower", {"136", "173", "150", "170"}, F::RxUpper, "145",
       {"136", "145", "145", "145"}, nullptr},
      {"transmit lower above transmit upper", {"136", "173", "140", "150"}, F::TxLower, "160",
       {"136", "173", "150", "150"}, "Transmit frequency of lower limit can't more than transmit frequency of upper limit."},
      {"transmit lower below receive lower", {"140", "173", "140", "150"}, F::TxLower, "139",
       {"140", "173", "139", "150"}, "Transmit frequency of lower limit can't less than receive frequency of lower limit's."},
      {"transmit upper above receive upper", {"136", "160", "136", "150"}, F::TxUpper, "165",
       {"136", "160", "136", "160"}, "Transmit frequency of upper limit can't more than receive frequency of upper limit."},
      {"transmit upper below transmit lower", {"136", "160", "140", "150"}, F::TxUpper, "139",
       {"136", "160", "140", "140"}, "Transmit frequency of upper limit can't less than transmit frequency of lower limit. "},
  };
  open();
  const F fields[4] = {F::RxLower, F::RxUpper, F::TxLower, F::TxUpper};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < 4; ++i) form.field(fields[i]).setText(c.before[static_cast<std::size_t>(i)]);
    messages.shown.clear();
    EXPECT_EQ(enter(c.field, c.typed), c.message == nullptr);
    std::vector<std::string> after;
    for (F f : fields) after.push_back(text(f));
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
  }
}

TEST_F(LegacyOptionsFixture, LimitsAreStoredFromTheirNumbersWholePart) {
  open();
  const struct {
    const char* text;
    int hundreds, tensUnits;
  } cases[] = {
      {"174", 0x01, 0x74}, {"99", 0x00, 0x99},     {"150.7", 0x01, 0x50}, {"1.5e2", 0x01, 0x50},
      {" 136 ", 0x01, 0x36}, {"151515", 0x01, 0x51}, {"", 0x00, 0x00},    {"abc", 0x00, 0x00},
  };
  for (const auto& c : cases) {
    form.field(TypedField::TxUpper).setText(c.text);
    form.CollectAdjModForm();
    EXPECT_EQ(image().at(3, 11), c.hundreds) << c.text;
    EXPECT_EQ(image().at(3, 12), c.tensUnits) << c.text;
  }
}

// --- a field left unchecked ------------------------------------------------------

TEST_F(LegacyOptionsFixture, TheChecksStillDueRunInOrderAndARefusedFieldStaysDueUntilItPasses) {
  const std::string range = "  Available Password from 000000 to 999999 ";
  open();
  EXPECT_TRUE(form.runPendingCheck());  // nothing typed
  form.typed(TypedField::Password, "1A2345");
  EXPECT_FALSE(form.runPendingCheck());
  EXPECT_EQ(texts(), std::vector<std::string>{range});
  EXPECT_EQ(text(TypedField::Password), "1A2345");

  // Refused, the password stays due beside a field typed after it (the
  // focus went to another window and came back into that field).
  form.typed(TypedField::FreqA, "145.1");
  messages.shown.clear();
  EXPECT_FALSE(form.runPendingCheck());
  EXPECT_EQ(messages.lastText(), range);
  EXPECT_TRUE(form.checkPending());

  form.typed(TypedField::Password, "123456");
  EXPECT_TRUE(form.runPendingCheck());
  EXPECT_EQ(text(TypedField::FreqA), "145.10000");
  EXPECT_FALSE(form.checkPending());

  form.typed(TypedField::RxLower, "100");
  EXPECT_FALSE(form.runPendingCheck());
  EXPECT_EQ(text(TypedField::RxLower), "136");
  EXPECT_TRUE(form.runPendingCheck());  // the reset text passes its check
}

}  // namespace
}  // namespace brel::legacy_options::test
