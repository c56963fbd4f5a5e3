// The two-tone and five-tone windows in the whole program, as a user meets
// them once something opens them: clicks, typing, tabs, the radio, files.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTabBar>

#include "frm_2tone.h"
#include "frm_5tone.h"
#include "grid_checks.h"
#include "program_fixture.h"

namespace brel::program_test {
namespace {

using signalling::frm_2tone;
using signalling::frm_5tone;

constexpr const char* kBusy = "Read-write operating with transceiver .";

class SignallingWindows : public ProgramFixture {
 protected:
  void SetUp() override { start(); }

  frm_2tone* two() const { return dynamic_cast<frm_2tone*>(child(FormId::frm_2tone)); }
  frm_5tone* five() const { return dynamic_cast<frm_5tone*>(child(FormId::frm_5tone)); }
  frm_2tone* openTwo() {
    window().LoadTwoToneEditor();
    QCoreApplication::processEvents();
    EXPECT_NE(two(), nullptr);
    return two();
  }
  frm_5tone* openFive() {
    window().LoadFiveToneEditor();
    QCoreApplication::processEvents();
    EXPECT_NE(five(), nullptr);
    return five();
  }
  void tab(signalling::SignallingWindow* w, int page) {
    QTabBar* bar = w->tabs();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    QCoreApplication::processEvents();
  }
  static std::string cellText(grid::GridView* view, int row, int col) {
    return view->gridModel()->cellText(row, col).toStdString();
  }
  void clickCell(grid::GridView* view, int row, int col) {
    const QModelIndex index = view->gridModel()->cellIndex(row, col);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QCoreApplication::processEvents();
  }
  void doubleClickCell(grid::GridView* view, int row, int col) {
    const QModelIndex index = view->gridModel()->cellIndex(row, col);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QCoreApplication::processEvents();
  }
  void typeIntoOpenEditor(grid::GridView* view, const QString& keys) {
    ASSERT_NE(view->openEditor(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), keys);
  }
  void pick(grid::GridView* view, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(view->openEditor());
    ASSERT_NE(combo, nullptr);
    const int i = combo->findText(item);
    ASSERT_GE(i, 0) << item.toStdString();
    combo->setCurrentIndex(i);
    Q_EMIT combo->activated(i);
    QCoreApplication::processEvents();
  }
  // A radio answering the signalling windows' long frame.
  void plugSignallingRadio(bool silent = false) {
    sim::SimConfig config;
    config.longLegacy = true;
    radio = std::make_unique<sim::RadioSim>(config);
    if (silent) radio->addFault({sim::FaultKind::Silence});
    onLine = std::make_unique<sim::SimOnLine>(*radio, bus.plug(kCablePort));
    state().PortNumber = kCablePort;
  }
  // A signalling dialog: the name typed, Confirm; the window's poll takes it.
  void fileDialog(QPushButton* opener, FormId dialog, const QString& name) {
    messages().shown.clear();
    press(opener);
    QLineEdit* box = nameBox(dialog);
    ASSERT_NE(box, nullptr);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, name);
    press(button(dialog, "Command_enter"));
  }
  QByteArray fileBytes(const QString& name) const {
    QFile f(folder.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
  }
};

TEST_F(SignallingWindows, ReachedOnlyThroughTheMainWindowsLoaders) {
  EXPECT_TRUE(window().host().isRegistered(FormId::frm_2tone));
  EXPECT_TRUE(window().host().isRegistered(FormId::frm_5tone));
  EXPECT_EQ(two(), nullptr);
  frm_2tone* w = openTwo();
  EXPECT_EQ(w->windowTitle(), "2 TONE");
  EXPECT_EQ(w->findChild<QLabel*>("Label_2nd")->text(), "2nd Tone Duration(MS)");
  EXPECT_EQ(w->entryFrame()->title(), " 1 Decode 2 Tone Frequency");
  EXPECT_EQ(w->tabs()->tabText(1), "Decode");
  EXPECT_TRUE(w->encodeFrame()->isVisible());
  EXPECT_EQ(cellText(w->encodeGrid(), 1, 1), "1981.0");
  EXPECT_EQ(w->findChild<QComboBox*>("Combo_Enc_ys1")->currentText(), "600");
  EXPECT_EQ(w->findChild<QComboBox*>("Combo_Dec_Res_Time")->currentText(), "6000");
  frm_5tone* f = openFive();
  EXPECT_EQ(f->windowTitle(), "5 Tone Encode/Decode ");
  EXPECT_TRUE(f->page(0)->isVisible());
  EXPECT_EQ(f->toneLabel(0)->text(), "1981.0");
  EXPECT_EQ(f->findChild<QComboBox*>("Combo_Enc_ys1")->currentText(), "400");
  EXPECT_FALSE(f->findChild<QCheckBox*>("Check_Dec_back")->isVisible());
  EXPECT_TRUE(f->optionBox(0, 0)->isChecked());
  EXPECT_TRUE(f->optionBox(0, 1)->isChecked());
  EXPECT_FALSE(f->optionBox(0, 2)->isChecked());
}

TEST_F(SignallingWindows, TwoToneDecodeCellsChangeOnlyByAPickAndNameTheirEntry) {
  frm_2tone* w = openTwo();
  tab(w, 1);
  EXPECT_EQ(w->entryFrame()->title(), "1 Decode 2 Tone Frequency");
  grid::GridView* g = w->decodeGrid();
  // Clicking through the cells of an empty entry writes nothing into them.
  clickCell(g, 6, 1);
  clickCell(g, 6, 2);
  clickCell(g, 6, 3);
  clickCell(g, 7, 1);
  EXPECT_EQ(cellText(g, 6, 1), "");
  EXPECT_EQ(cellText(g, 6, 2), "");
  EXPECT_EQ(cellText(g, 6, 3), "");
  EXPECT_EQ(w->entryFrame()->title(), "7 Decode 2 Tone Frequency");
  EXPECT_EQ(w->toneField(0)->text(), "");
  // The list opens on the cell's text; a pick goes in when the cell is left.
  clickCell(g, 1, 1);
  EXPECT_EQ(qobject_cast<QComboBox*>(g->openEditor())->currentText(), "A-B");
  pick(g, "C-A");
  clickCell(g, 2, 4);
  EXPECT_EQ(cellText(g, 1, 1), "C-A");
  EXPECT_EQ(w->toneField(0)->text(), "1358.0");
  // The Decode tab goes back to entry 1 and names it.
  tab(w, 0);
  tab(w, 1);
  EXPECT_EQ(w->entryFrame()->title(), "1 Decode 2 Tone Frequency");
  EXPECT_EQ(w->toneField(0)->text(), "1981.0");
  EXPECT_EQ(messages().shown.size(), 0u);
}

TEST_F(SignallingWindows, TwoToneTypedFrequenciesAreCheckedWhenLeft) {
  frm_2tone* w = openTwo();
  grid::GridView* g = w->encodeGrid();
  clickCell(g, 6, 1);
  typeIntoOpenEditor(g, "1000.5");
  clickCell(g, 6, 0);
  EXPECT_EQ(cellText(g, 6, 1), " 1001.0");
  clickCell(g, 6, 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  typeIntoOpenEditor(g, "3001");
  clickCell(g, 6, 0);
  EXPECT_EQ(messages().lastText(), "Frequency range 300Hz to 3000Hz");
  EXPECT_EQ(cellText(g, 6, 1), " 1001.0");
  doubleClickCell(g, 6, 0);
  EXPECT_EQ(cellText(g, 6, 1), "");

  tab(w, 1);
  QLineEdit* a = w->toneField(0);
  a->setFocus();
  QTest::keyClick(a, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(a, "299.6");
  w->toneField(1)->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(messages().lastText(), "Frequency range 300Hz to 3000Hz");
  EXPECT_EQ(a->text(), "");
  EXPECT_TRUE(a->hasFocus());
  QTest::keyClicks(a, "1001.5");
  w->toneField(1)->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(a->text(), " 1002.0");
  EXPECT_EQ(w->sheet().DecodeToneTable[0][0], 1002 & 0xFF);
}

TEST_F(SignallingWindows, FiveToneCodesAreRefusedWhenLeftWithTheWrongLengthOrSymbols) {
  frm_5tone* w = openFive();
  tab(w, 1);
  grid::GridView* g = w->encodeGrid();
  clickCell(g, 1, 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  typeIntoOpenEditor(g, "12G45");
  EXPECT_EQ(messages().lastText(), "Group Digits only by 0 to 9 and A to F.");
  messages().shown.clear();
  clickCell(g, 2, 1);
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Group Digits only by 0 to 9 and A to F."});
  EXPECT_EQ(cellText(g, 1, 2), "34567");
  ASSERT_NE(g->openEditor(), nullptr);
  EXPECT_EQ(g->openEditorIndex().row() + 1, 1);
  // Write first commits the editor: refused, nothing is encoded or sent.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), "1234");
  const FiveToneStageTable before = state().FiveToneImage;
  press(w->button("Command_Write"));
  EXPECT_EQ(messages().lastText(), "Encode Digit is 5 Bits.");
  EXPECT_FALSE(w->running());
  EXPECT_EQ(state().FiveToneImage, before);
  QTest::keyClicks(QApplication::focusWidget(), "A");
  clickCell(g, 3, 0);
  EXPECT_EQ(cellText(g, 1, 2), "1234A");
  // No frame 1, no editor.
  clickCell(g, 5, 3);
  EXPECT_EQ(g->openEditor(), nullptr);
}

TEST_F(SignallingWindows, FiveToneOptionBoxesFollowTheSelectedEntry) {
  frm_5tone* w = openFive();
  tab(w, 2);
  grid::GridView* g = w->decodeGrid();
  clickCell(g, 4, 2);
  EXPECT_EQ(g->openEditor(), nullptr);
  EXPECT_EQ(w->entryFrame()->title(), "Execute after Code 4 Decode Succeeded ");
  QTest::mouseClick(w->optionBox(1, 2), Qt::LeftButton);
  EXPECT_EQ(w->sheet().DecodeOptionBytes[3][2], 4);
  // The encode grid leaves the entry alone; the Decode tab shows entry 1.
  tab(w, 1);
  clickCell(w->encodeGrid(), 9, 1);
  tab(w, 2);
  EXPECT_EQ(w->entryFrame()->title(), "Execute after Code 1 Decode Succeeded ");
  EXPECT_TRUE(w->optionBox(0, 0)->isChecked());
  EXPECT_FALSE(w->optionBox(1, 2)->isChecked());
  clickCell(g, 4, 0);
  EXPECT_TRUE(w->optionBox(1, 2)->isChecked());
  doubleClickCell(g, 4, 0);
  EXPECT_FALSE(w->optionBox(1, 2)->isChecked());
  EXPECT_EQ(w->sheet().DecodeOptionBytes[3][2], 0);
  // The standards page: a row's click shows its tones.
  tab(w, 0);
  clickCell(w->standardsGrid(), 12, 2);
  EXPECT_EQ(w->findChild<QComboBox*>("Combo_stxh")->currentText(), "EURO");
  EXPECT_EQ(qobject_cast<QComboBox*>(w->standardsGrid()->openEditor())->currentText(), "A");
}

TEST_F(SignallingWindows, ReadShowsTheRadiosSetAndWriteSendsTheWindows) {
  plugSignallingRadio();
  radio->memory()[0x2D20] = 0xDC;  // code 3: 1500 Hz
  radio->memory()[0x2D21] = 0x05;
  frm_2tone* w = openTwo();
  press(w->button("Command_read"));
  EXPECT_EQ(w->statusLabel()->text(), "Connecting with transceiver. ");
  ASSERT_TRUE(runUntil([&] { return !w->running(); }));
  EXPECT_EQ(messages().lastText(), "Complete reading the data from transceiver.");
  EXPECT_EQ(cellText(w->encodeGrid(), 3, 1), "1500.0");
  EXPECT_EQ(panel(8), " 136-- 174 MHZ");
  EXPECT_EQ(state().VhfUpper, 175);

  clickCell(w->encodeGrid(), 3, 2);
  typeIntoOpenEditor(w->encodeGrid(), "700");
  press(w->button("Command_Write"));  // the open cell goes with the write
  ASSERT_TRUE(runUntil([&] { return !w->running(); }));
  EXPECT_EQ(messages().lastText(), "Complete writing Signal parameters to the transceiver.");
  EXPECT_EQ(radio->memory()[0x2D28], 700 & 0xFF);
  for (int r = 0; r < 48; ++r)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(radio->memory()[static_cast<std::size_t>(0x2D00 + 16 * r + c)], state().TwoToneImage.at(r, c));
}

TEST_F(SignallingWindows, CommandsWaitForARunningExchangeAndItsRetry) {
  plugSignallingRadio(/*silent=*/true);
  frm_5tone* w = openFive();
  press(w->button("Command_read"));
  ASSERT_TRUE(w->running());
  const FiveToneStageTable before = state().FiveToneImage;
  for (const char* name : {"Command_def", "Command_open", "Command_save", "Command_Write", "Command_close"}) {
    messages().shown.clear();
    press(w->button(name));
    EXPECT_EQ(messages().texts(), std::vector<std::string>{kBusy}) << name;
  }
  EXPECT_EQ(state().FiveToneImage, before);
  EXPECT_EQ(child(FormId::Form_open_sig), nullptr);
  // A retry pending: still no closing, by the button or the close box.
  ASSERT_TRUE(runUntil([&] { return !w->transfer()->busy(); }));
  ASSERT_TRUE(w->running());
  messages().shown.clear();
  EXPECT_FALSE(window().host().unloadForm(FormId::frm_5tone));
  press(w->button("Command_close"));
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{kBusy, kBusy}));
  ASSERT_NE(five(), nullptr);
  ASSERT_TRUE(runUntil([&] { return !w->running(); }));
  EXPECT_EQ(messages().lastText(), "Fail connect with transceiver.");
  EXPECT_EQ(w->statusLabel()->text(), "Communication fault.");
  press(w->button("Command_close"));
  EXPECT_EQ(five(), nullptr);
}

TEST_F(SignallingWindows, FilesHoldTheWholeSetAndAreTakenOnlyByTheirWindow) {
  frm_2tone* w = openTwo();
  frm_5tone* f = openFive();
  const MemoryImage image = state().MemImage;
  tab(w, 1);
  clickCell(w->decodeGrid(), 6, 1);
  pick(w->decodeGrid(), "B-D");
  fileDialog(w->button("Command_save"), FormId::Form_save_sig, "two.dat");
  ASSERT_TRUE(messageShown("Complete storing Signal parameters."));
  EXPECT_EQ(cellText(w->decodeGrid(), 6, 1), "B-D");
  const QByteArray saved = fileBytes("two.dat");
  EXPECT_EQ(saved.count('\n'), 48);
  fileDialog(f->button("Command_save"), FormId::Form_save_sig, "five.dat");
  ASSERT_TRUE(messageShown("Complete storing Signal parameters."));
  EXPECT_EQ(fileBytes("five.dat").count('\n'), 144);

  // A fresh two-tone window shows the loaded set; saving it again gives the
  // same bytes.
  press(w->button("Command_close"));
  w = openTwo();
  EXPECT_EQ(cellText(w->decodeGrid(), 6, 1), "");
  fileDialog(w->button("Command_open"), FormId::Form_open_sig, "two.dat");
  ASSERT_TRUE(messageShown("Succeed fold the Signal parameters from file."));
  EXPECT_EQ(cellText(w->decodeGrid(), 6, 1), "B-D");
  runUntil([] { return false; }, 2 * kSecond);  // both windows poll meanwhile; one took the request
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Succeed fold the Signal parameters from file."});
  QFile::remove(folder.filePath("two.dat"));
  fileDialog(w->button("Command_save"), FormId::Form_save_sig, "two.dat");
  ASSERT_TRUE(messageShown("Complete storing Signal parameters."));
  EXPECT_EQ(fileBytes("two.dat"), saved);

  // The other window's file is refused whole.
  const TwoToneStageTable rows = state().TwoToneImage;
  fileDialog(w->button("Command_open"), FormId::Form_open_sig, "five.dat");
  ASSERT_TRUE(runUntil([&] { return messages().lastText().find("five.dat") != std::string::npos; }));
  EXPECT_EQ(state().TwoToneImage, rows);
  EXPECT_EQ(cellText(w->decodeGrid(), 6, 1), "B-D");
  // A failed save says so.
  w->saveFileAndTell(folder.filePath("no/such/folder/x.dat").toStdString());
  EXPECT_NE(messages().lastText().find("x.dat"), std::string::npos);
  EXPECT_EQ(state().MemImage, image);
}

TEST_F(SignallingWindows, GridsShowEveryColumnInsideTheirFramesInBothLanguages) {
  for (const std::int16_t language : {0, -1}) {
    state().LanguageFlag = language;
    frm_2tone* t = openTwo();
    frm_5tone* f = openFive();
    ASSERT_TRUE(t != nullptr && f != nullptr);
    const std::vector<std::tuple<signalling::SignallingWindow*, int, grid::GridView*>> grids{
        {t, 0, t->encodeGrid()},    {t, 1, t->decodeGrid()}, {f, 0, f->standardsGrid()},
        {f, 1, f->encodeGrid()}, {f, 2, f->decodeGrid()}};
    for (const auto& [w, page, view] : grids) {
      tab(w, page);
      EXPECT_EQ(test::ColumnsBeyondView(view), 0) << language << " " << view->objectName().toStdString();
      // The grid stays inside its frame.
      EXPECT_LE(view->geometry().right(), view->parentWidget()->width()) << view->objectName().toStdString();
    }
    ASSERT_TRUE(window().host().unloadForm(FormId::frm_2tone));
    ASSERT_TRUE(window().host().unloadForm(FormId::frm_5tone));
    QCoreApplication::processEvents();
  }
}

}  // namespace
}  // namespace brel::program_test
