// The alignment editor window: five pages of the factory alignment image
// (transmit power high and low, squelch, deviation and volume, ranges and
// texts) for one of five band variants, its own read and write of the
// radio's alignment area, and its alignment files.  No command of this
// release opens it.
//
// Drawing a page only shows the image.  Cells change only through what the
// user does to a control (typing, choosing, clicking, leaving a band-limit
// box he edited), a read, a file, Default or a click on a band variant.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "adj_fields.h"
#include "adj_transfer.h"
#include "editor_window.h"

namespace brel::adj {

class frm_Adj_Txp : public EditorWindow {
  Q_OBJECT
 public:
  explicit frm_Adj_Txp(AppContext& context);
  ~frm_Adj_Txp() override;

  void loadHandling() override;
  void unloadHandling() override;

  void Command_read_Click();
  void Command_Write_Click();
  void Command_def_Click();
  void Command_open_Click();
  void Command_save_Click();
  void Command_close_Click();
  // The Default command with the older model's defaults (no button calls it).
  void LoadAdjDefaults2();
  void LoadAdjFile(const std::string& path) { openFileAndTell(path); }
  void SaveAdjFile(const std::string& path) { saveFileAndTell(path); }

  // Shows the image on the current page; stores nothing.
  void ShowAdjPage();
  void LayoutAdjForVariant();

  AdjEditor& editor() { return editor_; }
  QTabBar* tabs() const { return tabs_; }
  QLineEdit* numberBox(NumberSet set, int i) const { return numbers_.at(set).at(static_cast<std::size_t>(i)); }
  QComboBox* list(ListSet set, int k) const { return lists_.at(set).at(static_cast<std::size_t>(k)); }
  QLineEdit* textBox(TextField field) const { return texts_.at(field); }
  QLineEdit* bandBox(int band, bool upper) const { return band_[band][upper ? 1 : 0]; }
  QCheckBox* check480() const { return check480_; }
  QCheckBox* checkTx(int band) const { return checkTx_[band]; }
  QRadioButton* option(int variant) const { return options_[variant]; }
  QPushButton* button(const char* name) const { return findChild<QPushButton*>(name); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildPowerPage();
  void buildSquelchPage();
  void buildDeviationPage();
  void buildOtherPage();
  QLineEdit* addNumberBox(NumberSet set, int i, QWidget* parent);
  QComboBox* addList(ListSet set, int k, QWidget* parent);
  QLineEdit* addTextBox(TextField field, QWidget* parent);
  QGroupBox* groupBox(const char* name, const QString& caption, QWidget* parent);
  QLabel* label(const QString& name, const QString& caption, QWidget* parent);

  // Places the band frames and sizes the page frames (their given sizes, or
  // what their fields need), the progress display and the buttons below.
  void fitFrames();
  QSize neededSize() const;
  void selectPage(int page);
  void optionClicked(int variant);
  // A change the user made while the window refuses changes (its exchange
  // runs or waits to retry): true, and the page shows the image again.
  bool changeRefused();
  void numberEdited(NumberSet set, int i);
  void bandBoxLeft(int band, bool upper);
  // `left` runs each time the box loses the focus.
  void leaveRule(QWidget* box, std::function<void()> left);
  void showList(ListSet set, int k);
  AdjTransfer* ensureTransfer();

  // The alignment file: image rows 0..15.
  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override { ShowAdjPage(); }
  std::optional<std::string> writeFile(const std::string& path) override;
  void imageReplaced() override { ShowAdjPage(); }

  AdjEditor editor_;
  QSize size_;  // the window's given size
  QTabBar* tabs_ = nullptr;
  QGroupBox* frameFrame_ = nullptr;
  QGroupBox* frameSql_ = nullptr;
  QGroupBox* frameDev_ = nullptr;
  QGroupBox* frameOther_ = nullptr;
  QGroupBox* frameB0_[2] = {};
  QGroupBox* frameSqlVhf_ = nullptr;
  QGroupBox* frameSqlUhf_ = nullptr;
  std::vector<QLabel*> label1_;
  std::vector<QLabel*> labelUhf_;
  std::vector<QLabel*> labelSqOffsetUhf_;
  std::vector<QLabel*> labelSqOffsetVhf_;
  QLabel* labelF_[2] = {};
  std::map<NumberSet, std::vector<QLineEdit*>> numbers_;
  std::map<ListSet, std::vector<QComboBox*>> lists_;
  std::map<TextField, QLineEdit*> texts_;
  QLineEdit* band_[2][2] = {};
  QCheckBox* checkTx_[2] = {};
  QCheckBox* check480_ = nullptr;
  QRadioButton* options_[kVariantCount] = {};
  // Per watched control: its key limit (true: the key is taken).
  std::map<QObject*, std::function<bool(char32_t)>> keyLimits_;
  bool leaving_ = false;
  AdjTransfer* transfer_ = nullptr;
};

}  // namespace brel::adj

namespace brel {
// Registers frm_Adj_Txp and Form_Write_PassWord with the host.
void RegisterAlignmentEditor(FormHost& host);
}  // namespace brel
