// How the FM editor reads a typed text as a number: its leading numeric part
// (an optional sign, digits and at most one point; blanks skipped), 0 when
// there is none.  No exponent and no "&H": "1e2" reads 1.
#pragma once

#include <string>
#include <string_view>

namespace brel::fm {

// The leading number as its digits, so a frequency is checked and stored
// without passing through a double.
struct DecimalDigits {
  bool negative = false;
  std::string whole;     // digits before the point, no leading zeros ("" for 0)
  std::string fraction;  // digits after the point as typed
  bool isZero() const;
};

DecimalDigits ReadDecimalDigits(std::string_view text);
double NumberValue(std::string_view text);

}  // namespace brel::fm
