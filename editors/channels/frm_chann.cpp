#include "frm_chann.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QShowEvent>
#include <algorithm>

#include "channel_texts.h"
#include "factory_sets.h"
#include "address_map.h"
#include "link_texts.h"

namespace brel::chann {
namespace {

// The grid sizes each column to its heading; a column is never narrower
// than the widest text it shows, so nothing is cut off.
const char* const kWidestText[kGridColumns] = {"128",  "VHF/UHF ", "000.00000", "000.00000", "  D023N   ",
                                               "  D023N   ", "HIGH", "W",  "BOTH", "OFF", "OFF", "15", "WWWWWW"};

EditorParts ChannelParts() {
  EditorParts parts;
  parts.fileRequests = RequestPair::AlignmentFmAndChannels;
  parts.savingLabel = kFileSavingLabel;
  parts.savedLabel = kFileSavedLabel;
  return parts;
}

}  // namespace

frm_chann::frm_chann(AppContext& context)
    : EditorWindow(context, FormId::frm_chann, ChannelParts()),
      ctx_{context.state, cells_, context.messages},
      rules_(ctx_),
      model_(cells_, rules_) {
  grid_ = new grid::GridView(this);
  grid_->setObjectName("MSF_Chann");
  grid_->setGridModel(&model_);
  grid_->setGeometry(twipsRect(120, 0, 12000, 7335));

  auto button = [this](const char* name, int left, int top) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(twipsRect(left, top, 855, 495));
    return b;
  };
  defaultButton_ = button("Command_def", 8160, 7560);
  clearButton_ = button("Command_Clear", 9600, 7560);
  closeButton_ = button("Command_close", 11040, 7560);
  readButton_ = button("Command_read", 7080, 8160);
  writeButton_ = button("Command_Write", 7680, 8280);
  // The factory set and the window's own transfer are not offered in this
  // release: Default stays greyed, Read and Write stay hidden.
  defaultButton_->setEnabled(false);
  readButton_->hide();
  writeButton_->hide();

  statusLabel()->setGeometry(twipsRect(4560, 8160, 2415, 255));
  QFont labelFont = statusLabel()->font();
  labelFont.setPointSizeF(10.5);
  statusLabel()->setFont(labelFont);
  progressBar()->setGeometry(twipsRect(-1800, 8280, 9855, 495));

  channelLabel_ = new QLabel(this);
  channelLabel_->setObjectName("Label_chann");
  channelLabel_->setGeometry(twipsRect(0, 6240, 12735, 375));
  channelLabel_->hide();

  connect(defaultButton_, &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(clearButton_, &QPushButton::clicked, this, [this] { Command_Clear_Click(); });
  connect(closeButton_, &QPushButton::clicked, this, [this] { Command_close_Click(); });
  connect(readButton_, &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(writeButton_, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
}

frm_chann::~frm_chann() = default;

void frm_chann::loadHandling() {
  state().FormOpenFlags.ChannFormOpen = -1;
  setCaptions();
  const QSize main = host().mainWindowSize();
  placeCentred(QSize(static_cast<int>(main.width() / 1.24), static_cast<int>(main.height() / 1.26)));
  resetProgress();
  redisplay();

  // What is typed is never lost to a switch of windows.
  watchActivation([this] { Form_Activate(); }, [this] { commitPendingEdit(); });
}

void frm_chann::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (gridSized_) return;
  gridSized_ = true;
  grid_->setGeometry(twipsX(120), 0, static_cast<int>(width() / 1.02), twipsY(7335));
}

void frm_chann::setCaptions() {
  setWindowTitle(qtext(kWindowCaption));
  readButton_->setText(qtext(kReadCaption));
  writeButton_->setText(qtext(kWriteCaption));
  clearButton_->setText(qtext(kClearCaption));
  defaultButton_->setText(qtext(kDefaultCaption));
  closeButton_->setText(qtext(kCloseCaption));
  model_.apply([this] { SetHeadings(cells_, language()); });

  const QFontMetrics headingMetrics(grid_->horizontalHeader()->font());
  const QFontMetrics cellMetrics(grid_->font());
  for (int c = 0; c < kGridColumns; ++c) {
    const int heading = headingMetrics.horizontalAdvance(model_.headerData(c, Qt::Horizontal).toString());
    const int widest = cellMetrics.horizontalAdvance(QString::fromLatin1(kWidestText[c]));
    grid_->horizontalHeader()->resizeSection(c, std::max(heading, widest) + 16);
  }
}

void frm_chann::unloadHandling() {
  stopWatchingActivation();
  commitPendingEdit();
  EditorWindow::unloadHandling();
  state().FormOpenFlags.ChannFormOpen = 0;
}

void frm_chann::commitPendingEdit() { grid_->commitOpenEditor(); }

void frm_chann::Form_Activate() {
  if (model_.operationRunning()) return;
  grid_->commitOpenEditor();
  redisplay();
}

void frm_chann::redisplay() {
  model_.apply([this] { RedisplayChannels(ctx_); });
}

void frm_chann::Command_def_Click() {
  if (refuseChange()) return;
  Chann_para_init_VHF_bf(state().MemImage);
  Form_Activate();
}

void frm_chann::Command_Clear_Click() {
  if (refuseChange(kClearRefusedText)) return;
  resetProgress();
  // A click on Clear takes the focus from an open editor, which commits it;
  // the same holds when Clear is run without a click.
  commitPendingEdit();
  model_.apply([this] { ClearChannels(ctx_); });
}

void frm_chann::Command_close_Click() {
  if (refuseWhileRunning(kCloseRefusedText)) return;
  FormHost& forms = host();
  if (!forms.unloadForm(FormId::frm_chann)) return;
  // An Open or Save dialog goes with the editor.
  forms.unloadForm(FormId::Form_open_chann);
  forms.unloadForm(FormId::Form_save_chann);
}

ChannelTransfer* frm_chann::ensureTransfer() {
  if (!transfer_)
    transfer_ = adoptTransfer(std::make_unique<ChannelTransfer>(state(), context().messages, context().panels,
                                                                context().link, transferView()));
  return transfer_;
}

void frm_chann::Command_read_Click() {
  ensureTransfer()->read();
}

void frm_chann::Command_Write_Click() {
  if (!busy()) {
    dropPendingRetry();
    commitPendingEdit();  // the radio gets what was typed last
  }
  ensureTransfer()->write();
}

void frm_chann::ShowOpenChannDialog() { showFileDialog(FormId::Form_open_chann); }

void frm_chann::ShowSaveChannDialog() { showFileDialog(FormId::Form_save_chann); }

FileRead frm_chann::readFile(const std::string& path) { return ReadImageFileInto(state().MemImage, path); }

std::optional<std::string> frm_chann::writeFile(const std::string& path) {
  return SaveTableRows(state().MemImage, addr::kImageFileFirstRow, addr::kLastImageRowInUse, path);
}

}  // namespace brel::chann

namespace brel {
void RegisterChannelEditor(FormHost& host) {
  host.registerForm(
      FormId::frm_chann, [](AppContext& context) -> Form* { return new chann::frm_chann(context); },
      WindowData::MemoryImage);  // it edits the memory image
}
}  // namespace brel
