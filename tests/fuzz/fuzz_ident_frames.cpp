// Identification frames as a damaged or strange radio might send them: a
// refused frame changes no limit and no panel; an accepted one leaves limits
// a radio can have (1..999 MHz, lower below upper, as reported) and panel
// texts in UTF-8.
#include <array>
#include <string>

#include "fuzz_check.h"
#include "test_doubles.h"
#include "ident_decode.h"
#include "program_state.h"
#include "ui_ports.h"

namespace {

using Limits = std::array<double, 12>;

Limits LimitsOf(const brel::ProgramState& s) {
  return {s.VhfLower, s.VhfUpper, s.UhfLower, s.UhfUpper, s.VfoALower, s.VfoAUpper, s.VfoBLower, s.VfoBUpper,
          s.ReportedVhfLower, s.ReportedVhfUpper, s.ReportedUhfLower, s.ReportedUhfUpper};
}

bool PossibleBand(double lower, double upper) { return lower >= 1 && upper <= 999 && lower < upper; }

constexpr brel::link::IdentDecoding kDecodings[] = {
    brel::link::IdentDecoding::None, brel::link::IdentDecoding::SteppedByType,
    brel::link::IdentDecoding::PortDialogCopy, brel::link::IdentDecoding::OneShotBand,
    brel::link::IdentDecoding::LegacyBand};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brel::fuzz::InputReader in(data, size);
  const std::uint8_t how = in.byte();
  std::array<std::uint8_t, brel::link::kLongIdentFrameLength> frame{};
  for (std::uint8_t& b : frame) b = in.byte();

  brel::ProgramState s;
  s.IdentFrameType = static_cast<std::int16_t>(how % 3);
  // Limits an earlier identification and the model table left.
  s.VhfLower = 136, s.VhfUpper = 174, s.UhfLower = 400, s.UhfUpper = 520;
  s.VfoALower = 137, s.VfoAUpper = 175, s.VfoBLower = 401, s.VfoBUpper = 481;
  s.ReportedVhfLower = 137, s.ReportedVhfUpper = 174, s.ReportedUhfLower = 401, s.ReportedUhfUpper = 480;
  brel::test::MapStatusPanels panels;
  panels.setPanelText(2, "Connecting with transceiver... ");
  const Limits before = LimitsOf(s);
  const auto panelsBefore = panels.panels;

  const int which = (how / 3) % 6;
  const bool longFrame = which == 5;
  const brel::link::IdentDecoding decoding = longFrame ? brel::link::IdentDecoding::None : kDecodings[which];
  const bool accepted = longFrame ? brel::link::DecodeLongIdentFrame(frame.data(), s, panels)
                                  : brel::link::DecodeIdentFrame(decoding, frame.data(), s, panels);
  if (longFrame) FUZZ_REQUIRE(!accepted || brel::link::IsLongIdentFrame(frame.data()), "only a long frame is decoded as one");

  // The decoding "none" takes any frame and leaves everything as it was.
  if (!accepted || (!longFrame && decoding == brel::link::IdentDecoding::None)) {
    FUZZ_REQUIRE(LimitsOf(s) == before && panels.panels == panelsBefore, "a refused frame changes nothing");
    return 0;
  }
  FUZZ_REQUIRE(PossibleBand(s.ReportedVhfLower, s.ReportedVhfUpper), "band A as reported is a band");
  FUZZ_REQUIRE(PossibleBand(s.ReportedUhfLower, s.ReportedUhfUpper), "band B as reported is a band");
  FUZZ_REQUIRE(s.VfoALower == s.ReportedVhfLower && s.VhfLower == s.ReportedVhfLower, "the lower limit as reported");
  FUZZ_REQUIRE(s.VfoAUpper == s.ReportedVhfUpper || s.VfoAUpper == s.ReportedVhfUpper + 1, "the upper limit as reported or one above");
  FUZZ_REQUIRE(s.VhfUpper == s.VfoAUpper, "the working upper limit follows the reported one");
  for (const auto& [panel, text] : panels.panels) {
    FUZZ_REQUIRE(panel >= 1 && panel <= brel::StatusPanels::kPanelCount, "a panel the status bar has");
    FUZZ_REQUIRE(brel::fuzz::IsUtf8(text), "panel texts are UTF-8");
  }
  return 0;
}
