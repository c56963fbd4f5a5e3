// The channel grid: a table whose cells are never typed into.  A click lays
// the column's editor over the cell (a text box for the frequencies and the
// name, a list for the others); moving to another cell commits the editor,
// and only a cell that had an editor is ever committed.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include "channel_table_model.h"

namespace brel::chann {

class ChannelGridView;

// The cell editors.  A list column gets an editable combo box whose list is
// the column's choices: a choice is encoded at once; typing stays only in
// the tone columns (digits, '.', D, N and I), elsewhere it is undone.
class ChannelDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit ChannelDelegate(ChannelGridView* view);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  ChannelTableModel* model() const;
  bool filterToneKey(QWidget* combo, QEvent* event);

  ChannelGridView* view_;
};

class ChannelGridView : public QTableView {
  Q_OBJECT
 public:
  explicit ChannelGridView(QWidget* parent = nullptr);

  void setChannelModel(ChannelTableModel* model);
  ChannelTableModel* channelModel() const { return model_; }

  // Makes `index` the current cell (committing the cell left) and lays its
  // editor over it, as a click does.  False when the cell gets no editor.
  bool placeEditor(const QModelIndex& index);
  // Commits the editor still open, if any, and closes it.
  void commitOpenEditor();
  // The editor open over a cell, or null.
  QWidget* openEditor() const;
  QModelIndex openEditorIndex() const;

  // Enter in an editor (the delegate hands it on).
  void enterPressed(QWidget* editor, const QModelIndex& index);

  using QTableView::edit;

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  // Typing in the grid itself does nothing.
  void keyboardSearch(const QString&) override {}

 private:
  ChannelTableModel* model_ = nullptr;
  QPointer<QWidget> editor_;
  QPersistentModelIndex editorIndex_;
};

}  // namespace brel::chann
