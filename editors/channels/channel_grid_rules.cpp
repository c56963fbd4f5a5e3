#include "channel_grid_rules.h"

namespace brel::chann {

std::vector<std::string> ChannelGridRules::choices(int, int col) const { return ColumnChoices(ctx_.state, col); }

std::optional<std::string> ChannelGridRules::openingText(int, int col) const {
  if (IsTypedComboColumn(col)) return std::string();
  return std::nullopt;
}

char32_t ChannelGridRules::filterKey(int, int col, char32_t key) const {
  if (!IsTypedComboColumn(col)) return key;
  return key < 0x80 ? static_cast<char32_t>(FilterToneKey(static_cast<char>(key))) : 0;
}

bool ChannelGridRules::commit(int row, int col, const std::string& text) {
  CommitCell(ctx_, row, col, text);
  return true;
}

void ChannelGridRules::choose(int row, int col, int position, const std::string& text) {
  ChooseFromList(ctx_, row, col, position, text);
}

grid::EnterAction ChannelGridRules::enter(int row, int col, const std::string& text) {
  using grid::EnterAction;
  if (col == kColRxFreq || col == kColTxFreq) {
    const EnterOutcome outcome =
        col == kColRxFreq ? EnterRxFrequency(ctx_, row, text) : EnterTxFrequency(ctx_, row, text);
    // Moving on commits the box with the text just completed.
    return EnterAction{EnterAction::MoveTo, outcome.text, outcome.nextRow, outcome.nextCol};
  }
  if (col == kColName) return EnterAction{EnterAction::Commit, std::nullopt, row, col};
  if (col >= kColRxTone && col <= kColSigCode) return EnterAction{EnterAction::MoveTo, std::nullopt, row, col + 1};
  return {};
}

}  // namespace brel::chann
