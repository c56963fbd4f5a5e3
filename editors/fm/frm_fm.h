// The FM preset editor window: the preset grid, the FM range and the four
// band-limit boxes, Read, Write, Clear, Save, Open and Close.  Nothing in
// this release opens it but MDImain::OpenFmEditor.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <array>
#include <memory>
#include <string>

#include "file_request.h"
#include "fm_editor.h"
#include "fm_transfer.h"
#include "form.h"
#include "grid_kit.h"

namespace brel::fm {

class frm_FM : public Form, private link::TransferView {
  Q_OBJECT
 public:
  explicit frm_FM(AppContext& context);
  ~frm_FM() override;

  void loadHandling() override;
  bool queryUnload() override;
  void unloadHandling() override;
  void commitPendingEdit() override;

  // Each activation: the preset numbers, the current cell on the last row.
  void Form_Activate();
  void Command_read_Click();
  void Command_Write_Click();
  void Command_Clear_Click();
  void Command_save_Click();
  void Command_open_Click();
  void Command_close_Click();

  // The file requests addressed to this window.
  void OpenFmFile(const std::string& path);
  void SaveFmFile(const std::string& path);

  // The exchange runs or a retry of it is pending.
  bool running() const { return transfer_ && transfer_->running(); }

  grid::GridView* grid() const { return grid_; }
  grid::GridModel* model() const { return model_; }
  QLineEdit* bandBox(int box) const { return boxes_[static_cast<std::size_t>(box)]; }
  QLineEdit* fmLowerBox() const { return fmLower_; }
  QLineEdit* fmUpperBox() const { return fmUpper_; }
  QPushButton* button(const char* name) const;
  QLabel* statusLabel() const { return statusLabel_; }
  QLabel* readoutLabel() const { return readoutLabel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  FmEditor& editor() { return editor_; }
  const FmSheet& sheet() const { return sheet_; }
  FmTransfer* transfer() { return transfer_.get(); }

 private:
  void setCaptions();
  void layOut();
  void showBoxes();
  void showReadout();
  void resetProgress();
  // Runs a change of the grid's texts so the view follows.
  void change(const std::function<void()>& f);
  void bandBoxEdited(int box, const QString& text);
  void bandBoxLeft(int box);

  // TransferView
  void setProgressValue(int value) override;
  void setProgressVisible(bool visible) override;
  void setStatusText(const std::string& text) override;
  void beforeImageReplaced() override;
  void imageReplaced() override;

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
  QLabel* statusLabel_;
  QLabel* readoutLabel_;
  QProgressBar* progressBar_;
  std::array<QPushButton*, 6> buttons_{};
  std::unique_ptr<FmTransfer> transfer_;
  FileRequestPoller poller_;
  QMetaObject::Connection activation_;
  bool boxBusy_ = false;  // a box rule is running (its message box takes the focus)
};

}  // namespace brel::fm

namespace brel {
// Registers frm_FM and its two file dialogs with the host.
void RegisterFmEditor(FormHost& host);
}  // namespace brel
