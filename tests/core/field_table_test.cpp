#include "field_table.h"

#include <gtest/gtest.h>

#include "mem_image.h"

namespace brel {
namespace {

constexpr Choice kPower[] = {{"HIGH", 0}, {"LOW", 1}};
constexpr Choice kWidth[] = {{"W", 1}, {"N", 0}};  // positions that are not the stored values
constexpr Choice kSigCode[] = {{"1", 0}, {"2", 1}, {"3", 2}};

// A settings block and a VFO-like record: whole-byte lists and boxes, flag
// bits, nibbles, a bit pair and two-byte tone codes.
constexpr Field kFields[] = {
    {.name = "squelch", .offset = 0, .kind = FieldKind::List, .entries = 10},
    {.name = "dualWatch", .offset = 7, .kind = FieldKind::Box},
    {.name = "fmRadio", .offset = 42, .shift = 4, .width = 1, .kind = FieldKind::Box},
    {.name = "alarmSound", .offset = 42, .shift = 3, .width = 1, .kind = FieldKind::Box},
    {.name = "total", .offset = 46, .kind = FieldKind::Number},
    {.name = "shift", .offset = 60, .shift = 4, .width = 4, .kind = FieldKind::List, .entries = 3},
    {.name = "sigCode", .offset = 60, .width = 4, .kind = FieldKind::List, .choices = kSigCode,
     .beyond = Beyond::NoEntry},
    {.name = "power", .offset = 63, .shift = 7, .width = 1, .kind = FieldKind::List, .choices = kPower},
    {.name = "width", .offset = 63, .shift = 6, .width = 1, .kind = FieldKind::List, .choices = kWidth},
    {.name = "nibblePower", .offset = 62, .width = 1, .kind = FieldKind::List, .choices = kPower, .storeWidth = 4},
    {.name = "rxTone", .offset = 47, .width = 16},  // spans two rows: 0x2F and 0x30
};

class FieldTable : public ::testing::Test {
 protected:
  FieldTable() { image.fill(0, 10, 0, 15, 0); }
  const Field& field(const char* name) { return FindField(kFields, name); }
  int byte(int offset) { return image.at(2 + offset / 16, offset % 16); }
  void put(int offset, int value) { image.at(2 + offset / 16, offset % 16) = static_cast<std::int16_t>(value); }

  MemoryImage image;
  RecordBytes block{image, 2};
};

TEST_F(FieldTable, ListsShowTheirPositionOrTheLastEntryOrNone) {
  struct Case {
    const char* field;
    int offset, byte;
    int position;
    std::string text;
  } cases[] = {
      {"squelch", 0, 3, 3, ""},     {"squelch", 0, 10, 9, ""},   {"squelch", 0, 0xFF, 9, ""},
      {"shift", 60, 0x1A, 1, ""},   {"shift", 60, 0xF0, 2, ""},  {"sigCode", 60, 0x12, 2, "3"},
      {"sigCode", 60, 0x0F, -1, ""}, {"power", 63, 0x80, 1, "LOW"}, {"power", 63, 0x7F, 0, "HIGH"},
      {"width", 63, 0x40, 0, "W"},  {"width", 63, 0xBF, 1, "N"}, {"squelch", 0, 0x105, 5, ""},
  };
  for (const auto& c : cases) {
    put(c.offset, c.byte);
    EXPECT_EQ(Decode(block, field(c.field)), c.position) << c.field << " " << c.byte;
    EXPECT_EQ(ChoiceText(block, field(c.field)), c.text) << c.field << " " << c.byte;
  }
}

TEST_F(FieldTable, StoresChangeOnlyTheFieldsBits) {
  struct Case {
    const char* field;
    int offset, before, value, after;
  } cases[] = {
      {"squelch", 0, 0xFF, 5, 5},
      {"dualWatch", 7, 5, 1, 1},  // a box stores 1, never the old non-zero byte
      {"dualWatch", 7, 5, 0, 0},
      {"fmRadio", 42, 0x80, 1, 0x90},
      {"fmRadio", 42, 0x90, 0, 0x80},
      {"alarmSound", 42, 31, 0, 23},
      {"shift", 60, 0x0E, 1, 0x1E},
      {"sigCode", 60, 0x20, 2, 0x22},
      {"power", 63, 0x40, 1, 0xC0},
      {"width", 63, 0xC0, 1, 0x80},  // position 1 is "N": bit 6 clear
      {"width", 63, 0x00, 0, 0x40},
      {"nibblePower", 62, 0xFE, 1, 0xF1},  // bits 1-3 cleared with the choice, 4-7 kept
      {"total", 46, 0, 128, 128},
      {"total", 46, 0, 0x1FF, 0xFF},  // cut to the field
  };
  for (const auto& c : cases) {
    put(c.offset, c.before);
    EXPECT_TRUE(Encode(block, field(c.field), c.value)) << c.field;
    EXPECT_EQ(byte(c.offset), c.after) << c.field << " " << c.before << " <- " << c.value;
  }
}

TEST_F(FieldTable, RefusesAPositionWithoutAnEntry) {
  put(0, 4);
  put(63, 0x3F);
  for (int position : {-1, 10}) EXPECT_FALSE(Encode(block, field("squelch"), position));
  EXPECT_FALSE(Encode(block, field("power"), 2));
  EXPECT_EQ(byte(0), 4);
  EXPECT_EQ(byte(63), 0x3F);
}

TEST_F(FieldTable, FieldsWiderThanAByteRunLowByteFirstAcrossRows) {
  EncodeToneField(block, field("rxTone"), ToneCode::Ctcss(670), ToneOffRule::Vfo);
  EXPECT_EQ(image.at(4, 15), 0x9E);
  EXPECT_EQ(image.at(5, 0), 0x02);
  EXPECT_EQ(FieldBits(block, field("rxTone")), 0x029Eu);
  EXPECT_EQ(DecodeToneField(block, field("rxTone"), ToneOffRule::Vfo), ToneCode::Ctcss(670));
  put(47, 0x10);
  put(48, 0xFF);
  EXPECT_EQ(DecodeToneField(block, field("rxTone"), ToneOffRule::Vfo), ToneCode::Off());
  EncodeToneField(block, field("rxTone"), ToneCode::Ctcss(1535), ToneOffRule::Vfo);  // reads back as off
  EXPECT_EQ(FieldBits(block, field("rxTone")), 0u);
}

TEST(RecordBytesView, FlatCellsReadOnlyTablesAndBounds) {
  std::array<std::int16_t, 64> settings{};
  const RecordBytes working{std::span<std::int16_t>(settings)};
  Encode(working, FindField(kFields, "fmRadio"), 1);
  EXPECT_EQ(settings[42], 0x10);
  EXPECT_THROW(working.get(64), std::out_of_range);
  EXPECT_THROW(working.get(-1), std::out_of_range);

  SmallTable stage;
  stage.at(3, 14) = 0x150;  // a cell from a file beyond a byte counts as its low eight bits
  const SmallTable& constStage = stage;
  const RecordBytes shown{constStage, 0};
  EXPECT_EQ(shown.get(62), 0x50);
  EXPECT_THROW(shown.set(62, 1), std::logic_error);
  EXPECT_THROW(shown.get(16 * 16), std::out_of_range);
  EXPECT_THROW(FindField(kFields, "nothing"), std::out_of_range);
}

}  // namespace
}  // namespace brel
