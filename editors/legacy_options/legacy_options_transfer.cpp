#include "legacy_options_transfer.h"

#include <algorithm>

#include "adj_mod_texts.h"
#include "link_texts.h"
#include "profiles.h"

namespace brel::legacy_options {

void StoreReadBlocks(const ReadBlocks& blocks, OptionStageTable& image) {
  int row = 0;
  for (int b = 0; b < addr::kLegacyOptionReadBlocks; ++b) {
    if (b == addr::kLegacyOptionSkippedBlock) continue;
    const auto& block = blocks[static_cast<std::size_t>(b)];
    for (int j = 0; j < 4; ++j, ++row)
      for (int i = 0; i < 16; ++i) image.at(row, i) = block[static_cast<std::size_t>(16 * j + i)];
  }
}

link::Block LegacyOptionsReadPlan::block(int index) const {
  return {static_cast<std::uint16_t>(addr::kLegacyOptionBase + 64 * index), 64};
}

void LegacyOptionsReadPlan::onBlock(int index, std::span<const std::uint8_t> payload) {
  auto& into = staged_.at(static_cast<std::size_t>(index));
  std::copy_n(payload.begin(), std::min(payload.size(), into.size()), into.begin());
}

link::FrameData LegacyOptionsWritePlan::frame(int index) const {
  link::FrameData data;
  data.address = static_cast<std::uint16_t>(addr::LegacyOptionRowAddress(index));
  for (int k = 0; k < 16; ++k) data.bytes[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(image_.at(index, k));
  return data;
}

link::TransferTexts LegacyOptionsTransferTexts() {
  link::TransferTexts t;
  // After block n of 5 the next is asked for; the wording counts the reply
  // rows from 2, out of 6.
  t.readProgress = [](ProgramState& s, int done) -> std::optional<link::ProgressShown> {
    const int count = done + 2;
    return link::ProgressShown{count * 100 / 6, link::texts::ReadingBlockText(s.LanguageFlag, count)};
  };
  constexpr int kLastWriteRow = addr::kLegacyOptionWriteRows - 1;
  t.writeProgress = [](ProgramState& s, int frame) -> std::optional<link::ProgressShown> {
    return link::ProgressShown{frame * 100 / kLastWriteRow, link::texts::WritingBlockText(s.LanguageFlag, frame - 1)};
  };
  t.doneTitle = kTitlePromptUpper;
  t.readDoneFullBar = true;
  t.readDoneLabel = kReadDoneLabel;
  t.readDoneMessage = kReadDoneMessage;
  t.writeDoneMessage = kWriteDoneMessage;
  t.writeDoneLabel = kWriteDoneLabel;
  t.fault = {.message = false, .panel = true};
  return t;
}

LegacyOptionsTransfer::LegacyOptionsTransfer(link::LinkContext context, link::TransferView& view,
                                             OptionStageTable& image)
    : image_(image), transfer_(context, link::profiles::OlderOptionEditor(), LegacyOptionsTransferTexts(), view) {}

bool LegacyOptionsTransfer::read() {
  return transfer_.read(std::make_shared<LegacyOptionsReadPlan>([this](const ReadBlocks& blocks) {
                          StoreReadBlocks(blocks, image_);
                        }),
                        kRetries);
}

bool LegacyOptionsTransfer::write() {
  return transfer_.write(std::make_shared<LegacyOptionsWritePlan>(image_), kRetries);
}

}  // namespace brel::legacy_options
