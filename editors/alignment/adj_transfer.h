// The alignment window's exchange with the radio, as a configuration of the
// shared transfer: the stepped opening with identification variant 0's
// command, five 64-byte blocks read into AdjImage, or the fixed 0x0CF0 line
// and rows 0..15 written, three retries.
#pragma once

#include <memory>
#include <vector>

#include "adj_plans.h"
#include "transfer.h"

namespace brel::adj {

static_assert(kAdjReadBytes == static_cast<int>(kAdjReadBlocks.size()) * link::StagedReadPlan::kBlockBytes);

class AdjReadPlan : public link::StagedReadPlan {
 public:
  explicit AdjReadPlan(AdjTable& image)
      : StagedReadPlan(static_cast<int>(kAdjReadBlocks.size())), image_(image) {}
  link::Block block(int index) const override;
  void complete() override {
    StoreReadBlocks(image_, std::span<const std::uint8_t, kAdjReadBytes>(staged().data(), kAdjReadBytes));
  }

 private:
  AdjTable& image_;
};

class AdjWritePlan : public link::WritePlan {
 public:
  explicit AdjWritePlan(const AdjTable& image) : image_(image) {}
  int frameCount() const override { return kAdjWriteFrames; }
  link::FrameData frame(int index) const override;

 private:
  const AdjTable& image_;
};

link::TransferTexts AdjTransferTexts();

class AdjTransfer : public link::EditorTransfer {
 public:
  static constexpr int kRetries = 3;

  AdjTransfer(link::LinkContext context, link::TransferView& view);

  // The Read and Write buttons (the busy message while the exchange runs).
  bool read() { return transfer_.read(std::make_shared<AdjReadPlan>(state_.AdjImage), kRetries); }
  bool write() { return transfer_.write(std::make_shared<AdjWritePlan>(state_.AdjImage), kRetries); }

 private:
  ProgramState& state_;
};

}  // namespace brel::adj
