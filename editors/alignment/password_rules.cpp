#include "password_rules.h"

#include <algorithm>

#include "adj_fields.h"
#include "numtext.h"

namespace brel::adj {
namespace {

constexpr std::uint8_t kBlank = 32;
constexpr std::array<std::uint8_t, 4> kReplyHeader{0x58, 0x1F, 0xF0, 0x10};
constexpr int kUserAt = 4;
constexpr int kSuperAt = 10;
constexpr int kTailAt = 16;

bool SameAt(std::span<const std::uint8_t> reply, int at, const PasswordChars& chars) {
  return std::equal(chars.begin(), chars.end(), reply.begin() + at);
}

}  // namespace

bool PasswordKeyAccepted(std::string_view currentText, char32_t key) {
  if (key == kBackspace) return true;
  if (key < 32 || key > 126) return false;
  return Utf8Chars(TrimBlanks(currentText)).size() <= kPasswordLength - 1;
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

bool PasswordReplyValid(std::span<const std::uint8_t> reply) {
  return reply.size() == kPasswordReplyLength && std::equal(kReplyHeader.begin(), kReplyHeader.end(), reply.begin());
}

PasswordVerdict CheckPassword(std::span<const std::uint8_t> reply, const PasswordChars& oldPassword) {
  if (!PasswordReplyValid(reply)) return PasswordVerdict::Wrong;
  PasswordChars blanks;
  blanks.fill(kBlank);
  if (SameAt(reply, kUserAt, blanks)) return PasswordVerdict::NoUserPassword;
  if (SameAt(reply, kUserAt, oldPassword)) return PasswordVerdict::Accepted;
  // A super password of six blanks is no password: it opens nothing.
  if (!SameAt(reply, kSuperAt, blanks) && SameAt(reply, kSuperAt, oldPassword)) return PasswordVerdict::Accepted;
  return PasswordVerdict::Wrong;
}

std::array<std::uint8_t, 16> PasswordLine(std::span<const std::uint8_t> reply, const PasswordChars& newPassword) {
  std::array<std::uint8_t, 16> line{};
  std::copy(newPassword.begin(), newPassword.end(), line.begin());
  if (reply.size() >= kPasswordReplyLength)
    std::copy(reply.begin() + kSuperAt, reply.begin() + kPasswordReplyLength, line.begin() + kPasswordLength);
  return line;
}

}  // namespace brel::adj
