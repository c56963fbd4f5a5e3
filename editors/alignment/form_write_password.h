// The dialog that changes the radio's user programming password: the old
// password once, the new one twice, Modify and Close.  No command of this
// release opens it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "form.h"
#include "password_exchange.h"

namespace brel::adj {

class Form_Write_PassWord : public Form, private PasswordView {
  Q_OBJECT
 public:
  explicit Form_Write_PassWord(AppContext& context);
  ~Form_Write_PassWord() override;

  void loadHandling() override;
  bool queryUnload() override;
  void unloadHandling() override;

  void Command_Write_Click();
  void Command_Cancel_Click();

  bool running() const { return exchange_->running(); }
  QLineEdit* oldBox() const { return old_; }
  QLineEdit* newBox1() const { return new1_; }
  QLineEdit* newBox2() const { return new2_; }
  QPushButton* modifyButton() const { return modify_; }
  QPushButton* closeButton() const { return close_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void clearBoxes() override;
  void closeDialog() override;

  QLabel* oldLabel_;
  QLabel* new1Label_;
  QLabel* new2Label_;
  QLineEdit* old_;
  QLineEdit* new1_;
  QLineEdit* new2_;
  QPushButton* modify_;
  QPushButton* close_;
  std::unique_ptr<PasswordExchange> exchange_;
};

}  // namespace brel::adj
