#include "legacy_options_lists.h"

#include "numtext.h"
#include "option_settings.h"

namespace brel::legacy_options {
namespace {

using settings::NumberItems;
using settings::PickItems;

Items Tones(const std::vector<std::string>& toneList) {
  Items out;
  out.reserve(kToneEntries);
  for (int k = 0; k < kToneEntries && k < static_cast<int>(toneList.size()); ++k)
    out.push_back(TrimBlanks(toneList[static_cast<std::size_t>(k)]));
  return out;
}

bool Either(const std::string& control, const char* a, const char* b) { return control == a || control == b; }

}  // namespace

const ListDefault kSettingLists[19] = {
    {"Combo_tot", 3},    {"Combo_sql_le", 5}, {"Combo_voice", 1},  {"Combo_MDF_A", 2},  {"Combo_MDF_B", 1},
    {"Combo_dtmfst", 1}, {"Combo_vox", 0},    {"Combo_abr", 3},    {"Combo_ring", 5},   {"Combo_sc_rev", 0},
    {"Combo_ptt_id", 0}, {"Combo_ptt_lt", 10}, {"Combo_save", 3},  {"Combo_Tdr_ab", 0}, {"Combo_pf1", 2},
    {"Combo_pf2", 1},    {"Combo_wt_led", 3}, {"Combo_rx_led", 1}, {"Combo_tx_led", 2},
};

const ListDefault kVfoLists[11] = {
    {"Combo_txp_a", 0},    {"Combo_r_ctdcs_a", 0}, {"Combo_t_ctdcs_a", 0}, {"Combo_wn_a", 0},
    {"Combo_sft_d_a", 0},  {"Combo_Offset_A", 12}, {"Combo_scr_a", 0},     {"Combo_step_a", 3},
    {"Combo_Optsig_a", 0}, {"Combo_Spmute_a", 0},  {"Combo_S_info_a", 0},
};

// The lists both option editors fill alike come from option_settings; these
// are this window's own, or its own texts.
Items ListItems(const std::string& c, std::int16_t l, const std::vector<std::string>& toneList) {
  if (Items shared = settings::SharedListItems(c, l); !shared.empty()) return shared;
  // VFO lists, the same in both languages.
  if (Either(c, "Combo_txp_a", "Combo_txp_b")) return {"HIGH", "LOW"};
  if (Either(c, "Combo_r_ctdcs_a", "Combo_r_ctdcs_b") || Either(c, "Combo_t_ctdcs_a", "Combo_t_ctdcs_b"))
    return Tones(toneList);
  if (Either(c, "Combo_wn_a", "Combo_wn_b")) return {"WIDE", "NARROR"};
  if (Either(c, "Combo_sft_d_a", "Combo_sft_d_b")) return {"OFF", "+", "-"};
  if (Either(c, "Combo_Offset_A", "Combo_offset_b")) return settings::OffsetItems("");
  if (Either(c, "Combo_scr_a", "Combo_scr_b")) return NumberItems(1, 8, 1, "OFF");
  if (Either(c, "Combo_step_a", "Combo_step_b")) return {"5.00 KHZ", "6.25 KHZ", "10.00 KHZ", "12.50 KHZ", "25.00 KHZ"};
  if (Either(c, "Combo_Optsig_a", "Combo_OptSig_b")) return {"OFF", "DTMF"};
  if (Either(c, "Combo_Spmute_a", "Combo_Spmute_b")) return {"QT/DQT", "QT/DQT AND OPTSIG", "QT/DQT OR OPTSIG"};
  // Settings lists with one set of entries.
  if (c == "Combo_sql_le") return settings::SquelchItems();
  if (c == "Combo_vox" || c == "Combo_ring") return NumberItems(1, 10, 1, "OFF");
  if (c == "Combo_abr") return NumberItems(1, 5, 1, "OFF");
  if (c == "Combo_Tdr_ab") return {"A Band", "B Band"};
  // Bilingual lists.
  if (c == "Combo_voice") return PickItems(l, {"关", "英语", "中文"}, {"OFF", "English", "Chinese"});
  if (c == "Combo_dtmfst")
    return PickItems(l, {"全部关闭", "发射时按键侧音", "发射身份码侧音", "发射时按键侧音+发射身份码侧音"},
                     {"OFF All ", "KB DTMF Side Tone", "Send ANI DTMF Side Tone", "KB DTMFST + Send ANI DTMFST"});
  if (c == "Combo_ptt_id")
    return PickItems(l, {"关", "按下发射", "松开发射", "两者均发"}, {"OFF", "BOT", "EOT", "BOTH"});
  if (c == "Combo_pf1") return PickItems(l, {"关", "扫描", "收音"}, {"OFF", "Scan", "FM Radio"});
  if (c == "Combo_pf2") return PickItems(l, {"关", "报警"}, {"OFF", "Alarm"});
  return {};
}

}  // namespace brel::legacy_options
