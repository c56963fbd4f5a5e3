// The whole-memory read and write: the logic of the read and write dialogs,
// apart from their widgets.  A dialog hands in a TransferView for its
// progress bar and status label; messages and status panels go through the
// program's sinks.
#pragma once

#include <memory>
#include <string>

#include "link_engine.h"
#include "link_services.h"

namespace brel::link {

class TransferView {
 public:
  virtual ~TransferView() = default;
  virtual void setProgressValue(int value) = 0;  // 0..100
  virtual void setProgressVisible(bool visible) = 0;
  virtual void setStatusText(const std::string& text) = 0;
};

// Radio 0x0000..0x17FF: 96 blocks of 64 bytes into ReadBuf1 rows 2..97.
class WholeMemoryReadPlan : public ReadPlan {
 public:
  int lastReadBlock() const override { return 384 / 4; }
  BlockAddress base() const override { return {}; }
};

// Image rows 0..128, 160..206, 224..232, 240..246 and 256..384, one frame a
// row; an erased channel record or name (rows 1..127, 257..384, first byte
// 0xFF) goes as the 5-byte short frame.
class WholeMemoryWritePlan : public WritePlan {
 public:
  int lastWriteBlock() const override { return 384; }
  BlockAddress base() const override { return {}; }
  int nextRow(int row) const override;
  std::array<std::uint8_t, 20> frame(int row, const ProgramState& state, int& length) const override;

  static bool SendsShortFrame(int row, const MemoryImage& image);
};

// ReadBuf1 rows 2..97 into image rows 0..383, then row 207 erased.
void StoreReadBlocks(ProgramState& state);

// The first cell the whole-memory write would send that does not hold a
// byte value: its radio address, and its value in `value`; -1 when all do.
int FindNonByteCell(const MemoryImage& image, int& value);

class WholeMemoryTransfer : protected LinkObserver {
 public:
  ~WholeMemoryTransfer() override = default;

  // Cancel button: refuses while the exchange runs (the close-refused
  // message, false); otherwise closes the port, drops a pending retry and
  // returns true: the dialog may unload.
  bool cancelClicked();
  // The exchange runs or a retry of it is pending: the dialog must not go.
  bool transferRunning() const { return engine_.busy() || engine_.retryPending(); }
  // The dialog is going whatever happens (program exit).
  void shutdown() { engine_.stop(); }
  const LinkEngine& engine() const { return engine_; }

 protected:
  WholeMemoryTransfer(ProgramState& state, MessageSink& messages, StatusPanels& panels, LinkServices& services,
                      TransferView& view, EngineProfile profile);
  bool refuseWhileBusy();
  void showStarted();
  void gaveUp() override;

  ProgramState& state_;
  MessageSink& messages_;
  TransferView& view_;
  LinkEngine engine_;
};

class WholeMemoryRead : public WholeMemoryTransfer {
 public:
  WholeMemoryRead(ProgramState& state, MessageSink& messages, StatusPanels& panels, LinkServices& services,
                  TransferView& view);
  void readClicked();

 private:
  void readProgress(int blockCount) override;
  void readComplete() override;
};

class WholeMemoryWrite : public WholeMemoryTransfer {
 public:
  WholeMemoryWrite(ProgramState& state, MessageSink& messages, StatusPanels& panels, LinkServices& services,
                   TransferView& view);
  // The dialog commits the editors' open edits before calling this.
  void writeClicked();

 private:
  void writeProgress(int row) override;
  void writeComplete() override;
};

}  // namespace brel::link
