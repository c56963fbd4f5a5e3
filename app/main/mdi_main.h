// The main window: menus, toolbar and status bar over the area in which
// every editor and dialog lives as a child window.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "form.h"
#include "mdi_form_host.h"
#include "platform.h"
#include "startup_sequence.h"
#include "status_bar_panels.h"

class QAction;
class QMdiArea;
class QToolBar;

namespace brel {

namespace link {
class StartupIdentification;
}

class MDImain : public QMainWindow, public StartupWindow {
  Q_OBJECT
 public:
  // Every window talks to the radio through `link`.  `messages` null:
  // message boxes on screen, owned by the window.
  MDImain(ProgramState& state, link::LinkServices& link, MessageSink* messages = nullptr);
  ~MDImain() override;

  // Registers the child windows, then greys every menu item and toolbar
  // button whose window is not among them.
  void registerForms(const std::function<void(FormHost&)>& registrar);

  // The desktop the window is shown on (see PlaceMainWindow); until told,
  // one without a window manager.
  void setDesktop(const Desktop& desktop) { desktop_ = desktop; }

  // The start-up sequence; the window is shown from its seventh step on.
  // Without `link` steps, the radio link handed to the constructor probes
  // the ports and identifies the radio.
  void runStartup(const Clock& clock, const ScreenTwips& screen);
  void runStartup(const Clock& clock, const ScreenTwips& screen, StartupLink link);

  // The start-up identification, once the start-up has created it.
  link::StartupIdentification* identification() const { return identification_.get(); }

  ProgramState& state() const { return state_; }
  MessageSink& messages() const { return *messages_; }
  FormHost& host() const { return *host_; }
  AppContext& context() const { return *context_; }
  StatusBarPanels& panels() const { return *panels_; }
  QMdiArea* area() const { return area_; }

  // A menu, menu item or bar command by its name (`File_Open`, `Edit`, ...).
  QAction* menuAction(const QString& name) const;
  // A toolbar button by its key ("open", ..., "exit").
  QAction* toolbarButton(const QString& key) const;

  // --- commands ----------------------------------------------------------
  void File_Open_Click();
  void File_save_Click();
  void File_exit_Click();
  void Menu_Exit_Click();
  void Channel_edit_Click();
  void Optional_edit_Click();
  void Dtmf_edit_Click();
  void Prog_read_Click();
  void Prog_write_Click();
  void proc_setup_Click();
  void Band_Range_Click();
  void about_Click();
  void Adj_Edit_Click();
  void PC_PassWord_Click();
  void Language_chn_Click();
  void Language_eng_Click();
  // Compared exactly, case included; an unknown key does nothing.
  void Toolbar1_ButtonClick(const QString& key);

  // Unloads the model dialog, the channel and option editors and the About
  // box, then closes the main window with every child window still loaded.
  // A window whose own transfer runs refuses, and the program goes on.
  void ExitSequence();

  // --- loaders that no command reaches -----------------------------------
  void LoadChannelEditor();
  void OpenFmEditor();
  void LoadModelDialog();
  void LoadTwoToneEditor();
  void LoadFiveToneEditor();
  void LoadDtmfEditor();
  void LoadOptionEditor();

  // --- StartupWindow -----------------------------------------------------
  void setPanelWidths(const ScreenTwips& screen) override;
  void applyStartupCaptions() override;
  void sizeAndShow(const ScreenTwips& screen) override;
  void loadChannelEditor() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void applyCaptions(bool chinese, bool startupWording);
  void switchLanguage(bool toChinese);
  void updateCommandAvailability();
  // Every loaded child window is asked to unload; false if one refused.
  bool unloadChildren();

  ProgramState& state_;
  std::unique_ptr<MessageSink> ownMessages_;
  MessageSink* messages_;
  QMdiArea* area_;
  MdiFormHost* host_;
  std::unique_ptr<StatusBarPanels> panels_;
  std::unique_ptr<AppContext> context_;
  QToolBar* toolbar_ = nullptr;
  Desktop desktop_;
  std::map<QString, QAction*> menuActions_;
  std::map<QString, QAction*> toolbarButtons_;
  // Writes the status panels: goes before them.
  std::unique_ptr<link::StartupIdentification> identification_;
};

}  // namespace brel
