#include "fm_number.h"

#include <cstdlib>

namespace brel::fm {

bool DecimalDigits::isZero() const {
  return whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
}

DecimalDigits ReadDecimalDigits(std::string_view text) {
  DecimalDigits d;
  bool signSeen = false, pointSeen = false, anyDigit = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if ((c == '+' || c == '-') && !signSeen && !anyDigit && !pointSeen) {
      signSeen = true;
      d.negative = c == '-';
    } else if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (pointSeen) d.fraction.push_back(c);
      else if (!(d.whole.empty() && c == '0')) d.whole.push_back(c);
    } else if (c == '.' && !pointSeen) {
      pointSeen = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return DecimalDigits{};
  if (d.isZero()) d.negative = false;
  return d;
}

double NumberValue(std::string_view text) {
  const DecimalDigits d = ReadDecimalDigits(text);
  std::string s = d.negative ? "-" : "";
  s += d.whole.empty() ? "0" : d.whole;
  if (!d.fraction.empty()) s += "." + d.fraction;
  return std::strtod(s.c_str(), nullptr);
}

}  // namespace brel::fm
