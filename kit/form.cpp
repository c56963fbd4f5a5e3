#include "form.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace brel {

const char* FormName(FormId id) {
  switch (id) {
    case FormId::frm_chann: return "frm_chann";
    case FormId::frm_option: return "frm_option";
    case FormId::frm_dtmf: return "frm_dtmf";
    case FormId::Form_setup: return "Form_setup";
    case FormId::Form_save_chann: return "Form_save_chann";
    case FormId::Form_open_chann: return "Form_open_chann";
    case FormId::Form_Comm_Read: return "Form_Comm_Read";
    case FormId::Form_Comm_Write: return "Form_Comm_Write";
    case FormId::Form_type: return "Form_type";
    case FormId::frmAbout: return "frmAbout";
    case FormId::Form_open_adj: return "Form_open_adj";
    case FormId::Form_save_adj: return "Form_save_adj";
    case FormId::Form_open_menu: return "Form_open_menu";
    case FormId::Form_save_menu: return "Form_save_menu";
    case FormId::Form_open_sig: return "Form_open_sig";
    case FormId::Form_save_sig: return "Form_save_sig";
    case FormId::frm_Adj_Txp: return "frm_Adj_Txp";
    case FormId::Form_Write_PassWord: return "Form_Write_PassWord";
    case FormId::frm_FM: return "frm_FM";
    case FormId::frm_2tone: return "frm_2tone";
    case FormId::frm_5tone: return "frm_5tone";
    case FormId::frm_Adj_Mod: return "frm_Adj_Mod";
    case FormId::frm_Adj_Tune: return "frm_Adj_Tune";
    case FormId::Form_open_fm: return "Form_open_fm";
    case FormId::Form_save_fm: return "Form_save_fm";
  }
  return "?";
}

bool LostToAnotherWindow(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool RefuseChangeIn(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget())
    if (const auto* form = qobject_cast<const Form*>(w)) return form->refuseChange();
  return false;
}

void ShowProgress(const PlainProgress& progress, QProgressBar& bar, QLabel& label) {
  bar.setValue(std::clamp(progress.value, 0, 100));
  bar.setVisible(progress.visible);
  label.setText(Q(progress.label));
}

int TwipsToPixels(double twips, double dpi) {
  if (dpi <= 0) dpi = 96;
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

namespace {

// Hands a field's focus-out to its window's rule while the window is loaded.
class FocusOutHook : public QObject {
 public:
  FocusOutHook(QWidget* field, const Form& form, std::function<void(Qt::FocusReason)> rule)
      : QObject(field), form_(form), rule_(std::move(rule)) {
    field->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && !form_.unloading()) rule_(static_cast<QFocusEvent*>(event)->reason());
    return QObject::eventFilter(watched, event);
  }

 private:
  const Form& form_;
  std::function<void(Qt::FocusReason)> rule_;
};

// Enter on a focused button presses it, as Space does.  A button takes
// Enter itself only as a dialog's default; everywhere else it passes the key
// on to its window, where this hook presses it.  Enter anywhere else, and
// Escape, stay unanswered: no window has a default or a cancel button.
class EnterPressesButton : public QObject {
 public:
  explicit EnterPressesButton(QWidget* window) : QObject(window), window_(window) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
      return false;
    auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
    if (button == nullptr || !window_->isAncestorOf(button) || !button->isEnabled() || !button->isVisible())
      return false;
    button->click();
    return true;
  }

 private:
  QWidget* window_;
};

}  // namespace

Form::Form(AppContext& context, FormId id)
    : context_(context), id_(id), token_(context.host.issueWindowToken()) {
  setObjectName(FormName(id));
  new EnterPressesButton(this);
}

Form::~Form() {
  // The widgets go after this object; their last focus moves reach no rule.
  stopLeaveRules();
}

void Form::stopLeaveRules() {
  QObject::disconnect(focusWatch_);
  focusWatch_ = {};
  leaveWatches_.clear();
  entered_ = nullptr;
  for (const QPointer<QObject>& hook : focusOutHooks_) delete hook.data();
  focusOutHooks_.clear();
}

bool Form::unloading() const { return context_.host.form(id_) != this; }

void Form::onFocusOut(QWidget* field, std::function<void(Qt::FocusReason)> rule) {
  focusOutHooks_.emplace_back(new FocusOutHook(field, *this, std::move(rule)));
}

void Form::watchLeave(QWidget* field, std::function<bool()> rule) {
  leaveWatches_.push_back(LeaveWatch{field, std::move(rule)});
  if (!focusWatch_)
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { settleFocusLater(); });
  settleFocusLater();
}

QWidget* Form::controlWithFocus() const {
  // An open drop-down stands for the control it belongs to.  It is a window
  // of its own, so the focus the user gave it may never have passed through
  // that control (a click on a list while a message box had just taken the
  // window's activation).
  if (QWidget* popup = QApplication::activePopupWidget()) {
    QWidget* owner = popup->parentWidget();
    return owner != nullptr && isAncestorOf(owner) ? owner : nullptr;
  }
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && isAncestorOf(focus) ? focus : nullptr;
}

const Form::LeaveWatch* Form::watchOf(const QWidget* control) const {
  for (const LeaveWatch& watch : leaveWatches_)
    if (control == watch.field || watch.field->isAncestorOf(control)) return &watch;
  return nullptr;
}

void Form::settleFocusLater() {
  if (settlePending_) return;
  settlePending_ = true;
  QMetaObject::invokeMethod(this, [this] { settleFocus(); }, Qt::QueuedConnection);
}

void Form::settleFocus() {
  settlePending_ = false;
  // A message shown by a rule moves the focus; the rule's end judges again.
  if (judging_ || unloading()) return;
  QWidget* now = controlWithFocus();
  if (now == nullptr) return;  // away in another window: nothing left yet
  const LeaveWatch* left = entered_ ? watchOf(entered_) : nullptr;
  if (left != nullptr && watchOf(now) != left) {
    const QPointer<QWidget> field = left->field;
    const std::function<bool()> rule = left->rule;
    entered_ = nullptr;
    judging_ = true;
    const bool refused = rule();
    judging_ = false;
    if (unloading()) return;
    if (refused) {
      if (field) giveFocusBack(field);
      return;
    }
    now = controlWithFocus();
    if (now == nullptr) return;
  }
  if (const LeaveWatch* watch = watchOf(now)) entered_ = watch->field;
}

void Form::giveFocusBack(QWidget* field) {
  if (QWidget* popup = QApplication::activePopupWidget()) {
    QWidget* owner = popup->parentWidget();
    if (auto* list = qobject_cast<QComboBox*>(owner); list != nullptr && isAncestorOf(list)) list->hidePopup();
    else if (owner != nullptr && isAncestorOf(owner)) popup->close();
  }
  entered_ = field;
  field->setFocus(Qt::OtherFocusReason);
}

void Form::placeCentred(QSize size, int raise) {
  const QSize client = host().clientSize();
  QWidget* frame = parentWidget() ? parentWidget() : this;  // the sub-window frame when hosted
  frame->resize(size);
  int left = (client.width() - size.width()) / 2;
  int top = (client.height() - size.height()) / 2 - raise;
  frame->move(std::max(0, left), std::max(0, top));
}

void Form::watchActivation(std::function<void()> activated, std::function<void()> deactivated) {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  QMdiArea* area = sub != nullptr ? sub->mdiArea() : nullptr;
  if (area == nullptr) return;
  activated_ = std::move(activated);
  deactivated_ = std::move(deactivated);
  QObject::disconnect(activation_);
  activation_ = connect(area, &QMdiArea::subWindowActivated, this, [this, sub](QMdiSubWindow* now) {
    if (now == nullptr) return;  // the main window lost the focus: no change
    if (now == sub) {
      // Back before the loss was judged: the window never left.
      if (leavePending_) {
        leavePending_ = false;
        return;
      }
      if (active_) return;
      active_ = true;
      // While an exchange reads or writes the window's data nothing can
      // have changed it (every change waits, and a completed read shows
      // itself in every open window), and a display would store what its
      // controls cannot show as stored under the exchange.
      if (activated_ && !dataInUse()) activated_();
      return;
    }
    // After a message box the area may bring back the child active before
    // ours, then the focus returns to ours.  So a loss is judged once control
    // is back in the event loop, from the child that is active then.
    if (!active_ || leavePending_) return;
    leavePending_ = true;
    QMetaObject::invokeMethod(this, [this] { settleLoss(); }, Qt::QueuedConnection);
  });
}

void Form::settleLoss() {
  if (!leavePending_) return;
  leavePending_ = false;
  if (!activation_) return;
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  QMdiArea* area = sub != nullptr ? sub->mdiArea() : nullptr;
  if (area == nullptr || area->activeSubWindow() == sub || area->activeSubWindow() == nullptr) return;
  active_ = false;
  if (deactivated_) deactivated_();
}

void Form::stopWatchingActivation() {
  QObject::disconnect(activation_);
  activation_ = {};
}

void Form::warn(const Bilingual& message, const Bilingual& title) const {
  context_.messages.show(Warn(language(), title, message));
}

void Form::warnText(const std::string& message, const Bilingual& title) const {
  context_.messages.show(Message{text(title), message, MessageIcon::Warning});
}

bool Form::refuseWhileBusy(bool busy, const Bilingual& message, const Bilingual& title) const {
  if (busy) warn(message, title);
  return busy;
}

int Form::twipsX(double twips) const { return TwipsToPixels(twips, logicalDpiX()); }
int Form::twipsY(double twips) const { return TwipsToPixels(twips, logicalDpiY()); }

QRect Form::twipsRect(double left, double top, double width, double height) const {
  return QRect(twipsX(left), twipsY(top), twipsX(width), twipsY(height));
}

}  // namespace brel
