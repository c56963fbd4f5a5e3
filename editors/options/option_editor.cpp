#include "option_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "address_map.h"
#include "channel_total.h"
#include "bilingual.h"
#include "default_contents.h"
#include "exact_decimal.h"
#include "numtext.h"
#include "option_lists.h"
#include "option_texts.h"
#include "tone_code.h"
#include "vfo_record.h"

namespace brel::options {
namespace {

// The settings both option editors show, then this window's own; a list's
// entries come from SettingListItems.
constexpr Field kOwnSettings[] = {
    Renamed(settings::kSquelch, "Combo_sql"),
    {.name = "Combo_AL_Mode", .offset = 32, .kind = FieldKind::List, .entries = 3},
    {.name = "Combo_ste", .offset = 35, .kind = FieldKind::List, .entries = 2},
    {.name = "Combo_Rp_Ste", .offset = 36, .kind = FieldKind::List, .entries = 11},
    {.name = "Combo_RPT_RL", .offset = 37, .kind = FieldKind::List, .entries = 11},
    {.name = "Combo_ponmsg", .offset = 38, .kind = FieldKind::List, .entries = 2},
    {.name = "Combo_roger", .offset = 39, .kind = FieldKind::List, .entries = 2},
    {.name = "Combo_pri", .offset = 41, .kind = FieldKind::List, .entries = 128},
};
constexpr auto kSettings = JoinFields(settings::kSharedFields, kOwnSettings);

constexpr std::string_view kHidden[] = {"Combo_abr",   "Combo_MDF_A",  "Combo_MDF_B",      "Combo_wt_led",
                                        "Combo_rx_led", "Combo_tx_led", "Combo_ponmsg",     "Check_bcl",
                                        "Check_Lock",  "Check_chann_menu", "Check_chann_init", "Option_chann",
                                        "Option_freq", "Text_chann_total"};

// VFO record fields shown by one list each (VFO A's names); this window's
// step list starts at 2.5 kHz.
constexpr Field kVfoFields[] = {vfo::kShift, vfo::kSignalCode, vfo::kSpeakerMute, vfo::kOptionalSignal,
                                WithEntries(vfo::kStep, 6), vfo::kPower, vfo::kWidth};

// The display order of the settings (the VFOs follow).
enum class Step { List, Switch, SwitchTwice, WorkMode, ChanTotal, Flags };
struct RefreshStep {
  Step step;
  const char* control;
};
const RefreshStep kRefreshOrder[] = {
    {Step::List, "Combo_tot"},        {Step::List, "Combo_sql"},       {Step::List, "Combo_vox"},
    {Step::WorkMode, nullptr},        {Step::ChanTotal, nullptr},      {Step::Switch, "Check_tdr"},
    {Step::Flags, nullptr},           {Step::List, "Combo_MDF_A"},     {Step::List, "Combo_MDF_B"},
    {Step::List, "Combo_dtmfst"},     {Step::List, "Combo_abr"},       {Step::List, "Combo_voice"},
    {Step::List, "Combo_wt_led"},     {Step::List, "Combo_rx_led"},    {Step::List, "Combo_tx_led"},
    {Step::List, "Combo_ste"},        {Step::List, "Combo_Rp_Ste"},    {Step::List, "Combo_RPT_RL"},
    {Step::List, "Combo_sc_rev"},     {Step::List, "Combo_ptt_id"},    {Step::List, "Combo_ptt_lt"},
    {Step::SwitchTwice, "Check_Lock"}, {Step::SwitchTwice, "Check_Autolk"}, {Step::SwitchTwice, "Check_bcl"},
    {Step::SwitchTwice, "Check_Beep"}, {Step::List, "Combo_save"},     {Step::List, "Combo_ponmsg"},
    {Step::List, "Combo_roger"},      {Step::List, "Combo_Tdr_ab"},    {Step::List, "Combo_AL_Mode"},
    {Step::List, "Combo_pri"},
};
const char* const kFlagBoxes[] = {"Check_chann_menu", "Check_chann_init", "Check_Alarm_Sound", "Check_radio"};

constexpr Bilingual kPromptBoth{"操作提示", "操作提示"};

std::string WholeText(double v) { return std::to_string(static_cast<long long>(std::floor(v))); }

}  // namespace

std::span<const Field> SettingFields() { return kSettings; }
std::span<const Field> VfoFields() { return kVfoFields; }

bool StoredHidden(std::string_view control) {
  return std::find(std::begin(kHidden), std::end(kHidden), control) != std::end(kHidden);
}

char FrequencyKey(const std::string& fieldText, char typed) {
  const std::string trimmed = TrimBlanks(fieldText);
  if (typed == '.' && trimmed.empty()) return 0;
  if (typed == '.' || typed == '\b') return typed;
  if (typed < '0' || typed > '9') return 0;
  if (trimmed.size() > 8) return 0;
  return typed;
}

char ToneKey(char typed) {
  if ((typed >= '0' && typed <= '9') || typed == '.' || typed == 'D' || typed == 'N' || typed == 'I') return typed;
  if (typed == 'd' || typed == 'n' || typed == 'i') return static_cast<char>(typed - 'a' + 'A');
  return 0;
}

std::string RasterFrequencyText(const std::string& text) {
  const std::string t = TrimBlanks(text);
  // Judged from the digits themselves, so a value on the raster is never
  // moved by the arithmetic below.
  const ExactDecimal typed = ReadExactDecimal(t);
  if (typed.hasDigits && !typed.negative && typed.fraction.size() <= 5 && typed.whole.size() <= 3) {
    if (const auto units = typed.Units(5, Rounding::TowardZero); units && *units % 25 == 0) {
      char five[8];
      std::snprintf(five, sizeof five, "%05lld", static_cast<long long>(*units % 100000));
      return std::to_string(*units / 100000) + "." + five;
    }
  }

  const double f = TextToNumber(t);
  // The commit has checked the limits; anything else has no digits to give.
  if (!std::isfinite(f) || f < 0 || f >= 1e6) return "0.00000";
  long long w = static_cast<long long>(std::floor(f));
  long long k = static_cast<long long>(std::floor((f - static_cast<double>(w)) * 1000 + 0.5));
  if (k == 1000) {
    ++w;
    k = 0;
  }
  char khz[8];
  std::snprintf(khz, sizeof khz, "%03lld", k);
  const double g = std::floor(f * 1000 + 0.5);
  const double sub = std::floor((f * 1000 - g) * 100 + 0.5);
  const char* tail = sub < 25 ? "00" : sub < 50 ? "25" : "50";
  return std::to_string(w) + "." + khz + tail;
}

OptionEditor::Vfo::Vfo(char w) : which(w), row(w == 'A' ? addr::kVfoARow : addr::kVfoBRow) {}

PlainList& OptionEditor::Vfo::list(const Field& field) {
  for (std::size_t i = 0; i < std::size(kVfoFields); ++i)
    if (std::string_view(kVfoFields[i].name) == field.name) return fields[i];
  throw std::out_of_range(std::string("no VFO list for ") + field.name);
}

OptionEditor::OptionEditor(ProgramState& state, MessageSink& messages) : s_(state), messages_(messages) {
  buildControls();
}

OptionEditor::~OptionEditor() = default;

void OptionEditor::name(const std::string& n, Kind kind, PlainControl& control, bool hidden) {
  control.setVisible(!hidden);
  named_.push_back(NamedControl{n, kind, &control});
}

void OptionEditor::buildControls() {
  // As stored in the layout, set before any handler is attached: building
  // the window writes nothing.
  optionFreq_.setSelected(true);
  chanTotal_.setText("128");
  for (const Field& f : kSettings) {
    const std::string control = f.name;
    const bool hidden = StoredHidden(control);
    if (f.kind == FieldKind::List) {
      PlainList& list = lists_.emplace_back();
      const bool alarmMode = control == "Combo_AL_Mode";
      list.onClick = [this, &list, &f, alarmMode] {
        Encode(workingCopy(), f, list.selectedIndex());
        WriteBackOptionBlock();
        if (alarmMode) check("Check_Alarm_Sound").setEnabled(list.selectedIndex() > 0);
      };
      name(control, Kind::List, list, hidden);
    } else if (control == "Option_chann") {
      // The pair excludes each other: both store 1 for channel mode.
      optionChann_.onClick = [this, &f] {
        Encode(workingCopy(), f, optionChann_.selected() ? 1 : 0);
        WriteBackOptionBlock();
      };
      optionFreq_.onClick = [this, &f] {
        Encode(workingCopy(), f, optionFreq_.selected() ? 0 : 1);
        WriteBackOptionBlock();
      };
      name(control, Kind::OptionButton, optionChann_, hidden);
      name("Option_freq", Kind::OptionButton, optionFreq_, StoredHidden("Option_freq"));
    } else if (f.kind == FieldKind::Box) {
      PlainCheckBox& box = checks_.emplace_back();
      const bool voxEnable = control == "Check_Autolk";
      box.onClick = [this, &box, &f, voxEnable] {
        Encode(workingCopy(), f, box.checked() ? 1 : 0);
        if (voxEnable) list("Combo_vox").setEnabled(box.checked());
        WriteBackOptionBlock();
      };
      name(control, Kind::CheckBox, box, hidden);
    } else {
      chanTotal_.onChange = [this] { channelTotalChanged(); };
      name(control, Kind::TextBox, chanTotal_, hidden);
    }
  }
  optionChann_.setGroup({&optionChann_, &optionFreq_});
  optionFreq_.setGroup({&optionChann_, &optionFreq_});

  a_ = std::make_unique<Vfo>('A');
  b_ = std::make_unique<Vfo>('B');
  wireVfo(*a_);
  wireVfo(*b_);
}

void OptionEditor::wireVfo(Vfo& v) {
  const bool a = v.which == 'A';
  v.freq.onChange = [this, &v] {
    if (v.freq.text().size() <= 9) return;
    warn(kTitlePromptLower, kFrequencyTooLongText);
    v.freq.setText("");
    v.freq.takeFocus();
  };
  v.band.onClick = [this, &v] { bandChosen(v); };
  v.band.onChange = [&v] {
    if (v.band.selectedIndex() < 0) v.band.select(0);
  };
  v.offset.onClick = [this, &v] { vfo::StoreOffset(record(v), v.offset.text()); };
  v.rxTone.onClick = [this, &v] { toneChosen(v, v.rxTone, vfo::kRxTone); };
  v.txTone.onClick = [this, &v] { toneChosen(v, v.txTone, vfo::kTxTone); };
  v.range.setEnabled(false);  // display only

  // The VFO frames are stored hidden.
  const int which = a ? 0 : 1;
  name(vfo::Control("Text_Freq_a", which), Kind::TextBox, v.freq, true);
  name(vfo::Control("Combo_Offset_A", which), Kind::List, v.offset, true);
  name(vfo::Control("Combo_r_ctdcs_a", which), Kind::List, v.rxTone, true);
  name(vfo::Control("Combo_t_ctdcs_a", which), Kind::List, v.txTone, true);
  name(vfo::Control("Combo_Band_A", which), Kind::List, v.band, true);
  name(vfo::Control("Text_Range_A", which), Kind::TextBox, v.range, true);
  for (std::size_t i = 0; i < std::size(kVfoFields); ++i) {
    PlainList& list = v.fields[i];
    const Field& f = kVfoFields[i];
    list.onClick = [this, &v, &list, &f] { Encode(record(v), f, list.selectedIndex()); };
    name(vfo::Control(f.name, which), Kind::List, list, true);
  }
}

RecordBytes OptionEditor::workingCopy() {
  return RecordBytes(std::span<std::int16_t>(s_.OptionSettings.data(), addr::kOptionBlockSize));
}

RecordBytes OptionEditor::record(const Vfo& v) { return RecordBytes(s_.MemImage, v.row); }

double& OptionEditor::lower(const Vfo& v) { return v.which == 'A' ? s_.VfoALower : s_.VfoBLower; }
double& OptionEditor::upper(const Vfo& v) { return v.which == 'A' ? s_.VfoAUpper : s_.VfoBUpper; }

PlainControl* OptionEditor::find(const std::string& n) const {
  for (const NamedControl& c : named_)
    if (c.name == n) return c.control;
  return nullptr;
}

namespace {
template <class T>
T& Named(const std::vector<OptionEditor::NamedControl>& named, const std::string& n, OptionEditor::Kind kind) {
  for (const OptionEditor::NamedControl& c : named)
    if (c.name == n && c.kind == kind) return static_cast<T&>(*c.control);
  throw std::out_of_range("no control " + n);
}
}  // namespace

PlainList& OptionEditor::list(const std::string& n) const { return Named<PlainList>(named_, n, Kind::List); }
PlainCheckBox& OptionEditor::check(const std::string& n) const { return Named<PlainCheckBox>(named_, n, Kind::CheckBox); }
PlainOptionButton& OptionEditor::option(const std::string& n) const {
  return Named<PlainOptionButton>(named_, n, Kind::OptionButton);
}

void OptionEditor::warn(const Bilingual& title, const Bilingual& text) {
  messages_.show(Warn(s_.LanguageFlag, title, text));
}

// --- window handlers ---------------------------------------------------------

void OptionEditor::Form_Load() {
  s_.FormOpenFlags.OptionFormOpen = -1;
  FillOptionLists();
  RefreshOptionForm();
}

void OptionEditor::Form_Activate() {
  chanTotal_.setText(std::to_string(s_.ChannelTotal));
  RefreshOptionForm();
}

void OptionEditor::Form_Unload() { s_.FormOpenFlags.OptionFormOpen = 0; }

void OptionEditor::RestoreDefaults() {
  s_.ChannelTotal = 128;
  LoadOptionDefaults(s_);
  RefreshOptionForm();
}

void OptionEditor::FillOptionLists() {
  const std::int16_t l = s_.LanguageFlag;
  const Items tones = ToneItems(l, s_.QtDqtNames);
  const Items offsets = OffsetItems();
  for (Vfo* v : {a_.get(), b_.get()}) {
    v->list(vfo::kPower).setEntries(PowerItems(l));
    v->band.setEntries(BandItems());
    v->rxTone.setEntries(tones);
    v->txTone.setEntries(tones);
    v->list(vfo::kWidth).setEntries(WidthItems(l));
    v->list(vfo::kShift).setEntries(ShiftItems(l));
    v->offset.setEntries(offsets);
    v->list(vfo::kStep).setEntries(StepItems());
    v->list(vfo::kOptionalSignal).setEntries(OptionalSignalItems(l));
    v->list(vfo::kSpeakerMute).setEntries(SpeakMuteItems(l));
    v->list(vfo::kSignalCode).setEntries(settings::SharedListItems(vfo::kSignalCode.name, l));
  }
  for (const Field& f : kSettings)
    if (f.kind == FieldKind::List) list(f.name).setEntries(SettingListItems(f.name, l));
}

void OptionEditor::WriteBackOptionBlock() {
  for (int k = 0; k < addr::kOptionBlockSize; ++k)
    s_.MemImage.byte(addr::kOptionBlockAddress + k) = s_.OptionSettings[static_cast<std::size_t>(k)];
}

void OptionEditor::RefreshOptionForm() {
  ++refreshCount;
  for (int k = 0; k < addr::kOptionBlockSize; ++k)
    s_.OptionSettings[static_cast<std::size_t>(k)] = s_.MemImage.byte(addr::kOptionBlockAddress + k);
  showSettings();
  showVfo(*a_);
  showVfo(*b_);
}

void OptionEditor::showSettings() {
  const RecordBytes block = workingCopy();
  const auto shown = [&block](const char* control) { return Decode(block, FindField(kSettings, control)); };
  for (const RefreshStep& r : kRefreshOrder) {
    switch (r.step) {
      case Step::List:
        list(r.control).select(shown(r.control));
        break;
      case Step::Switch:
        check(r.control).setChecked(shown(r.control) == 1);
        break;
      case Step::SwitchTwice: {
        // Cleared first, so a stored byte other than 1 is stored again as 1.
        const bool on = shown(r.control) == 1;
        PlainCheckBox& box = check(r.control);
        box.setChecked(false);
        if (on) box.setChecked(true);
        if (std::string(r.control) == "Check_Autolk") list("Combo_vox").setEnabled(shown(r.control) == 1);
        break;
      }
      case Step::WorkMode:
        if (shown("Option_chann") == 1) {
          optionChann_.setSelected(true);
          optionFreq_.setSelected(false);
        } else {
          optionChann_.setSelected(false);
          optionFreq_.setSelected(true);
        }
        break;
      case Step::ChanTotal:
        chanTotal_.setText(ChannelTotalText(shown("Text_chann_total")));
        break;
      case Step::Flags: {
        // All four cleared, then those whose bit was set checked again.
        bool set[std::size(kFlagBoxes)];
        for (std::size_t i = 0; i < std::size(kFlagBoxes); ++i) set[i] = shown(kFlagBoxes[i]) == 1;
        for (const char* box : kFlagBoxes) check(box).setChecked(false);
        for (std::size_t i = 0; i < std::size(kFlagBoxes); ++i)
          if (set[i]) check(kFlagBoxes[i]).setChecked(true);
        break;
      }
    }
  }
}

void OptionEditor::showTone(PlainList& list, const ToneCode& tone) {
  if (const std::optional<int> entry = vfo::ToneEntry(tone, kFirstDcsEntry)) {
    // DCS numbers past the listed codes have no entry: shown as off.
    list.select(*entry);
    return;
  }
  // Shown as typed text; the stored bytes stay as they are.
  list.setEditText(CtcssText(tone.value));
}

void OptionEditor::showVfo(Vfo& v) {
  const RecordBytes bytes = record(v);
  v.freq.setText(vfo::FrequencyText(bytes));
  v.offset.select(vfo::OffsetEntry(vfo::OffsetKhz(bytes)));
  showTone(v.rxTone, vfo::Tone(bytes, vfo::kRxTone));
  showTone(v.txTone, vfo::Tone(bytes, vfo::kTxTone));
  v.band.select(Decode(bytes, vfo::kBand));
  for (std::size_t i = 0; i < std::size(kVfoFields); ++i) v.fields[i].select(Decode(bytes, kVfoFields[i]));
}

void OptionEditor::channelTotalChanged() {
  if (!ChannelTotalInRange(chanTotal_.text())) channelTotalRefused();
}

void OptionEditor::channelTotalRefused() {
  warn(kTitlePromptUpper, kChannelTotalText);
  chanTotal_.takeFocus();
  chanTotal_.setText("128");
}

void OptionEditor::Text_chann_total_LostFocus() {
  const std::optional<int> total = AcceptChannelTotal(chanTotal_.text());
  if (!total) {
    channelTotalRefused();
    return;
  }
  s_.ChannelTotal = static_cast<std::int16_t>(*total);
  Encode(workingCopy(), FindField(kSettings, "Text_chann_total"), *total);
  WriteBackOptionBlock();
}

// --- VFO rules -----------------------------------------------------------------

void OptionEditor::bandChosen(Vfo& v) {
  const int i = v.band.selectedIndex();
  lower(v) = i == 0 ? kVhfLower : kUhfLower;
  upper(v) = i == 0 ? kVhfUpper : kUhfUpper;
  const double m = std::floor(TextToNumber(v.freq.text()));
  if (m < lower(v) || m >= upper(v)) v.freq.setText(WholeText(lower(v)) + ".02500");
  v.range.setText(WholeText(lower(v)) + " - " + WholeText(upper(v) - 1) + ".9950");
  Encode(record(v), vfo::kBand, i);
  FrequencyLostFocus(v);
}

void OptionEditor::FrequencyLostFocus(Vfo& v) {
  const double f = TextToNumber(v.freq.text());
  if (f < lower(v) || f > upper(v)) {
    messages_.show(Warn(s_.LanguageFlag, kPromptBoth, kFrequencyOutOfBandText));
    v.freq.takeFocus();
    v.freq.setText(f < lower(v) ? WholeText(lower(v)) + ".02500" : WholeText(upper(v) - 1) + ".62500");
  }
  v.freq.setText(RasterFrequencyText(v.freq.text()));
  vfo::StoreFrequency(record(v), v.freq.text());
  RefreshOptionForm();
}

void OptionEditor::toneChosen(Vfo& v, PlainList& list, const Field& field) {
  vfo::StoreTone(record(v), field, vfo::EntryTone(list.selectedIndex(), list.text(), kFirstDcsEntry));
}

void OptionEditor::ToneLostFocus(PlainList& list) {
  const int before = list.selectedIndex();
  std::string t = TrimBlanks(list.text());
  const double v = TextToNumber(t);
  // The number as written plainly ("067.00" is 67.0, "67.05" stays 67.05).
  if (v >= 60 && v <= 259.9) t = NumberToTrimmedText(v) + (v == std::floor(v) ? ".0" : "");
  for (int i = 0; i < list.count() && i < static_cast<int>(s_.QtDqtNames.size()); ++i)
    if (s_.QtDqtNames[static_cast<std::size_t>(i)] == t) {
      list.select(i);
      return;
    }
  list.select(before);
  RefreshOptionForm();
}

}  // namespace brel::options
