#include "whole_memory.h"

#include <algorithm>

#include "address_map.h"
#include "default_contents.h"
#include "prewrite_checks.h"
#include "profiles.h"

namespace brel::link {

namespace {

constexpr int kRowBytes = 16;
constexpr int kRetries = 3;
// A read's progress counts from the second reply row on, as the dialog always has.
constexpr int kFirstProgressCount = 2;

bool ChannelRowMayBeShort(int row) {
  // Channel 1's record always goes whole; names are rows from channel 2's
  // on (the write's last row, just past the names, counts with them).
  return (row > addr::kFirstChannelRecordRow && row <= addr::kLastChannelRecordRow) ||
         row > addr::kFirstChannelNameRow;
}

}  // namespace

int WholeMemoryReadPlan::BlockCount() {
  return (addr::kReadLastAddress - addr::kReadFirstAddress + 1) / StagedReadPlan::kBlockBytes;
}

WholeMemoryReadPlan::WholeMemoryReadPlan(MemoryImage& image)
    : ImageAreaReadPlan(image, addr::kReadFirstAddress, BlockCount()) {}

void WholeMemoryReadPlan::complete() {
  ImageAreaReadPlan::complete();
  for (int c = 0; c < kRowBytes; ++c) image_.at(addr::kAlignFixedRow, c) = 0xFF;
}

WholeMemoryWritePlan::WholeMemoryWritePlan(const MemoryImage& image) : image_(image) {
  for (const auto& range : addr::kWholeWriteRanges)
    for (int row = addr::RowOf(range.first); row <= addr::RowOf(range.last); ++row) rows_.push_back(row);
}

bool WholeMemoryWritePlan::SendsShortFrame(int row, const MemoryImage& image) {
  return ChannelRowMayBeShort(row) && image.at(row, 0) == 0xFF;
}

FrameData WholeMemoryWritePlan::frame(int index) const {
  const int row = rowOf(index);
  const auto address = static_cast<std::uint16_t>(row * kRowBytes);
  return SendsShortFrame(row, image_) ? FrameData::Erased(address) : FrameData::Row(address, image_, row);
}

int FindNonByteCell(const MemoryImage& image, int& value) {
  const WholeMemoryWritePlan plan(image);
  for (int i = 0; i < plan.frameCount(); ++i) {
    const int row = plan.rowOf(i);
    const int cells = WholeMemoryWritePlan::SendsShortFrame(row, image) ? 1 : kRowBytes;
    const int address = FindNonByteCellInRow(image, row, cells, value);
    if (address >= 0) return address;
  }
  return -1;
}

namespace {

TransferTexts ReadTexts() {
  TransferTexts t;
  t.startShowsBar = false;
  t.readProgress = [](ProgramState& s, int done) {
    const int count = done + kFirstProgressCount;
    return std::optional<ProgressShown>(
        ProgressShown{count * 100 / (WholeMemoryReadPlan::BlockCount() + 1), texts::ReadingBlockText(s.LanguageFlag, count)});
  };
  t.readDoneLabel = texts::kLabelReadDone;
  t.readDoneMessage = texts::kReadDone;
  t.fault = FaultReport{.message = true, .panel = false, .label = true, .clearProgress = true};
  return t;
}

TransferTexts WriteTexts(const WholeMemoryWritePlan& plan) {
  TransferTexts t;
  t.startShowsBar = false;
  const int lastRow = plan.rowOf(plan.frameCount() - 1);
  t.writeProgress = [&plan, lastRow](ProgramState& s, int frame) {
    const int row = plan.rowOf(frame);
    return std::optional<ProgressShown>(ProgressShown{row * 100 / lastRow, texts::WritingBlockText(s.LanguageFlag, row - 1)});
  };
  t.writeDoneLabel = texts::kLabelWriteDone;
  t.writeDoneMessage = texts::kWriteDone;
  t.fault = FaultReport{.message = true, .panel = false, .label = true, .clearProgress = true};
  return t;
}

}  // namespace

WholeMemoryRead::WholeMemoryRead(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                 LinkServices& services, TransferView& view)
    : transfer_(LinkContext{state, messages, panels, services}, profiles::ReadDialog(), ReadTexts(), view) {}

void WholeMemoryRead::readClicked() {
  transfer_.read(std::make_shared<WholeMemoryReadPlan>(transfer_.state().MemImage), kRetries);
}

WholeMemoryWrite::WholeMemoryWrite(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                   LinkServices& services, TransferView& view)
    : state_(state),
      messages_(messages),
      plan_(std::make_shared<WholeMemoryWritePlan>(state.MemImage)),
      transfer_(LinkContext{state, messages, panels, services}, profiles::WriteDialog(), WriteTexts(*plan_), view) {}

void WholeMemoryWrite::writeClicked() {
  if (transfer_.refuseIfBusy()) return;
  const int channel = FindOutOfBandChannel(state_);
  if (channel < 255) {
    messages_.show(Message{Pick(state_.LanguageFlag, kTitlePromptLower),
                           texts::OutOfBandText(state_.LanguageFlag, channel + 1), MessageIcon::Warning});
    return;
  }
  FixCurrentChannels(state_.MemImage);
  WriteFmBandLabels(state_.MemImage);

  // A cell that is not a byte would go out cut to its low eight bits and
  // land in the radio as some other value: refuse before anything is sent.
  int value = 0;
  const int address = FindNonByteCell(state_.MemImage, value);
  if (address >= 0) {
    messages_.show(Message{Pick(state_.LanguageFlag, kTitlePromptLower),
                           texts::BadCellText(state_.LanguageFlag, address, value), MessageIcon::Warning});
    return;
  }
  transfer_.write(plan_, kRetries);
}

}  // namespace brel::link
