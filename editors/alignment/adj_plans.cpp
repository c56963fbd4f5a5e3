#include "adj_plans.h"

#include "address_map.h"
#include "link_engine.h"
#include "radio_model.h"

namespace brel::adj {

void StoreReadBlocks(AdjTable& image, std::span<const std::uint8_t, kAdjReadBytes> staged) {
  for (int i = 0; i < kAdjReadBytes; ++i) image.at(i / 16, i % 16) = staged[static_cast<std::size_t>(i)];
  for (int c = 0; c < 16; ++c) {
    image.at(addr::kAdjPowerOnTextLine, c) = image.at(18, c);
    image.at(addr::kAdjFactoryInfoLine, c) = image.at(17, c);
  }
}

AdjLine AdjWriteLine(int index, const AdjTable& image) {
  AdjLine line;
  if (index == 0) {
    line.address = kAlignFixedAddress;
    for (std::size_t j = 0; j < link::kAlignFixedBlock.size(); ++j) line.data[j] = link::kAlignFixedBlock[j];
    return line;
  }
  const int row = index - 1;
  line.address = addr::AdjLineAddress(row);
  line.data = link::FrameData::Row(static_cast<std::uint16_t>(line.address), image, row).bytes;
  return line;
}

int ReadBlockShown(int index) { return index + 3; }
int ReadPercent(int index) { return ReadBlockShown(index) * 100 / 6; }
int WritePercent(int row) { return (row + 1) * 100 / 16; }

}  // namespace brel::adj
