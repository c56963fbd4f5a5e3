// Default contents of the option block, VFO records, FM labels and DTMF area.
#pragma once

#include "program_state.h"

namespace brel {

void InitOptionIndices(ProgramState& state);
// Option block (through OptionSettings), both VFO records and the FM labels.
void LoadOptionDefaults(ProgramState& state);
void WriteFmBandLabels(MemoryImage& image);
// Rows 176..207 erased, then the DTMF defaults.
void LoadDtmfDefaults(MemoryImage& image);

}  // namespace brel
