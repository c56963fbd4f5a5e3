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
inline constexpr int kPasswordLineAddress = 0x1FF0;
using PasswordChars = std::array<std::uint8_t, kPasswordLength>;
using PasswordLineBytes = std::array<std::uint8_t, 16>;

// The boxes take printable ASCII (32..126) and Backspace; any other key once
// the trimmed text holds more than five characters is refused.
bool PasswordKeyAccepted(std::string_view currentText, char32_t key);
// Positions 0..5 of OldPasswordBuf / NewPasswordBuf: the character codes of
// the trimmed text's first six characters, blank (32) after them.
PasswordChars PasswordBuffer(std::string_view text);

enum class PasswordVerdict {
  NoUserPassword,  // the user password is six blanks: frame A
  Accepted,        // the old password is the user or the (set) super password: frame B
  Wrong,           // nothing is written
};
// `line` is the 16 bytes read from 0x1FF0: the user password at 0..5, the
// super password at 6..11.
PasswordVerdict CheckPassword(std::span<const std::uint8_t> line, const PasswordChars& oldPassword);

// The 16 bytes written back: the new user password, then the super password
// and the line's last four bytes as the radio holds them.
PasswordLineBytes PasswordLine(std::span<const std::uint8_t> line, const PasswordChars& newPassword);

}  // namespace brel::adj
