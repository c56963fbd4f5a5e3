// A new user's first session: channels typed into the grid, saved to a
// parameter file, the program closed and started again, the file opened.
#include <QFile>

#include "program_fixture.h"

namespace brel::program_test {
namespace {

using chann::kColName;
using chann::kColRxFreq;
using chann::kColTxFreq;

class RoundTrip : public ProgramFixture {};

TEST_F(RoundTrip, ChannelsTypedSavedAndOpenedInAFreshProgramComeBack) {
  start();
  edit(5, kColRxFreq, "146.52");
  edit(5, kColName, "home1");
  edit(120, kColRxFreq, "446.00625");
  edit(120, kColName, "rpt2");
  ASSERT_EQ(text(5, kColTxFreq), "146.52000");
  ASSERT_TRUE(messages().shown.empty()) << messages().lastText();

  ASSERT_NO_FATAL_FAILURE(saveAs("mychannels.dat"));
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Complete storing  parameter."});
  EXPECT_EQ(child(FormId::Form_save_chann), nullptr);
  QFile file(folder.filePath("mychannels.dat"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("\r\n"), 481);
  const std::vector<Row> saved = imageRows(0, 480);
  const auto fiveShown = row(5);
  const auto hundredTwentyShown = row(120);

  quit();
  start();
  EXPECT_EQ(row(5), std::vector<std::string>(12, ""));

  ASSERT_NO_FATAL_FAILURE(open("mychannels.dat"));
  EXPECT_EQ(messages().texts(), std::vector<std::string>{"Succeed fold the parameter from file."});
  EXPECT_EQ(child(FormId::Form_open_chann), nullptr);
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(text(5, kColRxFreq), "146.52000");
  EXPECT_EQ(text(5, kColName), "HOME1");
  EXPECT_EQ(row(5), fiveShown);
  EXPECT_EQ(text(120, kColRxFreq), "446.00625");
  EXPECT_EQ(text(120, kColName), "RPT2");
  EXPECT_EQ(row(120), hundredTwentyShown);
  EXPECT_EQ(imageRows(0, 480), saved);
}

// What is still being typed when the user turns to File > Save belongs in the file.
TEST_F(RoundTrip, AValueStillBeingTypedIsSaved) {
  start();
  edit(1, kColRxFreq, "145");
  click(1, kColName);
  type("last");
  ASSERT_NO_FATAL_FAILURE(saveAs("open-edit.dat"));
  ASSERT_EQ(messages().lastText(), "Complete storing  parameter.");

  quit();
  start();
  ASSERT_NO_FATAL_FAILURE(open("open-edit.dat"));
  EXPECT_EQ(text(1, kColName), "LAST");
}

}  // namespace
}  // namespace brel::program_test
