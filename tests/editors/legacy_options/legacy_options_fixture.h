// An older option window without widgets, on the state the program starts
// with (model 0: 136-174 MHz, 128 channels, English).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "legacy_options_editor.h"
#include "program_state.h"
#include "test_doubles.h"
#include "tone_tables.h"

namespace brel::legacy_options::test {

inline void StartUpState(ProgramState& s) {
  s.LanguageFlag = 0;
  s.ChannelTotal = 128;
  s.VhfLower = 136;
  s.VhfUpper = 174;
  BuildToneTables(s);
}

class LegacyOptionsFixture : public ::testing::Test {
 protected:
  LegacyOptionsFixture() {
    StartUpState(state);
    form.field(TypedField::ChannelTotal);  // the controls exist before loading
  }

  // Opening the window: load, then the activation that follows it.
  void open() {
    form.Form_Load();
    form.Form_Activate();
  }
  OptionStageTable& image() { return state.OptionStageImage[0]; }
  void putRow(int row, const std::vector<int>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) image().at(row, static_cast<int>(c)) = static_cast<std::int16_t>(cells[c]);
  }
  std::vector<int> row(int r) {
    std::vector<int> out;
    for (int c = 0; c < 16; ++c) out.push_back(image().at(r, c));
    return out;
  }
  std::string shown(const std::string& control) {
    for (const auto& c : form.controls()) {
      if (c.name != control) continue;
      if (c.kind == LegacyOptionsEditor::Kind::List) return static_cast<PlainList*>(c.control)->text();
      if (c.kind == LegacyOptionsEditor::Kind::TextBox) return static_cast<PlainTextBox*>(c.control)->text();
    }
    return "?";
  }
  std::string text(TypedField f) { return form.field(f).text(); }
  std::vector<std::string> texts() const { return messages.texts(); }
  // Typing a whole text into a field and leaving it.
  bool enter(TypedField f, const std::string& typedText) {
    form.typed(f, typedText);
    return form.LostFocus(f);
  }

  ProgramState state;
  brel::test::RecordingMessages messages;
  LegacyOptionsEditor form{state, messages, Instance::Mod};
};

}  // namespace brel::legacy_options::test
