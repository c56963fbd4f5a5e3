// The plain view an exchange shows itself on: what it sets of a
// PlainProgress, and the two moments of a read.
#include "progress_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brel::link {
namespace {

TEST(ProgressView, SetsOnePartOfTheProgressAtATimeClamped) {
  PlainProgress own;
  std::vector<std::string> seen;
  own.changed = [&] {
    seen.push_back(std::string(own.visible ? "shown " : "hidden ") + std::to_string(own.value) + " '" + own.label +
                   "'");
  };

  ProgressView view(own);
  view.setProgressVisible(true);
  view.setStatusText("Reading 3 Data Block");
  view.setProgressValue(150);
  view.setProgressValue(-5);
  view.setProgressValue(40);
  view.reset();
  EXPECT_EQ(seen, (std::vector<std::string>{"shown 0 ''", "shown 0 'Reading 3 Data Block'",
                                            "shown 100 'Reading 3 Data Block'", "shown 0 'Reading 3 Data Block'",
                                            "shown 40 'Reading 3 Data Block'", "hidden 0 ''"}));

  // A view without hooks takes a read quietly; with them, each in turn.
  TransferView& asSeen = view;
  asSeen.beforeImageReplaced();
  asSeen.imageReplaced();
  std::vector<std::string> moments;
  view.beforeReplaced = [&] { moments.push_back("before"); };
  view.replaced = [&] { moments.push_back("replaced"); };
  asSeen.beforeImageReplaced();
  asSeen.imageReplaced();
  EXPECT_EQ(moments, (std::vector<std::string>{"before", "replaced"}));
}

}  // namespace
}  // namespace brel::link
