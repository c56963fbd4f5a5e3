// The simulated radio behind a pseudo-terminal, with the line time of 9600
// baud in both directions: a byte the program writes reaches the radio one
// byte time after the line is free, and the radio's answers leave one byte
// time apart, so a transfer takes as long as it would on a cable.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "radio_sim.h"
#include "serial_port.h"

namespace brel::sim {

class PtyRadioServer {
 public:
  // `byteUs` 0 turns the line time off (bytes pass at once).
  explicit PtyRadioServer(RadioSim& sim, std::int64_t byteUs = link::kLineByteUs);
  ~PtyRadioServer();

  PtyRadioServer(const PtyRadioServer&) = delete;
  PtyRadioServer& operator=(const PtyRadioServer&) = delete;

  // Creates the pseudo-terminal; path() is then the device to open.
  bool open(std::string* error = nullptr);
  const std::string& path() const { return path_; }

  // Serves on a thread of its own until stop().
  void start();
  void stop();
  // Serves in the calling thread until `stopFlag` is set.
  void run(const std::atomic<bool>& stopFlag);

  // The radio may only be touched under this lock while serving.
  std::mutex& simMutex() { return simMutex_; }

  // The terminal goes away, as a pulled cable's device does: the program's
  // port fails and the path opens nothing any more.
  void vanish() { vanishing_ = true; }

  std::uint64_t bytesFromProgram() const { return bytesIn_; }
  std::uint64_t bytesToProgram() const { return bytesOut_; }

 private:
  void serveOnce(std::int64_t maxWaitUs);

  RadioSim& sim_;
  std::int64_t byteUs_;
  int master_ = -1;
  int keepSlave_ = -1;  // keeps the terminal up while the program has it closed
  std::string path_;
  std::thread thread_;
  std::atomic<bool> stopFlag_{false};
  std::atomic<bool> vanishing_{false};
  std::mutex simMutex_;
  std::deque<std::pair<std::int64_t, std::uint8_t>> incoming_;
  std::deque<std::pair<std::int64_t, std::uint8_t>> outgoing_;
  std::int64_t inBusyUntil_ = 0;
  std::int64_t outBusyUntil_ = 0;
  std::atomic<std::uint64_t> bytesIn_{0};
  std::atomic<std::uint64_t> bytesOut_{0};
};

}  // namespace brel::sim
