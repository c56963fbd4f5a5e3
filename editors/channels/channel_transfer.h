// The channel editor's own exchange with the radio: the channel records
// (from 0x0000) and the channel names (from 0x1000), block by block in
// alternation, over the shared transfer with the one-shot opening.
//
// Read: Int(ChannelTotal / 4 + 0.9) + 1 blocks of 64 bytes per area, record
// block and name block in turn; the image changes only when every block is
// in.  Write: per channel its record frame, then its name frame; an erased
// row goes as a short frame, except channel 1's record, which always goes
// whole.  One retry after a silent attempt.
#pragma once

#include <memory>
#include <vector>

#include "transfer.h"

namespace brel::chann {

// The blocks of a read: even n the record area, odd n the name area.
class ChannelReadPlan : public link::StagedReadPlan {
 public:
  ChannelReadPlan(MemoryImage& image, int channels);
  int blocksPerArea() const { return blocksPerArea_; }
  int channels() const { return channels_; }
  link::Block block(int n) const override;
  void complete() override;

 private:
  MemoryImage& image_;
  int channels_;
  int blocksPerArea_;
};

// The frames of a write: frame 2k the record of channel k + 1, frame 2k + 1
// its name.
class ChannelWritePlan : public link::WritePlan {
 public:
  ChannelWritePlan(const MemoryImage& image, int channels) : image_(image), channels_(channels) {}
  int channels() const { return channels_; }
  int frameCount() const override { return 2 * channels_; }
  link::FrameData frame(int n) const override;

 private:
  const MemoryImage& image_;
  int channels_;
};

class ChannelTransfer : public link::EditorTransfer, private link::LinkObserver {
 public:
  ChannelTransfer(ProgramState& state, MessageSink& messages, StatusPanels& panels, link::LinkServices& services,
                  link::TransferView& view);

  // The Read and Write buttons.
  void read();
  void write();

 private:
  void connected() override { state_.AreaToggle = 0; }

  ProgramState& state_;
  // What the progress wording needs of the plans under way.
  int blocksPerArea_ = 1;
  int channels_ = 1;
};

}  // namespace brel::chann
