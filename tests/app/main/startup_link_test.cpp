// The start-up over the real radio link, on in-memory ports and a virtual
// clock.
#include <gtest/gtest.h>

#include "fakes.h"
#include "link_services.h"
#include "memory_port.h"
#include "radio_model.h"
#include "startup.h"

namespace brel::test {
namespace {

// A radio of identification variant 0: acknowledges the program-mode
// command and answers the identification request with a 12-byte frame.
class Variant0Radio : public link::MemoryDevice {
 public:
  explicit Variant0Radio(link::MemoryLine& line) : line_(line) { line.attach(this); }
  void received(std::uint8_t byte) override {
    got.push_back(byte);
    if (got.size() == 7) line_.send({0x06});
    if (got.size() == 8 && byte == 0x02)
      line_.send({0xAA, 0x00, 0x01, 0x36, 0x01, 0x74, 0x00, 0x04, 0x00, 0x04, 0x80, 0xDD});
  }
  std::vector<std::uint8_t> got;

 private:
  link::MemoryLine& line_;
};

struct LinkedFixture {
  LinkedFixture() : messages(log), window(*state, services, &messages) {}
  ~LinkedFixture() { FlushDeletes(); }
  void startUp() { window.runStartup(fixedClock, ScreenTwipsFromPixels(1024, 768, 96, 96)); }
  bool runUntilPanel2(const std::string& text) {
    return clock.runUntil([&] { return window.panels().panelText(2) == text; }, 30 * link::kSecond);
  }

  Log log;
  link::VirtualClock clock;
  link::MemoryPortBus bus{clock};
  link::LinkServices services{bus, clock, bus.table()};
  std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
  LoggingMessages messages;
  FixedClock fixedClock{ClockReading{}};
  MDImain window;
};

TEST(StartupWithLink, ProbeFindsTheHighestCableAndIdentifiesTheRadio) {
  LinkedFixture f;
  f.bus.plug(3);
  Variant0Radio radio(f.bus.plug(5));
  f.startUp();

  EXPECT_EQ(f.state->PortNumber, 5);
  EXPECT_EQ(f.window.panels().panelText(3), "COM5");
  const std::vector<int> probed(f.bus.openAttempts().begin(), f.bus.openAttempts().begin() + 12);
  EXPECT_EQ(probed, (std::vector<int>{16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5}));
  EXPECT_EQ(f.window.panels().panelText(2), "Connecting with transceiver... ");
  // Nothing of the identification has run while the start-up ran.
  EXPECT_TRUE(radio.got.empty());

  ASSERT_TRUE(f.runUntilPanel2("Connect well with radio."));
  const auto command = link::ProgramModeCommand(0);
  EXPECT_EQ(radio.got, std::vector<std::uint8_t>(command.begin(), command.end()));
  EXPECT_EQ(f.window.panels().panelText(7), "Band_A: 136-- 174 MHZ");
  EXPECT_EQ(f.window.panels().panelText(8), "Band_B: 400-- 480 MHZ");
  EXPECT_EQ(f.state->UhfUpper, 480);
  EXPECT_FALSE(f.bus.line(5)->heldOpen());
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(StartupWithLink, SilentCableEndsInCommunicationFault) {
  LinkedFixture f;
  f.bus.plug(2);
  f.startUp();
  EXPECT_EQ(f.state->PortNumber, 2);

  ASSERT_TRUE(f.runUntilPanel2("Communication fault."));
  EXPECT_EQ(f.bus.line(2)->opens(), 1 + 7);  // the probe, then seven attempts
  EXPECT_EQ(f.state->IdentFrameType, 0);
  EXPECT_EQ(f.state->VhfUpper, 174);  // the model table's limits stay
  EXPECT_TRUE(f.window.isVisible());
}

TEST(StartupWithLink, NoCableMeansNoIdentification) {
  LinkedFixture f;
  f.startUp();
  EXPECT_EQ(f.bus.openAttempts().size(), 16u);
  EXPECT_EQ(f.state->PortNumber, 1);
  EXPECT_EQ(f.window.panels().panelText(3), "COM1");
  EXPECT_TRUE(f.clock.idle());
  EXPECT_EQ(f.window.panels().panelText(2), "");
}

}  // namespace
}  // namespace brel::test
