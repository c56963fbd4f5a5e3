#include "signalling_window.h"

#include <QHeaderView>

#include "signalling_texts.h"

namespace brel::signalling {
namespace {

constexpr std::array<const char*, 6> kButtonNames{"Command_read", "Command_Write", "Command_def",
                                                  "Command_save", "Command_open",  "Command_close"};

EditorParts SignallingParts() {
  EditorParts parts;
  parts.fileRequests = RequestPair::OptionsAndSignalling;
  parts.fileTexts.loaded = texts::kFileLoaded;
  parts.fileTexts.saved = texts::kFileSaved;
  parts.fileTexts.doneTitle = kTitlePromptUpper;
  parts.closeRefused = kBusyText;
  return parts;
}

}  // namespace

SignallingWindow::SignallingWindow(AppContext& context, FormId id, SignallingArea area, RowSource rows)
    : EditorWindow(context, id, SignallingParts()) {
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

  transfer_ = adoptTransfer(std::make_unique<SignallingTransfer>(
      linkContext(), transferView(), area, [this](std::span<const std::uint8_t> a) { showRead(a); },
      std::move(rows)));
}

SignallingWindow::~SignallingWindow() = default;

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
  statusLabel()->setGeometry(left, top, rest, twipsY(240));
  progressBar()->setGeometry(left, top + twipsY(260), rest, twipsY(200));
}

void SignallingWindow::startCommon() {
  setButtonCaptions();
  resetProgress();
  startFilePolling();
}

bool SignallingWindow::commitEditors() {
  for (grid::GridView* view : grids())
    if (view != nullptr && !view->commitOpenEditor()) return false;
  return true;
}

void SignallingWindow::Command_read_Click() {
  transfer_->read();
}

void SignallingWindow::Command_Write_Click() {
  if (transfer_->transfer().refuseIfBusy()) return;
  dropPendingRetry();
  if (!commitEditors()) return;
  encodeSet();
  transfer_->write();
}

void SignallingWindow::Command_def_Click() {
  if (refuseChange()) return;
  if (!commitEditors()) return;
  resetProgress();
  defaults();
  showSheet();
}

void SignallingWindow::Command_save_Click() { showFileDialog(FormId::Form_save_sig); }

void SignallingWindow::Command_open_Click() { showFileDialog(FormId::Form_open_sig); }

void SignallingWindow::Command_close_Click() {
  if (refuseWhileRunning()) return;
  FormHost& forms = host();
  if (!forms.unloadForm(formId())) return;
  for (FormId dialog : {FormId::Form_open_menu, FormId::Form_save_menu, FormId::Form_open_sig, FormId::Form_save_sig})
    forms.unloadForm(dialog);
}

}  // namespace brel::signalling
