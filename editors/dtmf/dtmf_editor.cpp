#include "dtmf_editor.h"

#include <algorithm>

#include "dtmf_texts.h"
#include "numtext.h"
#include "text_chars.h"

namespace brel::dtmf {
namespace {

constexpr char32_t kBackspace = 8;

int CharacterCount(std::string_view text) { return static_cast<int>(TextCharacterCount(text)); }

bool EntersNothing(char32_t ch) { return ch < 0x20 || ch == 0x7F; }

bool Acceptable(const std::string& c) {
  if (c.size() != 1) return false;
  const char ch = c[0];
  return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'D') || ch == '*' || ch == '#';
}

// The sample text every text box holds in the stored layout, so the first
// display changes (and writes back) each code it shows.
constexpr const char* kSampleText = "20202";

}  // namespace

DtmfEditor::DtmfEditor(ProgramState& state, MessageSink& messages) : state_(state), messages_(messages) {
  // The stored layout first, before any handler is attached.
  for (auto& group : Text_tx_Encode) group.setText(kSampleText);
  for (auto& field : codeFields) field.setText(kSampleText);
  for (int k = 0; k < kRightsCount; ++k) box(MasterRight(k)).setChecked(true);
  box(FlagBox::S0).setChecked(true);
  box(FlagBox::S1).setChecked(true);
  Combo_Enc_qh.setEnabled(false);

  for (int f = 0; f < kCodeFieldCount; ++f)
    codeFields[static_cast<std::size_t>(f)].onChange = [this, f] { storeCode(static_cast<CodeField>(f)); };
  for (int b = 0; b < kFlagBoxCount; ++b)
    flagBoxes[static_cast<std::size_t>(b)].onClick = [this, b] { storeFlag(static_cast<FlagBox>(b)); };
  Check_Ctrl_En.onClick = [this] {
    applyControlEnable();
    image().byte(addr::DTMF_CTRL_EN) = Check_Ctrl_En.checked() ? 1 : 0;
  };
  Combo_Enc_ys1.onClick = [this] {
    image().byte(addr::DTMF_ON_TIME) = static_cast<std::int16_t>(Combo_Enc_ys1.selectedIndex());
  };
  Combo_Enc_ys2.onClick = [this] {
    image().byte(addr::DTMF_OFF_TIME) = static_cast<std::int16_t>(Combo_Enc_ys2.selectedIndex());
  };
  Combo_Enc_qh.onClick = [this] {
    image().byte(addr::DTMF_GROUP_CALL) = static_cast<std::int16_t>(TextToDigitCode(Combo_Enc_qh.text()));
  };
}

void DtmfEditor::FillDtmfCombos() {
  std::vector<std::string> times;
  for (int v = 50; v <= 2000; v += 10) times.push_back(std::to_string(v));
  Combo_Enc_ys1.setEntries(times);
  Combo_Enc_ys2.setEntries(std::move(times));
  Combo_Enc_qh.setEntries(std::vector<std::string>(std::begin(kGroupCallEntries), std::end(kGroupCallEntries)));
}

void DtmfEditor::showCode(PlainTextBox& box, int address) {
  const MemoryImage& im = image();
  if (im.byte(address) == kNoCharacter) {
    box.setText("");
    return;
  }
  box.setText(DigitsToText(im.byte(address), im.byte(address + 1), im.byte(address + 2), im.byte(address + 3),
                           im.byte(address + 4)));
}

void DtmfEditor::ShowDtmfSettings() {
  auto showFlags = [this](int address, FlagBox first, int count) {
    const int value = image().byte(address);
    for (int k = 0; k < count; ++k) box(static_cast<FlagBox>(static_cast<int>(first) + k)).setChecked(false);
    for (int k = 0; k < count; ++k) {
      const FlagBox b = static_cast<FlagBox>(static_cast<int>(first) + k);
      if ((value & Def(b).mask) != 0) box(b).setChecked(true);
    }
  };
  auto showTime = [this](PlainList& list, int address) {
    const int last = list.count() - 1;
    list.select(std::clamp<int>(image().byte(address), 0, std::max(last, 0)));
  };

  for (int i = 0; i < addr::kDtmfGroupCount; ++i)
    showCode(Text_tx_Encode[static_cast<std::size_t>(i)], addr::DtmfGroupAddress(i));
  for (CodeField f : {CodeField::XC, CodeField::JT, CodeField::BJ}) showCode(code(f), Def(f).address);
  showFlags(addr::DTMF_STATE, FlagBox::RX, 2);
  for (CodeField f : {CodeField::YY, CodeField::YB, CodeField::KJ}) showCode(code(f), Def(f).address);
  Check_Ctrl_En.setChecked(image().byte(addr::DTMF_CTRL_EN) != 0);
  applyControlEnable();
  for (CodeField f : {CodeField::MID, CodeField::SID, CodeField::Ani}) showCode(code(f), Def(f).address);
  showFlags(addr::DTMF_PTT_ID, FlagBox::PttP, 2);
  showFlags(addr::DTMF_MASTER_RIGHTS, FlagBox::M0, kRightsCount);
  showFlags(addr::DTMF_VICE_RIGHTS, FlagBox::S0, kRightsCount);
  showTime(Combo_Enc_ys1, addr::DTMF_ON_TIME);
  showTime(Combo_Enc_ys2, addr::DTMF_OFF_TIME);
  Combo_Enc_qh.setText(DigitCodeToText(image().byte(addr::DTMF_GROUP_CALL)));
}

void DtmfEditor::applyControlEnable() {
  const bool on = Check_Ctrl_En.checked();
  code(CodeField::MID).setEnabled(on);
  for (int k = 0; k < kRightsCount; ++k) box(MasterRight(k)).setEnabled(on);
  code(CodeField::SID).setEnabled(on);
  for (int k = 0; k < kRightsCount; ++k) box(ViceRight(k)).setEnabled(on);
}

void DtmfEditor::storeFlag(FlagBox b) {
  const FlagBoxDef& def = Def(b);
  std::int16_t& byte = image().byte(def.address);
  const int value = box(b).checked() ? (byte | def.mask) : (byte & ~def.mask);
  byte = static_cast<std::int16_t>(value & 0xFF);
}

void DtmfEditor::storeCode(CodeField f) { storeCodeText(Def(f).address, code(f).text()); }

void DtmfEditor::storeCodeText(int address, const std::string& text) {
  for (int k = 0; k < addr::kDtmfCodeLength; ++k) image().byte(address + k) = kNoCharacter;
  const std::vector<std::string> chars = TextCharacters(TrimBlanks(text));
  const int stored = std::min<int>(static_cast<int>(chars.size()), addr::kDtmfCodeLength);
  for (int k = 0; k < stored; ++k)
    image().byte(address + k) = static_cast<std::int16_t>(TextToDigitCode(chars[static_cast<std::size_t>(k)]));
}

bool DtmfEditor::codeKeyPress(CodeField f, char32_t ch) {
  if (ch == kBackspace) return true;
  if (ch < U'0' || ch > U'9') return false;
  if (CharacterCount(TrimBlanks(code(f).text())) > 4) {
    if (!Def(f).sixthEmpties) return false;
    code(f).setText("");
  }
  return true;
}

std::string DtmfEditor::ValidateCodeText(const std::string& text) {
  const std::vector<std::string> chars = TextCharacters(text);
  if (chars.size() > static_cast<std::size_t>(addr::kDtmfCodeLength)) {
    warn(kTitleCodeCheck, kLengthText);
    return "ERROR";
  }
  const std::vector<std::string> trimmed = TextCharacters(TrimBlanks(text));
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const std::string c = i < trimmed.size() ? trimmed[i] : std::string();
    if (!Acceptable(c)) {
      warn(kTitleCodeCheck, kCharactersText);
      return "ERROR";
    }
  }
  return "";
}

bool DtmfEditor::leaveCode(CodeField f) {
  PlainTextBox& field = code(f);
  if (field.text().empty()) return false;  // no code: its five bytes are 0xFF already
  if (TrimBlanks(ValidateCodeText(field.text())).empty()) {
    if (CharacterCount(TrimBlanks(field.text())) < 3) {
      warn(kTitlePromptUpper, kRangeText);
      return true;
    }
    return false;
  }
  field.setText("");
  return true;
}

void DtmfEditor::groupKeyPress(int group, char32_t ch) {
  if (ch == kBackspace || EntersNothing(ch)) return;
  PlainTextBox& box = Text_tx_Encode.at(static_cast<std::size_t>(group));
  if (CharacterCount(box.text()) > 4) groupTextEdited(group, "");
}

void DtmfEditor::groupTextEdited(int group, const std::string& text) {
  Text_tx_Encode.at(static_cast<std::size_t>(group)).setText(text);
  pendingGroup_ = group;
}

void DtmfEditor::leaveGroup(int group) {
  const int address = addr::DtmfGroupAddress(group);
  for (int k = addr::kDtmfCodeLength; k < 16; ++k) image().byte(address + k) = kNoCharacter;
  storeCodeText(address, Text_tx_Encode.at(static_cast<std::size_t>(group)).text());
  if (pendingGroup_ == group) pendingGroup_ = -1;
  ShowDtmfSettings();
}

void DtmfEditor::commitPendingEdit() {
  if (pendingGroup_ >= 0) leaveGroup(pendingGroup_);
}

void DtmfEditor::warn(const Bilingual& title, const Bilingual& text) {
  messages_.show(Warn(state_.LanguageFlag, title, text));
}

}  // namespace brel::dtmf
