#include "whole_memory.h"

#include "default_contents.h"
#include "link_texts.h"
#include "prewrite_checks.h"
#include "profiles.h"

namespace brel::link {

namespace {
constexpr int kAlignFixedRow = 207;  // 0x0CF0: only the alignment editor writes it
constexpr int kFirstReplyRow = 2;
constexpr int kReplyDataColumn = 5;  // after the Ack, 0x58, address and length
}  // namespace

int WholeMemoryWritePlan::nextRow(int row) const {
  switch (row) {
    case 128: return 160;
    case 206: return 224;
    case 232: return 240;
    case 246: return 256;
    case 384: return -1;
    default: return row + 1;
  }
}

bool WholeMemoryWritePlan::SendsShortFrame(int row, const MemoryImage& image) {
  const bool channelRow = (row >= 1 && row < 128) || row > 256;
  return channelRow && image.at(row, 0) == 0xFF;
}

std::array<std::uint8_t, 20> WholeMemoryWritePlan::frame(int row, const ProgramState& state, int& length) const {
  const int address = row * 16;
  std::array<std::uint8_t, 20> f{};
  f[0] = 0x58;
  f[1] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
  f[2] = static_cast<std::uint8_t>(address & 0xFF);
  if (SendsShortFrame(row, state.MemImage)) {
    f[3] = 0x01;
    f[4] = 0xFF;
    length = 5;
    return f;
  }
  f[3] = 0x10;
  for (int c = 0; c < 16; ++c) f[4 + c] = static_cast<std::uint8_t>(state.MemImage.at(row, c) & 0xFF);
  length = 20;
  return f;
}

void StoreReadBlocks(ProgramState& state) {
  // Every stored reply was checked to carry its 0x58 in column 1, so the
  // data stand in columns 5..68 of each row.
  const int lastReplyRow = kFirstReplyRow + 384 / 4 - 1;
  int imageRow = 0;
  for (int k = kFirstReplyRow; k <= lastReplyRow; ++k) {
    int p = kReplyDataColumn;
    for (int part = 0; part < 4; ++part, ++imageRow)
      for (int c = 0; c < 16; ++c) state.MemImage.at(imageRow, c) = state.ReadBuf1.at(k, p++);
  }
  for (int c = 0; c < 16; ++c) state.MemImage.at(kAlignFixedRow, c) = 0xFF;
}

int FindNonByteCell(const MemoryImage& image, int& value) {
  const WholeMemoryWritePlan plan;
  for (int row = plan.firstRow(); row >= 0; row = plan.nextRow(row)) {
    const int cells = WholeMemoryWritePlan::SendsShortFrame(row, image) ? 1 : 16;
    for (int c = 0; c < cells; ++c) {
      const int v = image.at(row, c);
      if (v < 0 || v > 255) {
        value = v;
        return row * 16 + c;
      }
    }
  }
  return -1;
}

WholeMemoryTransfer::WholeMemoryTransfer(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                         LinkServices& services, TransferView& view, EngineProfile profile)
    : state_(state),
      messages_(messages),
      view_(view),
      engine_(LinkContext{state, messages, panels, services.timers}, services.ports.createPort(),
              std::move(profile), *this) {}

bool WholeMemoryTransfer::refuseWhileBusy() {
  if (!engine_.busy()) return false;
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, kBusyText));
  return true;
}

void WholeMemoryTransfer::showStarted() {
  state_.AreaToggle = 0;
  view_.setProgressValue(0);
  view_.setStatusText(Pick(state_.LanguageFlag, texts::kLabelConnecting));
}

bool WholeMemoryTransfer::cancelClicked() {
  if (engine_.busy()) {
    messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, kCloseRefusedText));
    return false;
  }
  engine_.stop();
  return true;
}

void WholeMemoryTransfer::gaveUp() {
  view_.setProgressValue(0);
  view_.setProgressVisible(false);
  view_.setStatusText("");
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, texts::kFailConnect));
  view_.setStatusText(Pick(state_.LanguageFlag, texts::kLabelFault));
}

WholeMemoryRead::WholeMemoryRead(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                 LinkServices& services, TransferView& view)
    : WholeMemoryTransfer(state, messages, panels, services, view, profiles::ReadDialog()) {}

void WholeMemoryRead::readClicked() {
  if (refuseWhileBusy()) return;
  engine_.setRetries(3);
  if (engine_.startRead(std::make_shared<WholeMemoryReadPlan>())) showStarted();
}

void WholeMemoryRead::readProgress(int blockCount) {
  view_.setProgressVisible(true);
  view_.setProgressValue(blockCount * 100 / (engine_.fields().LastReadBlock + 1));
  view_.setStatusText(texts::ReadingBlockText(state_.LanguageFlag, blockCount));
}

void WholeMemoryRead::readComplete() {
  StoreReadBlocks(state_);
  view_.setProgressVisible(true);
  view_.setProgressValue(100);
  view_.setStatusText(Pick(state_.LanguageFlag, texts::kLabelReadDone));
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptUpper, texts::kReadDone));
}

WholeMemoryWrite::WholeMemoryWrite(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                   LinkServices& services, TransferView& view)
    : WholeMemoryTransfer(state, messages, panels, services, view, profiles::WriteDialog()) {}

void WholeMemoryWrite::writeClicked() {
  if (refuseWhileBusy()) return;
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

  engine_.setRetries(3);
  if (engine_.startWrite(std::make_shared<WholeMemoryWritePlan>())) showStarted();
}

void WholeMemoryWrite::writeProgress(int row) {
  view_.setProgressVisible(true);
  view_.setProgressValue(row * 100 / engine_.fields().LastWriteBlock);
  view_.setStatusText(texts::WritingBlockText(state_.LanguageFlag, row - 1));
}

void WholeMemoryWrite::writeComplete() {
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptUpper, texts::kWriteDone));
  view_.setStatusText(Pick(state_.LanguageFlag, texts::kLabelWriteDone));
}

}  // namespace brel::link
