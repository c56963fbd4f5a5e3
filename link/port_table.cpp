#include "port_table.h"

namespace brel::link {

PortTable PortTable::Default() {
  PortTable table;
  for (int i = 0; i < 4; ++i) table.devices_[i] = "/dev/ttyS" + std::to_string(i);
  for (int i = 0; i < 8; ++i) table.devices_[4 + i] = "/dev/ttyUSB" + std::to_string(i);
  for (int i = 0; i < 4; ++i) table.devices_[12 + i] = "/dev/ttyACM" + std::to_string(i);
  return table;
}

const std::string& PortTable::device(int portNumber) const {
  static const std::string kNone;
  if (portNumber < 1 || portNumber > kPortCount) return kNone;
  return devices_[portNumber - 1];
}

void PortTable::setDevice(int portNumber, std::string device) {
  if (portNumber < 1 || portNumber > kPortCount) return;
  devices_[portNumber - 1] = std::move(device);
}

}  // namespace brel::link
