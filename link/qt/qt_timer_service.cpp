#include "qt_timer_service.h"

namespace brel::link {

QtTimer::QtTimer() {
  timer_.setSingleShot(true);
  // The byte pacing and the 15 ms before a frame want millisecond accuracy.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

}  // namespace brel::link
