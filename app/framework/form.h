// Child windows of the main window and the host that loads and unloads them.
//
// A window is "loaded" while its object exists.  Loading runs the window's
// load handling (captions in the current language, size and place from the
// main window, its data from the memory image, its form-open flag); unloading
// runs its unload handling and destroys it, so reloading always gives a
// fresh window built from the shared data.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

#include "program_state.h"
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
};

const char* FormName(FormId id);

class FormHost;

// What a window needs of the program: the shared state, the message boxes,
// the main window's status panels, the host, and the link layer.
struct AppContext {
  ProgramState& state;
  MessageSink& messages;
  StatusPanels& panels;
  FormHost& host;
  link::LinkServices* link = nullptr;
};

class Form : public QWidget {
  Q_OBJECT
 public:
  Form(AppContext& context, FormId id);
  ~Form() override;

  FormId formId() const { return id_; }

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

  // Commits an edit still open in one of the window's editors into the
  // memory image.  Called before the image is saved, sent to the radio or
  // replaced, so the last typed value is never lost.
  virtual void commitPendingEdit() {}

 protected:
  AppContext& context() const { return context_; }
  ProgramState& state() const { return context_.state; }
  FormHost& host() const { return context_.host; }

  // Centres the window in the host's client area with the given size, moved
  // up by `raise` pixels (windows sit a little above the centre).
  void placeCentred(QSize size, int raise = 0);

 private:
  AppContext& context_;
  FormId id_;
};

class FormHost {
 public:
  using Factory = std::function<Form*(AppContext&)>;
  enum class UnloadMode {
    Ask,    // the window may refuse (busy transfer)
    Force,  // program exit: the window goes whatever it is doing
  };

  virtual ~FormHost() = default;

  virtual void registerForm(FormId id, Factory factory) = 0;
  virtual bool isRegistered(FormId id) const = 0;

  // Plain load: a window already loaded is only brought forward.
  virtual Form* loadForm(FormId id) = 0;
  // Returns false when the window refused (it stays loaded).
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

  // Sizes the windows are laid out from: the main window and its client area.
  virtual QSize mainWindowSize() const = 0;
  virtual QSize clientSize() const = 0;
};

}  // namespace brel
