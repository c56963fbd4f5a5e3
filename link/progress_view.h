// An exchange shown on a PlainProgress: the bar's value (0..100), whether
// the bar shows, and the status text.  An editor window keeps one and
// mirrors the PlainProgress onto its bar and label.  The two moments of a
// read go to the hooks:
//
//   PlainProgress progress;
//   link::ProgressView view{progress};
//   view.replaced = [&] { showThing(); };
//   link::Transfer transfer{context, profile, texts, view};
#pragma once

#include <algorithm>
#include <functional>
#include <string>

#include "plain_controls.h"
#include "transfer.h"

namespace brel::link {

class ProgressView : public TransferView {
 public:
  explicit ProgressView(PlainProgress& progress) : progress_(progress) {}

  void setProgressValue(int value) override {
    progress_.set(progress_.visible, std::clamp(value, 0, 100), progress_.label);
  }
  void setProgressVisible(bool visible) override { progress_.set(visible, progress_.value, progress_.label); }
  void setStatusText(const std::string& text) override { progress_.set(progress_.visible, progress_.value, text); }
  // The bar hidden at 0, the text emptied.
  void reset() { progress_.set(false, 0, ""); }

  // A read is about to commit its blocks; it has committed them.
  std::function<void()> beforeReplaced;
  std::function<void()> replaced;
  void beforeImageReplaced() override {
    if (beforeReplaced) beforeReplaced();
  }
  void imageReplaced() override {
    if (replaced) replaced();
  }

 private:
  PlainProgress& progress_;
};

}  // namespace brel::link
