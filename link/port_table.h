// Which device each COM number opens.  The default table lists the USB
// adapters above the built-in ports, so the start-up probe (COM16 down to
// COM1) finds a USB programming cable before a motherboard serial port.
#pragma once

#include <array>
#include <string>

namespace brel::link {

class PortTable {
 public:
  static constexpr int kPortCount = 16;

  // COM1-COM4 /dev/ttyS0-3, COM5-COM12 /dev/ttyUSB0-7, COM13-COM16 /dev/ttyACM0-3.
  static PortTable Default();

  PortTable() = default;
  explicit PortTable(std::array<std::string, kPortCount> devices) : devices_(std::move(devices)) {}

  // The device of COM `portNumber`, or "" for a number outside 1..16 or one
  // the table leaves empty.
  const std::string& device(int portNumber) const;
  void setDevice(int portNumber, std::string device);

 private:
  std::array<std::string, kPortCount> devices_;
};

}  // namespace brel::link
