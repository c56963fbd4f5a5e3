// A program state whose DTMF area holds its defaults (the rest of the image
// erased) and recorded messages, with byte helpers for the area.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "default_contents.h"
#include "program_state.h"
#include "test_doubles.h"

namespace brel::dtmf::test {

using Bytes = std::vector<int>;

class DtmfImage {
 public:
  explicit DtmfImage(ProgramState& state) : state_(state) {
    state_.MemImage.fill(0, 495, 0, 15, 0xFF);
    LoadDtmfDefaults(state_.MemImage);
  }
  Bytes bytes(int address, int count) const {
    Bytes out;
    for (int a = address; a < address + count; ++a) out.push_back(state_.MemImage.byte(a));
    return out;
  }
  void put(int address, const Bytes& values) {
    for (int v : values) state_.MemImage.byte(address++) = static_cast<std::int16_t>(v);
  }
  int byte(int address) const { return state_.MemImage.byte(address); }
  // Rows 176..207 (radio 0x0B00..0x0CFF).
  Bytes area() const { return bytes(0x0B00, 0x0200); }
  void eraseArea() { state_.MemImage.fill(176, 207, 0, 15, 0xFF); }

 private:
  ProgramState& state_;
};

// Five 0xFF after `count` leading values: a code's bytes.
inline Bytes Code(Bytes leading) {
  while (leading.size() < 5) leading.push_back(0xFF);
  return leading;
}

}  // namespace brel::dtmf::test
