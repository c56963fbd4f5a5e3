// The plain view an exchange shows itself on: what it sets of a
// PlainProgress, and the two moments of a read.
#include "progress_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brel::link {
namespace {

TEST(ProgressView, SetsOnePartOfTheProgressAtATimeClampedAndMovesWithTheWindow) {
  PlainProgress own, model;
  std::vector<std::string> seen;
  const auto record = [&seen](const char* which, const PlainProgress& p) {
    seen.push_back(std::string(which) + " " + (p.visible ? "shown " : "hidden ") + std::to_string(p.value) + " '" +
                   p.label + "'");
  };
  own.changed = [&] { record("own", own); };
  model.changed = [&] { record("model", model); };

  ProgressView view(own);
  view.setProgressVisible(true);
  view.setStatusText("Reading 3 Data Block");
  view.setProgressValue(150);
  view.setProgressValue(-5);
  view.showOn(model);
  view.setProgressValue(40);
  view.reset();
  EXPECT_EQ(seen, (std::vector<std::string>{"own shown 0 ''", "own shown 0 'Reading 3 Data Block'",
                                            "own shown 100 'Reading 3 Data Block'",
                                            "own shown 0 'Reading 3 Data Block'", "model hidden 40 ''",
                                            "model hidden 0 ''"}));
  EXPECT_EQ(&view.progress(), &model);

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
