// The program's link services: Qt serial ports and timers, and the port table.
#pragma once

#include "link_services.h"
#include "qt_serial_port.h"
#include "qt_timer_service.h"

namespace brel::link {

class QtLinkServices {
 public:
  explicit QtLinkServices(PortTable table = PortTable::Default())
      : table_(std::move(table)), ports_(table_), services_{ports_, timers_, table_} {}

  LinkServices& services() { return services_; }

 private:
  PortTable table_;
  QtSerialPortFactory ports_;
  QtTimerService timers_;
  LinkServices services_;
};

}  // namespace brel::link
