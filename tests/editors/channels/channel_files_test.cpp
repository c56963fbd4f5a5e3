// The window's own file procedures: reached from tests only.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "file_request.h"
#include "image_file.h"
#include "window_fixture.h"

namespace brel::chann::test {
namespace {

class Files : public WindowFixture {
 protected:
  Files() { load(); }
  std::string path(const char* file) const { return (dir.path() + "/" + file).toStdString(); }
  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }
  QTemporaryDir dir;
};

// The image files of the program hold rows 0 to 480.
TEST_F(Files, LoadingReadsAnImageFileOver481RowsAndRedisplays) {
  MemoryImage file = state.MemImage;
  const Bytes channel5{0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44};
  for (int c = 0; c < 16; ++c) {
    file.at(RecordRow(5), c) = static_cast<std::int16_t>(channel5[static_cast<std::size_t>(c)]);
    file.at(480, c) = 7;
  }
  ASSERT_FALSE(SaveImageFile(file, path("set.dat")).has_value());
  state.MemImage.at(481, 0) = 0x33;
  state.MemImage.at(200, 3) = 0x44;
  click(5, kColRxFreq);
  type("150");  // left open: it must not end up over the file

  window()->statusLabel()->setText("old");
  window()->LoadChannImageFile(path("set.dat"));
  for (int r = 0; r <= 480; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(state.MemImage.at(r, c), file.at(r, c)) << r << "," << c;
  EXPECT_EQ(state.MemImage.at(481, 0), 0x33);
  EXPECT_EQ(text(5, kColRxFreq), "145.52250");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Succeed fold the parameter from file."});
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(window()->statusLabel()->text(), "");
  EXPECT_FALSE(window()->progressBar()->isVisible());
}

TEST_F(Files, AShortOrDamagedFileLeavesTheImageAsItWas) {
  {
    std::ofstream out(path("short.dat"), std::ios::binary);
    for (int line = 0; line < 100; ++line) out << std::string(16, '0') << "\r\n";
  }
  putProgrammed(2);
  const MemoryImage before = state.MemImage;
  window()->LoadChannImageFile(path("short.dat"));
  window()->LoadChannImageFile(path("missing.dat"));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text.rfind("The parameters were not loaded from \"" + path("short.dat") + "\": ", 0), 0u);
  EXPECT_EQ(messages.shown[1].text.rfind("The parameters were not loaded from", 0), 0u);
  EXPECT_TRUE(state.MemImage == before);
}

TEST_F(Files, SavingWritesRows0To495) {
  putProgrammed(2);
  window()->SaveChannImageFile(path("out.dat"));
  EXPECT_EQ(contents(path("out.dat")), FormatParamText(RowsToValues(state.MemImage, 0, 495), 16));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete storing  parameter."});
  EXPECT_EQ(window()->statusLabel()->text(), "");

  messages.shown.clear();
  window()->SaveChannImageFile(path("no/such/folder/out.dat"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.rfind("The parameters were not saved to", 0), 0u);
}

TEST_F(Files, PollingTakesBothRequestsWithTheirOwnPaths) {
  ASSERT_FALSE(SaveImageFile(state.MemImage, path("in.dat")).has_value());
  PostFileRequest(state, FileRequest::AdjOpen, path("in.dat"));
  PostFileRequest(state, FileRequest::AdjSave, path("saved.dat"));
  window()->PollChannFileRequests();
  EXPECT_EQ(state.AdjOpenRequest, 0);
  EXPECT_EQ(state.AdjSaveRequest, 0);
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Succeed fold the parameter from file.",
                                                        "Complete storing  parameter."}));
  EXPECT_FALSE(contents(path("saved.dat")).empty());
  messages.shown.clear();
  window()->PollChannFileRequests();
  EXPECT_TRUE(messages.shown.empty());

  // Another window's request stays for it; one addressed here is taken.
  PostFileRequest(state, FileRequest::AdjOpen, path("in.dat"), window()->windowToken() + 1);
  PostFileRequest(state, FileRequest::AdjSave, path("mine.dat"), window()->windowToken());
  window()->PollChannFileRequests();
  EXPECT_EQ(state.AdjOpenRequest, -1);
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete storing  parameter."});
}

TEST_F(Files, TheDialogsOpenUnlessATransferRuns) {
  window()->ShowOpenChannDialog();
  window()->ShowSaveChannDialog();
  EXPECT_TRUE(host.isLoaded(FormId::Form_open_chann));
  EXPECT_TRUE(host.isLoaded(FormId::Form_save_chann));
  host.unloadForm(FormId::Form_open_chann);
  host.unloadForm(FormId::Form_save_chann);

  plugRadio(/*silent=*/true);
  window()->Command_read_Click();
  window()->ShowOpenChannDialog();
  window()->ShowSaveChannDialog();
  EXPECT_FALSE(host.isLoaded(FormId::Form_open_chann));
  EXPECT_FALSE(host.isLoaded(FormId::Form_save_chann));
  EXPECT_EQ(messages.texts(), std::vector<std::string>(2, "Read-write operating with transceiver ."));

  // A file request waits for the transfer and its retry: it must not change
  // the image under them.
  ASSERT_FALSE(SaveImageFile(state.MemImage, path("in.dat")).has_value());
  PostFileRequest(state, FileRequest::AdjOpen, path("in.dat"), window()->windowToken());
  window()->PollChannFileRequests();
  ASSERT_TRUE(runUntil([&] { return !window()->busy(); }));
  ASSERT_TRUE(window()->transfer()->running());  // the retry is pending
  window()->PollChannFileRequests();
  EXPECT_EQ(state.AdjOpenRequest, -1);
  EXPECT_EQ(messages.shown.size(), 2u);
  ASSERT_TRUE(runUntil([&] { return !window()->transfer()->running(); }));
  window()->PollChannFileRequests();
  EXPECT_EQ(state.AdjOpenRequest, 0);
}

}  // namespace
}  // namespace brel::chann::test
