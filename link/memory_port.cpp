#include "memory_port.h"

#include <algorithm>

namespace brel::link {

void MemoryLine::send(const std::vector<std::uint8_t>& bytes, std::int64_t delayUs) {
  std::int64_t earliest = clock_.nowUs() + delayUs;
  for (std::uint8_t byte : bytes) {
    const std::int64_t at = std::max(earliest, toProgramBusyUntil_) + byteUs_;
    toProgramBusyUntil_ = at;
    earliest = at;
    clock_.schedule(at, [this, byte] {
      // A closed port hears nothing, nor one whose device has gone.
      if (holder_ == nullptr || gone_) return;
      input_.push_back(byte);
      holder_->notifyArrived();
    });
  }
}

void MemoryLine::programWrites(std::uint8_t byte) {
  const std::int64_t at = std::max(clock_.nowUs(), toDeviceBusyUntil_) + byteUs_;
  toDeviceBusyUntil_ = at;
  const int opening = opens_;
  ++pendingOutput_[opening];
  const std::uint64_t generation = outputGeneration_;
  clock_.schedule(at, [this, byte, opening, generation] {
    if (opening == opens_ && generation < flushGeneration_) return;  // flushed
    if (gone_) return;
    fromProgram_.push_back(byte);
    const int left = --pendingOutput_[opening];
    if (device_ != nullptr) device_->received(byte);
    if (left == 0 && opening == opens_ && holder_ != nullptr) holder_->notifyDrained();
  });
}

void MemoryLine::dropPendingOutput() {
  flushGeneration_ = ++outputGeneration_;
  pendingOutput_[opens_] = 0;
}

void MemoryLine::vanish() {
  gone_ = true;
  if (holder_ != nullptr) holder_->fail();
}

MemoryLine& MemoryPortBus::plug(int portNumber, std::int64_t byteUs) {
  auto& slot = lines_[portNumber];
  // A line replaced or unplugged stays alive: bytes on it may still be due
  // on the clock.
  if (slot) retired_.push_back(std::move(slot));
  slot = std::make_unique<MemoryLine>(clock_, byteUs);
  return *slot;
}

void MemoryPortBus::unplug(int portNumber) {
  auto it = lines_.find(portNumber);
  if (it == lines_.end()) return;
  // A port still holding the line is left open on nothing; keep the line
  // alive for it but mark the number as gone.
  if (it->second->heldOpen()) {
    refusals_[portNumber] = {OpenStatus::NoDevice, ""};
    return;
  }
  retired_.push_back(std::move(it->second));
  lines_.erase(it);
}

MemoryLine* MemoryPortBus::line(int portNumber) {
  auto it = lines_.find(portNumber);
  return it == lines_.end() ? nullptr : it->second.get();
}

std::unique_ptr<SerialPort> MemoryPortBus::createPort() { return std::make_unique<MemoryPort>(*this); }

OpenResult MemoryPort::open(int portNumber) {
  close();
  bus_.openAttempts_.push_back(portNumber);
  OpenResult result;
  result.device = bus_.table_.device(portNumber);
  if (result.device.empty()) {
    result.status = OpenStatus::NoSuchPort;
    return result;
  }
  if (auto refused = bus_.refusals_.find(portNumber); refused != bus_.refusals_.end()) {
    result.status = refused->second.status;
    if (result.status == OpenStatus::PermissionDenied) result.ownerGroup = refused->second.ownerGroup;
    return result;
  }
  MemoryLine* line = bus_.line(portNumber);
  if (line == nullptr) {
    result.status = OpenStatus::NoDevice;
    return result;
  }
  if (line->gone_) {
    result.status = OpenStatus::NoDevice;
    return result;
  }
  if (line->holder_ != nullptr) {
    result.status = OpenStatus::InUse;
    return result;
  }
  line->holder_ = this;
  line->input_.clear();
  ++line->opens_;
  line_ = line;
  return result;
}

void MemoryPort::close() {
  if (line_ == nullptr) return;
  // Bytes already written still cross the line, as a real port drains on close.
  line_->holder_ = nullptr;
  line_->input_.clear();
  line_ = nullptr;
  failed_ = false;
}

bool MemoryPort::write(const std::uint8_t* data, std::size_t count) {
  if (line_ == nullptr || failed_) return false;
  for (std::size_t i = 0; i < count; ++i) line_->programWrites(data[i]);
  return true;
}

bool MemoryPort::outputPending() const {
  if (line_ == nullptr || failed_) return false;
  const auto it = line_->pendingOutput_.find(line_->opens_);
  return it != line_->pendingOutput_.end() && it->second > 0;
}

void MemoryPort::fail() {
  if (failed_) return;
  failed_ = true;
  line_->input_.clear();
  // Told on the clock's next turn, as a real port reports from its event.
  bus_.clock_.schedule(bus_.clock_.nowUs(), [this, alive = std::weak_ptr<int>(alive_), line = line_] {
    if (alive.expired()) return;
    if (line_ == line && failed_)
      if (PortListener* l = listener()) l->portFailed();
  });
}

std::size_t MemoryPort::read(std::uint8_t* into, std::size_t max) {
  if (line_ == nullptr) return 0;
  std::size_t n = 0;
  while (n < max && !line_->input_.empty()) {
    into[n++] = line_->input_.front();
    line_->input_.pop_front();
  }
  return n;
}

void MemoryPort::flushInput() {
  if (line_ != nullptr) line_->input_.clear();
}

void MemoryPort::flushOutput() {
  if (line_ != nullptr) line_->dropPendingOutput();
}

void MemoryPort::notifyArrived() {
  if (PortListener* l = listener()) l->bytesArrived();
}

void MemoryPort::notifyDrained() {
  if (PortListener* l = listener()) l->outputDrained();
}

}  // namespace brel::link
