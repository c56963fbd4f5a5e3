// The simulated radio on the far end of an in-memory cable, for tests on the
// virtual clock.
#pragma once

#include "memory_port.h"
#include "radio_sim.h"

namespace brel::sim {

class SimOnLine : public link::MemoryDevice {
 public:
  SimOnLine(RadioSim& sim, link::MemoryLine& line) : sim_(sim) {
    line.attach(this);
    sim_.setSender([&line](const std::vector<std::uint8_t>& bytes, std::int64_t delayUs) { line.send(bytes, delayUs); });
    sim_.setVanishHook([&line] { line.vanish(); });
  }
  void received(std::uint8_t byte) override { sim_.received(byte); }

 private:
  RadioSim& sim_;
};

}  // namespace brel::sim
