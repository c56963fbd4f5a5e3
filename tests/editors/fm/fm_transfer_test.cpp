// The FM exchange against the simulated radio on the virtual clock.
#include "fm_transfer.h"

#include <vector>

#include <gtest/gtest.h>

#include "radio_bench.h"
#include "test_doubles.h"

namespace brel::fm {
namespace {

using link::kMs;
using Bytes = std::vector<std::uint8_t>;

class FmTransferTest : public ::testing::Test, protected test::RadioBench {
 protected:
  static constexpr int kPort = 5;

  FmTransferTest() : RadioBench(kPort) {
    state.PortNumber = kPort;
    sim::RadioSim& r = plugRadio();
    // 0x3000..0x30FF erased but for preset 1; the limits 136-174 / 400-480.
    const Bytes preset1{0x00, 0x08, 0x08, 0x09, 0x00, 0x00, 0x00, 0x00,
                        0xFF, 0xFF, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31};
    std::copy(preset1.begin(), preset1.end(), r.memory().begin() + 0x3000);
    const Bytes limits{1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 8, 0};
    std::copy(limits.begin(), limits.end(), r.memory().begin() + 0x3F80);
    for (int a = 0x3100; a < 0x3F80; ++a) r.memory()[static_cast<std::size_t>(a)] = 0x5A;
    editor.load();
    editor.activate();
  }

  bool done() const { return !transfer.running(); }
  const Bytes& sent() const { return line->fromProgram(); }
  static Bytes Legacy() {
    const auto& c = link::kBrelProCommands.legacyCommand;
    return Bytes(c.begin(), c.end());
  }
  static FmReadPlan::Commit Shows(FmEditor& e) {
    return [&e](const auto& addresses, const auto& blocks) { e.showReadBlocks(addresses, blocks); };
  }
  static std::string Hex(const Bytes& bytes) {
    std::string s;
    for (std::uint8_t b : bytes) s += Cov_i2b(b);
    return s;
  }
  int progressWhen(const std::string& text) const {
    for (const auto& s : view.steps)
      if (s.text == text) return s.progress;
    return -1;
  }

  ProgramState state;
  test::RecordingMessages messages;
  test::MapStatusPanels panels;
  test::RecordingView view;
  FmSheet sheet;
  FmEditor editor{state, messages, sheet};
  FmTransfer transfer{{state, messages, panels, services}, view, Shows(editor)};
};

TEST_F(FmTransferTest, ReadAsksForFiveBlocksAndShowsThemWhenAllAreIn) {
  ASSERT_TRUE(transfer.read());
  EXPECT_EQ(view.text, "Connecting with transceiver. ");
  EXPECT_EQ(view.value, 0);
  ASSERT_TRUE(runUntil([&] { return done(); }));
  runFor(10 * kMs);  // the last 0x06 on its way

  Bytes expected = Legacy();
  for (Bytes b : {Bytes{0x06, 0x53, 0x30, 0x00, 0x40}, Bytes{0x06, 0x53, 0x30, 0x40, 0x40},
                  Bytes{0x06, 0x53, 0x30, 0x80, 0x40}, Bytes{0x06, 0x53, 0x30, 0xC0, 0x40},
                  Bytes{0x06, 0x53, 0x3F, 0x80, 0x40}, Bytes{0x06}})
    expected.insert(expected.end(), b.begin(), b.end());
  EXPECT_EQ(Hex(sent()), Hex(expected));

  EXPECT_EQ(progressWhen("Reading 3 Data Block"), 50);
  EXPECT_EQ(progressWhen("Reading 4 Data Block"), 66);
  EXPECT_EQ(progressWhen("Reading 5 Data Block"), 83);
  EXPECT_EQ(progressWhen("Reading 6 Data Block"), 100);
  EXPECT_EQ(view.value, 100);
  EXPECT_EQ(view.text, "Read FM Radio parameters in gear. ");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete reading the data from transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");

  EXPECT_EQ(panels.panelText(4), "与对讲机数据通讯正常");
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(10), " 136-- 174 MHZ");
  EXPECT_EQ(state.VhfUpper, 175);  // the globals keep their +1
  EXPECT_EQ(state.VfoAUpper, 175);

  EXPECT_EQ(sheet.grid.cell(1, kColFrequency), "88.90000");
  EXPECT_EQ(sheet.grid.cell(1, kColName), "CCTV1");
  EXPECT_EQ(sheet.grid.cell(2, kColFrequency), "");  // erased: the default is gone
  EXPECT_EQ(sheet.boxTexts(), (std::array<std::string, 4>{"136.00000", "174.00000", "400.00000", "480.00000"}));
  EXPECT_EQ(FmStageTable(), state.FmStageRows);  // a read never touches the staging rows
}

TEST_F(FmTransferTest, WriteSendsSeventeenFramesTheLastToTheLimitBlock) {
  editor.encodeAll();
  ASSERT_TRUE(transfer.write());
  ASSERT_TRUE(runUntil([&] { return done(); }));

  ASSERT_EQ(radio->writeFrames().size(), 17u);
  Bytes expected = Legacy();
  for (int row = 0; row <= 16; ++row) {
    const int address = row < 16 ? 0x3000 + 16 * row : 0x3F80;
    expected.insert(expected.end(), {0x06, 0x58, static_cast<std::uint8_t>(address >> 8),
                                     static_cast<std::uint8_t>(address & 0xFF), 0x10});
    for (int k = 0; k < 16; ++k) expected.push_back(static_cast<std::uint8_t>(state.FmStageRows.at(row, k)));
  }
  EXPECT_EQ(sent(), expected);

  const Bytes preset2{0x00, 0x09, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF};
  EXPECT_EQ(Bytes(radio->memory().begin() + 0x3010, radio->memory().begin() + 0x3020), preset2);
  for (int row = 0; row < 16; ++row)
    for (int k = 0; k < 16; ++k)
      ASSERT_EQ(radio->memory()[static_cast<std::size_t>(0x3000 + 16 * row + k)], state.FmStageRows.at(row, k));
  // Band limits as the boxes showed them (no identification before: 0).
  EXPECT_EQ(Bytes(radio->memory().begin() + 0x3F80, radio->memory().begin() + 0x3F90),
            (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
  for (int a = 0x3100; a < 0x3F80; ++a) ASSERT_EQ(radio->memory()[static_cast<std::size_t>(a)], 0x5A) << a;

  EXPECT_EQ(progressWhen("Writing  0  Data Block"), 5);
  EXPECT_EQ(progressWhen("Writing  15  Data Block"), 94);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete writing Signal parameters to the transceiver.");
  EXPECT_EQ(view.text, "Complete writing Signal parameters ");
}

TEST_F(FmTransferTest, SilentRadioIsTriedFourTimesThenPanelTwoSaysSo) {
  radio->addFault({.kind = sim::FaultKind::Silence, .answer = 0});
  const auto shown = sheet;
  std::vector<std::int64_t> opened, closed;
  bool wasOpen = false;
  ASSERT_TRUE(transfer.read());
  ASSERT_TRUE(runUntil([&] {
    const bool open = line->heldOpen();
    if (open && !wasOpen) opened.push_back(clock.nowUs());
    if (!open && wasOpen) closed.push_back(clock.nowUs());
    wasOpen = open;
    return done();
  }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(closed.size(), 4u);
  ASSERT_EQ(opened.size(), 4u);
  for (std::size_t i = 0; i + 1 < opened.size(); ++i) EXPECT_EQ(opened[i + 1] - closed[i], 1500 * kMs) << i;
  EXPECT_EQ(sheet.grid.cell(2, kColFrequency), shown.grid.cell(2, kColFrequency));
  EXPECT_EQ(sheet.boxTexts(), shown.boxTexts());
}

TEST_F(FmTransferTest, OneStrayByteBeforeTheFrameIsTakenTwoAreNot) {
  // The legacy radio sends its 0x06 before the frame: one stray byte.
  ASSERT_TRUE(transfer.read());
  ASSERT_TRUE(runUntil([&] { return done(); }));
  EXPECT_EQ(sheet.grid.cell(1, kColName), "CCTV1");
  runFor(10 * kMs);

  // A second window's first exchange, with one more byte before the frame.
  FmSheet otherSheet;
  FmEditor other{state, messages, otherSheet};
  test::RecordingView otherView;
  FmTransfer second{{state, messages, panels, services}, otherView, Shows(other)};
  radio->config().identFrame = {0x55, 0xAA, 1, 3, 6, 1, 7, 4, 0xBB};
  const std::size_t sentBefore = sent().size();
  ASSERT_TRUE(second.read());
  ASSERT_TRUE(runUntil([&] { return !second.running(); }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  // Only the command went out, four times: no block was ever asked for.
  EXPECT_EQ(sent().size() - sentBefore, 4 * Legacy().size());
}

}  // namespace
}  // namespace brel::fm
