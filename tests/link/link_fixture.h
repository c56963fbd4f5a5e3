// A radio on an in-memory cable, on a virtual clock: the program's state,
// message and panel recorders, and the link services that windows use.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link_services.h"
#include "memory_port.h"
#include "radio_model.h"
#include "radio_sim.h"
#include "sim_on_line.h"
#include "test_doubles.h"
#include "virtual_clock.h"
#include "whole_memory.h"

namespace brel::test {

// The progress bar and label of a dialog, with every change kept.
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

class LinkFixture : public ::testing::Test {
 protected:
  static constexpr int kRadioPort = 5;

  LinkFixture() : bus(clock), services{bus, clock, bus.table()} {
    state.PortNumber = kRadioPort;
    link::LoadHandshakeCommand(state, 0);
  }

  // A radio on COM `port` (the fixture's port unless said otherwise).
  sim::RadioSim& plugRadio(sim::SimConfig config = {}, int port = kRadioPort,
                           std::int64_t byteUs = link::kLineByteUs) {
    radio = std::make_unique<sim::RadioSim>(config);
    line = &bus.plug(port, byteUs);
    onLine = std::make_unique<sim::SimOnLine>(*radio, *line);
    return *radio;
  }

  // Runs the clock until `done` or `limitUs` of virtual time.
  bool runUntil(const std::function<bool()>& done, std::int64_t limitUs = 120 * link::kSecond) {
    return clock.runUntil(done, limitUs);
  }
  void runFor(std::int64_t us) { clock.advance(us); }

  std::vector<std::string> messageTexts() const { return messages.texts(); }

  link::VirtualClock clock;
  link::MemoryPortBus bus;
  link::LinkServices services;
  ProgramState state;
  RecordingMessages messages;
  MapStatusPanels panels;
  std::unique_ptr<sim::RadioSim> radio;
  link::MemoryLine* line = nullptr;
  std::unique_ptr<sim::SimOnLine> onLine;
};

}  // namespace brel::test
