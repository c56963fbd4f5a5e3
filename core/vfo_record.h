// A VFO record (VFO A at 0x0F00, VFO B at 0x0F20, 32 bytes each) as both
// option editors read and write it: digit by digit, never through a double.
//
//   +8..+15   the frequency, one decimal digit a byte: three digits of MHz,
//             then five below ("1 4 5 5 0 0 0 0" is 145.50000 MHz)
//   +16..+21  the offset in kHz, one digit a byte ("0 0 0 6 0 0" is 600 kHz)
//   +22, +23  the receive tone code; +24, +25 the transmit tone code, read
//             by the VFO's off rule (tone_code.h)
//   +26       the band: 0 VHF, 1 UHF
//   +28..+31  packed list fields (the Field constants below)
//
// The packed fields are named by the lists that show them on VFO A;
// Control() gives the twin on VFO B.  The step nibble is shown by lists of
// different lengths (and steps), so each editor gives its entries.
//
// Usage:
//   const RecordBytes record(state.MemImage, addr::kVfoARow);
//   freq.setText(vfo::FrequencyText(record));                  // "145.50000"
//   vfo::StoreFrequency(record, "145.50000");
//   offset.select(vfo::OffsetEntry(vfo::OffsetKhz(record)));     // 600 kHz: entry 12
//   vfo::StoreOffset(record, offset.text());                     // "00.600MHZ"
//   const ToneCode rx = vfo::Tone(record, vfo::kRxTone);
//   list(vfo::Control(vfo::kPower.name, 1)).select(Decode(record, vfo::kPower));
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "field_table.h"
#include "tone_code.h"

namespace brel::vfo {

inline constexpr int kFrequency = 8;
inline constexpr int kOffset = 16;
// The offset lists: 0 to 99.950 MHz in steps of 50 kHz.
inline constexpr int kOffsetStepKhz = 50;
inline constexpr int kOffsetEntries = 2000;

inline constexpr Field kRxTone{.name = "rx tone", .offset = 22, .width = 16};
inline constexpr Field kTxTone{.name = "tx tone", .offset = 24, .width = 16};
// A band byte above 1 shows (and is stored again as) UHF.
inline constexpr Field kBand{.name = "band", .offset = 26, .kind = FieldKind::List, .entries = 2};

inline constexpr Field kShift{.name = "Combo_sft_d_a", .offset = 28, .shift = 4, .width = 4, .kind = FieldKind::List,
                              .entries = 3};
inline constexpr Field kSignalCode{.name = "Combo_S_info_a", .offset = 28, .shift = 0, .width = 4,
                                   .kind = FieldKind::List, .entries = 15};
inline constexpr Field kSpeakerMute{.name = "Combo_Spmute_a", .offset = 29, .shift = 4, .width = 4,
                                    .kind = FieldKind::List, .entries = 3};
inline constexpr Field kOptionalSignal{.name = "Combo_Optsig_a", .offset = 29, .shift = 0, .width = 4,
                                       .kind = FieldKind::List, .entries = 2};
inline constexpr Field kStep{.name = "Combo_step_a", .offset = 30, .shift = 4, .width = 4, .kind = FieldKind::List};
inline constexpr Field kPower{.name = "Combo_txp_a", .offset = 31, .shift = 7, .width = 1, .kind = FieldKind::List,
                              .entries = 2};
inline constexpr Field kWidth{.name = "Combo_wn_a", .offset = 31, .shift = 6, .width = 1, .kind = FieldKind::List,
                              .entries = 2};

// The controls of VFO A and their twins on VFO B, as both option windows
// name them (a control only one window has is named here too).
struct ControlTwins {
  const char* a;
  const char* b;
};
inline constexpr ControlTwins kControls[] = {
    {"Text_Freq_a", "Text_Freq_b"},         {"Text_Range_A", "Text_Range_B"},
    {"Combo_Band_A", "Combo_Band_B"},       {"Combo_Offset_A", "Combo_offset_b"},
    {"Combo_r_ctdcs_a", "Combo_r_ctdcs_b"}, {"Combo_t_ctdcs_a", "Combo_t_ctdcs_b"},
    {"Combo_sft_d_a", "Combo_sft_d_b"},     {"Combo_S_info_a", "Combo_S_info_b"},
    {"Combo_Spmute_a", "Combo_Spmute_b"},   {"Combo_Optsig_a", "Combo_OptSig_b"},
    {"Combo_step_a", "Combo_step_b"},       {"Combo_scr_a", "Combo_scr_b"},
    {"Combo_txp_a", "Combo_txp_b"},         {"Combo_wn_a", "Combo_wn_b"},
};

// The control of VFO `which` (0: A, 1: B) named `onA` on VFO A; a name the
// table lacks is a programming error (std::out_of_range).
constexpr const char* Control(std::string_view onA, int which) {
  for (const ControlTwins& twins : kControls)
    if (onA == twins.a) return which == 0 ? twins.a : twins.b;
  throw std::out_of_range("no VFO control");
}

// The frequency digits with the point after the third; a leading 0 and
// any byte above 9 are left out (an erased record shows ".").
std::string FrequencyText(const RecordBytes& record);
// Stores the digits of a text like "145.50000" (blanks around it ignored;
// eight characters are taken as nine with a leading 0): characters 1-3 and
// 5-9, each a digit or else 0.
void StoreFrequency(const RecordBytes& record, std::string_view text);

// The offset: the six bytes' numbers written one after another and read as
// kHz, so damaged bytes read large ("0 0 0 0 0 255" is 255 kHz).
std::int64_t OffsetKhz(const RecordBytes& record);
// The offset list entry nearest to an offset, a half step going to the even
// entry (625 kHz shows entry 12), the last entry beyond the list.
int OffsetEntry(std::int64_t khz);
// Stores an offset entry's text ("05.600", blanks anywhere ignored): a
// leading 0, then characters 1, 2, 4, 5, 6, each a digit or else 0.
void StoreOffset(const RecordBytes& record, std::string_view text);

// A tone field (kRxTone, kTxTone) by the VFO's off rule, and back (a tone
// the rule cannot keep is stored as off).
ToneCode Tone(const RecordBytes& record, const Field& toneField);
void StoreTone(const RecordBytes& record, const Field& toneField, const ToneCode& tone);

// The tone lists: entry 0 is off, the CTCSS tones follow, and from
// `firstDcsEntry` on the listed DCS codes 1..210.
// The entry that shows a tone: off and any DCS code no list holds at 0;
// nothing for a CTCSS tone, which is shown by its text.
std::optional<int> ToneEntry(const ToneCode& tone, int firstDcsEntry);
// The tone an entry stands for; any entry but 0 below the DCS codes (or no
// entry, -1) by the list's text.
ToneCode EntryTone(int entry, std::string_view text, int firstDcsEntry);

}  // namespace brel::vfo
