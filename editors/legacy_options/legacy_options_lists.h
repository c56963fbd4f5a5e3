// The entries and defaults of the older option windows' 41 lists.  An
// entry's position is the value the settings block or VFO record stores, so
// the order is part of the radio's encoding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "option_settings.h"

namespace brel::legacy_options {

using Items = settings::Items;

// A list by its control name, with the entry it shows after loading and
// after Default.
struct ListDefault {
  const char* control;
  int defaultPosition;
};

// The settings lists.
extern const ListDefault kSettingLists[19];
// The VFO lists by VFO A's names (vfo::Control gives VFO B's), in fill order.
extern const ListDefault kVfoLists[11];

// The entries of a list by its control name, in the language the flag
// picks; `toneList` is the program's tone table (entries 0..260 used).
Items ListItems(const std::string& control, std::int16_t languageFlag, const std::vector<std::string>& toneList);

inline constexpr int kToneEntries = 261;
inline constexpr int kFirstDcsEntry = 51;

}  // namespace brel::legacy_options
