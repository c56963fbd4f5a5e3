// The alignment window and the password dialog in the whole program, as a
// user meets them once something opens them: clicks, typing, tabs, the
// radio, the file dialogs.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QTabBar>

#include "adj_texts.h"
#include "form_write_password.h"
#include "frm_adj_txp.h"
#include "program_fixture.h"

namespace brel::program_test {
namespace {

using adj::frm_Adj_Txp;
using adj::ListSet;
using adj::NumberSet;
using adj::TextField;

class AdjWindow : public ProgramFixture {
 protected:
  void SetUp() override { start(); }

  frm_Adj_Txp* open() {
    window().host().loadForm(FormId::frm_Adj_Txp);
    QCoreApplication::processEvents();
    auto* w = dynamic_cast<frm_Adj_Txp*>(child(FormId::frm_Adj_Txp));
    EXPECT_NE(w, nullptr);
    return w;
  }
  frm_Adj_Txp* adj() const { return dynamic_cast<frm_Adj_Txp*>(child(FormId::frm_Adj_Txp)); }
  AdjTable& image() const { return state().AdjImage; }
  void tab(int page) {
    QTabBar* bar = adj()->tabs();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    QCoreApplication::processEvents();
  }
  void clickInto(QWidget* w) {
    ASSERT_TRUE(w->isVisible() && w->isEnabled()) << w->objectName().toStdString();
    QTest::mouseClick(w, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  // Select what the box holds and type over it.
  void typeInto(QLineEdit* box, const QString& keys) {
    clickInto(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, keys);
    QCoreApplication::processEvents();
  }
  void fillImage(int value) {
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 16; ++c) image().at(r, c) = static_cast<std::int16_t>(value);
  }
  std::vector<int> cells(int row, int from, int to) const {
    std::vector<int> out;
    for (int c = from; c <= to; ++c) out.push_back(state().AdjImage.at(row, c));
    return out;
  }
  void plugSteppedRadio() {
    radio = std::make_unique<sim::RadioSim>();
    for (int a = 0x1E00; a < 0x2000; ++a) radio->memory()[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a * 5 + 1);
    // A slow line, so that the exchange outlasts a few polls of the window.
    onLine = std::make_unique<sim::SimOnLine>(*radio, bus.plug(kCablePort, 5 * kMs));
    state().PortNumber = kCablePort;
  }
};

TEST_F(AdjWindow, NoCommandReachesEitherWindow) {
  EXPECT_TRUE(window().host().isRegistered(FormId::frm_Adj_Txp));
  EXPECT_TRUE(window().host().isRegistered(FormId::Form_Write_PassWord));
  for (const char* name : {"Adj", "PC_PassWord"}) {
    QAction* item = window().menuAction(name);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isVisible()) << name;
  }
  EXPECT_FALSE(window().menuAction("Adj")->isEnabled());
  EXPECT_FALSE(window().menuAction("PC_PassWord")->isEnabled());
  open();
  EXPECT_FALSE(adj()->button("Command_def")->isEnabled());
  EXPECT_FALSE(adj()->progressBar()->isVisible());
}

TEST_F(AdjWindow, OpeningLaysOutTheHeldVariantWithoutWritingItsRanges) {
  state().AdjBandVariant = 1;
  for (int c = 0; c < 16; ++c) image().at(12, c) = static_cast<std::int16_t>(c + 1);
  const AdjTable before = image();
  open();
  EXPECT_EQ(image(), before);
  EXPECT_TRUE(adj()->option(1)->isChecked());
  EXPECT_EQ(adj()->windowTitle(), "发射功率调整（高功率）");
  EXPECT_EQ(adj()->findChild<QLabel*>("Label1(13)")->text(), "174MHZ");
  EXPECT_EQ(adj()->findChild<QLabel*>("Label_UHF(12)")->text(), "260MHZ");
  EXPECT_TRUE(adj()->numberBox(NumberSet::Text2, 12)->isVisible());
  EXPECT_FALSE(adj()->numberBox(NumberSet::Text2, 13)->isVisible());
  tab(4);
  EXPECT_EQ(adj()->findChild<QLabel*>("Label_F1")->text(), "UHF0                     200 - 260");
  EXPECT_TRUE(adj()->bandBox(1, false)->isEnabled());

  // Only a click on a variant writes its default ranges.
  QRadioButton* variant3 = adj()->option(3);
  QTest::mouseClick(variant3, Qt::LeftButton, {}, QPoint(6, variant3->height() / 2));
  EXPECT_EQ(state().AdjBandVariant, 3);
  EXPECT_EQ(cells(12, 0, 15), (std::vector<int>{1, 2, 0x40, 2, 0x50, 6, 2, 0x40, 2, 0x50, 11, 12, 13, 14, 15, 16}));
  EXPECT_FALSE(adj()->bandBox(1, false)->isEnabled());
  EXPECT_EQ(adj()->bandBox(0, false)->text(), "240");
  tab(0);
  EXPECT_FALSE(adj()->findChild<QGroupBox*>("Frame_B0(0)")->isVisible());
  EXPECT_EQ(adj()->findChild<QGroupBox*>("Frame_B0(1)")->x(), adj()->findChild<QGroupBox*>("Frame_B0(0)")->x());
}

TEST_F(AdjWindow, DrawingAnyPageStoresNothing) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
  };
  const Case cases[] = {
      {"erased", [this] { fillImage(0xFF); }},
      {"inner blanks, one-bit filters, a 480 byte of 5",
       [this] {
         const int power[16] = {32, 'A', 'B', 32, 'C', 'D', 32, 'E', 32, 'F', 32, 32, 32, 32, 0, 0};
         for (int c = 0; c < 16; ++c) image().at(13, c) = static_cast<std::int16_t>(power[c]);
         for (int c = 0; c < 16; ++c) image().at(14, c) = static_cast<std::int16_t>(c % 2 == 0 ? 32 : '1' + c);
         image().at(10, 15) = 0x01;
         image().at(11, 15) = 0x10;
         image().at(12, 10) = 5;
         image().at(12, 1) = 0x0C;  // no digit of a limit
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.prepare();
    const AdjTable before = image();
    open();
    for (int page : {1, 2, 3, 4, 0, 4}) tab(page);
    // Into a text box and out of it again: the page is drawn once more.
    clickInto(adj()->textBox(TextField::Info0));
    clickInto(adj()->textBox(TextField::Info1));
    clickInto(adj()->check480()->parentWidget());
    EXPECT_EQ(image(), before);
    press(adj()->button("Command_close"));
    ASSERT_EQ(adj(), nullptr);
  }
  // A value beyond its list shows as text with no entry chosen.
  fillImage(0xFF);
  open();
  tab(3);
  QComboBox* voice = adj()->list(ListSet::DevVoice, 0);
  EXPECT_EQ(voice->currentIndex(), -1);
  EXPECT_EQ(voice->placeholderText(), "255");
  EXPECT_EQ(adj()->list(ListSet::RxVh, 0)->currentText(), " 15");
}

TEST_F(AdjWindow, TypedEditsStoreAndBadEntriesAreRefused) {
  open();
  // Number boxes: every keystroke is checked through the change it makes.
  tab(2);
  QLineEdit* sq = adj()->numberBox(NumberSet::SqVhf, 3);
  typeInto(sq, "25");
  EXPECT_EQ(image().at(6, 3), 25);
  QTest::keyClicks(sq, "6");
  EXPECT_EQ(messages().lastText(), adj::kNumberRangeText);
  EXPECT_EQ(sq->text().toStdString(), std::to_string(state().AdjDefaults.at(6, 3)));
  EXPECT_EQ(image().at(6, 3), state().AdjDefaults.at(6, 3));
  EXPECT_TRUE(sq->hasFocus());
  typeInto(sq, "");
  QTest::keyClick(sq, Qt::Key_Delete);
  EXPECT_EQ(image().at(6, 3), 0);

  // Power boxes edit the rows of their page.
  tab(1);
  typeInto(adj()->numberBox(NumberSet::Text2, 20), "77");
  EXPECT_EQ(image().at(5, 4), 77);

  // Lists: arrows choose, typed characters do not.
  image().at(10, 13) = 0x5A;
  tab(3);
  QComboBox* coarse = adj()->list(ListSet::RxVh, 0);
  clickInto(coarse);
  QTest::keyClick(coarse, Qt::Key_Escape);
  QTest::keyClick(coarse, Qt::Key_9);
  EXPECT_EQ(image().at(10, 13), 0x5A);
  QTest::keyClick(coarse, Qt::Key_Down);
  EXPECT_EQ(image().at(10, 13), 0x6A);

  tab(4);
  // Texts are stored centred in the radio's set; the first factory box
  // takes digits only.
  typeInto(adj()->textBox(TextField::Info1), "ab*");
  EXPECT_EQ(cells(14, 7, 13), (std::vector<int>{32, 32, 'A', 'B', 11, 32, 32}));
  typeInto(adj()->textBox(TextField::Info0), "1x2");
  EXPECT_EQ(adj()->textBox(TextField::Info0)->text(), "12");

  // The 480 MHz box stores what the click made of it.
  const bool was = adj()->check480()->isChecked();
  clickInto(adj()->check480());
  EXPECT_EQ(image().at(12, 10), was ? 0 : 1);

  // Band limits are checked when the box is left.
  messages().shown.clear();
  typeInto(adj()->bandBox(0, false), "135");
  clickInto(adj()->bandBox(0, true));
  EXPECT_EQ(messages().lastText(), "Receive frequency of lower limit can't less than the lowest of work frequency. ");
  EXPECT_EQ(adj()->bandBox(0, false)->text(), "136");
  typeInto(adj()->bandBox(0, false), "0140");
  clickInto(adj()->bandBox(0, true));
  EXPECT_EQ(cells(12, 1, 2), (std::vector<int>{1, 0x40}));
  // A fifth character is not taken once the box holds four.
  typeInto(adj()->bandBox(0, true), "17456");
  EXPECT_EQ(adj()->bandBox(0, true)->text(), "1745");
}

TEST_F(AdjWindow, AReadFillsTheImageAndTheWindowWaitsForIt) {
  plugSteppedRadio();
  open();
  press(adj()->button("Command_save"));
  QLineEdit* name = nameBox(FormId::Form_save_adj);
  ASSERT_NE(name, nullptr);
  QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(name, "during.adj");
  press(adj()->button("Command_read"));
  // A save confirmed while the read runs waits for the read's data.
  press(button(FormId::Form_save_adj, "Command_enter"));
  EXPECT_TRUE(adj()->progressBar()->isVisible());
  EXPECT_EQ(adj()->statusLabel()->text(), "Connecting with transceiver. ");
  runUntil([] { return false; }, 1200 * kMs);
  ASSERT_TRUE(adj()->running());
  EXPECT_FALSE(QFile::exists(folder.filePath("during.adj")));
  press(adj()->button("Command_close"));
  EXPECT_EQ(messages().lastText(), "Read-write operating，don't close the window.,");
  ASSERT_NE(adj(), nullptr);
  EXPECT_FALSE(window().host().unloadForm(FormId::frm_Adj_Txp));
  ASSERT_NE(adj(), nullptr);
  press(adj()->button("Command_save"));
  EXPECT_EQ(messages().lastText(), "Read-write operating with transceiver .");
  EXPECT_EQ(child(FormId::Form_save_adj), nullptr);
  ASSERT_TRUE(runUntil([&] { return !adj()->running(); }));
  EXPECT_EQ(messages().lastText(), "Complete reading the data from transceiver.");
  EXPECT_EQ(adj()->statusLabel()->text(), "Read optional parameters in gear. ");
  EXPECT_EQ(image().at(0, 0), radio->memory()[0x1F00]);
  EXPECT_EQ(image().at(13, 0), radio->memory()[0x1EE0]);
  EXPECT_EQ(adj()->numberBox(NumberSet::Text1, 0)->text().toInt(), radio->memory()[0x1F00]);
  ASSERT_TRUE(messageShown("Complete storing optional parameters."));
  QFile saved(folder.filePath("during.adj"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readLine().simplified().split(' ').first().toInt(), radio->memory()[0x1F00]);

  // Close also closes the window's file dialogs.
  press(adj()->button("Command_open"));
  ASSERT_NE(child(FormId::Form_open_adj), nullptr);
  press(adj()->button("Command_close"));
  EXPECT_EQ(adj(), nullptr);
  EXPECT_EQ(child(FormId::Form_open_adj), nullptr);
}

// While the window's read runs, nothing typed, ticked or chosen changes the
// image the read is filling: each says so and the page shows the image again.
TEST_F(AdjWindow, WhileItsReadRunsNoEditChangesTheImage) {
  plugSteppedRadio();
  open();
  press(adj()->button("Command_read"));
  runUntil([] { return false; }, 1200 * kMs);
  ASSERT_TRUE(adj()->running());
  messages().shown.clear();
  const AdjTable before = image();
  const int variant = state().AdjBandVariant;

  QLineEdit* power = adj()->numberBox(NumberSet::Text1, 0);
  const QString powerShown = power->text();
  typeInto(power, "7");
  EXPECT_EQ(power->text(), powerShown);
  tab(4);
  const bool was480 = adj()->check480()->isChecked();
  clickInto(adj()->check480());
  EXPECT_EQ(adj()->check480()->isChecked(), was480);
  QRadioButton* other = adj()->option(variant == 3 ? 2 : 3);
  QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(6, other->height() / 2));
  EXPECT_FALSE(other->isChecked());
  EXPECT_TRUE(adj()->option(variant)->isChecked());
  QLineEdit* info = adj()->textBox(TextField::Info1);
  const QString infoShown = info->text();
  typeInto(info, "a");
  EXPECT_EQ(info->text(), infoShown);
  EXPECT_EQ(messages().texts(), std::vector<std::string>(4, "Read-write operating with transceiver ."));
  EXPECT_EQ(image(), before);
  EXPECT_EQ(state().AdjBandVariant, variant);
  ASSERT_TRUE(adj()->running());

  ASSERT_TRUE(runUntil([&] { return !adj()->running(); }));
  EXPECT_EQ(messages().lastText(), "Complete reading the data from transceiver.");
  const int read480 = image().at(12, 10);
  clickInto(adj()->check480());
  EXPECT_NE(image().at(12, 10), read480);
}

TEST_F(AdjWindow, FilesHoldRowsZeroToFifteenAndRefusalsChangeNothing) {
  open();
  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 16; ++c) image().at(r, c) = static_cast<std::int16_t>((r * 16 + c) % 256);
  const AdjTable saved = image();

  press(adj()->button("Command_save"));
  QLineEdit* name = nameBox(FormId::Form_save_adj);
  ASSERT_NE(name, nullptr);
  QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(name, "set.adj");
  press(button(FormId::Form_save_adj, "Command_enter"));
  ASSERT_TRUE(messageShown("Complete storing optional parameters."));
  QFile file(folder.filePath("set.adj"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  file.close();
  EXPECT_EQ(lines.size(), 17);  // 16 lines, each ended by CR LF
  EXPECT_EQ(lines[1].simplified().split(' ').size(), 16);

  for (int r = 0; r < 20; ++r)
    for (int c = 0; c < 16; ++c) image().at(r, c) = 9;
  adj()->LoadAdjFile(folder.filePath("set.adj").toStdString());
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(image().at(r, c), saved.at(r, c));
  EXPECT_EQ(image().at(19, 0), 9);
  EXPECT_EQ(messages().lastText(), "Succeed fold the optional parameters from file.");
  EXPECT_EQ(adj()->numberBox(NumberSet::Text1, 0)->text(), "0");

  struct Bad {
    const char* name;
    QByteArray content;
  };
  const Bad bad[] = {{"short.adj", "1 2 3\r\n"}, {"word.adj", QByteArray("1 x 3 ").repeated(100)},
                     {"big.adj", QByteArray(" 256 ").repeated(256)}};
  for (const Bad& b : bad) {
    SCOPED_TRACE(b.name);
    QFile f(folder.filePath(b.name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b.content);
    f.close();
    const AdjTable before = image();
    adj()->LoadAdjFile(folder.filePath(b.name).toStdString());
    EXPECT_EQ(image(), before);
    EXPECT_NE(messages().lastText().find(b.name), std::string::npos);
  }
  adj()->SaveAdjFile(folder.filePath("no/such/folder/x.adj").toStdString());
  EXPECT_NE(messages().lastText(), "Complete storing optional parameters.");
  EXPECT_NE(messages().lastText().find("x.adj"), std::string::npos);
}

TEST_F(AdjWindow, AnImageSaveLeavesTheAlignmentRequestWaiting) {
  open();
  press(adj()->button("Command_save"));
  QLineEdit* name = nameBox(FormId::Form_save_adj);
  ASSERT_NE(name, nullptr);
  QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(name, "keep.adj");
  press(button(FormId::Form_save_adj, "Command_enter"));
  saveAs("image.dat");
  ASSERT_TRUE(messageShown("Complete storing optional parameters."));
  EXPECT_TRUE(QFile::exists(folder.filePath("keep.adj")));
  EXPECT_TRUE(QFile::exists(folder.filePath("image.dat")));
}

TEST_F(AdjWindow, PasswordDialogTypesSixCharactersAndClosesAfterAChange) {
  radio = std::make_unique<sim::RadioSim>();
  radio->config().identType = 2;
  const char line[] = "123456BRP888WXYZ";
  for (int i = 0; i < 16; ++i) radio->memory()[static_cast<std::size_t>(0x1FF0 + i)] = static_cast<std::uint8_t>(line[i]);
  onLine = std::make_unique<sim::SimOnLine>(*radio, bus.plug(kCablePort));
  state().PortNumber = kCablePort;

  window().host().loadForm(FormId::Form_Write_PassWord);
  auto* dialog = dynamic_cast<adj::Form_Write_PassWord*>(child(FormId::Form_Write_PassWord));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Modify PassWord");
  clickInto(dialog->oldBox());
  QTest::keyClicks(dialog->oldBox(), "1234567");
  EXPECT_EQ(dialog->oldBox()->text(), "123456");
  EXPECT_EQ(state().OldPasswordBuf[5], '6');
  clickInto(dialog->newBox1());
  QTest::keyClicks(dialog->newBox1(), "new");
  clickInto(dialog->newBox2());
  QTest::keyClicks(dialog->newBox2(), "new");
  press(dialog->modifyButton());
  EXPECT_TRUE(dialog->running());
  press(dialog->closeButton());
  EXPECT_EQ(messages().lastText(), "Read-write operating，don't close the window. ,");
  ASSERT_TRUE(messageShown("PassWord Modify Success ! "));
  EXPECT_EQ(dialog->oldBox()->text(), "");
  EXPECT_EQ(image().at(15, 0), 'n');
  ASSERT_TRUE(runUntil([&] { return child(FormId::Form_Write_PassWord) == nullptr; }, 2 * kSecond));
  EXPECT_EQ(radio->memory()[0x1FF0], 'n');
  EXPECT_EQ(radio->memory()[0x1FF6], 'B');
}

TEST_F(AdjWindow, PasswordDialogEndsWhenTheRadiosLastAckNeverComes) {
  radio = std::make_unique<sim::RadioSim>();
  radio->config().identType = 2;
  const char line[] = "123456BRP888WXYZ";
  for (int i = 0; i < 16; ++i) radio->memory()[static_cast<std::size_t>(0x1FF0 + i)] = static_cast<std::uint8_t>(line[i]);
  // The radio's 0x06 for the dialog's 0x06 after the reply is lost.
  radio->addFault({sim::FaultKind::DropByte, 1, 0});
  onLine = std::make_unique<sim::SimOnLine>(*radio, bus.plug(kCablePort));
  state().PortNumber = kCablePort;

  window().host().loadForm(FormId::Form_Write_PassWord);
  auto* dialog = dynamic_cast<adj::Form_Write_PassWord*>(child(FormId::Form_Write_PassWord));
  ASSERT_NE(dialog, nullptr);
  clickInto(dialog->oldBox());
  QTest::keyClicks(dialog->oldBox(), "123456");
  clickInto(dialog->newBox1());
  QTest::keyClicks(dialog->newBox1(), "new");
  clickInto(dialog->newBox2());
  QTest::keyClicks(dialog->newBox2(), "new");
  press(dialog->modifyButton());
  EXPECT_TRUE(dialog->running());
  ASSERT_TRUE(runUntil([&] { return !dialog->running(); }, 10 * kSecond)) << "the dialog stays busy";
  EXPECT_EQ(messages().lastText(), "Fail connect with transceiver.");
  EXPECT_EQ(panel(2), "Communication fault.");
  EXPECT_EQ(radio->memory()[0x1FF0], '1');
  EXPECT_TRUE(radio->writeFrames().empty());
  EXPECT_EQ(dialog->oldBox()->text(), "123456");
  press(dialog->closeButton());
  ASSERT_TRUE(runUntil([&] { return child(FormId::Form_Write_PassWord) == nullptr; }, 2 * kSecond));
}

}  // namespace
}  // namespace brel::program_test
