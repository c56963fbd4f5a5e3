// Event-loop timers behind the link's timer interface.
#pragma once

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "timer_service.h"

namespace brel::link {

// A one-shot timer on the event loop.  The 15 ms before a frame and the
// pauses between bytes want better than the millisecond the event loop's own
// timers are rounded to, so where the system offers a timer file descriptor
// the timer runs on one, watched by the loop like a port: it wakes the loop
// at its moment, not at the next whole millisecond.
class QtTimer : public Timer {
 public:
  QtTimer();
  ~QtTimer() override;
  void start(int intervalMs) override;
  void stop() override;
  bool isActive() const override { return fd_ >= 0 ? active_ : timer_.isActive(); }

 private:
  void expired();

  QTimer timer_;  // where no timer descriptor can be had
  int fd_ = -1;
  bool active_ = false;
  std::unique_ptr<QSocketNotifier> notifier_;
};

class QtTimerService : public TimerService {
 public:
  QtTimerService() { clock_.start(); }
  std::unique_ptr<Timer> createTimer() override { return std::make_unique<QtTimer>(); }
  std::int64_t nowUs() const override { return clock_.nsecsElapsed() / 1000; }

 private:
  QElapsedTimer clock_;
};

}  // namespace brel::link
