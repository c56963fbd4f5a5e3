#include "numtext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brel {
namespace {

bool IsSkippable(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Collects the characters of the text that are not skippable, so that the
// parser below can look at them as one contiguous run.
std::string Compact(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!IsSkippable(c)) out.push_back(c);
  return out;
}

double ReadRadix(const std::string& s, std::size_t pos, int radix) {
  double value = 0;
  for (; pos < s.size(); ++pos) {
    int digit = -1;
    char c = s[pos];
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0 || digit >= radix) break;
    value = value * radix + digit;
  }
  return value;
}

}  // namespace

double TextToNumber(std::string_view text) {
  const std::string s = Compact(text);
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ReadRadix(s, 2, 16);
    if (s[1] == 'O' || s[1] == 'o') return ReadRadix(s, 2, 8);
    return 0;
  }
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool digits = false;
  bool point = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9') {
      number.push_back(c);
      digits = true;
    } else if (c == '.' && !point) {
      number.push_back(c);
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0;
  // An exponent counts only when digits follow it.
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    std::size_t firstDigit = j;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') exponent.push_back(s[j++]);
    if (j > firstDigit) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

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

}  // namespace brel
