#include "field_table.h"

#include <algorithm>
#include <stdexcept>

namespace brel {
namespace {

int ByteSpan(const Field& field) {
  const int bits = field.shift + std::max(field.width, field.storeWidth);
  return (bits + 7) / 8;
}

std::uint32_t Mask(int width) { return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u; }

// Where a stored value sits among the list's entries.
int PositionOf(const Field& field, std::uint32_t value) {
  if (!field.choices.empty()) {
    for (std::size_t p = 0; p < field.choices.size(); ++p)
      if (static_cast<std::uint32_t>(field.choices[p].value) == value) return static_cast<int>(p);
    return -1;
  }
  return value < static_cast<std::uint32_t>(field.entries) ? static_cast<int>(value) : -1;
}

}  // namespace

RecordBytes::RecordBytes(std::span<std::int16_t> cells)
    : cell_([cells](int k) -> std::int16_t* {
        if (k < 0 || static_cast<std::size_t>(k) >= cells.size()) throw std::out_of_range("record byte out of range");
        return &cells[static_cast<std::size_t>(k)];
      }) {}

std::int16_t* RecordBytes::checkedCell(int offset) const { return cell_(offset); }

void RecordBytes::set(int offset, int value) const {
  if (readOnly_) throw std::logic_error("record is read-only");
  *checkedCell(offset) = static_cast<std::int16_t>(value & 0xFF);
}

std::uint32_t FieldBits(const RecordBytes& record, const Field& field) {
  std::uint64_t all = 0;
  const int bytes = (field.shift + field.width + 7) / 8;
  for (int i = 0; i < bytes; ++i) all |= static_cast<std::uint64_t>(record.get(field.offset + i)) << (8 * i);
  return static_cast<std::uint32_t>(all >> field.shift) & Mask(field.width);
}

void SetFieldBits(const RecordBytes& record, const Field& field, std::uint32_t bits) {
  const int bytes = ByteSpan(field);
  std::uint64_t all = 0;
  for (int i = 0; i < bytes; ++i) all |= static_cast<std::uint64_t>(record.get(field.offset + i)) << (8 * i);
  const int cleared = std::max(field.width, field.storeWidth);
  all &= ~(static_cast<std::uint64_t>(Mask(cleared)) << field.shift);
  all |= static_cast<std::uint64_t>(bits & Mask(field.width)) << field.shift;
  for (int i = 0; i < bytes; ++i) record.set(field.offset + i, static_cast<int>((all >> (8 * i)) & 0xFF));
}

int EntryCount(const Field& field) {
  return field.choices.empty() ? field.entries : static_cast<int>(field.choices.size());
}

int Decode(const RecordBytes& record, const Field& field) {
  const std::uint32_t bits = FieldBits(record, field);
  switch (field.kind) {
    case FieldKind::Number: return static_cast<int>(bits);
    case FieldKind::Box: return bits != 0 ? 1 : 0;
    case FieldKind::List: {
      const int position = PositionOf(field, bits);
      if (position >= 0 || field.beyond == Beyond::NoEntry) return position;
      return EntryCount(field) - 1;
    }
  }
  return 0;
}

bool Encode(const RecordBytes& record, const Field& field, int value) {
  switch (field.kind) {
    case FieldKind::Number: SetFieldBits(record, field, static_cast<std::uint32_t>(value)); return true;
    case FieldKind::Box: SetFieldBits(record, field, value != 0 ? 1 : 0); return true;
    case FieldKind::List:
      if (value < 0 || value >= EntryCount(field)) return false;
      SetFieldBits(record, field,
                   static_cast<std::uint32_t>(field.choices.empty()
                                                  ? value
                                                  : field.choices[static_cast<std::size_t>(value)].value));
      return true;
  }
  return false;
}

std::string ChoiceText(const RecordBytes& record, const Field& field) {
  const int position = Decode(record, field);
  if (field.kind != FieldKind::List || position < 0 || field.choices.empty()) return "";
  return field.choices[static_cast<std::size_t>(position)].text;
}

ToneCode DecodeToneField(const RecordBytes& record, const Field& field, ToneOffRule rule) {
  return DecodeTone(record.get(field.offset), record.get(field.offset + 1), rule);
}

void EncodeToneField(const RecordBytes& record, const Field& field, const ToneCode& tone, ToneOffRule rule) {
  const ToneBytes bytes = EncodeTone(tone, rule);
  record.set(field.offset, bytes.lo);
  record.set(field.offset + 1, bytes.hi);
}

const Field& FindField(std::span<const Field> table, std::string_view name) {
  for (const Field& field : table)
    if (name == field.name) return field;
  throw std::out_of_range("no field " + std::string(name));
}

}  // namespace brel
