#include "startup.h"

#include "link_texts.h"
#include "profiles.h"
#include "radio_model.h"

namespace brel::link {

namespace {
class SilentMessages : public MessageSink {
 public:
  void show(const Message&) override {}
};
}  // namespace

StartupIdentification::StartupIdentification(ProgramState& state, StatusPanels& panels, LinkServices& services)
    : state_(state),
      panels_(panels),
      silent_(std::make_unique<SilentMessages>()),
      engine_(LinkContext{state, *silent_, panels, services}, profiles::MainWindowIdent(), *this) {}

StartupIdentification::~StartupIdentification() = default;

bool StartupIdentification::probePorts() {
  for (int n = PortTable::kPortCount; n >= 1; --n) {
    state_.PortNumber = static_cast<std::int16_t>(n);
    if (engine_.probeOpen().ok()) return true;
  }
  state_.PortNumber = 1;
  return false;
}

void StartupIdentification::closeProbedPort() { engine_.closePort(); }

void StartupIdentification::start() {
  engine_.setRetries(6);
  if (!engine_.startIdent()) retryPortFailed();
}

void StartupIdentification::beforeRetry() {
  const int next = state_.IdentFrameType == 0 ? 1 : state_.IdentFrameType == 1 ? 2 : 0;
  state_.IdentFrameType = static_cast<std::int16_t>(next);
  LoadHandshakeCommand(state_, next);
}

void StartupIdentification::gaveUp() { panels_.setPanelText(2, Pick(state_.LanguageFlag, texts::kPanelFault)); }

// The port went away between attempts (or another window holds it): the
// identification ends like one that got no answer; the program goes on.
void StartupIdentification::retryPortFailed() {
  engine_.stop();
  panels_.setPanelText(2, Pick(state_.LanguageFlag, texts::kPanelFault));
}

PortDialogIdentification::PortDialogIdentification(ProgramState& state, MessageSink& messages,
                                                   StatusPanels& panels, LinkServices& services)
    : state_(state),
      panels_(panels),
      engine_(LinkContext{state, messages, panels, services}, profiles::PortDialogIdent(), *this) {}

bool PortDialogIdentification::start() { return engine_.startIdent(); }

void PortDialogIdentification::attemptTimedOut() {
  panels_.setPanelText(2, Pick(state_.LanguageFlag, texts::kPanelFault));
}

void PortDialogIdentification::beforeRetry() {
  const int next = state_.IdentFrameType == 0 ? 1 : 0;
  state_.IdentFrameType = static_cast<std::int16_t>(next);
  LoadHandshakeCommand(state_, next);
}

}  // namespace brel::link
