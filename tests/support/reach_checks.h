// Checks that every control of a window can be brought into view, as a user
// brings it: by scrolling the area that holds the window.
#pragma once

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTabBar>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "caption_checks.h"  // ShownPart, OnEveryTabPage

namespace brel::test {

namespace reach_detail {

// The parts of a compound control (a list's field, a grid's viewport and
// bars, a tab bar's arrows) are in reach when the control is.
inline bool PartOfCompound(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
        qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QTabBar*>(p))
      return true;
  return false;
}

// What the user sees or uses: not a bare container (its controls count),
// nor a label with nothing in it.
inline bool IsControl(const QWidget* w) {
  if (auto* label = qobject_cast<const QLabel*>(w)) return !label->text().isEmpty() || !label->pixmap().isNull();
  const char* type = w->metaObject()->className();
  return std::strcmp(type, "QWidget") != 0 && std::strcmp(type, "QStackedWidget") != 0;
}

inline std::string Describe(const QWidget* control, QRect r) {
  return control->objectName().toStdString() + " (" + control->metaObject()->className() + ") at " +
         std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
         std::to_string(r.height());
}

// Scrolls `area` as little as brings `r` (in its viewport's coordinates)
// into view; returns where `control` then lies.
inline QRect ScrollTo(QMdiArea* area, const QWidget* control) {
  const QRect view = area->viewport()->rect();
  QRect r(control->mapTo(area->viewport(), QPoint()), control->size());
  QScrollBar* across = area->horizontalScrollBar();
  QScrollBar* down = area->verticalScrollBar();
  if (r.right() > view.right()) across->setValue(across->value() + r.right() - view.right());
  if (r.bottom() > view.bottom()) down->setValue(down->value() + r.bottom() - view.bottom());
  r = QRect(control->mapTo(area->viewport(), QPoint()), control->size());
  if (r.left() < view.left()) across->setValue(across->value() + r.left() - view.left());
  if (r.top() < view.top()) down->setValue(down->value() + r.top() - view.top());
  return QRect(control->mapTo(area->viewport(), QPoint()), control->size());
}

}  // namespace reach_detail

// Every control `window` shows that the user cannot see whole: one cut by
// the window itself (its frame or a frame inside it), or one that no
// scrolling of the area holding the window brings whole into view.  Empty
// when every control is in reach.  The area is scrolled back afterwards.
inline std::vector<std::string> OutOfReach(QWidget* window) {
  using namespace reach_detail;
  std::vector<std::string> out;
  auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  QMdiArea* area = frame != nullptr ? frame->mdiArea() : nullptr;
  if (area == nullptr) return {"the window is not in an area"};
  const int across = area->horizontalScrollBar()->value();
  const int down = area->verticalScrollBar()->value();
  for (QWidget* c : window->findChildren<QWidget*>()) {
    if (!c->isVisible() || !IsControl(c) || PartOfCompound(c, window)) continue;
    const QRect shown = caption_detail::ShownPart(c);
    if (shown != c->rect()) {
      out.push_back(Describe(c, QRect(c->mapTo(window, QPoint()), c->size())) + ": its window shows only " +
                    std::to_string(shown.width()) + "x" + std::to_string(shown.height()) + " of it");
      continue;
    }
    const QRect at = ScrollTo(area, c);
    if (!area->viewport()->rect().contains(at))
      out.push_back(Describe(c, at) + ": out of the area's view " + std::to_string(area->viewport()->width()) +
                    "x" + std::to_string(area->viewport()->height()) + " however scrolled");
  }
  area->horizontalScrollBar()->setValue(across);
  area->verticalScrollBar()->setValue(down);
  return out;
}

}  // namespace brel::test
