#include "fm_records.h"

#include <gtest/gtest.h>

#include <vector>

namespace brel::fm {
namespace {

using Digits = std::array<int, 8>;

TEST(FmRecords, FrequencyTextFromDigits) {
  struct Case {
    Digits digits;
    const char* text;
  };
  const std::vector<Case> cases{
      {{0, 8, 8, 9, 0, 0, 0, 0}, "88.90000"},  {{1, 0, 0, 7, 0, 0, 0, 0}, "100.70000"},
      {{1, 0, 8, 0, 0, 0, 0, 0}, "108.00000"}, {{0, 8, 7, 5, 0, 0, 0, 0}, "87.50000"},
      {{0, 9, 9, 1, 2, 3, 4, 5}, "99.12345"},
      // Below 10 MHz the text still has its point in place.
      {{0, 0, 5, 0, 0, 0, 0, 0}, "5.00000"},   {{0, 0, 9, 5, 0, 0, 0, 0}, "9.50000"},
  };
  for (const Case& c : cases) {
    const Digits& d = c.digits;
    EXPECT_EQ(Cov_Freq(d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]), c.text);
  }
}

TEST(FmRecords, FrequencyDigitsFromText) {
  struct Case {
    const char* text;
    Digits digits;
  };
  const std::vector<Case> cases{
      {"99.50000", {0, 9, 9, 5, 0, 0, 0, 0}}, {"100.70000", {1, 0, 0, 7, 0, 0, 0, 0}},
      {"88.9", {0, 8, 8, 9, 0, 0, 0, 0}},     {" 103.90000 ", {1, 0, 3, 9, 0, 0, 0, 0}},
      {"88", {0, 8, 8, 0, 0, 0, 0, 0}},       {"5.50000", {0, 0, 5, 5, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(FrequencyDigits(c.text), c.digits) << c.text;
}

TEST(FmRecords, NameFieldPlacesByLength) {
  using Field = std::array<int, 8>;
  constexpr int F = 0xFF;
  struct Case {
    const char* name;
    Field field;
  };
  const std::vector<Case> cases{
      {"A", {F, F, F, 'A', F, F, F, F}},
      {"AB", {F, F, F, 'A', 'B', F, F, F}},
      {"ABC", {F, F, 'A', 'B', 'C', F, F, F}},
      {"ABCD", {F, F, 'A', 'B', 'C', 'D', F, F}},
      {"CCTV1", {F, 0x43, 0x43, 0x54, 0x56, 0x31, F, F}},
      {"ABCDEF", {'A', 'B', 'C', 'D', 'E', 'F', F, F}},
      {"ABCDEFGH", {'A', 'B', 'C', 'D', 'E', 'F', F, F}},
      {"", {F, F, F, F, F, F, F, F}},
  };
  for (const Case& c : cases) EXPECT_EQ(NameField(c.name), c.field) << c.name;
}

TEST(FmRecords, NameReaderSkipsFillAndBlanksWhereverTheNameStarts) {
  const int late[8] = {0xFF, 0xFF, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31};
  EXPECT_EQ(NameFromField(late), "CCTV1");
  const int blanks[8] = {0xFF, 0x20, 0xFF, 0x20, 0xFF, 0xFF, 0x20, 0xFF};
  EXPECT_EQ(NameFromField(blanks), "");
}

TEST(FmRecords, PresetRecordDecoding) {
  // Eight zero digits empty the row even with a name behind them; an erased
  // area (0xFF digits) shows empty rather than as a bogus frequency.
  const PresetRecord zero{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF};
  EXPECT_EQ(DecodePresetRecord(zero).frequency, "");
  EXPECT_EQ(DecodePresetRecord(zero).name, "");
  PresetRecord erased;
  erased.fill(0xFF);
  EXPECT_EQ(DecodePresetRecord(erased).frequency, "");
  PresetRecord oneBad{0, 8, 8, 9, 0, 0, 10, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(DecodePresetRecord(oneBad).frequency, "");

  const PresetRecord preset{0, 8, 8, 9, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31};
  EXPECT_EQ(DecodePresetRecord(preset).frequency, "88.90000");
  EXPECT_EQ(DecodePresetRecord(preset).name, "CCTV1");
  // Below 100 MHz the first digit is 0: still a preset.
  const PresetRecord noName{0, 9, 5, 5, 0, 0, 0, 0, 0xFF, 0x20, 0xFF, 0x20, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(DecodePresetRecord(noName).frequency, "95.50000");
  EXPECT_EQ(DecodePresetRecord(noName).name, "");
}

TEST(FmRecords, PresetRecordEncoding) {
  const PresetRecord preset2{0, 9, 0, 4, 0, 0, 0, 0, 0xFF, 0x43, 0x43, 0x54, 0x56, 0x31, 0xFF, 0xFF};
  EXPECT_EQ(EncodePresetRecord("90.40000", "CCTV1"), preset2);
  PresetRecord empty;
  empty.fill(0xFF);
  for (int k = 0; k < 8; ++k) empty[static_cast<std::size_t>(k)] = 0;
  EXPECT_EQ(EncodePresetRecord("", "CCTV1"), empty);
  EXPECT_EQ(EncodePresetRecord("  ", ""), empty);
  // Encoding and decoding agree.
  const PresetTexts back = DecodePresetRecord(EncodePresetRecord("103.90000", "CCTV6"));
  EXPECT_EQ(back.frequency, "103.90000");
  EXPECT_EQ(back.name, "CCTV6");
}

TEST(FmRecords, BandLimitEncoding) {
  struct Case {
    std::string box;
    std::array<int, 3> digits;
  };
  const std::vector<Case> cases{
      {"136.00000", {1, 3, 6}}, {"87", {0, 8, 7}},         {"174.50000", {1, 7, 4}}, {"175.50000", {1, 7, 6}},
      {"", {0, 0, 0}},          {"-1.00000", {0, 0, 0}},   {"1000", {0, 0, 0}},      {"999.4", {9, 9, 9}},
      {"1e2", {0, 0, 1}},       {" 480.00000 ", {4, 8, 0}},  {"999.5", {0, 0, 0}},
      {std::string(400, '9'), {0, 0, 0}},
  };
  for (const Case& c : cases) {
    const auto digits = EncodeBandLimits({c.box, "", "", "174"});
    EXPECT_EQ((std::array<int, 3>{digits[0], digits[1], digits[2]}), c.digits) << c.box;
    EXPECT_EQ((std::array<int, 3>{digits[9], digits[10], digits[11]}), (std::array<int, 3>{1, 7, 4}));
  }
}

TEST(FmRecords, BandLimitDecoding) {
  const int block[12] = {1, 3, 6, 1, 7, 4, 0, 8, 7, 0xFF, 0xFF, 0xFF};
  const auto texts = DecodeBandLimits(block);
  EXPECT_EQ(texts[0].value_or("?"), "136.00000");
  EXPECT_EQ(texts[1].value_or("?"), "174.00000");
  EXPECT_EQ(texts[2].value_or("?"), "87.00000");
  EXPECT_FALSE(texts[3].has_value());  // erased: the box keeps its text
}

TEST(FmRecords, ByteAsHex) {
  EXPECT_EQ(Cov_i2b(0), "00 ");
  EXPECT_EQ(Cov_i2b(0x4F), "4F ");
  EXPECT_EQ(Cov_i2b(255), "FF ");
}

}  // namespace
}  // namespace brel::fm
