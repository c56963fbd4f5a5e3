// The optional features window's own exchange with the radio, over the
// shared transfer with the one-shot opening: band A's limits come from the
// identification frame.
//
// Read: radio 0x0E00..0x0F3F in five 64-byte blocks; the image rows 224..243
// change only once all five are in, and the window then shows them.
// Write: image rows 224..244 to radio 0x0E00..0x0F4F, one 16-byte frame a
// row, except the current-channel row 0x0E70, which the window leaves to the
// whole-memory write.  A write whose rows hold a cell that is not a byte
// sends nothing.  One retry after a silent attempt.
#pragma once

#include <memory>
#include <vector>

#include "address_map.h"
#include "transfer.h"

namespace brel::options {

class OptionReadPlan : public link::ImageAreaReadPlan {
 public:
  static constexpr int kBlocks = 5;
  explicit OptionReadPlan(MemoryImage& image)
      : ImageAreaReadPlan(image, addr::kOptionAreaAddress, kBlocks) {}
};

class OptionWritePlan : public link::WritePlan {
 public:
  explicit OptionWritePlan(const MemoryImage& image);
  int frameCount() const override { return static_cast<int>(rows_.size()); }
  link::FrameData frame(int index) const override;
  int rowOf(int index) const { return rows_[static_cast<std::size_t>(index)]; }
  const std::vector<int>& rows() const { return rows_; }

 private:
  const MemoryImage& image_;
  std::vector<int> rows_;
};

class OptionTransfer : public link::EditorTransfer {
 public:
  OptionTransfer(link::LinkContext context, link::TransferView& view);

  // The Read and Write buttons.
  void read();
  void write();

 private:
  ProgramState& state_;
};

}  // namespace brel::options
