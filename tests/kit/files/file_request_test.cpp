// The editor file dialogs and the hand-over of their requests to the window
// that showed them.
#include "file_forms_fixture.h"
#include "numtext.h"
#include "virtual_clock.h"

namespace brel::test {
namespace {

using Events = std::vector<std::string>;
using link::kMs;

// An editor that polls a pair of request flags on the virtual clock and logs
// "<window> read <path>" / "<window> write <path>", with "(flag up)" when the
// flag was still raised as its handler ran.
class PollingEditor : public Form {
 public:
  PollingEditor(AppContext& context, FormId id, RequestPair pair, link::TimerService& timers, Events& events)
      : Form(context, id),
        timers_(timers),
        events_(events),
        poller_(context.state, pair, windowToken(),
                {[this, pair](const std::string& path) {
                   const bool adj = pair == RequestPair::AlignmentFmAndChannels;
                   log("read", path, adj ? state().AdjOpenRequest : state().FileOpenRequest);
                 },
                 [this, pair](const std::string& path) {
                   const bool adj = pair == RequestPair::AlignmentFmAndChannels;
                   log("write", path, adj ? state().AdjSaveRequest : state().FileSaveRequest);
                 },
                 [this] { return busy; }}) {}
  void loadHandling() override { poller_.start(timers_); }
  void unloadHandling() override { poller_.stop(); }
  void show(FormId dialog) { ShowFileDialog(*this, dialog, busy); }

  FileRequestPoller& poller() { return poller_; }
  bool busy = false;
  // Runs inside a read handler (a message box's event loop, a started exchange).
  std::function<void()> duringRead;

 private:
  void log(const char* what, const std::string& path, std::int16_t flag) {
    events_.push_back(std::string(FormName(formId())) + " " + what + " " + path + (flag ? " (flag up)" : ""));
    if (duringRead && std::string(what) == "read") duringRead();
  }
  link::TimerService& timers_;
  Events& events_;
  FileRequestPoller poller_;
};

class FileRequestTest : public FileFormsTest {
 protected:
  FileRequestTest() {
    registerPoller(FormId::frm_Adj_Txp, RequestPair::AlignmentFmAndChannels);
    registerPoller(FormId::frm_FM, RequestPair::AlignmentFmAndChannels);
    registerPoller(FormId::frm_2tone, RequestPair::OptionsAndSignalling);
    registerPoller(FormId::frm_5tone, RequestPair::OptionsAndSignalling);
  }
  // The editors go before the log they use.
  ~FileRequestTest() override { closeAll(); }
  PollingEditor* editor(FormId id) { return dynamic_cast<PollingEditor*>(host.loadForm(id)); }
  // The editor shows the dialog; the user types the name and confirms.
  void confirmFrom(PollingEditor* requester, FormId dialog, const std::string& name) {
    requester->show(dialog);
    auto* shown = dynamic_cast<FileDialogForm*>(host.form(dialog));
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->browser()->setDirectory(dir.path()));
    shown->nameBox()->setText(QString::fromStdString(name));
    shown->confirmButton()->click();
  }
  std::int16_t allFlags() const {
    return static_cast<std::int16_t>(state.FileOpenRequest | state.FileSaveRequest | state.AdjOpenRequest |
                                     state.AdjSaveRequest);
  }

  Events events;

 private:
  void registerPoller(FormId id, RequestPair pair) {
    host.registerForm(id, [this, id, pair](AppContext& c) -> Form* {
      return new PollingEditor(c, id, pair, c.link.timers, events);
    });
  }
};

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
  EXPECT_EQ(allFlags(), 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(readFile("typed.dat"), "<missing>");
}

// Both editors of a pair poll; each request reaches only the editor whose
// dialog posted it, whichever ticks first.
TEST_F(FileRequestTest, EachRequestReachesOnlyTheWindowThatShowedItsDialog) {
  const struct {
    FormId first, second;
    FormId open, save;
    const char* suffix;
  } pairs[] = {
      {FormId::frm_Adj_Txp, FormId::frm_FM, FormId::Form_open_adj, FormId::Form_save_adj, ".adj"},
      {FormId::frm_2tone, FormId::frm_5tone, FormId::Form_open_menu, FormId::Form_save_menu, ".dat"},
      {FormId::frm_5tone, FormId::frm_2tone, FormId::Form_open_sig, FormId::Form_save_sig, ".dat"},
  };
  for (const auto& p : pairs) {
    SCOPED_TRACE(FormName(p.open));
    events.clear();
    PollingEditor* first = editor(p.first);
    clock.advance(200 * kMs);  // the two pollers tick at different moments
    PollingEditor* second = editor(p.second);
    confirmFrom(second, p.open, std::string("in") + p.suffix);
    confirmFrom(first, p.save, std::string("out") + p.suffix);
    clock.advance(1000 * kMs);
    EXPECT_EQ(events, (Events{std::string(FormName(p.first)) + " write " + pathOf(std::string("out") + p.suffix),
                              std::string(FormName(p.second)) + " read " + pathOf(std::string("in") + p.suffix)}));
    EXPECT_EQ(allFlags(), 0);
    host.unloadForm(p.first);
    host.unloadForm(p.second);
  }
}

TEST_F(FileRequestTest, OpenAndSaveConfirmedBeforeOneTickEachUseTheirOwnFile) {
  PollingEditor* fm = editor(FormId::frm_FM);
  confirmFrom(fm, FormId::Form_open_adj, "in.adj");
  confirmFrom(fm, FormId::Form_save_adj, "out.adj");
  EXPECT_EQ(state.ParamFileName, pathOf("out.adj"));

  clock.advance(499 * kMs);
  EXPECT_EQ(events, Events{});
  clock.advance(1 * kMs);
  // Read first; each flag is down before its handler runs.
  EXPECT_EQ(events, (Events{"frm_FM read " + pathOf("in.adj"), "frm_FM write " + pathOf("out.adj")}));
  clock.advance(5000 * kMs);
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(FileRequestTest, TwoOpensBeforeATickCollapseIntoTheLaterPath) {
  PollingEditor* alignment = editor(FormId::frm_Adj_Txp);
  confirmFrom(alignment, FormId::Form_open_adj, "first.adj");
  confirmFrom(alignment, FormId::Form_open_adj, "second.adj");
  alignment->poller().tick();
  EXPECT_EQ(events, (Events{"frm_Adj_Txp read " + pathOf("second.adj")}));
}

// A dialog no window showed (loaded by itself) goes to the first poller of
// its pair, and its request keeps its own path while ParamFileName moves on.
TEST_F(FileRequestTest, AnUnaddressedRequestWaitsForTheFirstPollerOfItsPair) {
  confirm(FormId::Form_save_adj, "align.adj");
  confirm(FormId::Form_open_menu, "other.dat");
  EXPECT_EQ(RequestWindow(state, FileRequest::AdjSave), 0u);

  editor(FormId::frm_2tone);
  clock.advance(300 * kMs);
  editor(FormId::frm_Adj_Txp);
  clock.advance(200 * kMs);
  EXPECT_EQ(events, (Events{"frm_2tone read " + pathOf("other.dat")}));
  clock.advance(300 * kMs);
  EXPECT_EQ(events, (Events{"frm_2tone read " + pathOf("other.dat"), "frm_Adj_Txp write " + pathOf("align.adj")}));
  EXPECT_EQ(allFlags(), 0);
}

TEST_F(FileRequestTest, ARequestWaitsWhileItsWindowIsBusy) {
  PollingEditor* fm = editor(FormId::frm_FM);
  confirmFrom(fm, FormId::Form_open_adj, "in.adj");
  confirmFrom(fm, FormId::Form_save_adj, "out.adj");
  fm->busy = true;  // an exchange or a pending retry
  clock.advance(3000 * kMs);
  EXPECT_EQ(events, Events{});
  EXPECT_EQ(state.AdjOpenRequest, -1);

  // The read starts an exchange: the save waits for it to end.
  fm->busy = false;
  fm->duringRead = [fm] { fm->busy = true; };
  clock.advance(500 * kMs);
  EXPECT_EQ(events, (Events{"frm_FM read " + pathOf("in.adj")}));
  EXPECT_EQ(state.AdjSaveRequest, -1);
  fm->duringRead = nullptr;
  fm->busy = false;
  clock.advance(500 * kMs);
  EXPECT_EQ(events.back(), "frm_FM write " + pathOf("out.adj"));
}

TEST_F(FileRequestTest, ARequestForAClosedWindowIsDropped) {
  // The window closes with its request still waiting (it was busy).
  PollingEditor* fm = editor(FormId::frm_FM);
  confirmFrom(fm, FormId::Form_save_adj, "a.adj");
  fm->busy = true;
  ASSERT_EQ(state.AdjSaveRequest, -1);
  fm->busy = false;
  host.unloadForm(FormId::frm_FM);
  FlushDeletes();
  EXPECT_EQ(state.AdjSaveRequest, 0);

  // The window closes while its dialog is open: the confirmed dialog posts
  // nothing, not even to a new window of the same kind.
  PollingEditor* alignment = editor(FormId::frm_Adj_Txp);
  alignment->show(FormId::Form_open_adj);
  host.unloadForm(FormId::frm_Adj_Txp);
  editor(FormId::frm_Adj_Txp);
  auto* dialog = dynamic_cast<FileDialogForm*>(host.form(FormId::Form_open_adj));
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->browser()->setDirectory(dir.path()));
  dialog->nameBox()->setText("b.adj");
  dialog->confirmButton()->click();
  EXPECT_FALSE(host.isLoaded(FormId::Form_open_adj));
  EXPECT_EQ(state.ParamFileName, pathOf("b.adj"));
  EXPECT_EQ(allFlags(), 0);
  clock.advance(2000 * kMs);
  EXPECT_EQ(events, Events{});
}

TEST_F(FileRequestTest, TheImageDialogsLeaveAPendingAlignmentRequestForItsWindow) {
  PollingEditor* alignment = editor(FormId::frm_Adj_Txp);
  confirmFrom(alignment, FormId::Form_open_adj, "a.adj");
  confirmFrom(alignment, FormId::Form_save_adj, "b.adj");
  confirm(FormId::Form_save_chann, "image.dat");
  EXPECT_EQ(state.AdjSaveRequest, -1);
  EXPECT_EQ(state.AdjOpenRequest, -1);
  clock.advance(500 * kMs);
  EXPECT_EQ(events, (Events{"frm_Adj_Txp read " + pathOf("a.adj"), "frm_Adj_Txp write " + pathOf("b.adj")}));
}

TEST_F(FileRequestTest, AStoppedPollerTakesNothing) {
  PollingEditor* twoTone = editor(FormId::frm_2tone);
  EXPECT_TRUE(twoTone->poller().isRunning());
  twoTone->poller().stop();
  confirmFrom(twoTone, FormId::Form_open_sig, "x.dat");
  clock.advance(2000 * kMs);
  EXPECT_EQ(events, Events{});
  EXPECT_EQ(state.FileOpenRequest, -1);
}

TEST_F(FileRequestTest, ATickInsideAHandlerDoesNotTakeTheNextRequestTwice) {
  PollingEditor* fiveTone = editor(FormId::frm_5tone);
  fiveTone->duringRead = [&] {
    // A message box's event loop lets the timer fire inside the handler.
    fiveTone->duringRead = nullptr;
    PostFileRequest(state, FileRequest::FileOpen, "/next.dat", fiveTone->windowToken());
    fiveTone->poller().tick();
  };
  PostFileRequest(state, FileRequest::FileOpen, "/first.dat", fiveTone->windowToken());
  fiveTone->poller().tick();
  EXPECT_EQ(events, Events{"frm_5tone read /first.dat"});
  EXPECT_EQ(state.FileOpenRequest, -1);
}

TEST_F(FileRequestTest, ShowFileDialogRefusesWhileBusyAndKeepsALoadedDialog) {
  PollingEditor* alignment = editor(FormId::frm_Adj_Txp);
  EXPECT_EQ(ShowFileDialog(*alignment, FormId::Form_open_adj, /*transferRunning=*/true, kTitlePromptUpper), nullptr);
  EXPECT_FALSE(host.isLoaded(FormId::Form_open_adj));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.lastText(), "Read-write operating with transceiver .");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");

  auto* dialog = dynamic_cast<RequestFileDialog*>(ShowFileDialog(*alignment, FormId::Form_open_adj, false));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->requester(), alignment->windowToken());
  dialog->nameBox()->setText("half typed");
  // Shown again by another window: the name box stays, the request goes to it.
  PollingEditor* fm = editor(FormId::frm_FM);
  EXPECT_EQ(ShowFileDialog(*fm, FormId::Form_open_adj, false), dialog);
  EXPECT_EQ(dialog->nameBox()->text(), "half typed");
  EXPECT_EQ(dialog->requester(), fm->windowToken());
}

}  // namespace
}  // namespace brel::test
