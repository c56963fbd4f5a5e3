#include "prewrite_checks.h"

#include <cmath>

#include "address_map.h"
#include "frequency_codec.h"
#include "numtext.h"

namespace brel {
namespace {

bool AnyByteErased(const MemoryImage& image, int row, int col) {
  for (int i = 0; i < 4; ++i)
    if (image.at(row, col + i) == 0xFF) return true;
  return false;
}

bool AllBytesErased(const MemoryImage& image, int row, int col) {
  for (int i = 0; i < 4; ++i)
    if (image.at(row, col + i) != 0xFF) return false;
  return true;
}

// Channel index 0..127 held in a current-channel byte.  Anything else (a
// byte the radio never wrote, or a value from a hand-edited file, negative
// ones included) counts as channel index 0, so it can never address a row
// outside the channel records.
int CurrentChannelIndex(int stored) {
  return stored >= 0 && stored < addr::kChannelCount ? stored : 0;
}

}  // namespace

int FindOutOfBandChannel(const ProgramState& state) {
  const MemoryImage& image = state.MemImage;
  // The option editor's band lists may put band A above band B (VFO A on
  // UHF, VFO B on VHF); the bands are tested low band first either way.
  const bool swapped = state.VfoALower > state.VfoBLower;
  const double lowLower = swapped ? state.VfoBLower : state.VfoALower;
  const double lowUpper = swapped ? state.VfoBUpper : state.VfoAUpper;
  const double highLower = swapped ? state.VfoALower : state.VfoBLower;
  const double highUpper = swapped ? state.VfoAUpper : state.VfoBUpper;
  for (int index = 0; index < addr::kChannelCount; ++index) {
    const int row = addr::ChannelRecordRow(index + 1);
    for (int col : {addr::kRxFreqCol, addr::kTxFreqCol}) {
      if (AllBytesErased(image, row, col)) continue;
      const std::string text =
          BcdToFrequencyText(image.at(row, col), image.at(row, col + 1), image.at(row, col + 2), image.at(row, col + 3));
      // Whole megahertz: with an upper limit of 174, 174.99 MHz still passes.
      const double mhz = std::floor(TextToNumber(text));
      const bool belowLow = mhz < lowLower;
      const bool betweenBands = mhz > lowUpper && mhz < highLower;
      const bool aboveHigh = mhz > highUpper;
      if (belowLow || betweenBands || aboveHigh) return index;
    }
  }
  return 255;
}

int FindNonByteCellInRow(const MemoryImage& image, int row, int cells, int& value) {
  for (int c = 0; c < cells; ++c) {
    const int v = image.at(row, c);
    if (v < 0 || v > 255) {
      value = v;
      return row * MemoryImage::kBytesPerRow + c;
    }
  }
  return -1;
}

void FixCurrentChannels(MemoryImage& image) {
  int a = CurrentChannelIndex(image.byte(addr::kCurrentChannelAAddress));
  int b = CurrentChannelIndex(image.byte(addr::kCurrentChannelBAddress));
  image.byte(addr::kChannelStateClearedAddress) = 0;

  int firstProgrammed = -1;
  for (int index = 0; index < addr::kChannelCount && firstProgrammed < 0; ++index)
    if (!AnyByteErased(image, addr::ChannelRecordRow(index + 1), addr::kRxFreqCol)) firstProgrammed = index;

  if (firstProgrammed < 0) {
    // Nothing to show in channel mode: the radio starts in frequency mode.
    image.byte(addr::kWorkModeAddress) = 0;
    a = b = 0;
  } else {
    if (AnyByteErased(image, addr::ChannelRecordRow(a + 1), addr::kRxFreqCol)) a = firstProgrammed;
    if (AnyByteErased(image, addr::ChannelRecordRow(b + 1), addr::kRxFreqCol)) b = firstProgrammed;
  }
  image.byte(addr::kCurrentChannelAAddress) = static_cast<std::int16_t>(a);
  image.byte(addr::kCurrentChannelBAddress) = static_cast<std::int16_t>(b);
}

}  // namespace brel
