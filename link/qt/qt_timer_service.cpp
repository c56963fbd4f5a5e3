#include "qt_timer_service.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>

namespace brel::link {

QtTimer::QtTimer() {
  fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd_ >= 0) {
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { expired(); });
    return;
  }
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

QtTimer::~QtTimer() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
}

void QtTimer::start(int intervalMs) {
  if (fd_ < 0) {
    timer_.start(intervalMs);
    return;
  }
  itimerspec due{};
  const long long ns = intervalMs > 0 ? static_cast<long long>(intervalMs) * 1000000LL : 1;  // 0 would disarm
  due.it_value.tv_sec = static_cast<time_t>(ns / 1000000000LL);
  due.it_value.tv_nsec = static_cast<long>(ns % 1000000000LL);
  ::timerfd_settime(fd_, 0, &due, nullptr);
  active_ = true;
}

void QtTimer::stop() {
  if (fd_ < 0) {
    timer_.stop();
    return;
  }
  itimerspec disarmed{};
  ::timerfd_settime(fd_, 0, &disarmed, nullptr);
  active_ = false;
}

void QtTimer::expired() {
  // Only an expiry of the running count fires: a count stopped or started
  // again since the loop saw the descriptor ready has nothing to read.
  std::uint64_t expirations = 0;
  if (::read(fd_, &expirations, sizeof expirations) != static_cast<ssize_t>(sizeof expirations)) return;
  if (!active_ || expirations == 0) return;
  active_ = false;
  fire();
}

}  // namespace brel::link
