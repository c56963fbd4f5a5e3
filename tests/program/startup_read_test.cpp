// The program starts with a radio on its cable, identifies it, and reads its
// memory through the main window's read dialog.
#include "program_fixture.h"

namespace brel::program_test {
namespace {

using chann::kColChannel;

class StartupAndRead : public ProgramFixture {
 protected:
  // Toolbar "read", then the dialog's Read button.
  void read() {
    toolbar("read");
    ASSERT_NE(child(FormId::Form_Comm_Read), nullptr);
    EXPECT_EQ(child(FormId::Form_Comm_Read)->windowTitle(), "Read Data From Radio");
    press(button(FormId::Form_Comm_Read, "Command_read"));
  }
  template <class Widget>
  Widget* readDialogPart(const char* name) const {
    Form* dialog = child(FormId::Form_Comm_Read);
    return dialog ? dialog->findChild<Widget*>(name) : nullptr;
  }
};

TEST_F(StartupAndRead, TheRadioOnTheCableIsIdentifiedAndTheEditorShowsEmptyChannels) {
  plugRadio();
  start();

  ASSERT_NE(editor(), nullptr);
  const QList<QMdiSubWindow*> children = window().area()->subWindowList(QMdiArea::CreationOrder);
  ASSERT_EQ(children.size(), 1);
  EXPECT_EQ(children.front()->widget(), editor());
  EXPECT_EQ(window().area()->activeSubWindow(), children.front());
  EXPECT_EQ(editor()->windowTitle(), "Channel Information");
  ASSERT_EQ(editor()->model()->rowCount(), 128);
  for (int ch = 1; ch <= 128; ++ch) {
    EXPECT_EQ(text(ch, kColChannel), std::to_string(ch));
    EXPECT_EQ(row(ch), std::vector<std::string>(12, "")) << "channel " << ch;
  }

  // The identification runs once the start-up is over, on the cable found.
  EXPECT_EQ(panel(3), "COM12");
  EXPECT_EQ(panel(2), "Connecting with transceiver... ");
  EXPECT_EQ(radio->sessions(), 0);
  ASSERT_TRUE(identified());
  EXPECT_EQ(panel(7), "Band_A: 136-- 174 MHZ");
  EXPECT_EQ(panel(8), "Band_B: 400-- 480 MHZ");
  EXPECT_EQ(state().UhfUpper, 480);
  EXPECT_FALSE(bus.line(kCablePort)->heldOpen());
  EXPECT_TRUE(messages().shown.empty());
}

TEST_F(StartupAndRead, ReadFillsTheImageAndTheReloadedEditorShowsTheRadiosChannels) {
  plugRadio();
  start();
  ASSERT_TRUE(identified());
  const std::vector<Row> above = imageRows(384, 495);

  ASSERT_NO_FATAL_FAILURE(read());
  ASSERT_TRUE(messageShown(kReadDoneText));
  EXPECT_EQ(messages().shown.size(), 1u);
  EXPECT_EQ(readDialogPart<QLabel>("Label_tr_count")->text(), "Read Signal parameters in gear. ");
  EXPECT_EQ(readDialogPart<QProgressBar>("ProgressBar1")->value(), 100);
  EXPECT_FALSE(bus.line(kCablePort)->heldOpen());

  for (int r = 0; r <= 383; ++r)
    EXPECT_EQ(imageRow(r), r == 207 ? Row(16, 0xFF) : radioRow(r)) << "image row " << r;
  EXPECT_EQ(imageRows(384, 495), above);

  press(button(FormId::Form_Comm_Read, "Command_Cancel"));
  EXPECT_EQ(child(FormId::Form_Comm_Read), nullptr);
  menu("Channel_edit");
  ASSERT_NE(editor(), nullptr);
  for (int ch = 1; ch <= 128; ++ch) {
    std::vector<std::string> expected(12, "");
    for (const RadioChannel& programmed : kRadioChannels)
      if (programmed.number == ch) expected = programmed.shown;
    EXPECT_EQ(row(ch), expected) << "channel " << ch;
  }
  // Showing the channels leaves what was read as it was.
  for (int r = 0; r <= 383; ++r)
    EXPECT_EQ(imageRow(r), r == 207 ? Row(16, 0xFF) : radioRow(r)) << "image row " << r;
}

// The radio stops answering at the 40th block of every attempt: the read
// tries four times from the handshake, then gives up without touching the
// image or the grid.  The next read, with the radio well again, succeeds.
TEST_F(StartupAndRead, ARadioThatFallsSilentPartWayLeavesImageAndGridAsTheyWere) {
  plugRadio();
  start();
  ASSERT_TRUE(identified());
  edit(3, chann::kColRxFreq, "146.5");
  edit(3, chann::kColName, "home");
  const auto imageBefore = state().MemImage;
  const auto shownBefore = allRows();
  ASSERT_EQ(text(3, chann::kColName), "HOME");

  radio->addFault(sim::Fault{sim::FaultKind::Disconnect, 40, 0, -1});
  const int sessionsBefore = radio->sessions();
  ASSERT_NO_FATAL_FAILURE(read());
  ASSERT_TRUE(messageShown(kFailText));
  EXPECT_EQ(radio->sessions() - sessionsBefore, 4);
  EXPECT_EQ(readDialogPart<QLabel>("Label_tr_count")->text(), "Communication fault.");
  EXPECT_TRUE(readDialogPart<QProgressBar>("ProgressBar1")->isHidden());
  EXPECT_FALSE(bus.line(kCablePort)->heldOpen());
  EXPECT_TRUE(state().MemImage == imageBefore);

  press(button(FormId::Form_Comm_Read, "Command_Cancel"));
  menu("Channel_edit");
  EXPECT_EQ(allRows(), shownBefore);
  EXPECT_TRUE(state().MemImage == imageBefore);

  radio->clearFaults();
  ASSERT_NO_FATAL_FAILURE(read());
  ASSERT_TRUE(messageShown(kReadDoneText));
  EXPECT_EQ(imageRow(0), radioRow(0));
  EXPECT_EQ(imageRow(2), Row(16, 0xFF));  // channel 3 came back empty from the radio
}

}  // namespace
}  // namespace brel::program_test
