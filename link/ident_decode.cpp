#include "ident_decode.h"

#include "numtext.h"
#include "text_chars.h"

namespace brel::link {

namespace {
constexpr std::uint8_t kLongFrameEnd = 0x55;
constexpr int kLowestLimit = 1;
constexpr int kHighestLimit = 999;
}  // namespace

std::string BandRangeText(double lower, double upper) {
  return NumberToText(lower) + "--" + NumberToText(upper) + " MHZ";
}

namespace {

struct Band {
  int lower = -1;
  int upper = -1;
  // Digits above 9 come back as -1 and fail here too.
  bool possible() const { return lower >= kLowestLimit && upper <= kHighestLimit && lower < upper; }
};

struct Bands {
  Band a, b;
  bool possible() const { return a.possible() && b.possible(); }
};

Band BandLimitPair(const std::uint8_t* lowerBytes, const std::uint8_t* upperBytes) {
  return {BandLimitValue(lowerBytes[0], lowerBytes[1]), BandLimitValue(upperBytes[0], upperBytes[1])};
}

int DecimalDigits(const std::uint8_t* d) {
  for (int i = 0; i < 3; ++i)
    if (d[i] > 9) return -1;
  return 100 * d[0] + 10 * d[1] + d[2];
}

Band DecimalPair(const std::uint8_t* d) { return {DecimalDigits(d), DecimalDigits(d + 3)}; }

Bands Type0Bands(const std::uint8_t* f) { return {BandLimitPair(f + 2, f + 4), BandLimitPair(f + 7, f + 9)}; }

Bands Type1Bands() { return {{136, 174}, {400, 480}}; }

Bands Type2Bands(const std::uint8_t* f) {
  auto vhf = [](std::uint8_t byte) {
    const int v = PackedBcdValue(byte);
    return v < 0 ? -1 : 100 + v;
  };
  return {{vhf(f[1]), vhf(f[2])}, BandLimitPair(f + 3, f + 5)};
}

void RecordReported(ProgramState& s, const Band& a, const Band& b) {
  s.ReportedVhfLower = a.lower;
  s.ReportedVhfUpper = a.upper;
  s.ReportedUhfLower = b.lower;
  s.ReportedUhfUpper = b.upper;
}

// The stepped decodings: both bands reported, shown and made the working
// limits as they stand.
void ApplySteppedBands(const Bands& bands, ProgramState& s, StatusPanels& panels, const char* lowPrefix,
                       const char* highPrefix) {
  s.VfoALower = bands.a.lower;
  s.VfoAUpper = bands.a.upper;
  s.VfoBLower = bands.b.lower;
  s.VfoBUpper = bands.b.upper;
  RecordReported(s, bands.a, bands.b);
  panels.setPanelText(7, lowPrefix + BandRangeText(s.VfoALower, s.VfoAUpper));
  panels.setPanelText(8, highPrefix + BandRangeText(s.VfoBLower, s.VfoBUpper));
  s.VhfLower = s.VfoALower;
  s.VhfUpper = s.VfoAUpper;
  s.UhfLower = s.VfoBLower;
  s.UhfUpper = s.VfoBUpper;
}

// The legacy decodings: panels 8 and 10, then band A's lower limit becomes
// the working VHF lower limit and both reported uppers are raised by 1.
void ApplyLegacyBands(const Bands& bands, ProgramState& s, StatusPanels& panels) {
  s.VfoALower = bands.a.lower;
  s.VfoAUpper = bands.a.upper;
  s.VfoBLower = bands.b.lower;
  s.VfoBUpper = bands.b.upper;
  RecordReported(s, bands.a, bands.b);
  panels.setPanelText(8, BandRangeText(s.VfoALower, s.VfoAUpper));
  panels.setPanelText(10, BandRangeText(s.VfoBLower, s.VfoBUpper));
  s.VhfLower = s.VfoALower;
  s.VfoAUpper = s.VfoAUpper + 1;
  s.VhfUpper = s.VfoAUpper;
  s.VfoBUpper = s.VfoBUpper + 1;
}

bool DecodeStepped(const std::uint8_t* f, ProgramState& s, StatusPanels& panels) {
  if (s.IdentFrameType == 1) {
    ApplySteppedBands(Type1Bands(), s, panels, "VHF:", "UHF:");
    return true;
  }
  const bool type0 = s.IdentFrameType == 0;
  const Bands bands = type0 ? Type0Bands(f) : Type2Bands(f);
  if (!bands.possible()) return false;
  if (type0)
    ApplySteppedBands(bands, s, panels, "Band_A:", "Band_B:");
  else
    ApplySteppedBands(bands, s, panels, "VHF:", "UHF:");
  return true;
}

}  // namespace

bool DecodeIdentFrame(IdentDecoding decoding, const std::uint8_t* f, ProgramState& s, StatusPanels& panels) {
  switch (decoding) {
    case IdentDecoding::None:
      return true;
    case IdentDecoding::SteppedByType:
      return DecodeStepped(f, s, panels);
    case IdentDecoding::PortDialogCopy: {
      // Read as type 2 and then replaced by the fixed limits whenever the
      // variant is not 0, so only variant 0 depends on the frame's bytes.
      if (s.IdentFrameType != 0) {
        ApplySteppedBands(Type1Bands(), s, panels, "VHF:", "UHF:");
        return true;
      }
      const Bands bands = Type2Bands(f);
      if (!bands.possible()) return false;
      ApplySteppedBands(bands, s, panels, "VHF:", "UHF:");
      return true;
    }
    case IdentDecoding::OneShotBand: {
      const Band band = BandLimitPair(f + 1, f + 3);
      if (!band.possible()) return false;
      s.VfoALower = band.lower;
      s.VfoAUpper = band.upper;
      s.ReportedVhfLower = band.lower;
      s.ReportedVhfUpper = band.upper;
      panels.setPanelText(7, BandRangeText(band.lower, band.upper));
      s.VhfLower = band.lower;
      s.VfoAUpper = band.upper + 1;
      s.VhfUpper = band.upper + 1;
      // The frame says nothing of band B: its limits stay as they are.
      return true;
    }
    case IdentDecoding::LegacyBand: {
      const Band band = DecimalPair(f + 1);
      if (!band.possible()) return false;
      ApplyLegacyBands({band, band}, s, panels);
      return true;
    }
  }
  return false;
}

bool IsLongIdentFrame(const std::uint8_t* f) {
  if (f[49] != kLongFrameEnd) return false;
  for (int i = 1; i <= 12; ++i)
    if (f[i] > 9) return false;
  return true;
}

bool DecodeLongIdentFrame(const std::uint8_t* f, ProgramState& s, StatusPanels& panels) {
  if (!IsLongIdentFrame(f)) return false;
  const Bands bands{DecimalPair(f + 1), DecimalPair(f + 7)};
  if (!bands.possible()) return false;
  ApplyLegacyBands(bands, s, panels);
  panels.setPanelText(2, Latin1ToUtf8(f + 17, 6));
  panels.setPanelText(4, Latin1ToUtf8(f + 33, 6) + "--" + Latin1ToUtf8(f + 39, 6) + "--" + Latin1ToUtf8(f + 45, 4));
  panels.setPanelText(6, Latin1ToUtf8(f + 23, 2) + "." + Latin1ToUtf8(f + 25, 2) + "." + Latin1ToUtf8(f + 27, 1) + "." +
                             Latin1ToUtf8(f + 28, 1));
  return true;
}

}  // namespace brel::link
