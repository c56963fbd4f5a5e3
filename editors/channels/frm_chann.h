// The channel editor window: the channel grid over the memory image, with
// Default (stored disabled), Clear and Close, and its own transfer and file
// procedures, which no command of this release reaches (its Read and Write
// buttons are stored hidden).
#pragma once

#include <QLabel>
#include <QPushButton>
#include <optional>
#include <string>

#include "bilingual.h"
#include "channel_grid_rules.h"
#include "channel_transfer.h"
#include "editor_window.h"
#include "grid_kit.h"

namespace brel::chann {

class frm_chann : public EditorWindow {
  Q_OBJECT
 public:
  explicit frm_chann(AppContext& context);
  ~frm_chann() override;

  void loadHandling() override;
  void unloadHandling() override;
  void commitPendingEdit() override;

  // Each activation: an edit left open is committed, then every channel is
  // shown afresh (what a read or an opened file put into the image, and a
  // channel count changed elsewhere).
  void Form_Activate();
  void Command_def_Click();
  void Command_Clear_Click();
  void Command_close_Click();
  void Command_read_Click();
  void Command_Write_Click();

  // The window's file procedures (nothing calls them in this release, and
  // its poller has no timer: PollChannFileRequests is one tick of it).
  void ShowOpenChannDialog();
  void ShowSaveChannDialog();
  void PollChannFileRequests() { pollFileRequests(); }
  void LoadChannImageFile(const std::string& path) { openFileAndTell(path); }
  void SaveChannImageFile(const std::string& path) { saveFileAndTell(path); }

  grid::GridView* grid() const { return grid_; }
  grid::GridModel* model() { return &model_; }
  QPushButton* defaultButton() const { return defaultButton_; }
  QPushButton* clearButton() const { return clearButton_; }
  QPushButton* closeButton() const { return closeButton_; }
  QPushButton* readButton() const { return readButton_; }
  QPushButton* writeButton() const { return writeButton_; }
  const ChannelTransfer* transfer() const { return transfer_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void setCaptions();
  // Channels 1..ChannelTotal shown afresh from the image.
  void redisplay();
  ChannelTransfer* ensureTransfer();

  // The image file, rows 0..480 in and rows 0..495 out.
  FileRead readFile(const std::string& path) override;
  void showLoadedFile() override { Form_Activate(); }
  std::optional<std::string> writeFile(const std::string& path) override;
  void imageReplaced() override { redisplay(); }

  // The grid's texts and rules, and the kit's model and view over them.
  ChannelGrid cells_;
  ChannelEditContext ctx_;
  ChannelGridRules rules_;
  grid::GridModel model_;
  grid::GridView* grid_;
  QPushButton* defaultButton_;
  QPushButton* clearButton_;
  QPushButton* closeButton_;
  QPushButton* readButton_;
  QPushButton* writeButton_;
  QLabel* channelLabel_;
  ChannelTransfer* transfer_ = nullptr;
  bool gridSized_ = false;
};

}  // namespace brel::chann

namespace brel {
// Registers frm_chann with the host.
void RegisterChannelEditor(FormHost& host);
}  // namespace brel
