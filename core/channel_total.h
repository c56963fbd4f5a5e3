// The number of channels in use, as the option editors take it from their
// channel-total box and show it from the settings block.
//
// Usage:
//   if (!ChannelTotalInRange(box.text())) { show the message; box.setText("128"); }
//   if (const auto total = AcceptChannelTotal(box.text())) state.ChannelTotal = *total;
//   box.setText(ChannelTotalText(block[46]));      // a byte above 200 shows as 200
// The text is read exactly (the full number rule: "64abc" is 64, "" is 0);
// 1 and 128 are inside, 0.9 and 128.4 outside, and an accepted value is
// rounded to the nearest whole number, a half to the even neighbour
// (1.5 -> 2, 2.5 -> 2, 127.5 -> 128).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brel {

inline constexpr int kMinChannelTotal = 1;
inline constexpr int kMaxChannelTotal = 128;
inline constexpr int kMaxShownChannelTotal = 200;

bool ChannelTotalInRange(std::string_view text);
std::optional<int> AcceptChannelTotal(std::string_view text);
std::string ChannelTotalText(int byte);

}  // namespace brel
