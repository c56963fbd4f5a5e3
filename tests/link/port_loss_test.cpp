// The device going away under a whole-memory read or write (cable pulled,
// adapter reset), at every step: the attempt ends as a time-out does, the
// retry reopens the device, and the transfer ends with a message, never
// busy, with nothing half-applied.
#include "link_fixture.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;

enum class Step { AfterHandshake, BetweenBlocks, BeforeLastBlock };

// Pulls the cable when the transfer reaches `step`; the cable comes back
// after `backAfterUs` (never when negative).
class CablePuller : public link::LinkObserver {
 public:
  CablePuller(RadioBench& bench, Step step, std::int64_t backAfterUs, int lastBlock)
      : bench_(bench), step_(step), backAfterUs_(backAfterUs), lastBlock_(lastBlock) {}
  void connected() override {
    if (step_ == Step::AfterHandshake) pull();
  }
  void readProgress(int done) override { at(done); }
  void writeProgress(int frame) override { at(frame); }
  void attemptTimedOut() override { timedOutAt.push_back(bench_.clock.nowUs()); }
  std::vector<std::int64_t> pulledAt, timedOutAt;

 private:
  void at(int block) {
    if ((step_ == Step::BetweenBlocks && block == 5) || (step_ == Step::BeforeLastBlock && block == lastBlock_)) pull();
  }
  void pull() {
    pulledAt.push_back(bench_.clock.nowUs());
    bench_.line->vanish();
    if (backAfterUs_ >= 0)
      bench_.clock.schedule(bench_.clock.nowUs() + backAfterUs_, [this] { bench_.line->reappear(); });
  }
  RadioBench& bench_;
  Step step_;
  std::int64_t backAfterUs_;
  int lastBlock_;
};

struct LossCase {
  const char* what;
  bool write;
  Step step;
  bool comesBack;  // the adapter resets and is back before the retry
};

class PortLossTest : public LinkFixture, public ::testing::WithParamInterface<LossCase> {
 protected:
  PortLossTest() {
    plugRadio();
    for (int a = 0; a < sim::RadioSim::kMemorySize; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a * 3);
    state.MemImage.fill(0, 495, 0, 15, 0x5A);
    // No channel to check against the bands.
    state.MemImage.fill(0, 127, 0, 15, 0xFF);
    state.MemImage.fill(256, 383, 0, 15, 0xFF);
  }
};

TEST_P(PortLossTest, EndsInTheRetryThenAMessageWithNothingHalfApplied) {
  const LossCase& c = GetParam();
  RecordingView view;
  link::WholeMemoryRead read{state, messages, panels, services, view};
  link::WholeMemoryWrite write{state, messages, panels, services, view};
  link::Transfer& transfer = c.write ? write.transfer() : read.transfer();
  const int last = c.write ? 320 : 95;
  CablePuller puller(*this, c.step, c.comesBack ? 100 * kMs : -1, last);
  transfer.setListener(&puller);
  const MemoryImage before = state.MemImage;

  if (c.write)
    write.writeClicked();
  else
    read.readClicked();
  ASSERT_TRUE(runUntil([&] { return !transfer.running(); }, 60 * kSecond));

  ASSERT_FALSE(puller.pulledAt.empty());
  // The loss ends the attempt at once, not after a second of silence.
  ASSERT_FALSE(puller.timedOutAt.empty());
  EXPECT_LT(puller.timedOutAt[0] - puller.pulledAt[0], 1 * kMs);
  if (c.comesBack) {
    // Every attempt loses the device at the same step: 1 + 3 retries, then
    // the failure message.
    EXPECT_EQ(puller.pulledAt.size(), 4u);
    EXPECT_EQ(messages.lastText(), "Fail connect with transceiver.");
    EXPECT_EQ(view.text, "Communication fault.");
  } else {
    // The retry finds no device: the port message ends the transfer.
    EXPECT_EQ(puller.pulledAt.size(), 1u);
    EXPECT_EQ(line->opens(), 1);
    EXPECT_EQ(messages.lastText(), "Communication port is error, please setting right communication port . ！");
  }
  EXPECT_FALSE(transfer.busy());
  EXPECT_FALSE(transfer.running());
  EXPECT_FALSE(line->heldOpen());
  if (!c.write) {
    EXPECT_TRUE(state.MemImage == before);
  }
  // Nothing is left running; the dialog may close.
  runFor(30 * kSecond);
  EXPECT_FALSE(transfer.running());
  EXPECT_TRUE(transfer.closeRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PortLossTest,
    ::testing::Values(LossCase{"read_after_handshake", false, Step::AfterHandshake, false},
                      LossCase{"read_between_blocks", false, Step::BetweenBlocks, false},
                      LossCase{"read_between_blocks_back", false, Step::BetweenBlocks, true},
                      LossCase{"read_before_last_block_back", false, Step::BeforeLastBlock, true},
                      LossCase{"write_after_handshake", true, Step::AfterHandshake, false},
                      LossCase{"write_between_frames", true, Step::BetweenBlocks, false},
                      LossCase{"write_between_frames_back", true, Step::BetweenBlocks, true},
                      LossCase{"write_before_last_frame_back", true, Step::BeforeLastBlock, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(LinkFixture, ALostDeviceThatComesBackLetsTheRetryFinishTheRead) {
  plugRadio();
  for (int a = 0; a < 0x1800; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a ^ 0x5A);
  RecordingView view;
  link::WholeMemoryRead read{state, messages, panels, services, view};
  struct Once : link::LinkObserver {
    RadioBench* bench = nullptr;
    bool done = false;
    void readProgress(int n) override {
      if (done || n != 40) return;
      done = true;
      bench->line->vanish();
      bench->clock.schedule(bench->clock.nowUs() + 200 * kMs, [b = bench] { b->line->reappear(); });
    }
  } once;
  once.bench = this;
  read.transfer().setListener(&once);
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return !read.transfer().running(); }));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete reading the data from transceiver."});
  EXPECT_EQ(state.MemImage.byte(0x1234), radio->memory()[0x1234]);
}

}  // namespace
}  // namespace brel::test
