#include "link_engine.h"

#include <algorithm>

#include "ident_decode.h"

namespace brel::link {

namespace {
constexpr std::uint8_t kReplyHeader = kWriteCommand;
constexpr std::uint8_t kErasedByte = 0xFF;
constexpr std::uint8_t kFrameStart = 0xAA;
constexpr std::uint8_t kSteppedFrameEnd = 0xDD;
constexpr std::uint8_t kLegacyFrameEnd = 0xBB;
constexpr int kFirstReplyRow = 2;             // a read's block counter starts here
}  // namespace

FrameData FrameData::Erased(std::uint16_t address) {
  FrameData d;
  d.address = address;
  d.bytes[0] = kErasedByte;
  d.length = 1;
  return d;
}

std::size_t BuildWriteFrame(const FrameData& data, bool leadingAck, std::uint8_t* out) {
  std::size_t i = 0;
  if (leadingAck) out[i++] = kAck;
  out[i++] = kWriteCommand;
  out[i++] = static_cast<std::uint8_t>(data.address >> 8);
  out[i++] = static_cast<std::uint8_t>(data.address & 0xFF);
  const std::size_t length = std::min<std::size_t>(data.length, data.bytes.size());
  out[i++] = static_cast<std::uint8_t>(length);
  for (std::size_t k = 0; k < length; ++k) out[i++] = data.bytes[k];
  return i;
}

LinkEngine::LinkEngine(LinkContext context, EngineProfile profile, LinkObserver& observer)
    : ctx_(context),
      registry_(context.services.engines),
      port_(context.services.ports.createPort()),
      profile_(std::move(profile)),
      observer_(observer) {
  registry_->add(this);
  port_->setListener(this);
  timer1_ = ctx_.services.timers.createTimer();
  timer2_ = ctx_.services.timers.createTimer();
  timer3_ = ctx_.services.timers.createTimer();
  timer1_->setCallback([this] { senderTick(); });
  timer2_->setCallback([this] { replyTimeout(); });
  timer3_->setCallback([this] { retryTick(); });
}

LinkEngine::~LinkEngine() {
  registry_->remove(this);
  stopTimers();
  if (port_->isOpen()) port_->close();
  port_->setListener(nullptr);
}

bool LinkEngine::retryPending() const { return timer3_->isActive(); }

bool LinkEngine::startIdent() {
  if (!profile_.identOnly) return false;
  return begin(Kind::Ident);
}

bool LinkEngine::startRead(std::shared_ptr<ReadPlan> plan) {
  if (profile_.identOnly || !plan || plan->blockCount() < 1 || busy()) return false;
  readPlan_ = std::move(plan);
  return begin(Kind::Read);
}

bool LinkEngine::startWrite(std::shared_ptr<WritePlan> plan) {
  if (profile_.identOnly || !plan || plan->frameCount() < 1 || busy()) return false;
  writePlan_ = std::move(plan);
  return begin(Kind::Write);
}

bool LinkEngine::startReadThenWrite(std::shared_ptr<ReadThenWritePlan> plan) {
  if (profile_.identOnly || !plan || busy()) return false;
  stepPlan_ = std::move(plan);
  return begin(Kind::ReadThenWrite);
}

OpenResult LinkEngine::probeOpen() {
  ctx_.state.PortErrorFlag = 0;
  if (port_->isOpen()) port_->close();
  OpenResult result = port_->open(ctx_.state.PortNumber);
  if (!result.ok()) ctx_.state.PortErrorFlag = -1;
  return result;
}

void LinkEngine::stop() {
  stopTimers();
  closePort();
  f_.WriteBusy = 0;
  f_.ReadBusy = 0;
}

void LinkEngine::closePort() {
  if (port_->isOpen()) port_->close();
}

void LinkEngine::stopTimers() {
  timer1_->stop();
  timer2_->stop();
  timer3_->stop();
}

bool LinkEngine::begin(Kind kind) {
  if (profile_.ownCommand)
    command_ = *profile_.ownCommand;
  else
    std::copy(ctx_.state.HandshakeCmd.begin(), ctx_.state.HandshakeCmd.begin() + 8, command_.begin());
  if (kind != Kind::Ident) {
    for (LinkEngine* other : registry_->engines())
      if (other != this) other->endPendingIdentRetry();
  }
  return start(kind);
}

void LinkEngine::endPendingIdentRetry() {
  if (!profile_.identOnly || !retryPending()) return;
  stop();
  observer_.gaveUp();
}

bool LinkEngine::start(Kind kind) {
  if (!profile_.startIgnoresBusy && busy()) return false;
  // A retry still pending from an earlier attempt would otherwise stop the
  // timers of this exchange when it fires.
  timer3_->stop();
  if (profile_.startIgnoresBusy || !port_->isOpen()) {
    if (!openPort()) return false;
  }
  f_.LinkOk = 0;
  f_.Connected = 0;
  f_.ReplySeen = 0;
  // What is waiting now is an earlier attempt's.
  port_->flushInput();
  earlyAck_ = false;
  f_.LinkState = 0;

  if (profile_.generation == Generation::Legacy || profile_.generation == Generation::LongLegacy) {
    for (int i = 0; i < 8; ++i) f_.TxFrame[i] = profile_.legacyCommand[i];
    f_.TxLen = 8;
  } else {
    // The identification switches variant between its attempts (its window
    // loads the next command before each retry); a transfer keeps the one
    // it started with.
    if (kind == Kind::Ident && !profile_.ownCommand)
      std::copy(ctx_.state.HandshakeCmd.begin(), ctx_.state.HandshakeCmd.begin() + 8, command_.begin());
    for (int i = 0; i < 8; ++i) f_.TxFrame[i] = command_[static_cast<std::size_t>(i)];
    const bool withRequest = profile_.generation == Generation::OneShot || profile_.commandWithIdentRequest;
    f_.TxLen = withRequest ? 8 : 7;
  }

  kind_ = kind;
  const bool writing = kind == Kind::Write || kind == Kind::ReadThenWrite;
  f_.WriteMode = writing ? -1 : 0;
  f_.BlockCount = 0;
  std::uint16_t base = 0;
  if (kind == Kind::Read) {
    f_.LastReadBlock = readPlan_->blockCount();
    base = readPlan_->block(0).address;
    readPlan_->begin();
  } else if (kind == Kind::Write) {
    f_.LastWriteBlock = writePlan_->frameCount() - 1;
    base = writePlan_->frame(0).address;
  } else if (kind == Kind::ReadThenWrite) {
    f_.LastWriteBlock = 1;
    base = stepPlan_->block().address;
  }
  ctx_.state.XferBaseHi = static_cast<std::uint8_t>(base >> 8);
  ctx_.state.XferBaseLo = static_cast<std::uint8_t>(base & 0xFF);
  f_.WriteBusy = writing ? -1 : 0;
  f_.ReadBusy = writing ? 0 : -1;
  armSender();
  return true;
}

bool LinkEngine::openPort() {
  ctx_.state.PortErrorFlag = 0;
  if (port_->isOpen()) port_->close();
  const OpenResult result = port_->open(ctx_.state.PortNumber);
  if (result.ok()) {
    port_->flushInput();
    if (profile_.flushOutputOnOpen) port_->flushOutput();
    return true;
  }
  if (profile_.portMessage != PortMessageStyle::Silent) {
    ctx_.messages.show(PortOpenMessage(ctx_.state.LanguageFlag, profile_.portMessage, result, result.ownerGroup));
  }
  ctx_.state.PortErrorFlag = -1;
  return false;
}

void LinkEngine::armSender() {
  f_.ReplySeen = 0;
  f_.TxDone = 0;
  f_.TxPos = 0;
  timer1_->start(profile_.firstTickMs);
}

void LinkEngine::senderTick() {
  // A port that went away (or will not take bytes) under an attempt ends it
  // as silence does; returning quietly would leave the window busy for ever.
  if (!port_->isOpen()) {
    failAttempt();
    return;
  }
  auto handOver = [this](int count) {
    std::array<std::uint8_t, 201> bytes{};
    for (int k = 0; k < count; ++k) bytes[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(f_.TxFrame[f_.TxPos + k] & 0xFF);
    f_.TxPos += count;
    f_.LinkOk = 0;
    return port_->write(bytes.data(), static_cast<std::size_t>(count));
  };
  auto finish = [this] {
    timer2_->start(profile_.replyTimeoutMs);
    timer1_->stop();
    f_.TxDone = -1;
  };

  const bool lineFast = profile_.sender == SenderKind::BytePerTick
                            ? false
                            : profile_.sender == SenderKind::WholeFrame ||
                                  static_cast<std::int64_t>(profile_.bytePauseMs) * 1000 <= kLineByteUs;
  if (lineFast) {
    // The pause between bytes is no longer than a byte takes on the line:
    // the line itself paces them, so the frame goes to the port in one write.
    if (!handOver(f_.TxLen - f_.TxPos)) {
      failAttempt();
      return;
    }
    finish();
    return;
  }

  // One byte a tick, the next tick a full pause after this byte was handed
  // over, so that a late tick delays one byte and not every one after it.
  int pauseMs = profile_.sender == SenderKind::BytePerTick ? profile_.byteTickMs : profile_.bytePauseMs;
  if (profile_.sender == SenderKind::BytePerTick && profile_.dropLeadingAck && f_.TxPos == 0 && f_.TxLen > 0 &&
      f_.TxFrame[0] == kAck)
    f_.TxPos = 1;
  if (f_.TxPos < f_.TxLen) {
    if (!handOver(1)) {
      failAttempt();
      return;
    }
    timer2_->start(profile_.interByteTimeoutMs);
  }
  if (f_.TxPos >= f_.TxLen)
    finish();
  else
    timer1_->start(pauseMs);
}

void LinkEngine::failAttempt() {
  // The time-out's own steps, on the next turn of the event loop: never from
  // inside the port's own notification.
  timer1_->stop();
  if (busy()) timer2_->start(0);
}

void LinkEngine::portFailed() {
  if (busy()) failAttempt();
}

void LinkEngine::outputDrained() {
  // The time-out counts silence after the last byte has actually left; a
  // port that buffers writes reports the moment here.
  if (f_.TxDone != 0 && timer2_->isActive()) timer2_->start(profile_.replyTimeoutMs);
}

void LinkEngine::replyTimeout() {
  f_.LinkOk = 0;
  timer1_->stop();
  timer2_->stop();  // one retry per time-out
  timer3_->start(profile_.retryDelayMs);
  closePort();
  f_.WriteBusy = 0;
  f_.ReadBusy = 0;
  observer_.attemptTimedOut();
}

void LinkEngine::retryTick() {
  stopTimers();
  if (f_.Retries < 1) {
    f_.WriteBusy = 0;
    f_.ReadBusy = 0;
    observer_.gaveUp();
    return;
  }
  observer_.beforeRetry();
  f_.Retries -= 1;
  if (!start(kind_) && ctx_.state.PortErrorFlag != 0) observer_.retryPortFailed();
}

std::size_t LinkEngine::readInto(std::uint8_t* into, std::size_t count) {
  std::size_t got = 0;
  while (got < count) {
    const std::size_t n = port_->read(into + got, count - got);
    if (n == 0) break;
    got += n;
  }
  return got;
}

void LinkEngine::bytesArrived() {
  if (!port_->isOpen()) return;
  if (f_.Connected != 0) {
    switch (kind_) {
      case Kind::Read: readPhase(); break;
      case Kind::Write: writePhase(); break;
      case Kind::ReadThenWrite: readThenWritePhase(); break;
      case Kind::Ident: port_->flushInput(); break;
    }
  } else {
    handshake();
  }
}

void LinkEngine::handshake() {
  if (profile_.generation == Generation::Stepped)
    steppedHandshake();
  else
    shortFrameHandshake();
}

void LinkEngine::steppedHandshake() {
  // Every answer of the stepped radio follows a complete frame of ours, one
  // that has left the port; a byte that comes sooner is left over from an
  // earlier exchange (the radio's Ack of the last Ack of a read just ended,
  // a late answer of the attempt before) and would otherwise be taken for
  // the answer to a command that has not even gone out.
  if (awaitingSentOut()) return;
  int expect = 0;
  if (f_.LinkState == 1)
    expect = (profile_.fixedShortIdentFrame || ctx_.state.IdentFrameType != 0) ? 7 : 11;
  if (f_.LinkState == 0 && earlyAck_) {
    f_.RxBuf[0] = kAck;
  } else {
    if (port_->bytesWaiting() <= static_cast<std::size_t>(expect)) return;
    readInto(f_.RxBuf.data(), static_cast<std::size_t>(expect) + 1);
  }
  earlyAck_ = false;

  switch (f_.LinkState) {
    case 0:
      if (f_.RxBuf[0] == kAck) {
        f_.LinkState = 1;
        f_.TxFrame[0] = kIdentRequest;
        f_.TxLen = 1;
        port_->flushInput();
        armSender();
        std::fill(f_.RxBuf.begin(), f_.RxBuf.begin() + 21, 0);
      } else {
        port_->flushInput();
      }
      return;
    case 1: {
      int found = -1;
      for (int p = 0; p <= 20; ++p) {
        if (f_.RxBuf[p] == kFrameStart && f_.RxBuf[p + expect] == kSteppedFrameEnd) {
          found = p;
          break;
        }
      }
      if (found >= 0 && found < 10) {
        for (int i = 0; i <= 20; ++i) f_.RxBuf[i] = f_.RxBuf[i + found];
        port_->flushInput();
        acceptIdentification();
      } else {
        port_->flushInput();
      }
      return;
    }
    case 2:
      if (f_.RxBuf[0] == kAck)
        handshakeCompleted();
      else
        port_->flushInput();
      return;
    default:
      port_->flushInput();
      return;
  }
}

void LinkEngine::acceptIdentification() {
  // A frame with impossible limits has not been understood: it is dropped
  // like a malformed one, and the time-out takes its course.
  if (!DecodeIdentFrame(profile_.decoding, f_.RxBuf.data(), ctx_.state, ctx_.panels)) {
    port_->flushInput();
    return;
  }
  if (profile_.identOnly) {
    std::fill(f_.RxBuf.begin(), f_.RxBuf.begin() + 21, 0);
    closePort();
    stopTimers();
    f_.WriteBusy = 0;
    f_.ReadBusy = 0;
    if (profile_.connectedPanel > 0)
      ctx_.panels.setPanelText(profile_.connectedPanel, Pick(ctx_.state.LanguageFlag, profile_.connectedText));
    observer_.identComplete();
    return;
  }
  f_.LinkState = 2;
  f_.TxFrame[0] = kAck;
  f_.TxLen = 1;
  port_->flushInput();
  armSender();
  std::fill(f_.RxBuf.begin(), f_.RxBuf.begin() + 21, 0);
  observer_.identified();
}

bool LinkEngine::sentOut() const { return f_.TxDone != 0 && !port_->outputPending(); }

bool LinkEngine::awaitingSentOut() {
  if (sentOut()) return false;
  // The radio answers the seven bytes of a program-mode command with its
  // 0x06 before the 0x02 that follows them has reached it; that 0x06 is
  // kept when nothing came after it.
  const bool ackMayLead = f_.LinkState == 0 && (profile_.generation == Generation::OneShot ||
                                                (profile_.generation == Generation::Stepped &&
                                                 profile_.commandWithIdentRequest));
  std::uint8_t byte = 0;
  while (port_->read(&byte, 1) == 1) earlyAck_ = ackMayLead && byte == kAck;
  return true;
}

void LinkEngine::shortFrameHandshake() {
  // Nothing that comes before the whole command has left the port answers
  // it: a late answer of an earlier attempt would otherwise be taken for
  // this one's, and the rest of the command never sent.
  if (awaitingSentOut()) return;
  if (profile_.generation == Generation::LongLegacy) {
    // The first 50 bytes, taken as they are; a window that does not accept
    // the long frame lets the attempt end in the time-out.
    if (port_->bytesWaiting() < kLongIdentFrameLength) return;
    readInto(f_.RxBuf.data(), kLongIdentFrameLength);
    port_->flushInput();
    if (!profile_.acceptLongFrame || !IsLongIdentFrame(f_.RxBuf.data())) return;
    if (!DecodeLongIdentFrame(f_.RxBuf.data(), ctx_.state, ctx_.panels)) return;
    observer_.identified();
    handshakeCompleted();
    return;
  }
  // The answer is the radio's 0x06 with its 8-byte frame straight after
  // it.  A frame without the 0x06 in front, or with anything between, is
  // not this command's answer (a late frame of an earlier attempt, say).
  const std::size_t lead = earlyAck_ ? 1 : 0;
  if (port_->bytesWaiting() < 9 - lead) return;
  f_.RxBuf[0] = kAck;
  readInto(f_.RxBuf.data() + lead, 9 - lead);
  earlyAck_ = false;
  const bool ackInFront = f_.RxBuf[0] == kAck;
  for (int i = 0; i <= 52; ++i) f_.RxBuf[i] = f_.RxBuf[i + 1];
  port_->flushInput();
  const std::uint8_t end = profile_.generation == Generation::OneShot ? kSteppedFrameEnd : kLegacyFrameEnd;
  if (!ackInFront || f_.RxBuf[0] != kFrameStart || f_.RxBuf[7] != end) return;

  if (!DecodeIdentFrame(profile_.decoding, f_.RxBuf.data(), ctx_.state, ctx_.panels)) return;
  observer_.identified();
  handshakeCompleted();
}

void LinkEngine::handshakeCompleted() {
  f_.LinkOk = -1;
  f_.Connected = -1;
  f_.LinkState = 3;
  timer2_->stop();
  timer3_->stop();
  if (profile_.connectedPanel > 0)
    ctx_.panels.setPanelText(profile_.connectedPanel, Pick(ctx_.state.LanguageFlag, profile_.connectedText));

  blockIndex_ = 0;
  gapAck_ = false;
  firstReply_ = true;
  switch (kind_) {
    case Kind::Write:
      port_->flushInput();
      sendWriteFrame(0);
      break;
    case Kind::Read:
      f_.BlockCount = kFirstReplyRow;
      sendReadRequest(readPlan_->block(0), profile_.ackBeforeFirstRequest);
      port_->flushInput();
      break;
    case Kind::ReadThenWrite:
      step_ = Step::Reply;
      sendReadRequest(stepPlan_->block(), profile_.ackBeforeFirstRequest);
      port_->flushInput();
      break;
    case Kind::Ident:
      break;
  }
  observer_.connected();
}

void LinkEngine::sendReadRequest(const Block& block, bool leadingAck) {
  requested_ = block;
  int i = 0;
  if (leadingAck) f_.TxFrame[i++] = kAck;
  f_.TxFrame[i++] = kReadCommand;
  f_.TxFrame[i++] = static_cast<std::uint8_t>(block.address >> 8);
  f_.TxFrame[i++] = static_cast<std::uint8_t>(block.address & 0xFF);
  f_.TxFrame[i++] = block.length;
  f_.TxLen = i;
  armSender();
}

void LinkEngine::sendWriteFrame(const FrameData& data, bool leadingAck) {
  std::array<std::uint8_t, kMaxWriteFrame> frame{};
  const std::size_t length = BuildWriteFrame(data, leadingAck, frame.data());
  for (std::size_t k = 0; k < length; ++k) f_.TxFrame[k] = frame[k];
  f_.TxLen = static_cast<int>(length);
  armSender();
}

void LinkEngine::sendWriteFrame(int index) {
  f_.BlockCount = index + 1;
  sendWriteFrame(writePlan_->frame(index), profile_.ackBeforeWriteFrames);
}

bool LinkEngine::takeReply(std::array<std::uint8_t, 4 + 64 + 1>& reply, std::span<const std::uint8_t>& payload) {
  const bool ackInFront = firstReply_ ? profile_.ackBeforeFirstReply : true;
  if (!sentOut()) {
    // Nothing before our request has left the port answers it: surplus
    // bytes of the last reply are dropped here, whenever they come.  What is kept is
    // the stepped radio's 0x06 for our Ack, which leads the next reply and
    // may come before the request (after any surplus).
    std::uint8_t byte = 0;
    while (port_->read(&byte, 1) == 1) {
      if (ackInFront && byte == kAck) gapAck_ = true;
    }
    return false;
  }
  const bool ackOnLine = ackInFront && !gapAck_;
  const std::size_t length = std::min<std::size_t>(requested_.length, 64);
  const std::size_t expected = 4 + length + (ackOnLine ? 1 : 0);
  if (port_->bytesWaiting() < expected) return false;
  readInto(reply.data(), expected);
  port_->flushInput();  // bytes beyond the reply are dropped

  // A reply is taken only when it answers the request: the radio's Ack
  // where one is due, its header, the requested address and length.
  // Anything else ends the attempt in the time-out, so data never land in
  // a place they do not belong.
  const std::uint8_t* header = ackOnLine ? reply.data() + 1 : reply.data();
  if ((ackOnLine && reply[0] != kAck) || header[0] != kReplyHeader ||
      header[1] != static_cast<std::uint8_t>(requested_.address >> 8) ||
      header[2] != static_cast<std::uint8_t>(requested_.address & 0xFF) || header[3] != requested_.length)
    return false;

  timer2_->stop();
  f_.ReplySeen = -1;
  if (firstReply_) {
    firstReply_ = false;
    f_.LinkState = 4;
  }
  gapAck_ = false;
  payload = std::span<const std::uint8_t>(header + 4, length);
  return true;
}

void LinkEngine::readPhase() {
  while (port_->isOpen() && f_.Connected != 0 && kind_ == Kind::Read) {
    std::array<std::uint8_t, 4 + 64 + 1> reply{};
    std::span<const std::uint8_t> payload;
    if (!takeReply(reply, payload)) return;
    readPlan_->onBlock(blockIndex_, payload);
    port_->writeByte(kAck);
    ++blockIndex_;

    if (blockIndex_ >= readPlan_->blockCount()) {
      stopTimers();
      f_.WriteBusy = 0;
      f_.ReadBusy = 0;
      closePort();
      observer_.readCompleting();
      readPlan_->complete();
      observer_.readComplete();
      return;
    }
    sendReadRequest(readPlan_->block(blockIndex_), false);
    f_.BlockCount = kFirstReplyRow + blockIndex_ + 1;
    observer_.readProgress(blockIndex_);
  }
}

void LinkEngine::writePhase() {
  while (port_->isOpen() && f_.Connected != 0 && kind_ == Kind::Write && port_->bytesWaiting() > 0) {
    std::uint8_t answer = 0;
    readInto(&answer, 1);
    // An Ack counts only once the whole frame has left the port: one that
    // comes sooner answers something else (a late 0x06 of the handshake or
    // of an earlier attempt), not a frame the radio has not even had.
    if (answer != kAck || !sentOut()) continue;
    timer2_->stop();
    ++blockIndex_;
    if (blockIndex_ >= writePlan_->frameCount()) {
      closePort();
      stopTimers();
      f_.WriteBusy = 0;
      f_.ReadBusy = 0;
      observer_.writeComplete();
      return;
    }
    sendWriteFrame(blockIndex_);
    observer_.writeProgress(blockIndex_);
  }
}

void LinkEngine::readThenWritePhase() {
  while (port_->isOpen() && f_.Connected != 0 && kind_ == Kind::ReadThenWrite) {
    switch (step_) {
      case Step::Reply: {
        std::array<std::uint8_t, 4 + 64 + 1> reply{};
        std::span<const std::uint8_t> payload;
        if (!takeReply(reply, payload)) return;
        stepPayloadLength_ = payload.size();
        std::copy(payload.begin(), payload.end(), stepPayload_.begin());
        // The radio's 0x06 for ours is awaited like any answer: under the
        // reply time-out, restarted once our 0x06 has left the port.
        if (!port_->writeByte(kAck)) {
          failAttempt();
          return;
        }
        timer2_->start(profile_.replyTimeoutMs);
        step_ = Step::AnswerToAck;
        break;
      }
      case Step::AnswerToAck: {
        // The radio answers our 0x06 once it has had it.
        if (!sentOut()) {
          port_->flushInput();
          return;
        }
        std::uint8_t answer = 0;
        if (readInto(&answer, 1) == 0) return;
        const auto decision = stepPlan_->decide(std::span<const std::uint8_t>(stepPayload_.data(), stepPayloadLength_));
        if (!decision) {
          finish();
          observer_.writeRefused();
          return;
        }
        timer2_->stop();
        timer3_->stop();
        f_.BlockCount = 1;
        sendWriteFrame(decision->frame, decision->leadingAck);
        port_->flushInput();
        step_ = Step::AnswerToFrame;
        return;
      }
      case Step::AnswerToFrame: {
        if (!sentOut()) {
          port_->flushInput();
          return;
        }
        std::uint8_t answer = 0;
        if (readInto(&answer, 1) == 0) return;
        finish();
        observer_.writeAnswered(answer);
        return;
      }
    }
  }
}

void LinkEngine::finish() {
  stopTimers();
  closePort();
  f_.WriteBusy = 0;
  f_.ReadBusy = 0;
}

}  // namespace brel::link
