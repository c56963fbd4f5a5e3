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

class AdjReadPlan : public link::ReadPlan {
 public:
  explicit AdjReadPlan(AdjTable& image) : image_(image) {}
  int blockCount() const override { return static_cast<int>(kAdjReadBlocks.size()); }
  link::Block block(int index) const override;
  void begin() override { staged_.fill(0); }
  void onBlock(int index, std::span<const std::uint8_t> payload) override;
  void complete() override { StoreReadBlocks(image_, staged_); }

 private:
  AdjTable& image_;
  std::array<std::uint8_t, kAdjReadBytes> staged_{};
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

class AdjTransfer {
 public:
  static constexpr int kRetries = 3;

  AdjTransfer(link::LinkContext context, link::TransferView& view);

  // The Read and Write buttons (the busy message while the exchange runs).
  bool read() { return transfer_.read(std::make_shared<AdjReadPlan>(state_.AdjImage), kRetries); }
  bool write() { return transfer_.write(std::make_shared<AdjWritePlan>(state_.AdjImage), kRetries); }

  bool busy() const { return transfer_.busy(); }
  bool running() const { return transfer_.running(); }
  void stop() { transfer_.stop(); }
  const link::LinkEngine& engine() const { return transfer_.engine(); }

 private:
  ProgramState& state_;
  link::Transfer transfer_;
};

}  // namespace brel::adj
