#include "signalling_transfer.h"

#include <algorithm>

#include "link_texts.h"
#include "profiles.h"
#include "signalling_texts.h"

namespace brel::signalling {

link::Block AreaReadPlan::block(int index) const {
  return {static_cast<std::uint16_t>(area_.readBase + 64 * index), 64};
}

void AreaReadPlan::complete() {
  if (show_) show_(staged());
}

link::FrameData RowsWritePlan::frame(int index) const {
  return rows_(static_cast<std::uint16_t>(area_.writeBase + 16 * index), index);
}

link::TransferTexts SignallingTransferTexts(const SignallingArea& area) {
  link::TransferTexts t;
  // The label shows the block counter, which the first request has already
  // raised to 2: replies are counted from 2.
  t.readProgress = [blocks = area.readBlocks](ProgramState& s, int done) -> std::optional<link::ProgressShown> {
    const int count = done + 2;
    return link::ProgressShown{count * 100 / (blocks + 1), link::texts::ReadingBlockText(s.LanguageFlag, count)};
  };
  t.writeProgress = [rows = area.writeRows](ProgramState& s, int frame) -> std::optional<link::ProgressShown> {
    return link::ProgressShown{frame * 100 / rows, link::texts::WritingBlockText(s.LanguageFlag, frame - 1)};
  };
  t.doneTitle = kTitlePromptUpper;
  t.readDoneFullBar = true;
  t.readDoneLabel = texts::kReadDoneLabel;
  t.readDoneMessage = texts::kReadDoneMessage;
  t.writeDoneMessage = texts::kWriteDoneMessage;
  t.writeDoneLabel = texts::kWriteDoneLabel;
  t.fault = {.message = true, .panel = false, .label = true};
  return t;
}

SignallingTransfer::SignallingTransfer(link::LinkContext context, link::TransferView& view, SignallingArea area,
                                       ShowRead show, RowSource rows)
    : EditorTransfer(context, link::profiles::SignallingEditor(), SignallingTransferTexts(area), view),
      view_(view),
      area_(area),
      show_(std::move(show)),
      rows_(std::move(rows)) {
  transfer_.setListener(this);
}

bool SignallingTransfer::read() {
  return transfer_.read(std::make_shared<AreaReadPlan>(area_, show_), kSignallingRetries);
}

bool SignallingTransfer::write() {
  return transfer_.write(std::make_shared<RowsWritePlan>(area_, rows_), kSignallingRetries);
}

void SignallingTransfer::gaveUp() { view_.setProgressValue(0); }

}  // namespace brel::signalling
