#include "legacy_options_transfer.h"

#include "legacy_options_texts.h"
#include "link_texts.h"
#include "profiles.h"

namespace brel::legacy_options {

namespace {

// The read's 16-byte lines, from 0x0E20 on, as stage rows: 0x0E20..0x0E9F
// into rows 0..7, 0x0EE0..0x0F5F into rows 8..15; the block 0x0EA0..0x0EDF
// is asked for but not kept.
link::LineRows ReadRows() {
  constexpr int kLinesPerBlock = link::StagedReadPlan::kBlockBytes / LegacyOptionsReadPlan::kLineBytes;
  link::LineRows rows;
  int row = 0;
  for (int b = 0; b < addr::kLegacyOptionReadBlocks; ++b)
    for (int line = 0; line < kLinesPerBlock; ++line)
      rows.push_back(b == addr::kLegacyOptionSkippedBlock ? link::kDroppedLine : row++);
  return rows;
}

}  // namespace

LegacyOptionsReadPlan::LegacyOptionsReadPlan(OptionStageTable& image)
    : TableAreaReadPlan(image, addr::kLegacyOptionBase, addr::kLegacyOptionReadBlocks, ReadRows()) {}

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
    : EditorTransfer(context, link::profiles::OlderOptionEditor(), LegacyOptionsTransferTexts(), view), image_(image) {}

bool LegacyOptionsTransfer::read() {
  return transfer_.read(std::make_shared<LegacyOptionsReadPlan>(image_), kRetries);
}

bool LegacyOptionsTransfer::write() {
  return transfer_.write(std::make_shared<LegacyOptionsWritePlan>(image_), kRetries);
}

}  // namespace brel::legacy_options
