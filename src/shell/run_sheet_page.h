#pragma once
// A page that shows a sheet made from the last run: the HGL computation
// sheet (one row per structure-table row) and the summary of quantities.
// The cells are made when the view asks for them, so a network of 100,000
// structures costs no strings beyond the rows on screen.
#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "run/run.h"

class QLabel;
class QTableView;

namespace tarvello {

// The sheet of one run: its heads, how many rows, and how to make row i.
struct RunSheet {
  std::vector<std::string> heads;
  int rows = 0;
  std::function<std::vector<std::string>(int)> row;
  QString summary;  // the line above the sheet
};

class RunSheetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The view forgets what it had read of the previous sheet.
  void setSheet(RunSheet sheet);
  const RunSheet& sheet() const { return sheet_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const std::vector<std::string>& row(int r) const;

  RunSheet sheet_;
  // The view asks cell by cell along a row: the row is made once for them all.
  mutable int cachedRow_ = -1;
  mutable std::vector<std::string> cached_;
};

class RunSheetPage : public QWidget {
  Q_OBJECT
 public:
  // `make` makes the sheet of a run that created tables; none: the page shows
  // only what it is given.
  using MakeSheet = std::function<RunSheet(const Run&)>;
  RunSheetPage(const char* pageName, const char* summaryName, const char* sheetName, MakeSheet make,
               QWidget* parent);

  // Shows the sheet of `run`, kept alive while it is shown, or why there is none.
  void showRun(std::shared_ptr<const Run> run);
  // Shows a sheet made elsewhere (the revisions of a submittal).
  void showSheet(RunSheet sheet);
  QTableView* view() const { return view_; }

 signals:
  // A sheet row was double-clicked.
  void rowChosen(int sheetRow);

 private:
  MakeSheet make_;
  std::shared_ptr<const Run> run_;
  QLabel* summary_ = nullptr;
  QTableView* view_ = nullptr;
  RunSheetModel* model_ = nullptr;
};

// The HGL COMPUTATION page: rows made from the run's trace on demand.
RunSheet hglComputationSheet(const Run& run);
// The structure-table row of the HGL sheet's row `sheetRow` (0 when there is none).
int hglSheetStructureRow(const Run& run, int sheetRow);
// The QUANTITIES page: the summary is small and made at once.
RunSheet quantitiesSheet(const Run& run);

}  // namespace tarvello
