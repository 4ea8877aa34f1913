#include "shell/warnings_panel.h"

#include <QAbstractItemModel>
#include <QHeaderView>

#include "shell/widget_names.h"
#include "tables/row_lookups.h"

namespace tarvello {

// Two levels: the groups, and under each its warnings. An index of a warning
// carries its group's number plus one; a group's carries 0. The texts are
// read when the view asks, so thousands of warnings cost no items of their own.
class WarningsModel : public QAbstractItemModel {
 public:
  using QAbstractItemModel::QAbstractItemModel;

  void reset(const std::vector<Warning>& warnings) {
    beginResetModel();
    warnings_ = warnings;
    groups_ = groupWarnings(warnings_);
    endResetModel();
  }
  const std::vector<Warning>& warnings() const { return warnings_; }
  const std::vector<WarningGroup>& groups() const { return groups_; }

  // The warning at `index`, or null for a group.
  const Warning* warningAt(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == 0) return nullptr;
    const WarningGroup& group = groups_[index.internalId() - 1];
    return &warnings_[group.members[static_cast<size_t>(index.row())]];
  }

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
    if (row < 0 || column != 0) return {};
    if (!parent.isValid())
      return static_cast<size_t>(row) < groups_.size() ? createIndex(row, 0, quintptr{0})
                                                       : QModelIndex();
    if (parent.internalId() != 0) return {};
    const auto group = static_cast<size_t>(parent.row());
    if (static_cast<size_t>(row) >= groups_[group].count()) return {};
    return createIndex(row, 0, static_cast<quintptr>(group + 1));
  }
  QModelIndex parent(const QModelIndex& child) const override {
    if (!child.isValid() || child.internalId() == 0) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, quintptr{0});
  }
  int rowCount(const QModelIndex& parent = {}) const override {
    if (!parent.isValid()) return static_cast<int>(groups_.size());
    if (parent.internalId() != 0) return 0;
    return static_cast<int>(groups_[static_cast<size_t>(parent.row())].count());
  }
  int columnCount(const QModelIndex& = {}) const override { return 1; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    if (const Warning* w = warningAt(index)) return QString::fromStdString(w->text);
    const WarningGroup& group = groups_[static_cast<size_t>(index.row())];
    if (role == Qt::ToolTipRole)  // what the group is about, by its first sentence
      return QString::fromStdString(warnings_[group.members.front()].text);
    return QString("%1 (%2)").arg(QString::fromStdString(group.kind)).arg(group.count());
  }

 private:
  std::vector<Warning> warnings_;
  std::vector<WarningGroup> groups_;
};

WarningsPanel::WarningsPanel(TablesNow tables, QWidget* parent)
    : QTreeView(parent), tables_(std::move(tables)), model_(new WarningsModel(this)) {
  setObjectName(widget::kWarningsList);
  setModel(model_);
  setHeaderHidden(true);
  setWordWrap(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setToolTip("Double-click a warning to see its row.");
  connect(this, &QTreeView::doubleClicked, this, &WarningsPanel::choose);
}

void WarningsPanel::showWarnings(const std::vector<Warning>& warnings) {
  model_->reset(warnings);
  const auto& groups = model_->groups();
  for (size_t g = 0; g < groups.size(); ++g)
    if (groups[g].count() <= kOpenGroupMax) expand(model_->index(static_cast<int>(g), 0));
}

size_t WarningsPanel::warningCount() const { return model_->warnings().size(); }

const std::vector<WarningGroup>& WarningsPanel::groups() const { return model_->groups(); }

void WarningsPanel::choose(const QModelIndex& index) {
  const Warning* w = model_->warningAt(index);
  if (!w) return;
  const ProfileTables& tables = tables_();
  if (!w->structure.empty()) {
    const Table& s = tables.structures;
    int row = w->branch.empty() ? s.rowCount() : findBranchStructureRow(s, w->branch, w->structure);
    if (row >= s.rowCount()) row = findStructureRow(s, w->structure);
    if (row < s.rowCount()) emit rowChosen(CheckTable::Structures, row);
    return;
  }
  if (!w->pipe.empty()) {
    const Table& p = tables.pipes;
    for (int row = 1; row <= p.lastFilledRow(); ++row) {
      if (p.cell(row, pipecol::PipeNo) == w->pipe) {
        emit rowChosen(CheckTable::Pipes, row);
        return;
      }
    }
  }
}

}  // namespace tarvello
