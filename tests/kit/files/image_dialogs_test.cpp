// The image Save and Open dialogs against real files in a temporary folder.
#include <QDir>
#include <csignal>
#include <sys/resource.h>

#include "default_contents.h"
#include "file_forms_fixture.h"
#include "image_file.h"
#include "numtext.h"

namespace brel::test {
namespace {

// One file line as the format defines it: " v " per value, then CR LF.
std::string Line(const std::vector<int>& values) {
  std::string out;
  for (int v : values) out += Concat({" ", std::to_string(v), " "});
  return out + "\r\n";
}

std::vector<int> Erased() { return std::vector<int>(16, 255); }

// The memory image as the program starts with it.
void FillStartUpImage(ProgramState& state) {
  state.MemImage.fill(0, 495, 0, 15, 0xFF);
  InitOptionIndices(state);
  LoadOptionDefaults(state);
  LoadDtmfDefaults(state.MemImage);
}

// An image whose every cell of rows 0..495 differs from its neighbours.
void FillPattern(MemoryImage& image, int seed) {
  for (int row = 0; row <= 495; ++row)
    for (int col = 0; col < 16; ++col) image.at(row, col) = static_cast<std::int16_t>((row * 7 + col * 13 + seed) % 256);
}

class ImageDialogsTest : public FileFormsTest {
 protected:
  // The failure message names the file, gives a reason and says what stayed.
  void expectFailure(const std::string& head, const std::string& tail) {
    ASSERT_FALSE(messages.shown.empty());
    const Message& m = messages.shown.back();
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.title, state.LanguageFlag ? "操作提示" : "Operate prompt");
    ASSERT_GT(m.text.size(), head.size() + tail.size() + 2) << m.text;
    EXPECT_EQ(m.text.substr(0, head.size()), head) << m.text;
    EXPECT_EQ(m.text.substr(m.text.size() - tail.size()), tail) << m.text;
  }
};

TEST_F(ImageDialogsTest, SavingTheStartUpImageWritesTheExactFile) {
  FillStartUpImage(state);
  // Rows that hold defaults; all other rows of 0..480 are erased.
  std::map<int, std::vector<int>> rows = {
      {176, {2, 0, 2, 0, 2, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      {190, {3, 0, 3, 0, 3, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      {200, {2, 2, 2, 255, 255, 3, 3, 3, 255, 255, 1, 1, 9, 255, 255, 0}},
      {201, {5, 5, 5, 255, 255, 6, 6, 6, 255, 255, 7, 7, 7, 255, 255, 1}},
      {202, {6, 0, 6, 0, 6, 7, 0, 7, 0, 7, 8, 0, 8, 0, 8, 2}},
      {203, {31, 3, 3, 3, 11, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255}},
      {226, {3, 0, 0, 3, 0, 0, 5, 0, 1, 3, 0, 0, 0, 0, 2, 0}},
      {227, {3, 0, 0, 0, 5, 2, 2, 0, 0, 0, 0, 0, 0, 3, 1, 2}},
      {228, {1, 0, 1, 1, 5, 0, 0, 0, 1, 127, 31, 0, 1, 0, 128, 6}},
      {229, {0, 2, 4, 1, 7, 4, 0, 4, 112, 0, 0, 0, 0, 0, 0, 0}},
      {240, {255, 255, 255, 255, 255, 255, 255, 255, 1, 3, 6, 0, 2, 5, 0, 0}},
      {241, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 80, 0}},
      {242, {255, 255, 255, 255, 255, 255, 255, 255, 4, 7, 0, 6, 2, 5, 0, 0}},
      {243, {0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 1, 255, 0, 0, 80, 0}},
      {244, {32, 32, 32, 70, 77, 32, 32, 32, 54, 53, 45, 55, 53, 77, 255, 255}},
      {245, {32, 32, 32, 70, 77, 32, 32, 55, 54, 45, 49, 48, 56, 77, 255, 255}},
  };
  std::string expected;
  for (int row = 0; row <= 480; ++row) expected += Line(rows.count(row) ? rows[row] : Erased());

  confirm(FormId::Form_save_chann, "startup.dat");

  EXPECT_EQ(readFile("startup.dat"), expected);
  ASSERT_EQ(messages.texts(), std::vector<std::string>{"Complete storing  parameter."});
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(state.ParamFileName, pathOf("startup.dat"));
  EXPECT_FALSE(host.isLoaded(FormId::Form_save_chann));
  EXPECT_EQ(state.FormOpenFlags.SaveFileFormOpen, 0);
}

TEST_F(ImageDialogsTest, WorkedExampleRowAndErasedImageHaveTheirByteCounts) {
  const int example[16] = {0x25, 0x06, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44};
  for (int col = 0; col < 16; ++col) state.MemImage.at(0, col) = static_cast<std::int16_t>(example[col]);
  ASSERT_FALSE(SaveTableRows(state.MemImage, 0, 0, pathOf("row.dat")));
  EXPECT_EQ(readFile("row.dat"), " 37  6  85  20  37  6  85  20  0  0  0  0  0  0  0  68 \r\n");

  state.MemImage.fill(0, 495, 0, 15, 0xFF);
  confirm(FormId::Form_save_chann, "erased.dat");
  const std::string erased = readFile("erased.dat");
  EXPECT_EQ(erased.size(), 39442u);
  EXPECT_EQ(erased.substr(0, 82), Line(Erased()));
}

TEST_F(ImageDialogsTest, SaveCommitsOpenEditsLeavesEveryRequestWaitingAndReplacesTheFile) {
  host.loadForm(FormId::frm_chann);
  // The channel editor still holds a typed value that is not in the image yet.
  onCommit = [this] { state.MemImage.at(0, 0) = 0x42; };
  state.FileOpenRequest = state.FileSaveRequest = state.AdjOpenRequest = state.AdjSaveRequest = -1;
  writeFile("old.dat", "an older file\r\n");

  confirm(FormId::Form_save_chann, "  old.dat ");

  EXPECT_EQ(readFile("old.dat").substr(0, 5), " 66  ");
  // Another window's requests keep waiting for it.
  EXPECT_EQ(state.AdjSaveRequest, -1);
  EXPECT_EQ(state.AdjOpenRequest, -1);
  EXPECT_EQ(state.FileOpenRequest, -1);
  EXPECT_EQ(state.FileSaveRequest, -1);
  EXPECT_EQ(state.ParamFileName, pathOf("old.dat"));
}

TEST_F(ImageDialogsTest, FailedSaveReportsTheReasonAndKeepsTheDialog) {
  // A folder the lists showed that has since become a regular file: the
  // file system refuses any path below it, even for root.
  ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
  FileDialogForm* dialog = load(FormId::Form_save_chann);
  ASSERT_TRUE(dialog->browser()->setDirectory(dir.path() + "/gone"));
  ASSERT_TRUE(QDir(dir.path()).rmdir("gone"));
  writeFile("gone", "not a folder");
  dialog->nameBox()->setText("x.dat");
  dialog->confirmButton()->click();

  ASSERT_EQ(messages.shown.size(), 1u);
  const std::string path = pathOf("gone/x.dat");
  expectFailure("The parameters were not saved to \"" + path + "\": ", ". Any file of that name is unchanged.");
  EXPECT_TRUE(host.isLoaded(FormId::Form_save_chann));
  EXPECT_EQ(readFile("gone"), "not a folder");

  state.LanguageFlag = -1;
  dialog->confirmButton()->click();
  expectFailure("参数未能保存到文件 \"" + path + "\"：", "。同名的原有文件没有改变。");
}

TEST_F(ImageDialogsTest, SaveThatRunsOutOfSpaceKeepsTheExistingFile) {
  // A file-size limit fails the write part-way, as a full disk does, and
  // holds for root too.
  writeFile("keep.dat", "precious\r\n");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  confirm(FormId::Form_save_chann, "keep.dat");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  ASSERT_EQ(messages.shown.size(), 1u);
  expectFailure("The parameters were not saved to \"" + pathOf("keep.dat") + "\": ",
                ". Any file of that name is unchanged.");
  EXPECT_EQ(readFile("keep.dat"), "precious\r\n");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.dat"});
  EXPECT_TRUE(host.isLoaded(FormId::Form_save_chann));
}

TEST_F(ImageDialogsTest, SaveOverAFolderOfThatNameIsRefused) {
  // The name is taken by a folder: the write cannot replace it, and nothing
  // else in the folder changes.
  writeFile("keep.dat", "precious\r\n");
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.dat"));
  confirm(FormId::Form_save_chann, "taken.dat");
  ASSERT_EQ(messages.shown.size(), 1u);
  expectFailure("The parameters were not saved to \"" + pathOf("taken.dat") + "\": ",
                ". Any file of that name is unchanged.");
  EXPECT_TRUE(QFileInfo(QString::fromStdString(pathOf("taken.dat"))).isDir());
  EXPECT_EQ(readFile("keep.dat"), "precious\r\n");
  EXPECT_TRUE(host.isLoaded(FormId::Form_save_chann));
}

TEST_F(ImageDialogsTest, OpenRestoresRowsUpTo480AndReloadsTheEditors) {
  FillPattern(state.MemImage, 1);
  ASSERT_FALSE(SaveImageFile(state.MemImage, pathOf("saved.dat")));
  const MemoryImage saved = state.MemImage;
  FillPattern(state.MemImage, 2);
  const MemoryImage before = state.MemImage;
  host.loadForm(FormId::frm_option);
  host.loadForm(FormId::frm_dtmf);
  // An edit still open in an editor goes into the old image, never over the file.
  onCommit = [this] { state.MemImage.at(5, 5) = 0x42; };
  state.FileOpenRequest = state.FileSaveRequest = state.AdjOpenRequest = state.AdjSaveRequest = -1;
  log.clear();

  confirm(FormId::Form_open_chann, "saved.dat");

  for (int row = 0; row <= 495; ++row)
    for (int col = 0; col < 16; ++col)
      ASSERT_EQ(state.MemImage.at(row, col), (row <= 480 ? saved : before).at(row, col)) << row << "," << col;
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Succeed fold the parameter from file."});
  // The channel editor is loaded although it was closed; the open editors
  // are reloaded after it, options before DTMF.
  EXPECT_EQ(log, (std::vector<std::string>{"commit frm_option", "commit frm_dtmf", "load frm_chann",
                                           "unload frm_option", "load frm_option", "unload frm_dtmf",
                                           "load frm_dtmf"}));
  EXPECT_EQ(state.AdjOpenRequest, -1);
  EXPECT_EQ(state.AdjSaveRequest, -1);
  EXPECT_EQ(state.FileOpenRequest, -1);
  EXPECT_EQ(state.FileSaveRequest, -1);
  EXPECT_EQ(state.ParamFileName, pathOf("saved.dat"));
  EXPECT_FALSE(host.isLoaded(FormId::Form_open_chann));
  EXPECT_EQ(state.FormOpenFlags.OpenFileFormOpen, 0);
}

TEST_F(ImageDialogsTest, OpenReloadsAnOpenChannelEditorAndLeavesClosedEditorsClosed) {
  ASSERT_FALSE(SaveImageFile(state.MemImage, pathOf("a.dat")));
  host.loadForm(FormId::frm_chann);
  log.clear();
  confirm(FormId::Form_open_chann, "a.dat");
  EXPECT_EQ(log, (std::vector<std::string>{"commit frm_chann", "unload frm_chann", "load frm_chann"}));
  EXPECT_FALSE(host.isLoaded(FormId::frm_option));
  EXPECT_FALSE(host.isLoaded(FormId::frm_dtmf));
}

TEST_F(ImageDialogsTest, OpenReadsValuesSeparatedByCommasOrOnePerLine) {
  FillPattern(state.MemImage, 3);
  std::string perLine, commas, mixed;
  for (int row = 0; row <= 480; ++row)
    for (int col = 0; col < 16; ++col) {
      const std::string v = std::to_string(state.MemImage.at(row, col));
      perLine += v + "\r\n";
      commas += v + (col == 15 ? "\n" : ",");
      mixed += (col % 2 ? ", " : "   ") + v + (col == 15 ? "\r\n\r\n" : "");
    }
  const MemoryImage expected = state.MemImage;
  for (const auto& [name, text] : {std::pair{"lines.dat", perLine}, {"commas.dat", commas}, {"mixed.dat", mixed}}) {
    SCOPED_TRACE(name);
    writeFile(name, text);
    state.MemImage.fill(0, 480, 0, 15, 0);
    messages.shown.clear();
    confirm(FormId::Form_open_chann, name);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Succeed fold the parameter from file."});
    EXPECT_EQ(state.MemImage, expected);
  }
}

TEST_F(ImageDialogsTest, UnreadableOrMalformedFilesAreRefusedAndChangeNothing) {
  std::string full;
  for (int i = 0; i < 481 * 16; ++i) full += " 1 ";
  std::string tooFew = full.substr(0, full.size() - 3);
  const struct {
    const char* name;
    std::string text;  // empty: no such file
  } cases[] = {
      {"missing.dat", ""},
      {"short.dat", tooFew},
      {"empty.dat", " "},
      {"letters.dat", " x " + full},
      {"digits_then_letters.dat", " 12a " + full},
      {"fraction.dat", " 1.5 " + full},
      {"too_big.dat", " 256 " + full},
      {"negative.dat", " -1 " + full},
  };
  FillPattern(state.MemImage, 4);
  const MemoryImage before = state.MemImage;
  host.loadForm(FormId::frm_chann);
  state.ParamFileName = "";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.text.empty()) writeFile(c.name, c.text);
    messages.shown.clear();
    log.clear();
    confirm(FormId::Form_open_chann, c.name);
    ASSERT_EQ(messages.shown.size(), 1u);
    expectFailure("The parameters were not loaded from \"" + pathOf(c.name) + "\": ", ". Nothing was changed.");
    EXPECT_EQ(state.MemImage, before);
    EXPECT_EQ(log, std::vector<std::string>{});  // no editor reloaded, nothing committed
    EXPECT_TRUE(host.isLoaded(FormId::Form_open_chann));
  }
  state.LanguageFlag = -1;
  confirm(FormId::Form_open_chann, "missing.dat");
  expectFailure("参数未能从文件 \"" + pathOf("missing.dat") + "\" 调入：", "。参数没有改变。");
}

}  // namespace
}  // namespace brel::test
