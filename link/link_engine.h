// The link engine: one exchange with the radio at a time, for one window.
//
// Every window that talks to the radio owns one engine.  The engine opens the
// window's port, sends the opening command of its handshake generation,
// takes the identification frame, then runs the block phase of a read or a
// write: one frame at a time, each answered by the radio.  Three timers drive
// it: the sender, the reply time-out and the retry delay.  A reply that does
// not come within the time-out ends the attempt; after the retry delay the
// whole exchange starts again from the opening command, until the retries
// are used up.  A port that fails under an attempt (the device unplugged or
// reset, a write refused) ends it the same way, at once.
//
// A radio that answers late may answer an attempt after the one it was
// asked in.  So nothing counts as an answer before what it answers has left
// the port: a byte that comes while a command, request or frame is still
// going out is dropped, and an Ack that comes before its frame is out is no
// Ack of it.  Each attempt starts from an empty input.
//
// What differs between windows is data (EngineProfile) and two small
// strategies: the plan of the block phase (ReadPlan, WritePlan,
// ReadThenWritePlan) and the observer that turns progress and outcomes into
// the window's display.  Windows reach the engine through link::Transfer.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "bilingual.h"
#include "port_messages.h"
#include "program_state.h"
#include "radio_model.h"
#include "link_services.h"
#include "serial_port.h"
#include "timer_service.h"
#include "ui_ports.h"

namespace brel::link {

// How an exchange opens (see the identification frames in ident_decode.h).
enum class Generation {
  Stepped,     // 7-byte command, 0x06, 0x02, identification frame, 0x06, 0x06
  OneShot,     // command and 0x02 in one frame; 0x06 and an 8-byte frame back
  Legacy,      // the 8-byte legacy command; an 8-byte frame ending in 0xBB back
  LongLegacy,  // the legacy command; a 50-byte frame that is never accepted
};

enum class SenderKind {
  Paced,        // a pause after each byte; one no longer than a byte's line time leaves the pacing to the line
  WholeFrame,   // the whole frame in one write
  BytePerTick,  // one byte a tick, the next a full tick after it was handed over (2, 10 or 20 ms)
};

// What an accepted identification frame does to the band limits and panels.
enum class IdentDecoding {
  None,            // password dialog, channel and DTMF editors
  SteppedByType,   // main window, read and write dialogs, alignment editor
  PortDialogCopy,  // the port dialog's identification
  OneShotBand,     // optional features editor
  LegacyBand,      // FM and older option editors
};

struct EngineProfile {
  Generation generation = Generation::Stepped;
  SenderKind sender = SenderKind::Paced;
  int firstTickMs = 15;        // from arming to the first byte
  int bytePauseMs = 1;         // Paced: the pause after each byte
  int byteTickMs = 10;         // BytePerTick
  bool dropLeadingAck = false; // BytePerTick: a frame's leading 0x06 is not sent
  int replyTimeoutMs = 1000;   // silence after the last byte of a frame
  int interByteTimeoutMs = 2000;  // WholeFrame, BytePerTick: between bytes
  int retryDelayMs = 1000;
  bool flushOutputOnOpen = false;
  // Stepped: the identification request goes with the command (8 bytes).
  bool commandWithIdentRequest = false;
  // Stepped: the exchange ends with the identification frame (no block phase).
  bool identOnly = false;
  // Stepped: wait for an 8-byte frame whatever IdentFrameType says.
  bool fixedShortIdentFrame = false;
  IdentDecoding decoding = IdentDecoding::SteppedByType;
  PortMessageStyle portMessage = PortMessageStyle::Prompt;
  // Panel and text shown when the handshake completes (panel 0: none).
  int connectedPanel = 2;
  Bilingual connectedText{"与对讲机数据通讯正常", "Connect well with radio."};
  // The stepped identification does not check the busy flags (main window).
  bool startIgnoresBusy = false;
  // Legacy generations open with this command instead of HandshakeCmd.
  std::array<std::uint8_t, 8> legacyCommand = kBrelProCommands.legacyCommand;
  // Stepped and one-shot generations open with HandshakeCmd, unless the
  // profile brings its own command, which then leaves HandshakeCmd alone.
  std::optional<std::array<std::uint8_t, 8>> ownCommand;

  // Block framing.  The first read request carries a leading 0x06 (the one
  // after the identification); later requests never do, as the 0x06 for a
  // reply goes out by itself.  Every reply but perhaps the first comes with
  // the radio's 0x06 in front.  Write frames may carry a leading 0x06
  // (21 bytes) or not (20).
  bool ackBeforeFirstRequest = false;
  bool ackBeforeFirstReply = false;
  bool ackBeforeWriteFrames = false;
  // LongLegacy: the 50-byte frame opens the block phase when it passes its
  // acceptance test; otherwise it is dropped.
  bool acceptLongFrame = false;
};

// The per-window link fields.  Flags are -1 / 0.
struct LinkFields {
  std::array<std::uint8_t, 2001> RxBuf{};
  int TxPos = 0;
  std::array<std::int16_t, 201> TxFrame{};
  int TxLen = 0;
  std::int16_t LinkOk = 0;
  std::int16_t WriteMode = 0;
  std::int16_t Connected = 0;
  std::int16_t ReplySeen = 0;
  std::int16_t TxDone = 0;
  std::int16_t WriteBusy = 0;
  std::int16_t ReadBusy = 0;
  int LastWriteBlock = 0;
  int LastReadBlock = 0;
  int Retries = 0;
  int BlockCount = 0;
  int LinkState = 0;
};

// One block of a read: `length` bytes (64 or 16) from radio `address`.
struct Block {
  std::uint16_t address = 0;
  std::uint8_t length = 64;
  bool operator==(const Block&) const = default;
};

// The data of one write frame: 16 bytes for `address`, or the one byte 0xFF
// of the short frame that erases a row.
struct FrameData {
  std::uint16_t address = 0;
  std::array<std::uint8_t, 16> bytes{};
  std::uint8_t length = 16;

  // Cells 0..15 of `row` of any cell table a window sends from: MemImage or
  // one of the staging tables.  A cell that does not hold a byte goes as its
  // low eight bits; a window that must not send such a cell refuses the
  // write first (Transfer::refuseNonByteCells).
  template <class Table>
  static FrameData Row(std::uint16_t address, const Table& table, int row);
  static FrameData Erased(std::uint16_t address);
};

template <class Table>
FrameData FrameData::Row(std::uint16_t address, const Table& table, int row) {
  static_assert(Table::kCols >= 16, "a frame sends sixteen cells of the row");
  FrameData d;
  d.address = address;
  for (int c = 0; c < 16; ++c) d.bytes[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(table.at(row, c) & 0xFF);
  return d;
}

inline constexpr std::size_t kMaxWriteFrame = 21;
// Every write frame on the line: [0x06] 0x58 hi lo length data.  Returns the
// number of bytes put into `out`.
std::size_t BuildWriteFrame(const FrameData& data, bool leadingAck, std::uint8_t* out);

// The blocks a read asks for.  The engine checks each reply (header, address,
// length, the leading 0x06 where the profile says) and hands its payload to
// onBlock(); the plan stages it in a buffer of its own and touches what it
// reads into only in complete(), so a failed or cancelled read changes
// nothing.
class ReadPlan {
 public:
  virtual ~ReadPlan() = default;
  virtual int blockCount() const = 0;
  virtual Block block(int index) const = 0;
  // An attempt begins: whatever an earlier attempt staged is void.
  virtual void begin() {}
  virtual void onBlock(int index, std::span<const std::uint8_t> payload) = 0;
  // Every block is in and checked.
  virtual void complete() = 0;
};

// The frames a write sends, one at a time, each answered by the radio.
class WritePlan {
 public:
  virtual ~WritePlan() = default;
  virtual int frameCount() const = 0;
  // Frame `index`, built from the data as they are when it goes out.
  virtual FrameData frame(int index) const = 0;
};

// One block read, then one frame written that depends on it: the reply is
// acknowledged, the radio's next byte awaited, and decide() picks the frame
// (or refuses, which ends the exchange with nothing written).  The radio's
// one-byte answer to the frame ends the exchange.
struct WriteDecision {
  FrameData frame;
  bool leadingAck = false;
};

class ReadThenWritePlan {
 public:
  virtual ~ReadThenWritePlan() = default;
  virtual Block block() const = 0;
  virtual std::optional<WriteDecision> decide(std::span<const std::uint8_t> payload) = 0;
};

// What a window makes of the exchange.  Every call comes after the engine
// has brought its own state up to date.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  virtual void identified() {}                       // frame accepted and decoded
  virtual void connected() {}                        // handshake complete
  virtual void readProgress(int /*blocksDone*/) {}   // a block staged, the next requested
  virtual void readCompleting() {}                   // every block in, before the plan commits
  virtual void readComplete() {}                     // the plan has committed, port closed
  virtual void writeProgress(int /*frame*/) {}       // frame `frame` (1..) goes out next
  virtual void writeComplete() {}                    // last frame acknowledged, port closed
  virtual void writeRefused() {}                     // a read-then-write plan wrote nothing
  virtual void writeAnswered(std::uint8_t /*answer*/) {}  // the radio's answer to its frame
  virtual void identComplete() {}                    // identOnly: frame taken, port closed
  virtual void attemptTimedOut() {}                  // port closed, retry pending
  virtual void beforeRetry() {}                      // a retry is about to start
  virtual void gaveUp() {}                           // no retries left
  virtual void retryPortFailed() {}                  // a retry could not reopen the port
};

// Everything an engine works with.  The engine makes its own port from the
// services' factory and its timers from their timer service.
struct LinkContext {
  ProgramState& state;
  MessageSink& messages;
  StatusPanels& panels;
  LinkServices& services;
};

class LinkEngine : private PortListener {
 public:
  LinkEngine(LinkContext context, EngineProfile profile, LinkObserver& observer);
  ~LinkEngine() override;

  LinkEngine(const LinkEngine&) = delete;
  LinkEngine& operator=(const LinkEngine&) = delete;

  const LinkFields& fields() const { return f_; }
  const EngineProfile& profile() const { return profile_; }
  bool busy() const { return f_.WriteBusy != 0 || f_.ReadBusy != 0; }
  bool retryPending() const;
  // The exchange runs or a retry of it is pending: its window must not go.
  bool running() const { return busy() || retryPending(); }
  bool portOpen() const { return port_->isOpen(); }
  void setRetries(int retries) { f_.Retries = retries; }

  // Start routines.  Each returns true when the exchange started (the port
  // opened and the opening command is armed).  A start while the engine is
  // busy does nothing; a start cancels a retry still pending.  Identification
  // belongs to identification-only profiles and blocks to the others: a
  // start of the wrong kind is refused (false) and starts nothing.
  bool startIdent();
  bool startRead(std::shared_ptr<ReadPlan> plan);
  bool startWrite(std::shared_ptr<WritePlan> plan);
  bool startReadThenWrite(std::shared_ptr<ReadThenWritePlan> plan);

  // Opens the port as a start routine does, without starting anything
  // (the start-up probe).  Returns the port's answer.
  OpenResult probeOpen();

  // Stops every timer and closes the port; the busy flags go to 0.
  void stop();
  // An identification waiting for its retry gives up now (its window's
  // give-up report), so that another window's transfer runs alone.
  void endPendingIdentRetry();
  void closePort();

 private:
  enum class Kind { Ident, Read, Write, ReadThenWrite };
  // Where a read-then-write exchange stands after the handshake.
  enum class Step { Reply, AnswerToAck, AnswerToFrame };

  bool begin(Kind kind);
  bool start(Kind kind);
  bool openPort();
  void armSender();
  void senderTick();
  void replyTimeout();
  void retryTick();
  void finish();
  void failAttempt();
  void portFailed() override;

  void bytesArrived() override;
  void outputDrained() override;
  void handshake();
  // Everything we sent has left the port: only then can the radio have
  // answered it.
  bool sentOut() const;
  // Until then, what arrives is dropped (true), and a 0x06 that may answer
  // the command's first seven bytes remembered.
  bool awaitingSentOut();
  void steppedHandshake();
  void shortFrameHandshake();
  void acceptIdentification();
  void handshakeCompleted();
  void readPhase();
  void writePhase();
  void readThenWritePhase();
  bool takeReply(std::array<std::uint8_t, 4 + 64 + 1>& reply, std::span<const std::uint8_t>& payload);
  void sendReadRequest(const Block& block, bool leadingAck);
  void sendWriteFrame(const FrameData& data, bool leadingAck);
  void sendWriteFrame(int index);
  void stopTimers();
  std::size_t readInto(std::uint8_t* into, std::size_t count);

  LinkContext ctx_;
  std::shared_ptr<EngineRegistry> registry_;
  std::unique_ptr<SerialPort> port_;
  EngineProfile profile_;
  LinkObserver& observer_;
  std::unique_ptr<Timer> timer1_;  // sender
  std::unique_ptr<Timer> timer2_;  // reply time-out
  std::unique_ptr<Timer> timer3_;  // retry delay
  LinkFields f_;
  Kind kind_ = Kind::Ident;
  // The opening command of the transfer under way, taken at its first
  // attempt: every retry sends the same.
  std::array<std::uint8_t, 8> command_{};
  std::shared_ptr<ReadPlan> readPlan_;
  std::shared_ptr<WritePlan> writePlan_;
  std::shared_ptr<ReadThenWritePlan> stepPlan_;
  Block requested_{};
  int blockIndex_ = 0;     // read: the block awaited; write: the frame awaiting its Ack
  bool firstReply_ = false;
  bool gapAck_ = false;    // the radio's 0x06 in front of the next reply came early
  // The radio's 0x06 for the command came while the command's 0x02 was
  // still going out, and nothing after it.
  bool earlyAck_ = false;
  Step step_ = Step::Reply;
  std::array<std::uint8_t, 64> stepPayload_{};
  std::size_t stepPayloadLength_ = 0;
};

}  // namespace brel::link
