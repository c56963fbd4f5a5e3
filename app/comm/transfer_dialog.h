// What the read and write dialogs share: a progress bar, a status label, the
// action, Cancel and Help buttons, and the rule that the dialog does not go
// while its transfer runs.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "form.h"
#include "link_texts.h"
#include "whole_memory.h"

namespace brel {

class TransferDialog : public Form, public link::TransferView {
  Q_OBJECT
 public:
  TransferDialog(AppContext& context, FormId id);
  ~TransferDialog() override;

  void loadHandling() override;
  bool queryUnload() override;
  void unloadHandling() override;
  // The whole memory is read into the image or written from it.
  bool exchangeOnImage() const override { return transfer().running(); }

  void setProgressValue(int value) override { progress_->setValue(value); }
  void setProgressVisible(bool visible) override { progress_->setVisible(visible); }
  void setStatusText(const std::string& text) override { label_->setText(QString::fromStdString(text)); }

  QProgressBar* progressBar() const { return progress_; }
  QLabel* statusLabel() const { return label_; }
  QPushButton* actionButton() const { return action_; }
  QPushButton* cancelButton() const { return cancel_; }
  QPushButton* helpButton() const { return help_; }

  // The dialog's close flag: when set, the dialog unloads itself at the next
  // 200 ms poll.  Nothing in the program sets it.
  void requestClose() { closeFlag_ = -1; }

 protected:
  virtual link::Transfer& transfer() const = 0;
  virtual std::int16_t& openFlag() = 0;
  virtual Bilingual caption() const = 0;
  virtual Bilingual actionCaption() const = 0;
  virtual const char* actionName() const = 0;
  virtual void actionClicked() = 0;

 private:
  void cancelClicked();
  void pollCloseFlag();

  QProgressBar* progress_;
  QLabel* label_;
  QPushButton* action_;
  QPushButton* cancel_;
  QPushButton* help_;
  std::int16_t closeFlag_ = 0;
  std::unique_ptr<link::Timer> timer4_;
};

class Form_Comm_Read : public TransferDialog {
  Q_OBJECT
 public:
  explicit Form_Comm_Read(AppContext& context);
  link::WholeMemoryRead& read() { return *read_; }

 protected:
  link::Transfer& transfer() const override { return read_->transfer(); }
  // The read has every block: what is still being typed goes in first, so
  // nothing typed before overwrites what was read, and once the blocks are
  // in, every window over the image shows them.
  void beforeImageReplaced() override { host().commitAllPendingEdits(); }
  void imageReplaced() override { host().showReplacedImage(); }
  std::int16_t& openFlag() override { return state().FormOpenFlags.ReadFormOpen; }
  Bilingual caption() const override { return link::texts::kReadCaption; }
  Bilingual actionCaption() const override { return link::texts::kReadButton; }
  const char* actionName() const override { return "Command_read"; }
  void actionClicked() override { read_->readClicked(); }

 private:
  std::unique_ptr<link::WholeMemoryRead> read_;
};

class Form_Comm_Write : public TransferDialog {
  Q_OBJECT
 public:
  explicit Form_Comm_Write(AppContext& context);
  link::WholeMemoryWrite& write() { return *write_; }

 protected:
  link::Transfer& transfer() const override { return write_->transfer(); }
  std::int16_t& openFlag() override { return state().FormOpenFlags.WriteFormOpen; }
  Bilingual caption() const override { return link::texts::kWriteCaption; }
  Bilingual actionCaption() const override { return link::texts::kWriteButton; }
  const char* actionName() const override { return "Command_Write"; }
  void actionClicked() override;

 private:
  std::unique_ptr<link::WholeMemoryWrite> write_;
};

}  // namespace brel
