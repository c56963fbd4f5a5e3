// CTCSS tones and DCS codes: the display lists and the two-byte tone code.
#pragma once

#include <array>
#include <string>

#include "program_state.h"

namespace brel {

// The 50 standard CTCSS tones (Hz) and the 105 DCS codes (octal digits).
extern const std::array<double, 50> kCtcssTones;
extern const std::array<const char*, 105> kDcsCodes;

// Fills ToneList (entries 0..260) and QtDqtNames (entries 0..2210).
void BuildToneTables(ProgramState& state);

// Where DCS code number n (1..105 normal, 106..210 inverted) stands in each list.
constexpr int ToneListIndexOfDcs(int n) { return n + 50; }
constexpr int QtDqtIndexOfDcs(int n) { return n + 2000; }

}  // namespace brel
