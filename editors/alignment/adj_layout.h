// The alignment area as the editor sees it: the band variants, the five
// pages, and the captions and point labels a variant gives the window.
//
// AdjImage rows 0..15 are the radio lines 0x1F00.. (13 and 14 sit lower, see
// addr::AdjLineAddress); rows 16..19 are what a read brought from
// 0x1EC0..0x1EFF.  Captions are Chinese or neutral in both languages.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brel::adj {

inline constexpr int kEditedRows = 16;   // rows 0..15: written, saved, defaulted
inline constexpr int kImageRows = 20;    // rows 0..19 hold radio bytes
inline constexpr int kRowBytes = 16;
inline constexpr int kDeviationRow0 = 10;
inline constexpr int kRangeRow = 12;
inline constexpr int kSoftwareVersionRow = 19;

inline constexpr int kVariantCount = 5;
inline constexpr int kPageCount = 5;

// One band variant of the radio: which bands it has and how the window shows them.
struct AdjVariant {
  const char* optionName;  // the option button
  const char* caption;
  std::array<int, 2> lower;  // AdjBandLower(0..1), whole MHz
  std::array<int, 2> upper;  // AdjBandUpper(0..1)
  // Default restricted ranges: row 12 columns 1..4 (band 0) and 6..9 (band 1).
  std::array<std::uint8_t, 4> range0;
  std::array<std::uint8_t, 4> range1;
  bool band1RangeEnabled;
  const char* labelF0;  // Label_F0, Label_F1
  const char* labelF1;
  const char* frameB0;  // Frame_B0(0)
  const char* frameB1;  // Frame_B0(1) and Frame_Sql_UHF
  bool band0Shown;
  bool band1Shown;
  int band1PowerPoints;  // Text2 / Label_UHF shown: 0 .. n-1
  int band1CompPoints;   // Text_Sq_Offset_UHF shown: 0 .. n-1
  bool singleBand() const { return !band1RangeEnabled; }
};

extern const std::array<AdjVariant, kVariantCount> AdjVariantTable;

// Clamps a stored variant number into the table (the program keeps 0..4).
const AdjVariant& VariantAt(int variant);

struct AdjPageInfo {
  const char* tabCaption;
  const char* tabKey;
  const char* windowCaption;
  const char* frameName;     // Frame_Frame, Frame_Sql, Frame_Dev, Frame_Other
  const char* frameCaption;  // empty: the window caption
};

extern const std::array<AdjPageInfo, kPageCount> AdjPages;

// The squelch frame of band 0 keeps this caption whatever the variant.
inline constexpr const char* kSqlVhfCaption = " 136 - 174 MHZ";

// Point labels of the variant.
std::string Band0PointLabel(const AdjVariant& v, int i);  // Label1(i), i 0..13
std::string Band1PointLabel(const AdjVariant& v, int i);  // Label_UHF(i), i 0..24
std::string SqlOffsetVhfLabel(int i);                     // Label_Sq_Offset_Vhf(i), i 0..9
std::string SqlOffsetUhfLabel(const AdjVariant& v, int i);  // Label_Sq_Offset_UHF(i), i 0..12
// A band-0 power point at or past the band's top is marked.
bool Band0PointMarked(const AdjVariant& v, int i);

}  // namespace brel::adj
