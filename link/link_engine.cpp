#include "link_engine.h"

#include <algorithm>

#include "ident_decode.h"

namespace brel::link {

namespace {
constexpr std::uint8_t kReadCommand = 0x53;   // 'S'
constexpr std::uint8_t kReplyHeader = 0x58;   // 'X', also the write command
constexpr std::uint8_t kBlockLength = 0x40;   // 64 bytes a read block
constexpr std::uint8_t kFrameStart = 0xAA;
constexpr std::uint8_t kSteppedFrameEnd = 0xDD;
constexpr std::uint8_t kLegacyFrameEnd = 0xBB;
constexpr int kFirstReplyRow = 2;             // ReadBuf1 row of the first reply
}  // namespace

BlockAddress ReadPlan::address(int n) const {
  // The radio's addresses are 16 bits; a block past the base carries into the
  // high byte rather than wrapping within the low one.
  const BlockAddress b = base();
  const int address = ((b.hi << 8) | b.lo) + 64 * n;
  return BlockAddress{static_cast<std::uint8_t>((address >> 8) & 0xFF), static_cast<std::uint8_t>(address & 0xFF)};
}

LinkEngine::LinkEngine(LinkContext context, std::unique_ptr<SerialPort> port, EngineProfile profile,
                       LinkObserver& observer)
    : ctx_(context), port_(std::move(port)), profile_(std::move(profile)), observer_(observer) {
  port_->setListener(this);
  timer1_ = ctx_.timers.createTimer();
  timer2_ = ctx_.timers.createTimer();
  timer3_ = ctx_.timers.createTimer();
  timer1_->setCallback([this] { senderTick(); });
  timer2_->setCallback([this] { replyTimeout(); });
  timer3_->setCallback([this] { retryTick(); });
}

LinkEngine::~LinkEngine() {
  stopTimers();
  if (port_->isOpen()) port_->close();
  port_->setListener(nullptr);
}

bool LinkEngine::retryPending() const { return timer3_->isActive(); }

bool LinkEngine::startIdent() { return start(Kind::Ident); }

bool LinkEngine::startRead(std::shared_ptr<const ReadPlan> plan) {
  if (busy()) return false;
  readPlan_ = std::move(plan);
  return start(Kind::Read);
}

bool LinkEngine::startWrite(std::shared_ptr<const WritePlan> plan) {
  if (busy()) return false;
  writePlan_ = std::move(plan);
  return start(Kind::Write);
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
  port_->flushInput();
  f_.LinkState = 0;

  if (profile_.generation == Generation::Legacy || profile_.generation == Generation::LongLegacy) {
    for (int i = 0; i < 8; ++i) f_.TxFrame[i] = profile_.legacyCommand[i];
    f_.TxLen = 8;
  } else {
    for (int i = 0; i < 8; ++i) f_.TxFrame[i] = ctx_.state.HandshakeCmd[i];
    const bool withRequest = profile_.generation == Generation::OneShot || profile_.commandWithIdentRequest;
    f_.TxLen = withRequest ? 8 : 7;
  }

  kind_ = kind;
  f_.WriteMode = kind == Kind::Write ? -1 : 0;
  f_.BlockCount = 0;
  BlockAddress base{};
  if (kind == Kind::Read) {
    f_.LastReadBlock = readPlan_->lastReadBlock();
    base = readPlan_->base();
  } else if (kind == Kind::Write) {
    f_.LastWriteBlock = writePlan_->lastWriteBlock();
    base = writePlan_->base();
  }
  ctx_.state.XferBaseHi = base.hi;
  ctx_.state.XferBaseLo = base.lo;
  f_.WriteBusy = kind == Kind::Write ? -1 : 0;
  f_.ReadBusy = kind == Kind::Write ? 0 : -1;
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
    const std::string group =
        result.status == OpenStatus::PermissionDenied ? DeviceGroupName(result.device) : std::string();
    ctx_.messages.show(PortOpenMessage(ctx_.state.LanguageFlag, profile_.portMessage, result, group));
  }
  ctx_.state.PortErrorFlag = -1;
  return false;
}

void LinkEngine::armSender() {
  f_.ReplySeen = 0;
  f_.TxDone = 0;
  f_.TxPos = 0;
  frameStarted_ = false;
  timer1_->start(profile_.firstTickMs);
}

void LinkEngine::senderTick() {
  if (!port_->isOpen()) {
    timer1_->stop();
    return;
  }
  auto output = [this](int timeoutMs) {
    port_->writeByte(static_cast<std::uint8_t>(f_.TxFrame[f_.TxPos] & 0xFF));
    f_.LinkOk = 0;
    timer2_->start(timeoutMs);
    ++f_.TxPos;
  };
  auto finish = [this] {
    timer2_->start(profile_.replyTimeoutMs);
    timer1_->stop();
    f_.TxDone = -1;
  };

  switch (profile_.sender) {
    case SenderKind::Paced: {
      // Bytes go out on a schedule of one per pause from the frame's first
      // byte, so a late tick sends what is due rather than falling behind.
      const std::int64_t now = ctx_.timers.nowUs();
      if (!frameStarted_) {
        frameStarted_ = true;
        frameStartUs_ = now;
      }
      const std::int64_t pauseUs = std::max(1, profile_.bytePauseMs) * 1000LL;
      const int due = static_cast<int>(std::min<std::int64_t>(f_.TxLen, (now - frameStartUs_) / pauseUs + 1));
      while (f_.TxPos < due) output(profile_.replyTimeoutMs);
      if (f_.TxPos < f_.TxLen)
        timer1_->start(profile_.bytePauseMs);
      else
        finish();
      return;
    }
    case SenderKind::WholeFrame:
      while (f_.TxPos < f_.TxLen) output(profile_.interByteTimeoutMs);
      finish();
      return;
    case SenderKind::BytePerTick:
      if (profile_.dropLeadingAck && f_.TxPos == 0 && f_.TxLen > 0 && f_.TxFrame[0] == kAck) f_.TxPos = 1;
      if (f_.TxPos < f_.TxLen) output(profile_.interByteTimeoutMs);
      if (f_.TxPos >= f_.TxLen)
        finish();
      else
        timer1_->start(profile_.byteTickMs);
      return;
  }
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
  const Kind kind = f_.WriteMode != 0 ? Kind::Write : kind_ == Kind::Ident ? Kind::Ident : Kind::Read;
  if (!start(kind) && ctx_.state.PortErrorFlag != 0) observer_.retryPortFailed();
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
    if (f_.WriteMode != 0)
      writePhase();
    else
      readPhase();
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
  // Every answer of the stepped radio follows a complete frame of ours; a
  // byte that comes sooner is left over from an earlier exchange (the
  // radio's Ack of the last Ack of a read just ended) and would otherwise be
  // taken for the answer to a command that has not even gone out.
  if (f_.TxDone == 0) {
    port_->flushInput();
    return;
  }
  int expect = 0;
  if (f_.LinkState == 1)
    expect = (profile_.fixedShortIdentFrame || ctx_.state.IdentFrameType != 0) ? 7 : 11;
  if (port_->bytesWaiting() <= static_cast<std::size_t>(expect)) return;
  readInto(f_.RxBuf.data(), static_cast<std::size_t>(expect) + 1);

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

void LinkEngine::shortFrameHandshake() {
  if (profile_.generation == Generation::LongLegacy) {
    // What else the long frame must hold is not known; it is read and
    // dropped, and the attempt ends in the time-out.
    if (port_->bytesWaiting() > 49) {
      readInto(f_.RxBuf.data(), 50);
      port_->flushInput();
    }
    return;
  }
  if (port_->bytesWaiting() < 9) return;
  readInto(f_.RxBuf.data(), 9);
  int p = 11;
  for (int j = 0; j <= 10; ++j) {
    if (f_.RxBuf[j] == kFrameStart) {
      p = j;
      break;
    }
  }
  for (int i = 0; i <= 52; ++i) f_.RxBuf[i] = f_.RxBuf[i + p];
  port_->flushInput();
  const std::uint8_t end = profile_.generation == Generation::OneShot ? kSteppedFrameEnd : kLegacyFrameEnd;
  if (f_.RxBuf[0] != kFrameStart || f_.RxBuf[7] != end) return;

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

  const bool stepped = profile_.generation == Generation::Stepped;
  if (f_.WriteMode != 0) {
    port_->flushInput();
    f_.BlockCount = 0;
    sendWriteRow(writePlan_->firstRow());
  } else {
    // The stepped radio's first reply has no Ack in front of it.
    firstReply_ = stepped;
    f_.BlockCount = kFirstReplyRow;
    sendReadRequest(0, !stepped);
    port_->flushInput();
  }
  observer_.connected();
}

void LinkEngine::sendReadRequest(int n, bool leadingAck) {
  requested_ = readPlan_->address(n);
  int i = 0;
  if (leadingAck) f_.TxFrame[i++] = kAck;
  f_.TxFrame[i++] = kReadCommand;
  f_.TxFrame[i++] = requested_.hi;
  f_.TxFrame[i++] = requested_.lo;
  f_.TxFrame[i++] = kBlockLength;
  f_.TxLen = i;
  armSender();
}

void LinkEngine::sendWriteRow(int row) {
  int length = 0;
  const auto frame = writePlan_->frame(row, ctx_.state, length);
  int i = 0;
  if (profile_.generation != Generation::Stepped) f_.TxFrame[i++] = kAck;
  for (int k = 0; k < length; ++k) f_.TxFrame[i++] = frame[k];
  f_.TxLen = i;
  const int next = writePlan_->nextRow(row);
  f_.BlockCount = next < 0 ? f_.LastWriteBlock + 1 : next;
  armSender();
}

void LinkEngine::readPhase() {
  while (port_->isOpen() && f_.Connected != 0 && f_.WriteMode == 0) {
    const std::size_t expected = firstReply_ ? 68 : 69;
    if (port_->bytesWaiting() < expected) return;
    std::array<std::uint8_t, 69> reply{};
    readInto(reply.data(), expected);
    port_->flushInput();  // bytes beyond the reply are dropped

    // A reply is taken only when it answers the request: its header, the
    // requested address and length, and the radio's Ack in front of every
    // reply but the stepped first.  Anything else ends the attempt in the
    // time-out, so data never land in a place they do not belong.
    const std::uint8_t* header = firstReply_ ? reply.data() : reply.data() + 1;
    const bool ackOk = firstReply_ || reply[0] == kAck;
    if (!ackOk || header[0] != kReplyHeader || header[1] != requested_.hi || header[2] != requested_.lo ||
        header[3] != kBlockLength)
      return;

    timer2_->stop();
    f_.ReplySeen = -1;
    const int column = firstReply_ ? 1 : 0;
    for (std::size_t i = 0; i < expected; ++i)
      ctx_.state.ReadBuf1.at(f_.BlockCount, column + static_cast<int>(i)) = reply[i];
    if (firstReply_) {
      firstReply_ = false;
      f_.LinkState = 4;
    }
    port_->writeByte(kAck);

    if (f_.BlockCount > f_.LastReadBlock) {
      stopTimers();
      f_.WriteBusy = 0;
      f_.ReadBusy = 0;
      closePort();
      observer_.readComplete();
      return;
    }
    sendReadRequest(f_.BlockCount - 1, false);
    f_.BlockCount += 1;
    observer_.readProgress(f_.BlockCount);
  }
}

void LinkEngine::writePhase() {
  while (port_->isOpen() && f_.Connected != 0 && f_.WriteMode != 0 && port_->bytesWaiting() > 0) {
    readInto(f_.RxBuf.data(), 1);
    // An Ack counts only once the whole frame has gone out.
    if (f_.RxBuf[0] != kAck || f_.TxDone == 0) continue;
    timer2_->stop();
    if (f_.BlockCount > f_.LastWriteBlock) {
      closePort();
      stopTimers();
      f_.WriteBusy = 0;
      f_.ReadBusy = 0;
      observer_.writeComplete();
      return;
    }
    const int row = f_.BlockCount;
    sendWriteRow(row);
    observer_.writeProgress(row);
  }
}

}  // namespace brel::link
