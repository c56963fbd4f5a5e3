// Identification frames: impossible limits refused with nothing changed, the
// limits recorded as reported, the long legacy frame; and the exchanges that
// meet a refused frame.
#include "ident_decode.h"

#include <gtest/gtest.h>

#include <vector>

#include "link_fixture.h"
#include "profiles.h"
#include "startup.h"

namespace brel::test {
namespace {

using link::IdentDecoding;
using Bytes = std::vector<std::uint8_t>;

// The band limits and panels an identification may touch, for comparing.
struct Limits {
  std::array<double, 12> values;
  std::map<int, std::string> panels;
  bool operator==(const Limits&) const = default;
};

Limits Snapshot(const ProgramState& s, const MapStatusPanels& panels) {
  return {{s.VhfLower, s.VhfUpper, s.UhfLower, s.UhfUpper, s.VfoALower, s.VfoAUpper, s.VfoBLower, s.VfoBUpper,
           s.ReportedVhfLower, s.ReportedVhfUpper, s.ReportedUhfLower, s.ReportedUhfUpper},
          panels.panels};
}

// Limits as the model table and an earlier identification left them.
void Settle(ProgramState& s) {
  s.VhfLower = 136, s.VhfUpper = 174, s.UhfLower = 400, s.UhfUpper = 520;
  s.VfoALower = 136, s.VfoAUpper = 174, s.VfoBLower = 400, s.VfoBUpper = 480;
  s.ReportedVhfLower = 136, s.ReportedVhfUpper = 174, s.ReportedUhfLower = 400, s.ReportedUhfUpper = 480;
}

Bytes Padded(Bytes frame) {
  frame.resize(link::kLongIdentFrameLength, 0x00);
  return frame;
}

struct RefusedCase {
  const char* what;
  IdentDecoding decoding;
  int frameType;
  Bytes frame;
  friend void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.what; }
};

class RefusedFrame : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFrame, ChangesNoLimitAndNoPanel) {
  const RefusedCase& c = GetParam();
  ProgramState s;
  Settle(s);
  s.IdentFrameType = static_cast<std::int16_t>(c.frameType);
  MapStatusPanels panels;
  panels.setPanelText(2, "Connecting with transceiver... ");
  const Limits before = Snapshot(s, panels);
  const Bytes frame = Padded(c.frame);
  EXPECT_FALSE(link::DecodeIdentFrame(c.decoding, frame.data(), s, panels)) << c.what;
  EXPECT_EQ(Snapshot(s, panels), before) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    ImpossibleLimits, RefusedFrame,
    ::testing::Values(
        RefusedCase{"every limit 25665 MHz", IdentDecoding::SteppedByType, 0,
                    {0xAA, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xDD}},
        RefusedCase{"VHF 174..136, UHF 0..0", IdentDecoding::SteppedByType, 0,
                    {0xAA, 0x00, 0x01, 0x74, 0x01, 0x36, 0x00, 0x00, 0x00, 0x00, 0x00, 0xDD}},
        RefusedCase{"UHF 400..1999", IdentDecoding::SteppedByType, 0,
                    {0xAA, 0x00, 0x01, 0x36, 0x01, 0x74, 0x00, 0x04, 0x00, 0x13, 0x99, 0xDD}},
        RefusedCase{"tens digit above 9", IdentDecoding::SteppedByType, 0,
                    {0xAA, 0x00, 0x01, 0xA6, 0x01, 0x74, 0x00, 0x04, 0x00, 0x04, 0x80, 0xDD}},
        RefusedCase{"equal limits", IdentDecoding::SteppedByType, 0,
                    {0xAA, 0x00, 0x01, 0x36, 0x01, 0x74, 0x00, 0x04, 0x80, 0x04, 0x80, 0xDD}},
        RefusedCase{"type 2, VHF byte not BCD", IdentDecoding::SteppedByType, 2,
                    {0xAA, 0x3F, 0x74, 0x04, 0x00, 0x04, 0x80, 0xDD}},
        RefusedCase{"type 2, VHF 174..136", IdentDecoding::SteppedByType, 2,
                    {0xAA, 0x74, 0x36, 0x04, 0x00, 0x04, 0x80, 0xDD}},
        RefusedCase{"type 2, UHF 0..480", IdentDecoding::SteppedByType, 2,
                    {0xAA, 0x36, 0x74, 0x00, 0x00, 0x04, 0x80, 0xDD}},
        RefusedCase{"port dialog, variant 0 read as type 2", IdentDecoding::PortDialogCopy, 0,
                    {0xAA, 0x36, 0x74, 0x04, 0x80, 0x04, 0x00, 0xDD}},
        RefusedCase{"one-shot 174..136", IdentDecoding::OneShotBand, 0,
                    {0xAA, 0x01, 0x74, 0x01, 0x36, 0x00, 0x00, 0xDD}},
        RefusedCase{"one-shot 0..0", IdentDecoding::OneShotBand, 0, {0xAA, 0, 0, 0, 0, 0, 0, 0xDD}},
        RefusedCase{"legacy digit 10", IdentDecoding::LegacyBand, 0, {0xAA, 1, 3, 10, 1, 7, 4, 0xBB}},
        RefusedCase{"legacy 000..000", IdentDecoding::LegacyBand, 0, {0xAA, 0, 0, 0, 0, 0, 0, 0xBB}},
        RefusedCase{"legacy 174..136", IdentDecoding::LegacyBand, 0, {0xAA, 1, 7, 4, 1, 3, 6, 0xBB}}));

struct AcceptedCase {
  const char* what;
  IdentDecoding decoding;
  int frameType;
  Bytes frame;
  std::array<double, 4> reported;  // VHF lower, upper, UHF lower, upper
  std::array<double, 4> vfo;       // VfoALower .. VfoBUpper
  double vhfUpper;
  friend void PrintTo(const AcceptedCase& c, std::ostream* out) { *out << c.what; }
};

class AcceptedFrame : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedFrame, RecordsTheLimitsAsReportedBesideTheGlobals) {
  const AcceptedCase& c = GetParam();
  ProgramState s;
  s.IdentFrameType = static_cast<std::int16_t>(c.frameType);
  s.VfoBLower = 350, s.VfoBUpper = 390;  // what the one-shot decoding keeps
  MapStatusPanels panels;
  const Bytes frame = Padded(c.frame);
  ASSERT_TRUE(link::DecodeIdentFrame(c.decoding, frame.data(), s, panels)) << c.what;
  EXPECT_EQ((std::array<double, 4>{s.ReportedVhfLower, s.ReportedVhfUpper, s.ReportedUhfLower, s.ReportedUhfUpper}),
            c.reported)
      << c.what;
  EXPECT_EQ((std::array<double, 4>{s.VfoALower, s.VfoAUpper, s.VfoBLower, s.VfoBUpper}), c.vfo) << c.what;
  EXPECT_EQ(s.VhfUpper, c.vhfUpper) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Decodings, AcceptedFrame,
    ::testing::Values(
        AcceptedCase{"type 0", IdentDecoding::SteppedByType, 0,
                     {0xAA, 0x00, 0x01, 0x36, 0x01, 0x74, 0x00, 0x04, 0x00, 0x04, 0x80, 0xDD},
                     {136, 174, 400, 480}, {136, 174, 400, 480}, 174},
        AcceptedCase{"type 1, content not examined", IdentDecoding::SteppedByType, 1,
                     {0xAA, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDD},
                     {136, 174, 400, 480}, {136, 174, 400, 480}, 174},
        AcceptedCase{"type 2, the lowest and highest limits", IdentDecoding::SteppedByType, 2,
                     {0xAA, 0x00, 0x99, 0x00, 0x01, 0x09, 0x99, 0xDD},
                     {100, 199, 1, 999}, {100, 199, 1, 999}, 199},
        AcceptedCase{"port dialog, variant 1 ignores the bytes", IdentDecoding::PortDialogCopy, 1,
                     {0xAA, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDD},
                     {136, 174, 400, 480}, {136, 174, 400, 480}, 174},
        AcceptedCase{"one-shot: band A only, its upper raised, band B kept", IdentDecoding::OneShotBand, 0,
                     {0xAA, 0x01, 0x45, 0x01, 0x73, 0x00, 0x00, 0xDD},
                     {145, 173, 0, 0}, {145, 174, 350, 390}, 174},
        AcceptedCase{"legacy: one pair for both bands", IdentDecoding::LegacyBand, 0,
                     {0xAA, 1, 3, 6, 1, 7, 4, 0xBB},
                     {136, 174, 136, 174}, {136, 175, 136, 175}, 175}));

TEST(IdentDecodeTest, DecodingNoneTakesAnyFrameAndChangesNothing) {
  ProgramState s;
  Settle(s);
  MapStatusPanels panels;
  const Limits before = Snapshot(s, panels);
  const Bytes frame = Padded({0xAA, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDD});
  EXPECT_TRUE(link::DecodeIdentFrame(IdentDecoding::None, frame.data(), s, panels));
  EXPECT_EQ(Snapshot(s, panels), before);
}

// b1..b12 = 136 175 400 480 as digits, the texts, b49 0x55.
Bytes LongFrame() {
  Bytes f(link::kLongIdentFrameLength, 0x20);
  f[0] = 0x77;  // not examined
  const std::uint8_t digits[] = {1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 8, 0};
  std::copy(std::begin(digits), std::end(digits), f.begin() + 1);
  auto put = [&f](std::size_t at, const std::string& text) { std::copy(text.begin(), text.end(), f.begin() + at); };
  put(17, "SIM-01");
  put(23, "130328");
  put(33, "ABCDEF");
  put(39, "GHIJKL");
  put(45, "MNOP");
  f[49] = 0x55;
  return f;
}

TEST(LongIdentFrameTest, DecodesLimitsPanelsAndTexts) {
  ProgramState s;
  s.UhfLower = 400, s.UhfUpper = 520;
  MapStatusPanels panels;
  Bytes f = LongFrame();
  f[22] = 0xE9;  // Latin-1 e acute
  ASSERT_TRUE(link::IsLongIdentFrame(f.data()));
  ASSERT_TRUE(link::DecodeLongIdentFrame(f.data(), s, panels));
  EXPECT_EQ((std::array<double, 6>{s.VfoALower, s.VfoAUpper, s.VfoBLower, s.VfoBUpper, s.VhfLower, s.VhfUpper}),
            (std::array<double, 6>{136, 175, 400, 481, 136, 175}));
  EXPECT_EQ((std::array<double, 4>{s.ReportedVhfLower, s.ReportedVhfUpper, s.ReportedUhfLower, s.ReportedUhfUpper}),
            (std::array<double, 4>{136, 174, 400, 480}));
  EXPECT_EQ(s.UhfUpper, 520);  // not touched
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(10), " 400-- 480 MHZ");
  EXPECT_EQ(panels.panelText(2), "SIM-0\xC3\xA9");
  EXPECT_EQ(panels.panelText(4), "ABCDEF--GHIJKL--MNOP");
  EXPECT_EQ(panels.panelText(6), "13.03.2.8");
}

TEST(LongIdentFrameTest, RefusesAFrameThatIsNotOneOrHasImpossibleLimits) {
  struct Case {
    const char* what;
    std::size_t at;
    std::uint8_t value;
    bool acceptedShape;
  };
  const Case cases[] = {
      {"last byte not 0x55", 49, 0x54, false},
      {"a limit byte not a digit", 5, 10, false},
      {"a limit byte an ASCII digit", 12, '0', false},
      {"band B lower 000", 7, 0, true},   // b7..b9 = 0 0 0 with b8, b9 already 0
      {"band A upper below its lower", 4, 0, true},
  };
  for (const Case& c : cases) {
    ProgramState s;
    Settle(s);
    MapStatusPanels panels;
    Bytes f = LongFrame();
    f[c.at] = c.value;
    const Limits before = Snapshot(s, panels);
    EXPECT_EQ(link::IsLongIdentFrame(f.data()), c.acceptedShape) << c.what;
    EXPECT_FALSE(link::DecodeLongIdentFrame(f.data(), s, panels)) << c.what;
    EXPECT_EQ(Snapshot(s, panels), before) << c.what;
  }
}

// --- exchanges that meet a frame with impossible limits --------------------

class RefusedFrameExchange : public LinkFixture {
 protected:
  RefusedFrameExchange() { Settle(state); }
};

TEST_F(RefusedFrameExchange, StartUpIdentificationNeverSaysConnected) {
  sim::SimConfig config;
  config.identFrame = {0xAA, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xDD};
  plugRadio(config);
  link::StartupIdentification ident{state, panels, services};
  panels.setPanelText(2, "Connecting with transceiver... ");
  const Limits before = Snapshot(state, panels);
  ident.start();
  ASSERT_TRUE(runUntil([&] { return !ident.running(); }));
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_EQ(Snapshot(state, panels).values, before.values);
  EXPECT_EQ(panels.panelText(7), "");
  EXPECT_GT(radio->sessions(), 1);  // the variant-0 attempts were answered and refused
}

TEST_F(RefusedFrameExchange, ReadRetriesThenFailsWithTheImageUntouched) {
  sim::SimConfig config;
  config.vhfLower = 174, config.vhfUpper = 136;
  plugRadio(config);
  RecordingView view;
  link::WholeMemoryRead read{state, messages, panels, services, view};
  state.MemImage.at(0, 0) = 0x12;
  const Limits before = Snapshot(state, panels);
  read.readClicked();
  ASSERT_TRUE(runUntil([&] { return !messages.shown.empty(); }));
  EXPECT_EQ(messages.lastText(), "Fail connect with transceiver.");
  EXPECT_EQ(radio->sessions(), 4);
  EXPECT_TRUE(radio->readRequests().empty());
  EXPECT_EQ(state.MemImage.at(0, 0), 0x12);
  EXPECT_EQ(Snapshot(state, panels).values, before.values);
}

TEST_F(RefusedFrameExchange, EditorExchangesGiveUpOnFramesTheyCannotTake) {
  struct Case {
    const char* what;
    link::EngineProfile (*profile)();
    bool oneShot, longLegacy;
    int lower, upper;
  };
  const Case cases[] = {
      {"one-shot 174..136", link::profiles::OptionEditor, true, false, 174, 136},
      {"legacy 000..000", link::profiles::FmEditor, false, false, 0, 0},
      {"long frame 174..136", link::profiles::SignallingEditor, false, true, 174, 136},
  };
  struct Observer : link::LinkObserver {
    void identified() override { ++identifiedCount; }
    void gaveUp() override { ++gaveUpCount; }
    int identifiedCount = 0, gaveUpCount = 0;
  };
  struct Plan : link::ReadPlan {
    int blockCount() const override { return 2; }
    link::Block block(int i) const override { return {static_cast<std::uint16_t>(0x2D00 + 64 * i), 64}; }
    void onBlock(int, std::span<const std::uint8_t>) override { ++blocks; }
    void complete() override {}
    int blocks = 0;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::SimConfig config;
    config.oneShot = c.oneShot;
    config.longLegacy = c.longLegacy;
    config.vhfLower = c.lower, config.vhfUpper = c.upper;
    plugRadio(config);
    Observer observer;
    link::LinkEngine engine{link::LinkContext{state, messages, panels, services}, c.profile(), observer};
    engine.setRetries(1);
    const Limits before = Snapshot(state, panels);
    auto plan = std::make_shared<Plan>();
    ASSERT_TRUE(engine.startRead(plan));
    ASSERT_TRUE(runUntil([&] { return !engine.running(); }));
    EXPECT_EQ(observer.identifiedCount, 0);
    EXPECT_EQ(observer.gaveUpCount, 1);
    EXPECT_EQ(radio->sessions(), 2);
    EXPECT_EQ(plan->blocks, 0);
    EXPECT_TRUE(radio->readRequests().empty());
    EXPECT_EQ(Snapshot(state, panels), before);
    bus.unplug(kRadioPort);
  }
}

TEST_F(RefusedFrameExchange, SignallingExchangeTakesTheRadiosLongFrame) {
  sim::SimConfig config;
  config.longLegacy = true;
  plugRadio(config);
  struct Observer : link::LinkObserver {
    void readComplete() override { done = true; }
    bool done = false;
  } observer;
  struct Plan : link::ReadPlan {
    int blockCount() const override { return 1; }
    link::Block block(int) const override { return {0x2D00, 64}; }
    void onBlock(int, std::span<const std::uint8_t>) override {}
    void complete() override {}
  };
  link::LinkEngine engine{link::LinkContext{state, messages, panels, services}, link::profiles::SignallingEditor(),
                          observer};
  ASSERT_TRUE(engine.startRead(std::make_shared<Plan>()));
  ASSERT_TRUE(runUntil([&] { return !engine.running(); }));
  EXPECT_TRUE(observer.done);
  EXPECT_EQ(panels.panelText(2), "SIM-01");
  EXPECT_EQ(panels.panelText(4), "2TONE --5TONE --V1.0");
  EXPECT_EQ(panels.panelText(6), "13.03.2.8");
  EXPECT_EQ(panels.panelText(8), " 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(10), " 400-- 480 MHZ");
  EXPECT_EQ((std::array<double, 4>{state.ReportedVhfLower, state.ReportedVhfUpper, state.ReportedUhfLower,
                                   state.ReportedUhfUpper}),
            (std::array<double, 4>{136, 174, 400, 480}));
}

}  // namespace
}  // namespace brel::test
