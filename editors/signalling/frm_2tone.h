// The two-tone window: an Encode page (codes and their timings) and a Decode
// page (entries, the selected entry's tones, the reset time) over the
// two-tone editor's rules.  Nothing in this release opens it but
// MDImain::LoadTwoToneEditor.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "signalling_window.h"
#include "two_tone_editor.h"

namespace brel::signalling {

class frm_2tone : public SignallingWindow {
  Q_OBJECT
 public:
  explicit frm_2tone(AppContext& context);
  ~frm_2tone() override;

  void loadHandling() override;

  grid::GridView* encodeGrid() const { return encodeGrid_; }
  grid::GridView* decodeGrid() const { return decodeGrid_; }
  QLineEdit* toneField(int n) const { return tones_[static_cast<std::size_t>(n)]; }
  QGroupBox* entryFrame() const { return frameDecXx_; }
  QGroupBox* encodeFrame() const { return frameEncode_; }
  QGroupBox* decodeFrame() const { return frameDecode_; }
  TwoToneSheet& sheet() { return sheet_; }
  TwoToneEditor& editor() { return editor_; }

 private:
  void encodeSet() override { editor_.StoreTwoToneControls(); }
  void showRead(std::span<const std::uint8_t> area) override;
  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override;
  std::optional<std::string> save(const std::string& path) override;
  void defaults() override { editor_.LoadTwoToneDefaults(); }
  std::vector<grid::GridView*> grids() const override { return {encodeGrid_, decodeGrid_}; }
  void showSheet() override;

  void setCaptions();
  void layOut();
  void pageSelected(int index);
  void toneFieldLeft(int n);

  TwoToneSheet sheet_;
  TwoToneEditor editor_;
  QGroupBox* frameEncode_;
  QGroupBox* frameDecode_;
  QGroupBox* frameDecXx_;
  grid::GridView* encodeGrid_;
  grid::GridView* decodeGrid_;
  std::array<QComboBox*, 3> timings_{};
  std::array<QLabel*, 3> timingLabels_{};
  std::array<QLineEdit*, 4> tones_{};
  std::array<QLabel*, 4> toneLabels_{};
  QComboBox* resetTime_;
  QLabel* resetLabel_;
  bool toneBusy_ = false;  // a tone field's check runs (its message takes the focus)
};

}  // namespace brel::signalling
