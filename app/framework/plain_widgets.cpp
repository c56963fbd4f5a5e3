#include "plain_widgets.h"

#include <QSignalBlocker>

#include "form.h"

namespace brel {

void BindList(QComboBox* box, PlainList& list) {
  if (QLineEdit* field = box->lineEdit()) {
    // The field only shows: no key, paste or Enter changes its text, and
    // no text in it ever picks an entry, so it never shows what the list
    // does not hold.
    field->setReadOnly(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    QObject::disconnect(field, &QLineEdit::editingFinished, nullptr, nullptr);
  }
  list.viewChanged = [box, &list] {
    const QSignalBlocker block(box);
    bool same = box->count() == list.count();
    for (int i = 0; same && i < list.count(); ++i) same = box->itemText(i) == Q(list.entry(i));
    if (!same) {
      box->clear();
      for (const std::string& entry : list.entries()) box->addItem(Q(entry));
    }
    box->setCurrentIndex(list.selectedIndex());
    if (box->isEditable() && box->currentText() != Q(list.text())) box->setEditText(Q(list.text()));
    box->setEnabled(list.enabled());
  };
  list.focusRequested = [box] { box->setFocus(); };
  list.viewChanged();
  QObject::connect(box, &QComboBox::currentIndexChanged, box, [&list](int index) {
    if (index >= 0) list.select(index);
  });
}

void BindCheck(QCheckBox* box, PlainCheckBox& check) {
  check.viewChanged = [box, &check] {
    const QSignalBlocker block(box);
    box->setChecked(check.checked());
    box->setEnabled(check.enabled());
  };
  check.focusRequested = [box] { box->setFocus(); };
  check.viewChanged();
  QObject::connect(box, &QCheckBox::toggled, box, [&check](bool on) { check.setChecked(on); });
}

void BindText(QLineEdit* edit, PlainTextBox& text) {
  text.viewChanged = [edit, &text] {
    const QSignalBlocker block(edit);
    if (edit->text() != Q(text.text())) edit->setText(Q(text.text()));
    edit->setEnabled(text.enabled());
  };
  text.focusRequested = [edit] { edit->setFocus(); };
  text.viewChanged();
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&text](const QString& typed) { text.setText(typed.toStdString()); });
}

}  // namespace brel
