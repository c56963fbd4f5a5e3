// The FM preset records and the band-limit block as the radio holds them,
// and their texts.
//
// Preset p (1..16) is 16 bytes at 0x3000 + 16 (p - 1): bytes 0..7 the
// receive frequency, one decimal digit a byte (d0 d1 d2 . d3 .. d7 MHz);
// bytes 8..15 the station name, its characters placed by its length and 0xFF
// wherever no character stands.  An empty preset has eight 0 digits.  The
// band-limit block at 0x3F80 holds four limits in whole MHz, three digits
// each (A lower, A upper, B lower, B upper); its bytes 12..15 are not ours.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brel::fm {

inline constexpr int kPresetCount = 16;
inline constexpr int kNameLength = 6;
inline constexpr int kBandBoxCount = 4;
inline constexpr int kBandLimitDigits = 12;

// The 16 bytes of one preset's record: eight frequency digits, eight name
// bytes.
using PresetRecord = std::array<int, 16>;

// Eight frequency digits to the grid's text: "88.90000", "100.70000".
std::string Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5, int m_freq6,
                     int m_freq7);
// A byte as two hexadecimal digits and a blank: 0x4F -> "4F ".
std::string Cov_i2b(int x);

// A frequency text to its eight digits: the integer part made three digits,
// then the characters after the point; a missing or non-digit character
// gives 0.  "88.9" -> 0,8,8,9,0,0,0,0.
std::array<int, 8> FrequencyDigits(std::string_view text);

// The eight name bytes of a name (its first six characters, placed by
// length; 0xFF elsewhere).
std::array<int, 8> NameField(std::string_view name);
// The characters of a name field with codes 33..127, in byte order.
std::string NameFromField(const int* field, int count = 8);

struct PresetTexts {
  std::string frequency;  // empty: no preset
  std::string name;
};

// A preset record as the grid shows it.  Eight 0 digits, or a byte outside
// 0..9 among them (an erased area), show as an empty preset.
PresetTexts DecodePresetRecord(const PresetRecord& record);
// The record of a frequency and a name; an empty frequency gives the empty
// record whatever the name.
PresetRecord EncodePresetRecord(std::string_view frequency, std::string_view name);

// The four limits of a band-limit block (first 12 bytes) as box texts
// ("136.00000"); a limit whose three bytes are not all digits gives nothing,
// and its box keeps what it shows.
std::array<std::optional<std::string>, kBandBoxCount> DecodeBandLimits(const int* block);
// The four box texts to twelve digits: each value taken to the nearest whole
// MHz (a half to the even neighbour), three digits each; a value outside
// 0..999 gives 0,0,0.
std::array<int, kBandLimitDigits> EncodeBandLimits(const std::array<std::string, kBandBoxCount>& boxes);

}  // namespace brel::fm
