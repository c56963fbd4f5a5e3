// Timers and a monotonic clock for the link engine.  Production uses the
// event loop's timers; tests use a virtual clock on which a 14-second give-up
// runs in milliseconds and every time-out is exact.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace brel::link {

// A one-shot timer: start() (re)starts its count, and when it runs out the
// callback runs once.  Stopping a timer that is not running does nothing.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void start(int intervalMs) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;

  void setCallback(std::function<void()> callback) { callback_ = std::move(callback); }

 protected:
  void fire() {
    if (callback_) callback_();
  }

 private:
  std::function<void()> callback_;
};

class TimerService {
 public:
  virtual ~TimerService() = default;
  virtual std::unique_ptr<Timer> createTimer() = 0;
  // Monotonic time in microseconds, for pacing bytes.
  virtual std::int64_t nowUs() const = 0;
};

}  // namespace brel::link
