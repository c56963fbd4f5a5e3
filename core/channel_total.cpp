#include "channel_total.h"

#include <algorithm>

#include "exact_decimal.h"

namespace brel {

std::optional<int> AcceptChannelTotal(std::string_view text) {
  const ExactDecimal v = ReadExactDecimal(text);
  if (v.CompareTo(kMinChannelTotal) < 0 || v.CompareTo(kMaxChannelTotal) > 0) return std::nullopt;
  return static_cast<int>(*v.Units(0, Rounding::HalfEven));
}

bool ChannelTotalInRange(std::string_view text) { return AcceptChannelTotal(text).has_value(); }

std::string ChannelTotalText(int byte) { return std::to_string(std::min(byte & 0xFF, kMaxShownChannelTotal)); }

}  // namespace brel
