// Serial ports in memory, on a virtual clock: each COM number may have a
// cable (MemoryLine) with a device on its far end.  Bytes take the line time
// of 9600 baud to cross, in each direction independently, so a transfer
// takes the virtual time it would take on a cable.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "port_table.h"
#include "serial_port.h"
#include "virtual_clock.h"

namespace brel::link {

// The far end of a cable: receives every byte the program sends, at the
// moment its last bit has arrived.
class MemoryDevice {
 public:
  virtual ~MemoryDevice() = default;
  virtual void received(std::uint8_t byte) = 0;
};

class MemoryPort;

class MemoryLine {
 public:
  MemoryLine(VirtualClock& clock, std::int64_t byteUs) : clock_(clock), byteUs_(byteUs) {}

  void attach(MemoryDevice* device) { device_ = device; }

  // The device sends; `delayUs` holds the first byte back (and so the rest).
  void send(const std::vector<std::uint8_t>& bytes, std::int64_t delayUs = 0);

  bool heldOpen() const { return holder_ != nullptr; }
  // The device goes away (cable pulled, adapter reset): a port holding the
  // line fails at once, bytes on their way are lost, and the number opens
  // nothing until the device is back.
  void vanish();
  void reappear() { gone_ = false; }
  bool gone() const { return gone_; }
  int opens() const { return opens_; }
  // Every byte that reached the device, in order.
  const std::vector<std::uint8_t>& fromProgram() const { return fromProgram_; }

 private:
  friend class MemoryPort;
  void programWrites(std::uint8_t byte);
  void dropPendingOutput();

  VirtualClock& clock_;
  std::int64_t byteUs_;
  MemoryDevice* device_ = nullptr;
  MemoryPort* holder_ = nullptr;
  std::deque<std::uint8_t> input_;  // waiting at the program's end
  std::int64_t toDeviceBusyUntil_ = 0;
  std::int64_t toProgramBusyUntil_ = 0;
  // Output is counted per opening: flushing drops only what the current
  // opening wrote; what an earlier one wrote had left with its close.
  std::uint64_t outputGeneration_ = 0;
  std::uint64_t flushGeneration_ = 0;
  std::map<int, int> pendingOutput_;
  int opens_ = 0;
  bool gone_ = false;
  std::vector<std::uint8_t> fromProgram_;
};

class MemoryPortBus : public SerialPortFactory {
 public:
  explicit MemoryPortBus(VirtualClock& clock, PortTable table = PortTable::Default())
      : clock_(clock), table_(std::move(table)) {}

  // A cable on COM `portNumber`.
  MemoryLine& plug(int portNumber, std::int64_t byteUs = kLineByteUs);
  void unplug(int portNumber);
  // The device exists but opening it fails with `status` (permission, ...);
  // `ownerGroup` is the group the simulated device file belongs to.
  void refuse(int portNumber, OpenStatus status, std::string ownerGroup = "dialout") {
    refusals_[portNumber] = {status, std::move(ownerGroup)};
  }
  void allow(int portNumber) { refusals_.erase(portNumber); }
  MemoryLine* line(int portNumber);

  std::unique_ptr<SerialPort> createPort() override;

  const PortTable& table() const { return table_; }
  // Every COM number a port of this bus tried to open, in order.
  const std::vector<int>& openAttempts() const { return openAttempts_; }

 private:
  friend class MemoryPort;
  VirtualClock& clock_;
  PortTable table_;
  std::map<int, std::unique_ptr<MemoryLine>> lines_;
  std::vector<std::unique_ptr<MemoryLine>> retired_;
  struct Refusal {
    OpenStatus status;
    std::string ownerGroup;
  };
  std::map<int, Refusal> refusals_;
  std::vector<int> openAttempts_;
};

class MemoryPort : public SerialPort {
 public:
  explicit MemoryPort(MemoryPortBus& bus) : bus_(bus) {}
  ~MemoryPort() override { close(); }

  OpenResult open(int portNumber) override;
  bool isOpen() const override { return line_ != nullptr; }
  void close() override;
  bool write(const std::uint8_t* data, std::size_t count) override;
  bool outputPending() const override;
  std::size_t bytesWaiting() const override { return line_ ? line_->input_.size() : 0; }
  std::size_t read(std::uint8_t* into, std::size_t max) override;
  void flushInput() override;
  void flushOutput() override;

 private:
  friend class MemoryLine;
  void notifyArrived();
  void notifyDrained();
  void fail();

  MemoryPortBus& bus_;
  MemoryLine* line_ = nullptr;
  bool failed_ = false;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);  // outlived by tasks on the clock
};

}  // namespace brel::link
