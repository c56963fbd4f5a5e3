// The whole program as its entry point puts it together (every window
// registered, the start-up run), but with in-memory cables and a simulated
// radio on a virtual clock, message boxes recorded instead of shown, and a
// temporary folder as the folder the program was started from.  The helpers
// act as a user does: menu items and toolbar buttons, clicks into the grid,
// typing, clicks on dialog buttons.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form_registry.h"
#include "frm_chann.h"
#include "hosted_windows.h"
#include "mdi_main.h"
#include "platform.h"
#include "program_state.h"

namespace brel::program_test {

using chann::frm_chann;
using link::kMs;
using link::kSecond;
using Row = std::vector<int>;

inline constexpr const char* kConnectedText = "Connect well with radio.";
inline constexpr const char* kReadDoneText = "Complete reading the data from transceiver.";
inline constexpr const char* kWriteDoneText = "Complete writing parameters to the transceiver.";
inline constexpr const char* kFailText = "Fail connect with transceiver.";

// The channels the simulated radio holds, and how the grid shows them.
struct RadioChannel {
  int number;
  std::array<int, 16> record;
  std::array<int, 6> name;
  std::vector<std::string> shown;  // columns 1..12
};
inline const std::vector<RadioChannel> kRadioChannels{
    // 145.5225 both ways, 67.0 Hz both ways, signalling code 4.
    {1,
     {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0x03, 0x00, 0x00, 0x44},
     {'A', 'B', '1', 0xFF, 0xFF, 0xFF},
     {"VHF/UHF ", "145.52250", "145.52250", "67.0", "67.0", "HIGH", "W", "OFF", "OFF", "ON", "4", "AB1"}},
    // Receive only, DCS 023 normal, low power, narrow, PTT-ID both, busy lock.
    {2,
     {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0xFF, 0xFF, 0x0E, 0x00, 0x01, 0x0B},
     {'R', 'P', 'T', 0xFF, 0xFF, 0xFF},
     {"VHF/UHF ", "446.00625", "", "  D023N   ", "", "LOW", "N", "BOTH", "ON", "OFF", "15", "RPT"}},
    // The last channel: split frequencies, a transmit tone only.
    {128,
     {0x00, 0x00, 0x85, 0x43, 0x00, 0x00, 0x05, 0x43, 0x00, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x00, 0x44},
     {'Z', '9', 0xFF, 0xFF, 0xFF, 0xFF},
     {"VHF/UHF ", "438.50000", "430.50000", "OFF", "100.0", "HIGH", "W", "OFF", "OFF", "ON", "1", "Z9"}},
};

// One run of the program: its state, its message boxes and its main window.
struct Program {
  explicit Program(link::LinkServices& services) : window(*state, services, &messages) {}
  std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
  test::HostedMessages messages;
  MDImain window;
};

class ProgramFixture : public ::testing::Test, protected test::RadioBench {
 protected:
  // COM12 is /dev/ttyUSB7 in the port table, the last USB adapter.
  static constexpr int kCablePort = 12;

  ProgramFixture() : RadioBench(kCablePort), startedIn(QDir::currentPath()) {
    EXPECT_TRUE(folder.isValid());
    QDir::setCurrent(folder.path());
  }

  ~ProgramFixture() override {
    quit();
    QDir::setCurrent(startedIn);
  }

  // A radio on the cable.  Its memory up to 0x17FF holds a pattern that no
  // default matches, except the channel records and names: those are empty
  // but for three programmed channels (see kRadioChannels).
  sim::RadioSim& plugRadio() {
    auto& memory = RadioBench::plugRadio().memory();
    for (int a = 0; a < 0x1800; ++a) memory[a] = static_cast<std::uint8_t>(a * 7 + 3);
    for (int a = 0; a < 0x0800; ++a) memory[a] = memory[0x1000 + a] = 0xFF;
    for (const RadioChannel& ch : kRadioChannels) {
      for (int i = 0; i < 16; ++i) memory[(ch.number - 1) * 16 + i] = static_cast<std::uint8_t>(ch.record[i]);
      for (int i = 0; i < 6; ++i) memory[0x1000 + (ch.number - 1) * 16 + i] = static_cast<std::uint8_t>(ch.name[i]);
    }
    return *radio;
  }

  // Loads each window the program registers in turn, runs `check` on it and
  // unloads it again; the number of windows loaded.
  int forEveryRegisteredWindow(const std::function<void(Form*)>& check) {
    int opened = 0;
    for (int i = 0; std::string(FormName(static_cast<FormId>(i))) != "?"; ++i) {
      const auto id = static_cast<FormId>(i);
      if (!window().host().isRegistered(id)) continue;
      SCOPED_TRACE(FormName(id));
      Form* w = window().host().loadForm(id);
      EXPECT_NE(w, nullptr);
      if (w == nullptr) continue;
      QCoreApplication::processEvents();
      ++opened;
      check(w);
      EXPECT_TRUE(window().host().unloadForm(id, FormHost::UnloadMode::Force));
      test::FlushDeletes();
    }
    return opened;
  }

  // The program starts, as main() starts it, and gets the keyboard.
  void start() {
    program = std::make_unique<Program>(services);
    window().registerForms(RegisterAllForms);
    window().runStartup(dateClock, ScreenTwipsFromPixels(1024, 768, 96, 96));
    QApplication::setActiveWindow(&window());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
  }
  // The program ends and everything it held goes.
  void quit() {
    program.reset();
    test::FlushDeletes();
  }
  bool runUntil(const std::function<bool()>& done, std::int64_t limitUs = 120 * kSecond) {
    return RadioBench::runUntil(
        [&] {
          QCoreApplication::processEvents();
          return done();
        },
        limitUs);
  }
  bool identified() { return runUntil([&] { return panel(2) == kConnectedText; }, 30 * kSecond); }
  bool messageShown(const std::string& text) {
    return runUntil([&] { return messages().lastText() == text; });
  }

  MDImain& window() const { return program->window; }
  ProgramState& state() const { return *program->state; }
  test::HostedMessages& messages() const { return program->messages; }
  std::string panel(int n) const { return window().panels().panelText(n); }

  // --- menus, toolbar and windows ------------------------------------------

  void menu(const char* name) {
    QAction* item = window().menuAction(name);
    ASSERT_NE(item, nullptr) << name;
    ASSERT_TRUE(item->isVisible() && item->isEnabled()) << name;
    item->trigger();
    QCoreApplication::processEvents();
  }
  void toolbar(const char* key) {
    auto* bar = window().findChild<QToolBar*>("Toolbar1");
    ASSERT_NE(bar, nullptr);
    QWidget* button = bar->widgetForAction(window().toolbarButton(key));
    ASSERT_NE(button, nullptr) << key;
    ASSERT_TRUE(button->isEnabled()) << key;
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  Form* child(FormId id) const { return window().host().form(id); }
  frm_chann* editor() const { return dynamic_cast<frm_chann*>(child(FormId::frm_chann)); }
  QPushButton* button(FormId id, const char* name) const {
    Form* form = child(id);
    return form ? form->findChild<QPushButton*>(name) : nullptr;
  }
  void press(QPushButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
  }

  // --- the main window's parameter files ---------------------------------------

  QLineEdit* nameBox(FormId dialog) const {
    Form* form = child(dialog);
    return form ? form->findChild<QLineEdit*>("Text1") : nullptr;
  }
  // File > Save, a name typed over the "*.dat" the box offers, Confirm.
  void saveAs(const QString& name) {
    menu("File_save");
    QLineEdit* box = nameBox(FormId::Form_save_chann);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "*.dat");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, name);
    press(button(FormId::Form_save_chann, "Command_enter"));
  }
  // File > Open, the file picked from the dialog's file list, Confirm.
  void open(const QString& name) {
    menu("File_Open");
    Form* dialog = child(FormId::Form_open_chann);
    ASSERT_NE(dialog, nullptr);
    auto* files = dialog->findChild<QListWidget*>("File1");
    ASSERT_NE(files, nullptr);
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.front()).center());
    EXPECT_EQ(nameBox(FormId::Form_open_chann)->text(), name);
    press(button(FormId::Form_open_chann, "Command_enter"));
  }

  // --- the channel grid ------------------------------------------------------

  QModelIndex cell(int channel, int col) const { return editor()->model()->cellIndex(channel, col); }
  std::string text(int channel, int col) const { return editor()->model()->cellText(channel, col).toStdString(); }
  // Columns 1..12 of a channel's row.
  std::vector<std::string> row(int channel) const {
    std::vector<std::string> out;
    for (int c = chann::kColBand; c <= chann::kColName; ++c) out.push_back(text(channel, c));
    return out;
  }
  std::vector<std::vector<std::string>> allRows() const {
    std::vector<std::vector<std::string>> out;
    for (int ch = 1; ch <= editor()->model()->rowCount(); ++ch) out.push_back(row(ch));
    return out;
  }
  void click(int channel, int col) {
    ASSERT_NE(editor(), nullptr);
    grid::GridView* grid = editor()->grid();
    grid->scrollTo(cell(channel, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell(channel, col)).center());
    QCoreApplication::processEvents();
  }
  void type(const QString& keys) {
    ASSERT_NE(editor()->grid()->openEditor(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), keys);
  }
  // Click the cell, type, and leave it by clicking the channel number.
  void edit(int channel, int col, const QString& keys) {
    click(channel, col);
    type(keys);
    click(channel, chann::kColChannel);
  }

  // --- the image -----------------------------------------------------------------

  Row imageRow(int r) const {
    Row out;
    for (int c = 0; c < 16; ++c) out.push_back(state().MemImage.at(r, c));
    return out;
  }
  std::vector<Row> imageRows(int first, int last) const {
    std::vector<Row> out;
    for (int r = first; r <= last; ++r) out.push_back(imageRow(r));
    return out;
  }
  Row radioBytes(int address, int count) const {
    Row out;
    for (int a = address; a < address + count; ++a) out.push_back(radio->memory()[a]);
    return out;
  }
  Row radioRow(int r) const {
    Row out;
    for (int c = 0; c < 16; ++c) out.push_back(radio->memory()[r * 16 + c]);
    return out;
  }

  test::FixedClock dateClock{ClockReading{2024, 5, 6, 7, 8, 9}};
  QTemporaryDir folder;
  QString startedIn;
  std::unique_ptr<Program> program;
};

}  // namespace brel::program_test
