// A main window with the real window host, the eight file dialogs and
// stand-ins for the three editors the Open dialog reloads.
#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "file_dialogs.h"
#include "hosted_windows.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) { *out << '[' << list.join("|").toStdString() << ']'; }
QT_END_NAMESPACE

namespace brel::test {

// Records its loads, unloads and commits in a shared log.
class StubEditor : public Form {
 public:
  StubEditor(AppContext& context, FormId id, std::int16_t& flag, std::vector<std::string>& log,
             std::function<void()>& onCommit)
      : Form(context, id), flag_(flag), log_(log), onCommit_(onCommit) {}
  void loadHandling() override {
    flag_ = -1;
    log_.push_back(std::string("load ") + FormName(formId()));
  }
  void unloadHandling() override {
    flag_ = 0;
    log_.push_back(std::string("unload ") + FormName(formId()));
  }
  void commitPendingEdit() override {
    log_.push_back(std::string("commit ") + FormName(formId()));
    if (onCommit_) onCommit_();
  }

 private:
  std::int16_t& flag_;
  std::vector<std::string>& log_;
  std::function<void()>& onCommit_;
};

class FileFormsTest : public ::testing::Test, protected HostedWindows {
 protected:
  FileFormsTest() {
    RegisterFileForms(host);
    registerEditor(FormId::frm_chann, state.FormOpenFlags.ChannFormOpen);
    registerEditor(FormId::frm_option, state.FormOpenFlags.OptionFormOpen);
    registerEditor(FormId::frm_dtmf, state.FormOpenFlags.DtmfFormOpen);
  }
  // The editors log into this fixture's members.
  ~FileFormsTest() override { closeAll(); }

  // Loads a dialog with its lists in the temporary folder.
  FileDialogForm* load(FormId id) {
    auto* dialog = dynamic_cast<FileDialogForm*>(host.loadForm(id));
    EXPECT_NE(dialog, nullptr) << FormName(id);
    if (dialog != nullptr) {
      EXPECT_TRUE(dialog->browser()->setDirectory(dir.path()));
    }
    return dialog;
  }
  // Types the name and presses Confirm.
  void confirm(FormId id, const std::string& name) {
    FileDialogForm* dialog = load(id);
    ASSERT_NE(dialog, nullptr);
    dialog->nameBox()->setText(QString::fromStdString(name));
    dialog->confirmButton()->click();
  }

  std::string pathOf(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
  std::string readFile(const std::string& name) const {
    QFile file(QString::fromStdString(pathOf(name)));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
  }
  void writeFile(const std::string& name, const std::string& bytes) const {
    QFile file(QString::fromStdString(pathOf(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  QTemporaryDir dir;
  std::vector<std::string> log;       // editor loads, unloads and commits
  std::function<void()> onCommit;     // what an editor's open edit does to the image

 private:
  void registerEditor(FormId id, std::int16_t& flag) {
    host.registerForm(id, [this, id, &flag](AppContext& c) -> Form* {
      return new StubEditor(c, id, flag, log, onCommit);
    });
  }
};

}  // namespace brel::test
