// Checks that a window shows its captions whole, as a user sees them: every
// text is measured in the font its control paints it with, against the room
// the style leaves it there.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "grid_kit.h"

namespace brel::test {

namespace caption_detail {

inline std::string Size(QSize size) { return std::to_string(size.width()) + "x" + std::to_string(size.height()); }

// The part of `control` its window shows, in its own coordinates: its rect
// as far as every parent up to the window's frame shows it.
inline QRect ShownPart(const QWidget* control) {
  QRect shown = control->rect();
  QPoint offset;  // the control's origin in the current parent's coordinates
  for (const QWidget* w = control; w->parentWidget() != nullptr && !w->isWindow(); w = w->parentWidget()) {
    offset += w->pos();
    const QWidget* parent = w->parentWidget();
    const auto* frame = qobject_cast<const QMdiSubWindow*>(parent);
    shown &= (frame != nullptr ? frame->contentsRect() : parent->rect()).translated(-offset);
    if (frame != nullptr) break;
  }
  return shown;
}

// Whether `text`, painted with `flags` in `room`, shows whole: its advance
// within the room's width, and the whole of it inside what is shown of the
// control (`clip` within it, when given); top to bottom its glyphs' ink: a
// line box a pixel taller than its room cuts no glyph, ink beyond does.
inline void Measure(std::vector<std::string>& cut, const QWidget* control, const QFont& font, const QString& text,
                    int flags, const QRect& room, const char* what = "", QRect clip = QRect()) {
  if (text.trimmed().isEmpty()) return;
  clip = clip.isNull() ? ShownPart(control) : clip & ShownPart(control);
  const QFontMetrics metrics(font);
  const QRect laid = metrics.boundingRect(room, flags, text);
  QRect ink;
  for (const QString& line : text.split('\n'))
    if (!line.trimmed().isEmpty()) ink |= metrics.tightBoundingRect(line);
  const int inkTop = laid.top() + metrics.ascent() + ink.top();
  const int inkBottom = laid.bottom() + 1 - metrics.descent() + ink.bottom();
  if (laid.width() > room.width() || laid.left() < clip.left() || laid.right() > clip.right() ||
      inkTop < clip.top() || inkBottom > clip.bottom())
    cut.push_back(control->objectName().toStdString() + what + " [" + text.toStdString() + "] lies at " +
                  std::to_string(laid.left()) + ".." + std::to_string(laid.right()) + " in a room of " +
                  std::to_string(room.left()) + ".." + std::to_string(room.right()) + ", its ink at " +
                  std::to_string(inkTop) + ".." + std::to_string(inkBottom) + "; shown " +
                  std::to_string(clip.left()) + ".." + std::to_string(clip.right()) + " by " +
                  std::to_string(clip.top()) + ".." + std::to_string(clip.bottom()));
}

inline void CheckLabel(std::vector<std::string>& cut, const QLabel* label) {
  const QString text = label->text();
  const int margin = label->margin();
  QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
  if (label->indent() > 0) room.setWidth(room.width() - label->indent());
  const bool rich = label->textFormat() == Qt::RichText ||
                    (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
  if (rich) {
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);
    doc.setHtml(text);
    if (label->wordWrap()) doc.setTextWidth(room.width());
    const QSize needed(static_cast<int>(std::ceil(doc.idealWidth())), static_cast<int>(std::ceil(doc.size().height())));
    if (needed.width() > room.width() || needed.height() > room.height())
      cut.push_back(label->objectName().toStdString() + " [" + text.toStdString() + "] needs " + Size(needed) +
                    ", has " + Size(room.size()));
    return;
  }
  int flags = static_cast<int>(label->alignment());
  if (label->wordWrap()) flags |= Qt::TextWordWrap;
  if (label->buddy() != nullptr) flags |= Qt::TextShowMnemonic;
  Measure(cut, label, label->font(), text, flags, room);
}

// Buttons, check boxes and option buttons: the text goes where the style
// puts a button's contents, less the icon.
inline void CheckButton(std::vector<std::string>& cut, const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  QRect room = button->contentsRect();
  int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
  if (qobject_cast<const QCheckBox*>(button)) {
    room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
  } else if (qobject_cast<const QRadioButton*>(button)) {
    room = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
  } else if (auto* push = qobject_cast<const QPushButton*>(button)) {
    if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  }
  if (!button->icon().isNull()) room.setLeft(room.left() + button->iconSize().width() + 4);
  Measure(cut, button, button->font(), button->text(), flags, room);
}

// A frame's title: where the style puts it, inside the frame.
inline void CheckGroupBox(std::vector<std::string>& cut, const QGroupBox* box) {
  const QString title = box->title();
  if (title.trimmed().isEmpty()) return;
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = title;
  option.lineWidth = 1;
  option.midLineWidth = 0;
  option.textAlignment = box->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  if (box->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
  if (box->isFlat()) option.features |= QStyleOptionFrame::Flat;
  const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  if (label.left() < 0 || label.right() > box->rect().right())
    cut.push_back(box->objectName().toStdString() + " [" + title.toStdString() + "] needs " +
                  Size(QSize(label.right() + 1, label.height())) + ", has " + Size(box->size()));
  // The style paints the title from the left of that place, unclipped but
  // by the frame's own edge.
  const QRect room(label.left(), label.top(), box->width() - std::max(0, label.left()), label.height());
  Measure(cut, box, box->font(), title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, room);
}

// Every entry of a list, as the closed list shows it once it is chosen.
inline void CheckComboBox(std::vector<std::string>& cut, const QComboBox* combo) {
  QRect room;
  if (const QLineEdit* edit = combo->lineEdit()) {
    // A line edit keeps a margin of two pixels each side inside its frame.
    const QMargins margins = edit->textMargins();
    room = edit->contentsRect().adjusted(2 + margins.left(), margins.top(), -2 - margins.right(), -margins.bottom());
    room.translate(edit->pos());
  } else {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    // The label is painted a pixel in from each side of the edit field.
    room = combo->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
               .adjusted(1, 0, -1, 0);
  }
  for (int i = 0; i < combo->count(); ++i) {
    QRect itemRoom = room;
    if (!combo->itemIcon(i).isNull()) itemRoom.setLeft(room.left() + combo->iconSize().width() + 4);
    Measure(cut, combo, combo->font(), combo->itemText(i), Qt::AlignLeft | Qt::AlignVCenter, itemRoom);
  }
}

// Every entry of a list as its drop-down shows it: opened as a click opens
// it, each entry's text, with the margins an item keeps each side, within
// the width of the drop-down's view.  (An entry below the fold shows as
// wide once scrolled to.)
inline void CheckDropDown(std::vector<std::string>& cut, QComboBox* combo) {
  if (combo->count() == 0) return;
  combo->showPopup();
  const QAbstractItemView* view = combo->view();
  const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  const int room = view->viewport()->width() - 2 * margin;
  const QFontMetrics metrics(view->font());
  for (int i = 0; i < combo->count(); ++i) {
    const int needed = metrics.horizontalAdvance(combo->itemText(i));
    if (needed > room)
      cut.push_back(combo->objectName().toStdString() + " drop-down [" + combo->itemText(i).toStdString() +
                    "] needs " + std::to_string(needed) + ", has " + std::to_string(room));
  }
  combo->hidePopup();
}

// Every section's heading inside its section.  (A grid may scroll: a section
// out of view is shown whole once scrolled to.)
inline void CheckHeader(std::vector<std::string>& cut, const QHeaderView* header) {
  const QAbstractItemModel* model = header->model();
  if (model == nullptr) return;
  const Qt::Orientation orientation = header->orientation();
  const int count = orientation == Qt::Horizontal ? model->columnCount() : model->rowCount();
  for (int s = 0; s < count; ++s) {
    if (header->isSectionHidden(s)) continue;
    const QString text = model->headerData(s, orientation, Qt::DisplayRole).toString();
    const QVariant fontData = model->headerData(s, orientation, Qt::FontRole);
    const QFont font = fontData.canConvert<QFont>() ? fontData.value<QFont>() : header->font();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = s;
    option.text = text;
    option.orientation = orientation;
    option.textAlignment = header->defaultAlignment();
    option.rect = orientation == Qt::Horizontal ? QRect(0, 0, header->sectionSize(s), header->height())
                                                : QRect(0, 0, header->width(), header->sectionSize(s));
    const QRect room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
    Measure(cut, header, font, text, static_cast<int>(header->defaultAlignment()), room,
            (" section " + std::to_string(s)).c_str(), option.rect);
  }
}

// Every tab's text inside its tab, within the bar.
inline void CheckTabBar(std::vector<std::string>& cut, const QTabBar* bar) {
  for (int i = 0; i < bar->count(); ++i) {
    if (!bar->isTabVisible(i)) continue;
    QStyleOptionTab option;
    option.initFrom(bar);
    option.rect = bar->tabRect(i);
    option.text = bar->tabText(i);
    option.shape = bar->shape();
    option.documentMode = bar->documentMode();
    option.icon = bar->tabIcon(i);
    option.iconSize = bar->iconSize();
    const QRect shown = option.rect.intersected(bar->rect());
    const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar).intersected(shown);
    Measure(cut, bar, bar->font(), option.text, Qt::AlignCenter | Qt::TextShowMnemonic, room, "", shown);
  }
}

// The window's title in the title bar of its frame, in the font the frame
// paints it with.
inline void CheckTitle(std::vector<std::string>& cut, const QMdiSubWindow* frame) {
  QStyleOptionTitleBar option;
  option.initFrom(frame);
  option.text = frame->windowTitle();
  option.titleBarFlags = frame->windowFlags();
  option.titleBarState = frame->windowState();
  option.subControls = QStyle::SC_All;
  option.rect = QRect(0, 0, frame->width(), frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame));
  const QRect room = frame->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, frame);
  Measure(cut, frame, QApplication::font("QMdiSubWindowTitleBar"), option.text, Qt::AlignLeft | Qt::AlignVCenter,
          room, " title", option.rect);
}

// The lists a grid lays over its cells: in each column, the first of the
// first rows whose cell gets a list is clicked, and its list checked closed
// and dropped down.  The list is then left again, which commits the text it
// opened with.
inline void CheckCellLists(std::vector<std::string>& cut, grid::GridView* view) {
  constexpr int kRowsTried = 8;
  grid::GridModel* model = view->gridModel();
  if (model == nullptr) return;
  for (int col = 0; col < model->columnCount(); ++col) {
    for (int row = 1; row <= std::min(kRowsTried, model->rowCount()); ++row) {
      const QModelIndex index = model->cellIndex(row, col);
      const grid::CellEditor kind = model->editorFor(index);
      if (kind != grid::CellEditor::TypedList && kind != grid::CellEditor::PickList) continue;
      if (!view->placeEditor(index)) break;
      if (auto* list = qobject_cast<QComboBox*>(view->openEditor())) {
        const std::string where = " (cell " + std::to_string(row) + ", " + std::to_string(col) + ")";
        std::vector<std::string> found;
        CheckComboBox(found, list);
        CheckDropDown(found, list);
        for (std::string& f : found) cut.push_back(f + where);
      }
      view->commitOpenEditor();
      break;
    }
  }
}

}  // namespace caption_detail

// Every caption shown cut that a user sees now in `window`: its title, when
// it sits in a child-window frame, and among its controls label texts,
// button, check box and option button texts, frame titles, every entry of
// every list, closed and dropped down, the lists a grid lays over its
// cells, grid headings and tab texts.  Empty when all show whole.  Lists are
// opened and grid cells clicked to see them.
inline std::vector<std::string> CutCaptions(QWidget* window) {
  using namespace caption_detail;
  std::vector<std::string> cut;
  if (auto* frame = qobject_cast<const QMdiSubWindow*>(window->parentWidget())) CheckTitle(cut, frame);
  std::vector<QComboBox*> lists;
  std::vector<grid::GridView*> grids;
  for (QWidget* c : window->findChildren<QWidget*>()) {
    if (!c->isVisible()) continue;
    if (auto* label = qobject_cast<const QLabel*>(c)) CheckLabel(cut, label);
    else if (auto* button = qobject_cast<const QAbstractButton*>(c)) CheckButton(cut, button);
    else if (auto* box = qobject_cast<const QGroupBox*>(c)) CheckGroupBox(cut, box);
    else if (auto* combo = qobject_cast<QComboBox*>(c)) {
      CheckComboBox(cut, combo);
      lists.push_back(combo);
    } else if (auto* header = qobject_cast<const QHeaderView*>(c)) CheckHeader(cut, header);
    else if (auto* bar = qobject_cast<const QTabBar*>(c)) CheckTabBar(cut, bar);
    else if (auto* grid = qobject_cast<grid::GridView*>(c)) grids.push_back(grid);
  }
  for (QComboBox* list : lists) CheckDropDown(cut, list);
  for (grid::GridView* grid : grids) CheckCellLists(cut, grid);
  return cut;
}

// Runs `check` on the page `window` shows, then once on every other page of
// each tab bar in it (with the page's tab text), and shows the first pages
// again.
inline void OnEveryTabPage(QWidget* window, const std::function<void(const std::string& page)>& check) {
  check("");
  for (QTabBar* bar : window->findChildren<QTabBar*>()) {
    if (!bar->isVisible()) continue;
    const int first = bar->currentIndex();
    for (int i = 0; i < bar->count(); ++i) {
      if (i == first) continue;
      bar->setCurrentIndex(i);
      QCoreApplication::processEvents();
      check(bar->tabText(i).toStdString());
    }
    bar->setCurrentIndex(first);
  }
}

}  // namespace brel::test
