// The alignment exchange and the password exchange against the simulated
// radio, on the virtual clock.
#include "adj_transfer.h"

#include <gtest/gtest.h>

#include "adj_texts.h"
#include "password_exchange.h"
#include "radio_bench.h"
#include "test_doubles.h"

namespace brel::adj {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The radio bench with the program's state and the message and panel recorders.
class ExchangeFixture : public ::testing::Test, protected test::RadioBench {
 protected:
  static constexpr int kRadioPort = 5;
  ExchangeFixture() : RadioBench(kRadioPort) {
    state.PortNumber = kRadioPort;
    link::LoadHandshakeCommand(state, 0);
  }
  std::vector<std::string> messageTexts() const { return messages.texts(); }

  ProgramState state;
  test::RecordingMessages messages;
  test::MapStatusPanels panels;
};

Bytes Command(int variant) {
  const auto cmd = link::ProgramModeCommand(variant);
  return Bytes(cmd.begin(), cmd.begin() + 7);
}

sim::SimConfig IdentType(int type) {
  sim::SimConfig config;
  config.identType = type;
  return config;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

class AdjTransferTest : public ExchangeFixture {
 protected:
  AdjTransferTest() {
    // Every byte of the radio's alignment area tells where it came from.
    auto& radio = plugRadio();
    for (int a = 0x1E00; a < 0x2000; ++a) radio.memory()[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a * 7 + 3);
    for (int r = 0; r < 20; ++r)
      for (int c = 0; c < 16; ++c) state.AdjImage.at(r, c) = static_cast<std::int16_t>((r * 16 + c) % 251);
  }
  std::uint8_t radioByte(int address) const { return radio->memory()[static_cast<std::size_t>(address)]; }
  bool idle() const { return !transfer.running(); }

  test::RecordingView view;
  AdjTransfer transfer{{state, messages, panels, services}, view};
};

TEST_F(AdjTransferTest, ReadTakesTheFiveBlocksIntoTheImage) {
  // Another window's identification settled on variant 1: the alignment
  // exchange still opens with variant 0's command and leaves that alone.
  link::LoadHandshakeCommand(state, 1);
  const auto handshake = state.HandshakeCmd;
  ASSERT_TRUE(transfer.read());
  ASSERT_TRUE(runUntil([&] { return idle(); }));

  runFor(10 * link::kMs);  // the last Ack leaves as the port closes
  EXPECT_EQ(line->fromProgram(), Cat({Command(0), {0x02, 0x06}, {0x06, 0x53, 0x1F, 0x00, 0x40}, {0x06},
                                      {0x53, 0x1F, 0x40, 0x40}, {0x06}, {0x53, 0x1F, 0x80, 0x40}, {0x06},
                                      {0x53, 0x1F, 0xC0, 0x40}, {0x06}, {0x53, 0x1E, 0xC0, 0x40}, {0x06}}));
  EXPECT_EQ(state.HandshakeCmd, handshake);
  for (int r = 0; r < 20; ++r) {
    const int base = r == 13 ? 0x1EE0 : r == 14 ? 0x1ED0 : r < 16 ? 0x1F00 + 16 * r : 0x1EC0 + 16 * (r - 16);
    for (int c = 0; c < 16; ++c) ASSERT_EQ(state.AdjImage.at(r, c), radioByte(base + c)) << r << "," << c;
  }
  std::vector<std::pair<int, std::string>> steps;
  for (const auto& s : view.steps) steps.emplace_back(s.progress, s.text);
  EXPECT_EQ(steps, (std::vector<std::pair<int, std::string>>{{0, "Connecting with transceiver. "},
                                                              {50, "Reading 3 Data Block"},
                                                              {66, "Reading 4 Data Block"},
                                                              {83, "Reading 5 Data Block"},
                                                              {100, "Reading 6 Data Block"},
                                                              {100, "Read optional parameters in gear. "}}));
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Complete reading the data from transceiver."}));
  EXPECT_EQ(messages.shown.back().title, "Operate Prompt");
  EXPECT_EQ(panels.panelText(2), "Connect well with radio.");
  EXPECT_EQ(panels.panelText(7), "Band_A: 136-- 174 MHZ");
  EXPECT_EQ(panels.panelText(8), "Band_B: 400-- 480 MHZ");
}

TEST_F(AdjTransferTest, AFailedReadChangesNothing) {
  radio->addFault({sim::FaultKind::Disconnect, 3});
  const auto before = state.AdjImage;
  ASSERT_TRUE(transfer.read());
  ASSERT_TRUE(runUntil([&] { return idle(); }));
  EXPECT_EQ(state.AdjImage, before);
  EXPECT_EQ(radio->sessions(), 4);
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AdjTransferTest, WriteSendsTheFixedLineThenSixteenRows) {
  ASSERT_TRUE(transfer.write());
  ASSERT_TRUE(runUntil([&] { return idle(); }));

  const auto& frames = radio->writeFrames();
  ASSERT_EQ(frames.size(), 17u);
  const int addresses[17] = {0x0CF0, 0x1F00, 0x1F10, 0x1F20, 0x1F30, 0x1F40, 0x1F50, 0x1F60, 0x1F70,
                             0x1F80, 0x1F90, 0x1FA0, 0x1FB0, 0x1FC0, 0x1EE0, 0x1ED0, 0x1FF0};
  const Bytes afterHandshake(line->fromProgram().begin() + 9, line->fromProgram().end());
  Bytes expected;
  for (int f = 0; f < 17; ++f) {
    Bytes frame{0x06, 0x58, static_cast<std::uint8_t>(addresses[f] >> 8), static_cast<std::uint8_t>(addresses[f] & 0xFF),
                0x10};
    for (int c = 0; c < 16; ++c) {
      const std::uint8_t data = f == 0 ? (c < 12 ? link::kAlignFixedBlock[static_cast<std::size_t>(c)] : 0)
                                       : static_cast<std::uint8_t>(state.AdjImage.at(f - 1, c));
      frame.push_back(data);
      EXPECT_EQ(radioByte(addresses[f] + c), data) << std::hex << addresses[f] + c;
    }
    expected.insert(expected.end(), frame.begin(), frame.end());
  }
  EXPECT_EQ(afterHandshake, expected);
  for (int a = 0x1FD0; a < 0x1FF0; ++a) EXPECT_EQ(radioByte(a), static_cast<std::uint8_t>(a * 7 + 3));
  EXPECT_EQ(view.steps[1].text, "Writing  1  Data Block");
  EXPECT_EQ(view.steps[1].progress, 6);
  EXPECT_EQ(view.steps[16].text, "Writing  16  Data Block");
  EXPECT_EQ(view.steps[16].progress, 100);
  EXPECT_EQ(view.text, "Complete writing optional parameters ");
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Complete writing optional parameters to the transceiver."}));
}

TEST_F(AdjTransferTest, ARetriedWriteStartsAgainWithTheFixedLine) {
  radio->addFault({sim::FaultKind::Silence, 6, 0, 1});
  ASSERT_TRUE(transfer.write());
  ASSERT_TRUE(runUntil([&] { return idle(); }));
  EXPECT_EQ(radio->sessions(), 2);
  ASSERT_EQ(radio->writeFrames().size(), 17u);
  EXPECT_EQ(radio->writeFrames().front()[1], 0x0C);
  EXPECT_EQ(radio->writeFrames().front()[2], 0xF0);
  EXPECT_EQ(messageTexts().size(), 1u);
}

TEST_F(AdjTransferTest, ASilentRadioGetsFourAttemptsThenTheStatusBarSaysSo) {
  radio->addFault({sim::FaultKind::Silence, sim::kCommandAck});
  ASSERT_TRUE(transfer.write());
  EXPECT_TRUE(transfer.running());
  ASSERT_TRUE(runUntil([&] { return idle(); }));
  EXPECT_EQ(line->opens(), 4);
  EXPECT_EQ(panels.panelText(2), "Communication fault.");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(view.text, "Connecting with transceiver. ");
}

// --- password ------------------------------------------------------------------------

class PasswordTest : public ExchangeFixture, public PasswordView {
 protected:
  void clearBoxes() override { ++cleared; }
  void closeDialog() override { closedAtUs = clock.nowUs(); }

  void setRadioLine(const std::string& line16) {
    for (int i = 0; i < 16; ++i) radio->memory()[static_cast<std::size_t>(0x1FF0 + i)] = static_cast<std::uint8_t>(line16[static_cast<std::size_t>(i)]);
  }
  std::string radioLine() const {
    std::string s;
    for (int i = 0; i < 16; ++i) s.push_back(static_cast<char>(radio->memory()[static_cast<std::size_t>(0x1FF0 + i)]));
    return s;
  }

  int cleared = 0;
  std::int64_t closedAtUs = -1;
  std::unique_ptr<PasswordExchange> exchange;
  void make() { exchange = std::make_unique<PasswordExchange>(link::LinkContext{state, messages, panels, services}, *this); }
};

TEST_F(PasswordTest, ChangesTheUserPasswordWhenTheOldOneMatches) {
  struct Case {
    const char* name;
    std::string radioLine;
    const char* old;
    const char* newText;
    bool frameB;          // else frame A, or nothing written
    bool written;
    std::string after;    // the radio's line afterwards
  };
  const Case cases[] = {
      {"user", "123456BRP888WXYZ", "123456", "abc", true, true, "abc   BRP888WXYZ"},
      {"super", "123456BRP888WXYZ", "BRP888", "9", true, true, "9     BRP888WXYZ"},
      {"blank user", "      BRP888WXYZ", "whatever", "new1", false, true, "new1  BRP888WXYZ"},
      {"empty new", "123456BRP888WXYZ", "123456", "", true, true, "      BRP888WXYZ"},
      {"wrong", "123456BRP888WXYZ", "12345", "x", false, false, "123456BRP888WXYZ"},
      {"user one byte on", "x123456RP888WXYZ", "123456", "x", false, false, "x123456RP888WXYZ"},
      {"super one byte on", "123456xBRP888XYZ", "BRP888", "x", false, false, "123456xBRP888XYZ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    plugRadio(IdentType(2));
    setRadioLine(c.radioLine);
    messages.shown.clear();
    state.AdjImage.at(15, 0) = 0;
    cleared = 0;
    closedAtUs = -1;
    make();
    exchange->oldPasswordChanged(c.old);
    ASSERT_TRUE(exchange->modify(c.newText, c.newText));
    EXPECT_EQ(panels.panelText(2), "Connecting with transceiver... ");
    ASSERT_TRUE(runUntil([&] { return !exchange->running(); }));
    EXPECT_EQ(radioLine(), c.after);

    Bytes written;
    if (c.written) {
      if (c.frameB) written.push_back(0x06);
      written.insert(written.end(), {0x58, 0x1F, 0xF0, 0x10});
      written.insert(written.end(), c.after.begin(), c.after.end());
    }
    EXPECT_EQ(line->fromProgram(), Cat({Command(0), {0x02, 0x02, 0x06, 0x06, 0x53, 0x1F, 0xF0, 0x10, 0x06}, written}));
    if (c.written) {
      EXPECT_EQ(messageTexts(), (std::vector<std::string>{"PassWord Modify Success ! "}));
      EXPECT_EQ(state.AdjImage.at(15, 0), static_cast<std::uint8_t>(c.after[0]));
      EXPECT_EQ(cleared, 1);
      EXPECT_EQ(state.NewPasswordBuf[0], 32);
      const std::int64_t answeredUs = clock.nowUs();
      runFor(2 * link::kSecond);
      EXPECT_EQ(closedAtUs, answeredUs + 500 * link::kMs);
    } else {
      EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Old PassWord Error, Writeing Stop"}));
      EXPECT_EQ(state.AdjImage.at(15, 0), 0);
      runFor(2 * link::kSecond);
      EXPECT_EQ(closedAtUs, -1);
    }
  }
}

TEST_F(PasswordTest, FailuresLeaveTheDialogAndItsBuffers) {
  struct Case {
    const char* name;
    sim::SimConfig config;
    std::optional<sim::Fault> fault;
    std::int64_t atMostUs;
  };
  const Case cases[] = {
      {"silence", IdentType(2), sim::Fault{sim::FaultKind::Silence, sim::kCommandAck}, 2100 * link::kMs},
      {"12-byte frame", IdentType(0), std::nullopt, 3100 * link::kMs},
      {"refused", IdentType(2), sim::Fault{sim::FaultKind::WrongHeader, 1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    plugRadio(c.config);
    if (c.fault) radio->addFault(*c.fault);
    setRadioLine("123456BRP888WXYZ");
    messages.shown.clear();
    panels.panels.clear();
    closedAtUs = -1;
    make();
    exchange->oldPasswordChanged("123456");
    const std::int64_t startUs = clock.nowUs();
    ASSERT_TRUE(exchange->modify("abc", "abc"));
    ASSERT_TRUE(runUntil([&] { return !exchange->running(); }));
    if (c.atMostUs > 0) {
      EXPECT_LE(clock.nowUs() - startUs, c.atMostUs);
    }
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Fail connect with transceiver."}));
    EXPECT_EQ(messages.shown.back().title, "Operate prompt");
    EXPECT_EQ(panels.panelText(2), "Communication fault.");
    EXPECT_EQ(line->opens(), 1);
    EXPECT_EQ(state.OldPasswordBuf[0], '1');
    EXPECT_EQ(state.NewPasswordBuf[0], 'a');
    runFor(2 * link::kSecond);
    EXPECT_EQ(closedAtUs, -1);
  }
}

TEST_F(PasswordTest, ModifyAndCloseWaitForARunningExchange) {
  plugRadio(IdentType(2));
  setRadioLine("123456BRP888WXYZ");
  make();
  exchange->oldPasswordChanged("123456");
  EXPECT_FALSE(exchange->modify("abc", "abd"));
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Password is not consistent ."}));
  ASSERT_TRUE(exchange->modify("abc", "abc"));
  runFor(20 * link::kMs);
  // A second Modify is refused and does not change what the first writes.
  EXPECT_FALSE(exchange->modify("zzz", "zzz"));
  EXPECT_FALSE(exchange->closeRequested());
  EXPECT_EQ(messageTexts()[1], "Read-write operating with transceiver .");
  EXPECT_EQ(messageTexts()[2], "Read-write operating，don't close the window. ,");
  EXPECT_EQ(state.NewPasswordBuf[0], 'a');
  ASSERT_TRUE(runUntil([&] { return !exchange->running(); }));
  EXPECT_EQ(radioLine(), "abc   BRP888WXYZ");
  EXPECT_TRUE(exchange->closeRequested());
}

}  // namespace
}  // namespace brel::adj
