// The DTMF editor without its widgets: its controls as plain state, the
// display of the DTMF area, the handlers of the check boxes and lists, and
// the typing, change and leave rules of the code fields and encode groups.
//
// Every handler writes the memory image at once, except the encode groups,
// which store when they are left (or when the window commits a pending edit).
// The display sets the controls as a user could, so each control whose shown
// value changes runs its handler and writes back what had to be adjusted.
//
//   DtmfEditor form(state, messages);
//   form.FillDtmfCombos();
//   form.ShowDtmfSettings();
//   if (form.codeKeyPress(CodeField::Ani, U'7')) ...   // let the key through
//   bool back = form.leaveCode(CodeField::Ani);        // refused: focus back
#pragma once

#include <array>
#include <string>

#include "dtmf_codec.h"
#include "plain_controls.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel::dtmf {

class DtmfEditor {
 public:
  // The controls start as the window's layout stores them: sample texts,
  // the stored ticks, empty lists, the group-call list disabled.
  DtmfEditor(ProgramState& state, MessageSink& messages);
  DtmfEditor(const DtmfEditor&) = delete;
  DtmfEditor& operator=(const DtmfEditor&) = delete;

  // --- controls ------------------------------------------------------------
  std::array<PlainTextBox, addr::kDtmfGroupCount> Text_tx_Encode;
  std::array<PlainTextBox, kCodeFieldCount> codeFields;  // by CodeField
  std::array<PlainCheckBox, kFlagBoxCount> flagBoxes;    // by FlagBox
  PlainCheckBox Check_Ctrl_En;
  PlainList Combo_Enc_ys1, Combo_Enc_ys2, Combo_Enc_qh;

  PlainTextBox& code(CodeField f) { return codeFields[static_cast<std::size_t>(f)]; }
  PlainCheckBox& box(FlagBox b) { return flagBoxes[static_cast<std::size_t>(b)]; }

  void FillDtmfCombos();
  void ShowDtmfSettings();

  // --- code fields -----------------------------------------------------------
  // Key rule for a typed character (8 is backspace).  True lets it be
  // entered; Text_Ani, full, is emptied first when a digit arrives.  A key
  // the rule drops leaves the field as it is.
  bool codeKeyPress(CodeField f, char32_t ch);
  // Leave rule, run when the user moves the focus to another control of the
  // window.  True: the field was refused and takes the focus back.  An empty
  // field holds no code and is left without a message.
  bool leaveCode(CodeField f);
  // "" when the text is a code of acceptable characters, at most five;
  // otherwise "ERROR", after its message.
  std::string ValidateCodeText(const std::string& text);

  // --- encode groups ---------------------------------------------------------
  // Key rule: a key that enters a character into a full group (more than
  // four characters) empties it first.  Keys that enter nothing (Enter, Esc,
  // control combinations) leave it as it is.  Nothing is dropped.
  void groupKeyPress(int group, char32_t ch);
  // The user's edit of a group's text: pending until the group is stored.
  void groupTextEdited(int group, const std::string& text);
  // Leave rule: stores the group's row and shows the whole area again.
  // Leaving a group stores it even when nothing was typed.
  void leaveGroup(int group);
  // Runs the leave rule of the group typed into since it was last stored;
  // a group only passed through is left as it is.  Run before the image is
  // saved, written or replaced, and when the window is deactivated, closed
  // or reloaded.
  void commitPendingEdit();
  int pendingGroup() const { return pendingGroup_; }

 private:
  MemoryImage& image() { return state_.MemImage; }
  void storeCode(CodeField f);
  // Five bytes from the first five characters of the trimmed text.
  void storeCodeText(int address, const std::string& text);
  void storeFlag(FlagBox b);
  void applyControlEnable();
  void showCode(PlainTextBox& box, int address);
  void warn(const Bilingual& title, const Bilingual& text);

  ProgramState& state_;
  MessageSink& messages_;
  int pendingGroup_ = -1;
};

}  // namespace brel::dtmf
