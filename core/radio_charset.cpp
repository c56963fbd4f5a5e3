#include "radio_charset.h"

#include <array>
#include <initializer_list>

#include "address_map.h"

namespace brel {
namespace {

constexpr std::uint8_t kUnknownCharByte = 11;

bool InSet(int byte) {
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || byte == '+' || byte == '-' || byte == ' ';
}

// Default texts of the alignment area.  They are assembled one character at
// a time so that the passwords do not stand in the program as plain strings.
constexpr char kPowerOnText[] = "WELCOME BRP-6 ";  // word, blank, model, blank
constexpr char kFactoryModelCode[] = "BP6";
constexpr char kFactorySerial[] = "0001";
constexpr std::array<char, 6> kUserPassword = {'1', '2', '3', '4', '5', '6'};
constexpr std::array<char, 6> kSuperPassword = {'B', 'R', 'P', '8', '8', '8'};
constexpr char kOlderModelText[] = "VELMOR BRP-3";  // 12 characters
static_assert(sizeof kPowerOnText - 1 == 14 && kPowerOnText[7] == ' ' && kPowerOnText[13] == ' ');
static_assert(sizeof kOlderModelText - 1 == 12);

void PutLine(AdjTable& table, int line, int firstCol, std::initializer_list<int> values) {
  int col = firstCol;
  for (int v : values) table.at(line, col++) = static_cast<std::int16_t>(v);
}

void FillLine(AdjTable& table, int line, int firstCol, int lastCol, int value) {
  table.fill(line, line, firstCol, lastCol, static_cast<std::int16_t>(value));
}

void PutText(AdjTable& table, int line, int firstCol, std::string_view text) {
  int col = firstCol;
  for (char c : text) table.at(line, col++) = RadioByteFromChar(std::string_view(&c, 1));
}

std::string TwoDigits(int value) {
  value = ((value % 100) + 100) % 100;
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// The time-of-day letter of the factory line: morning up to 12 o'clock,
// afternoon from 13 to 17, evening from 18.
char HourLetter(int hour) { return hour < 13 ? 'A' : hour < 18 ? 'P' : 'N'; }

}  // namespace

std::string CharFromRadioByte(int byte) {
  if (!InSet(byte)) return {};
  return std::string(1, static_cast<char>(byte));
}

std::uint8_t RadioByteFromChar(std::string_view text) {
  if (text.size() != 1) return kUnknownCharByte;
  const char c = text[0];
  if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(c - 'a' + 'A');
  return InSet(static_cast<unsigned char>(c)) ? static_cast<std::uint8_t>(c) : kUnknownCharByte;
}

void BuildAdjDefaults(ProgramState& state, const Clock& clock) {
  AdjTable& t = state.AdjDefaults;
  // A cell no line sets holds 0, whatever an earlier default set left there.
  t.fill(0, 15, 0, 15, 0);

  for (int c = 0; c < 16; ++c) {
    t.at(0, c) = static_cast<std::int16_t>(201 + c);
    t.at(1, c) = static_cast<std::int16_t>(211 + c);
    t.at(2, c) = static_cast<std::int16_t>(227 + c);
    t.at(3, c) = static_cast<std::int16_t>(101 + c);
    t.at(4, c) = static_cast<std::int16_t>(111 + c);
    t.at(5, c) = static_cast<std::int16_t>(127 + c);
  }
  PutLine(t, 6, 0, {0, 37, 37, 37, 37, 38, 39, 40, 41, 42});
  PutLine(t, 7, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  PutLine(t, 8, 0, {0, 38, 38, 38, 38, 39, 40, 41, 42, 43});
  for (int c = 0; c <= 13; ++c) t.at(9, c) = static_cast<std::int16_t>(c);
  PutLine(t, 10, 10, {60, 22, 13, 159, 2, 128});
  PutLine(t, 11, 10, {60, 22, 13, 255, 3, 128});
  // Columns 1..4 and 6..9: the bands 136..174 and 400..479 MHz as band-limit bytes.
  PutLine(t, 12, 0, {1, 1, 0x36, 1, 0x74, 1, 4, 0x00, 4, 0x79, 0, 14, 15, 16, 17, 21});

  PutText(t, addr::kAdjPowerOnTextLine, 0, kPowerOnText);

  // One reading, so date and time of day cannot straddle midnight.
  const ClockReading now = clock.now();
  const std::string factory = TwoDigits(now.year) + TwoDigits(now.month) + TwoDigits(now.day) +
                              HourLetter(now.hour) + kFactoryModelCode + kFactorySerial;
  PutText(t, addr::kAdjFactoryInfoLine, 0, factory);

  std::string passwords;
  for (char c : kUserPassword) passwords.push_back(c);
  for (char c : kSuperPassword) passwords.push_back(c);
  PutText(t, addr::kAdjPasswordLine, 0, passwords);
}

void BuildAdjDefaults2(ProgramState& state) {
  AdjTable& t = state.AdjDefaults;
  FillLine(t, 0, 0, 15, 120);
  FillLine(t, 1, 0, 15, 120);
  FillLine(t, 2, 0, 15, 55);
  FillLine(t, 3, 0, 15, 55);
  PutLine(t, 4, 0, {24, 48, 0, 1, 48, 0, 4, 4, 15, 208, 11, 26, 16, 43, 50, 200});
  PutLine(t, 5, 0, {44, 25, 100, 50, 98, 124, 51, 10, 242, 71, 43, 170, 79, 16, 64, 78});
  PutLine(t, 6, 0, {41, 58, 86, 6, 82, 110, 6, 45, 112, 24, 27, 113, 108, 30, 127, 0});
  PutLine(t, 7, 0, {1, 5, 0, 31, 127, 0, 0, 60, 10, 120, 61, 32, 11, 31, 16, 1});
  PutLine(t, 8, 0, {10, 3, 64, 2, 6, 152, 84, 29, 76, 0, 0, 0, 0, 0, 0, 0});
  FillLine(t, 9, 0, 13, 0);
  PutLine(t, 10, 0, {0, 11, 21, 31, 34, 37, 39, 41, 43, 45, 60, 18, 12, 255, 0, 136});
  PutLine(t, 11, 0, {0, 1, 1, 1, 1, 37, 39, 41, 43, 45, 60, 18, 12, 255, 0, 128});
  // The older model keeps its two bands on separate lines: 136..173 and 400..479 MHz.
  FillLine(t, 12, 0, 7, 2);
  PutLine(t, 12, 8, {0, 0, 1, 1, 0x36, 1, 0x73});
  FillLine(t, 13, 0, 9, 0);
  PutLine(t, 13, 10, {1, 4, 0x00, 4, 0x79});
  PutText(t, addr::kAdjFactoryInfoLine, 0, kOlderModelText);
}

}  // namespace brel
