// The whole-memory read against the simulated radio.
#include "link_fixture.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;

class WholeReadTest : public LinkFixture {
 protected:
  WholeReadTest() {
    sim::RadioSim& r = plugRadio();
    for (int a = 0; a < sim::RadioSim::kMemorySize; ++a) r.memory()[a] = static_cast<std::uint8_t>((a * 7 + a / 256) & 0xFF);
    state.MemImage.fill(0, 495, 0, 15, 0x5A);
    imageBefore = state.MemImage;
  }

  bool done() const { return !read.transfer().running(); }
  void expectImageUnchanged() const { EXPECT_TRUE(state.MemImage == imageBefore); }
  void expectImageHoldsRadio() const {
    for (int row = 0; row <= 383; ++row)
      for (int c = 0; c < 16; ++c) {
        const int expected = row == 207 ? 0xFF : radio->memory()[row * 16 + c];
        ASSERT_EQ(state.MemImage.at(row, c), expected) << "row " << row << " col " << c;
      }
    for (int row = 384; row <= 495; ++row) ASSERT_EQ(state.MemImage.at(row, 0), 0x5A) << "row " << row;
  }
  int progressWhen(const std::string& text) const {
    for (const auto& s : view.steps)
      if (s.text == text) return s.progress;
    return -1;
  }

  RecordingView view;
  link::WholeMemoryRead read{state, messages, panels, services, view};
  MemoryImage imageBefore;
};

TEST_F(WholeReadTest, ReadsRadioMemoryIntoRowsZeroTo383WithRow207Erased) {
  state.ReadBuf1.at(2, 0) = 0x58;  // left by an earlier exchange: must not move the data
  state.AreaToggle = -1;
  read.readClicked();
  EXPECT_EQ(view.text, "Connecting with transceiver. ");
  EXPECT_EQ(state.AreaToggle, 0);
  ASSERT_TRUE(runUntil([&] { return done(); }));

  expectImageHoldsRadio();
  std::vector<int> expectedRequests;
  for (int a = 0; a <= 0x17C0; a += 0x40) expectedRequests.push_back(a);
  EXPECT_EQ(radio->readRequests(), expectedRequests);

  EXPECT_EQ(progressWhen("Reading 3 Data Block"), 3);
  EXPECT_EQ(progressWhen("Reading 51 Data Block"), 52);
  EXPECT_EQ(progressWhen("Reading 97 Data Block"), 100);
  EXPECT_EQ(view.value, 100);
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.text, "Read Signal parameters in gear. ");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(messages.shown[0].text, "Complete reading the data from transceiver.");
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
  EXPECT_EQ(panels.panelText(7), "Band_A: 136-- 174 MHZ");
  EXPECT_FALSE(line->heldOpen());
  EXPECT_FALSE(read.transfer().engine().busy());
}

TEST_F(WholeReadTest, UsesTheVariantTheStartUpIdentificationLeft) {
  sim::SimConfig config;
  config.identType = 1;
  plugRadio(config);
  state.IdentFrameType = 1;
  link::LoadHandshakeCommand(state, 1);
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(messages.lastText(), "Complete reading the data from transceiver.");
  EXPECT_EQ(line->opens(), 1);
  EXPECT_EQ(panels.panelText(7), "VHF: 136-- 174 MHZ");
  EXPECT_EQ(state.VfoBUpper, 480);
}

TEST_F(WholeReadTest, ChineseTextsFollowTheLanguageFlag) {
  state.LanguageFlag = -1;
  read.readClicked();
  EXPECT_EQ(view.text, "正在与对讲机联络 ！");
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(progressWhen("正在读取 3 数据块"), 3);
  EXPECT_EQ(view.text, "对讲机数据读出正常 ！");
  EXPECT_EQ(messages.lastText(), "从对讲机中读取数据完毕 ！");
  EXPECT_EQ(messages.shown.back().title, "操作提示");
}

struct FaultCase {
  const char* name;
  sim::Fault fault;
};

class ReadFaults : public WholeReadTest, public ::testing::WithParamInterface<FaultCase> {};

// Every fault, when it strikes every attempt, ends in the failure report
// after four attempts and leaves the image as it was.
TEST_P(ReadFaults, InEveryAttemptEndsInFailureWithImageUnchanged) {
  radio->addFault(GetParam().fault);
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));

  expectImageUnchanged();
  EXPECT_EQ(line->opens(), 4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Fail connect with transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(view.text, "Communication fault.");
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(view.value, 0);
  EXPECT_FALSE(line->heldOpen());
  EXPECT_TRUE(clock.idle());
}

// The same fault in the first attempt only: the retry reads everything.
TEST_P(ReadFaults, InOneAttemptIsOvercomeByTheRetry) {
  sim::Fault once = GetParam().fault;
  once.sessions = 1;
  radio->addFault(once);
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));

  expectImageHoldsRadio();
  EXPECT_EQ(line->opens(), 2);
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Complete reading the data from transceiver."});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReadFaults,
    ::testing::Values(FaultCase{"Silence", {sim::FaultKind::Silence}},
                      FaultCase{"RefusedHandshake", {sim::FaultKind::RefuseHandshake, sim::kCommandAck}},
                      FaultCase{"CorruptIdentFrame", {sim::FaultKind::CorruptByte, sim::kIdentFrame, 11}},
                      FaultCase{"DisconnectPartWay", {sim::FaultKind::Disconnect, 40}},
                      FaultCase{"DroppedAckBeforeReply", {sim::FaultKind::DropByte, 10, 0}},
                      FaultCase{"DroppedDataByte", {sim::FaultKind::DropByte, 20, 30}},
                      FaultCase{"CorruptAddressByte", {sim::FaultKind::CorruptByte, 5, 3}},
                      FaultCase{"CorruptLengthByte", {sim::FaultKind::CorruptByte, 0, 3}},
                      FaultCase{"WrongReplyHeader", {sim::FaultKind::WrongHeader, 7}},
                      FaultCase{"LateByte", {sim::FaultKind::LateByte, 3, 20, -1, 1500 * kMs}}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST_F(WholeReadTest, SilentRadioFailsAfterFourTimeOutsAndRetryDelays) {
  radio->addFault({sim::FaultKind::Silence});
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  // Each attempt: 15 ms, seven bytes, 1000 ms silence, 1000 ms retry delay.
  EXPECT_GE(clock.nowUs(), 8 * kSecond);
  EXPECT_LE(clock.nowUs(), 8 * kSecond + 200 * kMs);
}

TEST_F(WholeReadTest, ReadAndCancelAreRefusedWhileTheReadRunsAndTheReadGoesOn) {
  read.readClicked();
  runUntil([&] { return view.text == "Reading 20 Data Block"; });
  read.readClicked();
  EXPECT_EQ(messages.lastText(), "Read-write operating with transceiver .");
  EXPECT_FALSE(read.transfer().closeRequested());
  EXPECT_EQ(messages.lastText(), "Read-write operating，don't close the window. ,");
  ASSERT_TRUE(runUntil([&] { return done(); }));
  expectImageHoldsRadio();
  EXPECT_EQ(messages.lastText(), "Complete reading the data from transceiver.");
}

TEST_F(WholeReadTest, CancelDuringTheRetryDelayDropsTheRetry) {
  radio->addFault({sim::FaultKind::Silence});
  read.readClicked();
  runFor(1500 * kMs);
  ASSERT_TRUE(read.transfer().running());
  ASSERT_FALSE(read.transfer().engine().busy());
  EXPECT_TRUE(read.transfer().closeRequested());
  runFor(10 * kSecond);
  EXPECT_EQ(line->opens(), 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(read.transfer().running());
}

TEST_F(WholeReadTest, ReadPressedDuringTheRetryDelayStartsAFreshReadThatIsNotStalled) {
  radio->addFault({sim::FaultKind::Silence, 0, 0, 1});
  read.readClicked();
  runFor(1500 * kMs);  // timed out; retry pending
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  expectImageHoldsRadio();
  EXPECT_EQ(line->opens(), 2);  // the pending retry never ran
  runFor(30 * kSecond);
  EXPECT_EQ(line->opens(), 2);
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Complete reading the data from transceiver."});
}

TEST_F(WholeReadTest, AfterAFailureANewReadStartsWithFreshRetries) {
  radio->addFault({sim::FaultKind::Silence, 0, 0, 4});
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  ASSERT_EQ(messages.lastText(), "Fail connect with transceiver.");
  read.readClicked();
  EXPECT_FALSE(view.visible);  // stays hidden until the first reply of the new read
  ASSERT_TRUE(runUntil([&] { return done(); }));
  expectImageHoldsRadio();
  EXPECT_TRUE(view.visible);
}

TEST_F(WholeReadTest, PortHeldByAnotherWindowIsReportedAndNothingStarts) {
  auto other = bus.createPort();
  ASSERT_TRUE(other->open(kRadioPort).ok());
  read.readClicked();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Communication port is error, please setting right communication port . ！");
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(state.PortErrorFlag, -1);
  EXPECT_FALSE(read.transfer().running());
  EXPECT_EQ(view.text, "");
  other->close();
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  expectImageHoldsRadio();
}

TEST_F(WholeReadTest, PermissionProblemSaysWhatToDo) {
  // The device's owner comes from the simulated device, never from the
  // machine's own /dev.
  for (const char* group : {"dialout", "uucp"}) {
    messages.shown.clear();
    bus.refuse(kRadioPort, link::OpenStatus::PermissionDenied, group);
    read.readClicked();
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(text.rfind("Communication port is error, please setting right communication port . ！", 0), 0u);
    EXPECT_NE(text.find("/dev/ttyUSB0"), std::string::npos);
    EXPECT_NE(text.find(std::string("group that owns it, ") + group + " (sudo usermod -aG " + group), std::string::npos)
        << text;
  }
}

}  // namespace
}  // namespace brel::test
