#include "radio_sim.h"

#include <algorithm>
#include <fstream>

#include "band_limit.h"

namespace brel::sim {

namespace {
using link::kAck;
using link::kNak;
constexpr std::uint8_t kRead = link::kReadCommand;
constexpr std::uint8_t kWrite = link::kWriteCommand;

void PutBandLimit(std::vector<std::uint8_t>& out, int mhz) {
  const BandLimitBytes bytes = ToBandLimitBytes(mhz).value_or(BandLimitBytes{});
  out.push_back(bytes.hundreds);
  out.push_back(bytes.tensUnits);
}
void PutDigits(std::vector<std::uint8_t>& out, int mhz) {
  out.push_back(static_cast<std::uint8_t>(mhz / 100 % 10));
  out.push_back(static_cast<std::uint8_t>(mhz / 10 % 10));
  out.push_back(static_cast<std::uint8_t>(mhz % 10));
}
}  // namespace

RadioSim::RadioSim(SimConfig config) : config_(std::move(config)) { memory_.fill(0xFF); }

bool RadioSim::load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  memory_.fill(0xFF);
  in.read(reinterpret_cast<char*>(memory_.data()), kMemorySize);
  return true;
}

bool RadioSim::save(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(memory_.data()), kMemorySize);
  return static_cast<bool>(out);
}

void RadioSim::addFault(Fault fault) { faults_.push_back(ActiveFault{fault, sessionsStarted_}); }

bool RadioSim::applies(const ActiveFault& active) const {
  if (session_ < active.firstSession) return false;
  return active.fault.sessions < 0 || session_ < active.firstSession + active.fault.sessions;
}

bool RadioSim::commandMatches(const std::array<std::uint8_t, 4>& code) const {
  if (recent_.size() < 7) return false;
  const std::size_t s = recent_.size() - 7;
  for (int i = 0; i < 3; ++i)
    if (recent_[s + i] != config_.model.leadBytes[i]) return false;
  for (int i = 0; i < 4; ++i)
    if (recent_[s + 3 + i] != code[i]) return false;
  return true;
}

bool RadioSim::legacyMatches() const {
  if (recent_.size() < 8) return false;
  return std::equal(config_.model.legacyCommand.begin(), config_.model.legacyCommand.end(), recent_.end() - 8);
}

void RadioSim::received(std::uint8_t byte) {
  if (!frame_.empty()) {
    frameByte(byte);
    return;
  }
  recent_.push_back(byte);
  if (recent_.size() > 8) recent_.erase(recent_.begin());

  const auto& code = config_.identType == 1 ? config_.model.modelCodeB : config_.model.modelCodeA;
  if (commandMatches(code)) {
    beginSession(Mode::Stepped);
    sendAnswer(kCommandAck, {kAck});
    if (!deaf_) state_ = State::AwaitIdentRequest;
    return;
  }
  if (legacyMatches()) {
    // The legacy radio answers its command with an Ack and the frame at once;
    // the long frame's first byte is that Ack.
    beginSession(Mode::Legacy);
    if (!config_.longLegacy) sendAnswer(kCommandAck, {kAck});
    sendAnswer(kIdentFrame, identFrame());
    if (!deaf_) state_ = State::Programming;
    return;
  }
  if (deaf_) return;

  switch (state_) {
    case State::Idle:
      return;
    case State::AwaitIdentRequest:
      if (byte == link::kIdentRequest) {
        if (config_.oneShot) mode_ = Mode::OneShot;
        sendAnswer(kIdentFrame, identFrame());
        state_ = mode_ == Mode::OneShot ? State::Programming : State::AwaitPcAck;
      }
      return;
    case State::AwaitPcAck:
      if (byte == kAck) {
        sendAnswer(kFinalAck, {kAck});
        state_ = State::Programming;
      } else if (byte == link::kIdentRequest) {
        sendAnswer(kIdentFrame, identFrame());
      }
      return;
    case State::Programming:
      if (byte == kRead || byte == kWrite) {
        frame_.push_back(byte);
      } else if (byte == kAck && mode_ == Mode::Stepped && replyAwaitsAck_) {
        // The stepped radio answers the PC's Ack of a reply with its own,
        // which is the first byte of the next block's answer.
        replyAwaitsAck_ = false;
        answerLed_ = true;
        sendAnswer(block_, {kAck});
      }
      return;
  }
}

void RadioSim::beginSession(Mode mode) {
  session_ = sessionsStarted_++;
  mode_ = mode;
  state_ = State::Idle;
  recent_.clear();
  frame_.clear();
  block_ = 0;
  replyAwaitsAck_ = false;
  answerLed_ = false;
  writeFrames_.clear();
  readRequests_.clear();
  deaf_ = false;
  for (const auto& active : faults_)
    if (active.fault.kind == FaultKind::Silence && applies(active)) deaf_ = true;
}

void RadioSim::frameByte(std::uint8_t byte) {
  frame_.push_back(byte);
  if (frame_.size() < 4) return;
  const int address = ((frame_[1] << 8) | frame_[2]) & (kMemorySize - 1);
  const int length = frame_[3];
  if (frame_[0] == kRead) {
    readRequests_.push_back(address);
    frame_.clear();
    if (!deaf_) answerRead(address, length);
    return;
  }
  if (frame_.size() < static_cast<std::size_t>(4 + length)) return;
  writeFrames_.push_back(frame_);
  for (int i = 0; i < length; ++i) memory_[(address + i) & (kMemorySize - 1)] = frame_[4 + i];
  frame_.clear();
  if (!deaf_) answerWrite();
}

void RadioSim::answerRead(int address, int length) {
  std::vector<std::uint8_t> reply;
  int first = 0;
  if (mode_ != Mode::Stepped) {
    reply.push_back(kAck);
  } else if (answerLed_) {
    first = 1;  // its Ack went out when the PC acknowledged the last reply
  }
  answerLed_ = false;
  reply.push_back(0x58);
  reply.push_back(static_cast<std::uint8_t>(address >> 8));
  reply.push_back(static_cast<std::uint8_t>(address & 0xFF));
  reply.push_back(static_cast<std::uint8_t>(length));
  for (int i = 0; i < length; ++i) reply.push_back(memory_[(address + i) & (kMemorySize - 1)]);
  sendAnswer(block_, std::move(reply), first);
  ++block_;
  replyAwaitsAck_ = mode_ == Mode::Stepped;
}

void RadioSim::answerWrite() {
  sendAnswer(block_, {kAck}, answerLed_ ? 1 : 0);
  answerLed_ = false;
  ++block_;
}

std::vector<std::uint8_t> RadioSim::identFrame() const {
  if (!config_.identFrame.empty()) return config_.identFrame;
  std::vector<std::uint8_t> f;
  if (mode_ == Mode::Legacy) {
    if (config_.longLegacy) {
      f.push_back(kAck);
      PutDigits(f, config_.vhfLower);
      PutDigits(f, config_.vhfUpper);
      PutDigits(f, config_.uhfLower);
      PutDigits(f, config_.uhfUpper);
      auto put = [&f](std::size_t at, const char* text) {
        f.resize(at, 0x00);
        for (const char* c = text; *c != 0; ++c) f.push_back(static_cast<std::uint8_t>(*c));
      };
      put(17, "SIM-01");     // model
      put(23, "130328");     // firmware version, shown as 13.03.2.8
      put(33, "2TONE ");
      put(39, "5TONE ");
      put(45, "V1.0");
      f.push_back(0x55);
      return f;
    }
    f.push_back(0xAA);
    PutDigits(f, config_.vhfLower);
    PutDigits(f, config_.vhfUpper);
    f.push_back(0xBB);
    return f;
  }
  f.push_back(0xAA);
  if (mode_ == Mode::OneShot) {
    PutBandLimit(f, config_.vhfLower);
    PutBandLimit(f, config_.vhfUpper);
    f.push_back(0x00);
    f.push_back(0x00);
  } else if (config_.identType == 0) {
    f.push_back(0x00);
    PutBandLimit(f, config_.vhfLower);
    PutBandLimit(f, config_.vhfUpper);
    f.push_back(0x00);
    PutBandLimit(f, config_.uhfLower);
    PutBandLimit(f, config_.uhfUpper);
  } else if (config_.identType == 1) {
    for (int i = 0; i < 6; ++i) f.push_back(0x11);
  } else {
    f.push_back(ToPackedBcd(config_.vhfLower - 100));
    f.push_back(ToPackedBcd(config_.vhfUpper - 100));
    PutBandLimit(f, config_.uhfLower);
    PutBandLimit(f, config_.uhfUpper);
  }
  f.push_back(0xDD);
  return f;
}

// Sends an answer through the faults that apply to it.  `firstIndex` is the
// index of bytes[0] within the answer (a stepped reply's Ack went earlier).
void RadioSim::sendAnswer(int answer, std::vector<std::uint8_t> bytes, int firstIndex) {
  if (deaf_ || !sender_) return;
  std::int64_t lateUs = 0;
  std::size_t lateFrom = bytes.size();
  for (const auto& active : faults_) {
    const Fault& fault = active.fault;
    if (!applies(active)) continue;
    const bool here = fault.answer == answer;
    const int i = fault.byteIndex - firstIndex;
    const bool inRange = i >= 0 && i < static_cast<int>(bytes.size());
    switch (fault.kind) {
      case FaultKind::Silence:
        break;
      case FaultKind::RefuseHandshake:
        if (answer == kCommandAck) {
          bytes = {kNak};
          state_ = State::Idle;
          deaf_ = true;  // until the next command
          sender_(bytes, 0);
          return;
        }
        break;
      case FaultKind::Disconnect:
        if (answer >= fault.answer) {
          deaf_ = true;
          return;
        }
        break;
      case FaultKind::Vanish:
        if (answer >= fault.answer) {
          deaf_ = true;
          if (vanish_) vanish_();
          return;
        }
        break;
      case FaultKind::Trailing:
        if (here) bytes.insert(bytes.end(), static_cast<std::size_t>(std::max(0, fault.byteIndex)), 0x00);
        break;
      case FaultKind::DropByte:
        if (here && inRange) bytes.erase(bytes.begin() + i);
        break;
      case FaultKind::CorruptByte:
        if (here && inRange) bytes[i] ^= 0xA5;
        break;
      case FaultKind::LateByte:
        if (here && inRange) {
          lateFrom = static_cast<std::size_t>(i);
          lateUs = fault.lateUs;
        }
        break;
      case FaultKind::WrongHeader:
        if (!here) break;
        if (bytes.size() == 1 && bytes[0] == kAck) {
          bytes[0] = kNak;
        } else {
          // The echoed address of a reply: one byte after the 0x58.
          for (std::size_t k = 0; k + 1 < bytes.size(); ++k) {
            if (bytes[k] == 0x58) {
              bytes[k + 1] ^= 0x01;
              break;
            }
          }
        }
        break;
    }
  }
  if (lateFrom >= bytes.size()) {
    sender_(bytes, 0);
    return;
  }
  std::vector<std::uint8_t> early(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(lateFrom));
  std::vector<std::uint8_t> late(bytes.begin() + static_cast<std::ptrdiff_t>(lateFrom), bytes.end());
  if (!early.empty()) sender_(early, 0);
  sender_(late, lateUs);
}

}  // namespace brel::sim
