// An older option window without its widgets (frm_Adj_Mod and frm_Adj_Tune
// are two instances of this one design): the settings block at 0x0E20 and
// the two VFO records at 0x0F00 and 0x0F20, edited in plain-state controls
// and kept in the window's own stage image.
//
// The values live in the controls.  They reach the stage image only through
// CollectAdjModForm (before a write and a save) and come back only through
// RefreshAdjModForm (after a read) and ShowFileRows (after an open); loading
// and Default show the defaults of FillAdjModLists.  Handlers that code triggers run as the
// user's would: a list selected by code raises its click, a box set by code
// its click, a text set by code its change.
//
// Typed fields are checked when they lose the focus.  A field typed into,
// or refused, stays due for its check until the check passes: every button
// of the window first runs the checks still due (runPendingCheck), and does
// nothing more while one refuses, and so does a save that the Save dialog
// asks for.  A refused text is never stored, sent or saved.
//
// The Qt window (frm_Adj_Mod) mirrors these controls and runs the window's
// exchange (LegacyOptionsTransfer) and option file; tests drive the
// controls directly.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bilingual.h"
#include "plain_controls.h"
#include "program_state.h"
#include "tone_code.h"
#include "ui_ports.h"

namespace brel::legacy_options {

// Which of the two windows: each has its own stage image.
enum class Instance { Mod = 0, Tune = 1 };

// The typed fields checked when they lose the focus.
enum class TypedField { ChannelTotal, FreqA, FreqB, Password, RxLower, RxUpper, TxLower, TxUpper };

class LegacyOptionsEditor {
 public:
  enum class Kind { List, CheckBox, OptionButton, TextBox };
  struct NamedControl {
    std::string name;
    Kind kind;
    PlainControl* control;
  };

  LegacyOptionsEditor(ProgramState& state, MessageSink& messages, Instance instance);
  ~LegacyOptionsEditor();
  LegacyOptionsEditor(const LegacyOptionsEditor&) = delete;
  LegacyOptionsEditor& operator=(const LegacyOptionsEditor&) = delete;

  OptionStageTable& image() { return s_.OptionStageImage[static_cast<std::size_t>(instance_)]; }
  ProgramState& state() { return s_; }

  // --- window handlers ------------------------------------------------------
  // The load handling without captions, size and timers.
  void Form_Load();
  void Form_Activate();
  // What Default does to the controls: the channel total and the defaults.
  void RestoreDefaults();

  // --- display and collection -------------------------------------------------
  void FillAdjModLists();
  void RefreshAdjModForm();
  void CollectAdjModForm();
  // The two VFO records from the stage rows given (VFO A's first row, VFO B's).
  void ShowVfoRecords(int firstRowA, int firstRowB);

  // --- the option file (stage rows 0..11) --------------------------------------
  // Shows an option file just put into the stage image.
  void ShowFileRows();

  // --- what the user does -------------------------------------------------------
  // A field typed into (the text as it now stands): its change check runs,
  // and its focus check becomes due.
  void typed(TypedField field, const std::string& text) { this->field(field).typed(text); }
  // A character typed into a list: a tone list's next change is guarded.
  void keyPressed(PlainList& list);
  // The list's field now shows `text` after the user's edit.
  void listEdited(PlainList& list, const std::string& text) { list.setEditTextMatching(text); }
  // The focus leaves the field: its check; false when it refused.
  bool LostFocus(TypedField field) { return this->field(field).leave(); }
  // The checks still due, in the fields' order; false at the first that
  // refuses.
  bool runPendingCheck() { return RunDueChecks(typedFields_); }
  bool checkPending() const;

  // --- controls ---------------------------------------------------------------
  const std::vector<NamedControl>& controls() const { return named_; }
  PlainControl* find(const std::string& name) const;
  PlainList& list(const std::string& name) const;
  PlainCheckBox& check(const std::string& name) const;
  PlainOptionButton& option(const std::string& name) const;
  PlainTextBox& text(const std::string& name) const;
  PlainTextBox& field(TypedField field) const;
  static const char* FieldName(TypedField field);
  bool toneKeyPending() const { return toneKeyPending_; }

 private:
  void buildControls();
  void add(const std::string& name, Kind kind, PlainControl& control);
  void fillList(const std::string& name, int defaultPosition);
  void fillVfo(int which);
  void warn(const Bilingual& text, const Bilingual& title = kTitlePromptUpper);
  // A refusal: the message, the resets, then the focus back on the field.
  bool refuse(TypedField focus, const Bilingual& text, const std::function<void()>& resets = {},
              const Bilingual& title = kTitlePromptUpper);
  void resetReceiveLimits();
  void setBox(PlainCheckBox& box, bool ticked);
  void showSettings();
  void collectSettings();
  void showVfo(int which, int firstRow);
  void collectVfo(int which, int firstRow);
  void showTone(PlainList& list, const ToneCode& tone);
  bool channelTotalChange();
  bool checkField(TypedField field);
  bool checkFrequency(TypedField field);
  bool checkPassword();
  bool checkLimit(TypedField field);

  ProgramState& s_;
  MessageSink& messages_;
  Instance instance_;
  std::map<std::string, PlainList> lists_;
  std::map<std::string, PlainCheckBox> checks_;
  std::map<std::string, PlainOptionButton> options_;
  std::map<std::string, PlainTextBox> texts_;
  std::vector<NamedControl> named_;
  bool toneKeyPending_ = false;
  std::vector<PlainTextBox*> typedFields_;  // by TypedField
};

}  // namespace brel::legacy_options
