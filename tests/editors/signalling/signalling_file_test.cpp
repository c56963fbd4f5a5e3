// The signalling file: the whole staging image, refused whole when it does
// not fit the window.
#include "signalling_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace brel::signalling {
namespace {

namespace fs = std::filesystem;

class SignalFileTest : public ::testing::Test {
 protected:
  SignalFileTest() : dir(fs::temp_directory_path() / ("brel_sig_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::create_directories(dir);
  }
  ~SignalFileTest() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }
  static std::string Read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path dir;
};

TEST_F(SignalFileTest, SavesEveryRowAndLoadsItBack) {
  TwoToneStageTable two;
  two.at(0, 0) = 0xBD;
  two.at(47, 15) = 0;
  const std::string p = path("two.dat");
  ASSERT_FALSE(SaveSignalFile(two, p));
  const std::string text = Read(p);
  EXPECT_EQ(text.substr(0, 12), " 189  255  2");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 48);
  EXPECT_EQ(text.substr(text.size() - 5), " 0 \r\n");

  TwoToneStageTable loaded;
  ASSERT_FALSE(LoadSignalFile(loaded, p));
  EXPECT_EQ(loaded, two);
  ASSERT_FALSE(SaveSignalFile(loaded, path("again.dat")));
  EXPECT_EQ(Read(path("again.dat")), text);
}

TEST_F(SignalFileTest, RefusesTheOtherWindowsFileAndShortFilesChangingNothing) {
  FiveToneStageTable five;
  five.at(3, 3) = 1;
  ASSERT_FALSE(SaveSignalFile(five, path("five.dat")));
  TwoToneStageTable two;
  two.at(1, 1) = 5;
  const TwoToneStageTable before = two;
  EXPECT_TRUE(LoadSignalFile(two, path("five.dat")));  // 144 lines into 48
  EXPECT_EQ(two, before);

  ASSERT_FALSE(SaveSignalFile(two, path("two.dat")));
  const FiveToneStageTable fiveBefore = five;
  EXPECT_TRUE(LoadSignalFile(five, path("two.dat")));  // 48 lines into 144
  {
    std::ofstream nine(path("nine.dat"), std::ios::binary);
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 16; ++c) nine << " 7 ";
      nine << "\r\n";
    }
  }
  EXPECT_TRUE(LoadSignalFile(five, path("nine.dat")));
  {
    std::ofstream big(path("big.dat"), std::ios::binary);
    for (int r = 0; r < 144; ++r) {
      for (int c = 0; c < 16; ++c) big << (r == 5 && c == 5 ? " 256 " : " 1 ");
      big << "\r\n";
    }
  }
  EXPECT_TRUE(LoadSignalFile(five, path("big.dat")));
  EXPECT_TRUE(LoadSignalFile(five, path("missing.dat")));
  EXPECT_EQ(five, fiveBefore);
}

}  // namespace
}  // namespace brel::signalling
