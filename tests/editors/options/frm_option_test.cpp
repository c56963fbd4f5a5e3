// The optional features window in the whole program, under the offscreen
// platform: opened from the Edit menu, clicked and typed into as a user does.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>

#include <fstream>

#include "address_map.h"
#include "frequency_codec.h"
#include "frm_option.h"
#include "option_texts.h"
#include "program_fixture.h"

namespace brel::program_test {
namespace {

using options::frm_option;

constexpr int kBlock = 0x0E20;

class OptionWindow : public ProgramFixture {
 protected:
  frm_option* options() const { return dynamic_cast<frm_option*>(child(FormId::frm_option)); }
  template <class W>
  W* find(const char* name) const {
    return options() ? qobject_cast<W*>(options()->widget(name)) : nullptr;
  }
  QComboBox* list(const char* name) const { return find<QComboBox>(name); }
  QCheckBox* box(const char* name) const { return find<QCheckBox>(name); }
  int byte(int address) const { return state().MemImage.byte(address); }

  // Opens the list and clicks the entry.
  void pick(const char* name, const QString& entry) {
    QComboBox* combo = list(name);
    ASSERT_NE(combo, nullptr) << name;
    ASSERT_TRUE(combo->isVisible() && combo->isEnabled()) << name;
    const int index = combo->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    // Down the open list to the entry, then Enter.
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_EQ(combo->currentIndex(), index) << name;
  }
  void click(const char* name) {
    QCheckBox* b = box(name);
    ASSERT_NE(b, nullptr) << name;
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << name;
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    QCoreApplication::processEvents();
  }
  void openOptions() {
    menu("Optional_edit");
    ASSERT_NE(options(), nullptr);
  }
};

TEST_F(OptionWindow, OpeningFromTheMenuShowsFourFramesAndChangesOnlyVfoBTones) {
  start();
  const ProgramState before = state();
  openOptions();

  frm_option* w = options();
  EXPECT_EQ(w->windowTitle(), "Optional Features");
  EXPECT_EQ(window().host().form(FormId::frm_option), w);
  for (const char* f : {"Frame1", "Frame6", "Frame5", "Frame_band"}) EXPECT_TRUE(find<QGroupBox>(f)->isVisible()) << f;
  EXPECT_EQ(find<QGroupBox>("Frame_band")->title(), "Work Band");
  EXPECT_EQ(find<QPushButton>("Command_def")->text(), "Default");
  EXPECT_EQ(find<QPushButton>("Command_close")->text(), "Close");
  EXPECT_TRUE(find<QPushButton>("Command_close")->isVisible());
  for (const char* hidden : {"Frame_Mode", "Frame_Chann", "Frame_A", "Frame_B", "Command_read", "Command_Write",
                             "ProgressBar1", "Combo_abr", "Label_Abr", "Check_Lock", "Check_bcl", "Combo_ponmsg",
                             "Combo_wt_led", "Combo_rx_led", "Combo_tx_led", "Label_tx_led"})
    EXPECT_FALSE(w->widget(hidden)->isVisible()) << hidden;
  EXPECT_EQ(list("Combo_sql")->currentText(), "3");
  EXPECT_EQ(list("Combo_pri")->currentText(), "CH-128");
  EXPECT_EQ(list("Combo_Rp_Ste")->currentText(), "500");
  EXPECT_TRUE(box("Check_radio")->isChecked());

  for (int a = 0; a < 0x1F00; ++a) {
    const bool vfoBTone = a >= 0x0F36 && a <= 0x0F39;
    ASSERT_EQ(byte(a), vfoBTone ? 0 : before.MemImage.byte(a)) << std::hex << a;
  }
  EXPECT_EQ(before.MemImage.byte(0x0F36), 0xFF);
  EXPECT_EQ(state().VfoALower, 136);
  EXPECT_EQ(state().VfoAUpper, 175);
  EXPECT_EQ(state().VfoBLower, 400);
  EXPECT_EQ(state().VfoBUpper, 480);
  EXPECT_TRUE(messages().shown.empty());
  EXPECT_EQ(state().FormOpenFlags.OptionFormOpen, -1);

  // Half the main window's width, its height over 1.7, centred; a little
  // wider where its right-hand frames need it (the area fits every window
  // to its controls).
  const QWidget* frame = w->parentWidget();
  EXPECT_GE(frame->width(), window().width() / 2);
  EXPECT_LT(frame->width(), window().width() / 2 + 16);
  EXPECT_EQ(frame->height(), static_cast<int>(window().height() / 1.7));
}

TEST_F(OptionWindow, InChineseTheWorkBandFrameHasNoCaption) {
  start();
  state().LanguageFlag = -1;
  openOptions();
  EXPECT_EQ(options()->windowTitle(), "可选参数编辑");
  EXPECT_EQ(find<QGroupBox>("Frame_band")->title(), "");
  EXPECT_EQ(find<QPushButton>("Command_def")->text(), "默 认");
  EXPECT_EQ(find<QPushButton>("Command_close")->text(), "关  闭");
  EXPECT_EQ(list("Combo_voice")->currentText(), "中文");
  EXPECT_EQ(find<QLabel>("Label_Sql")->text(), "静噪电平");
}

TEST_F(OptionWindow, ChoicesAndBoxesGoIntoTheSettingsBlockAtOnce) {
  start();
  state().MemImage.byte(kBlock + 42) = 0x80;
  state().MemImage.byte(kBlock + 4) = 6;
  state().MemImage.byte(kBlock + 24) = 1;
  openOptions();
  const ProgramState before = state();

  pick("Combo_sql", "5");
  EXPECT_EQ(byte(0x0E20), 5);
  for (int a = kBlock + 1; a < kBlock + 64; ++a) EXPECT_EQ(byte(a), before.MemImage.byte(a)) << std::hex << a;

  click("Check_radio");
  EXPECT_EQ(byte(kBlock + 42), 0x90);
  click("Check_radio");
  EXPECT_EQ(byte(kBlock + 42), 0x80);

  click("Check_Autolk");
  EXPECT_FALSE(list("Combo_vox")->isEnabled());
  EXPECT_EQ(byte(0x0E38), 0);
  EXPECT_EQ(byte(kBlock + 4), 6);

  pick("Combo_AL_Mode", "SITE");
  EXPECT_FALSE(box("Check_Alarm_Sound")->isEnabled());
  pick("Combo_AL_Mode", "CODE");
  EXPECT_TRUE(box("Check_Alarm_Sound")->isEnabled());

  // Typed characters never change a list.
  QComboBox* sql = list("Combo_sql");
  sql->setFocus();
  QTest::keyClicks(sql, "9");
  EXPECT_EQ(sql->currentText(), "5");
  EXPECT_EQ(byte(0x0E20), 5);
  EXPECT_TRUE(messages().shown.empty());
}

TEST_F(OptionWindow, AlarmSoundClearsOnlyItsBitAndDefaultRestoresEverything) {
  start();
  openOptions();
  EXPECT_EQ(byte(kBlock + 42), 31);
  click("Check_Alarm_Sound");
  EXPECT_EQ(byte(kBlock + 42), 23);

  pick("Combo_tot", "600");
  state().ChannelTotal = 20;
  press(find<QPushButton>("Command_def"));
  EXPECT_EQ(byte(kBlock + 42), 31);
  EXPECT_EQ(byte(kBlock + 9), 3);
  EXPECT_EQ(list("Combo_tot")->currentText(), "60");
  EXPECT_TRUE(box("Check_Alarm_Sound")->isChecked());
  EXPECT_EQ(state().ChannelTotal, 128);

  press(find<QPushButton>("Command_close"));
  EXPECT_EQ(child(FormId::frm_option), nullptr);
  EXPECT_EQ(state().FormOpenFlags.OptionFormOpen, 0);
}

TEST_F(OptionWindow, AStoredChannelTotalOfZeroIsReportedPerDisplayAndNeverLoops) {
  start();
  state().MemImage.byte(0x0E4E) = 0;
  openOptions();
  EXPECT_EQ(messages().texts(), std::vector<std::string>(4, "Channel select from 1 to 128 ."))
      << "three nested displays and the activation";

  // The main window losing and regaining the focus is no activation.
  messages().shown.clear();
  QWidget elsewhere;
  elsewhere.show();
  QApplication::setActiveWindow(&elsewhere);
  QCoreApplication::processEvents();
  QApplication::setActiveWindow(&window());
  QCoreApplication::processEvents();
  EXPECT_TRUE(messages().shown.empty());

  // Switching to the channel editor and back is one.
  menu("Channel_edit");
  EXPECT_TRUE(messages().shown.empty());
  window().host().loadForm(FormId::frm_option);
  QCoreApplication::processEvents();
  EXPECT_EQ(messages().shown.size(), 1u);
  EXPECT_EQ(byte(0x0E4E), 0);
}

TEST_F(OptionWindow, WhileItsOwnExchangeRunsTheWindowStays) {
  plugRadio().addFault({sim::FaultKind::Silence});
  start();
  runUntil([&] { return panel(2) == "Communication fault."; }, 60 * kSecond);
  openOptions();
  messages().shown.clear();
  options()->Command_read_Click();
  const std::int64_t started = clock.nowUs();
  ASSERT_EQ(find<QLabel>("Label_tr_count")->text(), "Connecting with transceiver. ");
  EXPECT_TRUE(find<QProgressBar>("ProgressBar1")->isVisible());

  // While an attempt runs and while its retry waits.
  const std::string refused = "Read-write operating，don't close the window.,";
  for (std::int64_t at : {0 * kMs, 500 * kMs, 2000 * kMs}) {
    SCOPED_TRACE(at);
    runFor(started + at - clock.nowUs());
    messages().shown.clear();
    press(find<QPushButton>("Command_def"));
    EXPECT_EQ(messages().lastText(), "Read-write operating with transceiver .");
    press(find<QPushButton>("Command_close"));
    EXPECT_EQ(messages().lastText(), refused);
    options()->parentWidget()->close();
    EXPECT_EQ(messages().lastText(), refused);
    menu("Optional_edit");
    EXPECT_EQ(messages().lastText(), refused);
    menu("File_exit");
    EXPECT_TRUE(window().isVisible());
    ASSERT_NE(options(), nullptr);
    EXPECT_EQ(state().FormOpenFlags.OptionFormOpen, -1);
    EXPECT_EQ(messages().shown.size(), 5u);
  }

  ASSERT_TRUE(messageShown("Fail connect with transceiver."));
  EXPECT_EQ(panel(2), "Communication fault.");
  EXPECT_EQ(find<QLabel>("Label_tr_count")->text(), "Connecting with transceiver. ");
  // Default clears what the exchange left on the progress display.
  press(find<QPushButton>("Command_def"));
  EXPECT_EQ(find<QLabel>("Label_tr_count")->text(), "");
  EXPECT_FALSE(find<QProgressBar>("ProgressBar1")->isVisible());
  EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 0);
  press(find<QPushButton>("Command_close"));
  EXPECT_EQ(child(FormId::frm_option), nullptr);
}

TEST_F(OptionWindow, BandAAboveBandBStillLetsTheWholeMemoryWriteThrough) {
  plugRadio();
  start();
  ASSERT_TRUE(identified());
  state().MemImage.byte(0x0F00 + 26) = 1;  // VFO A on UHF
  state().MemImage.byte(0x0F20 + 26) = 0;  // VFO B on VHF
  openOptions();
  edit(1, chann::kColRxFreq, "145.5");
  edit(2, chann::kColRxFreq, "435");
  EXPECT_EQ(state().VfoALower, 400);
  EXPECT_EQ(state().VfoBLower, 136);

  menu("Prog_write");
  press(button(FormId::Form_Comm_Write, "Command_Write"));
  ASSERT_TRUE(messageShown(kWriteDoneText));

  // A channel between the bands (as a file could bring it) is refused.
  press(button(FormId::Form_Comm_Write, "Command_Cancel"));
  StoreFrequency(state().MemImage, "300", addr::ChannelRecordRow(2), addr::kRxFreqCol);
  menu("Prog_write");
  messages().shown.clear();
  press(button(FormId::Form_Comm_Write, "Command_Write"));
  ASSERT_EQ(messages().shown.size(), 1u);
  EXPECT_NE(messages().lastText().find("Channel 2"), std::string::npos);
}

TEST_F(OptionWindow, OptionFileLoadsAllOrNothingAndSavesSixteenValuesARow) {
  start();
  openOptions();
  frm_option* w = options();
  const std::string dir = folder.path().toStdString();
  const std::string path = dir + "/options-496.dat";
  pick("Combo_sql", "7");
  ASSERT_TRUE(w->saveFileAndTell(path));
  EXPECT_EQ(find<QLabel>("Label_tr_count")->text(), "Store  parameter in gear.");
  EXPECT_EQ(messages().lastText(), "Complete storing  parameter.");

  std::ifstream in(path, std::ios::binary);
  std::string line, first;
  int lines = 0;
  while (std::getline(in, line)) {
    if (lines == 300) first = line;
    ++lines;
  }
  EXPECT_EQ(lines, 496);
  std::string erased;
  for (int i = 0; i < 16; ++i) erased += " 255 ";
  EXPECT_EQ(first, erased + "\r") << "row 300 is erased";

  pick("Combo_sql", "2");
  ASSERT_TRUE(w->openFileAndTell(path));
  EXPECT_EQ(byte(kBlock), 7);
  EXPECT_EQ(list("Combo_sql")->currentText(), "7");
  EXPECT_EQ(messages().lastText(), "Succeed fold the parameter from file.");
  EXPECT_EQ(find<QLabel>("Label_tr_count")->text(), "");

  // A main-window file of 481 rows, and a value beyond a byte: refused,
  // image and window unchanged.
  const std::string shortPath = dir + "/options-481.dat";
  {
    std::ofstream out(shortPath, std::ios::binary);
    for (int r = 0; r < 481; ++r) {
      for (int c = 0; c < 16; ++c) out << " 1 ";
      out << "\r\n";
    }
  }
  const ProgramState before = state();
  EXPECT_FALSE(w->openFileAndTell(shortPath));
  EXPECT_NE(messages().lastText().find("options-481.dat"), std::string::npos);
  EXPECT_FALSE(w->openFileAndTell(dir + "/no-such-file.dat"));
  for (int a = 0; a < 0x1F00; ++a) ASSERT_EQ(byte(a), before.MemImage.byte(a));
  EXPECT_EQ(list("Combo_sql")->currentText(), "7");

  // A save that cannot be made says so and leaves the old file.
  EXPECT_FALSE(w->saveFileAndTell(dir + "/no-such-dir/x.dat"));
  EXPECT_NE(messages().lastText().find("not saved"), std::string::npos);
}

TEST_F(OptionWindow, OptionFileRequestsTakenInOneTickLoadThenSaveEachWithItsOwnPath) {
  start();
  openOptions();
  frm_option* w = options();
  // A file of the window's own: 496 rows, squelch 8.
  const QString source = folder.filePath("source.dat");
  {
    std::ofstream out(source.toStdString(), std::ios::binary);
    for (int r = 0; r < 496; ++r) {
      for (int c = 0; c < 16; ++c) out << ' ' << (r == 226 && c == 0 ? 8 : state().MemImage.at(r, c)) << ' ';
      out << "\r\n";
    }
  }
  auto confirm = [&](FormId dialog, const QString& name) {
    QLineEdit* box = nameBox(dialog);
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, name);
    press(button(dialog, "Command_enter"));
  };
  w->ShowOpenMenuDialog();
  confirm(FormId::Form_open_menu, "source.dat");
  w->ShowSaveMenuDialog();
  confirm(FormId::Form_save_menu, "copy.dat");
  w->PollFileRequests();

  EXPECT_EQ(byte(kBlock), 8);
  EXPECT_EQ(list("Combo_sql")->currentText(), "8");
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{"Succeed fold the parameter from file.",
                                                          "Complete storing  parameter."}));
  std::ifstream saved(folder.filePath("copy.dat").toStdString(), std::ios::binary);
  std::string line, erased;
  for (int i = 0; i < 16; ++i) erased += " 255 ";
  int lines = 0;
  bool erasedRowSeen = false;
  while (std::getline(saved, line)) {
    ++lines;
    erasedRowSeen |= line == erased + "\r";
  }
  EXPECT_EQ(lines, 496);
  EXPECT_TRUE(erasedRowSeen);
  EXPECT_EQ(find<QLabel>("Label_tr_count")->text(), "Store  parameter in gear.");

  // The main window's file of 481 rows is refused, nothing changed.
  saveAs("main.dat");
  messages().shown.clear();
  state().MemImage.byte(kBlock) = 2;
  w->ShowOpenMenuDialog();
  confirm(FormId::Form_open_menu, "main.dat");
  w->PollFileRequests();
  ASSERT_EQ(messages().shown.size(), 1u);
  EXPECT_NE(messages().lastText().find("main.dat"), std::string::npos);
  EXPECT_EQ(byte(kBlock), 2);
}

}  // namespace
}  // namespace brel::program_test
