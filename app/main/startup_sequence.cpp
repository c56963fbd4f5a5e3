#include "startup_sequence.h"

#include "bilingual.h"
#include "default_contents.h"
#include "link_texts.h"
#include "main_texts.h"
#include "model_table.h"
#include "numtext.h"
#include "radio_charset.h"
#include "shared_texts.h"
#include "tone_tables.h"

namespace brel {

namespace {

constexpr int kHighestPort = 16;
constexpr std::int16_t kErased = 0xFF;

void CopyAdjDefaults(ProgramState& state) {
  for (int r = 0; r <= 15; ++r)
    for (int c = 0; c <= 15; ++c) state.AdjImage.at(r, c) = state.AdjDefaults.at(r, c);
}

}  // namespace

bool ProbePorts(ProgramState& state, const std::function<bool(int port)>& openPort) {
  for (int n = kHighestPort; n >= 1; --n) {
    state.PortNumber = static_cast<std::int16_t>(n);
    state.PortErrorFlag = 0;
    if (openPort(n)) return true;
    state.PortErrorFlag = -1;
  }
  state.PortNumber = 1;
  return false;
}

std::string PortPanelText(std::int16_t portNumber) { return "COM" + NumberToTrimmedText(portNumber); }

void RunStartup(StartupContext& context) {
  ProgramState& state = context.state;
  StatusPanels& panels = context.panels;

  // The main window's own texts are constants (main_texts.h).

  state.IdentFrameType = 0;
  context.link.loadHandshake(state);

  state.LanguageFlag = 0;
  SetLanguageTexts(state);

  context.window.setPanelWidths(context.screen);
  context.window.applyStartupCaptions();
  context.window.sizeAndShow(context.screen);

  // Before the probe, so no port is held while the box waits for the user.
  if (context.screen.height < mainwin::kMinScreenHeightTwips ||
      context.screen.width < mainwin::kMinScreenWidthTwips) {
    context.messages.show(
        Message{mainwin::kScreenWarningTitle, mainwin::kScreenWarningText, MessageIcon::Warning});
  }

  const bool portOpen = context.link.probePorts(state);
  panels.setPanelText(3, PortPanelText(state.PortNumber));

  BuildModelTable(state);
  state.ModelIndex = 0;
  state.VhfLower = state.ModelBandTable[0][0];
  state.VhfUpper = state.ModelBandTable[0][1];
  state.UhfLower = state.ModelBandTable[0][2];
  state.UhfUpper = state.ModelBandTable[0][3];
  panels.setPanelText(7, LowBandPanelText(state));
  panels.setPanelText(8, HighBandPanelText(state));

  state.ChannelTotal = 128;
  BuildToneTables(state);
  InitOptionIndices(state);
  BuildModelTable(state);
  state.TonePeriodTickMs = kTonePeriodTickMs;

  if (portOpen) {
    context.link.closeProbedPort();
    panels.setPanelText(2, Pick(state.LanguageFlag, link::texts::kPanelConnecting));
    context.link.startIdentification();
  }

  state.AdjBandVariant = 0;
  BuildAdjDefaults(state, context.clock);
  CopyAdjDefaults(state);

  state.MemImage.fill(0, MemoryImage::kRowsInUse - 1, 0, 15, kErased);
  LoadOptionDefaults(state);
  LoadDtmfDefaults(state.MemImage);

  BuildAdjDefaults(state, context.clock);
  CopyAdjDefaults(state);

  state.FormOpenFlags.clearAll();

  context.window.loadChannelEditor();
}

}  // namespace brel
