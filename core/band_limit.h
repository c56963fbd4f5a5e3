// A band limit in whole MHz as two bytes: the hundreds as a plain binary
// number, then tens and units as packed BCD (174 MHz is 01 74).  The
// identification frames, the alignment image and the settings block's
// programmable VFO limits hold limits this way.
//
// Usage:
//   BandLimitValue(0x01, 0x74) == 174
//   BandLimitValue(0x01, 0x7A) == -1, BandLimitValue(0x0A, 0x00) == -1   // no limit
//   ToBandLimitBytes(174) -> {0x01, 0x74};  ToBandLimitBytes(99) -> {0x00, 0x99}
//   ToBandLimitBytes(-1) and (1000) -> nothing: no two bytes say so
// A limit has three decimal digits: a hundreds byte above 9 or a nibble
// above 9 is damage, never a limit.
#pragma once

#include <cstdint>
#include <optional>

namespace brel {

struct BandLimitBytes {
  std::uint8_t hundreds = 0;
  std::uint8_t tensUnits = 0;
  bool operator==(const BandLimitBytes&) const = default;
};

inline constexpr int kMaxBandLimit = 999;

// The limit, or -1 when a byte holds a digit above 9.
int BandLimitValue(std::uint8_t hundreds, std::uint8_t tensUnits);
std::optional<BandLimitBytes> ToBandLimitBytes(int mhz);

// One packed-BCD byte (0x74 is 74), or -1 when a nibble is above 9; and
// back for 0..99.
int PackedBcdValue(std::uint8_t byte);
std::uint8_t ToPackedBcd(int value);

}  // namespace brel
