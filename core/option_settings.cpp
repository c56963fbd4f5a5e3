#include "option_settings.h"

#include <cstdio>

#include "vfo_record.h"

namespace brel::settings {

Items NumberItems(int from, int to, int step, std::string_view first) {
  Items out;
  if (!first.empty()) out.emplace_back(first);
  for (int n = from; n <= to; n += step) out.push_back(std::to_string(n));
  return out;
}

Items SquelchItems() { return NumberItems(0, kSquelch.entries - 1); }

Items OffsetItems(std::string_view unit) {
  Items out;
  out.reserve(vfo::kOffsetEntries);
  for (int i = 0; i < vfo::kOffsetEntries; ++i) {
    const int khz = vfo::kOffsetStepKhz * i;
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%03d", khz / 1000, khz % 1000);
    out.emplace_back(std::string(text) + std::string(unit));
  }
  return out;
}

Items SharedListItems(std::string_view c, std::int16_t l) {
  if (c == "Combo_tot") return NumberItems(15, 600, 15);
  if (c == "Combo_ptt_lt") return NumberItems(0, 30);
  if (c == "Combo_save") return {l != 0 ? "关" : "OFF", "1:1", "1:2", "1:3", "1:4"};
  if (c == "Combo_MDF_A" || c == "Combo_MDF_B")
    return PickItems(l, {"信道号", "信道名称+信道号", "频率+信道号"}, {"Channel", "Channel+Name", "Channel+Frequency"});
  if (c == "Combo_sc_rev") return PickItems(l, {"时间", "载波", "搜索"}, {"TO", "CO", "SE"});
  if (c == "Combo_wt_led" || c == "Combo_rx_led" || c == "Combo_tx_led")
    return PickItems(l, {"关", "蓝色", "橙色", "紫色"}, {"OFF", "Blue", "Orange", "Purple"});
  if (c == vfo::kSignalCode.name || c == vfo::Control(vfo::kSignalCode.name, 1))
    return NumberItems(1, vfo::kSignalCode.entries);
  return {};
}

}  // namespace brel::settings
