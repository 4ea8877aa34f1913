#include "shell/findings_model.h"

#include <algorithm>

#include "shell/design_checks_page.h"

namespace tarvello {
namespace {

constexpr int kColumns = 6;  // Rule, Branch ID, Structure, Pipe, Value, Limit
constexpr int kValue = 4;
constexpr int kLimit = 5;

}  // namespace

FindingsModel::FindingsModel(const std::vector<Finding>& findings, const Rows& rows,
                             QObject* parent)
    : QAbstractTableModel(parent), findings_(findings), rows_(rows) {}

int FindingsModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || rows_.empty()) return 0;
  return static_cast<int>(std::min(findings_.size(), rows_.size() - 1));
}

int FindingsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumns) return {};
  const auto i = static_cast<size_t>(index.row());
  const std::vector<std::string>& row = rows_[i + 1];
  const auto c = static_cast<size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return c < row.size() ? QString::fromStdString(row[c]) : QString();
    case Qt::ToolTipRole:
      return row.size() > kLimit ? findingDescription(findings_[i], row[kValue], row[kLimit])
                                 : QString();
    case Qt::TextAlignmentRole:
      if (index.column() >= kValue) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      break;
    default:
      break;
  }
  return {};
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kHeads[kColumns] = {"Rule", "Branch ID", "Structure",
                                               "Pipe", "Value",     "Limit"};
  return section >= 0 && section < kColumns ? QString(kHeads[section]) : QVariant();
}

}  // namespace tarvello
