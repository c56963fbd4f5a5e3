// The world a window test loads its windows into: a main window with the
// real window host, the program state, recorded message boxes and status
// panels in a map, on the radio bench (the link services the windows get
// are in-memory lines on a virtual clock, with a simulated radio to plug in).
//
//   class MyWindowTest : public ::testing::Test, protected test::HostedWindows {
//     MyWindowTest() : HostedWindows(kRadioPort) { RegisterMyEditor(host); }
//   };
//   auto* fm = load<frm_FM>(FormId::frm_FM);
//   plugRadio();  fm->Command_read_Click();
//   runUntil([&] { return !fm->busy(); });
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QTest>

#include "form.h"
#include "mdi_form_host.h"
#include "program_state.h"
#include "radio_bench.h"
#include "test_doubles.h"

namespace brel::test {

// Windows unloaded during a test are deleted once control is back in the
// event loop; tests have none, so they flush.
inline void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// What a message box on screen does to the focus: it takes the activation
// and the focus while it is up, and once it is gone no window is active
// until the desktop gives the activation back.
inline void TakeTheFocusAsAMessageBox() {
  QLineEdit box;
  box.show();
  QApplication::setActiveWindow(&box);
  box.setFocus();
  QCoreApplication::processEvents();
}

// Records every message; when asked, each message also takes the focus away
// from the window while it is up, as a message box on screen does.
class HostedMessages : public RecordingMessages {
 public:
  void show(const Message& message) override {
    RecordingMessages::show(message);
    if (takeFocus) TakeTheFocusAsAMessageBox();
  }
  bool takeFocus = false;
};

class HostedWindows : public RadioBench {
 public:
  explicit HostedWindows(int radioPort = 1)
      : RadioBench(radioPort),
        area(new QMdiArea(&mainWindow)),
        host(area, &mainWindow),
        context{state, messages, panels, host, services} {
    mainWindow.setCentralWidget(area);
    mainWindow.resize(1024, 768);
    host.setContext(&context);
  }
  ~HostedWindows() { closeAll(); }
  HostedWindows(const HostedWindows&) = delete;
  HostedWindows& operator=(const HostedWindows&) = delete;

  // Shows the main window and gives it the keyboard, for tests that click
  // and type.
  void showMainWindow() {
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
  }

  template <typename Window = Form>
  Window* load(FormId id) {
    auto* window = dynamic_cast<Window*>(host.loadForm(id));
    EXPECT_NE(window, nullptr) << FormName(id);
    return window;
  }
  template <typename Window = Form>
  Window* loaded(FormId id) const {
    return dynamic_cast<Window*>(host.form(id));
  }

  // Unloads every window and deletes it.  A fixture whose windows use its own
  // members calls this in its destructor, before those members go.
  void closeAll() {
    host.unloadAll();
    FlushDeletes();
  }

  // A window that only loads (a dialog, or another window to switch to).
  void registerStub(FormId id) {
    host.registerForm(id, [id](AppContext& c) -> Form* { return new StubWindow(c, id); });
  }

  QMainWindow mainWindow;
  QMdiArea* area;
  ProgramState state;
  HostedMessages messages;
  MapStatusPanels panels;
  MdiFormHost host;
  AppContext context;

 private:
  class StubWindow : public Form {
   public:
    StubWindow(AppContext& context, FormId id) : Form(context, id) {}
    void loadHandling() override { resize(200, 100); }
  };
};

}  // namespace brel::test
