#include "editor_window.h"

#include <algorithm>

#include "link_services.h"

namespace brel {

EditorWindow::EditorWindow(AppContext& context, FormId id, EditorParts parts)
    : Form(context, id), parts_(std::move(parts)) {
  // The bar over the label where a layout lets them meet.
  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName(parts_.statusLabelName);
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(parts_.progressBarName);
  progressBar_->setRange(0, 100);
  progressBar_->hide();
  if (parts_.fileRequests)
    poller_.emplace(context.state, *parts_.fileRequests, windowToken(),
                    FileRequestHandlers{[this](const std::string& path) { openFileAndTell(path); },
                                        [this](const std::string& path) { saveFileAndTell(path); },
                                        [this] { return running(); }});
}

EditorWindow::~EditorWindow() {
  if (exchange_ != nullptr) exchange_->stop();
}

bool EditorWindow::queryUnload() { return !refuseWhileBusy(running(), parts_.closeRefused); }

void EditorWindow::unloadHandling() {
  stopWatchingActivation();
  if (poller_) poller_->stop();
  if (exchange_ != nullptr) exchange_->stop();
}

link::LinkContext EditorWindow::linkContext() const {
  return link::LinkContext{context().state, context().messages, context().panels, *context().link};
}

void EditorWindow::resetProgress() {
  progressBar_->setValue(0);
  progressBar_->hide();
  statusLabel_->clear();
}

void EditorWindow::showProgress(const PlainProgress& progress) { ShowProgress(progress, *progressBar_, *statusLabel_); }

void EditorWindow::startFilePolling() {
  if (poller_ && context().link != nullptr) poller_->start(context().link->timers);
}

void EditorWindow::pollFileRequests() {
  if (poller_) poller_->tick();
}

bool EditorWindow::openFileAndTell(const std::string& path) {
  if (!OpenFileAndTell(
          context(), path, [this](const std::string& from) { return readFile(from); },
          [this] { return commitEdits(); }, [this] { showLoadedFile(); }, parts_.fileTexts))
    return false;
  resetProgress();
  return true;
}

bool EditorWindow::saveFileAndTell(const std::string& path) {
  // A window that tells its saves on the label says so before anything else,
  // and clears the display once the user has been told.
  const bool labelled = parts_.savingLabel.has_value();
  if (labelled) setStatusText(text(*parts_.savingLabel));
  if (!commitEdits()) {
    if (labelled) resetProgress();
    return false;
  }
  const bool saved = SaveFileAndTell(
      context(), path, [this](const std::string& to) { return writeFile(to); }, parts_.fileTexts,
      [this, labelled](bool written) {
        if (!labelled) return;
        if (!written) resetProgress();
        else if (parts_.savedLabel) setStatusText(text(*parts_.savedLabel));
      });
  if (labelled) resetProgress();
  return saved;
}

FileRead EditorWindow::readFile(const std::string&) { return FileRead::Refused("this window has no file"); }

std::optional<std::string> EditorWindow::writeFile(const std::string&) { return "this window has no file"; }

void EditorWindow::setProgressValue(int value) { progressBar_->setValue(std::clamp(value, 0, 100)); }
void EditorWindow::setProgressVisible(bool visible) { progressBar_->setVisible(visible); }
void EditorWindow::setStatusText(const std::string& text) { statusLabel_->setText(Q(text)); }

}  // namespace brel
