// The check every file dialog makes on the typed name before it uses it.
#pragma once

#include <string>
#include <string_view>

namespace brel {

enum class NameCheckOutcome {
  Accepted,
  RefusedName,  // the name holds "*", "$", "\", "/" or "#", or is the suffix alone
  BadSuffix,    // the name does not end in the suffix, all small or all capital
};

struct NameCheckResult {
  NameCheckOutcome outcome = NameCheckOutcome::BadSuffix;
  std::string path;  // directory + "/" + trimmed name; set only when accepted
  bool accepted() const { return outcome == NameCheckOutcome::Accepted; }
};

// `suffix` is given in small letters (".dat", ".adj"); the same suffix in
// capitals passes too, a mixed-case one does not; the suffix alone is no
// name.  Blanks around the name are dropped, blanks inside it stay.  The
// directory is used as the list gives it, so a root directory "/" yields
// "//name".
NameCheckResult CheckFileName(std::string_view directory, std::string_view typedName,
                              std::string_view suffix);

}  // namespace brel
