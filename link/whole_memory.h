// The whole-memory read and write: the logic of the read and write dialogs,
// apart from their widgets.  Each is a configuration of a Transfer: its plan,
// its texts and the dialog as its view.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "transfer.h"

namespace brel::link {

// Radio 0x0000..0x17FF in 64-byte blocks into image rows 0..383; the row of
// the alignment editor's fixed block is then erased.
class WholeMemoryReadPlan : public ImageAreaReadPlan {
 public:
  explicit WholeMemoryReadPlan(MemoryImage& image);
  static int BlockCount();
  void complete() override;
};

// The image rows of the write ranges, one frame a row; an erased channel
// record or name (but channel 1's record) goes as the short frame.
class WholeMemoryWritePlan : public WritePlan {
 public:
  explicit WholeMemoryWritePlan(const MemoryImage& image);
  int frameCount() const override { return static_cast<int>(rows_.size()); }
  FrameData frame(int index) const override;
  int rowOf(int index) const { return rows_[static_cast<std::size_t>(index)]; }

  static bool SendsShortFrame(int row, const MemoryImage& image);

 private:
  const MemoryImage& image_;
  std::vector<int> rows_;
};

// The first cell the whole-memory write would send that does not hold a
// byte value: its radio address, and its value in `value`; -1 when all do.
int FindNonByteCell(const MemoryImage& image, int& value);

class WholeMemoryRead {
 public:
  WholeMemoryRead(ProgramState& state, MessageSink& messages, StatusPanels& panels, LinkServices& services,
                  TransferView& view);
  void readClicked();
  Transfer& transfer() { return transfer_; }
  const Transfer& transfer() const { return transfer_; }

 private:
  Transfer transfer_;
};

class WholeMemoryWrite {
 public:
  WholeMemoryWrite(ProgramState& state, MessageSink& messages, StatusPanels& panels, LinkServices& services,
                   TransferView& view);
  // The dialog commits the editors' open edits before calling this.
  void writeClicked();
  Transfer& transfer() { return transfer_; }
  const Transfer& transfer() const { return transfer_; }

 private:
  ProgramState& state_;
  MessageSink& messages_;
  std::shared_ptr<WholeMemoryWritePlan> plan_;
  Transfer transfer_;
};

}  // namespace brel::link
