// The simulated radio on a pseudo-terminal, reached through the program's
// own Qt serial code: what the end-to-end test and the transfer benchmark
// both stand on.
#pragma once

#include <QCoreApplication>
#include <functional>
#include <memory>
#include <string>

#include "program_state.h"
#include "pty_server.h"
#include "qt_link_services.h"
#include "radio_sim.h"
#include "whole_memory.h"

namespace brel::sim {

class PtyRig {
 public:
  // `byteUs` is the line time of one byte (0: none).
  PtyRig(RadioSim& radio, std::int64_t byteUs, int portNumber);

  // Creates the pseudo-terminal, points `portNumber` of the port table at it
  // and starts serving.  On failure returns false with the reason.
  bool open(std::string* error);

  PtyRadioServer& server() { return server_; }
  link::LinkServices& services() { return link_->services(); }
  // A program state whose port leads to the radio, with the handshake of
  // identification variant 0 loaded.
  ProgramState state;

 private:
  int portNumber_;
  PtyRadioServer server_;
  std::unique_ptr<link::QtLinkServices> link_;
};

// A transfer with nothing on screen.
class NullTransferView : public link::TransferView {
 public:
  void setProgressValue(int) override {}
  void setProgressVisible(bool) override {}
  void setStatusText(const std::string&) override {}
};

// Runs the event loop until `done`, waking at least every 100 ms to check
// the limit; sleeps whenever nothing is due, so the CPU time is the program's.
bool PumpEventsUntil(const std::function<bool()>& done, int limitMs);

}  // namespace brel::sim
