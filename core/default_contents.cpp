#include "default_contents.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "address_map.h"

namespace brel {
namespace {

constexpr int kIndexedOptions = 57;  // option positions 0..56 have a default

// Default of each option position 0..56.  Positions 47..52 are the radio's
// default menu password (6 0 2 4 1 7); 53..56 the programmable VFO range
// 400..470 MHz as band-limit bytes.
constexpr std::array<std::int16_t, kIndexedOptions> kOptionDefaults = {
    3, 0, 0, 3, 0, 0, 5, 0, 1, 3,        // 0..9
    0, 0, 0, 0, 2, 0, 3, 0, 0, 0,        // 10..19
    5, 2, 2, 0, 0, 0, 0, 0, 0, 3,        // 20..29
    1, 2, 1, 0, 1, 1, 5, 0, 0, 0,        // 30..39
    1, 127, 31, 0, 1, 0, 128, 6, 0, 2,   // 40..49
    4, 1, 7, 4, 0, 4, 112,               // 50..56
};

// Writes consecutive bytes from `address` on.
void Put(MemoryImage& image, int address, std::initializer_list<int> bytes) {
  for (int b : bytes) image.byte(address++) = static_cast<std::int16_t>(b);
}

// VFO record bytes by offset within the 32-byte record; bytes 0..7 and 27
// are left as the image holds them.
void PutVfoDefaults(MemoryImage& image, int record, std::initializer_list<int> frequencyDigits,
                    std::initializer_list<int> toneBytes, int byte26) {
  Put(image, record + 8, frequencyDigits);
  Put(image, record + 16, {0, 0, 0, 0, 0, 0});
  Put(image, record + 22, toneBytes);
  Put(image, record + 26, {byte26});
  Put(image, record + 28, {0, 0, 0x50, 0});
}

void PutText(MemoryImage& image, int address, std::string_view text) {
  for (char c : text) image.byte(address++) = static_cast<std::int16_t>(static_cast<unsigned char>(c));
}

}  // namespace

void InitOptionIndices(ProgramState& state) {
  for (int k = 0; k < kIndexedOptions; ++k) state.OptionIndex[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(k);
}

void LoadOptionDefaults(ProgramState& state) {
  // Through the index table, as every option reader and writer names a
  // position; OptionIndex entries the start-up never set name position 0.
  for (int k = 0; k < kIndexedOptions; ++k) {
    const int position = state.OptionIndex[static_cast<std::size_t>(k)];
    state.OptionSettings.at(static_cast<std::size_t>(position)) = kOptionDefaults[static_cast<std::size_t>(k)];
  }
  // The whole block goes to the image, positions without a default included,
  // so image and working copy agree byte for byte.
  for (int i = 0; i < addr::kOptionBlockSize; ++i)
    state.MemImage.byte(addr::kOptionBlockAddress + i) = state.OptionSettings[static_cast<std::size_t>(i)];

  MemoryImage& image = state.MemImage;
  PutVfoDefaults(image, addr::kVfoAAddress, {1, 3, 6, 0, 2, 5, 0, 0}, {0, 0, 0, 0}, 0);              // 136.02500
  PutVfoDefaults(image, addr::kVfoBAddress, {4, 7, 0, 6, 2, 5, 0, 0}, {0xFF, 0xFF, 0xFF, 0xFF}, 1);  // 470.62500
  WriteFmBandLabels(image);
}

void WriteFmBandLabels(MemoryImage& image) {
  static_assert(std::string_view("   FM   65-75M").size() == addr::kFmLabelLength);
  PutText(image, addr::kFmLabel1Address, "   FM   65-75M");
  PutText(image, addr::kFmLabel2Address, "   FM  76-108M");
}

void LoadDtmfDefaults(MemoryImage& image) {
  using namespace addr;
  for (int a = kDtmfEraseFirstAddress; a <= kDtmfEraseLastAddress; ++a) image.byte(a) = 0xFF;
  Put(image, DtmfGroupAddress(0), {2, 0, 2, 0, 2});
  Put(image, DtmfGroupAddress(14), {3, 0, 3, 0, 3});
  Put(image, DTMF_INSPECT, {2, 2, 2});
  Put(image, DTMF_MONITOR, {3, 3, 3});
  Put(image, DTMF_ALARM, {1, 1, 9});
  Put(image, DTMF_STATE, {0});
  Put(image, DTMF_STUN, {5, 5, 5});
  Put(image, DTMF_KILL, {6, 6, 6});
  Put(image, DTMF_REVIVE, {7, 7, 7});
  Put(image, DTMF_CTRL_EN, {1});
  Put(image, DTMF_MASTER_ID, {6, 0, 6, 0, 6});
  Put(image, DTMF_VICE_ID, {7, 0, 7, 0, 7});
  Put(image, DTMF_ANI, {8, 0, 8, 0, 8});
  Put(image, DTMF_PTT_ID, {2});
  Put(image, DTMF_MASTER_RIGHTS, {0x1F});
  Put(image, DTMF_VICE_RIGHTS, {3});
  Put(image, DTMF_ON_TIME, {3});
  Put(image, DTMF_OFF_TIME, {3});
  Put(image, DTMF_GROUP_CALL, {11});
}

}  // namespace brel
