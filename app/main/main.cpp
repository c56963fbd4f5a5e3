// The programming software's entry point: the main window and its start-up.
#include <QApplication>
#include <QScreen>
#include <memory>

#include "form_registry.h"
#include "main_texts.h"
#include "mdi_main.h"
#include "platform.h"
#include "program_state.h"
#include "qt_link_services.h"
#include "startup_sequence.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(brel::mainwin::kApplicationTitle));
  brel::UseFontForChinese(app);

  auto state = std::make_unique<brel::ProgramState>();
  brel::SystemClock clock;
  brel::link::QtLinkServices link;
  brel::MDImain window(*state, link.services());
  window.registerForms(brel::RegisterAllForms);
  window.setDesktop(brel::DesktopOf(*app.primaryScreen()));
  window.runStartup(clock, brel::ScreenTwipsOf(*app.primaryScreen()));
  return app.exec();
}
