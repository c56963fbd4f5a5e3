// The whole-memory write against the simulated radio.
#include "default_contents.h"
#include "link_fixture.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;

// Receive frequency of a channel record, packed BCD in 10 Hz units, least
// significant byte first (145.0 MHz: 00 00 50 14).
void Program(MemoryImage& image, int channel, int mhz) {
  const int row = channel - 1;
  const int tenHz = mhz * 100000;
  for (int b = 0; b < 4; ++b) {
    const int twoDigits = (tenHz / [&] { int p = 1; for (int i = 0; i < b; ++i) p *= 100; return p; }()) % 100;
    const int bcd = (twoDigits / 10) << 4 | (twoDigits % 10);
    image.at(row, b) = static_cast<std::int16_t>(bcd);
    image.at(row, 4 + b) = static_cast<std::int16_t>(bcd);
  }
  for (int c = 8; c < 16; ++c) image.at(row, c) = static_cast<std::int16_t>(c);
}

// The rows the write must send, as the radio's address ranges are listed.
std::vector<int> RowsSent() {
  std::vector<int> rows;
  for (auto [first, last] : {std::pair{0, 128}, {160, 206}, {224, 232}, {240, 246}, {256, 384}})
    for (int r = first; r <= last; ++r) rows.push_back(r);
  return rows;
}

class WholeWriteTest : public LinkFixture {
 protected:
  WholeWriteTest() {
    plugRadio().memory().fill(0x00);
    MemoryImage& image = state.MemImage;
    image.fill(0, 495, 0, 15, 0xFF);
    InitOptionIndices(state);
    LoadOptionDefaults(state);
    LoadDtmfDefaults(image);
    Program(image, 1, 145);
    Program(image, 2, 146);
    Program(image, 3, 435);
    for (int c = 0; c < 16; ++c) image.at(256, c) = 'A' + c;  // name of channel 1
    image.at(128, 0) = 0x12;
    state.VfoALower = 136, state.VfoAUpper = 174, state.VfoBLower = 400, state.VfoBUpper = 480;
  }

  bool done() const { return !write.transfer().running(); }
  int progressWhen(const std::string& text) const {
    for (const auto& s : view.steps)
      if (s.text == text) return s.progress;
    return -1;
  }

  RecordingView view;
  link::WholeMemoryWrite write{state, messages, panels, services, view};
};

TEST_F(WholeWriteTest, SendsThe321FramesInOrderAndTheRadioThenHoldsTheImage) {
  write.writeClicked();
  EXPECT_EQ(view.text, "Connecting with transceiver. ");
  ASSERT_TRUE(runUntil([&] { return done(); }));

  const MemoryImage& image = state.MemImage;
  auto goesShort = [&](int row) {
    return ((row >= 1 && row <= 127) || (row >= 257 && row <= 384)) && image.at(row, 0) == 0xFF;
  };
  const auto& frames = radio->writeFrames();
  const std::vector<int> rows = RowsSent();
  ASSERT_EQ(rows.size(), 321u);
  ASSERT_EQ(frames.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = rows[i];
    std::vector<std::uint8_t> expected{0x58, static_cast<std::uint8_t>(row * 16 >> 8),
                                       static_cast<std::uint8_t>(row * 16 & 0xFF)};
    if (goesShort(row)) {
      expected.insert(expected.end(), {0x01, 0xFF});
    } else {
      expected.push_back(0x10);
      for (int c = 0; c < 16; ++c) expected.push_back(static_cast<std::uint8_t>(image.at(row, c)));
    }
    ASSERT_EQ(frames[i], expected) << "frame " << i << " (row " << row << ")";
  }
  EXPECT_EQ(frames.back(), (std::vector<std::uint8_t>{0x58, 0x18, 0x00, 0x01, 0xFF}));

  // The radio's memory: every row sent holds the image (a short frame only
  // its first byte); rows not sent are untouched.
  const auto& memory = radio->memory();
  for (int row : rows)
    for (int c = 0; c < (goesShort(row) ? 1 : 16); ++c)
      ASSERT_EQ(memory[row * 16 + c], image.at(row, c)) << "row " << row << " col " << c;
  for (int c = 0; c < 16; ++c) EXPECT_EQ(memory[207 * 16 + c], 0x00);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(memory[150 * 16 + c], 0x00);

  EXPECT_EQ(progressWhen("Writing  0  Data Block"), 0);
  EXPECT_EQ(progressWhen("Writing  127  Data Block"), 33);
  EXPECT_EQ(progressWhen("Writing  159  Data Block"), 41);
  EXPECT_EQ(progressWhen("Writing  383  Data Block"), 100);
  EXPECT_EQ(progressWhen("Writing  128  Data Block"), -1);  // row 129 is never sent
  EXPECT_EQ(view.value, 100);
  EXPECT_EQ(view.text, "Complete writing parameters ");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete writing parameters to the transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_FALSE(line->heldOpen());
}

TEST_F(WholeWriteTest, ARowAmongTheSettingsThatStartsWithFFGoesWhole) {
  state.MemImage.at(180, 0) = 0xFF;
  write.writeClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  const auto rows = RowsSent();
  const auto at = std::find(rows.begin(), rows.end(), 180) - rows.begin();
  EXPECT_EQ(radio->writeFrames()[at].size(), 20u);
}

struct BandCase {
  const char* name;
  double aLower, aUpper, bLower, bUpper;
  int channel;
  int mhz;
  const char* message;
};

class BandRefusal : public WholeWriteTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BandRefusal, NamesTheChannelAndSendsNothing) {
  const BandCase& c = GetParam();
  state.VfoALower = c.aLower, state.VfoAUpper = c.aUpper, state.VfoBLower = c.bLower, state.VfoBUpper = c.bUpper;
  Program(state.MemImage, c.channel, c.mhz);
  const MemoryImage before = state.MemImage;
  write.writeClicked();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, c.message);
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(line->opens(), 0);
  EXPECT_TRUE(state.MemImage == before);
  EXPECT_FALSE(write.transfer().running());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BandRefusal,
    ::testing::Values(
        BandCase{"BetweenTheBands", 136, 174, 400, 480, 5, 300,
                 "Channel 5that Receiving or transmitting frequency  out of frequency limitation range "},
        // Before any identification the limits are 0: the first programmed channel is named.
        BandCase{"NoLimitsYet", 0, 0, 0, 0, 9, 145,
                 "Channel 1that Receiving or transmitting frequency  out of frequency limitation range "}),
    [](const ::testing::TestParamInfo<BandCase>& info) { return std::string(info.param.name); });

TEST_F(WholeWriteTest, ACellThatIsNotAByteRefusesTheWriteBeforeAnythingIsSent) {
  state.MemImage.at(180, 3) = 300;
  write.writeClicked();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("0x0B43"), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("300"), std::string::npos);
  EXPECT_EQ(line->opens(), 0);
  EXPECT_TRUE(radio->writeFrames().empty());
}

TEST_F(WholeWriteTest, AnUnsentCellIsNotChecked) {
  state.MemImage.at(207, 3) = 300;       // never sent
  state.MemImage.at(50, 10) = -1;        // erased channel row: goes short
  write.writeClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(messages.lastText(), "Complete writing parameters to the transceiver.");
}

TEST_F(WholeWriteTest, RepairsAreMadeOnceAndStayWhenThePortFails) {
  state.MemImage.at(231, 6) = 200;  // current channel A out of range
  state.MemImage.at(244, 3) = 0;    // FM label damaged
  bus.refuse(kRadioPort, link::OpenStatus::InUse);
  write.writeClicked();
  EXPECT_EQ(messages.lastText(), "Communication port is error, please setting right communication port . ！");
  EXPECT_EQ(state.MemImage.at(231, 6), 0);
  EXPECT_EQ(state.MemImage.at(244, 3), 'F');
  EXPECT_FALSE(write.transfer().running());
  EXPECT_EQ(view.text, "");
}

struct AckFault {
  const char* name;
  sim::Fault fault;
};

class WriteFaults : public WholeWriteTest, public ::testing::WithParamInterface<AckFault> {};

TEST_P(WriteFaults, InEveryAttemptEndInTheFailureReport) {
  radio->addFault(GetParam().fault);
  write.writeClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(line->opens(), 4);
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(view.text, "Communication fault.");
  EXPECT_FALSE(view.visible);
}

TEST_P(WriteFaults, InOneAttemptAreOvercomeByTheRetryFromRowZero) {
  sim::Fault once = GetParam().fault;
  once.sessions = 1;
  radio->addFault(once);
  write.writeClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(line->opens(), 2);
  EXPECT_EQ(radio->writeFrames().size(), 321u);
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Complete writing parameters to the transceiver."});
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WriteFaults,
    ::testing::Values(AckFault{"Silence", {sim::FaultKind::Silence}},
                      AckFault{"RefusedHandshake", {sim::FaultKind::RefuseHandshake, sim::kCommandAck}},
                      AckFault{"NoFinalAck", {sim::FaultKind::DropByte, sim::kFinalAck, 0}},
                      AckFault{"DisconnectPartWay", {sim::FaultKind::Disconnect, 150}},
                      AckFault{"DroppedAck", {sim::FaultKind::DropByte, 200, 0}},
                      AckFault{"WrongAck", {sim::FaultKind::WrongHeader, 60}},
                      AckFault{"LateAck", {sim::FaultKind::LateByte, 300, 0, -1, 1500 * kMs}}),
    [](const ::testing::TestParamInfo<AckFault>& info) { return std::string(info.param.name); });

TEST_F(WholeWriteTest, AWriteStartedAsAReadEndsIsNotMisledByTheRadiosLastAck) {
  // The radio answers the read's last Ack after the read has closed its
  // port; the write opens it again at once and must not take that byte for
  // the answer to its own command.
  radio->memory().fill(0xFF);
  RecordingView readView;
  link::WholeMemoryRead read{state, messages, panels, services, readView};
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return !read.transfer().running(); }));
  write.writeClicked();
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(line->opens(), 2);
  EXPECT_EQ(radio->sessions(), 2);
  EXPECT_EQ(radio->writeFrames().size(), 321u);
}

TEST_F(WholeWriteTest, WriteAndCancelAreRefusedWhileTheWriteRuns) {
  write.writeClicked();
  runUntil([&] { return view.text == "Writing  100  Data Block"; });
  write.writeClicked();
  EXPECT_EQ(messages.lastText(), "Read-write operating with transceiver .");
  EXPECT_FALSE(write.transfer().closeRequested());
  EXPECT_EQ(messages.lastText(), "Read-write operating，don't close the window. ,");
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(messages.lastText(), "Complete writing parameters to the transceiver.");
  EXPECT_EQ(radio->writeFrames().size(), 321u);
}

}  // namespace
}  // namespace brel::test
