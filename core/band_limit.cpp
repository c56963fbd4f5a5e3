#include "band_limit.h"

namespace brel {

int PackedBcdValue(std::uint8_t byte) {
  const int tens = byte >> 4;
  const int units = byte & 0x0F;
  if (tens > 9 || units > 9) return -1;
  return 10 * tens + units;
}

std::uint8_t ToPackedBcd(int value) { return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10)); }

int BandLimitValue(std::uint8_t hundreds, std::uint8_t tensUnits) {
  const int rest = PackedBcdValue(tensUnits);
  if (hundreds > 9 || rest < 0) return -1;
  return 100 * hundreds + rest;
}

std::optional<BandLimitBytes> ToBandLimitBytes(int mhz) {
  if (mhz < 0 || mhz > kMaxBandLimit) return std::nullopt;
  return BandLimitBytes{static_cast<std::uint8_t>(mhz / 100), ToPackedBcd(mhz % 100)};
}

}  // namespace brel
