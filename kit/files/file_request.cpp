#include "file_request.h"

#include "file_dialogs.h"

namespace brel {

namespace {

struct RequestSlot {
  std::int16_t& flag;
  std::string& path;
  std::uint64_t& window;
};

RequestSlot Slot(ProgramState& state, FileRequest request) {
  switch (request) {
    case FileRequest::FileOpen: return {state.FileOpenRequest, state.FileOpenRequestPath, state.FileOpenRequestWindow};
    case FileRequest::FileSave: return {state.FileSaveRequest, state.FileSaveRequestPath, state.FileSaveRequestWindow};
    case FileRequest::AdjOpen: return {state.AdjOpenRequest, state.AdjOpenRequestPath, state.AdjOpenRequestWindow};
    case FileRequest::AdjSave: break;
  }
  return {state.AdjSaveRequest, state.AdjSaveRequestPath, state.AdjSaveRequestWindow};
}

constexpr FileRequest kAllRequests[] = {FileRequest::FileOpen, FileRequest::FileSave, FileRequest::AdjOpen,
                                        FileRequest::AdjSave};

}  // namespace

std::int16_t& RequestFlag(ProgramState& state, FileRequest request) { return Slot(state, request).flag; }

WindowToken RequestWindow(const ProgramState& state, FileRequest request) {
  return Slot(const_cast<ProgramState&>(state), request).window;
}

void PostFileRequest(ProgramState& state, FileRequest request, const std::string& path, WindowToken window) {
  state.ParamFileName = path;
  RequestSlot slot = Slot(state, request);
  slot.path = path;
  slot.window = window;
  slot.flag = -1;
}

std::optional<std::string> TakeFileRequest(ProgramState& state, FileRequest request, WindowToken window) {
  RequestSlot slot = Slot(state, request);
  if (slot.flag == 0) return std::nullopt;
  if (slot.window != 0 && slot.window != window) return std::nullopt;
  slot.flag = 0;
  slot.window = 0;
  return slot.path;
}

void DropFileRequest(ProgramState& state, FileRequest request) {
  RequestSlot slot = Slot(state, request);
  slot.flag = 0;
  slot.window = 0;
}

void DropFileRequestsFor(ProgramState& state, WindowToken window) {
  if (window == 0) return;
  for (FileRequest request : kAllRequests)
    if (Slot(state, request).window == window) DropFileRequest(state, request);
}

FileRequestPoller::FileRequestPoller(ProgramState& state, RequestPair pair, WindowToken window,
                                     FileRequestHandlers handlers)
    : state_(state), pair_(pair), window_(window), handlers_(std::move(handlers)) {}

// The state may already be gone when a window object is finally deleted;
// the unload has stopped the poller.
FileRequestPoller::~FileRequestPoller() {
  if (timer_) timer_->stop();
}

void FileRequestPoller::start(link::TimerService& timers) {
  timer_ = timers.createTimer();
  timer_->setCallback([this] {
    // Re-armed before the handlers run, so a handler's message box does not
    // hold up the next poll (the tick guard keeps them apart).
    timer_->start(kIntervalMs);
    tick();
  });
  timer_->start(kIntervalMs);
}

void FileRequestPoller::stop() {
  if (timer_) timer_->stop();
  DropFileRequestsFor(state_, window_);
}

void FileRequestPoller::tick() {
  // A handler that shows a message box runs a nested event loop, in which
  // the timer fires again; that tick waits for the next one.
  if (ticking_) return;
  if (handlers_.busy && handlers_.busy()) return;
  ticking_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{ticking_};
  const bool adj = pair_ == RequestPair::AlignmentFmAndChannels;
  const FileRequest open = adj ? FileRequest::AdjOpen : FileRequest::FileOpen;
  const FileRequest save = adj ? FileRequest::AdjSave : FileRequest::FileSave;
  if (handlers_.read) {
    if (auto path = TakeFileRequest(state_, open, window_)) handlers_.read(*path);
  }
  // The read may have started an exchange; the save then waits for it.
  if (handlers_.busy && handlers_.busy()) return;
  if (handlers_.write) {
    if (auto path = TakeFileRequest(state_, save, window_)) handlers_.write(*path);
  }
}

Form* ShowFileDialog(Form& requester, FormId dialog, bool transferRunning, const Bilingual& title) {
  AppContext& context = requester.context();
  if (transferRunning) {
    context.messages.show(Warn(context.state.LanguageFlag, title, kBusyText));
    return nullptr;
  }
  Form* shown = context.host.loadForm(dialog);
  if (auto* requestDialog = dynamic_cast<RequestFileDialog*>(shown))
    requestDialog->setRequester(requester);
  return shown;
}

}  // namespace brel
