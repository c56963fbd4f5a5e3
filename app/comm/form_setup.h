// The port dialog: which of COM1..COM16 the exchanges open, each shown with
// the device it maps to.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "form.h"
#include "startup.h"

namespace brel {

class Form_setup : public Form {
  Q_OBJECT
 public:
  explicit Form_setup(AppContext& context);
  ~Form_setup() override;

  void loadHandling() override;
  void unloadHandling() override;

  QRadioButton* portOption(int index) const { return options_[index]; }  // 0..15: COM1..COM16
  QLabel* deviceLabel(int index) const { return devices_[index]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  // The dialog's own identification exchange; no command starts it.
  link::PortDialogIdentification& identification() { return *identification_; }

 private:
  void okClicked();

  QGroupBox* frame_;
  std::array<QRadioButton*, 16> options_{};
  std::array<QLabel*, 16> devices_{};
  QPushButton* ok_;
  QPushButton* cancel_;
  std::unique_ptr<link::PortDialogIdentification> identification_;
};

}  // namespace brel
