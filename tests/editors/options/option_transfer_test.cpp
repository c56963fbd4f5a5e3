// The window's own exchange against the simulated radio on the virtual
// clock: what it asks and sends, what lands in the image, what it shows.
#include "option_fixture.h"
#include "option_texts.h"
#include "option_transfer.h"
#include "progress_view.h"
#include "radio_bench.h"

namespace brel::options::test {
namespace {

using link::kMs;

class OptionTransferTest : public ::testing::Test, protected StartedState, protected brel::test::RadioBench {
 protected:
  OptionTransferTest() : RadioBench(5) {
    state.PortNumber = 5;
    link::LoadHandshakeCommand(state, 0);
    // As the window shows it: a completed read shows the image.
    view.replaced = [this] { form.RefreshOptionForm(); };
    progress.changed = [this] {
      if (progress.label.empty()) return;
      if (steps.empty() || steps.back().second != progress.label) steps.emplace_back(progress.value, progress.label);
    };
  }
  std::vector<std::string> messageTexts() const { return messages.texts(); }

  sim::RadioSim& oneShotRadio() {
    sim::SimConfig config;
    config.oneShot = true;  // answers AA 01 36 01 74 00 00 DD
    sim::RadioSim& r = plugRadio(config);
    for (int a = 0x0E00; a < 0x0F50; ++a) r.memory()[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(state.MemImage.byte(a));
    return r;
  }

  brel::test::RecordingMessages messages;
  brel::test::MapStatusPanels panels;
  OptionEditor form{state, messages};
  PlainProgress progress;
  link::ProgressView view{progress};
  OptionTransfer transfer{{state, messages, panels, services}, view};
  std::vector<std::pair<int, std::string>> steps;  // (progress, label) at each new label
};

TEST_F(OptionTransferTest, ReadTakesTheFiveBlocksIntoTheImageAndShowsThem) {
  form.Form_Load();
  sim::RadioSim& r = oneShotRadio();
  r.memory()[0x0E20] = 7;     // squelch
  r.memory()[0x0E70] = 0x42;  // the current-channel row comes along
  r.memory()[0x0F00 + 22] = 0x9E, r.memory()[0x0F00 + 23] = 0x02;  // VFO A receive tone 67.0
  const double bLower = state.VfoBLower, bUpper = state.VfoBUpper;

  steps.clear();
  transfer.read();
  ASSERT_TRUE(runUntil([&] { return !messages.shown.empty(); }));

  EXPECT_EQ(r.readRequests(), (std::vector<int>{0x0E00, 0x0E40, 0x0E80, 0x0EC0, 0x0F00}));
  for (int a = 0x0E00; a < 0x0F40; ++a) EXPECT_EQ(state.MemImage.byte(a), r.memory()[static_cast<std::size_t>(a)]) << std::hex << a;
  EXPECT_EQ(form.list("Combo_sql").selectedIndex(), 7);
  EXPECT_EQ(form.vfoA().rxTone.text(), "67.0");

  EXPECT_EQ(steps, (std::vector<std::pair<int, std::string>>{{0, "Connecting with transceiver. "},
                                                              {50, "Reading 3 Data Block"},
                                                              {66, "Reading 4 Data Block"},
                                                              {83, "Reading 5 Data Block"},
                                                              {100, "Reading 6 Data Block"},
                                                              {100, "Read optional parameters in gear. "}}));
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(state.VfoALower, 136);
  EXPECT_EQ(state.VfoAUpper, 175);
  EXPECT_EQ(state.VhfUpper, 175);
  EXPECT_EQ(state.VfoBLower, bLower);
  EXPECT_EQ(state.VfoBUpper, bUpper);
  EXPECT_EQ(panels.panelText(7), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
  EXPECT_FALSE(transfer.running());
}

TEST_F(OptionTransferTest, AReadThatFailsChangesNothing) {
  form.Form_Load();
  sim::RadioSim& r = oneShotRadio();
  for (int a = 0x0E00; a < 0x0F40; ++a) r.memory()[static_cast<std::size_t>(a)] = 0x11;
  r.addFault({sim::FaultKind::Disconnect, 3});
  const ProgramState before = state;
  transfer.read();
  ASSERT_TRUE(runUntil([&] { return !messages.shown.empty(); }));
  EXPECT_EQ(messages.lastText(), "Fail connect with transceiver.");
  for (int a = 0; a < 0x1F00; ++a) ASSERT_EQ(state.MemImage.byte(a), before.MemImage.byte(a)) << std::hex << a;
}

TEST_F(OptionTransferTest, WriteSendsTwentyRowsAndLeavesTheCurrentChannelRowAlone) {
  form.Form_Load();
  sim::RadioSim& r = oneShotRadio();
  for (int c = 0; c < 16; ++c) state.MemImage.at(231, c) = 0x31;
  for (int c = 0; c < 16; ++c) r.memory()[0x0E70 + static_cast<std::size_t>(c)] = 0x77;

  steps.clear();
  transfer.write();
  ASSERT_TRUE(runUntil([&] { return !messages.shown.empty(); }));

  const auto& frames = r.writeFrames();
  ASSERT_EQ(frames.size(), 20u);
  std::vector<int> addresses;
  for (const auto& f : frames) {
    ASSERT_EQ(f.size(), 20u);
    EXPECT_EQ(f[0], 0x58);
    EXPECT_EQ(f[3], 0x10);
    addresses.push_back(f[1] * 256 + f[2]);
  }
  std::vector<int> expected;
  for (int a = 0x0E00; a <= 0x0F40; a += 16)
    if (a != 0x0E70) expected.push_back(a);
  EXPECT_EQ(addresses, expected);
  // Row 240 (VFO A) is the one frame for 0x0F00.
  for (int c = 0; c < 16; ++c) EXPECT_EQ(frames[15][4 + static_cast<std::size_t>(c)], state.MemImage.at(240, c));
  EXPECT_EQ(r.memory()[0x0E70], 0x77);
  EXPECT_EQ(r.memory()[0x0E20], state.MemImage.byte(0x0E20));

  EXPECT_EQ(steps.size(), 21u);
  EXPECT_EQ(steps[0].second, "Connecting with transceiver. ");
  EXPECT_EQ(steps[1], (std::pair<int, std::string>{5, "Writing  0  Data Block"}));
  EXPECT_EQ(steps[19], (std::pair<int, std::string>{100, "Writing  18  Data Block"}));
  EXPECT_EQ(steps[20].second, "Complete writing optional parameters ");
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Complete writing optional parameters to the transceiver."});
}

TEST_F(OptionTransferTest, AWriteWithACellThatIsNotAByteSendsNothing) {
  form.Form_Load();
  oneShotRadio();
  state.MemImage.at(241, 3) = 300;
  transfer.write();
  runFor(3 * link::kSecond);
  EXPECT_TRUE(line->fromProgram().empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.lastText().find("0x0F13"), std::string::npos);
  EXPECT_FALSE(transfer.running());
}

TEST_F(OptionTransferTest, ASilentRadioIsTriedTwiceAndRunsUntilItsRetryHasFailed) {
  form.Form_Load();
  plugRadio().addFault({sim::FaultKind::Silence});
  transfer.read();
  EXPECT_EQ(progress.label, "Connecting with transceiver. ");

  // The exchange runs both while an attempt runs and while its retry waits
  // (the window's Default and close wait for both); a second Read is
  // refused only while the attempt runs.
  runFor(500 * kMs);
  transfer.read();
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Read-write operating with transceiver ."});
  for (std::int64_t at : {500 * kMs, 2000 * kMs}) {
    runFor(at - clock.nowUs());
    EXPECT_TRUE(transfer.running()) << at;
    EXPECT_EQ(transfer.busy(), at == 500 * kMs) << at;
  }
  messages.shown.clear();
  ASSERT_TRUE(runUntil([&] { return !messages.shown.empty(); }));
  // Two attempts of 15 ms + 7 * 20 ms + 1000 ms of silence, 1500 ms apart
  // (and the line time of the last byte).
  EXPECT_NEAR(static_cast<double>(clock.nowUs()), 5310.0 * kMs, 5.0 * kMs);
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_EQ(progress.label, "Connecting with transceiver. ");
  int handshakes = 0;
  const auto& sent = line->fromProgram();
  for (std::size_t i = 0; i + 7 < sent.size(); ++i)
    handshakes += std::equal(sent.begin() + static_cast<std::ptrdiff_t>(i), sent.begin() + static_cast<std::ptrdiff_t>(i) + 8,
                             state.HandshakeCmd.begin());
  EXPECT_EQ(handshakes, 2);
  EXPECT_FALSE(transfer.running());
}

}  // namespace
}  // namespace brel::options::test
