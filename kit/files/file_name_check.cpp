#include "file_name_check.h"

#include <algorithm>
#include <cctype>

#include "numtext.h"

namespace brel {

namespace {

std::string Upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

NameCheckResult CheckFileName(std::string_view directory, std::string_view typedName,
                              std::string_view suffix) {
  NameCheckResult result;
  const std::string name = TrimBlanks(typedName);
  if (name.find_first_of("*$\\/#") != std::string::npos) {
    result.outcome = NameCheckOutcome::RefusedName;
    return result;
  }
  // The suffix is plain ASCII, so comparing the last bytes of the UTF-8 name
  // is the same as comparing its last characters.
  if (!EndsWith(name, suffix) && !EndsWith(name, Upper(suffix))) {
    result.outcome = NameCheckOutcome::BadSuffix;
    return result;
  }
  // Nothing before the suffix names no file, only a hidden one that no file
  // list shows.
  if (name.size() == suffix.size()) {
    result.outcome = NameCheckOutcome::RefusedName;
    return result;
  }
  result.outcome = NameCheckOutcome::Accepted;
  result.path = std::string(directory) + "/" + name;
  return result;
}

}  // namespace brel
