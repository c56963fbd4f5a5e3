// What the fuzz targets share: an invariant that aborts with its place when
// it does not hold (a crash libFuzzer reports with the input, and a failure
// of the corpus run), and a small reader of the fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace brel::fuzz {

[[noreturn]] inline void InvariantBroken(const char* what, const char* file, int line) {
  std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", what, file, line);
  std::abort();
}

// The invariant `holds`, which says `what`.
#define FUZZ_REQUIRE(holds, what) \
  ((holds) ? static_cast<void>(0) : ::brel::fuzz::InvariantBroken((what), __FILE__, __LINE__))

// Takes the input from the front: single bytes, then texts of a length the
// input gives; an exhausted input gives zeros and empty texts.
class InputReader {
 public:
  InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // A text of up to `max` bytes; its length comes from one byte.
  std::string text(std::size_t max = 40) {
    const std::size_t wanted = byte() % (max + 1);
    const std::size_t n = wanted < size_ - pos_ ? wanted : size_ - pos_;
    std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return out;
  }
  std::string_view rest() {
    std::string_view out(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

inline bool IsPackedBcd(int byte) { return byte >= 0 && byte <= 0x99 && (byte & 0x0F) <= 9; }

// Well-formed UTF-8 (overlong and surrogate forms not looked into), so a
// panel or message shows what it says.
inline bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    if (c < 0x80) extra = 0;
    else if (c >= 0xC2 && c <= 0xDF) extra = 1;
    else if ((c & 0xF0) == 0xE0) extra = 2;
    else if (c >= 0xF0 && c <= 0xF4) extra = 3;
    else return false;
    if (extra > text.size() - i - 1) return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace brel::fuzz
