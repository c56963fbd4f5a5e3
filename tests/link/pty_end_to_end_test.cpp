// A whole-memory read and write over a pseudo-terminal, through Qt
// SerialPort and Qt timers, against the simulated radio.  Real time: the
// waits are bounded and end as soon as the transfer does.
#include <gtest/gtest.h>

#include "default_contents.h"
#include "pty_rig.h"
#include "test_doubles.h"
#include "whole_memory.h"

namespace brel::test {
namespace {

TEST(PtyEndToEndTest, ReadThenWriteTheWholeMemoryThroughQtSerialPort) {
  sim::RadioSim radio;
  for (int a = 0; a < sim::RadioSim::kMemorySize; ++a) radio.memory()[a] = static_cast<std::uint8_t>(a * 13 + 5);
  // No line time: the test wants the code path, the benchmark the timing.
  sim::PtyRig rig(radio, 0, 7);
  std::string error;
  ASSERT_TRUE(rig.open(&error)) << error;
  ProgramState& state = rig.state;
  RecordingMessages messages;
  MapStatusPanels panels;
  sim::NullTransferView view;

  link::WholeMemoryRead read(state, messages, panels, rig.services(), view);
  read.readClicked();
  ASSERT_TRUE(sim::PumpEventsUntil([&] { return !read.transfer().running(); }, 60000));
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
  link::WholeMemoryWrite write(state, messages, panels, rig.services(), view);
  write.writeClicked();
  ASSERT_TRUE(sim::PumpEventsUntil([&] { return !write.transfer().running(); }, 90000));
  ASSERT_EQ(messages.lastText(), "Complete writing parameters to the transceiver.");
  rig.server().stop();

  EXPECT_EQ(radio.writeFrames().size(), 321u);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(radio.memory()[0x1000 + c], 'Z' - c);
  EXPECT_EQ(radio.memory()[0x0050], 0xFF);                      // an erased channel's first byte
  EXPECT_EQ(radio.memory()[0x0E76], state.MemImage.byte(0x0E76));  // the repaired current channel
}

// The terminal goes away under a running read, then under a running write:
// each ends in its retry, which finds no device, and says so; nothing hangs,
// nothing crashes, the dialog may close.
TEST(PtyEndToEndTest, TheTerminalClosingUnderATransferEndsItWithAMessage) {
  for (const bool writing : {false, true}) {
    SCOPED_TRACE(writing ? "write" : "read");
    sim::RadioSim radio;
    radio.addFault({sim::FaultKind::Vanish, 30});
    sim::PtyRig rig(radio, 0, 7);
    std::string error;
    ASSERT_TRUE(rig.open(&error)) << error;
    ProgramState& state = rig.state;
    state.MemImage.fill(0, 495, 0, 15, 0xFF);
    RecordingMessages messages;
    MapStatusPanels panels;
    sim::NullTransferView view;
    link::WholeMemoryRead read(state, messages, panels, rig.services(), view);
    link::WholeMemoryWrite write(state, messages, panels, rig.services(), view);
    link::Transfer& transfer = writing ? write.transfer() : read.transfer();
    const MemoryImage before = state.MemImage;

    if (writing)
      write.writeClicked();
    else
      read.readClicked();
    ASSERT_TRUE(transfer.running());
    ASSERT_TRUE(sim::PumpEventsUntil([&] { return !transfer.running(); }, 20000));
    EXPECT_EQ(messages.lastText(), "Communication port is error, please setting right communication port . ！");
    if (!writing) {
      EXPECT_TRUE(state.MemImage == before);
    }
    EXPECT_TRUE(transfer.closeRequested());
    rig.server().stop();
  }
}

}  // namespace
}  // namespace brel::test

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
