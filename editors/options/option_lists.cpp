#include "option_lists.h"

#include "numtext.h"
#include "option_settings.h"

namespace brel::options {
namespace {

using settings::NumberItems;
using settings::PickItems;

Items Tail(std::int16_t l) { return NumberItems(100, 1000, 100, l != 0 ? "关闭" : "OFF"); }
Items OffOn(std::int16_t l) { return PickItems(l, {"关闭", "开启"}, {"OFF", "ON"}); }

}  // namespace

// The lists both option editors fill alike come from option_settings; these
// are this window's own, or its own texts.
Items SettingListItems(const std::string& control, std::int16_t l) {
  if (Items shared = settings::SharedListItems(control, l); !shared.empty()) return shared;
  if (control == "Combo_sql") return settings::SquelchItems();
  if (control == "Combo_voice") return PickItems(l, {"关闭", "英文", "中文"}, {"OFF", "English", "Chinese"});
  if (control == "Combo_dtmfst")
    return PickItems(l, {"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"},
                     {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"});
  if (control == "Combo_ponmsg") return PickItems(l, {"满屏", "显示字符"}, {"Full", "MSG"});
  if (control == "Combo_roger" || control == "Combo_ste") return OffOn(l);
  if (control == "Combo_vox") return NumberItems(1, 10, 1, l != 0 ? "关" : "OFF");
  if (control == "Combo_abr") return NumberItems(1, 5, 1, l != 0 ? "关" : "OFF");
  if (control == "Combo_ptt_id")
    return PickItems(l, {"关", "按下发码", "松开发码", "两者均发"}, {"OFF", "BOT", "EOT", "BOTH"});
  if (control == "Combo_Rp_Ste" || control == "Combo_RPT_RL") return Tail(l);
  if (control == "Combo_Tdr_ab") return PickItems(l, {"关", "开"}, {"OFF", "ON"});
  if (control == "Combo_pri") {
    Items out;
    for (int n = 1; n <= 128; ++n) out.push_back("CH-" + std::to_string(n));
    return out;
  }
  if (control == "Combo_AL_Mode") return PickItems(l, {"现场", "发射报警音", "发射报警码"}, {"SITE", "TONE", "CODE"});
  return {};
}

Items PowerItems(std::int16_t l) { return PickItems(l, {"高功率", "低功率"}, {"HIGH", "LOW"}); }
Items BandItems() { return {"VHF", "UHF"}; }
Items WidthItems(std::int16_t l) { return PickItems(l, {"宽带", "窄带"}, {"WIDE", "NARROR"}); }
Items ShiftItems(std::int16_t l) { return PickItems(l, {"关", "加频", "减频"}, {"OFF", "+", "-"}); }
Items StepItems() { return {"2.50 KHZ", "5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"}; }
Items OptionalSignalItems(std::int16_t l) { return PickItems(l, {"关", "DTMF"}, {"OFF", "DTMF"}); }
Items SpeakMuteItems(std::int16_t l) {
  return PickItems(l, {"哑音", "哑音与可选信令", "哑音或可选信令"}, {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"});
}

Items OffsetItems() { return settings::OffsetItems("MHZ"); }

Items ToneItems(std::int16_t l, const std::vector<std::string>& qtDqtNames) {
  Items out;
  out.reserve(kToneEntries);
  out.emplace_back(l != 0 ? "关" : "OFF");
  for (int n = 1; n < kToneEntries && n < static_cast<int>(qtDqtNames.size()); ++n)
    out.push_back(TrimBlanks(qtDqtNames[static_cast<std::size_t>(n)]));
  return out;
}

}  // namespace brel::options
