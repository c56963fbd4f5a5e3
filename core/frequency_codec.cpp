#include "frequency_codec.h"

#include <cmath>
#include <cstdlib>

#include "band_limit.h"
#include "numtext.h"

namespace brel {
namespace {

// Two BCD digits into one byte.  Digits come out of floor() on doubles, so a
// value outside the encoder's domain (below 0 or from 1000 MHz up) gives
// digits outside 0..9; they are wrapped into a byte instead of being
// converted out of range.
std::uint8_t PackDigits(double high, double low) {
  const double v = 16 * high + low;
  if (!std::isfinite(v) || v < -1e15 || v > 1e15) return 0;
  return static_cast<std::uint8_t>(static_cast<long long>(v) & 0xFF);
}

// The text of a frequency as the channel editor shows it: at least "ddd.ddddd".
constexpr double kMaxBcdUnits = 99999999;  // 999.99999 MHz in 10 Hz units

std::string PadToWidth(std::string text, std::size_t width) {
  if (text.size() >= 1 && text.size() <= 3) text += ".";
  if (text.size() < width) text.append(width - text.size(), '0');
  return text;
}

}  // namespace

FreqBcdBytes FrequencyToBcd(std::string_view text) {
  const double f = TextToNumber(text);
  const double d1 = std::floor(f / 100);
  const double d2 = std::floor((f - 100 * d1) / 10);
  const double d3 = std::floor(f - 100 * d1 - 10 * d2);
  // The small offsets keep a fraction that lies on a digit boundary from
  // falling to the digit below through binary rounding.
  const double k = (f - std::floor(f) + 1e-9) * 1000;
  const double d4 = std::floor(k / 100);
  const double d5 = std::floor((k - 100 * d4) / 10);
  const double d6 = std::floor(k - 100 * d4 - 10 * d5);
  const double h = (k - std::floor(k) + 1e-9) * 1000;
  const double d7 = std::floor(h / 100);
  const double d8 = std::floor((h - 100 * d7) / 10);
  return {PackDigits(d1, d2), PackDigits(d3, d4), PackDigits(d5, d6), PackDigits(d7, d8)};
}

namespace {

// A typed frequency on the raster, in 10 Hz units, or nothing when it falls
// outside the eight digits of a record.
std::optional<long long> SnappedUnits(std::string_view text) {
  const double kHz = TextToNumber(text) * 1000;
  if (!std::isfinite(kHz)) return std::nullopt;

  // The radio tunes in 2.5 kHz and 6.25 kHz steps; a typed value goes down to
  // the step point that leaves the smaller remainder (2.5 kHz on a tie).
  struct Snap {
    double point;
    double remainder;
  };
  auto snapDown = [kHz](double step) {
    const double n = std::floor((kHz + 0.001) / step);
    const double point = n * step;
    return Snap{point, std::floor((kHz - point) * 100) / 100};
  };
  const Snap fine = snapDown(2.5);
  const Snap coarse = snapDown(6.25);
  const double chosen = coarse.remainder < fine.remainder ? coarse.point : fine.point;

  // Every raster point is a whole number of 10 Hz units, so this is exact;
  // a point beyond the eight digits is refused whole rather than stored with
  // its top digits wrapped or lost.
  const double units = chosen * 100;
  if (!(units >= 0 && units <= kMaxBcdUnits)) return std::nullopt;
  return static_cast<long long>(units);
}

}  // namespace

bool CanStoreFrequency(std::string_view text) { return SnappedUnits(text).has_value(); }

std::optional<std::string> StoreFrequency(MemoryImage& image, std::string_view text, int row, int col) {
  const std::optional<long long> units = SnappedUnits(text);
  if (!units) return std::nullopt;
  const std::string normalised = PadToWidth(NumberToTrimmedText(static_cast<double>(*units) / 100000), 9);
  // Least significant byte first in the record, two digits a byte.
  long long rest = *units;
  for (int i = 0; i < 4; ++i) {
    image.at(row, col + i) = ToPackedBcd(static_cast<int>(rest % 100));
    rest /= 100;
  }
  return normalised;
}

std::string BcdToFrequencyText(int b0, int b1, int b2, int b3) {
  auto hi = [](int x) { return std::floor(x / 16.0); };
  auto lo = [&hi](int x) { return x - 16 * hi(x); };
  // Summed digit by digit from the top, always in this order: the last
  // decimal of the result depends on it, and the same bytes must always give
  // the same text.
  double value = 100 * hi(b3);
  value += 10 * lo(b3);
  value += hi(b2);
  value += 0.1 * lo(b2);
  value += 0.01 * hi(b1);
  value += 0.001 * lo(b1);
  value += 0.0001 * hi(b0);
  value += 0.00001 * lo(b0);

  std::string text = NumberToTrimmedText(value);
  if (text.size() >= 9) return text;
  return PadToWidth(std::move(text), value < 100 ? 8 : 9);
}

std::string FormatVfoFrequency(std::string_view text, int showFraction) {
  const double v = TextToNumber(text);
  // "1e999" reads as infinity, which has no digits to show.
  if (!std::isfinite(v)) return {};
  double whole = std::trunc(v);
  long long fraction = 0;
  if (showFraction == 1) {
    fraction = std::llabs(static_cast<long long>(RoundHalfEven((v - whole) * 100000)));
    // A fraction that rounds up to a whole MHz carries into the MHz digits
    // rather than printing six fraction digits.
    if (fraction >= 100000) {
      fraction -= 100000;
      whole += v < 0 ? -1 : 1;
    }
  }
  std::string digits = std::to_string(fraction);
  digits.insert(0, 5 - digits.size(), '0');
  return NumberToTrimmedText(whole) + "." + digits;
}

}  // namespace brel
