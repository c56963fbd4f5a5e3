#include "grid_kit.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "drop_down.h"
#include "form.h"
#include "qt_text.h"

namespace brel::grid {
namespace {

constexpr const char* kRowProperty = "gridRow";
constexpr const char* kColProperty = "gridCol";
constexpr const char* kKindProperty = "gridEditorKind";
constexpr const char* kFilledProperty = "gridFilled";
constexpr const char* kSavedTextProperty = "gridSavedText";

CellEditor KindOf(const QObject* editor) { return static_cast<CellEditor>(editor->property(kKindProperty).toInt()); }

QLineEdit* LineOf(QWidget* editor) {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(editor);
}

}  // namespace

// --- model -----------------------------------------------------------------------

GridModel::GridModel(TextGrid& grid, GridRules& rules, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid), rules_(rules) {
  grid_->setObserver(this);
}

GridModel::~GridModel() {
  if (grid_ != nullptr) grid_->setObserver(nullptr);
}

void GridModel::gridDestroyed() {
  beginResetModel();
  grid_ = nullptr;
  endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || grid_ == nullptr ? 0 : grid_->rowCount() - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || grid_ == nullptr ? 0 : grid_->colCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return cellText(gridRow(index), index.column());
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default: return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return Q(grid_->cell(0, section));
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editorFor(index) != CellEditor::None) result |= Qt::ItemIsEditable;
  return result;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
  if (role == Qt::EditRole) return commit(index, value.toString()) == Commit::Done;
  if (role != ListChoiceRole || editorFor(index) == CellEditor::None) return false;
  const int position = value.toInt();
  const std::vector<std::string> list = rules_.choices(gridRow(index), index.column());
  if (position < 0 || position >= static_cast<int>(list.size())) return false;
  return apply([&] { rules_.choose(gridRow(index), index.column(), position, list[static_cast<std::size_t>(position)]); });
}

QString GridModel::cellText(int gridRow, int col) const { return grid_ ? Q(grid_->cell(gridRow, col)) : QString(); }

CellEditor GridModel::editorFor(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return CellEditor::None;
  if (grid_->isFixed(gridRow(index), index.column())) return CellEditor::None;
  return rules_.editorFor(gridRow(index), index.column());
}

QStringList GridModel::choices(const QModelIndex& index) const {
  QStringList list;
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return list;
  for (const std::string& choice : rules_.choices(gridRow(index), index.column())) list << Q(choice);
  return list;
}

QString GridModel::openingText(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  const std::optional<std::string> text = rules_.openingText(gridRow(index), index.column());
  return text ? Q(*text) : cellText(gridRow(index), index.column());
}

char32_t GridModel::filterKey(const QModelIndex& index, char32_t key) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return 0;
  return rules_.filterKey(gridRow(index), index.column(), key);
}

GridModel::Commit GridModel::commit(const QModelIndex& index, const QString& text) {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Commit::NotNow;
  bool accepted = true;
  const std::string typed = text.toStdString();
  if (!apply([&] { accepted = rules_.commit(gridRow(index), index.column(), typed); })) return Commit::NotNow;
  return accepted ? Commit::Done : Commit::Refused;
}

EnterAction GridModel::enter(const QModelIndex& index, const QString& text) {
  EnterAction action;
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return action;
  const std::string typed = text.toStdString();
  apply([&] { action = rules_.enter(gridRow(index), index.column(), typed); });
  return action;
}

bool GridModel::apply(const std::function<void()>& change) {
  if (running_ || grid_ == nullptr) return false;
  running_ = true;
  dirtyFirst_ = dirtyLast_ = -1;
  headingsDirty_ = false;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{running_};
  change();
  if (grid_ == nullptr) return true;  // the change took the grid with it
  if (headingsDirty_) Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  const int last = std::min(dirtyLast_, grid_->rowCount() - 1);
  if (dirtyFirst_ > 0 && dirtyFirst_ <= last)
    Q_EMIT dataChanged(index(dirtyFirst_ - 1, 0), index(last - 1, columnCount() - 1));
  return true;
}

void GridModel::cellChanged(int row, int col) {
  if (!running_) {
    // A change made outside apply() is shown at once.
    if (row == 0)
      Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
    else
      Q_EMIT dataChanged(index(row - 1, col), index(row - 1, col));
    return;
  }
  if (row == 0) {
    headingsDirty_ = true;
    return;
  }
  dirtyFirst_ = dirtyFirst_ < 0 ? row : std::min(dirtyFirst_, row);
  dirtyLast_ = std::max(dirtyLast_, row);
}

void GridModel::rowCountAboutToChange(int from, int to) {
  // Model rows are grid rows less the heading row.
  if (to > from)
    beginInsertRows(QModelIndex(), from - 1, to - 2);
  else
    beginRemoveRows(QModelIndex(), to - 1, from - 2);
}

void GridModel::rowCountChanged(int from, int to) {
  if (to > from)
    endInsertRows();
  else
    endRemoveRows();
}

// --- delegate --------------------------------------------------------------------

GridDelegate::GridDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

GridModel* GridDelegate::model() const { return view_ != nullptr ? view_->gridModel() : nullptr; }

void GridDelegate::detach() {
  view_ = nullptr;
  disconnect();
}

QString GridDelegate::editorText(const QWidget* editor) {
  if (auto* line = qobject_cast<const QLineEdit*>(editor)) return line->text();
  if (auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText();
  return {};
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
  GridModel* cells = model();
  if (cells == nullptr) return nullptr;
  const CellEditor kind = cells->editorFor(index);
  QWidget* editor = nullptr;
  switch (kind) {
    case CellEditor::None: return nullptr;
    case CellEditor::TextBox: editor = new QLineEdit(parent); break;
    case CellEditor::TypedList:
    case CellEditor::PickList: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);
      combo->addItems(cells->choices(index));
      combo->setMaxVisibleItems(16);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      FitDropDownToEntries(combo);
      combo->lineEdit()->installEventFilter(const_cast<GridDelegate*>(this));
      // An editable combo box would pick the item matching its text when the
      // editing ends and report it as a choice; only a real choice counts.
      QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
      const QPersistentModelIndex cell(index);
      connect(combo, &QComboBox::activated, this, [this, combo, cell](int position) {
        GridModel* target = model();
        if (target == nullptr || !cell.isValid() || target->operationRunning()) return;
        if (view_->refuseChange()) {
          combo->setEditText(combo->property(kSavedTextProperty).toString());
          return;
        }
        target->setData(cell, position, GridModel::ListChoiceRole);
        combo->setProperty(kSavedTextProperty, combo->currentText());
      });
      if (kind == CellEditor::PickList) {
        QLineEdit* line = combo->lineEdit();
        connect(line, &QLineEdit::textEdited, combo, [combo, line] {
          line->setText(combo->property(kSavedTextProperty).toString());
        });
      }
      editor = combo;
      break;
    }
  }
  const QString name = kind == CellEditor::TextBox ? view_->textBoxName() : view_->listName();
  if (!name.isEmpty()) editor->setObjectName(name);
  editor->setProperty(kRowProperty, GridModel::gridRow(index));
  editor->setProperty(kColProperty, index.column());
  editor->setProperty(kKindProperty, static_cast<int>(kind));
  return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  // Filled once, when laid over the cell: what is typed afterwards stays.
  if (editor->property(kFilledProperty).toBool()) return;
  editor->setProperty(kFilledProperty, true);
  GridModel* cells = model();
  if (cells == nullptr) return;
  const QString text = cells->openingText(index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    combo->setEditText(text);
    combo->setProperty(kSavedTextProperty, text);
  }
  // Every later change of a typed editor's text goes to the rules.
  if (KindOf(editor) == CellEditor::PickList) return;
  const QPersistentModelIndex cell(index);
  QLineEdit* line = LineOf(editor);
  connect(line, &QLineEdit::textChanged, this, [this, cell](const QString& now) {
    GridModel* target = model();
    if (target == nullptr || !cell.isValid()) return;
    const std::string typed = now.toStdString();
    target->apply([&] { target->rules().edited(GridModel::gridRow(cell), cell.column(), typed); });
  });
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* target, const QModelIndex& index) const {
  target->setData(index, editorText(editor), Qt::EditRole);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    // The list keeps its own height, and is wider than its cell where its
    // entries need more, still inside the grid where there is room.
    const int width = std::max(option.rect.width(), combo->sizeHint().width());
    int left = option.rect.left();
    if (width > option.rect.width() && editor->parentWidget() != nullptr)
      left = std::max(0, std::min(left, editor->parentWidget()->width() - width));
    combo->setGeometry(QRect(QPoint(left, option.rect.top()), QSize(width, combo->sizeHint().height())));
    return;
  }
  editor->setGeometry(option.rect);
}

bool GridDelegate::filterKey(QWidget* editor, const QModelIndex& index, QEvent* event) const {
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Delete) return false;  // editing, not typing
  char32_t typed = 0;
  if (key->key() == Qt::Key_Backspace) {
    typed = U'\b';
  } else {
    const QList<uint> points = key->text().toUcs4();
    if (points.size() != 1) return false;
    typed = static_cast<char32_t>(points.front());
  }
  const char32_t accepted = model()->filterKey(index, typed);
  if (accepted == 0) return true;
  if (accepted != typed) {
    if (QLineEdit* line = LineOf(editor)) line->insert(QString::fromUcs4(&accepted, 1));
    return true;
  }
  return false;
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event) {
  if (view_ == nullptr) return false;
  // A combo box's own text line: only its keys are ours to look at.
  QWidget* editor = qobject_cast<QWidget*>(object);
  bool innerLine = false;
  if (auto* line = qobject_cast<QLineEdit*>(object)) {
    if (auto* combo = qobject_cast<QComboBox*>(line->parentWidget()); combo && combo->lineEdit() == line) {
      editor = combo;
      innerLine = true;
    }
  }
  if (editor == nullptr || model() == nullptr) return QStyledItemDelegate::eventFilter(object, event);

  if (event->type() == QEvent::KeyPress) {
    const QModelIndex index =
        model()->cellIndex(editor->property(kRowProperty).toInt(), editor->property(kColProperty).toInt());
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
    const CellEditor kind = KindOf(editor);
    if ((kind == CellEditor::TextBox || kind == CellEditor::TypedList) && filterKey(editor, index, event)) return true;
    return innerLine ? false : QStyledItemDelegate::eventFilter(object, event);
  }
  if (innerLine) return false;
  // A message box shown by a rule takes the focus; that must not start a
  // second commit of the same editor.
  if (event->type() == QEvent::FocusOut) {
    if (model()->operationRunning()) return false;
    // A press on the grid or a key the grid handles gives it the focus just
    // before it leaves the cell itself; one commit, not two.
    const QWidget* now = QApplication::focusWidget();
    if (now == view_ || now == view_->viewport()) return false;
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

// --- view --------------------------------------------------------------------------

GridView::GridView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  setItemDelegate(new GridDelegate(this));
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    placeEditor(index);
    if (model_ != nullptr && index.isValid())
      model_->apply([&] { model_->rules().clicked(GridModel::gridRow(index), index.column()); });
  });
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (model_ == nullptr || !index.isValid()) return;
    // The click before it has already been refused, and said so.
    if (index == refusedClick_ || refuseChange()) return;
    model_->apply([&] { model_->rules().doubleClicked(GridModel::gridRow(index), index.column()); });
  });
}

GridView::~GridView() {
  if (auto* delegate = qobject_cast<GridDelegate*>(itemDelegate())) delegate->detach();
}

void GridView::setGridModel(GridModel* model) {
  if (model_ != nullptr) disconnect(model_, nullptr, this, nullptr);
  model_ = model;
  setModel(model);
  if (model == nullptr) return;
  // New headings (another language) may need wider columns; a reset puts the
  // header's sections back to their default size.
  connect(model, &QAbstractItemModel::headerDataChanged, this, [this] { refitColumns(); });
  connect(model, &QAbstractItemModel::modelReset, this, [this] { refitColumns(); });
}

int GridView::headingWidth(int col) const {
  const QString text = model() != nullptr ? model()->headerData(col, Qt::Horizontal).toString() : QString();
  // The style's hint holds its margins; the plain text width plus a margin
  // holds where a style reports less than the text.
  return std::max(horizontalHeader()->sectionSizeHint(col),
                  QFontMetrics(horizontalHeader()->font()).horizontalAdvance(text) + 12);
}

void GridView::fitColumns(int width, std::vector<int> weights) {
  fitWidth_ = std::max(0, width);
  fitWeights_ = std::move(weights);
  refitColumns();
}

void GridView::refitColumns() {
  if (fitWidth_ <= 0 || model() == nullptr) return;
  const int cols = model()->columnCount();
  if (cols <= 0) return;
  // Room for a vertical scroll bar is always kept, so columns do not jump
  // when rows are added.
  const int chrome = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  const int room = std::max(0, fitWidth_ - chrome);
  // Each column's share of the room by weight, but never below its heading:
  // the columns held at their heading's width leave the rest of the room to
  // the others, in proportion again.
  std::vector<int> least(static_cast<std::size_t>(cols));
  std::vector<long long> weight(static_cast<std::size_t>(cols));
  std::vector<bool> held(static_cast<std::size_t>(cols), false);
  for (int c = 0; c < cols; ++c) {
    const auto i = static_cast<std::size_t>(c);
    least[i] = headingWidth(c);
    weight[i] = i < fitWeights_.size() ? std::max(0, fitWeights_[i]) : 1;
  }
  std::vector<int> widths(least);
  for (bool changed = true; changed;) {
    changed = false;
    long long rest = room;
    long long weights = 0;
    for (std::size_t i = 0; i < held.size(); ++i) {
      if (held[i])
        rest -= least[i];
      else
        weights += weight[i];
    }
    for (std::size_t i = 0; i < held.size(); ++i) {
      if (held[i]) continue;
      const long long share = weights > 0 ? weight[i] * std::max(0LL, rest) / weights : 0;
      if (share < least[i]) {
        held[i] = true;
        changed = true;
      } else {
        widths[i] = static_cast<int>(share);
      }
    }
  }
  int needed = 0;
  for (int c = 0; c < cols; ++c) {
    const auto i = static_cast<std::size_t>(c);
    const int w = held[i] ? least[i] : widths[i];
    horizontalHeader()->resizeSection(c, w);
    needed += w;
  }
  // Headings wider than the window planned: take the room the parent has
  // (as much again to the right as the view keeps to its left), never less
  // than planned.
  int wanted = std::max(fitWidth_, needed + chrome);
  if (const QWidget* parent = parentWidget()) wanted = std::min(wanted, std::max(fitWidth_, parent->width() - 2 * x()));
  if (wanted != width()) resize(wanted, height());
}

bool GridView::refuseChange() {
  bool refused = false;
  if (model_ != nullptr) model_->apply([&] { refused = RefuseChangeIn(this); });
  return refused;
}

bool GridView::placeEditor(const QModelIndex& index) {
  refusedClick_ = QPersistentModelIndex();
  if (model_ == nullptr || !index.isValid()) return false;
  if (openEditor() != nullptr && editorIndex_ != index && !commitOpenEditor()) return false;
  if (currentIndex() != index) setCurrentIndex(index);
  if (!(model_->flags(index) & Qt::ItemIsEditable)) return false;
  if (openEditor() != nullptr && editorIndex_ == index) {
    editor_->setFocus();
    return true;
  }
  if (refuseChange()) {
    refusedClick_ = index;
    return false;
  }
  return edit(index, QAbstractItemView::AllEditTriggers, nullptr);
}

bool GridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  const bool opened = QTableView::edit(index, trigger, event);
  if (opened) {
    editor_ = indexWidget(index);
    editorIndex_ = index;
  }
  return opened;
}

QWidget* GridView::openEditor() const {
  if (editor_.isNull() || !editorIndex_.isValid()) return nullptr;
  return indexWidget(editorIndex_) == editor_ ? editor_.data() : nullptr;
}

QModelIndex GridView::openEditorIndex() const { return openEditor() ? QModelIndex(editorIndex_) : QModelIndex(); }

bool GridView::commitOpenEditor() {
  QWidget* editor = openEditor();
  if (editor == nullptr || model_ == nullptr || model_->operationRunning()) return true;
  commitData(editor);
  if (refusedEditor_ == editor) {
    refusedEditor_ = nullptr;
    editor->setFocus();
    return false;
  }
  const bool discarded = discardedEditor_ == editor;
  closeEditor(editor, QAbstractItemDelegate::NoHint);
  return !discarded;
}

void GridView::commitData(QWidget* editor) {
  if (model_ == nullptr || editor != openEditor()) {
    QTableView::commitData(editor);
    return;
  }
  if (refuseChange()) {
    // Not now: the editor goes without its text, the cell as it was.
    refusedEditor_ = nullptr;
    discardedEditor_ = editor;
    return;
  }
  const GridModel::Commit result = model_->commit(editorIndex_, GridDelegate::editorText(editor));
  refusedEditor_ = result == GridModel::Commit::Refused ? editor : nullptr;
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  discardedEditor_ = nullptr;
  if (editor != nullptr && editor == refusedEditor_ && editor == openEditor()) {
    // The rules refused the text: the editor stays with it.
    refusedEditor_ = nullptr;
    editor->setFocus();
    return;
  }
  refusedEditor_ = nullptr;
  QTableView::closeEditor(editor, hint);
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);  // commits an editor on `previous`
  if (restoring_ || openEditor() == nullptr || editorIndex_ == current) return;
  // The cell left refused its text: the current cell stays on it.
  restoring_ = true;
  setCurrentIndex(editorIndex_);
  restoring_ = false;
  editor_->setFocus();
}

bool GridView::leaveForPress(QMouseEvent* event) {
  if (openEditor() == nullptr || indexAt(event->position().toPoint()) == editorIndex_) return true;
  return commitOpenEditor();
}

void GridView::mousePressEvent(QMouseEvent* event) {
  swallowRelease_ = !leaveForPress(event);
  if (swallowRelease_) return;
  QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
  if (swallowRelease_) {
    swallowRelease_ = false;
    return;
  }
  QTableView::mouseReleaseEvent(event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  swallowRelease_ = !leaveForPress(event);
  if (swallowRelease_) return;
  QTableView::mouseDoubleClickEvent(event);
}

void GridView::enterPressed(QWidget* editor, const QModelIndex& index) {
  if (model_ == nullptr || !index.isValid() || model_->operationRunning()) return;
  if (refuseChange()) return;
  QPointer<QWidget> guard(editor);
  const EnterAction action = model_->enter(index, GridDelegate::editorText(editor));
  if (action.text && !guard.isNull()) {
    if (QLineEdit* line = LineOf(guard.data())) line->setText(Q(*action.text));
  }
  switch (action.kind) {
    case EnterAction::Nothing: break;
    case EnterAction::Commit: commitOpenEditor(); break;
    case EnterAction::MoveTo: placeEditor(model_->cellIndex(action.row, action.col)); break;
  }
}

}  // namespace brel::grid
