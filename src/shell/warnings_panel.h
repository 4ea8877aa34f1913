#pragma once
// The warnings of the last command, grouped by kind: a group per kind in the
// order the kinds first occur, with its count, closed when it holds more than
// a screenful. Activating a warning about a structure or a pipe asks for its
// row in the tables.
#include <QTreeView>

#include <functional>
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
  // `tables` gives the tables shown now, which answer which row a warning's
  // subject is on (asked at each double-click: a new run brings new tables).
  using TablesNow = std::function<const ProfileTables&()>;
  WarningsPanel(TablesNow tables, QWidget* parent = nullptr);

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

  TablesNow tables_;
  WarningsModel* model_ = nullptr;
};

}  // namespace tarvello
