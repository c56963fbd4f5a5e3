// The DTMF editor window: the encode frame (fifteen encode groups, the on
// and off times, the group-call code, the own identity with its PTT-ID
// boxes), Default and Close.  The frames with the function codes, the state
// flags and the control identities are kept hidden but filled and handled,
// and so are the window's own Read and Write.  Everything the widgets show
// lives in DtmfEditor; the window mirrors it and feeds the user's keys, edits,
// clicks and focus moves back to it.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <array>

#include "dtmf_editor.h"
#include "dtmf_transfer.h"
#include "editor_window.h"

namespace brel::dtmf {

class frm_dtmf : public EditorWindow {
  Q_OBJECT
 public:
  explicit frm_dtmf(AppContext& context);
  ~frm_dtmf() override;

  void loadHandling() override;
  void unloadHandling() override;
  // Stores the encode group that holds the focus (or was typed into).
  void commitPendingEdit() override;

  void Form_Activate();
  void Command_def_Click();
  void Command_close_Click();
  // The window's own Read and Write (their buttons are stored hidden).
  void Command_read_Click();
  void Command_Write_Click();

  DtmfEditor& editor() { return editor_; }
  QLineEdit* group(int i) const { return groups_[static_cast<std::size_t>(i)]; }
  QLineEdit* codeField(CodeField f) const { return codes_[static_cast<std::size_t>(f)]; }
  QCheckBox* flagBox(FlagBox b) const { return boxes_[static_cast<std::size_t>(b)]; }
  QCheckBox* controlSwitch() const { return ctrlEnable_; }
  QComboBox* onTime() const { return onTime_; }
  QComboBox* offTime() const { return offTime_; }
  QComboBox* groupCall() const { return groupCall_; }
  const DtmfTransfer* transfer() const { return transfer_; }

 private:
  void buildEncodeFrame();
  void buildHiddenFrames();
  void setCaptions();
  void bindControls();
  // The user moved the focus (Tab, a click, a shortcut) to another control
  // of this window: a group's leave.
  bool userMovedFocusWithin(Qt::FocusReason reason) const;

  void imageReplaced() override { Form_Activate(); }

  DtmfEditor editor_;
  QGroupBox* encodeFrame_;
  QGroupBox* aniFrame_;
  QGroupBox* stateFrame_;
  QGroupBox* decodeFrame_;
  QGroupBox* ctrlFrame_;
  std::array<QLineEdit*, addr::kDtmfGroupCount> groups_{};
  std::array<QLineEdit*, kCodeFieldCount> codes_{};
  std::array<QCheckBox*, kFlagBoxCount> boxes_{};
  QCheckBox* ctrlEnable_ = nullptr;
  QComboBox* onTime_ = nullptr;
  QComboBox* offTime_ = nullptr;
  QComboBox* groupCall_ = nullptr;
  QPushButton* defaultButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QPushButton* readButton_ = nullptr;
  QPushButton* writeButton_ = nullptr;
  DtmfTransfer* transfer_ = nullptr;
};

}  // namespace brel::dtmf

namespace brel {
// Registers frm_dtmf with the host.
void RegisterDtmfEditor(FormHost& host);
}  // namespace brel
