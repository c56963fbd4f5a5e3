#include "text_chars.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brel {
namespace {

constexpr char32_t kB = kBrokenChar;

// Every way of splitting a text agrees: the pieces, the code points, the
// count and every cut.
TEST(TextChars, WellFormedSequencesAreOneCharacterAndEveryOtherByteIsOneOfItsOwn) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> chars;
    std::u32string points;
  };
  const Case cases[] = {
      {"empty", "", {}, U""},
      {"ASCII", "A1 +", {"A", "1", " ", "+"}, U"A1 +"},
      {"two bytes", "\xC3\xA9", {"\xC3\xA9"}, U"\u00E9"},
      {"Chinese among ASCII", "1中a", {"1", "中", "a"}, U"1\u4E2Da"},
      {"least three-byte", "\xE0\xA0\x80", {"\xE0\xA0\x80"}, U"\u0800"},
      {"four bytes", "\xF0\x9F\x98\x80", {"\xF0\x9F\x98\x80"}, U"\U0001F600"},
      {"greatest code point", "\xF4\x8F\xBF\xBF", {"\xF4\x8F\xBF\xBF"}, U"\U0010FFFF"},
      {"lead cut short before ASCII", "\xE4" "12", {"\xE4", "1", "2"}, {kB, U'1', U'2'}},
      {"lead before an ASCII letter", "\xC3" "A", {"\xC3", "A"}, {kB, U'A'}},
      {"sequence cut at the end", "A\xE4\xB8", {"A", "\xE4", "\xB8"}, {U'A', kB, kB}},
      {"four-byte lead cut at the end", "\xF0\x9F\x98", {"\xF0", "\x9F", "\x98"}, {kB, kB, kB}},
      {"stray continuation bytes", "\x80" "A\xBF", {"\x80", "A", "\xBF"}, {kB, U'A', kB}},
      {"overlong two-byte digit", "\xC0\xB0", {"\xC0", "\xB0"}, {kB, kB}},
      {"overlong two-byte letter", "\xC1\x81", {"\xC1", "\x81"}, {kB, kB}},
      {"overlong three-byte", "\xE0\x80\xB0", {"\xE0", "\x80", "\xB0"}, {kB, kB, kB}},
      {"overlong four-byte", "\xF0\x80\x80\xB0", {"\xF0", "\x80", "\x80", "\xB0"}, {kB, kB, kB, kB}},
      {"surrogate", "\xED\xA0\x80", {"\xED", "\xA0", "\x80"}, {kB, kB, kB}},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", {"\xF4", "\x90", "\x80", "\x80"}, {kB, kB, kB, kB}},
      {"lead 0xF5 with continuations", "\xF5\x80\x80\x80", {"\xF5", "\x80", "\x80", "\x80"}, {kB, kB, kB, kB}},
      {"bytes 0xF8 to 0xFF", "\xF8\xFC\xFE\xFF", {"\xF8", "\xFC", "\xFE", "\xFF"}, {kB, kB, kB, kB}},
      {"broken then whole", "\xE4\xB8" "中", {"\xE4", "\xB8", "中"}, {kB, kB, U'\u4E2D'}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextCharacters(c.text), c.chars);
    EXPECT_EQ(TextCodePoints(c.text), c.points);
    EXPECT_EQ(TextCharacterCount(c.text), c.chars.size());
    std::string left;
    for (std::size_t n = 0; n <= c.chars.size(); ++n) {
      EXPECT_EQ(LeftTextCharacters(c.text, n), left) << n;
      if (n < c.chars.size()) left += c.chars[n];
    }
    EXPECT_EQ(left, c.text);  // the pieces are the text, byte for byte
    EXPECT_EQ(LeftTextCharacters(c.text, c.chars.size() + 1), c.text);
  }
}

TEST(TextChars, Latin1BytesBecomeUtf8) {
  const struct {
    std::uint8_t byte;
    std::string utf8;
  } cases[] = {{0x00, std::string(1, '\0')}, {'A', "A"}, {0x7F, "\x7F"}, {0x80, "\xC2\x80"},
               {0xBF, "\xC2\xBF"},        {0xC0, "\xC3\x80"}, {0xE9, "é"}, {0xFF, "ÿ"}};
  for (const auto& c : cases) EXPECT_EQ(Latin1ToUtf8(c.byte), c.utf8) << int{c.byte};

  const std::uint8_t bytes[] = {'V', '1', 0xB0, 0xFF};
  EXPECT_EQ(Latin1ToUtf8(bytes, 4), "V1°ÿ");
  EXPECT_EQ(Latin1ToUtf8(bytes, 0), "");
}

TEST(TextChars, ByteAsTwoHexDigits) {
  const std::pair<int, const char*> cases[] = {{0, "00"}, {9, "09"}, {0x0A, "0A"}, {0x4F, "4F"}, {0xAB, "AB"}, {255, "FF"}};
  for (const auto& [value, hex] : cases) EXPECT_EQ(HexByteText(value), hex) << value;
}

}  // namespace
}  // namespace brel
