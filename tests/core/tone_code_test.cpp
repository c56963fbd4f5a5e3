#include "tone_code.h"

#include <gtest/gtest.h>

namespace brel {
namespace {

using Kind = ToneCode::Kind;

TEST(ToneCode, DecodesByTheRecordsOffRule) {
  struct Case {
    int lo, hi;
    ToneCode channel;
    ToneCode vfo;
  } cases[] = {
      {0x00, 0x00, ToneCode::Off(), ToneCode::Off()},
      {0xFF, 0xFF, ToneCode::Off(), ToneCode::Off()},
      {0x10, 0xFF, ToneCode::Ctcss(0xFF10), ToneCode::Off()},  // either FF byte is off in a VFO
      {0xFF, 0x05, ToneCode::Ctcss(0x05FF), ToneCode::Off()},
      {0xFF, 0x00, ToneCode::Dcs(255), ToneCode::Off()},
      {0x01, 0x00, ToneCode::Dcs(1), ToneCode::Dcs(1)},
      {0xD2, 0x00, ToneCode::Dcs(210), ToneCode::Dcs(210)},
      {0xD3, 0x00, ToneCode::Dcs(211), ToneCode::Dcs(211)},
      {0x9E, 0x02, ToneCode::Ctcss(670), ToneCode::Ctcss(670)},
      {0x00, 0x01, ToneCode::Ctcss(256), ToneCode::Ctcss(256)},
      {0x10, 0x80, ToneCode::Ctcss(0x8010), ToneCode::Ctcss(0x8010)},  // above 3276.7 Hz, kept exactly
      {0x19E, 0x102, ToneCode::Ctcss(670), ToneCode::Ctcss(670)},      // cells beyond a byte: low eight bits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeTone(c.lo, c.hi, ToneOffRule::Channel), c.channel) << c.lo << "," << c.hi;
    EXPECT_EQ(DecodeTone(c.lo, c.hi, ToneOffRule::Vfo), c.vfo) << c.lo << "," << c.hi;
  }
  EXPECT_TRUE(ToneCode::Dcs(210).IsListedDcs());
  EXPECT_FALSE(ToneCode::Dcs(211).IsListedDcs());
  EXPECT_FALSE(ToneCode::Ctcss(100).IsListedDcs());
}

// Whatever EncodeTone writes reads back as the same tone under the record's
// rule; what it cannot write that way it writes as off.
TEST(ToneCode, EncodesOnlyWhatReadsBack) {
  const ToneBytes off{0x00, 0x00};
  struct Case {
    ToneCode tone;
    ToneBytes channel;
    ToneBytes vfo;
  } cases[] = {
      {ToneCode::Off(), off, off},
      {ToneCode::Dcs(1), {0x01, 0x00}, {0x01, 0x00}},
      {ToneCode::Dcs(210), {0xD2, 0x00}, {0xD2, 0x00}},
      {ToneCode::Dcs(255), {0xFF, 0x00}, off},  // FF is off in a VFO
      {ToneCode::Ctcss(670), {0x9E, 0x02}, {0x9E, 0x02}},
      {ToneCode::Ctcss(2541), {0xED, 0x09}, {0xED, 0x09}},
      {ToneCode::Ctcss(1535), {0xFF, 0x05}, off},  // 153.5 Hz has a low byte FF
      {ToneCode::Ctcss(0x8010), {0x10, 0x80}, {0x10, 0x80}},
      {ToneCode::Ctcss(0xFEFE), {0xFE, 0xFE}, {0xFE, 0xFE}},
      {ToneCode::Ctcss(0xFF10), {0x10, 0xFF}, off},
      {ToneCode::Ctcss(0xFFFF), off, off},
      {ToneCode::Ctcss(60), off, off},  // would read back as DCS 60
      {ToneCode::Ctcss(100000), off, off},
      {ToneCode::Dcs(0), off, off},
      {ToneCode::Dcs(256), off, off},
      {ToneCode::Dcs(-1), off, off},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeTone(c.tone, ToneOffRule::Channel), c.channel) << c.tone.value;
    EXPECT_EQ(EncodeTone(c.tone, ToneOffRule::Vfo), c.vfo) << c.tone.value;
  }
}

TEST(ToneCode, CtcssTextsAndTypedTones) {
  EXPECT_EQ(CtcssText(885), "88.5");
  EXPECT_EQ(CtcssText(1000), "100.0");
  EXPECT_EQ(CtcssText(670), "67.0");
  EXPECT_EQ(CtcssText(0x8000), "3276.8");

  struct Case {
    const char* text;
    ToneCode tone;
  } cases[] = {
      {"88.5", ToneCode::Ctcss(885)},  {"067.00", ToneCode::Ctcss(670)}, {"88.55", ToneCode::Ctcss(886)},
      {"88.45", ToneCode::Ctcss(884)}, {"254.1", ToneCode::Ctcss(2541)}, {"25.6", ToneCode::Ctcss(256)},
      {"6", ToneCode::Off()},          {"25.5", ToneCode::Off()},        {"10000", ToneCode::Off()},
      {"", ToneCode::Off()},           {"D023N", ToneCode::Off()},       {"-88.5", ToneCode::Off()},
      {"6553.5", ToneCode::Ctcss(65535)}, {"6553.6", ToneCode::Off()},
  };
  for (const auto& c : cases) EXPECT_EQ(CtcssFromText(c.text), c.tone) << c.text;
}

}  // namespace
}  // namespace brel
