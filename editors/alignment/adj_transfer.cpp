#include "adj_transfer.h"

#include <algorithm>

#include "adj_texts.h"
#include "profiles.h"

namespace brel::adj {

link::Block AdjReadPlan::block(int index) const {
  const AdjBlock& b = kAdjReadBlocks.at(static_cast<std::size_t>(index));
  return {static_cast<std::uint16_t>(b.address), static_cast<std::uint8_t>(b.length)};
}

link::FrameData AdjWritePlan::frame(int index) const {
  const AdjLine line = AdjWriteLine(index, image_);
  link::FrameData data;
  data.address = static_cast<std::uint16_t>(line.address);
  data.bytes = line.data;
  return data;
}

link::TransferTexts AdjTransferTexts() {
  link::TransferTexts t;
  t.readProgress = [](ProgramState& s, int done) -> std::optional<link::ProgressShown> {
    return link::ProgressShown{ReadPercent(done - 1), link::texts::ReadingBlockText(s.LanguageFlag, ReadBlockShown(done - 1))};
  };
  t.writeProgress = [](ProgramState& s, int frame) -> std::optional<link::ProgressShown> {
    return link::ProgressShown{WritePercent(frame - 1), link::texts::WritingBlockText(s.LanguageFlag, frame)};
  };
  t.doneTitle = kTitlePromptUpper;
  t.readDoneLabel = kReadDoneLabel;
  t.readDoneMessage = kReadDoneText;
  t.writeDoneLabel = kWriteDoneLabel;
  t.writeDoneMessage = kWriteDoneText;
  // A transfer that gives up says so in the status bar only; the bar and
  // label keep what they showed.
  t.fault = {.message = false, .panel = true};
  return t;
}

AdjTransfer::AdjTransfer(link::LinkContext context, link::TransferView& view)
    : EditorTransfer(context, link::profiles::AlignmentEditor(), AdjTransferTexts(), view), state_(context.state) {}

}  // namespace brel::adj
