#include "transfer_dialog.h"

#include <algorithm>

#include "link_services.h"

namespace brel {

namespace {
// Control positions of the dialog, in pixels (the designed twips / 15).
constexpr QRect kProgressRect{8, 16, 385, 33};
constexpr QRect kLabelRect{8, 56, 385, 25};
constexpr QRect kActionRect{88, 88, 65, 33};
constexpr QRect kCancelRect{184, 88, 65, 33};
constexpr QRect kHelpRect{280, 88, 65, 33};
constexpr int kClosePollMs = 200;

QPushButton* MakeButton(QWidget* parent, const char* name, QRect rect) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setGeometry(rect);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}
}  // namespace

TransferDialog::TransferDialog(AppContext& context, FormId id) : Form(context, id) {
  progress_ = new QProgressBar(this);
  progress_->setObjectName("ProgressBar1");
  progress_->setRange(0, 100);
  progress_->setGeometry(kProgressRect);
  label_ = new QLabel(this);
  label_->setObjectName("Label_tr_count");
  label_->setGeometry(kLabelRect);
  action_ = MakeButton(this, "", kActionRect);
  cancel_ = MakeButton(this, "Command_Cancel", kCancelRect);
  help_ = MakeButton(this, "Command_Help", kHelpRect);  // has no action
  connect(action_, &QPushButton::clicked, this, [this] { actionClicked(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelClicked(); });

  timer4_ = context.link.timers.createTimer();
  timer4_->setCallback([this] { pollCloseFlag(); });
}

TransferDialog::~TransferDialog() = default;

void TransferDialog::loadHandling() {
  openFlag() = -1;
  closeFlag_ = 0;
  action_->setObjectName(actionName());

  const QSize main = host().mainWindowSize();
  const int width = static_cast<int>(main.width() / 2.5);
  const int height = main.height() / 4;
  QWidget* frame = parentWidget() ? parentWidget() : this;
  frame->resize(width, height);
  frame->move(std::max(0, (main.width() - width) / 2), std::max(0, static_cast<int>((main.height() - height) / 1.45)));

  const std::int16_t flag = state().LanguageFlag;
  setWindowTitle(QString::fromStdString(Pick(flag, caption())));
  action_->setText(QString::fromStdString(Pick(flag, actionCaption())));
  cancel_->setText(QString::fromStdString(Pick(flag, link::texts::kCancelButton)));
  help_->setText(QString::fromStdString(Pick(flag, link::texts::kHelpButton)));
  progress_->setValue(0);
  progress_->setVisible(true);
  label_->clear();
  timer4_->start(kClosePollMs);
}

bool TransferDialog::queryUnload() {
  // Reloading or closing the dialog would cut its transfer off: refuse, and
  // say why, while it runs or a retry of it is pending.
  if (!transfer().running()) return true;
  context().messages.show(Warn(state().LanguageFlag, kTitlePromptLower, kCloseRefusedText));
  return false;
}

void TransferDialog::unloadHandling() {
  timer4_->stop();
  transfer().stop();
  openFlag() = 0;
}

void TransferDialog::cancelClicked() {
  if (transfer().closeRequested()) host().unloadForm(formId());
}

void TransferDialog::pollCloseFlag() {
  if (closeFlag_ != 0 && host().unloadForm(formId())) return;
  timer4_->start(kClosePollMs);
}

Form_Comm_Read::Form_Comm_Read(AppContext& context)
    : TransferDialog(context, FormId::Form_Comm_Read),
      read_(std::make_unique<link::WholeMemoryRead>(context.state, context.messages, context.panels, context.link,
                                                    *this)) {}

Form_Comm_Write::Form_Comm_Write(AppContext& context)
    : TransferDialog(context, FormId::Form_Comm_Write),
      write_(std::make_unique<link::WholeMemoryWrite>(context.state, context.messages, context.panels,
                                                      context.link, *this)) {}

void Form_Comm_Write::actionClicked() {
  // The value still open in an editor belongs in what is checked and sent.
  host().commitAllPendingEdits();
  write_->writeClicked();
}

}  // namespace brel
