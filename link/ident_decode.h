// Identification frames and what they tell about the radio's bands.
//
// Stepped generation: type 0 (12 bytes) AA xx L1 L1 H1 H1 xx L2 L2 H2 H2 DD
// with band limits as BandLimitBytes; type 1 (8 bytes) AA xx*6 DD, content
// ignored, fixed 136-174 / 400-480 MHz; type 2 (8 bytes) AA V1 V2 L2 L2 H2 H2
// DD with the VHF limits as 100 + one packed-BCD byte.  One-shot frame: AA
// L L H H xx xx DD.  Legacy frame: AA and six decimal digits, then BB.  Long
// legacy frame (50 bytes): b1..b12 four limits of three decimal digits each,
// texts in b17..b48, b49 0x55.
//
// A frame whose limits cannot be what a radio means (a digit above 9, a
// limit outside 1..999 MHz, a lower limit not below its upper) is refused:
// nothing changes, and the exchange treats it like a malformed frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "band_limit.h"
#include "link_engine.h"

namespace brel::link {

inline constexpr std::size_t kLongIdentFrameLength = 50;

// The band-limit byte decoders live with their encoder in core.
using brel::BandLimitValue;
using brel::PackedBcdValue;

// " 136-- 174 MHZ" for the limits 136 and 174.
std::string BandRangeText(double lower, double upper);

// Applies an accepted frame (frame[0] is the 0xAA) to the band limits, the
// limits as reported and the status panels, as the window's decoding says.
// Returns false, with nothing changed, when the frame's limits are refused.
// `frame` holds at least 12 bytes.
[[nodiscard]] bool DecodeIdentFrame(IdentDecoding decoding, const std::uint8_t* frame, ProgramState& state,
                                    StatusPanels& panels);

// The first 50 bytes that arrived, taken as they are: b49 is 0x55 and
// b1..b12 are decimal digits.
bool IsLongIdentFrame(const std::uint8_t* frame);

// Applies an accepted long frame: both bands' limits (uppers raised by 1),
// panels 8 and 10 with the limits, 2, 4 and 6 with its texts.  Returns false,
// with nothing changed, when the frame or its limits are refused.
[[nodiscard]] bool DecodeLongIdentFrame(const std::uint8_t* frame, ProgramState& state, StatusPanels& panels);

}  // namespace brel::link
