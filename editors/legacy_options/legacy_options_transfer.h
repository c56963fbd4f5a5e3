// The older option windows' exchange with the radio over the legacy
// handshake: a configuration of the link's Transfer.
//
// Read: five 64-byte blocks from 0x0E20; once all are in, StoreReadBlocks
// puts 0x0E20..0x0E9F into stage rows 0..7 and 0x0EE0..0x0F5F into rows
// 8..15 (0x0EA0..0x0EDF is not kept) and the window shows them.  A read
// that fails changes nothing.  Write: stage rows 0..10, one 21-byte frame
// each, to the addresses of LegacyOptionRowAddress.  Three retries; giving
// up says so in status panel 2 only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "address_map.h"
#include "transfer.h"

namespace brel::legacy_options {

inline constexpr int kRetries = 3;

using ReadBlocks = std::array<std::array<std::uint8_t, 64>, addr::kLegacyOptionReadBlocks>;

// The five blocks of a completed read into the stage image (every cell of
// rows 0..15 replaced).
void StoreReadBlocks(const ReadBlocks& blocks, OptionStageTable& image);

class LegacyOptionsReadPlan : public link::ReadPlan {
 public:
  using Commit = std::function<void(const ReadBlocks& blocks)>;
  explicit LegacyOptionsReadPlan(Commit commit) : commit_(std::move(commit)) {}
  int blockCount() const override { return addr::kLegacyOptionReadBlocks; }
  link::Block block(int index) const override;
  void begin() override { staged_ = {}; }
  void onBlock(int index, std::span<const std::uint8_t> payload) override;
  void complete() override { commit_(staged_); }

 private:
  Commit commit_;
  ReadBlocks staged_{};
};

// Sends the stage rows as they are when each frame goes out.
class LegacyOptionsWritePlan : public link::WritePlan {
 public:
  explicit LegacyOptionsWritePlan(const OptionStageTable& image) : image_(image) {}
  int frameCount() const override { return addr::kLegacyOptionWriteRows; }
  link::FrameData frame(int index) const override;

 private:
  const OptionStageTable& image_;
};

link::TransferTexts LegacyOptionsTransferTexts();

class LegacyOptionsTransfer {
 public:
  // `image` is the window's stage image; `stored` runs after a completed
  // read has replaced it.
  LegacyOptionsTransfer(link::LinkContext context, link::TransferView& view, OptionStageTable& image);

  bool read();
  bool write();
  bool busy() const { return transfer_.busy(); }
  bool running() const { return transfer_.running(); }
  bool closeRequested() { return transfer_.closeRequested(); }
  void stop() { transfer_.stop(); }
  link::Transfer& transfer() { return transfer_; }

 private:
  OptionStageTable& image_;
  link::Transfer transfer_;
};

}  // namespace brel::legacy_options
