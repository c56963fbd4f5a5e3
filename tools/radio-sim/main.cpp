// radio-sim: a simulated radio on a pseudo-terminal.
//
//   radio-sim [--memory FILE] [--type 0|1|2] [--one-shot] [--long-legacy]
//             [--line-time-us N] [--fault KIND[:ANSWER[:BYTE[:SESSIONS]]]]...
//
// Prints the terminal's path; point a COM number at it (or make a link with
// the device name the port table expects) and use the program as with a
// radio.  The memory is loaded from FILE at start and saved to it on exit
// (Ctrl+C).  Fault kinds: silence, refuse, drop, corrupt, late, header,
// disconnect, vanish (the terminal itself goes away), trailing (BYTE stray
// bytes after the answer); ANSWER -3, -2, -1 are the handshake's answers,
// 0.. the blocks.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "pty_server.h"

namespace {

std::atomic<bool> gStop{false};

void OnSignal(int) { gStop = true; }

bool ParseFault(const std::string& text, brel::sim::Fault& fault) {
  using brel::sim::FaultKind;
  std::string parts[4];
  int count = 0;
  std::size_t start = 0;
  while (count < 4) {
    const std::size_t colon = text.find(':', start);
    parts[count++] = text.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  const std::string& kind = parts[0];
  if (kind == "silence") fault.kind = FaultKind::Silence;
  else if (kind == "refuse") fault.kind = FaultKind::RefuseHandshake;
  else if (kind == "drop") fault.kind = FaultKind::DropByte;
  else if (kind == "corrupt") fault.kind = FaultKind::CorruptByte;
  else if (kind == "late") fault.kind = FaultKind::LateByte;
  else if (kind == "header") fault.kind = FaultKind::WrongHeader;
  else if (kind == "disconnect") fault.kind = FaultKind::Disconnect;
  else if (kind == "vanish") fault.kind = FaultKind::Vanish;
  else if (kind == "trailing") fault.kind = FaultKind::Trailing;
  else return false;
  if (count > 1 && !parts[1].empty()) fault.answer = std::atoi(parts[1].c_str());
  if (count > 2 && !parts[2].empty()) fault.byteIndex = std::atoi(parts[2].c_str());
  if (count > 3 && !parts[3].empty()) fault.sessions = std::atoi(parts[3].c_str());
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: radio-sim [--memory FILE] [--type 0|1|2] [--one-shot] [--long-legacy]\n"
               "                 [--line-time-us N] [--fault KIND[:ANSWER[:BYTE[:SESSIONS]]]]...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  brel::sim::SimConfig config;
  std::string memoryFile;
  long lineTimeUs = brel::link::kLineByteUs;
  std::vector<brel::sim::Fault> faults;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--memory") {
      const char* v = value();
      if (!v) return Usage();
      memoryFile = v;
    } else if (arg == "--type") {
      const char* v = value();
      if (!v) return Usage();
      config.identType = std::atoi(v);
    } else if (arg == "--one-shot") {
      config.oneShot = true;
    } else if (arg == "--long-legacy") {
      config.longLegacy = true;
    } else if (arg == "--line-time-us") {
      const char* v = value();
      if (!v) return Usage();
      lineTimeUs = std::atol(v);
    } else if (arg == "--fault") {
      const char* v = value();
      brel::sim::Fault fault;
      if (!v || !ParseFault(v, fault)) return Usage();
      faults.push_back(fault);
    } else {
      return Usage();
    }
  }

  brel::sim::RadioSim radio(config);
  if (!memoryFile.empty() && !radio.load(memoryFile))
    std::fprintf(stderr, "radio-sim: %s not readable; starting with erased memory\n", memoryFile.c_str());
  for (const auto& fault : faults) radio.addFault(fault);

  brel::sim::PtyRadioServer server(radio, lineTimeUs);
  std::string error;
  if (!server.open(&error)) {
    std::fprintf(stderr, "radio-sim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", server.path().c_str());
  std::fflush(stdout);

  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  server.run(gStop);

  if (!memoryFile.empty() && !radio.save(memoryFile)) {
    std::fprintf(stderr, "radio-sim: could not save %s\n", memoryFile.c_str());
    return 1;
  }
  return 0;
}
