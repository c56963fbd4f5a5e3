// The programming software's entry point: the main window and its start-up.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <memory>

#include "form_registry.h"
#include "main_texts.h"
#include "mdi_main.h"
#include "program_state.h"
#include "qt_link_services.h"
#include "startup_sequence.h"

namespace {

// Chinese captions need a font that holds the characters; the first one of
// these that is installed becomes the program's font.
void UseFontForChinese(QApplication& app) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : {"WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Droid Sans Fallback"}) {
    if (installed.contains(QString::fromUtf8(family))) {
      QFont font = app.font();
      font.setFamily(QString::fromUtf8(family));
      app.setFont(font);
      return;
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(brel::mainwin::kApplicationTitle));
  UseFontForChinese(app);

  auto state = std::make_unique<brel::ProgramState>();
  brel::SystemClock clock;
  brel::link::QtLinkServices link;
  brel::MDImain window(*state, nullptr, &link.services());
  window.registerForms(brel::RegisterAllForms);
  window.runStartup(clock, brel::ScreenTwipsOf(*app.primaryScreen()));
  return app.exec();
}
