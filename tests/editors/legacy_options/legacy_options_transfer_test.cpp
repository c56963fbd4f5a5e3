// An older option window's exchange against the simulated radio on the
// virtual clock.
#include "legacy_options_transfer.h"

#include <vector>

#include "legacy_options_fixture.h"
#include "link_fixture.h"
#include "progress_view.h"

namespace brel::legacy_options::test {
namespace {

using link::kMs;
using link::kSecond;
using Bytes = std::vector<std::uint8_t>;

class LegacyOptionsTransferTest : public brel::test::LinkFixture {
 protected:
  LegacyOptionsTransferTest() {
    StartUpState(state);
    sim::RadioSim& r = plugRadio();
    for (int a = 0x0E00; a < 0x1000; ++a) r.memory()[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a * 7 + 3);
    // As the window shows it: a completed read shows the stage image.
    view.replaced = [this] { form.RefreshAdjModForm(); };
    form.Form_Load();
    form.Form_Activate();
  }

  bool finished() { return runUntil([&] { return !transfer.running(); }); }
  const Bytes& line() const { return this->LinkFixture::line->fromProgram(); }
  static Bytes Legacy() {
    const auto& c = link::kBrelProCommands.legacyCommand;
    return Bytes(c.begin(), c.end());
  }
  Bytes radioBytes(int address, int count) const {
    return Bytes(radio->memory().begin() + address, radio->memory().begin() + address + count);
  }
  std::vector<int> row(int r) {
    std::vector<int> out;
    for (int c = 0; c < 16; ++c) out.push_back(state.OptionStageImage[0].at(r, c));
    return out;
  }
  std::vector<std::pair<int, std::string>> labels() {
    std::vector<std::pair<int, std::string>> seen;
    progress.changed = [&] {
      if (seen.empty() || seen.back().second != progress.label) seen.emplace_back(progress.value, progress.label);
    };
    EXPECT_TRUE(finished());
    progress.changed = nullptr;
    return seen;
  }

  LegacyOptionsEditor form{state, messages, Instance::Mod};
  PlainProgress progress;
  link::ProgressView view{progress};
  LegacyOptionsTransfer transfer{{state, messages, panels, services}, view, form.image()};
};

TEST_F(LegacyOptionsTransferTest, WriteSendsElevenRowsRowsFourAndFiveParkedWhereRowSixLands) {
  const Bytes untouched = radioBytes(0x0E60, 0x20);
  form.CollectAdjModForm();  // as the window's Write does first
  ASSERT_TRUE(transfer.write());
  EXPECT_EQ(progress.label, "Connecting with transceiver. ");
  const auto seen = labels();
  runFor(10 * kMs);

  const int addresses[11] = {0x0E20, 0x0E30, 0x0E40, 0x0E50, 0x0F00, 0x0F00, 0x0F00, 0x0F10, 0x0F20, 0x0F30, 0x0EC0};
  Bytes expected = Legacy();
  for (int r = 0; r < 11; ++r) {
    expected.insert(expected.end(), {0x06, 0x58, static_cast<std::uint8_t>(addresses[r] >> 8),
                                     static_cast<std::uint8_t>(addresses[r] & 0xFF), 0x10});
    for (int c = 0; c < 16; ++c) expected.push_back(static_cast<std::uint8_t>(state.OptionStageImage[0].at(r, c)));
  }
  EXPECT_EQ(line(), expected);
  EXPECT_EQ(row(2), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x1B, 0x00, 0x00, 0x00, 0x80, 0x06}));
  EXPECT_EQ(row(3), (std::vector<int>{0x00, 0x02, 0x04, 0x01, 0x07, 0x01, 0x36, 0x01, 0x73, 0x01, 0x36, 0x01, 0x73, 0, 0, 0}));
  EXPECT_EQ(radioBytes(0x0E60, 0x20), untouched);
  EXPECT_EQ(radioBytes(0x0EC0, 16), Bytes(16, 0));
  EXPECT_EQ(radioBytes(0x0F00, 16), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 6, 0, 2, 5, 0, 0}));

  std::vector<std::pair<int, std::string>> writing{{0, "Connecting with transceiver. "}};  // the first frame
  for (int m = 0; m <= 9; ++m) writing.emplace_back(10 * (m + 1), "Writing  " + std::to_string(m) + "  Data Block");
  writing.emplace_back(100, "Complete writing optional parameters ");
  EXPECT_EQ(seen, writing);
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Complete writing optional parameters to the transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
}

TEST_F(LegacyOptionsTransferTest, ReadAsksForFiveBlocksAndKeepsFourOfThem) {
  ASSERT_TRUE(transfer.read());
  const auto seen = labels();
  runFor(10 * kMs);

  Bytes expected = Legacy();
  for (const Bytes& b : {Bytes{0x06, 0x53, 0x0E, 0x20, 0x40}, Bytes{0x06, 0x53, 0x0E, 0x60, 0x40},
                         Bytes{0x06, 0x53, 0x0E, 0xA0, 0x40}, Bytes{0x06, 0x53, 0x0E, 0xE0, 0x40},
                         Bytes{0x06, 0x53, 0x0F, 0x20, 0x40}, Bytes{0x06}})
    expected.insert(expected.end(), b.begin(), b.end());
  EXPECT_EQ(line(), expected);

  for (int r = 0; r < 16; ++r) {
    const int address = r < 8 ? 0x0E20 + 16 * r : 0x0EE0 + 16 * (r - 8);
    std::vector<int> radioRow;
    for (int c = 0; c < 16; ++c) radioRow.push_back(radio->memory()[static_cast<std::size_t>(address + c)]);
    EXPECT_EQ(row(r), radioRow) << r;
  }
  EXPECT_EQ(seen, (std::vector<std::pair<int, std::string>>{{0, "Connecting with transceiver. "},
                                                            {50, "Reading 3 Data Block"},
                                                            {66, "Reading 4 Data Block"},
                                                            {83, "Reading 5 Data Block"},
                                                            {100, "Reading 6 Data Block"},
                                                            {100, "Read optional parameters in gear. "}}));
  EXPECT_EQ(messageTexts().back(), "Complete reading the data from transceiver.");
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(10), " 136-- 174 MHZ");
  EXPECT_EQ(state.VhfUpper, 175);
  // The window shows what came: VFO A from 0x0F00.
  EXPECT_EQ(form.list("Combo_tot").selectedIndex(), std::min(radio->memory()[0x0E29], std::uint8_t{39}));
}

TEST_F(LegacyOptionsTransferTest, SilenceGivesUpAfterFourAttemptsInPanelTwoOnly) {
  radio->addFault(sim::Fault{sim::FaultKind::Silence, sim::kCommandAck, 0, -1});
  const OptionStageTable before = state.OptionStageImage[0];
  ASSERT_TRUE(transfer.read());
  EXPECT_TRUE(transfer.busy());
  // Between a time-out and its retry the exchange still runs (the window's
  // close waits for it; its other buttons only while an attempt runs).
  ASSERT_TRUE(runUntil([&] { return !transfer.busy() && transfer.running(); }));
  ASSERT_TRUE(finished());
  EXPECT_EQ(radio->sessions(), 4);
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_EQ(progress.label, "Connecting with transceiver. ");
  EXPECT_TRUE(messages.shown.empty());  // no fault box
  EXPECT_EQ(state.OptionStageImage[0], before);
}

TEST_F(LegacyOptionsTransferTest, ACorruptedReplyIsRetriedAndTheImageChangesOnlyOnACompleteRead) {
  radio->addFault(sim::Fault{sim::FaultKind::CorruptByte, 2, 2, 1});
  ASSERT_TRUE(transfer.read());
  ASSERT_TRUE(runUntil([&] { return radio->sessions() == 2; }));
  EXPECT_EQ(state.OptionStageImage[0], OptionStageTable());  // the first attempt's blocks went nowhere
  ASSERT_TRUE(finished());
  EXPECT_EQ(row(0)[9], radio->memory()[0x0E29]);
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");

  // A radio that goes silent after two blocks every time: nothing changes.
  for (int r = 0; r < 16; ++r) state.OptionStageImage[0].fill(r, r, 0, 15, 0x44);
  radio->addFault(sim::Fault{sim::FaultKind::Disconnect, 2, 0, -1});
  ASSERT_TRUE(transfer.read());
  ASSERT_TRUE(finished());
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  for (int r = 0; r < 16; ++r) EXPECT_EQ(row(r), std::vector<int>(16, 0x44)) << r;
}

}  // namespace
}  // namespace brel::legacy_options::test
