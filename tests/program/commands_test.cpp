// The main window's commands with every window of the program behind them:
// keyboard shortcuts, Enter on a window's buttons, and the exit.
#include <ostream>

#include "program_fixture.h"

namespace brel::program_test {
namespace {

class MainWindowCommands : public ProgramFixture {
 protected:
  void SetUp() override {
    plugRadio();
    start();
    ASSERT_TRUE(identified());
  }
  // A key pressed with the keyboard focus in the channel grid, where it is
  // after any edit.
  void pressInGrid(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    click(1, chann::kColChannel);
    ASSERT_EQ(window().area()->activeSubWindow()->widget(), editor());
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();
  }
};

struct ShortcutCase {
  const char* keys;
  Qt::Key key;
  FormId opens;
  friend void PrintTo(const ShortcutCase& c, std::ostream* out) { *out << c.keys; }
};

class MenuShortcuts : public MainWindowCommands, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(MenuShortcuts, OpenTheirWindowFromTheChannelEditor) {
  pressInGrid(GetParam().key, Qt::ControlModifier);
  EXPECT_NE(child(GetParam().opens), nullptr) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Program, MenuShortcuts,
                         ::testing::Values(ShortcutCase{"Ctrl+O", Qt::Key_O, FormId::Form_open_chann},
                                           ShortcutCase{"Ctrl+S", Qt::Key_S, FormId::Form_save_chann},
                                           ShortcutCase{"Ctrl+R", Qt::Key_R, FormId::Form_Comm_Read}),
                         [](const ::testing::TestParamInfo<ShortcutCase>& info) {
                           return std::string("Ctrl") + static_cast<char>(info.param.key);
                         });

// Ctrl+W is Write to radio, but every child window's own menu also claims
// Ctrl+W for closing the child window (the platform's standard Close key).
// The two cancel out: Qt reports an ambiguous shortcut and neither runs, so
// the key does nothing while an editor or dialog is active.
TEST_F(MainWindowCommands, CtrlWOpensTheWriteDialogFromTheChannelEditor) {
  pressInGrid(Qt::Key_W, Qt::ControlModifier);
  EXPECT_NE(child(FormId::Form_Comm_Write), nullptr);
  EXPECT_NE(editor(), nullptr);
}

// A key pressed on a control that has the keyboard focus, as a user tabs to
// it and presses the key.
void KeyOn(QWidget* control, Qt::Key key) {
  ASSERT_NE(control, nullptr);
  control->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), control) << control->objectName().toStdString();
  QTest::keyClick(control, key);
  QCoreApplication::processEvents();
}

// Enter, on the main keys or the keypad, presses the focused button as Space
// does, in an editor and in a transfer dialog alike.
TEST_F(MainWindowCommands, EnterPressesTheFocusedButton) {
  for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(enter == Qt::Key_Return ? "Return" : "keypad Enter");
    menu("Dtmf_edit");
    KeyOn(button(FormId::frm_dtmf, "Command_close"), enter);
    EXPECT_EQ(child(FormId::frm_dtmf), nullptr);
    test::FlushDeletes();
  }
  toolbar("read");
  KeyOn(button(FormId::Form_Comm_Read, "Command_read"), Qt::Key_Return);
  clock.advance(2 * kSecond);
  EXPECT_TRUE(bus.line(kCablePort)->heldOpen());
  EXPECT_TRUE(messageShown(kReadDoneText));
}

// No window has a default or a cancel button: Enter in a text box and
// Escape on a button do nothing.
TEST_F(MainWindowCommands, EnterInATextBoxAndEscapeOnAButtonDoNothing) {
  menu("Dtmf_edit");
  Form* dtmf = child(FormId::frm_dtmf);
  ASSERT_NE(dtmf, nullptr);
  KeyOn(dtmf->findChild<QLineEdit*>("Text_tx_Encode(1)"), Qt::Key_Return);
  KeyOn(button(FormId::frm_dtmf, "Command_close"), Qt::Key_Escape);
  EXPECT_EQ(child(FormId::frm_dtmf), dtmf);
  EXPECT_TRUE(messages().shown.empty()) << messages().lastText();
  toolbar("read");
  KeyOn(button(FormId::Form_Comm_Read, "Command_Cancel"), Qt::Key_Escape);
  EXPECT_NE(child(FormId::Form_Comm_Read), nullptr);
}

TEST_F(MainWindowCommands, ExitEndsTheProgramWithEveryWindowStillOpen) {
  edit(1, chann::kColRxFreq, "145");
  menu("Prog_write");
  menu("File_save");
  menu("File_exit");
  EXPECT_FALSE(window().isVisible());
  for (FormId id : {FormId::frm_chann, FormId::Form_Comm_Write, FormId::Form_save_chann})
    EXPECT_EQ(child(id), nullptr) << FormName(id);
  EXPECT_TRUE(messages().shown.empty()) << messages().lastText();
  EXPECT_FALSE(bus.line(kCablePort)->heldOpen());
}

// Exit while the radio is being talked to would cut the transfer off (half a
// write in the radio): the dialog says so, nothing is closed, the transfer
// goes on to its end, and then Exit ends the program.
TEST_F(MainWindowCommands, ExitWhileAReadRunsKeepsEverythingUntilTheReadEnds) {
  toolbar("read");
  press(button(FormId::Form_Comm_Read, "Command_read"));
  clock.advance(2 * kSecond);
  ASSERT_TRUE(bus.line(kCablePort)->heldOpen());
  toolbar("exit");
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Read-write operating，don't close the window. ,"});
  for (FormId id : {FormId::frm_chann, FormId::Form_Comm_Read}) EXPECT_NE(child(id), nullptr) << FormName(id);

  ASSERT_TRUE(clock.runUntil([&] { return !bus.line(kCablePort)->heldOpen(); }, 60 * kSecond));
  EXPECT_EQ(messages().lastText(), "Complete reading the data from transceiver.");
  toolbar("exit");
  EXPECT_FALSE(window().isVisible());
  EXPECT_EQ(child(FormId::Form_Comm_Read), nullptr);
}

}  // namespace
}  // namespace brel::program_test
