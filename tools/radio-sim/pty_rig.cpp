#include "pty_rig.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "radio_model.h"

namespace brel::sim {

PtyRig::PtyRig(RadioSim& radio, std::int64_t byteUs, int portNumber)
    : portNumber_(portNumber), server_(radio, byteUs) {
  state.PortNumber = static_cast<std::int16_t>(portNumber);
  link::LoadHandshakeCommand(state, 0);
}

bool PtyRig::open(std::string* error) {
  if (!server_.open(error)) return false;
  link::PortTable table;
  table.setDevice(portNumber_, server_.path());
  link_ = std::make_unique<link::QtLinkServices>(std::move(table));
  server_.start();
  return true;
}

bool PumpEventsUntil(const std::function<bool()>& done, int limitMs) {
  QDeadlineTimer deadline(limitMs);
  QTimer wake;
  wake.start(100);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return done();
}

}  // namespace brel::sim
