#include "param_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <future>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "address_map.h"
#include "mem_image.h"

namespace brel {
namespace {

namespace fs = std::filesystem;

class ParamFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("brel-param-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string PathOf(const std::string& name) const { return (dir / name).string(); }
  static std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Spit(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  // Every entry of the folder, so stray temporary files show up.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir;
};

TEST_F(ParamFile, RowIsWrittenByteForByteAsTheFormatShows) {
  const std::vector<std::int16_t> row = {0x25, 0x06, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14,
                                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x44};
  const std::string expected =
      " 37  6  85  20  37  6  85  20  0  0  0  0  0  0  0  68 \r\n";
  EXPECT_EQ(expected.size(), 57u);
  EXPECT_EQ(FormatParamText(row, 16), expected);
  EXPECT_EQ(FormatParamText(std::vector<std::int16_t>(16, 255), 16).size(), 82u);
  EXPECT_EQ(FormatParamText({16}, 1), " 16 \r\n");                // the FM file's first line
  EXPECT_EQ(FormatParamText({-3, 1, 2}, 2), "-3  1 \r\n 2 \r\n");  // a short last line ends too
  EXPECT_EQ(FormatParamText({}, 16), "");
}

TEST_F(ParamFile, ErasedImageSavesTo39442BytesAndReadsBackUnchanged) {
  MemoryImage image;
  image.fill(0, addr::kLastImageRowInUse, 0, 15, 0xFF);
  const std::string path = PathOf("erased.dat");
  const std::string text = FormatParamText(RowsToValues(image, addr::kImageFileFirstRow, addr::kImageFileLastRow), 16);
  ASSERT_EQ(WriteFileAtomically(path, text), std::nullopt);
  EXPECT_EQ(fs::file_size(path), 39442u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"erased.dat"});

  const ParamReadResult read = ReadParamValues(path, addr::kImageFileValueCount);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.values, std::vector<std::int16_t>(7696, 255));
}

TEST_F(ParamFile, AnyImageRoundTripsAndRowsBeyondTheFileKeepTheirValues) {
  MemoryImage saved;
  for (int r = 0; r <= addr::kLastImageRowInUse; ++r)
    for (int c = 0; c < 16; ++c) saved.at(r, c) = static_cast<std::int16_t>((r * 7 + c * 13) % 256);
  const std::string path = PathOf("image.dat");
  ASSERT_EQ(WriteFileAtomically(path, FormatParamText(RowsToValues(saved, 0, 480), 16)), std::nullopt);

  MemoryImage opened;
  opened.fill(0, addr::kLastImageRowInUse, 0, 15, 0x11);
  const ParamReadResult read = ReadParamValues(path, addr::kImageFileValueCount);
  ASSERT_TRUE(read.ok()) << read.error;
  ValuesToRows(read.values, opened, 0, 480);
  for (int r = 0; r <= addr::kLastImageRowInUse; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(opened.at(r, c), r <= 480 ? saved.at(r, c) : 0x11) << r << "," << c;
}

TEST_F(ParamFile, ReaderTakesBlanksCommasAndLineEndsAsSeparators) {
  struct Case {
    const char* text;
    std::vector<std::int16_t> values;
  } cases[] = {
      {" 1  2  3 \r\n", {1, 2, 3}},
      {"1\n2\n3\n", {1, 2, 3}},          // one value a line
      {"1,2,3", {1, 2, 3}},              // commas
      {"1 , 2,\r\n3", {1, 2, 3}},        // blanks round a comma, a comma before a line end
      {"\r\n\r\n  1\t2 \n\n 3", {1, 2, 3}},
      {"0  255  007 +4", {0, 255, 7}},   // leading zeros are harmless; the fourth is not read
      {"-0 1 2", {0, 1, 2}},
      {"1 2 3 then anything", {1, 2, 3}},  // only the values needed are read
  };
  for (const auto& c : cases) {
    const std::string path = PathOf("sep.dat");
    Spit(path, c.text);
    const ParamReadResult read = ReadParamValues(path, 3);
    ASSERT_TRUE(read.ok()) << c.text << ": " << read.error;
    EXPECT_EQ(read.values, c.values) << c.text;
  }
}

TEST_F(ParamFile, ReaderRefusesWithAReasonAndReturnsNoValues) {
  struct Case {
    const char* text;
    const char* reason;
  } cases[] = {
      {"", "the file holds 0 values; 4 are needed"},
      {"1 2\r\n 3 \r\n", "the file holds 3 values; 4 are needed"},
      {"1\n2\n3x 4", "line 3 holds \"3x\", which is not a whole number"},
      {"1 2.0 3 4", "line 1 holds \"2.0\", which is not a whole number"},
      {"1 2 - 4", "line 1 holds \"-\", which is not a whole number"},
      {"1 2 0x10 4", "line 1 holds \"0x10\", which is not a whole number"},
      {"1 2 3 \x01\xff", "line 1 holds \"??\", which is not a whole number"},
      {"1\n\n256 0 0", "line 3 holds 256, which is outside 0 to 255"},
      {"1 -5 0 0", "line 1 holds -5, which is outside 0 to 255"},
      {"1 99999999999999999999 0 0", "line 1 holds 99999999999999999999, which is outside 0 to 255"},
      {"1 2 3 1234567890123456789012345678", "line 1 holds 123456789012345678901234..., which is outside 0 to 255"},
      {"1 2 3 123456789012345678901234567x", "line 1 holds \"123456789012345678901234...\", which is not a whole number"},
      {"1,,2 3", "line 1 holds an empty value before a comma"},
      {",1 2 3 4", "line 1 holds an empty value before a comma"},
  };
  for (const auto& c : cases) {
    const std::string path = PathOf("bad.dat");
    Spit(path, c.text);
    const ParamReadResult read = ReadParamValues(path, 4);
    EXPECT_FALSE(read.ok()) << c.text;
    EXPECT_EQ(read.error, c.reason) << c.text;
    EXPECT_TRUE(read.values.empty()) << c.text;
  }
}

TEST_F(ParamFile, ShortImageFileSaysHowManyValuesItHolds) {
  const std::string path = PathOf("short.dat");
  Spit(path, FormatParamText(std::vector<std::int16_t>(7000, 1), 16));
  EXPECT_EQ(ReadParamValues(path, addr::kImageFileValueCount).error, "the file holds 7000 values; 7696 are needed");
}

TEST_F(ParamFile, ReaderReportsAFileItCannotOpenOrRead) {
  EXPECT_EQ(ReadParamValues(PathOf("missing.dat"), 16).error, "cannot open the file: No such file or directory");
  Spit(PathOf("locked.dat"), "1 2 3");
  fs::permissions(PathOf("locked.dat"), fs::perms::none);
  if (::geteuid() != 0) {
    EXPECT_EQ(ReadParamValues(PathOf("locked.dat"), 3).error, "cannot open the file: Permission denied");
  }
}

TEST_F(ParamFile, AnythingButARegularFileIsRefusedBeforeItIsOpened) {
  // A named pipe nobody writes to would block the open; a link to an
  // endless device would be read for ever.
  ASSERT_EQ(::mkfifo(PathOf("x.dat").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", PathOf("zero.dat"));
  fs::create_directory(PathOf("folder.dat"));
  fs::create_symlink(PathOf("x.dat"), PathOf("pipe-link.dat"));
  const std::pair<const char*, const char*> cases[] = {
      {"x.dat", "cannot open the file: it is a named pipe, not a file"},
      {"pipe-link.dat", "cannot open the file: it is a named pipe, not a file"},
      {"zero.dat", "cannot open the file: it is a device, not a file"},
      {"folder.dat", "cannot open the file: it is a folder, not a file"},
  };
  for (auto [name, reason] : cases) {
    auto reading = std::async(std::launch::async, [path = PathOf(name)] { return ReadParamValues(path, 16); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      // Let a reader stuck in the pipe's open go before failing.
      const int writer = ::open(PathOf("x.dat").c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
      FAIL() << name << " was not refused at once";
    }
    const ParamReadResult read = reading.get();
    EXPECT_EQ(read.error, reason) << name;
    EXPECT_TRUE(read.values.empty()) << name;
  }
}

TEST_F(ParamFile, AFileLargerThanAnyParameterFileIsRefusedUnread) {
  const std::string path = PathOf("huge.dat");
  Spit(path, "1 2 3 4 ");
  fs::resize_file(path, 4 * 1024 * 1024 + 1);
  EXPECT_EQ(ReadParamValues(path, 4).error,
            "the file holds 4194305 bytes or more, more than any parameter file (at most 4 MB)");
  fs::resize_file(path, 4 * 1024 * 1024);  // at the limit it is read
  EXPECT_TRUE(ReadParamValues(path, 4).ok());
}

TEST_F(ParamFile, LeadingZerosAndLineEndsOfEveryKind) {
  struct Case {
    const char* text;
    const char* reason;  // "" when read
    std::vector<std::int16_t> values;
  } cases[] = {
      {"0000000000000000000000037 1 2", "", {37, 1, 2}},
      {"+000000000000000000000000000000255 -0000000000000000000000000000 00", "", {255, 0, 0}},
      {"0000000000000000000000000000256 1", "line 1 holds 000000000000000000000000..., which is outside 0 to 255", {}},
      {"1\r2\r300", "line 3 holds 300, which is outside 0 to 255", {}},
      {"1\r\n2\r\n300", "line 3 holds 300, which is outside 0 to 255", {}},
      {"1\n\r300", "line 3 holds 300, which is outside 0 to 255", {}},
      {"1\r\n\r\n\n\r300", "line 5 holds 300, which is outside 0 to 255", {}},
      {"1\r\r,,2", "line 3 holds an empty value before a comma", {}},
  };
  for (const auto& c : cases) {
    const std::string path = PathOf("zeros.dat");
    Spit(path, c.text);
    const ParamReadResult read = ReadParamValues(path, 3);
    EXPECT_EQ(read.error, c.reason) << c.text;
    EXPECT_EQ(read.values, c.values) << c.text;
  }
}

TEST_F(ParamFile, SavingReplacesAnExistingFileAndKeepsItsPermissions) {
  const std::string path = PathOf("keep.dat");
  Spit(path, "old contents that are longer than the new ones\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(WriteFileAtomically(path, " 1 \r\n"), std::nullopt);
  EXPECT_EQ(Slurp(path), " 1 \r\n");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Entries(), std::vector<std::string>{"keep.dat"});
}

TEST_F(ParamFile, SavingThroughALinkReplacesTheFileItPointsTo) {
  const std::string real = PathOf("real.dat");
  const std::string link = PathOf("link.dat");
  Spit(real, "old");
  fs::create_symlink(real, link);
  ASSERT_EQ(WriteFileAtomically(link, "new"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Slurp(real), "new");
}

TEST_F(ParamFile, FailedSaveIsReportedAndLeavesNothingBehind) {
  const auto missingFolder = WriteFileAtomically(PathOf("no/such/folder/a.dat"), "x");
  ASSERT_TRUE(missingFolder.has_value());
  EXPECT_EQ(*missingFolder, "cannot create a file in \"" + PathOf("no/such/folder") + "\": No such file or directory");

  fs::create_directory(dir / "taken.dat");
  const auto overFolder = WriteFileAtomically(PathOf("taken.dat"), "x");
  ASSERT_TRUE(overFolder.has_value());
  EXPECT_EQ(*overFolder, "cannot replace \"" + PathOf("taken.dat") + "\": Is a directory");
  EXPECT_EQ(Entries(), std::vector<std::string>{"taken.dat"});

  EXPECT_TRUE(WriteFileAtomically(dir.string() + "/", "x").has_value());
}

TEST_F(ParamFile, LeftoverTemporaryFilesDoNotBlockASave) {
  // As if an earlier run had crashed mid-save under this process id.
  for (int attempt = 0; attempt < 3; ++attempt)
    Spit(PathOf(".a.dat." + std::to_string(::getpid()) + "." + std::to_string(attempt) + ".tmp"), "stale");
  ASSERT_EQ(WriteFileAtomically(PathOf("a.dat"), "new"), std::nullopt);
  EXPECT_EQ(Slurp(PathOf("a.dat")), "new");
  EXPECT_EQ(Entries().size(), 4u);  // the stale ones are not ours to remove
}

TEST_F(ParamFile, FullDiskKeepsTheGoodFileInPlace) {
  const std::string path = PathOf("good.dat");
  const std::string good = FormatParamText(std::vector<std::int16_t>(7696, 255), 16);
  ASSERT_EQ(WriteFileAtomically(path, good), std::nullopt);

  // A file-size limit makes the kernel refuse the write part-way, as a full
  // disk does.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto result = WriteFileAtomically(path, FormatParamText(std::vector<std::int16_t>(7696, 1), 16));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, "cannot write \"" + path + "\": File too large");
  EXPECT_EQ(Slurp(path), good);
  EXPECT_EQ(Entries(), std::vector<std::string>{"good.dat"});
}

}  // namespace
}  // namespace brel
