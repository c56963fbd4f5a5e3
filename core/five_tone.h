// Five-tone signalling standards and the tone generator's period code.
#pragma once

#include <cstdint>
#include <string>

#include "program_state.h"

namespace brel {

void BuildFiveToneTables(ProgramState& state);
// Trims the caller's text in place, then returns the standard's index or 255.
std::uint8_t FiveToneStandardIndex(std::string& text);
std::string FiveToneStandardName(int index);
// Largest whole number below 2304000 / f; 0 for f = 0 and for any f whose
// code would not fit 16 bits or is no frequency at all (below 0, NaN).
int TonePeriodCode(double frequencyHz);
// Unpacks four consecutive replies of ReadBuf1 from `row` into GroupBuf and
// leaves `row` on the last of the four.  Refuses a row whose four replies do
// not all lie in the table: false, with GroupBuf and `row` unchanged.
[[nodiscard]] bool UnpackSignalPackets(ProgramState& state, int& row);

}  // namespace brel
