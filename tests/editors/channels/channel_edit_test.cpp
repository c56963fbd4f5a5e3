// Editing in the grid as a user does: clicks lay the column's editor over
// the cell, typing goes into it, leaving the cell or Enter commits it.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "window_fixture.h"

namespace brel::chann::test {
namespace {

class Editing : public WindowFixture {
 protected:
  Editing() {
    putProgrammed(1);
    load();
  }
};

TEST_F(Editing, AFrequencyTypedAndLeftWithAClickProgramsTheChannel) {
  click(9, kColRxFreq);
  ASSERT_NE(textBox(), nullptr);
  EXPECT_EQ(textBox()->geometry(), grid()->visualRect(cell(9, kColRxFreq)));
  type("145.5");
  EXPECT_EQ(record(9), kAllErased);  // nothing before the cell is left
  click(9, kColChannel);
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(record(9), (Bytes{0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44}));
  EXPECT_EQ(name(9), kAllErased);
  std::vector<std::string> shown;
  for (int c = kColBand; c <= kColName; ++c) shown.push_back(text(9, c));
  EXPECT_EQ(shown, (std::vector<std::string>{"VHF/UHF ", "145.50000", "145.50000", "OFF", "OFF", "HIGH", "W", "OFF",
                                             "OFF", "ON", "1", ""}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Editing, EnterCompletesTheFrequencyAndMovesOn) {
  click(2, kColRxFreq);
  type("145");
  press(Qt::Key_Return);
  ASSERT_NE(textBox(), nullptr);
  EXPECT_EQ(grid()->openEditorIndex(), cell(2, kColTxFreq));
  EXPECT_EQ(textBox()->text(), "145.00000");
  EXPECT_EQ(record(2, 0, 7), (Bytes{0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14}));

  textBox()->clear();
  type("146.007");
  press(Qt::Key_Return);
  ASSERT_NE(list(), nullptr);
  EXPECT_EQ(grid()->openEditorIndex(), cell(2, kColRxTone));
  EXPECT_EQ(record(2, 4, 7), (Bytes{0x25, 0x06, 0x60, 0x14}));
  EXPECT_EQ(text(2, kColTxFreq), "146.00625");
}

TEST_F(Editing, EnterOnAnEmptyTransmitBoxGoesToTheBandOfTheNextRow) {
  click(5, kColTxFreq);
  press(Qt::Key_Return);
  ASSERT_NE(list(), nullptr);
  EXPECT_EQ(grid()->openEditorIndex(), cell(6, kColBand));
  EXPECT_EQ(list()->count(), 1);
  EXPECT_EQ(list()->itemText(0), "VHF/UHF");
}

TEST_F(Editing, EnterInAListMovesToTheNextColumnUpToTheName) {
  click(1, kColSigCode);
  press(Qt::Key_Return);
  ASSERT_NE(textBox(), nullptr);
  EXPECT_EQ(grid()->openEditorIndex(), cell(1, kColName));
  EXPECT_EQ(textBox()->text(), "AB1");
}

TEST_F(Editing, ToneListsTakeDigitsAndDcsLettersOnly) {
  click(1, kColRxTone);
  QComboBox* tones = list();
  ASSERT_NE(tones, nullptr);
  EXPECT_EQ(tones->count(), 261);
  EXPECT_EQ(tones->currentText(), "");
  EXPECT_EQ(tones->itemText(51), "D023N");
  type("d023n");
  EXPECT_EQ(tones->currentText(), "D023N");
  press(Qt::Key_Backspace);
  type("x,");
  EXPECT_EQ(tones->currentText(), "D023N");
  click(1, kColChannel);
  EXPECT_EQ(record(1, 8, 11), (Bytes{0x01, 0x00, 0x01, 0x00}));
  EXPECT_EQ(text(1, kColRxTone), "D023N");

  click(1, kColTxTone);
  type("88.5");
  click(1, kColChannel);
  EXPECT_EQ(record(1, 8, 11), (Bytes{0x01, 0x00, 0x75, 0x03}));
  EXPECT_EQ(text(1, kColTxTone), "88.5");
}

TEST_F(Editing, OptionListsTakeOnlyAChoiceAndEncodeItAtOnce) {
  click(1, kColPower);
  ASSERT_NE(list(), nullptr);
  EXPECT_EQ(list()->count(), 2);
  EXPECT_EQ(list()->currentText(), "HIGH");
  type("x");
  EXPECT_EQ(list()->currentText(), "HIGH");
  choose(1, kColPower, "LOW");
  EXPECT_EQ(record(1, kPowerByte, kPowerByte), Bytes{0x01});  // before the cell is left
  click(1, kColChannel);
  EXPECT_EQ(text(1, kColPower), "LOW");

  choose(1, kColPttId, "BOTH");
  choose(1, kColWidth, "N");
  choose(1, kColSigCode, "15");
  click(1, kColChannel);
  EXPECT_EQ(record(1, kSigCodeByte, kFlagsByte), (Bytes{0x0E, 0x00, 0x01, 0x07}));
  EXPECT_EQ(text(1, kColWidth), "N");
  EXPECT_EQ(text(1, kColSigCode), "15");
}

TEST_F(Editing, RowsWithoutBandOrReceiveFrequencyOfferNoOptionEditors) {
  for (int col : {kColRxTone, kColTxTone, kColPower, kColScanAdd, kColSigCode, kColChannel}) {
    click(3, col);
    EXPECT_EQ(editor(), nullptr) << col;
  }
  choose(3, kColBand, "VHF/UHF");
  click(3, kColChannel);
  EXPECT_EQ(text(3, kColBand), "VHF/UHF");
  click(3, kColTxTone);
  EXPECT_EQ(editor(), nullptr);
  click(3, kColRxTone);
  EXPECT_NE(list(), nullptr);
}

// Only a cell that had an editor is committed: passing over cells with the
// arrow keys must not write their (empty) editor texts into the channel.
TEST_F(Editing, ArrowKeysAcrossCellsChangeNothing) {
  const Bytes before = record(1);
  click(1, kColChannel);
  for (int i = 0; i < 12; ++i) press(Qt::Key_Right);
  EXPECT_EQ(grid()->currentIndex(), cell(1, kColName));
  press(Qt::Key_Down);
  for (int i = 0; i < 12; ++i) press(Qt::Key_Left);
  press(Qt::Key_Up);
  EXPECT_EQ(record(1), before);
  EXPECT_EQ(name(1, 0, 2), (Bytes{'A', 'B', '1'}));

  edit(1, kColName, "new");  // after a commit too
  click(1, kColBand);
  click(1, kColChannel);
  for (int i = 0; i < 12; ++i) press(Qt::Key_Right);
  EXPECT_EQ(record(1), before);
  EXPECT_EQ(name(1, 0, 2), (Bytes{'N', 'E', 'W'}));
}

TEST_F(Editing, AnOverlongNameIsCutWithOneMessage) {
  edit(1, kColName, "ab-c12x");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The letter of channel name max 6 bit . ");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(text(1, kColName), "AB-C12");
  EXPECT_EQ(name(1, 0, 5), (Bytes{0x41, 0x42, 0xFF, 0x43, 0x31, 0x32}));
}

// A message box on screen takes the focus from the editor; that must not
// commit the editor a second time or lose what follows.
TEST_F(Editing, AFrequencyOutOfBandGivesOneMessageWhenTheBoxTakesTheFocus) {
  messages.takeFocus = true;
  edit(1, kColRxFreq, "600");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Over the range of receive frequency .");
  EXPECT_EQ(record(1, 0, 7), (Bytes{0x00, 0x00, 0x60, 0x13, 0x50, 0x22, 0x55, 0x14}));

  messages.shown.clear();
  QApplication::setActiveWindow(&mainWindow);
  click(1, kColRxFreq);
  textBox()->clear();
  type("600");
  press(Qt::Key_Return);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(record(1, 0, 7), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13}));
  EXPECT_EQ(record(1, 8, 11), (Bytes{0x9E, 0x02, 0x9E, 0x02}));
  EXPECT_EQ(text(1, kColTxFreq), "136.00000");
}

TEST_F(Editing, ScrollingKeepsWhatWasTyped) {
  click(1, kColRxFreq);
  type("146");
  grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->maximum());
  QCoreApplication::processEvents();
  click(100, kColChannel);
  EXPECT_EQ(record(1, 0, 3), (Bytes{0x00, 0x00, 0x60, 0x14}));
}

}  // namespace
}  // namespace brel::chann::test
