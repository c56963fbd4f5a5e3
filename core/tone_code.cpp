#include "tone_code.h"

namespace brel {

ToneCode DecodeTone(int lo, int hi, ToneOffRule rule) {
  lo &= 0xFF;
  hi &= 0xFF;
  if (lo == 0 && hi == 0) return ToneCode::Off();
  if (rule == ToneOffRule::Channel ? (lo == 0xFF && hi == 0xFF) : (lo == 0xFF || hi == 0xFF)) return ToneCode::Off();
  if (hi == 0) return ToneCode::Dcs(lo);
  return ToneCode::Ctcss(hi * 256 + lo);
}

ToneBytes EncodeTone(const ToneCode& tone, ToneOffRule rule) {
  ToneBytes bytes{0, 0};
  if (tone.kind == ToneCode::Kind::Dcs && tone.value >= 1 && tone.value <= 0xFF) bytes = {tone.value, 0};
  if (tone.kind == ToneCode::Kind::Ctcss && tone.value >= ToneCode::kMinCtcssTenths && tone.value <= 0xFFFF)
    bytes = {tone.value % 256, tone.value / 256};
  // Bytes that would read back as another tone, or as off, are not written.
  if (DecodeTone(bytes.lo, bytes.hi, rule) != tone) return {0, 0};
  return bytes;
}

std::string CtcssText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

ToneCode CtcssFromText(std::string_view text, NumberRule rule) {
  const auto tenths = ReadExactDecimal(text, rule).Units(1, Rounding::HalfEven);
  if (!tenths || *tenths < ToneCode::kMinCtcssTenths || *tenths > 0xFFFF) return ToneCode::Off();
  return ToneCode::Ctcss(static_cast<int>(*tenths));
}

}  // namespace brel
