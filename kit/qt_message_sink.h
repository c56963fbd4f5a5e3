// Message boxes on screen: modal, with an OK button.
#pragma once

#include <QWidget>

#include "ui_ports.h"

namespace brel {

class QtMessageSink : public MessageSink {
 public:
  explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
  void show(const Message& message) override;

 private:
  QWidget* parent_;
};

}  // namespace brel
