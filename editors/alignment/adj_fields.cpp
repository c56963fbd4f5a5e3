#include "adj_fields.h"

#include <cmath>

#include "adj_texts.h"
#include "band_limit.h"
#include "field_table.h"
#include "numtext.h"
#include "radio_charset.h"
#include "text_chars.h"

namespace brel::adj {
namespace {

constexpr int kBlank = 32;

int Byte(const AdjTable& image, int row, int col) { return image.at(row, col) & 0xFF; }
void Put(AdjTable& image, int row, int col, int value) { image.at(row, col) = static_cast<std::int16_t>(value); }

struct TextCells {
  int row;
  int first;
  int count;
};

TextCells CellsOf(TextField field) {
  switch (field) {
    case TextField::PonU: return {13, 0, 7};
    case TextField::PonD: return {13, 7, 7};
    case TextField::Info0: return {14, 0, 7};
    case TextField::Info1: return {14, 7, 7};
    case TextField::PasswordUser: return {15, 0, 6};
    case TextField::PasswordSuper: return {15, 6, 6};
    case TextField::SoftVer: return {kSoftwareVersionRow, 7, 6};
  }
  return {13, 0, 7};
}

bool IsPassword(TextField field) { return field == TextField::PasswordUser || field == TextField::PasswordSuper; }

// The whole number a band-limit text stands for, or nothing outside 0..999.
std::optional<BandLimitBytes> LimitBytes(const std::string& text) {
  const double v = TextToPlainNumber(text);
  if (!std::isfinite(v) || v < 0 || v >= kMaxBandLimit + 1) return std::nullopt;
  return ToBandLimitBytes(static_cast<int>(v));
}

}  // namespace

// --- number boxes -------------------------------------------------------------------

const char* NumberSetName(NumberSet set) {
  switch (set) {
    case NumberSet::Text1: return "Text1";
    case NumberSet::Text2: return "Text2";
    case NumberSet::SqVhf: return "Text_SQ_VHF";
    case NumberSet::SqOffsetVhf: return "Text_Sq_Offset_VHF";
    case NumberSet::SqUhf: return "Text_SQ_UHF";
    case NumberSet::SqOffsetUhf: return "Text_Sq_Offset_UHF";
  }
  return "";
}

int NumberSetSize(NumberSet set) {
  switch (set) {
    case NumberSet::Text1: return 14;
    case NumberSet::Text2: return 25;
    case NumberSet::SqOffsetUhf: return 13;
    default: return 10;
  }
}

Cell NumberCell(NumberSet set, int i, int page) {
  const int r = 3 * page;
  switch (set) {
    case NumberSet::Text1: return {r, i};
    case NumberSet::Text2: return i < 16 ? Cell{r + 1, i} : Cell{r + 2, i - 16};
    case NumberSet::SqVhf: return {6, i};
    case NumberSet::SqOffsetVhf: return {7, i};
    case NumberSet::SqUhf: return {8, i};
    case NumberSet::SqOffsetUhf: return {9, i};
  }
  return {};
}

bool NumberOnPage(NumberSet set, int page) {
  const bool power = set == NumberSet::Text1 || set == NumberSet::Text2;
  return power ? page == 0 || page == 1 : page >= 2;
}

// --- lists ---------------------------------------------------------------------------------

const char* ListSetName(ListSet set) {
  switch (set) {
    case ListSet::DevVoice: return "Combo_dev_voice";
    case ListSet::DevCtcss: return "Combo_dev_ctcss";
    case ListSet::DevDcs: return "Combo_dev_dcs";
    case ListSet::RxVh: return "Combo_RX_VH";
    case ListSet::RxVl: return "Combo_RX_VL";
    case ListSet::CkBw: return "Combo_CTDCS_CKBW";
    case ListSet::Pre: return "Combo_Pre";
    case ListSet::Hpf: return "Combo_V_hpf";
    case ListSet::Lpf: return "Combo_V_lpf";
    case ListSet::Batt: return "Combo_batt_comp";
  }
  return "";
}

int ListSetSize(ListSet set) { return set == ListSet::Batt ? 5 : 2; }

namespace {

inline constexpr Choice kOnOff[] = {{"OFF", 0}, {"ON", 1}};
// A filter pair: "ON" sets both bits, and either bit alone shows "ON" (the
// last entry).
inline constexpr Choice kOnOffPair[] = {{"OFF", 0}, {"ON", 3}};

// The fields of a deviation row (rows 10 and 11) and of the battery
// columns of the range row; the detection bandwidth spans two bytes in its
// own way (see CkBwValue).
inline constexpr Field kDeviationFields[] = {
    {.name = "Combo_dev_voice", .offset = 10, .kind = FieldKind::List, .entries = 128, .beyond = Beyond::NoEntry},
    {.name = "Combo_dev_ctcss", .offset = 11, .kind = FieldKind::List, .entries = 64, .beyond = Beyond::NoEntry},
    {.name = "Combo_dev_dcs", .offset = 12, .kind = FieldKind::List, .entries = 64, .beyond = Beyond::NoEntry},
    {.name = "Combo_RX_VH", .offset = 13, .shift = 4, .width = 4, .kind = FieldKind::List, .entries = 16},
    {.name = "Combo_RX_VL", .offset = 13, .shift = 0, .width = 4, .kind = FieldKind::List, .entries = 16},
    {.name = "Combo_Pre", .offset = 15, .shift = 3, .width = 1, .kind = FieldKind::List, .choices = kOnOff},
    {.name = "Combo_V_hpf", .offset = 15, .shift = 0, .width = 2, .kind = FieldKind::List, .choices = kOnOffPair},
    {.name = "Combo_V_lpf", .offset = 15, .shift = 4, .width = 2, .kind = FieldKind::List, .choices = kOnOffPair},
};
inline constexpr int kBatteryFirstCol = 11;
inline constexpr int kCkBwEntries = 8;

Field BatteryField(int k) {
  return {.name = "Combo_batt_comp", .offset = kBatteryFirstCol + k, .kind = FieldKind::List, .entries = 32,
          .beyond = Beyond::NoEntry};
}

int RowOf(ListSet set, int k) { return set == ListSet::Batt ? kRangeRow : kDeviationRow0 + k; }

Field FieldOf(ListSet set, int k) {
  return set == ListSet::Batt ? BatteryField(k) : FindField(kDeviationFields, ListSetName(set));
}

// The detection bandwidth: twice column 14, plus bit 7 of column 15.
int CkBwValue(const AdjTable& image, int row) { return 2 * image.at(row, 14) + (Byte(image, row, 15) >> 7); }

}  // namespace

std::vector<std::string> ListEntries(ListSet set) {
  std::vector<std::string> entries;
  if (set == ListSet::CkBw) {
    for (int n = 0; n < kCkBwEntries; ++n) entries.push_back(Concat({" ", std::to_string(n)}));
    return entries;
  }
  const Field field = FieldOf(set, 0);
  for (const Choice& c : field.choices) entries.emplace_back(c.text);
  for (int n = 0; n < field.entries; ++n) entries.push_back(Concat({" ", std::to_string(n)}));
  return entries;
}

ListShown ShowList(const AdjTable& image, ListSet set, int k) {
  const int row = RowOf(set, k);
  if (set == ListSet::CkBw) {
    const int value = CkBwValue(image, row);
    if (value < 0 || value >= kCkBwEntries) return {-1, std::to_string(value)};
    return {value, ListEntries(set)[static_cast<std::size_t>(value)]};
  }
  const RecordBytes record(image, row);
  const Field field = FieldOf(set, k);
  const int entry = Decode(record, field);
  // The battery boxes show their number as text, which matches no entry.
  if (set == ListSet::Batt || entry < 0) return {-1, std::to_string(FieldBits(record, field))};
  return {entry, ListEntries(set)[static_cast<std::size_t>(entry)]};
}

void StoreListChoice(AdjTable& image, ListSet set, int k, int entry) {
  const int row = RowOf(set, k);
  if (set == ListSet::CkBw) {
    if (entry < 0 || entry >= kCkBwEntries) return;
    Put(image, row, 14, entry / 2);
    Put(image, row, 15, 128 * (entry & 1) + (Byte(image, row, 15) & 0x7F));
    return;
  }
  Encode(RecordBytes(image, row), FieldOf(set, k), entry);
}

// --- check boxes and band limits --------------------------------------------------------------

bool ShowCheckTx(const AdjTable& image, int band) { return image.at(kRangeRow, 5 * band) >= 1; }
bool ShowCheck480(const AdjTable& image) { return image.at(kRangeRow, 10) >= 1; }
void StoreCheck480(AdjTable& image, bool set) { Put(image, kRangeRow, 10, set ? 1 : 0); }

std::string ShowBandLimit(const AdjTable& image, int band, bool upper) {
  const int col = 5 * band + (upper ? 3 : 1);
  const int hundreds = Byte(image, kRangeRow, col);
  const int bcd = Byte(image, kRangeRow, col + 1);
  return std::to_string(hundreds & 0x0F) + std::to_string(bcd >> 4) + std::to_string(bcd & 0x0F);
}

void StoreBandLimits(AdjTable& image, const std::array<std::array<std::string, 2>, 2>& texts) {
  for (int band = 0; band < 2; ++band) {
    for (int upper = 0; upper < 2; ++upper) {
      const auto bytes = LimitBytes(texts[static_cast<std::size_t>(band)][static_cast<std::size_t>(upper)]);
      if (!bytes) continue;
      const int col = 5 * band + (upper != 0 ? 3 : 1);
      Put(image, kRangeRow, col, bytes->hundreds);
      Put(image, kRangeRow, col + 1, bytes->tensUnits);
    }
  }
}

bool BandKeyAccepted(std::string_view currentText) { return TextCharacters(TrimBlanks(currentText)).size() <= 3; }

// --- texts ----------------------------------------------------------------------------------------

const char* TextFieldName(TextField field) {
  switch (field) {
    case TextField::PonU: return "Text_PON_MSG_U";
    case TextField::PonD: return "Text_PON_MSG_D";
    case TextField::Info0: return "Text_info_0";
    case TextField::Info1: return "Text_info_1";
    case TextField::PasswordUser: return "Text_PassWord_User";
    case TextField::PasswordSuper: return "Text_PassWord_Super";
    case TextField::SoftVer: return "Text_soft_ver";
  }
  return "";
}


std::string ShowText(const AdjTable& image, TextField field) {
  const TextCells cells = CellsOf(field);
  std::string text;
  for (int c = 0; c < cells.count; ++c) {
    const int byte = image.at(cells.row, cells.first + c);
    text = TrimBlanks(text);
    if (field == TextField::Info1) {
      if (byte >= 0 && byte <= 255) text += Latin1ToUtf8(static_cast<std::uint8_t>(byte));
    } else {
      text += CharFromRadioByte(byte);
    }
  }
  return text;
}

void StoreText(AdjTable& image, TextField field, std::string_view utf8) {
  if (field == TextField::SoftVer) return;
  const TextCells cells = CellsOf(field);
  const std::vector<std::string> chars = TextCharacters(TrimBlanks(utf8));
  const int n = static_cast<int>(chars.size());
  for (int c = 0; c < cells.count; ++c) Put(image, cells.row, cells.first + c, kBlank);
  const int taken = std::min(n, cells.count);
  const int start = IsPassword(field) || n >= cells.count ? 0 : (cells.count - n) / 2;
  for (int j = 0; j < taken; ++j)
    Put(image, cells.row, cells.first + start + j, RadioByteFromChar(chars[static_cast<std::size_t>(j)]));
}

bool TextKeyAccepted(TextField field, std::string_view currentText, char32_t key) {
  if (field == TextField::SoftVer) return false;
  if (field == TextField::Info0 && !(key >= U'0' && key <= U'9')) return false;
  const std::size_t limit = IsPassword(field) ? 6 : 7;
  return TextCharacters(TrimBlanks(currentText)).size() <= limit;
}

// --- the window's state -----------------------------------------------------------------------------

void AdjEditor::load() {
  AdjPage = 0;
  AdjBandLower = variant().lower;
  AdjBandUpper = variant().upper;
}

void AdjEditor::applyBandVariant(int v) {
  if (v < 0 || v >= kVariantCount) return;
  state_.AdjBandVariant = static_cast<std::int16_t>(v);
  const AdjVariant& var = variant();
  AdjBandLower = var.lower;
  AdjBandUpper = var.upper;
  for (int j = 0; j < 4; ++j) {
    Put(image(), kRangeRow, 1 + j, var.range0[static_cast<std::size_t>(j)]);
    Put(image(), kRangeRow, 6 + j, var.range1[static_cast<std::size_t>(j)]);
  }
}

bool AdjEditor::selectTab(std::string_view key) {
  for (int p = 0; p < kPageCount; ++p) {
    if (key == AdjPages[static_cast<std::size_t>(p)].tabKey) {
      AdjPage = p;
      return true;
    }
  }
  return false;
}

void AdjEditor::loadDefaults() {
  for (int r = 0; r < kEditedRows; ++r)
    for (int c = 0; c < kRowBytes; ++c) image().at(r, c) = state_.AdjDefaults.at(r, c);
}

std::optional<std::string> AdjEditor::numberEdited(NumberSet set, int i, std::string_view text) {
  if (i < 0 || i >= NumberSetSize(set) || !NumberOnPage(set, AdjPage)) return std::nullopt;
  const Cell cell = NumberCell(set, i, AdjPage);
  int value = 0;
  bool ok = true;
  for (char ch : TrimBlanks(text)) {
    if (ch < '0' || ch > '9') {
      ok = false;
      break;
    }
    value = std::min(value * 10 + (ch - '0'), 1000);
  }
  if (ok && value <= 255) {
    Put(image(), cell.row, cell.col, value);
    return std::nullopt;
  }
  messages_.show(Message{kNumberRangeTitle, kNumberRangeText, MessageIcon::Information});
  const std::int16_t fallback = state_.AdjDefaults.at(cell.row, cell.col);
  image().at(cell.row, cell.col) = fallback;
  return std::to_string(fallback);
}

AdjEditor::BandOutcome AdjEditor::bandLimitLeft(int band, bool upperBox,
                                                std::array<std::array<std::string, 2>, 2> texts) {
  BandOutcome out;
  if (band < 0 || band > 1) return out;
  const auto b = static_cast<std::size_t>(band);
  const double lo = TextToPlainNumber(texts[b][0]);
  const double hi = TextToPlainNumber(texts[b][1]);
  const Bilingual* refusal = nullptr;
  if (!upperBox) {
    if (lo < AdjBandLower[b]) refusal = &kLowerBelowBandText;
    else if (hi < lo) refusal = &kLowerAboveUpperText;
    if (refusal) out.resetText = std::to_string(AdjBandLower[b]);
  } else {
    if (hi > AdjBandUpper[b]) refusal = &kUpperAboveBandText;
    else if (lo > hi) refusal = &kUpperBelowLowerText;
    if (refusal) out.resetText = std::to_string(AdjBandUpper[b]);
  }
  if (refusal) {
    messages_.show(Warn(state_.LanguageFlag, kTitlePromptUpper, *refusal));
    return out;
  }
  out.accepted = true;
  if (variant().singleBand()) {
    texts[1] = texts[0];
    out.copyToBand1 = true;
  }
  StoreBandLimits(image(), texts);
  return out;
}

}  // namespace brel::adj
