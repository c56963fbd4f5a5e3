// The window: set-up, redisplay, Clear, Default, Close and the commit of an
// edit left open.
#include <gtest/gtest.h>

#include <QHeaderView>

#include "window_fixture.h"

namespace brel::chann::test {
namespace {

using Window = WindowFixture;

TEST_F(Window, LoadsWithEnglishCaptionsAndEveryChannel) {
  putProgrammed(128);
  frm_chann* w = load();
  EXPECT_EQ(state.FormOpenFlags.ChannFormOpen, -1);
  EXPECT_EQ(w->windowTitle(), "Channel Information");
  QStringList headings;
  for (int c = 0; c < kGridColumns; ++c) headings << model()->headerData(c, Qt::Horizontal).toString();
  EXPECT_EQ(headings.join('|'), "Channel|  Band  |RX Frequency|TX Frequency|CTCSS/DCS Dec|CTCSS/DCS Enc|TX Power| W/N "
                                "|PTT-ID|BusyLock|Scan_Add|SigCode|CH-Name");
  EXPECT_EQ(w->clearButton()->text(), "Clear");
  EXPECT_EQ(w->closeButton()->text(), "Close");
  EXPECT_EQ(w->defaultButton()->text(), "Default");
  EXPECT_TRUE(w->defaultButton()->isVisible());
  EXPECT_FALSE(w->defaultButton()->isEnabled());
  EXPECT_FALSE(w->readButton()->isVisible());
  EXPECT_FALSE(w->writeButton()->isVisible());
  EXPECT_FALSE(w->progressBar()->isVisible());
  EXPECT_EQ(w->statusLabel()->text(), "");

  EXPECT_EQ(model()->rowCount(), 128);
  EXPECT_EQ(text(1, kColChannel), "1");
  EXPECT_EQ(text(128, kColChannel), "128");
  EXPECT_EQ(text(128, kColRxFreq), "145.52250");
  EXPECT_EQ(text(128, kColName), "AB1");
  EXPECT_EQ(text(1, kColBand), "");

  // 1/1.24 by 1/1.26 of the main window, centred in its client area.
  const QWidget* frame = w->parentWidget();
  EXPECT_EQ(frame->size(), QSize(static_cast<int>(1024 / 1.24), static_cast<int>(768 / 1.26)));
  const QSize client = host.clientSize();
  EXPECT_NEAR(frame->x(), (client.width() - frame->width()) / 2, 1);
  EXPECT_NEAR(frame->y(), std::max(0, (client.height() - frame->height()) / 2), 1);
}

TEST_F(Window, LoadsWithChineseCaptions) {
  state.LanguageFlag = -1;
  frm_chann* w = load();
  EXPECT_EQ(w->windowTitle(), "信道参数编辑");
  EXPECT_EQ(model()->headerData(1, Qt::Horizontal).toString(), " 工作频段 ");
  EXPECT_EQ(model()->headerData(12, Qt::Horizontal).toString(), "信 道 名 称");
  EXPECT_EQ(w->clearButton()->text(), "清 除");
  EXPECT_EQ(w->defaultButton()->text(), "出厂值");
  EXPECT_EQ(w->closeButton()->text(), "关 闭");
  EXPECT_EQ(w->readButton()->text(), "读 取");
}

TEST_F(Window, ActivationShowsWhatOthersPutIntoTheImage) {
  load();
  host.loadForm(FormId::frm_option);  // another window takes the front
  QCoreApplication::processEvents();
  putProgrammed(7);
  state.ChannelTotal = 10;
  EXPECT_EQ(text(7, kColRxFreq), "");  // nothing changes before the window is activated

  area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window()->parentWidget()));
  QCoreApplication::processEvents();
  EXPECT_EQ(model()->rowCount(), 10);
  EXPECT_EQ(text(7, kColRxFreq), "145.52250");
  state.ChannelTotal = 128;
  window()->Form_Activate();
  EXPECT_EQ(model()->rowCount(), 128);
}

TEST_F(Window, ClearErasesTheShownChannelsAndResetsTheProgressDisplay) {
  putProgrammed(3);
  putProgrammed(12);
  state.ChannelTotal = 10;
  frm_chann* w = load();
  w->statusLabel()->setText("something");
  QTest::mouseClick(w->clearButton(), Qt::LeftButton);
  EXPECT_EQ(record(3), kAllErased);
  EXPECT_EQ(name(3), kAllErased);
  for (int c = 1; c < kGridColumns; ++c) EXPECT_EQ(text(3, c), "") << c;
  EXPECT_EQ(text(3, kColChannel), "3");
  EXPECT_EQ(name(12, 0, 1), (Bytes{'A', 'B'}));  // beyond the channel count
  EXPECT_EQ(w->statusLabel()->text(), "");
  EXPECT_FALSE(w->progressBar()->isVisible());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Window, DefaultWritesTheFactorySetAndShowsIt) {
  for (int channel = 1; channel <= 9; ++channel) putProgrammed(channel);
  frm_chann* w = load();
  w->Command_def_Click();
  EXPECT_EQ(record(1), kAllErased);
  EXPECT_EQ(name(1), kAllErased);  // shown empty: its name goes too
  EXPECT_EQ(record(8), kAllErased);
  EXPECT_EQ(name(8), kAllErased);
  for (int channel = 2; channel <= 7; ++channel) EXPECT_EQ(text(channel, kColName), "AB1") << channel;
  EXPECT_EQ(text(2, kColRxFreq), "136.10000");
  EXPECT_EQ(text(6, kColRxTone), "250.3");
  EXPECT_EQ(text(7, kColTxTone), "D754I");
  EXPECT_EQ(text(8, kColBand), "");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Window, CloseUnloadsTheWindowAndTheImageFileDialogs) {
  frm_chann* w = load();
  host.loadForm(FormId::Form_open_chann);
  host.loadForm(FormId::Form_save_chann);
  QTest::mouseClick(w->closeButton(), Qt::LeftButton);
  EXPECT_FALSE(host.isLoaded(FormId::frm_chann));
  EXPECT_FALSE(host.isLoaded(FormId::Form_open_chann));
  EXPECT_FALSE(host.isLoaded(FormId::Form_save_chann));
  EXPECT_EQ(state.FormOpenFlags.ChannFormOpen, 0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Window, ReloadingLosesNothingAlreadyCommitted) {
  load();
  edit(4, kColRxFreq, "146.5");
  host.reloadForm(FormId::frm_chann);
  QCoreApplication::processEvents();
  EXPECT_EQ(text(4, kColRxFreq), "146.50000");
}

// An edit left open is committed before anything else uses the image.
TEST_F(Window, AnEditLeftOpenIsCommittedBeforeTheImageIsUsed) {
  load();
  click(2, kColRxFreq);
  type("145.5");
  host.commitAllPendingEdits();  // what the Save and Write dialogs do first
  EXPECT_EQ(record(2, 0, 7), (Bytes{0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14}));
  EXPECT_EQ(editor(), nullptr);

  click(2, kColName);
  type("last");
  host.loadForm(FormId::frm_option);  // the window is deactivated
  QCoreApplication::processEvents();
  EXPECT_EQ(name(2, 0, 3), (Bytes{'L', 'A', 'S', 'T'}));

  area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window()->parentWidget()));
  QCoreApplication::processEvents();
  click(2, kColTxFreq);
  type("146");
  window()->Form_Activate();  // a redisplay commits first
  EXPECT_EQ(record(2, 4, 7), (Bytes{0x00, 0x00, 0x60, 0x14}));

  click(3, kColRxFreq);
  type("147");
  host.unloadForm(FormId::frm_chann);  // closing the window
  EXPECT_EQ(record(3, 0, 3), (Bytes{0x00, 0x00, 0x70, 0x14}));
}

}  // namespace
}  // namespace brel::chann::test
