// The program's start-up: every shared table filled, the main window
// captioned, sized and shown, a serial port found, the radio's
// identification started when there is one, and the channel editor loaded.
//
// The steps run in a fixed order; the collaborators come in as parameters so
// the sequence runs the same without a real screen, radio or clock.
#pragma once

#include <cstdint>
#include <functional>

#include "platform.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel {

// The start-up steps that need the radio link; each is required.
struct StartupLink {
  // HandshakeCmd 0..7 := the program-mode command of identification variant
  // 0 and the identification request.
  std::function<void(ProgramState&)> loadHandshake;
  // Tries COM16 down to COM1 (see ProbePorts).  Returns true when a port
  // opened; that port is left open and PortNumber names it.
  std::function<bool(ProgramState&)> probePorts;
  // Closes the port the probe left open.
  std::function<void()> closeProbedPort;
  // Starts the background identification of the radio (it reopens the port
  // and retries on its own; the start-up does not wait for it).
  std::function<void()> startIdentification;
};

// The probe itself: for n = 16 down to 1, PortNumber := n and try to open it;
// the first that opens stays open.  With none, PortNumber := 1.
bool ProbePorts(ProgramState& state, const std::function<bool(int port)>& openPort);

// What the start-up does to the main window.
class StartupWindow {
 public:
  virtual ~StartupWindow() = default;
  virtual void setPanelWidths(const ScreenTwips& screen) = 0;
  // Tooltips, check marks, menu captions, label panels and the caption for
  // the current language, in the start-up's wording.
  virtual void applyStartupCaptions() = 0;
  virtual void sizeAndShow(const ScreenTwips& screen) = 0;
  virtual void loadChannelEditor() = 0;
};

struct StartupContext {
  ProgramState& state;
  const Clock& clock;
  MessageSink& messages;
  StatusPanels& panels;
  StartupWindow& window;
  ScreenTwips screen;
  StartupLink link;
};

inline constexpr double kTonePeriodTickMs = 0.000434028;

void RunStartup(StartupContext& context);

// The short texts the start-up writes into status panels.
std::string PortPanelText(std::int16_t portNumber);  // "COM3"

}  // namespace brel
