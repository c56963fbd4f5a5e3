// The two-tone and five-tone exchanges against the simulated radio, on the
// virtual clock.
#include "signalling_transfer.h"

#include <vector>

#include "five_tone_editor.h"
#include "link_fixture.h"
#include "shared_texts.h"
#include "two_tone_editor.h"

namespace brel::signalling {
namespace {

using link::kMs;
using Bytes = std::vector<std::uint8_t>;

class SignallingTransferTest : public test::LinkFixture {
 protected:
  SignallingTransferTest() {
    SetLanguageTexts(state);
    sim::SimConfig config;
    config.longLegacy = true;
    config.vhfLower = 136;
    config.vhfUpper = 174;
    config.uhfLower = 400;
    config.uhfUpper = 480;
    plugRadio(config);
    two.load();
    five.load();
  }

  const Bytes& sent() const { return line->fromProgram(); }
  static Bytes Legacy() {
    const auto& c = link::kBrelProCommands.legacyCommand;
    return Bytes(c.begin(), c.end());
  }
  // The read requests on the line: (address) of every 'S' frame.
  std::vector<int> requests() const {
    std::vector<int> out;
    const Bytes& b = sent();
    for (std::size_t i = 0; i + 3 < b.size(); ++i)
      if (b[i] == 0x53 && b[i + 3] == 0x40 && (i == 0 || b[i - 1] == 0x06)) out.push_back(b[i + 1] * 256 + b[i + 2]);
    return out;
  }

  test::RecordingView view;
  TwoToneSheet twoSheet;
  TwoToneEditor two{state, messages, twoSheet};
  FiveToneSheet fiveSheet;
  FiveToneEditor five{state, messages, fiveSheet};
  SignallingTransfer twoTransfer{{state, messages, panels, services}, view, kTwoToneExchange,
                                 [this](std::span<const std::uint8_t> a) { two.ShowTwoToneFromBlocks(a); },
                                 RowsOf(state.TwoToneImage)};
  SignallingTransfer fiveTransfer{{state, messages, panels, services}, view, kFiveToneExchange,
                                  [this](std::span<const std::uint8_t> a) { five.DecodeFiveTone(a); },
                                  RowsOf(state.FiveToneImage)};
};

TEST_F(SignallingTransferTest, LongFrameSetsLimitsAndPanels) {
  ASSERT_TRUE(twoTransfer.read());
  ASSERT_TRUE(runUntil([&] { return !twoTransfer.running(); }));
  EXPECT_EQ(state.VfoALower, 136);
  EXPECT_EQ(state.VfoAUpper, 175);
  EXPECT_EQ(state.VfoBLower, 400);
  EXPECT_EQ(state.VfoBUpper, 481);
  EXPECT_EQ(state.VhfLower, 136);
  EXPECT_EQ(state.VhfUpper, 175);
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(10), " 400-- 480 MHZ");
  EXPECT_EQ(panels.panelText(6), "13.03.2.8");
  EXPECT_EQ(panels.panelText(2), "SIM-01");
  EXPECT_EQ(panels.panelText(4), "2TONE --5TONE --V1.0");
}

TEST_F(SignallingTransferTest, TwoToneReadAsksForTwelveBlocksAndShowsThem) {
  // Code 3's first tone 1500 Hz, entry 2's first pair "C-B".
  radio->memory()[0x2D20] = 0xDC;
  radio->memory()[0x2D21] = 0x05;
  radio->memory()[0x2E10] = 7;
  ASSERT_TRUE(twoTransfer.read());
  EXPECT_EQ(view.text, "Connecting with transceiver. ");
  ASSERT_TRUE(runUntil([&] { return !twoTransfer.running(); }));

  Bytes start = Legacy();
  start.insert(start.end(), {0x06, 0x53, 0x2D, 0x00, 0x40});
  EXPECT_EQ(Bytes(sent().begin(), sent().begin() + static_cast<long>(start.size())), start);
  std::vector<int> expected;
  for (int a = 0x2D00; a <= 0x2FC0; a += 0x40) expected.push_back(a);
  EXPECT_EQ(requests(), expected);

  EXPECT_EQ(twoSheet.encode.cell(3, 1), "1500.0");
  EXPECT_EQ(twoSheet.decode.cell(2, 1), "C-B");
  EXPECT_EQ(view.text, "Read Signal parameters in gear. ");
  EXPECT_EQ(view.value, 100);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete reading the data from transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(TwoToneStageTable(), state.TwoToneImage);  // a read leaves the staging rows alone
}

TEST_F(SignallingTransferTest, FiveToneReadStartsAtTheStandards) {
  ASSERT_TRUE(fiveTransfer.read());
  ASSERT_TRUE(runUntil([&] { return !fiveTransfer.running(); }));
  std::vector<int> expected;
  for (int a = 0x2400; a <= 0x28C0; a += 0x40) expected.push_back(a);
  EXPECT_EQ(requests(), expected);
  EXPECT_EQ(fiveSheet.standards.cell(1, 1), "2550");  // the radio's erased area
  EXPECT_EQ(fiveSheet.decodeFrameCaption, "Execute after Code 1 Decode Succeeded ");
}

TEST_F(SignallingTransferTest, TwoToneWriteSendsFortyEightRows) {
  two.StoreTwoToneControls();
  ASSERT_TRUE(twoTransfer.write());
  ASSERT_TRUE(runUntil([&] { return !twoTransfer.running(); }));

  Bytes expected = Legacy();
  for (int r = 0; r < 48; ++r) {
    const int a = 0x2D00 + 16 * r;
    expected.insert(expected.end(), {0x06, 0x58, static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a & 0xFF), 0x10});
    for (int c = 0; c < 16; ++c) expected.push_back(static_cast<std::uint8_t>(state.TwoToneImage.at(r, c)));
  }
  EXPECT_EQ(sent(), expected);
  for (int r = 0; r < 48; ++r)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(radio->memory()[static_cast<std::size_t>(0x2D00 + 16 * r + c)], state.TwoToneImage.at(r, c));
  // The defaults' worked example reached 0x2E00 and 0x2F00.
  EXPECT_EQ(radio->memory()[0x2F00], 0xBD);
  EXPECT_EQ(radio->memory()[0x2E03], 0x04);
  EXPECT_EQ(radio->memory()[0x3000], 0xFF);
  EXPECT_EQ(view.text, "Complete writing Signal parameters ");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete writing Signal parameters to the transceiver.");
}

TEST_F(SignallingTransferTest, FiveToneWriteSendsTheWholeImage) {
  five.EncodeFiveTone();
  ASSERT_TRUE(fiveTransfer.write());
  ASSERT_TRUE(runUntil([&] { return !fiveTransfer.running(); }));
  ASSERT_EQ(radio->writeFrames().size(), 144u);
  for (int r = 0; r < 144; ++r)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(radio->memory()[static_cast<std::size_t>(0x2000 + 16 * r + c)], state.FiveToneImage.at(r, c)) << r;
  EXPECT_EQ(radio->memory()[0x2900], 0xFF);
  Bytes last{0x06, 0x58, 0x28, 0xF0, 0x10};
  const Bytes& s = sent();
  EXPECT_EQ(Bytes(s.end() - 21, s.end() - 16), last);
}

TEST_F(SignallingTransferTest, OnlyAFrameEndingIn55WithDigitLimitsIsTaken) {
  struct Case {
    const char* what;
    int at;
    std::uint8_t value;
    bool taken;
  };
  for (const Case& c : {Case{"no 0x55 at the end", 49, 0x54, false}, Case{"a limit byte that is no digit", 5, 0x0A, false},
                        Case{"b0 is not examined", 0, 0x00, true}}) {
    // The frame as the radio sends it, spoiled in one byte.
    Bytes frame{0x06, 1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 8, 0};
    frame.resize(49, 0x20);
    frame.push_back(0x55);
    frame[static_cast<std::size_t>(c.at)] = c.value;
    radio->config().identFrame = frame;
    messages.shown.clear();
    state.VfoALower = 0;
    ASSERT_TRUE(twoTransfer.read()) << c.what;
    const std::int64_t start = clock.nowUs();
    ASSERT_TRUE(runUntil([&] { return !twoTransfer.running(); })) << c.what;
    if (c.taken) {
      EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete reading the data from transceiver."}) << c.what;
      EXPECT_EQ(state.VfoALower, 136) << c.what;
    } else {
      // Four attempts, each given up 1000 ms after the command and retried 3000 ms later.
      EXPECT_EQ(messages.texts(), std::vector<std::string>{"Fail connect with transceiver."}) << c.what;
      EXPECT_GT(clock.nowUs() - start, 3 * 4000 * kMs) << c.what;
      EXPECT_EQ(state.VfoALower, 0) << c.what;
    }
  }
}

TEST_F(SignallingTransferTest, SilentRadioFourAttemptsThreeSecondsApartThenFault) {
  radio->addFault({sim::FaultKind::Silence});
  ASSERT_TRUE(fiveTransfer.read());
  std::vector<std::int64_t> commands;
  std::size_t seen = 0;
  ASSERT_TRUE(runUntil([&] {
    if (sent().size() >= seen + 8) {
      commands.push_back(clock.nowUs());
      seen = sent().size();
    }
    return !fiveTransfer.running();
  }));
  EXPECT_EQ(sent().size(), 4 * 8u);
  ASSERT_EQ(commands.size(), 4u);
  // Each retry: 1000 ms of silence after the command, then 3000 ms.
  for (std::size_t i = 1; i < commands.size(); ++i) {
    const std::int64_t gap = commands[i] - commands[i - 1];
    EXPECT_GE(gap, 4000 * kMs);
    EXPECT_LT(gap, 4100 * kMs);
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Fail connect with transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(view.text, "Communication fault.");
  EXPECT_EQ(view.value, 0);
}

}  // namespace
}  // namespace brel::signalling
