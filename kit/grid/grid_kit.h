// The grid kit: every editor's grid is the same three parts.
//
//   grid::TextGrid   the texts (plain C++, core/text_grid.h): rows and columns of
//                    strings, the first rows headings, the first columns row
//                    labels, and an observer told of every change.
//   grid::GridRules  what the editor decides (plain C++, core/text_grid.h): which
//                    editor a cell gets (none, a text box, a typed list, a
//                    pick-only list), the list's choices and the text it opens
//                    with, the key filter, the commit when the cell is left
//                    (which may refuse and keep the editor open), a choice from
//                    the list, Enter, clicks.
//   grid::GridModel, grid::GridView   the one Qt model and view (with its cell
//                    editors) over any grid and rules; a window only places
//                    the view and sizes its columns.
//
// An editor window:
//
//   grid::TextGrid grid_{1, kColumns};                 // row 0: the headings
//   MyRules rules_{state, grid_, messages};            // : grid::GridRules
//   grid::GridModel model_{grid_, rules_};             // members in this order
//   view_ = new grid::GridView(this);
//   view_->setGridModel(&model_);
//   view_->setEditorNames("Text_Edit", "Combo_Edit");  // if tests look them up
//   model_.apply([&] { ShowRowsFromImage(...); });     // changes outside a rule
//   view_->commitOpenEditor();                         // before the image is used
//
// The model is best a member declared after the grid and the rules, so it
// goes before them (a model that outlives its grid shows nothing and calls
// no rule once the grid has gone); the view, a child widget, neither
// commits nor touches them while it is destroyed.
//
// What every grid does alike:
//   - Model row i shows grid row i + 1; grid row 0 is the horizontal header.
//     Fixed rows and columns are never edited.
//   - A click lays the cell's editor over it.  A cell is committed only from
//     an editor laid on it: moving over other cells with the arrow keys
//     commits nothing.
//   - Leaving the cell commits it: a click on another cell, Up or Down in the
//     editor, the focus going elsewhere, commitOpenEditor().  When the rules
//     refuse, the editor stays open on its cell with what was typed and the
//     current cell does not move.
//   - Escape and Tab do nothing; Enter runs GridRules::enter.
//   - A list choice is handed to GridRules::choose at once.
//   - While a rule runs (it may show a message box, which takes the focus and
//     runs an event loop) the grid starts no second edit or commit.
//   - While the grid's window refuses changes (Form::refuseChange: an
//     exchange with the radio is using its data) no editor opens, and an
//     editor left open from before commits nothing: it closes and its cell
//     keeps what it shows.  Enter, a list choice and a double click wait
//     the same way.  The window says why.
#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

#include "text_grid.h"

namespace brel::grid {

class GridModel : public QAbstractTableModel, private GridObserver {
  Q_OBJECT
 public:
  // setData with this role and a list position: GridRules::choose.
  static constexpr int ListChoiceRole = Qt::UserRole + 1;

  GridModel(TextGrid& grid, GridRules& rules, QObject* parent = nullptr);
  ~GridModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Qt::EditRole: commit (false when the rules refused); ListChoiceRole: choose.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  static int gridRow(const QModelIndex& index) { return index.row() + 1; }
  QModelIndex cellIndex(int gridRow, int col) const { return index(gridRow - 1, col); }
  QString cellText(int gridRow, int col) const;

  CellEditor editorFor(const QModelIndex& index) const;
  QStringList choices(const QModelIndex& index) const;
  QString openingText(const QModelIndex& index) const;
  char32_t filterKey(const QModelIndex& index, char32_t key) const;

  enum class Commit { Done, Refused, NotNow };
  Commit commit(const QModelIndex& index, const QString& text);
  EnterAction enter(const QModelIndex& index, const QString& text);

  // Runs a change of the grid (a rule, or the window filling it) and tells
  // the view what changed.  Refused (false) while another change runs.
  bool apply(const std::function<void()>& change);
  bool operationRunning() const { return running_; }

  TextGrid& grid() const { return *grid_; }
  GridRules& rules() const { return rules_; }

 private:
  void cellChanged(int row, int col) override;
  void rowCountAboutToChange(int from, int to) override;
  void rowCountChanged(int from, int to) override;
  void gridAboutToBeReplaced() override { beginResetModel(); }
  void gridReplaced() override { endResetModel(); }
  // The grid went first (its window's members go before its child widgets):
  // the model shows nothing from now on and no longer calls the rules.
  void gridDestroyed() override;

  TextGrid* grid_;
  GridRules& rules_;
  bool running_ = false;
  int dirtyFirst_ = -1;
  int dirtyLast_ = -1;
  bool headingsDirty_ = false;
};

class GridView;

// The cell editors: a line edit, or an editable combo box for both kinds of
// list (a pick-only list puts back its text when something is typed).
class GridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit GridDelegate(GridView* view);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

  // The text an editor holds.
  static QString editorText(const QWidget* editor);
  // The view is being destroyed: its editors' last events are not its.
  void detach();

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  GridModel* model() const;
  bool filterKey(QWidget* editor, const QModelIndex& index, QEvent* event) const;

  GridView* view_;
};

class GridView : public QTableView {
  Q_OBJECT
 public:
  explicit GridView(QWidget* parent = nullptr);
  ~GridView() override;

  void setGridModel(GridModel* model);
  GridModel* gridModel() const { return model_; }

  // Commits the editor left open elsewhere, makes `index` the current cell
  // and lays its editor over it, as a click does.  False when the cell gets
  // no editor or the cell left refused.
  bool placeEditor(const QModelIndex& index);
  // Commits the editor still open, if any, and closes it.  False when the
  // rules refused (the editor stays open) or the window refuses changes now
  // (the editor is closed, nothing committed).
  bool commitOpenEditor();
  QWidget* openEditor() const;
  QModelIndex openEditorIndex() const;

  // Enter in an editor (the delegate hands it on).
  void enterPressed(QWidget* editor, const QModelIndex& index);

  // The object names the cell editors get (a window's own names for its
  // floating text box and list).
  void setEditorNames(const QString& textBox, const QString& list = QString()) {
    textBoxName_ = textBox;
    listName_ = list;
  }
  const QString& textBoxName() const { return textBoxName_; }
  const QString& listName() const { return listName_; }

  // The width column `col` needs to show its heading whole in the header's
  // font, margins included.
  int headingWidth(int col) const;
  // Sizes the columns to share `width` (the view's own width) in proportion
  // to `weights` (equal shares when empty), none narrower than its heading
  // needs.  When the headings need more than `width`, the view widens, as far
  // as its parent has room.  Sized again whenever the headings change (a
  // language switch), so a window lays out its neighbours from width().
  void fitColumns(int width, std::vector<int> weights = {});

  using QTableView::edit;

  // The window refuses a change of the grid now (it has said why).  Asked
  // as one of the grid's operations, so its message box starts no commit.
  bool refuseChange();

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void commitData(QWidget* editor) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // Typing in the grid itself does nothing.
  void keyboardSearch(const QString&) override {}

 private:
  // A press elsewhere first leaves the open editor's cell; false when refused.
  bool leaveForPress(QMouseEvent* event);
  void refitColumns();

  int fitWidth_ = 0;  // 0: the window sizes the columns itself
  std::vector<int> fitWeights_;

  QPointer<GridModel> model_;
  QPointer<QWidget> editor_;
  QPersistentModelIndex editorIndex_;
  QWidget* refusedEditor_ = nullptr;
  QWidget* discardedEditor_ = nullptr;  // its commit was refused by the window
  QPersistentModelIndex refusedClick_;  // the cell a refused click was on
  bool swallowRelease_ = false;
  bool restoring_ = false;
  QString textBoxName_;
  QString listName_;
};

}  // namespace brel::grid
