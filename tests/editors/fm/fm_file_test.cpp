#include "fm_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace brel::fm {
namespace {

namespace fs = std::filesystem;

class FmFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("brel-fm-file-" + std::to_string(::getpid()) + "-" +
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
  static void Spit(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  fs::path dir;
};

TEST_F(FmFileTest, FreshRowsSaveByteForByte) {
  const FmStageTable rows;
  std::string line;
  for (int k = 0; k < 16; ++k) line += " 255 ";
  for (int k = 0; k < 6; ++k) line += " 0 ";
  line += "\r\n";
  std::string expected = " 16 \r\n";
  for (int r = 0; r < 16; ++r) expected += line;

  const std::string path = PathOf("fm.dat");
  Spit(path, std::string(5000, 'x'));  // an existing file is replaced whole
  ASSERT_FALSE(SaveFmParamFile(rows, path).has_value());
  EXPECT_EQ(Slurp(path), expected);
}

TEST_F(FmFileTest, RoundTripCarriesRowsZeroToFifteen) {
  FmStageTable rows;
  for (int r = 0; r < 17; ++r)
    for (int c = 0; c < 22; ++c) rows.at(r, c) = static_cast<std::int16_t>((r * 22 + c) % 256);
  const std::string path = PathOf("fm.dat");
  ASSERT_FALSE(SaveFmParamFile(rows, path).has_value());
  FmStageTable back;
  ASSERT_FALSE(LoadFmParamFile(back, path).has_value());
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 22; ++c) EXPECT_EQ(back.at(r, c), rows.at(r, c)) << r << "," << c;
  // The band-limit row is not in the file.
  EXPECT_EQ(back.at(16, 0), 0xFF);
}

TEST_F(FmFileTest, AnythingButAnFmFileIsRefusedAndChangesNothing) {
  std::string good = " 16 \r\n";
  for (int k = 0; k < 16 * 22; ++k) good += " 7 ";
  std::string image;
  for (int k = 0; k < 7696; ++k) image += " 16 ";
  struct Case {
    const char* what;
    std::string text;
    const char* reason;
  };
  const std::vector<Case> cases{
      {"short", " 16 1 2 3", "the file holds 4 values; 353 are needed"},
      {"one value more", good + " 9", "the file holds more than 353 values"},
      {"text after", good + " end", "the file holds more than 353 values"},
      {"image file", image, "the file holds more than 353 values"},
      {"other first value", " 15 " + good.substr(4), "its first value is 15, not 16"},
      {"out of range", " 16 256" + good.substr(6), "line 1 holds 256, which is outside 0 to 255"},
      {"empty", "", "the file holds 0 values; 353 are needed"},
  };
  for (const Case& c : cases) {
    const std::string path = PathOf("x.dat");
    Spit(path, c.text);
    FmStageTable rows;
    rows.at(3, 3) = 42;
    const FmStageTable before = rows;
    const auto error = LoadFmParamFile(rows, path);
    ASSERT_TRUE(error.has_value()) << c.what;
    EXPECT_EQ(*error, c.reason) << c.what;
    EXPECT_EQ(rows, before) << c.what;
  }
  EXPECT_TRUE(LoadFmParamFile(*std::make_unique<FmStageTable>(), PathOf("missing.dat")).has_value());
  Spit(PathOf("good.dat"), good + "\r\n  ");
  FmStageTable rows;
  EXPECT_FALSE(LoadFmParamFile(rows, PathOf("good.dat")).has_value());
  EXPECT_EQ(rows.at(15, 21), 7);
}

}  // namespace
}  // namespace brel::fm
