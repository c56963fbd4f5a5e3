// Stand-in child windows and radio link for the main window's tests.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bilingual.h"
#include "form.h"
#include "hosted_windows.h"
#include "mdi_main.h"
#include "startup_sequence.h"
#include "test_doubles.h"

namespace brel::test {

using Log = std::vector<std::string>;

// The form-open flag a window keeps, if any.
inline std::int16_t* FlagOf(ProgramState& state, FormId id) {
  auto& f = state.FormOpenFlags;
  switch (id) {
    case FormId::frm_option: return &f.OptionFormOpen;
    case FormId::frm_dtmf: return &f.DtmfFormOpen;
    case FormId::frm_chann: return &f.ChannFormOpen;
    case FormId::Form_setup: return &f.SetupFormOpen;
    case FormId::Form_save_chann: return &f.SaveFileFormOpen;
    case FormId::Form_open_chann: return &f.OpenFileFormOpen;
    case FormId::Form_Comm_Read: return &f.ReadFormOpen;
    case FormId::Form_Comm_Write: return &f.WriteFormOpen;
    default: return nullptr;
  }
}

// A child window that records its loads and unloads, keeps its flag like the
// real one, and refuses to unload while marked busy.
class FakeForm : public Form {
 public:
  FakeForm(AppContext& context, FormId id, Log& log, const std::set<FormId>& busy)
      : Form(context, id), log_(log), busy_(busy) {}
  void loadHandling() override {
    log_.push_back(std::string("load ") + FormName(formId()));
    if (auto* flag = FlagOf(state(), formId())) *flag = -1;
  }
  bool queryUnload() override {
    if (busy_.count(formId()) == 0) return true;
    log_.push_back(std::string("refuse ") + FormName(formId()));
    context().messages.show(Warn(state().LanguageFlag, kTitlePromptLower, kCloseRefusedEditorText));
    return false;
  }
  void unloadHandling() override {
    log_.push_back(std::string("unload ") + FormName(formId()));
    if (auto* flag = FlagOf(state(), formId())) *flag = 0;
  }

 private:
  Log& log_;
  const std::set<FormId>& busy_;
};

inline void RegisterFakes(FormHost& host, const std::vector<FormId>& ids, Log& log, const std::set<FormId>& busy) {
  for (FormId id : ids)
    host.registerForm(id, [id, &log, &busy](AppContext& c) { return new FakeForm(c, id, log, busy); });
}

// Every window the main window opens from a command.
inline const std::vector<FormId> kCommandWindows{
    FormId::frm_chann,       FormId::frm_option,     FormId::frm_dtmf,       FormId::Form_setup,
    FormId::Form_save_chann, FormId::Form_open_chann, FormId::Form_Comm_Read, FormId::Form_Comm_Write,
    FormId::Form_type,       FormId::frmAbout,       FormId::frm_Adj_Txp,    FormId::Form_Write_PassWord,
    FormId::frm_FM,          FormId::frm_2tone,      FormId::frm_5tone};

// Messages that also go into the shared log, so their place in a sequence shows.
class LoggingMessages : public RecordingMessages {
 public:
  explicit LoggingMessages(Log& log) : log_(log) {}
  void show(const Message& message) override {
    log_.push_back("message " + message.text);
    RecordingMessages::show(message);
  }

 private:
  Log& log_;
};

// A radio link whose ports are the given COM numbers.
inline StartupLink FakeLink(Log& log, std::set<int> ports, StatusPanels& panels) {
  StartupLink link;
  link.loadHandshake = [&log](ProgramState& state) {
    log.push_back("handshake");
    state.HandshakeCmd[7] = 0x02;
  };
  link.probePorts = [&log, ports](ProgramState& state) {
    return ProbePorts(state, [&log, ports](int n) {
      log.push_back("open COM" + std::to_string(n));
      return ports.count(n) != 0;
    });
  };
  link.closeProbedPort = [&log] { log.push_back("close"); };
  link.startIdentification = [&log, &panels] { log.push_back("ident, panel 2: " + panels.panelText(2)); };
  return link;
}

// A main window with recorded messages and fake child windows, on in-memory
// ports with no radio.
struct MainWindowFixture {
  MainWindowFixture() : messages(log), window(*state, bench.services, &messages) {}
  ~MainWindowFixture() { FlushDeletes(); }

  void registerFakes(const std::vector<FormId>& ids = kCommandWindows) {
    window.registerForms([this, ids](FormHost& host) { RegisterFakes(host, ids, log, busy); });
  }
  void startUp(std::set<int> ports = {}, ScreenTwips screen = ScreenTwipsFromPixels(1024, 768, 96, 96)) {
    window.runStartup(clock, screen, FakeLink(log, std::move(ports), window.panels()));
  }

  Log log;
  std::set<FormId> busy;
  std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
  LoggingMessages messages;
  FixedClock clock{ClockReading{2024, 5, 6, 7, 8, 9}};
  RadioBench bench{1};
  MDImain window;
};

}  // namespace brel::test
