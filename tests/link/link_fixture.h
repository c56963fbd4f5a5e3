// The link tests' world: the radio bench and the program's state, message
// and panel recorders.
#pragma once

#include <gtest/gtest.h>

#include "radio_bench.h"
#include "test_doubles.h"
#include "whole_memory.h"

namespace brel::test {

// Counts what an engine tells its window.
class RecordingObserver : public link::LinkObserver {
 public:
  void identified() override { ++identifiedCount; }
  void readComplete() override { ++readCompleteCount; }
  void writeComplete() override { ++writeCompleteCount; }
  void writeRefused() override { ++refusedCount; }
  void writeAnswered(std::uint8_t answer) override { answers.push_back(answer); }
  void attemptTimedOut() override { ++timeouts; }
  void gaveUp() override { ++gaveUpCount; }
  int identifiedCount = 0, readCompleteCount = 0, writeCompleteCount = 0, refusedCount = 0, timeouts = 0,
      gaveUpCount = 0;
  std::vector<std::uint8_t> answers;
};

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
