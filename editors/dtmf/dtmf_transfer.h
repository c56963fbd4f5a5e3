// The DTMF window's own exchange with the radio, over the shared transfer
// with the one-shot opening (no band limits taken from the radio's frame).
//
// Read: seven 64-byte blocks from radio 0x0B00 to 0x0CBF into image rows
// 176..203; the image changes only when every block is in and checked.
// Write: image rows 176..204, one 16-byte frame each, to 0x0B00..0x0CC0.
// One retry after a silent attempt.
#pragma once

#include <array>
#include <cstdint>

#include "address_map.h"
#include "transfer.h"

namespace brel::dtmf {

class DtmfReadPlan : public link::ImageAreaReadPlan {
 public:
  static constexpr int kBlocks = 7;
  explicit DtmfReadPlan(MemoryImage& image) : ImageAreaReadPlan(image, addr::DTMF_GROUP, kBlocks) {}
};

class DtmfWritePlan : public link::WritePlan {
 public:
  static constexpr int kFrames = 29;
  explicit DtmfWritePlan(const MemoryImage& image) : image_(image) {}
  int frameCount() const override { return kFrames; }
  link::FrameData frame(int index) const override;
  static std::vector<int> Rows();

 private:
  const MemoryImage& image_;
};

class DtmfTransfer : public link::EditorTransfer {
 public:
  DtmfTransfer(link::LinkContext context, link::TransferView& view);

  // The Read and Write buttons.  A write whose rows hold a cell that is not
  // a byte is refused before anything is sent.
  void read();
  void write();

 private:
  ProgramState& state_;
};

}  // namespace brel::dtmf
