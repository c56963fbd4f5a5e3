// Channel frequencies (packed BCD, 10 Hz units, least significant byte first)
// and VFO/FM frequencies (one decimal digit per byte).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "mem_image.h"

namespace brel {

// The four bytes of an encoded frequency, most significant first
// (element 0 holds the 100 MHz and 10 MHz digits).
using FreqBcdBytes = std::array<std::uint8_t, 4>;

// Encodes a frequency text in MHz; the caller has already normalised it.
FreqBcdBytes FrequencyToBcd(std::string_view text);

// Snaps a typed frequency down to the 2.5 kHz or 6.25 kHz raster and writes
// its four bytes, least significant first, into columns col..col+3 of `row`.
// Returns the normalised text ("145.52250").  A frequency whose snapped value
// eight BCD digits cannot hold (below 0 or from 1000 MHz up, or no number at
// all) is refused: nothing is written and nothing returned.
std::optional<std::string> StoreFrequency(MemoryImage& image, std::string_view text, int row, int col);
// Whether StoreFrequency would store the text.
bool CanStoreFrequency(std::string_view text);

// Decodes four record bytes (b0 least significant) to the display text.
std::string BcdToFrequencyText(int b0, int b1, int b2, int b3);

// "145.5" -> "145.50000" (showFraction 1) or "145.00000" (any other value);
// "" for a text that reads as no finite number ("1e999").
std::string FormatVfoFrequency(std::string_view text, int showFraction);

}  // namespace brel
