// Event-loop timers behind the link's timer interface.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "timer_service.h"

namespace brel::link {

class QtTimer : public Timer {
 public:
  QtTimer();
  void start(int intervalMs) override { timer_.start(intervalMs); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
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
