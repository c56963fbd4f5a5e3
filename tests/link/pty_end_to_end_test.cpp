// A whole-memory read and write over a pseudo-terminal, through Qt
// SerialPort and Qt timers, against the simulated radio.  Real time: the
// waits are bounded and end as soon as the transfer does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "default_contents.h"
#include "pty_server.h"
#include "qt_link_services.h"
#include "radio_model.h"
#include "test_doubles.h"
#include "whole_memory.h"

namespace brel::test {
namespace {

class NullView : public link::TransferView {
 public:
  void setProgressValue(int) override {}
  void setProgressVisible(bool) override {}
  void setStatusText(const std::string&) override {}
};

// Runs the event loop until `done`, waking at least every 100 ms to check
// the limit; sleeps whenever nothing is due, so the CPU time is the program's.
bool PumpUntil(const std::function<bool()>& done, int limitMs) {
  QDeadlineTimer deadline(limitMs);
  QTimer wake;
  wake.start(100);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return done();
}

TEST(PtyEndToEndTest, ReadThenWriteTheWholeMemoryThroughQtSerialPort) {
  sim::RadioSim radio;
  for (int a = 0; a < sim::RadioSim::kMemorySize; ++a) radio.memory()[a] = static_cast<std::uint8_t>(a * 13 + 5);
  // No line time: the test wants the code path, the benchmark the timing.
  sim::PtyRadioServer server(radio, 0);
  std::string error;
  ASSERT_TRUE(server.open(&error)) << error;

  link::PortTable table;
  table.setDevice(7, server.path());
  link::QtLinkServices qt(table);
  ProgramState state;
  state.PortNumber = 7;
  link::LoadHandshakeCommand(state, 0);
  RecordingMessages messages;
  MapStatusPanels panels;
  NullView view;
  server.start();

  link::WholeMemoryRead read(state, messages, panels, qt.services(), view);
  read.readClicked();
  ASSERT_TRUE(PumpUntil([&] { return !read.transferRunning(); }, 60000));
  ASSERT_EQ(messages.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  for (int a = 0; a < 0x1800; ++a) {
    if (a / 16 == 207) continue;  // erased after every read
    ASSERT_EQ(state.MemImage.byte(a), radio.memory()[a]) << "address " << a;
  }

  // Change what the write sends: one channel at 145.0 MHz, the others
  // erased, and a name for channel 1.
  for (int row = 0; row < 128; ++row) state.MemImage.fill(row, row, 0, 15, 0xFF);
  for (int row = 260; row < 384; ++row) state.MemImage.fill(row, row, 0, 15, 0xFF);
  const int channel1[] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14};
  for (int c = 0; c < 8; ++c) state.MemImage.at(0, c) = channel1[c];
  for (int c = 0; c < 16; ++c) state.MemImage.at(256, c) = 'Z' - c;
  link::WholeMemoryWrite write(state, messages, panels, qt.services(), view);
  write.writeClicked();
  ASSERT_TRUE(PumpUntil([&] { return !write.transferRunning(); }, 90000));
  ASSERT_EQ(messages.lastText(), "Complete writing parameters to the transceiver.");
  server.stop();

  EXPECT_EQ(radio.writeFrames().size(), 321u);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(radio.memory()[0x1000 + c], 'Z' - c);
  EXPECT_EQ(radio.memory()[0x0050], 0xFF);                      // an erased channel's first byte
  EXPECT_EQ(radio.memory()[0x0E76], state.MemImage.byte(0x0E76));  // the repaired current channel
}

}  // namespace
}  // namespace brel::test

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
