#include "editor_window.h"

#include "link_services.h"

namespace brel {

EditorWindow::EditorWindow(AppContext& context, FormId id, EditorParts parts)
    : Form(context, id), parts_(std::move(parts)) {
  // The bar over the label where a layout lets them meet.
  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName("Label_tr_count");
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("ProgressBar1");
  progressBar_->setRange(0, 100);
  progressBar_->hide();
  view_.beforeReplaced = [this] { beforeImageReplaced(); };
  view_.replaced = [this] { imageReplaced(); };
  progress_.changed = [this] { showProgress(); };
  showProgress();
  if (parts_.fileRequests)
    poller_.emplace(context.state, *parts_.fileRequests, windowToken(),
                    FileRequestHandlers{[this](const std::string& path) { openFileAndTell(path); },
                                        [this](const std::string& path) { saveFileAndTell(path); },
                                        [this] { return dataInUse(); }});
}

EditorWindow::~EditorWindow() {
  if (exchange_ != nullptr) exchange_->stop();
}

bool EditorWindow::queryUnload() { return !refuseWhileBusy(running(), parts_.closeRefused); }

bool EditorWindow::overImage() const { return host().dataOf(formId()) == WindowData::MemoryImage; }

bool EditorWindow::dataInUse() const { return running() || (overImage() && host().imageInUse()); }

void EditorWindow::showReplacedImage() {
  if (overImage()) imageReplaced();
}

void EditorWindow::unloadHandling() {
  stopWatchingActivation();
  if (poller_) poller_->stop();
  if (exchange_ != nullptr) exchange_->stop();
}

link::LinkContext EditorWindow::linkContext() const {
  return link::LinkContext{context().state, context().messages, context().panels, context().link};
}

void EditorWindow::showProgress() { ShowProgress(progress_, *progressBar_, *statusLabel_); }

void EditorWindow::startFilePolling() {
  if (poller_) poller_->start(context().link.timers);
}

void EditorWindow::pollFileRequests() {
  if (poller_) poller_->tick();
}

bool EditorWindow::openFileAndTell(const std::string& path) {
  if (refuseChange()) return false;
  if (!OpenFileAndTell(
          state(), context().messages, path, [this](const std::string& from) { return readFile(from); },
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
      state(), context().messages, path, [this](const std::string& to) { return writeFile(to); }, parts_.fileTexts,
      [this, labelled](bool written) {
        if (written && parts_.savedLabel) setStatusText(text(*parts_.savedLabel));
        else if (!written && labelled) resetProgress();
      });
  if (labelled) resetProgress();
  return saved;
}

FileRead EditorWindow::readFile(const std::string&) { return FileRead::Refused("this window has no file"); }

std::optional<std::string> EditorWindow::writeFile(const std::string&) { return "this window has no file"; }

}  // namespace brel
