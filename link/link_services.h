// What a window needs to talk to the radio: a maker of serial ports, timers,
// and the table of which device each COM number opens.  The program hands
// the Qt implementations to its windows; tests hand in-memory ports on a
// virtual clock.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "port_table.h"
#include "serial_port.h"
#include "timer_service.h"

namespace brel::link {

class LinkEngine;

// The engines of one program, so that a transfer starting can end the
// start-up identification's pending retry, which would otherwise run beside
// it and switch the handshake variant under it.
class EngineRegistry {
 public:
  void add(LinkEngine* engine) { engines_.push_back(engine); }
  void remove(LinkEngine* engine) { engines_.erase(std::remove(engines_.begin(), engines_.end(), engine), engines_.end()); }
  const std::vector<LinkEngine*>& engines() const { return engines_; }

 private:
  std::vector<LinkEngine*> engines_;
};

struct LinkServices {
  SerialPortFactory& ports;
  TimerService& timers;
  const PortTable& portTable;
  std::shared_ptr<EngineRegistry> engines = std::make_shared<EngineRegistry>();
};

}  // namespace brel::link
