// The password dialog's exchange, as a configuration of the shared transfer:
// the stepped opening with the command and 0x02 in one frame and an 8-byte
// identification frame, then one read-check-write step: the line at 0x1FF0
// is read, the old password checked against it, and the line written back
// with the new user password (frame A without a leading 0x06 when the radio
// has no user password, frame B with one otherwise).  No retry.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "password_rules.h"
#include "transfer.h"

namespace brel::adj {

class PasswordPlan : public link::ReadThenWritePlan {
 public:
  PasswordPlan(const PasswordChars& oldPassword, const PasswordChars& newPassword)
      : old_(oldPassword), new_(newPassword) {}
  link::Block block() const override { return {static_cast<std::uint16_t>(kPasswordLineAddress), 16}; }
  std::optional<link::WriteDecision> decide(std::span<const std::uint8_t> line) override;
  const PasswordLineBytes& written() const { return written_; }

 private:
  PasswordChars old_;
  PasswordChars new_;
  PasswordLineBytes written_{};
};

// What the dialog does for the exchange.
class PasswordView {
 public:
  virtual ~PasswordView() = default;
  virtual void clearBoxes() = 0;   // the three boxes emptied after a change
  virtual void closeDialog() = 0;  // the dialog goes, 500 ms after the success
};

class PasswordExchange : private link::LinkObserver, private link::TransferView {
 public:
  static constexpr int kCloseDelayMs = 500;

  PasswordExchange(link::LinkContext context, PasswordView& view);
  ~PasswordExchange() override;

  // Every change of the old-password box.
  void oldPasswordChanged(std::string_view text);
  // Modify: the busy message while an exchange runs or waits; the mismatch
  // message when the new texts differ; otherwise the exchange starts with
  // the passwords as they are now.  True when it started.
  bool modify(std::string_view newText1, std::string_view newText2);
  // Close: refused with the message while an exchange runs or waits.
  bool closeRequested();
  bool running() const { return transfer_.running(); }
  void stop();
  const link::LinkEngine& engine() const { return transfer_.engine(); }

 private:
  // TransferView: the dialog shows no progress.
  void setProgressValue(int) override {}
  void setProgressVisible(bool) override {}
  void setStatusText(const std::string&) override {}

  void writeRefused() override;
  void writeAnswered(std::uint8_t answer) override;

  void say(const Bilingual& title, const Bilingual& text);

  link::LinkContext ctx_;
  PasswordView& view_;
  link::Transfer transfer_;
  std::shared_ptr<PasswordPlan> plan_;
  std::unique_ptr<link::Timer> closeTimer_;
};

}  // namespace brel::adj
