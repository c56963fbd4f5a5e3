#include "qt_serial_port.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <QFileInfo>
#include <cmath>

#include "port_messages.h"

namespace brel::link {


std::unique_ptr<SerialPort> QtSerialPortFactory::createPort() { return std::make_unique<QtSerialPort>(*this); }

QtSerialPort::QtSerialPort(QtSerialPortFactory& factory) : factory_(factory) {
  drainPoll_.setSingleShot(true);
  drainPoll_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&drainPoll_, &QTimer::timeout, [this] { checkDrained(); });
  QObject::connect(&port_, &QSerialPort::readyRead, [this] {
    if (failed_) return;
    if (PortListener* l = listener()) l->bytesArrived();
  });
  QObject::connect(&port_, &QSerialPort::bytesWritten, [this](qint64) { checkDrained(); });
  QObject::connect(&port_, &QSerialPort::errorOccurred,
                   [this](QSerialPort::SerialPortError error) { errorOccurred(error); });
}

QtSerialPort::~QtSerialPort() {
  setListener(nullptr);
  close();
}

void QtSerialPort::errorOccurred(QSerialPort::SerialPortError error) {
  // Closing the port from inside this signal makes Qt report the error
  // again, and again, until the stack runs out: the failure is only noted
  // and told once; the owner closes the port from its own event.
  if (error == QSerialPort::NoError || closing_ || failed_ || !port_.isOpen()) return;
  if (error != QSerialPort::ResourceError && error != QSerialPort::WriteError && error != QSerialPort::ReadError)
    return;
  failed_ = true;
  drainPoll_.stop();
  if (PortListener* l = listener()) l->portFailed();
}

OpenStatus QtSerialPort::ClassifyOpenError(QSerialPort::SerialPortError error, const std::string& device) {
  switch (error) {
    case QSerialPort::DeviceNotFoundError:
      return OpenStatus::NoDevice;
    case QSerialPort::PermissionError:
      // Qt says "permission" both for a lock held by someone else and for a
      // device this user may not open; the file's access rights tell which.
      return ::access(device.c_str(), R_OK | W_OK) == 0 ? OpenStatus::InUse : OpenStatus::PermissionDenied;
    case QSerialPort::OpenError:
      return OpenStatus::InUse;
    default:
      return OpenStatus::Failed;
  }
}

OpenResult QtSerialPort::open(int portNumber) {
  close();
  OpenResult result;
  result.device = factory_.table_.device(portNumber);
  if (result.device.empty()) {
    result.status = OpenStatus::NoSuchPort;
    return result;
  }
  if (factory_.held_.count(result.device) != 0) {
    result.status = OpenStatus::InUse;
    return result;
  }
  if (!QFileInfo::exists(QString::fromStdString(result.device))) {
    result.status = OpenStatus::NoDevice;
    return result;
  }
  port_.setPortName(QString::fromStdString(result.device));
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) {
    result.status = ClassifyOpenError(port_.error(), result.device);
    if (result.status == OpenStatus::PermissionDenied) result.ownerGroup = DeviceGroupName(result.device);
    port_.clearError();
    return result;
  }
  device_ = result.device;
  factory_.held_.insert(device_);
  return result;
}

void QtSerialPort::close() {
  drainPoll_.stop();
  if (!port_.isOpen() || closing_) return;
  closing_ = true;
  // Qt keeps written bytes in its own buffer until the event loop runs; the
  // last Ack of a read is written just before the port closes.  A failed
  // device takes nothing more.
  if (!failed_ && port_.bytesToWrite() > 0) port_.flush();
  port_.close();
  port_.clearError();
  factory_.held_.erase(device_);
  device_.clear();
  failed_ = false;
  closing_ = false;
}

bool QtSerialPort::write(const std::uint8_t* data, std::size_t count) {
  if (!port_.isOpen() || failed_) return false;
  return port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(count)) == static_cast<qint64>(count);
}

bool QtSerialPort::outputPending() const {
  if (!port_.isOpen() || failed_) return false;
  if (port_.bytesToWrite() > 0) return true;
  int queued = 0;
  return ::ioctl(static_cast<int>(port_.handle()), TIOCOUTQ, &queued) == 0 && queued > 0;
}

std::size_t QtSerialPort::bytesWaiting() const {
  return port_.isOpen() ? static_cast<std::size_t>(port_.bytesAvailable()) : 0;
}

std::size_t QtSerialPort::read(std::uint8_t* into, std::size_t max) {
  if (!port_.isOpen()) return 0;
  const qint64 n = port_.read(reinterpret_cast<char*>(into), static_cast<qint64>(max));
  return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void QtSerialPort::flushInput() {
  if (port_.isOpen()) port_.clear(QSerialPort::Input);
}

void QtSerialPort::flushOutput() {
  if (port_.isOpen()) port_.clear(QSerialPort::Output);
}

void QtSerialPort::checkDrained() {
  if (!port_.isOpen() || failed_ || port_.bytesToWrite() > 0) return;
  // Qt's buffer is empty; the driver may still hold bytes on their way out.
  int queued = 0;
  if (::ioctl(static_cast<int>(port_.handle()), TIOCOUTQ, &queued) == 0 && queued > 0) {
    drainPoll_.start(std::max(1, static_cast<int>(std::ceil(queued * kLineByteUs / 1000.0))));
    return;
  }
  if (PortListener* l = listener()) l->outputDrained();
}

}  // namespace brel::link
