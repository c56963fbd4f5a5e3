// Stand-ins for the desktop in tests: recorded messages, panels in a map and
// a pinned clock.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui_ports.h"

namespace brel::test {

class RecordingMessages : public MessageSink {
 public:
  void show(const Message& message) override {
    shown.push_back(message);
    if (onShow) onShow(message);
  }
  // Runs after each message is recorded: a test's stand-in for what the
  // box on screen would do meanwhile.
  std::function<void(const Message&)> onShow;
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown) out.push_back(m.text);
    return out;
  }
  std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
  std::vector<Message> shown;
};

class MapStatusPanels : public StatusPanels {
 public:
  void setPanelText(int panel, const std::string& text) override { panels[panel] = text; }
  std::string panelText(int panel) const override {
    auto it = panels.find(panel);
    return it == panels.end() ? std::string() : it->second;
  }
  std::map<int, std::string> panels;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(ClockReading reading) : reading(reading) {}
  ClockReading now() const override { return reading; }
  ClockReading reading;
};

}  // namespace brel::test
