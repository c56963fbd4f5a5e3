#include "qt_message_sink.h"

#include <QMessageBox>

namespace brel {

void QtMessageSink::show(const Message& message) {
  QMessageBox box(parent_);
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setText(QString::fromStdString(message.text));
  switch (message.icon) {
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

}  // namespace brel
