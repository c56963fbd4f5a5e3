// The eight file dialogs.  All share one window: the drive, directory and
// file lists, a name box, Confirm and Cancel, and one name check.
//
// Form_open_chann and Form_save_chann read and write the memory image file
// themselves.  The six editor dialogs only hand the chosen path to the
// editor that polls for it (see file_request.h).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "bilingual.h"
#include "file_browser.h"
#include "file_request.h"
#include "form.h"

namespace brel {

struct FileDialogTexts {
  Bilingual caption;      // window title
  Bilingual nameLabel;    // Label_name
  Bilingual refusedName;  // a refused character, or the suffix alone
  Bilingual badSuffix;    // the name lacks the suffix
};

class FileDialogForm : public Form {
  Q_OBJECT
 public:
  FileDialogForm(AppContext& context, FormId id, const char* suffix, const FileDialogTexts& texts);

  void loadHandling() override;

  // Confirm and Cancel, as the buttons run them.
  void confirm();
  void cancel();

  FileBrowser* browser() const { return browser_; }
  QLineEdit* nameBox() const { return name_; }
  QPushButton* confirmButton() const { return enter_; }
  QPushButton* cancelButton() const { return close_; }

  static constexpr QSize kSize{560, 340};

 protected:
  // Runs once the name has passed the check; `path` is directory + "/" + name.
  virtual void accepted(const std::string& path) = 0;

 private:
  std::string suffix_;
  FileDialogTexts texts_;
  QLabel* nameLabel_;
  QLineEdit* name_;
  QPushButton* enter_;
  QPushButton* close_;
  FileBrowser* browser_;
};

// Saves MemImage rows 0..480 to a parameter file.
class Form_save_chann : public FileDialogForm {
  Q_OBJECT
 public:
  explicit Form_save_chann(AppContext& context);
  void loadHandling() override;
  void unloadHandling() override;

 protected:
  void accepted(const std::string& path) override;
};

// Opens a parameter file into MemImage rows 0..480 and redisplays the editors.
class Form_open_chann : public FileDialogForm {
  Q_OBJECT
 public:
  explicit Form_open_chann(AppContext& context);
  void loadHandling() override;
  void unloadHandling() override;
  // The file goes into the image: it waits for every exchange on the image.
  bool dataInUse() const override { return host().imageInUse(); }

 protected:
  void accepted(const std::string& path) override;
};

// An editor file dialog: on Confirm it posts its request, addressed to the
// window that showed it, and closes.  When that window has closed meanwhile
// the request goes nowhere.
class RequestFileDialog : public FileDialogForm {
  Q_OBJECT
 public:
  RequestFileDialog(AppContext& context, FormId id, FileRequest request, const char* suffix,
                    const FileDialogTexts& texts);

  // The window whose Open or Save button showed the dialog (the last one,
  // when two windows showed it in turn).
  void setRequester(const Form& window);
  WindowToken requester() const { return requesterToken_; }

 protected:
  void accepted(const std::string& path) override;

 private:
  FileRequest request_;
  FormId requesterId_ = FormId::frm_chann;
  WindowToken requesterToken_ = 0;
};

class Form_open_adj : public RequestFileDialog {
 public:
  explicit Form_open_adj(AppContext& context);
};
class Form_save_adj : public RequestFileDialog {
 public:
  explicit Form_save_adj(AppContext& context);
};
class Form_open_menu : public RequestFileDialog {
 public:
  explicit Form_open_menu(AppContext& context);
};
class Form_save_menu : public RequestFileDialog {
 public:
  explicit Form_save_menu(AppContext& context);
};
class Form_open_sig : public RequestFileDialog {
 public:
  explicit Form_open_sig(AppContext& context);
};
class Form_save_sig : public RequestFileDialog {
 public:
  explicit Form_save_sig(AppContext& context);
};

// The FM editor's Open and Save: the image dialogs' window (captions, ".dat",
// name check), posting an FM file request to the editor that showed them.
class Form_open_fm : public RequestFileDialog {
 public:
  explicit Form_open_fm(AppContext& context);
};
class Form_save_fm : public RequestFileDialog {
 public:
  explicit Form_save_fm(AppContext& context);
};

// Registers the eight dialogs with the host.
void RegisterFileForms(FormHost& host);

}  // namespace brel
