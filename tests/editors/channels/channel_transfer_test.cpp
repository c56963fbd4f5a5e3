// The window's own transfer, against the simulated radio on a virtual clock.
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace brel::chann::test {
namespace {

class Transfer : public WindowFixture {
 protected:
  Transfer() { load(); }

  bool idle() const { return !window()->busy(); }
  // Radio memory from `address`.
  Bytes radioBytes(int address, int count) const {
    Bytes out;
    for (int i = 0; i < count; ++i) out.push_back(radio->memory()[static_cast<std::size_t>(address + i)]);
    return out;
  }
  void putRadio(int address, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) radio->memory()[address + i] = static_cast<std::uint8_t>(bytes[i]);
  }
};

TEST_F(Transfer, AReadFetchesBothChannelAreasInTurn) {
  plugRadio();
  for (int address = 0; address < 0x1800; ++address) radio->memory()[address] = static_cast<std::uint8_t>(address * 7);
  putRadio(0x07F0, {0x25, 0x06, 0x55, 0x14, 0x25, 0x06, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44});
  putRadio(0x17F0, {'L', 'A', 'S', 'T', 0xFF, 0xFF});
  state.MemImage.at(128, 0) = 0x12;

  window()->Command_read_Click();
  EXPECT_TRUE(window()->busy());
  EXPECT_EQ(window()->statusLabel()->text(), "Connecting with transceiver. ");
  EXPECT_TRUE(window()->progressBar()->isVisible());
  ASSERT_TRUE(runUntil([&] { return radio->readRequests().size() >= 3; }));
  EXPECT_EQ(window()->statusLabel()->text(), "Reading 2 Data Block");
  EXPECT_EQ(window()->progressBar()->value(), 5);
  ASSERT_TRUE(runUntil([&] { return idle(); }));

  std::vector<int> expected;
  for (int k = 0; k < 33; ++k) {
    expected.push_back(0x0000 + 64 * k);
    expected.push_back(0x1000 + 64 * k);
  }
  EXPECT_EQ(radio->readRequests(), expected);
  for (int r = 0; r < 128; ++r) {
    ASSERT_EQ(row(r), radioBytes(16 * r, 16)) << r;
    ASSERT_EQ(row(256 + r), radioBytes(0x1000 + 16 * r, 16)) << r;
  }
  EXPECT_EQ(state.MemImage.at(128, 0), 0x12);  // beyond the channel area
  EXPECT_EQ(text(128, kColRxFreq), "145.50625");
  EXPECT_EQ(text(128, kColName), "LAST");
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_EQ(window()->statusLabel()->text(), "Read Channel Data is Ok ！");
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
}

TEST_F(Transfer, AReadOfFewChannelsStoresOnlyThose) {
  plugRadio();
  putRadio(0x0040, {0x50, 0x22, 0x55, 0x14});  // channel 5
  putRadio(0x0030, {0x25, 0x06, 0x55, 0x14});  // channel 4
  state.ChannelTotal = 4;
  window()->Form_Activate();
  window()->Command_read_Click();
  ASSERT_TRUE(runUntil([&] { return idle(); }));
  EXPECT_EQ(radio->readRequests(), (std::vector<int>{0x0000, 0x1000, 0x0040, 0x1040}));
  EXPECT_EQ(record(4, 0, 3), (Bytes{0x25, 0x06, 0x55, 0x14}));
  EXPECT_EQ(record(5), kAllErased);
  EXPECT_EQ(text(4, kColRxFreq), "145.50625");
}

TEST_F(Transfer, AWriteSendsRecordAndNameOfEachChannelShortWhenErased) {
  plugRadio();
  radio->memory().fill(0x00);
  putProgrammed(2);
  putRecord(3, {0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44});
  state.ChannelTotal = 3;
  window()->Form_Activate();
  click(3, kColName);
  type("typed");  // left open: the radio gets it all the same

  window()->Command_Write_Click();
  ASSERT_TRUE(runUntil([&] { return radio->writeFrames().size() >= 3; }));
  EXPECT_EQ(window()->statusLabel()->text(), "Writeing  1  Channel");
  EXPECT_EQ(window()->progressBar()->value(), 66);
  ASSERT_TRUE(runUntil([&] { return idle(); }));

  auto frame = [](int hi, int lo, const Bytes& data) {
    std::vector<std::uint8_t> f{0x58, static_cast<std::uint8_t>(hi), static_cast<std::uint8_t>(lo),
                                static_cast<std::uint8_t>(data.size() == 1 ? 0x01 : 0x10)};
    for (int b : data) f.push_back(static_cast<std::uint8_t>(b));
    return f;
  };
  const std::vector<std::vector<std::uint8_t>> expected{
      frame(0x00, 0x00, kAllErased),  // channel 1's record always goes whole
      frame(0x10, 0x00, {0xFF}),
      frame(0x00, 0x10, record(2)),
      frame(0x10, 0x10, name(2)),
      frame(0x00, 0x20, record(3)),
      frame(0x10, 0x20, name(3)),
  };
  EXPECT_EQ(radio->writeFrames(), expected);
  EXPECT_EQ(name(3, 0, 4), (Bytes{'T', 'Y', 'P', 'E', 'D'}));
  EXPECT_EQ(radioBytes(0x1000, 2), (Bytes{0xFF, 0x00}));  // a short frame writes one byte
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Complete writing the data to transceiver."});
  EXPECT_EQ(window()->statusLabel()->text(), "Channel Data Writed ！");
}

TEST_F(Transfer, WhileBusyTheWindowRefusesAndASilentRadioGetsOneRetry) {
  plugRadio(/*silent=*/true);
  putProgrammed(1);
  window()->Form_Activate();
  const MemoryImage before = state.MemImage;
  window()->Command_read_Click();
  ASSERT_TRUE(window()->busy());

  window()->Command_read_Click();
  window()->Command_Clear_Click();
  window()->Command_close_Click();
  EXPECT_FALSE(host.unloadForm(FormId::frm_chann));  // the close box
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Read-write operating with transceiver .",
                                                        "Read-write operating，don't clear operate .,",
                                                        "Read-write operating，don't close the window. ,",
                                                        "Read-write operating，don't close the window.,"}));
  EXPECT_TRUE(host.isLoaded(FormId::frm_chann));
  EXPECT_EQ(text(1, kColName), "AB1");

  messages.shown.clear();
  ASSERT_TRUE(runUntil([&] { return !messages.shown.empty(); }));
  EXPECT_EQ(messages.texts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_EQ(radio->sessions(), 2);
  EXPECT_TRUE(state.MemImage == before);
  EXPECT_FALSE(window()->busy());
}

// Between the silent attempt and its retry the window still waits: Clear,
// Default, a cell, Close and the close box each say so, nothing changes.
TEST_F(Transfer, WhileTheReadWaitsToRetryNothingChanges) {
  plugRadio(/*silent=*/true);
  putProgrammed(1);
  window()->Form_Activate();
  const MemoryImage before = state.MemImage;
  window()->Command_read_Click();
  ASSERT_TRUE(runUntil([&] { return !window()->busy(); }));
  ASSERT_TRUE(window()->running());

  window()->Command_Clear_Click();
  window()->Command_def_Click();
  click(2, kColRxFreq);
  EXPECT_EQ(window()->grid()->openEditor(), nullptr);
  window()->Command_close_Click();
  EXPECT_FALSE(host.unloadForm(FormId::frm_chann));  // the close box
  EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Read-write operating，don't clear operate .,",
                                                        "Read-write operating with transceiver .",
                                                        "Read-write operating with transceiver .",
                                                        "Read-write operating，don't close the window. ,",
                                                        "Read-write operating，don't close the window.,"}));
  EXPECT_TRUE(host.isLoaded(FormId::frm_chann));
  EXPECT_EQ(text(1, kColName), "AB1");
  EXPECT_TRUE(state.MemImage == before);
  ASSERT_TRUE(runUntil([&] { return !window()->running(); }));
}

TEST_F(Transfer, APortThatWillNotOpenIsReported) {
  window()->Command_read_Click();
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>{"Communication port is error, please setting right communication port . ！"});
  EXPECT_EQ(state.PortErrorFlag, -1);
  EXPECT_FALSE(window()->busy());
  EXPECT_FALSE(window()->progressBar()->isVisible());
}

}  // namespace
}  // namespace brel::chann::test
