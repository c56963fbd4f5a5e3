#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

#include "fakes.h"
#include "form_type.h"
#include "main_forms.h"

namespace brel::test {
namespace {

struct ModelDialogFixture : MainWindowFixture {
  ModelDialogFixture() {
    window.registerForms([](FormHost& host) { RegisterMainForms(host); });
    startUp();
    // As after an identification of a radio that reported other limits.
    state->VhfLower = 140;
    state->VhfUpper = 150;
    state->UhfLower = 410;
    state->UhfUpper = 480;
    window.panels().setPanelText(7, "Band_A: 140-- 150 MHZ");
    window.panels().setPanelText(8, "Band_B: 410-- 480 MHZ");
  }
  Form_type* open() {
    window.Band_Range_Click();
    return dynamic_cast<Form_type*>(window.host().form(FormId::Form_type));
  }
  void expectTypeZeroLimits() {
    EXPECT_EQ(state->VhfLower, 136);
    EXPECT_EQ(state->VhfUpper, 174);
    EXPECT_EQ(state->UhfLower, 400);
    EXPECT_EQ(state->UhfUpper, 520);
  }
};

TEST(ModelDialog, OpeningPutsTypeZeroInForceAndCancelKeepsIt) {
  ModelDialogFixture f;
  Form_type* dialog = f.open();
  ASSERT_NE(dialog, nullptr);

  f.expectTypeZeroLimits();
  EXPECT_EQ(dialog->Combo_type->count(), 1);  // type 0 alone, though three are named
  EXPECT_EQ(dialog->Combo_type->currentText().toStdString(), "VHF0/UHF0");
  EXPECT_EQ(dialog->Label_VHF->text().toStdString(), "VHF0");
  EXPECT_EQ(dialog->Label_UHF->text().toStdString(), "UHF0");
  EXPECT_EQ(dialog->Text_VHF->text().toStdString(), " 136MHZ  -   174MHZ");
  EXPECT_EQ(dialog->Text_UHF->text().toStdString(), " 400MHZ  -   520MHZ");

  // Size and place from the client area.
  const QSize client = f.window.host().clientSize();
  EXPECT_EQ(dialog->parentWidget()->size(),
            QSize(static_cast<int>(client.width() / 2.5), static_cast<int>(client.height() / 2.5)));

  dialog->Command_Cancel->click();
  EXPECT_FALSE(f.window.host().isLoaded(FormId::Form_type));
  f.expectTypeZeroLimits();
  EXPECT_EQ(f.window.panels().panelText(7), "Band_A: 140-- 150 MHZ");
  EXPECT_EQ(f.window.panels().panelText(8), "Band_B: 410-- 480 MHZ");
}

TEST(ModelDialog, ConfirmWritesTheBandPanels) {
  ModelDialogFixture f;
  f.open()->Command_enter->click();
  EXPECT_FALSE(f.window.host().isLoaded(FormId::Form_type));
  EXPECT_EQ(f.state->ModelIndex, 0);
  f.expectTypeZeroLimits();
  EXPECT_EQ(f.window.panels().panelText(7), "VHF0: 136 -   174MHZ");
  EXPECT_EQ(f.window.panels().panelText(8), "UHF0: 400 -   520MHZ");
}

TEST(ModelDialog, CaptionsFollowTheLanguage) {
  struct Case {
    std::int16_t flag;
    const char* title;
    const char* enter;
    const char* cancel;
    const char* label;
  };
  for (const Case& c : {Case{0, "Model Select", "Confirm", "Cancel", "Model"},
                        Case{-1, "机型选择", "确 定", "取 消", "机  型"}}) {
    ModelDialogFixture f;
    f.state->LanguageFlag = c.flag;
    Form_type* dialog = f.open();
    EXPECT_EQ(dialog->windowTitle().toStdString(), c.title);
    EXPECT_EQ(dialog->Command_enter->text().toStdString(), c.enter);
    EXPECT_EQ(dialog->Command_Cancel->text().toStdString(), c.cancel);
    EXPECT_EQ(dialog->Label1->text().toStdString(), c.label);
  }
}

TEST(ModelDialog, TypingChangesNothingAndADeletedTextIsRemoved) {
  ModelDialogFixture f;
  Form_type* dialog = f.open();
  QLineEdit* edit = dialog->Combo_type->lineEdit();

  QTest::keyClicks(edit, "x1/");
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text().toStdString(), "VHF0/UHF0");
  EXPECT_EQ(dialog->Combo_type->currentIndex(), 0);

  edit->setCursorPosition(0);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(edit->text().toStdString(), "");
  EXPECT_EQ(dialog->Combo_type->currentIndex(), -1);
}

TEST(ModelDialog, ConfirmWithNoSelectionKeepsTheCurrentType) {
  ModelDialogFixture f;
  Form_type* dialog = f.open();
  dialog->Combo_type->setCurrentIndex(-1);

  dialog->Command_enter->click();
  EXPECT_FALSE(f.window.host().isLoaded(FormId::Form_type));
  EXPECT_EQ(f.state->ModelIndex, 0);
  f.expectTypeZeroLimits();
  EXPECT_EQ(f.window.panels().panelText(7), "VHF0: 136 -   174MHZ");
}

TEST(ModelDialog, TextHelpers) {
  EXPECT_EQ(ModelLimitsText(144, 146), " 144MHZ  -   146MHZ");
  EXPECT_EQ(ModelNamePart("  VHF2/UHF2 ", 1), "VHF2");
  EXPECT_EQ(ModelNamePart("  VHF2/UHF2 ", 6), "UHF2");
  EXPECT_EQ(ModelNamePart("", 6), "");      // unnamed types
  EXPECT_EQ(ModelNamePart("VHF0/U", 6), "U");
}

}  // namespace
}  // namespace brel::test
