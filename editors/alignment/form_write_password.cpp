#include "form_write_password.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "adj_fields.h"
#include "adj_texts.h"

namespace brel::adj {

Form_Write_PassWord::Form_Write_PassWord(AppContext& context) : Form(context, FormId::Form_Write_PassWord) {
  auto* page = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  page->addLayout(grid);
  auto addRow = [this, grid](int row, const char* labelName, const char* boxName, QLabel*& label, QLineEdit*& box) {
    label = new QLabel(this);
    label->setObjectName(labelName);
    box = new QLineEdit(this);
    box->setObjectName(boxName);
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet("lineedit-password-character: 42");
    // Printable ASCII only, also when pasted.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]*"), box));
    box->installEventFilter(this);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
  };
  addRow(0, "Label_old_PassWord", "Text_Old_PassWord", oldLabel_, old_);
  addRow(1, "Label_New_Password_1", "Text_New_Password_1", new1Label_, new1_);
  addRow(2, "Label_New_PassWord_2", "Text_New_PassWord_2", new2Label_, new2_);
  modify_ = new QPushButton(this);
  modify_->setObjectName("Command_Write");
  close_ = new QPushButton(this);
  close_->setObjectName("Command_Cancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(modify_);
  buttons->addWidget(close_);
  buttons->addStretch();
  page->addStretch();
  page->addLayout(buttons);

  exchange_ = std::make_unique<PasswordExchange>(
      link::LinkContext{context.state, context.messages, context.panels, context.link},
      static_cast<PasswordView&>(*this));
  connect(old_, &QLineEdit::textChanged, this,
          [this](const QString& text) { exchange_->oldPasswordChanged(text.toStdString()); });
  connect(modify_, &QPushButton::clicked, this, [this] { Command_Write_Click(); });
  connect(close_, &QPushButton::clicked, this, [this] { Command_Cancel_Click(); });
}

Form_Write_PassWord::~Form_Write_PassWord() {
  exchange_->stop();
}

void Form_Write_PassWord::loadHandling() {
  setWindowTitle(qtext(kPasswordCaption));
  oldLabel_->setText(qtext(kOldPasswordLabel));
  new1Label_->setText(qtext(kNewPasswordLabel));
  new2Label_->setText(qtext(kConfirmPasswordLabel));
  modify_->setText(qtext(kModifyCaption));
  close_->setText(qtext(kPasswordCloseCaption));
  const QSize inner = host().clientSize();
  placeCentred(QSize(inner.width() / 3, static_cast<int>(inner.height() / 2.5)), twipsY(500));
  clearBoxes();
}

void Form_Write_PassWord::clearBoxes() {
  old_->clear();
  new1_->clear();
  new2_->clear();
}

void Form_Write_PassWord::closeDialog() {
  // Not from inside the timer that asks for it: the dialog owns that timer.
  QMetaObject::invokeMethod(this, [this] { host().unloadForm(formId()); }, Qt::QueuedConnection);
}

void Form_Write_PassWord::Command_Write_Click() {
  exchange_->modify(new1_->text().toStdString(), new2_->text().toStdString());
}

void Form_Write_PassWord::Command_Cancel_Click() { host().unloadForm(formId()); }

bool Form_Write_PassWord::queryUnload() { return exchange_->closeRequested(); }

void Form_Write_PassWord::unloadHandling() {
  exchange_->stop();
}

bool Form_Write_PassWord::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == old_ || watched == new1_ || watched == new2_)) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool character =
        !shortcut && (key->key() == Qt::Key_Backspace || (!text.isEmpty() && text.at(0).unicode() >= 32));
    if (character) {
      const char32_t code = key->key() == Qt::Key_Backspace ? kBackspace : static_cast<char32_t>(text.toUcs4().value(0));
      if (!PasswordKeyAccepted(static_cast<QLineEdit*>(watched)->text().toStdString(), code)) return true;
    }
  }
  return Form::eventFilter(watched, event);
}

}  // namespace brel::adj
