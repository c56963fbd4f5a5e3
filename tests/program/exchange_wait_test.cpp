// While Read from radio or Write to radio runs, or waits to retry, nothing
// the user does changes the memory image it reads or writes: each change is
// refused with the busy message and the window shows the image again.  When
// a read has its blocks, every editor that is open shows them at once.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <map>

#include "address_map.h"
#include "frm_dtmf.h"
#include "program_fixture.h"
#include "transfer_dialog.h"

namespace brel::program_test {
namespace {

using chann::kColName;
using chann::kColRxFreq;

constexpr const char* kBusyText = "Read-write operating with transceiver .";

// What a window's named controls show, by name.
std::map<std::string, std::string> Shown(const QWidget* window) {
  std::map<std::string, std::string> out;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    const std::string name = w->objectName().toStdString();
    if (name.empty() || name.rfind("qt_", 0) == 0) continue;
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
      if (qobject_cast<const QComboBox*>(edit->parentWidget()) == nullptr) out[name] = edit->text().toStdString();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
      out[name] = std::to_string(combo->currentIndex()) + " " + combo->currentText().toStdString();
    } else if (const auto* box = qobject_cast<const QAbstractButton*>(w); box && box->isCheckable()) {
      out[name] = box->isChecked() ? "on" : "off";
    }
  }
  return out;
}

class WhileTheRadioIsTalkedTo : public ProgramFixture {
 protected:
  void SetUp() override {
    plugRadio();
    start();
    ASSERT_TRUE(identified());
  }
  // The dialog's transfer, for the test to see where it stands.
  const link::Transfer& transfer(FormId dialog) const {
    if (dialog == FormId::Form_Comm_Read) return dynamic_cast<Form_Comm_Read*>(child(dialog))->read().transfer();
    return dynamic_cast<Form_Comm_Write*>(child(dialog))->write().transfer();
  }
  // Program > Read from radio (or Write to radio), the dialog's button, and
  // two seconds of the exchange: it is half-way, the messages cleared.
  void startAndHold(const char* command, FormId dialog, const char* button) {
    menu(command);
    press(this->button(dialog, button));
    runFor(2 * kSecond);
    ASSERT_TRUE(transfer(dialog).busy());
    messages().shown.clear();
  }
  bool ended(FormId dialog) {
    return runUntil([&] { return !transfer(dialog).running(); });
  }
  dtmf::frm_dtmf* dtmfEditor() const { return dynamic_cast<dtmf::frm_dtmf*>(child(FormId::frm_dtmf)); }
  QWidget* optionControl(const char* name) const {
    Form* options = child(FormId::frm_option);
    return options != nullptr ? options->findChild<QWidget*>(name) : nullptr;
  }
};

// Channels 1 to 3 typed in; the write half-way; the user clicks channel 4's
// receive cell, types 150 and Enter.  No editor opens: the radio gets what
// the grid shows, and after the write the cell takes an edit again.
TEST_F(WhileTheRadioIsTalkedTo, ACellEditDuringAWriteIsRefusedAndTheRadioGetsWhatTheGridShows) {
  edit(1, kColRxFreq, "145");
  edit(2, kColRxFreq, "146");
  edit(3, kColRxFreq, "147");
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_write", FormId::Form_Comm_Write, "Command_Write"));
  const std::vector<Row> image = imageRows(0, 495);

  click(4, kColRxFreq);
  EXPECT_EQ(editor()->grid()->openEditor(), nullptr);
  EXPECT_EQ(messages().texts(), std::vector<std::string>{kBusyText});
  QTest::keyClicks(QApplication::focusWidget(), "150");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  press(editor()->clearButton());
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{kBusyText, "Read-write operating，don't clear operate .,"}));
  EXPECT_EQ(text(4, kColRxFreq), "");
  EXPECT_EQ(text(1, kColRxFreq), "145.00000");

  ASSERT_TRUE(messageShown(kWriteDoneText));
  EXPECT_EQ(imageRows(0, 495), image);
  EXPECT_EQ(radioBytes(0x0030, 1), Row{0xFF});
  EXPECT_EQ(radioRow(2), imageRow(2));

  messages().shown.clear();
  edit(4, kColRxFreq, "150");
  EXPECT_EQ(text(4, kColRxFreq), "150.00000");
  EXPECT_TRUE(messages().shown.empty()) << messages().lastText();
}

// While the read waits to retry (the radio fell silent once) the grid
// still takes no edit; the retry then reads the radio whole.
TEST_F(WhileTheRadioIsTalkedTo, ACellEditWhileTheReadWaitsToRetryIsRefused) {
  radio->addFault(sim::Fault{sim::FaultKind::Silence, 20, 0, 1});
  menu("Prog_read");
  press(button(FormId::Form_Comm_Read, "Command_read"));
  ASSERT_TRUE(runUntil([&] { return !transfer(FormId::Form_Comm_Read).busy(); }));
  ASSERT_TRUE(transfer(FormId::Form_Comm_Read).running());

  click(7, kColName);
  EXPECT_EQ(editor()->grid()->openEditor(), nullptr);
  EXPECT_EQ(messages().texts(), std::vector<std::string>{kBusyText});

  ASSERT_TRUE(messageShown(kReadDoneText));
  EXPECT_EQ(imageRow(6), radioRow(6));
}

// File > Open confirmed during a read: refused, the dialog stays with its
// name; when the read ends the grid shows the radio's channels without a
// click, and Confirm then opens the file.
TEST_F(WhileTheRadioIsTalkedTo, OpenDuringAReadIsRefusedAndTheGridShowsWhatWasRead) {
  edit(5, kColRxFreq, "146.52");
  ASSERT_NO_FATAL_FAILURE(saveAs("five.dat"));
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_read", FormId::Form_Comm_Read, "Command_read"));

  ASSERT_NO_FATAL_FAILURE(open("five.dat"));
  EXPECT_EQ(messages().texts(), std::vector<std::string>{kBusyText});
  ASSERT_NE(child(FormId::Form_open_chann), nullptr);
  EXPECT_EQ(nameBox(FormId::Form_open_chann)->text(), "five.dat");

  ASSERT_TRUE(messageShown(kReadDoneText));
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{kBusyText, kReadDoneText}));
  for (int r = 0; r <= 383; ++r)
    ASSERT_EQ(imageRow(r), r == 207 ? Row(16, 0xFF) : radioRow(r)) << "image row " << r;
  EXPECT_EQ(row(5), std::vector<std::string>(12, ""));
  for (const RadioChannel& programmed : kRadioChannels) EXPECT_EQ(row(programmed.number), programmed.shown);

  press(button(FormId::Form_open_chann, "Command_enter"));
  EXPECT_EQ(messages().lastText(), "Succeed fold the parameter from file.");
  EXPECT_EQ(text(5, kColRxFreq), "146.52000");
  EXPECT_EQ(text(1, kColRxFreq), "");
}

// The DTMF and option editors open during a write: a tick, a choice and a
// typed character are each refused and the control shows the image again.
TEST_F(WhileTheRadioIsTalkedTo, OptionAndDtmfChangesDuringAWriteAreRefused) {
  menu("Optional_edit");
  menu("Dtmf_edit");
  ASSERT_NE(dtmfEditor(), nullptr);
  auto* squelch = qobject_cast<QComboBox*>(optionControl("Combo_sql"));
  auto* beep = qobject_cast<QCheckBox*>(optionControl("Check_Beep"));
  ASSERT_NE(squelch, nullptr);
  ASSERT_NE(beep, nullptr);
  QCheckBox* pttId = dtmfEditor()->flagBox(dtmf::FlagBox::PttP);
  QComboBox* onTime = dtmfEditor()->onTime();
  QLineEdit* ani = dtmfEditor()->codeField(dtmf::CodeField::Ani);
  QLineEdit* group = dtmfEditor()->group(0);
  const auto shown = [&] {
    return std::vector<std::string>{pttId->isChecked() ? "on" : "off", std::to_string(onTime->currentIndex()),
                                    ani->text().toStdString(),         group->text().toStdString(),
                                    std::to_string(squelch->currentIndex()), beep->isChecked() ? "on" : "off"};
  };
  const std::vector<std::string> before = shown();
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_write", FormId::Form_Comm_Write, "Command_Write"));
  const std::vector<Row> image = imageRows(0, 495);

  QTest::mouseClick(pttId, Qt::LeftButton);
  QTest::keyClick(onTime, Qt::Key_Down);
  ani->setFocus();
  QTest::keyClick(ani, Qt::Key_7);
  group->setFocus();
  QTest::keyClick(group, Qt::Key_9);
  QTest::keyClick(squelch, Qt::Key_Down);
  QTest::mouseClick(beep, Qt::LeftButton);
  EXPECT_EQ(messages().texts(), std::vector<std::string>(6, kBusyText));
  EXPECT_EQ(shown(), before);
  EXPECT_EQ(imageRows(0, 495), image);

  ASSERT_TRUE(ended(FormId::Form_Comm_Write));
  EXPECT_EQ(messages().lastText(), kWriteDoneText);
  EXPECT_EQ(imageRows(0, 495), image);

  // Once the write is over, the same tick goes in.
  QTest::mouseClick(beep, Qt::LeftButton);
  EXPECT_NE(beep->isChecked(), before[5] == "on");
  EXPECT_NE(imageRows(0, 495), image);
}

// The channel, option and DTMF editors open while the radio is read: each
// shows what was read as soon as the read ends, as it would once clicked.
TEST_F(WhileTheRadioIsTalkedTo, EveryOpenEditorShowsWhatTheReadBrought) {
  menu("Optional_edit");
  menu("Dtmf_edit");
  const auto optionsBefore = Shown(child(FormId::frm_option));
  const auto dtmfBefore = Shown(dtmfEditor());
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_read", FormId::Form_Comm_Read, "Command_read"));
  ASSERT_TRUE(messageShown(kReadDoneText));

  for (const RadioChannel& programmed : kRadioChannels) EXPECT_EQ(row(programmed.number), programmed.shown);
  const auto optionsShown = Shown(child(FormId::frm_option));
  const auto dtmfShown = Shown(dtmfEditor());
  ASSERT_NE(optionsShown, optionsBefore);
  ASSERT_NE(dtmfShown, dtmfBefore);

  for (FormId id : {FormId::frm_option, FormId::frm_dtmf}) {
    window().area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(child(id)->parentWidget()));
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(Shown(child(FormId::frm_option)), optionsShown);
  EXPECT_EQ(Shown(dtmfEditor()), dtmfShown);
}

// Bytes of the option block the window shows otherwise than stored: switch
// bytes of 2 and 5, shown ticked, which a display stores again as 1.
void StoreUnshownOptionBytes(ProgramState& state) {
  state.MemImage.byte(addr::kOptionBlockAddress + 8) = 2;
  state.MemImage.byte(addr::kOptionBlockAddress + 45) = 5;
}

// Optional Features and DTMF open, bytes in the image they have not shown,
// a write held half-way: bringing either window to the front shows nothing
// afresh, so the image keeps every byte and the radio gets what it held when
// Write was pressed.
TEST_F(WhileTheRadioIsTalkedTo, ActivatingTheOptionAndDtmfEditorsDuringAWriteChangesNothing) {
  menu("Optional_edit");
  menu("Dtmf_edit");
  StoreUnshownOptionBytes(state());
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_write", FormId::Form_Comm_Write, "Command_Write"));
  const std::vector<Row> image = imageRows(0, 495);

  for (FormId id : {FormId::frm_option, FormId::frm_dtmf, FormId::frm_option}) {
    window().area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(child(id)->parentWidget()));
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(messages().shown.empty()) << messages().lastText();
  EXPECT_EQ(imageRows(0, 495), image);

  ASSERT_TRUE(messageShown(kWriteDoneText));
  EXPECT_EQ(imageRows(0, 495), image);
  for (int r = addr::kOptionBlockFirstRow; r <= addr::kOptionBlockLastRow; ++r)
    EXPECT_EQ(radioRow(r), image[static_cast<std::size_t>(r)]) << "row " << r;
}

// Edit > Optional Features and Edit > DTMF during a write, with each window
// closed and then open: refused with the busy message before anything is
// unloaded, so no window shows the image half-way through the write, an
// open one stays as it was, and the radio gets what the image held.
TEST_F(WhileTheRadioIsTalkedTo, OpeningTheOptionAndDtmfEditorsDuringAWriteIsRefused) {
  StoreUnshownOptionBytes(state());
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_write", FormId::Form_Comm_Write, "Command_Write"));
  const std::vector<Row> image = imageRows(0, 495);

  menu("Optional_edit");
  menu("Dtmf_edit");
  EXPECT_EQ(child(FormId::frm_option), nullptr);
  EXPECT_EQ(child(FormId::frm_dtmf), nullptr);
  EXPECT_EQ(messages().texts(), std::vector<std::string>(2, kBusyText));
  EXPECT_EQ(imageRows(0, 495), image);

  ASSERT_TRUE(messageShown(kWriteDoneText));
  EXPECT_EQ(imageRows(0, 495), image);
  for (int r = addr::kOptionBlockFirstRow; r <= addr::kOptionBlockLastRow; ++r)
    EXPECT_EQ(radioRow(r), image[static_cast<std::size_t>(r)]) << "row " << r;

  // Open, each window stays itself through a second write.
  menu("Optional_edit");
  menu("Dtmf_edit");
  Form* const options = child(FormId::frm_option);
  Form* const dtmf = child(FormId::frm_dtmf);
  ASSERT_NE(options, nullptr);
  ASSERT_NE(dtmf, nullptr);
  StoreUnshownOptionBytes(state());
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_write", FormId::Form_Comm_Write, "Command_Write"));
  const std::vector<Row> held = imageRows(0, 495);
  menu("Optional_edit");
  menu("Dtmf_edit");
  EXPECT_EQ(child(FormId::frm_option), options);
  EXPECT_EQ(child(FormId::frm_dtmf), dtmf);
  EXPECT_EQ(messages().texts(), std::vector<std::string>(2, kBusyText));
  ASSERT_TRUE(messageShown(kWriteDoneText));
  EXPECT_EQ(imageRows(0, 495), held);
  for (int r = addr::kOptionBlockFirstRow; r <= addr::kOptionBlockLastRow; ++r)
    EXPECT_EQ(radioRow(r), held[static_cast<std::size_t>(r)]) << "row " << r;
}

// The language switched during a write reloads no window over the image:
// each open editor stays itself with the busy message, the write dialog
// with its own, and the radio gets what the image held.
TEST_F(WhileTheRadioIsTalkedTo, ALanguageSwitchDuringAWriteReloadsNoEditor) {
  menu("Optional_edit");
  menu("Dtmf_edit");
  Form* const options = child(FormId::frm_option);
  Form* const dtmf = child(FormId::frm_dtmf);
  frm_chann* const channels = editor();
  StoreUnshownOptionBytes(state());
  ASSERT_NO_FATAL_FAILURE(startAndHold("Prog_write", FormId::Form_Comm_Write, "Command_Write"));
  const std::vector<Row> image = imageRows(0, 495);

  menu("Language_chn");
  EXPECT_EQ(child(FormId::frm_option), options);
  EXPECT_EQ(child(FormId::frm_dtmf), dtmf);
  EXPECT_EQ(editor(), channels);
  EXPECT_EQ(messages().texts(), (std::vector<std::string>{"正在与对讲机进行读写操作 ！", "正在与对讲机进行读写操作 ！",
                                                          "正在进行读写操作,请勿关窗口 ！,",
                                                          "正在与对讲机进行读写操作 ！"}));
  ASSERT_TRUE(runUntil([&] { return !transfer(FormId::Form_Comm_Write).running(); }));
  EXPECT_EQ(imageRows(0, 495), image);
  for (int r = addr::kOptionBlockFirstRow; r <= addr::kOptionBlockLastRow; ++r)
    EXPECT_EQ(radioRow(r), image[static_cast<std::size_t>(r)]) << "row " << r;
}

}  // namespace
}  // namespace brel::program_test
