#include "file_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "file_name_check.h"
#include "address_map.h"
#include "file_and_tell.h"

namespace brel {

namespace {

constexpr Bilingual kDriveLabel{"驱动器：", "Drive:"};
constexpr Bilingual kConfirmCaption{"确  定", "Confirm"};
constexpr Bilingual kCancelCaption{"取  消", "Cancel"};

constexpr Bilingual kOpenNameLabel{"打开文件名：", "Open File:"};
constexpr Bilingual kSaveNameLabel{"保存文件名：", "Save File:"};

constexpr Bilingual kOpenSuffixText{"无效的文件后缀名！", "Nullity file suffix name."};
constexpr Bilingual kSaveSuffixText{"建议不要修改系统默认的文件后缀名！",
                                    "Advice don't modify file suffix name of system default ！"};

const FileDialogTexts kOpenChannTexts{
    {"打开文件", "Open File"}, kOpenNameLabel, {"打开文件名无效 ", "Open the file name is nullity "}, kOpenSuffixText};
const FileDialogTexts kSaveChannTexts{{"保存文件", "Save File"},
                                      kSaveNameLabel,
                                      {"保存文件所需要的文件名无效 ", "Store the file name is nullity. "},
                                      kSaveSuffixText};
const FileDialogTexts kOpenAdjTexts{
    {"打开调整参数文件", "Open Adjust File"},
    kOpenNameLabel,
    {"打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "},
    {"无效的调整参数文件后缀名！", "Nullity file suffix name of adjust parameter."}};
const FileDialogTexts kSaveAdjTexts{
    {"保存调整参数文件", "Save Adjust File"},
    kSaveNameLabel,
    {"保存调整参数所需要的文件名无效 ", "Store the file name of adjust parameter need is nullity. "},
    kSaveSuffixText};
const FileDialogTexts kOpenMenuTexts{{"打开文件", "Open Optional File"},
                                     kOpenNameLabel,
                                     {"打开文件名无效 ", "Open the file name is nullity. "},
                                     kOpenSuffixText};
const FileDialogTexts kOpenSigTexts{{"打开文件", "Open Signal File"},
                                    kOpenNameLabel,
                                    {"打开文件名无效 ", "Open the file name is nullity. "},
                                    {"无效的文件后缀名！", "Nullity file suffix name !"}};
const FileDialogTexts kSaveMenuTexts{
    {"保存文件", "Save File "},
    kSaveNameLabel,
    {"保存文件所需要的文件名无效 ", "Store the file name is nullity."},
    {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default."}};

constexpr const char* kDat = ".dat";
constexpr const char* kAdj = ".adj";

// The image dialogs sit 500 twips above the centre of the client area.
constexpr int kRaise = 500 / 15;


}  // namespace

// --- the common window ---------------------------------------------------------

FileDialogForm::FileDialogForm(AppContext& context, FormId id, const char* suffix, const FileDialogTexts& texts)
    : Form(context, id),
      suffix_(suffix),
      texts_(texts),
      nameLabel_(new QLabel(this)),
      name_(new QLineEdit(this)),
      enter_(new QPushButton(this)),
      close_(new QPushButton(this)),
      browser_(new FileBrowser(QString("*") + suffix, this)) {
  nameLabel_->setObjectName("Label_name");
  name_->setObjectName("Text1");
  enter_->setObjectName("Command_enter");
  close_->setObjectName("Command_close");
  nameLabel_->setBuddy(name_);
  // Neither button is a default button: Enter in the name box does nothing.
  enter_->setAutoDefault(false);
  close_->setAutoDefault(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(nameLabel_, 0, 0);
  layout->addWidget(name_, 1, 0);
  layout->addWidget(browser_, 2, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(enter_);
  buttons->addWidget(close_);
  layout->addLayout(buttons, 3, 0);
  layout->setRowStretch(2, 1);

  connect(enter_, &QPushButton::clicked, this, &FileDialogForm::confirm);
  connect(close_, &QPushButton::clicked, this, &FileDialogForm::cancel);
  connect(browser_, &FileBrowser::fileChosen, name_, &QLineEdit::setText);
}

void FileDialogForm::loadHandling() {
  setWindowTitle(qtext(texts_.caption));
  nameLabel_->setText(qtext(texts_.nameLabel));
  browser_->driveLabel()->setText(qtext(kDriveLabel));
  enter_->setText(qtext(kConfirmCaption));
  close_->setText(qtext(kCancelCaption));
  name_->setText(Q("*" + suffix_));
  browser_->start();
  placeCentred(kSize, kRaise);
  name_->setFocus();
}

void FileDialogForm::confirm() {
  const NameCheckResult check =
      CheckFileName(browser_->directory().toStdString(), name_->text().toStdString(), suffix_);
  switch (check.outcome) {
    case NameCheckOutcome::RefusedName: warn(texts_.refusedName); return;
    case NameCheckOutcome::BadSuffix: warn(texts_.badSuffix); return;
    case NameCheckOutcome::Accepted: break;
  }
  accepted(check.path);
}

void FileDialogForm::cancel() { host().unloadForm(formId()); }

// --- image Save ------------------------------------------------------------------

Form_save_chann::Form_save_chann(AppContext& context)
    : FileDialogForm(context, FormId::Form_save_chann, kDat, kSaveChannTexts) {}

void Form_save_chann::loadHandling() {
  state().FormOpenFlags.SaveFileFormOpen = -1;
  FileDialogForm::loadHandling();
}

void Form_save_chann::unloadHandling() { state().FormOpenFlags.SaveFileFormOpen = 0; }

void Form_save_chann::accepted(const std::string& path) {
  // A pending alignment save keeps its own path and window: it is not ours.
  state().ParamFileName = path;
  // The value still being typed in an editor belongs in the file.
  host().commitAllPendingEdits();
  const auto write = [this](const std::string& to) {
    return SaveTableRows(state().MemImage, addr::kImageFileFirstRow, addr::kImageFileLastRow, to);
  };
  if (!SaveFileAndTell(state(), context().messages, path, write)) return;
  host().unloadForm(formId());
}

// --- image Open ------------------------------------------------------------------

Form_open_chann::Form_open_chann(AppContext& context)
    : FileDialogForm(context, FormId::Form_open_chann, kDat, kOpenChannTexts) {}

void Form_open_chann::loadHandling() {
  state().FormOpenFlags.OpenFileFormOpen = -1;
  FileDialogForm::loadHandling();
}

void Form_open_chann::unloadHandling() { state().FormOpenFlags.OpenFileFormOpen = 0; }

void Form_open_chann::accepted(const std::string& path) {
  // Refused, the dialog stays as it is, its name too, for a later Confirm.
  if (refuseChange()) return;
  // A pending alignment open keeps its own path and window: it is not ours.
  state().ParamFileName = path;
  // An edit still open in an editor is committed into the image the file
  // replaces, so the reloads below cannot write it over the file.
  const auto read = [this](const std::string& from) { return ReadImageFileInto(state().MemImage, from); };
  const auto commit = [this] {
    host().commitAllPendingEdits();
    return true;
  };
  if (!OpenFileAndTell(state(), context().messages, path, read, commit)) return;
  // The editors that show the image load it afresh; the channel editor opens
  // even when it was closed.
  host().reloadForm(FormId::frm_chann);
  if (state().FormOpenFlags.OptionFormOpen != 0) host().reloadForm(FormId::frm_option);
  if (state().FormOpenFlags.DtmfFormOpen != 0) host().reloadForm(FormId::frm_dtmf);
  host().unloadForm(formId());
}

// --- the editor dialogs ------------------------------------------------------------

RequestFileDialog::RequestFileDialog(AppContext& context, FormId id, FileRequest request, const char* suffix,
                                     const FileDialogTexts& texts)
    : FileDialogForm(context, id, suffix, texts), request_(request) {}

void RequestFileDialog::setRequester(const Form& window) {
  requesterId_ = window.formId();
  requesterToken_ = window.windowToken();
}

void RequestFileDialog::accepted(const std::string& path) {
  const bool requesterGone = requesterToken_ != 0 && host().loadedToken(requesterId_) != requesterToken_;
  if (requesterGone)
    state().ParamFileName = path;  // the last confirmed path all the same
  else
    PostFileRequest(state(), request_, path, requesterToken_);
  host().unloadForm(formId());
}

Form_open_adj::Form_open_adj(AppContext& context)
    : RequestFileDialog(context, FormId::Form_open_adj, FileRequest::AdjOpen, kAdj, kOpenAdjTexts) {}
Form_save_adj::Form_save_adj(AppContext& context)
    : RequestFileDialog(context, FormId::Form_save_adj, FileRequest::AdjSave, kAdj, kSaveAdjTexts) {}
Form_open_menu::Form_open_menu(AppContext& context)
    : RequestFileDialog(context, FormId::Form_open_menu, FileRequest::FileOpen, kDat, kOpenMenuTexts) {}
Form_save_menu::Form_save_menu(AppContext& context)
    : RequestFileDialog(context, FormId::Form_save_menu, FileRequest::FileSave, kDat, kSaveMenuTexts) {}
Form_open_sig::Form_open_sig(AppContext& context)
    : RequestFileDialog(context, FormId::Form_open_sig, FileRequest::FileOpen, kDat, kOpenSigTexts) {}
Form_save_sig::Form_save_sig(AppContext& context)
    : RequestFileDialog(context, FormId::Form_save_sig, FileRequest::FileSave, kDat, kSaveMenuTexts) {}

Form_open_fm::Form_open_fm(AppContext& context)
    : RequestFileDialog(context, FormId::Form_open_fm, FileRequest::AdjOpen, kDat, kOpenChannTexts) {}
Form_save_fm::Form_save_fm(AppContext& context)
    : RequestFileDialog(context, FormId::Form_save_fm, FileRequest::AdjSave, kDat, kSaveChannTexts) {}

// --- registration ------------------------------------------------------------------

namespace {
template <typename Dialog>
void Register(FormHost& host, FormId id) {
  host.registerForm(id, [](AppContext& context) -> Form* { return new Dialog(context); });
}
}  // namespace

void RegisterFileForms(FormHost& host) {
  Register<Form_open_chann>(host, FormId::Form_open_chann);
  Register<Form_save_chann>(host, FormId::Form_save_chann);
  Register<Form_open_adj>(host, FormId::Form_open_adj);
  Register<Form_save_adj>(host, FormId::Form_save_adj);
  Register<Form_open_menu>(host, FormId::Form_open_menu);
  Register<Form_save_menu>(host, FormId::Form_save_menu);
  Register<Form_open_sig>(host, FormId::Form_open_sig);
  Register<Form_save_sig>(host, FormId::Form_save_sig);
}

}  // namespace brel
