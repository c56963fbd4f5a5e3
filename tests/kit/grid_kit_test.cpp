// The grid kit over a small set of rules: a row-label column, a typed code
// column whose leave rule refuses anything but five characters, and a
// pick-only column.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "grid_kit.h"

namespace brel::grid {
namespace {

using Log = std::vector<std::string>;

enum : int { kColLabel = 0, kColCode = 1, kColPick = 2 };

class CodeRules : public GridRules {
 public:
  explicit CodeRules(TextGrid& grid) : grid_(grid) {}
  CellEditor editorFor(int, int col) const override {
    return col == kColCode ? CellEditor::TextBox : CellEditor::PickList;
  }
  std::vector<std::string> choices(int, int) const override { return {"A", "B"}; }
  char32_t filterKey(int, int, char32_t key) const override {
    if (key == U'!') return 0;
    return key >= U'a' && key <= U'z' ? key - U'a' + U'A' : key;
  }
  void edited(int row, int col, const std::string& text) override { log.push_back(Cell(row, col) + " edited " + text); }
  bool commit(int row, int col, const std::string& text) override {
    if (!text.empty() && text.size() != 5) {
      log.push_back(Cell(row, col) + " refused " + text);
      return false;
    }
    grid_.setCell(row, col, text);
    return true;
  }
  void choose(int row, int col, int, const std::string& text) override { grid_.setCell(row, col, text); }
  void clicked(int row, int col) override { log.push_back(Cell(row, col) + " clicked"); }
  void doubleClicked(int row, int col) override { log.push_back(Cell(row, col) + " double-clicked"); }

  Log log;

 private:
  static std::string Cell(int row, int col) { return "(" + std::to_string(row) + "," + std::to_string(col) + ")"; }
  TextGrid& grid_;
};

class GridKit : public ::testing::Test {
 protected:
  GridKit() : grid(4, 3, 1, 1), rules(grid), model(grid, rules), view(&window) {
    for (int r = 1; r < 4; ++r) {
      grid.setCell(r, kColLabel, std::to_string(r));
      grid.setCell(r, kColCode, "OLD" + std::to_string(r) + "X");
    }
    view.setGridModel(&model);
    view.resize(400, 200);
    window.resize(400, 200);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  void click(int row, int col, bool twice = false) {
    const QModelIndex index = model.cellIndex(row, col);
    const QPoint at = view.visualRect(index).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
  }
  void type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
  void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
  }
  QLineEdit* textBox() const { return qobject_cast<QLineEdit*>(view.openEditor()); }
  Log refusals() const {
    Log out;
    for (const std::string& line : rules.log)
      if (line.find("refused") != std::string::npos) out.push_back(line);
    return out;
  }

  QWidget window;
  TextGrid grid;
  CodeRules rules;
  GridModel model;
  GridView view;
};

TEST(TextGrid, KeepsItsFixedRowsAndReportsOnlyRealChanges) {
  struct Recorder : GridObserver {
    void cellChanged(int row, int col) override { log.push_back("cell " + std::to_string(row) + std::to_string(col)); }
    void rowCountAboutToChange(int from, int to) override {
      log.push_back("rows " + std::to_string(from) + ">" + std::to_string(to));
    }
    void rowCountChanged(int, int) override { log.push_back("rows done"); }
    Log log;
  } recorder;
  TextGrid grid(3, 2, 2, 0);
  grid.setObserver(&recorder);
  grid.setCell(2, 1, "x");
  grid.setCell(2, 1, "x");
  grid.setRowCount(0);
  EXPECT_EQ(grid.rowCount(), 2);
  grid.setRowCount(2);
  grid.setRowCount(4);
  EXPECT_EQ(grid.cell(3, 1), "");
  EXPECT_TRUE(grid.isBlank(3, 1));
  EXPECT_EQ(recorder.log, (Log{"cell 21", "rows 3>2", "rows done", "rows 2>4", "rows done"}));
  EXPECT_THROW(grid.cell(4, 0), std::out_of_range);
  EXPECT_THROW(grid.setCell(0, 2, "x"), std::out_of_range);
  EXPECT_THROW(grid.cell(-1, 0), std::out_of_range);
}

TEST_F(GridKit, FixedCellsGetNoEditorAndTheHeadingIsRowZero) {
  grid.setCell(0, kColCode, "Code");
  EXPECT_EQ(model.headerData(kColCode, Qt::Horizontal).toString(), "Code");
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_FALSE(model.flags(model.cellIndex(1, kColLabel)).testFlag(Qt::ItemIsEditable));
  click(2, kColLabel);
  EXPECT_EQ(view.openEditor(), nullptr);
  EXPECT_EQ(rules.log, Log{"(2,0) clicked"});
}

// The leave rule refuses: every way of leaving the cell gives one refusal,
// the editor stays with the typed text, the current cell and the cell's text
// stay as they were.  Once the text is right, the same click moves on.
TEST_F(GridKit, ARefusedLeaveKeepsTheEditorOpenOnItsCell) {
  click(1, kColCode);
  ASSERT_NE(textBox(), nullptr);
  textBox()->clear();
  type("12");

  click(3, kColPick);
  EXPECT_EQ(refusals().size(), 1u);
  press(Qt::Key_Down);
  EXPECT_EQ(refusals().size(), 2u);
  EXPECT_FALSE(view.commitOpenEditor());
  EXPECT_EQ(refusals(), Log(3, "(1,1) refused 12"));
  ASSERT_NE(textBox(), nullptr);
  EXPECT_EQ(view.openEditorIndex(), model.cellIndex(1, kColCode));
  EXPECT_EQ(view.currentIndex(), model.cellIndex(1, kColCode));
  EXPECT_EQ(textBox()->text(), "12");
  EXPECT_EQ(grid.cell(1, kColCode), "OLD1X");
  EXPECT_EQ(QApplication::focusWidget(), textBox());

  type("345");
  click(3, kColPick);
  EXPECT_EQ(grid.cell(1, kColCode), "12345");
  EXPECT_EQ(view.openEditorIndex(), model.cellIndex(3, kColPick));
  EXPECT_EQ(refusals().size(), 3u);
}

TEST_F(GridKit, TypingGoesThroughTheKeyFilterAndEveryChangeToTheRules) {
  click(2, kColCode);
  ASSERT_NE(textBox(), nullptr);
  rules.log.clear();  // the opening text is not an edit
  textBox()->selectAll();
  type("a!b");
  EXPECT_EQ(textBox()->text(), "AB");
  EXPECT_EQ(rules.log, (Log{"(2,1) edited A", "(2,1) edited AB"}));
}

TEST_F(GridKit, APickListTakesOnlyAChoiceAndChangesAreSignalledByRow) {
  click(2, kColPick);
  auto* list = qobject_cast<QComboBox*>(view.openEditor());
  ASSERT_NE(list, nullptr);
  type("zz");
  EXPECT_EQ(list->currentText(), "");
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  EXPECT_TRUE(model.setData(model.cellIndex(2, kColPick), 1, GridModel::ListChoiceRole));
  EXPECT_FALSE(model.setData(model.cellIndex(2, kColPick), 2, GridModel::ListChoiceRole));
  EXPECT_EQ(grid.cell(2, kColPick), "B");
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
}

// A window's members (grid, rules) go before its child widgets (model,
// view); an editor left open then commits nothing and the model shows
// nothing.
TEST(GridKitTeardown, AWindowGoingWithAnOpenEditorCommitsNothing) {
  QWidget window;
  auto grid = std::make_unique<TextGrid>(3, 3, 1, 1);
  auto rules = std::make_unique<CodeRules>(*grid);
  auto* model = new GridModel(*grid, *rules, &window);
  auto* view = new GridView(&window);
  view->setGridModel(model);
  window.resize(400, 200);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(view->placeEditor(model->cellIndex(1, kColCode)));
  QTest::keyClicks(QApplication::focusWidget(), "12");
  rules->log.clear();

  grid.reset();
  EXPECT_EQ(model->rowCount(), 0);
  EXPECT_FALSE(model->apply([] {}));
  delete view;
  delete model;
  EXPECT_EQ(rules->log, Log{});
}

TEST_F(GridKit, ADoubleClickReachesTheRulesWithTheGridCell) {
  click(3, kColLabel, /*twice=*/true);
  EXPECT_EQ(rules.log.back(), "(3,0) double-clicked");
}

}  // namespace
}  // namespace brel::grid
