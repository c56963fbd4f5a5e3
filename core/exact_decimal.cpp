#include "exact_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace brel {
namespace {

bool IsSkippable(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An exponent that moves the point this far beyond every typed digit leaves
// no digit for any kept decimal (or overflows every use), so larger ones are
// read as this one.
constexpr long kExponentMargin = 400;

void StripLeadingZeros(std::string& digits) {
  std::size_t n = 0;
  while (n < digits.size() && digits[n] == '0') ++n;
  digits.erase(0, n);
}

void StripTrailingZeros(std::string& digits) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

// decimal = decimal * radix + digit, on a text of decimal digits.
void MultiplyAdd(std::string& decimal, int radix, int digit) {
  int carry = digit;
  for (auto it = decimal.rbegin(); it != decimal.rend(); ++it) {
    const int v = (*it - '0') * radix + carry;
    *it = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  while (carry > 0) {
    decimal.insert(decimal.begin(), static_cast<char>('0' + carry % 10));
    carry /= 10;
  }
}

int RadixDigit(char c, int radix) {
  int d = -1;
  if (IsDigit(c)) d = c - '0';
  else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
  return d < radix ? d : -1;
}

ExactDecimal ReadRadix(const std::string& s, int radix) {
  ExactDecimal out;
  std::string decimal;
  for (std::size_t i = 2; i < s.size(); ++i) {
    const int d = RadixDigit(s[i], radix);
    if (d < 0) break;
    MultiplyAdd(decimal, radix, d);
    out.hasDigits = true;
  }
  StripLeadingZeros(decimal);
  out.whole = decimal;
  return out;
}

// The exponent after a mantissa, from s[i] on; 0 when there is none (a
// letter without digits after it is no exponent).
long ReadExponent(const std::string& s, std::size_t i) {
  const long limit = static_cast<long>(s.size()) + kExponentMargin;
  if (i >= s.size()) return 0;
  const char e = s[i];
  if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return 0;
  std::size_t j = i + 1;
  bool minus = false;
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) minus = s[j++] == '-';
  long value = 0;
  bool digits = false;
  for (; j < s.size() && IsDigit(s[j]); ++j) {
    digits = true;
    if (value <= limit) value = value * 10 + (s[j] - '0');
  }
  if (!digits) return 0;
  if (value > limit) value = limit;
  return minus ? -value : value;
}

// Moves the decimal point of whole.fraction by `exponent` places.
void ShiftPoint(std::string& whole, std::string& fraction, long exponent) {
  if (exponent > 0) {
    const auto n = static_cast<std::size_t>(exponent);
    if (fraction.size() >= n) {
      whole += fraction.substr(0, n);
      fraction.erase(0, n);
    } else {
      whole += fraction;
      whole.append(n - fraction.size(), '0');
      fraction.clear();
    }
  } else if (exponent < 0) {
    const auto n = static_cast<std::size_t>(-exponent);
    if (whole.size() >= n) {
      fraction.insert(0, whole.substr(whole.size() - n));
      whole.erase(whole.size() - n);
    } else {
      fraction.insert(0, whole);
      fraction.insert(0, n - whole.size(), '0');
      whole.clear();
    }
  }
}

// Compares two texts of digits that denote fractions (0.d1d2...).
int CompareFractions(std::string_view a, std::string_view b) {
  const std::size_t n = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char x = i < a.size() ? a[i] : '0';
    const char y = i < b.size() ? b[i] : '0';
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

int CompareMagnitudes(const ExactDecimal& a, const ExactDecimal& b) {
  if (a.whole.size() != b.whole.size()) return a.whole.size() < b.whole.size() ? -1 : 1;
  if (a.whole != b.whole) return a.whole < b.whole ? -1 : 1;
  return CompareFractions(a.fraction, b.fraction);
}

}  // namespace

ExactDecimal ReadExactDecimal(std::string_view text, NumberRule rule) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsSkippable(c)) s.push_back(c);

  if (rule == NumberRule::Full && s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ReadRadix(s, 16);
    if (s[1] == 'O' || s[1] == 'o') return ReadRadix(s, 8);
    return {};
  }

  ExactDecimal out;
  std::size_t i = 0;
  bool minus = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
  bool point = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      (point ? out.fraction : out.whole).push_back(c);
      out.hasDigits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!out.hasDigits) return {};
  if (rule == NumberRule::Full) ShiftPoint(out.whole, out.fraction, ReadExponent(s, i));
  StripLeadingZeros(out.whole);
  StripTrailingZeros(out.fraction);
  out.negative = minus && !(out.whole.empty() && out.fraction.empty());
  return out;
}

std::optional<std::int64_t> ExactDecimal::Units(int decimals, Rounding rounding) const {
  if (decimals < 0 || decimals > 18) return std::nullopt;
  const auto places = static_cast<std::size_t>(decimals);
  std::string kept = whole + fraction.substr(0, std::min(places, fraction.size()));
  if (fraction.size() < places) kept.append(places - fraction.size(), '0');
  StripLeadingZeros(kept);
  if (kept.size() > 18) return std::nullopt;
  std::int64_t magnitude = 0;
  for (char c : kept) magnitude = magnitude * 10 + (c - '0');

  const std::string rest = RestAfter(decimals);
  // Where the rest stands against one half of a unit.  The fraction has no
  // trailing zeros, so a rest of "5" is exactly a half and a longer rest
  // beginning with 5 is more.
  const int againstHalf = rest.empty() ? -1 : rest[0] != '5' ? (rest[0] < '5' ? -1 : 1) : (rest.size() > 1 ? 1 : 0);
  bool up = false;
  switch (rounding) {
    case Rounding::TowardZero: break;
    case Rounding::Floor: up = negative && !rest.empty(); break;
    case Rounding::HalfUp: up = negative ? againstHalf > 0 : againstHalf >= 0; break;
    case Rounding::HalfEven: up = againstHalf > 0 || (againstHalf == 0 && magnitude % 2 == 1); break;
  }
  if (up) ++magnitude;
  return negative ? -magnitude : magnitude;
}

int ExactDecimal::FractionDigit(int i) const {
  if (i < 1 || static_cast<std::size_t>(i) > fraction.size()) return 0;
  return fraction[static_cast<std::size_t>(i - 1)] - '0';
}

std::string ExactDecimal::RestAfter(int decimals) const {
  const auto places = static_cast<std::size_t>(std::max(decimals, 0));
  return places < fraction.size() ? fraction.substr(places) : std::string();
}

int ExactDecimal::CompareTo(const ExactDecimal& other) const {
  if (negative != other.negative) return negative ? -1 : 1;
  const int m = CompareMagnitudes(*this, other);
  return negative ? -m : m;
}

int ExactDecimal::CompareTo(double limit) const {
  if (std::isnan(limit)) return 1;
  if (std::isinf(limit)) return limit > 0 ? -1 : 1;
  // Every finite double has a finite decimal expansion; printf writes it
  // exactly when asked for enough places (1074 covers the smallest).
  std::vector<char> buffer(1500);
  std::snprintf(buffer.data(), buffer.size(), "%.1080f", limit);
  return CompareTo(ReadExactDecimal(buffer.data(), NumberRule::Plain));
}

double ExactDecimal::ToDouble() const {
  std::string text = negative ? "-" : "";
  text += whole.empty() ? "0" : whole;
  if (!fraction.empty()) text += "." + fraction;
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace brel
