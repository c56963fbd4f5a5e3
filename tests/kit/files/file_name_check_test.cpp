#include "file_name_check.h"

#include <gtest/gtest.h>

namespace brel {
namespace {

using O = NameCheckOutcome;

struct NameCase {
  const char* typed;
  const char* suffix;
  NameCheckOutcome outcome;
  const char* path;  // when accepted, for directory "/data"
};

TEST(FileNameCheck, RefusesBadCharactersAndSuffixesAndBuildsThePath) {
  const NameCase cases[] = {
      // The name box starts with the pattern, which is refused for its '*'.
      {"*.dat", ".dat", O::RefusedName, ""},
      {"a#b.dat", ".dat", O::RefusedName, ""},
      {"sub/b.dat", ".dat", O::RefusedName, ""},
      {"sub\\b.dat", ".dat", O::RefusedName, ""},
      {"a$b.dat", ".dat", O::RefusedName, ""},
      // A refused character wins over a missing suffix.
      {"a*b", ".dat", O::RefusedName, ""},
      // Only the all-small and all-capital suffixes pass.
      {"x.Dat", ".dat", O::BadSuffix, ""},
      {"x.daT", ".dat", O::BadSuffix, ""},
      {"x.dat", ".dat", O::Accepted, "/data/x.dat"},
      {"X.DAT", ".dat", O::Accepted, "/data/X.DAT"},
      {"radio.v2.backup.dat", ".dat", O::Accepted, "/data/radio.v2.backup.dat"},
      // The suffix alone is no name.
      {".dat", ".dat", O::RefusedName, ""},
      {".DAT", ".dat", O::RefusedName, ""},
      {"  .dat ", ".dat", O::RefusedName, ""},
      {".adj", ".adj", O::RefusedName, ""},
      {".Dat", ".dat", O::BadSuffix, ""},
      // Too short for a suffix, or none at all.
      {"", ".dat", O::BadSuffix, ""},
      {"   ", ".dat", O::BadSuffix, ""},
      {"dat", ".dat", O::BadSuffix, ""},
      {"x.da", ".dat", O::BadSuffix, ""},
      // Each family takes only its own suffix.
      {"x.adj", ".dat", O::BadSuffix, ""},
      {"x.dat", ".adj", O::BadSuffix, ""},
      {"x.ADJ", ".adj", O::Accepted, "/data/x.ADJ"},
      // Blanks around the name go, blanks inside stay.
      {"  my radio.dat  ", ".dat", O::Accepted, "/data/my radio.dat"},
      {"x.dat ", ".dat", O::Accepted, "/data/x.dat"},
      {"参数.dat", ".dat", O::Accepted, "/data/参数.dat"},
  };
  for (const NameCase& c : cases) {
    const NameCheckResult result = CheckFileName("/data", c.typed, c.suffix);
    EXPECT_EQ(result.outcome, c.outcome) << '"' << c.typed << "\" " << c.suffix;
    EXPECT_EQ(result.path, c.path) << '"' << c.typed << '"';
  }
}

TEST(FileNameCheck, RootDirectoryKeepsItsSeparatorBeforeTheSlash) {
  EXPECT_EQ(CheckFileName("/", "a.dat", ".dat").path, "//a.dat");
}

}  // namespace
}  // namespace brel
