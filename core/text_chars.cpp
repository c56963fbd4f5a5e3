#include "text_chars.h"

namespace brel {
namespace {

struct TextChar {
  std::size_t length;  // in bytes, at least 1
  char32_t point;
};

constexpr TextChar kBroken{1, kBrokenChar};

// The character that starts at `at` (< text.size()).  The ranges of the
// second byte keep out overlong forms (after 0xE0, 0xF0), surrogates (after
// 0xED) and code points beyond U+10FFFF (after 0xF4).
TextChar CharAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
  const unsigned lead = byte(0);
  if (lead < 0x80) return {1, lead};
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kBroken;
  }
  if (text.size() - at < length) return kBroken;
  char32_t point = lead & (0x7Fu >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned b = byte(k);
    if (b < low || b > high) return kBroken;
    point = (point << 6) | (b & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  return {length, point};
}

// Calls `each(at, character)` for every character in order; stops early when
// it returns false.
template <typename Each>
void ForEachChar(std::string_view text, Each each) {
  for (std::size_t at = 0; at < text.size();) {
    const TextChar c = CharAt(text, at);
    if (!each(at, c)) return;
    at += c.length;
  }
}

}  // namespace

std::vector<std::string> TextCharacters(std::string_view utf8) {
  std::vector<std::string> out;
  ForEachChar(utf8, [&](std::size_t at, TextChar c) {
    out.emplace_back(utf8.substr(at, c.length));
    return true;
  });
  return out;
}

std::u32string TextCodePoints(std::string_view utf8) {
  std::u32string out;
  ForEachChar(utf8, [&](std::size_t, TextChar c) {
    out.push_back(c.point);
    return true;
  });
  return out;
}

std::size_t TextCharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  ForEachChar(utf8, [&](std::size_t, TextChar) {
    ++count;
    return true;
  });
  return count;
}

std::string LeftTextCharacters(std::string_view utf8, std::size_t count) {
  std::size_t end = utf8.size();
  std::size_t seen = 0;
  ForEachChar(utf8, [&](std::size_t at, TextChar) {
    if (seen == count) {
      end = at;
      return false;
    }
    ++seen;
    return true;
  });
  return std::string(utf8.substr(0, end));
}

std::string Latin1ToUtf8(std::uint8_t byte) {
  if (byte < 0x80) return std::string(1, static_cast<char>(byte));
  return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

std::string Latin1ToUtf8(const std::uint8_t* bytes, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += Latin1ToUtf8(bytes[i]);
  return text;
}

std::string HexByteText(int value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  const int high = value / 16;
  const int low = value - 16 * high;
  return {kDigits[high & 0x0F], kDigits[low & 0x0F]};
}

}  // namespace brel
