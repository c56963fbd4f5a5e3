#include "legacy_options_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "legacy_options_lists.h"
#include "legacy_options_texts.h"
#include "band_limit.h"
#include "channel_total.h"
#include "exact_decimal.h"
#include "field_table.h"
#include "file_and_tell.h"
#include "image_file.h"
#include "link_texts.h"
#include "numtext.h"
#include "option_settings.h"
#include "tone_code.h"
#include "vfo_record.h"

namespace brel::legacy_options {
namespace {

// The settings block as this window sees it: the fields both option
// editors show, then this window's own.  Offsets without a field, 43 and
// bit 2 of 42 are always stored as 0.
constexpr Field kOwnSettings[] = {
    Renamed(settings::kSquelch, "Combo_sql_le"),
    {.name = "Check_comp", .offset = 39, .kind = FieldKind::Box},
    {.name = "Check_chann_syn", .offset = settings::kFlags, .shift = 5, .width = 1, .kind = FieldKind::Box},
    {.name = "Check_alarm_Veskold", .offset = settings::kFlags, .shift = 6, .width = 1, .kind = FieldKind::Box},
    {.name = "Option_band_b", .offset = settings::kFlags, .shift = 7, .width = 1, .kind = FieldKind::Box},
};
constexpr auto kSettings = JoinFields(settings::kSharedFields, kOwnSettings);
constexpr int kPassword = 47;  // six digits, 47..52
constexpr int kPasswordDigits = 6;
constexpr int kLimits[4] = {53, 55, 57, 59};  // d0, d1, t0, t1

// The option file: stage rows 0..11, told with this window's own texts.
constexpr int kFileLastRow = 11;
constexpr FileTexts kFileTexts{kFileLoaded, kFileSaved, kTitlePromptUpper, kTitlePromptUpper};

// The packed fields of a VFO record, each shown by one list (VFO A's name):
// this window's step list starts at 5 kHz, and it shows the scrambler.
constexpr Field kScramblerField{
    .name = "Combo_scr_a", .offset = 30, .shift = 0, .width = 4, .kind = FieldKind::List, .entries = 9};
constexpr Field kVfoPacked[] = {
    vfo::kShift,
    vfo::kSignalCode,
    vfo::kSpeakerMute,
    vfo::kOptionalSignal,
    WithEntries(vfo::kStep, 5),
    kScramblerField,
    vfo::kPower,
    vfo::kWidth,
};

// VFO A's controls; vfo::Control gives VFO B's.
constexpr const char* kFreq = "Text_Freq_a";
constexpr const char* kOffsetList = "Combo_Offset_A";
constexpr const char* kRxTone = "Combo_r_ctdcs_a";
constexpr const char* kTxTone = "Combo_t_ctdcs_a";
constexpr const char* kScrambler = kScramblerField.name;

// Lists whose change handler puts a list without selection back on its
// first entry.  The display lists, scan resume and ring time have none.
const char* const kUnguarded[] = {"Combo_MDF_A", "Combo_MDF_B", "Combo_dtmfst", "Combo_ring", "Combo_sc_rev"};

const char* const kCheckBoxes[] = {"Check_radio", "Check_ANI",      "Check_Alarm_Sound", "Check_alarm_Veskold",
                                   "Check_tdr",   "Check_chann_menu", "Check_chann_init", "Check_chann_syn",
                                   "Check_Lock",  "Check_Autolk",   "Check_bcl",         "Check_Beep",
                                   "Check_comp"};

// The characters of a text (UTF-8 code points), so "位" counts one.
std::u32string Characters(const std::string& text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const int length = c < 0x80 ? 1 : c >> 5 == 6 ? 2 : c >> 4 == 14 ? 3 : c >> 3 == 30 ? 4 : 1;
    char32_t point = length == 1 ? c : c & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < text.size(); ++k)
      point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    out.push_back(point);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

// The digit at 1-based `position`, 0 for a missing or other character.
int DigitAt(const std::u32string& t, std::size_t position) {
  if (position == 0 || position > t.size()) return 0;
  const char32_t c = t[position - 1];
  return c >= U'0' && c <= U'9' ? static_cast<int>(c - U'0') : 0;
}

std::string WholeText(double v) { return std::to_string(static_cast<long long>(std::floor(v))); }

// Two bytes of a programmable VFO limit from its text: the number's whole
// part as the hundreds and packed tens and units.  A text that names no
// limit of three digits (damaged bytes show as "151515") is stored
// character by character: the first digit, then 16 x the second + the third.
BandLimitBytes LimitBytes(const std::string& text) {
  const std::string t = TrimBlanks(text);
  const ExactDecimal v = ReadExactDecimal(t);
  if (!v.negative) {
    if (const auto whole = v.Units(0, Rounding::TowardZero); whole && *whole <= kMaxBandLimit)
      if (const auto bytes = ToBandLimitBytes(static_cast<int>(*whole))) return *bytes;
  }
  const std::u32string chars = Characters(t);
  return {static_cast<std::uint8_t>(DigitAt(chars, 1)),
          static_cast<std::uint8_t>(16 * DigitAt(chars, 2) + DigitAt(chars, 3))};
}

// A typed VFO frequency in its normal form: whole MHz, ".", three kHz digits
// and the part below the kHz to the quarter kHz (00, 25, 50, 75).  Read
// digit by digit, so 145.005 stays 145.00500; a rest of half a kHz or more
// keeps its kHz digits (145.0056 gives 145.00550).
std::string NormalFrequencyText(const ExactDecimal& v) {
  const long long mhz = v.Units(0, Rounding::Floor).value_or(0);
  const int khz = 100 * v.FractionDigit(1) + 10 * v.FractionDigit(2) + v.FractionDigit(3);
  const int rest = 10 * v.FractionDigit(4) + v.FractionDigit(5) + (v.FractionDigit(6) >= 5 ? 1 : 0);
  const char* tail = rest < 25 ? "00" : rest < 50 ? "25" : rest < 75 ? "50" : "75";
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%03d%s", mhz, khz, tail);
  return text;
}

}  // namespace

LegacyOptionsEditor::LegacyOptionsEditor(ProgramState& state, MessageSink& messages, Instance instance)
    : s_(state), messages_(messages), instance_(instance) {
  buildControls();
  view_.replaced = [this] { RefreshAdjModForm(); };
}

LegacyOptionsEditor::~LegacyOptionsEditor() = default;

void LegacyOptionsEditor::attachLink(StatusPanels& panels, link::LinkServices& services) {
  transfer_ = std::make_unique<LegacyOptionsTransfer>(link::LinkContext{s_, messages_, panels, services},
                                                      view_, image());
}

void LegacyOptionsEditor::add(const std::string& name, Kind kind, PlainControl& control) {
  named_.push_back(NamedControl{name, kind, &control});
}

void LegacyOptionsEditor::buildControls() {
  std::vector<std::string> listNames;
  for (const ListSpec& l : kSettingLists) listNames.emplace_back(l.control);
  for (const VfoListSpec& l : kVfoLists) {
    listNames.emplace_back(vfo::Control(l.control, 0));
    listNames.emplace_back(vfo::Control(l.control, 1));
  }
  for (const std::string& name : listNames) {
    PlainList& list = lists_[name];
    add(name, Kind::List, list);
    const bool tone = name.find("_ctdcs_") != std::string::npos;
    const bool unguarded = std::find(std::begin(kUnguarded), std::end(kUnguarded), name) != std::end(kUnguarded);
    if (tone) {
      list.onChange = [this, &list] {
        if (!toneKeyPending_) return;
        if (list.selectedIndex() < 0 && list.count() > 0) list.select(0);
        toneKeyPending_ = false;
      };
    } else if (!unguarded) {
      list.onChange = [&list] {
        if (list.selectedIndex() < 0 && list.count() > 0) list.select(0);
      };
    }
  }
  for (const char* name : kCheckBoxes) add(name, Kind::CheckBox, checks_[name]);
  for (const char* name : {"Option_freq", "Option_chann", "Option_band_a", "Option_band_b"})
    add(name, Kind::OptionButton, options_[name]);
  for (const TypedField f : {TypedField::FreqA, TypedField::FreqB, TypedField::ChannelTotal, TypedField::Password,
                             TypedField::RxLower, TypedField::RxUpper, TypedField::TxLower, TypedField::TxUpper})
    add(FieldName(f), Kind::TextBox, texts_[FieldName(f)]);

  options_["Option_freq"].setGroup({&options_["Option_freq"], &options_["Option_chann"]});
  options_["Option_chann"].setGroup({&options_["Option_freq"], &options_["Option_chann"]});
  options_["Option_band_a"].setGroup({&options_["Option_band_a"], &options_["Option_band_b"]});
  options_["Option_band_b"].setGroup({&options_["Option_band_a"], &options_["Option_band_b"]});

  // Channel sync and dual watch; the compander and the scramblers.
  PlainCheckBox& tdr = checks_["Check_tdr"];
  PlainCheckBox& syn = checks_["Check_chann_syn"];
  PlainCheckBox& comp = checks_["Check_comp"];
  syn.onClick = [&syn, &tdr] {
    if (syn.checked()) tdr.setChecked(false);
  };
  tdr.onClick = [this, &tdr] { lists_["Combo_Tdr_ab"].setEnabled(tdr.checked()); };
  comp.onClick = [this, &comp] {
    if (!comp.checked()) return;
    lists_[vfo::Control(kScrambler, 0)].select(0);
    lists_[vfo::Control(kScrambler, 1)].select(0);
  };
  for (const int which : {0, 1}) {
    PlainList& scrambler = lists_[vfo::Control(kScrambler, which)];
    scrambler.onClick = [&scrambler, &comp] {
      if (scrambler.selectedIndex() > 0) comp.setChecked(false);
    };
  }
  texts_["Text_chann_total"].onChange = [this] { channelTotalChange(); };
}

const char* LegacyOptionsEditor::FieldName(TypedField f) {
  switch (f) {
    case TypedField::ChannelTotal: return "Text_chann_total";
    case TypedField::FreqA: return "Text_Freq_a";
    case TypedField::FreqB: return "Text_Freq_b";
    case TypedField::Password: return "Text_menu_pwd";
    case TypedField::RxLower: return "Text_pvfo_d0";
    case TypedField::RxUpper: return "Text_pvfo_d1";
    case TypedField::TxLower: return "Text_pvfo_t0";
    case TypedField::TxUpper: return "Text_pvfo_t1";
  }
  return "";
}

PlainControl* LegacyOptionsEditor::find(const std::string& name) const {
  for (const NamedControl& c : named_)
    if (c.name == name) return c.control;
  return nullptr;
}

template <typename T>
static T& Named(const std::map<std::string, T>& controls, const std::string& name) {
  auto it = controls.find(name);
  if (it == controls.end()) throw std::out_of_range("no control " + name);
  return const_cast<T&>(it->second);
}

PlainList& LegacyOptionsEditor::list(const std::string& name) const { return Named(lists_, name); }
PlainCheckBox& LegacyOptionsEditor::check(const std::string& name) const { return Named(checks_, name); }
PlainOptionButton& LegacyOptionsEditor::option(const std::string& name) const { return Named(options_, name); }
PlainTextBox& LegacyOptionsEditor::text(const std::string& name) const { return Named(texts_, name); }
PlainTextBox& LegacyOptionsEditor::field(TypedField f) const { return text(FieldName(f)); }

// --- window ------------------------------------------------------------------

void LegacyOptionsEditor::Form_Load() {
  FillAdjModLists();
  view_.setProgressVisible(false);
}

void LegacyOptionsEditor::Form_Activate() { field(TypedField::ChannelTotal).setText(std::to_string(s_.ChannelTotal)); }

void LegacyOptionsEditor::Command_def_Click() {
  if (!runPendingCheck()) return;
  if (running()) {
    warn(kBusyText, kTitlePromptLower);
    return;
  }
  view_.reset();
  s_.ChannelTotal = 128;
  FillAdjModLists();
}

bool LegacyOptionsEditor::Command_close_Click() {
  if (!runPendingCheck()) return false;
  return queryUnload();
}

bool LegacyOptionsEditor::queryUnload() {
  if (running()) {
    warn(kCloseRefusedEditorText, kTitlePromptLower);
    return false;
  }
  if (transfer_) transfer_->stop();
  return true;
}

void LegacyOptionsEditor::Command_read_Click() {
  if (!runPendingCheck()) return;
  if (busy()) {
    warn(kBusyText, kTitlePromptLower);
    return;
  }
  if (transfer_) transfer_->read();
  else link::ReportNoLink(s_, messages_);
}

void LegacyOptionsEditor::Command_Write_Click() {
  if (!runPendingCheck()) return;
  if (busy()) {
    warn(kBusyText, kTitlePromptLower);
    return;
  }
  CollectAdjModForm();
  if (transfer_) transfer_->write();
  else link::ReportNoLink(s_, messages_);
}

bool LegacyOptionsEditor::fileButton() { return runPendingCheck(); }

void LegacyOptionsEditor::warn(const Bilingual& text, const Bilingual& title) {
  messages_.show(Warn(s_.LanguageFlag, title, text));
}

// --- lists and defaults --------------------------------------------------------

void LegacyOptionsEditor::fillList(const std::string& name, int defaultPosition) {
  PlainList& l = list(name);
  l.setEntries(ListItems(name, s_.LanguageFlag, s_.ToneList));
  l.select(defaultPosition);
}

void LegacyOptionsEditor::fillVfo(int which) {
  field(which == 0 ? TypedField::FreqA : TypedField::FreqB)
      .setText(which == 0 ? WholeText(s_.VhfLower) + ".02500"
                          : std::to_string(static_cast<long long>(std::floor(s_.VhfUpper)) - 1) + ".62500");
  for (const VfoListSpec& l : kVfoLists) fillList(vfo::Control(l.control, which), l.defaultPosition);
}

void LegacyOptionsEditor::FillAdjModLists() {
  fillVfo(0);
  fillVfo(1);
  auto settingList = [this](const char* name) {
    for (const ListSpec& l : kSettingLists)
      if (std::string(l.control) == name) fillList(name, l.defaultPosition);
  };
  settingList("Combo_tot");
  settingList("Combo_sql_le");
  settingList("Combo_voice");
  check("Check_radio").setChecked(true);
  check("Check_ANI").setChecked(true);
  check("Check_Alarm_Sound").setChecked(true);
  check("Check_alarm_Veskold").setChecked(false);
  option("Option_freq").setSelected(true);
  option("Option_chann").setSelected(false);
  field(TypedField::ChannelTotal).setText(std::to_string(s_.ChannelTotal));
  option("Option_band_a").setSelected(true);
  option("Option_band_b").setSelected(false);
  check("Check_tdr").setChecked(true);
  check("Check_chann_menu").setChecked(true);
  check("Check_chann_init").setChecked(true);
  check("Check_chann_syn").setChecked(false);
  for (const char* name : {"Combo_MDF_A", "Combo_MDF_B", "Combo_dtmfst", "Combo_vox", "Combo_abr", "Combo_ring",
                           "Combo_sc_rev", "Combo_ptt_id", "Combo_ptt_lt"})
    settingList(name);
  check("Check_Lock").setChecked(false);
  check("Check_Autolk").setChecked(false);
  check("Check_bcl").setChecked(false);
  check("Check_Beep").setChecked(true);
  settingList("Combo_save");
  check("Check_comp").setChecked(false);
  for (const char* name : {"Combo_Tdr_ab", "Combo_pf1", "Combo_pf2", "Combo_wt_led", "Combo_rx_led", "Combo_tx_led"})
    settingList(name);
  field(TypedField::Password).setText("602417");
  field(TypedField::RxLower).setText(NumberToTrimmedText(s_.VhfLower));
  field(TypedField::RxUpper).setText(NumberToTrimmedText(s_.VhfUpper - 1));
  field(TypedField::TxLower).setText(NumberToTrimmedText(s_.VhfLower));
  field(TypedField::TxUpper).setText(NumberToTrimmedText(s_.VhfUpper - 1));
}

// --- the settings block -----------------------------------------------------------

void LegacyOptionsEditor::setBox(PlainCheckBox& box, bool ticked) {
  box.setChecked(false);
  if (ticked) box.setChecked(true);
}

void LegacyOptionsEditor::showSettings() {
  const RecordBytes block(std::as_const(image()), 0);
  auto showList = [&](const char* name) { list(name).select(Decode(block, FindField(kSettings, name))); };
  auto ticked = [&](const char* name) { return Decode(block, FindField(kSettings, name)) != 0; };
  auto showBox = [&](const char* name) { setBox(check(name), ticked(name)); };

  showList("Combo_tot");
  showList("Combo_sql_le");
  showList("Combo_voice");
  if (ticked("Option_chann")) {
    option("Option_chann").setSelected(true);
  } else {
    option("Option_freq").setSelected(true);
  }
  field(TypedField::ChannelTotal).setText(ChannelTotalText(Decode(block, FindField(kSettings, "Text_chann_total"))));
  option(ticked("Option_band_b") ? "Option_band_b" : "Option_band_a").setSelected(true);
  showBox("Check_tdr");
  for (const char* name : {"Check_chann_menu", "Check_chann_init", "Check_chann_syn"}) check(name).setChecked(false);
  for (const char* name : {"Check_chann_menu", "Check_chann_init", "Check_chann_syn"})
    if (ticked(name)) check(name).setChecked(true);
  check("Check_alarm_Veskold").setChecked(ticked("Check_alarm_Veskold"));
  for (const char* name : {"Combo_MDF_A", "Combo_MDF_B", "Combo_dtmfst", "Combo_vox", "Combo_abr", "Combo_sc_rev",
                           "Combo_ptt_id", "Combo_ptt_lt"})
    showList(name);
  for (const char* name : {"Check_Lock", "Check_Autolk", "Check_bcl", "Check_Beep"}) showBox(name);
  showList("Combo_save");
  showBox("Check_comp");
  for (const char* name : {"Check_Alarm_Sound", "Check_radio"}) check(name).setChecked(false);
  for (const char* name : {"Check_Alarm_Sound", "Check_radio"})
    if (ticked(name)) check(name).setChecked(true);
  for (const char* name : {"Combo_Tdr_ab", "Combo_wt_led", "Combo_rx_led", "Combo_tx_led"}) showList(name);

  std::string password;
  for (int i = 0; i < kPasswordDigits; ++i) password += std::to_string(block.get(kPassword + i));
  field(TypedField::Password).setText(password);
  const TypedField limits[4] = {TypedField::RxLower, TypedField::RxUpper, TypedField::TxLower, TypedField::TxUpper};
  for (int i = 0; i < 4; ++i) {
    const int k = kLimits[i];
    field(limits[i]).setText(std::to_string(block.get(k) & 0x0F) + std::to_string(block.get(k + 1) >> 4) +
                             std::to_string(block.get(k + 1) & 0x0F));
  }
}

void LegacyOptionsEditor::collectSettings() {
  const RecordBytes block(image(), 0);
  const ExactDecimal total = ReadExactDecimal(field(TypedField::ChannelTotal).text());
  const long long count = total.negative ? 0 : total.Units(0, Rounding::HalfEven).value_or(255);
  for (const Field& f : kSettings) {
    int value = 0;
    if (f.kind == FieldKind::List) {
      value = std::max(list(f.name).selectedIndex(), 0);  // no selection stores the first entry
    } else if (f.kind == FieldKind::Number) {
      value = static_cast<int>(std::min<long long>(count, 255));  // the channel total
    } else if (std::string(f.name).starts_with("Option_")) {
      value = option(f.name).selected() ? 1 : 0;
    } else {
      value = check(f.name).checked() ? 1 : 0;
    }
    Encode(block, f, value);
  }

  const std::u32string password = Characters(TrimBlanks(field(TypedField::Password).text()));
  for (int i = 0; i < kPasswordDigits; ++i)
    block.set(kPassword + i, DigitAt(password, static_cast<std::size_t>(i + 1)));
  const TypedField limits[4] = {TypedField::RxLower, TypedField::RxUpper, TypedField::TxLower, TypedField::TxUpper};
  for (int i = 0; i < 4; ++i) {
    const BandLimitBytes bytes = LimitBytes(field(limits[i]).text());
    block.set(kLimits[i], bytes.hundreds);
    block.set(kLimits[i] + 1, bytes.tensUnits);
  }
}

void LegacyOptionsEditor::RefreshAdjModForm() {
  showSettings();
  ShowVfoRecords(10, 12);
}

void LegacyOptionsEditor::CollectAdjModForm() {
  image().fill(0, OptionStageTable::kRows - 1, 0, OptionStageTable::kCols - 1, 0);
  collectSettings();
  collectVfo(0, 6);
  collectVfo(1, 8);
}

// --- the VFO records -------------------------------------------------------------

void LegacyOptionsEditor::ShowVfoRecords(int firstRowA, int firstRowB) {
  showVfo(0, firstRowA);
  showVfo(1, firstRowB);
}

void LegacyOptionsEditor::showTone(PlainList& l, const ToneCode& tone) {
  if (const std::optional<int> entry = vfo::ToneEntry(tone, kFirstDcsEntry)) {
    // A DCS number no list holds (211..254) shows as off.
    l.select(*entry);
    return;
  }
  // Shown as text: a tone the list holds is selected by it, any other
  // stands in the field without a selection.
  l.setEditTextMatching(CtcssText(tone.value));
}

void LegacyOptionsEditor::showVfo(int which, int f) {
  const RecordBytes rec(std::as_const(image()), f);
  text(vfo::Control(kFreq, which)).setText(vfo::FrequencyText(rec));
  list(vfo::Control(kOffsetList, which)).select(vfo::OffsetEntry(vfo::OffsetKhz(rec)));
  showTone(list(vfo::Control(kRxTone, which)), vfo::Tone(rec, vfo::kRxTone));
  showTone(list(vfo::Control(kTxTone, which)), vfo::Tone(rec, vfo::kTxTone));
  for (const Field& p : kVfoPacked) list(vfo::Control(p.name, which)).select(Decode(rec, p));
}

void LegacyOptionsEditor::collectVfo(int which, int f) {
  const RecordBytes rec(image(), f);
  vfo::StoreFrequency(rec, text(vfo::Control(kFreq, which)).text());
  vfo::StoreOffset(rec, list(vfo::Control(kOffsetList, which)).text());
  // A CTCSS entry, or a text in the field without a selection: a tone only
  // when its tenths make one the record can keep, else off.
  for (const auto& [name, tone] : {std::pair{kRxTone, vfo::kRxTone}, std::pair{kTxTone, vfo::kTxTone}}) {
    const PlainList& l = list(vfo::Control(name, which));
    vfo::StoreTone(rec, tone, vfo::EntryTone(l.selectedIndex(), l.text(), kFirstDcsEntry));
  }
  for (const Field& p : kVfoPacked) Encode(rec, p, std::max(list(vfo::Control(p.name, which)).selectedIndex(), 0));
}

// --- the option file ----------------------------------------------------------------

bool LegacyOptionsEditor::LoadAdjModFile(const std::string& path) {
  const auto read = [this](const std::string& from) { return ReadTableRowsInto(image(), 0, kFileLastRow, from); };
  // The file's VFO records are its collected copy (rows 6..9); rows 10..13
  // hold nothing a save wrote, so they are not shown.
  const auto shown = [this] {
    showSettings();
    ShowVfoRecords(6, 8);
  };
  if (!OpenFileAndTell(s_, messages_, path, read, {}, shown, kFileTexts)) return false;
  view_.reset();
  return true;
}

bool LegacyOptionsEditor::SaveAdjModFile(const std::string& path) {
  CollectAdjModForm();
  const auto write = [this](const std::string& to) { return SaveTableRows(image(), 0, kFileLastRow, to); };
  return SaveFileAndTell(s_, messages_, path, write, kFileTexts);
}

// --- typed fields -------------------------------------------------------------------

void LegacyOptionsEditor::typed(TypedField f, const std::string& t) {
  pending_ = f;
  field(f).setText(t);
}

void LegacyOptionsEditor::keyPressed(PlainList& l) {
  for (const char* name : {kRxTone, kTxTone})
    for (const int which : {0, 1})
      if (&list(vfo::Control(name, which)) == &l) toneKeyPending_ = true;
}

bool LegacyOptionsEditor::LostFocus(TypedField f) {
  if (pending_ == f) pending_.reset();
  return checkField(f);
}

bool LegacyOptionsEditor::runPendingCheck() {
  if (!pending_) return true;
  const TypedField f = *pending_;
  pending_.reset();
  return checkField(f);
}

bool LegacyOptionsEditor::refuse(TypedField focus, const Bilingual& message, const std::function<void()>& resets,
                        const Bilingual& title) {
  warn(message, title);
  if (resets) resets();
  field(focus).takeFocus();
  return false;
}

void LegacyOptionsEditor::resetReceiveLimits() {
  field(TypedField::RxLower).setText(NumberToTrimmedText(s_.VhfLower));
  field(TypedField::RxUpper).setText(NumberToTrimmedText(s_.VhfUpper - 1));
}

bool LegacyOptionsEditor::channelTotalChange() {
  if (ChannelTotalInRange(field(TypedField::ChannelTotal).text())) return true;
  warn(kChannelTotalRange);
  field(TypedField::ChannelTotal).takeFocus();
  field(TypedField::ChannelTotal).setText("128");
  return false;
}

bool LegacyOptionsEditor::checkField(TypedField f) {
  switch (f) {
    case TypedField::ChannelTotal: {
      if (!channelTotalChange()) return false;
      if (const auto total = AcceptChannelTotal(field(f).text())) s_.ChannelTotal = static_cast<std::int16_t>(*total);
      return true;
    }
    case TypedField::FreqA:
    case TypedField::FreqB:
      return checkFrequency(f);
    case TypedField::Password:
      return checkPassword();
    default:
      return checkLimit(f);
  }
}

bool LegacyOptionsEditor::checkFrequency(TypedField f) {
  PlainTextBox& box = field(f);
  const ExactDecimal v = ReadExactDecimal(box.text());
  if (v.CompareTo(s_.VhfLower) < 0)
    return refuse(f, kVfoFrequencyRange, [&] { box.setText(WholeText(s_.VhfLower) + ".02500"); }, kTitlePromptLower);
  if (v.CompareTo(s_.VhfUpper) > 0)
    return refuse(
        f, kVfoFrequencyRange,
        [&] { box.setText(std::to_string(static_cast<long long>(std::floor(s_.VhfUpper)) - 1) + ".62500"); },
        kTitlePromptLower);
  box.setText(NormalFrequencyText(v));
  return true;
}

bool LegacyOptionsEditor::checkPassword() {
  const std::u32string s = Characters(TrimBlanks(field(TypedField::Password).text()));
  if (s.empty()) return true;
  if (s.size() != kPasswordDigits) return refuse(TypedField::Password, kPasswordLength);
  // Only six digits pass: the radio keeps one digit a byte.
  if (!std::all_of(s.begin(), s.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; }))
    return refuse(TypedField::Password, kPasswordRange);
  return true;
}

bool LegacyOptionsEditor::checkLimit(TypedField f) {
  auto num = [this](TypedField which) { return ReadExactDecimal(field(which).text()); };
  auto copy = [this](TypedField to, TypedField from) { field(to).setText(field(from).text()); };
  auto reset = [this] { resetReceiveLimits(); };
  using F = TypedField;
  switch (f) {
    case F::RxLower:
      if (num(F::RxLower).CompareTo(s_.VhfLower) < 0) return refuse(f, kRxLowerBelowLimit, reset);
      if (num(F::RxUpper).CompareTo(num(F::RxLower)) < 0) return refuse(f, kRxLowerAboveUpper, reset);
      if (num(F::RxLower).CompareTo(num(F::TxLower)) > 0) copy(F::TxLower, F::RxLower);
      if (num(F::TxUpper).CompareTo(num(F::TxLower)) < 0) copy(F::TxUpper, F::TxLower);
      return true;
    case F::RxUpper:
      if (num(F::RxUpper).CompareTo(s_.VhfUpper - 1) > 0) return refuse(f, kRxUpperAboveLimit, reset);
      if (num(F::RxLower).CompareTo(num(F::RxUpper)) > 0) return refuse(f, kRxUpperBelowLower, reset);
      // Lowering the receive upper limit pulls the transmit limits below it.
      if (num(F::TxUpper).CompareTo(num(F::RxUpper)) > 0) copy(F::TxUpper, F::RxUpper);
      if (num(F::TxLower).CompareTo(num(F::TxUpper)) > 0) copy(F::TxLower, F::TxUpper);
      return true;
    case F::TxLower:
      if (num(F::TxUpper).CompareTo(num(F::TxLower)) < 0)
        return refuse(f, kTxLowerAboveUpper, [&] { copy(F::TxLower, F::TxUpper); });
      if (num(F::RxLower).CompareTo(num(F::TxLower)) > 0) return refuse(f, kTxLowerBelowReceive);
      return true;
    case F::TxUpper:
      if (num(F::RxUpper).CompareTo(num(F::TxUpper)) < 0)
        return refuse(f, kTxUpperAboveReceive, [&] { copy(F::TxUpper, F::RxUpper); });
      if (num(F::TxLower).CompareTo(num(F::TxUpper)) > 0)
        return refuse(f, kTxUpperBelowLower, [&] { copy(F::TxUpper, F::TxLower); });
      return true;
    default:
      return true;
  }
}

}  // namespace brel::legacy_options
