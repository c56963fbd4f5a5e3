#include "option_transfer.h"

#include "address_map.h"
#include "link_texts.h"
#include "option_texts.h"
#include "profiles.h"

namespace brel::options {
namespace {

constexpr int kRetries = 1;
constexpr int kRowBytes = 16;
constexpr int kFirstRow = addr::RowOf(addr::kOptionAreaAddress);  // 224
constexpr int kLastWriteRow = addr::kFmLabel1Row;  // 244

link::TransferTexts Texts(int frames) {
  link::TransferTexts t;
  // The window counts its reply rows from 2: the block after `done` replies
  // is row done + 2 of six.
  t.readProgress = [](ProgramState& s, int done) {
    const int row = done + 2;
    return std::optional<link::ProgressShown>(
        link::ProgressShown{row * 100 / (OptionReadPlan::kBlocks + 1), link::texts::ReadingBlockText(s.LanguageFlag, row)});
  };
  t.writeProgress = [frames](ProgramState& s, int frame) {
    return std::optional<link::ProgressShown>(
        link::ProgressShown{frame * 100 / (frames - 1), link::texts::WritingBlockText(s.LanguageFlag, frame - 1)});
  };
  t.readDoneLabel = kLabelReadDone;
  t.readDoneMessage = link::texts::kReadDone;
  t.writeDoneLabel = kLabelWriteDone;
  t.writeDoneMessage = kWriteDoneText;
  t.fault = link::FaultReport{.message = true, .panel = true, .label = false, .clearProgress = false};
  return t;
}

}  // namespace

OptionWritePlan::OptionWritePlan(const MemoryImage& image) : image_(image) {
  // The current-channel row is the whole-memory write's to repair and send.
  for (int row = kFirstRow; row <= kLastWriteRow; ++row)
    if (row != addr::kChannelStateRow) rows_.push_back(row);
}

link::FrameData OptionWritePlan::frame(int index) const {
  const int row = rowOf(index);
  return link::FrameData::Row(static_cast<std::uint16_t>(row * kRowBytes), image_, row);
}

OptionTransfer::OptionTransfer(link::LinkContext context, link::TransferView& view)
    : EditorTransfer(context, link::profiles::OptionEditor(),
                     Texts(OptionWritePlan(context.state.MemImage).frameCount()), view),
      state_(context.state) {}

void OptionTransfer::read() { transfer_.read(std::make_shared<OptionReadPlan>(state_.MemImage), kRetries); }

void OptionTransfer::write() {
  if (transfer_.refuseIfBusy()) return;
  auto plan = std::make_shared<OptionWritePlan>(state_.MemImage);
  if (transfer_.refuseNonByteCells(plan->rows())) return;
  transfer_.write(std::move(plan), kRetries);
}

}  // namespace brel::options
