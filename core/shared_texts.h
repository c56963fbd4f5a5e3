// Texts shared by several windows, refreshed for the current language.
#pragma once

#include <string>

#include "program_state.h"

namespace brel {

void SetLanguageTexts(ProgramState& state);
// DecodeFunctionNames entry 0..8, else the empty text.
std::string DecodeFunctionName(const ProgramState& state, int index);

}  // namespace brel
