#pragma once
// The warnings of the last command, grouped by kind: a group per kind in the
// order the kinds first occur, with its count, closed when it holds more than
// a screenful. Activating a warning about a structure or a pipe asks for its
// row in the tables.
#include <QTreeView>

#include <vector>

#include "checks/design_checks.h"
#include "common/warning_groups.h"
#include "common/warnings.h"
#include "tables/profile_tables.h"

namespace tarvello {

class WarningsModel;

class WarningsPanel : public QTreeView {
  Q_OBJECT
 public:
  // `tables` answer which row a warning's subject is on; they belong to the
  // caller and must outlive the panel.
  WarningsPanel(const ProfileTables& tables, QWidget* parent = nullptr);

  // Shows a copy of `warnings`, grouped.
  void showWarnings(const std::vector<Warning>& warnings);
  size_t warningCount() const;
  const std::vector<WarningGroup>& groups() const;

  // Groups of more warnings than this start closed.
  static constexpr size_t kOpenGroupMax = 10;

 signals:
  // A warning about a structure or a pipe was double-clicked: the table row
  // of its subject, as the findings give theirs.
  void rowChosen(tarvello::CheckTable table, int tableRow);

 private:
  void choose(const QModelIndex& index);

  const ProfileTables& tables_;
  WarningsModel* model_ = nullptr;
};

}  // namespace tarvello
