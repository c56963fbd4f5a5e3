// The controls of the optional features window as plain state.
//
// The window's behaviour rests on when a control raises its handler: a list
// only when its selected entry changes, a check box only when its state
// changes, an option button when it becomes selected, a text box whenever
// its text is set.  Settings done by code raise the handler exactly as a
// user's choice does; the refresh and its write-backs depend on it.  Keeping
// the controls here lets all of that run, nested refreshes included, without
// widgets; the Qt window mirrors each control and feeds user input back.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brel::options {

class Control {
 public:
  explicit Control(std::string name) : name_(std::move(name)) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }

  // Stored hidden: the user never sees it, but code still sets it and its
  // handler still runs.
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed();
  }
  bool canTakeFocus() const { return visible_ && enabled_; }
  // Gives the control the focus when it can take it.
  void takeFocus() {
    if (canTakeFocus() && focusRequested) focusRequested();
  }

  // Set by a view that shows the control: called after every change of
  // its state, before the handler runs.
  std::function<void()> viewChanged;
  std::function<void()> focusRequested;

 protected:
  void changed() {
    if (viewChanged) viewChanged();
  }

 private:
  std::string name_;
  bool visible_ = true;
  bool enabled_ = true;
};

// A list with an edit field (the tone and band lists show typed text).
class ListControl : public Control {
 public:
  using Control::Control;

  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  int index() const { return index_; }
  const std::string& text() const { return text_; }

  // Filling selects nothing and raises nothing.
  void setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    text_.clear();
    changed();
  }

  // Selects entry i (-1: none).  Raises onClick only when the selection
  // changes; the edit field shows the entry.
  void select(int i) {
    if (i < -1 || i >= count()) i = -1;
    if (i == index_) return;
    index_ = i;
    text_ = i >= 0 ? items_[static_cast<std::size_t>(i)] : std::string();
    changed();
    if (onClick) onClick();
  }

  // Puts text into the edit field, typed or set by code.  No entry is
  // selected by it and no click is raised: the list's commit decides which
  // entry the text names.
  void setText(const std::string& text) {
    text_ = text;
    index_ = -1;
    changed();
    if (onChange) onChange();
  }

  std::function<void()> onClick;
  std::function<void()> onChange;

 private:
  std::vector<std::string> items_;
  int index_ = -1;
  std::string text_;
};

class CheckControl : public Control {
 public:
  using Control::Control;
  int value() const { return value_; }  // 0 clear, 1 checked
  void setValue(int value) {
    if (value == value_) return;
    value_ = value;
    changed();
    if (onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  int value_ = 0;
};

// One of a group of option buttons: selecting it clears the others.
class OptionControl : public Control {
 public:
  using Control::Control;
  bool value() const { return value_; }
  void setGroup(std::vector<OptionControl*> group) { group_ = std::move(group); }
  void setValue(bool value) {
    if (value == value_) return;
    value_ = value;
    if (value)
      for (OptionControl* other : group_)
        if (other != this && other->value_) {
          other->value_ = false;
          other->changed();
        }
    changed();
    if (value && onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  bool value_ = false;
  std::vector<OptionControl*> group_;
};

class TextControl : public Control {
 public:
  using Control::Control;
  const std::string& text() const { return text_; }
  // Every setting raises onChange, also to the text already shown.
  void setText(const std::string& text) {
    text_ = text;
    changed();
    if (onChange) onChange();
  }
  std::function<void()> onChange;

 private:
  std::string text_;
};

}  // namespace brel::options
