// The plain half of the grid kit (no Qt): a grid of texts and the rules an
// editor gives its grid.  See kit/grid/grid_kit.h for how an
// editor uses them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brel::grid {

// Told of every change of a grid, so a view can repaint just what changed.
class GridObserver {
 public:
  virtual ~GridObserver() = default;
  virtual void cellChanged(int row, int col) = 0;
  virtual void rowCountAboutToChange(int from, int to) = 0;
  virtual void rowCountChanged(int from, int to) = 0;
  // The whole grid is assigned anew, or is going away.
  virtual void gridAboutToBeReplaced() {}
  virtual void gridReplaced() {}
  virtual void gridDestroyed() {}
};

// Cells of text in rows and columns.  The first `fixedRows` rows hold
// headings and the first `fixedCols` columns row labels; neither is edited.
class TextGrid {
 public:
  TextGrid(int rows, int cols, int fixedRows = 1, int fixedCols = 0);
  // A copy has no observer; an assigned grid keeps its own.
  TextGrid(const TextGrid& other);
  TextGrid& operator=(const TextGrid& other);
  ~TextGrid();

  int rowCount() const { return static_cast<int>(rows_.size()); }
  int colCount() const { return cols_; }
  int fixedRows() const { return fixedRows_; }
  int fixedCols() const { return fixedCols_; }
  bool isFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

  // Keeps the texts of the rows that stay; new rows start empty.  The fixed
  // rows always stay.
  void setRowCount(int rows);

  // Throws std::out_of_range outside the grid.
  const std::string& cell(int row, int col) const;
  void setCell(int row, int col, std::string text);
  // Empty once blanks are removed at both ends.
  bool isBlank(int row, int col) const;

  void setObserver(GridObserver* observer) { observer_ = observer; }

 private:
  void check(int row, int col) const;

  int cols_;
  int fixedRows_;
  int fixedCols_;
  std::vector<std::vector<std::string>> rows_;
  GridObserver* observer_ = nullptr;
};

// Row 0's texts from a column format: "|" separates the columns and a leading
// "^" (which centres the column) is not shown.  Columns beyond the format
// keep their texts; texts beyond the grid's columns are dropped.
void SetHeadingsFromFormat(TextGrid& grid, const std::string& format);

// The editor a click lays over a cell.
enum class CellEditor {
  None,      // the cell is not edited
  TextBox,   // typed text
  TypedList, // a list whose text may also be typed
  PickList,  // a list that takes only a choice from it; typing is undone
};

// What Enter in a cell's editor does.
struct EnterAction {
  enum Kind {
    Nothing,  // the editor stays as it is
    Commit,   // the cell is committed and its editor closed
    MoveTo,   // the editor is laid on (row, col), which commits this cell first
  };
  Kind kind = Nothing;
  std::optional<std::string> text;  // put into the editor before anything else
  int row = 0;
  int col = 0;
};

// An editor's grid rules.  Rows and columns are the grid's, fixed ones
// included.  Every rule may change the grid's texts and show messages.
class GridRules {
 public:
  virtual ~GridRules() = default;

  virtual CellEditor editorFor(int row, int col) const = 0;
  // The list of a TypedList or PickList cell, in order.
  virtual std::vector<std::string> choices(int row, int col) const {
    (void)row, (void)col;
    return {};
  }
  // The text an editor opens with: by default the cell's.
  virtual std::optional<std::string> openingText(int row, int col) const {
    (void)row, (void)col;
    return std::nullopt;
  }
  // A character typed into a TextBox or TypedList: the character to insert
  // in its place, or 0 to drop it.  Backspace arrives as '\b'.
  virtual char32_t filterKey(int row, int col, char32_t key) const {
    (void)row, (void)col;
    return key;
  }
  // Every change of an editor's text while it is typed.
  virtual void edited(int row, int col, const std::string& text) { (void)row, (void)col, (void)text; }

  // The cell is being left with `text` in its editor.  False refuses it: the
  // editor stays open on the cell with what was typed (the rule has said why).
  virtual bool commit(int row, int col, const std::string& text) = 0;
  // A choice from the list, taken at once (the editor stays open).
  virtual void choose(int row, int col, int position, const std::string& text) {
    (void)row, (void)col, (void)position, (void)text;
  }
  // Enter in the cell's editor.
  virtual EnterAction enter(int row, int col, const std::string& text) {
    (void)row, (void)col, (void)text;
    return {};
  }
  // A click or a double click on a cell (after the click has laid its editor).
  virtual void clicked(int row, int col) { (void)row, (void)col; }
  virtual void doubleClicked(int row, int col) { (void)row, (void)col; }
};

}  // namespace brel::grid
