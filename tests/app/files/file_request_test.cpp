// The editor file dialogs and the hand-over of their requests to a poller.
#include "file_forms_fixture.h"
#include "numtext.h"

namespace brel::test {
namespace {

// A timer on a virtual clock, advanced by the test in milliseconds.
class VirtualTimer : public PollTimer {
 public:
  void start(int intervalMs, std::function<void()> onTick) override {
    interval_ = intervalMs;
    onTick_ = std::move(onTick);
    active_ = true;
    sinceTick_ = 0;
  }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }
  void advance(int ms) {
    for (int i = 0; i < ms && active_; ++i)
      if (++sinceTick_ == interval_) {
        sinceTick_ = 0;
        onTick_();
      }
  }

 private:
  int interval_ = 0;
  int sinceTick_ = 0;
  bool active_ = false;
  std::function<void()> onTick_;
};

// A poller whose handlers log "read <path>" / "write <path>" and the flags
// they find when they run.
struct LoggingPoller {
  LoggingPoller(ProgramState& state, RequestPair pair, bool withRead = true, bool withWrite = true) {
    auto timer = std::make_unique<VirtualTimer>();
    clock = timer.get();
    FileRequestHandlers handlers;
    const bool adj = pair == RequestPair::Adj;
    std::int16_t& openFlag = adj ? state.AdjOpenRequest : state.FileOpenRequest;
    std::int16_t& saveFlag = adj ? state.AdjSaveRequest : state.FileSaveRequest;
    if (withRead)
      handlers.read = [this, &openFlag](const std::string& path) {
        events.push_back("read " + path + (openFlag ? " (flag up)" : ""));
      };
    if (withWrite)
      handlers.write = [this, &saveFlag](const std::string& path) {
        events.push_back("write " + path + (saveFlag ? " (flag up)" : ""));
      };
    poller = std::make_unique<FileRequestPoller>(state, pair, std::move(handlers), std::move(timer));
  }
  std::vector<std::string> events;
  VirtualTimer* clock = nullptr;
  std::unique_ptr<FileRequestPoller> poller;
};

using Events = std::vector<std::string>;

class FileRequestTest : public FileFormsTest {};

TEST_F(FileRequestTest, EditorDialogsPostTheirRequestWithThePathAndClose) {
  const struct {
    FormId id;
    const char* name;
    std::int16_t ProgramState::*flag;
    std::string ProgramState::*path;
  } cases[] = {
      {FormId::Form_open_adj, "a.adj", &ProgramState::AdjOpenRequest, &ProgramState::AdjOpenRequestPath},
      {FormId::Form_save_adj, " b.ADJ ", &ProgramState::AdjSaveRequest, &ProgramState::AdjSaveRequestPath},
      {FormId::Form_open_menu, "c.dat", &ProgramState::FileOpenRequest, &ProgramState::FileOpenRequestPath},
      {FormId::Form_save_menu, "d.DAT", &ProgramState::FileSaveRequest, &ProgramState::FileSaveRequestPath},
      {FormId::Form_open_sig, "e.dat", &ProgramState::FileOpenRequest, &ProgramState::FileOpenRequestPath},
      {FormId::Form_save_sig, "f.dat", &ProgramState::FileSaveRequest, &ProgramState::FileSaveRequestPath},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FormName(c.id));
    state.FileOpenRequest = state.FileSaveRequest = state.AdjOpenRequest = state.AdjSaveRequest = 0;
    confirm(c.id, c.name);
    const std::string path = pathOf(TrimBlanks(c.name));
    EXPECT_EQ(state.*c.flag, -1);
    EXPECT_EQ(state.*c.path, path);
    EXPECT_EQ(state.ParamFileName, path);
    EXPECT_EQ(state.FileOpenRequest + state.FileSaveRequest + state.AdjOpenRequest + state.AdjSaveRequest, -1);
    EXPECT_FALSE(host.isLoaded(c.id));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readFile(TrimBlanks(c.name)), "<missing>");
  }
}

TEST_F(FileRequestTest, CancelLeavesFlagsAndPathAlone) {
  state.ParamFileName = "last.dat";
  for (FormId id : {FormId::Form_open_adj, FormId::Form_save_menu, FormId::Form_open_chann, FormId::Form_save_chann}) {
    FileDialogForm* dialog = load(id);
    dialog->nameBox()->setText("typed.dat");
    dialog->cancelButton()->click();
    EXPECT_FALSE(host.isLoaded(id)) << FormName(id);
  }
  EXPECT_EQ(state.ParamFileName, "last.dat");
  EXPECT_EQ(state.FileOpenRequest | state.FileSaveRequest | state.AdjOpenRequest | state.AdjSaveRequest, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(readFile("typed.dat"), "<missing>");
}

TEST_F(FileRequestTest, OpenAndSaveConfirmedBeforeOneTickEachUseTheirOwnFile) {
  LoggingPoller editor(state, RequestPair::File);
  editor.poller->start();
  confirm(FormId::Form_open_menu, "in.dat");
  confirm(FormId::Form_save_sig, "out.dat");
  EXPECT_EQ(state.ParamFileName, pathOf("out.dat"));

  editor.clock->advance(500);

  // Read first; each flag is down before its handler runs.
  EXPECT_EQ(editor.events, (Events{"read " + pathOf("in.dat"), "write " + pathOf("out.dat")}));
  EXPECT_EQ(state.FileOpenRequest, 0);
  EXPECT_EQ(state.FileSaveRequest, 0);
  editor.clock->advance(5000);
  EXPECT_EQ(editor.events.size(), 2u);
}

TEST_F(FileRequestTest, TwoOpensBeforeATickCollapseIntoTheLaterPath) {
  LoggingPoller editor(state, RequestPair::Adj);
  PostFileRequest(state, FileRequest::AdjOpen, "/first.adj");
  PostFileRequest(state, FileRequest::AdjOpen, "/second.adj");
  editor.poller->tick();
  EXPECT_EQ(editor.events, (Events{"read /second.adj"}));
}

TEST_F(FileRequestTest, PendingRequestWaitsForTheFirstPollerAndKeepsItsPath) {
  confirm(FormId::Form_save_adj, "align.adj");
  // A later dialog moves ParamFileName but not the pending request.
  confirm(FormId::Form_open_menu, "other.dat");
  EXPECT_EQ(state.AdjSaveRequest, -1);

  LoggingPoller fileEditor(state, RequestPair::File, /*withRead=*/false);
  LoggingPoller alignment(state, RequestPair::Adj);
  fileEditor.poller->start();
  alignment.poller->start();
  fileEditor.clock->advance(500);
  alignment.clock->advance(499);
  EXPECT_EQ(alignment.events, Events{});
  // The file editor takes no reads, so the open request stays for another.
  EXPECT_EQ(fileEditor.events, Events{});
  EXPECT_EQ(state.FileOpenRequest, -1);

  alignment.clock->advance(1);
  EXPECT_EQ(alignment.events, (Events{"write " + pathOf("align.adj")}));
  EXPECT_EQ(state.AdjSaveRequest, 0);
}

TEST_F(FileRequestTest, StoppedPollerTakesNothing) {
  auto editor = std::make_unique<LoggingPoller>(state, RequestPair::File);
  editor->poller->start();
  EXPECT_TRUE(editor->poller->isRunning());
  editor->poller->stop();
  PostFileRequest(state, FileRequest::FileOpen, "/x.dat");
  editor->clock->advance(2000);
  EXPECT_EQ(editor->events, Events{});
  EXPECT_EQ(state.FileOpenRequest, -1);

  // The same on the desktop timer the editors use.
  FileRequestPoller onQtTimer(state, RequestPair::File, {});
  onQtTimer.start();
  EXPECT_TRUE(onQtTimer.isRunning());
  onQtTimer.stop();
  EXPECT_FALSE(onQtTimer.isRunning());
}

TEST_F(FileRequestTest, ATickInsideAHandlerDoesNotTakeTheNextRequestTwice) {
  FileRequestPoller* self = nullptr;
  Events events;
  FileRequestHandlers handlers;
  handlers.read = [&](const std::string& path) {
    events.push_back("read " + path);
    // A message box's event loop lets the timer fire inside the handler.
    if (events.size() == 1) {
      PostFileRequest(state, FileRequest::FileOpen, "/next.dat");
      self->tick();
    }
  };
  FileRequestPoller poller(state, RequestPair::File, handlers, std::make_unique<VirtualTimer>());
  self = &poller;
  PostFileRequest(state, FileRequest::FileOpen, "/first.dat");
  poller.tick();
  EXPECT_EQ(events, Events{"read /first.dat"});
  EXPECT_EQ(state.FileOpenRequest, -1);
}

TEST_F(FileRequestTest, ShowFileDialogRefusesWhileBusyAndKeepsALoadedDialog) {
  EXPECT_EQ(ShowFileDialog(context, FormId::Form_open_adj, /*transferRunning=*/true, kTitlePromptUpper), nullptr);
  EXPECT_FALSE(host.isLoaded(FormId::Form_open_adj));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.lastText(), "Read-write operating with transceiver .");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");

  auto* dialog = dynamic_cast<FileDialogForm*>(ShowFileDialog(context, FormId::Form_open_adj, false));
  ASSERT_NE(dialog, nullptr);
  dialog->nameBox()->setText("half typed");
  EXPECT_EQ(ShowFileDialog(context, FormId::Form_open_adj, false), dialog);
  EXPECT_EQ(dialog->nameBox()->text(), "half typed");
}

}  // namespace
}  // namespace brel::test
