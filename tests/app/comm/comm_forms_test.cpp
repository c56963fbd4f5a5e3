// The read, write and port dialogs in a real MDI host.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "comm_forms.h"
#include "form_setup.h"
#include "mdi_form_host.h"
#include "radio_bench.h"
#include "test_doubles.h"
#include "transfer_dialog.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;

// An editor whose open edit programs channel 5 at 300 MHz when committed.
class EditorWithOpenEdit : public Form {
 public:
  explicit EditorWithOpenEdit(AppContext& c) : Form(c, FormId::frm_chann) {}
  void commitPendingEdit() override {
    const int bcd300[] = {0x00, 0x00, 0x00, 0x30};
    for (int b = 0; b < 4; ++b) state().MemImage.at(4, b) = bcd300[b];
  }
};

class CommFormsTest : public ::testing::Test, protected RadioBench {
 protected:
  static constexpr int kPort = 5;

  CommFormsTest() : RadioBench(kPort) {
    window.setCentralWidget(area);
    window.resize(1280, 1024);
    window.show();
    host.setContext(&context);
    RegisterCommForms(host);
    state.PortNumber = kPort;
    link::LoadHandshakeCommand(state, 0);
    state.MemImage.fill(0, 495, 0, 15, 0xFF);
  }
  ~CommFormsTest() override {
    host.unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void plugRadio() {
    RadioBench::plugRadio();
    for (int a = 0; a < 0x1800; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a * 3 + 1);
  }
  template <class T>
  T* load(FormId id) {
    return dynamic_cast<T*>(host.reloadForm(id));
  }
  QSize frameSize(Form* form) const { return form->parentWidget()->size(); }

  ProgramState state;
  RecordingMessages messages;
  MapStatusPanels panels;
  QMainWindow window;
  QMdiArea* area = new QMdiArea;
  MdiFormHost host{area, &window};
  AppContext context{state, messages, panels, host, services};
};

struct CaptionCase {
  FormId id;
  std::int16_t language;
  const char* title;
  const char* actionName;
  const char* action;
  const char* cancel;
  const char* help;
};

class TransferDialogCaptions : public CommFormsTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(TransferDialogCaptions, LoadSetsCaptionsSizeProgressAndFlag) {
  const CaptionCase& c = GetParam();
  state.LanguageFlag = c.language;
  auto* dialog = load<TransferDialog>(c.id);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle().toStdString(), c.title);
  auto* action = dialog->findChild<QPushButton*>(c.actionName);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text().toStdString(), c.action);
  EXPECT_EQ(dialog->cancelButton()->text().toStdString(), c.cancel);
  EXPECT_EQ(dialog->helpButton()->text().toStdString(), c.help);
  EXPECT_FALSE(dialog->progressBar()->isHidden());
  EXPECT_EQ(dialog->progressBar()->value(), 0);
  EXPECT_EQ(dialog->statusLabel()->text(), "");
  EXPECT_EQ(frameSize(dialog), QSize(window.width() * 2 / 5, window.height() / 4));
  const std::int16_t flag =
      c.id == FormId::Form_Comm_Read ? state.FormOpenFlags.ReadFormOpen : state.FormOpenFlags.WriteFormOpen;
  EXPECT_EQ(flag, -1);
  host.unloadForm(c.id);
  EXPECT_EQ(c.id == FormId::Form_Comm_Read ? state.FormOpenFlags.ReadFormOpen : state.FormOpenFlags.WriteFormOpen,
            0);
}

INSTANTIATE_TEST_SUITE_P(
    Both, TransferDialogCaptions,
    ::testing::Values(
        CaptionCase{FormId::Form_Comm_Read, 0, "Read Data From Radio", "Command_read", "Read", "Cancel", "Help"},
        CaptionCase{FormId::Form_Comm_Read, -1, "从对讲机读取数据", "Command_read", "读取", "取消", "帮助"},
        CaptionCase{FormId::Form_Comm_Write, 0, "Write Data to Radio", "Command_Write", "Write", "Cancel", "Help"},
        CaptionCase{FormId::Form_Comm_Write, -1, "写数据到对讲机", "Command_Write", "写入", "取消", "帮助"}));

TEST_F(CommFormsTest, ReadButtonFillsTheImageAndTheDialogShowsTheOutcome) {
  plugRadio();
  auto* dialog = load<Form_Comm_Read>(FormId::Form_Comm_Read);
  dialog->actionButton()->click();
  EXPECT_EQ(dialog->statusLabel()->text(), "Connecting with transceiver. ");
  ASSERT_TRUE(clock.runUntil([&] { return !messages.shown.empty(); }, 60 * kSecond));
  EXPECT_EQ(messages.lastText(), "Complete reading the data from transceiver.");
  EXPECT_EQ(dialog->progressBar()->value(), 100);
  EXPECT_EQ(dialog->statusLabel()->text(), "Read Signal parameters in gear. ");
  EXPECT_EQ(state.MemImage.byte(0x1234), radio->memory()[0x1234]);
}

TEST_F(CommFormsTest, DialogWithARunningTransferIsNotReloadedOrClosed) {
  plugRadio();
  auto* dialog = load<Form_Comm_Read>(FormId::Form_Comm_Read);
  dialog->actionButton()->click();
  clock.advance(500 * kMs);

  EXPECT_EQ(host.reloadForm(FormId::Form_Comm_Read), dialog);  // the menu item opening it again
  EXPECT_EQ(messages.lastText(), "Read-write operating，don't close the window. ,");
  dialog->parentWidget()->close();                             // the close box
  EXPECT_TRUE(host.isLoaded(FormId::Form_Comm_Read));
  dialog->cancelButton()->click();
  EXPECT_TRUE(host.isLoaded(FormId::Form_Comm_Read));
  EXPECT_EQ(messages.shown.size(), 3u);

  ASSERT_TRUE(clock.runUntil([&] { return messages.shown.size() == 4; }, 60 * kSecond));
  EXPECT_EQ(messages.lastText(), "Complete reading the data from transceiver.");
  dialog->cancelButton()->click();
  EXPECT_FALSE(host.isLoaded(FormId::Form_Comm_Read));
  EXPECT_EQ(state.FormOpenFlags.ReadFormOpen, 0);
}

TEST_F(CommFormsTest, ADialogIsNotReloadedWhileARetryOfItsTransferIsPending) {
  line = &bus.plug(kPort);  // nothing answers
  auto* dialog = load<Form_Comm_Read>(FormId::Form_Comm_Read);
  dialog->actionButton()->click();
  clock.advance(1500 * kMs);  // timed out, retry pending, busy flags 0
  EXPECT_EQ(host.reloadForm(FormId::Form_Comm_Read), dialog);
  ASSERT_TRUE(clock.runUntil([&] { return messages.lastText() == "Fail connect with transceiver."; }, 60 * kSecond));
  EXPECT_EQ(dialog->statusLabel()->text(), "Communication fault.");
  EXPECT_TRUE(dialog->progressBar()->isHidden());
}

TEST_F(CommFormsTest, ProgramExitStopsARunningTransferAndReleasesThePort) {
  plugRadio();
  auto* dialog = load<Form_Comm_Write>(FormId::Form_Comm_Write);
  dialog->actionButton()->click();
  clock.advance(300 * kMs);
  ASSERT_TRUE(line->heldOpen());
  host.unloadAll();
  EXPECT_FALSE(line->heldOpen());
  EXPECT_EQ(state.FormOpenFlags.WriteFormOpen, 0);
  clock.advance(10 * kSecond);
  EXPECT_EQ(line->opens(), 1);
}

TEST_F(CommFormsTest, WriteButtonCommitsOpenEditsBeforeItsChecks) {
  host.registerForm(FormId::frm_chann, [](AppContext& c) -> Form* { return new EditorWithOpenEdit(c); });
  host.loadForm(FormId::frm_chann);
  state.VfoALower = 136, state.VfoAUpper = 174, state.VfoBLower = 400, state.VfoBUpper = 480;
  auto* dialog = load<Form_Comm_Write>(FormId::Form_Comm_Write);
  dialog->actionButton()->click();
  EXPECT_EQ(messages.lastText(),
            "Channel 5that Receiving or transmitting frequency  out of frequency limitation range ");
}

TEST_F(CommFormsTest, CloseFlagUnloadsTheDialogAtTheNextPoll) {
  auto* dialog = load<Form_Comm_Write>(FormId::Form_Comm_Write);
  clock.advance(1 * kSecond);
  EXPECT_TRUE(host.isLoaded(FormId::Form_Comm_Write));
  dialog->requestClose();
  clock.advance(200 * kMs);
  EXPECT_FALSE(host.isLoaded(FormId::Form_Comm_Write));
}

TEST_F(CommFormsTest, PortDialogTicksThePortInUseAndShowsEachDevice) {
  auto* dialog = load<Form_setup>(FormId::Form_setup);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Communication Port Setup");
  EXPECT_EQ(dialog->okButton()->text(), "Confirm");
  EXPECT_EQ(dialog->cancelButton()->text(), "Cancel");
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(dialog->portOption(i)->text().toStdString(), "COM " + std::to_string(i + 1));
    EXPECT_EQ(dialog->portOption(i)->isChecked(), i == 4);
  }
  EXPECT_EQ(dialog->deviceLabel(0)->text(), "/dev/ttyS0");
  EXPECT_EQ(dialog->deviceLabel(4)->text(), "/dev/ttyUSB0");
  EXPECT_EQ(dialog->deviceLabel(15)->text(), "/dev/ttyACM3");
  EXPECT_EQ(state.FormOpenFlags.SetupFormOpen, -1);
}

TEST_F(CommFormsTest, PortDialogOkTakesTheTickedPortAndClearsTheLinkPanels) {
  for (int p : {2, 7, 8}) panels.setPanelText(p, "old");
  auto* dialog = load<Form_setup>(FormId::Form_setup);
  dialog->portOption(1)->setChecked(true);
  dialog->okButton()->click();
  EXPECT_EQ(state.PortNumber, 2);
  EXPECT_EQ(panels.panelText(3), "COM2");
  for (int p : {2, 7, 8}) EXPECT_EQ(panels.panelText(p), "");
  EXPECT_FALSE(host.isLoaded(FormId::Form_setup));
  EXPECT_EQ(state.FormOpenFlags.SetupFormOpen, 0);
}

TEST_F(CommFormsTest, PortDialogCancelChangesNothing) {
  panels.setPanelText(3, "COM5");
  auto* dialog = load<Form_setup>(FormId::Form_setup);
  dialog->portOption(1)->setChecked(true);
  dialog->cancelButton()->click();
  EXPECT_EQ(state.PortNumber, kPort);
  EXPECT_EQ(panels.panelText(3), "COM5");
  EXPECT_FALSE(host.isLoaded(FormId::Form_setup));
}

TEST_F(CommFormsTest, PortDialogInChinese) {
  state.LanguageFlag = -1;
  auto* dialog = load<Form_setup>(FormId::Form_setup);
  EXPECT_EQ(dialog->windowTitle().toStdString(), "通讯端口设置");
  EXPECT_EQ(dialog->okButton()->text().toStdString(), "确 定");
  EXPECT_EQ(dialog->cancelButton()->text().toStdString(), "取 消");
  EXPECT_EQ(dialog->findChild<QGroupBox*>("Frame1")->title().toStdString(), "端口设置");
}

}  // namespace
}  // namespace brel::test

int main(int argc, char** argv) {
  // Test discovery runs the binary outside CTest's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
