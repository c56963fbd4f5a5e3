// The factory channel sets: the small set behind the Default button and a
// larger table kept beside it.
#pragma once

#include "mem_image.h"

namespace brel::chann {

// Every channel record to 0xFF, then channels 2 to 7: 136.1, 173.95,
// 400.025 and 479.95 MHz without tones at high power, 436.5 MHz with CTCSS
// 250.3 Hz and 155.5 MHz with DCS code 210 at low power.  Name blocks stay.
void Chann_para_init_VHF_bf(MemoryImage& image);

// Channels 1 to 16 of the larger table; channels 17 to 128 and every name
// block stay as they are.
void Chann_para_init_VHF(MemoryImage& image);

}  // namespace brel::chann
