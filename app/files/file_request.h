// The hand-over of a chosen file from the editor file dialogs to the editor
// that reads or writes it.
//
// A dialog posts a request (a flag in ProgramState plus the path it was
// confirmed with); an editor that takes requests runs a FileRequestPoller
// every 500 ms while it is loaded, and the first poller to tick takes the
// request and runs the editor's read or write with that request's own path.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "bilingual.h"
#include "form.h"
#include "program_state.h"

namespace brel {

enum class FileRequest { FileOpen, FileSave, AdjOpen, AdjSave };

// Sets ParamFileName and the request's own path, then raises its flag.  A
// request already pending keeps one entry, now with the new path.
void PostFileRequest(ProgramState& state, FileRequest request, const std::string& path);

// Lowers the flag and returns the path, or nothing when no request is pending.
std::optional<std::string> TakeFileRequest(ProgramState& state, FileRequest request);

std::int16_t& RequestFlag(ProgramState& state, FileRequest request);

// A repeating timer.  The poller runs on QtPollTimer; tests drive their own.
class PollTimer {
 public:
  virtual ~PollTimer() = default;
  virtual void start(int intervalMs, std::function<void()> onTick) = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
};

class QtPollTimer : public PollTimer {
 public:
  void start(int intervalMs, std::function<void()> onTick) override;
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
  std::function<void()> onTick_;
};

// Which pair of flags an editor takes: the option and signalling editors
// take FileOpen/FileSave, the alignment and FM editors AdjOpen/AdjSave.
enum class RequestPair { File, Adj };

struct FileRequestHandlers {
  // Each gets the path the request was confirmed with.  A direction without
  // a handler leaves its flag for another editor.
  std::function<void(const std::string& path)> read;
  std::function<void(const std::string& path)> write;
};

class FileRequestPoller {
 public:
  static constexpr int kIntervalMs = 500;

  FileRequestPoller(ProgramState& state, RequestPair pair, FileRequestHandlers handlers,
                    std::unique_ptr<PollTimer> timer = nullptr);
  ~FileRequestPoller();
  FileRequestPoller(const FileRequestPoller&) = delete;
  FileRequestPoller& operator=(const FileRequestPoller&) = delete;

  // Runs tick() every 500 ms until stop(); an editor starts it when it
  // loads and stops it when it unloads.
  void start();
  void stop();
  bool isRunning() const { return timer_->isActive(); }

  // One poll: a pending open request first, then a pending save request.
  // Each flag is lowered before its handler runs.
  void tick();

 private:
  ProgramState& state_;
  RequestPair pair_;
  FileRequestHandlers handlers_;
  std::unique_ptr<PollTimer> timer_;
  bool ticking_ = false;
};

// The editors' Open and Save buttons: while the editor's own transfer runs
// they show the busy text; otherwise they load the dialog, or bring it
// forward (keeping its name box) when it is already loaded.
Form* ShowFileDialog(AppContext& context, FormId dialog, bool transferRunning,
                     const Bilingual& title = kTitlePromptLower);

}  // namespace brel
