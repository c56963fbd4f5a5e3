// Program > Write to radio, seen from the radio's memory.
#include "program_fixture.h"

namespace brel::program_test {
namespace {

using chann::kColName;
using chann::kColRxFreq;

// The image rows a write sends: the channel records, the option, DTMF, VFO
// and FM areas and the names, but not the alignment block at 0x0CF0 nor the
// gaps between the areas.
bool Sent(int row) {
  return (row >= 0 && row <= 128) || (row >= 160 && row <= 206) || (row >= 224 && row <= 232) ||
         (row >= 240 && row <= 246) || (row >= 256 && row <= 384);
}

class WriteToRadio : public ProgramFixture {
 protected:
  void SetUp() override {
    plugRadio();
    start();
    ASSERT_TRUE(identified());
  }
  void openWriteDialog() {
    menu("Prog_write");
    ASSERT_NE(child(FormId::Form_Comm_Write), nullptr);
    EXPECT_EQ(child(FormId::Form_Comm_Write)->windowTitle(), "Write Data to Radio");
  }
  void pressWrite() { press(button(FormId::Form_Comm_Write, "Command_Write")); }
};

TEST_F(WriteToRadio, TheRadioGetsTheImageInEveryRowTheWriteSends) {
  edit(3, kColRxFreq, "146.5");
  edit(3, kColName, "home");
  const auto before = radio->memory();

  ASSERT_NO_FATAL_FAILURE(openWriteDialog());
  pressWrite();
  ASSERT_TRUE(messageShown(kWriteDoneText));
  EXPECT_EQ(messages().shown.size(), 1u);
  EXPECT_FALSE(bus.line(kCablePort)->heldOpen());

  for (int r = 0; r <= 400; ++r) {
    Row original;
    for (int c = 0; c < 16; ++c) original.push_back(before[r * 16 + c]);
    const bool channelRow = (r >= 1 && r <= 127) || (r >= 257 && r <= 384);
    if (!Sent(r)) {
      EXPECT_EQ(radioRow(r), original) << "row " << r << " is not sent";
    } else if (channelRow && state().MemImage.at(r, 0) == 0xFF) {
      // An empty channel or name goes as its first byte alone.
      Row expected = original;
      expected[0] = 0xFF;
      EXPECT_EQ(radioRow(r), expected) << "empty channel row " << r;
    } else {
      EXPECT_EQ(radioRow(r), imageRow(r)) << "row " << r;
    }
  }
  EXPECT_EQ(radioRow(2), imageRow(2));
  EXPECT_EQ(radioBytes(0x0020, 4), (Row{0x00, 0x00, 0x65, 0x14}));
  EXPECT_EQ(radioBytes(0x1020, 4), (Row{'H', 'O', 'M', 'E'}));
}

// An edit still open in the grid when the user writes goes to the radio,
// whether the write dialog was opened before or after the typing.
class OpenEditWrite : public WriteToRadio, public ::testing::WithParamInterface<bool> {};

TEST_P(OpenEditWrite, TheTypedValueReachesTheRadio) {
  const bool dialogFirst = GetParam();
  if (dialogFirst) {
    ASSERT_NO_FATAL_FAILURE(openWriteDialog());
  }
  click(4, kColRxFreq);
  type("147.0");
  ASSERT_NE(editor()->grid()->openEditor(), nullptr);
  if (!dialogFirst) {
    ASSERT_NO_FATAL_FAILURE(openWriteDialog());
  }
  pressWrite();
  ASSERT_TRUE(messageShown(kWriteDoneText));
  EXPECT_EQ(radioRow(3), imageRow(3));
  EXPECT_EQ(radioBytes(0x0030, 8), (Row{0x00, 0x00, 0x70, 0x14, 0x00, 0x00, 0x70, 0x14}));
}

INSTANTIATE_TEST_SUITE_P(Program, OpenEditWrite, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "DialogOpenWhileTyping" : "DialogOpenedAfterTyping";
                         });

}  // namespace
}  // namespace brel::program_test
