#include "option_form.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "address_map.h"
#include "bits.h"
#include "channel_total.h"
#include "bilingual.h"
#include "default_contents.h"
#include "exact_decimal.h"
#include "image_file.h"
#include "link_texts.h"
#include "numtext.h"
#include "option_lists.h"
#include "option_texts.h"
#include "tone_code.h"

namespace brel::options {
namespace {

// Lists first, then the boxes; a list's entries come from SettingListItems.
const std::vector<SettingBinding> kBindings = {
    {"Combo_sql", Rule::List, 0},
    {"Combo_save", Rule::List, 3},
    {"Combo_vox", Rule::List, 4},
    {"Combo_abr", Rule::List, 6, 0, true},
    {"Combo_tot", Rule::List, 9},
    {"Combo_voice", Rule::List, 14},
    {"Combo_dtmfst", Rule::List, 16},
    {"Combo_sc_rev", Rule::List, 18},
    {"Combo_ptt_id", Rule::List, 19},
    {"Combo_ptt_lt", Rule::List, 20},
    {"Combo_MDF_A", Rule::List, 21, 0, true},
    {"Combo_MDF_B", Rule::List, 22, 0, true},
    {"Combo_wt_led", Rule::List, 29, 0, true},
    {"Combo_rx_led", Rule::List, 30, 0, true},
    {"Combo_tx_led", Rule::List, 31, 0, true},
    {"Combo_AL_Mode", Rule::List, 32},
    {"Combo_Tdr_ab", Rule::List, 34},
    {"Combo_ste", Rule::List, 35},
    {"Combo_Rp_Ste", Rule::List, 36},
    {"Combo_RPT_RL", Rule::List, 37},
    {"Combo_ponmsg", Rule::List, 38, 0, true},
    {"Combo_roger", Rule::List, 39},
    {"Combo_pri", Rule::List, 41},
    {"Check_tdr", Rule::Switch, 7},
    {"Check_Beep", Rule::Switch, 8},
    {"Check_bcl", Rule::Switch, 23, 0, true},
    {"Check_Autolk", Rule::Switch, 24},
    {"Check_Lock", Rule::Switch, 45, 0, true},
    {"Check_chann_menu", Rule::FlagBit, kOptFlags, 1, true},
    {"Check_chann_init", Rule::FlagBit, kOptFlags, 2, true},
    {"Check_Alarm_Sound", Rule::FlagBit, kOptFlags, 8},
    {"Check_radio", Rule::FlagBit, kOptFlags, 16},
    {"Option_chann", Rule::WorkMode, 44, 0, true},
    {"Option_freq", Rule::WorkMode, 44, 0, true},
    {"Text_chann_total", Rule::ChannelTotal, kOptChanTotal, 0, true},
};

const std::vector<VfoField> kVfoFields = {
    {"Combo_sft_d_a", "Combo_sft_d_b", 28, 4, 4},   {"Combo_S_info_a", "Combo_S_info_b", 28, 0, 4},
    {"Combo_Spmute_a", "Combo_Spmute_b", 29, 4, 4}, {"Combo_Optsig_a", "Combo_OptSig_b", 29, 0, 4},
    {"Combo_step_a", "Combo_step_b", 30, 4, 4},     {"Combo_txp_a", "Combo_txp_b", 31, 7, 1},
    {"Combo_wn_a", "Combo_wn_b", 31, 6, 1},
};

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

constexpr int kVfoFreq = 8;     // +8..+15, one digit a byte
constexpr int kVfoOffset = 16;  // +16..+21
constexpr int kVfoRxTone = 22;
constexpr int kVfoTxTone = 24;
constexpr int kVfoBand = 26;

constexpr Bilingual kPromptBoth{"操作提示", "操作提示"};

std::string WholeText(double v) { return std::to_string(static_cast<long long>(std::floor(v))); }

int DigitAt(const std::string& t, std::size_t position) {  // 1-based
  if (position == 0 || position > t.size()) return 0;
  const char c = t[position - 1];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

const std::vector<SettingBinding>& SettingBindings() { return kBindings; }
const std::vector<VfoField>& VfoBitFields() { return kVfoFields; }

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

OptionForm::Vfo::Vfo(char w) : which(w), row(w == 'A' ? addr::kVfoARow : addr::kVfoBRow) {}

OptionForm::OptionForm(ProgramState& state, MessageSink& messages) : s_(state), messages_(messages) {
  buildControls();
}

OptionForm::~OptionForm() = default;

void OptionForm::name(const std::string& n, Kind kind, PlainControl& control, bool hidden) {
  control.setVisible(!hidden);
  named_.push_back(NamedControl{n, kind, &control});
}

void OptionForm::buildControls() {
  // As stored in the layout, set before any handler is attached: building
  // the window writes nothing.
  optionFreq_.setSelected(true);
  chanTotal_.setText("128");
  for (const SettingBinding& b : kBindings) {
    const std::string control = b.control;
    switch (b.rule) {
      case Rule::List: {
        PlainList& list = lists_.emplace_back();
        const int offset = b.offset;
        const bool alarmMode = control == "Combo_AL_Mode";
        list.onClick = [this, &list, offset, alarmMode] {
          setting(offset) = static_cast<std::int16_t>(list.selectedIndex());
          WriteBackOptionBlock();
          if (alarmMode) check("Check_Alarm_Sound").setEnabled(list.selectedIndex() > 0);
        };
        name(control, Kind::List, list, b.hidden);
        break;
      }
      case Rule::Switch: {
        PlainCheckBox& box = checks_.emplace_back();
        const int offset = b.offset;
        const bool voxEnable = control == "Check_Autolk";
        box.onClick = [this, &box, offset, voxEnable] {
          setting(offset) = box.checked() ? 1 : 0;
          if (voxEnable) list("Combo_vox").setEnabled(box.checked());
          WriteBackOptionBlock();
        };
        name(control, Kind::CheckBox, box, b.hidden);
        break;
      }
      case Rule::FlagBit: {
        PlainCheckBox& box = checks_.emplace_back();
        const int bit = b.bit;
        box.onClick = [this, &box, bit] {
          std::int16_t& flags = setting(kOptFlags);
          flags = static_cast<std::int16_t>(box.checked() ? flags | bit : flags & 0xFF & ~bit);
          WriteBackOptionBlock();
        };
        name(control, Kind::CheckBox, box, b.hidden);
        break;
      }
      case Rule::WorkMode: {
        const bool channel = control == "Option_chann";
        PlainOptionButton& button = channel ? optionChann_ : optionFreq_;
        button.onClick = [this, &button, channel] {
          setting(kOptWorkMode) = static_cast<std::int16_t>(button.selected() == channel ? 1 : 0);
          WriteBackOptionBlock();
        };
        name(control, Kind::OptionButton, button, b.hidden);
        break;
      }
      case Rule::ChannelTotal:
        chanTotal_.onChange = [this] { channelTotalChanged(); };
        name(control, Kind::TextBox, chanTotal_, b.hidden);
        break;
    }
  }
  optionChann_.setGroup({&optionChann_, &optionFreq_});
  optionFreq_.setGroup({&optionChann_, &optionFreq_});

  a_ = std::make_unique<Vfo>('A');
  b_ = std::make_unique<Vfo>('B');
  wireVfo(*a_);
  wireVfo(*b_);
}

void OptionForm::wireVfo(Vfo& v) {
  const bool a = v.which == 'A';
  v.freq.onChange = [this, &v] {
    if (v.freq.text().size() <= 9) return;
    warn("操作提示", "Operate prompt", kFrequencyTooLongText.zh, kFrequencyTooLongText.en);
    v.freq.setText("");
    v.freq.takeFocus();
  };
  v.band.onClick = [this, &v] { bandChosen(v); };
  v.band.onChange = [&v] {
    if (v.band.selectedIndex() < 0) v.band.select(0);
  };
  v.offset.onClick = [this, &v] {
    const std::string t = TrimBlanks(v.offset.text());
    vfoByte(v, kVfoOffset) = 0;
    const std::size_t positions[] = {1, 2, 4, 5, 6};
    for (int i = 0; i < 5; ++i) vfoByte(v, kVfoOffset + 1 + i) = static_cast<std::int16_t>(DigitAt(t, positions[i]));
  };
  v.rxTone.onClick = [this, &v] { toneChosen(v, v.rxTone, kVfoRxTone); };
  v.txTone.onClick = [this, &v] { toneChosen(v, v.txTone, kVfoTxTone); };
  v.range.setEnabled(false);  // display only

  // The VFO frames are stored hidden.
  name(a ? "Text_Freq_a" : "Text_Freq_b", Kind::TextBox, v.freq, true);
  name(a ? "Combo_Offset_A" : "Combo_offset_b", Kind::List, v.offset, true);
  name(a ? "Combo_r_ctdcs_a" : "Combo_r_ctdcs_b", Kind::List, v.rxTone, true);
  name(a ? "Combo_t_ctdcs_a" : "Combo_t_ctdcs_b", Kind::List, v.txTone, true);
  name(a ? "Combo_Band_A" : "Combo_Band_B", Kind::List, v.band, true);
  name(a ? "Text_Range_A" : "Text_Range_B", Kind::TextBox, v.range, true);
  for (std::size_t i = 0; i < kVfoFields.size(); ++i) {
    PlainList& list = v.fields[i];
    const VfoField f = kVfoFields[i];
    list.onClick = [this, &v, &list, f] {
      std::int16_t& byte = vfoByte(v, f.offset);
      byte = static_cast<std::int16_t>(WithBits(byte & 0xFF, f.shift, f.width, list.selectedIndex()));
    };
    name(a ? f.controlA : f.controlB, Kind::List, list, true);
  }
}

std::int16_t& OptionForm::setting(int offset) {
  return s_.OptionSettings.at(static_cast<std::size_t>(s_.OptionIndex.at(static_cast<std::size_t>(offset))));
}

std::int16_t& OptionForm::vfoByte(const Vfo& v, int offset) { return s_.MemImage.at(v.row + offset / 16, offset % 16); }

double& OptionForm::lower(const Vfo& v) { return v.which == 'A' ? s_.VfoALower : s_.VfoBLower; }
double& OptionForm::upper(const Vfo& v) { return v.which == 'A' ? s_.VfoAUpper : s_.VfoBUpper; }

PlainControl* OptionForm::find(const std::string& n) const {
  for (const NamedControl& c : named_)
    if (c.name == n) return c.control;
  return nullptr;
}

namespace {
template <class T>
T& Named(const std::vector<OptionForm::NamedControl>& named, const std::string& n, OptionForm::Kind kind) {
  for (const OptionForm::NamedControl& c : named)
    if (c.name == n && c.kind == kind) return static_cast<T&>(*c.control);
  throw std::out_of_range("no control " + n);
}
}  // namespace

PlainList& OptionForm::list(const std::string& n) const { return Named<PlainList>(named_, n, Kind::List); }
PlainCheckBox& OptionForm::check(const std::string& n) const { return Named<PlainCheckBox>(named_, n, Kind::CheckBox); }
PlainOptionButton& OptionForm::option(const std::string& n) const {
  return Named<PlainOptionButton>(named_, n, Kind::OptionButton);
}

void OptionForm::warn(const char* zhTitle, const char* enTitle, const char* zh, const char* en) {
  messages_.show(Warn(s_.LanguageFlag, Bilingual{zhTitle, enTitle}, Bilingual{zh, en}));
}

// --- window handlers ---------------------------------------------------------

void OptionForm::Form_Load() {
  s_.FormOpenFlags.OptionFormOpen = -1;
  FillOptionLists();
  RefreshOptionForm();
  progress_.set(false, progress_.value, progress_.label);
}

void OptionForm::Form_Activate() {
  chanTotal_.setText(std::to_string(s_.ChannelTotal));
  RefreshOptionForm();
}

void OptionForm::Command_def_Click() {
  if (busy()) {
    warn(kTitlePromptLower.zh, kTitlePromptLower.en, kBusyText.zh, kBusyText.en);
    return;
  }
  resetProgress();
  s_.ChannelTotal = 128;
  LoadOptionDefaults(s_);
  RefreshOptionForm();
}

bool OptionForm::queryUnload() {
  if (busy()) {
    warn(kTitlePromptLower.zh, kTitlePromptLower.en, kCloseRefusedEditorText.zh, kCloseRefusedEditorText.en);
    return false;
  }
  if (transfer_) transfer_->stop();
  return true;
}

void OptionForm::Form_Unload() {
  if (transfer_) transfer_->stop();
  s_.FormOpenFlags.OptionFormOpen = 0;
}

void OptionForm::attachLink(StatusPanels& panels, link::LinkServices& services) {
  transfer_ = std::make_unique<OptionTransfer>(s_, messages_, panels, services, static_cast<link::TransferView&>(*this));
}

void OptionForm::Command_read_Click() {
  if (transfer_) {
    transfer_->read();
    return;
  }
  s_.PortErrorFlag = -1;
  messages_.show(Warn(s_.LanguageFlag, kTitlePromptUpper, link::texts::kPortErrorShort));
}

void OptionForm::Command_Write_Click() {
  if (transfer_) {
    transfer_->write();
    return;
  }
  s_.PortErrorFlag = -1;
  messages_.show(Warn(s_.LanguageFlag, kTitlePromptUpper, link::texts::kPortErrorShort));
}

void OptionForm::setProgressValue(int value) { progress_.set(progress_.visible, value, progress_.label); }
void OptionForm::setProgressVisible(bool visible) { progress_.set(visible, progress_.value, progress_.label); }
void OptionForm::setStatusText(const std::string& text) { progress_.set(progress_.visible, progress_.value, text); }

void OptionForm::resetProgress() { progress_.set(false, 0, ""); }

void OptionForm::FillOptionLists() {
  const std::int16_t l = s_.LanguageFlag;
  const Items tones = ToneItems(l, s_.QtDqtNames);
  const Items offsets = OffsetItems();
  for (Vfo* v : {a_.get(), b_.get()}) {
    v->field(5).setEntries(PowerItems(l));
    v->band.setEntries(BandItems());
    v->rxTone.setEntries(tones);
    v->txTone.setEntries(tones);
    v->field(6).setEntries(WidthItems(l));
    v->field(0).setEntries(ShiftItems(l));
    v->offset.setEntries(offsets);
    v->field(4).setEntries(StepItems());
    v->field(3).setEntries(OptionalSignalItems(l));
    v->field(2).setEntries(SpeakMuteItems(l));
    v->field(1).setEntries(SignalCodeItems());
  }
  for (const SettingBinding& b : kBindings)
    if (b.rule == Rule::List) list(b.control).setEntries(SettingListItems(b.control, l));
}

void OptionForm::WriteBackOptionBlock() {
  for (int k = 0; k < addr::kOptionBlockSize; ++k)
    s_.MemImage.byte(addr::kOptionBlockAddress + k) = s_.OptionSettings[static_cast<std::size_t>(k)];
}

void OptionForm::listRule(PlainList& list, int value) {
  const int last = list.count() - 1;
  list.select(std::clamp(value, 0, std::max(last, 0)));
}

void OptionForm::RefreshOptionForm() {
  ++refreshCount;
  for (int k = 0; k < addr::kOptionBlockSize; ++k)
    s_.OptionSettings[static_cast<std::size_t>(k)] = s_.MemImage.byte(addr::kOptionBlockAddress + k);
  showSettings();
  showVfo(*a_);
  showVfo(*b_);
}

void OptionForm::showSettings() {
  for (const RefreshStep& r : kRefreshOrder) {
    const SettingBinding* b = nullptr;
    if (r.control != nullptr)
      for (const SettingBinding& x : kBindings)
        if (std::string(x.control) == r.control) b = &x;
    switch (r.step) {
      case Step::List:
        listRule(list(r.control), setting(b->offset));
        break;
      case Step::Switch:
        check(r.control).setChecked(setting(b->offset) != 0);
        break;
      case Step::SwitchTwice: {
        const bool on = setting(b->offset) != 0;
        PlainCheckBox& box = check(r.control);
        box.setChecked(false);
        if (on) box.setChecked(true);
        if (std::string(r.control) == "Check_Autolk") list("Combo_vox").setEnabled(setting(b->offset) != 0);
        break;
      }
      case Step::WorkMode:
        if (setting(kOptWorkMode) != 0) {
          optionChann_.setSelected(true);
          optionFreq_.setSelected(false);
        } else {
          optionChann_.setSelected(false);
          optionFreq_.setSelected(true);
        }
        break;
      case Step::ChanTotal:
        chanTotal_.setText(ChannelTotalText(setting(kOptChanTotal)));
        break;
      case Step::Flags: {
        const int flags = setting(kOptFlags);
        for (const char* box : kFlagBoxes) check(box).setChecked(false);
        for (const SettingBinding& x : kBindings)
          if (x.rule == Rule::FlagBit && (flags & x.bit) != 0) check(x.control).setChecked(true);
        break;
      }
    }
  }
}

void OptionForm::showTone(PlainList& list, int lo, int hi) {
  const ToneCode tone = DecodeTone(lo, hi, ToneOffRule::Vfo);
  if (tone.kind == ToneCode::Kind::Ctcss) {
    // Shown as typed text; the stored bytes stay as they are.
    list.setEditText(CtcssText(tone.value));
    return;
  }
  // DCS numbers past the listed codes have no entry: shown as off.
  list.select(tone.IsListedDcs() ? kFirstDcsEntry - 1 + tone.value : 0);
}

void OptionForm::showVfo(Vfo& v) {
  // Frequency digits, a leading 0 left out, the point always.
  v.freq.setText("");
  const int first = vfoByte(v, kVfoFreq);
  if (first >= 1 && first <= 9) v.freq.setText(v.freq.text() + std::to_string(first));
  for (int i = 1; i < 8; ++i) {
    if (i == 3) v.freq.setText(v.freq.text() + ".");
    const int d = vfoByte(v, kVfoFreq + i);
    if (d >= 0 && d <= 9) v.freq.setText(v.freq.text() + std::to_string(d));
  }

  std::string joined;
  for (int i = 0; i < 6; ++i) joined += std::to_string(vfoByte(v, kVfoOffset + i));
  // The offset in kHz over 50: the nearest entry, the last when beyond.
  const double n = TextToNumber(joined) / 50;
  const int last = kOffsetEntries - 1;
  listRule(v.offset, n > last ? last : static_cast<int>(RoundHalfEven(n)));

  showTone(v.rxTone, vfoByte(v, kVfoRxTone), vfoByte(v, kVfoRxTone + 1));
  showTone(v.txTone, vfoByte(v, kVfoTxTone), vfoByte(v, kVfoTxTone + 1));
  v.band.select(vfoByte(v, kVfoBand) >= 1 ? 1 : 0);
  for (std::size_t i = 0; i < kVfoFields.size(); ++i) {
    const VfoField& f = kVfoFields[i];
    listRule(v.fields[i], BitsOf(vfoByte(v, f.offset), f.shift, f.width));
  }
}

void OptionForm::channelTotalChanged() {
  if (!ChannelTotalInRange(chanTotal_.text())) channelTotalRefused();
}

void OptionForm::channelTotalRefused() {
  warn(kTitlePromptUpper.zh, kTitlePromptUpper.en, kChannelTotalText.zh, kChannelTotalText.en);
  chanTotal_.takeFocus();
  chanTotal_.setText("128");
}

void OptionForm::Text_chann_total_LostFocus() {
  const std::optional<int> total = AcceptChannelTotal(chanTotal_.text());
  if (!total) {
    channelTotalRefused();
    return;
  }
  s_.ChannelTotal = static_cast<std::int16_t>(*total);
  setting(kOptChanTotal) = s_.ChannelTotal;
  WriteBackOptionBlock();
}

// --- VFO rules -----------------------------------------------------------------

void OptionForm::bandChosen(Vfo& v) {
  const int i = v.band.selectedIndex();
  lower(v) = i == 0 ? kVhfLower : kUhfLower;
  upper(v) = i == 0 ? kVhfUpper : kUhfUpper;
  const double m = std::floor(TextToNumber(v.freq.text()));
  if (m < lower(v) || m >= upper(v)) v.freq.setText(WholeText(lower(v)) + ".02500");
  v.range.setText(WholeText(lower(v)) + " - " + WholeText(upper(v) - 1) + ".9950");
  vfoByte(v, kVfoBand) = static_cast<std::int16_t>(i);
  FrequencyLostFocus(v);
}

void OptionForm::FrequencyLostFocus(Vfo& v) {
  const double f = TextToNumber(v.freq.text());
  if (f < lower(v) || f > upper(v)) {
    messages_.show(Warn(s_.LanguageFlag, kPromptBoth, kFrequencyOutOfBandText));
    v.freq.takeFocus();
    v.freq.setText(f < lower(v) ? WholeText(lower(v)) + ".02500" : WholeText(upper(v) - 1) + ".62500");
  }
  v.freq.setText(RasterFrequencyText(v.freq.text()));

  std::string t = TrimBlanks(v.freq.text());
  if (t.size() == 8) t = "0" + t;
  const std::size_t positions[] = {1, 2, 3, 5, 6, 7, 8, 9};
  for (int i = 0; i < 8; ++i) vfoByte(v, kVfoFreq + i) = static_cast<std::int16_t>(DigitAt(t, positions[i]));
  RefreshOptionForm();
}

void OptionForm::toneChosen(Vfo& v, PlainList& list, int offset) {
  const int i = list.selectedIndex();
  const ToneCode tone = i >= kFirstDcsEntry ? ToneCode::Dcs(i - (kFirstDcsEntry - 1))
                        : i > 0             ? CtcssFromText(list.text())
                                            : ToneCode::Off();
  const ToneBytes bytes = EncodeTone(tone, ToneOffRule::Vfo);
  vfoByte(v, offset) = static_cast<std::int16_t>(bytes.lo);
  vfoByte(v, offset + 1) = static_cast<std::int16_t>(bytes.hi);
}

void OptionForm::ToneLostFocus(PlainList& list) {
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

// --- option parameter file ---------------------------------------------------

bool OptionForm::LoadImageFile(const std::string& path) {
  const int count = (addr::kLastImageRowInUse + 1) * kParamValuesPerLine;
  const ParamReadResult read = ReadParamValues(path, count);
  if (!read.ok()) {
    messages_.show(Message{Pick(s_.LanguageFlag, kTitlePromptLower),
                           ParamFileNotLoadedText(s_.LanguageFlag, path, read.error), MessageIcon::Warning});
    return false;
  }
  ValuesToRows(read.values, s_.MemImage, 0, addr::kLastImageRowInUse);
  RefreshOptionForm();
  warn(kTitlePromptLower.zh, kTitlePromptLower.en, kParamFileReadText.zh, kParamFileReadText.en);
  resetProgress();
  return true;
}

bool OptionForm::SaveImageFile(const std::string& path) {
  if (auto error = SaveTableRows(s_.MemImage, 0, addr::kLastImageRowInUse, path)) {
    messages_.show(Message{Pick(s_.LanguageFlag, kTitlePromptLower),
                           ParamFileNotSavedText(s_.LanguageFlag, path, *error), MessageIcon::Warning});
    return false;
  }
  progress_.set(progress_.visible, progress_.value, Pick(s_.LanguageFlag, kFileSavedLabel));
  warn(kTitlePromptLower.zh, kTitlePromptLower.en, kParamFileSavedText.zh, kParamFileSavedText.en);
  return true;
}

}  // namespace brel::options
