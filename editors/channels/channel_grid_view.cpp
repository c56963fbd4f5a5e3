#include "channel_grid_view.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace brel::chann {
namespace {

constexpr const char* kRowProperty = "channelGridRow";
constexpr const char* kColProperty = "channelGridCol";
constexpr const char* kFilledProperty = "channelGridFilled";
constexpr const char* kSavedTextProperty = "channelGridSavedText";

QModelIndex IndexOfEditor(const ChannelTableModel* model, const QObject* editor) {
  if (model == nullptr) return {};
  return model->cellIndex(editor->property(kRowProperty).toInt(), editor->property(kColProperty).toInt());
}

}  // namespace

// --- delegate --------------------------------------------------------------------

ChannelDelegate::ChannelDelegate(ChannelGridView* view) : QStyledItemDelegate(view), view_(view) {}

ChannelTableModel* ChannelDelegate::model() const { return view_->channelModel(); }

QWidget* ChannelDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
  ChannelTableModel* channels = model();
  if (channels == nullptr) return nullptr;
  const int col = index.column();
  QWidget* editor = nullptr;
  switch (channels->editorFor(index)) {
    case CellEditor::None: return nullptr;
    case CellEditor::TextBox: editor = new QLineEdit(parent); break;
    case CellEditor::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      combo->addItems(channels->choices(col));
      combo->setMaxVisibleItems(16);
      combo->lineEdit()->installEventFilter(const_cast<ChannelDelegate*>(this));
      // An editable combo box would pick the item matching its text when the
      // editing ends and report it as a choice; only a real choice counts.
      QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
      const QPersistentModelIndex cell(index);
      connect(combo, &QComboBox::activated, this, [this, combo, cell](int position) {
        ChannelTableModel* target = model();
        if (target == nullptr || !cell.isValid() || target->operationRunning()) return;
        target->setData(cell, position, ChannelTableModel::ListChoiceRole);
        combo->setProperty(kSavedTextProperty, combo->currentText());
      });
      if (!IsTypedComboColumn(col)) {
        // The band and option columns take only a choice from the list.
        QLineEdit* line = combo->lineEdit();
        connect(line, &QLineEdit::textEdited, combo, [combo, line] {
          line->setText(combo->property(kSavedTextProperty).toString());
        });
      }
      editor = combo;
      break;
    }
  }
  editor->setProperty(kRowProperty, ChannelTableModel::gridRow(index));
  editor->setProperty(kColProperty, col);
  return editor;
}

void ChannelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  // Filled once, when laid over the cell: what is typed afterwards stays.
  if (editor->property(kFilledProperty).toBool()) return;
  editor->setProperty(kFilledProperty, true);
  const QString text = index.data(Qt::EditRole).toString();
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setText(text);
    return;
  }
  auto* combo = qobject_cast<QComboBox*>(editor);
  if (combo == nullptr) return;
  // A tone list opens with an empty text; the others show the cell's text.
  const QString shown = IsTypedComboColumn(index.column()) ? QString() : text;
  combo->setCurrentIndex(combo->findText(shown, Qt::MatchExactly));
  combo->setEditText(shown);
  combo->setProperty(kSavedTextProperty, shown);
}

void ChannelDelegate::setModelData(QWidget* editor, QAbstractItemModel* target, const QModelIndex& index) const {
  QString text;
  if (auto* line = qobject_cast<QLineEdit*>(editor))
    text = line->text();
  else if (auto* combo = qobject_cast<QComboBox*>(editor))
    text = combo->currentText();
  else
    return;
  target->setData(index, text, Qt::EditRole);
}

void ChannelDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    // The list keeps its own height.
    combo->setGeometry(QRect(option.rect.topLeft(), QSize(option.rect.width(), combo->sizeHint().height())));
    return;
  }
  editor->setGeometry(option.rect);
}

bool ChannelDelegate::filterToneKey(QWidget* editor, QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  auto* combo = qobject_cast<QComboBox*>(editor);
  if (combo == nullptr) return false;
  if (key->key() == Qt::Key_Backspace) return true;
  if (key->key() == Qt::Key_Delete) return false;
  const QString text = key->text();
  if (text.size() != 1) return false;
  const char16_t typed = text.at(0).unicode();
  const char accepted = typed < 0x80 ? FilterToneKey(static_cast<char>(typed)) : 0;
  if (accepted == 0) return true;
  if (accepted != static_cast<char>(typed)) {
    combo->lineEdit()->insert(QString(QChar(accepted)));
    return true;
  }
  return false;
}

bool ChannelDelegate::eventFilter(QObject* object, QEvent* event) {
  // The combo box's own text line: only its keys are ours to look at.
  QWidget* editor = qobject_cast<QWidget*>(object);
  bool innerLine = false;
  if (auto* line = qobject_cast<QLineEdit*>(object)) {
    if (auto* combo = qobject_cast<QComboBox*>(line->parentWidget()); combo && combo->lineEdit() == line) {
      editor = combo;
      innerLine = true;
    }
  }
  if (editor == nullptr) return QStyledItemDelegate::eventFilter(object, event);

  if (event->type() == QEvent::KeyPress) {
    const QModelIndex index = IndexOfEditor(model(), editor);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        view_->enterPressed(editor, index);
        return true;
      case Qt::Key_Escape:
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
        // No leaving an editor without its commit, and no jumping on.
        return true;
      default: break;
    }
    if (IsTypedComboColumn(index.column()) && filterToneKey(editor, event)) return true;
    return innerLine ? false : QStyledItemDelegate::eventFilter(object, event);
  }
  if (innerLine) return false;
  // A message box shown by a commit takes the focus; that must not start a
  // second commit of the same editor.
  if (event->type() == QEvent::FocusOut && model() != nullptr && model()->operationRunning()) return false;
  return QStyledItemDelegate::eventFilter(object, event);
}

// --- view --------------------------------------------------------------------------

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  setItemDelegate(new ChannelDelegate(this));
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { placeEditor(index); });
}

void ChannelGridView::setChannelModel(ChannelTableModel* model) {
  model_ = model;
  setModel(model);
}

bool ChannelGridView::placeEditor(const QModelIndex& index) {
  if (model_ == nullptr || !index.isValid()) return false;
  if (currentIndex() != index) setCurrentIndex(index);  // commits the cell left
  if (!(model_->flags(index) & Qt::ItemIsEditable)) return false;
  if (openEditor() != nullptr && editorIndex_ == index) {
    editor_->setFocus();
    return true;
  }
  return edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

bool ChannelGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const bool opened = QTableView::edit(index, trigger, event);
  if (opened) {
    editor_ = indexWidget(index);
    editorIndex_ = index;
  }
  return opened;
}

QWidget* ChannelGridView::openEditor() const {
  if (editor_.isNull() || !editorIndex_.isValid()) return nullptr;
  return indexWidget(editorIndex_) == editor_ ? editor_.data() : nullptr;
}

QModelIndex ChannelGridView::openEditorIndex() const { return openEditor() ? QModelIndex(editorIndex_) : QModelIndex(); }

void ChannelGridView::commitOpenEditor() {
  QWidget* editor = openEditor();
  if (editor == nullptr || model_ == nullptr || model_->operationRunning()) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChannelGridView::enterPressed(QWidget* editor, const QModelIndex& index) {
  if (model_ == nullptr || !index.isValid() || model_->operationRunning()) return;
  const int col = index.column();
  if (col == kColRxFreq || col == kColTxFreq) {
    QPointer<QLineEdit> line = qobject_cast<QLineEdit*>(editor);
    if (line.isNull()) return;
    const EnterOutcome outcome = model_->enterFrequency(index, line->text());
    if (!line.isNull()) line->setText(QString::fromStdString(outcome.text));
    // Moving on commits the box with the text just completed.
    placeEditor(model_->cellIndex(outcome.nextRow, outcome.nextCol));
  } else if (col == kColName) {
    commitOpenEditor();
  } else if (col >= kColRxTone && col <= kColSigCode) {
    placeEditor(index.sibling(index.row(), col + 1));
  }
  // Enter in the band list does nothing.
}

}  // namespace brel::chann
