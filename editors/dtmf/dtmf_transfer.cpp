#include "dtmf_transfer.h"

#include "address_map.h"
#include "dtmf_texts.h"
#include "link_texts.h"
#include "profiles.h"

namespace brel::dtmf {
namespace {

constexpr int kRetries = 1;
constexpr int kRowBytes = 16;
// Reply rows count from 2; the bar runs to the row after the last reply's.
constexpr int kFirstReplyRow = 2;
constexpr int kReadProgressWhole = kFirstReplyRow + DtmfReadPlan::kBlocks - 1;  // 8
constexpr int kWriteProgressWhole = DtmfWritePlan::kFrames - 1;                 // 28

link::TransferTexts Texts() {
  link::TransferTexts t;
  t.readProgress = [](ProgramState& s, int done) {
    const int blockCount = done + kFirstReplyRow;
    return std::optional<link::ProgressShown>(link::ProgressShown{
        blockCount * 100 / kReadProgressWhole, link::texts::ReadingBlockText(s.LanguageFlag, blockCount)});
  };
  t.writeProgress = [](ProgramState& s, int frame) {
    return std::optional<link::ProgressShown>(link::ProgressShown{
        frame * 100 / kWriteProgressWhole, link::texts::WritingBlockText(s.LanguageFlag, frame - 1)});
  };
  t.doneTitle = kTitlePromptUpper;
  t.readDoneLabel = kLabelReadDone;
  t.readDoneMessage = link::texts::kReadDone;
  t.writeDoneLabel = kLabelWriteDone;
  t.writeDoneMessage = kWriteDone;
  t.fault = link::FaultReport{.message = true, .panel = true, .label = false, .clearProgress = false};
  return t;
}

}  // namespace

link::FrameData DtmfWritePlan::frame(int index) const {
  return link::FrameData::Row(static_cast<std::uint16_t>(addr::DTMF_GROUP + kRowBytes * index), image_,
                              addr::RowOf(addr::DTMF_GROUP) + index);
}

std::vector<int> DtmfWritePlan::Rows() {
  std::vector<int> rows;
  for (int i = 0; i < kFrames; ++i) rows.push_back(addr::RowOf(addr::DTMF_GROUP) + i);
  return rows;
}

DtmfTransfer::DtmfTransfer(link::LinkContext context, link::TransferView& view)
    : EditorTransfer(context, link::profiles::DtmfEditor(), Texts(), view), state_(context.state) {}

void DtmfTransfer::read() { transfer_.read(std::make_shared<DtmfReadPlan>(state_.MemImage), kRetries); }

void DtmfTransfer::write() {
  if (transfer_.refuseIfBusy() || transfer_.refuseNonByteCells(DtmfWritePlan::Rows())) return;
  transfer_.write(std::make_shared<DtmfWritePlan>(state_.MemImage), kRetries);
}

}  // namespace brel::dtmf
