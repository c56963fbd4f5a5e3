// The password dialog's rules without the dialog: what the boxes take, the
// six-character buffers, the check of the old password against the line the
// radio holds at 0x1FF0, and the line written back.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace brel::adj {

inline constexpr int kPasswordLength = 6;
using PasswordChars = std::array<std::uint8_t, kPasswordLength>;

// The boxes take printable ASCII (32..126) and Backspace; any other key once
// the trimmed text holds more than five characters is refused.
bool PasswordKeyAccepted(std::string_view currentText, char32_t key);
// Positions 0..5 of OldPasswordBuf / NewPasswordBuf: the character codes of
// the trimmed text's first six characters, blank (32) after them.
PasswordChars PasswordBuffer(std::string_view text);

// The read of the password line: 'X', 0x1F, 0xF0, 0x10 and 16 bytes.
inline constexpr int kPasswordReplyLength = 20;
bool PasswordReplyValid(std::span<const std::uint8_t> reply);

enum class PasswordVerdict {
  NoUserPassword,  // the user password is six blanks: frame A
  Accepted,        // the old password is the user or the (set) super password: frame B
  Wrong,           // nothing is written
};
// `reply` is the whole 20-byte reply: the user password at 4..9, the super
// password at 10..15.
PasswordVerdict CheckPassword(std::span<const std::uint8_t> reply, const PasswordChars& oldPassword);

// The 16 data bytes written back: the new user password, then the super
// password and the line's last four bytes as the radio holds them.
std::array<std::uint8_t, 16> PasswordLine(std::span<const std::uint8_t> reply, const PasswordChars& newPassword);

}  // namespace brel::adj
