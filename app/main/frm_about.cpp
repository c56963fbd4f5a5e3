#include "frm_about.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "main_texts.h"
#include "shared_texts.h"

namespace brel {

namespace {

constexpr const char* kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kMsinfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr double kRaiseTwips = 500;
// The box keeps its designed size, about 5730 x 3990 twips.
constexpr double kWidthTwips = 5730;
constexpr double kHeightTwips = 3990;


QFrame* Line(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

void StartSysInfo(const SysInfoPlatform& platform, MessageSink& messages) {
  std::string path;
  bool found = false;
  if (platform.registry) {
    const RegistryReader& registry = *platform.registry;
    if (GetKeyValue(registry, RegistryRoot::LocalMachine, kMsinfoKey, "PATH", path)) {
      found = true;  // taken as it stands, without looking for the file
    } else if (GetKeyValue(registry, RegistryRoot::LocalMachine, kMsinfoLocationKey, "MSINFO", path)) {
      path += "\\MSINFO32.EXE";
      found = platform.fileExists && platform.fileExists(path);
    }
  }
  if (found && platform.startProgram && platform.startProgram(path)) return;
  messages.show(Message{mainwin::kApplicationTitle, kSysInfoUnavailable, MessageIcon::None});
}

frmAbout::frmAbout(AppContext& context, SysInfoPlatform platform)
    : Form(context, FormId::frmAbout), platform_(std::move(platform)) {
  picIcon = new QLabel(this);
  picIcon->setObjectName("picIcon");
  picIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
  picIcon->setAlignment(Qt::AlignTop);
  lblTitle = new QLabel(this);
  lblTitle->setObjectName("lblTitle");
  QFont titleFont = lblTitle->font();
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  // Some bold faces paint a pixel above their own ascent: room for it.
  lblTitle->setContentsMargins(0, 1, 0, 0);
  lblVersion = new QLabel(this);
  lblVersion->setObjectName("lblVersion");
  lblDescription = new QLabel(this);
  lblDescription->setObjectName("lblDescription");
  lblDisclaimer = new QLabel(this);
  lblDisclaimer->setObjectName("lblDisclaimer");
  for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
  }
  cmdOk = new QPushButton(this);
  cmdOk->setObjectName("cmdOk");
  cmdSysInfo = new QPushButton(this);
  cmdSysInfo->setObjectName("cmdSysInfo");

  auto* text = new QVBoxLayout;
  text->addWidget(lblTitle);
  text->addWidget(lblVersion);
  text->addWidget(lblDescription);
  text->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(picIcon);
  top->addLayout(text, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOk);
  buttons->addWidget(cmdSysInfo);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblDisclaimer, 1);
  bottom->addLayout(buttons);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addWidget(Line(this));
  outer->addWidget(Line(this));
  outer->addLayout(bottom);

  connect(cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
  // OK is the box's default and cancel button: Enter on it and Escape
  // anywhere in the box close it; Enter on the other button presses that one.
  cmdOk->setAutoDefault(true);
  cmdSysInfo->setAutoDefault(true);
}

void frmAbout::loadHandling() {
  SetLanguageTexts(state());
  placeCentred(QSize(twipsX(kWidthTwips), twipsY(kHeightTwips)), twipsY(kRaiseTwips));
  lblTitle->setText(Q(state().AboutTexts[0]));
  lblVersion->setText(Q(state().AboutTexts[1]));
  lblDescription->setText(Q(state().AboutTexts[2]));
  lblDisclaimer->setText(Q(state().AboutTexts[3]));
  cmdOk->setText(Q(state().ConfirmText));
  cmdSysInfo->setText(Q(state().SysInfoText));
  cmdOk->setFocus();
  setWindowTitle(qtext(mainwin::kCapAbout));
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    cmdOk_Click();
    return;
  }
  Form::keyPressEvent(event);
}

void frmAbout::cmdOk_Click() { host().unloadForm(FormId::frmAbout); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(platform_, context().messages); }

}  // namespace brel
