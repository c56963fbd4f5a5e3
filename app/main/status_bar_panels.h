// The main window's status bar: eleven text panels numbered 1..11, each as
// wide as its share of the screen.
#pragma once

#include <QStatusBar>
#include <array>

#include "platform.h"
#include "ui_ports.h"

class QLabel;

namespace brel {

class StatusBarPanels : public StatusPanels {
 public:
  explicit StatusBarPanels(QStatusBar* bar);

  // A panel outside 1..11 is ignored (reads as empty).
  void setPanelText(int panel, const std::string& text) override;
  std::string panelText(int panel) const override;

  // Panel k gets (share k / 100) x the screen width, kept in twips as a
  // single-precision value and shown at the matching pixel width.
  void setWidths(const ScreenTwips& screen);
  float widthTwips(int panel) const;
  QLabel* label(int panel) const;

 private:
  std::array<QLabel*, kPanelCount> labels_{};
  std::array<float, kPanelCount> widthsTwips_{};
};

}  // namespace brel
