#include "file_request.h"

namespace brel {

namespace {

std::string& RequestPath(ProgramState& state, FileRequest request) {
  switch (request) {
    case FileRequest::FileOpen: return state.FileOpenRequestPath;
    case FileRequest::FileSave: return state.FileSaveRequestPath;
    case FileRequest::AdjOpen: return state.AdjOpenRequestPath;
    case FileRequest::AdjSave: return state.AdjSaveRequestPath;
  }
  return state.FileOpenRequestPath;
}

}  // namespace

std::int16_t& RequestFlag(ProgramState& state, FileRequest request) {
  switch (request) {
    case FileRequest::FileOpen: return state.FileOpenRequest;
    case FileRequest::FileSave: return state.FileSaveRequest;
    case FileRequest::AdjOpen: return state.AdjOpenRequest;
    case FileRequest::AdjSave: return state.AdjSaveRequest;
  }
  return state.FileOpenRequest;
}

void PostFileRequest(ProgramState& state, FileRequest request, const std::string& path) {
  state.ParamFileName = path;
  RequestPath(state, request) = path;
  RequestFlag(state, request) = -1;
}

std::optional<std::string> TakeFileRequest(ProgramState& state, FileRequest request) {
  std::int16_t& flag = RequestFlag(state, request);
  if (flag == 0) return std::nullopt;
  flag = 0;
  return RequestPath(state, request);
}

void QtPollTimer::start(int intervalMs, std::function<void()> onTick) {
  onTick_ = std::move(onTick);
  timer_.disconnect();
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
    if (onTick_) onTick_();
  });
  timer_.start(intervalMs);
}

FileRequestPoller::FileRequestPoller(ProgramState& state, RequestPair pair, FileRequestHandlers handlers,
                                     std::unique_ptr<PollTimer> timer)
    : state_(state),
      pair_(pair),
      handlers_(std::move(handlers)),
      timer_(timer ? std::move(timer) : std::make_unique<QtPollTimer>()) {}

FileRequestPoller::~FileRequestPoller() { stop(); }

void FileRequestPoller::start() {
  timer_->start(kIntervalMs, [this] { tick(); });
}

void FileRequestPoller::stop() { timer_->stop(); }

void FileRequestPoller::tick() {
  // A handler that shows a message box runs a nested event loop, in which
  // the timer fires again; that tick waits for the next one.
  if (ticking_) return;
  ticking_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{ticking_};
  const bool adj = pair_ == RequestPair::Adj;
  const FileRequest open = adj ? FileRequest::AdjOpen : FileRequest::FileOpen;
  const FileRequest save = adj ? FileRequest::AdjSave : FileRequest::FileSave;
  if (handlers_.read) {
    if (auto path = TakeFileRequest(state_, open)) handlers_.read(*path);
  }
  if (handlers_.write) {
    if (auto path = TakeFileRequest(state_, save)) handlers_.write(*path);
  }
}

Form* ShowFileDialog(AppContext& context, FormId dialog, bool transferRunning, const Bilingual& title) {
  if (transferRunning) {
    context.messages.show(Warn(context.state.LanguageFlag, title, kBusyText));
    return nullptr;
  }
  return context.host.loadForm(dialog);
}

}  // namespace brel
