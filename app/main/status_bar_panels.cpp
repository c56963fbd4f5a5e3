#include "status_bar_panels.h"

#include <QLabel>

#include "form.h"
#include "main_texts.h"

namespace brel {

namespace {

// A panel as wide as its share of the screen while there is room, narrower
// when the user makes the main window smaller.
class PanelLabel : public QLabel {
 public:
  using QLabel::QLabel;
  void setPreferredWidth(int width) {
    preferredWidth_ = width;
    updateGeometry();
  }
  QSize sizeHint() const override { return {preferredWidth_, QLabel::sizeHint().height()}; }
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 private:
  int preferredWidth_ = 0;
};

}  // namespace

StatusBarPanels::StatusBarPanels(QStatusBar* bar) {
  for (int k = 0; k < kPanelCount; ++k) {
    auto* panel = new PanelLabel(bar);
    panel->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    panel->setObjectName(QStringLiteral("Panel%1").arg(k + 1));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    labels_[k] = panel;
  }
}

void StatusBarPanels::setPanelText(int panel, const std::string& text) {
  if (panel < 1 || panel > kPanelCount) return;
  labels_[panel - 1]->setText(QString::fromStdString(text));
}

std::string StatusBarPanels::panelText(int panel) const {
  if (panel < 1 || panel > kPanelCount) return {};
  return labels_[panel - 1]->text().toStdString();
}

void StatusBarPanels::setWidths(const ScreenTwips& screen) {
  for (int k = 0; k < kPanelCount; ++k) {
    widthsTwips_[k] = static_cast<float>(mainwin::kPanelShares[k] / 100.0 * screen.width);
    static_cast<PanelLabel*>(labels_[k])->setPreferredWidth(TwipsToPixels(widthsTwips_[k], screen.dpiX));
  }
}

float StatusBarPanels::widthTwips(int panel) const {
  return panel < 1 || panel > kPanelCount ? 0.0f : widthsTwips_[panel - 1];
}

QLabel* StatusBarPanels::label(int panel) const {
  return panel < 1 || panel > kPanelCount ? nullptr : labels_[panel - 1];
}

}  // namespace brel
