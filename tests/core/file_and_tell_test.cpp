// The one sequence by which a window opens or saves its file and tells the
// user: a refused file or a refused commit changes nothing, and each outcome
// is told once, in the window's own title and text, after the display.
#include "file_and_tell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "test_doubles.h"

namespace brel {
namespace {

namespace fs = std::filesystem;
using Table = CellTable<3, 16>;

constexpr FileTexts kTexts{{"读入", "loaded"}, {"存好", "saved"}, {"拒", "Refused"}, {"好", "Done"}};

class FileAndTell : public ::testing::Test {
 protected:
  FileAndTell() : dir(fs::temp_directory_path() / ("brel-file-and-tell-" + std::to_string(::getpid()))) {
    fs::create_directories(dir);
    for (int r = 0; r < Table::kRows; ++r)
      for (int c = 0; c < Table::kCols; ++c) table.at(r, c) = 7;
  }
  ~FileAndTell() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }
  // Rows 0..1 of the table from `file`, the steps recorded.
  bool open(const std::string& file, bool commitAccepted = true) {
    return OpenFileAndTell(
        state, messages, file,
        [&](const std::string& from) {
          steps.push_back("read");
          return ReadTableRowsInto(table, 0, 1, from);
        },
        [&] {
          steps.push_back("commit");
          return commitAccepted;
        },
        [&] { steps.push_back("show " + std::to_string(table.at(1, 15))); }, kTexts);
  }

  fs::path dir;
  ProgramState state;
  test::RecordingMessages messages;
  Table table;
  std::vector<std::string> steps;
};

TEST_F(FileAndTell, OpeningReadsWholeThenCommitsAppliesShowsAndTellsOnce) {
  std::ofstream(path("rows.dat"), std::ios::binary) << FormatParamText(std::vector<std::int16_t>(32, 5), 16);
  ASSERT_TRUE(open(path("rows.dat")));
  EXPECT_EQ(steps, (std::vector<std::string>{"read", "commit", "show 5"}));
  EXPECT_EQ(table.at(2, 0), 7) << "a row outside the file stays";
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Done");
  EXPECT_EQ(messages.shown[0].text, "loaded");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);

  // A refused commit: the editor has said why; nothing more is done or said.
  std::ofstream(path("rows.dat"), std::ios::binary) << FormatParamText(std::vector<std::int16_t>(32, 6), 16);
  steps.clear();
  messages.shown.clear();
  EXPECT_FALSE(open(path("rows.dat"), /*commitAccepted=*/false));
  EXPECT_EQ(steps, (std::vector<std::string>{"read", "commit"}));
  EXPECT_EQ(table.at(0, 0), 5);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FileAndTell, ARefusedFileIsToldOnceWithItsReasonAndChangesNothing) {
  std::ofstream(path("short.dat"), std::ios::binary) << " 1  2  3 ";
  for (const std::string& file : {path("short.dat"), path("missing.dat")}) {
    SCOPED_TRACE(file);
    steps.clear();
    messages.shown.clear();
    const Table before = table;
    EXPECT_FALSE(open(file));
    EXPECT_EQ(steps, std::vector<std::string>{"read"}) << "nothing committed or shown";
    EXPECT_EQ(table, before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Refused");
    EXPECT_NE(messages.shown[0].text.find(file), std::string::npos);
    EXPECT_NE(messages.shown[0].text.find("Nothing was changed."), std::string::npos);
  }
}

TEST_F(FileAndTell, SavingSaysAfterTheWindowHasShownTheOutcome) {
  state.LanguageFlag = -1;
  std::vector<std::string> said;
  const auto done = [&](bool saved) { said.push_back(saved ? "done" : "failed"); };
  messages.onShow = [&](const Message& m) { said.push_back(m.title + " " + m.text); };
  const auto write = [&](const std::string& to) { return SaveTableRows(table, 0, 1, to); };

  EXPECT_TRUE(SaveFileAndTell(state, messages, path("out.dat"), write, kTexts, done));
  EXPECT_FALSE(SaveFileAndTell(state, messages, path("no/such/folder.dat"), write, kTexts, done));
  ASSERT_EQ(said.size(), 4u);
  EXPECT_EQ(said[0], "done");
  EXPECT_EQ(said[1], "好 存好");
  EXPECT_EQ(said[2], "failed");
  EXPECT_EQ(said[3].rfind("拒 参数未能保存到文件", 0), 0u) << said[3];
  Table saved;
  EXPECT_FALSE(LoadTableRows(saved, 0, 1, path("out.dat")).has_value());
  EXPECT_EQ(saved.at(1, 15), 7);
}

}  // namespace
}  // namespace brel
