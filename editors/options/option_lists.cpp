#include "option_lists.h"

#include <cstdio>

#include "numtext.h"

namespace brel::options {
namespace {

Items Pick(std::int16_t languageFlag, const Items& zh, const Items& en) { return languageFlag != 0 ? zh : en; }

// "first", then the numbers from..to in steps of step.
Items Numbers(int from, int to, int step = 1, const std::string& first = {}) {
  Items out;
  if (!first.empty()) out.push_back(first);
  for (int n = from; n <= to; n += step) out.push_back(std::to_string(n));
  return out;
}

Items Led(std::int16_t l) { return Pick(l, {"关", "蓝色", "橙色", "紫色"}, {"OFF", "Blue", "Orange", "Purple"}); }
Items ChannelDisplay(std::int16_t l) {
  return Pick(l, {"信道号", "信道名称+信道号", "频率+信道号"}, {"Channel", "Channel+Name", "Channel+Frequency"});
}
Items Tail(std::int16_t l) { return Numbers(100, 1000, 100, l != 0 ? "关闭" : "OFF"); }
Items OffOn(std::int16_t l) { return Pick(l, {"关闭", "开启"}, {"OFF", "ON"}); }

}  // namespace

Items SettingListItems(const std::string& control, std::int16_t l) {
  if (control == "Combo_tot") return Numbers(15, 600, 15);
  if (control == "Combo_sql") return Numbers(0, 9);
  if (control == "Combo_voice") return Pick(l, {"关闭", "英文", "中文"}, {"OFF", "English", "Chinese"});
  if (control == "Combo_MDF_A" || control == "Combo_MDF_B") return ChannelDisplay(l);
  if (control == "Combo_dtmfst")
    return Pick(l, {"关闭", "按键侧音", "发身份码侧音", "按键侧音+发身份码侧音"},
                {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"});
  if (control == "Combo_ponmsg") return Pick(l, {"满屏", "显示字符"}, {"Full", "MSG"});
  if (control == "Combo_roger" || control == "Combo_ste") return OffOn(l);
  if (control == "Combo_vox") return Numbers(1, 10, 1, l != 0 ? "关" : "OFF");
  if (control == "Combo_abr") return Numbers(1, 5, 1, l != 0 ? "关" : "OFF");
  if (control == "Combo_sc_rev") return Pick(l, {"时间", "载波", "搜索"}, {"TO", "CO", "SE"});
  if (control == "Combo_ptt_id") return Pick(l, {"关", "按下发码", "松开发码", "两者均发"}, {"OFF", "BOT", "EOT", "BOTH"});
  if (control == "Combo_ptt_lt") return Numbers(0, 30);
  if (control == "Combo_save") return {l != 0 ? "关" : "OFF", "1:1", "1:2", "1:3", "1:4"};
  if (control == "Combo_wt_led" || control == "Combo_rx_led" || control == "Combo_tx_led") return Led(l);
  if (control == "Combo_Rp_Ste" || control == "Combo_RPT_RL") return Tail(l);
  if (control == "Combo_Tdr_ab") return Pick(l, {"关", "开"}, {"OFF", "ON"});
  if (control == "Combo_pri") {
    Items out;
    for (int n = 1; n <= 128; ++n) out.push_back("CH-" + std::to_string(n));
    return out;
  }
  if (control == "Combo_AL_Mode") return Pick(l, {"现场", "发射报警音", "发射报警码"}, {"SITE", "TONE", "CODE"});
  return {};
}

Items PowerItems(std::int16_t l) { return Pick(l, {"高功率", "低功率"}, {"HIGH", "LOW"}); }
Items BandItems() { return {"VHF", "UHF"}; }
Items WidthItems(std::int16_t l) { return Pick(l, {"宽带", "窄带"}, {"WIDE", "NARROR"}); }
Items ShiftItems(std::int16_t l) { return Pick(l, {"关", "加频", "减频"}, {"OFF", "+", "-"}); }
Items StepItems() { return {"2.50 KHZ", "5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"}; }
Items OptionalSignalItems(std::int16_t l) { return Pick(l, {"关", "DTMF"}, {"OFF", "DTMF"}); }
Items SpeakMuteItems(std::int16_t l) {
  return Pick(l, {"哑音", "哑音与可选信令", "哑音或可选信令"}, {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"});
}
Items SignalCodeItems() { return Numbers(1, 15); }

Items OffsetItems() {
  Items out;
  out.reserve(kOffsetEntries);
  for (int i = 0; i < kOffsetEntries; ++i) {
    const int khz = 50 * i;
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%03dMHZ", khz / 1000, khz % 1000);
    out.emplace_back(text);
  }
  return out;
}

Items ToneItems(std::int16_t l, const std::vector<std::string>& qtDqtNames) {
  Items out;
  out.reserve(kToneEntries);
  out.emplace_back(l != 0 ? "关" : "OFF");
  for (int n = 1; n < kToneEntries && n < static_cast<int>(qtDqtNames.size()); ++n)
    out.push_back(TrimBlanks(qtDqtNames[static_cast<std::size_t>(n)]));
  return out;
}

}  // namespace brel::options
