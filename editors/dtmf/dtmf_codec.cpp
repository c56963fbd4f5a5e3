#include "dtmf_codec.h"

namespace brel::dtmf {

int TextToDigitCode(std::string_view ch) {
  if (ch.size() != 1) return kNoCharacter;
  const char c = ch[0];
  if (c >= '0' && c <= '9') return c - '0';
  switch (c) {
    case '*': return 11;
    case '#': return 12;
    case 'A': case 'a': return 13;
    case 'B': case 'b': return 14;
    case 'C': case 'c': return 15;
    case 'D': case 'd': return 16;
    default: return kNoCharacter;
  }
}

std::string DigitCodeToText(int code) {
  if (code >= 0 && code <= 9) return std::string(1, static_cast<char>('0' + code));
  switch (code) {
    case 11: return "*";
    case 12: return "#";
    case 13: return "A";
    case 14: return "B";
    case 15: return "C";
    case 16: return "D";
    default: return {};
  }
}

std::string DigitsToText(int c0, int c1, int c2, int c3, int c4) {
  return DigitCodeToText(c0) + DigitCodeToText(c1) + DigitCodeToText(c2) + DigitCodeToText(c3) +
         DigitCodeToText(c4);
}

}  // namespace brel::dtmf
