// Bit fields and nibbles of record bytes.
//
// Usage:
//   HighNibble(0x1A) == 1, LowNibble(0x1A) == 10
//   WithHighNibble(0x0E, 1) == 0x1E      // the low nibble kept
//   WithLowNibble(0x20, 14) == 0x2E      // the high nibble kept
//   BitsOf(0x44, 6, 1) == 1              // bit 6
//   WithBits(0x80, 4, 1, 1) == 0x90      // bit 4 set, the other bits kept
// Values are ints; only the bits named take part, so a cell read from a file
// with bits above the byte gives the same fields as its low eight bits.
#pragma once

namespace brel {

constexpr int FieldMask(int width) { return width >= 31 ? 0x7FFFFFFF : (1 << width) - 1; }

// `width` bits of `value` from bit `shift`.
constexpr int BitsOf(int value, int shift, int width) { return (value >> shift) & FieldMask(width); }

// `value` with `width` bits from bit `shift` replaced by `bits` (cut to the width).
constexpr int WithBits(int value, int shift, int width, int bits) {
  const int mask = FieldMask(width) << shift;
  return (value & ~mask) | ((bits << shift) & mask);
}

constexpr int HighNibble(int byte) { return BitsOf(byte, 4, 4); }
constexpr int LowNibble(int byte) { return BitsOf(byte, 0, 4); }
constexpr int WithHighNibble(int byte, int nibble) { return WithBits(byte & 0xFF, 4, 4, nibble); }
constexpr int WithLowNibble(int byte, int nibble) { return WithBits(byte & 0xFF, 0, 4, nibble); }

}  // namespace brel
