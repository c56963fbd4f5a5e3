// The base of every editor window: the progress bar and status label its
// exchange with the radio shows itself on, the busy and close refusals while
// that exchange runs, the file requests addressed to the window, the one
// sequence that opens or saves its file and tells the user, and activation
// through Form::watchActivation.  A new editor window:
//
//   EditorParts ThingParts() {
//     EditorParts parts;
//     // the pair of requests its Open and Save dialogs post
//     parts.fileRequests = RequestPair::OptionsAndSignalling;
//     parts.fileTexts.loaded = kThingLoaded;
//     return parts;
//   }
//
//   class frm_Thing : public EditorWindow {
//    public:
//     explicit frm_Thing(AppContext& context) : EditorWindow(context, FormId::frm_Thing, ThingParts()) {
//       // ... its controls, each placed and bound to its plain control
//       // (plain_widgets.h: BindList(combo, editor_.list), ...); progressBar()
//       // and statusLabel() are placed with them
//       transfer_ = adoptTransfer(std::make_unique<ThingTransfer>(linkContext(), transferView()));
//     }
//     void loadHandling() override {
//       // ... captions, layout, data
//       resetProgress();
//       startFilePolling();
//       watchActivation([this] { showThing(); });
//     }
//     void Command_open_Click() { showFileDialog(FormId::Form_open_thing); }
//     void Command_def_Click() { if (!refuseChange()) { /* ... */ } }
//
//    private:
//     // All or nothing; the sequence commits open edits before it applies.
//     FileRead readFile(const std::string& path) override {
//       return ReadRowsInto(state().ThingRows, 0, 15, path, LoadThingFile);
//     }
//     void showLoadedFile() override { showThing(); }
//     std::optional<std::string> writeFile(const std::string& path) override {
//       return SaveThingFile(state().ThingRows, path);
//     }
//     void imageReplaced() override { showThing(); }  // a read has completed
//
//     ThingTransfer* transfer_ = nullptr;
//   };
//
//   // Registered with what it edits: a window over the memory image waits
//   // for every exchange on the image as well as its own (dataInUse()).
//   host.registerForm(FormId::frm_Thing, [](AppContext& c) { return new frm_Thing(c); },
//                     WindowData::MemoryImage);
//
// The plain model keeps the rules only: the window owns the exchange, the
// progress display and the file.  What waits for an exchange is said once,
// here: see dataInUse().  The close box and Exit are refused while the
// window's own exchange runs or waits to retry; unloading stops the
// activation watch, the polling (dropping what still waits for the window)
// and the exchange.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "file_and_tell.h"
#include "file_request.h"
#include "form.h"
#include "progress_view.h"
#include "transfer.h"

namespace brel {

// What an editor window has of the base, where windows differ.
struct EditorParts {
  // The pair of file requests the window's Open and Save dialogs post; none
  // for a window without a file.
  std::optional<RequestPair> fileRequests;
  FileTexts fileTexts;
  // What the status label says while a file is saved, and once it is.  A
  // window that says both clears the progress display once the user has
  // been told; one that says only the second keeps it there.
  std::optional<Bilingual> savingLabel;
  std::optional<Bilingual> savedLabel;
  // What the close box and Exit say while the exchange runs.
  Bilingual closeRefused = kCloseRefusedEditorText;
};

class EditorWindow : public Form {
  Q_OBJECT
 public:
  EditorWindow(AppContext& context, FormId id, EditorParts parts = {});
  ~EditorWindow() override;

  bool queryUnload() override;
  void unloadHandling() override;

  // The exchange runs or a retry of it is pending.
  bool running() const { return exchange_ != nullptr && exchange_->running(); }
  // The exchange itself runs.
  bool busy() const { return exchange_ != nullptr && exchange_->busy(); }

  // Which commands wait for which exchange, the one place that says so.
  // The window's data is in use while its own exchange runs or waits to
  // retry, and, for a window over the memory image, while any exchange on
  // the image does (the main Read and Write among them).  Meanwhile every
  // change of the data is refused with the busy text (refuseChange: a cell,
  // a control, Clear, Default, a file opened into the window), its Open and
  // Save dialogs are refused, and the file requests they posted wait.  Its
  // close waits for its own exchange alone (queryUnload, refuseWhileRunning):
  // closing changes nothing another exchange uses.  Read and Write refuse
  // while their exchange itself runs (link::Transfer).
  bool dataInUse() const override;
  bool exchangeOnImage() const override { return overImage() && running(); }
  void showReplacedImage() override;

  // The window's file requests end here.  Opening: the file read whole (a
  // refused file changes nothing), open edits committed, the file applied
  // and shown, the user told, the progress display cleared.  Saving: open
  // edits committed, the file written, the user told.
  bool openFileAndTell(const std::string& path);
  bool saveFileAndTell(const std::string& path);

  QProgressBar* progressBar() const { return progressBar_; }
  QLabel* statusLabel() const { return statusLabel_; }

 protected:
  // --- the exchange ------------------------------------------------------
  // The window's exchange (any class with a link::Transfer& transfer()),
  // with this window as its view; the base keeps it while the window lives.
  template <class T>
  T* adoptTransfer(std::unique_ptr<T> transfer) {
    T* adopted = transfer.get();
    exchange_ = &adopted->transfer();
    ownedTransfer_ = std::move(transfer);
    return adopted;
  }
  link::TransferView& transferView() { return view_; }
  // The link the exchange talks through.
  link::LinkContext linkContext() const;
  // A close that must wait for the window's own exchange and its retry.
  bool refuseWhileRunning(const Bilingual& message = kBusyText) const { return refuseWhileBusy(running(), message); }
  // Read or Write pressed while the exchange only waits to retry: the retry
  // gives way to the new exchange (whose start would drop it anyway), so
  // what the user typed can be committed to go with it.
  void dropPendingRetry() {
    if (exchange_ != nullptr && !exchange_->busy()) exchange_->stop();
  }

  // --- the progress display -----------------------------------------------
  // The bar and label mirror the window's PlainProgress, which its exchange
  // sets through transferView().
  void resetProgress() { view_.reset(); }
  void setStatusText(const std::string& text) { view_.setStatusText(text); }

  // --- files --------------------------------------------------------------
  // Polls the window's file requests on the link's timers until unloaded.
  void startFilePolling();
  // One poll, for a window that runs no poll timer.
  void pollFileRequests();
  // The Open and Save buttons: the busy text while the data is in use.
  Form* showFileDialog(FormId dialog) { return ShowFileDialog(*this, dialog, dataInUse()); }

  // Commits what is still being typed; false when an editor refused (it
  // stays open) and the command must stop.
  virtual bool commitEdits() {
    commitPendingEdit();
    return true;
  }
  // The window's file, read whole but not applied, or why it was refused.
  virtual FileRead readFile(const std::string& path);
  // Shows the file just applied.
  virtual void showLoadedFile() {}
  // Writes the window's file; the reason on failure.
  virtual std::optional<std::string> writeFile(const std::string& path);

  // --- a read of the window's exchange -----------------------------------
  // About to commit its blocks: an edit still open goes in first.
  virtual void beforeImageReplaced() { commitEdits(); }
  // Committed: the window shows the new contents.  A window over the
  // memory image is also told when another window has replaced the image.
  virtual void imageReplaced() {}

 private:
  void showProgress();
  // Registered as a window over the memory image (FormHost::dataOf).
  bool overImage() const;

  EditorParts parts_;
  QProgressBar* progressBar_;
  QLabel* statusLabel_;
  PlainProgress progress_;
  link::ProgressView view_{progress_};
  link::Transfer* exchange_ = nullptr;
  std::shared_ptr<void> ownedTransfer_;
  std::optional<FileRequestPoller> poller_;
};

}  // namespace brel
