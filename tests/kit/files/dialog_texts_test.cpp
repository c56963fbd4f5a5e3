// Captions and refusal messages of the eight file dialogs, in both languages.
#include <QLabel>
#include <QTest>

#include "file_forms_fixture.h"

namespace brel::test {
namespace {

struct DialogTexts {
  FormId id;
  const char* pattern;
  const char* otherSuffixName;  // a name with the other family's suffix
  Bilingual caption;
  Bilingual nameLabel;
  Bilingual refused;
  Bilingual suffix;
};

const DialogTexts kDialogs[] = {
    {FormId::Form_open_chann, "*.dat", "x.adj", {"打开文件", "Open File"}, {"打开文件名：", "Open File:"},
     {"打开文件名无效 ", "Open the file name is nullity "}, {"无效的文件后缀名！", "Nullity file suffix name."}},
    {FormId::Form_save_chann, "*.dat", "x.adj", {"保存文件", "Save File"}, {"保存文件名：", "Save File:"},
     {"保存文件所需要的文件名无效 ", "Store the file name is nullity. "},
     {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default ！"}},
    {FormId::Form_open_adj, "*.adj", "x.dat", {"打开调整参数文件", "Open Adjust File"}, {"打开文件名：", "Open File:"},
     {"打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "},
     {"无效的调整参数文件后缀名！", "Nullity file suffix name of adjust parameter."}},
    {FormId::Form_save_adj, "*.adj", "x.dat", {"保存调整参数文件", "Save Adjust File"}, {"保存文件名：", "Save File:"},
     {"保存调整参数所需要的文件名无效 ", "Store the file name of adjust parameter need is nullity. "},
     {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default ！"}},
    {FormId::Form_open_menu, "*.dat", "x.adj", {"打开文件", "Open Optional File"}, {"打开文件名：", "Open File:"},
     {"打开文件名无效 ", "Open the file name is nullity. "}, {"无效的文件后缀名！", "Nullity file suffix name."}},
    {FormId::Form_save_menu, "*.dat", "x.adj", {"保存文件", "Save File "}, {"保存文件名：", "Save File:"},
     {"保存文件所需要的文件名无效 ", "Store the file name is nullity."},
     {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default."}},
    {FormId::Form_open_sig, "*.dat", "x.adj", {"打开文件", "Open Signal File"}, {"打开文件名：", "Open File:"},
     {"打开文件名无效 ", "Open the file name is nullity. "}, {"无效的文件后缀名！", "Nullity file suffix name !"}},
    {FormId::Form_save_sig, "*.dat", "x.adj", {"保存文件", "Save File "}, {"保存文件名：", "Save File:"},
     {"保存文件所需要的文件名无效 ", "Store the file name is nullity."},
     {"建议不要修改系统默认的文件后缀名！", "Advice don't modify file suffix name of system default."}},
};

QString Q(const char* text) { return QString::fromUtf8(text); }

using DialogTextsTest = FileFormsTest;

TEST_F(DialogTextsTest, EachDialogLoadsWithItsCaptionsInBothLanguages) {
  for (std::int16_t language : {std::int16_t{0}, std::int16_t{-1}}) {
    state.LanguageFlag = language;
    for (const DialogTexts& d : kDialogs) {
      SCOPED_TRACE(std::string(FormName(d.id)) + (language ? " zh" : " en"));
      FileDialogForm* dialog = load(d.id);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle(), Q(Pick(language, d.caption).c_str()));
      EXPECT_EQ(dialog->findChild<QLabel*>("Label_name")->text(), Q(Pick(language, d.nameLabel).c_str()));
      EXPECT_EQ(dialog->findChild<QLabel*>("Label_drive")->text(), Q(language ? "驱动器：" : "Drive:"));
      EXPECT_EQ(dialog->confirmButton()->text(), Q(language ? "确  定" : "Confirm"));
      EXPECT_EQ(dialog->cancelButton()->text(), Q(language ? "取  消" : "Cancel"));
      EXPECT_EQ(dialog->nameBox()->text(), Q(d.pattern));
      host.unloadForm(d.id);
    }
  }
}

TEST_F(DialogTextsTest, RefusedNamesShowTheDialogsTextAndChangeNothing) {
  state.ParamFileName = "before";
  for (std::int16_t language : {std::int16_t{0}, std::int16_t{-1}}) {
    state.LanguageFlag = language;
    for (const DialogTexts& d : kDialogs) {
      // The suffix alone names nothing: it would make a hidden file no list shows.
      const std::string bareSuffix = d.pattern + 1;
      const std::string bareCapitals = QString::fromStdString(bareSuffix).toUpper().toStdString();
      const struct {
        std::string name;
        const Bilingual& text;
      } attempts[] = {{d.pattern, d.refused},      {"a#b.dat", d.refused},    {bareSuffix, d.refused},
                      {bareCapitals, d.refused},   {" " + bareSuffix + " ", d.refused},
                      {"x.Dat", d.suffix},         {"ab", d.suffix},          {"", d.suffix},
                      {d.otherSuffixName, d.suffix}};
      for (const auto& attempt : attempts) {
        SCOPED_TRACE(std::string(FormName(d.id)) + " \"" + attempt.name + (language ? "\" zh" : "\" en"));
        messages.shown.clear();
        confirm(d.id, attempt.name);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, Pick(language, attempt.text));
        EXPECT_EQ(messages.shown[0].title, language ? "操作提示" : "Operate prompt");
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(host.isLoaded(d.id));
      }
      host.unloadForm(d.id);
    }
  }
  EXPECT_EQ(state.ParamFileName, "before");
  EXPECT_EQ(state.FileOpenRequest | state.FileSaveRequest | state.AdjOpenRequest | state.AdjSaveRequest, 0);
  EXPECT_EQ(readFile("x.adj"), "<missing>");
  for (const char* name : {".dat", ".DAT", ".adj", ".ADJ"}) EXPECT_EQ(readFile(name), "<missing>") << name;
}

TEST_F(DialogTextsTest, EnterInTheNameBoxDoesNotConfirm) {
  FileDialogForm* dialog = load(FormId::Form_save_chann);
  dialog->nameBox()->setText("enter.dat");
  QTest::keyClick(dialog->nameBox(), Qt::Key_Return);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(host.isLoaded(FormId::Form_save_chann));
  EXPECT_EQ(readFile("enter.dat"), "<missing>");
}

}  // namespace
}  // namespace brel::test
