#include "form_setup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QVBoxLayout>

#include "link_services.h"
#include "link_texts.h"
#include "numtext.h"

namespace brel {

namespace {
constexpr int kRaisePx = 33;  // 500 twips above the centre
}

Form_setup::Form_setup(AppContext& context) : Form(context, FormId::Form_setup) {
  frame_ = new QGroupBox(this);
  frame_->setObjectName("Frame1");
  auto* grid = new QGridLayout(frame_);
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 16; ++i) {
    options_[i] = new QRadioButton(frame_);
    options_[i]->setObjectName(QString("Option_Port_%1").arg(i));
    group->addButton(options_[i], i);
    devices_[i] = new QLabel(frame_);
    devices_[i]->setObjectName(QString("Device_Port_%1").arg(i));
    devices_[i]->setText(QString::fromStdString(context.link.portTable.device(i + 1)));
    const int column = (i / 8) * 2;
    grid->addWidget(options_[i], i % 8, column);
    grid->addWidget(devices_[i], i % 8, column + 1);
  }
  ok_ = new QPushButton(this);
  ok_->setObjectName("Command_ok");
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("Command1");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame_);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, [this] { okClicked(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { host().unloadForm(formId()); });

  identification_ = std::make_unique<link::PortDialogIdentification>(context.state, context.messages, context.panels,
                                                                     context.link);
}

Form_setup::~Form_setup() = default;

void Form_setup::loadHandling() {
  identification_->stop();
  const std::int16_t flag = state().LanguageFlag;
  setWindowTitle(QString::fromStdString(Pick(flag, link::texts::kSetupCaption)));
  frame_->setTitle(QString::fromStdString(Pick(flag, link::texts::kSetupFrame)));
  ok_->setText(QString::fromStdString(Pick(flag, link::texts::kSetupOk)));
  cancel_->setText(QString::fromStdString(Pick(flag, link::texts::kSetupCancel)));

  const QSize client = host().clientSize();
  placeCentred(QSize(static_cast<int>(client.width() / 2.9), static_cast<int>(client.height() / 2.4)), kRaisePx);

  for (int i = 0; i < 16; ++i) {
    options_[i]->setChecked(false);
    options_[i]->setText(QString::fromStdString("COM" + NumberToText(i + 1)));
  }
  for (int i = 0; i < 16; ++i)
    if (state().PortNumber == i + 1) options_[i]->setChecked(true);
  state().FormOpenFlags.SetupFormOpen = -1;
}

void Form_setup::unloadHandling() {
  identification_->stop();
  state().FormOpenFlags.SetupFormOpen = 0;
}

void Form_setup::okClicked() {
  int ticked = -1;
  for (int i = 0; i < 16; ++i)
    if (options_[i]->isChecked()) ticked = i;
  // With nothing ticked the port stays as it was.
  if (ticked >= 0) state().PortNumber = static_cast<std::int16_t>(ticked + 1);
  StatusPanels& panels = context().panels;
  panels.setPanelText(2, "");
  panels.setPanelText(7, "");
  panels.setPanelText(8, "");
  panels.setPanelText(3, "COM" + NumberToTrimmedText(state().PortNumber));
  host().unloadForm(formId());
}

}  // namespace brel
