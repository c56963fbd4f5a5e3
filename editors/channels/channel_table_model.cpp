#include "channel_table_model.h"

#include <algorithm>

namespace brel::chann {

ChannelTableModel::ChannelTableModel(ProgramState& state, MessageSink& messages, QObject* parent)
    : QAbstractTableModel(parent), state_(state), messages_(messages), ctx_{state_, grid_, messages_} {
  grid_.setObserver([this](int row, int) {
    if (row == 0) {
      headingsDirty_ = true;
      return;
    }
    dirtyFirst_ = dirtyFirst_ < 0 ? row : std::min(dirtyFirst_, row);
    dirtyLast_ = std::max(dirtyLast_, row);
  });
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.rowCount() - 1;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kGridColumns; }

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return cellText(gridRow(index), index.column());
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default: return {};
  }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(grid_.cell(0, section));
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editorFor(index) != CellEditor::None) result |= Qt::ItemIsEditable;
  return result;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return false;
  const int r = gridRow(index);
  const int col = index.column();
  if (role == Qt::EditRole) {
    const std::string text = value.toString().toStdString();
    return run([&] { CommitCell(ctx_, r, col, text); });
  }
  if (role == ListChoiceRole) {
    const int position = value.toInt();
    const std::vector<std::string> list = ColumnChoices(state_, col);
    if (position < 0 || position >= static_cast<int>(list.size())) return false;
    return run([&] { ChooseFromList(ctx_, r, col, position, list[static_cast<std::size_t>(position)]); });
  }
  return false;
}

CellEditor ChannelTableModel::editorFor(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return CellEditor::None;
  return EditorFor(grid_, gridRow(index), index.column());
}

QStringList ChannelTableModel::choices(int col) const {
  QStringList list;
  for (const std::string& choice : ColumnChoices(state_, col)) list << QString::fromStdString(choice);
  return list;
}

QString ChannelTableModel::cellText(int gridRow, int col) const {
  return QString::fromStdString(grid_.cell(gridRow, col));
}

void ChannelTableModel::setLanguage(std::int16_t languageFlag) {
  run([&] { SetHeadings(grid_, languageFlag); });
}

void ChannelTableModel::redisplay() {
  if (running_) return;
  resizeTo(ShownChannelCount(state_));
  run([&] { RedisplayChannels(ctx_); });
}

void ChannelTableModel::clearChannels() {
  if (running_) return;
  resizeTo(ShownChannelCount(state_));
  run([&] { ClearChannels(ctx_); });
}

EnterOutcome ChannelTableModel::enterFrequency(const QModelIndex& index, const QString& text) {
  EnterOutcome outcome{text.toStdString(), gridRow(index), index.column()};
  const std::string typed = text.toStdString();
  run([&] {
    outcome = index.column() == kColRxFreq ? EnterRxFrequency(ctx_, gridRow(index), typed)
                                           : EnterTxFrequency(ctx_, gridRow(index), typed);
  });
  return outcome;
}

template <typename Rule>
bool ChannelTableModel::run(Rule&& rule) {
  if (running_) return false;
  running_ = true;
  dirtyFirst_ = dirtyLast_ = -1;
  headingsDirty_ = false;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{running_};
  rule();
  if (headingsDirty_) Q_EMIT headerDataChanged(Qt::Horizontal, 0, kGridColumns - 1);
  if (dirtyFirst_ > 0) Q_EMIT dataChanged(index(dirtyFirst_ - 1, 0), index(dirtyLast_ - 1, kGridColumns - 1));
  return true;
}

void ChannelTableModel::resizeTo(int channels) {
  const int current = rowCount();
  if (channels > current) {
    beginInsertRows(QModelIndex(), current, channels - 1);
    grid_.setRowCount(channels + 1);
    endInsertRows();
  } else if (channels < current) {
    beginRemoveRows(QModelIndex(), channels, current - 1);
    grid_.setRowCount(channels + 1);
    endRemoveRows();
  }
}

}  // namespace brel::chann
