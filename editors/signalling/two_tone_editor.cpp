#include "two_tone_editor.h"

#include <algorithm>
#include <cmath>

#include "exact_decimal.h"
#include "numtext.h"
#include "signalling_texts.h"
#include "text_grid.h"

namespace brel::signalling {
namespace {

constexpr std::array<const char*, 12> kTonePairs{"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                                 "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};

// The tick the start-up sets; a window opened before it still computes.
constexpr double kDefaultTickMs = 0.000434028;

constexpr int kAlertItems = 16;

struct EncodeDefault {
  int row;
  const char* first;
  const char* second;
};
// Rows 5..11 are not written and keep their texts.
constexpr std::array<EncodeDefault, 8> kEncodeDefaults{{{1, "1981.0", "1124.0"},
                                                        {2, "1197.0", "1275.0"},
                                                        {3, "1358.0", "1446.0"},
                                                        {4, "1540.0", "1640.0"},
                                                        {12, "2200.0", "970.0"},
                                                        {13, "1060.0", "1160.0"},
                                                        {14, "1400.0", "1530.0"},
                                                        {15, "1670.0", "1830.0"}}};

struct ToneDefault {
  int entry;  // 1..15
  std::array<const char*, 4> tones;
};
constexpr std::array<ToneDefault, 4> kToneDefaults{{{1, {"1981.0", "1124.0", "1197.0", "1275.0"}},
                                                    {2, {"1358.0", "1446.0", "1540.0", "1640.0"}},
                                                    {14, {"2200.0", "970.0", "1060.0", "1160.0"}},
                                                    {15, {"1400.0", "1530.0", "1670.0", "1830.0"}}}};

// One decode of a default entry: pair, response number, alert.
struct DecodeDefault {
  const char* pair;
  int response;
  const char* alert;
};
constexpr std::array<DecodeDefault, 4> kDecodesForward{{{"A-B", 1, "1"}, {"B-C", 2, "2"}, {"C-D", 3, "3"}, {"D-A", 0, "4"}}};
constexpr std::array<DecodeDefault, 4> kDecodesBackward{{{"D-A", 0, "4"}, {"C-D", 3, "3"}, {"B-C", 2, "2"}, {"A-B", 1, "1"}}};

bool IsEntryRow(int row) { return row >= 1 && row <= kEntryCount; }

// A typed frequency the window takes: 300..3000 Hz, read exactly.
bool InToneRange(const ExactDecimal& f) {
  return f.hasDigits && f.CompareTo(kLowestTone) >= 0 && f.CompareTo(kHighestTone) <= 0;
}

int Word(std::span<const std::uint8_t> area, int offset) {
  return area[static_cast<std::size_t>(offset)] + 256 * area[static_cast<std::size_t>(offset + 1)];
}

void PutWord(std::int16_t& lo, std::int16_t& hi, int value) {
  lo = static_cast<std::int16_t>(value & 0xFF);
  hi = static_cast<std::int16_t>((value >> 8) & 0xFF);
}

}  // namespace

std::string TonePairToText(int byte) {
  return byte >= 0 && byte < static_cast<int>(kTonePairs.size()) ? kTonePairs[static_cast<std::size_t>(byte)] : "";
}

std::uint8_t TonePairFromCell(const std::string& text) {
  const std::string t = TrimBlanks(text);
  for (std::size_t i = 0; i < kTonePairs.size(); ++i)
    if (t == kTonePairs[i]) return static_cast<std::uint8_t>(i);
  return 255;
}

std::string ResponseToText(const ProgramState& state, int byte) {
  if (byte == 255) return "";
  const std::size_t i = byte >= 0 && byte <= 3 ? static_cast<std::size_t>(byte) : 0;
  return state.DecodeResponseNames[i];
}

std::uint8_t ResponseFromCell(const std::string& text) {
  const std::string t = TrimBlanks(text);
  if (t.empty()) return 255;
  return t[0] >= '0' && t[0] <= '9' ? static_cast<std::uint8_t>(t[0] - '0') : 0;
}

std::string AlertToText(int byte) { return byte >= 0 && byte <= kAlertItems ? std::to_string(byte) : ""; }

std::uint8_t AlertFromCell(const std::string& text) {
  const std::string t = TrimBlanks(text);
  if (t.empty()) return 255;
  const std::optional<std::int64_t> n = ReadExactDecimal(t, NumberRule::Plain).Units(0, Rounding::HalfEven);
  return static_cast<std::uint8_t>(std::clamp<std::int64_t>(n.value_or(255), 0, 255));
}

std::optional<int> TwoTonePeriodCode(double hz, double tickMs) {
  if (!(hz >= kLowestTone && hz <= kHighestTone) || !(tickMs > 0)) return std::nullopt;
  const double ticks = (1 / hz * 1000) / tickMs + 0.5;
  if (!(ticks < 65536)) return std::nullopt;
  return static_cast<int>(std::floor(ticks));
}

void FillNumberList(PlainList& list, int first, int step, int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(std::to_string(first + step * i));
  list.setEntries(std::move(items));
}

void SelectPosition(PlainList& list, int position) {
  if (list.count() == 0) return;
  list.select(std::clamp(position, 0, list.count() - 1));
}

TwoToneEditor::TwoToneEditor(ProgramState& state, MessageSink& messages, TwoToneSheet& sheet)
    : state_(state), messages_(messages), sheet_(sheet) {}

void TwoToneEditor::warn(const Bilingual& title, const Bilingual& text) const {
  messages_.show(Warn(state_.LanguageFlag, title, text));
}

double TwoToneEditor::tickMs() const { return state_.TonePeriodTickMs > 0 ? state_.TonePeriodTickMs : kDefaultTickMs; }

void TwoToneEditor::load() {
  grid::SetHeadingsFromFormat(sheet_.encode, Pick(state_.LanguageFlag, texts::kTwoEncodeHeader));
  grid::SetHeadingsFromFormat(sheet_.decode, Pick(state_.LanguageFlag, texts::kTwoDecodeHeader));
  LoadTwoToneDefaults();
  sheet_.decodeFrameCaption = Pick(state_.LanguageFlag, texts::kTwoFrameDecXx);
}

void TwoToneEditor::LoadTwoToneDefaults() {
  for (auto& line : sheet_.DecodeToneTable) line.fill(0);
  for (PlainList* list : {&sheet_.Combo_Enc_ys1, &sheet_.Combo_Enc_ys2, &sheet_.Combo_enc_ys3})
    FillNumberList(*list, 0, 10, 101);
  sheet_.Combo_Enc_ys1.select(60);
  sheet_.Combo_Enc_ys2.select(60);
  sheet_.Combo_enc_ys3.select(30);

  for (int r = 1; r <= kEntryCount; ++r) {
    sheet_.encode.setCell(r, 0, std::to_string(r));
    sheet_.decode.setCell(r, 0, std::to_string(r));
  }
  for (const EncodeDefault& d : kEncodeDefaults) {
    sheet_.encode.setCell(d.row, 1, d.first);
    sheet_.encode.setCell(d.row, 2, d.second);
  }
  auto decodes = [this](int row, const std::array<DecodeDefault, 4>& set) {
    for (int d = 0; d < 4; ++d) {
      const DecodeDefault& v = set[static_cast<std::size_t>(d)];
      sheet_.decode.setCell(row, 3 * d + 1, v.pair);
      sheet_.decode.setCell(row, 3 * d + 2, state_.DecodeResponseNames[static_cast<std::size_t>(v.response)]);
      sheet_.decode.setCell(row, 3 * d + 3, v.alert);
    }
  };
  for (int row : {1, 2, 14}) decodes(row, kDecodesForward);
  decodes(15, kDecodesBackward);

  for (const ToneDefault& d : kToneDefaults) {
    for (int n = 0; n < 4; ++n) sheet_.tones[static_cast<std::size_t>(n)].setText(d.tones[static_cast<std::size_t>(n)]);
    StoreDecodeTones(d.entry - 1);
  }
  FillNumberList(sheet_.Combo_Dec_Res_Time, 100, 100, 80);
  sheet_.Combo_Dec_Res_Time.select(59);
  selectEntry(0);
}

void TwoToneEditor::selectEntry(int entry) {
  if (entry < 0 || entry >= kEntryCount) return;
  sheet_.SelectedDecodeEntry = entry;
  ShowDecodeTones(entry);
  sheet_.decodeFrameCaption = Concat({std::to_string(entry + 1), Pick(state_.LanguageFlag, texts::kTwoEntrySuffix)});
}

void TwoToneEditor::ShowTwoToneFromBlocks(std::span<const std::uint8_t> area) {
  if (area.size() < static_cast<std::size_t>(kTwoToneAreaBytes)) return;
  auto at = [&](int row, int col) { return area[static_cast<std::size_t>(16 * row + col)]; };
  auto frequency = [](int hz) { return hz >= kLowestTone && hz <= kHighestTone ? std::to_string(hz) + ".0" : ""; };
  for (int k = 1; k <= kEntryCount; ++k) {
    sheet_.encode.setCell(k, 1, frequency(Word(area, 16 * (k - 1))));
    sheet_.encode.setCell(k, 2, frequency(Word(area, 16 * (k - 1) + 8)));
  }
  SelectPosition(sheet_.Combo_Enc_ys1, at(kTimingRow, 0));
  SelectPosition(sheet_.Combo_Enc_ys2, at(kTimingRow, 1));
  SelectPosition(sheet_.Combo_enc_ys3, at(kTimingRow, 2));
  for (int k = 1; k <= kEntryCount; ++k) {
    const int row = kFirstDecodeRow + k - 1;
    for (int d = 0; d < 4; ++d) {
      sheet_.decode.setCell(k, 3 * d + 1, TonePairToText(at(row, 3 * d)));
      sheet_.decode.setCell(k, 3 * d + 2, ResponseToText(state_, at(row, 3 * d + 1)));
      sheet_.decode.setCell(k, 3 * d + 3, AlertToText(at(row, 3 * d + 2)));
    }
  }
  for (int n = 0; n < 16; ++n)
    for (int i = 0; i < 16; ++i)
      sheet_.DecodeToneTable[static_cast<std::size_t>(n)][static_cast<std::size_t>(i)] = at(kFirstToneRow + n, i);
  SelectPosition(sheet_.Combo_Dec_Res_Time, sheet_.DecodeToneTable[15][0]);
  selectEntry(0);
}

void TwoToneEditor::showStagedSet() {
  std::array<std::uint8_t, kTwoToneAreaBytes> area{};
  for (int r = 0; r < kTwoToneRowCount; ++r)
    for (int c = 0; c < 16; ++c)
      area[static_cast<std::size_t>(16 * r + c)] = static_cast<std::uint8_t>(state_.TwoToneImage.at(r, c));
  ShowTwoToneFromBlocks(area);
}

void TwoToneEditor::StoreTwoToneControls() {
  auto& img = state_.TwoToneImage;
  img.fill(0, kTwoToneRowCount - 1, 0, 15, 0);
  for (int k = 1; k <= kEntryCount; ++k) {
    for (int half = 0; half < 2; ++half) {
      const std::string& cell = sheet_.encode.cell(k, 1 + half);
      if (TrimBlanks(cell).empty()) continue;
      const std::optional<std::int64_t> v = ReadExactDecimal(cell, NumberRule::Plain).Units(0, Rounding::HalfUp);
      if (!v || *v < 0 || *v > 0xFFFF) continue;
      PutWord(img.at(k - 1, 8 * half), img.at(k - 1, 8 * half + 1), static_cast<int>(*v));
    }
  }
  img.at(kTimingRow, 0) = static_cast<std::int16_t>(std::max(0, sheet_.Combo_Enc_ys1.selectedIndex()));
  img.at(kTimingRow, 1) = static_cast<std::int16_t>(std::max(0, sheet_.Combo_Enc_ys2.selectedIndex()));
  img.at(kTimingRow, 2) = static_cast<std::int16_t>(std::max(0, sheet_.Combo_enc_ys3.selectedIndex()));
  for (int k = 1; k <= kEntryCount; ++k) {
    const int row = kFirstDecodeRow + k - 1;
    for (int d = 0; d < 4; ++d) {
      img.at(row, 3 * d) = TonePairFromCell(sheet_.decode.cell(k, 3 * d + 1));
      img.at(row, 3 * d + 1) = ResponseFromCell(sheet_.decode.cell(k, 3 * d + 2));
      img.at(row, 3 * d + 2) = AlertFromCell(sheet_.decode.cell(k, 3 * d + 3));
    }
  }
  for (int e = 0; e < kEntryCount; ++e)
    for (int i = 0; i < 16; ++i)
      img.at(kFirstToneRow + e, i) = sheet_.DecodeToneTable[static_cast<std::size_t>(e)][static_cast<std::size_t>(i)];
  img.at(kResetRow, 0) = static_cast<std::int16_t>(std::max(0, sheet_.Combo_Dec_Res_Time.selectedIndex()));
}

void TwoToneEditor::StoreDecodeTones(int entry) {
  if (entry < 0 || entry >= 16) return;
  auto& line = sheet_.DecodeToneTable[static_cast<std::size_t>(entry)];
  for (int n = 0; n < 4; ++n) {
    const ExactDecimal f = ReadExactDecimal(sheet_.tones[static_cast<std::size_t>(n)].text(), NumberRule::Plain);
    // Only a tone the window takes is stored: anything else (an empty field,
    // or a value a read put there) leaves the tone as it stands.
    if (!InToneRange(f)) continue;
    const int hz = static_cast<int>(*f.Units(0, Rounding::HalfUp));
    const int period = *TwoTonePeriodCode(f.ToDouble(), tickMs());
    line[static_cast<std::size_t>(2 * n)] = static_cast<std::uint8_t>(hz & 0xFF);
    line[static_cast<std::size_t>(2 * n + 1)] = static_cast<std::uint8_t>(hz >> 8);
    line[static_cast<std::size_t>(8 + 2 * n)] = static_cast<std::uint8_t>(period & 0xFF);
    line[static_cast<std::size_t>(9 + 2 * n)] = static_cast<std::uint8_t>(period >> 8);
  }
}

void TwoToneEditor::ShowDecodeTones(int entry) {
  if (entry < 0 || entry >= 16) return;
  const auto& line = sheet_.DecodeToneTable[static_cast<std::size_t>(entry)];
  for (int n = 0; n < 4; ++n) {
    const int v = line[static_cast<std::size_t>(2 * n)] + 256 * line[static_cast<std::size_t>(2 * n + 1)];
    sheet_.tones[static_cast<std::size_t>(n)].setText(v == 0 ? "" : std::to_string(v) + ".0");
  }
}

bool TwoToneEditor::toneFieldLeft(int n) {
  if (n < 0 || n > 3) return false;
  PlainTextBox& field = sheet_.tones[static_cast<std::size_t>(n)];
  const ExactDecimal f = ReadExactDecimal(field.text(), NumberRule::Plain);
  bool refocus = false;
  if (InToneRange(f)) {
    field.setText(Concat({" ", std::to_string(*f.Units(0, Rounding::HalfEven)), ".0"}));
  } else if (!TrimBlanks(field.text()).empty()) {
    warn(texts::kTitleQuoted, texts::kFrequencyRange);
    field.setText("");
    refocus = true;
  }
  StoreDecodeTones(sheet_.SelectedDecodeEntry);
  return refocus;
}

// --- encode grid -------------------------------------------------------------

grid::CellEditor TwoToneEditor::EncodeRules::editorFor(int row, int col) const {
  return IsEntryRow(row) && (col == 1 || col == 2) ? grid::CellEditor::TextBox : grid::CellEditor::None;
}

bool TwoToneEditor::EncodeRules::commit(int row, int col, const std::string& text) {
  const ExactDecimal f = ReadExactDecimal(text, NumberRule::Plain);
  if (InToneRange(f))
    e_.sheet_.encode.setCell(row, col, Concat({" ", std::to_string(*f.Units(0, Rounding::HalfUp)), ".0"}));
  else if (!TrimBlanks(text).empty())
    e_.warn(texts::kTitleQuoted, texts::kFrequencyRange);  // the cell keeps its frequency
  return true;
}

void TwoToneEditor::EncodeRules::doubleClicked(int row, int col) {
  if (col != 0 || !IsEntryRow(row)) return;
  e_.sheet_.encode.setCell(row, 1, "");
  e_.sheet_.encode.setCell(row, 2, "");
}

// --- decode grid -------------------------------------------------------------

grid::CellEditor TwoToneEditor::DecodeRules::editorFor(int row, int col) const {
  return IsEntryRow(row) && col >= 1 && col <= 12 ? grid::CellEditor::PickList : grid::CellEditor::None;
}

std::vector<std::string> TwoToneEditor::DecodeRules::choices(int, int col) const {
  std::vector<std::string> items;
  switch (col % 3) {
    case 1: items.assign(kTonePairs.begin(), kTonePairs.end()); break;
    case 2: items.assign(e_.state_.DecodeResponseNames.begin(), e_.state_.DecodeResponseNames.end()); break;
    default:
      for (int i = 1; i <= kAlertItems; ++i) items.push_back(std::to_string(i));
  }
  return items;
}

bool TwoToneEditor::DecodeRules::commit(int row, int col, const std::string& text) {
  // The list opens on the cell's text, so a cell left without a pick keeps it.
  grid::TextGrid& g = e_.sheet_.decode;
  g.setCell(row, col, text);
  const int pairCol = col - (col - 1) % 3;
  if (col != pairCol && g.isBlank(row, pairCol)) g.setCell(row, col, "");
  return true;
}

void TwoToneEditor::DecodeRules::clicked(int row, int) {
  if (IsEntryRow(row)) e_.selectEntry(row - 1);
}

void TwoToneEditor::DecodeRules::doubleClicked(int row, int col) {
  if (col != 0 || !IsEntryRow(row)) return;
  for (int c = 1; c <= 12; ++c) e_.sheet_.decode.setCell(row, c, "");
  e_.sheet_.DecodeToneTable[static_cast<std::size_t>(row - 1)].fill(0);
  e_.ShowDecodeTones(row - 1);
}

}  // namespace brel::signalling
