// The main window's own texts: title, version, brand, and the captions of its
// menus, toolbar and status panels in both languages.
#pragma once

#include <array>

#include "bilingual.h"

namespace brel::mainwin {

inline constexpr const char* kVersionText = "V13.03.28";
inline constexpr const char* kEnglishTitle = "Brel Pro Series Program Software. ";
inline constexpr const char* kChineseTitle = "Zarn/Drav 系列编程软件";
inline constexpr const char* kBrandText = "Velmor ";
inline constexpr const char* kBlankText = "";

// Title of the messages that carry no title of their own.
inline constexpr const char* kApplicationTitle = "brel-programmer";

// Shown at start-up on a small screen, in Chinese whatever the language.
inline constexpr const char* kScreenWarningTitle = "操作提示";
inline constexpr const char* kScreenWarningText = "建议将计算机的显示模式设置为 1024 X 768 ";


// Screen size below which the start-up suggests a larger display (twips).
inline constexpr double kMinScreenWidthTwips = 15300;
inline constexpr double kMinScreenHeightTwips = 11500;

// Status panel widths as percentages of the screen width (they add up to 99).
inline constexpr std::array<int, 11> kPanelShares{5, 15, 5, 6, 6, 6, 15, 15, 1, 1, 24};

// One entry of the menu bar: a menu, an item in a menu, or a command placed
// directly on the bar.  `caption` is what start-up and the language switch
// write; entries without it keep their stored caption in both languages.
struct MenuEntry {
  const char* name;
  const char* parent;  // nullptr: on the menu bar
  bool isMenu;         // holds items
  const char* storedCaption;
  const Bilingual* caption;
  const char* shortcut;  // "" when none
  bool storedVisible;
  bool storedEnabled;
};

inline constexpr Bilingual kCapFile{"文件", "File"};
inline constexpr Bilingual kCapFileNew{"新建", "New"};
inline constexpr Bilingual kCapFileOpen{"打开", "Open"};
inline constexpr Bilingual kCapFileSave{"保存", "Save"};
inline constexpr Bilingual kCapFileSaveAs{"另存为", "Save As"};
inline constexpr Bilingual kCapFileExit{"退出", "Exit"};
inline constexpr Bilingual kCapBandRange{"机型", "Model"};
inline constexpr Bilingual kCapEdit{"编辑", "Edit"};
inline constexpr Bilingual kCapChannelEdit{"信道信息", "Channel Information "};
inline constexpr Bilingual kCapOptionalEdit{"可选功能", "Optional Features"};
inline constexpr Bilingual kCapDtmfEdit{"DTMF(双音多频)", "DTMF"};
inline constexpr Bilingual kCapProgram{"编程", "Program"};
inline constexpr Bilingual kCapProgRead{"从对讲机读取数据", "Read from radio"};
inline constexpr Bilingual kCapProgWrite{"向对讲机写入数据", "Write to radio"};
inline constexpr Bilingual kCapPassWord{"通行字", "PassWord"};
inline constexpr Bilingual kCapProcSetup{"端口", "Communication"};
inline constexpr Bilingual kCapLanguage{"语言", "Language"};
inline constexpr Bilingual kCapAbout{"关于", "About"};
inline constexpr Bilingual kCapMenuExit{"退出", "Exit"};

// In menu-bar order, each menu followed by its items.
inline constexpr std::array<MenuEntry, 24> kMenuEntries{{
    {"File", nullptr, true, "File", &kCapFile, "", true, true},
    {"File_New", "File", false, "New", &kCapFileNew, "Ctrl+N", true, true},
    {"File_Open", "File", false, "Open", &kCapFileOpen, "Ctrl+O", true, true},
    {"File_save", "File", false, "Save", &kCapFileSave, "Ctrl+S", true, true},
    {"File_saveas", "File", false, "Save As", &kCapFileSaveAs, "", true, true},
    {"File_exit", "File", false, "Exit", &kCapFileExit, "", true, true},
    {"Band_Range", nullptr, false, "频段", &kCapBandRange, "", false, false},
    {"Edit", nullptr, true, "Edit", &kCapEdit, "", true, true},
    {"Channel_edit", "Edit", false, "Channel Infomation", &kCapChannelEdit, "", true, true},
    {"Optional_edit", "Edit", false, "Optional Features ", &kCapOptionalEdit, "", true, true},
    {"Dtmf_edit", "Edit", false, "DTMF", &kCapDtmfEdit, "", true, true},
    {"Program", nullptr, true, "Program", &kCapProgram, "", true, true},
    {"Prog_read", "Program", false, "Read form radio", &kCapProgRead, "Ctrl+R", true, true},
    {"Prog_write", "Program", false, "Write to radio", &kCapProgWrite, "Ctrl+W", true, true},
    {"Adj", nullptr, true, "调试", nullptr, "", false, false},
    {"Adj_Edit", "Adj", false, "参数编辑", nullptr, "", true, true},
    {"Adj_Online", "Adj", false, "在线测试", nullptr, "", true, true},
    {"PC_PassWord", nullptr, false, "修改密码", &kCapPassWord, "", false, false},
    {"proc_setup", nullptr, false, "端口", &kCapProcSetup, "", true, true},
    // Shown greyed: the language items cannot be chosen in this release.
    {"Language_Setup", nullptr, true, "语言", &kCapLanguage, "", true, false},
    {"Language_chn", "Language_Setup", false, "中文", nullptr, "", true, true},
    {"Language_eng", "Language_Setup", false, "English", nullptr, "", true, true},
    {"about", nullptr, false, "关于", &kCapAbout, "", false, false},
    {"Menu_Exit", nullptr, false, "退出", &kCapMenuExit, "", true, true},
}};

// Toolbar buttons in order, addressed by key; the stored tooltips are Chinese.
struct ToolbarEntry {
  const char* key;
  Bilingual tooltip;
};

inline constexpr std::array<ToolbarEntry, 6> kToolbarEntries{{
    {"open", {"打开参数文件", "Open Parameter file"}},
    {"save", {"保存参数", "Save Parameter"}},
    {"edit_chann", {"信道参数编辑", "Channel Information"}},
    {"read", {"从对讲机读取数据", "Read Data From Radio"}},
    {"write", {"将参数写入对讲机", "Write Data to Radio"}},
    {"exit", {"退出", "Exit"}},
}};

// Label panels; the start-up's Chinese texts of panels 4 and 6 are longer
// than the language switch's.
inline constexpr Bilingual kPanelState{"状态", "State"};
inline constexpr Bilingual kPanelVersionStartup{"软件版本", "Version"};
inline constexpr Bilingual kPanelVersion{"版本", "Version"};
inline constexpr Bilingual kPanelBandStartup{"工作频段", "Band"};
inline constexpr Bilingual kPanelBand{"频段", "Band"};

}  // namespace brel::mainwin
