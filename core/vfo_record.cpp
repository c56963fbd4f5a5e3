#include "vfo_record.h"

#include <algorithm>
#include <vector>

#include "exact_decimal.h"
#include "numtext.h"
#include "text_chars.h"

namespace brel::vfo {
namespace {

constexpr int kFrequencyDigits = 8;
constexpr int kOffsetDigits = 6;

// The digit at 1-based `position`, 0 for a missing or other character.
int DigitAt(const std::vector<std::string>& characters, std::size_t position) {
  if (position == 0 || position > characters.size()) return 0;
  const std::string& c = characters[position - 1];
  return c.size() == 1 && c[0] >= '0' && c[0] <= '9' ? c[0] - '0' : 0;
}

}  // namespace

std::string FrequencyText(const RecordBytes& record) {
  std::string text;
  for (int k = 0; k < kFrequencyDigits; ++k) {
    const int d = record.get(kFrequency + k);
    if (k == 0 ? (d >= 1 && d <= 9) : d <= 9) text += static_cast<char>('0' + d);
    if (k == 2) text += '.';
  }
  return text;
}

void StoreFrequency(const RecordBytes& record, std::string_view text) {
  std::vector<std::string> characters = TextCharacters(TrimBlanks(text));
  if (characters.size() == kFrequencyDigits) characters.insert(characters.begin(), "0");
  constexpr std::size_t kPositions[kFrequencyDigits] = {1, 2, 3, 5, 6, 7, 8, 9};
  for (int k = 0; k < kFrequencyDigits; ++k) record.set(kFrequency + k, DigitAt(characters, kPositions[k]));
}

std::int64_t OffsetKhz(const RecordBytes& record) {
  std::string joined;
  for (int k = 0; k < kOffsetDigits; ++k) joined += std::to_string(record.get(kOffset + k));
  // Six bytes write at most 18 digits, which always fit.
  return ReadExactDecimal(joined, NumberRule::Plain).Units(0, Rounding::TowardZero).value_or(0);
}

int OffsetEntry(std::int64_t khz) {
  std::int64_t entry = khz / kOffsetStepKhz;
  const std::int64_t rest = khz % kOffsetStepKhz;
  if (2 * rest > kOffsetStepKhz || (2 * rest == kOffsetStepKhz && entry % 2 != 0)) ++entry;
  return static_cast<int>(std::min<std::int64_t>(entry, kOffsetEntries - 1));
}

void StoreOffset(const RecordBytes& record, std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c != ' ' && c != '\t') digits.push_back(c);
  const std::vector<std::string> characters = TextCharacters(digits);
  constexpr std::size_t kPositions[kOffsetDigits - 1] = {1, 2, 4, 5, 6};
  record.set(kOffset, 0);
  for (int k = 0; k < kOffsetDigits - 1; ++k) record.set(kOffset + 1 + k, DigitAt(characters, kPositions[k]));
}

ToneCode Tone(const RecordBytes& record, const Field& toneField) {
  return DecodeToneField(record, toneField, ToneOffRule::Vfo);
}

void StoreTone(const RecordBytes& record, const Field& toneField, const ToneCode& tone) {
  EncodeToneField(record, toneField, tone, ToneOffRule::Vfo);
}

std::optional<int> ToneEntry(const ToneCode& tone, int firstDcsEntry) {
  if (tone.kind == ToneCode::Kind::Ctcss) return std::nullopt;
  return tone.IsListedDcs() ? firstDcsEntry - 1 + tone.value : 0;
}

ToneCode EntryTone(int entry, std::string_view text, int firstDcsEntry) {
  if (entry >= firstDcsEntry) return ToneCode::Dcs(entry - firstDcsEntry + 1);
  if (entry == 0) return ToneCode::Off();
  return CtcssFromText(text);
}

}  // namespace brel::vfo
