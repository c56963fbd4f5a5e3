// Which window is in front once a dialog has gone: the one the user was
// working in before it, never the first window the program opened.
#include <ostream>

#include "program_fixture.h"

namespace brel::program_test {
namespace {

enum class Close { Confirm, Cancel };

struct DialogCase {
  const char* editorCommand;  // the editor the user works in
  FormId editor;
  const char* dialogCommand;
  FormId dialog;
  Close close;
  friend void PrintTo(const DialogCase& c, std::ostream* out) {
    *out << c.editorCommand << " then " << c.dialogCommand << (c.close == Close::Confirm ? " confirmed" : " cancelled");
  }
};

class WindowOrderAfterADialog : public ProgramFixture, public ::testing::WithParamInterface<DialogCase> {
 protected:
  void SetUp() override {
    plugRadio();
    start();
    ASSERT_TRUE(identified());
    // Each message box takes the focus while it is up, as on a screen.
    messages().takeFocus = true;
  }
  QWidget* front() const {
    QMdiSubWindow* sub = window().area()->activeSubWindow();
    return sub != nullptr ? sub->widget() : nullptr;
  }
  // Confirm in a file dialog takes a name; in a transfer dialog it is the
  // transfer, run to its end before the dialog is left with Cancel.
  void confirm(const DialogCase& c) {
    switch (c.dialog) {
      case FormId::Form_save_chann: {
        QLineEdit* box = nameBox(c.dialog);
        ASSERT_NE(box, nullptr);
        box->setText("order.dat");
        press(button(c.dialog, "Command_enter"));
        return;
      }
      case FormId::Form_open_chann:
        nameBox(c.dialog)->setText("order.dat");
        press(button(c.dialog, "Command_enter"));
        return;
      default: {
        const std::string done = c.dialog == FormId::Form_Comm_Read ? kReadDoneText : kWriteDoneText;
        press(button(c.dialog, c.dialog == FormId::Form_Comm_Read ? "Command_read" : "Command_Write"));
        ASSERT_TRUE(messageShown(done));
        press(button(c.dialog, "Command_Cancel"));
      }
    }
  }
};

TEST_P(WindowOrderAfterADialog, BringsBackTheEditorTheUserWasIn) {
  const DialogCase& c = GetParam();
  if (c.dialog == FormId::Form_open_chann) {
    // A file to open.
    ASSERT_NO_FATAL_FAILURE(saveAs("order.dat"));
  }
  menu(c.editorCommand);
  ASSERT_NE(child(c.editor), nullptr);
  ASSERT_EQ(front(), child(c.editor));

  menu(c.dialogCommand);
  ASSERT_NE(child(c.dialog), nullptr);
  ASSERT_EQ(front(), child(c.dialog));
  if (c.close == Close::Confirm) ASSERT_NO_FATAL_FAILURE(confirm(c));
  else press(button(c.dialog, c.dialog == FormId::Form_Comm_Read || c.dialog == FormId::Form_Comm_Write
                                  ? "Command_Cancel"
                                  : "Command_close"));
  // The last box has gone: the window system gives the main window back its
  // focus, after the dialog has unloaded.
  QApplication::setActiveWindow(&window());
  QCoreApplication::processEvents();

  EXPECT_EQ(child(c.dialog), nullptr);
  ASSERT_NE(child(c.editor), nullptr);
  EXPECT_EQ(front(), child(c.editor)) << (front() ? front()->objectName().toStdString() : "no window");
  EXPECT_TRUE(child(c.editor)->isAncestorOf(QApplication::focusWidget()))
      << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "no focus");
}

std::vector<DialogCase> Cases() {
  std::vector<DialogCase> cases;
  const std::pair<const char*, FormId> editors[] = {{"Dtmf_edit", FormId::frm_dtmf},
                                                   {"Optional_edit", FormId::frm_option}};
  const std::pair<const char*, FormId> dialogs[] = {{"File_save", FormId::Form_save_chann},
                                                   {"File_Open", FormId::Form_open_chann},
                                                   {"Prog_read", FormId::Form_Comm_Read},
                                                   {"Prog_write", FormId::Form_Comm_Write}};
  for (const auto& [editorCommand, editor] : editors)
    for (const auto& [dialogCommand, dialog] : dialogs)
      for (Close close : {Close::Confirm, Close::Cancel})
        cases.push_back({editorCommand, editor, dialogCommand, dialog, close});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Program, WindowOrderAfterADialog, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<DialogCase>& info) {
                           return std::string(info.param.editorCommand) + "_" + info.param.dialogCommand + "_" +
                                  (info.param.close == Close::Confirm ? "Confirm" : "Cancel");
                         });

}  // namespace
}  // namespace brel::program_test
