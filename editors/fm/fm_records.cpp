#include "fm_records.h"

#include "frequency_codec.h"
#include "numtext.h"
#include "text_chars.h"

namespace brel::fm {
namespace {

constexpr int kErased = 0xFF;

bool IsDigitValue(int v) { return v >= 0 && v <= 9; }

// Where a name of each length starts in the name field (field byte 0 is
// record byte 8).
constexpr std::array<int, kNameLength + 1> kNameStart{0, 3, 3, 2, 2, 1, 0};

}  // namespace

std::string Cov_Freq(int m_freq0, int m_freq1, int m_freq2, int m_freq3, int m_freq4, int m_freq5, int m_freq6,
                     int m_freq7) {
  // Built from the digits themselves: the whole MHz, a point and the five
  // places after it, which is what the radio's digits say.
  const int whole = 100 * m_freq0 + 10 * m_freq1 + m_freq2;
  std::string text = std::to_string(whole) + ".";
  for (int d : {m_freq3, m_freq4, m_freq5, m_freq6, m_freq7}) text += static_cast<char>('0' + d);
  return text;
}

std::string Cov_i2b(int x) { return HexByteText(x) + ' '; }

std::array<int, 8> FrequencyDigits(std::string_view text) {
  std::string f = TrimBlanks(text);
  // The integer part always takes the first three places.
  std::size_t point = f.find('.');
  if (point == std::string::npos) point = f.size();
  if (point < 3) f.insert(0, 3 - point, '0');
  std::array<int, 8> digits{};
  static constexpr std::array<std::size_t, 8> kPositions{0, 1, 2, 4, 5, 6, 7, 8};
  for (std::size_t k = 0; k < 8; ++k) {
    const std::size_t p = kPositions[k];
    digits[k] = p < f.size() && f[p] >= '0' && f[p] <= '9' ? f[p] - '0' : 0;
  }
  return digits;
}

std::array<int, 8> NameField(std::string_view name) {
  std::array<int, 8> field;
  field.fill(kErased);
  const std::string n = TrimBlanks(name);
  const std::size_t k = std::min<std::size_t>(n.size(), kNameLength);
  if (k == 0) return field;
  const int start = kNameStart[k];
  for (std::size_t i = 0; i < k; ++i) field[static_cast<std::size_t>(start) + i] = static_cast<unsigned char>(n[i]);
  return field;
}

std::string NameFromField(const int* field, int count) {
  std::string name;
  for (int i = 0; i < count; ++i)
    if (field[i] > 32 && field[i] < 128) name.push_back(static_cast<char>(field[i]));
  return name;
}

PresetTexts DecodePresetRecord(const PresetRecord& record) {
  int sum = 0;
  for (int k = 0; k < 8; ++k) {
    if (!IsDigitValue(record[static_cast<std::size_t>(k)])) return {};
    sum += record[static_cast<std::size_t>(k)];
  }
  if (sum == 0) return {};
  return {Cov_Freq(record[0], record[1], record[2], record[3], record[4], record[5], record[6], record[7]),
          NameFromField(record.data() + 8)};
}

PresetRecord EncodePresetRecord(std::string_view frequency, std::string_view name) {
  PresetRecord record;
  record.fill(kErased);
  const bool empty = TrimBlanks(frequency).empty();
  const std::array<int, 8> digits = empty ? std::array<int, 8>{} : FrequencyDigits(frequency);
  for (int k = 0; k < 8; ++k) record[static_cast<std::size_t>(k)] = digits[static_cast<std::size_t>(k)];
  if (!empty) {
    const std::array<int, 8> field = NameField(name);
    for (int k = 0; k < 8; ++k) record[static_cast<std::size_t>(8 + k)] = field[static_cast<std::size_t>(k)];
  }
  return record;
}

std::array<std::optional<std::string>, kBandBoxCount> DecodeBandLimits(const int* block) {
  std::array<std::optional<std::string>, kBandBoxCount> texts;
  for (int box = 0; box < kBandBoxCount; ++box) {
    const int* d = block + 3 * box;
    if (!IsDigitValue(d[0]) || !IsDigitValue(d[1]) || !IsDigitValue(d[2])) continue;
    const std::string digits{static_cast<char>('0' + d[0]), static_cast<char>('0' + d[1]),
                             static_cast<char>('0' + d[2])};
    texts[static_cast<std::size_t>(box)] = FormatVfoFrequency(digits, 0);
  }
  return texts;
}

std::array<int, kBandLimitDigits> EncodeBandLimits(const std::array<std::string, kBandBoxCount>& boxes) {
  std::array<int, kBandLimitDigits> digits{};
  for (std::size_t box = 0; box < boxes.size(); ++box) {
    const double value = TextToPlainNumber(TrimBlanks(boxes[box]));
    // Outside 0..999 (a typed 1e30 included, which no whole type holds): 0, 0, 0.
    if (!(value > -1 && value < 1000)) continue;
    const std::int64_t v = RoundHalfEven(value);
    if (v < 0 || v > 999) continue;
    digits[3 * box] = static_cast<int>(v / 100);
    digits[3 * box + 1] = static_cast<int>(v / 10 % 10);
    digits[3 * box + 2] = static_cast<int>(v % 10);
  }
  return digits;
}

}  // namespace brel::fm
