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

// The box only offers the list's items (it takes no typing), so the list
// always keeps a chosen item.
void BindList(QComboBox* box, PlainList& list);
void BindCheck(QCheckBox* box, PlainCheckBox& check);
void BindText(QLineEdit* edit, PlainTextBox& text);

}  // namespace brel
