#include "band_limit.h"

namespace brel {

int PackedBcdValue(std::uint8_t byte) { return 10 * (byte >> 4) + (byte & 0x0F); }

std::uint8_t ToPackedBcd(int value) { return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10)); }

int BandLimitValue(std::uint8_t hundreds, std::uint8_t tensUnits) { return 100 * hundreds + PackedBcdValue(tensUnits); }

std::optional<BandLimitBytes> ToBandLimitBytes(int mhz) {
  if (mhz < 0 || mhz > kMaxBandLimit) return std::nullopt;
  return BandLimitBytes{static_cast<std::uint8_t>(mhz / 100), ToPackedBcd(mhz % 100)};
}

}  // namespace brel
