// What the two-tone and five-tone windows have in common: the page tabs, the
// six buttons, the progress bar and label, the exchange with the radio and
// the signalling file, each window adding its pages and its codec.
//
// Read and Write go through the one SignallingTransfer; Write, Save and a
// file load first commit an open cell editor (a refused commit stops them).
// Open and Save show the signalling file dialogs, whose requests reach only
// this window and wait while its exchange runs or a retry is pending.  Close,
// the close box and Exit refuse while the exchange runs or a retry is
// pending; Close also closes the file dialogs.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "file_request.h"
#include "form.h"
#include "grid_kit.h"
#include "signalling_transfer.h"

namespace brel::signalling {

class SignallingWindow : public Form, protected link::TransferView {
  Q_OBJECT
 public:
  SignallingWindow(AppContext& context, FormId id, SignallingArea area, RowSource rows);
  ~SignallingWindow() override;

  bool queryUnload() override;
  void unloadHandling() override;
  void commitPendingEdit() override { commitEditors(); }

  void Command_read_Click();
  void Command_Write_Click();
  void Command_def_Click();
  void Command_save_Click();
  void Command_open_Click();
  void Command_close_Click();

  // The file requests addressed to this window.
  void OpenSignalFile(const std::string& path);
  void SaveSignalFile(const std::string& path);

  // The exchange runs or a retry of it is pending.
  bool running() const { return transfer_ && transfer_->running(); }

  QTabBar* tabs() const { return tabs_; }
  QPushButton* button(const char* name) const;
  QLabel* statusLabel() const { return statusLabel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  SignallingTransfer* transfer() { return transfer_.get(); }

 protected:
  // The window's codec and pages.
  virtual void encodeSet() = 0;
  virtual void showRead(std::span<const std::uint8_t> area) = 0;
  // Reads a file into a copy of the staging rows (the reason when refused);
  // applyFile() then makes the copy the staging rows and shows it.
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  virtual void applyFile() = 0;
  // Writes the staging rows (already encoded) to the file.
  virtual std::optional<std::string> save(const std::string& path) = 0;
  virtual void defaults() = 0;
  virtual std::vector<grid::GridView*> grids() const = 0;
  // Shows what the plain controls do not mirror by themselves (captions).
  virtual void showSheet() = 0;

  // Deletes the grids' views and models; a derived window calls it in its
  // destructor, before the texts they show go.
  void releaseGrids();
  // Commits the open cell editors; false when one refused (it stays open).
  bool commitEditors();
  // Runs load handling's common part: poller, progress hidden.
  void startCommon();
  // Lays the buttons, label and bar out from `top` (pixels).
  void layOutCommon(int top, int width);
  void setButtonCaptions();
  void resetProgress();
  // A grid on the kit with its columns sized to `width`.
  grid::GridView* makeGrid(QWidget* parent, const char* name, grid::TextGrid& cells, grid::GridRules& rules);
  static void sizeColumns(grid::GridView* view, int width);
  QGroupBox* makeFrame(const char* name);
  QLabel* makeLabel(QWidget* parent, const char* name);

  QTabBar* tabs_;

 private:
  void setProgressValue(int value) override;
  void setProgressVisible(bool visible) override;
  void setStatusText(const std::string& text) override;
  void beforeImageReplaced() override { commitEditors(); }
  void imageReplaced() override { showSheet(); }

  std::array<QPushButton*, 6> buttons_{};
  QLabel* statusLabel_;
  QProgressBar* progressBar_;
  std::vector<grid::GridModel*> models_;
  std::unique_ptr<SignallingTransfer> transfer_;
  FileRequestPoller poller_;
};

}  // namespace brel::signalling
