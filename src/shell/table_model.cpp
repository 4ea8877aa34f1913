#include "shell/table_model.h"

#include <QBrush>
#include <QColor>
#include <QStringList>

#include <algorithm>

#include "common/number_format.h"
#include "tables/cell_numbers.h"
#include "tables/profile_tables.h"

namespace tarvello {

TableModel::TableModel(const Table& table, QObject* parent)
    : QAbstractTableModel(parent), table_(&table) {}

void TableModel::setRowFlag(RowFlag flagged, QString flagText) {
  beginResetModel();
  flag_ = std::move(flagged);
  flagText_ = std::move(flagText);
  updateFlags();
  endResetModel();
}

namespace {

bool cellBefore(const TableModel::CellMark& a, const TableModel::CellMark& b) {
  return std::pair(a.row, a.column) < std::pair(b.row, b.column);
}

}  // namespace

void TableModel::setCellMarks(std::vector<CellMark> marks, MarkText text) {
  std::stable_sort(marks.begin(), marks.end(), cellBefore);
  marks_ = std::move(marks);
  marks_.shrink_to_fit();
  markText_ = std::move(text);
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::BackgroundRole, Qt::ToolTipRole});
}

bool TableModel::cellMarked(int tableRow, int column) const {
  return std::binary_search(marks_.begin(), marks_.end(), CellMark{tableRow, column, 0},
                            cellBefore);
}

QString TableModel::cellMark(int tableRow, int column) const {
  const auto [first, last] =
      std::equal_range(marks_.begin(), marks_.end(), CellMark{tableRow, column, 0}, cellBefore);
  QStringList lines;
  for (auto it = first; it != last && markText_; ++it) {
    const QString line = markText_(it->source);
    if (!line.isEmpty() && !lines.contains(line)) lines << line;
  }
  return lines.join('\n');
}

void TableModel::endTableChange(const Table* table) {
  if (table) table_ = table;
  updateFlags();
  endResetModel();
}

void TableModel::updateFlags() {
  flagged_.assign(static_cast<size_t>(std::max(table_->rowCount(), 0)), false);
  if (!flag_) return;
  for (int r = 1; r < table_->rowCount(); ++r) flagged_[static_cast<size_t>(r)] = flag_(*table_, r);
}

bool TableModel::rowFlagged(int tableRow) const {
  return tableRow >= 0 && tableRow < static_cast<int>(flagged_.size()) &&
         flagged_[static_cast<size_t>(tableRow)];
}

int TableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(table_->rowCount() - 1, 0);
}

int TableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_->columnCount();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = tableRow(index.row());
  switch (role) {
    case Qt::DisplayRole: {
      const CellText text = table_->cell(row, index.column());
      return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::BackgroundRole:
      // A marked cell stands out from its row, flagged or not.
      if (cellMarked(row, index.column())) return QBrush(QColor(255, 200, 90));
      if (rowFlagged(row)) return QBrush(QColor(255, 205, 205));
      break;
    case Qt::ToolTipRole: {
      QStringList tips;
      if (rowFlagged(row)) tips << flagText_;
      const QString mark = cellMark(row, index.column());
      if (!mark.isEmpty()) tips << mark;
      if (!tips.isEmpty()) return tips.join('\n');
      break;
    }
    default:
      break;
  }
  return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return QString::fromStdString(table_->cell(0, section));
  return QString::number(tableRow(section));
}

}  // namespace tarvello
