#pragma once
// The three tables of the run shown, on their grids: the structure and pipe
// grids are pages of their own, the branch grid sits on the plots page. A
// click makes a row current in its table; the plot commands read the branch
// table's current row. Each run brings its own tables.
#include <QObject>

class QModelIndex;
class QTableView;
class QWidget;

namespace tarvello {

struct Session;
class Table;
class TableModel;

class TableGrids : public QObject {
  Q_OBJECT
 public:
  // The grids belong to `parent` until they are put on their pages.
  TableGrids(Session& session, QWidget* parent);
  // The views stop reading the session's tables, for a session that goes first.
  void release();

  TableModel* structureModel;
  TableModel* pipeModel;
  TableModel* branchModel;
  QTableView* structureGrid;
  QTableView* pipeGrid;
  QTableView* branchGrid;

  // Around a new run in the session: the grids show its tables, sized to
  // them, with their current rows selected.
  void aboutToChange();
  void changed();

 signals:
  // A row of the branch table became current.
  void branchRowChosen();

 private:
  QTableView* makeGrid(const char* name, TableModel* model, QWidget* parent);
  void layoutColumns();
  void selectCurrentRows();
  void rowChosen(Table& table, const QModelIndex& index);

  Session& session_;
};

}  // namespace tarvello
