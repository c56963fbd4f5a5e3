#include "model_table.h"

#include "numtext.h"

namespace brel {
namespace {

constexpr int kModelCount = 11;

bool ValidModel(int index) { return index >= 0 && index < kModelCount; }

// Characters `from`..`from+3` (0-based) of the selected type's trimmed name:
// the low band's part is "VHF0" of "VHF0/UHF0", the high band's "UHF0".
std::string BandPart(const ProgramState& state, std::size_t from) {
  if (!ValidModel(state.ModelIndex)) return {};
  const std::string name = TrimBlanks(state.ModelNames[static_cast<std::size_t>(state.ModelIndex)]);
  return from < name.size() ? name.substr(from, 4) : std::string();
}

std::string BandText(const std::string& part, double lower, double upper) {
  return part + ":" + NumberToText(lower) + " -  " + NumberToText(upper) + "MHZ";
}

}  // namespace

void BuildModelTable(ProgramState& state) {
  state.ModelNames[0] = "VHF0/UHF0";
  state.ModelNames[1] = "VHF1/UHF1";
  state.ModelNames[2] = "VHF2/UHF2";

  // Single-band types give their upper edge as the last channel centre, a
  // fraction below the next MHz, taken to the nearest whole MHz.
  auto mhz = [](double value) { return static_cast<std::int16_t>(RoundHalfEven(value)); };
  auto& t = state.ModelBandTable;
  t = {};
  t[0] = {136, 174, 400, 520, 0};
  t[1] = {136, 174, 240, 250, 0};
  t[2] = {144, 146, 430, 440, 0};
  t[3] = {400, mhz(470.9875), 0, 0, 0};
  t[4] = {450, mhz(520.9875), 0, 0, 0};
  t[5] = {100, mhz(700.9875), 0, 0, 0};
  t[6] = {66, mhz(88.9875), 0, 0, 0};

  // Only the low band follows the table here; the high band keeps what the
  // caller or an identification put in force.
  if (ValidModel(state.ModelIndex)) {
    state.VhfLower = t[static_cast<std::size_t>(state.ModelIndex)][0];
    state.VhfUpper = t[static_cast<std::size_t>(state.ModelIndex)][1];
  }
}

std::string LowBandPanelText(const ProgramState& state) {
  return BandText(BandPart(state, 0), state.VhfLower, state.VhfUpper);
}

std::string HighBandPanelText(const ProgramState& state) {
  return BandText(BandPart(state, 5), state.UhfLower, state.UhfUpper);
}

}  // namespace brel
