#include <gtest/gtest.h>

#include "channel_fixture.h"

namespace brel::chann::test {
namespace {

const Bytes kNewChannelOptions{0, 0, 0, 0, 0, 0, 0, 0x44};  // bytes 8..15
const Bytes k145_5{0x00, 0x00, 0x55, 0x14};
const Bytes k136{0x00, 0x00, 0x60, 0x13};  // the lower limit, 136.00000

class Rules : public ChannelFixture {
 protected:
  Rules() { show(); }

  // A programmed channel with tones, options and a name that edits must keep.
  void putRich(int channel) {
    putRecord(channel, {0x50, 0x22, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14, 0x9E, 0x02, 0x01, 0x00, 0x03, 0x00, 0x01, 0x0B});
    putName(channel, {'R', 'I', 'C', 'H', 0xFF, 0xFF});
    show();
  }

  void expectMessage(const char* text, const char* title = "Operate prompt") {
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text);
    EXPECT_EQ(messages.shown[0].title, title);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  }
};

TEST(BandTest, BothEndsOfEachBandAreIn) {
  ProgramState state;
  PrepareState(state);
  struct Case {
    const char* text;
    bool in;
  };
  const Case cases[] = {{"136", true},      {"174", true},    {"400", true},          {"520", true},
                        {"145.5", true},    {" 1 45.5", true}, {"145.5 MHz", true},   {"174.00001", false},
                        {"399.99", false},  {"135.999", false}, {"520.00001", false}, {"0", false},
                        {"", false},        {"abc", false}};
  for (const Case& c : cases) EXPECT_EQ(InBand(state, c.text), c.in) << '"' << c.text << '"';
}

TEST(FrequencyTexts, LowerLimitAndZeroFill) {
  ProgramState state;
  for (auto [lower, text] : {std::pair{136.0, "136.00000"}, {66.0, "66.00000"}, {5.0, "5"}, {136.5, "136.5"}}) {
    state.VhfLower = lower;
    EXPECT_EQ(LowerLimitText(state), text);
  }
  const std::pair<const char*, const char*> fills[] = {
      {"145.5", "145.50000"}, {"145", "145.00000"},         {"66.5", "66.50000"},
      {"145.123456", "145.12345"}, {"1234567890", "123456789.0"}, {"", ".0000000"},
  };
  for (auto [typed, filled] : fills) EXPECT_EQ(ZeroFill(typed), filled) << typed;
}

TEST_F(Rules, AFirstReceiveFrequencyProgramsTheChannel) {
  CommitRxFrequency(ctx, 9, "145.5");
  EXPECT_EQ(record(9, 0, 3), k145_5);
  EXPECT_EQ(record(9, 4, 7), k145_5);
  EXPECT_EQ(record(9, 8, 15), kNewChannelOptions);
  EXPECT_EQ(name(9), kAllErased);
  EXPECT_EQ(cells(9), (std::vector<std::string>{"VHF/UHF ", "145.50000", "145.50000", "OFF", "OFF", "HIGH", "W", "OFF",
                                                "OFF", "ON", "1", ""}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Rules, ANewReceiveFrequencyAlsoBecomesTheTransmitFrequency) {
  putRich(4);
  CommitRxFrequency(ctx, 4, "435.0");
  EXPECT_EQ(record(4), (Bytes{0x00, 0x00, 0x50, 0x43, 0x00, 0x00, 0x50, 0x43, 0x9E, 0x02, 0x01, 0x00, 0x03, 0x00,
                              0x01, 0x0B}));
  EXPECT_EQ(grid.cell(4, kColName), "RICH");
  // Committing the shown text again gives the same result.
  CommitRxFrequency(ctx, 4, grid.cell(4, kColRxFreq));
  EXPECT_EQ(record(4, 4, 7), record(4, 0, 3));
}

TEST_F(Rules, AnEmptyReceiveFrequencyErasesTheWholeChannel) {
  putRich(4);
  CommitRxFrequency(ctx, 4, "  ");
  EXPECT_EQ(record(4), kAllErased);
  EXPECT_EQ(name(4), kAllErased);
  EXPECT_EQ(cells(4), std::vector<std::string>(12, ""));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Rules, AReceiveFrequencyOutOfBandBecomesTheLowerLimit) {
  putRich(4);
  CommitRxFrequency(ctx, 4, "600");
  expectMessage("Over the range of receive frequency .");
  EXPECT_EQ(record(4, 0, 3), k136);
  EXPECT_EQ(record(4, 4, 15),
            (Bytes{0x25, 0x06, 0x55, 0x14, 0x9E, 0x02, 0x01, 0x00, 0x03, 0x00, 0x01, 0x0B}));  // kept
  EXPECT_EQ(grid.cell(4, kColRxFreq), "136.00000");
  EXPECT_EQ(grid.cell(4, kColName), "RICH");

  // On an empty channel the lower limit programs it, transmit included.
  messages.shown.clear();
  CommitRxFrequency(ctx, 5, "abc");
  expectMessage("Over the range of receive frequency .");
  EXPECT_EQ(record(5), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13, 0, 0, 0, 0, 0, 0, 0, 0x44}));
}

// Every byte of a channel's two frequencies is packed BCD.
bool FrequenciesAreBcd(const Bytes& record) {
  for (int k = 0; k < 8; ++k)
    if (record[k] != 0xFF && ((record[k] >> 4) > 9 || (record[k] & 0x0F) > 9)) return false;
  return true;
}

TEST_F(Rules, FrequenciesEightDigitsCannotHoldGetTheOutOfBandMessage) {
  // Limits a radio with a damaged memory once reported: UHF up to 1999 MHz.
  state.UhfUpper = 1999;
  struct Case {
    const char* typed;
    bool receive;
    bool viaEnter;
    const char* message;
  };
  const Case cases[] = {
      {"1500", true, false, "Over the range of receive frequency ."},
      {"1234.5675", true, false, "Over the range of receive frequency ."},
      {"1000", true, true, "Over the range of receive frequency ."},
      {"1500", false, false, "Over the range of transmit frequency ."},
      {"1234.5675", false, true, "Over the range of transmit frequency ."},
  };
  for (const Case& c : cases) {
    putRich(4);
    messages.shown.clear();
    std::string text = c.typed;
    if (c.viaEnter) text = (c.receive ? EnterRxFrequency(ctx, 4, text) : EnterTxFrequency(ctx, 4, text)).text;
    if (c.receive)
      CommitRxFrequency(ctx, 4, text);
    else
      CommitTxFrequency(ctx, 4, text);
    ASSERT_EQ(messages.shown.size(), 1u) << c.typed;
    EXPECT_EQ(messages.shown[0].text, c.message) << c.typed;
    // As for any out-of-band text: the lower limit, nothing wrapped.
    EXPECT_EQ(record(4, c.receive ? 0 : 4, c.receive ? 3 : 7), k136) << c.typed;
    EXPECT_TRUE(FrequenciesAreBcd(record(4))) << c.typed;
    EXPECT_EQ(grid.cell(4, c.receive ? kColRxFreq : kColTxFreq), "136.00000") << c.typed;
  }
}

TEST_F(Rules, WithALowerLimitNoRecordCanHoldAnOutOfBandTextChangesNothing) {
  state.VhfLower = 1200, state.VhfUpper = 1300, state.UhfLower = 1400, state.UhfUpper = 1500;
  putRich(4);
  const Bytes before = record(4);
  const std::vector<std::string> cellsBefore = cells(4);
  CommitRxFrequency(ctx, 4, "1250");
  CommitTxFrequency(ctx, 4, "1250");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Over the range of receive frequency .");
  EXPECT_EQ(record(4), before);
  EXPECT_EQ(cells(4), cellsBefore);
}

TEST_F(Rules, ABlankFrequencyErasesWhateverTheLimits) {
  // A lower limit of 0 makes a blank read as an in-band 0 MHz.
  state.VhfLower = 0;
  putRich(4);
  CommitTxFrequency(ctx, 4, " ");
  EXPECT_EQ(record(4, 4, 7), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(grid.cell(4, kColTxFreq), "");
  EXPECT_EQ(EnterRxFrequency(ctx, 4, "").text, "");
  CommitRxFrequency(ctx, 4, "");
  EXPECT_EQ(record(4), kAllErased);
  EXPECT_EQ(name(4), kAllErased);
  EXPECT_EQ(cells(4), std::vector<std::string>(12, ""));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Rules, MessagesFollowTheLanguage) {
  state.LanguageFlag = -1;
  CommitRxFrequency(ctx, 5, "600");
  CommitName(ctx, 5, "ABCDEFG");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "接收频率超出范围 ！");
  EXPECT_EQ(messages.shown[1].text, "信道名称的字符个数最大为 6 位 ！");
  EXPECT_EQ(messages.shown[1].title, "操作提示");
}

TEST_F(Rules, ATransmitFrequencyNeedsAReceiveFrequency) {
  grid.setCell(3, kColBand, "VHF/UHF");
  CommitTxFrequency(ctx, 3, "145.5");
  expectMessage("Please input the receive frequency in advance.");
  EXPECT_EQ(record(3), kAllErased);
  EXPECT_EQ(grid.cell(3, kColTxFreq), "");
}

TEST_F(Rules, TransmitFrequencyInBandEmptyAndOutOfBand) {
  putRich(4);
  CommitTxFrequency(ctx, 4, "146.007");
  EXPECT_EQ(record(4, 4, 7), (Bytes{0x25, 0x06, 0x60, 0x14}));
  EXPECT_EQ(grid.cell(4, kColTxFreq), "146.00625");
  EXPECT_EQ(record(4, 0, 3), (Bytes{0x50, 0x22, 0x55, 0x14}));

  CommitTxFrequency(ctx, 4, "");
  EXPECT_EQ(record(4, 4, 11), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x9E, 0x02, 0xFF, 0xFF}));
  EXPECT_EQ(grid.cell(4, kColTxFreq), "");
  EXPECT_EQ(grid.cell(4, kColTxTone), "");

  putRich(4);
  CommitTxFrequency(ctx, 4, "600");
  expectMessage("Over the range of transmit frequency .");
  EXPECT_EQ(record(4, 4, 11), (Bytes{0x00, 0x00, 0x60, 0x13, 0x9E, 0x02, 0xFF, 0xFF}));
  EXPECT_EQ(grid.cell(4, kColTxFreq), "136.00000");
  EXPECT_EQ(grid.cell(4, kColTxTone), "OFF");
}

TEST_F(Rules, TypedTones) {
  struct Case {
    int col;
    const char* typed;
    Bytes bytes;  // 8..11 afterwards, from 9E 02 01 00
  };
  const Case cases[] = {
      {kColRxTone, "88.5", {0x75, 0x03, 0x75, 0x03}},
      {kColTxTone, "88.5", {0x9E, 0x02, 0x75, 0x03}},
      {kColRxTone, " 60 ", {0x58, 0x02, 0x58, 0x02}},
      {kColRxTone, "259.9", {0x27, 0x0A, 0x27, 0x0A}},
      {kColRxTone, "76.76", {0x00, 0x03, 0x00, 0x03}},  // 76.8 Hz, not a low byte of 256
      {kColRxTone, "D023N", {0x01, 0x00, 0x01, 0x00}},
      {kColRxTone, "D023I", {106, 0x00, 106, 0x00}},
      {kColTxTone, "D754I", {0x9E, 0x02, 210, 0x00}},
      {kColRxTone, "OFF", {0x00, 0x00, 0x00, 0x00}},
      {kColRxTone, "260", {0x9E, 0x02, 0x01, 0x00}},
      {kColRxTone, "59.9", {0x9E, 0x02, 0x01, 0x00}},
      {kColRxTone, "D999N", {0x9E, 0x02, 0x01, 0x00}},
      {kColRxTone, "", {0x9E, 0x02, 0x01, 0x00}},
  };
  for (const Case& c : cases) {
    putRich(4);
    CommitTone(ctx, 4, c.col, c.typed);
    EXPECT_EQ(record(4, 8, 11), c.bytes) << c.typed;
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Rules, ATypedListTextShowsAsTheChoice) {
  putRich(4);
  CommitTone(ctx, 4, kColRxTone, "D023N");
  EXPECT_EQ(grid.cell(4, kColRxTone), "D023N");
  EXPECT_EQ(grid.cell(4, kColTxTone), "D023N");
  grid.setCell(4, kColTxTone, "typed");
  CommitTone(ctx, 4, kColTxTone, "nonsense");
  EXPECT_EQ(grid.cell(4, kColTxTone), "typed");
}

TEST_F(Rules, ListChoicesChangeOnlyTheirOwnBits) {
  struct Case {
    int col;
    int position;
    const char* text;
    int byte;
    int before;
    int after;
  };
  const Case cases[] = {
      {kColPower, 1, "LOW", kPowerByte, 0x00, 0x01},       {kColPower, 0, "HIGH", kPowerByte, 0xF1, 0xF0},
      {kColWidth, 1, "N", kFlagsByte, 0x44, 0x04},         {kColWidth, 0, "W", kFlagsByte, 0x04, 0x44},
      {kColPttId, 3, "BOTH", kFlagsByte, 0x44, 0x47},      {kColPttId, 1, "BOT", kFlagsByte, 0x47, 0x45},
      {kColBusyLock, 1, "ON", kFlagsByte, 0x44, 0x4C},     {kColBusyLock, 0, "OFF", kFlagsByte, 0xFF, 0xF7},
      {kColScanAdd, 0, "OFF", kFlagsByte, 0x44, 0x40},     {kColScanAdd, 1, "ON", kFlagsByte, 0x40, 0x44},
      {kColSigCode, 14, "15", kSigCodeByte, 0x30, 0x3E},   {kColSigCode, 0, "1", kSigCodeByte, 0x3E, 0x30},
  };
  for (const Case& c : cases) {
    putRich(4);
    state.MemImage.at(RecordRow(4), c.byte) = static_cast<std::int16_t>(c.before);
    const Bytes untouched = [&] {
      Bytes b = record(4);
      b[static_cast<std::size_t>(c.byte)] = c.after;
      return b;
    }();
    ChooseFromList(ctx, 4, c.col, c.position, c.text);
    EXPECT_EQ(record(4), untouched) << c.text;
  }
}

TEST_F(Rules, ToneChoices) {
  putRich(4);
  ChooseFromList(ctx, 4, kColRxTone, 51, "D023N");
  EXPECT_EQ(record(4, 8, 11), (Bytes{0x01, 0x00, 0x01, 0x00}));
  EXPECT_EQ(grid.cell(4, kColRxTone), "  D023N   ");  // shown again at once
  ChooseFromList(ctx, 4, kColRxTone, 9, "88.5");
  EXPECT_EQ(record(4, 8, 11), (Bytes{0x75, 0x03, 0x75, 0x03}));
  ChooseFromList(ctx, 4, kColTxTone, 0, "OFF");
  EXPECT_EQ(record(4, 8, 11), (Bytes{0x75, 0x03, 0x00, 0x00}));
  EXPECT_EQ(grid.cell(4, kColTxTone), "88.5");  // the cell takes the text when it is left
}

TEST_F(Rules, ChoosingADifferentBandErasesTheChannelData) {
  ChooseFromList(ctx, 6, kColBand, 0, "VHF/UHF");
  EXPECT_EQ(grid.cell(6, kColBand), "VHF/UHF");
  putRich(4);
  ChooseFromList(ctx, 4, kColBand, 0, "VHF/UHF");  // the same band: nothing lost
  EXPECT_EQ(grid.cell(4, kColName), "RICH");
  EXPECT_NE(record(4), kAllErased);
  CommitBand(ctx, 4, "");
  EXPECT_EQ(record(4), kAllErased);
  EXPECT_EQ(name(4), kAllErased);
  EXPECT_EQ(cells(4), std::vector<std::string>(12, ""));
}

TEST_F(Rules, NamesAreCutCapitalisedAndStoredInPlace) {
  putRich(4);
  CommitName(ctx, 4, "ab-c12x");
  expectMessage("The letter of channel name max 6 bit . ", "Operate Prompt");
  EXPECT_EQ(grid.cell(4, kColName), "AB-C12");
  EXPECT_EQ(name(4), (Bytes{0x41, 0x42, 0xFF, 0x43, 0x31, 0x32, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xFF}));
  show();
  EXPECT_EQ(grid.cell(4, kColName), "ABC12");

  messages.shown.clear();
  state.MemImage.at(NameRow(4), 9) = 0x12;  // bytes 6 on are not the name's
  CommitName(ctx, 4, " 1 b ");
  EXPECT_EQ(name(4), (Bytes{0x31, 0xFF, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xFF}));
  CommitName(ctx, 4, "频道一二三四五");  // seven characters, none of them storable
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(grid.cell(4, kColName), "频道一二三四");
  EXPECT_EQ(name(4, 0, 5), Bytes(6, 0xFF));

  // A stray byte of a broken sequence is a character of its own: it counts
  // and keeps its place.
  CommitName(ctx, 4, "\x80" "ABCDEF");
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(grid.cell(4, kColName), "\x80" "ABCDE");
  EXPECT_EQ(name(4, 0, 5), (Bytes{0xFF, 0x41, 0x42, 0x43, 0x44, 0x45}));
}

TEST_F(Rules, ANameOnARowWithoutBandIsCleared) {
  putName(3, {'O', 'L', 'D'});
  CommitName(ctx, 3, "NEW");
  EXPECT_EQ(grid.cell(3, kColName), "");
  EXPECT_EQ(name(3, 0, 5), Bytes(6, 0xFF));
}

TEST_F(Rules, EnterInTheReceiveBoxCompletesAndMovesToTransmit) {
  EnterOutcome out = EnterRxFrequency(ctx, 2, "145");
  EXPECT_EQ(out.text, "145.00000");
  EXPECT_EQ(out.nextRow, 2);
  EXPECT_EQ(out.nextCol, kColTxFreq);
  EXPECT_EQ(grid.cell(2, kColTxFreq), "145.00000");
  CommitRxFrequency(ctx, 2, out.text);  // leaving the cell
  EXPECT_EQ(record(2, 0, 7), (Bytes{0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14}));
  EXPECT_EQ(grid.cell(2, kColTxFreq), "145.00000");
}

TEST_F(Rules, EnterWithAReceiveFrequencyOutOfBandSetsTransmitToTheLowerLimitToo) {
  putRich(4);
  EnterOutcome out = EnterRxFrequency(ctx, 4, "600");
  expectMessage("Over the range of receive frequency .");
  CommitRxFrequency(ctx, 4, out.text);
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(record(4, 0, 7), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13}));
  EXPECT_EQ(record(4, 8, 15), (Bytes{0x9E, 0x02, 0x01, 0x00, 0x03, 0x00, 0x01, 0x0B}));
  EXPECT_EQ(grid.cell(4, kColName), "RICH");
}

TEST_F(Rules, EnterWithATransmitFrequencyOutOfBandKeepsTheTransmitTone) {
  putRich(4);
  EnterOutcome out = EnterTxFrequency(ctx, 4, "600");
  expectMessage("Over the range of transmit frequency .");
  EXPECT_EQ(grid.cell(4, kColTxTone), "OFF");
  EXPECT_EQ(out.nextCol, kColRxTone);
  CommitTxFrequency(ctx, 4, out.text);
  EXPECT_EQ(record(4, 4, 11), (Bytes{0x00, 0x00, 0x60, 0x13, 0x9E, 0x02, 0x01, 0x00}));
  EXPECT_EQ(grid.cell(4, kColTxTone), "D023N");
}

TEST_F(Rules, EnterOnAnEmptyTransmitBoxOfAnEmptyRowGoesToTheNextBand) {
  grid.setCell(5, kColBand, "VHF/UHF");
  EnterOutcome out = EnterTxFrequency(ctx, 5, "");
  EXPECT_EQ(out.nextRow, 6);
  EXPECT_EQ(out.nextCol, kColBand);
  out = EnterTxFrequency(ctx, 128, "");
  EXPECT_EQ(out.nextRow, 128);
  EXPECT_EQ(out.nextCol, kColBand);
  out = EnterTxFrequency(ctx, 7, "145.5");
  expectMessage("Please input the receive frequency in advance.");
  EXPECT_EQ(out.text, "");
  EXPECT_EQ(out.nextRow, 8);
}

TEST_F(Rules, EditorsByColumnAndRow) {
  putProgrammed(1);
  putRecord(2, {0x50, 0x22, 0x55, 0x14});
  show();
  grid.setCell(2, kColRxFreq, "");  // a band without a receive frequency
  const CellEditor none = CellEditor::None, text = CellEditor::TextBox, typed = CellEditor::TypedList,
                   pick = CellEditor::PickList;
  const std::vector<CellEditor> programmed{none, pick, text, text, typed, typed, pick,
                                           pick, pick, pick, pick, pick, text};
  const std::vector<CellEditor> empty{none, pick, text, text, none, none, none, none, none, none, none, none, text};
  for (int c = 0; c < kGridColumns; ++c) {
    EXPECT_EQ(EditorFor(grid, 1, c), programmed[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(EditorFor(grid, 3, c), empty[static_cast<std::size_t>(c)]) << c;
  }
  EXPECT_EQ(EditorFor(grid, 2, kColRxTone), typed);
  EXPECT_EQ(EditorFor(grid, 2, kColTxTone), none);
}

TEST_F(Rules, ListsAndToneKeys) {
  const auto tones = ColumnChoices(state, kColRxTone);
  ASSERT_EQ(tones.size(), 261u);
  EXPECT_EQ(tones[0], "OFF");
  EXPECT_EQ(tones[1], "67.0");
  EXPECT_EQ(tones[51], "D023N");
  EXPECT_EQ(tones[156], "D023I");
  EXPECT_EQ(tones[260], "D754I");
  EXPECT_EQ(ColumnChoices(state, kColSigCode).size(), 15u);
  EXPECT_EQ(ColumnChoices(state, kColSigCode).back(), "15");
  EXPECT_EQ(ColumnChoices(state, kColPttId), (std::vector<std::string>{"OFF", "BOT", "EOT", "BOTH"}));
  EXPECT_TRUE(ColumnChoices(state, kColRxFreq).empty());

  const std::string passes = "0123456789.DNIdni";
  const std::string becomes = "0123456789.DNIDNI";
  for (std::size_t i = 0; i < passes.size(); ++i) EXPECT_EQ(FilterToneKey(passes[i]), becomes[i]);
  for (char dropped : std::string("xX-+ ,\bAaEe"))
    EXPECT_EQ(FilterToneKey(dropped), 0) << dropped;
}

TEST_F(Rules, RedisplayFollowsTheChannelTotalAndClearErasesOnlyShownChannels) {
  putProgrammed(10);
  putProgrammed(11);
  putRecord(128, {0x25, 0x06, 0x55, 0x14});
  putName(128, {'L', 'A', 'S', 'T'});
  show();
  EXPECT_EQ(grid.rowCount(), 129);
  EXPECT_EQ(grid.cell(128, kColChannel), "128");
  EXPECT_EQ(grid.cell(128, kColRxFreq), "145.50625");
  EXPECT_EQ(grid.cell(128, kColName), "LAST");

  state.ChannelTotal = 10;
  show();
  EXPECT_EQ(grid.rowCount(), 11);
  ClearChannels(ctx);
  EXPECT_EQ(cells(10), std::vector<std::string>(12, ""));
  for (int channel = 1; channel <= 10; ++channel) {
    EXPECT_EQ(record(channel), kAllErased);
    EXPECT_EQ(name(channel), kAllErased);
  }
  EXPECT_EQ(name(11, 0, 1), (Bytes{'A', 'B'}));

  // A count changed since the last redisplay: Clear still stays within it.
  state.ChannelTotal = 12;
  ClearChannels(ctx);
  EXPECT_EQ(grid.rowCount(), 13);
  EXPECT_EQ(record(11), kAllErased);
  EXPECT_EQ(name(128, 0, 1), (Bytes{'L', 'A'}));
}

}  // namespace
}  // namespace brel::chann::test
