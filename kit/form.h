// Child windows of the main window and the host that loads and unloads them.
//
// A window is "loaded" while its object exists.  Loading runs the window's
// load handling (captions in the current language, size and place from the
// main window, its data from the memory image, its form-open flag); unloading
// runs its unload handling and destroys it, so reloading always gives a
// fresh window built from the shared data.
//
// An editor window is an EditorWindow (editor_window.h): the base holds its
// progress display, exchange refusals, file requests and file sequence, and
// its header shows a new editor window in one short example.
#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bilingual.h"
#include "plain_controls.h"
#include "program_state.h"
#include "qt_text.h"
#include "ui_ports.h"

namespace brel {

namespace link {
struct LinkServices;  // serial ports and timers, provided by the link layer
}

enum class FormId {
  frm_chann,
  frm_option,
  frm_dtmf,
  Form_setup,
  Form_save_chann,
  Form_open_chann,
  Form_Comm_Read,
  Form_Comm_Write,
  Form_type,
  frmAbout,
  Form_open_adj,
  Form_save_adj,
  Form_open_menu,
  Form_save_menu,
  Form_open_sig,
  Form_save_sig,
  frm_Adj_Txp,
  Form_Write_PassWord,
  frm_FM,
  frm_2tone,
  frm_5tone,
  frm_Adj_Mod,
  frm_Adj_Tune,
  Form_open_fm,  // the FM editor's Open and Save dialogs
  Form_save_fm,
};

const char* FormName(FormId id);

class FormHost;

// One loaded window: a window closed and loaded again gets a new token, so
// what was addressed to the old one never reaches the new one.  0 is no window.
using WindowToken = std::uint64_t;

// What a window edits: the memory image, which the main Read and Write and
// the other windows' exchanges on it read and write too, or data of its own
// (a stage, a table) or none.
enum class WindowData { Own, MemoryImage };

// The layouts are given in twips (1/1440 inch); windows use Form::twipsX/Y.
int TwipsToPixels(double twips, double dpi);

// A focus lost to another window (a message box, another child window) or
// to a drop-down: no move of the user's from one control to another.
bool LostToAnotherWindow(Qt::FocusReason reason);

// The window `widget` lies in refuses a change the user makes through it
// now (Form::refuseChange), after saying why; false outside any window.
bool RefuseChangeIn(const QWidget* widget);

// A plain progress display on a window's bar and status label.
void ShowProgress(const PlainProgress& progress, QProgressBar& bar, QLabel& label);

// What a window needs of the program: the shared state, the message boxes,
// the main window's status panels, the host, and the link layer.
struct AppContext {
  ProgramState& state;
  MessageSink& messages;
  StatusPanels& panels;
  FormHost& host;
  link::LinkServices& link;
};

class Form : public QWidget {
  Q_OBJECT
 public:
  Form(AppContext& context, FormId id);
  ~Form() override;

  FormId formId() const { return id_; }
  WindowToken windowToken() const { return token_; }

  // Load handling: runs once, right after the host has placed the window in
  // the main window.  Sets captions, size, position, data and its flag.
  virtual void loadHandling() {}

  // Asked before an unload that the user or a reload caused.  A window whose
  // own radio transfer runs shows its busy text and answers false: it stays
  // loaded and the transfer goes on.
  virtual bool queryUnload() { return true; }

  // Unload handling: clears the window's flag, stops its timers, closes its
  // port.  Runs once, just before the window is destroyed.
  virtual void unloadHandling() {}

  // The host has let go of the window: it is being unloaded (see
  // FormHost::unloadForm).  From then on no leave rule runs: its fields
  // lose the focus because the window goes, not because the user left them.
  bool unloading() const;

  // Commits an edit still open in one of the window's editors into the
  // memory image.  Called before the image is saved, sent to the radio or
  // replaced, so the last typed value is never lost.
  virtual void commitPendingEdit() {}

  // --- waiting for an exchange with the radio ----------------------------
  // The data this window changes is being read or written by an exchange
  // that runs or waits to retry (EditorWindow says which exchanges count).
  virtual bool dataInUse() const { return false; }
  // Asked before anything the user does changes that data: true, after
  // saying why, while it must wait.  The grid and binding kits ask it
  // before a cell or control takes a change; Clear, Default and a file
  // opened into the window ask it too.
  bool refuseChange(const Bilingual& message = kBusyText) const { return refuseWhileBusy(dataInUse(), message); }
  // This window's own exchange reads or writes the memory image and runs
  // or waits to retry: every change of the image waits for it.
  virtual bool exchangeOnImage() const { return false; }
  // Another window has replaced the memory image (a read, a file): a
  // window that shows it shows it afresh.
  virtual void showReplacedImage() {}

  AppContext& context() const { return context_; }

  // Runs `activated` each time this window becomes the active child window
  // of the main window (the main window regaining the focus from a message
  // box is no activation, nor is coming back from another child the area
  // only passed through on its way), and `deactivated`, when given, each time another
  // child window takes that place; until stopWatchingActivation() or the
  // window goes.  An activation while the window's data is in use
  // (dataInUse) shows nothing afresh: `activated` does not run then.
  void watchActivation(std::function<void()> activated, std::function<void()> deactivated = {});
  void stopWatchingActivation();

 protected:
  ProgramState& state() const { return context_.state; }
  FormHost& host() const { return context_.host; }

  // Centres the window in the host's client area with the given size, moved
  // up by `raise` pixels (windows sit a little above the centre).
  void placeCentred(QSize size, int raise = 0);

  // --- texts and messages in the current language ---------------------------
  std::int16_t language() const { return context_.state.LanguageFlag; }
  std::string text(const Bilingual& pair) const { return Pick(language(), pair); }
  QString qtext(const Bilingual& pair) const { return Q(text(pair)); }
  // A warning box with an OK button.
  void warn(const Bilingual& message, const Bilingual& title = kTitlePromptLower) const;
  // The same with a text already in the current language.
  void warnText(const std::string& message, const Bilingual& title = kTitlePromptLower) const;

  // The guard of a window that talks to the radio: true, after saying why,
  // when the command must not run because `busy` holds.  The commands that
  // would touch the data or the port show the busy text (or their own), a
  // close its close text.
  bool refuseWhileBusy(bool busy, const Bilingual& message = kBusyText,
                       const Bilingual& title = kTitlePromptLower) const;

  // --- leave rules --------------------------------------------------------------
  // Both kinds run only while the window is loaded (see unloading()).
  //
  // `rule` runs each time `field` loses the focus, with the reason, which
  // the rule judges itself.
  void onFocusOut(QWidget* field, std::function<void(Qt::FocusReason)> rule);
  // `rule` runs exactly once each time the focus leaves `field` for another
  // control of this window, however it gets there: Tab, a click, a list's
  // drop-down opened, or a click made while a message box had just taken
  // the window's activation.  It is judged once the focus has settled, so no
  // message comes in the middle of a move; the focus going to another
  // window (a message box, another child window, a menu) is no leave.  A
  // rule that answers true refuses: any drop-down of the window closes, the
  // focus goes back to the field, and the control it had reached counts as
  // never entered, so its own rule does not run.
  void watchLeave(QWidget* field, std::function<bool()> rule);
  // No leave rule runs any more: for a destructor whose members go before
  // the widgets (the window's own destruction ends them too).
  void stopLeaveRules();

  // --- twips (the unit the layouts are given in) to pixels on this screen ---
  int twipsX(double twips) const;
  int twipsY(double twips) const;
  QRect twipsRect(double left, double top, double width, double height) const;

 private:
  AppContext& context_;
  FormId id_;
  WindowToken token_;
  void settleLoss();

  struct LeaveWatch {
    QWidget* field;
    std::function<bool()> rule;
  };
  // The control of this window that has the focus, or whose drop-down is
  // open; null while the focus is elsewhere.
  QWidget* controlWithFocus() const;
  const LeaveWatch* watchOf(const QWidget* control) const;
  void settleFocusLater();
  void settleFocus();
  void giveFocusBack(QWidget* field);
  std::vector<QPointer<QObject>> focusOutHooks_;
  std::vector<LeaveWatch> leaveWatches_;
  QPointer<QWidget> entered_;  // the watched field the focus is in: its rule is due when it leaves
  QMetaObject::Connection focusWatch_;
  bool settlePending_ = false;
  bool judging_ = false;

  QMetaObject::Connection activation_;
  std::function<void()> activated_;
  std::function<void()> deactivated_;
  bool active_ = false;
  bool leavePending_ = false;
};

class FormHost {
 public:
  using Factory = std::function<Form*(AppContext&)>;
  enum class UnloadMode {
    Ask,    // the window may refuse (busy transfer)
    Force,  // program exit: the window goes whatever it is doing
  };

  virtual ~FormHost() = default;

  // A window over the memory image shows it as it loads, and its controls
  // store again what they cannot show as stored: such a window is not
  // loaded, nor reloaded (the loaded one stays as it is), while an exchange
  // on the image runs or waits to retry; the busy text says so.  Bringing
  // it forward when loaded changes nothing and is not refused.
  virtual void registerForm(FormId id, Factory factory, WindowData data = WindowData::Own) = 0;
  virtual bool isRegistered(FormId id) const = 0;
  // What the window `id` was registered as editing (Own when unregistered):
  // the one place a window says so.
  virtual WindowData dataOf(FormId id) const = 0;

  // Plain load: a window already loaded is only brought forward.  Null when
  // the window is not registered or its load must wait (registerForm).
  virtual Form* loadForm(FormId id) = 0;
  // Returns false when the window refused (it stays loaded).  The host lets
  // go of the window (form(id) no longer gives it) before its unload
  // handling runs, so Form::unloading() holds through the whole unload.
  virtual bool unloadForm(FormId id, UnloadMode mode = UnloadMode::Ask) = 0;
  // Unload, then load.  A window that refuses the unload stays as it is.
  virtual Form* reloadForm(FormId id) = 0;
  // Asks every loaded window whether it may go, stopping at the first that
  // refuses (it has said why).  Lets the program end all or nothing.
  virtual bool queryUnloadAll() = 0;

  virtual bool isLoaded(FormId id) const = 0;
  virtual Form* form(FormId id) const = 0;

  // Every loaded window commits its open edit (see Form::commitPendingEdit).
  virtual void commitAllPendingEdits() = 0;
  // An exchange on the memory image runs or waits to retry in one of the
  // loaded windows (Form::exchangeOnImage).
  virtual bool imageInUse() const = 0;
  // The memory image has been replaced: every loaded window shows it
  // afresh (Form::showReplacedImage).
  virtual void showReplacedImage() = 0;

  // Sizes the windows are laid out from: the main window and its client area.
  virtual QSize mainWindowSize() const = 0;
  virtual QSize clientSize() const = 0;

  // A new token for each window created (see WindowToken).
  WindowToken issueWindowToken() { return ++lastToken_; }
  // The token of the window `id` while it is loaded, else 0.
  WindowToken loadedToken(FormId id) const {
    const Form* loaded = form(id);
    return loaded != nullptr ? loaded->windowToken() : 0;
  }

 private:
  WindowToken lastToken_ = 0;
};

}  // namespace brel
