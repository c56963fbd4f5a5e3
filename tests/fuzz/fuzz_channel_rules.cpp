// Channel editing with typed text, list choices and any band limits: after
// every step each frequency of the image is erased or eight valid BCD digits
// inside the bands (or the lower limit an out-of-band text is given), names
// hold only digits and capitals, and every cell is a byte.
#include <string>
#include <vector>

#include "channel_codec.h"
#include "channel_rules.h"
#include "frequency_codec.h"
#include "fuzz_check.h"
#include "numtext.h"
#include "program_state.h"
#include "tone_tables.h"
#include "ui_ports.h"

using namespace brel::chann;

namespace {

class NoMessages : public brel::MessageSink {
 public:
  void show(const brel::Message&) override {}
};

// Built once: the tone tables take longer than many inputs.
struct Fixture {
  Fixture() { brel::BuildToneTables(state); }
  void reset() {
    state.MemImage.fill(0, 495, 0, 15, 0xFF);
    grid = ChannelGrid{};
  }
  brel::ProgramState state;
  ChannelGrid grid;
  NoMessages messages;
  ChannelEditContext ctx{state, grid, messages};
};

std::vector<int> Bytes(const brel::MemoryImage& image, int row, int first, int count) {
  std::vector<int> out;
  for (int k = first; k < first + count; ++k) out.push_back(image.at(row, k));
  return out;
}

// Bytes are erased, or say a frequency a typed text in band can give (it is
// snapped down by less than a step), or the lower limit.
void CheckFrequency(const brel::ProgramState& s, const std::vector<int>& bytes, const std::vector<int>& lowerBytes) {
  bool erased = true;
  for (int b : bytes) erased = erased && b == 0xFF;
  if (erased) return;
  for (int b : bytes) FUZZ_REQUIRE(brel::fuzz::IsPackedBcd(b), "a stored frequency is packed BCD");
  if (bytes == lowerBytes) return;
  const double v = brel::TextToNumber(brel::BcdToFrequencyText(bytes[0], bytes[1], bytes[2], bytes[3]));
  constexpr double kStep = 0.00625 + 1e-9;
  FUZZ_REQUIRE(v >= s.VhfLower - kStep && v <= s.UhfUpper + 1e-9 && !(s.VhfUpper < v && v < s.UhfLower - kStep),
          "a stored frequency lies in the bands");
}

void CheckChannel(const brel::ProgramState& s, int n, const std::vector<int>& lowerBytes) {
  for (int row : {RecordRow(n), NameRow(n)})
    for (int c = 0; c < 16; ++c)
      FUZZ_REQUIRE(s.MemImage.at(row, c) >= 0 && s.MemImage.at(row, c) <= 255, "every cell a byte");
  CheckFrequency(s, Bytes(s.MemImage, RecordRow(n), kRxFreqByte, 4), lowerBytes);
  CheckFrequency(s, Bytes(s.MemImage, RecordRow(n), kTxFreqByte, 4), lowerBytes);
  for (int b : Bytes(s.MemImage, NameRow(n), 0, kNameLength))
    FUZZ_REQUIRE(b == 0xFF || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z'), "a name holds digits and capitals");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brel::fuzz::InputReader in(data, size);
  static Fixture f;
  f.reset();
  brel::ProgramState& s = f.state;
  // Any limits at all, 0 to 2040 MHz in quarter steps, in any order.
  auto limit = [&in] { return in.byte() * 8 + (in.byte() % 4) * 0.25; };
  s.VhfLower = limit(), s.VhfUpper = limit(), s.UhfLower = limit(), s.UhfUpper = limit();
  s.ChannelTotal = static_cast<std::int16_t>(1 + in.byte() % kMaxChannels);
  RedisplayChannels(f.ctx);

  std::vector<int> lowerBytes{-1, -1, -1, -1};
  brel::MemoryImage scratch;
  if (brel::StoreFrequency(scratch, LowerLimitText(s), 0, 0)) lowerBytes = Bytes(scratch, 0, 0, 4);

  for (int step = 0; step < 64 && !in.empty(); ++step) {
    const std::uint8_t op = in.byte();
    const int rows = f.grid.rowCount();
    if (rows < 2) break;
    const int r = 1 + in.byte() % (rows - 1);
    const int col = 1 + in.byte() % (kGridColumns - 1);
    switch (op % 6) {
      case 0:
        CommitCell(f.ctx, r, col, in.text());
        break;
      case 1:
        CommitRxFrequency(f.ctx, r, EnterRxFrequency(f.ctx, r, in.text()).text);
        break;
      case 2:
        CommitTxFrequency(f.ctx, r, EnterTxFrequency(f.ctx, r, in.text()).text);
        break;
      case 3: {
        // Only a cell that gets a list offers a choice, and only of its list.
        const CellEditor editor = EditorFor(f.grid, r, col);
        if (editor != CellEditor::TypedList && editor != CellEditor::PickList) break;
        const std::vector<std::string> choices = ColumnChoices(s, col);
        if (choices.empty()) break;
        const int p = in.byte() % static_cast<int>(choices.size());
        ChooseFromList(f.ctx, r, col, p, choices[static_cast<std::size_t>(p)]);
        f.grid.setCell(r, col, choices[static_cast<std::size_t>(p)]);
        break;
      }
      case 4:
        ClearChannels(f.ctx);
        break;
      default:
        RedisplayChannels(f.ctx);
        break;
    }
    // The channel just edited at once, every channel at the end.
    CheckChannel(s, r, lowerBytes);
  }
  for (int n = 1; n <= kMaxChannels; ++n) CheckChannel(s, n, lowerBytes);
  return 0;
}
