// The editor window base's file sequence, over a small staging table: a
// file is read whole before anything changes, open edits are committed
// before it replaces its rows, and the user is told.
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "editor_window.h"
#include "hosted_windows.h"

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

}  // namespace
}  // namespace brel
