#include "channel_transfer.h"

#include <algorithm>
#include <cmath>

#include "address_map.h"
#include "bilingual.h"
#include "channel_codec.h"
#include "channel_texts.h"
#include "link_texts.h"

namespace brel::chann {
namespace {

constexpr std::uint8_t kWriteCommand = 0x58;  // 'X', also the reply header
constexpr int kFirstReplyRow = 2;             // ReadBuf1 row of the first reply
constexpr int kRetries = 1;

// Progress as the window has always computed it: in floating point, then cut.
int Percent(double part, double whole) { return static_cast<int>(std::floor(part / whole * 100)); }

}  // namespace

link::EngineProfile ChannelEditorProfile() {
  link::EngineProfile p;
  p.generation = link::Generation::OneShot;
  // The same bytes on the line as the other one-shot editors (no leading
  // 0x06 before a block frame), at a pace that suits a whole channel area.
  p.sender = link::SenderKind::BytePerTick;
  p.byteTickMs = 2;
  p.dropLeadingAck = true;
  p.firstTickMs = 15;
  p.replyTimeoutMs = 1000;
  p.retryDelayMs = 1500;
  p.decoding = link::IdentDecoding::None;
  p.portMessage = link::PortMessageStyle::Prompt;
  p.connectedPanel = 2;
  p.connectedText = link::texts::kPanelDataLinkOk;
  return p;
}

ChannelReadPlan::ChannelReadPlan(int channels)
    : channels_(channels), blocksPerArea_(static_cast<int>(std::floor(channels / 4.0 + 0.9)) + 1) {}

link::BlockAddress ChannelReadPlan::address(int n) const {
  const int area = n % 2 == 0 ? addr::kChannelRecordBase : addr::kChannelNameBase;
  const int address = area + 64 * (n / 2);
  return {static_cast<std::uint8_t>((address >> 8) & 0xFF), static_cast<std::uint8_t>(address & 0xFF)};
}

std::array<std::uint8_t, 20> ChannelWritePlan::frame(int row, const ProgramState& state, int& length) const {
  const int channel = row / 2 + 1;
  const bool record = row % 2 == 0;
  const int imageRow = record ? RecordRow(channel) : NameRow(channel);
  const int address = (record ? addr::kChannelRecordBase : addr::kChannelNameBase) + 16 * (channel - 1);
  std::array<std::uint8_t, 20> frame{};
  frame[0] = kWriteCommand;
  frame[1] = static_cast<std::uint8_t>((address >> 8) & 0xFF);
  frame[2] = static_cast<std::uint8_t>(address & 0xFF);
  const int first = ByteAt(state.MemImage, imageRow, 0);
  if (first == kErased && !(record && channel == 1)) {
    frame[3] = 0x01;
    frame[4] = kErased;
    length = 5;
    return frame;
  }
  frame[3] = 0x10;
  for (int k = 0; k < 16; ++k) frame[static_cast<std::size_t>(4 + k)] = static_cast<std::uint8_t>(ByteAt(state.MemImage, imageRow, k));
  length = 20;
  return frame;
}

ChannelTransfer::ChannelTransfer(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                 link::LinkServices& services, TransferDisplay& display)
    : state_(state), messages_(messages), panels_(panels), display_(display) {
  engine_ = std::make_unique<link::LinkEngine>(link::LinkContext{state, messages, panels, services.timers},
                                               services.ports.createPort(), ChannelEditorProfile(),
                                               static_cast<link::LinkObserver&>(*this));
}

ChannelTransfer::~ChannelTransfer() = default;

void ChannelTransfer::read() { start(false); }
void ChannelTransfer::write() { start(true); }

void ChannelTransfer::start(bool writing) {
  if (engine_->busy()) {
    messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, kBusyText));
    return;
  }
  engine_->setRetries(kRetries);
  const int channels = std::max(1, ShownChannelCount(state_));
  bool started;
  if (writing) {
    writePlan_ = std::make_shared<ChannelWritePlan>(channels);
    started = engine_->startWrite(writePlan_);
  } else {
    readPlan_ = std::make_shared<ChannelReadPlan>(channels);
    started = engine_->startRead(readPlan_);
  }
  if (!started || state_.PortErrorFlag != 0) return;
  state_.AreaToggle = 0;
  display_.showProgress(0);
  display_.setStatusText(Pick(state_.LanguageFlag, link::texts::kLabelConnecting));
}

void ChannelTransfer::connected() { state_.AreaToggle = 0; }

void ChannelTransfer::readProgress(int blockCount) {
  // The reply just stored was block blockCount - 3 (replies fill ReadBuf1
  // from row 2), so the block just asked for is blockCount - 2.  The window
  // counts record blocks from 1 and a name block one above its record block.
  const int n = blockCount - kFirstReplyRow;
  const bool nameArea = n % 2 == 1;
  state_.AreaToggle = nameArea ? -1 : 0;
  const int shown = nameArea ? n / 2 + 2 : n / 2 + 1;
  display_.showProgress(Percent(shown, readPlan_->blocksPerArea() + 1));
  display_.setStatusText(Pick(state_.LanguageFlag, kReadingLabel) + std::to_string(shown) +
                         Pick(state_.LanguageFlag, kReadingLabelTail));
}

void ChannelTransfer::readComplete() {
  display_.beforeImageReplaced();
  storeReadBlocks();
  display_.imageReplaced();
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, kReadDoneText));
  display_.setStatusText(Pick(state_.LanguageFlag, kReadDoneLabel));
}

void ChannelTransfer::storeReadBlocks() {
  const int blocks = readPlan_->blocksPerArea();
  const int channels = readPlan_->channels();
  for (int area = 0; area < 2; ++area) {
    const int firstImageRow = area == 0 ? RecordRow(1) : NameRow(1);
    for (int k = 0; k < blocks; ++k) {
      const int replyRow = kFirstReplyRow + 2 * k + area;
      // The data follow the reply's 'X' and its address and length; a reply
      // whose 'X' sits too far right to leave room for 64 bytes is read from
      // column 4, as one without it.
      int p = 4;
      for (int j = 0; j <= 3; ++j) {
        if (state_.ReadBuf1.at(replyRow, j) == kWriteCommand) {
          p = j + 4;
          break;
        }
      }
      for (int line = 0; line < 4; ++line) {
        const int channel = 4 * k + line + 1;
        if (channel > channels) break;
        for (int c = 0; c < 16; ++c)
          state_.MemImage.at(firstImageRow + channel - 1, c) =
              static_cast<std::int16_t>(state_.ReadBuf1.at(replyRow, p + 16 * line + c) & 0xFF);
      }
    }
  }
}

void ChannelTransfer::writeProgress(int row) {
  state_.AreaToggle = row % 2 == 1 ? -1 : 0;
  if (row % 2 == 1) return;
  const int channel = row / 2 + 1;
  display_.showProgress(Percent(channel, writePlan_->channels()));
  display_.setStatusText(Pick(state_.LanguageFlag, kWritingLabel) + std::to_string(channel - 1) +
                         Pick(state_.LanguageFlag, kWritingLabelTail));
}

void ChannelTransfer::writeComplete() {
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, kWriteDoneText));
  display_.setStatusText(Pick(state_.LanguageFlag, kWriteDoneLabel));
}

void ChannelTransfer::gaveUp() {
  messages_.show(Warn(state_.LanguageFlag, kTitlePromptLower, link::texts::kFailConnect));
  panels_.setPanelText(2, Pick(state_.LanguageFlag, link::texts::kPanelFault));
}

}  // namespace brel::chann
