// A radio that answers with damaged or strange identification frames and
// faults, to every window's exchange, a read or a write: the exchange always
// ends (done, given up or its device gone; the port closed), a read
// completes only with every block of the attempt in, a write only when the
// radio holds every frame it sent, and the band limits are left as they
// were or are limits a radio can have.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "test_doubles.h"
#include "link_engine.h"
#include "memory_port.h"
#include "profiles.h"
#include "radio_model.h"
#include "radio_sim.h"
#include "sim_on_line.h"
#include "virtual_clock.h"

namespace {

using brel::link::kSecond;

class Messages : public brel::MessageSink {
 public:
  void show(const brel::Message&) override {}
};

// Up to two whole frames, then an erased row's short frame.
class Frames : public brel::link::WritePlan {
 public:
  explicit Frames(int count) : count_(count) {
    for (int f = 0; f < 2; ++f) {
      frames_[f].address = static_cast<std::uint16_t>(0x0200 + 16 * f);
      for (int k = 0; k < 16; ++k) frames_[f].bytes[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(0xA1 + 16 * f + k);
    }
    frames_[2] = brel::link::FrameData::Erased(0x0300);
  }
  int frameCount() const override { return count_; }
  brel::link::FrameData frame(int i) const override { return frames_[static_cast<std::size_t>(i)]; }
  // The radio's memory holds every frame.
  bool heldBy(const brel::sim::RadioSim& radio) const {
    for (int i = 0; i < count_; ++i) {
      const auto& f = frames_[static_cast<std::size_t>(i)];
      for (int k = 0; k < f.length; ++k)
        if (radio.memory()[f.address + k] != f.bytes[static_cast<std::size_t>(k)]) return false;
    }
    return true;
  }

 private:
  int count_;
  std::array<brel::link::FrameData, 3> frames_{};
};

class Observer : public brel::link::LinkObserver {
 public:
  explicit Observer(const brel::sim::RadioSim& radio, const Frames& frames) : radio_(radio), frames_(frames) {}
  void readComplete() override { ++done; }
  void identComplete() override { ++done; }
  void writeComplete() override {
    // Said at the moment the last Ack came, not once the line has settled.
    FUZZ_REQUIRE(frames_.heldBy(radio_), "a write completes only when the radio holds every frame");
    ++done;
  }
  void gaveUp() override { ++gaveUps; }
  // A device gone for good ends the exchange when a retry cannot reopen it.
  void retryPortFailed() override { ++gaveUps; }
  int done = 0, gaveUps = 0;

 private:
  const brel::sim::RadioSim& radio_;
  const Frames& frames_;
};

// Three blocks; what arrives is kept per attempt.
class Plan : public brel::link::ReadPlan {
 public:
  int blockCount() const override { return 3; }
  brel::link::Block block(int i) const override { return {static_cast<std::uint16_t>(0x0100 + 64 * i), 64}; }
  void begin() override { staged = 0; }
  void onBlock(int index, std::span<const std::uint8_t> payload) override {
    FUZZ_REQUIRE(index == staged, "blocks arrive in order");
    FUZZ_REQUIRE(payload.size() == 64, "a block is as long as asked");
    ++staged;
  }
  void complete() override {
    FUZZ_REQUIRE(staged == blockCount(), "a read completes with every block in");
    ++completed;
  }
  int staged = 0, completed = 0;
};

struct ProfileCase {
  brel::link::EngineProfile (*make)();
  bool identOnly;
};
constexpr ProfileCase kProfiles[] = {
    {brel::link::profiles::MainWindowIdent, true},  {brel::link::profiles::PortDialogIdent, true},
    {brel::link::profiles::ReadDialog, false},      {brel::link::profiles::OptionEditor, false},
    {brel::link::profiles::DtmfEditor, false},      {brel::link::profiles::AlignmentEditor, false},
    {brel::link::profiles::FmEditor, false},        {brel::link::profiles::OlderOptionEditor, false},
    {brel::link::profiles::SignallingEditor, false}, {brel::link::profiles::ChannelEditor, false},
};

using Limits = std::array<double, 12>;
Limits LimitsOf(const brel::ProgramState& s) {
  return {s.VhfLower, s.VhfUpper, s.UhfLower, s.UhfUpper, s.VfoALower, s.VfoAUpper, s.VfoBLower, s.VfoBUpper,
          s.ReportedVhfLower, s.ReportedVhfUpper, s.ReportedUhfLower, s.ReportedUhfUpper};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brel::fuzz::InputReader in(data, size);
  const ProfileCase& pc = kProfiles[in.byte() % std::size(kProfiles)];
  const brel::link::EngineProfile profile = pc.make();
  const std::uint8_t radioKind = in.byte();

  brel::sim::SimConfig config;
  config.identType = radioKind % 3;
  config.oneShot = profile.generation == brel::link::Generation::OneShot;
  config.longLegacy = profile.generation == brel::link::Generation::LongLegacy;
  const int faults = in.byte() % 3;
  std::vector<brel::sim::Fault> faultList;
  for (int i = 0; i < faults; ++i) {
    brel::sim::Fault fault;
    fault.kind = static_cast<brel::sim::FaultKind>(in.byte() % 9);
    fault.answer = in.byte() % 8 - 3;
    fault.byteIndex = in.byte() % 72;
    fault.sessions = in.byte() % 4;
    fault.lateUs = (in.byte() % 8) * 500000;
    faultList.push_back(fault);
  }
  const std::string frame = in.text(60);
  if ((radioKind & 0x80) != 0) config.identFrame.assign(frame.begin(), frame.end());
  // Read last, so that the inputs of reads stay as they were.
  const bool writing = !pc.identOnly && (in.byte() & 1) != 0;
  const int frameCount = 1 + in.byte() % 3;
  for (auto& fault : faultList) fault.lateUs += in.byte() * 10000;  // a late answer to 10 ms

  brel::link::VirtualClock clock;
  brel::link::MemoryPortBus bus(clock);
  brel::link::LinkServices services{bus, clock, bus.table()};
  brel::sim::RadioSim radio(config);
  for (int a = 0; a < brel::sim::RadioSim::kMemorySize; ++a) radio.memory()[a] = static_cast<std::uint8_t>(a * 7);
  for (const auto& fault : faultList) radio.addFault(fault);
  brel::link::MemoryLine& line = bus.plug(5);
  brel::sim::SimOnLine onLine(radio, line);

  brel::ProgramState state;
  state.PortNumber = 5;
  brel::link::LoadHandshakeCommand(state, (radioKind >> 2) % 3);
  state.IdentFrameType = static_cast<std::int16_t>((radioKind >> 2) % 3);
  state.VhfLower = 136, state.VhfUpper = 174, state.UhfLower = 400, state.UhfUpper = 520;
  const Limits before = LimitsOf(state);
  brel::test::MapStatusPanels panels;
  Messages messages;
  auto plan = std::make_shared<Plan>();
  auto frames = std::make_shared<Frames>(frameCount);
  Observer observer(radio, *frames);
  {
    brel::link::LinkEngine engine{brel::link::LinkContext{state, messages, panels, services}, profile, observer};
    engine.setRetries(2);
    const bool started = pc.identOnly ? engine.startIdent() : writing ? engine.startWrite(frames) : engine.startRead(plan);
    FUZZ_REQUIRE(started, "the exchange starts on a free port");
    // Three attempts with their time-outs and retry delays end long before this.
    FUZZ_REQUIRE(clock.runUntil([&] { return !engine.running(); }, 120 * kSecond), "the exchange ends");
    FUZZ_REQUIRE(!line.heldOpen(), "the port is closed at the end");
    FUZZ_REQUIRE(observer.done + observer.gaveUps == 1, "done, given up or the port gone, once");
  }
  FUZZ_REQUIRE(plan->completed == (pc.identOnly || writing ? 0 : observer.done), "a read completes only with its blocks");

  const Limits after = LimitsOf(state);
  if (after != before) {
    auto possible = [](double lower, double upper) { return lower >= 1 && upper <= 999 && lower < upper; };
    FUZZ_REQUIRE(possible(state.ReportedVhfLower, state.ReportedVhfUpper), "band A as reported is a band");
    FUZZ_REQUIRE(after[10] == 0 || possible(state.ReportedUhfLower, state.ReportedUhfUpper),
                 "band B as reported is a band");
  }
  for (const auto& [panel, text] : panels.panels) FUZZ_REQUIRE(brel::fuzz::IsUtf8(text), "panel texts are UTF-8");
  return 0;
}
