// Checks on a grid as a user sees it.
#pragma once

#include <QFontMetrics>
#include <QHeaderView>
#include <string>

#include "grid_kit.h"
#include "numtext.h"

namespace brel::test {

// The headings a user sees cut: text wider than its column, or the columns
// wider than the view shows (a horizontal scroll bar).  Empty when all show.
inline std::string CutHeadings(const grid::GridView* view) {
  std::string cut;
  const QHeaderView* header = view->horizontalHeader();
  const QFontMetrics metrics(header->font());
  int total = 0;
  for (int c = 0; c < view->model()->columnCount(); ++c) {
    const QString text = view->model()->headerData(c, Qt::Horizontal).toString();
    total += header->sectionSize(c);
    if (metrics.horizontalAdvance(text) > header->sectionSize(c)) cut += Concat({"[", text.toStdString(), "] "});
  }
  if (total > view->viewport()->width()) cut += "(scrolls sideways)";
  return cut;
}

}  // namespace brel::test
