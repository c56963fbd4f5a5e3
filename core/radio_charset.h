// The radio's own character set for short texts, and the alignment defaults.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "program_state.h"
#include "ui_ports.h"

namespace brel {

// One character, or the empty text for a byte outside the set.
std::string CharFromRadioByte(int byte);
// Exactly one character of the set gives its byte; anything else gives 11.
std::uint8_t RadioByteFromChar(std::string_view text);

// Fills AdjDefaults lines 0..15; line 14 carries the clock's date and time.
void BuildAdjDefaults(ProgramState& state, const Clock& clock);
// The second (older model's) default set.
void BuildAdjDefaults2(ProgramState& state);

}  // namespace brel
