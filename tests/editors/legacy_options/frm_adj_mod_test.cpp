// The two older option windows in the whole program: loaded as a test loads
// them (no command reaches them), clicked and typed into; and hosted on
// their own, for their buttons, their exchange and their option file.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>

#include <fstream>
#include <sstream>

#include "file_dialogs.h"
#include "frm_adj_mod.h"
#include "legacy_options_texts.h"
#include "program_fixture.h"
#include "radio_model.h"
#include "tone_tables.h"

namespace brel::program_test {
namespace {

using legacy_options::frm_Adj_Mod;

class AdjModWindow : public ProgramFixture {
 protected:
  frm_Adj_Mod* adj(FormId id) const { return dynamic_cast<frm_Adj_Mod*>(child(id)); }
  frm_Adj_Mod* load(FormId id = FormId::frm_Adj_Mod) {
    window().host().loadForm(id);
    QCoreApplication::processEvents();
    frm_Adj_Mod* w = adj(id);
    EXPECT_NE(w, nullptr);
    return w;
  }
  template <typename T>
  T* get(frm_Adj_Mod* w, const char* name) const {
    auto* widget = qobject_cast<T*>(w->widget(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString caption(frm_Adj_Mod* w, const char* name) const {
    QWidget* widget = w->widget(name);
    if (auto* l = qobject_cast<QLabel*>(widget)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(widget)) return g->title();
    return "?";
  }
  void clickOn(QWidget* widget) {
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled()) << widget->objectName().toStdString();
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    QCoreApplication::processEvents();
  }
  void typeInto(QWidget* widget, const QString& keys) {
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(widget, keys);
    QCoreApplication::processEvents();
  }
  void tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  void pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);  // as a pick from the pop-up reports it
    QCoreApplication::processEvents();
  }
  // The window's Open or Save button, a name typed into the dialog, Confirm.
  void fileDialog(frm_Adj_Mod* w, const char* button, FormId dialog, const QString& name) {
    press(get<QPushButton>(w, button));
    QLineEdit* box = nameBox(dialog);
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, name);
    press(this->button(dialog, "Command_enter"));
  }
};

TEST_F(AdjModWindow, EachWindowShowsItsCaptionsAndDefaultsInEitherLanguage) {
  start();
  EXPECT_FALSE(window().menuAction("frm_Adj_Mod"));  // no menu entry
  for (int language : {0, -1}) {
    state().LanguageFlag = static_cast<std::int16_t>(language);
    for (FormId id : {FormId::frm_Adj_Mod, FormId::frm_Adj_Tune}) {
      SCOPED_TRACE(std::string(FormName(id)) + (language ? " Chinese" : " English"));
      frm_Adj_Mod* w = load(id);
      if (language == 0) {
        EXPECT_EQ(w->windowTitle(), "Optional Features");
        EXPECT_EQ(caption(w, "Option_freq"), "Frequency ");
        EXPECT_EQ(caption(w, "Option_band_b"), "B Bans");
        EXPECT_EQ(caption(w, "Label_TX_Band"), "TX Band Under TDR Star");
        EXPECT_EQ(caption(w, "Command_close"), "Close");
        EXPECT_EQ(get<QComboBox>(w, "Combo_dtmfst")->currentText(), "KB DTMF Side Tone");
      } else {
        EXPECT_EQ(w->windowTitle(), "可选参数编辑");
        EXPECT_EQ(caption(w, "Command_read"), "读 取");
        EXPECT_EQ(caption(w, "Command_Write"), "写  入");
        EXPECT_EQ(caption(w, "Frame_A"), "Ａ段频率模式");
        EXPECT_EQ(caption(w, "Label_MDF_A"), "A 段信道显示方式");
        EXPECT_EQ(get<QComboBox>(w, "Combo_dtmfst")->currentText(), "发射时按键侧音");
      }
      for (const legacy_options::Caption& c : legacy_options::kCaptions)
        if (c.control[0] != '\0') {
          EXPECT_EQ(caption(w, c.control), Q(Pick(state().LanguageFlag, c.text))) << c.control;
        }
      for (const char* unit : {"Label4", "Label8", "Label28", "Label33"}) EXPECT_EQ(caption(w, unit), "MHZ");
      EXPECT_EQ(w->findChildren<QComboBox*>().size(), 41);
      EXPECT_EQ(w->findChildren<QCheckBox*>().size(), 13);
      EXPECT_EQ(w->findChildren<QRadioButton*>().size(), 4);
      EXPECT_EQ(w->findChildren<QGroupBox*>().size(), 10);
      EXPECT_FALSE(w->progressBar()->isVisible());

      auto checkDefaults = [&] {
        EXPECT_EQ(get<QLineEdit>(w, "Text_Freq_a")->text(), "136.02500");
        EXPECT_EQ(get<QLineEdit>(w, "Text_pvfo_d1")->text(), "173");
        EXPECT_EQ(get<QLineEdit>(w, "Text_chann_total")->text(), "128");
        EXPECT_EQ(get<QComboBox>(w, "Combo_Offset_A")->currentText(), "00.600");
        EXPECT_EQ(get<QComboBox>(w, "Combo_Offset_A")->count(), 2000);
        EXPECT_EQ(get<QComboBox>(w, "Combo_r_ctdcs_b")->count(), 261);
        EXPECT_EQ(get<QComboBox>(w, "Combo_tot")->count(), 40);
        EXPECT_EQ(get<QComboBox>(w, "Combo_vox")->currentText(), "OFF");
        EXPECT_EQ(get<QComboBox>(w, "Combo_step_a")->currentText(), "12.50 KHZ");
        EXPECT_TRUE(get<QCheckBox>(w, "Check_tdr")->isChecked());
        EXPECT_TRUE(get<QRadioButton>(w, "Option_freq")->isChecked());
        EXPECT_TRUE(get<QComboBox>(w, "Combo_Tdr_ab")->isEnabled());
      };
      checkDefaults();
      pick(get<QComboBox>(w, "Combo_step_a"), 0);
      clickOn(get<QCheckBox>(w, "Check_chann_syn"));
      EXPECT_FALSE(get<QCheckBox>(w, "Check_tdr")->isChecked());
      EXPECT_FALSE(get<QComboBox>(w, "Combo_Tdr_ab")->isEnabled());
      press(get<QPushButton>(w, "Command_def"));
      checkDefaults();
      press(get<QPushButton>(w, "Command_close"));
      EXPECT_EQ(adj(id), nullptr);
    }
  }
  EXPECT_TRUE(messages().shown.empty());
}

TEST_F(AdjModWindow, TypingIsCheckedWhenTheFieldIsLeftOrAButtonIsClicked) {
  start();
  frm_Adj_Mod* w = load();
  QLineEdit* freq = get<QLineEdit>(w, "Text_Freq_a");
  freq->selectAll();
  typeInto(freq, "145.005");
  tab();
  EXPECT_EQ(freq->text(), "145.00500");
  typeInto(get<QLineEdit>(w, "Text_Freq_b"), "9");  // "173.625009": still in the band
  tab();
  EXPECT_EQ(get<QLineEdit>(w, "Text_Freq_b")->text(), "173.62500");

  // A typed character that leaves a list without an entry puts the first one back.
  QComboBox* tot = get<QComboBox>(w, "Combo_tot");
  typeInto(tot->lineEdit(), "x");
  EXPECT_EQ(tot->currentText(), "15");
  EXPECT_EQ(tot->currentIndex(), 0);
  // The compander puts both scramblers off; a scrambler picked takes it off again.
  pick(get<QComboBox>(w, "Combo_scr_a"), 4);
  clickOn(get<QCheckBox>(w, "Check_comp"));
  EXPECT_EQ(get<QComboBox>(w, "Combo_scr_a")->currentText(), "OFF");
  pick(get<QComboBox>(w, "Combo_scr_b"), 2);
  EXPECT_FALSE(get<QCheckBox>(w, "Check_comp")->isChecked());

  // A password left unchecked: Default checks it first and does nothing more.
  QLineEdit* password = get<QLineEdit>(w, "Text_menu_pwd");
  password->selectAll();
  typeInto(password, "1A2345");
  state().ChannelTotal = 100;
  press(get<QPushButton>(w, "Command_def"));
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"  Available Password from 000000 to 999999 "});
  EXPECT_EQ(state().ChannelTotal, 100);
  EXPECT_EQ(password->text(), "1A2345");
  EXPECT_TRUE(password->hasFocus());
  password->selectAll();
  typeInto(password, "123456");

  // The channel total is checked at every change.
  QLineEdit* total = get<QLineEdit>(w, "Text_chann_total");
  total->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(total->hasFocus());
  total->selectAll();
  QTest::keyClick(total, Qt::Key_Backspace);
  EXPECT_EQ(messages().lastText(), "Channel select from 1 to 128 .");
  EXPECT_EQ(total->text(), "128");
}

// A refusal that leaves the text for the user to correct keeps the field
// unchecked: Write and Save run its check again and take nothing while it
// refuses, also when the Save dialog was already on screen; the corrected
// text is what they then store.
TEST_F(AdjModWindow, ARefusedTextReachesNeitherTheRadioNorAFileUntilCorrected) {
  const struct {
    const char* field;
    const char* refused;
    const char* message;
    const char* corrected;
    int address;  // where the corrected text lands in the radio
    Row bytes;
  } cases[] = {
      {"Text_menu_pwd", "1A2345", "  Available Password from 000000 to 999999 ", "123456", 0x0E4F, {1, 2, 3, 4, 5, 6}},
      {"Text_menu_pwd", "12345", "Password length is 6 digit.", "654321", 0x0E4F, {6, 5, 4, 3, 2, 1}},
      {"Text_pvfo_t0", "130", "Transmit frequency of lower limit can't less than receive frequency of lower limit's.",
       "140", 0x0E59, {0x01, 0x40}},
  };
  plugRadio();
  start();
  ASSERT_TRUE(identified());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refused);
    frm_Adj_Mod* w = load();
    QLineEdit* field = get<QLineEdit>(w, c.field);
    const Row before = radioBytes(0x0E20, 0x40);
    const std::size_t sent = line->fromProgram().size();
    const auto refusedAgain = [&](const char* what) {
      EXPECT_EQ(messages().lastText(), c.message) << what;
      EXPECT_EQ(field->text(), c.refused) << what;
      EXPECT_TRUE(field->hasFocus()) << what;
    };

    // Save's dialog first, while every field still passes.
    press(get<QPushButton>(w, "Command_save"));
    ASSERT_NE(child(FormId::Form_save_menu), nullptr);
    field->selectAll();
    typeInto(field, c.refused);
    tab();
    refusedAgain("left");

    messages().shown.clear();
    press(get<QPushButton>(w, "Command_Write"));
    refusedAgain("Write");
    runFor(5 * kSecond);
    EXPECT_EQ(line->fromProgram().size(), sent);  // not one byte went out
    EXPECT_FALSE(w->running());

    // Confirmed in the dialog shown before: the request finds the field refused.
    QLineEdit* name = nameBox(FormId::Form_save_menu);
    ASSERT_NE(name, nullptr);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, "refused.dat");
    press(button(FormId::Form_save_menu, "Command_enter"));
    ASSERT_TRUE(runUntil([&] { return messages().shown.size() == 2; }));
    EXPECT_EQ(messages().lastText(), c.message);
    EXPECT_FALSE(QFile::exists(folder.filePath("refused.dat")));
    // Save itself shows no dialog while the field refuses.
    press(get<QPushButton>(w, "Command_save"));
    refusedAgain("Save");
    EXPECT_EQ(child(FormId::Form_save_menu), nullptr);
    EXPECT_EQ(radioBytes(0x0E20, 0x40), before);

    field->selectAll();
    typeInto(field, c.corrected);
    fileDialog(w, "Command_save", FormId::Form_save_menu, "corrected.dat");
    ASSERT_TRUE(messageShown("Complete storing optional parameters."));
    EXPECT_TRUE(QFile::exists(folder.filePath("corrected.dat")));
    for (std::size_t i = 0; i < c.bytes.size(); ++i) {  // what the file holds: stage rows 0..3 are 0x0E20..0x0E5F
      const int offset = c.address - 0x0E20 + static_cast<int>(i);
      EXPECT_EQ(state().OptionStageImage[0].at(offset / 16, offset % 16), c.bytes[i]) << i;
    }
    press(get<QPushButton>(w, "Command_Write"));
    ASSERT_TRUE(messageShown("Complete writing optional parameters to the transceiver."));
    EXPECT_EQ(radioBytes(c.address, static_cast<int>(c.bytes.size())), c.bytes);
    EXPECT_EQ(messages().shown.size(), 5u) << messages().lastText();
    QFile::remove(folder.filePath("corrected.dat"));
    press(get<QPushButton>(w, "Command_close"));
    ASSERT_EQ(adj(FormId::frm_Adj_Mod), nullptr);
    messages().shown.clear();
  }
}

// A window being unloaded runs no leave rule: an unchecked password says
// nothing while the program ends, whichever way it is ended.
TEST_F(AdjModWindow, ExitWithAFieldTypedButNotLeftEndsWithoutAWord) {
  for (const char* how : {"File_exit", "close box"}) {
    SCOPED_TRACE(how);
    start();
    frm_Adj_Mod* w = load();
    QLineEdit* password = get<QLineEdit>(w, "Text_menu_pwd");
    password->selectAll();
    typeInto(password, "1A2345");
    ASSERT_TRUE(password->hasFocus());
    if (std::string(how) == "File_exit") menu("File_exit");
    else window().close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(adj(FormId::frm_Adj_Mod), nullptr);
    EXPECT_TRUE(messages().shown.empty()) << messages().lastText();
    quit();
  }
}

TEST_F(AdjModWindow, ReadShowsTheRadiosAreaAndCloseWaitsForTheExchange) {
  sim::RadioSim& r = plugRadio();
  start();
  ASSERT_TRUE(identified());
  // VFO A at 145.12500 with DCS 023N on receive; scan resume "CO".
  const int record[] = {1, 4, 5, 1, 2, 5, 0, 0};
  for (int i = 0; i < 8; ++i) r.memory()[0x0F08 + i] = static_cast<std::uint8_t>(record[i]);
  r.memory()[0x0F16] = 1;
  r.memory()[0x0F17] = 0;
  r.memory()[0x0E32] = 1;
  frm_Adj_Mod* w = load();
  press(get<QPushButton>(w, "Command_read"));
  EXPECT_TRUE(w->progressBar()->isVisible());
  EXPECT_EQ(w->statusLabel()->text(), "Connecting with transceiver. ");
  // Close and the close box both wait for the exchange.
  press(get<QPushButton>(w, "Command_close"));
  EXPECT_FALSE(window().host().unloadForm(FormId::frm_Adj_Mod));
  EXPECT_EQ(messages().lastText(), "Read-write operating，don't close the window.,");
  ASSERT_NE(adj(FormId::frm_Adj_Mod), nullptr);
  ASSERT_TRUE(messageShown(kReadDoneText));
  EXPECT_EQ(get<QLineEdit>(w, "Text_Freq_a")->text(), "145.12500");
  EXPECT_EQ(get<QComboBox>(w, "Combo_r_ctdcs_a")->currentText(), "D023N");
  EXPECT_EQ(get<QComboBox>(w, "Combo_sc_rev")->currentText(), "CO");
  EXPECT_EQ(w->statusLabel()->text(), "Read optional parameters in gear. ");
  EXPECT_EQ(w->progressBar()->value(), 100);
  EXPECT_EQ(state().OptionStageImage[1], OptionStageTable());  // the other window's image is its own
  press(get<QPushButton>(w, "Command_close"));
  EXPECT_EQ(adj(FormId::frm_Adj_Mod), nullptr);
}

// While the read waits to retry (the radio fell silent), the file buttons,
// Default and a pick wait as they do while it runs: each says so, no
// dialog opens and the list shows the stage again.
TEST_F(AdjModWindow, FileButtonsDefaultAndPicksWaitWhileTheReadWaitsToRetry) {
  plugRadio();
  start();
  ASSERT_TRUE(identified());
  radio->addFault({.kind = sim::FaultKind::Silence, .answer = 0});
  frm_Adj_Mod* w = load();
  auto* squelch = get<QComboBox>(w, "Combo_sql_le");
  const QString shown = squelch->currentText();
  press(get<QPushButton>(w, "Command_read"));
  ASSERT_TRUE(runUntil([&] { return !w->busy(); }));
  ASSERT_TRUE(w->running());
  messages().shown.clear();
  const OptionStageTable stage = state().OptionStageImage[0];

  press(get<QPushButton>(w, "Command_open"));
  press(get<QPushButton>(w, "Command_save"));
  press(get<QPushButton>(w, "Command_def"));
  pick(squelch, 2);
  EXPECT_EQ(messages().texts(), std::vector<std::string>(4, "Read-write operating with transceiver ."));
  EXPECT_EQ(child(FormId::Form_open_menu), nullptr);
  EXPECT_EQ(child(FormId::Form_save_menu), nullptr);
  EXPECT_EQ(squelch->currentText(), shown);
  EXPECT_EQ(state().OptionStageImage[0], stage);

  ASSERT_TRUE(runUntil([&] { return !w->running(); }));
  press(get<QPushButton>(w, "Command_open"));
  EXPECT_NE(child(FormId::Form_open_menu), nullptr);
}

TEST_F(AdjModWindow, AKeyTypedIntoAToneListArmsItsGuard) {
  start();
  frm_Adj_Mod* w = load();
  // As the user types: the keys go to the list, which holds the focus for
  // its field.
  auto* tone = get<QComboBox>(w, "Combo_r_ctdcs_a");
  tone->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(tone, Qt::Key_End);
  QTest::keyClicks(tone, "x");
  QCoreApplication::processEvents();
  EXPECT_EQ(tone->currentText(), "OFF");
  EXPECT_EQ(tone->currentIndex(), 0);
}

TEST_F(AdjModWindow, TwoOpenWindowsEachTakeOnlyTheirOwnFileRequests) {
  start();
  frm_Adj_Mod* mod = load(FormId::frm_Adj_Mod);
  frm_Adj_Mod* tune = load(FormId::frm_Adj_Tune);
  pick(get<QComboBox>(mod, "Combo_sql_le"), 2);
  fileDialog(mod, "Command_save", FormId::Form_save_menu, "mod.dat");
  ASSERT_TRUE(messageShown("Complete storing optional parameters."));
  EXPECT_EQ(state().OptionStageImage[0].at(0, 0), 2);
  EXPECT_EQ(state().OptionStageImage[1], OptionStageTable());  // the other window saved nothing

  fileDialog(tune, "Command_open", FormId::Form_open_menu, "mod.dat");
  ASSERT_TRUE(messageShown("Succeed fold the optional parameters from file."));
  EXPECT_EQ(get<QComboBox>(tune, "Combo_sql_le")->currentText(), "2");
  EXPECT_EQ(state().OptionStageImage[1].at(0, 0), 2);

  // A dialog shown by one window closes with that window only.
  press(get<QPushButton>(tune, "Command_open"));
  ASSERT_NE(child(FormId::Form_open_menu), nullptr);
  press(get<QPushButton>(mod, "Command_close"));
  EXPECT_NE(child(FormId::Form_open_menu), nullptr);
  press(get<QPushButton>(tune, "Command_close"));
  EXPECT_EQ(child(FormId::Form_open_menu), nullptr);
}

TEST_F(AdjModWindow, AFileRequestConfirmedDuringAnExchangeWaitsForItsEnd) {
  plugRadio();
  start();
  ASSERT_TRUE(identified());
  frm_Adj_Mod* w = load();
  fileDialog(w, "Command_save", FormId::Form_save_menu, "before.dat");
  ASSERT_TRUE(messageShown("Complete storing optional parameters."));

  press(get<QPushButton>(w, "Command_open"));  // the dialog is on screen
  press(get<QPushButton>(w, "Command_read"));
  QLineEdit* box = nameBox(FormId::Form_open_menu);
  ASSERT_NE(box, nullptr);
  box->setText("before.dat");
  press(button(FormId::Form_open_menu, "Command_enter"));
  ASSERT_TRUE(runUntil([&] { return messages().lastText() == "Succeed fold the optional parameters from file."; }));
  // The read ended first; the file then replaced what it showed.
  const auto shown = messages().texts();
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(shown[shown.size() - 2], kReadDoneText);
  EXPECT_EQ(get<QComboBox>(w, "Combo_sql_le")->currentText(), "5");
  EXPECT_EQ(state().OptionStageImage[0].at(0, 0), 5);
}

// --- one window hosted on its own ------------------------------------------------

using legacy_options::LegacyOptionsEditor;
using legacy_options::TypedField;

// frm_Adj_Mod on the state the program starts with (136-174 MHz, 128
// channels, English), its main window not shown.
class AdjModHosted : public ::testing::Test, protected test::HostedWindows {
 protected:
  static constexpr int kPort = 5;

  AdjModHosted() : HostedWindows(kPort) {
    state.PortNumber = kPort;
    link::LoadHandshakeCommand(state, 0);
    state.LanguageFlag = 0;
    state.ChannelTotal = 128;
    state.VhfLower = 136;
    state.VhfUpper = 174;
    BuildToneTables(state);
    RegisterLegacyOptionEditors(host);
    RegisterFileForms(host);
    EXPECT_TRUE(folder.isValid());
  }

  frm_Adj_Mod* load() {
    window = HostedWindows::load<frm_Adj_Mod>(FormId::frm_Adj_Mod);
    QCoreApplication::processEvents();
    return window;
  }
  LegacyOptionsEditor& editor() { return window->editor(); }
  OptionStageTable& image() { return state.OptionStageImage[0]; }
  void putRow(int row, const std::vector<int>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c)
      image().at(row, static_cast<int>(c)) = static_cast<std::int16_t>(cells[c]);
  }
  std::vector<int> row(int r) {
    std::vector<int> out;
    for (int c = 0; c < 16; ++c) out.push_back(image().at(r, c));
    return out;
  }
  std::string shown(const std::string& control) {
    for (const auto& c : editor().controls()) {
      if (c.name != control) continue;
      if (c.kind == LegacyOptionsEditor::Kind::List) return static_cast<PlainList*>(c.control)->text();
      if (c.kind == LegacyOptionsEditor::Kind::TextBox) return static_cast<PlainTextBox*>(c.control)->text();
    }
    return "?";
  }
  std::string text(TypedField f) { return editor().field(f).text(); }
  std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
  static std::string Read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Write(const std::string& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

  QTemporaryDir folder;
  frm_Adj_Mod* window = nullptr;
};

TEST_F(AdjModHosted, EveryButtonFirstRunsTheChecksStillDueAndStopsWhileOneRefuses) {
  // No radio is plugged: Write reports a port that cannot be opened.
  frm_Adj_Mod* w = load();
  editor().typed(TypedField::Password, "1A2345");
  state.ChannelTotal = 100;
  w->Command_def_Click();
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"  Available Password from 000000 to 999999 "});
  EXPECT_EQ(state.ChannelTotal, 100);  // Default did nothing more
  EXPECT_EQ(text(TypedField::Password), "1A2345");

  // Refused, the password stays due: Write stops at it too, beside a field
  // typed after it.
  editor().typed(TypedField::FreqA, "145.1");
  messages.shown.clear();
  w->Command_Write_Click();
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"  Available Password from 000000 to 999999 "});
  EXPECT_EQ(image().at(6, 11), 0xFF);  // nothing collected

  editor().typed(TypedField::Password, "123456");
  w->Command_Write_Click();  // the port message, after the field's normal form
  EXPECT_EQ(text(TypedField::FreqA), "145.10000");
  EXPECT_EQ(messages.lastText(), "Communication Port Open Error ！");
  EXPECT_EQ(image().at(6, 11), 1);  // the write collected first: 145.1 MHz

  editor().typed(TypedField::RxLower, "100");
  w->Command_save_Click();
  EXPECT_EQ(text(TypedField::RxLower), "136");
  EXPECT_FALSE(host.isLoaded(FormId::Form_save_menu));
  w->Command_save_Click();  // checked since: nothing pending
  EXPECT_TRUE(host.isLoaded(FormId::Form_save_menu));
}

TEST_F(AdjModHosted, WhileTheExchangeRunsTheButtonsWaitAndCloseWaitsForItsRetryToo) {
  plugRadio().addFault(sim::Fault{sim::FaultKind::Silence, sim::kCommandAck, 0, -1});
  frm_Adj_Mod* w = load();
  const OptionStageTable before = image();
  w->Command_read_Click();
  EXPECT_TRUE(w->busy());
  w->Command_def_Click();
  EXPECT_EQ(messages.lastText(), "Read-write operating with transceiver .");
  w->Command_close_Click();
  EXPECT_EQ(messages.lastText(), "Read-write operating，don't close the window.,");
  EXPECT_EQ(loaded<frm_Adj_Mod>(FormId::frm_Adj_Mod), w);
  // Between a time-out and its retry the close box still refuses.
  ASSERT_TRUE(runUntil([&] { return !w->busy() && w->running(); }));
  EXPECT_FALSE(host.unloadForm(FormId::frm_Adj_Mod));
  ASSERT_TRUE(runUntil([&] { return !w->running(); }));
  EXPECT_EQ(radio->sessions(), 4);
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_EQ(w->statusLabel()->text(), "Connecting with transceiver. ");
  EXPECT_EQ(messages.shown.size(), 3u);  // the two refusals and the close box's: no fault box
  EXPECT_EQ(image(), before);
  EXPECT_TRUE(host.unloadForm(FormId::frm_Adj_Mod));
}

// --- the option file ---------------------------------------------------------------

TEST_F(AdjModHosted, SaveAfterDefaultWritesTwelveLinesAndOpeningRestoresThem) {
  frm_Adj_Mod* w = load();
  ASSERT_TRUE(w->saveFileAndTell(path("a.dat")));
  EXPECT_EQ(messages.lastText(), "Complete storing optional parameters.");
  const std::string file = Read(path("a.dat"));
  EXPECT_EQ(file.size(), 612u);
  std::vector<std::string> lines;
  std::stringstream in(file);
  for (std::string line; std::getline(in, line, '\n');) lines.push_back(line);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], " 5  0  0  3  0  0  3  1  1  3  0  0  0  0  1  0 \r");
  const std::string zeros = " 0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0 \r";
  for (int k : {4, 5, 10, 11}) EXPECT_EQ(lines[static_cast<std::size_t>(k)], zeros) << k + 1;

  std::vector<std::vector<int>> saved;
  for (int r = 0; r < 12; ++r) saved.push_back(row(r));
  for (int r = 0; r < 16; ++r) putRow(r, std::vector<int>(16, 0x77));
  editor().list("Combo_tot").select(0);
  ASSERT_TRUE(w->openFileAndTell(path("a.dat")));
  EXPECT_EQ(messages.lastText(), "Succeed fold the optional parameters from file.");
  for (int r = 0; r < 12; ++r) EXPECT_EQ(row(r), saved[static_cast<std::size_t>(r)]) << r;
  for (int r = 12; r < 16; ++r) EXPECT_EQ(row(r), std::vector<int>(16, 0x77)) << r;
  EXPECT_EQ(shown("Combo_tot"), "60");
  EXPECT_EQ(shown("Text_Freq_b"), "173.62500");
  EXPECT_EQ(w->findChild<QComboBox*>("Combo_tot")->currentText(), "60");
}

TEST_F(AdjModHosted, OpeningShowsTheFilesVfoRecordsWhateverRowsTwelveAndThirteenHold) {
  frm_Adj_Mod* w = load();
  editor().list("Combo_scr_b").select(0);
  editor().check("Check_comp").setChecked(true);
  editor().list("Combo_step_b").select(4);
  ASSERT_TRUE(w->saveFileAndTell(path("b.dat")));
  putRow(13, std::vector<int>(16, 0x03));  // a stale record with scrambler 3
  w->Command_def_Click();
  ASSERT_TRUE(w->openFileAndTell(path("b.dat")));
  EXPECT_TRUE(editor().check("Check_comp").checked());
  EXPECT_EQ(shown("Combo_scr_b"), "OFF");
  EXPECT_EQ(shown("Combo_step_b"), "25.00 KHZ");
}

TEST_F(AdjModHosted, ABadFileIsRefusedWithItsReasonAndChangesNothing) {
  frm_Adj_Mod* w = load();
  std::string good;
  for (int i = 0; i < 192; ++i) good += " 1 ";
  const struct {
    const char* name;
    std::string text;
  } cases[] = {
      {"191 values", good.substr(0, 191 * 3)},
      {"a 256", " 256 " + good.substr(3)},
      {"a fraction", " 1.5 " + good.substr(3)},
      {"a word", " x " + good.substr(3)},
  };
  for (int r = 0; r < 16; ++r) putRow(r, std::vector<int>(16, 0x20));
  editor().list("Combo_tot").select(9);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Write(path("bad.dat"), c.text);
    messages.shown.clear();
    EXPECT_FALSE(w->openFileAndTell(path("bad.dat")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.lastText().find("were not loaded"), std::string::npos) << messages.lastText();
    for (int r = 0; r < 16; ++r) EXPECT_EQ(row(r), std::vector<int>(16, 0x20)) << r;
    EXPECT_EQ(shown("Combo_tot"), "150");
  }
  messages.shown.clear();
  EXPECT_FALSE(w->openFileAndTell(path("missing.dat")));
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(w->saveFileAndTell(path("no/such/folder.dat")));
  EXPECT_NE(messages.lastText(), "Complete storing optional parameters.");
}

}  // namespace
}  // namespace brel::program_test
