// Frequency and tone codecs with typed text and record bytes: a frequency is
// stored only as eight valid BCD digits that say what the text said (snapped
// down to the raster), or not at all; every formatter and code gives a
// defined result for any text or number.
#include <cmath>
#include <cstring>
#include <limits>
#include <regex>
#include <string>

#include "exact_decimal.h"
#include "five_tone.h"
#include "frequency_codec.h"
#include "fuzz_check.h"
#include "mem_image.h"
#include "numtext.h"
#include "program_state.h"
#include "tone_code.h"

namespace {

void CheckStoreFrequency(const std::string& text) {
  brel::MemoryImage image;
  image.fill(0, 2, 0, 15, 0x5A);
  const brel::MemoryImage before = image;
  const std::optional<std::string> stored = brel::StoreFrequency(image, text, 1, 4);
  FUZZ_REQUIRE(stored.has_value() == brel::CanStoreFrequency(text), "the check and the store agree");
  if (!stored) {
    FUZZ_REQUIRE(image == before, "a refused frequency writes nothing");
    return;
  }
  for (int r = 0; r <= 2; ++r)
    for (int c = 0; c < 16; ++c)
      if (r != 1 || c < 4 || c > 7) FUZZ_REQUIRE(image.at(r, c) == 0x5A, "only the four bytes change");
  int b[4];
  for (int i = 0; i < 4; ++i) {
    b[i] = image.at(1, 4 + i);
    FUZZ_REQUIRE(brel::fuzz::IsPackedBcd(b[i]), "every stored byte is packed BCD");
  }
  // The specified encoder of the normalised text gives the same bytes.
  const brel::FreqBcdBytes encoded = brel::FrequencyToBcd(*stored);
  for (int i = 0; i < 4; ++i) FUZZ_REQUIRE(encoded[static_cast<std::size_t>(3 - i)] == b[i], "the encoder agrees");
  // What is stored is the typed value snapped down by less than a step.
  const double typed = brel::TextToNumber(text);
  const double shown = brel::TextToNumber(brel::BcdToFrequencyText(b[0], b[1], b[2], b[3]));
  FUZZ_REQUIRE(std::fabs(shown - brel::TextToNumber(*stored)) < 1e-9, "the bytes say the normalised text");
  FUZZ_REQUIRE(shown <= typed + 1e-6 + 1e-12 * std::fabs(typed) && shown > typed - 0.00625 - 1e-6, "snapped down less than a step");
}

void CheckVfoText(const std::string& text) {
  static const std::regex kShape("-?[0-9]+\\.[0-9]{5}");
  const bool finite = std::isfinite(brel::TextToNumber(text));
  for (int flag : {0, 1}) {
    const std::string shown = brel::FormatVfoFrequency(text, flag);
    FUZZ_REQUIRE(finite ? std::regex_match(shown, kShape) : shown.empty(), "a VFO text is digits, a point and five digits, or empty");
  }
}

void CheckToneBytes(int lo, int hi) {
  for (auto rule : {brel::ToneOffRule::Channel, brel::ToneOffRule::Vfo}) {
    const brel::ToneCode tone = brel::DecodeTone(lo, hi, rule);
    const brel::ToneBytes bytes = brel::EncodeTone(tone, rule);
    FUZZ_REQUIRE(bytes.lo >= 0 && bytes.lo <= 255 && bytes.hi >= 0 && bytes.hi <= 255, "tone bytes are bytes");
    FUZZ_REQUIRE(brel::DecodeTone(bytes.lo, bytes.hi, rule) == tone, "a decoded tone encodes back to itself");
  }
}

void CheckTypedTone(const std::string& text) {
  const brel::ToneCode tone = brel::CtcssFromText(text);
  FUZZ_REQUIRE(tone.kind == brel::ToneCode::Kind::Off ||
              (tone.kind == brel::ToneCode::Kind::Ctcss && tone.value >= 256 && tone.value <= 0xFFFF),
          "a typed tone is off or a CTCSS tone of 16 bits");
  for (auto rule : {brel::ToneOffRule::Channel, brel::ToneOffRule::Vfo}) {
    const brel::ToneBytes bytes = brel::EncodeTone(tone, rule);
    const brel::ToneCode back = brel::DecodeTone(bytes.lo, bytes.hi, rule);
    FUZZ_REQUIRE(back == tone || back == brel::ToneCode::Off(), "a typed tone is stored as itself or as off");
  }
}

void CheckExactDecimal(const std::string& text) {
  for (auto rule : {brel::NumberRule::Full, brel::NumberRule::Plain}) {
    const brel::ExactDecimal v = brel::ReadExactDecimal(text, rule);
    for (int decimals : {0, 1, 5, 18})
      for (auto rounding : {brel::Rounding::TowardZero, brel::Rounding::Floor, brel::Rounding::HalfUp,
                            brel::Rounding::HalfEven})
        (void)v.Units(decimals, rounding);
    (void)v.CompareTo(136.0);
    (void)v.RestAfter(5);
    if (rule == brel::NumberRule::Full) {
      const double a = v.ToDouble();
      const double b = brel::TextToNumber(text);
      if (std::isfinite(a) && std::isfinite(b))
        FUZZ_REQUIRE(a == b || std::fabs(a - b) <= 1e-12 * std::fabs(b), "the exact reader and the number rule agree");
    }
  }
}

void CheckTonePeriod(double hz) {
  const int code = brel::TonePeriodCode(hz);
  FUZZ_REQUIRE(code >= 0 && code <= 0xFFFF, "a tone period fits 16 bits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brel::fuzz::InputReader in(data, size);
  const int lo = in.byte(), hi = in.byte();
  const std::uint8_t frequencyBytes[4] = {in.byte(), in.byte(), in.byte(), in.byte()};
  const std::uint8_t raw[8] = {in.byte(), in.byte(), in.byte(), in.byte(), in.byte(), in.byte(), in.byte(), in.byte()};
  const std::string text(in.rest());

  CheckStoreFrequency(text);
  CheckVfoText(text);
  CheckToneBytes(lo, hi);
  CheckTypedTone(text);
  CheckExactDecimal(text);
  CheckTonePeriod(brel::TextToNumber(text));
  double anyDouble = 0;
  std::memcpy(&anyDouble, raw, sizeof anyDouble);  // NaN, infinities and subnormals included
  CheckTonePeriod(anyDouble);

  // Any four record bytes decode to a text, damaged digits included.
  const std::string decoded =
      brel::BcdToFrequencyText(frequencyBytes[0], frequencyBytes[1], frequencyBytes[2], frequencyBytes[3]);
  FUZZ_REQUIRE(decoded.size() >= 8, "a decoded frequency has its width");

  // A reply row from anywhere: unpacked only when four rows lie in the table.
  brel::ProgramState state;
  int row = static_cast<int>(static_cast<std::uint32_t>(raw[0] | raw[1] << 8 | raw[2] << 16 | raw[3] << 24));
  const int start = row;
  const bool fits = row >= 0 && row <= brel::ReplyTable::kRows - 4;
  FUZZ_REQUIRE(brel::UnpackSignalPackets(state, row) == fits, "rows beyond the table are refused");
  FUZZ_REQUIRE(row == (fits ? start + 3 : start), "the row moves only when unpacked");
  return 0;
}
