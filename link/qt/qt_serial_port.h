// Qt SerialPort behind the link's serial-port interface.
#pragma once

#include <QSerialPort>
#include <QTimer>
#include <set>
#include <string>

#include "port_table.h"
#include "serial_port.h"

namespace brel::link {

class QtSerialPortFactory : public SerialPortFactory {
 public:
  explicit QtSerialPortFactory(const PortTable& table) : table_(table) {}
  std::unique_ptr<SerialPort> createPort() override;

 private:
  friend class QtSerialPort;
  const PortTable& table_;
  // Devices held by ports of this program: a second window never shares a
  // port, even where the system would let it (as root, for one).
  std::set<std::string> held_;
};

class QtSerialPort : public SerialPort {
 public:
  explicit QtSerialPort(QtSerialPortFactory& factory);
  ~QtSerialPort() override;

  OpenResult open(int portNumber) override;
  bool isOpen() const override { return port_.isOpen(); }
  void close() override;
  bool write(const std::uint8_t* data, std::size_t count) override;
  bool outputPending() const override;
  std::size_t bytesWaiting() const override;
  std::size_t read(std::uint8_t* into, std::size_t max) override;
  void flushInput() override;
  void flushOutput() override;

  // How an opening that Qt refused is told to the user.
  static OpenStatus ClassifyOpenError(QSerialPort::SerialPortError error, const std::string& device);

 private:
  void checkDrained();
  void errorOccurred(QSerialPort::SerialPortError error);

  QtSerialPortFactory& factory_;
  QSerialPort port_;
  QTimer drainPoll_;
  std::string device_;
  // The device has failed since it was opened: told once, and the port is
  // left for its owner to close outside Qt's error signal.
  bool failed_ = false;
  bool closing_ = false;
};

}  // namespace brel::link
