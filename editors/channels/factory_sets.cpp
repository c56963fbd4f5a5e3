#include "factory_sets.h"

#include "channel_codec.h"
#include "frequency_codec.h"

namespace brel::chann {
namespace {

enum class Tone { Off, Ctcss, Dcs };

struct FactoryChannel {
  int channel;
  const char* frequency;  // receive and transmit, MHz
  Tone tone;
  const char* ctcss;  // when tone is Ctcss
  int dcs;            // when tone is Dcs
  bool lowPower;
};

// A programmed channel before its frequency and tones: both tones off,
// signalling code 1, high power, scan add on, wide.
void BlankProgrammedRecord(MemoryImage& image, int row) {
  for (int k = 0; k <= 7; ++k) image.at(row, k) = 0;
  for (int k = kRxToneLo; k <= kTxToneHi; ++k) image.at(row, k) = kErased;
  for (int k = kSigCodeByte; k <= kPowerByte; ++k) image.at(row, k) = 0;
  image.at(row, kFlagsByte) = 0x44;
}

void StoreFactoryChannel(MemoryImage& image, const FactoryChannel& entry) {
  const int row = RecordRow(entry.channel);
  StoreFrequency(image, entry.frequency, row, kRxFreqByte);
  StoreFrequency(image, entry.frequency, row, kTxFreqByte);
  switch (entry.tone) {
    case Tone::Off: break;
    case Tone::Ctcss:
      Sub_InPut(image, entry.ctcss, row, kRxToneLo);
      Sub_InPut(image, entry.ctcss, row, kTxToneLo);
      break;
    case Tone::Dcs:
      image.at(row, kRxToneLo) = static_cast<std::int16_t>(entry.dcs);
      image.at(row, kRxToneHi) = 0;
      image.at(row, kTxToneLo) = static_cast<std::int16_t>(entry.dcs);
      image.at(row, kTxToneHi) = 0;
      break;
  }
  if (entry.lowPower) image.at(row, kPowerByte) = 1;
}

constexpr FactoryChannel kDefaultSet[] = {
    {2, "136.1", Tone::Off, nullptr, 0, false},     {3, "173.95", Tone::Off, nullptr, 0, false},
    {4, "400.025", Tone::Off, nullptr, 0, false},   {5, "479.95", Tone::Off, nullptr, 0, false},
    {6, "436.5", Tone::Ctcss, "250.3", 0, true},    {7, "155.5", Tone::Dcs, nullptr, 210, true},
};

constexpr FactoryChannel kLargerTable[] = {
    {1, "136.125", Tone::Ctcss, "67.0", 0, false},   {2, "140.025", Tone::Ctcss, "100.0", 0, false},
    {3, "150.125", Tone::Ctcss, "127.3", 0, false},  {4, "166.025", Tone::Ctcss, "203.5", 0, false},
    {5, "155.35", Tone::Dcs, nullptr, 1, false},     {6, "136.025", Tone::Off, nullptr, 0, false},
    {7, "150.025", Tone::Off, nullptr, 0, false},    {8, "174.995", Tone::Off, nullptr, 0, false},
    {9, "450.025", Tone::Ctcss, "67.0", 0, false},   {10, "460.04375", Tone::Ctcss, "100.0", 0, false},
    {11, "469.925", Tone::Ctcss, "203.5", 0, false}, {12, "400.125", Tone::Ctcss, "250.3", 0, false},
    {13, "459.9", Tone::Dcs, nullptr, 1, false},     {14, "400.025", Tone::Off, nullptr, 0, false},
    {15, "430.025", Tone::Off, nullptr, 0, false},   {16, "479.995", Tone::Off, nullptr, 0, false},
};

}  // namespace

void Chann_para_init_VHF_bf(MemoryImage& image) {
  for (int channel = 1; channel <= kMaxChannels; ++channel)
    for (int k = 0; k < 16; ++k) image.at(RecordRow(channel), k) = kErased;
  for (const FactoryChannel& entry : kDefaultSet) BlankProgrammedRecord(image, RecordRow(entry.channel));
  for (const FactoryChannel& entry : kDefaultSet) StoreFactoryChannel(image, entry);
}

void Chann_para_init_VHF(MemoryImage& image) {
  for (const FactoryChannel& entry : kLargerTable) {
    BlankProgrammedRecord(image, RecordRow(entry.channel));
    // The upper half carries bit 4 of the signalling byte.
    if (entry.channel >= 9) image.at(RecordRow(entry.channel), kSigCodeByte) = 0x10;
  }
  for (const FactoryChannel& entry : kLargerTable) StoreFactoryChannel(image, entry);
}

}  // namespace brel::chann
