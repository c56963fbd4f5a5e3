// Parameter-file text: whatever a file holds, the reader either gives exactly
// the values asked for, each 0..255, or a readable reason and no values; a
// file read from disk gives what the same text gives in memory; and what a
// save writes reads back unchanged.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "fuzz_check.h"
#include "mem_image.h"
#include "param_file.h"

namespace {

bool SameResult(const brel::ParamReadResult& a, const brel::ParamReadResult& b) {
  return a.values == b.values && a.error == b.error;
}

// One file for the whole run, rewritten for each input, removed at the end.
char scratchPath[] = "/tmp/brel-fuzz-param-XXXXXX";

const char* ScratchFile() {
  static const bool made = [] {
    const int fd = ::mkstemp(scratchPath);
    if (fd < 0) return false;
    ::close(fd);
    std::atexit([] { ::unlink(scratchPath); });
    return true;
  }();
  return made ? scratchPath : nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brel::fuzz::InputReader in(data, size);
  const std::uint8_t how = in.byte();
  // Few values, so that many inputs hold them all; sometimes a whole image.
  const int count = (how & 0x40) != 0 ? 7696 : 1 + how % 24;
  const bool nothingAfter = (how & 0x80) != 0;
  const std::string_view text = in.rest();

  const brel::ParamReadResult read = brel::ParseParamValues(text, count, nothingAfter);
  if (read.ok()) {
    FUZZ_REQUIRE(read.values.size() == static_cast<std::size_t>(count), "exactly the values asked for");
    for (std::int16_t v : read.values) FUZZ_REQUIRE(v >= 0 && v <= 255, "every value a byte");

    // Applied to an image, the values change the rows they belong to and no other.
    if (count == 7696) {
      brel::MemoryImage image;
      image.fill(0, 495, 0, 15, 0x5A);
      brel::ValuesToRows(read.values, image, 0, 480);
      for (int c = 0; c < 16; ++c) FUZZ_REQUIRE(image.at(481, c) == 0x5A, "rows beyond the file untouched");
    }

    const std::string saved = brel::FormatParamText(read.values, 16);
    const brel::ParamReadResult again = brel::ParseParamValues(saved, count, true);
    FUZZ_REQUIRE(again.ok() && again.values == read.values, "a saved file reads back the same");
  } else {
    FUZZ_REQUIRE(read.values.empty(), "a refused text gives no values");
    FUZZ_REQUIRE(!read.error.empty(), "a refusal has a reason");
    for (char c : read.error) FUZZ_REQUIRE(c >= 0x20 && c < 0x7F, "the reason is printable");
  }

  if (text.size() <= 4096 && ScratchFile() != nullptr) {
    std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(text.size()));
    FUZZ_REQUIRE(SameResult(brel::ReadParamValues(ScratchFile(), count, nothingAfter), read), "file and text read alike");
  }
  return 0;
}
