// The five-tone window: a Standard page (the standards and the tones of the
// one chosen), an Encode page (codes and delays) and a Decode page (entries,
// the selected entry's options, the reset time) over the five-tone editor's
// rules.  Nothing in this release opens it but MDImain::LoadFiveToneEditor.
#pragma once

#include <QCheckBox>
#include <QComboBox>

#include "five_tone_editor.h"
#include "signalling_window.h"

namespace brel::signalling {

class frm_5tone : public SignallingWindow {
  Q_OBJECT
 public:
  explicit frm_5tone(AppContext& context);
  ~frm_5tone() override;

  void loadHandling() override;

  grid::GridView* standardsGrid() const { return standardsGrid_; }
  grid::GridView* encodeGrid() const { return encodeGrid_; }
  grid::GridView* decodeGrid() const { return decodeGrid_; }
  QGroupBox* entryFrame() const { return frameDecXx_; }
  QGroupBox* page(int index) const { return frames_[static_cast<std::size_t>(index)]; }
  // Option box `kind` (0..8: DISP, LED, CTRL, ALERT, digits 1..5) of frame f.
  QCheckBox* optionBox(int f, int kind) const {
    return options_[static_cast<std::size_t>(f)][static_cast<std::size_t>(kind)];
  }
  QLabel* toneLabel(int digit) const { return freqLabels_[static_cast<std::size_t>(digit)]; }
  FiveToneSheet& sheet() { return sheet_; }
  FiveToneEditor& editor() { return editor_; }

 private:
  void encodeSet() override { editor_.EncodeFiveTone(); }
  void showRead(std::span<const std::uint8_t> area) override;
  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override;
  std::optional<std::string> save(const std::string& path) override;
  void defaults() override { editor_.InitFiveTone(); }
  std::vector<grid::GridView*> grids() const override { return {standardsGrid_, encodeGrid_, decodeGrid_}; }
  void showSheet() override;

  void build();
  void setCaptions();
  void layOut();
  void pageSelected(int index);
  QComboBox* list(QWidget* parent, const char* name, PlainList& plain);

  FiveToneSheet sheet_;
  FiveToneEditor editor_;
  std::array<QGroupBox*, 3> frames_{};  // Frame_std, Frame_encode, Frame_Decode
  QGroupBox* frameDecXx_ = nullptr;
  grid::GridView* standardsGrid_ = nullptr;
  grid::GridView* encodeGrid_ = nullptr;
  grid::GridView* decodeGrid_ = nullptr;
  QComboBox* standardList_ = nullptr;
  QLabel* standardLabel_ = nullptr;
  std::array<QLabel*, 16> codeLabels_{};
  std::array<QLabel*, 16> freqLabels_{};
  std::array<QComboBox*, 4> delays_{};
  std::array<QLabel*, 4> delayLabels_{};
  std::array<QLabel*, 3> frameLabels_{};
  std::array<QLabel*, 4> kindLabels_{};
  std::array<QLabel*, 5> digitLabels_{};
  QLabel* groupLabel_ = nullptr;  // Label9, stored hidden
  std::array<std::array<QCheckBox*, kOptionKinds>, 3> options_{};
  QComboBox* resetTime_ = nullptr;
  QLabel* resetLabel_ = nullptr;
  QCheckBox* replyBack_ = nullptr;
  QCheckBox* replyBcl_ = nullptr;
  QComboBox* replyTime_ = nullptr;
  QLabel* replyLabel_ = nullptr;  // Label8
};

}  // namespace brel::signalling
