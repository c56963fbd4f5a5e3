// The channel grid as a Qt table model: model row i is channel i + 1, the
// columns are those of the grid.  Reading gives the grid's texts; writing
// runs the editing rules on the memory image:
//   Qt::EditRole       commits the cell from its editor's text
//   ListChoiceRole     a choice from the cell's list (the value is the
//                      position), encoded at once
// The channel number column is never editable, and the tone and option
// columns only on rows whose band is chosen (see EditorFor).
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "channel_codec.h"
#include "channel_grid.h"
#include "channel_rules.h"
#include "program_state.h"
#include "ui_ports.h"

namespace brel::chann {

class ChannelTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int ListChoiceRole = Qt::UserRole + 1;

  ChannelTableModel(ProgramState& state, MessageSink& messages, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // The grid row (channel number) of a model index, and back.
  static int gridRow(const QModelIndex& index) { return index.row() + 1; }
  QModelIndex cellIndex(int gridRow, int col) const { return index(gridRow - 1, col); }

  CellEditor editorFor(const QModelIndex& index) const;
  QStringList choices(int col) const;
  QString cellText(int gridRow, int col) const;

  // Headings of the language.
  void setLanguage(std::int16_t languageFlag);
  // Channels 1..ChannelTotal shown afresh from the image.
  void redisplay();
  // Channels 1..ChannelTotal erased, in the image and the grid.
  void clearChannels();
  // Enter in the receive or transmit frequency box of `index`.
  EnterOutcome enterFrequency(const QModelIndex& index, const QString& text);

  // True while a rule runs.  A rule may show a message box, whose event loop
  // must not start a second edit of the grid.
  bool operationRunning() const { return running_; }

  const ChannelGrid& grid() const { return grid_; }
  ProgramState& state() const { return state_; }

 private:
  // Runs a rule with change tracking; a nested call is refused.
  template <typename Rule>
  bool run(Rule&& rule);
  // Grows or shrinks the model to `channels` rows.
  void resizeTo(int channels);

  ProgramState& state_;
  MessageSink& messages_;
  ChannelGrid grid_;
  ChannelEditContext ctx_;
  bool running_ = false;
  int dirtyFirst_ = -1;
  int dirtyLast_ = -1;
  bool headingsDirty_ = false;
};

}  // namespace brel::chann
