#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>

#include "fakes.h"
#include "main_forms.h"

namespace brel::test {
namespace {

std::string Text(const QAction* action) { return action->text().toStdString(); }

TEST(MainWindowMenus, CaptionsShortcutsAndStoredStatesAfterStartup) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();

  struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool visible;
    bool enabled;
  };
  const Item items[] = {
      {"File", "File", "", true, true},
      {"File_New", "New", "Ctrl+N", true, true},
      {"File_Open", "Open", "Ctrl+O", true, true},
      {"File_save", "Save", "Ctrl+S", true, true},
      {"File_saveas", "Save As", "", true, true},
      {"File_exit", "Exit", "", true, true},
      {"Band_Range", "Model", "", false, false},
      {"Edit", "Edit", "", true, true},
      {"Channel_edit", "Channel Information ", "", true, true},
      {"Optional_edit", "Optional Features", "", true, true},
      {"Dtmf_edit", "DTMF", "", true, true},
      {"Program", "Program", "", true, true},
      {"Prog_read", "Read from radio", "Ctrl+R", true, true},
      {"Prog_write", "Write to radio", "Ctrl+W", true, true},
      {"Adj", "调试", "", false, false},
      {"Adj_Edit", "参数编辑", "", true, true},
      {"Adj_Online", "在线测试", "", true, true},
      {"PC_PassWord", "PassWord", "", false, false},
      {"proc_setup", "Communication", "", true, true},
      {"Language_Setup", "Language", "", true, false},
      {"Language_chn", "中文", "", true, true},
      {"Language_eng", "English", "", true, true},
      {"about", "About", "", false, false},
      {"Menu_Exit", "Exit", "", true, true},
  };
  for (const Item& item : items) {
    QAction* action = f.window.menuAction(item.name);
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(Text(action), item.caption) << item.name;
    EXPECT_EQ(action->shortcut().toString().toStdString(), item.shortcut) << item.name;
    EXPECT_EQ(action->isVisible(), item.visible) << item.name;
    EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
  }
  EXPECT_TRUE(f.window.menuAction("Language_eng")->isChecked());
  EXPECT_FALSE(f.window.menuAction("Language_chn")->isChecked());

  // The bar in its order; of it a user reaches File, Edit, Program,
  // Communication and Exit.
  std::vector<std::string> bar, usable;
  for (QAction* action : f.window.menuBar()->actions()) {
    bar.push_back(action->objectName().toStdString());
    if (action->isVisible() && action->isEnabled()) usable.push_back(Text(action));
  }
  EXPECT_EQ(bar, (std::vector<std::string>{"File", "Band_Range", "Edit", "Program", "Adj", "PC_PassWord",
                                           "proc_setup", "Language_Setup", "about", "Menu_Exit"}));
  EXPECT_EQ(usable, (std::vector<std::string>{"File", "Edit", "Program", "Communication", "Exit"}));
}

TEST(MainWindowMenus, CommandsWhoseWindowIsMissingAreGreyed) {
  MainWindowFixture f;
  f.window.registerForms([](FormHost& host) { RegisterMainForms(host); });
  for (const char* name : {"File_Open", "File_save", "Channel_edit", "Optional_edit", "Dtmf_edit", "Prog_read",
                           "Prog_write", "proc_setup"})
    EXPECT_FALSE(f.window.menuAction(name)->isEnabled()) << name;
  for (const char* name : {"File_New", "File_saveas", "File_exit", "Menu_Exit", "File", "Edit", "Program"})
    EXPECT_TRUE(f.window.menuAction(name)->isEnabled()) << name;
  // Registered, but stored hidden and disabled all the same.
  EXPECT_FALSE(f.window.menuAction("Band_Range")->isEnabled());
  EXPECT_FALSE(f.window.menuAction("about")->isVisible());

  for (const char* key : {"open", "save", "edit_chann", "read", "write"})
    EXPECT_FALSE(f.window.toolbarButton(key)->isEnabled()) << key;
  EXPECT_TRUE(f.window.toolbarButton("exit")->isEnabled());
}

TEST(MainWindowToolbar, KeysTooltipsAndSameEffectAsTheMenu) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  const std::vector<std::pair<const char*, const char*>> tooltips{
      {"open", "Open Parameter file"}, {"save", "Save Parameter"},      {"edit_chann", "Channel Information"},
      {"read", "Read Data From Radio"}, {"write", "Write Data to Radio"}, {"exit", "Exit"}};
  for (const auto& [key, tip] : tooltips) EXPECT_EQ(f.window.toolbarButton(key)->toolTip().toStdString(), tip);

  const std::vector<std::pair<const char*, const char*>> pairs{
      {"open", "File_Open"}, {"save", "File_save"}, {"edit_chann", "Channel_edit"},
      {"read", "Prog_read"}, {"write", "Prog_write"}};
  for (const auto& [key, item] : pairs) {
    f.window.menuAction(item)->trigger();  // loads it (or reloads the editor)
    f.log.clear();
    f.window.menuAction(item)->trigger();
    const Log byMenu = f.log;
    f.log.clear();
    f.window.toolbarButton(key)->trigger();
    EXPECT_EQ(f.log, byMenu) << key;
    ASSERT_EQ(byMenu.size(), 2u) << key;  // unload, then load
    EXPECT_EQ(byMenu[0].substr(0, 7), "unload ") << key;
  }
  FlushDeletes();

  f.log.clear();
  for (const char* key : {"Open", "EXIT", "", "edit"}) f.window.Toolbar1_ButtonClick(key);
  EXPECT_TRUE(f.log.empty());
  EXPECT_TRUE(f.window.isVisible());
}

TEST(MainWindowCommands, ReloadGivesAFreshWindowButCommunicationOnlyLoads) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();

  QPointer<Form> before = f.window.host().form(FormId::frm_chann);
  f.log.clear();
  f.window.menuAction("Channel_edit")->trigger();
  EXPECT_EQ(f.log, (Log{"unload frm_chann", "load frm_chann"}));
  EXPECT_NE(f.window.host().form(FormId::frm_chann), before.data());

  f.window.menuAction("proc_setup")->trigger();
  Form* setup = f.window.host().form(FormId::Form_setup);
  f.log.clear();
  f.window.menuAction("proc_setup")->trigger();
  EXPECT_TRUE(f.log.empty());
  EXPECT_EQ(f.window.host().form(FormId::Form_setup), setup);

  // New and Save As have no handler.
  f.window.menuAction("File_New")->trigger();
  f.window.menuAction("File_saveas")->trigger();
  EXPECT_TRUE(f.log.empty());

  // The stored-hidden commands and the loaders nothing calls.
  f.window.about_Click();
  f.window.about_Click();
  EXPECT_EQ(f.log, (Log{"load frmAbout"}));
  f.log.clear();
  f.window.OpenFmEditor();
  EXPECT_EQ(f.log, (Log{"unload frm_chann", "load frm_FM"}));
}

TEST(MainWindowCommands, BusyWindowIsNotReloadedFromMenuOrToolbar) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  f.window.menuAction("Prog_read")->trigger();
  Form* reader = f.window.host().form(FormId::Form_Comm_Read);
  f.busy = {FormId::frm_chann, FormId::Form_Comm_Read};
  f.log.clear();

  f.window.menuAction("Channel_edit")->trigger();
  f.window.toolbarButton("read")->trigger();
  EXPECT_EQ(f.log, (Log{"refuse frm_chann", "message Read-write operating，don't close the window.,",
                        "refuse Form_Comm_Read", "message Read-write operating，don't close the window.,"}));
  EXPECT_EQ(f.window.host().form(FormId::Form_Comm_Read), reader);
  EXPECT_TRUE(f.window.host().isLoaded(FormId::frm_chann));
}

TEST(MainWindowExit, UnloadsInOrderWithoutAQuestion) {
  for (const char* how : {"File_exit", "Menu_Exit", "toolbar"}) {
    MainWindowFixture f;
    f.registerFakes();
    f.startUp();
    f.window.LoadDtmfEditor();
    f.window.LoadOptionEditor();
    f.window.LoadModelDialog();
    f.log.clear();

    if (std::string(how) == "toolbar") f.window.toolbarButton("exit")->trigger();
    else f.window.menuAction(how)->trigger();

    EXPECT_EQ(f.log, (Log{"unload Form_type", "unload frm_chann", "unload frm_option", "unload frm_dtmf"})) << how;
    EXPECT_FALSE(f.window.isVisible()) << how;
    EXPECT_TRUE(f.messages.shown.empty()) << how;
  }
}

TEST(MainWindowExit, WindowWithARunningTransferKeepsTheProgramRunning) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  f.window.LoadOptionEditor();
  f.window.LoadDtmfEditor();
  f.busy = {FormId::frm_option};
  f.log.clear();

  f.window.File_exit_Click();
  // Asked once: its refusal shows once, and the program stays exactly as it
  // was, every window still open.
  EXPECT_EQ(f.log, (Log{"refuse frm_option", "message Read-write operating，don't close the window.,"}));
  EXPECT_TRUE(f.window.isVisible());
  for (FormId id : {FormId::frm_chann, FormId::frm_option, FormId::frm_dtmf})
    EXPECT_TRUE(f.window.host().isLoaded(id)) << FormName(id);

  // Once the transfer is over the same command ends the program.
  f.busy.clear();
  f.window.File_exit_Click();
  EXPECT_FALSE(f.window.isVisible());
  EXPECT_FALSE(f.window.host().isLoaded(FormId::frm_dtmf));
}

TEST(MainWindowExit, CloseBoxUnloadsEveryChildWindow) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  f.window.proc_setup_Click();
  f.window.Prog_write_Click();
  f.log.clear();
  EXPECT_TRUE(f.window.close());
  EXPECT_EQ(f.log, (Log{"unload frm_chann", "unload Form_setup", "unload Form_Comm_Write"}));
}

// On a desktop the window manager's title bar and panels take part of the
// screen: a window the screen's size would put its status bar below the
// screen's edge, so the window is maximised into what the desktop leaves.
// Without a window manager it is the whole screen, at its top left corner.
TEST(MainWindowPlacement, MaximisedUnderAWindowManagerTheWholeScreenWithout) {
  struct Case {
    const char* name;
    Desktop desktop;
    QRect geometry;
    bool maximised;
  };
  const Case cases[] = {
      {"no window manager", Desktop{false, QRect(0, 30, 1024, 708)}, QRect(0, 0, 1024, 768), false},
      {"window manager, a panel on top", Desktop{true, QRect(0, 30, 1024, 738)}, QRect(0, 30, 1024, 738), true},
      {"window manager, area unknown", Desktop{true, QRect()}, QRect(0, 0, 1024, 768), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MainWindowFixture f;
    f.registerFakes();
    f.window.setDesktop(c.desktop);
    f.startUp();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_EQ(f.window.isMaximized(), c.maximised);
    if (c.maximised) {
      EXPECT_EQ(f.window.normalGeometry().size(), c.geometry.size());
    } else {
      EXPECT_EQ(f.window.size(), c.geometry.size());
      EXPECT_EQ(f.window.frameGeometry().topLeft(), c.geometry.topLeft());
    }
    // The status panels keep their shares of the screen whatever the window.
    EXPECT_EQ(f.window.panels().label(2)->sizeHint().width(), 154);
  }
  // At another screen size the same.
  const ScreenTwips large = ScreenTwipsFromPixels(1600, 1200, 96, 96);
  EXPECT_EQ(PlaceMainWindow(large, Desktop{false, QRect(0, 0, 1600, 1170)}).geometry, QRect(0, 0, 1600, 1200));
  EXPECT_EQ(PlaceMainWindow(large, Desktop{true, QRect(0, 0, 1600, 1170)}).geometry, QRect(0, 0, 1600, 1170));
}

TEST(MainWindowPlacement, WhichPlatformsHaveAWindowManager) {
  for (const char* name : {"xcb", "wayland", "windows", "cocoa"}) EXPECT_TRUE(PlatformHasWindowManager(name)) << name;
  for (const char* name : {"offscreen", "minimal", "linuxfb", "eglfs", "vnc"})
    EXPECT_FALSE(PlatformHasWindowManager(name)) << name;
}

}  // namespace
}  // namespace brel::test
