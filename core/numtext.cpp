#include "numtext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "exact_decimal.h"

namespace brel {

double TextToNumber(std::string_view text) { return ReadExactDecimal(text, NumberRule::Full).ToDouble(); }

double TextToPlainNumber(std::string_view text) { return ReadExactDecimal(text, NumberRule::Plain).ToDouble(); }

std::string NumberToTrimmedText(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";
  // 15 significant digits in scientific form, then laid out as plain decimal.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  std::string sci(buf);
  const bool negative = sci[0] == '-';
  if (negative) sci.erase(0, 1);
  const std::size_t ePos = sci.find('e');
  const int exponent = std::atoi(sci.c_str() + ePos + 1);
  std::string mantissa;
  for (std::size_t k = 0; k < ePos; ++k)
    if (sci[k] != '.') mantissa.push_back(sci[k]);
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

  std::string out;
  const int intDigits = exponent + 1;
  if (intDigits <= 0) {
    out = "0." + std::string(static_cast<std::size_t>(-intDigits), '0') + mantissa;
  } else if (static_cast<std::size_t>(intDigits) >= mantissa.size()) {
    out = mantissa + std::string(static_cast<std::size_t>(intDigits) - mantissa.size(), '0');
  } else {
    out = mantissa.substr(0, static_cast<std::size_t>(intDigits)) + "." +
          mantissa.substr(static_cast<std::size_t>(intDigits));
  }
  return negative ? "-" + out : out;
}

std::string NumberToText(double value) {
  std::string t = NumberToTrimmedText(value);
  return t[0] == '-' ? t : " " + t;
}

std::int64_t RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double diff = value - lower;
  double r = lower;
  if (diff > 0.5) {
    r = lower + 1;
  } else if (diff == 0.5) {
    r = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
  }
  return static_cast<std::int64_t>(r);
}

std::string TrimBlanks(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string Concat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string out;
  out.reserve(size);
  for (std::string_view part : parts) out.append(part);
  return out;
}

}  // namespace brel
