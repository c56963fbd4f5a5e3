// A simulated radio: the radio's side of the programming protocol over a
// 16 KiB memory (0x0000..0x3FFF, erased to 0xFF).
//
// It answers the stepped handshake with an identification frame of type 0,
// 1 or 2, the one-shot handshake with its 8-byte frame, and the legacy
// command with the legacy (or the 50-byte long) frame; then block reads 'S'
// and block writes 'X' with their acknowledgements.  A stepped radio that is
// asked for its identification again before the program's Ack sends its
// frame again.  Faults can be injected
// per answer: silence, a refused handshake, a dropped, corrupted or late
// byte, a wrong reply header, stray bytes after an answer, a radio that
// stops answering part-way, or a device that goes away altogether.
//
// The radio does nothing by itself: bytes come in through received(), and
// its answers go out through the sender it is given, so the same radio runs
// on the in-memory line of the tests and on a pseudo-terminal.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "radio_model.h"

namespace brel::sim {

struct SimConfig {
  int identType = 0;         // stepped frame type 0, 1 or 2; type 1 radios answer model code B
  bool oneShot = false;      // answer the identification request with the one-shot frame
  bool longLegacy = false;   // answer the legacy command with the 50-byte frame
  int vhfLower = 136, vhfUpper = 174, uhfLower = 400, uhfUpper = 480;
  // Sent instead of the identification frame built from the limits (to try
  // the program with a damaged radio).
  std::vector<std::uint8_t> identFrame;
  link::RadioModelCommands model = link::kBrelProCommands;
};

enum class FaultKind {
  Silence,          // the radio answers nothing in the session
  RefuseHandshake,  // the command is answered with 0x15 instead of 0x06
  DropByte,         // one byte of an answer is not sent
  CorruptByte,      // one byte of an answer is sent changed
  LateByte,         // one byte (and what follows) comes lateUs late
  WrongHeader,      // a read reply echoes another address; an Ack becomes 0x15
  Disconnect,       // from this answer on, the radio is gone for the session
  Vanish,           // at this answer the device itself goes away (cable pulled)
  Trailing,         // `byteIndex` stray bytes follow the answer on the line
};

// Answers within a session: the three of the handshake, then block 0, 1, ...
// (a read reply with the Ack in front of it, or the Ack of a write frame).
// The stepped radio's 0x06 for the program's Ack of a reply is byte 0 of
// the next answer, whatever follows it: the next reply, or the Ack of the
// frame that a read-then-write sends (byte 1 then).
inline constexpr int kCommandAck = -3;
inline constexpr int kIdentFrame = -2;
inline constexpr int kFinalAck = -1;

struct Fault {
  FaultKind kind = FaultKind::Silence;
  int answer = 0;       // which answer of a session
  int byteIndex = 0;    // which byte of that answer (drop, corrupt, late)
  int sessions = -1;    // how many sessions, from the next one on (-1: all)
  // LateByte: where more than one applies to an answer, the one added last.
  std::int64_t lateUs = 1500000;
};

class RadioSim {
 public:
  static constexpr int kMemorySize = 0x4000;
  // Sends bytes to the program; `delayUs` holds the first of them back.
  using Sender = std::function<void(const std::vector<std::uint8_t>& bytes, std::int64_t delayUs)>;

  explicit RadioSim(SimConfig config = {});

  void setSender(Sender sender) { sender_ = std::move(sender); }
  // What the line does when the device goes away (a Vanish fault).
  void setVanishHook(std::function<void()> hook) { vanish_ = std::move(hook); }
  void received(std::uint8_t byte);

  std::array<std::uint8_t, kMemorySize>& memory() { return memory_; }
  const std::array<std::uint8_t, kMemorySize>& memory() const { return memory_; }
  bool load(const std::string& path);
  bool save(const std::string& path) const;

  SimConfig& config() { return config_; }
  void addFault(Fault fault);
  void clearFaults() { faults_.clear(); }

  // Sessions begun so far (one per program-mode command recognised).
  int sessions() const { return sessionsStarted_; }
  // What the latest session received.
  const std::vector<std::vector<std::uint8_t>>& writeFrames() const { return writeFrames_; }
  const std::vector<int>& readRequests() const { return readRequests_; }
  bool programming() const { return state_ == State::Programming; }

 private:
  enum class State { Idle, AwaitIdentRequest, AwaitPcAck, Programming };
  enum class Mode { Stepped, OneShot, Legacy };
  struct ActiveFault {
    Fault fault;
    int firstSession;
  };

  bool commandMatches(const std::array<std::uint8_t, 4>& code) const;
  bool legacyMatches() const;
  void beginSession(Mode mode);
  void frameByte(std::uint8_t byte);
  void answerRead(int address, int length);
  void answerWrite();
  std::vector<std::uint8_t> identFrame() const;
  bool applies(const ActiveFault& active) const;
  void sendAnswer(int answer, std::vector<std::uint8_t> bytes, int firstIndex = 0);

  SimConfig config_;
  Sender sender_;
  std::function<void()> vanish_;
  std::array<std::uint8_t, kMemorySize> memory_;
  std::vector<ActiveFault> faults_;

  State state_ = State::Idle;
  Mode mode_ = Mode::Stepped;
  std::vector<std::uint8_t> recent_;  // the last bytes outside frames
  std::vector<std::uint8_t> frame_;   // a block frame being received
  int session_ = -1;
  int sessionsStarted_ = 0;
  int block_ = 0;                     // next block answer of the session
  bool deaf_ = false;                 // silence or disconnect for the rest of the session
  bool replyAwaitsAck_ = false;       // stepped: the PC's Ack of a reply gets one back
  bool answerLed_ = false;            // that 0x06 went out as byte 0 of the next answer
  std::vector<std::vector<std::uint8_t>> writeFrames_;
  std::vector<int> readRequests_;
};

}  // namespace brel::sim
