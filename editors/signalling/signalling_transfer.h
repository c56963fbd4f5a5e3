// The two-tone and five-tone windows' exchanges with the radio: one
// configuration of the link's Transfer, over the legacy handshake with its
// 50-byte identification frame, that differs per window only in the area
// it reads and writes (SignallingArea).
//
// Read: 64-byte blocks from the read base, staged until the last is in, then
// handed to the window's decoder; a failed read changes nothing.  Write: the
// staging rows, one 21-byte frame each, as they are when the frame goes out.
// Three retries, 3000 ms apart; giving up says so in a message and the
// window's label.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "mem_image.h"
#include "transfer.h"

namespace brel::signalling {

struct SignallingArea {
  std::uint16_t readBase;
  int readBlocks;  // 64 bytes each
  std::uint16_t writeBase;
  int writeRows;   // 16 bytes each
};
inline constexpr SignallingArea kTwoToneExchange{0x2D00, 12, 0x2D00, 48};
inline constexpr SignallingArea kFiveToneExchange{0x2400, 20, 0x2000, 144};
inline constexpr int kSignallingRetries = 3;

// The frame that sends staging row `row` to `address`.
using RowSource = std::function<link::FrameData(std::uint16_t address, int row)>;
using ShowRead = std::function<void(std::span<const std::uint8_t> area)>;

template <int Rows>
RowSource RowsOf(const StageRows<Rows>& rows) {
  return [&rows](std::uint16_t address, int row) { return link::FrameData::Row(address, rows, row); };
}

class AreaReadPlan : public link::StagedReadPlan {
 public:
  AreaReadPlan(SignallingArea area, ShowRead show)
      : StagedReadPlan(area.readBlocks), area_(area), show_(std::move(show)) {}
  link::Block block(int index) const override;
  void complete() override;

 private:
  SignallingArea area_;
  ShowRead show_;
};

class RowsWritePlan : public link::WritePlan {
 public:
  RowsWritePlan(SignallingArea area, RowSource rows) : area_(area), rows_(std::move(rows)) {}
  int frameCount() const override { return area_.writeRows; }
  link::FrameData frame(int index) const override;

 private:
  SignallingArea area_;
  RowSource rows_;
};

link::TransferTexts SignallingTransferTexts(const SignallingArea& area);

class SignallingTransfer : public link::EditorTransfer, private link::LinkObserver {
 public:
  SignallingTransfer(link::LinkContext context, link::TransferView& view, SignallingArea area, ShowRead show,
                     RowSource rows);

  // The Read and Write commands; the window refuses a busy Write and encodes
  // its set before calling write().
  bool read();
  bool write();

 private:
  void gaveUp() override;

  link::TransferView& view_;
  SignallingArea area_;
  ShowRead show_;
  RowSource rows_;
};

}  // namespace brel::signalling
