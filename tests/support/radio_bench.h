// A radio on an in-memory cable, on a virtual clock: the clock, the port
// bus, the link services every window is given, and a simulated radio on a
// COM number.  Link, dialog and editor tests stand on it instead of wiring
// their own.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link_services.h"
#include "memory_port.h"
#include "radio_model.h"
#include "radio_sim.h"
#include "sim_on_line.h"
#include "transfer.h"
#include "virtual_clock.h"

namespace brel::test {

class RadioBench {
 public:
  explicit RadioBench(int radioPort) : radioPort(radioPort), bus(clock), services{bus, clock, bus.table()} {}

  // A radio on COM `port` (the bench's port unless said otherwise), its
  // bytes `byteUs` apart on the line.
  sim::RadioSim& plugRadio(sim::SimConfig config = {}, int port = 0, std::int64_t byteUs = link::kLineByteUs) {
    radio = std::make_unique<sim::RadioSim>(config);
    line = &bus.plug(port > 0 ? port : radioPort, byteUs);
    onLine = std::make_unique<sim::SimOnLine>(*radio, *line);
    return *radio;
  }

  // Runs the clock until `done` or `limitUs` of virtual time.
  bool runUntil(const std::function<bool()>& done, std::int64_t limitUs = 120 * link::kSecond) {
    return clock.runUntil(done, limitUs);
  }
  void runFor(std::int64_t us) { clock.advance(us); }

  int radioPort;
  link::VirtualClock clock;
  link::MemoryPortBus bus;
  link::LinkServices services;
  std::unique_ptr<sim::RadioSim> radio;
  link::MemoryLine* line = nullptr;
  std::unique_ptr<sim::SimOnLine> onLine;
};

// A progress bar and status label, with every change kept.
class RecordingView : public link::TransferView {
 public:
  struct Step {
    int progress;
    std::string text;
  };
  void setProgressValue(int v) override { value = v; }
  void setProgressVisible(bool v) override { visible = v; }
  void setStatusText(const std::string& t) override {
    text = t;
    steps.push_back({value, t});
  }
  int value = -1;
  bool visible = true;
  std::string text;
  std::vector<Step> steps;  // (progress when the text was set, text)
};

}  // namespace brel::test
