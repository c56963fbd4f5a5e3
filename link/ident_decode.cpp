#include "ident_decode.h"

#include "numtext.h"

namespace brel::link {

int BandLimitValue(std::uint8_t hundreds, std::uint8_t tensUnits) {
  return 100 * hundreds + 10 * (tensUnits >> 4) + (tensUnits & 0x0F);
}

int PackedBcdValue(std::uint8_t byte) { return 10 * (byte >> 4) + (byte & 0x0F); }

std::string BandRangeText(double lower, double upper) {
  return NumberToText(lower) + "--" + NumberToText(upper) + " MHZ";
}

namespace {

void SetReportedLimits(ProgramState& s, double aLower, double aUpper, double bLower, double bUpper) {
  s.VfoALower = aLower;
  s.VfoAUpper = aUpper;
  s.VfoBLower = bLower;
  s.VfoBUpper = bUpper;
}

void SetWorkingFromReported(ProgramState& s) {
  s.VhfLower = s.VfoALower;
  s.VhfUpper = s.VfoAUpper;
  s.UhfLower = s.VfoBLower;
  s.UhfUpper = s.VfoBUpper;
}

void ShowBandPanels(ProgramState& s, StatusPanels& panels, const char* lowPrefix, const char* highPrefix) {
  panels.setPanelText(7, lowPrefix + BandRangeText(s.VfoALower, s.VfoAUpper));
  panels.setPanelText(8, highPrefix + BandRangeText(s.VfoBLower, s.VfoBUpper));
}

void DecodeType0(const std::uint8_t* f, ProgramState& s, StatusPanels& panels) {
  SetReportedLimits(s, BandLimitValue(f[2], f[3]), BandLimitValue(f[4], f[5]), BandLimitValue(f[7], f[8]),
                    BandLimitValue(f[9], f[10]));
  ShowBandPanels(s, panels, "Band_A:", "Band_B:");
  SetWorkingFromReported(s);
}

void DecodeType1(ProgramState& s, StatusPanels& panels) {
  SetReportedLimits(s, 136, 174, 400, 480);
  ShowBandPanels(s, panels, "VHF:", "UHF:");
  SetWorkingFromReported(s);
}

void DecodeType2(const std::uint8_t* f, ProgramState& s, StatusPanels& panels) {
  SetReportedLimits(s, 100 + PackedBcdValue(f[1]), 100 + PackedBcdValue(f[2]), BandLimitValue(f[3], f[4]),
                    BandLimitValue(f[5], f[6]));
  ShowBandPanels(s, panels, "VHF:", "UHF:");
  SetWorkingFromReported(s);
}

}  // namespace

void DecodeIdentFrame(IdentDecoding decoding, const std::uint8_t* f, ProgramState& s, StatusPanels& panels) {
  switch (decoding) {
    case IdentDecoding::None:
      return;
    case IdentDecoding::SteppedByType:
      if (s.IdentFrameType == 0)
        DecodeType0(f, s, panels);
      else if (s.IdentFrameType == 1)
        DecodeType1(s, panels);
      else
        DecodeType2(f, s, panels);
      return;
    case IdentDecoding::PortDialogCopy:
      DecodeType2(f, s, panels);
      if (s.IdentFrameType != 0) DecodeType1(s, panels);
      return;
    case IdentDecoding::OneShotBand: {
      const double lower = BandLimitValue(f[1], f[2]);
      const double upper = BandLimitValue(f[3], f[4]);
      s.VfoALower = lower;
      s.VfoAUpper = upper;
      panels.setPanelText(7, BandRangeText(lower, upper));
      s.VhfLower = lower;
      s.VfoAUpper = upper + 1;
      s.VhfUpper = upper + 1;
      s.VfoBUpper += 1;
      return;
    }
    case IdentDecoding::LegacyBand: {
      const double lower = 100 * f[1] + 10 * f[2] + f[3];
      const double upper = 100 * f[4] + 10 * f[5] + f[6];
      SetReportedLimits(s, lower, upper, lower, upper);
      panels.setPanelText(8, BandRangeText(s.VfoALower, s.VfoAUpper));
      panels.setPanelText(10, BandRangeText(s.VfoBLower, s.VfoBUpper));
      s.VhfLower = lower;
      s.VfoAUpper = upper + 1;
      s.VhfUpper = upper + 1;
      s.VfoBUpper = upper + 1;
      return;
    }
  }
}

}  // namespace brel::link
