// The two-byte tone code of channel and VFO records, low byte first.
//
// A high byte of 0 is a DCS code numbered by the low byte (1..105 normal,
// 106..210 inverted; 211..255 are numbers no list holds); any other high
// byte makes low + 256 * high the CTCSS tone in tenths of a hertz.  What is
// "off" depends on the record:
//   ToneOffRule::Channel  00 00 or FF FF
//   ToneOffRule::Vfo      00 00, or either byte FF
//
// Usage:
//   const ToneCode t = DecodeTone(lo, hi, ToneOffRule::Vfo);
//   if (t.kind == ToneCode::Kind::Dcs && t.IsListedDcs()) list = t.value + 50;
//   if (t.kind == ToneCode::Kind::Ctcss) text = CtcssText(t.value);   // "88.5"
//   const ToneBytes b = EncodeTone(ToneCode::Ctcss(885), ToneOffRule::Vfo);   // 75 03
//   const ToneCode typed = CtcssFromText("88.5");   // exact; Off when no tone
// EncodeTone writes off as 00 00, and writes off for what would not read
// back as the same tone under the record's rule: a DCS number outside
// 1..255, a CTCSS value below 256 tenths (it would read as DCS) or whose
// bytes read as off (FF FF in a channel; in a VFO record a high byte FF, so
// nothing above 65279, or a low byte FF, as 153.5 Hz = FF 05).
#pragma once

#include <string>
#include <string_view>

#include "exact_decimal.h"

namespace brel {

enum class ToneOffRule { Channel, Vfo };

struct ToneCode {
  enum class Kind { Off, Dcs, Ctcss };
  Kind kind = Kind::Off;
  int value = 0;  // Dcs: the code number; Ctcss: tenths of a hertz

  static constexpr ToneCode Off() { return {}; }
  static constexpr ToneCode Dcs(int number) { return {Kind::Dcs, number}; }
  static constexpr ToneCode Ctcss(int tenths) { return {Kind::Ctcss, tenths}; }

  // A DCS code the tone lists hold (1..210).
  bool IsListedDcs() const { return kind == Kind::Dcs && value >= 1 && value <= kListedDcsCodes; }

  static constexpr int kListedDcsCodes = 210;
  static constexpr int kMinCtcssTenths = 256;

  bool operator==(const ToneCode&) const = default;
};

struct ToneBytes {
  int lo = 0;
  int hi = 0;
  bool operator==(const ToneBytes&) const = default;
};

// Each byte is taken as its low eight bits.
ToneCode DecodeTone(int lo, int hi, ToneOffRule rule);
ToneBytes EncodeTone(const ToneCode& tone, ToneOffRule rule);

// Tenths of a hertz as the tone lists write them: 885 -> "88.5", 1000 -> "100.0".
std::string CtcssText(int tenths);

// A CTCSS tone from a text: its number read exactly, to the nearest tenth of
// a hertz (a half to the even neighbour); Off below 256 tenths or above
// 65535.  (EncodeTone still applies the record's off rule.)
ToneCode CtcssFromText(std::string_view text, NumberRule rule = NumberRule::Full);

}  // namespace brel
