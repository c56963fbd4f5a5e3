#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "fakes.h"
#include "frm_about.h"
#include "main_forms.h"

namespace brel::test {
namespace {

class MapRegistry : public RegistryReader {
 public:
  std::optional<RegistryValue> read(RegistryRoot root, const std::string& key,
                                    const std::string& value) const override {
    if (root != RegistryRoot::LocalMachine) return std::nullopt;
    auto it = values.find(key + "|" + value);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::string, RegistryValue> values;
};

TEST(About, GetKeyValueReadsStringsAndNumbers) {
  MapRegistry registry;
  registry.values["K|sz"] = {kRegSz, std::string("C:\\Tools\\msinfo32.exe\0", 22)};
  registry.values["K|plain"] = {kRegSz, "abc"};
  registry.values["K|dword"] = {kRegDword, std::string("\x05\x01\x00\x00", 4)};  // 0x105
  registry.values["K|binary"] = {3, "xy"};

  struct Case {
    const char* value;
    bool found;
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {"sz", true, "", "C:\\Tools\\msinfo32.exe"},  // the closing zero dropped
      {"plain", true, "", "abc"},
      {"dword", true, "", "261"},
      {"binary", true, "as passed", "as passed"},  // other types leave it
      {"missing", false, "as passed", ""},
  };
  for (const Case& c : cases) {
    std::string value = c.before;
    EXPECT_EQ(GetKeyValue(registry, RegistryRoot::LocalMachine, "K", c.value, value), c.found) << c.value;
    EXPECT_EQ(value, c.after) << c.value;
  }
}

TEST(About, SystemInformationToolIsFoundThroughTheRegistry) {
  const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
  const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
  struct Case {
    const char* name;
    std::map<std::string, RegistryValue> values;
    std::set<std::string> files;
    bool startSucceeds;
    std::string started;  // "" : the message instead
  };
  const Case cases[] = {
      {"no registry", {}, {}, true, ""},
      {"PATH taken without a file check", {{kPathKey, {kRegSz, "D:\\x\\msinfo.exe"}}}, {}, true, "D:\\x\\msinfo.exe"},
      {"folder without the tool", {{kFolderKey, {kRegSz, "C:\\Si"}}}, {}, true, ""},
      {"folder with the tool", {{kFolderKey, {kRegSz, "C:\\Si"}}}, {"C:\\Si\\MSINFO32.EXE"}, true,
       "C:\\Si\\MSINFO32.EXE"},
      {"tool fails to start", {{kPathKey, {kRegSz, "D:\\x\\msinfo.exe"}}}, {}, false, ""},
  };
  for (const Case& c : cases) {
    auto registry = std::make_shared<MapRegistry>();
    registry->values = c.values;
    std::vector<std::string> started;
    SysInfoPlatform platform;
    platform.registry = registry;
    platform.fileExists = [&](const std::string& path) { return c.files.count(path) != 0; };
    platform.startProgram = [&](const std::string& path) {
      started.push_back(path);
      return c.startSucceeds;
    };
    RecordingMessages messages;
    StartSysInfo(platform, messages);

    if (c.started.empty() || !c.startSucceeds) {
      ASSERT_EQ(messages.shown.size(), 1u) << c.name;
      EXPECT_EQ(messages.shown[0].text, "此时系统信息不可用") << c.name;
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::None) << c.name;
    } else {
      EXPECT_TRUE(messages.shown.empty()) << c.name;
      EXPECT_EQ(started, std::vector<std::string>{c.started}) << c.name;
    }
  }
}

struct AboutFixture : MainWindowFixture {
  AboutFixture() {
    window.registerForms([](FormHost& host) { RegisterMainForms(host); });
    startUp();
  }
  frmAbout* open() {
    window.about_Click();
    return dynamic_cast<frmAbout*>(window.host().form(FormId::frmAbout));
  }
};

TEST(About, ShowsTheSharedTextsOfTheCurrentLanguage) {
  AboutFixture f;
  frmAbout* box = f.open();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->lblTitle->text().toStdString(), f.state->AboutTexts[0]);
  EXPECT_EQ(box->lblVersion->text().toStdString(), f.state->AboutTexts[1]);
  EXPECT_EQ(box->lblDescription->text().toStdString(), f.state->AboutTexts[2]);
  EXPECT_EQ(box->lblDisclaimer->text().toStdString(), f.state->AboutTexts[3]);
  EXPECT_FALSE(f.state->AboutTexts[3].empty());
  EXPECT_EQ(box->cmdOk->text().toStdString(), "Confirm");
  EXPECT_EQ(box->cmdSysInfo->text().toStdString(), "System Information(&S)...");
  const std::string english = f.state->AboutTexts[0];

  // Opening again keeps the one box.
  f.window.about_Click();
  EXPECT_EQ(f.window.host().form(FormId::frmAbout), box);

  // The box rebuilds the shared texts when it loads: after a switch it
  // comes up in the new language.
  box->cmdOk->click();
  EXPECT_FALSE(f.window.host().isLoaded(FormId::frmAbout));
  f.state->LanguageFlag = -1;
  box = f.open();
  EXPECT_EQ(box->cmdOk->text().toStdString(), "确定");
  EXPECT_EQ(box->cmdSysInfo->text().toStdString(), "系统信息(&S)...");
  EXPECT_NE(box->lblTitle->text().toStdString(), english);
}

TEST(About, SystemInformationButtonSaysNotAvailableHere) {
  AboutFixture f;
  f.open()->cmdSysInfo->click();
  ASSERT_EQ(f.messages.shown.size(), 1u);
  EXPECT_EQ(f.messages.shown[0].text, "此时系统信息不可用");
  EXPECT_TRUE(f.window.host().isLoaded(FormId::frmAbout));  // the box stays
}

TEST(About, EnterAndEscapeActAsOk) {
  struct Case {
    Qt::Key key;
    bool onSysInfo;
    bool closes;
  };
  for (const Case& c : {Case{Qt::Key_Escape, true, true}, Case{Qt::Key_Return, false, true},
                        Case{Qt::Key_Return, true, false}}) {
    AboutFixture f;
    frmAbout* box = f.open();
    QPushButton* focus = c.onSysInfo ? box->cmdSysInfo : box->cmdOk;
    QTest::keyClick(focus, c.key);
    EXPECT_EQ(f.window.host().isLoaded(FormId::frmAbout), !c.closes) << c.key << " " << c.onSysInfo;
    // Enter on the other button presses that one.
    EXPECT_EQ(f.messages.shown.size(), c.closes ? 0u : 1u);
  }
}

}  // namespace
}  // namespace brel::test
