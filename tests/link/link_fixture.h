// The link tests' world: the radio bench and the program's state, message
// and panel recorders.
#pragma once

#include <gtest/gtest.h>

#include "radio_bench.h"
#include "test_doubles.h"
#include "whole_memory.h"

namespace brel::test {

class LinkFixture : public ::testing::Test, protected RadioBench {
 protected:
  static constexpr int kRadioPort = 5;

  LinkFixture() : RadioBench(kRadioPort) {
    state.PortNumber = kRadioPort;
    link::LoadHandshakeCommand(state, 0);
  }

  std::vector<std::string> messageTexts() const { return messages.texts(); }

  ProgramState state;
  RecordingMessages messages;
  MapStatusPanels panels;
};

}  // namespace brel::test
