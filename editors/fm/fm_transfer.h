// The FM editor's exchange with the radio, over the legacy handshake: a
// configuration of the link's Transfer.
//
// Read: five 64-byte blocks, 0x3000, 0x3040, 0x3080, 0x30C0 (the sixteen
// presets) and the band-limit block 0x3F80; the grid and boxes change only
// when all five are in.  Write: staging rows 0..15 to 0x3000..0x30F0 and row
// 16 to 0x3F80, one 21-byte frame each.  Three retries; giving up says so in
// status panel 2 only.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "fm_editor.h"
#include "transfer.h"

namespace brel::fm {

inline constexpr int kReadBlocks = 5;
inline constexpr int kWriteFrames = 17;
inline constexpr int kRetries = 3;

// The radio address of a block `offset` bytes past 0x3000: the place after
// the presets (0x3100) stands for the band-limit block.
std::uint16_t FmAddress(int offset);

// The five blocks, staged by the link's plan; the grid and boxes get them
// only once all five are in.
class FmReadPlan : public link::StagedReadPlan {
 public:
  using Commit = std::function<void(const std::vector<int>& addresses,
                                    const std::vector<std::array<std::uint8_t, 64>>& blocks)>;
  explicit FmReadPlan(Commit commit) : StagedReadPlan(kReadBlocks), commit_(std::move(commit)) {}
  link::Block block(int index) const override;
  void complete() override;

 private:
  Commit commit_;
};

// Sends the staging rows as they are when each frame goes out.
class FmWritePlan : public link::WritePlan {
 public:
  explicit FmWritePlan(const FmStageTable& rows) : rows_(rows) {}
  int frameCount() const override { return kWriteFrames; }
  link::FrameData frame(int index) const override {
    return link::FrameData::Row(FmAddress(16 * index), rows_, index);
  }

 private:
  const FmStageTable& rows_;
};

link::TransferTexts FmTransferTexts();

class FmTransfer : public link::EditorTransfer {
 public:
  // `show` puts a completed read into the grid and boxes (by default
  // FmEditor::showReadBlocks; a window runs it where its view follows).
  FmTransfer(link::LinkContext context, link::TransferView& view, FmReadPlan::Commit show);

  // The Read and Write commands (the window encodes the grid before Write).
  bool read();
  bool write();

 private:
  ProgramState& state_;
  FmReadPlan::Commit show_;
};

}  // namespace brel::fm
