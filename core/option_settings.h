// The settings block at 0x0E20 as the two option editors (the optional
// features window and the older option windows) show it: the fields both
// show, declared once under the names of the controls that show them, and
// the entries of the lists both fill alike.
//
// Each editor joins its own fields to kSharedFields.  What the editors do
// differently stays with each as data beside this table: the squelch list's
// name, byte 39 (a roger-beep list in one, the compander box in the other),
// the fields only one shows, and the lists whose texts or lengths differ.
//
// Usage:
//   inline constexpr Field kOwn[] = {
//       Renamed(settings::kSquelch, "Combo_sql"),
//       {.name = "Combo_ste", .offset = 35, .kind = FieldKind::List, .entries = 2}};
//   inline constexpr auto kSettings = JoinFields(settings::kSharedFields, kOwn);
//   Items entries = settings::SharedListItems("Combo_tot", languageFlag);
//   if (entries.empty()) entries = ...;   // a list of this editor's own
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "field_table.h"

namespace brel::settings {

// Offsets both editors name.
inline constexpr int kFlags = 42;  // one switch a bit
inline constexpr int kWorkMode = 44;
inline constexpr int kChannelTotal = 46;

// The squelch level 0..9: both editors show it, each in a list of its own name.
inline constexpr Field kSquelch{.offset = 0, .kind = FieldKind::List, .entries = 10};

// Lists store their position, whole-byte boxes 1 or 0, flag boxes their one
// bit of offset 42, Option_chann the work mode (its twin Option_freq stores
// the opposite), the channel-total box a number.
inline constexpr Field kSharedFields[] = {
    {.name = "Combo_save", .offset = 3, .kind = FieldKind::List, .entries = 5},
    {.name = "Combo_vox", .offset = 4, .kind = FieldKind::List, .entries = 11},
    {.name = "Combo_abr", .offset = 6, .kind = FieldKind::List, .entries = 6},
    {.name = "Combo_tot", .offset = 9, .kind = FieldKind::List, .entries = 40},
    {.name = "Combo_voice", .offset = 14, .kind = FieldKind::List, .entries = 3},
    {.name = "Combo_dtmfst", .offset = 16, .kind = FieldKind::List, .entries = 4},
    {.name = "Combo_sc_rev", .offset = 18, .kind = FieldKind::List, .entries = 3},
    {.name = "Combo_ptt_id", .offset = 19, .kind = FieldKind::List, .entries = 4},
    {.name = "Combo_ptt_lt", .offset = 20, .kind = FieldKind::List, .entries = 31},
    {.name = "Combo_MDF_A", .offset = 21, .kind = FieldKind::List, .entries = 3},
    {.name = "Combo_MDF_B", .offset = 22, .kind = FieldKind::List, .entries = 3},
    {.name = "Combo_wt_led", .offset = 29, .kind = FieldKind::List, .entries = 4},
    {.name = "Combo_rx_led", .offset = 30, .kind = FieldKind::List, .entries = 4},
    {.name = "Combo_tx_led", .offset = 31, .kind = FieldKind::List, .entries = 4},
    {.name = "Combo_Tdr_ab", .offset = 34, .kind = FieldKind::List, .entries = 2},
    {.name = "Check_tdr", .offset = 7, .kind = FieldKind::Box},
    {.name = "Check_Beep", .offset = 8, .kind = FieldKind::Box},
    {.name = "Check_bcl", .offset = 23, .kind = FieldKind::Box},
    {.name = "Check_Autolk", .offset = 24, .kind = FieldKind::Box},
    {.name = "Check_Lock", .offset = 45, .kind = FieldKind::Box},
    {.name = "Check_chann_menu", .offset = kFlags, .shift = 0, .width = 1, .kind = FieldKind::Box},
    {.name = "Check_chann_init", .offset = kFlags, .shift = 1, .width = 1, .kind = FieldKind::Box},
    {.name = "Check_Alarm_Sound", .offset = kFlags, .shift = 3, .width = 1, .kind = FieldKind::Box},
    {.name = "Check_radio", .offset = kFlags, .shift = 4, .width = 1, .kind = FieldKind::Box},
    {.name = "Option_chann", .offset = kWorkMode, .kind = FieldKind::Box},
    {.name = "Text_chann_total", .offset = kChannelTotal, .kind = FieldKind::Number},
};

using Items = std::vector<std::string>;

// The entries of a list both editors fill alike (settings lists and VFO
// lists, by the control's name); none for any other list.
Items SharedListItems(std::string_view control, std::int16_t languageFlag);
// The squelch list's entries, "0" .. "9".
Items SquelchItems();
// The offset lists' entries, entry i an offset of 50 * i kHz in MHz:
// "00.000" .. "99.950", each followed by `unit` (one window writes "MHZ").
Items OffsetItems(std::string_view unit);

// Helpers for the lists of each editor's own.
// `first` (when given), then the numbers from..to in steps of `step`.
Items NumberItems(int from, int to, int step = 1, std::string_view first = {});
// The Chinese entries for a language flag other than 0, else the English.
inline Items PickItems(std::int16_t languageFlag, Items zh, Items en) { return languageFlag != 0 ? zh : en; }

}  // namespace brel::settings
