// The editor window base: its file sequence, over a small staging table (a
// file is read whole before anything changes, open edits are committed
// before it replaces its rows, and the user is told), and what waits for an
// exchange with the radio, through a grid and bound controls.
#include <QCheckBox>
#include <QComboBox>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "editor_window.h"
#include "grid_kit.h"
#include "hosted_windows.h"
#include "plain_widgets.h"

namespace brel {
namespace {

using Table = CellTable<3, 16>;

// Its file holds rows 0..1; what is being typed goes into rows 1 and 2 when
// committed.
class StagingWindow : public EditorWindow {
 public:
  StagingWindow(AppContext& context, bool labelled) : EditorWindow(context, FormId::frm_FM, Parts(labelled)) {}
  void loadHandling() override { resize(300, 200); }

  std::optional<std::int16_t> typed;
  bool commitRefused = false;
  std::vector<std::string> steps;
  Table table;

  using EditorWindow::setStatusText;

 private:
  static EditorParts Parts(bool labelled) {
    EditorParts parts;
    parts.fileRequests = RequestPair::AlignmentFmAndChannels;
    if (labelled) {
      parts.savingLabel = Bilingual{"", "saving"};
      parts.savedLabel = Bilingual{"", "saved"};
    }
    return parts;
  }
  bool commitEdits() override {
    steps.push_back("commit");
    if (commitRefused) return false;
    if (typed) table.at(1, 0) = table.at(2, 0) = *typed;
    typed.reset();
    return true;
  }
  FileRead readFile(const std::string& path) override {
    const auto load = [](Table& rows, const std::string& from) { return LoadTableRows(rows, 0, 1, from); };
    return ReadRowsInto(table, 0, 1, path, load);
  }
  void showLoadedFile() override { steps.push_back("show " + std::to_string(table.at(1, 0))); }
  std::optional<std::string> writeFile(const std::string& path) override {
    steps.push_back("write, label '" + statusLabel()->text().toStdString() + "'");
    return SaveTableRows(table, 0, 1, path);
  }
};

class EditorWindowFiles : public ::testing::Test, protected test::HostedWindows {
 protected:
  StagingWindow* open(bool labelled = false) {
    host.registerForm(FormId::frm_FM, [labelled](AppContext& c) { return new StagingWindow(c, labelled); });
    return load<StagingWindow>(FormId::frm_FM);
  }
  std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
  // A file of rows 0..1, every value `value`.
  std::string fileOf(int value) const {
    const std::string file = path("rows.dat");
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 32; ++i) out << ' ' << value << ' ' << (i % 16 == 15 ? "\r\n" : "");
    return file;
  }

  QTemporaryDir folder;
};

TEST_F(EditorWindowFiles, OpeningCommitsTheOpenEditBeforeTheFileReplacesItsRows) {
  StagingWindow* w = open();
  w->setStatusText("Read completed.");
  w->typed = 77;
  EXPECT_TRUE(w->openFileAndTell(fileOf(5)));
  EXPECT_EQ(w->steps, (std::vector<std::string>{"commit", "show 5"}));
  EXPECT_EQ(w->table.at(0, 15), 5);
  EXPECT_EQ(w->table.at(1, 0), 5) << "the file wins over what was typed into its rows";
  EXPECT_EQ(w->table.at(2, 0), 77) << "what was committed outside the file's rows stays";
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Succeed fold the parameter from file."});
  EXPECT_EQ(w->statusLabel()->text(), "");
}

TEST_F(EditorWindowFiles, ARefusedFileOrCommitChangesNothing) {
  StagingWindow* w = open();
  w->typed = 77;
  const Table before = w->table;
  std::ofstream(path("short.dat")) << " 1  2  3 ";
  EXPECT_FALSE(w->openFileAndTell(path("short.dat")));
  EXPECT_TRUE(w->steps.empty()) << "nothing is committed for a file that is refused";
  EXPECT_EQ(w->table, before);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.lastText().find("short.dat"), std::string::npos);
  EXPECT_NE(messages.lastText().find("Nothing was changed."), std::string::npos);

  messages.shown.clear();
  w->commitRefused = true;
  EXPECT_FALSE(w->openFileAndTell(fileOf(5)));
  EXPECT_FALSE(w->saveFileAndTell(path("out.dat")));
  EXPECT_EQ(w->steps, (std::vector<std::string>{"commit", "commit"}));
  EXPECT_EQ(w->table, before);
  EXPECT_FALSE(QFile::exists(folder.filePath("out.dat")));
  EXPECT_TRUE(messages.shown.empty()) << "the refusing editor has said why";
}

TEST_F(EditorWindowFiles, SavingCommitsThenWritesAndTells) {
  StagingWindow* w = open(/*labelled=*/true);
  w->typed = 9;
  EXPECT_TRUE(w->saveFileAndTell(path("out.dat")));
  EXPECT_EQ(w->steps, (std::vector<std::string>{"commit", "write, label 'saving'"}));
  Table saved;
  ASSERT_FALSE(LoadTableRows(saved, 0, 1, path("out.dat")).has_value());
  EXPECT_EQ(saved.at(1, 0), 9) << "row 1 holds what was typed";
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete storing  parameter."});
  EXPECT_EQ(w->statusLabel()->text(), "");

  messages.shown.clear();
  EXPECT_FALSE(w->saveFileAndTell(path("no/such/folder/x.dat")));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.lastText().find("x.dat"), std::string::npos);
  EXPECT_EQ(w->statusLabel()->text(), "");
}

// --- what waits for an exchange ------------------------------------------------

constexpr const char* kBusy = "Read-write operating with transceiver .";

// Stands for a window whose exchange on the memory image runs, as the main
// Read's dialog is while it reads: the test says when.
class ImageExchangeWindow : public Form {
 public:
  ImageExchangeWindow(AppContext& context, const bool& holding)
      : Form(context, FormId::Form_Comm_Read), holding_(holding) {}
  void loadHandling() override { resize(100, 60); }
  bool exchangeOnImage() const override { return holding_; }

 private:
  const bool& holding_;
};

// Column 1 takes any text.
class AnyText : public grid::GridRules {
 public:
  explicit AnyText(grid::TextGrid& cells) : cells_(cells) {}
  grid::CellEditor editorFor(int, int col) const override {
    return col == 1 ? grid::CellEditor::TextBox : grid::CellEditor::None;
  }
  bool commit(int row, int col, const std::string& text) override {
    cells_.setCell(row, col, text);
    return true;
  }

 private:
  grid::TextGrid& cells_;
};

// A grid, a tick, a list, a text box and two option buttons, over the
// memory image or over data of the window's own.
class ControlsWindow : public EditorWindow {
 public:
  ControlsWindow(AppContext& context, FormId id) : EditorWindow(context, id), rules_(cells), model_(cells, rules_) {
    cells.setCell(1, 1, "old");
    grid = new grid::GridView(this);
    grid->setGridModel(&model_);
    grid->setGeometry(0, 0, 300, 100);
    tick = new QCheckBox(this);
    tick->setGeometry(0, 110, 80, 20);
    BindCheck(tick, plainTick);
    list = new QComboBox(this);
    list->setGeometry(100, 110, 80, 20);
    plainList.setEntries({"A", "B", "C"});
    plainList.select(0);
    BindList(list, plainList);
    text = new QLineEdit(this);
    text->setGeometry(200, 110, 80, 20);
    BindText(text, plainText, {.keys = [](char32_t typed) { return typed; }});
    first = new QRadioButton(this);
    first->setGeometry(0, 140, 80, 20);
    second = new QRadioButton(this);
    second->setGeometry(100, 140, 80, 20);
    plainFirst.setGroup({&plainFirst, &plainSecond});
    plainSecond.setGroup({&plainFirst, &plainSecond});
    plainFirst.setSelected(true);
    BindOption(first, plainFirst);
    BindOption(second, plainSecond);
  }
  void loadHandling() override {
    resize(320, 180);
    watchActivation([this] { ++shownOnActivation; });
  }

  grid::TextGrid cells{3, 2, 1, 1};
  grid::GridView* grid;
  QCheckBox* tick;
  QComboBox* list;
  QLineEdit* text;
  QRadioButton* first;
  QRadioButton* second;
  PlainCheckBox plainTick;
  PlainList plainList;
  PlainTextBox plainText;
  PlainOptionButton plainFirst, plainSecond;
  int shownAfresh = 0;
  int shownOnActivation = 0;

 private:
  void imageReplaced() override { ++shownAfresh; }

  AnyText rules_;
  grid::GridModel model_;
};

class WaitingForAnExchange : public ::testing::Test, protected test::HostedWindows {
 protected:
  WaitingForAnExchange() {
    host.registerForm(FormId::Form_Comm_Read, [this](AppContext& c) { return new ImageExchangeWindow(c, holding); });
    host.registerForm(
        FormId::frm_chann, [](AppContext& c) { return new ControlsWindow(c, FormId::frm_chann); },
        WindowData::MemoryImage);
    host.registerForm(FormId::frm_FM, [](AppContext& c) { return new ControlsWindow(c, FormId::frm_FM); });
    showMainWindow();
    load(FormId::Form_Comm_Read);
  }
  ~WaitingForAnExchange() override { closeAll(); }

  // Loaded as a window already open when the exchange took the image.
  ControlsWindow* open(FormId id) {
    const bool held = holding;
    holding = false;
    auto* w = load<ControlsWindow>(id);
    QCoreApplication::processEvents();
    holding = held;
    return w;
  }
  void click(QWidget* widget, QPoint at = QPoint(6, 6)) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
  }
  void bringForward(Form* w) {
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
    QCoreApplication::processEvents();
  }
  void clickCell(ControlsWindow* w, int row) {
    const QModelIndex cell = w->grid->model()->index(row - 1, 1);
    click(w->grid->viewport(), w->grid->visualRect(cell).center());
  }
  // Each control of the window changed once as a user changes it.
  void changeEverything(ControlsWindow* w) {
    clickCell(w, 1);
    if (auto* editor = qobject_cast<QLineEdit*>(w->grid->openEditor())) {
      QTest::keyClicks(editor, "new");
      clickCell(w, 2);
    }
    click(w->tick);
    w->list->setFocus();
    QTest::keyClick(w->list, Qt::Key_Down);
    w->text->setFocus();
    QTest::keyClick(w->text, Qt::Key_7);
    click(w->second);
    QCoreApplication::processEvents();
  }

  bool holding = true;
};

TEST_F(WaitingForAnExchange, WhileAnExchangeHoldsTheImageNoChangeReachesAWindowOverIt) {
  ControlsWindow* w = open(FormId::frm_chann);
  changeEverything(w);
  EXPECT_EQ(messages.texts(), std::vector<std::string>(5, kBusy));
  EXPECT_EQ(w->grid->openEditor(), nullptr);
  EXPECT_EQ(w->cells.cell(1, 1), "old");
  EXPECT_FALSE(w->plainTick.checked());
  EXPECT_FALSE(w->tick->isChecked());
  EXPECT_EQ(w->plainList.selectedIndex(), 0);
  EXPECT_EQ(w->list->currentIndex(), 0);
  EXPECT_EQ(w->plainText.text(), "");
  EXPECT_EQ(w->text->text(), "");
  EXPECT_TRUE(w->plainFirst.selected());
  EXPECT_TRUE(w->first->isChecked());
  EXPECT_FALSE(w->second->isChecked());

  // A double click says so once.
  messages.shown.clear();
  const QModelIndex cell = w->grid->model()->index(1, 1);
  const QPoint at = w->grid->visualRect(cell).center();
  QTest::mouseClick(w->grid->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(w->grid->viewport(), Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kBusy});
  EXPECT_EQ(w->grid->openEditor(), nullptr);

  // The exchange over, every change goes in.
  holding = false;
  messages.shown.clear();
  changeEverything(w);
  EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
  EXPECT_EQ(w->cells.cell(1, 1), "new");
  EXPECT_TRUE(w->plainTick.checked());
  EXPECT_EQ(w->plainList.selectedIndex(), 1);
  EXPECT_EQ(w->plainText.text(), "7");
  EXPECT_TRUE(w->plainSecond.selected());
  EXPECT_FALSE(w->first->isChecked());
}

TEST_F(WaitingForAnExchange, AnEditorLeftOpenFromBeforeCommitsNothing) {
  holding = false;
  ControlsWindow* w = open(FormId::frm_chann);
  clickCell(w, 1);
  auto* editor = qobject_cast<QLineEdit*>(w->grid->openEditor());
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "typed");

  holding = true;
  EXPECT_FALSE(w->grid->commitOpenEditor());
  EXPECT_EQ(w->grid->openEditor(), nullptr);
  EXPECT_EQ(w->cells.cell(1, 1), "old");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kBusy});
}

TEST_F(WaitingForAnExchange, AWindowOverItsOwnDataWaitsOnlyForItsOwnExchange) {
  ControlsWindow* w = open(FormId::frm_FM);
  EXPECT_FALSE(w->dataInUse());
  changeEverything(w);
  EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
  EXPECT_EQ(w->cells.cell(1, 1), "new");
  EXPECT_TRUE(w->plainTick.checked());
  EXPECT_TRUE(w->plainSecond.selected());
}

TEST_F(WaitingForAnExchange, ANewImageIsShownByTheWindowsOverIt) {
  ControlsWindow* image = open(FormId::frm_chann);
  ControlsWindow* own = open(FormId::frm_FM);
  host.showReplacedImage();
  EXPECT_EQ(image->shownAfresh, 1);
  EXPECT_EQ(own->shownAfresh, 0);
}

// A window registered over the image neither loads nor reloads while an
// exchange holds it; brought forward then, it shows nothing afresh, which a
// window over its own data still does.
TEST_F(WaitingForAnExchange, WhileTheImageIsHeldAWindowOverItNeitherLoadsNorShowsItAfresh) {
  EXPECT_EQ(host.loadForm(FormId::frm_chann), nullptr);
  EXPECT_FALSE(host.isLoaded(FormId::frm_chann));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kBusy});

  holding = false;
  ControlsWindow* image = open(FormId::frm_chann);
  ControlsWindow* own = open(FormId::frm_FM);
  ASSERT_NE(image, nullptr);
  holding = true;
  messages.shown.clear();
  EXPECT_EQ(host.reloadForm(FormId::frm_chann), image);
  EXPECT_EQ(host.loadForm(FormId::frm_chann), image) << "brought forward";
  bringForward(own);
  const int imageShown = image->shownOnActivation;
  const int ownShown = own->shownOnActivation;
  bringForward(image);
  bringForward(own);
  EXPECT_EQ(image->shownOnActivation, imageShown);
  EXPECT_EQ(own->shownOnActivation, ownShown + 1);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{kBusy});

  holding = false;
  bringForward(image);
  EXPECT_EQ(image->shownOnActivation, imageShown + 1);
}

}  // namespace
}  // namespace brel
