// The serial port as the link engine sees it: opened by COM number at 9600
// baud, 8 data bits, no parity, 1 stop bit and no flow control; the port
// tells when bytes have arrived, when everything written has left, and when
// the device has failed under it (unplugged, reset).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace brel::link {

// One byte on the line: 10 bits (start, 8 data, stop) at 9600 baud.
inline constexpr std::int64_t kLineByteUs = 1042;

enum class OpenStatus {
  Ok,
  NoSuchPort,        // the number maps to no device
  NoDevice,          // the device file does not exist (nothing plugged in)
  PermissionDenied,  // the device exists but this user may not open it
  InUse,             // another window or program holds it
  Failed,            // anything else the system refused
};

struct OpenResult {
  OpenStatus status = OpenStatus::Ok;
  std::string device;  // the device the number maps to ("" when none)
  // PermissionDenied: the group that owns the device ("" when it cannot be
  // told), so the message can say which group to join.
  std::string ownerGroup;
  bool ok() const { return status == OpenStatus::Ok; }
};

class PortListener {
 public:
  virtual ~PortListener() = default;
  // One or more bytes are waiting.
  virtual void bytesArrived() = 0;
  // Every byte written so far has left the port.
  virtual void outputDrained() {}
  // The device failed or went away while open: nothing more will come or go
  // until the port is closed and opened again.  Told once per failure, never
  // from where the port could be closed under its own notification.
  virtual void portFailed() {}
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // Opens COM `portNumber` (1..16) with the line settings above.
  virtual OpenResult open(int portNumber) = 0;
  virtual bool isOpen() const = 0;
  virtual void close() = 0;

  // False when the port is closed or failed, or took fewer bytes.
  virtual bool write(const std::uint8_t* data, std::size_t count) = 0;
  bool writeByte(std::uint8_t byte) { return write(&byte, 1); }

  // Some of what was written has not left the port yet (it waits in the
  // program's buffer or the driver's): the radio cannot have had all of it,
  // so nothing that arrives meanwhile answers it.
  virtual bool outputPending() const = 0;

  virtual std::size_t bytesWaiting() const = 0;
  // Reads up to `max` waiting bytes; returns how many were read.
  virtual std::size_t read(std::uint8_t* into, std::size_t max) = 0;

  virtual void flushInput() = 0;   // waiting input is discarded
  virtual void flushOutput() = 0;  // output not yet sent is discarded

  void setListener(PortListener* listener) { listener_ = listener; }

 protected:
  PortListener* listener() const { return listener_; }

 private:
  PortListener* listener_ = nullptr;
};

class SerialPortFactory {
 public:
  virtual ~SerialPortFactory() = default;
  virtual std::unique_ptr<SerialPort> createPort() = 0;
};

}  // namespace brel::link
