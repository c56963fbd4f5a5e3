// A program state as the start-up leaves it (tone tables, band limits of a
// 136-174 / 400-520 MHz radio, every channel empty), a grid and recorded
// messages, with helpers to put records into the image and read them back.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <vector>

#include "channel_codec.h"
#include "channel_grid.h"
#include "channel_rules.h"
#include "program_state.h"
#include "test_doubles.h"
#include "tone_tables.h"

namespace brel::chann::test {

using Bytes = std::vector<int>;

inline void PrepareState(ProgramState& state) {
  BuildToneTables(state);
  state.VhfLower = 136;
  state.VhfUpper = 174;
  state.UhfLower = 400;
  state.UhfUpper = 520;
  state.ChannelTotal = 128;
  state.LanguageFlag = 0;
  state.MemImage.fill(0, 495, 0, 15, 0xFF);
}

// Reading and writing channel records and names in the image, byte by byte.
class ImageHelpers {
 protected:
  // Binds to the fixture's state before it is constructed, so the image is
  // only reached when a helper runs.
  explicit ImageHelpers(ProgramState& state) : state_(state) {}

  // Bytes from column 0 of a row; the rest of the row is left as it is.
  void putRow(int row, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) state_.MemImage.at(row, static_cast<int>(i)) = bytes[i];
  }
  void putRecord(int channel, const Bytes& bytes) { putRow(RecordRow(channel), bytes); }
  void putName(int channel, const Bytes& bytes) { putRow(NameRow(channel), bytes); }

  Bytes row(int r, int first = 0, int last = 15) const {
    Bytes out;
    for (int c = first; c <= last; ++c) out.push_back(state_.MemImage.at(r, c));
    return out;
  }
  Bytes record(int channel, int first = 0, int last = 15) const { return row(RecordRow(channel), first, last); }
  Bytes name(int channel, int first = 0, int last = 15) const { return row(NameRow(channel), first, last); }

 private:
  ProgramState& state_;
};

class ChannelFixture : public ::testing::Test, protected ImageHelpers {
 protected:
  ChannelFixture() : ImageHelpers(state) { PrepareState(state); }

  // Cells 1..12 of a grid row.
  std::vector<std::string> cells(int r) const {
    std::vector<std::string> out;
    for (int c = 1; c < kGridColumns; ++c) out.push_back(grid.cell(r, c));
    return out;
  }

  void show() { RedisplayChannels(ctx); }

  // A programmed channel: 145.52250 receive and transmit, tones off, the
  // new-channel options, name "AB1".
  void putProgrammed(int channel) {
    putRecord(channel, {0x50, 0x22, 0x55, 0x14, 0x50, 0x22, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x44});
    putName(channel, {'A', 'B', '1', 0xFF, 0xFF, 0xFF});
  }

  ProgramState state;
  ChannelGrid grid;
  brel::test::RecordingMessages messages;
  ChannelEditContext ctx{state, grid, messages};
};

inline const Bytes kAllErased(16, 0xFF);

}  // namespace brel::chann::test
