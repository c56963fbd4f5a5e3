#include "virtual_clock.h"

namespace brel::link {

namespace {

class VirtualTimer : public Timer {
 public:
  explicit VirtualTimer(VirtualClock& clock) : clock_(clock) {}
  ~VirtualTimer() override { stop(); }

  void start(int intervalMs) override {
    stop();
    id_ = clock_.schedule(clock_.nowUs() + static_cast<std::int64_t>(intervalMs) * kMs, [this] {
      id_ = 0;
      fire();
    });
  }
  void stop() override {
    if (id_ != 0) clock_.cancel(id_);
    id_ = 0;
  }
  bool isActive() const override { return id_ != 0; }

 private:
  VirtualClock& clock_;
  VirtualClock::TaskId id_ = 0;
};

}  // namespace

std::unique_ptr<Timer> VirtualClock::createTimer() { return std::make_unique<VirtualTimer>(*this); }

VirtualClock::TaskId VirtualClock::schedule(std::int64_t atUs, std::function<void()> task) {
  if (atUs < now_) atUs = now_;
  const TaskId id = nextId_++;
  queue_.emplace(std::make_pair(atUs, id), std::move(task));
  due_[id] = atUs;
  return id;
}

void VirtualClock::cancel(TaskId id) {
  auto it = due_.find(id);
  if (it == due_.end()) return;
  queue_.erase(std::make_pair(it->second, id));
  due_.erase(it);
}

bool VirtualClock::runNext() {
  if (queue_.empty()) return false;
  auto first = queue_.begin();
  now_ = first->first.first;
  due_.erase(first->first.second);
  std::function<void()> task = std::move(first->second);
  queue_.erase(first);
  task();
  return true;
}

void VirtualClock::advance(std::int64_t us) {
  const std::int64_t until = now_ + us;
  while (!queue_.empty() && queue_.begin()->first.first <= until) runNext();
  now_ = until;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, std::int64_t limitUs) {
  const std::int64_t until = now_ + limitUs;
  while (!done() && !queue_.empty() && queue_.begin()->first.first <= until) runNext();
  return done();
}

}  // namespace brel::link
