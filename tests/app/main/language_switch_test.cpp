#include <gtest/gtest.h>

#include <QAction>

#include "fakes.h"

namespace brel::test {
namespace {

struct Captions {
  std::map<std::string, std::string> menus;
  std::vector<std::string> tooltips;
  std::map<int, std::string> panels;
  std::string title;
  bool chnChecked;
  bool engChecked;
};

Captions Read(MDImain& w) {
  Captions c;
  for (const char* name : {"File", "File_New", "File_Open", "File_save", "File_saveas", "File_exit", "Band_Range",
                           "Edit", "Channel_edit", "Optional_edit", "Dtmf_edit", "Program", "Prog_read",
                           "Prog_write", "PC_PassWord", "proc_setup", "Language_Setup", "about", "Menu_Exit",
                           "Adj", "Adj_Edit", "Adj_Online", "Language_chn", "Language_eng"})
    c.menus[name] = w.menuAction(name)->text().toStdString();
  for (const char* key : {"open", "save", "edit_chann", "read", "write", "exit"})
    c.tooltips.push_back(w.toolbarButton(key)->toolTip().toStdString());
  for (int k = 1; k <= 11; ++k) c.panels[k] = w.panels().panelText(k);
  c.title = w.windowTitle().toStdString();
  c.chnChecked = w.menuAction("Language_chn")->isChecked();
  c.engChecked = w.menuAction("Language_eng")->isChecked();
  return c;
}

TEST(LanguageSwitch, ToChineseRecaptionsAndRefreshesSharedTexts) {
  MainWindowFixture f;
  f.startUp({2});
  f.window.Language_chn_Click();

  EXPECT_EQ(f.state->LanguageFlag, -1);
  EXPECT_EQ(f.state->ConfirmText, "确定");
  const Captions c = Read(f.window);
  const std::map<std::string, std::string> menus{
      {"File", "文件"},          {"File_New", "新建"},         {"File_Open", "打开"},
      {"File_save", "保存"},     {"File_saveas", "另存为"},    {"File_exit", "退出"},
      {"Band_Range", "机型"},    {"Edit", "编辑"},             {"Channel_edit", "信道信息"},
      {"Optional_edit", "可选功能"}, {"Dtmf_edit", "DTMF(双音多频)"}, {"Program", "编程"},
      {"Prog_read", "从对讲机读取数据"}, {"Prog_write", "向对讲机写入数据"}, {"PC_PassWord", "通行字"},
      {"proc_setup", "端口"},    {"Language_Setup", "语言"},   {"about", "关于"},
      {"Menu_Exit", "退出"},     {"Adj", "调试"},              {"Adj_Edit", "参数编辑"},
      {"Adj_Online", "在线测试"}, {"Language_chn", "中文"},     {"Language_eng", "English"}};
  EXPECT_EQ(c.menus, menus);
  EXPECT_EQ(c.tooltips, (std::vector<std::string>{"打开参数文件", "保存参数", "信道参数编辑", "从对讲机读取数据",
                                                  "将参数写入对讲机", "退出"}));
  // Panel 2 keeps the link text of the old language; 3, 7 and 8 keep theirs.
  const std::map<int, std::string> panels{
      {1, "状态"}, {2, "Connecting with transceiver... "}, {3, "COM2"}, {4, "版本"}, {5, "V13.03.28"}, {6, "频段"},
      {7, "VHF0: 136 -   174MHZ"}, {8, "UHF0: 400 -   520MHZ"}, {9, ""}, {10, ""}, {11, ""}};
  EXPECT_EQ(c.panels, panels);
  EXPECT_EQ(c.title, "Zarn/Drav 系列编程软件");
  EXPECT_TRUE(c.chnChecked);
  EXPECT_FALSE(c.engChecked);
}

TEST(LanguageSwitch, BackToEnglishRestoresTheStartupTexts) {
  MainWindowFixture f;
  f.startUp({2});
  const Captions atStart = Read(f.window);
  f.window.Language_chn_Click();
  f.window.Language_eng_Click();

  EXPECT_EQ(f.state->LanguageFlag, 0);
  EXPECT_EQ(f.state->ConfirmText, "Confirm");
  const Captions c = Read(f.window);
  EXPECT_EQ(c.menus, atStart.menus);
  EXPECT_EQ(c.tooltips, atStart.tooltips);
  EXPECT_EQ(c.panels, atStart.panels);
  EXPECT_EQ(c.title, atStart.title);
  EXPECT_TRUE(c.engChecked);
  EXPECT_FALSE(c.chnChecked);
}

TEST(LanguageSwitch, ReloadsOpenWindowsInTheFixedOrder) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  // Opened in another order than the switch reloads them.
  f.window.Dtmf_edit_Click();
  f.window.Prog_write_Click();
  f.window.File_Open_Click();
  f.window.proc_setup_Click();
  f.window.Optional_edit_Click();
  f.window.LoadModelDialog();  // keeps no flag: not reloaded
  f.log.clear();

  f.window.Language_chn_Click();
  EXPECT_EQ(f.log, (Log{"unload frm_option", "load frm_option", "unload frm_chann", "load frm_chann",
                        "unload Form_setup", "load Form_setup", "unload Form_open_chann", "load Form_open_chann",
                        "unload Form_Comm_Write", "load Form_Comm_Write", "unload frm_dtmf", "load frm_dtmf"}));
}

TEST(LanguageSwitch, SameLanguageKeepsSharedTextsButStillReloads) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  f.state->ConfirmText = "kept";
  f.window.menuAction("File")->setText("stale");
  f.log.clear();

  f.window.Language_eng_Click();
  EXPECT_EQ(f.state->LanguageFlag, 0);
  EXPECT_EQ(f.state->ConfirmText, "kept");
  EXPECT_EQ(f.window.menuAction("File")->text().toStdString(), "File");
  EXPECT_EQ(f.log, (Log{"unload frm_chann", "load frm_chann"}));
}

TEST(LanguageSwitch, WindowWithARunningTransferStaysAsItIs) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp();
  f.window.Prog_read_Click();
  f.window.Dtmf_edit_Click();
  Form* reader = f.window.host().form(FormId::Form_Comm_Read);
  f.busy = {FormId::Form_Comm_Read};
  f.log.clear();

  f.window.Language_chn_Click();
  // Refused in the new language; the windows after it are reloaded as usual.
  EXPECT_EQ(f.log, (Log{"unload frm_chann", "load frm_chann", "refuse Form_Comm_Read",
                        "message 正在进行读写操作,请勿关窗口 ！,", "unload frm_dtmf", "load frm_dtmf"}));
  EXPECT_EQ(f.window.host().form(FormId::Form_Comm_Read), reader);
  EXPECT_EQ(f.state->FormOpenFlags.ReadFormOpen, -1);
}

}  // namespace
}  // namespace brel::test
