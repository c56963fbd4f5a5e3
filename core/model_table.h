// Band types of the radio series and their limits.
#pragma once

#include <string>

#include "program_state.h"

namespace brel {

// Fills ModelNames and ModelBandTable; sets VhfLower/VhfUpper from ModelIndex.
void BuildModelTable(ProgramState& state);

// Status panel texts for the current model and working limits:
// "VHF0: 136 -   174MHZ" and "UHF0: 400 -   520MHZ".
std::string LowBandPanelText(const ProgramState& state);
std::string HighBandPanelText(const ProgramState& state);

}  // namespace brel
