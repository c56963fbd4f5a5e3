// Number <-> text conversions shared by every codec and window.
//
// The radio's texts and the program's parameter files were defined around a
// particular way of reading and printing numbers; these three functions are
// that way, kept in one place so every caller formats identically.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brel {

// Reads the leading number of a text.  Blanks (and tabs, CR, LF) are skipped
// wherever they stand; a sign, digits, one decimal point and an exponent
// (E or D followed by digits) are taken; "&H" / "&O" introduce a hexadecimal
// or octal whole number.  Reading stops at the first character that cannot
// continue the number; a text without digits reads as 0.  (The exact
// reader of exact_decimal.h reads by the same rule: use it where the digits
// matter.)
double TextToNumber(std::string_view text);

// The plain rule of the FM and signalling editors: blanks skipped, a sign,
// digits and one decimal point, nothing more ("1e2" reads 1, "&H10" 0).
double TextToPlainNumber(std::string_view text);

// Plain decimal with up to 15 significant digits: no exponent, no trailing
// zeros after the point, no point for a whole number, and one leading blank
// when the value is not negative (" 136", "-2.5", " 145.5225").
std::string NumberToText(double value);

// NumberToText without the leading blank ("136", "145.5225").
std::string NumberToTrimmedText(double value);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double value);

// Blanks removed at both ends (only the blank character, as the windows trim).
std::string TrimBlanks(std::string_view text);

// The parts joined into one text, e.g. Concat({" ", std::to_string(n), ".0"}).
// Join texts this way rather than with a chain of + that starts from a
// literal or a temporary: GCC 12 optimising warns falsely (-Wrestrict) inside
// the standard library's operator+ for such chains.
std::string Concat(std::initializer_list<std::string_view> parts);

}  // namespace brel
