// frm_chann in a real main window host, as the program loads it, with a
// simulated radio on an in-memory cable and a virtual clock for the
// window's own transfer.  Helpers click and type as a user does.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <memory>

#include "channel_fixture.h"
#include "frm_chann.h"
#include "hosted_windows.h"
#include "radio_model.h"

namespace brel::chann::test {

class WindowFixture : public ::testing::Test, protected brel::test::HostedWindows, protected ImageHelpers {
 protected:
  static constexpr int kRadioPort = 3;

  WindowFixture() : HostedWindows(kRadioPort), ImageHelpers(state) {
    PrepareState(state);
    state.PortNumber = kRadioPort;
    link::LoadHandshakeCommand(state, 0);
    RegisterChannelEditor(host);
    for (FormId id : {FormId::Form_open_chann, FormId::Form_save_chann, FormId::frm_option}) registerStub(id);
    showMainWindow();
  }

  frm_chann* load() {
    auto* window = HostedWindows::load<frm_chann>(FormId::frm_chann);
    QCoreApplication::processEvents();
    return window;
  }
  frm_chann* window() const { return loaded<frm_chann>(FormId::frm_chann); }
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
};

}  // namespace brel::chann::test
