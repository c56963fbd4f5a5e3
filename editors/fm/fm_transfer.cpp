#include "fm_transfer.h"

#include <algorithm>
#include <cmath>

#include "fm_texts.h"
#include "link_texts.h"
#include "profiles.h"

namespace brel::fm {
namespace {
constexpr int kAfterPresets = 0x3100;
}  // namespace

std::uint16_t FmAddress(int offset) {
  const int address = kPresetBase + offset;
  return static_cast<std::uint16_t>(address == kAfterPresets ? kLimitBlockAddress : address);
}

link::Block FmReadPlan::block(int index) const { return {FmAddress(64 * index), 64}; }

void FmReadPlan::complete() {
  // The editor takes the blocks one by one, with the address each came from.
  std::vector<int> addresses;
  std::vector<std::array<std::uint8_t, kBlockBytes>> blocks(kReadBlocks);
  for (int i = 0; i < kReadBlocks; ++i) {
    addresses.push_back(block(i).address);
    std::copy_n(staged().begin() + static_cast<std::ptrdiff_t>(i) * kBlockBytes, kBlockBytes,
                blocks[static_cast<std::size_t>(i)].begin());
  }
  commit_(addresses, blocks);
}

link::TransferTexts FmTransferTexts() {
  link::TransferTexts t;
  // After block n of 5 the next goes out: the bar shows the block counter,
  // which the first request has already raised to 2, out of 6.
  t.readProgress = [](ProgramState& s, int done) -> std::optional<link::ProgressShown> {
    const int count = done + 2;
    return link::ProgressShown{static_cast<int>(std::floor(count / 6.0 * 100)),
                               link::texts::ReadingBlockText(s.LanguageFlag, count)};
  };
  t.writeProgress = [](ProgramState& s, int frame) -> std::optional<link::ProgressShown> {
    return link::ProgressShown{static_cast<int>(std::floor(frame / static_cast<double>(kWriteFrames) * 100)),
                               link::texts::WritingBlockText(s.LanguageFlag, frame - 1)};
  };
  t.doneTitle = kTitlePromptUpper;
  t.readDoneFullBar = true;
  t.readDoneLabel = texts::kReadDone;
  t.readDoneMessage = link::texts::kReadDone;
  t.writeDoneMessage = texts::kWriteDoneMessage;
  t.writeDoneLabel = texts::kWriteDone;
  t.fault = {.message = false, .panel = true};
  return t;
}

FmTransfer::FmTransfer(link::LinkContext context, link::TransferView& view, FmReadPlan::Commit show)
    : EditorTransfer(context, link::profiles::FmEditor(), FmTransferTexts(), view),
      state_(context.state),
      show_(std::move(show)) {}

bool FmTransfer::read() { return transfer_.read(std::make_shared<FmReadPlan>(show_), kRetries); }

bool FmTransfer::write() { return transfer_.write(std::make_shared<FmWritePlan>(state_.FmStageRows), kRetries); }

}  // namespace brel::fm
