// Identification frames and what they tell about the radio's bands.
//
// Stepped generation: type 0 (12 bytes) AA xx L1 L1 H1 H1 xx L2 L2 H2 H2 DD
// with band limits as BandLimitBytes; type 1 (8 bytes) AA xx*6 DD, content
// ignored, fixed 136-174 / 400-480 MHz; type 2 (8 bytes) AA V1 V2 L2 L2 H2 H2
// DD with the VHF limits as 100 + one packed-BCD byte.  One-shot frame: AA
// L L H H xx xx DD.  Legacy frame: AA and six decimal digits, then BB.
#pragma once

#include <cstdint>
#include <string>

#include "link_engine.h"

namespace brel::link {

// Hundreds byte and packed-BCD tens/units byte (01 74 is 174).  No digit is
// checked against 9.
int BandLimitValue(std::uint8_t hundreds, std::uint8_t tensUnits);
// One packed-BCD byte (0x74 is 74).
int PackedBcdValue(std::uint8_t byte);

// " 136-- 174 MHZ" for the limits 136 and 174.
std::string BandRangeText(double lower, double upper);

// Applies an accepted frame (frame[0] is the 0xAA) to the band limits and
// the status panels, as the window's decoding says.
void DecodeIdentFrame(IdentDecoding decoding, const std::uint8_t* frame, ProgramState& state,
                      StatusPanels& panels);

}  // namespace brel::link
