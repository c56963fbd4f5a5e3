#include "vfo_record.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "option_settings.h"

namespace brel {
namespace {

class VfoRecord : public ::testing::Test {
 protected:
  void put(int offset, const std::vector<int>& bytes) {
    for (int b : bytes) cells[static_cast<std::size_t>(offset++)] = static_cast<std::int16_t>(b);
  }
  std::vector<int> bytes(int offset, int count) const {
    std::vector<int> out;
    for (int k = 0; k < count; ++k) out.push_back(cells[static_cast<std::size_t>(offset + k)]);
    return out;
  }

  std::array<std::int16_t, 32> cells{};
  RecordBytes record{cells};
};

TEST_F(VfoRecord, FrequencyDigitsShowAndStoreExactly) {
  struct Case {
    std::vector<int> digits;
    std::string shown;
    std::vector<int> storedAgain;
  };
  const std::vector<int> zeros(8, 0);
  const Case cases[] = {
      {{1, 4, 5, 5, 0, 0, 0, 0}, "145.50000", {1, 4, 5, 5, 0, 0, 0, 0}},
      {{4, 7, 9, 9, 9, 9, 7, 5}, "479.99975", {4, 7, 9, 9, 9, 9, 7, 5}},
      // A leading 0 is left out; eight characters store as nine with a 0.
      {{0, 5, 0, 0, 1, 2, 5, 0}, "50.01250", {0, 5, 0, 0, 1, 2, 5, 0}},
      {zeros, "00.00000", zeros},
      // Bytes above 9 are left out, so the digits after them move up.
      {{1, 4, 0x0A, 5, 2, 5, 0, 0}, "14.52500", {0, 1, 4, 5, 2, 5, 0, 0}},
      {std::vector<int>(8, 0xFF), ".", zeros},
  };
  for (const Case& c : cases) {
    put(vfo::kFrequency, c.digits);
    EXPECT_EQ(vfo::FrequencyText(record), c.shown);
    vfo::StoreFrequency(record, c.shown);
    EXPECT_EQ(bytes(vfo::kFrequency, 8), c.storedAgain) << c.shown;
  }
}

TEST_F(VfoRecord, FrequencyTextsStoreTheirDigitsByCharacter) {
  struct Case {
    const char* text;
    std::vector<int> stored;
  };
  const Case cases[] = {
      {"  145.50000 ", {1, 4, 5, 5, 0, 0, 0, 0}},
      {"145.5", {1, 4, 5, 5, 0, 0, 0, 0}},
      {"1x5.5a000", {1, 0, 5, 5, 0, 0, 0, 0}},
      {"", {0, 0, 0, 0, 0, 0, 0, 0}},
      // One character however many bytes: the digits keep their places.
      {"位45.50000", {0, 4, 5, 5, 0, 0, 0, 0}},
      {"145.500009", {1, 4, 5, 5, 0, 0, 0, 0}},  // nothing past the ninth
  };
  for (const Case& c : cases) {
    put(vfo::kFrequency, std::vector<int>(8, 7));
    vfo::StoreFrequency(record, c.text);
    EXPECT_EQ(bytes(vfo::kFrequency, 8), c.stored) << c.text;
  }
}

TEST_F(VfoRecord, OffsetsShowTheNearestEntryAHalfStepGoingToTheEvenOne) {
  struct Case {
    std::vector<int> bytes;
    std::int64_t khz;
    int entry;
  };
  const Case cases[] = {
      {{0, 0, 0, 6, 0, 0}, 600, 12},
      {{0, 0, 0, 0, 2, 5}, 25, 0},
      {{0, 0, 0, 0, 7, 5}, 75, 2},
      {{0, 0, 0, 6, 2, 5}, 625, 12},
      {{0, 0, 0, 6, 2, 6}, 626, 13},
      {{0, 0, 0, 6, 7, 5}, 675, 14},
      {{0, 9, 9, 9, 5, 0}, 99950, 1999},
      {{0, 9, 9, 9, 7, 5}, 99975, 1999},
      {{1, 0, 0, 0, 0, 0}, 100000, 1999},
      // Damaged bytes are written out as numbers before they are read.
      {{0, 0, 0, 0, 0, 255}, 255, 5},
      {{0, 0, 0, 1, 12, 0}, 1120, 22},
      {std::vector<int>(6, 0xFF), 255255255255255255, 1999},
  };
  for (const Case& c : cases) {
    put(vfo::kOffset, c.bytes);
    EXPECT_EQ(vfo::OffsetKhz(record), c.khz) << testing::PrintToString(c.bytes);
    EXPECT_EQ(vfo::OffsetEntry(vfo::OffsetKhz(record)), c.entry) << testing::PrintToString(c.bytes);
  }
}

TEST_F(VfoRecord, EveryOffsetEntryOfEitherWindowStoresAndShowsAgain) {
  for (const char* unit : {"MHZ", ""}) {
    const settings::Items entries = settings::OffsetItems(unit);
    ASSERT_EQ(static_cast<int>(entries.size()), vfo::kOffsetEntries);
    EXPECT_EQ(entries[112], std::string("05.600") + unit);
    for (int entry = 0; entry < vfo::kOffsetEntries; ++entry) {
      const std::string& text = entries[static_cast<std::size_t>(entry)];
      put(vfo::kOffset, {9, 9, 9, 9, 9, 9});
      vfo::StoreOffset(record, text);
      ASSERT_EQ(vfo::OffsetKhz(record), vfo::kOffsetStepKhz * entry) << text;
      ASSERT_EQ(vfo::OffsetEntry(vfo::OffsetKhz(record)), entry) << text;
    }
  }
}

TEST_F(VfoRecord, OffsetTextsStoreALeadingZeroThenTheirDigits) {
  struct Case {
    const char* text;
    std::vector<int> stored;
  };
  const Case cases[] = {
      {"05.600", {0, 0, 5, 6, 0, 0}},
      {" 0 5.\t600 ", {0, 0, 5, 6, 0, 0}},  // blanks and tabs anywhere
      {"5.6", {0, 5, 0, 0, 0, 0}},  // by place: the 6 stands where the point belongs
      {"", {0, 0, 0, 0, 0, 0}},
      {"9x.9y0", {0, 9, 0, 9, 0, 0}},
  };
  for (const Case& c : cases) {
    put(vfo::kOffset, {7, 7, 7, 7, 7, 7});
    vfo::StoreOffset(record, c.text);
    EXPECT_EQ(bytes(vfo::kOffset, 6), c.stored) << c.text;
  }
}

TEST_F(VfoRecord, ToneListEntriesAndToneCodes) {
  // Both windows' lists: 50 CTCSS tones before the DCS codes, and 2000.
  for (const int firstDcs : {51, 2001}) {
    SCOPED_TRACE(firstDcs);
    EXPECT_EQ(vfo::ToneEntry(ToneCode::Off(), firstDcs), 0);
    EXPECT_EQ(vfo::ToneEntry(ToneCode::Dcs(1), firstDcs), firstDcs);
    EXPECT_EQ(vfo::ToneEntry(ToneCode::Dcs(210), firstDcs), firstDcs + 209);
    EXPECT_EQ(vfo::ToneEntry(ToneCode::Dcs(211), firstDcs), 0) << "no list holds it";
    EXPECT_EQ(vfo::ToneEntry(ToneCode::Ctcss(885), firstDcs), std::nullopt);

    EXPECT_EQ(vfo::EntryTone(0, "88.5", firstDcs), ToneCode::Off());
    EXPECT_EQ(vfo::EntryTone(7, "88.5", firstDcs), ToneCode::Ctcss(885));
    EXPECT_EQ(vfo::EntryTone(-1, "60.0", firstDcs), ToneCode::Ctcss(600)) << "a typed text without an entry";
    EXPECT_EQ(vfo::EntryTone(-1, "", firstDcs), ToneCode::Off());
    EXPECT_EQ(vfo::EntryTone(firstDcs, "D023N", firstDcs), ToneCode::Dcs(1));
    EXPECT_EQ(vfo::EntryTone(firstDcs + 209, "D754I", firstDcs), ToneCode::Dcs(210));
  }

  // Erased tone bytes read as off; a tone the record cannot keep is stored as off.
  put(22, {0xFF, 0xFF, 0x75, 0x03});
  EXPECT_EQ(vfo::Tone(record, vfo::kRxTone), ToneCode::Off());
  EXPECT_EQ(vfo::Tone(record, vfo::kTxTone), ToneCode::Ctcss(885));
  vfo::StoreTone(record, vfo::kRxTone, ToneCode::Ctcss(1535));  // would be FF 05
  vfo::StoreTone(record, vfo::kTxTone, ToneCode::Dcs(106));
  EXPECT_EQ(bytes(22, 4), (std::vector<int>{0, 0, 106, 0}));
}

TEST_F(VfoRecord, AnErasedRecordShowsTheLastEntryOfEveryPackedList) {
  cells.fill(0xFF);
  EXPECT_EQ(Decode(record, vfo::kBand), 1);
  for (const Field& f : {vfo::kShift, vfo::kSignalCode, vfo::kSpeakerMute, vfo::kOptionalSignal, vfo::kPower,
                         vfo::kWidth, WithEntries(vfo::kStep, 5)})
    EXPECT_EQ(Decode(record, f), f.entries - 1) << f.name;

  // A packed list keeps the other bits of its byte.
  ASSERT_TRUE(Encode(record, WithEntries(vfo::kStep, 6), 2));
  EXPECT_EQ(cells[30], 0x2F);
  ASSERT_TRUE(Encode(record, vfo::kPower, 0));
  EXPECT_EQ(cells[31], 0x7F);
}

TEST(VfoControls, EachControlOfVfoAHasItsTwinOnVfoB) {
  EXPECT_STREQ(vfo::Control(vfo::kOptionalSignal.name, 1), "Combo_OptSig_b");
  EXPECT_STREQ(vfo::Control("Combo_Offset_A", 1), "Combo_offset_b");
  EXPECT_STREQ(vfo::Control("Combo_Offset_A", 0), "Combo_Offset_A");
  EXPECT_THROW(vfo::Control("Combo_Offset_B", 1), std::out_of_range);
  for (const Field& f : {vfo::kShift, vfo::kSignalCode, vfo::kSpeakerMute, vfo::kOptionalSignal, vfo::kStep,
                         vfo::kPower, vfo::kWidth})
    EXPECT_NO_THROW(vfo::Control(f.name, 1)) << f.name;
}

TEST(SharedSettings, FieldsOwnTheirBitsAloneAndHaveListsOfTheirLength) {
  std::set<std::string> names;
  std::set<int> bits;  // offset * 8 + bit
  for (const Field& f : settings::kSharedFields) {
    EXPECT_TRUE(names.insert(f.name).second) << f.name;
    for (int b = f.shift; b < f.shift + f.width; ++b) EXPECT_TRUE(bits.insert(f.offset * 8 + b).second) << f.name;
    const std::size_t shared = settings::SharedListItems(f.name, 0).size();
    if (shared != 0) {
      EXPECT_EQ(static_cast<int>(shared), f.entries) << f.name;
    }
  }
  for (int b = 0; b < 8; ++b) EXPECT_EQ(bits.count(settings::kSquelch.offset * 8 + b), 0u);
  EXPECT_EQ(static_cast<int>(settings::SquelchItems().size()), settings::kSquelch.entries);
  EXPECT_EQ(static_cast<int>(settings::SharedListItems("Combo_S_info_b", -1).size()), vfo::kSignalCode.entries);
  EXPECT_EQ(settings::SharedListItems("Combo_save", -1).front(), "关");
  EXPECT_TRUE(settings::SharedListItems("Combo_voice", 0).empty()) << "each editor has its own texts";
}

}  // namespace
}  // namespace brel
