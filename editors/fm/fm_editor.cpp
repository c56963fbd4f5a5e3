#include "fm_editor.h"

#include "exact_decimal.h"
#include "fm_texts.h"
#include "frequency_codec.h"
#include "numtext.h"

namespace brel::fm {
namespace {

// A limit as the boxes show it: its whole MHz, a point and five zeros.
std::string LimitText(double limit) { return FormatVfoFrequency(NumberToTrimmedText(limit), 0); }

bool IsUpperBox(int box) { return box == kAUpper || box == kBUpper; }
int PartnerBox(int box) { return box ^ 1; }

const Bilingual& RangeMessage(int box) {
  switch (box) {
    case kALower: return texts::kALowerOutOfRange;
    case kAUpper: return texts::kAUpperOutOfRange;
    case kBLower: return texts::kBLowerOutOfRange;
    default: return texts::kBUpperOutOfRange;
  }
}

}  // namespace

const std::array<DefaultPreset, 9> kDefaultPresets{{
    {1, "88.90000", "CNRZS"},
    {2, "90.40000", "CCTV1"},
    {4, "92.30000", "JTZS2"},
    {6, "95.50000", "FJJTG"},
    {8, "96.90000", "CCTV4"},
    {10, "98.30000", "FJQX"},
    {12, "103.90000", "CCTV6"},
    {14, "100.70000", "DNZS3"},
    {16, "105.90000", "CCTV9"},
}};

BandLimits ShownBandLimits(const ProgramState& state) {
  // Not VfoAUpper - 1: the globals are raised by 1 only by some
  // identifications, and the boxes would then offer a limit the radio never
  // gave (173 for a 174 MHz radio).
  return {state.ReportedVhfLower, state.ReportedVhfUpper, state.ReportedUhfLower, state.ReportedUhfUpper};
}

std::string CheckedFrequencyText(const std::string& typed) {
  const ExactDecimal v = ReadExactDecimal(typed, NumberRule::Plain);
  if (v.CompareTo(kFmRangeLow) < 0 || v.CompareTo(kFmRangeHigh) > 0) return {};
  std::string text = v.whole + ".";
  for (int i = 1; i <= 5; ++i) text += static_cast<char>('0' + v.FractionDigit(i));
  return text;
}

std::string CheckedNameText(const std::string& typed, bool& tooLong) {
  std::string kept;
  for (char c : typed)
    if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) <= 0x7E) kept.push_back(c);
  kept = TrimBlanks(kept);
  tooLong = kept.size() > static_cast<std::size_t>(kNameLength);
  kept = TrimBlanks(kept.substr(0, kNameLength));
  for (char& c : kept)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return kept;
}

std::array<std::string, kBandBoxCount> FmSheet::boxTexts() const {
  std::array<std::string, kBandBoxCount> texts;
  for (std::size_t b = 0; b < boxes.size(); ++b) texts[b] = boxes[b].text();
  return texts;
}

FmEditor::FmEditor(ProgramState& state, MessageSink& messages, FmSheet& sheet)
    : state_(state), messages_(messages), sheet_(sheet) {
  for (int b = 0; b < kBandBoxCount; ++b) bandBox(b).onChange = [this, b] { bandBoxChanged(b); };
}

void FmEditor::warn(const Bilingual& title, const Bilingual& text) const {
  messages_.show(Warn(state_.LanguageFlag, title, text));
}

void FmEditor::setHeadings() {
  // The column format's texts, without its centring marks.
  std::string format = Pick(state_.LanguageFlag, texts::kGridFormat);
  int col = 0;
  std::string heading;
  auto flush = [&] {
    if (col < kGridColumns) sheet_.grid.setCell(0, col, heading);
    heading.clear();
    ++col;
  };
  for (char c : format) {
    if (c == '|') flush();
    else if (c != '^') heading.push_back(c);
  }
  flush();
}

void FmEditor::load() {
  setHeadings();
  for (int r = 1; r <= kPresetCount; ++r) sheet_.grid.setCell(r, kColFrequency, "");
  sheet_.fmLower = "87.50000";
  sheet_.fmUpper = "108.00000";
  const BandLimits limits = ShownBandLimits(state_);
  for (int b = 0; b < kBandBoxCount; ++b) setBoxToLimit(b, IsUpperBox(b) ? limits.upper(b) : limits.lower(b));
  for (const DefaultPreset& p : kDefaultPresets) {
    sheet_.grid.setCell(p.row, kColFrequency, p.frequency);
    sheet_.grid.setCell(p.row, kColName, p.name);
  }
}

void FmEditor::activate() {
  for (int r = 1; r <= kPresetCount; ++r) sheet_.grid.setCell(r, kColNumber, std::to_string(r));
}

void FmEditor::leaveCell(int r, int c, const std::string* editorText) {
  if (r < 1 || r > kPresetCount) return;
  if (editorText != nullptr) {
    if (c == kColFrequency) commitFrequency(r, *editorText);
    else if (c == kColName) commitName(r, *editorText);
  }
  EncodeFmRow(r);
}

grid::CellEditor FmEditor::editorFor(int row, int col) const {
  const bool preset = row >= 1 && row <= kPresetCount;
  return preset && (col == kColFrequency || col == kColName) ? grid::CellEditor::TextBox : grid::CellEditor::None;
}

bool FmEditor::commit(int row, int col, const std::string& text) {
  leaveCell(row, col, &text);
  return true;
}

void FmEditor::commitFrequency(int r, const std::string& text) {
  const std::string checked = CheckedFrequencyText(text);
  if (!checked.empty()) {
    sheet_.grid.setCell(r, kColFrequency, checked);
  } else if (!TrimBlanks(text).empty()) {
    warn(kTitlePromptLower, texts::kFreqOutOfRange);
    sheet_.grid.setCell(r, kColFrequency, "87.50000");
  } else {
    // An emptied frequency erases the preset, its name with it.
    sheet_.grid.setCell(r, kColFrequency, "");
    sheet_.grid.setCell(r, kColName, "");
  }
}

void FmEditor::commitName(int r, const std::string& text) {
  bool tooLong = false;
  std::string name = CheckedNameText(text, tooLong);
  if (tooLong) warn(kTitlePromptUpper, texts::kNameTooLong);
  // A name needs a frequency.
  if (TrimBlanks(sheet_.grid.cell(r, kColFrequency)).empty()) name.clear();
  sheet_.grid.setCell(r, kColName, name);
}

void FmEditor::bandBoxChanged(int b) {
  if (boxRuleRunning_ || TrimBlanks(bandBox(b).text()).size() <= 9) return;
  boxRuleRunning_ = true;
  const BandLimits limits = ShownBandLimits(state_);
  const std::string lo = LimitText(limits.lower(b));
  const std::string hi = LimitText(limits.upper(b));
  const bool bandA = b < kBLower;
  const std::string zh = std::string(bandA ? "A" : "B") + " 段频率的有效范围从 " + lo + "MHZ 到 " + hi + "MHZ   ";
  const std::string en = std::string("The availability range of  ") + (bandA ? "A" : "B") +
                         " band frequency is from  " + lo + "MHZ to " + hi + "MHZ   ";
  messages_.show(Message{Pick(state_.LanguageFlag, kTitlePromptLower), state_.LanguageFlag != 0 ? zh : en,
                         MessageIcon::Warning});
  boxRuleRunning_ = false;
  bandBox(b).takeFocus();
}

void FmEditor::setBoxToLimit(int b, double limit) { bandBox(b).setText(LimitText(limit)); }

void FmEditor::bandBoxLeft(int box) {
  if (boxRuleRunning_) return;
  boxRuleRunning_ = true;
  checkBandBoxLeft(box);
  boxRuleRunning_ = false;
}

void FmEditor::checkBandBoxLeft(int box) {
  const BandLimits limits = ShownBandLimits(state_);
  const double lo = limits.lower(box);
  const double hi = limits.upper(box);
  const bool upper = IsUpperBox(box);
  const double fallback = upper ? hi : lo;
  const double v = TextToPlainNumber(bandBox(box).text());
  if (v < lo || v > hi) {
    warn(kTitlePromptLower, RangeMessage(box));
    setBoxToLimit(box, fallback);
    return;
  }
  const double other = TextToPlainNumber(bandBox(PartnerBox(box)).text());
  if (upper ? other > v : other < v) {
    warn(kTitlePromptLower, upper ? texts::kUpperBelowLower : texts::kLowerAboveUpper);
    setBoxToLimit(box, fallback);
    return;
  }
  setBoxToLimit(box, v);
}

void FmEditor::clear() {
  for (int r = 1; r <= kPresetCount; ++r) {
    sheet_.grid.setCell(r, kColFrequency, "");
    sheet_.grid.setCell(r, kColName, "");
  }
  for (PlainTextBox& b : sheet_.boxes) b.setText("");
}

void FmEditor::EncodeFmRow(int gridRow) {
  if (gridRow < 1 || gridRow > kPresetCount) return;
  const int row = gridRow - 1;
  const PresetRecord record =
      EncodePresetRecord(sheet_.grid.cell(gridRow, kColFrequency), sheet_.grid.cell(gridRow, kColName));
  for (int k = 0; k < 16; ++k) state_.FmStageRows.at(row, k) = static_cast<std::int16_t>(record[static_cast<std::size_t>(k)]);
  const auto limits = EncodeBandLimits(sheet_.boxTexts());
  for (int k = 0; k < kBandLimitDigits; ++k)
    state_.FmStageRows.at(kLimitStageRow, k) = static_cast<std::int16_t>(limits[static_cast<std::size_t>(k)]);
  sheet_.readout.clear();
  for (int k = 0; k < 16; ++k) sheet_.readout += Concat({" ", std::to_string(state_.FmStageRows.at(row, k))});
}

void FmEditor::encodeAll() {
  for (int r = 1; r <= kPresetCount; ++r) EncodeFmRow(r);
}

void FmEditor::DecodeFmBlock(const std::uint8_t* block, int gridRow, int offset, const std::uint8_t* limitBlock) {
  PresetRecord record;
  for (int k = 0; k < 16; ++k) record[static_cast<std::size_t>(k)] = block[offset + k];
  const PresetTexts texts = DecodePresetRecord(record);
  sheet_.grid.setCell(gridRow, kColFrequency, texts.frequency);
  sheet_.grid.setCell(gridRow, kColName, texts.name);

  std::array<int, kBandLimitDigits> digits;
  for (int k = 0; k < kBandLimitDigits; ++k) digits[static_cast<std::size_t>(k)] = limitBlock[k];
  const auto boxes = DecodeBandLimits(digits.data());
  for (std::size_t b = 0; b < boxes.size(); ++b)
    if (boxes[b]) sheet_.boxes[b].setText(*boxes[b]);
}

void FmEditor::showReadBlocks(const std::vector<int>& addresses,
                              const std::vector<std::array<std::uint8_t, 64>>& blocks) {
  const std::uint8_t* limitBlock = nullptr;
  for (std::size_t i = 0; i < addresses.size(); ++i)
    if (addresses[i] == kLimitBlockAddress) limitBlock = blocks.at(i).data();
  if (limitBlock == nullptr) return;
  for (std::size_t i = 0; i < addresses.size(); ++i) {
    const int first = (addresses[i] - kPresetBase) / 16 + 1;
    if (addresses[i] < kPresetBase) continue;
    for (int k = 0; k < 4; ++k)
      if (first + k >= 1 && first + k <= kPresetCount) DecodeFmBlock(blocks[i].data(), first + k, 16 * k, limitBlock);
  }
}

void FmEditor::showRowsFromStage() {
  for (int r = 1; r <= kPresetCount; ++r) {
    PresetRecord record;
    for (int k = 0; k < 16; ++k) record[static_cast<std::size_t>(k)] = state_.FmStageRows.at(r - 1, k);
    const PresetTexts texts = DecodePresetRecord(record);
    sheet_.grid.setCell(r, kColFrequency, texts.frequency);
    sheet_.grid.setCell(r, kColName, texts.name);
  }
}

}  // namespace brel::fm
