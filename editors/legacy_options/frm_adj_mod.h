// The older option window: one design, two windows (frm_Adj_Mod and
// frm_Adj_Tune), each with its own stage image, exchange and file requests.
// Everything the widgets show lives in LegacyOptionsEditor; the window
// mirrors it and feeds the user's picks, typing, clicks and focus moves back
// to it, and runs the exchange (LegacyOptionsTransfer) and the option file
// (stage rows 0..11).  No command of the main window opens either window.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <map>
#include <string>

#include "editor_window.h"
#include "legacy_options_editor.h"
#include "legacy_options_transfer.h"

class QComboBox;
class QLineEdit;

namespace brel::legacy_options {

class frm_Adj_Mod : public EditorWindow {
  Q_OBJECT
 public:
  // `id` is FormId::frm_Adj_Mod or FormId::frm_Adj_Tune.
  frm_Adj_Mod(AppContext& context, FormId id);
  ~frm_Adj_Mod() override;

  void loadHandling() override;

  void Form_Activate();
  // Each button first checks the field typed into since its last check.
  // Read, Write and Default wait while the exchange runs, Close also while
  // a retry of it is pending.
  void Command_read_Click();
  void Command_Write_Click();
  void Command_def_Click();
  void Command_save_Click();
  void Command_open_Click();
  void Command_close_Click();

  LegacyOptionsEditor& editor() { return editor_; }
  QWidget* widget(const std::string& name) const;

 private:
  void build();
  void bindControls();
  void setCaptions();
  void fitRows();
  // A typed field lost the focus: its check, when the user moved within
  // the window.
  void fieldLeft(TypedField field, Qt::FocusReason reason);

  // A save or open the file dialog asks for may come after a field was
  // refused: the checks still due run first, and stop it while one refuses.
  bool commitEdits() override { return editor_.runPendingCheck(); }
  // A completed read overwrites every field: nothing typed is checked first.
  void beforeImageReplaced() override {}
  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override { editor_.ShowFileRows(); }
  std::optional<std::string> writeFile(const std::string& path) override;
  void imageReplaced() override { editor_.RefreshAdjModForm(); }  // a read has completed

  LegacyOptionsEditor editor_;
  std::map<std::string, QWidget*> widgets_;
  bool refocusing_ = false;
  LegacyOptionsTransfer* transfer_ = nullptr;
};

}  // namespace brel::legacy_options

namespace brel {
// Registers frm_Adj_Mod and frm_Adj_Tune with the host (no menu reaches them).
void RegisterLegacyOptionEditors(FormHost& host);
}  // namespace brel
