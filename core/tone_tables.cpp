#include "tone_tables.h"

#include <cmath>

#include "numtext.h"

namespace brel {

const std::array<double, 50> kCtcssTones = {
    67.0,  69.3,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,  94.8,  97.4,  100.0,
    103.5, 107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
    159.8, 162.2, 165.5, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6,
    199.5, 203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1,
};

const std::array<const char*, 105> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
    "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
    "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
    "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
    "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
    "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
    "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
    "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743",
    "754",
};

namespace {

// A tone in hertz with exactly one decimal: "67.0", "100.0", "259.9".
std::string ToneText(double hz) {
  std::string text = NumberToTrimmedText(hz);
  if (hz == std::floor(hz)) text += ".0";
  return text;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace

void BuildToneTables(ProgramState& state) {
  auto& toneList = state.ToneList;
  // The channel grid shows these texts as they are, so the blanks line the
  // columns up: shorter texts carry more blanks.
  toneList[0] = Blanks(3) + "OFF" + Blanks(6);
  for (int i = 0; i < 50; ++i) {
    const std::string tone = ToneText(kCtcssTones[static_cast<std::size_t>(i)]);
    const int index = i + 1;
    if (index <= 9) toneList[static_cast<std::size_t>(index)] = Blanks(3) + tone + Blanks(4);
    else if (index <= 12) toneList[static_cast<std::size_t>(index)] = Blanks(2) + tone + Blanks(4);
    else toneList[static_cast<std::size_t>(index)] = Blanks(2) + tone + Blanks(3);
  }
  for (int n = 1; n <= 105; ++n) {
    const std::string code = kDcsCodes[static_cast<std::size_t>(n - 1)];
    const int normal = ToneListIndexOfDcs(n);
    const int inverted = ToneListIndexOfDcs(n + 105);
    toneList[static_cast<std::size_t>(normal)] = Blanks(normal <= 99 ? 2 : 1) + "D" + code + "N" + Blanks(3);
    toneList[static_cast<std::size_t>(inverted)] = Blanks(1) + "D" + code + "I" + Blanks(3);
  }

  auto& names = state.QtDqtNames;
  names[0] = "OFF";
  int index = 0;
  for (int i = 600; i <= 2599; ++i) names[static_cast<std::size_t>(++index)] = ToneText(i / 10.0);
  for (int i = ToneListIndexOfDcs(1); i <= ToneListIndexOfDcs(210); ++i)
    names[static_cast<std::size_t>(++index)] = TrimBlanks(toneList[static_cast<std::size_t>(i)]);
}

}  // namespace brel
