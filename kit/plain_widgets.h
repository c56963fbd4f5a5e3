// A window's widgets over the plain controls of its Qt-free rules: each
// widget shows its control and hands the user's changes to it, so the rules
// run exactly as the tests drive them.  Binding is the only way a window
// ties a widget to a control: no window copies state back and forth itself.
//
//   BindList(ui.combo, sheet.Combo_Enc_ys1);   // a pick-only list
//   BindCheck(ui.box, sheet.Check_Dec_back);
//   BindOption(ui.freq, editor.option("Option_freq"));
//   BindText(ui.edit, sheet.tones[0]);         // typed text goes to the box
//   BindText(ui.code, editor.code(f), {.keys = [&](char32_t c) { return editor.codeKeyPress(f, c) ? c : 0; }});
//   BindTypedList(ui.tone, vfo.rxTone, {.keys = ToneKeyRule});
//
// Every later change of a control (by a rule or by the user) is mirrored at
// once; the widget's own signals are blocked while it follows.  A change the
// user makes while the window refuses changes (Form::refuseChange: an
// exchange is using its data) never reaches the control, which the widget
// then shows again.
//
// Leave rules are the window's (Form::onFocusOut, Form::watchLeave): they
// judge how the focus went, which only the window knows.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <functional>
#include <string>

#include "plain_controls.h"

class QKeyEvent;

namespace brel {

// The character a key press types as a field's key rule sees it: 8 for
// Backspace; 0 for a key that types none (navigation, Enter, Esc, Tab, and
// combinations with Ctrl, Alt or Meta), which the field handles itself.
char32_t TypedCharacter(const QKeyEvent& key);

// Judges each character typed into a field, before the field takes it: 0
// drops the key, the character itself lets it through, and any other
// character is entered in its place (as if that had been typed).
using KeyRule = std::function<char32_t(char32_t typed)>;

// How a field the user types into takes keys and edits.
struct TypingRules {
  KeyRule keys = {};  // none: every key goes through
  // The user's edit, with the field's text as it now stands; none: the
  // control takes it as typed (PlainTextBox::typed, PlainList::setEditText).
  std::function<void(const std::string&)> edited = {};
};

// A list the user only picks from.  The box offers the list's items; one
// drawn with an edit field (editable) keeps the field, read-only, to show
// the list's text: the chosen entry, or a text set without a choice.
// Whatever is typed, pasted or entered, the box shows what the list holds.
void BindList(QComboBox* box, PlainList& list);
// A list whose field the user types into (a tone list): a pick selects the
// entry, typed text goes to the list through `rules`, and the typed text
// never picks an entry by itself: the list's rules decide what it selects.
void BindTypedList(QComboBox* box, PlainList& list, TypingRules rules = {});
void BindCheck(QCheckBox* box, PlainCheckBox& check);
// One of a group: a click selects it, and the plain group clears the others.
void BindOption(QRadioButton* button, PlainOptionButton& option);
void BindText(QLineEdit* edit, PlainTextBox& text, TypingRules rules = {});

// A list picked with the mouse and the arrow keys only: a key that types a
// character (any but Tab, Enter and Esc) is dropped, so no letter starts a
// search through its entries.
void DropTypedKeys(QComboBox* box);
// Shows every key press to `seen` before `widget` takes it; true drops the
// key.  For a rule that reads more of a key than the character it types.
void WatchKeys(QWidget* widget, std::function<bool(const QKeyEvent&)> seen);

}  // namespace brel
