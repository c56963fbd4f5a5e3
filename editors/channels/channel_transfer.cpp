#include "channel_transfer.h"

#include <algorithm>
#include <cmath>

#include "address_map.h"
#include "bilingual.h"
#include "channel_codec.h"
#include "channel_texts.h"
#include "link_texts.h"
#include "profiles.h"

namespace brel::chann {
namespace {

constexpr int kRetries = 1;
constexpr int kBlockBytes = 64;
constexpr int kRowBytes = 16;
constexpr int kRowsPerBlock = kBlockBytes / kRowBytes;

// Progress as the window has always computed it: in floating point, then cut.
int Percent(double part, double whole) { return static_cast<int>(std::floor(part / whole * 100)); }

// Record and name blocks each, enough for `channels` rows plus one.
int BlocksPerArea(int channels) { return static_cast<int>(std::floor(channels / 4.0 + 0.9)) + 1; }

}  // namespace

ChannelReadPlan::ChannelReadPlan(MemoryImage& image, int channels)
    : StagedReadPlan(2 * BlocksPerArea(channels)),
      image_(image),
      channels_(channels),
      blocksPerArea_(BlocksPerArea(channels)) {}

link::Block ChannelReadPlan::block(int n) const {
  const int area = n % 2 == 0 ? addr::kChannelRecordBase : addr::kChannelNameBase;
  return {static_cast<std::uint16_t>(area + kBlockBytes * (n / 2)), kBlockBytes};
}

void ChannelReadPlan::complete() {
  for (int area = 0; area < 2; ++area) {
    for (int k = 0; k < blocksPerArea_; ++k) {
      const std::uint8_t* data = staged().data() + static_cast<std::size_t>(2 * k + area) * kBlockBytes;
      for (int line = 0; line < kRowsPerBlock; ++line) {
        const int channel = kRowsPerBlock * k + line + 1;
        if (channel > channels_) break;
        const int row = area == 0 ? RecordRow(channel) : NameRow(channel);
        for (int c = 0; c < kRowBytes; ++c) image_.at(row, c) = data[kRowBytes * line + c];
      }
    }
  }
}

link::FrameData ChannelWritePlan::frame(int n) const {
  const int channel = n / 2 + 1;
  const bool record = n % 2 == 0;
  const int row = record ? RecordRow(channel) : NameRow(channel);
  const auto address = static_cast<std::uint16_t>((record ? addr::kChannelRecordBase : addr::kChannelNameBase) +
                                                  kRowBytes * (channel - 1));
  if (ByteAt(image_, row, 0) == kErased && !(record && channel == 1)) return link::FrameData::Erased(address);
  return link::FrameData::Row(address, image_, row);
}

namespace {

link::TransferTexts Texts(const int& blocksPerArea, const int& channels) {
  link::TransferTexts t;
  t.readProgress = [&blocksPerArea](ProgramState& s, int done) {
    // `done` is also the block just asked for.  The window counts record
    // blocks from 1 and a name block one above its record block.
    const bool nameArea = done % 2 == 1;
    s.AreaToggle = nameArea ? -1 : 0;
    const int shown = nameArea ? done / 2 + 2 : done / 2 + 1;
    return std::optional<link::ProgressShown>(
        link::ProgressShown{Percent(shown, blocksPerArea + 1), link::texts::ReadingBlockText(s.LanguageFlag, shown)});
  };
  t.writeProgress = [&channels](ProgramState& s, int frame) -> std::optional<link::ProgressShown> {
    s.AreaToggle = frame % 2 == 1 ? -1 : 0;
    if (frame % 2 == 1) return std::nullopt;
    const int channel = frame / 2 + 1;
    return link::ProgressShown{Percent(channel, channels), Pick(s.LanguageFlag, kWritingLabel) +
                                                               std::to_string(channel - 1) +
                                                               Pick(s.LanguageFlag, kWritingLabelTail)};
  };
  t.doneTitle = kTitlePromptLower;
  t.readDoneFullBar = false;
  t.readDoneLabel = kReadDoneLabel;
  t.readDoneMessage = kReadDoneText;
  t.writeDoneLabel = kWriteDoneLabel;
  t.writeDoneMessage = kWriteDoneText;
  t.fault = link::FaultReport{.message = true, .panel = true, .label = false, .clearProgress = false};
  return t;
}

}  // namespace

ChannelTransfer::ChannelTransfer(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                                 link::LinkServices& services, link::TransferView& view)
    : EditorTransfer(link::LinkContext{state, messages, panels, services}, link::profiles::ChannelEditor(),
                     Texts(blocksPerArea_, channels_), view),
      state_(state) {
  transfer_.setListener(this);
}

void ChannelTransfer::read() {
  if (transfer_.refuseIfBusy()) return;
  auto plan = std::make_shared<ChannelReadPlan>(state_.MemImage, std::max(1, ShownChannelCount(state_)));
  blocksPerArea_ = plan->blocksPerArea();
  transfer_.read(std::move(plan), kRetries);
}

void ChannelTransfer::write() {
  if (transfer_.refuseIfBusy()) return;
  channels_ = std::max(1, ShownChannelCount(state_));
  transfer_.write(std::make_shared<ChannelWritePlan>(state_.MemImage, channels_), kRetries);
}

}  // namespace brel::chann
