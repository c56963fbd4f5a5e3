// A window's activation handler runs once per real change of the active
// child window, whatever route the area takes to get there.
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

#include "hosted_windows.h"

namespace brel {
namespace {

// Counts its activations and losses; each activation shows a message, as
// the option window does for a stored channel total it cannot show.
class Watching : public Form {
 public:
  Watching(AppContext& c, FormId id) : Form(c, id) {}
  void loadHandling() override {
    resize(300, 200);
    watchActivation(
        [this] {
          ++activations;
          warnText("shown on activation");
          // The box has gone: the window system gives the main window back
          // its focus, as a screen does.
          QApplication::setActiveWindow(window());
        },
        [this] { ++losses; });
  }
  int activations = 0;
  int losses = 0;
};

class Activation : public ::testing::Test, protected test::HostedWindows {
 protected:
  Activation() {
    host.registerForm(FormId::frm_option, [](AppContext& c) { return new Watching(c, FormId::frm_option); });
    registerStub(FormId::frm_chann);
    showMainWindow();
    messages.takeFocus = true;  // each message box takes the focus while it is up
  }
  ~Activation() override { closeAll(); }

  static QMdiSubWindow* frame(Form* form) { return qobject_cast<QMdiSubWindow*>(form->parentWidget()); }
  static void settle() { QCoreApplication::processEvents(); }
  void pressTitleBar(Form* form) {
    QMdiSubWindow* sub = frame(form);
    QApplication::setActiveWindow(&mainWindow);
    QTest::mouseClick(sub, Qt::LeftButton, {}, QPoint(sub->width() / 2, 8));
    settle();
  }
};

TEST_F(Activation, RunsOncePerRealChangeOfTheActiveChild) {
  auto* watching = load<Watching>(FormId::frm_option);
  settle();
  EXPECT_EQ(watching->activations, 1) << "opening";
  Form* other = load(FormId::frm_chann);
  settle();
  EXPECT_EQ(watching->losses, 1);

  pressTitleBar(watching);
  EXPECT_EQ(watching->activations, 2) << "a click on the title bar";
  pressTitleBar(watching);
  EXPECT_EQ(watching->activations, 2) << "a click on the window already active";

  area->setActiveSubWindow(frame(other));
  settle();
  area->setActiveSubWindow(frame(watching));
  settle();
  EXPECT_EQ(watching->activations, 3) << "switching from the code";
  EXPECT_EQ(watching->losses, 2);
  EXPECT_EQ(messages.shown.size(), 3u);
}

TEST_F(Activation, TheAreaPassingThroughOtherChildrenIsNoActivation) {
  auto* watching = load<Watching>(FormId::frm_option);
  settle();
  Form* other = load(FormId::frm_chann);
  settle();
  pressTitleBar(watching);
  ASSERT_EQ(watching->activations, 2);

  // After a message box the area may bring back the child active before,
  // through none, until the focus comes back to the window it left.
  area->setActiveSubWindow(nullptr);
  area->setActiveSubWindow(frame(other));
  area->setActiveSubWindow(frame(watching));
  settle();
  EXPECT_EQ(watching->activations, 2);
  EXPECT_EQ(watching->losses, 1) << "only the switch to the other window";

  // The main window losing and regaining the focus is none either.
  QWidget elsewhere;
  elsewhere.show();
  QApplication::setActiveWindow(&elsewhere);
  settle();
  QApplication::setActiveWindow(&mainWindow);
  settle();
  EXPECT_EQ(watching->activations, 2);
}

}  // namespace
}  // namespace brel
