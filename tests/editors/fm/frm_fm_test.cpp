// frm_FM in the window host, clicked and typed into as a user does, with a
// simulated radio on the virtual clock.
#include "frm_fm.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <sstream>

#include "file_dialogs.h"
#include "fm_file.h"
#include "image_file.h"
#include "grid_checks.h"
#include "hosted_windows.h"

namespace brel::fm {
namespace {

using link::kMs;
using link::kSecond;

class FmWindowTest : public ::testing::Test, protected brel::test::HostedWindows {
 protected:
  static constexpr int kPort = 4;

  FmWindowTest() : HostedWindows(kPort) {
    state.PortNumber = kPort;
    // What a start-up identification of a 136-174 MHz radio leaves.
    state.ReportedVhfLower = state.ReportedUhfLower = 136;
    state.ReportedVhfUpper = state.ReportedUhfUpper = 174;
    state.VfoALower = state.VfoBLower = 136;
    state.VfoAUpper = state.VfoBUpper = 174;
    RegisterFmEditor(host);
    RegisterFileForms(host);
    registerStub(FormId::frm_Adj_Txp);
    showMainWindow();
  }

  frm_FM* load() {
    auto* w = HostedWindows::load<frm_FM>(FormId::frm_FM);
    QCoreApplication::processEvents();
    return w;
  }
  frm_FM* fm() const { return loaded<frm_FM>(FormId::frm_FM); }
  grid::GridView* grid() const { return fm()->grid(); }
  std::string text(int row, int col) const { return fm()->model()->cellText(row, col).toStdString(); }
  std::string box(int b) const { return fm()->bandBox(b)->text().toStdString(); }

  void click(int row, int col) {
    const QModelIndex index = fm()->model()->cellIndex(row, col);
    grid()->scrollTo(index);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    QCoreApplication::processEvents();
  }
  QLineEdit* cellEditor() const { return qobject_cast<QLineEdit*>(grid()->openEditor()); }
  void type(const QString& keys) {
    ASSERT_NE(cellEditor(), nullptr);
    cellEditor()->selectAll();
    QTest::keyClick(cellEditor(), Qt::Key_Delete);
    QTest::keyClicks(cellEditor(), keys);
  }
  // Click the cell, type, leave it for the row's number cell.
  void edit(int row, int col, const QString& keys) {
    click(row, col);
    type(keys);
    click(row, kColNumber);
  }
  void typeInBox(int b, const QString& keys) {
    fm()->bandBox(b)->clear();
    QTest::keyClicks(fm()->bandBox(b), keys);
  }
  void leaveBox(int b) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(fm()->bandBox(b), &out);
  }
  void press(const char* button) {
    QPushButton* b = fm()->button(button);
    ASSERT_NE(b, nullptr) << button;
    b->click();
    QCoreApplication::processEvents();
  }
  std::vector<int> stageRow(int row) const {
    std::vector<int> v;
    for (int k = 0; k < 16; ++k) v.push_back(state.FmStageRows.at(row, k));
    return v;
  }
  sim::RadioSim& radioWithPreset1() {
    sim::RadioSim& r = plugRadio();
    const std::vector<std::uint8_t> preset1{0x00, 0x08, 0x08, 0x09, 0x00, 0x00, 0x00, 0x00,
                                            0xFF, 0xFF, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31};
    std::copy(preset1.begin(), preset1.end(), r.memory().begin() + 0x3000);
    const std::vector<std::uint8_t> limits{1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 8, 0};
    std::copy(limits.begin(), limits.end(), r.memory().begin() + 0x3F80);
    return r;
  }
  bool idle() { return runUntil([&] { return !fm()->running(); }); }
};

TEST_F(FmWindowTest, OpensWithItsControlsDefaultsAndTheReportedLimits) {
  load();
  EXPECT_EQ(fm()->windowTitle().toStdString(), "FM Radio Information");
  for (const char* name : {"MSF_Chann", "Combo_edit", "Text_pvfo1_FM", "Text_pvfo2_FM", "Text_pvfo1_A", "Text_pvfo2_A",
                           "Text_pvfo1_B", "Text_pvfo2_B", "Lb_range", "Label_A", "Label_B", "Lb_TO_FM", "LB_TO_A",
                           "LB_TO_B", "Label1", "Label2", "Label3", "Label_tr_count", "ProgressBar1", "Label_chann",
                           "Command_read", "Command_Write", "Command_Clear", "Command_save", "Command_open",
                           "Command_close"})
    EXPECT_NE(fm()->findChild<QWidget*>(name), nullptr) << name;
  EXPECT_FALSE(fm()->findChild<QComboBox*>("Combo_edit")->isVisible());
  EXPECT_FALSE(fm()->progressBar()->isVisible());
  EXPECT_EQ(fm()->button("Command_Clear")->text().toStdString(), "Clear");
  EXPECT_EQ(fm()->findChild<QLabel*>("Label_A")->text().toStdString(), "the range of A band Frequency ");
  EXPECT_EQ(fm()->model()->headerData(1, Qt::Horizontal).toString().toStdString(), " Receive Frequency (MHZ)");
  // Buttons left to right in their order, under the grid.
  int left = -1;
  for (const char* name : {"Command_read", "Command_Write", "Command_Clear", "Command_save", "Command_open", "Command_close"}) {
    EXPECT_GT(fm()->button(name)->x(), left) << name;
    EXPECT_GE(fm()->button(name)->y(), grid()->geometry().bottom()) << name;
    left = fm()->button(name)->x();
  }

  EXPECT_EQ(fm()->fmLowerBox()->text().toStdString(), "87.50000");
  EXPECT_EQ(fm()->fmUpperBox()->text().toStdString(), "108.00000");
  // The limits as reported, not the globals' upper - 1 (173).
  EXPECT_EQ(box(kALower), "136.00000");
  EXPECT_EQ(box(kAUpper), "174.00000");
  EXPECT_EQ(box(kBUpper), "174.00000");
  EXPECT_EQ(text(1, kColNumber), "1");
  EXPECT_EQ(text(16, kColNumber), "16");
  EXPECT_EQ(text(2, kColFrequency), "90.40000");
  EXPECT_EQ(text(2, kColName), "CCTV1");
  EXPECT_EQ(text(3, kColFrequency), "");
  EXPECT_EQ(grid()->currentIndex(), fm()->model()->cellIndex(16, kColNumber));
  EXPECT_EQ(state.FmStageRows.at(1, 0), 0xFF);  // defaults reach the grid only
}

TEST_F(FmWindowTest, ChineseCaptions) {
  state.LanguageFlag = -1;
  load();
  EXPECT_EQ(fm()->windowTitle().toStdString(), "FM 收音机频道编辑");
  EXPECT_EQ(fm()->button("Command_Write")->text().toStdString(), "写  入");
  EXPECT_EQ(fm()->model()->headerData(0, Qt::Horizontal).toString().toStdString(), "FM 频 道 号");
}

TEST_F(FmWindowTest, GridShowsEveryColumnBesideTheRangesInBothLanguages) {
  for (const std::int16_t language : {0, -1}) {
    state.LanguageFlag = language;
    load();
    EXPECT_EQ(test::ColumnsBeyondView(grid()), 0) << language;
    // The ranges stay to the right of the grid, inside the window.
    EXPECT_GE(fm()->bandBox(kALower)->x(), grid()->geometry().right()) << language;
    EXPECT_LE(fm()->bandBox(kAUpper)->geometry().right(), fm()->width()) << language;
    closeAll();
  }
}

TEST_F(FmWindowTest, TypedCellsAreCheckedWhenLeft) {
  load();
  struct Case {
    int col;
    const char* typed;
    const char* shown;
    const char* message;
  };
  const std::vector<Case> cases{
      {kColFrequency, "88", "88.00000", ""},
      {kColFrequency, "100.123456", "100.12345", ""},
      {kColFrequency, "095.5", "95.50000", ""},
      {kColFrequency, "88.9.5", "88.90000", ""},
      {kColFrequency, "108.1", "87.50000", "Over the range of receive frequency ."},
      {kColFrequency, "1e2", "87.50000", "Over the range of receive frequency ."},
      {kColName, "cctv1", "CCTV1", ""},
      {kColName, "abcdefgh", "ABCDEF", "The letter of channel name max 6 bit . "},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    edit(5, c.col, c.typed);
    EXPECT_EQ(text(5, c.col), c.shown) << c.typed;
    EXPECT_EQ(messages.lastText(), c.message) << c.typed;
  }
  // The row went into its staging row: 87.5 MHz and ABCDEF.
  EXPECT_EQ(stageRow(4), (std::vector<int>{0, 8, 7, 5, 0, 0, 0, 0, 'A', 'B', 'C', 'D', 'E', 'F', 0xFF, 0xFF}));
  EXPECT_EQ(fm()->readoutLabel()->text().toStdString(), " 0 8 7 5 0 0 0 0 65 66 67 68 69 70 255 255");

  // Emptying the frequency erases the name; a name needs a frequency.
  edit(2, kColFrequency, "");
  EXPECT_EQ(text(2, kColName), "");
  edit(2, kColName, "news");
  EXPECT_EQ(text(2, kColName), "");
}

TEST_F(FmWindowTest, MovingOverCellsNeverErasesThem) {
  load();
  click(2, kColName);
  ASSERT_NE(cellEditor(), nullptr);
  EXPECT_EQ(cellEditor()->objectName().toStdString(), "Text_Edit");
  EXPECT_EQ(cellEditor()->text().toStdString(), "CCTV1");
  click(2, kColNumber);
  EXPECT_EQ(cellEditor(), nullptr);  // the number column opens no editor
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down}) {
    QTest::keyClick(grid(), key);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(text(2, kColFrequency), "90.40000");
  EXPECT_EQ(text(2, kColName), "CCTV1");
  EXPECT_EQ(text(3, kColFrequency), "");
  // Leaving a cell still encodes its row.
  EXPECT_EQ(stageRow(1), (std::vector<int>{0, 9, 0, 4, 0, 0, 0, 0, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF}));
}

TEST_F(FmWindowTest, BandBoxesCheckAgainstTheReportedLimits) {
  load();
  typeInBox(kAUpper, "175");
  leaveBox(kAUpper);
  EXPECT_EQ(messages.lastText(), "Over the range of A band upper limit frequency .");
  EXPECT_EQ(box(kAUpper), "174.00000");

  typeInBox(kAUpper, "140");
  leaveBox(kAUpper);
  typeInBox(kALower, "150");
  leaveBox(kALower);
  EXPECT_EQ(messages.lastText(), "The lower limit frequency can not bigger than the upper limit .");
  EXPECT_EQ(box(kALower), "136.00000");

  typeInBox(kBLower, "+150.7");
  leaveBox(kBLower);
  EXPECT_EQ(box(kBLower), "150.00000");

  messages.shown.clear();
  typeInBox(kBLower, "123456789");
  EXPECT_TRUE(messages.shown.empty());
  QTest::keyClicks(fm()->bandBox(kBLower), "0");
  EXPECT_EQ(messages.lastText(),
            "The availability range of  B band frequency is from  136.00000MHZ to 174.00000MHZ   ");
  EXPECT_EQ(box(kBLower), "1234567890");
}

TEST_F(FmWindowTest, AMessageBoxTakingTheFocusIsNotALeave) {
  load();
  messages.takeFocus = true;
  fm()->bandBox(kAUpper)->setFocus();
  typeInBox(kAUpper, "1234567890");
  EXPECT_EQ(messages.shown.size(), 1u);  // the length message only, no range check
  EXPECT_EQ(box(kAUpper), "1234567890");
  messages.shown.clear();
  leaveBox(kAUpper);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Over the range of A band upper limit frequency ."});
  EXPECT_EQ(box(kAUpper), "174.00000");
}

TEST_F(FmWindowTest, NothingReportedShowsZeroLimits) {
  state.ReportedVhfLower = state.ReportedVhfUpper = state.ReportedUhfLower = state.ReportedUhfUpper = 0;
  load();
  for (int b = 0; b < kBandBoxCount; ++b) EXPECT_EQ(box(b), "0.00000") << b;
}

TEST_F(FmWindowTest, ReadShowsTheRadiosPresetsAndLimits) {
  radioWithPreset1();
  load();
  click(3, kColFrequency);
  type("99.1");  // still open when the read completes: committed first, then overwritten
  press("Command_read");
  EXPECT_EQ(fm()->statusLabel()->text().toStdString(), "Connecting with transceiver. ");
  ASSERT_TRUE(idle());
  EXPECT_EQ(text(1, kColFrequency), "88.90000");
  EXPECT_EQ(text(1, kColName), "CCTV1");
  EXPECT_EQ(text(2, kColFrequency), "");
  EXPECT_EQ(text(3, kColFrequency), "");
  EXPECT_EQ(box(kBLower), "400.00000");
  EXPECT_EQ(box(kBUpper), "480.00000");
  EXPECT_EQ(fm()->progressBar()->value(), 100);
  EXPECT_EQ(fm()->statusLabel()->text().toStdString(), "Read FM Radio parameters in gear. ");
  EXPECT_EQ(messages.lastText(), "Complete reading the data from transceiver.");
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(4), "与对讲机数据通讯正常");
}

TEST_F(FmWindowTest, WriteSendsWhatIsStillBeingTyped) {
  sim::RadioSim& r = radioWithPreset1();
  load();
  click(3, kColFrequency);
  type("99.1");
  press("Command_Write");
  ASSERT_TRUE(idle());
  EXPECT_EQ(text(3, kColFrequency), "99.10000");
  EXPECT_EQ(std::vector<int>(r.memory().begin() + 0x3020, r.memory().begin() + 0x3028),
            (std::vector<int>{0, 9, 9, 1, 0, 0, 0, 0}));
  EXPECT_EQ(std::vector<int>(r.memory().begin() + 0x3F80, r.memory().begin() + 0x3F8C),
            (std::vector<int>{1, 3, 6, 1, 7, 4, 1, 3, 6, 1, 7, 4}));
  EXPECT_EQ(messages.lastText(), "Complete writing Signal parameters to the transceiver.");
  EXPECT_EQ(fm()->statusLabel()->text().toStdString(), "Complete writing Signal parameters ");
}

TEST_F(FmWindowTest, ClearAndCloseWaitWhileTheExchangeRunsOrWaitsToRetry) {
  sim::RadioSim& r = plugRadio();
  r.addFault({.kind = sim::FaultKind::Silence, .answer = 0});
  load();
  press("Command_read");
  ASSERT_TRUE(fm()->transfer()->busy());

  press("Command_Clear");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Read-write operating，don't clear operate .,"});
  EXPECT_EQ(text(2, kColFrequency), "90.40000");

  auto closingRefused = [&](const std::string& when) {
    messages.shown.clear();
    press("Command_close");
    EXPECT_FALSE(host.unloadForm(FormId::frm_FM)) << when;  // the close box
    EXPECT_FALSE(host.queryUnloadAll()) << when;            // Exit
    EXPECT_NE(fm(), nullptr) << when;
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Read-write operating，don't close the window. ,",
                                                          "Read-write operating，don't close the window.,",
                                                          "Read-write operating，don't close the window.,"}))
        << when;
  };
  closingRefused("busy");
  ASSERT_TRUE(runUntil([&] { return !fm()->transfer()->busy(); }));
  ASSERT_TRUE(fm()->running());
  closingRefused("retry pending");

  ASSERT_TRUE(idle());
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  press("Command_close");
  brel::test::FlushDeletes();
  EXPECT_EQ(fm(), nullptr);
}

// While the read waits to retry, nothing changes the presets the retry is
// to replace: Clear and a cell refuse, and an editor left open from before
// the read commits nothing.  Once the read has given up, both work again.
TEST_F(FmWindowTest, ClearAndCellEditsWaitWhileTheReadWaitsToRetry) {
  sim::RadioSim& r = plugRadio();
  r.addFault({.kind = sim::FaultKind::Silence, .answer = 0});
  load();
  click(2, kColFrequency);
  type("99.1");
  fm()->Command_read_Click();
  ASSERT_TRUE(runUntil([&] { return !fm()->transfer()->busy(); }));
  ASSERT_TRUE(fm()->running());

  click(4, kColFrequency);
  EXPECT_EQ(cellEditor(), nullptr);
  press("Command_Clear");
  click(5, kColName);
  EXPECT_EQ(cellEditor(), nullptr);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Read-write operating with transceiver .",
                                                        "Read-write operating，don't clear operate .,",
                                                        "Read-write operating with transceiver ."}));
  EXPECT_EQ(text(2, kColFrequency), "90.40000");
  EXPECT_EQ(stageRow(1), (std::vector<int>{0, 9, 0, 4, 0, 0, 0, 0, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF}));

  ASSERT_TRUE(idle());
  messages.shown.clear();
  edit(3, kColFrequency, "99.1");
  EXPECT_EQ(text(3, kColFrequency), "99.10000");
  press("Command_Clear");
  EXPECT_EQ(text(2, kColFrequency), "");
  EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
}

TEST_F(FmWindowTest, WritePressedDuringAReadIsRefusedAfterEncoding) {
  sim::RadioSim& r = plugRadio();
  r.addFault({.kind = sim::FaultKind::Silence, .answer = 0});
  load();
  press("Command_read");
  messages.shown.clear();
  press("Command_Write");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Read-write operating with transceiver ."});
  EXPECT_EQ(stageRow(1), (std::vector<int>{0, 9, 0, 4, 0, 0, 0, 0, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF}));
}

class FmFileWindowTest : public FmWindowTest {
 protected:
  FmFileWindowTest() { EXPECT_TRUE(folder.isValid()); }
  std::string path(const char* name) const { return (folder.path() + "/" + name).toStdString(); }
  static std::string Slurp(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Open or Save, then the name confirmed in the dialog, then the poll.
  void fileCommand(const char* button, FormId dialog, const char* name) {
    ASSERT_NO_FATAL_FAILURE(confirmFileDialog(button, dialog, name));
    poll();
  }
  void confirmFileDialog(const char* button, FormId dialog, const char* name) {
    press(button);
    auto* d = loaded<FileDialogForm>(dialog);
    ASSERT_NE(d, nullptr);
    d->browser()->setDirectory(folder.path());
    d->nameBox()->setText(name);
    d->confirm();
    brel::test::FlushDeletes();
  }
  // The window takes up a confirmed file request.
  void poll() {
    clock.advance(600 * kMs);
    QCoreApplication::processEvents();
  }
  QTemporaryDir folder;
};

TEST_F(FmFileWindowTest, SaveWritesTheStagingRowsAndOpenShowsThem) {
  load();
  state.MemImage.at(3, 3) = 0x42;
  const MemoryImage image = state.MemImage;
  click(3, kColFrequency);
  type("99.5");  // committed by the save
  fileCommand("Command_save", FormId::Form_save_fm, "fm.dat");
  EXPECT_EQ(messages.lastText(), "Complete storing channel parameter.");
  EXPECT_EQ(text(3, kColFrequency), "99.50000");
  EXPECT_EQ(Slurp(path("fm.dat")), FmParamFileText(state.FmStageRows));
  EXPECT_EQ(Slurp(path("fm.dat")).substr(0, 6), " 16 \r\n");
  EXPECT_EQ(fm()->statusLabel()->text().toStdString(), "");
  EXPECT_FALSE(fm()->progressBar()->isVisible());

  press("Command_Clear");
  state.FmStageRows = FmStageTable();
  fileCommand("Command_open", FormId::Form_open_fm, "fm.dat");
  EXPECT_EQ(messages.lastText(), "Succeed fold the channel parameter from file.");
  EXPECT_EQ(text(3, kColFrequency), "99.50000");
  EXPECT_EQ(text(16, kColName), "CCTV9");
  EXPECT_EQ(stageRow(2), (std::vector<int>{0, 9, 9, 5, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
  EXPECT_TRUE(state.MemImage == image);
}

TEST_F(FmFileWindowTest, OpenReplacesACellStillBeingTyped) {
  load();
  fileCommand("Command_save", FormId::Form_save_fm, "fm.dat");
  ASSERT_EQ(text(5, kColFrequency), "");
  const std::vector<int> saved = stageRow(4);
  // Typed after the dialog was confirmed, before the window took up the file.
  ASSERT_NO_FATAL_FAILURE(confirmFileDialog("Command_open", FormId::Form_open_fm, "fm.dat"));
  click(5, kColFrequency);
  type("103.5");
  poll();
  EXPECT_EQ(messages.lastText(), "Succeed fold the channel parameter from file.");
  EXPECT_EQ(cellEditor(), nullptr);
  EXPECT_EQ(text(5, kColFrequency), "");
  EXPECT_EQ(stageRow(4), saved);
}

TEST_F(FmFileWindowTest, AFileThatIsNotAnFmFileIsRefusedAndChangesNothing) {
  load();
  ASSERT_FALSE(SaveImageFile(state.MemImage, path("image.dat")).has_value());
  { std::ofstream(path("other.dat"), std::ios::binary) << " 16  1  2 "; }
  fm()->editor().encodeAll();  // as the grid losing the focus to the button does
  const FmStageTable rows = state.FmStageRows;
  for (const char* name : {"other.dat", "image.dat"}) {
    fileCommand("Command_open", FormId::Form_open_fm, name);
    EXPECT_NE(messages.lastText().find("were not loaded"), std::string::npos) << messages.lastText();
    EXPECT_EQ(text(2, kColFrequency), "90.40000");
    EXPECT_EQ(state.FmStageRows, rows);
  }
}

TEST_F(FmFileWindowTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
  load();
  std::ofstream(path("fm.dat"), std::ios::binary) << "old";
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  fileCommand("Command_save", FormId::Form_save_fm, "fm.dat");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_NE(messages.lastText().find("were not saved"), std::string::npos) << messages.lastText();
  for (const auto& m : messages.texts()) EXPECT_NE(m, "Complete storing channel parameter.");
  EXPECT_EQ(Slurp(path("fm.dat")), "old");
}

TEST_F(FmFileWindowTest, RequestsGoOnlyToTheWindowThatShowedTheDialog) {
  load();
  std::ofstream(path("fm.dat"), std::ios::binary) << FmParamFileText(FmStageTable());
  // An alignment request is not FM's.
  Form* alignment = HostedWindows::load(FormId::frm_Adj_Txp);
  PostFileRequest(state, FileRequest::AdjOpen, path("fm.dat"), alignment->windowToken());
  clock.advance(600 * kMs);
  QCoreApplication::processEvents();
  EXPECT_EQ(text(2, kColFrequency), "90.40000");
  EXPECT_EQ(state.AdjOpenRequest, -1);
  DropFileRequest(state, FileRequest::AdjOpen);

  // FM's own request waits while its exchange runs.
  sim::RadioSim& r = plugRadio();
  r.addFault({.kind = sim::FaultKind::Silence, .answer = 0});
  press("Command_read");
  PostFileRequest(state, FileRequest::AdjOpen, path("fm.dat"), fm()->windowToken());
  clock.advance(600 * kMs);
  QCoreApplication::processEvents();
  EXPECT_EQ(text(2, kColFrequency), "90.40000");
  ASSERT_TRUE(idle());
  clock.advance(600 * kMs);
  QCoreApplication::processEvents();
  EXPECT_EQ(text(2, kColFrequency), "");
  EXPECT_EQ(messages.lastText(), "Succeed fold the channel parameter from file.");
}

TEST_F(FmFileWindowTest, CloseClosesBothDialogs) {
  load();
  press("Command_open");
  press("Command_save");
  ASSERT_NE(loaded<Form>(FormId::Form_open_fm), nullptr);
  EXPECT_EQ(loaded<Form>(FormId::Form_open_fm)->windowTitle().toStdString(), "Open File");
  press("Command_close");
  EXPECT_EQ(loaded<Form>(FormId::Form_open_fm), nullptr);
  EXPECT_EQ(loaded<Form>(FormId::Form_save_fm), nullptr);
  EXPECT_EQ(fm(), nullptr);
}

}  // namespace
}  // namespace brel::fm
