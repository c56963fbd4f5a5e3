#include "five_tone_editor.h"

#include <algorithm>
#include <cmath>

#include "exact_decimal.h"
#include "five_tone.h"
#include "numtext.h"
#include "shared_texts.h"
#include "signalling_texts.h"
#include "text_chars.h"
#include "two_tone_editor.h"

namespace brel::signalling {
namespace {

using Group = std::array<std::array<std::uint8_t, 16>, 16>;

bool IsEntryRow(int row) { return row >= 1 && row <= kStandardCount; }

std::vector<std::string> StandardNames() {
  std::vector<std::string> names;
  for (int s = 0; s < kStandardCount; ++s) names.push_back(FiveToneStandardName(s));
  return names;
}

std::string CodeText(const std::uint8_t* bytes) {
  std::string text;
  for (int i = 0; i < kCodeLength; ++i) text += DigitToChar(bytes[i]);
  return text;
}

void StoreCode(const std::string& cell, std::uint8_t* into) {
  std::string t = TrimBlanks(cell);
  t.resize(std::max<std::size_t>(t.size(), kCodeLength), ' ');
  for (int i = 0; i < kCodeLength; ++i) into[i] = CharToDigit(std::string(1, t[static_cast<std::size_t>(i)]));
}

std::uint8_t FunctionByte(const std::string& cell) {
  const std::string t = TrimBlanks(cell);
  if (t.empty()) return 0xFF;
  return t[0] >= '0' && t[0] <= '9' ? static_cast<std::uint8_t>(t[0] - '0') : 0;
}

std::uint8_t StandardByte(const std::string& cell) {
  std::string name = cell;
  return FiveToneStandardIndex(name);
}

std::uint8_t ListPosition(const PlainList& list) { return static_cast<std::uint8_t>(std::max(0, list.selectedIndex())); }

struct CodeRow {
  int row;
  std::array<const char*, 5> texts;
};

}  // namespace

std::string DigitToChar(int value) {
  if (value >= 0 && value <= 9) return std::string(1, static_cast<char>('0' + value));
  if (value >= 10 && value <= 15) return std::string(1, static_cast<char>('A' + value - 10));
  return " ";
}

std::uint8_t CharToDigit(const std::string& text) {
  if (text >= "0" && text <= "9") {
    const std::optional<std::int64_t> v = ReadExactDecimal(text, NumberRule::Plain).Units(0, Rounding::HalfEven);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v.value_or(255), 0, 255));
  }
  if (text.size() == 1 && text[0] >= 'A' && text[0] <= 'F') return static_cast<std::uint8_t>(10 + text[0] - 'A');
  return 255;
}

bool IsCodeChar(char32_t c) { return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'F'); }

FiveToneEditor::FiveToneEditor(ProgramState& state, MessageSink& messages, FiveToneSheet& sheet)
    : state_(state), messages_(messages), sheet_(sheet) {
  sheet_.Combo_stxh.onClick = [this] { ShowStandardTones(); };
  for (auto& frame : sheet_.options)
    for (PlainCheckBox& box : frame) box.onClick = [this] { StoreDecodeOptions(sheet_.SelectedDecodeEntry); };
  sheet_.Check_Dec_back.onClick = [this] { replyOptionsChanged(); };
}

void FiveToneEditor::warn(const Bilingual& text) const { messages_.show(Warn(state_.LanguageFlag, texts::kTitleQuoted, text)); }

void FiveToneEditor::replyOptionsChanged() {
  const bool on = sheet_.Check_Dec_back.checked();
  sheet_.Check_Dec_Bcl.setEnabled(on);
  sheet_.Combo_Dec_Back_Time.setEnabled(on);
  sheet_.label8Enabled = on;
}

void FiveToneEditor::load() {
  const std::int16_t lang = state_.LanguageFlag;
  grid::SetHeadingsFromFormat(sheet_.standards, Pick(lang, texts::kStdHeader));
  grid::SetHeadingsFromFormat(sheet_.encode, Pick(lang, texts::kFiveEncodeHeader));
  grid::SetHeadingsFromFormat(sheet_.decode, Pick(lang, texts::kFiveDecodeHeader));
  // The reply options are stored hidden; all but their switch disabled.
  for (PlainControl* c : std::initializer_list<PlainControl*>{&sheet_.Check_Dec_back, &sheet_.Check_Dec_Bcl,
                                                              &sheet_.Combo_Dec_Back_Time})
    c->setVisible(false);
  sheet_.Check_Dec_Bcl.setEnabled(false);
  sheet_.Combo_Dec_Back_Time.setEnabled(false);
  sheet_.label8Enabled = false;
  InitFiveTone();
  sheet_.decodeFrameCaption = Pick(lang, texts::kFiveFrameDecXx);
}

void FiveToneEditor::InitFiveTone() {
  sheet_.Combo_stxh.setEntries(StandardNames());
  BuildFiveToneTables(state_);
  sheet_.Combo_stxh.select(0);  // shows the standard's tones
  ShowStandardTones();
  LoadDefaultStandards();

  for (PlainList* list : {&sheet_.Combo_Enc_ys1, &sheet_.Combo_Enc_ys2, &sheet_.Combo_enc_ys3, &sheet_.Combo_Enc_ys4})
    FillNumberList(*list, 0, 10, 101);
  sheet_.Combo_Enc_ys1.select(40);
  sheet_.Combo_Enc_ys2.select(20);
  sheet_.Combo_enc_ys3.select(20);
  sheet_.Combo_Enc_ys4.select(0);

  static constexpr std::array<CodeRow, 2> kEncodeRows{{{1, {"12345", "34567", "56789", "01234", "CCIR1"}},
                                                       {15, {"23456", "45678", "67890", "12345", "MODAT"}}}};
  for (int r = 1; r <= kStandardCount; ++r) {
    sheet_.encode.setCell(r, 0, std::to_string(r));
    sheet_.decode.setCell(r, 0, std::to_string(r));
  }
  for (const CodeRow& row : kEncodeRows)
    for (int c = 1; c <= 5; ++c) sheet_.encode.setCell(row.row, c, row.texts[static_cast<std::size_t>(c - 1)]);

  FillReplyTimeLists();
  // Standard, frame 1, frame 2, frame 3, transpond; the functions 1, 2, 0.
  static constexpr std::array<CodeRow, 2> kDecodeRows{{{1, {"CCIR1", "12345", "34567", "56789", "01234"}},
                                                       {15, {"MODAT", "23456", "45678", "67890", "12345"}}}};
  for (const CodeRow& row : kDecodeRows) {
    sheet_.decode.setCell(row.row, 1, row.texts[0]);
    sheet_.decode.setCell(row.row, 2, row.texts[1]);
    sheet_.decode.setCell(row.row, 3, DecodeFunctionName(state_, 1));
    sheet_.decode.setCell(row.row, 4, row.texts[2]);
    sheet_.decode.setCell(row.row, 5, DecodeFunctionName(state_, 2));
    sheet_.decode.setCell(row.row, 6, row.texts[3]);
    sheet_.decode.setCell(row.row, 7, DecodeFunctionName(state_, 0));
    sheet_.decode.setCell(row.row, 8, row.texts[4]);
  }
  sheet_.DecodeOptionBytes[0][0] = 3;
  sheet_.DecodeOptionBytes[14][0] = 12;
  selectEntry(0);
}

void FiveToneEditor::LoadDefaultStandards() {
  static constexpr std::array<const char*, kStandardCount> kPeriods{"100", "70", "70", "70", "70", "70", "70", "70",
                                                                    "70",  "40", "30", "100", "70", "70", "40"};
  for (int s = 0; s < kStandardCount; ++s) {
    sheet_.standards.setCell(s + 1, 0, FiveToneStandardName(s));
    sheet_.standards.setCell(s + 1, 1, kPeriods[static_cast<std::size_t>(s)]);
    sheet_.standards.setCell(s + 1, 2, "A");
    sheet_.standards.setCell(s + 1, 3, "E");
  }
}

void FiveToneEditor::ShowStandardTones() {
  const int p = sheet_.Combo_stxh.selectedIndex();
  if (p < 0 || p >= 16) return;
  for (std::size_t i = 0; i < 16; ++i) sheet_.Label_freq[i] = TrimBlanks(state_.ToneFreqText[static_cast<std::size_t>(p)][i]);
}

void FiveToneEditor::FillReplyTimeLists() {
  FillNumberList(sheet_.Combo_Dec_Res_Time, 100, 100, 80);
  sheet_.Combo_Dec_Res_Time.select(59);
  FillNumberList(sheet_.Combo_Dec_Back_Time, 500, 100, 21);
  sheet_.Combo_Dec_Back_Time.select(5);
}

void FiveToneEditor::selectEntry(int entry) {
  if (entry < 0 || entry >= kStandardCount) return;
  sheet_.SelectedDecodeEntry = entry;
  ShowDecodeOptions(entry);
  const std::string n = std::to_string(entry + 1);
  sheet_.decodeFrameCaption = state_.LanguageFlag != 0 ? n + " 信息码各组编码成功解码后执行操作"
                                                       : "Execute after Code " + n + " Decode Succeeded ";
}

void FiveToneEditor::ShowDecodeOptions(int entry) {
  if (entry < 0 || entry > 16) return;
  const auto& bytes = sheet_.DecodeOptionBytes[static_cast<std::size_t>(entry)];
  sheet_.OptionBoxesLoading = true;
  for (std::size_t f = 0; f < 3; ++f) {
    for (int k = 0; k < kOptionKinds; ++k) {
      const bool action = k < kActionKinds;
      const int value = bytes[2 * f + (action ? 0 : 1)];
      const int bit = action ? k : k - kActionKinds;
      sheet_.options[f][static_cast<std::size_t>(k)].setChecked(((value >> bit) & 1) != 0);
    }
  }
  sheet_.OptionBoxesLoading = false;
}

void FiveToneEditor::StoreDecodeOptions(int entry) {
  if (sheet_.OptionBoxesLoading || entry < 0 || entry > 16) return;
  auto& bytes = sheet_.DecodeOptionBytes[static_cast<std::size_t>(entry)];
  for (std::size_t f = 0; f < 3; ++f) {
    int action = 0;
    int group = 0;
    for (int k = 0; k < kOptionKinds; ++k) {
      if (!sheet_.options[f][static_cast<std::size_t>(k)].checked()) continue;
      if (k < kActionKinds)
        action |= 1 << k;
      else
        group |= 1 << (k - kActionKinds);
    }
    bytes[2 * f] = static_cast<std::int16_t>(action);
    bytes[2 * f + 1] = static_cast<std::int16_t>(group);
  }
}

void FiveToneEditor::DecodeFiveTone(std::span<const std::uint8_t> area) {
  if (area.size() < static_cast<std::size_t>(kFiveToneReadBytes)) return;
  // Group g is the 256 bytes of 0x2400 + 0x100 g; line k its 16-byte record.
  auto line = [&](int g, int k) { return area.data() + 256 * g + 16 * k; };
  for (int k = 0; k < kStandardCount; ++k) {
    const std::uint8_t* s = line(0, k);
    sheet_.standards.setCell(k + 1, 1, std::to_string(s[0] * 10));
    sheet_.standards.setCell(k + 1, 2, DigitToChar(s[1]));
    sheet_.standards.setCell(k + 1, 3, DigitToChar(s[2]));
  }
  for (int k = 0; k < kStandardCount; ++k) {
    const std::uint8_t* e = line(1, k);
    for (int f = 0; f < 3; ++f) sheet_.encode.setCell(k + 1, 1 + f, CodeText(e + 5 * f));
    sheet_.encode.setCell(k + 1, 5, FiveToneStandardName(e[15]));
    sheet_.encode.setCell(k + 1, 4, CodeText(line(2, k)));
  }
  const std::uint8_t* delays = line(2, 15);
  SelectPosition(sheet_.Combo_Enc_ys1, delays[0]);
  SelectPosition(sheet_.Combo_Enc_ys2, delays[1]);
  SelectPosition(sheet_.Combo_enc_ys3, delays[2]);
  SelectPosition(sheet_.Combo_Enc_ys4, delays[3]);
  for (int k = 0; k < kStandardCount; ++k) {
    const std::uint8_t* d = line(3, k);
    for (int f = 0; f < 3; ++f) sheet_.decode.setCell(k + 1, 2 + 2 * f, CodeText(d + 5 * f));
    sheet_.decode.setCell(k + 1, 1, FiveToneStandardName(d[15]));
    const std::uint8_t* a = line(4, k);
    sheet_.decode.setCell(k + 1, 8, CodeText(a));
    for (int f = 0; f < 3; ++f) sheet_.decode.setCell(k + 1, 3 + 2 * f, DecodeFunctionName(state_, a[5 + f]));
    for (int j = 0; j < 6; ++j) sheet_.DecodeOptionBytes[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)] = a[8 + j];
  }
  selectEntry(0);
  const std::uint8_t* settings = line(4, 15);
  SelectPosition(sheet_.Combo_Dec_Res_Time, settings[0]);
  sheet_.Check_Dec_back.setChecked(settings[1] != 0);
  sheet_.Check_Dec_Bcl.setChecked(settings[2] != 0);
  SelectPosition(sheet_.Combo_Dec_Back_Time, settings[3]);
}

void FiveToneEditor::showStagedSet() {
  std::array<std::uint8_t, kFiveToneReadBytes> area{};
  for (int r = kFiveToneReadFirstRow; r < kFiveToneRowCount; ++r)
    for (int c = 0; c < 16; ++c)
      area[static_cast<std::size_t>(16 * (r - kFiveToneReadFirstRow) + c)] =
          static_cast<std::uint8_t>(state_.FiveToneImage.at(r, c));
  DecodeFiveTone(area);
}

void FiveToneEditor::EncodeFiveTone() {
  auto& img = state_.FiveToneImage;
  for (int s = 0; s < 16; ++s)
    for (int d = 0; d < 16; ++d) {
      img.at(s, d) = state_.ToneFreqLo.at(s, d);
      img.at(16 + s, d) = state_.ToneFreqHi.at(s, d);
      img.at(32 + s, d) = state_.TonePeriodLo.at(s, d);
      img.at(48 + s, d) = state_.TonePeriodHi.at(s, d);
    }
  for (int s = 0; s < kStandardCount; ++s) {
    const double period = ReadExactDecimal(TrimBlanks(sheet_.standards.cell(s + 1, 1)), NumberRule::Plain).ToDouble();
    img.at(kStandardRow + s, 0) = static_cast<std::int16_t>(std::clamp(std::floor(period / 10), 0.0, 255.0));
    img.at(kStandardRow + s, 1) = CharToDigit(TrimBlanks(sheet_.standards.cell(s + 1, 2)));
    img.at(kStandardRow + s, 2) = CharToDigit(TrimBlanks(sheet_.standards.cell(s + 1, 3)));
  }

  // Each group starts erased, so what no field names goes out as 0xFF.
  auto put = [&img](const Group& g, int firstRow) {
    for (int l = 0; l < 16; ++l)
      for (int b = 0; b < 16; ++b) img.at(firstRow + l, b) = g[static_cast<std::size_t>(l)][static_cast<std::size_t>(b)];
  };
  Group g;
  auto erase = [&g] {
    for (auto& l : g) l.fill(0xFF);
  };
  const grid::TextGrid& enc = sheet_.encode;
  const grid::TextGrid& dec = sheet_.decode;

  erase();
  for (int k = 0; k < kStandardCount; ++k) {
    auto& l = g[static_cast<std::size_t>(k)];
    for (int f = 0; f < 3; ++f) StoreCode(enc.cell(k + 1, 1 + f), l.data() + 5 * f);
    l[15] = StandardByte(enc.cell(k + 1, 5));
  }
  put(g, kEncodeGroupRow);

  erase();
  for (int k = 0; k < kStandardCount; ++k) StoreCode(enc.cell(k + 1, 4), g[static_cast<std::size_t>(k)].data());
  g[15][0] = ListPosition(sheet_.Combo_Enc_ys1);
  g[15][1] = ListPosition(sheet_.Combo_Enc_ys2);
  g[15][2] = ListPosition(sheet_.Combo_enc_ys3);
  g[15][3] = ListPosition(sheet_.Combo_Enc_ys4);
  put(g, kTranspondGroupRow);

  erase();
  for (int k = 0; k < kStandardCount; ++k) {
    auto& l = g[static_cast<std::size_t>(k)];
    for (int f = 0; f < 3; ++f) StoreCode(dec.cell(k + 1, 2 + 2 * f), l.data() + 5 * f);
    l[15] = StandardByte(dec.cell(k + 1, 1));
  }
  put(g, kDecodeGroupRow);

  erase();
  for (int k = 0; k < kStandardCount; ++k) {
    auto& l = g[static_cast<std::size_t>(k)];
    StoreCode(dec.cell(k + 1, 8), l.data());
    for (int f = 0; f < 3; ++f) l[static_cast<std::size_t>(5 + f)] = FunctionByte(dec.cell(k + 1, 3 + 2 * f));
    for (int j = 0; j < 6; ++j)
      l[static_cast<std::size_t>(8 + j)] =
          static_cast<std::uint8_t>(sheet_.DecodeOptionBytes[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)]);
  }
  g[15][0] = ListPosition(sheet_.Combo_Dec_Res_Time);
  g[15][1] = sheet_.Check_Dec_back.checked() ? 1 : 0;
  g[15][2] = sheet_.Check_Dec_Bcl.checked() ? 2 : 0;
  g[15][3] = ListPosition(sheet_.Combo_Dec_Back_Time);
  put(g, kActionGroupRow);
}

bool FiveToneEditor::codeAccepted(const std::string& text) const {
  const std::u32string t = TextCodePoints(TrimBlanks(text));
  if (t.empty()) return true;
  if (t.size() != kCodeLength) {
    warn(texts::kEncodeDigits);
    return false;
  }
  // A symbol outside 0-9, A-F would go to the radio as an erased byte.
  if (!std::all_of(t.begin(), t.end(), IsCodeChar)) {
    warn(texts::kGroupDigits);
    return false;
  }
  return true;
}

// --- standards grid ------------------------------------------------------------

grid::CellEditor FiveToneEditor::StandardRules::editorFor(int row, int col) const {
  return IsEntryRow(row) && col >= 1 && col <= 3 ? grid::CellEditor::PickList : grid::CellEditor::None;
}

std::vector<std::string> FiveToneEditor::StandardRules::choices(int, int col) const {
  std::vector<std::string> items;
  if (col == 1) {
    for (int v = 20; v <= 200; v += 10) items.push_back(std::to_string(v));
  } else {
    for (int d = 0; d < 16; ++d) items.push_back(DigitToChar(d));
  }
  return items;
}

bool FiveToneEditor::StandardRules::commit(int row, int col, const std::string& text) {
  e_.sheet_.standards.setCell(row, col, text);
  return true;
}

void FiveToneEditor::StandardRules::clicked(int row, int) {
  if (IsEntryRow(row)) e_.sheet_.Combo_stxh.select(row - 1);
}

// --- encode grid ---------------------------------------------------------------

grid::CellEditor FiveToneEditor::EncodeRules::editorFor(int row, int col) const {
  if (!IsEntryRow(row) || col < 1 || col > 5) return grid::CellEditor::None;
  if (col > 1 && e_.sheet_.encode.isBlank(row, 1)) return grid::CellEditor::None;  // no frame 1, no editor
  return col == 5 ? grid::CellEditor::PickList : grid::CellEditor::TextBox;
}

std::vector<std::string> FiveToneEditor::EncodeRules::choices(int, int) const { return StandardNames(); }

void FiveToneEditor::EncodeRules::edited(int, int col, const std::string& text) {
  if (col < 1 || col > 4) return;
  const std::size_t n = TextCharacterCount(text);
  if (n > kCodeLength) e_.warn(texts::kEncodeDigits);
  if (n != kCodeLength) return;
  const std::u32string t = TextCodePoints(TrimBlanks(text));
  for (char32_t c : t)
    if (!IsCodeChar(c)) e_.warn(texts::kGroupDigits);
}

bool FiveToneEditor::EncodeRules::commit(int row, int col, const std::string& text) {
  grid::TextGrid& g = e_.sheet_.encode;
  if (col == 5) {
    g.setCell(row, col, text);
  } else {
    if (!e_.codeAccepted(text)) return false;
    if (!TrimBlanks(text).empty()) g.setCell(row, col, text);
  }
  if (g.isBlank(row, 1))
    for (int c = 1; c <= 5; ++c) g.setCell(row, c, "");
  return true;
}

void FiveToneEditor::EncodeRules::doubleClicked(int row, int col) {
  if (col != 0 || !IsEntryRow(row)) return;
  for (int c = 1; c <= 5; ++c) e_.sheet_.encode.setCell(row, c, "");
}

// --- decode grid ---------------------------------------------------------------

grid::CellEditor FiveToneEditor::DecodeRules::editorFor(int row, int col) const {
  if (!IsEntryRow(row) || col < 1 || col > 8) return grid::CellEditor::None;
  if (col > 1 && e_.sheet_.decode.isBlank(row, 1)) return grid::CellEditor::None;  // no standard, no editor
  return col % 2 == 1 ? grid::CellEditor::PickList : grid::CellEditor::TextBox;
}

std::vector<std::string> FiveToneEditor::DecodeRules::choices(int, int col) const {
  if (col == 1) return StandardNames();
  return {e_.state_.DecodeFunctionNames.begin(), e_.state_.DecodeFunctionNames.end()};
}

void FiveToneEditor::DecodeRules::edited(int, int col, const std::string& text) {
  if (col < 2 || col % 2 != 0) return;
  const std::size_t n = TextCharacterCount(text);
  if (n > kCodeLength) {
    e_.warn(texts::kDecodeDigits);
    return;
  }
  // Every position up to the typed length must be a symbol: a blank fails.
  const std::u32string t = TextCodePoints(TrimBlanks(text));
  for (std::size_t i = 0; i < n; ++i)
    if (i >= t.size() || !IsCodeChar(t[i])) e_.warn(texts::kGroupDigits);
}

bool FiveToneEditor::DecodeRules::commit(int row, int col, const std::string& text) {
  grid::TextGrid& g = e_.sheet_.decode;
  if (col % 2 == 1) {
    g.setCell(row, col, text);
    if (col > 1 && g.isBlank(row, col - 1)) g.setCell(row, col, "");  // a function needs its code
  } else {
    if (!e_.codeAccepted(text)) return false;
    if (!TrimBlanks(text).empty()) g.setCell(row, col, text);
  }
  // A row without a standard is emptied; its option bits stay.
  if (g.isBlank(row, 1))
    for (int c = 1; c <= 8; ++c) g.setCell(row, c, "");
  return true;
}

void FiveToneEditor::DecodeRules::clicked(int row, int) {
  if (IsEntryRow(row)) e_.selectEntry(row - 1);
}

void FiveToneEditor::DecodeRules::doubleClicked(int row, int col) {
  if (col != 0 || !IsEntryRow(row)) return;
  for (int c = 1; c <= 8; ++c) e_.sheet_.decode.setCell(row, c, "");
  e_.sheet_.DecodeOptionBytes[static_cast<std::size_t>(row - 1)].fill(0);
  e_.selectEntry(row - 1);
}

}  // namespace brel::signalling
