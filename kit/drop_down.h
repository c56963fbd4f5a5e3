// A list shows its entries whole when it drops down.  Qt opens the list of
// a box drawn with an edit field only as wide as the box, so a box narrower
// than its entries (a grid cell's list) would cut them.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <algorithm>

namespace brel {

// Called whenever the box's entries change.
inline void FitDropDownToEntries(QComboBox* box) {
  QAbstractItemView* view = box->view();
  int width = std::max(0, view->sizeHintForColumn(0)) + 2 * view->frameWidth();
  if (box->count() > box->maxVisibleItems())
    width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
  view->setMinimumWidth(width);
}

}  // namespace brel
