// The link engine's mechanics: time-outs and retries, the port opening, and
// the one-shot and legacy generations the editors use.
#include "link_engine.h"

#include "ident_decode.h"
#include "link_fixture.h"
#include "profiles.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;

// Blocks of 64 bytes from a base, as the option and FM editors read; the
// payloads are kept as they came.
class BlocksFrom : public link::ReadPlan {
 public:
  BlocksFrom(int hi, int lo, int count) : base_((hi << 8) | lo), count_(count) {}
  int blockCount() const override { return count_; }
  link::Block block(int i) const override { return {static_cast<std::uint16_t>(base_ + 64 * i), 64}; }
  void onBlock(int, std::span<const std::uint8_t> payload) override { staged.emplace_back(payload.begin(), payload.end()); }
  void complete() override { committed = staged; }
  std::vector<std::vector<std::uint8_t>> staged, committed;

 private:
  int base_;
  int count_;
};

// Image rows first..first+count-1 to the radio from a base address.
class RowsTo : public link::WritePlan {
 public:
  RowsTo(const MemoryImage& image, int firstRow, int count, int address)
      : image_(image), first_(firstRow), count_(count), address_(address) {}
  int frameCount() const override { return count_; }
  link::FrameData frame(int i) const override {
    return link::FrameData::Row(static_cast<std::uint16_t>(address_ + 16 * i), image_, first_ + i);
  }

 private:
  const MemoryImage& image_;
  int first_, count_, address_;
};

class EngineTest : public LinkFixture {
 protected:
  std::unique_ptr<link::LinkEngine> makeEngine(link::EngineProfile profile) {
    return std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services}, std::move(profile),
                                              observer);
  }
  RecordingObserver observer;
};

TEST_F(EngineTest, ReplyTimeOutCountsFromWhenTheLastByteHasLeft) {
  // A slow line: the 7-byte command needs 350 ms to leave.
  plugRadio({}, kRadioPort, 50 * kMs).addFault({sim::FaultKind::Silence});
  auto engine = makeEngine(link::profiles::ReadDialog());
  ASSERT_TRUE(engine->startRead(std::make_shared<link::WholeMemoryReadPlan>(state.MemImage)));
  ASSERT_TRUE(runUntil([&] { return observer.timeouts == 1; }));
  // 15 ms to the first byte, 7 bytes of 50 ms, then 1000 ms of silence.
  EXPECT_EQ(clock.nowUs(), 15 * kMs + 7 * 50 * kMs + 1000 * kMs);
}

TEST_F(EngineTest, EachTimeOutGivesOneRetryAfterTheDelayAndTheLastGivesUp) {
  plugRadio().addFault({sim::FaultKind::Silence});
  auto engine = makeEngine(link::profiles::ReadDialog());
  engine->setRetries(2);
  ASSERT_TRUE(engine->startRead(std::make_shared<link::WholeMemoryReadPlan>(state.MemImage)));
  ASSERT_TRUE(runUntil([&] { return observer.gaveUpCount == 1; }));
  EXPECT_EQ(observer.timeouts, 3);
  EXPECT_EQ(line->opens(), 3);
  EXPECT_FALSE(engine->busy());
  EXPECT_FALSE(engine->portOpen());
  runFor(60 * kSecond);
  EXPECT_EQ(observer.timeouts, 3);
  EXPECT_EQ(observer.gaveUpCount, 1);
}

TEST_F(EngineTest, BusyFlagsAreClearedByTheTimeOutAndSetAgainByTheRetry) {
  plugRadio().addFault({sim::FaultKind::Silence});
  auto engine = makeEngine(link::profiles::WriteDialog());
  engine->setRetries(1);
  ASSERT_TRUE(engine->startWrite(std::make_shared<link::WholeMemoryWritePlan>(state.MemImage)));
  EXPECT_EQ(engine->fields().WriteBusy, -1);
  EXPECT_EQ(engine->fields().ReadBusy, 0);
  ASSERT_TRUE(runUntil([&] { return observer.timeouts == 1; }));
  EXPECT_FALSE(engine->busy());
  EXPECT_TRUE(engine->retryPending());
  runFor(1000 * kMs);
  EXPECT_EQ(engine->fields().WriteBusy, -1);  // the retry restarted the write
  EXPECT_FALSE(engine->startRead(std::make_shared<link::WholeMemoryReadPlan>(state.MemImage)));
}

TEST_F(EngineTest, StartReportsAPortThatDoesNotOpenInTheWindowsWording) {
  auto prompt = makeEngine(link::profiles::ReadDialog());
  EXPECT_FALSE(prompt->startRead(std::make_shared<link::WholeMemoryReadPlan>(state.MemImage)));
  auto shortWording = makeEngine(link::profiles::OptionEditor());
  EXPECT_FALSE(shortWording->startRead(std::make_shared<BlocksFrom>(0x0E, 0x00, 5)));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(messages.shown[0].text, "Communication port is error, please setting right communication port . ！");
  EXPECT_EQ(messages.shown[1].title, "Operate Prompt");
  EXPECT_EQ(messages.shown[1].text, "Communication Port Open Error ！");
  EXPECT_EQ(state.PortErrorFlag, -1);
  EXPECT_FALSE(prompt->busy());
  EXPECT_TRUE(clock.idle());
}

TEST_F(EngineTest, OneShotGenerationDropsTheLeadingAckAndTakes69ByteReplies) {
  sim::SimConfig config;
  config.oneShot = true;
  config.vhfLower = 136, config.vhfUpper = 174;
  sim::RadioSim& r = plugRadio(config);
  for (int a = 0x0E00; a < 0x0F40; ++a) r.memory()[a] = static_cast<std::uint8_t>(a);
  state.VfoBUpper = 480;
  auto engine = makeEngine(link::profiles::OptionEditor());
  engine->setRetries(1);
  auto plan = std::make_shared<BlocksFrom>(0x0E, 0x00, 5);
  ASSERT_TRUE(engine->startRead(plan));
  ASSERT_TRUE(runUntil([&] { return observer.readCompleteCount == 1; }));

  EXPECT_EQ(observer.timeouts, 0);
  EXPECT_EQ(r.readRequests(), (std::vector<int>{0x0E00, 0x0E40, 0x0E80, 0x0EC0, 0x0F00}));
  // Command and request in one frame, then the first request without its Ack.
  const auto& sent = line->fromProgram();
  ASSERT_GE(sent.size(), 12u);
  EXPECT_EQ(sent[7], link::kIdentRequest);
  EXPECT_EQ(sent[8], 0x53);
  ASSERT_EQ(plan->committed.size(), 5u);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(plan->committed[k][0], (0x0E00 + 64 * k) & 0xFF);
  // The option editor's decoding: band A from the frame, its upper limit
  // raised; band B's limits stay as they were.
  EXPECT_EQ(state.VfoALower, 136);
  EXPECT_EQ(state.VfoAUpper, 175);
  EXPECT_EQ(state.VhfUpper, 175);
  EXPECT_EQ(state.VfoBUpper, 480);
  EXPECT_EQ(panels.panelText(7), " 136-- 174 MHZ");
}

TEST_F(EngineTest, OneShotWriteSendsEveryFrameWithoutItsLeadingAck) {
  sim::SimConfig config;
  config.oneShot = true;
  sim::RadioSim& r = plugRadio(config);
  for (int c = 0; c < 16; ++c) state.MemImage.at(224, c) = 0x20 + c, state.MemImage.at(225, c) = 0x80 + c;
  auto engine = makeEngine(link::profiles::DtmfEditor());
  ASSERT_TRUE(engine->startWrite(std::make_shared<RowsTo>(state.MemImage, 224, 2, 0x0E00)));
  ASSERT_TRUE(runUntil([&] { return observer.writeCompleteCount == 1; }));
  ASSERT_EQ(r.writeFrames().size(), 2u);
  EXPECT_EQ(r.writeFrames()[1].size(), 20u);
  EXPECT_EQ(r.memory()[0x0E10], 0x80);
  EXPECT_EQ(std::count(line->fromProgram().begin() + 8, line->fromProgram().end(), 0x06), 0);
}

TEST_F(EngineTest, LegacyGenerationAcceptsTheBBFrameAndRaisesBothUpperLimits) {
  sim::RadioSim& r = plugRadio();
  for (int a = 0x3000; a < 0x3100; ++a) r.memory()[a] = static_cast<std::uint8_t>(a >> 2);
  auto engine = makeEngine(link::profiles::FmEditor());
  auto plan = std::make_shared<BlocksFrom>(0x30, 0x00, 4);
  ASSERT_TRUE(engine->startRead(plan));
  ASSERT_TRUE(runUntil([&] { return observer.readCompleteCount == 1; }));

  const auto& sent = line->fromProgram();
  const auto legacy = link::kBrelProCommands.legacyCommand;
  EXPECT_TRUE(std::equal(legacy.begin(), legacy.end(), sent.begin()));
  EXPECT_EQ(std::vector<std::uint8_t>(sent.begin() + 8, sent.begin() + 13),
            (std::vector<std::uint8_t>{0x06, 0x53, 0x30, 0x00, 0x40}));
  ASSERT_EQ(plan->committed.size(), 4u);
  EXPECT_EQ(plan->committed[3][0], 0x30C0 >> 2 & 0xFF);
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(10), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(4), "与对讲机数据通讯正常");
  EXPECT_EQ(state.VhfLower, 136);
  EXPECT_EQ(state.VhfUpper, 175);
  EXPECT_EQ(state.VfoAUpper, 175);
  EXPECT_EQ(state.VfoBUpper, 175);
}

TEST_F(EngineTest, LegacyWriteFramesCarryTheirLeadingAck) {
  sim::RadioSim& r = plugRadio();
  for (int c = 0; c < 16; ++c) state.MemImage.at(0, c) = 0x40 + c;
  auto engine = makeEngine(link::profiles::OlderOptionEditor());
  ASSERT_TRUE(engine->startWrite(std::make_shared<RowsTo>(state.MemImage, 0, 3, 0x0E20)));
  ASSERT_TRUE(runUntil([&] { return observer.writeCompleteCount == 1; }));
  EXPECT_EQ(r.writeFrames().size(), 3u);
  EXPECT_EQ(r.memory()[0x0E20], 0x40);
  // 8-byte command, then three 21-byte frames.
  EXPECT_EQ(line->fromProgram().size(), 8u + 3u * 21u);
  EXPECT_EQ(line->fromProgram()[8], 0x06);
}

TEST(IdentDecodeTest, WorkedExamplesOfTheSteppedFrames) {
  ProgramState s;
  MapStatusPanels panels;
  const std::uint8_t type0[] = {0xAA, 0x00, 0x01, 0x36, 0x01, 0x74, 0x00, 0x04, 0x00, 0x04, 0x80, 0xDD};
  EXPECT_TRUE(link::DecodeIdentFrame(link::IdentDecoding::SteppedByType, type0, s, panels));
  EXPECT_EQ(panels.panelText(7), "Band_A: 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(8), "Band_B: 400-- 480 MHZ");
  EXPECT_EQ(s.UhfUpper, 480);

  s.IdentFrameType = 2;
  const std::uint8_t type2[] = {0xAA, 0x45, 0x73, 0x04, 0x10, 0x04, 0x70, 0xDD};
  EXPECT_TRUE(link::DecodeIdentFrame(link::IdentDecoding::SteppedByType, type2, s, panels));
  EXPECT_EQ(panels.panelText(7), "VHF: 145-- 173 MHZ");
  EXPECT_EQ(panels.panelText(8), "UHF: 410-- 470 MHZ");
  EXPECT_EQ(s.VhfLower, 145);

  // The port dialog reads every frame as type 2, but a variant other than 0
  // gets the fixed limits.
  s.IdentFrameType = 1;
  EXPECT_TRUE(link::DecodeIdentFrame(link::IdentDecoding::PortDialogCopy, type2, s, panels));
  EXPECT_EQ(panels.panelText(7), "VHF: 136-- 174 MHZ");
  EXPECT_EQ(s.VfoBUpper, 480);
}

}  // namespace
}  // namespace brel::test
