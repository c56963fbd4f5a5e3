#include "five_tone.h"

#include <array>
#include <cmath>

#include "numtext.h"

namespace brel {
namespace {

constexpr int kStandardCount = 15;
constexpr int kSymbolCount = 16;

constexpr std::array<const char*, kStandardCount> kStandardNames = {
    "CCIR1", "CCIR2", "PCCIR", "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
    "PDZVEI", "EEA", "EIA", "EURO", "CCITT", "NATEL", "MODAT",
};

// Tone of each symbol (digits 0..9, then the six further symbols) in hertz;
// 0 where the standard defines no tone.
using SymbolTones = std::array<double, kSymbolCount>;
constexpr SymbolTones kCcir = {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640,
                               1747, 1860, 2400, 930,  2247, 991,  2110, 1055};
constexpr std::array<SymbolTones, kStandardCount> kStandardTones = {{
    kCcir,                                                                                            // CCIR1
    kCcir,                                                                                            // CCIR2
    {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 1050, 930, 2400, 991, 2110, 0},      // PCCIR
    {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 2800, 810, 970, 885, 2600, 680},     // ZVEI1
    {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 885, 810, 740, 680, 970, 2600},      // ZVEI2
    {2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 885, 0, 0, 0, 2400, 0},               // ZVEI3
    {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 970, 810, 2800, 885, 2600, 680},     // PZVEI
    {2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 825, 740, 2600, 885, 2400, 680},      // DZVEI
    {2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 825, 886, 2600, 856, 2400, 0},        // PDZVEI
    {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 1055, 930, 2400, 991, 2110, 2247},   // EEA
    {600, 741, 882, 1023, 1164, 1305, 1446, 1587, 1728, 1869, 2151, 2433, 2010, 2292, 459, 1091},     // EIA
    {979.8, 903.1, 832.5, 767.4, 707.4, 652, 601, 554, 510.7, 470.8, 0, 0, 0, 0, 1062.9, 0},          // EURO
    {400, 697, 770, 852, 941, 1209, 1335, 1477, 1633, 1800, 1900, 2000, 2100, 2200, 2300, 0},         // CCITT
    {1633, 631, 697, 770, 852, 941, 1040, 1209, 1336, 1477, 1995, 571, 2205, 2437, 1805, 2694},       // NATEL
    {657.5, 787.5, 937.5, 1087.5, 1237.5, 1387.5, 1537.5, 1687.5, 1837.5, 1987.5, 0, 0, 0, 0, 487.5, 0},  // MODAT
}};

// "   1981.0  ": three blanks, the tone with one decimal, blanks up to 11.
std::string ToneFreqLabel(double hz) {
  std::string tone = NumberToTrimmedText(hz);
  if (hz == std::floor(hz)) tone += ".0";
  std::string text = "   " + tone;
  if (text.size() < 11) text.append(11 - text.size(), ' ');
  return text;
}

}  // namespace

int TonePeriodCode(double frequencyHz) {
  // The generator counts 2304000 ticks a second; the code is the largest
  // whole number strictly below the period in ticks.  A tone too low for the
  // code's 16 bits, and anything that is no tone at all (0, below 0, not a
  // number), has no period: 0, as for a symbol the standard leaves out.
  constexpr double kTicksPerSecond = 2304000.0;
  constexpr double kLargestCode = 65535;
  if (!(frequencyHz > 0) || !std::isfinite(frequencyHz)) return 0;
  const double ticks = std::ceil(kTicksPerSecond / frequencyHz);
  if (!(ticks - 1 <= kLargestCode)) return 0;
  return static_cast<int>(ticks) - 1;
}

void BuildFiveToneTables(ProgramState& state) {
  for (int s = 0; s < kStandardCount; ++s) {
    for (int d = 0; d < kSymbolCount; ++d) {
      const double hz = kStandardTones[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)];
      const int wholeHz = static_cast<int>(hz);
      const int period = TonePeriodCode(hz);
      state.ToneFreqText[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)] = ToneFreqLabel(hz);
      state.ToneFreqLo.at(s, d) = static_cast<std::int16_t>(wholeHz % 256);
      state.ToneFreqHi.at(s, d) = static_cast<std::int16_t>(wholeHz / 256);
      state.TonePeriodLo.at(s, d) = static_cast<std::int16_t>(period % 256);
      state.TonePeriodHi.at(s, d) = static_cast<std::int16_t>(period / 256);
    }
  }
}

std::uint8_t FiveToneStandardIndex(std::string& text) {
  text = TrimBlanks(text);
  for (int i = 0; i < kStandardCount; ++i)
    if (text == kStandardNames[static_cast<std::size_t>(i)]) return static_cast<std::uint8_t>(i);
  return 255;
}

std::string FiveToneStandardName(int index) {
  if (index < 0 || index >= kStandardCount) return {};
  return kStandardNames[static_cast<std::size_t>(index)];
}

bool UnpackSignalPackets(ProgramState& state, int& row) {
  constexpr int kPackets = 4;
  constexpr int kDataCol = 5;  // reply bytes 5..68 are the 64 data bytes
  // Checked before anything is copied, so a bad row never leaves half a
  // group; written so that no row number can overflow the test.
  if (row < 0 || row > ReplyTable::kRows - kPackets) return false;
  const int first = row;
  for (int k = 0; k < kPackets; ++k)
    for (int j = 0; j < 4; ++j)
      for (int i = 0; i < 16; ++i) state.GroupBuf.at(4 * k + j, i) = state.ReadBuf1.at(first + k, kDataCol + 16 * j + i);
  // Left on the last reply taken, so the caller's own step moves past the group.
  row = first + kPackets - 1;
  return true;
}

}  // namespace brel
