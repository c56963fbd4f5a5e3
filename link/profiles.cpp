#include "profiles.h"

#include "link_texts.h"

namespace brel::link::profiles {

namespace {

EngineProfile Stepped(int retryDelayMs, PortMessageStyle message) {
  EngineProfile p;
  p.generation = Generation::Stepped;
  p.sender = SenderKind::Paced;
  p.bytePauseMs = kBytePauseMs;
  p.retryDelayMs = retryDelayMs;
  p.portMessage = message;
  p.decoding = IdentDecoding::SteppedByType;
  p.connectedText = texts::kPanelDataLinkOk;
  return p;
}

EngineProfile ByteTicks(Generation generation, int tickMs, int retryDelayMs, PortMessageStyle message) {
  EngineProfile p;
  p.generation = generation;
  p.sender = SenderKind::BytePerTick;
  p.byteTickMs = tickMs;
  p.dropLeadingAck = tickMs == 20;
  p.ackBeforeFirstRequest = true;
  p.ackBeforeFirstReply = true;
  p.ackBeforeWriteFrames = true;
  p.retryDelayMs = retryDelayMs;
  p.portMessage = message;
  p.connectedText = texts::kPanelDataLinkOk;
  return p;
}

}  // namespace

EngineProfile MainWindowIdent() {
  EngineProfile p = Stepped(1000, PortMessageStyle::Silent);
  p.identOnly = true;
  p.startIgnoresBusy = true;
  p.connectedText = texts::kPanelLinkOk;
  return p;
}

EngineProfile PortDialogIdent() {
  EngineProfile p = Stepped(1000, PortMessageStyle::Prompt);
  p.identOnly = true;
  p.startIgnoresBusy = true;
  p.fixedShortIdentFrame = true;
  p.decoding = IdentDecoding::PortDialogCopy;
  p.connectedText = texts::kPanelLinkOk;
  return p;
}

EngineProfile ReadDialog() { return Stepped(1000, PortMessageStyle::Prompt); }

EngineProfile WriteDialog() {
  EngineProfile p = Stepped(1000, PortMessageStyle::Prompt);
  p.flushOutputOnOpen = true;
  return p;
}

EngineProfile OptionEditor() {
  EngineProfile p = ByteTicks(Generation::OneShot, 20, 1500, PortMessageStyle::Short);
  p.decoding = IdentDecoding::OneShotBand;
  return p;
}

EngineProfile DtmfEditor() {
  EngineProfile p = ByteTicks(Generation::OneShot, 20, 1500, PortMessageStyle::Short);
  p.decoding = IdentDecoding::None;
  return p;
}

EngineProfile AlignmentEditor() {
  EngineProfile p = Stepped(1000, PortMessageStyle::Short);
  // Always the command of identification variant 0, whatever the start-up
  // settled on for the other windows.
  p.ownCommand = ProgramModeCommand(0);
  p.ackBeforeFirstRequest = true;
  p.ackBeforeWriteFrames = true;
  return p;
}

EngineProfile PasswordDialog() {
  EngineProfile p = Stepped(1000, PortMessageStyle::Prompt);
  p.sender = SenderKind::WholeFrame;
  p.commandWithIdentRequest = true;
  p.fixedShortIdentFrame = true;
  p.ackBeforeFirstRequest = true;
  p.flushOutputOnOpen = true;
  p.decoding = IdentDecoding::None;
  p.connectedText = texts::kPanelLinkOk;
  return p;
}

EngineProfile FmEditor() {
  EngineProfile p = ByteTicks(Generation::Legacy, 10, 1500, PortMessageStyle::Prompt);
  p.decoding = IdentDecoding::LegacyBand;
  p.connectedPanel = 4;
  p.connectedText = Bilingual{"与对讲机数据通讯正常", "与对讲机数据通讯正常"};
  return p;
}

EngineProfile OlderOptionEditor() {
  EngineProfile p = ByteTicks(Generation::Legacy, 10, 1500, PortMessageStyle::Short);
  p.decoding = IdentDecoding::LegacyBand;
  return p;
}

EngineProfile SignallingEditor() {
  EngineProfile p = ByteTicks(Generation::LongLegacy, 10, 3000, PortMessageStyle::Short);
  p.sender = SenderKind::WholeFrame;
  p.acceptLongFrame = true;
  p.decoding = IdentDecoding::None;
  p.acceptLongFrame = true;
  // Panel 2 keeps the model text the long frame puts there.
  p.connectedPanel = 0;
  return p;
}

EngineProfile ChannelEditor() {
  // The same bytes on the line as the other one-shot editors (no leading
  // 0x06 before a block frame), at a pace that suits a whole channel area.
  EngineProfile p = ByteTicks(Generation::OneShot, 2, 1500, PortMessageStyle::Prompt);
  p.dropLeadingAck = true;
  p.decoding = IdentDecoding::None;
  return p;
}

}  // namespace brel::link::profiles
