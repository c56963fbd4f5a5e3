// The block exchange on the line: read and write framing per window, the
// read-then-write exchange and its time-outs, the long frame, stray bytes between replies,
// the pacing of frames, misuse of the start routines, and late answers of
// an earlier attempt, which never count for a later one.
#include <algorithm>

#include "ident_decode.h"
#include "link_engine.h"
#include "link_fixture.h"
#include "profiles.h"

namespace brel::test {
namespace {

using link::kMs;
using link::kSecond;
using Bytes = std::vector<std::uint8_t>;

// `count` blocks of `length` bytes from `base`; payloads staged, committed
// only at the end.
class Blocks : public link::ReadPlan {
 public:
  Blocks(int base, int length, int count) : base_(base), length_(length), count_(count) {}
  int blockCount() const override { return count_; }
  link::Block block(int i) const override {
    return {static_cast<std::uint16_t>(base_ + length_ * i), static_cast<std::uint8_t>(length_)};
  }
  void begin() override { staged.clear(); }
  void onBlock(int, std::span<const std::uint8_t> payload) override { staged.insert(staged.end(), payload.begin(), payload.end()); }
  void complete() override { committed = staged; }
  Bytes staged, committed;

 private:
  int base_, length_, count_;
};

class Frames : public link::WritePlan {
 public:
  explicit Frames(std::vector<link::FrameData> frames) : frames_(std::move(frames)) {}
  int frameCount() const override { return static_cast<int>(frames_.size()); }
  link::FrameData frame(int i) const override { return frames_[static_cast<std::size_t>(i)]; }

 private:
  std::vector<link::FrameData> frames_;
};

link::FrameData Data(std::uint16_t address, std::uint8_t first) {
  link::FrameData d;
  d.address = address;
  for (int k = 0; k < 16; ++k) d.bytes[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(first + k);
  return d;
}

bool Contains(const Bytes& haystack, const Bytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

class BlockExchangeTest : public LinkFixture {
 protected:
  std::unique_ptr<link::LinkEngine> engine(link::EngineProfile profile) {
    return std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services}, std::move(profile),
                                              outcomes);
  }
  Bytes radioBytes(int address, int count) const {
    return Bytes(radio->memory().begin() + address, radio->memory().begin() + address + count);
  }
  Bytes sentFrom(std::size_t from, std::size_t count) const {
    const Bytes& sent = line->fromProgram();
    return Bytes(sent.begin() + static_cast<std::ptrdiff_t>(from),
                 sent.begin() + static_cast<std::ptrdiff_t>(std::min(sent.size(), from + count)));
  }
  RecordingObserver outcomes;
};

struct ReadCase {
  const char* what;
  link::EngineProfile (*profile)();
  bool oneShot;
  int base, length, count;
  std::size_t handshakeBytes;  // what the program sends before the first request
  Bytes firstRequest;
};

TEST_F(BlockExchangeTest, ReadsAreFramedAsTheWindowSaysAndCheckedBeforeTheyCount) {
  const ReadCase cases[] = {
      {"stepped, 64 bytes: no 0x06 before the first request", link::profiles::ReadDialog, false, 0x0000, 64, 3, 9,
       {0x53, 0x00, 0x00, 0x40}},
      {"stepped, 16 bytes with a leading 0x06", link::profiles::AlignmentEditor, false, 0x1FF0, 16, 1, 9,
       {0x06, 0x53, 0x1F, 0xF0, 0x10}},
      {"one-shot: the 20 ms sender drops the 0x06", link::profiles::OptionEditor, true, 0x0E00, 64, 2, 8,
       {0x53, 0x0E, 0x00, 0x40}},
      {"legacy, 16 bytes, 0x06 sent", link::profiles::FmEditor, false, 0x3000, 16, 3, 8,
       {0x06, 0x53, 0x30, 0x00, 0x10}},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimConfig config;
    config.oneShot = c.oneShot;
    plugRadio(config);
    for (int a = 0; a < sim::RadioSim::kMemorySize; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a * 5 + 1);
    outcomes = {};
    auto e = engine(c.profile());
    auto plan = std::make_shared<Blocks>(c.base, c.length, c.count);
    ASSERT_TRUE(e->startRead(plan));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }));
    EXPECT_EQ(outcomes.readCompleteCount, 1);
    EXPECT_EQ(outcomes.timeouts, 0);
    EXPECT_EQ(plan->committed, radioBytes(c.base, c.length * c.count));
    EXPECT_EQ(sentFrom(c.handshakeBytes, c.firstRequest.size()), c.firstRequest);
    // Later requests go without a 0x06: the program's 0x06 for each reply
    // goes out by itself.
    std::vector<int> requests;
    for (int k = 0; k < c.count; ++k) requests.push_back(c.base + c.length * k);
    EXPECT_EQ(radio->readRequests(), requests);
    bus.unplug(kRadioPort);
  }
}

TEST_F(BlockExchangeTest, AReplyThatDoesNotAnswerTheRequestIsNeverStaged) {
  // The echoed address is off by one in the third reply of every session.
  plugRadio().addFault({sim::FaultKind::WrongHeader, 2});
  auto e = engine(link::profiles::ReadDialog());
  e->setRetries(1);
  auto plan = std::make_shared<Blocks>(0x0000, 64, 4);
  ASSERT_TRUE(e->startRead(plan));
  ASSERT_TRUE(runUntil([&] { return !e->running(); }));
  EXPECT_EQ(outcomes.timeouts, 2);
  EXPECT_EQ(outcomes.gaveUpCount, 1);
  EXPECT_EQ(plan->staged.size(), 2u * 64u);  // the second attempt got as far as the first
  EXPECT_TRUE(plan->committed.empty());
}

struct WriteCase {
  const char* what;
  link::EngineProfile (*profile)();
  bool oneShot;
  std::size_t handshakeBytes;
  std::size_t frameOnLine, erasedOnLine;
};

TEST_F(BlockExchangeTest, WriteFramesCarryTheLeadingAckWhereTheWindowSendsOne) {
  const WriteCase cases[] = {
      {"stepped whole-memory write", link::profiles::WriteDialog, false, 9, 20, 5},
      {"stepped alignment write", link::profiles::AlignmentEditor, false, 9, 21, 6},
      {"one-shot, the 0x06 dropped by the sender", link::profiles::DtmfEditor, true, 8, 20, 5},
      {"legacy", link::profiles::OlderOptionEditor, false, 8, 21, 6},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimConfig config;
    config.oneShot = c.oneShot;
    plugRadio(config);
    radio->memory().fill(0x00);
    outcomes = {};
    auto e = engine(c.profile());
    ASSERT_TRUE(e->startWrite(std::make_shared<Frames>(std::vector{Data(0x0E20, 0x40), link::FrameData::Erased(0x0030)})));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }));
    EXPECT_EQ(outcomes.writeCompleteCount, 1);
    EXPECT_EQ(line->fromProgram().size(), c.handshakeBytes + c.frameOnLine + c.erasedOnLine);
    EXPECT_EQ(radioBytes(0x0E20, 3), (Bytes{0x40, 0x41, 0x42}));
    EXPECT_EQ(radioBytes(0x0030, 2), (Bytes{0xFF, 0x00}));  // the short frame writes one byte
    bus.unplug(kRadioPort);
  }
}

TEST(WriteFrameTest, OneBuilderForWholeAndErasedFramesWithOrWithoutTheAck) {
  std::array<std::uint8_t, link::kMaxWriteFrame> out{};
  ASSERT_EQ(link::BuildWriteFrame(link::FrameData::Erased(0x1230), true, out.data()), 6u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 6), (Bytes{0x06, 0x58, 0x12, 0x30, 0x01, 0xFF}));
  ASSERT_EQ(link::BuildWriteFrame(Data(0x0F00, 7), false, out.data()), 20u);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 5), (Bytes{0x58, 0x0F, 0x00, 0x10, 7}));
  EXPECT_EQ(out[19], 22);
}

// Reads the line at 0x1FF0, then writes it back with its first byte raised,
// or refuses when that byte is 0.
class RaiseFirstByte : public link::ReadThenWritePlan {
 public:
  link::Block block() const override { return {0x1FF0, 16}; }
  std::optional<link::WriteDecision> decide(std::span<const std::uint8_t> payload) override {
    seen.assign(payload.begin(), payload.end());
    if (payload[0] == 0) return std::nullopt;
    link::WriteDecision d;
    d.frame.address = 0x1FF0;
    std::copy(payload.begin(), payload.end(), d.frame.bytes.begin());
    d.frame.bytes[0] = static_cast<std::uint8_t>(payload[0] + 1);
    d.leadingAck = true;
    return d;
  }
  Bytes seen;
};

TEST_F(BlockExchangeTest, ReadThenWriteReadsDecidesAndWritesOneFrame) {
  sim::SimConfig config;
  config.identType = 2;
  plugRadio(config);
  for (int k = 0; k < 16; ++k) radio->memory()[0x1FF0 + k] = static_cast<std::uint8_t>(0x30 + k);
  const Bytes before = radioBytes(0x1FF0, 16);
  auto e = engine(link::profiles::PasswordDialog());
  auto plan = std::make_shared<RaiseFirstByte>();
  ASSERT_TRUE(e->startReadThenWrite(plan));
  ASSERT_TRUE(runUntil([&] { return !e->running(); }));

  EXPECT_EQ(plan->seen, before);
  EXPECT_EQ(outcomes.answers, Bytes{0x06});
  EXPECT_EQ(radio->memory()[0x1FF0], 0x31);
  EXPECT_EQ(radio->memory()[0x1FF1], 0x31);
  // The request with its 0x06, the lone 0x06 for the reply, then the frame.
  const Bytes& sent = line->fromProgram();
  EXPECT_TRUE(Contains(sent, {0x06, 0x53, 0x1F, 0xF0, 0x10, 0x06, 0x06, 0x58, 0x1F, 0xF0, 0x10, 0x31}));
  EXPECT_FALSE(e->portOpen());
}

TEST_F(BlockExchangeTest, ReadThenWriteRefusedOrUnansweredWritesNothing) {
  sim::SimConfig config;
  config.identType = 2;
  plugRadio(config);
  radio->memory()[0x1FF0] = 0;  // refused by the plan
  auto e = engine(link::profiles::PasswordDialog());
  ASSERT_TRUE(e->startReadThenWrite(std::make_shared<RaiseFirstByte>()));
  ASSERT_TRUE(runUntil([&] { return !e->running(); }));
  EXPECT_EQ(outcomes.refusedCount, 1);
  EXPECT_TRUE(radio->writeFrames().empty());
  EXPECT_FALSE(e->portOpen());

  // A reply for another address: the time-out, no retry, nothing written.
  radio->memory()[0x1FF0] = 5;
  radio->addFault({sim::FaultKind::WrongHeader, 0});
  ASSERT_TRUE(e->startReadThenWrite(std::make_shared<RaiseFirstByte>()));
  ASSERT_TRUE(runUntil([&] { return !e->running(); }));
  EXPECT_EQ(outcomes.timeouts, 1);
  EXPECT_EQ(outcomes.gaveUpCount, 1);
  EXPECT_TRUE(radio->writeFrames().empty());
  EXPECT_EQ(radio->memory()[0x1FF0], 5);
}

// When each attempt's handshake completed and when it timed out.
class Stamps : public RecordingObserver {
 public:
  explicit Stamps(const link::VirtualClock& clock) : clock_(clock) {}
  void connected() override { connectedAt.push_back(clock_.nowUs()); }
  void attemptTimedOut() override {
    RecordingObserver::attemptTimedOut();
    timedOutAt.push_back(clock_.nowUs());
  }
  std::vector<std::int64_t> connectedAt, timedOutAt;

 private:
  const link::VirtualClock& clock_;
};

TEST_F(BlockExchangeTest, ReadThenWriteEndsWhereverTheRadioFallsSilent) {
  // Answer 0 is the reply; answer 1 opens with the radio's 0x06 for our lone
  // 0x06, and its byte 1 is the radio's answer to the frame.
  struct Case {
    const char* what;
    sim::Fault fault;
    int retries;
    int timeouts;
    bool held;      // the radio holds the frame
    bool answered;  // its answer to the frame was taken
  };
  const Case cases[] = {
      {"silent before its reply", {sim::FaultKind::Disconnect, 0}, 0, 1, false, false},
      {"silent after its reply", {sim::FaultKind::Disconnect, 1}, 0, 1, false, false},
      {"silent after its reply, also after a retry", {sim::FaultKind::Disconnect, 1}, 1, 2, false, false},
      {"its 0x06 for ours lost", {sim::FaultKind::DropByte, 1, 0}, 0, 1, false, false},
      {"its 0x06 for ours lost, also after a retry", {sim::FaultKind::DropByte, 1, 0}, 1, 2, false, false},
      {"its 0x06 for ours lost once: the retry goes through", {sim::FaultKind::DropByte, 1, 0, 1}, 1, 1, true, true},
      {"its answer to the frame lost", {sim::FaultKind::DropByte, 1, 1}, 0, 1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimConfig config;
    config.identType = 2;
    plugRadio(config).addFault(c.fault);
    radio->memory()[0x1FF0] = 5;
    Stamps stamps(clock);
    auto e = std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services},
                                                link::profiles::PasswordDialog(), stamps);
    e->setRetries(c.retries);
    ASSERT_TRUE(e->startReadThenWrite(std::make_shared<RaiseFirstByte>()));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }, 30 * kSecond)) << "the exchange never ends";

    EXPECT_EQ(stamps.timeouts, c.timeouts);
    EXPECT_EQ(stamps.gaveUpCount, c.answered ? 0 : 1);
    EXPECT_EQ(stamps.answers, c.answered ? Bytes{0x06} : Bytes{});
    EXPECT_EQ(radio->memory()[0x1FF0], c.held ? 6 : 5);
    EXPECT_EQ(radio->sessions(), 1 + std::min(c.retries, c.timeouts));
    EXPECT_FALSE(e->portOpen());
    // Each time-out comes a reply time-out after the attempt's last byte,
    // within the few bytes of the block phase.
    ASSERT_EQ(stamps.timedOutAt.size(), stamps.connectedAt.size() - (c.answered ? 1 : 0));
    for (std::size_t k = 0; k < stamps.timedOutAt.size(); ++k) {
      EXPECT_GE(stamps.timedOutAt[k] - stamps.connectedAt[k], 1000 * kMs);
      EXPECT_LE(stamps.timedOutAt[k] - stamps.connectedAt[k], 1100 * kMs);
    }
    bus.unplug(kRadioPort);
  }
}

TEST_F(BlockExchangeTest, TheLongFrameOpensTheBlockPhaseOnlyWhereItIsAccepted) {
  struct Case {
    const char* what;
    bool accept;
    int damagedByte;  // -1: the radio's own frame
    bool reachesBlocks;
  };
  const Case cases[] = {
      {"accepted", true, -1, true},
      {"a window that does not accept it", false, -1, false},
      {"last byte not 0x55", true, 49, false},
      {"a limit digit above 9", true, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimConfig config;
    config.longLegacy = true;
    plugRadio(config);
    if (c.damagedByte >= 0) {
      // The frame the radio would send, with one byte spoilt.
      sim::RadioSim probe(config);
      Bytes frame;
      probe.setSender([&](const Bytes& b, std::int64_t) { frame.insert(frame.end(), b.begin(), b.end()); });
      for (std::uint8_t b : link::kBrelProCommands.legacyCommand) probe.received(b);
      ASSERT_EQ(frame.size(), link::kLongIdentFrameLength);
      frame[static_cast<std::size_t>(c.damagedByte)] = c.damagedByte == 49 ? 0x54 : 0x0A;
      radio->config().identFrame = frame;
    }
    outcomes = {};
    link::EngineProfile profile = link::profiles::SignallingEditor();
    profile.acceptLongFrame = c.accept;
    auto e = engine(profile);
    e->setRetries(1);
    auto plan = std::make_shared<Blocks>(0x2D00, 64, 2);
    ASSERT_TRUE(e->startRead(plan));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }));
    EXPECT_EQ(outcomes.identifiedCount > 0, c.reachesBlocks);
    EXPECT_EQ(outcomes.readCompleteCount, c.reachesBlocks ? 1 : 0);
    EXPECT_EQ(outcomes.gaveUpCount, c.reachesBlocks ? 0 : 1);
    bus.unplug(kRadioPort);
  }
}

TEST_F(BlockExchangeTest, StrayBytesAfterAReplyAreDroppedBeforeTheNextRequest) {
  struct Case {
    const char* what;
    link::EngineProfile (*profile)();
    bool oneShot;
  };
  const Case cases[] = {{"stepped", link::profiles::ReadDialog, false}, {"one-shot", link::profiles::OptionEditor, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimConfig config;
    config.oneShot = c.oneShot;
    plugRadio(config);
    // Three stray bytes behind each of the first replies, arriving one line
    // time after another, after the reply is complete.
    for (int answer = 0; answer < 4; ++answer) radio->addFault({sim::FaultKind::Trailing, answer, 3});
    for (int a = 0; a < 0x200; ++a) radio->memory()[a] = static_cast<std::uint8_t>(a);
    outcomes = {};
    auto e = engine(c.profile());
    auto plan = std::make_shared<Blocks>(0x0000, 64, 5);
    ASSERT_TRUE(e->startRead(plan));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }));
    EXPECT_EQ(outcomes.timeouts, 0);
    EXPECT_EQ(plan->committed, radioBytes(0, 5 * 64));
    bus.unplug(kRadioPort);
  }
}

TEST_F(BlockExchangeTest, AStartOfTheWrongKindIsRefusedAndSendsNothing) {
  plugRadio();
  auto transfer = engine(link::profiles::ReadDialog());
  EXPECT_FALSE(transfer->startIdent());
  auto ident = engine(link::profiles::MainWindowIdent());
  EXPECT_FALSE(ident->startRead(std::make_shared<Blocks>(0, 64, 1)));
  EXPECT_FALSE(ident->startWrite(std::make_shared<Frames>(std::vector{Data(0, 0)})));
  EXPECT_FALSE(transfer->startRead(std::make_shared<Blocks>(0, 64, 0)));  // nothing to read
  EXPECT_FALSE(transfer->running());
  EXPECT_FALSE(ident->running());
  runFor(5 * kSecond);
  EXPECT_TRUE(line->fromProgram().empty());
  EXPECT_EQ(line->opens(), 0);
}

// Records when each byte reaches the far end.
class ByteClock : public link::MemoryDevice {
 public:
  explicit ByteClock(link::VirtualClock& clock) : clock_(clock) {}
  void received(std::uint8_t) override { at.push_back(clock_.nowUs()); }
  std::vector<std::int64_t> at;

 private:
  link::VirtualClock& clock_;
};

TEST_F(BlockExchangeTest, FramesGoInOneWriteWhereTheLinePacesThemAndAPauseApartElsewhere) {
  struct Case {
    const char* what;
    link::EngineProfile (*profile)();
    std::int64_t gapUs;  // between bytes of the opening command at the far end
  };
  const Case cases[] = {
      {"stepped, pause under a byte's time", link::profiles::ReadDialog, link::kLineByteUs},
      {"whole frame", link::profiles::SignallingEditor, link::kLineByteUs},
      {"2 ms a byte", link::profiles::ChannelEditor, 2 * kMs},
      {"10 ms a byte", link::profiles::FmEditor, 10 * kMs},
      {"20 ms a byte", link::profiles::OptionEditor, 20 * kMs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    link::MemoryLine& cable = bus.plug(kRadioPort);
    ByteClock far(clock);
    cable.attach(&far);
    auto e = engine(c.profile());
    const std::int64_t armed = clock.nowUs();
    ASSERT_TRUE(e->startRead(std::make_shared<Blocks>(0, 64, 1)));
    ASSERT_TRUE(runUntil([&] { return far.at.size() >= 7; }));
    EXPECT_EQ(far.at[0], armed + 15 * kMs + link::kLineByteUs);
    for (std::size_t k = 1; k < 7; ++k) EXPECT_EQ(far.at[k] - far.at[k - 1], c.gapUs) << k;
    e->stop();
    cable.attach(nullptr);
    bus.unplug(kRadioPort);
  }
}

// --- Late answers ---------------------------------------------------------
//
// A radio that answers later than the time-out plus the retry delay answers
// an attempt after the one it was asked in.  None of that may count for the
// later attempt: not before its command or frame has left the port, and a
// frame without the 0x06 in front never.  The outcome may be a retry or a
// failure; a write reported complete must find the radio holding it.

// What the engine says, checked at the moment it says it: the lower band
// limit each identification decoded and in which attempt (0, 1, ...), and
// whether the radio already holds the write's frames when it is reported
// complete.
class Witness : public RecordingObserver {
 public:
  Witness(const ProgramState& state, const sim::RadioSim& radio, std::vector<link::FrameData> frames)
      : state_(state), radio_(radio), frames_(std::move(frames)) {}
  void identified() override {
    RecordingObserver::identified();
    lowers.push_back(static_cast<int>(state_.VhfLower));
    attempts.push_back(timeouts);
  }
  void connected() override {
    if (onConnected) onConnected();
  }
  void writeComplete() override {
    RecordingObserver::writeComplete();
    heldWhenComplete = held();
  }
  void attemptTimedOut() override {
    RecordingObserver::attemptTimedOut();
    if (onTimeout) onTimeout();
  }
  void beforeRetry() override {
    if (onRetry) onRetry();
  }
  bool held() const {
    for (const link::FrameData& f : frames_)
      for (int k = 0; k < f.length; ++k)
        if (radio_.memory()[f.address + k] != f.bytes[static_cast<std::size_t>(k)]) return false;
    return true;
  }

  std::vector<int> lowers, attempts;
  bool heldWhenComplete = false;
  std::function<void()> onRetry, onConnected, onTimeout;

 private:
  const ProgramState& state_;
  const sim::RadioSim& radio_;
  std::vector<link::FrameData> frames_;
};

// When the sender armed at `armedUs` hands the last of `bytes` bytes to the
// port, and how long the line then still needs before the radio has them.
std::int64_t LastHandedUs(const link::EngineProfile& p, std::int64_t armedUs, int bytes) {
  const std::int64_t first = armedUs + p.firstTickMs * kMs;
  // Every other sender leaves the pacing to the line: one write.
  if (p.sender != link::SenderKind::BytePerTick) return first;
  return first + static_cast<std::int64_t>(bytes - 1) * p.byteTickMs * kMs;
}
std::int64_t StillOnLineUs(const link::EngineProfile& p, int bytes) {
  return p.sender == link::SenderKind::BytePerTick ? link::kLineByteUs : bytes * link::kLineByteUs;
}
int CommandBytes(const link::EngineProfile& p) {
  return p.generation == link::Generation::Stepped && !p.commandWithIdentRequest ? 7 : 8;
}
int FrameBytes(const link::EngineProfile& p) {
  const bool ackDropped = p.sender == link::SenderKind::BytePerTick && p.dropLeadingAck;
  return p.ackBeforeWriteFrames && !ackDropped ? 21 : 20;
}

// What a radio like `config`, but with VHF from 140 MHz, answers the
// opening command.  The one-shot radio's 0x06 comes at once, within its own
// attempt; what comes late is its frame.
Bytes EarlierAnswer(sim::SimConfig config, link::Generation generation) {
  config.vhfLower = 140;
  sim::RadioSim probe(config);
  Bytes sent;
  probe.setSender([&](const Bytes& b, std::int64_t) { sent.insert(sent.end(), b.begin(), b.end()); });
  const bool legacy = generation == link::Generation::Legacy || generation == link::Generation::LongLegacy;
  for (std::uint8_t b : legacy ? link::kBrelProCommands.legacyCommand : link::ProgramModeCommand(0)) probe.received(b);
  if (generation == link::Generation::OneShot) sent.erase(sent.begin());
  return sent;
}

link::EngineProfile ChannelEditorShowingBandA() {
  // The channel editor decodes nothing; decoding band A shows whose frame
  // was taken, and changes no byte on the line nor when it goes.
  link::EngineProfile p = link::profiles::ChannelEditor();
  p.decoding = link::IdentDecoding::OneShotBand;
  return p;
}

enum class Late { WhileCommandGoesOut, JustAfterCommand, JustAfterFrame };

struct LateCase {
  const char* what;
  link::EngineProfile (*profile)();
  Late late;
};

TEST_F(BlockExchangeTest, ALateAnswerOfThePreviousAttemptNeverCountsForTheRetry) {
  const LateCase cases[] = {
      {"one-shot, 20 ms a byte: its frame lands while the command goes out", link::profiles::OptionEditor,
       Late::WhileCommandGoesOut},
      {"one-shot, 20 ms a byte: its frame lands just after the command", link::profiles::OptionEditor,
       Late::JustAfterCommand},
      {"one-shot, 2 ms a byte: its frame lands while the command goes out", ChannelEditorShowingBandA,
       Late::WhileCommandGoesOut},
      {"one-shot, 2 ms a byte: its frame lands just after the command", ChannelEditorShowingBandA,
       Late::JustAfterCommand},
      {"legacy: its answer lands while the command goes out", link::profiles::FmEditor, Late::WhileCommandGoesOut},
      {"legacy: its answer lands just after the command", link::profiles::FmEditor, Late::JustAfterCommand},
      {"long legacy, one write: its frame lands while the command goes out", link::profiles::SignallingEditor,
       Late::WhileCommandGoesOut},
      {"long legacy, one write: its frame lands just after the command", link::profiles::SignallingEditor,
       Late::JustAfterCommand},
      {"stepped: its 0x06 and frame land while the command goes out", link::profiles::WriteDialog,
       Late::WhileCommandGoesOut},
      {"stepped: its 0x06 and frame land just after the command", link::profiles::WriteDialog,
       Late::JustAfterCommand},
      {"one-shot, 20 ms a byte: a 0x06 just after the frame", link::profiles::OptionEditor, Late::JustAfterFrame},
      {"one-shot, 2 ms a byte: a 0x06 just after the frame", link::profiles::ChannelEditor, Late::JustAfterFrame},
      {"legacy: a 0x06 just after the frame", link::profiles::FmEditor, Late::JustAfterFrame},
      {"long legacy, one write: a 0x06 just after the frame", link::profiles::SignallingEditor, Late::JustAfterFrame},
      {"stepped, paced by the line: a 0x06 just after the frame", link::profiles::WriteDialog, Late::JustAfterFrame},
  };
  const link::FrameData frame = Data(0x0E20, 0x40);
  for (const LateCase& c : cases) {
    SCOPED_TRACE(c.what);
    const link::EngineProfile profile = c.profile();
    sim::SimConfig config;
    config.oneShot = profile.generation == link::Generation::OneShot;
    config.longLegacy = profile.generation == link::Generation::LongLegacy;
    plugRadio(config).addFault({sim::FaultKind::Silence, 0, 0, 1});  // the first attempt gets nothing
    radio->memory().fill(0x00);
    const Bytes answer = c.late == Late::JustAfterFrame ? Bytes{link::kAck} : EarlierAnswer(config, profile.generation);
    // The earlier answer's first byte lands at `firstUs`.
    auto land = [&](std::int64_t firstUs) {
      clock.schedule(firstUs - link::kLineByteUs, [this, answer] { line->send(answer); });
    };

    Witness witness(state, *radio, {frame});
    bool landed = false;
    witness.onRetry = [&] {
      if (landed || c.late == Late::JustAfterFrame) return;
      landed = true;
      const int n = CommandBytes(profile);
      const std::int64_t handed = LastHandedUs(profile, clock.nowUs(), n);
      const auto length = static_cast<std::int64_t>(answer.size());
      if (profile.sender == link::SenderKind::BytePerTick) {
        // Between the last two bytes of the command, or while its last byte
        // is still on the line.
        land(c.late == Late::WhileCommandGoesOut ? handed - 500 - (length - 1) * link::kLineByteUs : handed + 40);
      } else {
        // The whole command is on the line: as it starts, or as it ends.
        land(c.late == Late::WhileCommandGoesOut ? handed + 100 : handed + StillOnLineUs(profile, n) - 500);
      }
    };
    witness.onConnected = [&] {
      if (landed || c.late != Late::JustAfterFrame) return;
      landed = true;
      const int n = FrameBytes(profile);
      const std::int64_t handed = LastHandedUs(profile, clock.nowUs(), n);
      land(handed + StillOnLineUs(profile, n) / 2);
    };
    auto e = std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services}, profile, witness);
    e->setRetries(2);
    ASSERT_TRUE(e->startWrite(std::make_shared<Frames>(std::vector{frame})));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }));

    EXPECT_TRUE(landed);
    EXPECT_EQ(witness.writeCompleteCount + witness.gaveUpCount, 1);
    if (witness.writeCompleteCount == 1) {
      EXPECT_TRUE(witness.heldWhenComplete) << "complete without the frame";
    }
    for (int lower : witness.lowers) EXPECT_EQ(lower, 136) << "the earlier answer's frame was taken";
    bus.unplug(kRadioPort);
  }
}

struct LateRadio {
  const char* what;
  std::vector<sim::Fault> faults;
};

TEST_F(BlockExchangeTest, AOneShotRadioAnsweringLateHasOnlyItsOwnAttemptsAnswerTaken) {
  // The option editor's write: 20 ms a byte, the first attempt's time-out
  // at about 1.16 s, the retry's command from about 2.66 s on.
  const LateRadio radios[] = {
      {"its 0x06 1 s late, and its frame 2.5 s late in the first attempt",
       {{sim::FaultKind::LateByte, sim::kCommandAck, 0, -1, 1 * kSecond},
        {sim::FaultKind::LateByte, sim::kIdentFrame, 0, 1, 2500 * kMs}}},
      // The first attempt's 0x06 and frame land after seven bytes of the
      // retry's command; the retry's 0x06 comes when its frame is out.
      {"its first answer landing while the retry's command goes out",
       {{sim::FaultKind::LateByte, sim::kCommandAck, 0, -1, 1 * kSecond},
        {sim::FaultKind::LateByte, sim::kCommandAck, 0, 1, 2660 * kMs}}},
  };
  const link::FrameData frame = Data(0x0E20, 0x40);
  for (const LateRadio& r : radios) {
    SCOPED_TRACE(r.what);
    sim::SimConfig config;
    config.oneShot = true;
    plugRadio(config);
    for (const sim::Fault& f : r.faults) radio->addFault(f);
    radio->memory().fill(0x00);
    Witness witness(state, *radio, {frame});
    // Each attempt's frame tells which attempt it answers: VHF from 136 MHz
    // in the first, 137 in the second, ...
    witness.onTimeout = [&] { radio->config().vhfLower += 1; };
    auto e = std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services},
                                                link::profiles::OptionEditor(), witness);
    e->setRetries(2);
    ASSERT_TRUE(e->startWrite(std::make_shared<Frames>(std::vector{frame})));
    ASSERT_TRUE(runUntil([&] { return !e->running(); }));

    EXPECT_GE(witness.timeouts, 1);
    EXPECT_EQ(witness.writeCompleteCount + witness.gaveUpCount, 1);
    if (witness.writeCompleteCount == 1) {
      EXPECT_TRUE(witness.heldWhenComplete) << "complete without the frame";
    }
    ASSERT_FALSE(witness.lowers.empty());
    for (std::size_t i = 0; i < witness.lowers.size(); ++i)
      EXPECT_EQ(witness.lowers[i], 136 + witness.attempts[i]) << "an earlier attempt's frame was taken";
    bus.unplug(kRadioPort);
  }
}

TEST_F(BlockExchangeTest, AChannelWriteToARadioWhoseFrameAlwaysComesTooLateWritesNothing) {
  // Its frame, with 23 stray zero bytes behind it, comes 3.5 s late in every
  // attempt: each lands in the next attempt, or after the last.  The
  // channel editor's write: its profile, one retry, record and name frames.
  sim::SimConfig config;
  config.oneShot = true;
  plugRadio(config);
  radio->addFault({sim::FaultKind::Trailing, sim::kIdentFrame, 23});
  radio->addFault({sim::FaultKind::LateByte, sim::kIdentFrame, 0, -1, 3500 * kMs});
  radio->memory().fill(0xFF);
  const auto before = radio->memory();
  link::FrameData record = Data(0x0000, 0x20);
  link::FrameData name = Data(0x1000, 0x41);
  Witness witness(state, *radio, {record, name});
  auto e = std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services},
                                              link::profiles::ChannelEditor(), witness);
  e->setRetries(1);
  ASSERT_TRUE(e->startWrite(std::make_shared<Frames>(
      std::vector{record, name, link::FrameData::Erased(0x0010), link::FrameData::Erased(0x1010)})));
  ASSERT_TRUE(runUntil([&] { return !e->running(); }));

  EXPECT_EQ(witness.identifiedCount, 0);
  EXPECT_EQ(witness.writeCompleteCount, 0);
  EXPECT_EQ(witness.gaveUpCount, 1);
  EXPECT_TRUE(radio->memory() == before);
}

}  // namespace
}  // namespace brel::test
