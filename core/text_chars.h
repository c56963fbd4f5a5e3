// Characters of texts, the one way every window and codec splits and builds
// them.
//
// Typed text is UTF-8: a length, a cut or a check of which characters are
// allowed counts characters, never bytes.  Only a well-formed sequence is one
// character; every byte that starts none (a stray continuation byte, a lead
// byte cut short or followed by a wrong byte, an overlong form, a surrogate,
// 0xF5..0xFF) is a character of its own, so a broken sequence neither
// swallows the characters after it nor passes for the one its bits name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brel {

// The code point a broken byte stands for: no character any rule allows.
inline constexpr char32_t kBrokenChar = U'\uFFFD';

// The characters of a UTF-8 text, one string of its bytes each.
std::vector<std::string> TextCharacters(std::string_view utf8);
// The same characters as code points, a broken byte as kBrokenChar.
std::u32string TextCodePoints(std::string_view utf8);
// How many characters the text has.
std::size_t TextCharacterCount(std::string_view utf8);
// The first `count` characters, byte for byte (all of a shorter text).
std::string LeftTextCharacters(std::string_view utf8, std::size_t count);

// Bytes from the radio or a file, one Latin-1 character each, as UTF-8.
std::string Latin1ToUtf8(std::uint8_t byte);
std::string Latin1ToUtf8(const std::uint8_t* bytes, std::size_t count);

// A byte 0..255 as two upper-case hexadecimal digits, high digit first.
std::string HexByteText(int value);

}  // namespace brel
