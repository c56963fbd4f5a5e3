#include "mdi_form_host.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace brel {

namespace {

// A label with no text and no picture: nothing to bring into view.
bool ShowsNothing(const QWidget* control) {
  const auto* label = qobject_cast<const QLabel*>(control);
  return label != nullptr && label->text().isEmpty() && label->pixmap().isNull();
}

// A window sized by its own rule (a share of the main window) may be
// smaller than the controls it shows: its frame then grows until they all
// show, with the margin they keep on its left and top also on its right
// and bottom, and moves left and up as far as that keeps it inside the
// area.  What still lies beyond the area's edge the area scrolls to.
void FitFrameToControls(QMdiArea* area, QMdiSubWindow* frame, QWidget* window) {
  QRect used;
  for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (control->isVisibleTo(window) && !ShowsNothing(control)) used |= control->geometry();
  if (used.isEmpty()) return;
  const QRect shown = window->rect() & frame->contentsRect().translated(-window->pos());
  const int wider = used.right() + std::max(0, used.left()) - shown.right();
  const int taller = used.bottom() + std::max(0, used.top()) - shown.bottom();
  if (wider <= 0 && taller <= 0) return;
  frame->resize(frame->width() + std::max(0, wider), frame->height() + std::max(0, taller));
  const QSize room = area->viewport()->size();
  frame->move(std::max(0, std::min(frame->x(), room.width() - frame->width())),
              std::max(0, std::min(frame->y(), room.height() - frame->height())));
}

}  // namespace

MdiFormHost::MdiFormHost(QMdiArea* area, QWidget* mainWindow)
    : QObject(mainWindow), area_(area), mainWindow_(mainWindow) {
  // A window that goes hands the front to the one the user was in before
  // it, not to the oldest window.
  area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  // A window larger than the area is scrolled to, not cut off.
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

MdiFormHost::~MdiFormHost() = default;

void MdiFormHost::registerForm(FormId id, Factory factory, WindowData data) {
  factories_[id] = Registration{std::move(factory), data};
}

WindowData MdiFormHost::dataOf(FormId id) const {
  auto registration = factories_.find(id);
  return registration != factories_.end() ? registration->second.data : WindowData::Own;
}

bool MdiFormHost::refuseLoad(FormId id) const {
  if (dataOf(id) != WindowData::MemoryImage || !imageInUse()) return false;
  if (context_ != nullptr) context_->messages.show(Warn(context_->state.LanguageFlag, kTitlePromptLower, kBusyText));
  return true;
}

bool MdiFormHost::isRegistered(FormId id) const { return factories_.count(id) != 0; }

Form* MdiFormHost::loadForm(FormId id) {
  if (Form* existing = form(id)) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(existing->parentWidget())) {
      sub->show();
      area_->setActiveSubWindow(sub);
    }
    return existing;
  }
  auto factory = factories_.find(id);
  if (factory == factories_.end() || context_ == nullptr) return nullptr;
  if (refuseLoad(id)) return nullptr;
  Form* created = factory->second.factory(*context_);
  if (created == nullptr) return nullptr;
  QMdiSubWindow* sub = area_->addSubWindow(created);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  sub->installEventFilter(this);
  // The sub-window's own Close would take the platform's close key (Ctrl+W
  // here), which the main window uses for Write to radio; two owners of one
  // key make Qt run neither.
  if (QMenu* menu = sub->systemMenu()) {
    for (QAction* action : menu->actions())
      if (action->shortcut() == QKeySequence(QKeySequence::Close))
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  }
  loaded_[id] = created;
  created->loadHandling();
  // A load handling may unload its own window (or be refused by it).
  if (form(id) != created) return form(id);
  sub->show();
  // Shown, the frame has laid the window out in it.
  FitFrameToControls(area_, sub, created);
  area_->setActiveSubWindow(sub);
  return created;
}

bool MdiFormHost::unloadForm(FormId id, UnloadMode mode) {
  Form* current = form(id);
  if (current == nullptr) return true;
  if (mode == UnloadMode::Ask && !current->queryUnload()) return false;
  loaded_.erase(id);
  current->unloadHandling();
  QWidget* frame = current->parentWidget();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
    sub->removeEventFilter(this);
    sub->hide();
    area_->removeSubWindow(sub);
    // The unload may come from one of the window's own handlers, so the
    // objects go once control is back in the event loop.
    sub->deleteLater();
  } else {
    current->hide();
    current->deleteLater();
  }
  return true;
}

Form* MdiFormHost::reloadForm(FormId id) {
  // A window refuses to go in its own words (its own exchange runs); one
  // that may go but could not load again stays as it is, not gone.
  if (Form* current = form(id); current != nullptr && !current->queryUnload()) return current;
  if (refuseLoad(id)) return form(id);
  unloadForm(id, UnloadMode::Force);  // asked above
  return loadForm(id);
}

bool MdiFormHost::queryUnloadAll() {
  for (const auto& entry : loaded_)
    if (!entry.second->queryUnload()) return false;
  return true;
}

bool MdiFormHost::isLoaded(FormId id) const { return loaded_.count(id) != 0; }

Form* MdiFormHost::form(FormId id) const {
  auto it = loaded_.find(id);
  return it == loaded_.end() ? nullptr : it->second;
}

void MdiFormHost::commitAllPendingEdits() {
  for (const auto& entry : loaded_) entry.second->commitPendingEdit();
}

bool MdiFormHost::imageInUse() const {
  for (const auto& entry : loaded_)
    if (entry.second->exchangeOnImage()) return true;
  return false;
}

void MdiFormHost::showReplacedImage() {
  // A window's showing may load or unload another: the windows loaded now.
  std::vector<QPointer<Form>> windows;
  for (const auto& entry : loaded_) windows.emplace_back(entry.second);
  for (const QPointer<Form>& window : windows)
    if (window != nullptr && !window->unloading()) window->showReplacedImage();
}

QSize MdiFormHost::mainWindowSize() const { return mainWindow_->size(); }

QSize MdiFormHost::clientSize() const { return area_->viewport()->size(); }

void MdiFormHost::unloadAll() {
  while (!loaded_.empty()) unloadForm(loaded_.begin()->first, UnloadMode::Force);
}

bool MdiFormHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    for (const auto& [id, f] : loaded_) {
      if (f->parentWidget() == watched) {
        // The close box is an unload like any other: the window may refuse.
        event->ignore();
        unloadForm(id, UnloadMode::Ask);
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace brel
