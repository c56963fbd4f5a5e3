// The optional features window: four frames of settings with Default and
// Close.  Its widgets mirror the plain controls of OptionEditor, which holds
// every rule; the window runs the exchange (OptionTransfer) and the option
// file (image rows 0..495).  The frames of the VFOs, the work mode and the
// channel mode, a few settings, the Read and Write buttons and the option
// file's commands are kept hidden, as the radio's release has them, but
// still filled and handled.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <map>
#include <string>

#include "editor_window.h"
#include "option_editor.h"
#include "option_transfer.h"

class QGroupBox;

namespace brel::options {

class frm_option : public EditorWindow {
  Q_OBJECT
 public:
  explicit frm_option(AppContext& context);
  ~frm_option() override;

  void loadHandling() override;
  void unloadHandling() override;

  // Becoming the active child window shows the image afresh.
  void Form_Activate();
  // Default and Close wait while the exchange runs or waits to retry.
  void Command_def_Click();
  void Command_close_Click();
  void Command_read_Click();
  void Command_Write_Click();

  // The option file: its dialogs, and one poll of their requests (the
  // window runs no poll timer of its own).
  void ShowOpenMenuDialog() { showFileDialog(FormId::Form_open_menu); }
  void ShowSaveMenuDialog() { showFileDialog(FormId::Form_save_menu); }
  void PollFileRequests() { pollFileRequests(); }

  OptionEditor& editor() { return editor_; }
  // The widget of a control or frame, by its name.
  QWidget* widget(const std::string& name) const;

 private:
  void build();
  QGroupBox* frame(const char* name, double left, double top, double width, double height, bool hidden);
  QLabel* label(QWidget* parent, const char* name, const Bilingual& caption, double left, double top,
                double width, bool hidden = false);
  void combo(QWidget* parent, const std::string& name, double left, double top, double width, bool editable = false);
  void checkBox(QWidget* parent, const std::string& name, const Bilingual& caption, double left, double top,
                double width);
  void radio(QWidget* parent, const std::string& name, const Bilingual& caption, double left, double top,
             double width);
  void lineEdit(QWidget* parent, const std::string& name, double left, double top, double width);
  // `leave` runs when the widget loses the focus, but not to its own list's
  // drop-down.
  void leaveRule(QWidget* widget, std::function<void()> leave);
  void buildVfoFrame(QGroupBox* frame, OptionEditor::Vfo& vfo);
  void place(QWidget* w, double left, double top, double width, double height = 300);
  void setCaptions();

  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override { editor_.RefreshOptionForm(); }
  std::optional<std::string> writeFile(const std::string& path) override;
  // A read, the window's own or the main one, has replaced the image.
  void imageReplaced() override { editor_.RefreshOptionForm(); }

  OptionEditor editor_;
  std::map<std::string, QWidget*> widgets_;
  std::map<std::string, Bilingual> captions_;  // widget name -> caption
  QPushButton* defaultButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QPushButton* readButton_ = nullptr;
  QPushButton* writeButton_ = nullptr;
  OptionTransfer* transfer_ = nullptr;
};

}  // namespace brel::options

namespace brel {
// Registers frm_option with the host.
void RegisterOptionEditor(FormHost& host);
}  // namespace brel
