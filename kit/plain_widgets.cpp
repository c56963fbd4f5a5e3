#include "plain_widgets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "drop_down.h"
#include "form.h"

namespace brel {
namespace {

// Hands a widget's key presses to a rule before the widget sees them.
class KeyWatch : public QObject {
 public:
  KeyWatch(QWidget* widget, std::function<bool(const QKeyEvent&)> seen) : QObject(widget), seen_(std::move(seen)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) return seen_(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool(const QKeyEvent&)> seen_;
};

// A change the user makes through `widget` while its window refuses
// changes (Form::refuseChange, which says why) never reaches the control:
// `control` is shown again, so the widget shows what the data holds.
bool Refused(const QWidget* widget, const PlainControl& control) {
  if (!RefuseChangeIn(widget)) return false;
  if (control.viewChanged) control.viewChanged();
  return true;
}

// `rule` judges the keys that reach `watched` on their way into `edit`; a
// key typed while the window refuses changes is dropped before any rule
// sees it.
void FilterKeys(QWidget* watched, QLineEdit* edit, const PlainControl& control, KeyRule rule) {
  if (!rule) return;
  WatchKeys(watched, [edit, &control, rule = std::move(rule)](const QKeyEvent& key) {
    const char32_t typed = TypedCharacter(key);
    if (typed == 0) return false;
    if (Refused(edit, control)) return true;
    const char32_t taken = rule(typed);
    if (taken == typed) return false;
    if (taken != 0) edit->insert(QString::fromUcs4(&taken, 1));  // reaches the control as an edit
    return true;
  });
}

// A list's entries, refilled only when they differ from the box's.
void ShowEntries(QComboBox* box, const PlainList& list) {
  bool same = box->count() == list.count();
  for (int i = 0; same && i < list.count(); ++i) same = box->itemText(i) == Q(list.entry(i));
  if (same) return;
  box->clear();
  QStringList entries;
  entries.reserve(list.count());
  for (const std::string& entry : list.entries()) entries << Q(entry);
  box->addItems(entries);
  FitDropDownToEntries(box);
}

// A box drawn with an edit field whose typing never picks an entry: no
// completion, no new entries, and leaving or Enter selects nothing.
void KeepFieldApart(QComboBox* box) {
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setCompleter(nullptr);
  QObject::disconnect(box->lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
}

// A two-state control shown by a button: ticked or selected, and enabled.
void MirrorButton(QAbstractButton* button, PlainControl& control, std::function<bool()> on) {
  control.viewChanged = [button, &control, on = std::move(on)] {
    const QSignalBlocker block(button);
    const bool checked = on();
    // The selected one of an exclusive group is cleared only with the
    // group's rule set aside (no other may have been selected instead).
    const bool exclusive = button->autoExclusive() && !checked;
    if (exclusive) button->setAutoExclusive(false);
    button->setChecked(checked);
    if (exclusive) button->setAutoExclusive(true);
    button->setEnabled(control.enabled());
  };
  control.focusRequested = [button] { button->setFocus(); };
  control.viewChanged();
}

}  // namespace

char32_t TypedCharacter(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Backspace) return 8;
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const QList<uint> text = key.text().toUcs4();
  if (text.isEmpty()) return 0;
  const char32_t ch = text.front();
  return ch < 0x20 || ch == 0x7F ? 0 : ch;
}

void WatchKeys(QWidget* widget, std::function<bool(const QKeyEvent&)> seen) { new KeyWatch(widget, std::move(seen)); }

void DropTypedKeys(QComboBox* box) {
  WatchKeys(box, [](const QKeyEvent& key) {
    const QString text = key.text();
    if (text.size() != 1) return false;
    const QChar c = text.at(0);
    return c != '\t' && c != '\r' && c != '\n' && c != QChar(27);
  });
}

void BindList(QComboBox* box, PlainList& list) {
  if (QLineEdit* field = box->lineEdit()) {
    // The field only shows: no key, paste or Enter changes its text, and
    // no text in it ever picks an entry, so it never shows what the list
    // does not hold.
    field->setReadOnly(true);
    KeepFieldApart(box);
  }
  list.viewChanged = [box, &list] {
    const QSignalBlocker block(box);
    ShowEntries(box, list);
    box->setCurrentIndex(list.selectedIndex());
    if (box->isEditable() && box->currentText() != Q(list.text())) box->setEditText(Q(list.text()));
    box->setEnabled(list.enabled());
  };
  list.focusRequested = [box] { box->setFocus(); };
  list.viewChanged();
  QObject::connect(box, &QComboBox::currentIndexChanged, box, [box, &list](int index) {
    if (index >= 0 && !Refused(box, list)) list.select(index);
  });
}

void BindTypedList(QComboBox* box, PlainList& list, TypingRules rules) {
  box->setEditable(true);
  KeepFieldApart(box);
  QLineEdit* field = box->lineEdit();
  // Only what differs is set, so the cursor stays where the user types.
  list.viewChanged = [box, field, &list] {
    const QSignalBlocker block(box);
    ShowEntries(box, list);
    if (box->currentIndex() != list.selectedIndex()) box->setCurrentIndex(list.selectedIndex());
    if (field->text() != Q(list.text())) field->setText(Q(list.text()));
    box->setEnabled(list.enabled());
  };
  list.focusRequested = [box] { box->setFocus(); };
  list.viewChanged();
  QObject::connect(box, &QComboBox::activated, box, [box, &list](int index) {
    if (index != list.selectedIndex() && !Refused(box, list)) list.select(index);
  });
  std::function<void(const std::string&)> edited = rules.edited;
  if (!edited) edited = [&list](const std::string& text) { list.setEditText(text); };
  QObject::connect(field, &QLineEdit::textEdited, box, [box, &list, edited = std::move(edited)](const QString& text) {
    if (!Refused(box, list)) edited(text.toStdString());
  });
  // Typed keys reach the box, which hands them to its field directly; keys
  // sent to the field itself pass its own watch.
  FilterKeys(box, field, list, rules.keys);
  FilterKeys(field, field, list, std::move(rules.keys));
}

void BindCheck(QCheckBox* box, PlainCheckBox& check) {
  MirrorButton(box, check, [&check] { return check.checked(); });
  QObject::connect(box, &QCheckBox::toggled, box, [box, &check](bool on) {
    if (!Refused(box, check)) check.setChecked(on);
  });
}

void BindOption(QRadioButton* button, PlainOptionButton& option) {
  MirrorButton(button, option, [&option] { return option.selected(); });
  QObject::connect(button, &QRadioButton::clicked, button, [button, &option] {
    if (option.selected()) return;
    if (!RefuseChangeIn(button)) {
      option.setSelected(true);
      return;
    }
    // The click moved the tick between buttons: the whole group shows again.
    for (const PlainOptionButton* other : option.group())
      if (other->viewChanged) other->viewChanged();
    if (option.viewChanged) option.viewChanged();
  });
}

void BindText(QLineEdit* edit, PlainTextBox& text, TypingRules rules) {
  text.viewChanged = [edit, &text] {
    const QSignalBlocker block(edit);
    if (edit->text() != Q(text.text())) edit->setText(Q(text.text()));
    edit->setEnabled(text.enabled());
  };
  text.focusRequested = [edit] { edit->setFocus(); };
  text.viewChanged();
  std::function<void(const std::string&)> edited = rules.edited;
  if (!edited) edited = [&text](const std::string& typed) { text.typed(typed); };
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, &text, edited = std::move(edited)](const QString& typed) {
    if (!Refused(edit, text)) edited(typed.toStdString());
  });
  FilterKeys(edit, edit, text, std::move(rules.keys));
}

}  // namespace brel
