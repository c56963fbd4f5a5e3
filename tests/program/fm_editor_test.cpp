// The FM preset editor inside the whole program: reached only through
// MDImain::OpenFmEditor, and never closed under a running exchange.
#include "frm_fm.h"
#include "program_fixture.h"

namespace brel::program_test {
namespace {

class FmEditorInProgram : public ProgramFixture {
 protected:
  void SetUp() override {
    plugRadio();
    start();
    ASSERT_TRUE(identified());
  }
  fm::frm_FM* fm() const { return dynamic_cast<fm::frm_FM*>(child(FormId::frm_FM)); }
};

TEST_F(FmEditorInProgram, OpenFmEditorClosesTheChannelEditorAndOpensIt) {
  ASSERT_NE(editor(), nullptr);
  for (QAction* action : window().findChildren<QAction*>())
    EXPECT_FALSE(action->objectName().contains("FM", Qt::CaseInsensitive)) << action->objectName().toStdString();
  window().OpenFmEditor();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(editor(), nullptr);
  ASSERT_NE(fm(), nullptr);
  // The start-up identification reported 136-174 MHz.
  EXPECT_EQ(fm()->bandBox(fm::kAUpper)->text().toStdString(), "174.00000");
}

TEST_F(FmEditorInProgram, ExitWaitsForTheFmWrite) {
  window().OpenFmEditor();
  press(button(FormId::frm_FM, "Command_Write"));
  clock.advance(1 * kSecond);
  ASSERT_TRUE(fm()->transfer()->busy());
  toolbar("exit");
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(messages().lastText(), "Read-write operating，don't close the window.,");
  ASSERT_TRUE(messageShown("Complete writing Signal parameters to the transceiver."));
  EXPECT_EQ(radioBytes(0x3010, 4), (Row{0, 9, 0, 4}));
  toolbar("exit");
  EXPECT_FALSE(window().isVisible());
}

}  // namespace
}  // namespace brel::program_test
