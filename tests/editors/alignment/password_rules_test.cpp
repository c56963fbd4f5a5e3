#include "password_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brel::adj {
namespace {

// The 16 bytes of the line at 0x1FF0.
std::vector<std::uint8_t> Reply(const std::string& line16) { return {line16.begin(), line16.end()}; }

TEST(PasswordRules, OldPasswordAgainstTheRadiosLine) {
  struct Case {
    const char* name;
    std::string line;
    const char* old;
    PasswordVerdict verdict;
  };
  const Case cases[] = {
      {"user", "123456BRP888\x01\x02\x03\x04", "123456", PasswordVerdict::Accepted},
      {"short user", "abc   BRP888WXYZ", "abc", PasswordVerdict::Accepted},
      {"super", "123456BRP888WXYZ", "BRP888", PasswordVerdict::Accepted},
      {"blank user, any old", "      BRP888WXYZ", "nonsense", PasswordVerdict::NoUserPassword},
      {"wrong", "123456BRP888WXYZ", "654321", PasswordVerdict::Wrong},
      {"case matters", "abcdefBRP888WXYZ", "ABCDEF", PasswordVerdict::Wrong},
      {"user one byte on", "x123456RP888WXYZ", "123456", PasswordVerdict::Wrong},
      {"super one byte on", "123456xBRP888XYZ", "BRP888", PasswordVerdict::Wrong},
      {"blank super opens nothing", "123456      WXYZ", "", PasswordVerdict::Wrong},
      {"blank user one byte on", "x      RP888WXYZ", "y", PasswordVerdict::Wrong},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CheckPassword(Reply(c.line), PasswordBuffer(c.old)), c.verdict);
  }
}

TEST(PasswordRules, OnlyAWholeLineCounts) {
  EXPECT_EQ(CheckPassword(Reply("      BRP888WXY"), PasswordBuffer("x")), PasswordVerdict::Wrong);
}

TEST(PasswordRules, TheLineWrittenKeepsTheSuperPasswordAndTheLastFourBytes) {
  const auto line = PasswordLine(Reply("123456BRP888\x01\x02\x03\x04"), PasswordBuffer(" new "));
  const std::array<std::uint8_t, 16> expected{'n', 'e', 'w', ' ', ' ', ' ', 'B', 'R', 'P', '8', '8', '8', 1, 2, 3, 4};
  EXPECT_EQ(line, expected);
  const auto none = PasswordLine(Reply("123456BRP888WXYZ"), PasswordBuffer(""));
  for (int i = 0; i < 6; ++i) EXPECT_EQ(none[static_cast<std::size_t>(i)], ' ');
}

TEST(PasswordRules, BoxesTakePrintableAsciiAndSixCharacters) {
  EXPECT_TRUE(PasswordKeyAccepted("12345", U'6'));
  EXPECT_TRUE(PasswordKeyAccepted(" 12345 ", U'~'));
  EXPECT_FALSE(PasswordKeyAccepted("123456", U'7'));
  EXPECT_TRUE(PasswordKeyAccepted("123456", 8));
  EXPECT_FALSE(PasswordKeyAccepted("", U'中'));
  EXPECT_FALSE(PasswordKeyAccepted("", 9));
  EXPECT_EQ(PasswordBuffer("abcdefgh"), (PasswordChars{'a', 'b', 'c', 'd', 'e', 'f'}));
  EXPECT_EQ(PasswordBuffer("a中b"), (PasswordChars{'a', 'b', ' ', ' ', ' ', ' '}));
}

}  // namespace
}  // namespace brel::adj
