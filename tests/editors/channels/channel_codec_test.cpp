#include <gtest/gtest.h>

#include "channel_fixture.h"

namespace brel::chann::test {
namespace {

using Codec = ChannelFixture;

TEST_F(Codec, ShowsAProgrammedRecordInEveryColumn) {
  putRecord(3, {0x50, 0x22, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14, 0x9E, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x44});
  putName(3, {'C', 'H', '3', 0xFF, 0xFF, 0xFF});
  show();
  EXPECT_EQ(grid.cell(3, kColChannel), "3");
  EXPECT_EQ(cells(3), (std::vector<std::string>{"VHF/UHF ", "145.52250", "145.50625", "67.0", "D023N", "HIGH", "W",
                                                "OFF", "OFF", "ON", "1", "CH3"}));
}

// Receive cells keep a DCS entry's blanks, transmit cells drop them.
TEST_F(Codec, ToneCodesShowAsTheGridExpects) {
  struct Case {
    int lo, hi;
    const char* rx;
    const char* tx;
  };
  const Case cases[] = {
      {0x00, 0x00, "OFF", "OFF"},
      {0xFF, 0xFF, "OFF", "OFF"},
      {0x9E, 0x02, "67.0", "67.0"},
      {0xE8, 0x03, "100.0", "100.0"},
      {0xC7, 0x09, "250.3", "250.3"},
      {0xA4, 0x04, "118.8", "118.8"},
      {0x01, 0x00, "  D023N   ", "D023N"},
      {0x33, 0x00, " D274N   ", "D274N"},
      {0xD2, 0x00, " D754I   ", "D754I"},
      {211, 0x00, "", ""},   // past the list
      {0xFF, 0x00, "", ""},  // past the list
      {0x10, 0x80, "", ""},  // no tone has such a high byte
      {0x10, 0xFF, "", ""},
  };
  for (const Case& c : cases) {
    putRecord(1, {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, c.lo, c.hi, c.lo, c.hi, 0, 0, 0, 0x44});
    show();
    EXPECT_EQ(grid.cell(1, kColRxTone), c.rx) << c.lo << "," << c.hi;
    EXPECT_EQ(grid.cell(1, kColTxTone), c.tx) << c.lo << "," << c.hi;
  }
}

TEST_F(Codec, OptionBitsShowAndUnshownBitsDoNot) {
  struct Case {
    int sig, power, flags;
    std::vector<std::string> cells;  // power, W/N, PTT-ID, busy lock, scan add, sig code
  };
  const Case cases[] = {
      {0x00, 0x00, 0x44, {"HIGH", "W", "OFF", "OFF", "ON", "1"}},
      {0x0E, 0x01, 0x0B, {"LOW", "N", "BOTH", "ON", "OFF", "15"}},
      {0x0F, 0xFE, 0x01, {"HIGH", "N", "BOT", "OFF", "OFF", ""}},
      {0xF0, 0xFF, 0x02, {"LOW", "N", "EOT", "OFF", "OFF", "1"}},
      {0x75, 0x00, 0x44 | 0xB0, {"HIGH", "W", "OFF", "OFF", "ON", "6"}},
  };
  for (const Case& c : cases) {
    putRecord(1, {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0, 0, 0, 0, c.sig, 0x77, c.power, c.flags});
    show();
    const std::vector<std::string> shown{grid.cell(1, kColPower),    grid.cell(1, kColWidth),
                                         grid.cell(1, kColPttId),    grid.cell(1, kColBusyLock),
                                         grid.cell(1, kColScanAdd),  grid.cell(1, kColSigCode)};
    EXPECT_EQ(shown, c.cells) << "flags " << c.flags;
  }
}

// The option columns are one table: whatever a list stores shows as the
// choice made, and the store leaves the record's other bits alone (but for
// the power choice, which takes the whole low nibble).
TEST_F(Codec, EveryListChoiceStoredShowsAsChosen) {
  for (int col : {kColPower, kColWidth, kColPttId, kColBusyLock, kColScanAdd, kColSigCode}) {
    const std::vector<std::string> texts = ChannelChoiceTexts(col);
    ASSERT_FALSE(texts.empty()) << col;
    for (std::size_t p = 0; p < texts.size(); ++p) {
      putRecord(1, {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0, 0, 0, 0, 0xA0, 0x77, 0xA0, 0xB0});
      StoreChannelChoice(state.MemImage, 1, col, static_cast<int>(p));
      show();
      EXPECT_EQ(grid.cell(1, col), texts[p]) << col;
      EXPECT_EQ(record(1, 12, 12)[0] & 0xF0, 0xA0);
      EXPECT_EQ(record(1, 13, 13)[0], 0x77);
      EXPECT_EQ(record(1, 14, 14)[0] & 0xF0, 0xA0);
      EXPECT_EQ(record(1, 15, 15)[0] & 0xB0, 0xB0);
    }
  }
  putRecord(1, {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0xFE, 0x44});
  StoreChannelChoice(state.MemImage, 1, kColPower, 1);
  EXPECT_EQ(record(1, 14, 14), Bytes{0xF1});
  StoreChannelChoice(state.MemImage, 1, kColPower, 2);  // no such entry: nothing stored
  StoreChannelChoice(state.MemImage, 1, kColRxFreq, 0);  // no list there
  EXPECT_EQ(record(1), (Bytes{0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0xF1, 0x44}));
}

TEST_F(Codec, ShowingAnEmptyChannelErasesItsRecordAndName) {
  putRecord(5, {0xFF, 0x22, 0x55, 0x14, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8});
  putName(5, {'A', 'B', 'C', 'D', 'E', 'F', 1, 2});
  putProgrammed(6);
  show();
  EXPECT_EQ(grid.cell(5, kColChannel), "5");
  EXPECT_EQ(cells(5), std::vector<std::string>(12, ""));
  EXPECT_EQ(record(5), kAllErased);
  EXPECT_EQ(name(5), kAllErased);
  EXPECT_EQ(grid.cell(6, kColName), "AB1");
}

TEST_F(Codec, AReceiveOnlyChannelShowsNoTransmitFrequencyOrTone) {
  putRecord(2, {0x50, 0x22, 0x55, 0x14, 0xFF, 0x12, 0x34, 0x56, 0x9E, 0x02, 0x01, 0x00, 0, 0, 0, 0x44});
  show();
  EXPECT_EQ(cells(2), (std::vector<std::string>{"VHF/UHF ", "145.52250", "", "67.0", "", "HIGH", "W", "OFF", "OFF",
                                                "ON", "1", ""}));
  EXPECT_EQ(record(2, 4, 7), (Bytes{0xFF, 0x12, 0x34, 0x56}));
}

TEST_F(Codec, NamesShowOnlyDigitsAndCapitalsClosedUp) {
  struct Case {
    Bytes bytes;
    const char* shown;
  };
  const Case cases[] = {
      {{0x41, 0x42, 0xFF, 0x43, 0xFF, 0xFF}, "ABC"},
      {{0x31, 0x20, 0x61, 0x42, 0xFF, 0x2D}, "1B"},
      {{0xFF, 0x41, 0x42, 0x43, 0x44, 0x45}, ""},
      {{0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48}, "ABCDEF"},  // bytes 6 on are never shown
  };
  for (const Case& c : cases) {
    putProgrammed(1);
    putName(1, c.bytes);
    show();
    EXPECT_EQ(grid.cell(1, kColName), c.shown);
  }
}

TEST_F(Codec, ARowWithABandButNoRecordLosesItsBandWhenShown) {
  show();
  grid.setCell(4, kColBand, "VHF/UHF");
  ShowChannel(ctx, 4);
  EXPECT_EQ(grid.cell(4, kColBand), "");
}

// A hand-made parameter file can leave any 16-bit value in a cell.
TEST_F(Codec, CellsOutsideByteRangeShowWithoutFailing) {
  putRecord(1, {0x150, 0x22, 0x55, 0x14, -1, 0, 0, 0, 300, -5, 0, 0, -1, 0, 999, -1});
  putName(1, {0x141, -1, 0x7FFF});
  EXPECT_NO_THROW(show());
  EXPECT_EQ(grid.cell(1, kColRxFreq), "145.52250");  // 0x150 taken as 0x50
  EXPECT_EQ(grid.cell(1, kColTxFreq), "");           // -1 taken as 0xFF: no transmit frequency
  EXPECT_EQ(grid.cell(1, kColName), "A");
  putRecord(2, {-1, 0, 0, 0});
  show();
  EXPECT_EQ(record(2), kAllErased);
}

TEST_F(Codec, NewChannelDefaultsLeaveTheFrequenciesAndTheirCells) {
  putRecord(7, {0x50, 0x22, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14, 9, 9, 9, 9, 9, 9, 9, 9});
  putName(7, {'X', 'Y'});
  show();
  NewChannelDefaults(ctx, 7);
  EXPECT_EQ(record(7), (Bytes{0x50, 0x22, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44}));
  EXPECT_EQ(name(7), kAllErased);
  EXPECT_EQ(cells(7), (std::vector<std::string>{"VHF/UHF ", "145.52250", "145.50625", "OFF", "OFF", "HIGH", "W", "OFF",
                                                "OFF", "ON", "1", ""}));
}

TEST_F(Codec, EraseKeepsTheFrequencyCellsAndEraseDataKeepsTheBand) {
  putProgrammed(1);
  putProgrammed(2);
  show();
  EraseChannel(ctx, 1);
  EXPECT_EQ(cells(1), (std::vector<std::string>{"", "145.52250", "145.52250", "", "", "", "", "", "", "", "", ""}));
  EraseChannelData(ctx, 2);
  EXPECT_EQ(cells(2), (std::vector<std::string>{"VHF/UHF ", "", "", "", "", "", "", "", "", "", "", ""}));
  for (int channel : {1, 2}) {
    EXPECT_EQ(record(channel), kAllErased);
    EXPECT_EQ(name(channel), kAllErased);
    EXPECT_EQ(grid.cell(channel, kColChannel), std::to_string(channel));
  }
}

TEST_F(Codec, SubInPutWritesCtcssTonesAndIgnoresValuesOutOfRange) {
  struct Case {
    const char* text;
    Bytes bytes;
  };
  const Case cases[] = {
      {"FF", {0xFF, 0xFF}},   {"67.0", {0x9E, 0x02}}, {"100.0", {0xE8, 0x03}}, {"250.3", {0xC7, 0x09}},
      {"76.76", {0x00, 0x03}},  // to the tenth first: 76.8 Hz, never a low byte of 256
      {"0", {0x12, 0x34}},    {"255", {0x12, 0x34}},  {"abc", {0x12, 0x34}},   {"ff", {0x12, 0x34}},
  };
  for (const Case& c : cases) {
    putRecord(1, {0, 0, 0, 0, 0, 0, 0, 0, 0x12, 0x34});
    Sub_InPut(state.MemImage, c.text, RecordRow(1), kRxToneLo);
    EXPECT_EQ(record(1, 8, 9), c.bytes) << c.text;
  }
}

TEST(CodecHelpers, SmallConversions) {
  EXPECT_EQ(Cov_i2b(0), "00 ");
  EXPECT_EQ(Cov_i2b(0xAB), "AB ");
  EXPECT_EQ(Cov_i2b(255), "FF ");
  EXPECT_EQ(StripBlanks(" "), "");
  EXPECT_EQ(StripBlanks("A"), "A");
  EXPECT_EQ(CtcssToneBytes(88.5), std::make_pair(0x75, 0x03));
}

TEST(CodecHelpers, OlderNameDecoding) {
  EXPECT_EQ(DecodeNameReplyOld({0, 9, 17, 37, 65, 255}), "09AUA");
  EXPECT_EQ(DecodeNameReplyOld({253, 1, 2, 255, 255, 255}), "-12");
  EXPECT_EQ(DecodeNameReplyOld({255, 1, 2, 3, 4, 5}), "");

  ReplyTable replies;
  replies.fill(0, 200, 0, 70, 0xFF);
  // A reply for names 5 to 8 (0x1040): "AB" for channel 5, "7" for channel 6.
  replies.at(3, 1) = 0x58;
  replies.at(3, 2) = 0x10;
  replies.at(3, 3) = 0x40;
  replies.at(3, 5) = 17;
  replies.at(3, 6) = 18;
  replies.at(3, 21) = 7;
  const auto names = WalkNameRepliesOld(replies, 3, 3, 6);
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0], std::make_pair(5, std::string("AB")));
  EXPECT_EQ(names[1], std::make_pair(6, std::string("7")));
}

}  // namespace
}  // namespace brel::chann::test
