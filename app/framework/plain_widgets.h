// A window's widgets over the plain controls of its Qt-free rules: each
// widget shows its control and hands the user's changes to it, so the rules
// run exactly as the tests drive them.
//
//   BindList(ui.combo, sheet.Combo_Enc_ys1);   // a pick-only list
//   BindCheck(ui.box, sheet.Check_Dec_back);
//   BindText(ui.edit, sheet.tones[0]);         // typed text goes to the box
//
// Every later change of a control (by a rule or by the user) is mirrored at
// once; the widget's own signals are blocked while it follows.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "plain_controls.h"

namespace brel {

// A list the user only picks from.  The box offers the list's items; one
// drawn with an edit field (editable) keeps the field, read-only, to show
// the list's text: the chosen entry, or a text set without a choice.
// Whatever is typed, pasted or entered, the box shows what the list holds.
void BindList(QComboBox* box, PlainList& list);
void BindCheck(QCheckBox* box, PlainCheckBox& check);
void BindText(QLineEdit* edit, PlainTextBox& text);

}  // namespace brel
