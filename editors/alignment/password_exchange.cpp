#include "password_exchange.h"

#include "adj_texts.h"
#include "address_map.h"
#include "numtext.h"
#include "profiles.h"

namespace brel::adj {
namespace {

link::TransferTexts PasswordTexts() {
  link::TransferTexts t;
  t.startShowsBar = false;
  t.readDoneFullBar = false;
  t.fault = {.message = true, .panel = true};
  return t;
}

PasswordChars FromBuffer(const std::array<std::int16_t, 17>& buffer) {
  PasswordChars chars;
  for (std::size_t i = 0; i < chars.size(); ++i) chars[i] = static_cast<std::uint8_t>(buffer[i] & 0xFF);
  return chars;
}

void ToBuffer(const PasswordChars& chars, std::array<std::int16_t, 17>& buffer) {
  for (std::size_t i = 0; i < chars.size(); ++i) buffer[i] = chars[i];
}

}  // namespace

std::optional<link::WriteDecision> PasswordPlan::decide(std::span<const std::uint8_t> line) {
  const PasswordVerdict verdict = CheckPassword(line, old_);
  if (verdict == PasswordVerdict::Wrong) return std::nullopt;
  written_ = PasswordLine(line, new_);
  link::WriteDecision decision;
  decision.frame.address = static_cast<std::uint16_t>(kPasswordLineAddress);
  decision.frame.bytes = written_;
  decision.leadingAck = verdict == PasswordVerdict::Accepted;
  return decision;
}

PasswordExchange::PasswordExchange(link::LinkContext context, PasswordView& view)
    : ctx_(context),
      view_(view),
      transfer_(context, link::profiles::PasswordDialog(), PasswordTexts(), *this),
      closeTimer_(context.services.timers.createTimer()) {
  transfer_.setListener(this);
  closeTimer_->setCallback([this] { view_.closeDialog(); });
  ToBuffer(PasswordBuffer(""), ctx_.state.OldPasswordBuf);
  ToBuffer(PasswordBuffer(""), ctx_.state.NewPasswordBuf);
}

PasswordExchange::~PasswordExchange() { stop(); }

void PasswordExchange::stop() {
  closeTimer_->stop();
  transfer_.stop();
}

void PasswordExchange::say(const Bilingual& title, const Bilingual& text) {
  ctx_.messages.show(Warn(ctx_.state.LanguageFlag, title, text));
}

void PasswordExchange::oldPasswordChanged(std::string_view text) {
  ToBuffer(PasswordBuffer(text), ctx_.state.OldPasswordBuf);
}

bool PasswordExchange::modify(std::string_view newText1, std::string_view newText2) {
  // The running exchange keeps the passwords it was started with.
  if (transfer_.running()) {
    say(kTitlePromptLower, kBusyText);
    return false;
  }
  if (TrimBlanks(newText1) != TrimBlanks(newText2)) {
    say(kTitlePromptLower, kPasswordMismatchText);
    return false;
  }
  const PasswordChars newPassword = PasswordBuffer(newText1);
  ToBuffer(newPassword, ctx_.state.NewPasswordBuf);
  plan_ = std::make_shared<PasswordPlan>(FromBuffer(ctx_.state.OldPasswordBuf), newPassword);
  if (!transfer_.readThenWrite(plan_, 0)) return false;
  ctx_.panels.setPanelText(2, Pick(ctx_.state.LanguageFlag, link::texts::kPanelConnecting));
  return true;
}

bool PasswordExchange::closeRequested() {
  if (transfer_.running()) {
    say(kTitlePromptLower, kCloseRefusedText);
    return false;
  }
  stop();
  return true;
}

void PasswordExchange::writeRefused() { say(kTitlePromptUpper, kOldPasswordWrongText); }

void PasswordExchange::writeAnswered(std::uint8_t answer) {
  if (answer != link::kAck) {
    say(kTitlePromptLower, link::texts::kFailConnect);
    ctx_.panels.setPanelText(2, Pick(ctx_.state.LanguageFlag, link::texts::kPanelFault));
    return;
  }
  // The radio holds the line now; so does the alignment image.
  const PasswordLineBytes& line = plan_->written();
  for (int c = 0; c < 16; ++c) ctx_.state.AdjImage.at(addr::kAdjPasswordLine, c) = line[static_cast<std::size_t>(c)];
  say(kTitlePromptUpper, kPasswordChangedText);
  ToBuffer(PasswordBuffer(""), ctx_.state.OldPasswordBuf);
  ToBuffer(PasswordBuffer(""), ctx_.state.NewPasswordBuf);
  view_.clearBoxes();
  // The message has been acknowledged; the dialog goes a moment later, from
  // its own timer rather than from inside the exchange.
  closeTimer_->start(kCloseDelayMs);
}

}  // namespace brel::adj
