// The entries of the optional features window's 45 lists, in both languages.
// An entry's position is the value the window stores, so the order is part
// of the radio's encoding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "option_settings.h"

namespace brel::options {

using Items = settings::Items;

// Settings lists, by their control names ("Combo_tot", "Combo_sql", ...).
// Unknown names give no entries.
Items SettingListItems(const std::string& control, std::int16_t languageFlag);

// The lists of each VFO.
Items PowerItems(std::int16_t languageFlag);        // Combo_txp_*
Items BandItems();                                  // Combo_Band_*
Items WidthItems(std::int16_t languageFlag);        // Combo_wn_*
Items ShiftItems(std::int16_t languageFlag);        // Combo_sft_d_*
Items StepItems();                                  // Combo_step_*
Items OptionalSignalItems(std::int16_t languageFlag);  // Combo_Optsig_a, Combo_OptSig_b
Items SpeakMuteItems(std::int16_t languageFlag);    // Combo_Spmute_*
// Combo_S_info_* is a list both option editors fill alike (option_settings.h).
// Entry i is an offset of 50 * i kHz: "00.000MHZ" .. "99.950MHZ".
Items OffsetItems();
// "OFF" (or its Chinese) then the 2210 tone names, blanks removed.
Items ToneItems(std::int16_t languageFlag, const std::vector<std::string>& qtDqtNames);
inline constexpr int kToneEntries = 2211;
inline constexpr int kFirstDcsEntry = 2001;

}  // namespace brel::options
