// The DTMF editor as a user meets it: Edit > DTMF in the whole program,
// clicks, typing, Tab, the close box, File > Save and File > Open.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>

#include "default_contents.h"
#include "frm_dtmf.h"
#include "program_fixture.h"

namespace brel::program_test {
namespace {

using dtmf::CodeField;
using dtmf::FlagBox;
using dtmf::frm_dtmf;

class DtmfWindow : public ProgramFixture {
 protected:
  frm_dtmf* dtmf() const { return dynamic_cast<frm_dtmf*>(child(FormId::frm_dtmf)); }
  frm_dtmf* openDtmf() {
    menu("Dtmf_edit");
    frm_dtmf* window = dtmf();
    EXPECT_NE(window, nullptr);
    return window;
  }
  QLineEdit* group(int i) const { return dtmf()->group(i); }
  QLineEdit* ani() const { return dtmf()->codeField(CodeField::Ani); }
  std::string shown(QLineEdit* edit) const { return edit->text().toStdString(); }
  void clickInto(QWidget* widget) {
    ASSERT_TRUE(widget->isVisible() && widget->isEnabled()) << widget->objectName().toStdString();
    QTest::mouseClick(widget, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  void keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    QCoreApplication::processEvents();
  }
  void tab() { key(Qt::Key_Tab); }
  void paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    key(Qt::Key_V, Qt::ControlModifier);
  }
  Row bytes(int address, int count) const {
    Row out;
    for (int a = address; a < address + count; ++a) out.push_back(state().MemImage.byte(a));
    return out;
  }
  static Row Padded(Row leading, std::size_t length) {
    leading.resize(length, 0xFF);
    return leading;
  }
  std::vector<Row> area() const { return imageRows(176, 207); }

  // A one-shot radio on the cable, the DTMF window set to its port.  Its
  // DTMF area is the default one with a few changes the window shows.
  sim::RadioSim& plugOneShotRadio(bool silentAfterTwoBlocks = false) {
    sim::SimConfig config;
    config.oneShot = true;
    radio = std::make_unique<sim::RadioSim>(config);
    ProgramState defaults;
    LoadDtmfDefaults(defaults.MemImage);
    for (int a = 0x0B00; a < 0x0D00; ++a) radio->memory()[a] = static_cast<std::uint8_t>(defaults.MemImage.byte(a));
    for (int a = 0x0BF0; a < 0x0C80; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a * 7 + 3);
    for (int a = 0x0CC0; a < 0x0D00; ++a) radio->memory()[a] = 0x5A;
    const std::pair<int, Row> changes[] = {{0x0B10, {1, 2, 3}}, {0x0CAA, {4, 5, 6, 0xFF, 0xFF}}, {0x0CB2, {10}}};
    for (const auto& [address, values] : changes)
      for (std::size_t i = 0; i < values.size(); ++i) radio->memory()[address + static_cast<int>(i)] = static_cast<std::uint8_t>(values[i]);
    if (silentAfterTwoBlocks) radio->addFault(sim::Fault{sim::FaultKind::Disconnect, 2, 0, -1});
    onLine = std::make_unique<sim::SimOnLine>(*radio, bus.plug(kCablePort));
    state().PortNumber = kCablePort;
    return *radio;
  }
  // Runs the exchange to its end, noting every progress the window shows.
  std::vector<std::pair<int, std::string>> runExchange() {
    std::vector<std::pair<int, std::string>> seen;
    EXPECT_TRUE(runUntil([&] {
      const std::pair<int, std::string> now{dtmf()->progressBar()->value(), dtmf()->statusLabel()->text().toStdString()};
      if (seen.empty() || seen.back() != now) seen.push_back(now);
      return !dtmf()->busy() && !dtmf()->transfer()->transfer().running();
    }));
    return seen;
  }
  struct Limits {
    double values[8];
    std::string panel7;
    bool operator==(const Limits& o) const {
      return std::equal(std::begin(values), std::end(values), std::begin(o.values)) && panel7 == o.panel7;
    }
  };
  Limits limits() const {
    const ProgramState& s = state();
    return {{s.VhfLower, s.VhfUpper, s.UhfLower, s.UhfUpper, s.VfoALower, s.VfoAUpper, s.VfoBLower, s.VfoBUpper},
            panel(7)};
  }
  // The desktop gives the main window its activation back (after a message
  // box or a drop-down has gone).
  void reactivate() {
    QApplication::setActiveWindow(&window());
    QCoreApplication::processEvents();
  }
  // A click on the list's arrow, as a user opens its drop-down.
  void openDropDown(QComboBox* list) {
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 6, list->height() / 2));
    QCoreApplication::processEvents();
  }
  std::vector<std::string> titles() const {
    std::vector<std::string> out;
    for (const Message& m : messages().shown) out.push_back(m.title);
    return out;
  }
};

TEST_F(DtmfWindow, EditDtmfShowsTheEncodeFrameAndTheStartUpSettings) {
  start();
  const std::vector<Row> before = area();
  frm_dtmf* window = openDtmf();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "DTMF Encode/Decode ");
  EXPECT_EQ(state().FormOpenFlags.DtmfFormOpen, -1);
  // The main window's width over 1.3 and its height over 1.7, a little
  // taller where its buttons need it (the area fits every window to its
  // controls).
  const QSize share(static_cast<int>(this->window().size().width() / 1.3),
                    static_cast<int>(this->window().size().height() / 1.7));
  EXPECT_EQ(window->parentWidget()->width(), share.width());
  EXPECT_GE(window->parentWidget()->height(), share.height());
  EXPECT_LT(window->parentWidget()->height(), share.height() + 16);
  for (const char* name : {"Frame_encode", "Frame_ANI_Code", "Command_def", "Command_close"})
    EXPECT_TRUE(window->findChild<QWidget*>(name)->isVisible()) << name;
  for (const char* name : {"Frame_State", "Frame_Decode", "Frame_Ctrl", "Command_read", "Command_Write"})
    EXPECT_FALSE(window->findChild<QWidget*>(name)->isVisible()) << name;
  EXPECT_EQ(window->findChild<QGroupBox*>("Frame_encode")->title(), "DTMF Encode");
  EXPECT_EQ(window->findChild<QLabel*>("Label_xh(14)")->text(), "15");
  EXPECT_EQ(window->findChild<QPushButton*>("Command_def")->text(), "Default");

  EXPECT_EQ(shown(group(0)), "20202");
  EXPECT_EQ(shown(group(14)), "30303");
  for (int g = 1; g < 14; ++g) EXPECT_EQ(shown(group(g)), "") << g;
  EXPECT_EQ(window->onTime()->currentText(), "80");
  EXPECT_EQ(window->offTime()->currentText(), "80");
  EXPECT_EQ(window->onTime()->count(), 196);
  EXPECT_EQ(window->groupCall()->currentText(), "*");
  EXPECT_FALSE(window->groupCall()->isEnabled());
  EXPECT_EQ(window->groupCall()->count(), 5);
  EXPECT_EQ(shown(ani()), "80808");
  EXPECT_TRUE(window->flagBox(FlagBox::PttS)->isChecked());
  EXPECT_FALSE(window->flagBox(FlagBox::PttP)->isChecked());
  EXPECT_EQ(window->flagBox(FlagBox::PttS)->text(), "Release PTT to Send");
  EXPECT_EQ(area(), before);
  EXPECT_TRUE(messages().shown.empty());
}

TEST_F(DtmfWindow, SwitchingWindowsStoresNothingThatWasNotTyped) {
  start();
  state().MemImage.at(176, 9) = 0x77;  // a tail byte no control shows
  openDtmf();
  ASSERT_EQ(QApplication::focusWidget(), group(0));
  const std::vector<Row> before = area();
  menu("Channel_edit");
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(area(), before);
}

TEST_F(DtmfWindow, LeavingForAnotherWindowStoresTheTypingAndComingBackShowsTheImage) {
  start();
  openDtmf();
  clickInto(group(2));
  keys("12");
  ASSERT_EQ(imageRow(178), Row(16, 0xFF));
  menu("Channel_edit");
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(imageRow(178), Padded({1, 2}, 16));

  state().MemImage.at(180, 0) = 5;  // changed while the window was behind
  auto* sub = qobject_cast<QMdiSubWindow*>(dtmf()->parentWidget());
  ASSERT_NE(sub, nullptr);
  sub->mdiArea()->setActiveSubWindow(sub);
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(group(4)), "5");
  EXPECT_EQ(shown(group(2)), "12");
}

TEST_F(DtmfWindow, ErasedAreaShowsTheLastTimesAndStoresWhatItAdjusted) {
  start();
  state().MemImage.fill(176, 206, 0, 15, 0xFF);
  frm_dtmf* window = openDtmf();
  EXPECT_EQ(window->onTime()->currentText(), "2000");
  EXPECT_EQ(window->groupCall()->currentText(), "");
  EXPECT_EQ(shown(ani()), "");
  EXPECT_EQ(bytes(0x0CB2, 2), (Row{0xC3, 0xC3}));
  EXPECT_EQ(bytes(0x0C9F, 1), (Row{1}));
}

TEST_F(DtmfWindow, EncodeGroupsStoreWhenLeft) {
  start();
  state().MemImage.at(179, 0) = 1;  // group 4 stored as 1, FF, 3
  state().MemImage.at(179, 2) = 3;
  state().MemImage.at(179, 9) = 7;
  openDtmf();
  clickInto(group(2));
  ASSERT_EQ(QApplication::focusWidget(), group(2));
  keys("1a#");
  EXPECT_EQ(imageRow(178), Row(16, 0xFF));
  tab();
  EXPECT_EQ(imageRow(178), Padded({1, 13, 12}, 16));
  EXPECT_EQ(shown(group(2)), "1A#");
  // Tab went on to group 4, which is passed through and rewritten.
  ASSERT_EQ(QApplication::focusWidget(), group(3));
  EXPECT_EQ(shown(group(3)), "13");
  tab();
  EXPECT_EQ(imageRow(179), Padded({1, 3}, 16));

  clickInto(group(2));
  key(Qt::Key_A, Qt::ControlModifier);
  keys("x1234");
  clickInto(group(5));
  EXPECT_EQ(bytes(0x0B20, 5), (Row{0xFF, 1, 2, 3, 4}));
  EXPECT_EQ(shown(group(2)), "");
  EXPECT_TRUE(messages().shown.empty());
}

TEST_F(DtmfWindow, FullGroupStartsAnewOnlyWithATypedCharacter) {
  start();
  openDtmf();
  clickInto(group(0));
  key(Qt::Key_Return);
  key(Qt::Key_Escape);
  key(Qt::Key_C, Qt::ControlModifier);
  key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(shown(group(0)), "20202");
  keys("7");
  EXPECT_EQ(shown(group(0)), "7");
  tab();
  EXPECT_EQ(imageRow(176), Padded({7}, 16));
}

TEST_F(DtmfWindow, OwnIdentityTypingAndLeaving) {
  start();
  frm_dtmf* window = openDtmf();
  clickInto(ani());
  keys("q");  // a letter in a full identity changes nothing
  EXPECT_EQ(shown(ani()), "80808");
  keys("123456");
  EXPECT_EQ(shown(ani()), "6");
  EXPECT_EQ(bytes(0x0CAA, 5), Padded({6}, 5));
  tab();
  EXPECT_EQ(messages().texts(), std::vector<std::string>{" The Group Digits range is 3 - 5 Bits."});
  EXPECT_EQ(titles(), std::vector<std::string>{"Operate Prompt"});
  EXPECT_EQ(QApplication::focusWidget(), ani());
  EXPECT_EQ(shown(ani()), "6");

  // Emptied: no code, left without a word.
  messages().shown.clear();
  key(Qt::Key_Backspace);
  tab();
  EXPECT_TRUE(messages().shown.empty());
  EXPECT_EQ(QApplication::focusWidget(), window->flagBox(FlagBox::PttP));
  EXPECT_EQ(bytes(0x0CAA, 5), Row(5, 0xFF));

  clickInto(ani());
  paste("12a");
  EXPECT_EQ(bytes(0x0CAA, 5), Padded({1, 2, 13}, 5));
  tab();
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Groupdigits only by 0 to 9 and* # A B C D."});
  EXPECT_EQ(titles(), std::vector<std::string>{"Operate Prompt\""});
  EXPECT_EQ(titles()[0].size(), 15u);
  EXPECT_EQ(shown(ani()), "");
  EXPECT_EQ(bytes(0x0CAA, 5), Row(5, 0xFF));
  EXPECT_EQ(QApplication::focusWidget(), ani());
}

TEST_F(DtmfWindow, RefusedFieldTakesTheFocusBackOnceAndRunsNoOtherLeaveRule) {
  start();
  frm_dtmf* window = openDtmf();
  // The hidden decode frame, shown here so its fields can take the focus.
  window->findChild<QGroupBox*>("Frame_Decode")->show();
  QLineEdit* inspection = window->codeField(CodeField::XC);
  QLineEdit* monitor = window->codeField(CodeField::JT);
  clickInto(monitor);
  key(Qt::Key_A, Qt::ControlModifier);
  keys("12");
  clickInto(inspection);
  EXPECT_EQ(messages().shown.size(), 1u);  // monitor refused
  EXPECT_EQ(QApplication::focusWidget(), monitor);
  messages().shown.clear();
  // Inspection was never left by the user: its own two digits go unremarked
  // while the focus comes back to monitor.
  key(Qt::Key_A, Qt::ControlModifier);
  keys("345");
  tab();
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  EXPECT_TRUE(messages().shown.empty());
  EXPECT_EQ(QApplication::focusWidget(), window->codeField(CodeField::BJ));
  EXPECT_EQ(bytes(0x0C85, 5), Padded({3, 4, 5}, 5));
}

TEST_F(DtmfWindow, TypedTimeIsNeverStoredOnlyAChoice) {
  start();
  frm_dtmf* window = openDtmf();
  clickInto(window->onTime()->lineEdit());
  key(Qt::Key_A, Qt::ControlModifier);
  keys("100");
  key(Qt::Key_Return);
  tab();
  EXPECT_EQ(bytes(0x0CB2, 1), (Row{3}));
  EXPECT_EQ(window->onTime()->count(), 196);
  window->offTime()->setFocus();
  key(Qt::Key_Down);
  EXPECT_EQ(window->offTime()->currentText(), "90");
  EXPECT_EQ(bytes(0x0CB3, 1), (Row{4}));
}

TEST_F(DtmfWindow, TimeListShowsTheStoredTimeWhateverIsTypedIntoIt) {
  start();
  frm_dtmf* window = openDtmf();
  QComboBox* on = window->onTime();
  clickInto(on->lineEdit());
  keys("999");
  EXPECT_EQ(on->currentText(), "80");
  key(Qt::Key_Return);
  tab();
  EXPECT_EQ(on->currentText(), "80");
  clickInto(on->lineEdit());
  paste("150");
  key(Qt::Key_Backspace);
  EXPECT_EQ(on->currentText(), "80");
  EXPECT_EQ(bytes(0x0CB2, 1), (Row{3}));

  // Another window and back: still the stored time; Save stores nothing new.
  menu("Channel_edit");
  auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  sub->mdiArea()->setActiveSubWindow(sub);
  QCoreApplication::processEvents();
  EXPECT_EQ(on->currentText(), "80");
  ASSERT_NO_FATAL_FAILURE(saveAs("times.dat"));
  EXPECT_EQ(bytes(0x0CB2, 1), (Row{3}));
  EXPECT_EQ(on->currentText(), "80");
}

// The identity's leave rule runs once whichever way the focus leaves it,
// also for a drop-down opened right after a message box has gone.
TEST_F(DtmfWindow, IdentityIsCheckedOnceOnEveryWayOutEvenIntoADropDownAfterAMessage) {
  start();
  frm_dtmf* window = openDtmf();
  messages().onShow = [](const Message&) { test::TakeTheFocusAsAMessageBox(); };
  const std::string range = " The Group Digits range is 3 - 5 Bits.";
  clickInto(ani());
  key(Qt::Key_A, Qt::ControlModifier);
  keys("12");
  QPushButton* reset = button(FormId::frm_dtmf, "Command_def");
  QTest::mousePress(reset, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(messages().texts(), std::vector<std::string>{range});
  QTest::mouseRelease(reset, Qt::LeftButton);  // the box took the press: no Default
  QCoreApplication::processEvents();
  EXPECT_EQ(bytes(0x0CAA, 5), Padded({1, 2}, 5));

  // OK pressed: the box has gone, the main window is not yet active again.
  QComboBox* on = window->onTime();
  openDropDown(on);
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{range, range}));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(window->focusWidget(), ani());
  EXPECT_EQ(shown(ani()), "12");

  messages().onShow = nullptr;
  reactivate();
  ASSERT_EQ(QApplication::focusWidget(), ani());
  tab();
  EXPECT_EQ(messages().shown.size(), 3u);
  EXPECT_EQ(QApplication::focusWidget(), ani());
  openDropDown(on);
  EXPECT_EQ(messages().shown.size(), 4u);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(window->focusWidget(), ani());

  // Three digits pass: the drop-down stays open and nothing is said.
  reactivate();
  keys("3");
  openDropDown(on);
  EXPECT_EQ(messages().shown.size(), 4u);
  EXPECT_NE(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(bytes(0x0CAA, 5), Padded({1, 2, 3}, 5));
  EXPECT_EQ(on->currentText(), "80");
}

TEST_F(DtmfWindow, GroupTypedButNotLeftReachesTheFileAndSurvivesTheCloseBox) {
  start();
  openDtmf();
  clickInto(group(2));
  keys("1a#");
  ASSERT_NO_FATAL_FAILURE(saveAs("dtmf.dat"));
  QFile file(folder.filePath("dtmf.dat"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_GT(lines.size(), 179);
  EXPECT_TRUE(lines[178].startsWith(" 1  13  12  255  255 ")) << lines[178].toStdString();

  menu("Dtmf_edit");
  clickInto(group(4));
  keys("9*");
  qobject_cast<QMdiSubWindow*>(dtmf()->parentWidget())->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(dtmf(), nullptr);
  EXPECT_EQ(state().FormOpenFlags.DtmfFormOpen, 0);
  EXPECT_EQ(imageRow(180), Padded({9, 11}, 16));
}

TEST_F(DtmfWindow, DefaultCloseReopenAndFileOpenReload) {
  start();
  state().MemImage.fill(207, 207, 0, 15, 0x11);
  frm_dtmf* window = openDtmf();
  clickInto(group(6));
  keys("123");
  window->flagBox(FlagBox::PttP)->click();
  EXPECT_EQ(bytes(0x0CAF, 1), (Row{3}));
  press(button(FormId::frm_dtmf, "Command_def"));
  ProgramState expected;
  LoadDtmfDefaults(expected.MemImage);
  for (int r = 176; r <= 207; ++r)
    for (int c = 0; c < 16; ++c) EXPECT_EQ(state().MemImage.at(r, c), expected.MemImage.at(r, c)) << r << ' ' << c;
  EXPECT_EQ(shown(group(6)), "");

  clickInto(group(6));
  keys("456");
  press(button(FormId::frm_dtmf, "Command_close"));
  EXPECT_EQ(dtmf(), nullptr);
  EXPECT_EQ(state().FormOpenFlags.DtmfFormOpen, 0);
  EXPECT_EQ(imageRow(182), Padded({4, 5, 6}, 16));
  openDtmf();
  EXPECT_EQ(shown(group(6)), "456");

  // A file with other DTMF rows: the open window shows them.
  ASSERT_NO_FATAL_FAILURE(saveAs("a.dat"));
  clickInto(group(6));
  key(Qt::Key_A, Qt::ControlModifier);
  keys("789");
  tab();
  EXPECT_EQ(shown(group(6)), "789");
  ASSERT_NO_FATAL_FAILURE(open("a.dat"));
  ASSERT_NE(dtmf(), nullptr);
  EXPECT_EQ(shown(group(6)), "456");
}

}  // namespace
}  // namespace brel::program_test

namespace brel::program_test {
namespace {

TEST_F(DtmfWindow, OwnReadTakesTheAreaFromTheRadioAndShowsIt) {
  start();
  sim::RadioSim& sim = plugOneShotRadio();
  frm_dtmf* window = openDtmf();
  state().MemImage.fill(204, 204, 0, 15, 0x42);
  const Limits before = limits();
  window->Command_read_Click();
  EXPECT_EQ(window->statusLabel()->text(), "Connecting with transceiver. ");
  const auto seen = runExchange();

  EXPECT_EQ(sim.readRequests(), (std::vector<int>{0x0B00, 0x0B40, 0x0B80, 0x0BC0, 0x0C00, 0x0C40, 0x0C80}));
  std::vector<std::pair<int, std::string>> progress;
  for (const auto& step : seen)
    if (step.second.rfind("Reading ", 0) == 0) progress.push_back(step);
  EXPECT_EQ(progress, (std::vector<std::pair<int, std::string>>{{37, "Reading 3 Data Block"},
                                                                {50, "Reading 4 Data Block"},
                                                                {62, "Reading 5 Data Block"},
                                                                {75, "Reading 6 Data Block"},
                                                                {87, "Reading 7 Data Block"},
                                                                {100, "Reading 8 Data Block"}}));
  for (int a = 0x0B00; a < 0x0CC0; ++a) ASSERT_EQ(state().MemImage.byte(a), sim.memory()[a]) << std::hex << a;
  EXPECT_EQ(imageRow(204), Row(16, 0x42));
  EXPECT_EQ(shown(group(1)), "123");
  EXPECT_EQ(shown(ani()), "456");
  EXPECT_EQ(window->onTime()->currentText(), "150");
  EXPECT_EQ(window->statusLabel()->text(), "Read Signal parameters in gear. ");
  EXPECT_EQ(window->progressBar()->value(), 100);
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_EQ(titles(), std::vector<std::string>{"Operate Prompt"});
  EXPECT_EQ(panel(2), "Connect well with radio.");
  EXPECT_EQ(limits(), before);
}

TEST_F(DtmfWindow, OwnReadThatFailsPartWayChangesNothing) {
  start();
  plugOneShotRadio(/*silentAfterTwoBlocks=*/true);
  frm_dtmf* window = openDtmf();
  const std::vector<Row> before = area();
  window->Command_read_Click();
  runExchange();
  EXPECT_EQ(messages().lastText(), "Fail connect with transceiver.");
  EXPECT_EQ(panel(2), "Communication fault.");
  EXPECT_EQ(radio->sessions(), 2);
  EXPECT_EQ(area(), before);
  EXPECT_EQ(shown(group(1)), "");
}

// Between a failed attempt of the window's read and its retry, Default,
// Close, the close box and typing wait just as while the attempt runs.
TEST_F(DtmfWindow, OwnReadWaitingToRetryKeepsEveryCommandWaiting) {
  start();
  plugOneShotRadio(/*silentAfterTwoBlocks=*/true);
  frm_dtmf* window = openDtmf();
  const std::vector<Row> before = area();
  const std::string shownGroup = shown(group(1));
  window->Command_read_Click();
  ASSERT_TRUE(runUntil([&] { return !window->busy(); }));
  ASSERT_TRUE(window->running());

  press(button(FormId::frm_dtmf, "Command_def"));
  press(button(FormId::frm_dtmf, "Command_close"));
  qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
  clickInto(group(1));
  keys("5");
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{"Read-write operating with transceiver .",
                                                          "Read-write operating with transceiver .",
                                                          "Read-write operating，don't close the window.,",
                                                          "Read-write operating with transceiver ."}));
  EXPECT_EQ(dtmf(), window);
  EXPECT_EQ(shown(group(1)), shownGroup);
  EXPECT_EQ(area(), before);

  runExchange();
  EXPECT_EQ(messages().lastText(), "Fail connect with transceiver.");
  messages().shown.clear();
  press(button(FormId::frm_dtmf, "Command_close"));
  EXPECT_EQ(dtmf(), nullptr);
  EXPECT_TRUE(messages().shown.empty()) << messages().lastText();
}

TEST_F(DtmfWindow, OwnWriteSendsRows176To204AndRefusesWhileItRuns) {
  start();
  sim::RadioSim& sim = plugOneShotRadio();
  frm_dtmf* window = openDtmf();
  clickInto(group(2));
  keys("47");  // typed, not left: the write sends it
  const Limits before = limits();
  window->Command_Write_Click();
  ASSERT_TRUE(window->busy());

  press(button(FormId::frm_dtmf, "Command_def"));
  press(button(FormId::frm_dtmf, "Command_close"));
  qobject_cast<QMdiSubWindow*>(window->parentWidget())->close();
  menu("Dtmf_edit");
  QCoreApplication::processEvents();
  EXPECT_EQ(dtmf(), window);
  EXPECT_EQ(state().FormOpenFlags.DtmfFormOpen, -1);
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{"Read-write operating with transceiver .",
                                                          "Read-write operating with transceiver .",
                                                          "Read-write operating，don't close the window.,",
                                                          "Read-write operating，don't close the window.,"}));
  messages().shown.clear();

  const auto seen = runExchange();
  ASSERT_EQ(sim.writeFrames().size(), 29u);
  for (int c = 0; c < 29; ++c) {
    const int address = 0x0B00 + 16 * c;
    Row expected{0x58, address >> 8, address & 0xFF, 0x10};
    for (int v : imageRow(176 + c)) expected.push_back(v);
    const auto& frame = sim.writeFrames()[static_cast<std::size_t>(c)];
    EXPECT_EQ(Row(frame.begin(), frame.end()), expected) << c;
  }
  EXPECT_EQ(radioBytes(0x0B20, 3), (Row{4, 7, 0xFF}));
  std::vector<std::string> labels;
  for (const auto& step : seen)
    if (step.second.rfind("Writing", 0) == 0) labels.push_back(step.second);
  ASSERT_EQ(labels.size(), 28u);
  EXPECT_EQ(labels.front(), "Writing  0  Data Block");
  EXPECT_EQ(labels.back(), "Writing  27  Data Block");
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Complete writing Signal parameters to the transceiver."});
  EXPECT_EQ(window->statusLabel()->text(), "Complete writing Signal parameters ");
  EXPECT_EQ(limits(), before);
}

TEST_F(DtmfWindow, OwnWriteRefusesACellThatIsNotAByte) {
  start();
  sim::RadioSim& sim = plugOneShotRadio();
  frm_dtmf* window = openDtmf();
  state().MemImage.at(195, 3) = 256;  // an unused row no control rewrites
  window->Command_Write_Click();
  EXPECT_FALSE(window->busy());
  ASSERT_EQ(messages().shown.size(), 1u);
  EXPECT_NE(messages().lastText().find("0x0C33"), std::string::npos) << messages().lastText();
  runUntil([] { return false; }, 5 * kSecond);
  EXPECT_EQ(sim.sessions(), 0);
}

}  // namespace
}  // namespace brel::program_test
