// The option editor on the image the program starts with, without widgets.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "default_contents.h"
#include "option_editor.h"
#include "program_state.h"
#include "test_doubles.h"
#include "tone_tables.h"

namespace brel::options::test {

inline void StartUpState(ProgramState& s) {
  s.LanguageFlag = 0;
  s.ChannelTotal = 128;
  BuildToneTables(s);
  InitOptionIndices(s);
  for (int r = 0; r <= 495; ++r)
    for (int c = 0; c < 16; ++c) s.MemImage.at(r, c) = 0xFF;
  LoadOptionDefaults(s);
  LoadDtmfDefaults(s.MemImage);
}

inline std::vector<int> Row(const ProgramState& s, int row) {
  std::vector<int> out;
  for (int c = 0; c < 16; ++c) out.push_back(s.MemImage.at(row, c));
  return out;
}

inline void PutBytes(ProgramState& s, int address, std::initializer_list<int> bytes) {
  for (int b : bytes) s.MemImage.byte(address++) = static_cast<std::int16_t>(b);
}

// The program's state after start-up, before any window exists.
struct StartedState {
  StartedState() { StartUpState(state); }
  ProgramState state;
};

class OptionEditorTest : public ::testing::Test, protected StartedState {
 protected:
  OptionEditorTest() {
    // Building the window writes nothing into the image.
    EXPECT_EQ(startUp.MemImage, state.MemImage);
  }

  // Opening the window: load, then the activation that follows it.
  void open() {
    form.Form_Load();
    form.Form_Activate();
  }
  std::vector<std::string> texts() const { return messages.texts(); }
  int byte(int address) const { return state.MemImage.byte(address); }

  ProgramState startUp{state};
  brel::test::RecordingMessages messages;
  OptionEditor form{state, messages};
};

}  // namespace brel::options::test
