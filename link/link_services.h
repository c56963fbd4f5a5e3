// What a window needs to talk to the radio: a maker of serial ports, timers,
// and the table of which device each COM number opens.  The program hands
// the Qt implementations to its windows; tests hand in-memory ports on a
// virtual clock.
#pragma once

#include "port_table.h"
#include "serial_port.h"
#include "timer_service.h"

namespace brel::link {

struct LinkServices {
  SerialPortFactory& ports;
  TimerService& timers;
  const PortTable& portTable;
};

}  // namespace brel::link
