#include "frm_fm.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

#include "file_dialogs.h"
#include "fm_file.h"
#include "fm_texts.h"
#include "plain_widgets.h"

namespace brel::fm {
namespace {

constexpr std::array<const char*, 6> kButtonNames{"Command_read", "Command_Write", "Command_Clear",
                                                  "Command_save", "Command_open",  "Command_close"};
constexpr std::array<const char*, kBandBoxCount> kBoxNames{"Text_pvfo1_A", "Text_pvfo2_A", "Text_pvfo1_B",
                                                           "Text_pvfo2_B"};

EditorParts FmParts() {
  EditorParts parts;
  parts.fileRequests = RequestPair::AlignmentFmAndChannels;
  parts.fileTexts.loaded = texts::kFileLoaded;
  parts.fileTexts.saved = texts::kStoredMessage;
  parts.savingLabel = texts::kStoring;
  parts.savedLabel = texts::kStored;
  return parts;
}

}  // namespace

frm_FM::frm_FM(AppContext& context)
    : EditorWindow(context, FormId::frm_FM, FmParts()),
      editor_(context.state, context.messages, sheet_) {
  model_ = new grid::GridModel(sheet_.grid, editor_, this);
  grid_ = new grid::GridView(this);
  grid_->setObjectName("MSF_Chann");
  grid_->setGridModel(model_);
  grid_->setEditorNames("Text_Edit");
  grid_->verticalHeader()->hide();
  onFocusOut(grid_, [this](Qt::FocusReason reason) {
    if (LostToAnotherWindow(reason) || grid_->openEditor() != nullptr) return;
    editor_.EncodeFmRow(grid::GridModel::gridRow(grid_->currentIndex()));
    showReadout();
  });
  // Leaving any cell, one without an editor too, encodes its row.
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex&, const QModelIndex& previous) {
            if (!previous.isValid()) return;
            editor_.EncodeFmRow(grid::GridModel::gridRow(previous));
            showReadout();
          });

  comboEdit_ = new QComboBox(this);
  comboEdit_->setObjectName("Combo_edit");
  comboEdit_->hide();

  auto box = [this](const char* name, bool readOnly) {
    auto* b = new QLineEdit(this);
    b->setObjectName(name);
    b->setReadOnly(readOnly);
    return b;
  };
  fmLower_ = box("Text_pvfo1_FM", true);
  fmUpper_ = box("Text_pvfo2_FM", true);
  for (int i = 0; i < kBandBoxCount; ++i) {
    QLineEdit* b = box(kBoxNames[static_cast<std::size_t>(i)], false);
    boxes_[static_cast<std::size_t>(i)] = b;
    BindText(b, sheet_.boxes[static_cast<std::size_t>(i)]);
    onFocusOut(b, [this, i](Qt::FocusReason reason) {
      if (!LostToAnotherWindow(reason)) editor_.bandBoxLeft(i);
    });
  }

  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    return l;
  };
  rangeLabel_ = label("Lb_range");
  labelA_ = label("Label_A");
  labelB_ = label("Label_B");
  toLabels_ = {label("Lb_TO_FM"), label("LB_TO_A"), label("LB_TO_B")};
  mhzLabels_ = {label("Label1"), label("Label2"), label("Label3")};
  readoutLabel_ = label("Label_chann");

  for (std::size_t i = 0; i < kButtonNames.size(); ++i) {
    buttons_[i] = new QPushButton(this);
    buttons_[i]->setObjectName(kButtonNames[i]);
  }
  connect(buttons_[0], &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  connect(buttons_[2], &QPushButton::clicked, this, [this] { Command_Clear_Click(); });
  connect(buttons_[3], &QPushButton::clicked, this, [this] { Command_save_Click(); });
  connect(buttons_[4], &QPushButton::clicked, this, [this] { Command_open_Click(); });
  connect(buttons_[5], &QPushButton::clicked, this, [this] { Command_close_Click(); });

  transfer_ = adoptTransfer(
      std::make_unique<FmTransfer>(linkContext(), transferView(), [this](const auto& addresses, const auto& blocks) {
        change([&] { editor_.showReadBlocks(addresses, blocks); });
      }));
}

frm_FM::~frm_FM() {
  // The widgets go after this object's members: none may call back into them.
  stopLeaveRules();
  if (QItemSelectionModel* selection = grid_->selectionModel()) QObject::disconnect(selection, nullptr, this, nullptr);
}

QPushButton* frm_FM::button(const char* name) const {
  for (QPushButton* b : buttons_)
    if (b->objectName() == name) return b;
  return nullptr;
}

void frm_FM::setCaptions() {
  setWindowTitle(qtext(texts::kCaption));
  rangeLabel_->setText(qtext(texts::kRangeFm));
  labelA_->setText(qtext(texts::kRangeA));
  labelB_->setText(qtext(texts::kRangeB));
  for (QLabel* l : toLabels_) l->setText(qtext(texts::kTo));
  for (QLabel* l : mhzLabels_) l->setText(qtext(texts::kMhz));
  const std::array<Bilingual, 6> captions{texts::kRead, texts::kWrite, texts::kClear,
                                          texts::kSave, texts::kOpen,  texts::kClose};
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setText(qtext(captions[i]));
}

void frm_FM::layOut() {
  const QSize main = host().mainWindowSize();
  const QSize size(static_cast<int>(main.width() / 1.7), static_cast<int>(main.height() / 1.8));
  placeCentred(size);
  const QSize inner = size;  // the frame's few pixels play no part in the layout
  const int margin = twipsX(120);
  const int gridWidth = static_cast<int>(inner.width() / 1.95);
  const int gridHeight = static_cast<int>(size.height() / 1.47);
  grid_->setGeometry(margin, margin, gridWidth, gridHeight);
  // Columns share the grid's width as their headings do; rows as high as
  // their text.
  std::vector<int> weights;
  for (int c = 0; c < kGridColumns; ++c) weights.push_back(grid_->headingWidth(c));
  grid_->fitColumns(gridWidth, std::move(weights));
  grid_->verticalHeader()->setDefaultSectionSize(QFontMetrics(grid_->font()).height() + 6);

  // The three ranges to the right of the grid, one above the other.
  const int left = margin * 2 + grid_->width();
  const int rowHeight = twipsY(300);
  const int boxWidth = twipsX(1100);
  const int toWidth = twipsX(400);
  // A grid widened for its headings takes the window wider, not the ranges
  // out of it.
  const int rangesRight = left + 2 * boxWidth + 2 * toWidth + twipsX(180) + margin;
  if (rangesRight > size.width()) placeCentred(QSize(rangesRight, size.height()));
  auto pair = [&](QLabel* caption, QLineEdit* lower, QLabel* to, QLineEdit* upper, QLabel* mhz, int top) {
    caption->setGeometry(left, top, boxWidth * 3, rowHeight);
    const int y = top + rowHeight + twipsY(60);
    lower->setGeometry(left, y, boxWidth, rowHeight);
    to->setGeometry(left + boxWidth + twipsX(60), y, toWidth, rowHeight);
    upper->setGeometry(left + boxWidth + toWidth + twipsX(120), y, boxWidth, rowHeight);
    mhz->setGeometry(left + 2 * boxWidth + toWidth + twipsX(180), y, toWidth, rowHeight);
  };
  const int step = gridHeight / 3;
  pair(rangeLabel_, fmLower_, toLabels_[0], fmUpper_, mhzLabels_[0], margin);
  pair(labelA_, boxes_[kALower], toLabels_[1], boxes_[kAUpper], mhzLabels_[1], margin + step);
  pair(labelB_, boxes_[kBLower], toLabels_[2], boxes_[kBUpper], mhzLabels_[2], margin + 2 * step);

  const int buttonsTop = margin * 2 + gridHeight;
  const int buttonWidth = twipsX(855);
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    buttons_[i]->setGeometry(margin + static_cast<int>(i) * (buttonWidth + twipsX(120)), buttonsTop, buttonWidth,
                             twipsY(420));
  const int belowButtons = buttonsTop + twipsY(480);
  readoutLabel_->setGeometry(margin, belowButtons, inner.width() - 2 * margin, rowHeight);
  statusLabel()->setGeometry(left, buttonsTop, twipsX(3000), rowHeight);
  progressBar()->setGeometry(left, buttonsTop + rowHeight, twipsX(3000), twipsY(240));
}

void frm_FM::loadHandling() {
  setCaptions();
  change([&] { editor_.load(); });  // the headings first: the columns are sized to them
  layOut();
  resetProgress();
  fmLower_->setText(QString::fromStdString(sheet_.fmLower));
  fmUpper_->setText(QString::fromStdString(sheet_.fmUpper));
  Form_Activate();
  startFilePolling();
  watchActivation([this] { Form_Activate(); });
}

void frm_FM::commitPendingEdit() {
  grid_->commitOpenEditor();
  showReadout();
}

void frm_FM::change(const std::function<void()>& f) {
  if (!model_->apply(f)) f();
}

void frm_FM::Form_Activate() {
  change([&] { editor_.activate(); });
  grid_->setCurrentIndex(model_->cellIndex(kPresetCount, kColNumber));
}

void frm_FM::showReadout() { readoutLabel_->setText(QString::fromStdString(sheet_.readout)); }

void frm_FM::Command_read_Click() {
  transfer_->read();
}

void frm_FM::Command_Write_Click() {
  // What is typed goes with the write, through its cell's rule.
  if (!busy()) {
    dropPendingRetry();
    commitPendingEdit();
  }
  editor_.encodeAll();
  showReadout();
  transfer_->write();
}

void frm_FM::Command_Clear_Click() {
  if (refuseChange(texts::kClearRefused)) return;
  resetProgress();
  // The open editor is emptied: its cell, like every other, ends empty.
  if (auto* open = qobject_cast<QLineEdit*>(grid_->openEditor())) open->clear();
  commitPendingEdit();
  change([&] { editor_.clear(); });
}

void frm_FM::Command_save_Click() { showFileDialog(FormId::Form_save_fm); }

void frm_FM::Command_open_Click() { showFileDialog(FormId::Form_open_fm); }

void frm_FM::Command_close_Click() {
  if (refuseWhileRunning(kCloseRefusedText)) return;
  FormHost& forms = host();
  if (!forms.unloadForm(FormId::frm_FM)) return;
  forms.unloadForm(FormId::Form_open_fm);
  forms.unloadForm(FormId::Form_save_fm);
}

FileRead frm_FM::readFile(const std::string& path) {
  return ReadRowsInto(state().FmStageRows, 0, kFmFileRows - 1, path, LoadFmParamFile);
}

void frm_FM::showLoadedFile() {
  change([&] { editor_.showRowsFromStage(); });
}

std::optional<std::string> frm_FM::writeFile(const std::string& path) {
  editor_.encodeAll();
  showReadout();
  return SaveFmParamFile(state().FmStageRows, path);
}

}  // namespace brel::fm

namespace brel {

void RegisterFmEditor(FormHost& host) {
  host.registerForm(FormId::frm_FM, [](AppContext& context) -> Form* { return new fm::frm_FM(context); });
  host.registerForm(FormId::Form_open_fm, [](AppContext& context) -> Form* { return new Form_open_fm(context); });
  host.registerForm(FormId::Form_save_fm, [](AppContext& context) -> Form* { return new Form_save_fm(context); });
}

}  // namespace brel
