// Plain stand-ins for a window's controls, so an editor's display and
// handlers run, and are tested, without widgets.
//
// Each control holds what it shows and raises its handler the way the
// desktop's controls do: a text box when its text changes, a check box when
// its ticked state changes, a list when its selected entry changes (its edit
// field's onChange when that text is set), an option button when it becomes
// selected, whether
// the user or code made the change and whether the control is shown, hidden
// or disabled.  Setting a control to what it already shows raises nothing.
// The Qt window mirrors these into its widgets and feeds the user's changes
// back through the same setters.
//
//   PlainCheckBox box;
//   box.onClick = [&] { image.byte(a) = box.checked() ? 1 : 0; };
//   box.setChecked(true);   // handler runs
//   box.setChecked(true);   // nothing happens
#pragma once

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace brel {

class PlainControl {
 public:
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    shown();
  }
  // Stored hidden: the user never sees it; code still sets it and its
  // handler still runs.
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }
  // Only a shown, enabled control takes the focus.
  bool canTakeFocus() const { return visible_ && enabled_; }
  void takeFocus() {
    if (canTakeFocus() && focusRequested) focusRequested();
  }

  // Set by a view that shows the control: runs after every change of what
  // the control shows, before its handler.
  std::function<void()> viewChanged;
  std::function<void()> focusRequested;

 protected:
  void shown() {
    if (viewChanged) viewChanged();
  }

 private:
  bool enabled_ = true;
  bool visible_ = true;
};

// A text box whose text may have to pass a check when the user leaves it
// (`leaveCheck`).  Text the user typed, and text a check refused, is due
// for the check until it passes, so a refused text is never taken as
// checked: a command that stores, saves or writes the text runs the checks
// still due first (RunDueChecks) and stops while one refuses.
class PlainTextBox : public PlainControl {
 public:
  const std::string& text() const { return text_; }
  void setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    shown();
    if (onChange) onChange();
  }
  // The user's edit: the text as it now stands, and the check is due.
  void typed(std::string text) {
    checkDue_ = true;
    setText(std::move(text));
  }
  // The field is left: its check runs, due or not; it stays due while it
  // refuses.  True when it passes (or there is none).
  bool leave() {
    const bool passed = !leaveCheck || leaveCheck();
    checkDue_ = !passed;
    return passed;
  }
  bool checkDue() const { return checkDue_; }
  std::function<void()> onChange;
  // True when the text passes; a refusal says why itself.
  std::function<bool()> leaveCheck;

 private:
  std::string text_;
  bool checkDue_ = false;
};

// Before a command stores, saves or writes: the check of each of `fields`
// that is due, in their order, up to the first that refuses.  True when
// none refused.
inline bool RunDueChecks(std::span<PlainTextBox* const> fields) {
  for (PlainTextBox* field : fields)
    if (field->checkDue() && !field->leave()) return false;
  return true;
}

class PlainCheckBox : public PlainControl {
 public:
  bool checked() const { return checked_; }
  void setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    shown();
    if (onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

// A list with a text field: entries, the selected one (-1 for none) and the
// text the field shows.  Selecting shows the entry's text; setText shows a
// text without selecting anything and raises nothing.
class PlainList : public PlainControl {
 public:
  void clear() {
    entries_.clear();
    selected_ = -1;
    text_.clear();
  }
  void addItem(std::string text) { entries_.push_back(std::move(text)); }
  // Replaces every entry at once; nothing selected, nothing raised.
  void setEntries(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    selected_ = -1;
    text_.clear();
    shown();
  }
  int count() const { return static_cast<int>(entries_.size()); }
  const std::string& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
  const std::vector<std::string>& entries() const { return entries_; }

  int selectedIndex() const { return selected_; }
  // An index outside the list is ignored.
  void select(int index) {
    if (index < 0 || index >= count() || index == selected_) return;
    selected_ = index;
    text_ = entry(index);
    shown();
    if (onClick) onClick();
  }
  const std::string& text() const { return text_; }
  void setText(std::string text) {
    text_ = std::move(text);
    shown();
  }
  // The list's edit field changed, typed or set by code: no entry is
  // selected by the text, and onChange runs (not onClick).
  void setEditText(std::string text) {
    text_ = std::move(text);
    selected_ = -1;
    shown();
    if (onChange) onChange();
  }
  // The edit field changed, typed or set by code, for a list whose
  // selection is the entry its field shows: the first entry of that text
  // becomes selected, none when no entry matches; onChange runs.  The same
  // text again raises nothing.
  void setEditTextMatching(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    selected_ = -1;
    for (int i = 0; i < count(); ++i)
      if (entries_[static_cast<std::size_t>(i)] == text_) {
        selected_ = i;
        break;
      }
    shown();
    if (onChange) onChange();
  }
  std::function<void()> onClick;
  std::function<void()> onChange;

 private:
  std::vector<std::string> entries_;
  int selected_ = -1;
  std::string text_;
};

// One of a group of option buttons: selecting it clears the others of its
// group; onClick runs when it becomes selected.
class PlainOptionButton : public PlainControl {
 public:
  bool selected() const { return selected_; }
  void setGroup(std::vector<PlainOptionButton*> group) { group_ = std::move(group); }
  const std::vector<PlainOptionButton*>& group() const { return group_; }
  void setSelected(bool selected) {
    if (selected == selected_) return;
    selected_ = selected;
    if (selected)
      for (PlainOptionButton* other : group_)
        if (other != this && other->selected_) {
          other->selected_ = false;
          other->shown();
        }
    shown();
    if (selected && onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  bool selected_ = false;
  std::vector<PlainOptionButton*> group_;
};

// A window's progress bar and the one-line status beside it: what they
// show, and `changed` after every set.
struct PlainProgress {
  bool visible = false;
  int value = 0;
  std::string label;
  std::function<void()> changed;
  void set(bool v, int val, std::string text) {
    visible = v;
    value = val;
    label = std::move(text);
    if (changed) changed();
  }
};

}  // namespace brel
