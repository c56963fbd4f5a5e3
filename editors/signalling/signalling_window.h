// What the two-tone and five-tone windows have in common on the editor
// window base: the page tabs, the six buttons, the exchange with the radio
// and the signalling file, each window adding its pages and its codec.
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
#include <QPushButton>
#include <QTabBar>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor_window.h"
#include "grid_kit.h"
#include "signalling_transfer.h"

namespace brel::signalling {

class SignallingWindow : public EditorWindow {
  Q_OBJECT
 public:
  SignallingWindow(AppContext& context, FormId id, SignallingArea area, RowSource rows);
  ~SignallingWindow() override;

  void commitPendingEdit() override { commitEditors(); }

  void Command_read_Click();
  void Command_Write_Click();
  void Command_def_Click();
  void Command_save_Click();
  void Command_open_Click();
  void Command_close_Click();

  QTabBar* tabs() const { return tabs_; }
  QPushButton* button(const char* name) const;
  SignallingTransfer* transfer() { return transfer_; }

 protected:
  // The window's codec and pages.
  virtual void encodeSet() = 0;
  virtual void showRead(std::span<const std::uint8_t> area) = 0;
  // The window's staging rows, read from a file (readFile: the whole set or
  // nothing), shown once applied (showLoadedFile) and written once encoded.
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
  bool commitEdits() override { return commitEditors(); }
  // Runs load handling's common part: poller, progress hidden.
  void startCommon();
  // Lays the buttons, label and bar out from `top` (pixels).
  void layOutCommon(int top, int width);
  void setButtonCaptions();
  // A grid on the kit with its columns sized to `width`.
  grid::GridView* makeGrid(QWidget* parent, const char* name, grid::TextGrid& cells, grid::GridRules& rules);
  static void sizeColumns(grid::GridView* view, int width);
  QGroupBox* makeFrame(const char* name);
  QLabel* makeLabel(QWidget* parent, const char* name);

  QTabBar* tabs_;

 private:
  std::optional<std::string> writeFile(const std::string& path) override {
    encodeSet();
    return save(path);
  }
  void imageReplaced() override { showSheet(); }

  std::array<QPushButton*, 6> buttons_{};
  std::vector<grid::GridModel*> models_;
  SignallingTransfer* transfer_ = nullptr;
};

}  // namespace brel::signalling
