#include "frm_chann.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QShowEvent>
#include <algorithm>

#include "channel_texts.h"
#include "factory_sets.h"
#include "file_request.h"
#include "image_file.h"
#include "link_texts.h"

namespace brel::chann {
namespace {

// The window was laid out in twips; 15 twips make a pixel at 96 dpi.
constexpr int Px(int twips) { return twips / 15; }

// The grid sizes each column to its heading; a column is never narrower
// than the widest text it shows, so nothing is cut off.
const char* const kWidestText[kGridColumns] = {"128",  "VHF/UHF ", "000.00000", "000.00000", "  D023N   ",
                                               "  D023N   ", "HIGH", "W",  "BOTH", "OFF", "OFF", "15", "WWWWWW"};

}  // namespace

frm_chann::frm_chann(AppContext& context) : Form(context, FormId::frm_chann) {
  model_ = new ChannelTableModel(context.state, context.messages, this);
  grid_ = new ChannelGridView(this);
  grid_->setObjectName("MSF_Chann");
  grid_->setChannelModel(model_);
  grid_->setGeometry(Px(120), 0, Px(12000), Px(7335));

  auto button = [this](const char* name, int left, int top) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setGeometry(Px(left), Px(top), Px(855), Px(495));
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

  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName("Label_tr_count");
  statusLabel_->setGeometry(Px(4560), Px(8160), Px(2415), Px(255));
  QFont labelFont = statusLabel_->font();
  labelFont.setPointSizeF(10.5);
  statusLabel_->setFont(labelFont);

  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("ProgressBar1");
  progressBar_->setRange(0, 100);
  progressBar_->setGeometry(Px(-1800), Px(8280), Px(9855), Px(495));
  progressBar_->hide();

  channelLabel_ = new QLabel(this);
  channelLabel_->setObjectName("Label_chann");
  channelLabel_->setGeometry(0, Px(6240), Px(12735), Px(375));
  channelLabel_->hide();

  connect(defaultButton_, &QPushButton::clicked, this, [this] { Command_def_Click(); });
  connect(clearButton_, &QPushButton::clicked, this, [this] { Command_Clear_Click(); });
  connect(closeButton_, &QPushButton::clicked, this, [this] { Command_close_Click(); });
  connect(readButton_, &QPushButton::clicked, this, [this] { Command_read_Click(); });
  connect(writeButton_, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
}

frm_chann::~frm_chann() {
  if (transfer_) transfer_->stop();
}

void frm_chann::loadHandling() {
  state().FormOpenFlags.ChannFormOpen = -1;
  setCaptions();
  const QSize main = host().mainWindowSize();
  placeCentred(QSize(static_cast<int>(main.width() / 1.24), static_cast<int>(main.height() / 1.26)));
  resetProgress();
  model_->redisplay();

  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    activation_ = connect(sub, &QMdiSubWindow::windowStateChanged, this,
                          [this](Qt::WindowStates before, Qt::WindowStates now) {
                            const bool was = before.testFlag(Qt::WindowActive);
                            const bool is = now.testFlag(Qt::WindowActive);
                            if (!was && is) Form_Activate();
                            // What is typed is never lost to a switch of windows.
                            if (was && !is) commitPendingEdit();
                          });
  }
}

void frm_chann::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (gridSized_) return;
  gridSized_ = true;
  grid_->setGeometry(Px(120), 0, static_cast<int>(width() / 1.02), Px(7335));
}

void frm_chann::setCaptions() {
  const std::int16_t language = state().LanguageFlag;
  setWindowTitle(QString::fromStdString(Pick(language, kWindowCaption)));
  readButton_->setText(QString::fromStdString(Pick(language, kReadCaption)));
  writeButton_->setText(QString::fromStdString(Pick(language, kWriteCaption)));
  clearButton_->setText(QString::fromStdString(Pick(language, kClearCaption)));
  defaultButton_->setText(QString::fromStdString(Pick(language, kDefaultCaption)));
  closeButton_->setText(QString::fromStdString(Pick(language, kCloseCaption)));
  model_->setLanguage(language);

  const QFontMetrics headingMetrics(grid_->horizontalHeader()->font());
  const QFontMetrics cellMetrics(grid_->font());
  for (int c = 0; c < kGridColumns; ++c) {
    const int heading = headingMetrics.horizontalAdvance(model_->headerData(c, Qt::Horizontal).toString());
    const int widest = cellMetrics.horizontalAdvance(QString::fromLatin1(kWidestText[c]));
    grid_->horizontalHeader()->resizeSection(c, std::max(heading, widest) + 16);
  }
}

bool frm_chann::queryUnload() {
  if (busy()) {
    warn(kCloseRefusedEditorText);
    return false;
  }
  return true;
}

void frm_chann::unloadHandling() {
  QObject::disconnect(activation_);
  commitPendingEdit();
  if (transfer_) transfer_->stop();
  state().FormOpenFlags.ChannFormOpen = 0;
}

void frm_chann::commitPendingEdit() { grid_->commitOpenEditor(); }

void frm_chann::Form_Activate() {
  if (model_->operationRunning()) return;
  grid_->commitOpenEditor();
  model_->redisplay();
}

void frm_chann::Command_def_Click() {
  Chann_para_init_VHF_bf(state().MemImage);
  Form_Activate();
}

void frm_chann::Command_Clear_Click() {
  if (busy()) {
    warn(kClearRefusedText);
    return;
  }
  resetProgress();
  // A click on Clear takes the focus from an open editor, which commits it;
  // the same holds when Clear is run without a click.
  commitPendingEdit();
  model_->clearChannels();
}

void frm_chann::Command_close_Click() {
  if (busy()) {
    warn(kCloseRefusedText);
    return;
  }
  if (transfer_) transfer_->stop();
  FormHost& forms = host();
  if (!forms.unloadForm(FormId::frm_chann)) return;
  // An Open or Save dialog goes with the editor.
  forms.unloadForm(FormId::Form_open_chann);
  forms.unloadForm(FormId::Form_save_chann);
}

ChannelTransfer* frm_chann::ensureTransfer() {
  if (!transfer_ && context().link != nullptr)
    transfer_ = std::make_unique<ChannelTransfer>(state(), context().messages, context().panels, *context().link,
                                                  static_cast<TransferDisplay&>(*this));
  return transfer_.get();
}

void frm_chann::Command_read_Click() {
  if (ChannelTransfer* transfer = ensureTransfer()) {
    transfer->read();
    return;
  }
  state().PortErrorFlag = -1;
  warn(link::texts::kPortError);
}

void frm_chann::Command_Write_Click() {
  if (!busy()) commitPendingEdit();  // the radio gets what was typed last
  if (ChannelTransfer* transfer = ensureTransfer()) {
    transfer->write();
    return;
  }
  state().PortErrorFlag = -1;
  warn(link::texts::kPortError);
}

bool frm_chann::busy() const { return transfer_ && transfer_->busy(); }

void frm_chann::ShowOpenChannDialog() {
  if (busy()) {
    warn(kBusyText);
    return;
  }
  host().loadForm(FormId::Form_open_chann);
}

void frm_chann::ShowSaveChannDialog() {
  if (busy()) {
    warn(kBusyText);
    return;
  }
  host().loadForm(FormId::Form_save_chann);
}

void frm_chann::PollChannFileRequests() {
  if (auto path = TakeFileRequest(state(), FileRequest::AdjOpen)) LoadChannImageFile(*path);
  if (auto path = TakeFileRequest(state(), FileRequest::AdjSave)) SaveChannImageFile(*path);
}

void frm_chann::LoadChannImageFile(const std::string& path) {
  // A short or damaged file leaves the image as it was.
  const ParamReadResult read = ReadImageFileValues(path);
  if (!read.ok()) {
    showText(ParamFileNotLoadedText(state().LanguageFlag, path, read.error));
    return;
  }
  // An edit still open goes into the image the file replaces, not over it.
  commitPendingEdit();
  ApplyImageFileValues(read.values, state().MemImage);
  Form_Activate();
  warn(kParamFileReadText);
  resetProgress();
}

void frm_chann::SaveChannImageFile(const std::string& path) {
  commitPendingEdit();
  setStatusText(Pick(state().LanguageFlag, kFileSavingLabel));
  if (auto error = SaveTableRows(state().MemImage, 0, addr::kLastImageRowInUse, path)) {
    showText(ParamFileNotSavedText(state().LanguageFlag, path, *error));
    resetProgress();
    return;
  }
  setStatusText(Pick(state().LanguageFlag, kFileSavedLabel));
  warn(kParamFileSavedText);
  resetProgress();
}

void frm_chann::warn(const Bilingual& text) const {
  context().messages.show(Warn(state().LanguageFlag, kTitlePromptLower, text));
}

void frm_chann::showText(const std::string& text) const {
  context().messages.show(Message{Pick(state().LanguageFlag, kTitlePromptLower), text, MessageIcon::Warning});
}

void frm_chann::resetProgress() {
  progressBar_->setValue(0);
  statusLabel_->setText(QString());
  progressBar_->hide();
}

void frm_chann::showProgress(int value) {
  progressBar_->setValue(std::clamp(value, 0, 100));
  progressBar_->show();
}

void frm_chann::setStatusText(const std::string& text) { statusLabel_->setText(QString::fromStdString(text)); }

void frm_chann::beforeImageReplaced() { commitPendingEdit(); }

void frm_chann::imageReplaced() { model_->redisplay(); }

}  // namespace brel::chann

namespace brel {
void RegisterChannelEditor(FormHost& host) {
  host.registerForm(FormId::frm_chann, [](AppContext& context) -> Form* { return new chann::frm_chann(context); });
}
}  // namespace brel
