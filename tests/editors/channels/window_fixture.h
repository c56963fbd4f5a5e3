// frm_chann in a real main window host, as the program loads it, with a
// simulated radio on an in-memory cable and a virtual clock for the
// window's own transfer.  Helpers click and type as a user does.
#pragma once

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

#include "channel_fixture.h"
#include "frm_chann.h"
#include "mdi_form_host.h"
#include "radio_bench.h"

namespace brel::chann::test {

// A window that only records its load and unload (the file dialogs, or any
// other child window to switch to).
class StubForm : public Form {
 public:
  StubForm(AppContext& context, FormId id) : Form(context, id) {}
  void loadHandling() override { resize(200, 100); }
};

// Records every message; when asked, each message also takes the focus
// away from the window while it is up, as a message box on screen does.
class FocusTakingMessages : public brel::test::RecordingMessages {
 public:
  void show(const Message& message) override {
    RecordingMessages::show(message);
    if (!takeFocus) return;
    QLineEdit box;
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus();
    QCoreApplication::processEvents();
  }
  bool takeFocus = false;
};

class WindowFixture : public ::testing::Test, protected ImageHelpers, protected brel::test::RadioBench {
 protected:
  static constexpr int kRadioPort = 3;

  WindowFixture()
      : ImageHelpers(state),
        RadioBench(kRadioPort),
        area_(new QMdiArea(&main_)),
        host(area_, &main_),
        context{state, messages, panels, host, &services} {
    PrepareState(state);
    state.PortNumber = kRadioPort;
    link::LoadHandshakeCommand(state, 0);
    main_.setCentralWidget(area_);
    main_.resize(1024, 768);
    host.setContext(&context);
    RegisterChannelEditor(host);
    for (FormId id : {FormId::Form_open_chann, FormId::Form_save_chann, FormId::frm_option})
      host.registerForm(id, [id](AppContext& c) -> Form* { return new StubForm(c, id); });
    main_.show();
    QApplication::setActiveWindow(&main_);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main_));
  }

  ~WindowFixture() override {
    host.unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  frm_chann* load() {
    auto* window = dynamic_cast<frm_chann*>(host.loadForm(FormId::frm_chann));
    EXPECT_NE(window, nullptr);
    QCoreApplication::processEvents();
    return window;
  }
  frm_chann* window() const { return dynamic_cast<frm_chann*>(host.form(FormId::frm_chann)); }
  grid::GridView* grid() const { return window()->grid(); }
  grid::GridModel* model() const { return window()->model(); }
  QModelIndex cell(int channel, int col) const { return model()->cellIndex(channel, col); }
  std::string text(int channel, int col) const { return model()->cellText(channel, col).toStdString(); }

  // A click on the cell, as the mouse gives it.
  void click(int channel, int col) {
    const QModelIndex index = cell(channel, col);
    grid()->scrollTo(index);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    QCoreApplication::processEvents();
  }
  QWidget* editor() const { return grid()->openEditor(); }
  QLineEdit* textBox() const { return qobject_cast<QLineEdit*>(editor()); }
  QComboBox* list() const { return qobject_cast<QComboBox*>(editor()); }
  void type(const QString& keys) {
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), keys);
  }
  void press(Qt::Key key) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
  }
  // Click a cell, type, and leave it by clicking the channel number cell.
  void edit(int channel, int col, const QString& keys) {
    click(channel, col);
    type(keys);
    click(channel, kColChannel);
  }
  // A choice from the cell's list, as picking it in the drop-down does.
  void choose(int channel, int col, const QString& choice) {
    click(channel, col);
    QComboBox* combo = list();
    ASSERT_NE(combo, nullptr);
    const int position = combo->findText(choice);
    ASSERT_GE(position, 0) << choice.toStdString();
    combo->showPopup();
    QAbstractItemView* popup = combo->view();
    const QModelIndex item = popup->model()->index(position, 0);
    popup->scrollTo(item);
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(item).center());
    QCoreApplication::processEvents();
  }

  void putProgrammed(int channel) {
    putRecord(channel, {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0, 0, 0, 0x44});
    putName(channel, {'A', 'B', '1', 0xFF, 0xFF, 0xFF});
  }

  // A simulated radio on the window's port.
  sim::RadioSim& plugRadio(bool silent = false) {
    sim::SimConfig config;
    config.oneShot = true;
    RadioBench::plugRadio(config);
    if (silent) radio->addFault(sim::Fault{sim::FaultKind::Silence, 0, 0, -1});
    return *radio;
  }
  bool runUntil(const std::function<bool()>& done, std::int64_t limitUs = 600 * link::kSecond) {
    return clock.runUntil(done, limitUs);
  }

  QMainWindow main_;
  QMdiArea* area_;
  ProgramState state;
  FocusTakingMessages messages;
  brel::test::MapStatusPanels panels;
  MdiFormHost host;
  AppContext context;
};

}  // namespace brel::chann::test
