#pragma once
// The findings list of the DESIGN CHECKS page as a model: its cells and tool
// tips are read from the findings when the view asks, so a large network's
// tens of thousands of findings cost no item objects of their own.
#include <QAbstractTableModel>

#include <string>
#include <vector>

#include "checks/design_checks.h"

namespace tarvello {

class FindingsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using Rows = std::vector<std::vector<std::string>>;
  // `rows` are findingRows(findings): the header row, then one row per
  // finding. Both belong to the caller and must outlive the model.
  FindingsModel(const std::vector<Finding>& findings, const Rows& rows, QObject* parent = nullptr);

  // Around any change of the findings: the view forgets what it had read.
  void beginFindingsChange() { beginResetModel(); }
  void endFindingsChange() { endResetModel(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const std::vector<Finding>& findings_;
  const Rows& rows_;
};

}  // namespace tarvello
