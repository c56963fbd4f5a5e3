// Checks on a grid as a user sees it.  (Its headings are checked with every
// other caption: caption_checks.h.)
#pragma once

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace brel::test {

// How much wider the columns are than the view shows: a grid the user must
// scroll sideways.  0 when every column is in view.
inline int ColumnsBeyondView(const QTableView* view) {
  const QHeaderView* header = view->horizontalHeader();
  int total = 0;
  for (int c = 0; c < header->count(); ++c)
    if (!header->isSectionHidden(c)) total += header->sectionSize(c);
  return std::max(0, total - view->viewport()->width());
}

}  // namespace brel::test
