#include "channel_rules.h"

#include "bilingual.h"
#include "channel_texts.h"
#include "frequency_codec.h"
#include "numtext.h"
#include "text_chars.h"

namespace brel::chann {
namespace {

void PadWithZeros(std::string& text, std::size_t width) {
  const std::size_t length = TextCharacterCount(text);
  if (length < width) text.append(width - length, '0');
}

// Only ASCII letters have capitals in the radio's character set.
std::string AsciiCapitals(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool IsBlank(std::string_view text) { return TrimBlanks(text).empty(); }

void Warn(ChannelEditContext& ctx, const Bilingual& title, const Bilingual& text) {
  ctx.messages.show(brel::Warn(ctx.state.LanguageFlag, title, text));
}

void SetByte(ChannelEditContext& ctx, int r, int k, int value) {
  ctx.state.MemImage.at(RecordRow(r), k) = static_cast<std::int16_t>(value & 0xFF);
}

int Byte(const ChannelEditContext& ctx, int r, int k) { return ByteAt(ctx.state.MemImage, RecordRow(r), k); }

void StoreFrequencyText(ChannelEditContext& ctx, int r, std::string_view text, int firstByte) {
  StoreFrequency(ctx.state.MemImage, text, RecordRow(r), firstByte);
}

// The tone bytes of a list position: 0 off, 1..50 CTCSS (from the text),
// 51..260 DCS code number position - 50.
std::pair<int, int> ToneBytesOfChoice(int position, std::string_view choiceText) {
  if (position <= 0) return {0, 0};
  if (position <= 50) return CtcssToneBytes(TextToNumber(choiceText));
  return {position - 50, 0};
}

}  // namespace

CellEditor EditorFor(const ChannelGrid& grid, int r, int col) {
  switch (col) {
    case kColChannel: return CellEditor::None;
    case kColBand: return CellEditor::PickList;
    case kColRxFreq:
    case kColTxFreq:
    case kColName: return CellEditor::TextBox;
    default: break;
  }
  if (col < kColRxTone || col > kColSigCode) return CellEditor::None;
  if (grid.isBlank(r, kColBand)) return CellEditor::None;
  if (col == kColTxTone && grid.isBlank(r, kColRxFreq)) return CellEditor::None;
  return IsTypedComboColumn(col) ? CellEditor::TypedList : CellEditor::PickList;
}

std::vector<std::string> ColumnChoices(const ProgramState& state, int col) {
  switch (col) {
    case kColBand: return {"VHF/UHF"};
    case kColRxTone:
    case kColTxTone: {
      std::vector<std::string> tones;
      for (int p = 0; p <= 260; ++p) tones.push_back(TrimBlanks(state.ToneList[static_cast<std::size_t>(p)]));
      return tones;
    }
    default: return ChannelChoiceTexts(col);
  }
}

bool IsTypedComboColumn(int col) { return col == kColRxTone || col == kColTxTone; }

char FilterToneKey(char key) {
  if ((key >= '0' && key <= '9') || key == '.' || key == 'D' || key == 'N' || key == 'I') return key;
  if (key == 'd' || key == 'n' || key == 'i') return static_cast<char>(key - 'a' + 'A');
  return 0;
}

bool InBand(const ProgramState& state, std::string_view text) {
  const double v = TextToNumber(text);
  return state.VhfLower <= v && v <= state.UhfUpper && !(state.VhfUpper < v && v < state.UhfLower);
}

bool Storable(const ProgramState& state, std::string_view text) { return InBand(state, text) && CanStoreFrequency(text); }

std::string LowerLimitText(const ProgramState& state) {
  std::string text;
  for (char c : NumberToTrimmedText(state.VhfLower))
    if (c != ' ') text.push_back(c);
  if (text.size() == 3) {
    text += ".0";
    PadWithZeros(text, 9);
  } else if (text.size() == 2) {
    text += ".0";
    PadWithZeros(text, 8);
  }
  return text;
}

std::string ZeroFill(std::string_view typed) {
  std::string text = LeftTextCharacters(typed, 9);
  if (text.find('.') == std::string::npos) text += ".0";
  PadWithZeros(text, TextToNumber(text) >= 100 ? 9 : 8);
  return text;
}

void CommitBand(ChannelEditContext& ctx, int r, std::string_view comboText) {
  if (TrimBlanks(ctx.grid.cell(r, kColBand)) != TrimBlanks(comboText)) EraseChannelData(ctx, r);
  ctx.grid.setCell(r, kColBand, std::string(comboText));
}

void CommitRxFrequency(ChannelEditContext& ctx, int r, std::string_view text) {
  ChannelGrid& grid = ctx.grid;
  if (IsBlank(text)) {
    // Before the band test: with a lower limit of 0 a blank would read as an
    // in-band 0 MHz.
    grid.setCell(r, kColRxFreq, "");
    grid.setCell(r, kColTxFreq, "");
    EraseChannel(ctx, r);
    ShowChannel(ctx, r);
  } else if (Storable(ctx.state, text)) {
    if (grid.isBlank(r, kColRxFreq)) NewChannelDefaults(ctx, r);
    grid.setCell(r, kColRxFreq, std::string(text));
    // A new receive frequency is also the new transmit frequency.
    StoreFrequencyText(ctx, r, text, kTxFreqByte);
    if (grid.isBlank(r, kColTxFreq)) grid.setCell(r, kColTxFreq, grid.cell(r, kColRxFreq));
    StoreFrequencyText(ctx, r, grid.cell(r, kColRxFreq), kRxFreqByte);
    ShowChannel(ctx, r);
  } else {
    Warn(ctx, kTitlePromptLower, kRxOutOfRangeText);
    const std::string lower = LowerLimitText(ctx.state);
    if (CanStoreFrequency(lower)) {
      grid.setCell(r, kColRxFreq, lower);
      if (Byte(ctx, r, kRxFreqByte) == kErased) {
        NewChannelDefaults(ctx, r);
        StoreFrequencyText(ctx, r, lower, kTxFreqByte);
      }
      StoreFrequencyText(ctx, r, lower, kRxFreqByte);
    }
    ShowChannel(ctx, r);
  }
}

void CommitTxFrequency(ChannelEditContext& ctx, int r, std::string_view text) {
  ChannelGrid& grid = ctx.grid;
  if (grid.isBlank(r, kColRxFreq) && !IsBlank(text)) {
    Warn(ctx, kTitlePromptLower, kRxFirstText);
  } else if (IsBlank(text)) {
    grid.setCell(r, kColTxFreq, "");
    grid.setCell(r, kColTxTone, "");
    for (int k : {4, 5, 6, 7, kTxToneLo, kTxToneHi}) SetByte(ctx, r, k, kErased);
    ShowChannel(ctx, r);
  } else if (Storable(ctx.state, text)) {
    grid.setCell(r, kColTxFreq, std::string(text));
    StoreFrequencyText(ctx, r, grid.cell(r, kColTxFreq), kTxFreqByte);
    ShowChannel(ctx, r);
  } else {
    Warn(ctx, kTitlePromptLower, kTxOutOfRangeText);
    const std::string lower = LowerLimitText(ctx.state);
    if (CanStoreFrequency(lower)) {
      grid.setCell(r, kColTxFreq, lower);
      grid.setCell(r, kColTxTone, "OFF");
      StoreFrequencyText(ctx, r, lower, kTxFreqByte);
      SetByte(ctx, r, kTxToneLo, kErased);
      SetByte(ctx, r, kTxToneHi, kErased);
    }
    ShowChannel(ctx, r);
  }
}

void CommitTone(ChannelEditContext& ctx, int r, int col, std::string_view comboText) {
  const std::string s = TrimBlanks(comboText);
  const double v = TextToNumber(s);
  if (v >= 60 && v <= 259.9) {
    // Any tone of the range, not only the listed ones.
    const auto [lo, hi] = CtcssToneBytes(v);
    if (col == kColRxTone) {
      SetByte(ctx, r, kRxToneLo, lo);
      SetByte(ctx, r, kRxToneHi, hi);
    }
    SetByte(ctx, r, kTxToneLo, lo);
    SetByte(ctx, r, kTxToneHi, hi);
    ShowChannel(ctx, r);
    return;
  }
  // A list text typed in full ("OFF", "D023N") counts as that choice.
  for (int p = 0; p <= 260; ++p) {
    const std::string entry = TrimBlanks(ctx.state.ToneList[static_cast<std::size_t>(p)]);
    if (entry == s) {
      ChooseFromList(ctx, r, col, p, entry);
      ctx.grid.setCell(r, col, entry);
      return;
    }
  }
}

void CommitName(ChannelEditContext& ctx, int r, std::string_view text) {
  std::string typed = TrimBlanks(text);
  if (TextCharacterCount(typed) > static_cast<std::size_t>(kNameLength))
    Warn(ctx, kTitlePromptUpper, kNameTooLongText);
  if (ctx.grid.isBlank(r, kColBand)) typed.clear();
  const std::string name = TrimBlanks(AsciiCapitals(LeftTextCharacters(typed, kNameLength)));
  ctx.grid.setCell(r, kColName, name);

  MemoryImage& image = ctx.state.MemImage;
  const int row = NameRow(r);
  for (int k = 0; k < kNameLength; ++k) image.at(row, k) = kErased;
  // Characters outside 0-9 and A-Z keep their place as 0xFF.
  const std::u32string chars = TextCodePoints(name);
  for (std::size_t k = 0; k < chars.size() && k < static_cast<std::size_t>(kNameLength); ++k) {
    const char32_t c = chars[k];
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z'))
      image.at(row, static_cast<int>(k)) = static_cast<std::int16_t>(c);
  }
}

void CommitCell(ChannelEditContext& ctx, int r, int col, std::string_view text) {
  switch (col) {
    case kColBand: CommitBand(ctx, r, text); break;
    case kColRxFreq: CommitRxFrequency(ctx, r, text); break;
    case kColTxFreq: CommitTxFrequency(ctx, r, text); break;
    case kColRxTone:
    case kColTxTone: CommitTone(ctx, r, col, text); break;
    case kColName: CommitName(ctx, r, text); break;
    case kColPower:
    case kColWidth:
    case kColPttId:
    case kColBusyLock:
    case kColScanAdd:
    case kColSigCode:
      // The value was encoded when it was chosen.
      ctx.grid.setCell(r, col, std::string(text));
      break;
    default: break;
  }
}

void ChooseFromList(ChannelEditContext& ctx, int r, int col, int p, std::string_view choiceText) {
  switch (col) {
    case kColBand:
      if (TrimBlanks(ctx.grid.cell(r, kColBand)) != TrimBlanks(choiceText)) EraseChannelData(ctx, r);
      ctx.grid.setCell(r, kColBand, std::string(choiceText));
      break;
    case kColRxTone: {
      // The receive tone is also taken as the transmit tone.
      const auto [lo, hi] = ToneBytesOfChoice(p, choiceText);
      SetByte(ctx, r, kRxToneLo, lo);
      SetByte(ctx, r, kRxToneHi, hi);
      SetByte(ctx, r, kTxToneLo, lo);
      SetByte(ctx, r, kTxToneHi, hi);
      ShowChannel(ctx, r);
      break;
    }
    case kColTxTone: {
      const auto [lo, hi] = ToneBytesOfChoice(p, choiceText);
      SetByte(ctx, r, kTxToneLo, lo);
      SetByte(ctx, r, kTxToneHi, hi);
      break;
    }
    default:
      // The option columns: the record's field of the column takes the choice.
      StoreChannelChoice(ctx.state.MemImage, r, col, p);
      break;
  }
}

EnterOutcome EnterRxFrequency(ChannelEditContext& ctx, int r, std::string_view text) {
  ChannelGrid& grid = ctx.grid;
  if (IsBlank(text)) {
    grid.setCell(r, kColRxFreq, "");
    grid.setCell(r, kColTxFreq, "");
    EraseChannel(ctx, r);
  } else if (Storable(ctx.state, text)) {
    if (grid.isBlank(r, kColRxFreq)) NewChannelDefaults(ctx, r);
    grid.setCell(r, kColRxFreq, ZeroFill(text));
  } else {
    Warn(ctx, kTitlePromptLower, kRxOutOfRangeText);
    grid.setCell(r, kColRxFreq, LowerLimitText(ctx.state));
    if (Byte(ctx, r, kRxFreqByte) == kErased) NewChannelDefaults(ctx, r);
  }
  EnterOutcome outcome{grid.cell(r, kColRxFreq), r, kColTxFreq};
  if (grid.isBlank(r, kColTxFreq)) grid.setCell(r, kColTxFreq, grid.cell(r, kColRxFreq));
  return outcome;
}

EnterOutcome EnterTxFrequency(ChannelEditContext& ctx, int r, std::string_view text) {
  ChannelGrid& grid = ctx.grid;
  if (grid.isBlank(r, kColRxFreq) && !IsBlank(text)) {
    Warn(ctx, kTitlePromptLower, kRxFirstText);
  } else if (IsBlank(text)) {
    grid.setCell(r, kColTxFreq, "");
    grid.setCell(r, kColTxTone, "");
  } else if (Storable(ctx.state, text)) {
    grid.setCell(r, kColTxFreq, ZeroFill(text));
  } else {
    Warn(ctx, kTitlePromptLower, kTxOutOfRangeText);
    grid.setCell(r, kColTxFreq, LowerLimitText(ctx.state));
    grid.setCell(r, kColTxTone, "OFF");
  }
  EnterOutcome outcome{grid.cell(r, kColTxFreq), r, kColRxTone};
  if (grid.isBlank(r, kColRxFreq) && grid.isBlank(r, kColTxFreq)) {
    // Nothing on this row: on to the band of the next one.
    outcome.nextCol = kColBand;
    if (r < grid.rowCount() - 1) outcome.nextRow = r + 1;
  }
  return outcome;
}

void RedisplayChannels(ChannelEditContext& ctx) {
  const int count = ShownChannelCount(ctx.state);
  ctx.grid.setRowCount(count + 1);
  for (int i = 1; i <= count; ++i) {
    ctx.grid.setCell(i, kColChannel, std::to_string(i));
    ShowChannel(ctx, i);
  }
}

void ClearChannels(ChannelEditContext& ctx) {
  const int count = ShownChannelCount(ctx.state);
  // The count may have changed since the grid was last shown.
  if (ctx.grid.rowCount() != count + 1) {
    ctx.grid.setRowCount(count + 1);
    for (int i = 1; i <= count; ++i) ctx.grid.setCell(i, kColChannel, std::to_string(i));
  }
  for (int i = 1; i <= count; ++i) {
    ctx.grid.setCell(i, kColRxFreq, "");
    ctx.grid.setCell(i, kColTxFreq, "");
    ctx.grid.setCell(i, kColName, "");
    EraseChannel(ctx, i);
  }
}

void SetHeadings(ChannelGrid& grid, std::int16_t languageFlag) {
  for (int c = 0; c < kGridColumns; ++c) grid.setCell(0, c, Pick(languageFlag, kHeadings[static_cast<std::size_t>(c)]));
}

}  // namespace brel::chann
