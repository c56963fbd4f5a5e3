// The few things the program's logic needs from the desktop: message boxes,
// the main window's status panels and the clock.  Windows supply real ones;
// tests supply recorders and a pinned clock.
#pragma once

#include <string>

namespace brel {

enum class MessageIcon { None, Warning, Information };

struct Message {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::Warning;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the message and returns when the user has acknowledged it.
  virtual void show(const Message& message) = 0;
};

// The eleven panels of the main window's status bar, numbered 1..11.
class StatusPanels {
 public:
  static constexpr int kPanelCount = 11;
  virtual ~StatusPanels() = default;
  virtual void setPanelText(int panel, const std::string& text) = 0;
  virtual std::string panelText(int panel) const = 0;
};

struct ClockReading {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockReading now() const = 0;
};

// The computer's local time.
class SystemClock : public Clock {
 public:
  ClockReading now() const override;
};

}  // namespace brel
