// The optional features window without its widgets: the settings block at
// 0x0E20, the two VFO records at 0x0F00 and 0x0F20 and the channel total,
// shown in plain-state controls whose handlers write every change into the
// memory image at once.
//
// Showing the image (RefreshOptionForm) sets the controls with their
// handlers live, so each display also writes back what a control could not
// show as stored (a list position beyond its list becomes the last entry, a
// non-zero switch byte becomes 1).  A band list that changes sets the VFO's
// band limits and commits its frequency, which shows the image again from
// inside: opening the window runs the display three times nested.
//
// The Qt window (frm_option) mirrors these controls and runs the window's
// exchange and option file; tests drive the controls directly.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "bilingual.h"
#include "field_table.h"
#include "option_settings.h"
#include "plain_controls.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel::options {

// Every settings control of the window with the option-block field it
// shows and stores: the fields both option editors show
// (option_settings.h), then this window's own.
std::span<const Field> SettingFields();
// Settings controls stored hidden in the window's layout.
bool StoredHidden(std::string_view control);

// Option block offsets the window names.
inline constexpr int kOptFlags = settings::kFlags;
inline constexpr int kOptWorkMode = settings::kWorkMode;
inline constexpr int kOptChanTotal = settings::kChannelTotal;

// The fields of a VFO record that one list each shows, named by VFO A's
// controls (Vfo::fields holds them in this order).
std::span<const Field> VfoFields();

// Band limits of the two band entries, MHz.
inline constexpr double kVhfLower = 136, kVhfUpper = 175, kUhfLower = 400, kUhfUpper = 480;

// Whether a typed character may enter a field; 0 drops it, else the
// character to insert.  Backspace is '\b'.
char FrequencyKey(const std::string& fieldText, char typed);
char ToneKey(char typed);

// The steps by which a committed frequency text becomes eight digits.  A
// text that already names a multiple of 250 Hz (at most five decimals,
// ending 00, 25, 50 or 75) is kept as it is, written with five decimals;
// any other is rounded to whole kHz and its remainder to 0, 250 or 500 Hz.
std::string RasterFrequencyText(const std::string& text);

class OptionEditor {
 public:
  struct Vfo {
    explicit Vfo(char which);
    char which;  // 'A' or 'B'
    int row;     // first image row of the record
    PlainTextBox freq, range;
    PlainList offset, rxTone, txTone, band;
    std::array<PlainList, 7> fields;  // ordered as VfoFields()
    // The list that shows `field`, one of VfoFields().
    PlainList& list(const Field& field);
  };

  enum class Kind { List, CheckBox, OptionButton, TextBox };
  struct NamedControl {
    std::string name;
    Kind kind;
    PlainControl* control;
  };

  OptionEditor(ProgramState& state, MessageSink& messages);
  ~OptionEditor();
  OptionEditor(const OptionEditor&) = delete;
  OptionEditor& operator=(const OptionEditor&) = delete;

  // --- window handlers ----------------------------------------------------
  // The load handling without captions and size: flag, lists, display.
  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  // What Default does to the image: the channel total and the option and
  // VFO defaults, shown.
  void RestoreDefaults();

  void FillOptionLists();
  void RefreshOptionForm();
  void WriteBackOptionBlock();

  // --- what the user does that is not a choice ----------------------------
  void Text_chann_total_LostFocus();
  void FrequencyLostFocus(Vfo& vfo);
  void ToneLostFocus(PlainList& toneList);

  // --- controls ----------------------------------------------------------
  // Every control by its name in the window.
  const std::vector<NamedControl>& controls() const { return named_; }
  PlainControl* find(const std::string& name) const;
  PlainList& list(const std::string& name) const;
  PlainCheckBox& check(const std::string& name) const;
  PlainOptionButton& option(const std::string& name) const;
  PlainTextBox& channelTotal() { return chanTotal_; }
  Vfo& vfoA() { return *a_; }
  Vfo& vfoB() { return *b_; }

  // How many displays ran, nested ones included, since the last reset.
  int refreshCount = 0;

  ProgramState& state() { return s_; }

 private:
  RecordBytes workingCopy();
  RecordBytes record(const Vfo& vfo);
  void buildControls();
  void wireVfo(Vfo& vfo);
  void name(const std::string& name, Kind kind, PlainControl& control, bool hidden = false);
  void warn(const Bilingual& title, const Bilingual& text);
  void showSettings();
  void showVfo(Vfo& vfo);
  void showTone(PlainList& list, const ToneCode& tone);
  void channelTotalChanged();
  void channelTotalRefused();
  void bandChosen(Vfo& vfo);
  void toneChosen(Vfo& vfo, PlainList& list, const Field& field);
  double& lower(const Vfo& vfo);
  double& upper(const Vfo& vfo);

  ProgramState& s_;
  MessageSink& messages_;
  std::deque<PlainList> lists_;
  std::deque<PlainCheckBox> checks_;
  PlainOptionButton optionChann_, optionFreq_;
  PlainTextBox chanTotal_;
  std::unique_ptr<Vfo> a_, b_;
  std::vector<NamedControl> named_;
};

}  // namespace brel::options
