// bench-transfer: a whole-memory read and a write of a full image against
// the simulated radio on a pseudo-terminal, with the line time of 9600 baud,
// through the program's own Qt serial port and timers.
//
// For each transfer it prints the wall time, the protocol's floor (the line
// time of every byte in order plus the 15 ms before each frame the sender
// arms), their ratio, and the CPU time of the program's thread.  The radio
// runs on a thread of its own; its CPU time is shown apart.
#include <pthread.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

#include "pty_rig.h"

namespace {

using namespace brel;

constexpr double kByteMs = link::kLineByteUs / 1000.0;
constexpr double kArmMs = 15.0;

class QuietMessages : public MessageSink {
 public:
  void show(const Message& m) override { last = m.text; }
  std::string last;
};

class QuietPanels : public StatusPanels {
 public:
  void setPanelText(int, const std::string&) override {}
  std::string panelText(int) const override { return {}; }
};

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9;
}

double ProcessCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9;
}

struct Floor {
  int programBytes;  // bytes the program sends
  int radioBytes;    // bytes the radio sends
  int frames;        // frames the sender arms (15 ms each before the first byte)
  double ms() const { return (programBytes + radioBytes) * kByteMs + frames * kArmMs; }
};

// Stepped handshake: command (7), 0x02, 0x06 from the program; 0x06, the
// 12-byte frame, 0x06 from the radio; three frames armed.
constexpr Floor kHandshake{7 + 1 + 1, 1 + 12 + 1, 3};

// 96 requests of 4 bytes, each reply acknowledged; the first reply is 68
// bytes, every later one 69 (the radio's Ack in front).
constexpr Floor kReadFloor{kHandshake.programBytes + 96 * 4 + 96, kHandshake.radioBytes + 68 + 95 * 69,
                           kHandshake.frames + 96};
// 321 full frames of 20 bytes, each acknowledged.
constexpr Floor kWriteFloor{kHandshake.programBytes + 321 * 20, kHandshake.radioBytes + 321, kHandshake.frames + 321};

struct Measure {
  double wallMs = 0, cpuS = 0, processCpuS = 0;
};

template <class Start, class Running>
Measure Run(Start start, Running running) {
  QElapsedTimer wall;
  const double cpu0 = ThreadCpuSeconds();
  const double process0 = ProcessCpuSeconds();
  wall.start();
  start();
  sim::PumpEventsUntil(running, 120000);
  Measure m;
  m.wallMs = wall.nsecsElapsed() / 1e6;
  m.cpuS = ThreadCpuSeconds() - cpu0;
  m.processCpuS = ProcessCpuSeconds() - process0;
  return m;
}

void Report(const char* what, const Measure& m, const Floor& floor, const std::string& outcome) {
  const double floorMs = floor.ms();
  std::printf("%-22s wall %7.3f s  floor %7.3f s  ratio %.3f  CPU %.3f s (%.2f %% of wall)  radio+program CPU %.3f s\n",
              what, m.wallMs / 1000, floorMs / 1000, m.wallMs / floorMs, m.cpuS, 100 * m.cpuS * 1000 / m.wallMs,
              m.processCpuS);
  std::printf("%-22s %d bytes out, %d bytes in, %d frames; %s\n", "", floor.programBytes, floor.radioBytes,
              floor.frames, outcome.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);

  sim::RadioSim radio;
  for (int a = 0; a < sim::RadioSim::kMemorySize; ++a) radio.memory()[a] = static_cast<std::uint8_t>(a * 29 + 3);
  sim::PtyRig rig(radio, link::kLineByteUs, 1);
  std::string error;
  if (!rig.open(&error)) {
    std::fprintf(stderr, "bench-transfer: %s\n", error.c_str());
    return 1;
  }
  ProgramState& state = rig.state;
  QuietMessages messages;
  QuietPanels panels;
  sim::NullTransferView view;

  link::WholeMemoryRead read(state, messages, panels, rig.services(), view);
  const Measure r = Run([&] { read.readClicked(); }, [&] { return !read.transfer().running(); });
  Report("whole-memory read", r, kReadFloor, messages.last);

  // A full image: every channel programmed (145.000 MHz) and named, so all
  // 321 frames go whole.
  for (int row = 0; row < 128; ++row) {
    const int freq[] = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x50, 0x14};
    for (int c = 0; c < 8; ++c) state.MemImage.at(row, c) = freq[c];
    for (int c = 8; c < 16; ++c) state.MemImage.at(row, c) = c;
  }
  for (int row = 256; row <= 384; ++row)
    for (int c = 0; c < 16; ++c) state.MemImage.at(row, c) = 'A' + (row + c) % 26;
  link::WholeMemoryWrite write(state, messages, panels, rig.services(), view);
  const Measure w = Run([&] { write.writeClicked(); }, [&] { return !write.transfer().running(); });
  Report("whole-memory write", w, kWriteFloor, messages.last);

  rig.server().stop();
  std::printf("radio counted %llu bytes from the program, %llu to it\n",
              static_cast<unsigned long long>(rig.server().bytesFromProgram()),
              static_cast<unsigned long long>(rig.server().bytesToProgram()));
  return 0;
}
