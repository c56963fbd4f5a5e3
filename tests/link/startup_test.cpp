// The start-up probe and the background identification of the radio.
#include "startup.h"

#include "link_fixture.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;

class StartupTest : public LinkFixture {
 protected:
  StartupTest() {
    state.VhfLower = 136, state.VhfUpper = 174, state.UhfLower = 400, state.UhfUpper = 520;  // model table
  }
  link::StartupIdentification ident{state, panels, services};

  // What the start-up does when the probe found a port.
  void startIdentification() {
    ident.closeProbedPort();
    panels.setPanelText(2, "Connecting with transceiver... ");
    ident.start();
  }
};

TEST_F(StartupTest, WithNoPortEveryNumberIsTriedDownwardsAndComOneIsKept) {
  EXPECT_FALSE(ident.probePorts());
  std::vector<int> expected;
  for (int n = 16; n >= 1; --n) expected.push_back(n);
  EXPECT_EQ(bus.openAttempts(), expected);
  EXPECT_EQ(state.PortNumber, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(ident.running());
}

TEST_F(StartupTest, TheHighestPortThatOpensWinsAndStaysOpenUntilClosed) {
  bus.plug(3);
  link::MemoryLine& five = bus.plug(5);
  bus.refuse(9, link::OpenStatus::PermissionDenied);  // a port that exists but will not open is passed over
  EXPECT_TRUE(ident.probePorts());
  EXPECT_EQ(state.PortNumber, 5);
  EXPECT_EQ(bus.openAttempts().back(), 5);
  EXPECT_EQ(bus.openAttempts().size(), 12u);
  EXPECT_TRUE(five.heldOpen());
  ident.closeProbedPort();
  EXPECT_FALSE(five.heldOpen());
  EXPECT_TRUE(messages.shown.empty());
}

struct RadioCase {
  int type;
  int expectedAttempts;
  int vhfLower, vhfUpper, uhfLower, uhfUpper;
  std::string panel7, panel8;
};

class IdentificationByType : public StartupTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(IdentificationByType, RadioIsIdentifiedOnTheAttemptOfItsVariant) {
  const RadioCase& c = GetParam();
  sim::SimConfig config;
  config.identType = c.type;
  config.vhfLower = 144, config.vhfUpper = 146, config.uhfLower = 430, config.uhfUpper = 440;
  plugRadio(config);
  ASSERT_TRUE(ident.probePorts());
  startIdentification();

  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(line->opens(), 1 + c.expectedAttempts);  // the probe's opening, then one per attempt
  EXPECT_EQ(state.IdentFrameType, c.type);
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
  EXPECT_EQ(panels.panelText(7), c.panel7);
  EXPECT_EQ(panels.panelText(8), c.panel8);
  EXPECT_EQ(state.VfoALower, c.vhfLower);
  EXPECT_EQ(state.VfoAUpper, c.vhfUpper);
  EXPECT_EQ(state.VfoBLower, c.uhfLower);
  EXPECT_EQ(state.VfoBUpper, c.uhfUpper);
  EXPECT_EQ(state.VhfLower, c.vhfLower);
  EXPECT_EQ(state.UhfUpper, c.uhfUpper);
  // The variant that answered stays for later exchanges.
  EXPECT_EQ(state.HandshakeCmd[3], link::ProgramModeCommand(c.type)[3]);
  EXPECT_EQ(state.HandshakeCmd[6], link::ProgramModeCommand(c.type)[6]);
  // The frame is not acknowledged: the last byte the radio got is the request.
  EXPECT_EQ(line->fromProgram().back(), link::kIdentRequest);
  EXPECT_FALSE(line->heldOpen());
  EXPECT_TRUE(messages.shown.empty());

  // Nothing is pending: later time changes nothing.
  runFor(30 * kSecond);
  EXPECT_EQ(line->opens(), 1 + c.expectedAttempts);
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
}

INSTANTIATE_TEST_SUITE_P(
    Types, IdentificationByType,
    ::testing::Values(RadioCase{0, 1, 144, 146, 430, 440, "Band_A: 144-- 146 MHZ", "Band_B: 430-- 440 MHZ"},
                      // Type 1 frames are not read: the fixed limits apply.
                      RadioCase{1, 2, 136, 174, 400, 480, "VHF: 136-- 174 MHZ", "UHF: 400-- 480 MHZ"},
                      RadioCase{2, 3, 144, 146, 430, 440, "VHF: 144-- 146 MHZ", "UHF: 430-- 440 MHZ"}));

TEST_F(StartupTest, SilentRadioGetsSevenAttemptsThenCommunicationFaultAfterAboutFourteenSeconds) {
  sim::SimConfig config;
  plugRadio(config).addFault({sim::FaultKind::Silence});
  ASSERT_TRUE(ident.probePorts());
  startIdentification();

  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_GE(clock.nowUs(), 13 * kSecond + 900 * kMs);
  EXPECT_LE(clock.nowUs(), 14 * kSecond + 300 * kMs);
  EXPECT_EQ(line->opens(), 1 + 7);
  EXPECT_EQ(radio->sessions(), 5);  // the five attempts of variants 0 and 2 carry model code A
  EXPECT_EQ(line->fromProgram().size(), 7u * 7u);  // seven 7-byte commands, nothing else
  EXPECT_EQ(state.IdentFrameType, 0);
  EXPECT_EQ(state.HandshakeCmd, [] {
    ProgramState fresh;
    link::LoadHandshakeCommand(fresh, 0);
    return fresh.HandshakeCmd;
  }());
  EXPECT_EQ(state.VhfUpper, 174);  // the model table's limits stay
  EXPECT_EQ(state.UhfUpper, 520);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupTest, PanelTwoKeepsConnectingBetweenAttempts) {
  plugRadio({}).addFault({sim::FaultKind::Silence});
  ASSERT_TRUE(ident.probePorts());
  startIdentification();
  runFor(5 * kSecond);
  EXPECT_TRUE(ident.running());
  EXPECT_EQ(panels.panelText(2), "Connecting with transceiver... ");
}

TEST_F(StartupTest, PortGoneAtARetryEndsTheIdentificationWithCommunicationFault) {
  plugRadio({}).addFault({sim::FaultKind::Silence});
  ASSERT_TRUE(ident.probePorts());
  startIdentification();
  runFor(1500 * kMs);  // first attempt timed out, retry pending
  ASSERT_TRUE(ident.running());
  bus.unplug(kRadioPort);

  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(clock.idle());  // nothing further is scheduled
}

TEST_F(StartupTest, AnotherWindowHoldingThePortAtARetryEndsItTheSameWay) {
  plugRadio({}).addFault({sim::FaultKind::Silence, 0, 0, 1});  // the first attempt gets no answer
  ASSERT_TRUE(ident.probePorts());
  startIdentification();
  runFor(1500 * kMs);
  auto other = bus.createPort();
  ASSERT_TRUE(other->open(kRadioPort).ok());  // a read started during the retry wait

  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
}

TEST_F(StartupTest, AReadStartedDuringTheRetryWaitEndsTheIdentificationAndKeepsItsCommand) {
  // The first identification attempt gets no answer, nor does the read's
  // first attempt; the radio answers variant 0 only.
  plugRadio({}).addFault({sim::FaultKind::Silence, 0, 0, 2});
  for (int a = 0; a < 0x1800; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a * 11);
  ASSERT_TRUE(ident.probePorts());
  startIdentification();
  runFor(1500 * kMs);  // timed out, retry pending
  ASSERT_TRUE(ident.running());

  RecordingView view;
  link::WholeMemoryRead read{state, messages, panels, services, view};
  read.readClicked();
  EXPECT_FALSE(ident.running());  // its retry would have run beside the read
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  // Meanwhile something loads another variant's command: the read's retry
  // still sends the one its first attempt sent.
  ASSERT_TRUE(runUntil([&] { return read.transfer().engine().retryPending(); }));
  link::LoadHandshakeCommand(state, 1);

  ASSERT_TRUE(runUntil([&] { return !read.transfer().running(); }));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_EQ(state.MemImage.byte(0x0123), radio->memory()[0x0123]);
  EXPECT_EQ(radio->sessions(), 3);  // identification, the read's two attempts
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
}

TEST(PortTableTest, UsbAdaptersSitAboveTheBuiltInPorts) {
  const link::PortTable table = link::PortTable::Default();
  EXPECT_EQ(table.device(1), "/dev/ttyS0");
  EXPECT_EQ(table.device(4), "/dev/ttyS3");
  EXPECT_EQ(table.device(5), "/dev/ttyUSB0");
  EXPECT_EQ(table.device(12), "/dev/ttyUSB7");
  EXPECT_EQ(table.device(13), "/dev/ttyACM0");
  EXPECT_EQ(table.device(16), "/dev/ttyACM3");
  EXPECT_EQ(table.device(0), "");
  EXPECT_EQ(table.device(17), "");
}

class PortDialogIdentTest : public LinkFixture {
 protected:
  link::PortDialogIdentification ident{state, messages, panels, services};
};

TEST_F(PortDialogIdentTest, TakesAnEightByteFrameAndLeavesNothingPending) {
  sim::SimConfig config;
  config.identType = 2;
  config.vhfLower = 140, config.vhfUpper = 150;
  plugRadio(config);
  ASSERT_TRUE(ident.start());
  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
  EXPECT_EQ(panels.panelText(7), "VHF: 140-- 150 MHZ");
  EXPECT_TRUE(clock.idle());
}

TEST_F(PortDialogIdentTest, WithoutRetriesTheFirstTimeOutEndsItWithCommunicationFault) {
  plugRadio({}).addFault({sim::FaultKind::Silence});
  ASSERT_TRUE(ident.start());
  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_EQ(line->opens(), 1);
}

}  // namespace
}  // namespace brel::test
