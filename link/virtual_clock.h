// A clock that only moves when told to, with timers on it: the link engine
// runs on it in tests, so time-outs are exact and a 14-second give-up takes
// milliseconds.  Tasks due at the same moment run in the order scheduled.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <unordered_map>

#include "timer_service.h"

namespace brel::link {

class VirtualClock : public TimerService {
 public:
  using TaskId = std::uint64_t;

  std::unique_ptr<Timer> createTimer() override;
  std::int64_t nowUs() const override { return now_; }

  TaskId schedule(std::int64_t atUs, std::function<void()> task);
  void cancel(TaskId id);

  // Runs the earliest task, moving the clock to its time; false when none.
  bool runNext();
  // Runs every task due within `us` from now, then moves the clock there.
  void advance(std::int64_t us);
  // Runs tasks until `done` holds or the clock passes now + limitUs or
  // nothing is left.  Returns done().
  bool runUntil(const std::function<bool()>& done, std::int64_t limitUs);
  bool idle() const { return queue_.empty(); }

 private:
  std::int64_t now_ = 0;
  TaskId nextId_ = 1;
  std::map<std::pair<std::int64_t, TaskId>, std::function<void()>> queue_;
  std::unordered_map<TaskId, std::int64_t> due_;
};

inline constexpr std::int64_t kMs = 1000;
inline constexpr std::int64_t kSecond = 1000 * kMs;

}  // namespace brel::link
