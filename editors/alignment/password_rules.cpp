#include "password_rules.h"

#include <algorithm>

#include "adj_fields.h"
#include "numtext.h"
#include "text_chars.h"

namespace brel::adj {
namespace {

constexpr std::uint8_t kBlank = 32;
constexpr std::size_t kUserAt = 0;
constexpr std::size_t kSuperAt = 6;
constexpr std::size_t kLineLength = 16;

bool SameAt(std::span<const std::uint8_t> line, std::size_t at, const PasswordChars& chars) {
  return std::equal(chars.begin(), chars.end(), line.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

bool PasswordKeyAccepted(std::string_view currentText, char32_t key) {
  if (key == kBackspace) return true;
  if (key < 32 || key > 126) return false;
  return TextCharacters(TrimBlanks(currentText)).size() <= kPasswordLength - 1;
}

PasswordChars PasswordBuffer(std::string_view text) {
  PasswordChars chars;
  chars.fill(kBlank);
  // The boxes hold printable ASCII only; anything else never reaches the radio.
  std::size_t n = 0;
  for (char ch : TrimBlanks(text)) {
    if (n == chars.size()) break;
    if (ch >= 32 && ch <= 126) chars[n++] = static_cast<std::uint8_t>(ch);
  }
  return chars;
}

PasswordVerdict CheckPassword(std::span<const std::uint8_t> line, const PasswordChars& oldPassword) {
  if (line.size() != kLineLength) return PasswordVerdict::Wrong;
  PasswordChars blanks;
  blanks.fill(kBlank);
  if (SameAt(line, kUserAt, blanks)) return PasswordVerdict::NoUserPassword;
  if (SameAt(line, kUserAt, oldPassword)) return PasswordVerdict::Accepted;
  // A super password of six blanks is no password: it opens nothing.
  if (!SameAt(line, kSuperAt, blanks) && SameAt(line, kSuperAt, oldPassword)) return PasswordVerdict::Accepted;
  return PasswordVerdict::Wrong;
}

PasswordLineBytes PasswordLine(std::span<const std::uint8_t> line, const PasswordChars& newPassword) {
  PasswordLineBytes out{};
  std::copy(newPassword.begin(), newPassword.end(), out.begin());
  if (line.size() == kLineLength) std::copy(line.begin() + kSuperAt, line.end(), out.begin() + kPasswordLength);
  return out;
}

}  // namespace brel::adj
