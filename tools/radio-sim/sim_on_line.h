// The simulated radio on the far end of an in-memory cable, for tests on the
// virtual clock.
#pragma once

#include "memory_port.h"
#include "radio_sim.h"

namespace brel::sim {

class SimOnLine : public link::MemoryDevice {
 public:
  SimOnLine(RadioSim& sim, link::MemoryLine& line) : sim_(sim), line_(line) {
    line.attach(this);
    sim_.setSender([&line](const std::vector<std::uint8_t>& bytes, std::int64_t delayUs) { line.send(bytes, delayUs); });
    sim_.setVanishHook([&line] { line.vanish(); });
  }
  // Bytes still on their way along the line reach nobody.
  ~SimOnLine() override { line_.attach(nullptr); }
  SimOnLine(const SimOnLine&) = delete;
  SimOnLine& operator=(const SimOnLine&) = delete;

  void received(std::uint8_t byte) override { sim_.received(byte); }

 private:
  RadioSim& sim_;
  link::MemoryLine& line_;
};

}  // namespace brel::sim
