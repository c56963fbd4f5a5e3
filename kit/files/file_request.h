// The hand-over of a chosen file from the editor file dialogs to the editor
// that reads or writes it.
//
// An editor shows a dialog with ShowFileDialog; the dialog remembers that
// window.  On Confirm the dialog posts a request (a flag in ProgramState, the
// path it was confirmed with and the window it is addressed to).  The
// window's FileRequestPoller ticks every 500 ms on the link's timers and takes
// only requests addressed to its own window:
//   - a request waits while that window's exchange runs or a retry is pending
//     (the window answers through FileRequestHandlers::busy), so a file never
//     changes the image under a running write or is saved half-read;
//   - a request addressed to a window that has closed is dropped: a dialog
//     confirmed after its window closed posts nothing, and a window that
//     closes (stops its poller) drops what still waits for it;
//   - a request from a dialog no window showed (window 0) goes to the first
//     poller of its pair that ticks.
// So the alignment, FM and channel windows, which share AdjOpen/AdjSave, and
// the option, older option and signalling windows, which share
// FileOpen/FileSave, each get only the files their own dialogs chose.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "bilingual.h"
#include "form.h"
#include "program_state.h"
#include "timer_service.h"

namespace brel {

enum class FileRequest { FileOpen, FileSave, AdjOpen, AdjSave };

// Sets ParamFileName and the request's own path and window, then raises its
// flag.  A request already pending keeps one entry, now with the new path and
// window.
void PostFileRequest(ProgramState& state, FileRequest request, const std::string& path, WindowToken window = 0);

// For window `window`: lowers the flag and returns the path, or nothing when
// no request is pending or it is addressed to another window.
std::optional<std::string> TakeFileRequest(ProgramState& state, FileRequest request, WindowToken window = 0);

// Lowers the flag whoever the request was for.
void DropFileRequest(ProgramState& state, FileRequest request);
// Drops every pending request addressed to `window` (it has closed).
void DropFileRequestsFor(ProgramState& state, WindowToken window);

std::int16_t& RequestFlag(ProgramState& state, FileRequest request);
WindowToken RequestWindow(const ProgramState& state, FileRequest request);

// Which pair of flags a window takes, named by the windows it serves: the
// option, older option, two-tone and five-tone windows take
// FileOpen/FileSave; the alignment, FM and channel windows AdjOpen/AdjSave.
enum class RequestPair { OptionsAndSignalling, AlignmentFmAndChannels };

struct FileRequestHandlers {
  // Each gets the path the request was confirmed with.  A direction without
  // a handler leaves its flag for another editor.
  std::function<void(const std::string& path)> read;
  std::function<void(const std::string& path)> write;
  // True while the window's exchange runs or a retry is pending: requests
  // wait for the next tick.
  std::function<bool()> busy;
};

class FileRequestPoller {
 public:
  static constexpr int kIntervalMs = 500;

  // `window` is the token of the window that owns the poller.
  FileRequestPoller(ProgramState& state, RequestPair pair, WindowToken window, FileRequestHandlers handlers);
  ~FileRequestPoller();
  FileRequestPoller(const FileRequestPoller&) = delete;
  FileRequestPoller& operator=(const FileRequestPoller&) = delete;

  // Runs tick() every 500 ms on `timers` until stop(); an editor starts it
  // when it loads and stops it when it unloads, which also drops the
  // requests still waiting for the window.
  void start(link::TimerService& timers);
  void stop();
  bool isRunning() const { return timer_ && timer_->isActive(); }

  // One poll: a pending open request first, then a pending save request.
  // Each flag is lowered before its handler runs.
  void tick();

 private:
  ProgramState& state_;
  RequestPair pair_;
  WindowToken window_;
  FileRequestHandlers handlers_;
  std::unique_ptr<link::Timer> timer_;
  bool ticking_ = false;
};

// The editors' Open and Save buttons: while the editor's own transfer runs
// they show the busy text; otherwise they load the dialog, or bring it
// forward (keeping its name box) when it is already loaded.  An editor file
// dialog then addresses its request to `requester`.
Form* ShowFileDialog(Form& requester, FormId dialog, bool transferRunning,
                     const Bilingual& title = kTitlePromptLower);

}  // namespace brel
