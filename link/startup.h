// The main window's part of the link: the port probe at start-up and the
// background identification of the radio that follows it.
#pragma once

#include <memory>

#include "link_engine.h"
#include "link_services.h"

namespace brel::link {

class StartupIdentification : private LinkObserver {
 public:
  StartupIdentification(ProgramState& state, StatusPanels& panels, LinkServices& services);
  ~StartupIdentification() override;

  // Tries COM16 down to COM1 and keeps the first port that opens open, with
  // PortNumber naming it.  None: PortNumber 1.  Says nothing either way.
  bool probePorts();
  void closeProbedPort();

  // Six retries, then the first attempt.  Each failed attempt switches to
  // the next identification variant (0, 1, 2, 0, ...).  Panel 2's
  // "Connecting" text is the start-up's to write before this.
  void start();

  // An attempt or a retry wait is under way.
  bool running() const { return engine_.busy() || engine_.retryPending(); }
  const LinkEngine& engine() const { return engine_; }

 private:
  void beforeRetry() override;
  void gaveUp() override;
  void retryPortFailed() override;

  ProgramState& state_;
  StatusPanels& panels_;
  std::unique_ptr<MessageSink> silent_;
  LinkEngine engine_;
};

// The port dialog's own identification exchange.  No command starts it; it
// differs from the start-up's in the frame it waits for (8 bytes always),
// its decoding, its port message and the variant it retries with (0 and 1
// in turn).
class PortDialogIdentification : private LinkObserver {
 public:
  PortDialogIdentification(ProgramState& state, MessageSink& messages, StatusPanels& panels,
                           LinkServices& services);

  bool start();
  void setRetries(int retries) { engine_.setRetries(retries); }
  bool running() const { return engine_.busy() || engine_.retryPending(); }
  void stop() { engine_.stop(); }
  const LinkEngine& engine() const { return engine_; }

 private:
  void attemptTimedOut() override;
  void beforeRetry() override;

  ProgramState& state_;
  StatusPanels& panels_;
  LinkEngine engine_;
};

}  // namespace brel::link
