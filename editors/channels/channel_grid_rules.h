// The channel editor's grid rules for the grid kit: the editing rules of
// channel_rules.h behind the kit's rules interface.
#pragma once

#include "channel_codec.h"
#include "channel_rules.h"
#include "text_grid.h"

namespace brel::chann {

class ChannelGridRules : public grid::GridRules {
 public:
  explicit ChannelGridRules(ChannelEditContext& ctx) : ctx_(ctx) {}

  grid::CellEditor editorFor(int row, int col) const override { return EditorFor(ctx_.grid, row, col); }
  std::vector<std::string> choices(int row, int col) const override;
  // A tone list opens empty; the other cells show their text.
  std::optional<std::string> openingText(int row, int col) const override;
  char32_t filterKey(int row, int col, char32_t key) const override;
  bool commit(int row, int col, const std::string& text) override;
  void choose(int row, int col, int position, const std::string& text) override;
  // Enter: a frequency is checked and completed, then the editor moves on; a
  // name is committed; a tone or option list moves to the next column; the
  // band list does nothing.
  grid::EnterAction enter(int row, int col, const std::string& text) override;

 private:
  ChannelEditContext& ctx_;
};

}  // namespace brel::chann
