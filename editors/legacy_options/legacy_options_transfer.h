// The older option windows' exchange with the radio over the legacy
// handshake: a configuration of the link's Transfer.
//
// Read: five 64-byte blocks from 0x0E20; once all are in, 0x0E20..0x0E9F
// go into stage rows 0..7 and 0x0EE0..0x0F5F into rows 8..15 (0x0EA0..0x0EDF
// is not kept) and the window shows them.  A read that fails changes
// nothing.  Write: stage rows 0..10, one 21-byte frame each, to the
// addresses of LegacyOptionRowAddress.  Three retries; giving up says so in
// status panel 2 only.
#pragma once

#include <cstdint>
#include <memory>

#include "address_map.h"
#include "transfer.h"

namespace brel::legacy_options {

inline constexpr int kRetries = 3;

// The five blocks from 0x0E20, staged by the link's plan and put into the
// stage image (every cell of rows 0..15 replaced) only once all are in.
class LegacyOptionsReadPlan : public link::TableAreaReadPlan<OptionStageTable> {
 public:
  explicit LegacyOptionsReadPlan(OptionStageTable& image);
};

// Sends the stage rows as they are when each frame goes out.
class LegacyOptionsWritePlan : public link::WritePlan {
 public:
  explicit LegacyOptionsWritePlan(const OptionStageTable& image) : image_(image) {}
  int frameCount() const override { return addr::kLegacyOptionWriteRows; }
  link::FrameData frame(int index) const override {
    return link::FrameData::Row(static_cast<std::uint16_t>(addr::LegacyOptionRowAddress(index)), image_, index);
  }

 private:
  const OptionStageTable& image_;
};

link::TransferTexts LegacyOptionsTransferTexts();

class LegacyOptionsTransfer : public link::EditorTransfer {
 public:
  // `image` is the window's stage image: a completed read replaces it, a
  // write sends it.
  LegacyOptionsTransfer(link::LinkContext context, link::TransferView& view, OptionStageTable& image);

  bool read();
  bool write();

 private:
  OptionStageTable& image_;
};

}  // namespace brel::legacy_options
