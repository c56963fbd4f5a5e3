// The drive, directory and file lists as a user works them.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <sys/stat.h>

#include "file_forms_fixture.h"

namespace brel::test {
namespace {

class FileBrowserTest : public FileFormsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub/deeper"));
    for (const char* name : {"b.dat", "A.DAT", "c.adj", "notes.txt", "sub/inner.dat"}) writeFile(name, "");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.dat"));
  }
};

TEST_F(FileBrowserTest, StartsInTheCurrentDirectoryAndListsMatchingFilesOnly) {
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  auto* dialog = dynamic_cast<FileDialogForm*>(host.loadForm(FormId::Form_open_chann));
  QDir::setCurrent(previous);
  ASSERT_NE(dialog, nullptr);
  FileBrowser* lists = dialog->browser();
  EXPECT_EQ(lists->directory(), QDir(dir.path()).canonicalPath());
  EXPECT_EQ(lists->fileNames(), (QStringList{"A.DAT", "b.dat"}));

  auto* adj = dynamic_cast<FileDialogForm*>(host.loadForm(FormId::Form_save_adj));
  ASSERT_TRUE(adj->browser()->setDirectory(dir.path()));
  EXPECT_EQ(adj->browser()->fileNames(), QStringList{"c.adj"});
}

TEST_F(FileBrowserTest, ClickingAFileFillsTheNameBoxWhichThenConfirms) {
  FileDialogForm* dialog = load(FormId::Form_save_chann);
  QListWidget* files = dialog->browser()->fileList();
  ASSERT_EQ(files->count(), 2);
  const QRect second = files->visualItemRect(files->item(1));
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(dialog->nameBox()->text(), "b.dat");
  dialog->confirmButton()->click();
  EXPECT_EQ(state.ParamFileName, pathOf("b.dat"));
  EXPECT_EQ(readFile("b.dat").size(), 481u * 50u);  // sixteen " 0 " and CR LF a line
}

class FileListKeysTest : public FileBrowserTest {
 protected:
  // The image Save dialog with the keyboard, "newfile.dat" typed, and Tab
  // pressed until the file list has the focus.
  FileDialogForm* tabIntoFileList() {
    showMainWindow();
    FileDialogForm* dialog = load(FormId::Form_save_chann);
    files = dialog->browser()->fileList();
    EXPECT_EQ(files->count(), 2);
    EXPECT_EQ(QApplication::focusWidget(), dialog->nameBox());
    QTest::keyClick(dialog->nameBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->nameBox(), "newfile.dat");
    for (int tabs = 0; tabs < 10 && QApplication::focusWidget() != files; ++tabs)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), files);
    return dialog;
  }
  QListWidget* files = nullptr;
};

TEST_F(FileListKeysTest, TabIntoTheFileListKeepsTheTypedNameAndSaveMakesThatFile) {
  const std::string listed = " 7  7 \r\n";
  writeFile("A.DAT", listed);
  writeFile("b.dat", listed);
  FileDialogForm* dialog = tabIntoFileList();
  EXPECT_EQ(dialog->nameBox()->text(), "newfile.dat");
  dialog->confirmButton()->click();
  EXPECT_EQ(readFile("newfile.dat").size(), 481u * 50u);
  EXPECT_EQ(readFile("A.DAT"), listed);
  EXPECT_EQ(readFile("b.dat"), listed);
}

TEST_F(FileListKeysTest, ArrowKeysInTheFileListChooseTheFileTheyLandOn) {
  FileDialogForm* dialog = tabIntoFileList();
  QTest::keyClick(files, Qt::Key_Down);
  ASSERT_NE(files->currentItem(), nullptr);
  const QString first = files->currentItem()->text();
  EXPECT_EQ(dialog->nameBox()->text(), first);
  QTest::keyClick(files, files->currentRow() == 0 ? Qt::Key_Down : Qt::Key_Up);
  EXPECT_NE(files->currentItem()->text(), first);
  EXPECT_EQ(dialog->nameBox()->text(), files->currentItem()->text());
}

TEST_F(FileBrowserTest, FolderListHoldsFoldersAndLinksToFoldersOnly) {
  const QString here = dir.path();
  ASSERT_EQ(::mkfifo(QFile::encodeName(here + "/pipe").constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(here + "/pipe", here + "/pipe-link"));
  ASSERT_TRUE(QFile::link(here + "/b.dat", here + "/file-link"));
  ASSERT_TRUE(QFile::link(here + "/sub", here + "/linked"));
  FileDialogForm* dialog = load(FormId::Form_open_chann);
  QListWidget* dirs = dialog->browser()->directoryList();
  QStringList below;
  for (int i = dirs->currentRow() + 1; i < dirs->count(); ++i) below.append(dirs->item(i)->text().trimmed());
  EXPECT_EQ(below, (QStringList{"folder.dat", "linked", "sub"}));
}

TEST_F(FileBrowserTest, DirectoryListShowsThePathAndSubfoldersAndMovesOnActivation) {
  FileDialogForm* dialog = load(FormId::Form_open_menu);
  QListWidget* dirs = dialog->browser()->directoryList();
  // The path down to the folder ends at the current entry; sub-folders follow.
  ASSERT_NE(dirs->currentItem(), nullptr);
  EXPECT_EQ(dirs->currentItem()->text().trimmed(), QFileInfo(dir.path()).fileName());
  QStringList below;
  for (int i = dirs->currentRow() + 1; i < dirs->count(); ++i) below.append(dirs->item(i)->text().trimmed());
  EXPECT_EQ(below, (QStringList{"folder.dat", "sub"}));

  QListWidgetItem* sub = dirs->item(dirs->currentRow() + 2);
  emit dirs->itemActivated(sub);
  EXPECT_EQ(dialog->browser()->directory(), dir.path() + "/sub");
  EXPECT_EQ(dialog->browser()->fileNames(), QStringList{"inner.dat"});
  dialog->nameBox()->setText("inner.dat");
  dialog->confirmButton()->click();
  EXPECT_EQ(state.FileOpenRequestPath, pathOf("sub/inner.dat"));
}

TEST_F(FileBrowserTest, DrivesIncludeRootAndHomeAndChoosingOneMovesTheDirectory) {
  FileDialogForm* dialog = load(FormId::Form_open_sig);
  FileBrowser* lists = dialog->browser();
  EXPECT_TRUE(lists->drives().contains("/"));
  EXPECT_TRUE(lists->drives().contains(QDir::homePath()));

  QComboBox* drives = lists->driveList();
  ASSERT_EQ(lists->currentDrive(), "/");  // the temporary folder lies on the root drive
  drives->setCurrentIndex(drives->findText(QDir::homePath()));
  EXPECT_EQ(lists->directory(), QDir::homePath());
  drives->setCurrentIndex(drives->findText("/"));
  EXPECT_EQ(lists->directory(), "/");
  // At the root the path gets a separator before the "/".
  dialog->nameBox()->setText("top.dat");
  dialog->confirmButton()->click();
  EXPECT_EQ(state.FileOpenRequestPath, "//top.dat");
}

}  // namespace
}  // namespace brel::test
