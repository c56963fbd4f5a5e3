// Checks and repairs made on the image before it is written to the radio.
#pragma once

#include "program_state.h"

namespace brel {

// Index 0..127 of the first channel with a frequency outside the limits the
// radio reported (VfoALower..VfoBUpper), or 255 when every channel passes.
// The two bands are taken in ascending order, whichever of them is band A.
int FindOutOfBandChannel(const ProgramState& state);

// The radio address of the first of the first `cells` cells of image row
// `row` that does not hold a byte value (a write would send it cut to its
// low eight bits), with its value in `value`; -1 when all do.
int FindNonByteCellInRow(const MemoryImage& image, int row, int cells, int& value);

// Points both current-channel bytes at programmed channels (or 0), and sets
// frequency mode when no channel is programmed.
void FixCurrentChannels(MemoryImage& image);

}  // namespace brel
