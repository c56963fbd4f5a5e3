#include "adj_mod_lists.h"

#include <cstdio>

#include "numtext.h"

namespace brel::legacy_options {
namespace {

Items Pick(std::int16_t flag, Items zh, Items en) { return flag != 0 ? zh : en; }

// "first" (when given), then from..to in steps of step.
Items Numbers(int from, int to, int step = 1, const char* first = nullptr) {
  Items out;
  if (first != nullptr) out.emplace_back(first);
  for (int n = from; n <= to; n += step) out.push_back(std::to_string(n));
  return out;
}

Items Offsets() {
  Items out;
  out.reserve(kOffsetEntries);
  for (int k = 0; k < kOffsetEntries; ++k) {
    const int khz = 50 * k;
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%03d", khz / 1000, khz % 1000);
    out.emplace_back(text);
  }
  return out;
}

Items Tones(const std::vector<std::string>& toneList) {
  Items out;
  out.reserve(kToneEntries);
  for (int k = 0; k < kToneEntries && k < static_cast<int>(toneList.size()); ++k)
    out.push_back(TrimBlanks(toneList[static_cast<std::size_t>(k)]));
  return out;
}

bool Either(const std::string& control, const char* a, const char* b) { return control == a || control == b; }

}  // namespace

const ListSpec kSettingLists[19] = {
    {"Combo_tot", 3},    {"Combo_sql_le", 5}, {"Combo_voice", 1},  {"Combo_MDF_A", 2},  {"Combo_MDF_B", 1},
    {"Combo_dtmfst", 1}, {"Combo_vox", 0},    {"Combo_abr", 3},    {"Combo_ring", 5},   {"Combo_sc_rev", 0},
    {"Combo_ptt_id", 0}, {"Combo_ptt_lt", 10}, {"Combo_save", 3},  {"Combo_Tdr_ab", 0}, {"Combo_pf1", 2},
    {"Combo_pf2", 1},    {"Combo_wt_led", 3}, {"Combo_rx_led", 1}, {"Combo_tx_led", 2},
};

const VfoListSpec kVfoLists[11] = {
    {"Combo_txp_a", "Combo_txp_b", 0},         {"Combo_r_ctdcs_a", "Combo_r_ctdcs_b", 0},
    {"Combo_t_ctdcs_a", "Combo_t_ctdcs_b", 0}, {"Combo_wn_a", "Combo_wn_b", 0},
    {"Combo_sft_d_a", "Combo_sft_d_b", 0},     {"Combo_Offset_A", "Combo_offset_b", 12},
    {"Combo_scr_a", "Combo_scr_b", 0},         {"Combo_step_a", "Combo_step_b", 3},
    {"Combo_Optsig_a", "Combo_OptSig_b", 0},   {"Combo_Spmute_a", "Combo_Spmute_b", 0},
    {"Combo_S_info_a", "Combo_S_info_b", 0},
};

Items ListItems(const std::string& c, std::int16_t l, const std::vector<std::string>& toneList) {
  // VFO lists, the same in both languages.
  if (Either(c, "Combo_txp_a", "Combo_txp_b")) return {"HIGH", "LOW"};
  if (Either(c, "Combo_r_ctdcs_a", "Combo_r_ctdcs_b") || Either(c, "Combo_t_ctdcs_a", "Combo_t_ctdcs_b"))
    return Tones(toneList);
  if (Either(c, "Combo_wn_a", "Combo_wn_b")) return {"WIDE", "NARROR"};
  if (Either(c, "Combo_sft_d_a", "Combo_sft_d_b")) return {"OFF", "+", "-"};
  if (Either(c, "Combo_Offset_A", "Combo_offset_b")) return Offsets();
  if (Either(c, "Combo_scr_a", "Combo_scr_b")) return Numbers(1, 8, 1, "OFF");
  if (Either(c, "Combo_step_a", "Combo_step_b")) return {"5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"};
  if (Either(c, "Combo_Optsig_a", "Combo_OptSig_b")) return {"OFF", "DTMF"};
  if (Either(c, "Combo_Spmute_a", "Combo_Spmute_b")) return {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"};
  if (Either(c, "Combo_S_info_a", "Combo_S_info_b")) return Numbers(1, 15);
  // Settings lists with one set of entries.
  if (c == "Combo_tot") return Numbers(15, 600, 15);
  if (c == "Combo_sql_le") return Numbers(0, 9);
  if (c == "Combo_vox" || c == "Combo_ring") return Numbers(1, 10, 1, "OFF");
  if (c == "Combo_abr") return Numbers(1, 5, 1, "OFF");
  if (c == "Combo_ptt_lt") return Numbers(0, 30);
  if (c == "Combo_Tdr_ab") return {"A Band", "B Band"};
  // Bilingual lists.
  if (c == "Combo_voice") return Pick(l, {"关", "英语", "中文"}, {"OFF", "English", "Chinese"});
  if (c == "Combo_MDF_A" || c == "Combo_MDF_B")
    return Pick(l, {"信道号", "信道名称+信道号", "频率+信道号"}, {"Channel", "Channel+Name", "Channel+Frequency"});
  if (c == "Combo_dtmfst")
    return Pick(l, {"全部关闭", "发射时按键侧音", "发射身份码侧音", "发射时按键侧音+发射身份码侧音"},
                {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"});
  if (c == "Combo_sc_rev") return Pick(l, {"时间", "载波", "搜索"}, {"TO", "CO", "SE"});
  if (c == "Combo_ptt_id") return Pick(l, {"关", "按下发射", "松开发射", "两者均发"}, {"OFF", "BOT", "EOT", "BOTH"});
  if (c == "Combo_save") return {l != 0 ? "关" : "OFF", "1:1", "1:2", "1:3", "1:4"};
  if (c == "Combo_pf1") return Pick(l, {"关", "扫描", "收音"}, {"OFF", "Scan", "FM Radio"});
  if (c == "Combo_pf2") return Pick(l, {"关", "报警"}, {"OFF", "Alarm"});
  if (c == "Combo_wt_led" || c == "Combo_rx_led" || c == "Combo_tx_led")
    return Pick(l, {"关", "蓝色", "橙色", "紫色"}, {"OFF", "Blue", "Orange", "Purple"});
  return {};
}

}  // namespace brel::legacy_options
