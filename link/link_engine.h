// The link engine: one exchange with the radio at a time, for one window.
//
// Every window that talks to the radio owns one engine.  The engine opens the
// window's port, sends the opening command of its handshake generation,
// takes the identification frame, then runs the block phase of a read or a
// write: one frame at a time, each answered by the radio.  Three timers drive
// it: the sender, the reply time-out and the retry delay.  A reply that does
// not come within the time-out ends the attempt; after the retry delay the
// whole exchange starts again from the opening command, until the retries
// are used up.
//
// What differs between windows is data (EngineProfile) and two small
// strategies: the plan of the block phase (ReadPlan, WritePlan) and the
// observer that turns progress and outcomes into the window's display.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "bilingual.h"
#include "port_messages.h"
#include "program_state.h"
#include "radio_model.h"
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
  Paced,        // the frame's bytes a short scheduled pause apart
  WholeFrame,   // the whole frame in one tick
  BytePerTick,  // one byte every tick (10 or 20 ms)
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
  int bytePauseMs = 1;         // Paced: at most one byte per pause
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

struct BlockAddress {
  std::uint8_t hi = 0;
  std::uint8_t lo = 0;
  bool operator==(const BlockAddress&) const = default;
};

// The blocks a read asks for.  Replies land in ReadBuf1 rows 2, 3, ...
class ReadPlan {
 public:
  virtual ~ReadPlan() = default;
  virtual int lastReadBlock() const = 0;  // number of 64-byte blocks
  virtual BlockAddress base() const = 0;
  // Address of block n (0-based): the base plus 64 * n.
  virtual BlockAddress address(int n) const;
};

// The rows a write sends, one frame each.
class WritePlan {
 public:
  virtual ~WritePlan() = default;
  virtual int lastWriteBlock() const = 0;  // for progress: Int(row * 100 / lastWriteBlock)
  virtual BlockAddress base() const = 0;
  virtual int firstRow() const { return 0; }
  // The row sent after `row`, or -1 when `row` is the last.
  virtual int nextRow(int row) const = 0;
  // The frame of `row` (without a leading 0x06), built from the image now.
  virtual std::array<std::uint8_t, 20> frame(int row, const ProgramState& state, int& length) const = 0;
};

// What a window makes of the exchange.  Every call comes after the engine
// has brought its own state up to date.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  virtual void identified() {}                       // frame accepted and decoded
  virtual void connected() {}                        // handshake complete
  virtual void readProgress(int /*blockCount*/) {}   // a reply stored, the next requested
  virtual void readComplete() {}                     // every reply stored, port closed
  virtual void writeProgress(int /*row*/) {}         // the frame of `row` goes out next
  virtual void writeComplete() {}                    // last frame acknowledged, port closed
  virtual void identComplete() {}                    // identOnly: frame taken, port closed
  virtual void attemptTimedOut() {}                  // port closed, retry pending
  virtual void beforeRetry() {}                      // a retry is about to start
  virtual void gaveUp() {}                           // no retries left
  virtual void retryPortFailed() {}                  // a retry could not reopen the port
};

struct LinkContext {
  ProgramState& state;
  MessageSink& messages;
  StatusPanels& panels;
  TimerService& timers;
};

class LinkEngine : private PortListener {
 public:
  LinkEngine(LinkContext context, std::unique_ptr<SerialPort> port, EngineProfile profile,
             LinkObserver& observer);
  ~LinkEngine() override;

  LinkEngine(const LinkEngine&) = delete;
  LinkEngine& operator=(const LinkEngine&) = delete;

  const LinkFields& fields() const { return f_; }
  const EngineProfile& profile() const { return profile_; }
  bool busy() const { return f_.WriteBusy != 0 || f_.ReadBusy != 0; }
  bool retryPending() const;
  bool portOpen() const { return port_->isOpen(); }
  void setRetries(int retries) { f_.Retries = retries; }

  // Start routines.  Each returns true when the exchange started (the port
  // opened and the opening command is armed).  A start while the engine is
  // busy does nothing; a start cancels a retry still pending.
  bool startIdent();
  bool startRead(std::shared_ptr<const ReadPlan> plan);
  bool startWrite(std::shared_ptr<const WritePlan> plan);

  // Opens the port as a start routine does, without starting anything
  // (the start-up probe).  Returns the port's answer.
  OpenResult probeOpen();

  // Stops every timer and closes the port; the busy flags go to 0.
  void stop();
  void closePort();

 private:
  enum class Kind { Ident, Read, Write };

  bool start(Kind kind);
  bool openPort();
  void armSender();
  void senderTick();
  void replyTimeout();
  void retryTick();
  void restartReplyTimeout(int ms);

  void bytesArrived() override;
  void outputDrained() override;
  void handshake();
  void steppedHandshake();
  void shortFrameHandshake();
  void acceptIdentification();
  void handshakeCompleted();
  void readPhase();
  void writePhase();
  void sendReadRequest(int n, bool leadingAck);
  void sendWriteRow(int row);
  void stopTimers();
  std::size_t readInto(std::uint8_t* into, std::size_t count);

  LinkContext ctx_;
  std::unique_ptr<SerialPort> port_;
  EngineProfile profile_;
  LinkObserver& observer_;
  std::unique_ptr<Timer> timer1_;  // sender
  std::unique_ptr<Timer> timer2_;  // reply time-out
  std::unique_ptr<Timer> timer3_;  // retry delay
  LinkFields f_;
  Kind kind_ = Kind::Ident;
  std::shared_ptr<const ReadPlan> readPlan_;
  std::shared_ptr<const WritePlan> writePlan_;
  std::int64_t frameStartUs_ = 0;
  bool frameStarted_ = false;
  BlockAddress requested_{};
  bool firstReply_ = false;
};

}  // namespace brel::link
