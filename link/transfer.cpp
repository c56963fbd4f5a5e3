#include "transfer.h"

#include <algorithm>

#include "address_map.h"
#include "prewrite_checks.h"

namespace brel::link {

Transfer::Transfer(LinkContext context, EngineProfile profile, TransferTexts texts, TransferView& view)
    : ctx_(context), texts_(std::move(texts)), view_(view), engine_(context, std::move(profile), *this) {}

Transfer::~Transfer() = default;

bool Transfer::refuseIfBusy() {
  if (!engine_.busy()) return false;
  say(kTitlePromptLower, texts_.busy);
  return true;
}

StagedReadPlan::StagedReadPlan(int blocks)
    : blocks_(blocks), staged_(static_cast<std::size_t>(std::max(blocks, 0)) * kBlockBytes) {}

void StagedReadPlan::begin() { std::fill(staged_.begin(), staged_.end(), 0); }

void StagedReadPlan::onBlock(int index, std::span<const std::uint8_t> payload) {
  if (index < 0 || index >= blocks_) return;
  std::copy_n(payload.begin(), std::min<std::size_t>(payload.size(), kBlockBytes),
              staged_.begin() + static_cast<std::ptrdiff_t>(index) * kBlockBytes);
}

LineRows ConsecutiveRows(int firstRow, int lines) {
  LineRows rows;
  for (int i = 0; i < lines; ++i) rows.push_back(firstRow + i);
  return rows;
}

ImageAreaReadPlan::ImageAreaReadPlan(MemoryImage& image, int base, int blocks)
    : TableAreaReadPlan(image, base, blocks,
                        ConsecutiveRows(addr::RowOf(base), blocks * kBlockBytes / MemoryImage::kBytesPerRow)) {}

bool Transfer::refuseNonByteCells(const std::vector<int>& rows) {
  for (int row : rows) {
    int value = 0;
    const int address = FindNonByteCellInRow(ctx_.state.MemImage, row, MemoryImage::kBytesPerRow, value);
    if (address < 0) continue;
    ctx_.messages.show(Message{Pick(ctx_.state.LanguageFlag, kTitlePromptLower),
                               texts::BadCellText(ctx_.state.LanguageFlag, address, value), MessageIcon::Warning});
    return true;
  }
  return false;
}

bool Transfer::closeRequested() {
  if (engine_.busy()) {
    say(kTitlePromptLower, texts_.closeRefused);
    return false;
  }
  engine_.stop();
  return true;
}

bool Transfer::read(std::shared_ptr<ReadPlan> plan, int retries) {
  if (refuseIfBusy()) return false;
  engine_.setRetries(retries);
  return started(engine_.startRead(std::move(plan)));
}

bool Transfer::write(std::shared_ptr<WritePlan> plan, int retries) {
  if (refuseIfBusy()) return false;
  engine_.setRetries(retries);
  return started(engine_.startWrite(std::move(plan)));
}

bool Transfer::readThenWrite(std::shared_ptr<ReadThenWritePlan> plan, int retries) {
  if (refuseIfBusy()) return false;
  engine_.setRetries(retries);
  return started(engine_.startReadThenWrite(std::move(plan)));
}

bool Transfer::started(bool ok) {
  if (!ok || ctx_.state.PortErrorFlag != 0) return false;
  ctx_.state.AreaToggle = 0;
  if (texts_.startShowsBar) view_.setProgressVisible(true);
  view_.setProgressValue(0);
  view_.setStatusText(Pick(ctx_.state.LanguageFlag, texts_.connecting));
  return true;
}

void Transfer::show(const std::optional<ProgressShown>& shown) {
  if (!shown) return;
  view_.setProgressVisible(true);
  view_.setProgressValue(shown->value);
  view_.setStatusText(shown->text);
}

void Transfer::say(const Bilingual& title, const Bilingual& text) {
  ctx_.messages.show(Warn(ctx_.state.LanguageFlag, title, text));
}

void Transfer::identified() {
  if (listener_) listener_->identified();
}

void Transfer::connected() {
  if (listener_) listener_->connected();
}

void Transfer::readProgress(int done) {
  if (texts_.readProgress) show(texts_.readProgress(ctx_.state, done));
  if (listener_) listener_->readProgress(done);
}

void Transfer::readCompleting() {
  view_.beforeImageReplaced();
  if (listener_) listener_->readCompleting();
}

void Transfer::readComplete() {
  view_.imageReplaced();
  if (texts_.readDoneFullBar) {
    view_.setProgressVisible(true);
    view_.setProgressValue(100);
  }
  if (texts_.readDoneLabel) view_.setStatusText(Pick(ctx_.state.LanguageFlag, *texts_.readDoneLabel));
  if (texts_.readDoneMessage) say(texts_.doneTitle, *texts_.readDoneMessage);
  if (listener_) listener_->readComplete();
}

void Transfer::writeProgress(int frame) {
  if (texts_.writeProgress) show(texts_.writeProgress(ctx_.state, frame));
  if (listener_) listener_->writeProgress(frame);
}

void Transfer::writeComplete() {
  if (texts_.writeDoneMessage) say(texts_.doneTitle, *texts_.writeDoneMessage);
  if (texts_.writeDoneLabel) view_.setStatusText(Pick(ctx_.state.LanguageFlag, *texts_.writeDoneLabel));
  if (listener_) listener_->writeComplete();
}

void Transfer::writeRefused() {
  if (listener_) listener_->writeRefused();
}

void Transfer::writeAnswered(std::uint8_t answer) {
  if (listener_) listener_->writeAnswered(answer);
}

void Transfer::attemptTimedOut() {
  if (listener_) listener_->attemptTimedOut();
}

void Transfer::beforeRetry() {
  if (listener_) listener_->beforeRetry();
}

void Transfer::gaveUp() {
  const FaultReport& f = texts_.fault;
  if (f.clearProgress) {
    view_.setProgressValue(0);
    view_.setProgressVisible(false);
    view_.setStatusText("");
  }
  if (f.message) say(kTitlePromptLower, texts::kFailConnect);
  if (f.panel) ctx_.panels.setPanelText(2, Pick(ctx_.state.LanguageFlag, texts::kPanelFault));
  if (f.label) view_.setStatusText(Pick(ctx_.state.LanguageFlag, texts::kLabelFault));
  if (listener_) listener_->gaveUp();
}

void Transfer::retryPortFailed() {
  if (listener_) listener_->retryPortFailed();
}

}  // namespace brel::link
