#include "mdi_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <vector>

#include "main_texts.h"
#include "qt_message_sink.h"
#include "shared_texts.h"
#include "startup.h"  // the link's StartupIdentification
#include "startup_link.h"

namespace brel {

namespace {

constexpr FormId kLastFormId = FormId::Form_save_fm;

std::vector<FormId> AllFormIds() {
  std::vector<FormId> ids;
  for (int i = 0; i <= static_cast<int>(kLastFormId); ++i) ids.push_back(static_cast<FormId>(i));
  return ids;
}

// The window each command opens; the command is greyed when that window is
// not part of this build.
const std::map<QString, FormId>& MenuWindows() {
  static const std::map<QString, FormId> windows{
      {"File_Open", FormId::Form_open_chann},     {"File_save", FormId::Form_save_chann},
      {"Channel_edit", FormId::frm_chann},        {"Optional_edit", FormId::frm_option},
      {"Dtmf_edit", FormId::frm_dtmf},            {"Prog_read", FormId::Form_Comm_Read},
      {"Prog_write", FormId::Form_Comm_Write},    {"proc_setup", FormId::Form_setup},
      {"Band_Range", FormId::Form_type},          {"about", FormId::frmAbout},
      {"Adj_Edit", FormId::frm_Adj_Txp},          {"PC_PassWord", FormId::Form_Write_PassWord},
  };
  return windows;
}

const std::map<QString, FormId>& ToolbarWindows() {
  static const std::map<QString, FormId> windows{
      {"open", FormId::Form_open_chann}, {"save", FormId::Form_save_chann}, {"edit_chann", FormId::frm_chann},
      {"read", FormId::Form_Comm_Read},  {"write", FormId::Form_Comm_Write},
  };
  return windows;
}

QIcon ToolbarIcon(QStyle* style, const QString& key) {
  QStyle::StandardPixmap pixmap = QStyle::SP_DialogCloseButton;
  if (key == "open") pixmap = QStyle::SP_DialogOpenButton;
  else if (key == "save") pixmap = QStyle::SP_DialogSaveButton;
  else if (key == "edit_chann") pixmap = QStyle::SP_FileDialogDetailedView;
  else if (key == "read") pixmap = QStyle::SP_ArrowDown;
  else if (key == "write") pixmap = QStyle::SP_ArrowUp;
  return style->standardIcon(pixmap);
}

}  // namespace

MDImain::MDImain(ProgramState& state, link::LinkServices& link, MessageSink* messages) : state_(state) {
  setObjectName("MDImain");
  if (messages == nullptr) {
    ownMessages_ = std::make_unique<QtMessageSink>(this);
    messages = ownMessages_.get();
  }
  messages_ = messages;

  area_ = new QMdiArea(this);
  area_->setObjectName("MDIClient");
  setCentralWidget(area_);
  host_ = new MdiFormHost(area_, this);

  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar1");
  bar->setSizeGripEnabled(false);
  panels_ = std::make_unique<StatusBarPanels>(bar);

  context_ = std::make_unique<AppContext>(AppContext{state_, *messages_, *panels_, *host_, link});
  host_->setContext(context_.get());

  buildMenus();
  buildToolbar();
  updateCommandAvailability();
}

MDImain::~MDImain() {
  // Child windows run their unload handling (ports closed, timers stopped)
  // while the context they use still exists.
  std::vector<QPointer<QWidget>> frames;
  for (FormId id : AllFormIds())
    if (Form* f = host_->form(id)) frames.emplace_back(f->parentWidget());
  host_->unloadAll();
  for (const auto& frame : frames) delete frame.data();
}

void MDImain::buildMenus() {
  std::map<QString, QMenu*> menus;
  for (const auto& entry : mainwin::kMenuEntries) {
    const QString name = entry.name;
    const QString caption = Q(entry.storedCaption);
    QAction* action = nullptr;
    if (entry.isMenu) {
      QMenu* menu = entry.parent ? menus.at(entry.parent)->addMenu(caption) : menuBar()->addMenu(caption);
      menu->setObjectName(name);
      menus[name] = menu;
      action = menu->menuAction();
    } else if (entry.parent) {
      action = menus.at(entry.parent)->addAction(caption);
    } else {
      action = menuBar()->addAction(caption);
    }
    action->setObjectName(name);
    if (*entry.shortcut) action->setShortcut(QKeySequence(Q(entry.shortcut)));
    action->setVisible(entry.storedVisible);
    action->setEnabled(entry.storedEnabled);
    menuActions_[name] = action;
  }
  menuActions_.at("Language_chn")->setCheckable(true);
  menuActions_.at("Language_eng")->setCheckable(true);

  const std::map<QString, void (MDImain::*)()> handlers{
      {"File_Open", &MDImain::File_Open_Click},         {"File_save", &MDImain::File_save_Click},
      {"File_exit", &MDImain::File_exit_Click},         {"Menu_Exit", &MDImain::Menu_Exit_Click},
      {"Channel_edit", &MDImain::Channel_edit_Click},   {"Optional_edit", &MDImain::Optional_edit_Click},
      {"Dtmf_edit", &MDImain::Dtmf_edit_Click},         {"Prog_read", &MDImain::Prog_read_Click},
      {"Prog_write", &MDImain::Prog_write_Click},       {"proc_setup", &MDImain::proc_setup_Click},
      {"Band_Range", &MDImain::Band_Range_Click},       {"about", &MDImain::about_Click},
      {"Adj_Edit", &MDImain::Adj_Edit_Click},           {"PC_PassWord", &MDImain::PC_PassWord_Click},
      {"Language_chn", &MDImain::Language_chn_Click},   {"Language_eng", &MDImain::Language_eng_Click},
  };
  for (const auto& [name, handler] : handlers) {
    connect(menuActions_.at(name), &QAction::triggered, this, handler);
  }
}

void MDImain::buildToolbar() {
  toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
  toolbar_->setObjectName("Toolbar1");
  toolbar_->setMovable(false);
  for (const auto& entry : mainwin::kToolbarEntries) {
    const QString key = entry.key;
    QAction* button = toolbar_->addAction(ToolbarIcon(style(), key), QString());
    button->setObjectName("Toolbar1_" + key);
    button->setData(key);
    button->setToolTip(Q(entry.tooltip.zh));
    connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    toolbarButtons_[key] = button;
  }
}

QAction* MDImain::menuAction(const QString& name) const {
  auto it = menuActions_.find(name);
  return it == menuActions_.end() ? nullptr : it->second;
}

QAction* MDImain::toolbarButton(const QString& key) const {
  auto it = toolbarButtons_.find(key);
  return it == toolbarButtons_.end() ? nullptr : it->second;
}

void MDImain::registerForms(const std::function<void(FormHost&)>& registrar) {
  if (registrar) registrar(*host_);
  updateCommandAvailability();
}

void MDImain::updateCommandAvailability() {
  for (const auto& entry : mainwin::kMenuEntries) {
    auto window = MenuWindows().find(entry.name);
    if (window == MenuWindows().end()) continue;
    menuActions_.at(entry.name)->setEnabled(entry.storedEnabled && host_->isRegistered(window->second));
  }
  for (const auto& [key, id] : ToolbarWindows()) toolbarButtons_.at(key)->setEnabled(host_->isRegistered(id));
}

void MDImain::runStartup(const Clock& clock, const ScreenTwips& screen) {
  identification_ = std::make_unique<link::StartupIdentification>(state_, *panels_, context_->link);
  runStartup(clock, screen, StartupLinkOver(*identification_));
}

void MDImain::runStartup(const Clock& clock, const ScreenTwips& screen, StartupLink link) {
  StartupContext startup{state_, clock, *messages_, *panels_, *this, screen, std::move(link)};
  RunStartup(startup);
}

// --- captions and the language switch --------------------------------------

void MDImain::applyCaptions(bool chinese, bool startupWording) {
  const std::int16_t flag = chinese ? -1 : 0;
  for (std::size_t i = 0; i < mainwin::kToolbarEntries.size(); ++i)
    toolbarButtons_.at(mainwin::kToolbarEntries[i].key)->setToolTip(Q(Pick(flag, mainwin::kToolbarEntries[i].tooltip)));

  QAction* other = menuActions_.at(chinese ? "Language_eng" : "Language_chn");
  QAction* own = menuActions_.at(chinese ? "Language_chn" : "Language_eng");
  other->setChecked(false);
  own->setChecked(true);

  for (const auto& entry : mainwin::kMenuEntries)
    if (entry.caption) menuActions_.at(entry.name)->setText(Q(Pick(flag, *entry.caption)));

  panels_->setPanelText(1, Pick(flag, mainwin::kPanelState));
  panels_->setPanelText(4, Pick(flag, startupWording ? mainwin::kPanelVersionStartup : mainwin::kPanelVersion));
  panels_->setPanelText(5, mainwin::kVersionText);
  panels_->setPanelText(6, Pick(flag, startupWording ? mainwin::kPanelBandStartup : mainwin::kPanelBand));
  panels_->setPanelText(9, "");
  panels_->setPanelText(10, "");
  panels_->setPanelText(11, chinese ? mainwin::kBlankText : mainwin::kBrandText);

  setWindowTitle(Q(chinese ? mainwin::kChineseTitle : mainwin::kEnglishTitle));
}

void MDImain::switchLanguage(bool toChinese) {
  if ((state_.LanguageFlag != 0) != toChinese) {
    state_.LanguageFlag = toChinese ? -1 : 0;
    SetLanguageTexts(state_);
  }
  applyCaptions(toChinese, false);

  struct Reload {
    std::int16_t FormOpenFlagSet::*flag;
    FormId id;
  };
  static constexpr Reload kOrder[] = {
      {&FormOpenFlagSet::OptionFormOpen, FormId::frm_option},
      {&FormOpenFlagSet::ChannFormOpen, FormId::frm_chann},
      {&FormOpenFlagSet::SetupFormOpen, FormId::Form_setup},
      {&FormOpenFlagSet::SaveFileFormOpen, FormId::Form_save_chann},
      {&FormOpenFlagSet::OpenFileFormOpen, FormId::Form_open_chann},
      {&FormOpenFlagSet::ReadFormOpen, FormId::Form_Comm_Read},
      {&FormOpenFlagSet::WriteFormOpen, FormId::Form_Comm_Write},
      {&FormOpenFlagSet::DtmfFormOpen, FormId::frm_dtmf},
  };
  // Each flag is read just before its window's turn: a reload may change
  // what the later windows find.
  for (const Reload& reload : kOrder)
    if (state_.FormOpenFlags.*reload.flag == -1) host_->reloadForm(reload.id);
}

void MDImain::Language_chn_Click() { switchLanguage(true); }
void MDImain::Language_eng_Click() { switchLanguage(false); }

// --- commands ----------------------------------------------------------------

void MDImain::File_Open_Click() { host_->reloadForm(FormId::Form_open_chann); }
void MDImain::File_save_Click() { host_->reloadForm(FormId::Form_save_chann); }
void MDImain::File_exit_Click() { ExitSequence(); }
void MDImain::Menu_Exit_Click() { ExitSequence(); }
void MDImain::Channel_edit_Click() { host_->reloadForm(FormId::frm_chann); }
void MDImain::Optional_edit_Click() { host_->reloadForm(FormId::frm_option); }
void MDImain::Dtmf_edit_Click() { host_->reloadForm(FormId::frm_dtmf); }
void MDImain::Prog_read_Click() { host_->reloadForm(FormId::Form_Comm_Read); }
void MDImain::Prog_write_Click() { host_->reloadForm(FormId::Form_Comm_Write); }
void MDImain::proc_setup_Click() { host_->loadForm(FormId::Form_setup); }
void MDImain::Band_Range_Click() { host_->reloadForm(FormId::Form_type); }
void MDImain::about_Click() { host_->loadForm(FormId::frmAbout); }
void MDImain::Adj_Edit_Click() { host_->loadForm(FormId::frm_Adj_Txp); }
void MDImain::PC_PassWord_Click() { host_->reloadForm(FormId::Form_Write_PassWord); }

void MDImain::Toolbar1_ButtonClick(const QString& key) {
  if (key == "open") File_Open_Click();
  else if (key == "save") File_save_Click();
  else if (key == "edit_chann") Channel_edit_Click();
  else if (key == "read") Prog_read_Click();
  else if (key == "write") Prog_write_Click();
  else if (key == "exit") ExitSequence();
}

void MDImain::ExitSequence() {
  // A window talking to the radio says so and the program stays exactly as
  // it is: ending now would cut a write off half-way, and closing some
  // windows first would leave the program half-closed.
  if (!host_->queryUnloadAll()) return;
  for (FormId id : {FormId::Form_type, FormId::frm_chann, FormId::frm_option, FormId::frmAbout})
    host_->unloadForm(id, FormHost::UnloadMode::Force);
  close();
}

void MDImain::LoadChannelEditor() { host_->loadForm(FormId::frm_chann); }
void MDImain::OpenFmEditor() {
  host_->unloadForm(FormId::frm_chann);
  host_->loadForm(FormId::frm_FM);
}
void MDImain::LoadModelDialog() { host_->loadForm(FormId::Form_type); }
void MDImain::LoadTwoToneEditor() { host_->loadForm(FormId::frm_2tone); }
void MDImain::LoadFiveToneEditor() { host_->loadForm(FormId::frm_5tone); }
void MDImain::LoadDtmfEditor() { host_->loadForm(FormId::frm_dtmf); }
void MDImain::LoadOptionEditor() { host_->loadForm(FormId::frm_option); }

bool MDImain::unloadChildren() {
  if (!host_->queryUnloadAll()) return false;
  for (FormId id : AllFormIds()) host_->unloadForm(id, FormHost::UnloadMode::Force);
  return true;
}

void MDImain::closeEvent(QCloseEvent* event) {
  if (unloadChildren()) event->accept();
  else event->ignore();
}

// --- start-up steps on the window ----------------------------------------------

void MDImain::setPanelWidths(const ScreenTwips& screen) { panels_->setWidths(screen); }

void MDImain::applyStartupCaptions() { applyCaptions(state_.LanguageFlag != 0, true); }

void MDImain::sizeAndShow(const ScreenTwips& screen) {
  const MainWindowPlacement place = PlaceMainWindow(screen, desktop_);
  resize(place.geometry.size());
  move(place.geometry.topLeft());  // where its frame goes
  if (place.maximised) showMaximized();
  else show();
}

void MDImain::loadChannelEditor() { host_->loadForm(FormId::frm_chann); }

}  // namespace brel
