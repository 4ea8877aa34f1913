#pragma once
// The "DESIGN CHECKS" page: the criteria in force, the findings of the last
// Create Profile Data, and the marks the findings leave in the structure and
// pipe grids.
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "commands/session.h"
#include "excel/excel_export.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tarvello {

class FindingsModel;
class TableModel;
class UserInterface;

class DesignChecksPage : public QWidget {
  Q_OBJECT
 public:
  // The models are the grids' of the structure and pipe tables; the page
  // marks their cells.
  DesignChecksPage(const Session& session, TableModel* structures, TableModel* pipes,
                   QWidget* parent);

  // For the window to connect to the criteria dialog.
  QPushButton* editCriteriaButton = nullptr;

  // Checks the session's tables with the criteria remembered for the
  // project's unit system, lists the findings and marks their cells.
  void runChecks();
  // The criteria dialog; accepted criteria are remembered, and the tables
  // checked with them at once when they are the same project's.
  void editCriteria(UserInterface& ui, const std::string& folder);

  const std::vector<Finding>& findings() const { return checks_.findings; }
  // The findings and their worksheet; none before a run that made tables.
  const RunFindings* checks() const { return checked_ ? &checks_ : nullptr; }

  // Makes a table row current and selected in its grid, at `column`.
  static void selectCell(QTableView& grid, int tableRow, int column);

 signals:
  // A finding was double-clicked: the cell its row is known by.
  void cellChosen(tarvello::CheckTable table, int tableRow, int column);

 private:
  void showCriteria(const Criteria& criteria, const std::string& unitSystem);
  void showFindings();
  void markCells();

  const Session& session_;
  TableModel* structures_;
  TableModel* pipes_;
  QLabel* criteriaLabel_ = nullptr;
  QLabel* summary_ = nullptr;
  QTableView* list_ = nullptr;
  FindingsModel* listModel_ = nullptr;
  bool checked_ = false;
  std::string checkedUnitSystem_;
  // The findings, and their rows as the workbook's worksheet and the list's cells.
  RunFindings checks_;
};

// What a finding means, for the tool tips: "cover: 0.67 below the minimum 2.00".
QString findingDescription(const Finding& finding, const std::string& value,
                           const std::string& limit);

}  // namespace tarvello
