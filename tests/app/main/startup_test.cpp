#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <cmath>

#include "default_contents.h"
#include "fakes.h"
#include "radio_charset.h"

namespace brel::test {
namespace {

std::vector<std::string> Without(const Log& log, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& entry : log)
    if (entry.rfind(prefix, 0) != 0) out.push_back(entry);
  return out;
}

int CountWith(const Log& log, const std::string& prefix) {
  return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
}

TEST(Startup, ProbeTakesTheHighestPortThatOpens) {
  struct Case {
    std::set<int> ports;
    bool opened;
    int portNumber;
    int attempts;
  };
  const Case cases[] = {
      {{}, false, 1, 16},     // none: sixteen silent attempts, then COM1
      {{1}, true, 1, 16},     // only COM1: fifteen failures first
      {{3, 5}, true, 5, 12},  // COM16 down to COM6 fail, COM5 opens
      {{2, 16}, true, 16, 1},
  };
  for (const Case& c : cases) {
    ProgramState state;
    std::vector<int> tried;
    const bool opened = ProbePorts(state, [&](int n) {
      tried.push_back(n);
      return c.ports.count(n) != 0;
    });
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(state.PortNumber, c.portNumber);
    ASSERT_EQ(static_cast<int>(tried.size()), c.attempts);
    EXPECT_EQ(tried.front(), 16);
    EXPECT_EQ(state.PortErrorFlag, c.opened ? 0 : -1);
  }
}

TEST(Startup, PortFoundStartsIdentificationAfterClosingTheProbedPort) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp({3, 5});

  EXPECT_EQ(f.state->PortNumber, 5);
  EXPECT_EQ(f.window.panels().panelText(3), "COM5");
  EXPECT_EQ(f.window.panels().panelText(2), "Connecting with transceiver... ");
  // The probe stops at COM5; the port is closed, the connecting text shown,
  // then the identification starts; the channel editor comes last.
  EXPECT_EQ(Without(f.log, "open COM"),
            (Log{"handshake", "close", "ident, panel 2: Connecting with transceiver... ", "load frm_chann"}));
  EXPECT_EQ(CountWith(f.log, "open COM"), 12);
  EXPECT_TRUE(f.messages.shown.empty());
}

TEST(Startup, NoPortLeavesPanel2EmptyAndRunsNoIdentification) {
  MainWindowFixture f;
  f.registerFakes();
  f.startUp({});

  EXPECT_EQ(f.state->PortNumber, 1);
  EXPECT_EQ(f.window.panels().panelText(3), "COM1");
  EXPECT_EQ(f.window.panels().panelText(2), "");
  EXPECT_EQ(Without(f.log, "open COM"), (Log{"handshake", "load frm_chann"}));
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_TRUE(f.window.host().isLoaded(FormId::frm_chann));
}

TEST(Startup, SmallScreenWarnsInChineseBeforeTheProbe) {
  struct Case {
    ScreenTwips screen;
    bool warns;
  };
  const Case cases[] = {
      {ScreenTwips{15300, 11500}, false},
      {ScreenTwipsFromPixels(1024, 768, 96, 96), false},  // 15360 x 11520
      {ScreenTwips{15299, 11500}, true},
      {ScreenTwips{15300, 11499}, true},
      {ScreenTwipsFromPixels(800, 600, 96, 96), true},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    f.startUp({4}, c.screen);
    if (!c.warns) {
      EXPECT_TRUE(f.messages.shown.empty()) << c.screen.width << " x " << c.screen.height;
      continue;
    }
    ASSERT_EQ(f.messages.shown.size(), 1u) << c.screen.width << " x " << c.screen.height;
    EXPECT_EQ(f.messages.shown[0].title, "操作提示");
    EXPECT_EQ(f.messages.shown[0].text, "建议将计算机的显示模式设置为 1024 X 768 ");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Warning);
    // The window is already up, and no port is held while the box is open.
    EXPECT_EQ(f.log.at(1), "message 建议将计算机的显示模式设置为 1024 X 768 ");
    EXPECT_EQ(f.log.at(2), "open COM16");
    EXPECT_TRUE(f.window.isVisible());
  }
}

TEST(Startup, LeavesEmptyChannelsDefaultAreasAndClearedFlags) {
  MainWindowFixture f;
  f.registerFakes();
  f.state->FormOpenFlags.DtmfFormOpen = -1;
  f.state->FormOpenFlags.ReadFormOpen = -1;
  f.state->MemImage.at(496, 0) = 7;  // beyond the radio's rows
  f.state->AdjImage.at(16, 0) = 9;   // beyond the defaults' 16 rows
  f.startUp({});

  const ProgramState& s = *f.state;
  for (int row : {0, 1, 64, 127, 256, 300, 383})
    for (int col = 0; col < 16; ++col) ASSERT_EQ(s.MemImage.at(row, col), 0xFF) << row << "," << col;

  // The defaults are written over the erased image, not erased again.
  ProgramState reference;
  reference.MemImage.fill(0, 495, 0, 15, 0xFF);
  InitOptionIndices(reference);
  LoadOptionDefaults(reference);
  LoadDtmfDefaults(reference.MemImage);
  for (int row = 0; row <= 495; ++row)
    for (int col = 0; col < 16; ++col)
      ASSERT_EQ(s.MemImage.at(row, col), reference.MemImage.at(row, col)) << row << "," << col;
  EXPECT_EQ(s.MemImage.at(496, 0), 7);

  BuildAdjDefaults(reference, f.clock);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(s.AdjImage.at(r, c), reference.AdjDefaults.at(r, c));
  EXPECT_EQ(s.AdjImage.at(16, 0), 9);

  EXPECT_EQ(s.FormOpenFlags.DtmfFormOpen, 0);
  EXPECT_EQ(s.FormOpenFlags.ReadFormOpen, 0);
  EXPECT_EQ(s.FormOpenFlags.ChannFormOpen, -1);  // set again by the channel editor's load

  EXPECT_EQ(s.LanguageFlag, 0);
  EXPECT_EQ(s.IdentFrameType, 0);
  EXPECT_EQ(s.HandshakeCmd[7], 0x02);
  EXPECT_EQ(s.ModelIndex, 0);
  EXPECT_EQ(s.VhfLower, 136);
  EXPECT_EQ(s.VhfUpper, 174);
  EXPECT_EQ(s.UhfLower, 400);
  EXPECT_EQ(s.UhfUpper, 520);
  EXPECT_EQ(s.ChannelTotal, 128);
  EXPECT_DOUBLE_EQ(s.TonePeriodTickMs, 0.000434028);
  EXPECT_EQ(s.AdjBandVariant, 0);
  EXPECT_EQ(s.ConfirmText, "Confirm");
  EXPECT_FALSE(s.ToneList[260].empty());
  EXPECT_EQ(s.OptionIndex[56], 56);
}

TEST(Startup, CaptionsPanelsAndWindowSize) {
  MainWindowFixture f;
  f.startUp({}, ScreenTwipsFromPixels(1024, 768, 96, 96));

  EXPECT_EQ(f.window.windowTitle().toStdString(), "Brel Pro Series Program Software. ");
  const std::map<int, std::string> panels{
      {1, "State"}, {2, ""},  {3, "COM1"}, {4, "Version"}, {5, "V13.03.28"},  {6, "Band"},
      {7, "VHF0: 136 -   174MHZ"}, {8, "UHF0: 400 -   520MHZ"}, {9, ""}, {10, ""}, {11, "Velmor "}};
  for (const auto& [panel, text] : panels) EXPECT_EQ(f.window.panels().panelText(panel), text) << panel;

  // Shares of 15360 twips: 5, 15, 5, 6, 6, 6, 15, 15, 1, 1, 24 per cent.
  const float expected[] = {768, 2304, 768, 921.6f, 921.6f, 921.6f, 2304, 2304, 153.6f, 153.6f, 3686.4f};
  for (int k = 1; k <= 11; ++k) {
    EXPECT_FLOAT_EQ(f.window.panels().widthTwips(k), expected[k - 1]) << k;
    EXPECT_EQ(f.window.panels().label(k)->sizeHint().width(), static_cast<int>(std::lround(expected[k - 1] / 15))) << k;
  }

  EXPECT_TRUE(f.window.isVisible());
  EXPECT_EQ(f.window.size(), QSize(1024, 768));
}

}  // namespace
}  // namespace brel::test
