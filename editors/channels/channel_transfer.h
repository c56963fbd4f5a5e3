// The channel editor's own exchange with the radio: the channel records
// (from 0x0000) and the channel names (from 0x1000), block by block in
// alternation, over the shared link engine with the one-shot opening.
//
// Read: Int(ChannelTotal / 4 + 0.9) + 1 blocks of 64 bytes per area, record
// block and name block in turn; the image changes only when every block is
// in.  Write: per channel its record frame, then its name frame; an erased
// row goes as a short frame, except channel 1's record, which always goes
// whole.  One retry after a silent attempt.
#pragma once

#include <memory>
#include <string>

#include "link_engine.h"
#include "link_services.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel::chann {

// What the window shows of an exchange.
class TransferDisplay {
 public:
  virtual ~TransferDisplay() = default;
  virtual void showProgress(int value) = 0;  // the bar made visible with this value
  virtual void setStatusText(const std::string& text) = 0;
  // Every block is in: the window commits an edit still open before the
  // image changes, and shows the channels afterwards.
  virtual void beforeImageReplaced() = 0;
  virtual void imageReplaced() = 0;
};

// The engine settings of this window.
link::EngineProfile ChannelEditorProfile();

// The blocks of a read: even n the record area, odd n the name area.
class ChannelReadPlan : public link::ReadPlan {
 public:
  explicit ChannelReadPlan(int channels);
  int blocksPerArea() const { return blocksPerArea_; }
  int channels() const { return channels_; }
  int lastReadBlock() const override { return 2 * blocksPerArea_; }
  link::BlockAddress base() const override { return {0, 0}; }
  link::BlockAddress address(int n) const override;

 private:
  int channels_;
  int blocksPerArea_;
};

// The frames of a write: even row 2k the record of channel k + 1, odd row
// 2k + 1 its name.
class ChannelWritePlan : public link::WritePlan {
 public:
  explicit ChannelWritePlan(int channels) : channels_(channels) {}
  int channels() const { return channels_; }
  int lastWriteBlock() const override { return 2 * channels_ - 1; }
  link::BlockAddress base() const override { return {0, 0}; }
  int nextRow(int row) const override { return row < lastWriteBlock() ? row + 1 : -1; }
  std::array<std::uint8_t, 20> frame(int row, const ProgramState& state, int& length) const override;

 private:
  int channels_;
};

class ChannelTransfer : private link::LinkObserver {
 public:
  ChannelTransfer(ProgramState& state, MessageSink& messages, StatusPanels& panels, link::LinkServices& services,
                  TransferDisplay& display);
  ~ChannelTransfer() override;

  // The Read and Write buttons.
  void read();
  void write();
  bool busy() const { return engine_->busy(); }
  // Stops every timer and closes the port (the window is going).
  void stop() { engine_->stop(); }
  const link::LinkEngine& engine() const { return *engine_; }

 private:
  void start(bool writing);
  // Copies the replies of a finished read into the image.
  void storeReadBlocks();

  void connected() override;
  void readProgress(int blockCount) override;
  void readComplete() override;
  void writeProgress(int row) override;
  void writeComplete() override;
  void gaveUp() override;

  ProgramState& state_;
  MessageSink& messages_;
  StatusPanels& panels_;
  TransferDisplay& display_;
  std::unique_ptr<link::LinkEngine> engine_;
  std::shared_ptr<const ChannelReadPlan> readPlan_;
  std::shared_ptr<const ChannelWritePlan> writePlan_;
};

}  // namespace brel::chann
