#include "pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace brel::sim {

namespace {
std::int64_t NowUs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}
}  // namespace

PtyRadioServer::PtyRadioServer(RadioSim& sim, std::int64_t byteUs) : sim_(sim), byteUs_(byteUs) {
  sim_.setSender([this](const std::vector<std::uint8_t>& bytes, std::int64_t delayUs) {
    std::int64_t earliest = NowUs() + delayUs;
    for (std::uint8_t b : bytes) {
      const std::int64_t due = std::max(earliest, outBusyUntil_) + byteUs_;
      outBusyUntil_ = due;
      earliest = due;
      outgoing_.emplace_back(due, b);
    }
  });
  sim_.setVanishHook([this] { vanishing_ = true; });
}

PtyRadioServer::~PtyRadioServer() {
  stop();
  if (keepSlave_ >= 0) ::close(keepSlave_);
  if (master_ >= 0) ::close(master_);
  sim_.setSender({});
  sim_.setVanishHook({});
}

bool PtyRadioServer::open(std::string* error) {
  auto fail = [&](const char* what) {
    if (error) *error = std::string(what) + ": " + std::strerror(errno);
    return false;
  };
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0) return fail("posix_openpt");
  if (::grantpt(master_) != 0) return fail("grantpt");
  if (::unlockpt(master_) != 0) return fail("unlockpt");
  const char* name = ::ptsname(master_);
  if (name == nullptr) return fail("ptsname");
  path_ = name;
  keepSlave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (keepSlave_ < 0) return fail("open terminal");
  termios tio{};
  if (::tcgetattr(keepSlave_, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(keepSlave_, TCSANOW, &tio);
  }
  return true;
}

void PtyRadioServer::start() {
  if (thread_.joinable()) return;
  stopFlag_ = false;
  thread_ = std::thread([this] { run(stopFlag_); });
}

void PtyRadioServer::stop() {
  stopFlag_ = true;
  if (thread_.joinable()) thread_.join();
}

void PtyRadioServer::run(const std::atomic<bool>& stopFlag) {
  while (!stopFlag) serveOnce(20000);
}

void PtyRadioServer::serveOnce(std::int64_t maxWaitUs) {
  if (vanishing_ && master_ >= 0) {
    ::close(keepSlave_);
    ::close(master_);
    keepSlave_ = master_ = -1;
    incoming_.clear();
    outgoing_.clear();
  }
  if (master_ < 0) {
    timespec pause{static_cast<time_t>(maxWaitUs / 1000000), static_cast<long>((maxWaitUs % 1000000) * 1000)};
    ::nanosleep(&pause, nullptr);
    return;
  }
  std::int64_t now = NowUs();
  std::int64_t next = now + maxWaitUs;
  if (!incoming_.empty()) next = std::min(next, incoming_.front().first);
  if (!outgoing_.empty()) next = std::min(next, outgoing_.front().first);
  const std::int64_t waitUs = std::max<std::int64_t>(0, next - now);
  timespec timeout{static_cast<time_t>(waitUs / 1000000), static_cast<long>((waitUs % 1000000) * 1000)};
  pollfd pfd{master_, POLLIN, 0};
  const int ready = ::ppoll(&pfd, 1, &timeout, nullptr);

  now = NowUs();
  if (ready > 0 && (pfd.revents & POLLIN)) {
    std::uint8_t buffer[512];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    for (ssize_t i = 0; i < n; ++i) {
      const std::int64_t due = std::max(now, inBusyUntil_) + byteUs_;
      inBusyUntil_ = due;
      incoming_.emplace_back(due, buffer[i]);
    }
    if (n > 0) bytesIn_ += static_cast<std::uint64_t>(n);
  } else if (ready > 0 && (pfd.revents & (POLLHUP | POLLERR))) {
    // Nobody at the other end for the moment; do not spin.
    timespec pause{0, 1000000};
    ::nanosleep(&pause, nullptr);
  }

  now = NowUs();
  {
    std::lock_guard<std::mutex> lock(simMutex_);
    while (!incoming_.empty() && incoming_.front().first <= now) {
      const std::uint8_t b = incoming_.front().second;
      incoming_.pop_front();
      sim_.received(b);
    }
  }

  std::vector<std::uint8_t> due;
  while (!outgoing_.empty() && outgoing_.front().first <= now) {
    due.push_back(outgoing_.front().second);
    outgoing_.pop_front();
  }
  if (!due.empty()) {
    const ssize_t written = ::write(master_, due.data(), due.size());
    if (written > 0) bytesOut_ += static_cast<std::uint64_t>(written);
  }
}

}  // namespace brel::sim
