// The FM preset editor window: the preset grid, the FM range and the four
// band-limit boxes, Read, Write, Clear, Save, Open and Close.  Nothing in
// this release opens it but MDImain::OpenFmEditor.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>
#include <string>

#include "editor_window.h"
#include "fm_editor.h"
#include "fm_transfer.h"
#include "grid_kit.h"

namespace brel::fm {

class frm_FM : public EditorWindow {
  Q_OBJECT
 public:
  explicit frm_FM(AppContext& context);
  ~frm_FM() override;

  void loadHandling() override;
  void commitPendingEdit() override;

  // Each activation: the preset numbers, the current cell on the last row.
  void Form_Activate();
  void Command_read_Click();
  void Command_Write_Click();
  void Command_Clear_Click();
  void Command_save_Click();
  void Command_open_Click();
  void Command_close_Click();

  grid::GridView* grid() const { return grid_; }
  grid::GridModel* model() const { return model_; }
  QLineEdit* bandBox(int box) const { return boxes_[static_cast<std::size_t>(box)]; }
  QLineEdit* fmLowerBox() const { return fmLower_; }
  QLineEdit* fmUpperBox() const { return fmUpper_; }
  QPushButton* button(const char* name) const;
  QLabel* readoutLabel() const { return readoutLabel_; }
  FmEditor& editor() { return editor_; }
  const FmSheet& sheet() const { return sheet_; }
  FmTransfer* transfer() { return transfer_; }

 private:
  void setCaptions();
  void layOut();
  void showReadout();
  // Runs a change of the grid's texts so the view follows.
  void change(const std::function<void()>& f);

  // The FM file: staging rows 0..15 in and out.
  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override;
  std::optional<std::string> writeFile(const std::string& path) override;

  FmSheet sheet_;
  FmEditor editor_;
  grid::GridModel* model_;
  grid::GridView* grid_;
  QComboBox* comboEdit_;  // present but never shown
  QLineEdit* fmLower_;
  QLineEdit* fmUpper_;
  std::array<QLineEdit*, kBandBoxCount> boxes_{};
  QLabel* rangeLabel_;
  QLabel* labelA_;
  QLabel* labelB_;
  std::array<QLabel*, 3> toLabels_{};
  std::array<QLabel*, 3> mhzLabels_{};
  QLabel* readoutLabel_;
  std::array<QPushButton*, 6> buttons_{};
  FmTransfer* transfer_ = nullptr;
};

}  // namespace brel::fm

namespace brel {
// Registers frm_FM and its two file dialogs with the host.
void RegisterFmEditor(FormHost& host);
}  // namespace brel
