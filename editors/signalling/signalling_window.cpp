#include "signalling_window.h"

#include <QHeaderView>

#include "file_dialogs.h"
#include "image_file.h"
#include "link_services.h"
#include "signalling_texts.h"

namespace brel::signalling {
namespace {

constexpr std::array<const char*, 6> kButtonNames{"Command_read", "Command_Write", "Command_def",
                                                  "Command_save", "Command_open",  "Command_close"};

}  // namespace

SignallingWindow::SignallingWindow(AppContext& context, FormId id, SignallingArea area, RowSource rows)
    : Form(context, id),
      poller_(context.state, RequestPair::File, windowToken(),
              {[this](const std::string& path) { OpenSignalFile(path); },
               [this](const std::string& path) { SaveSignalFile(path); }, [this] { return running(); }}) {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName("TabStrip1");
  for (std::size_t i = 0; i < kButtonNames.size(); ++i) {
    buttons_[i] = new QPushButton(this);
    buttons_[i]->setObjectName(kButtonNames[i]);
  }
  connect(buttons_[0], &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  connect(buttons_[2], &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(buttons_[3], &QPushButton::clicked, this, [this] { Command_save_Click(); });
  connect(buttons_[4], &QPushButton::clicked, this, [this] { Command_open_Click(); });
  connect(buttons_[5], &QPushButton::clicked, this, [this] { Command_close_Click(); });
  statusLabel_ = makeLabel(this, "Label_tr_count");
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("ProgressBar1");
  progressBar_->setRange(0, 100);
  progressBar_->hide();

  if (context.link != nullptr)
    transfer_ = std::make_unique<SignallingTransfer>(
        link::LinkContext{context.state, context.messages, context.panels, *context.link},
        static_cast<link::TransferView&>(*this), area, [this](std::span<const std::uint8_t> a) { showRead(a); },
        std::move(rows));
}

SignallingWindow::~SignallingWindow() {
  if (transfer_) transfer_->transfer().stop();
}

void SignallingWindow::releaseGrids() {
  for (grid::GridView* view : findChildren<grid::GridView*>()) delete view;
  for (grid::GridModel* model : models_) delete model;
  models_.clear();
}

QPushButton* SignallingWindow::button(const char* name) const {
  for (QPushButton* b : buttons_)
    if (b->objectName() == name) return b;
  return nullptr;
}

QLabel* SignallingWindow::makeLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  return l;
}

QGroupBox* SignallingWindow::makeFrame(const char* name) {
  auto* f = new QGroupBox(this);
  f->setObjectName(name);
  return f;
}

grid::GridView* SignallingWindow::makeGrid(QWidget* parent, const char* name, grid::TextGrid& cells,
                                           grid::GridRules& rules) {
  auto* model = new grid::GridModel(cells, rules, this);
  models_.push_back(model);
  auto* view = new grid::GridView(parent);
  view->setObjectName(name);
  view->setGridModel(model);
  view->verticalHeader()->hide();
  // A click updates what names the selected entry.
  connect(view, &QAbstractItemView::clicked, this, [this] { showSheet(); });
  connect(view, &QAbstractItemView::doubleClicked, this, [this] { showSheet(); });
  return view;
}

void SignallingWindow::sizeColumns(grid::GridView* view, int width) {
  view->fitColumns(width);
}

void SignallingWindow::setButtonCaptions() {
  const std::array<Bilingual, 6> captions{texts::kRead, texts::kWrite, texts::kDefault,
                                          texts::kSave, texts::kOpen,  texts::kClose};
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setText(qtext(captions[i]));
}

void SignallingWindow::layOutCommon(int top, int width) {
  const int margin = twipsX(120);
  const int buttonWidth = twipsX(1000);
  const int height = twipsY(420);
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->setGeometry(margin + static_cast<int>(i) * (buttonWidth + twipsX(120)), top, buttonWidth, height);
  const int left = margin + 6 * (buttonWidth + twipsX(120));
  const int rest = std::max(twipsX(1500), width - left - margin);
  statusLabel_->setGeometry(left, top, rest, twipsY(240));
  progressBar_->setGeometry(left, top + twipsY(260), rest, twipsY(200));
}

void SignallingWindow::startCommon() {
  setButtonCaptions();
  resetProgress();
  if (context().link != nullptr) poller_.start(context().link->timers);
}

void SignallingWindow::resetProgress() {
  progressBar_->setValue(0);
  progressBar_->hide();
  statusLabel_->setText("");
}

bool SignallingWindow::commitEditors() {
  for (grid::GridView* view : grids())
    if (view != nullptr && !view->commitOpenEditor()) return false;
  return true;
}

bool SignallingWindow::queryUnload() { return !refuseWhileBusy(running()); }

void SignallingWindow::unloadHandling() {
  poller_.stop();
  if (transfer_) transfer_->transfer().stop();
}

void SignallingWindow::Command_read_Click() {
  if (transfer_) transfer_->read();
}

void SignallingWindow::Command_Write_Click() {
  if (!transfer_ || transfer_->transfer().refuseIfBusy()) return;
  if (!commitEditors()) return;
  encodeSet();
  transfer_->write();
}

void SignallingWindow::Command_def_Click() {
  if (refuseWhileBusy(running())) return;
  if (!commitEditors()) return;
  resetProgress();
  defaults();
  showSheet();
}

void SignallingWindow::Command_save_Click() { ShowFileDialog(*this, FormId::Form_save_sig, running()); }

void SignallingWindow::Command_open_Click() { ShowFileDialog(*this, FormId::Form_open_sig, running()); }

void SignallingWindow::Command_close_Click() {
  if (refuseWhileBusy(running())) return;
  FormHost& forms = host();
  if (!forms.unloadForm(formId())) return;
  for (FormId dialog : {FormId::Form_open_menu, FormId::Form_save_menu, FormId::Form_open_sig, FormId::Form_save_sig})
    forms.unloadForm(dialog);
}

void SignallingWindow::OpenSignalFile(const std::string& path) {
  if (const auto error = readFile(path)) {
    warnText(ParamFileNotLoadedText(language(), path, *error));
    return;
  }
  // An edit still open would otherwise land on top of the loaded set.
  if (!commitEditors()) return;
  applyFile();
  showSheet();
  warn(texts::kFileLoaded, kTitlePromptUpper);
  resetProgress();
}

void SignallingWindow::SaveSignalFile(const std::string& path) {
  if (!commitEditors()) return;
  encodeSet();
  if (const auto error = save(path)) {
    warnText(ParamFileNotSavedText(language(), path, *error));
    return;
  }
  warn(texts::kFileSaved, kTitlePromptUpper);
}

void SignallingWindow::setProgressValue(int value) { progressBar_->setValue(value); }
void SignallingWindow::setProgressVisible(bool visible) { progressBar_->setVisible(visible); }
void SignallingWindow::setStatusText(const std::string& text) { statusLabel_->setText(Q(text)); }

}  // namespace brel::signalling
