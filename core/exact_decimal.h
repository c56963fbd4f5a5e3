// Numbers in typed text, read digit by digit and never through a double.
//
// Every window that reads a number from a text uses this one reader, by one
// of two rules:
//   NumberRule::Full   blanks, tabs, CR and LF are skipped wherever they
//                      stand; a sign, digits, one decimal point and an
//                      exponent (E or D followed by digits: "1.5e2" is 150);
//                      or a whole number in hexadecimal or octal after "&H"
//                      or "&O".  TextToNumber reads by this rule.
//   NumberRule::Plain  the same blanks skipped; a sign, digits and one
//                      decimal point, nothing more ("1e2" reads 1, "&H10"
//                      reads 0).  TextToPlainNumber reads by this rule.
// Reading stops at the first character that cannot continue the number, so
// "145.1 MHz" reads 145.1; a text that does not begin with a number reads 0.
//
// Usage:
//   const ExactDecimal v = ReadExactDecimal(text);      // NumberRule::Full
//   if (!v.hasDigits) ...                    // no number at all (it reads as 0)
//   v.CompareTo(state.VhfLower) < 0          // exact comparison with a limit
//   v.Units(0, Rounding::Floor)              // the whole part M: 145 for "145.0056"
//   v.FractionDigit(1) .. v.FractionDigit(6) // d1..d6: 0 0 5 6 0 0 (0 where missing)
//   v.Units(5, Rounding::TowardZero)         // 14500560: five decimals cut
//   v.Units(1, Rounding::HalfEven)           // tenths, a half to the even neighbour
//   v.RestAfter(2)                           // "56": the digits below the second decimal
// Units() gives nothing when the value does not fit 18 digits: treat that as
// a refused entry.  "145.005" is exactly 145005 thousandths, never 145.00475.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brel {

enum class NumberRule { Full, Plain };

enum class Rounding {
  TowardZero,  // cut the digits beyond the kept decimals
  Floor,       // the largest value not above the number
  HalfUp,      // nearest, a half going up (towards +infinity)
  HalfEven,    // nearest, a half going to the even neighbour
};

struct ExactDecimal {
  bool hasDigits = false;  // false: the text does not begin with a number; the value is 0
  bool negative = false;   // never set for zero
  std::string whole;       // digits before the point, no leading zeros ("" for 0)
  std::string fraction;    // digits after the point, no trailing zeros

  // The value in units of 10^-decimals (decimals 0..18), rounded as asked;
  // nothing when it needs more than 18 digits.
  std::optional<std::int64_t> Units(int decimals, Rounding rounding) const;
  // Fraction digit i (1 = tenths), 0 where the number has none.
  int FractionDigit(int i) const;
  // The fraction digits from decimal `decimals` + 1 on, "" when there are none.
  std::string RestAfter(int decimals) const;
  // -1, 0 or 1 as this number is below, equal to or above the other; exact.
  int CompareTo(const ExactDecimal& other) const;
  int CompareTo(double limit) const;
  // The double nearest to the number.
  double ToDouble() const;
};

ExactDecimal ReadExactDecimal(std::string_view text, NumberRule rule = NumberRule::Full);

}  // namespace brel
