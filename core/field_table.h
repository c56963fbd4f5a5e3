// Record fields declared once, and read and written through that one
// declaration.
//
// A Field is `width` bits from bit `shift` of the byte at `offset` in a
// record.  A field wider than a byte spans the following bytes, low byte
// first (a tone code is offset 22, width 16).  Its kind says what the bits
// mean to the control that shows them:
//   FieldKind::Number  the bits as a number (a count, a code, two tone bytes)
//   FieldKind::List    a list position.  `choices` gives the entries' texts
//                      and the value each stores (a list whose positions are
//                      its values, with texts of its own elsewhere, gives
//                      only `entries`).  A value no entry has shows the last
//                      entry (Beyond::LastEntry) or none (Beyond::NoEntry:
//                      position -1, text "").
//   FieldKind::Box     a check box or an option pair: ticked for any value
//                      but 0; stored as 1 or 0.
// A store changes only the field's bits.  `storeWidth`, when wider than the
// field, also clears the bits above it up to that width (a choice stored as
// a whole nibble whose list reads only the nibble's low bit).
//
// Records are reached through RecordBytes, a view of bytes laid 16 to a row
// in a table of 16-bit cells (the memory image, a stage image) or of a flat
// array of cells (a working copy); a cell counts as its low eight bits.
//
// Usage:
//   inline constexpr Choice kPower[] = {{"HIGH", 0}, {"LOW", 1}};
//   inline constexpr Field kSettings[] = {
//       {.name = "Combo_sql", .offset = 0, .kind = FieldKind::List, .entries = 10},
//       {.name = "Check_radio", .offset = 42, .shift = 4, .width = 1, .kind = FieldKind::Box},
//       {.name = "Combo_txp_a", .offset = 31, .shift = 7, .width = 1, .kind = FieldKind::List,
//        .choices = kPower},
//   };
//   RecordBytes block(state.MemImage, addr::kOptionBlockFirstRow);
//   const Field& squelch = FindField(kSettings, "Combo_sql");
//   list.select(Decode(block, squelch));        // 0xFF shows the last entry, 9
//   Encode(block, squelch, list.position());     // stores the position
//   ChoiceText(block, FindField(kSettings, "Combo_txp_a"));   // "HIGH" or "LOW"
// Encode refuses (returns false, stores nothing) a list position without an
// entry; a number or box value is cut to the field's width.
//
// Editors that show the same record declare the fields they share once and
// join their own to them; a shared layout an editor names or sizes its own
// way is taken with Renamed or WithEntries:
//   inline constexpr Field kOwn[] = {Renamed(kSquelchLevel, "Combo_sql_le"),
//                                    WithEntries(kStepNibble, 5)};
//   inline constexpr auto kTable = JoinFields(kShared, kOwn);   // a std::array
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "grid.h"
#include "tone_code.h"

namespace brel {

struct Choice {
  const char* text;
  int value;
};

enum class FieldKind { Number, List, Box };
enum class Beyond { LastEntry, NoEntry };

struct Field {
  const char* name = "";
  int offset = 0;
  int shift = 0;
  int width = 8;
  FieldKind kind = FieldKind::Number;
  std::span<const Choice> choices = {};
  int entries = 0;  // a List without choices: how many entries its list has
  Beyond beyond = Beyond::LastEntry;
  int storeWidth = 0;
};

// The field under another name, or with a list of another length.
constexpr Field Renamed(Field field, const char* name) {
  field.name = name;
  return field;
}
constexpr Field WithEntries(Field field, int entries) {
  field.entries = entries;
  return field;
}

// One table of two, in order: shared fields, then an editor's own.
template <std::size_t N, std::size_t M>
constexpr std::array<Field, N + M> JoinFields(const Field (&first)[N], const Field (&second)[M]) {
  std::array<Field, N + M> table{};
  for (std::size_t i = 0; i < N; ++i) table[i] = first[i];
  for (std::size_t i = 0; i < M; ++i) table[N + i] = second[i];
  return table;
}

class RecordBytes {
 public:
  static constexpr int kBytesPerRow = 16;

  // Bytes from (firstRow, firstCol) on, 16 to a row.
  template <int R, int C>
  RecordBytes(CellTable<R, C>& table, int firstRow, int firstCol = 0)
      : cell_([&table, firstRow, firstCol](int k) -> std::int16_t* {
          const int i = firstCol + k;
          return &table.at(firstRow + i / kBytesPerRow, i % kBytesPerRow);
        }) {}
  // A read-only view: set() throws.
  template <int R, int C>
  RecordBytes(const CellTable<R, C>& table, int firstRow, int firstCol = 0)
      : RecordBytes(const_cast<CellTable<R, C>&>(table), firstRow, firstCol) {
    readOnly_ = true;
  }
  explicit RecordBytes(std::span<std::int16_t> cells);

  int get(int offset) const { return *checkedCell(offset) & 0xFF; }
  void set(int offset, int value) const;

 private:
  std::int16_t* checkedCell(int offset) const;

  std::function<std::int16_t*(int)> cell_;
  bool readOnly_ = false;
};

// The field's bits, and the field's bits replaced (the others kept).
std::uint32_t FieldBits(const RecordBytes& record, const Field& field);
void SetFieldBits(const RecordBytes& record, const Field& field, std::uint32_t bits);

// What a control shows: a list position (-1: no entry), 1 or 0 for a box,
// the number for a number field (fields of up to 31 bits).
int Decode(const RecordBytes& record, const Field& field);
// Stores what a control shows, as Decode reads it back.
bool Encode(const RecordBytes& record, const Field& field, int value);

// The entries of a list field, and the text of the entry the record selects
// ("" for none or for a list without texts).
int EntryCount(const Field& field);
std::string ChoiceText(const RecordBytes& record, const Field& field);

// Two bytes from the field's offset as a tone code, and back (a tone the
// rule cannot keep is stored as off).
ToneCode DecodeToneField(const RecordBytes& record, const Field& field, ToneOffRule rule);
void EncodeToneField(const RecordBytes& record, const Field& field, const ToneCode& tone, ToneOffRule rule);

// The field of that name; a name the table lacks is a programming error
// (std::out_of_range).
const Field& FindField(std::span<const Field> table, std::string_view name);

}  // namespace brel
