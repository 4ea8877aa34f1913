#include "shell/table_grids.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

#include "commands/session.h"
#include "shell/grid_sizing.h"
#include "shell/table_copy.h"
#include "shell/table_model.h"
#include "shell/widget_names.h"
#include "tables/cell_numbers.h"

namespace tarvello {
namespace {

// Column 0 of the structure and branch tables is measured from this text, so
// that it is a little wider than its header.
constexpr const char* kWideBranchHeader = "<Branch ID>";

}  // namespace

TableGrids::TableGrids(Session& session, QWidget* parent)
    : QObject(parent),
      structureModel(new TableModel(session.tables().structures, this)),
      pipeModel(new TableModel(session.tables().pipes, this)),
      branchModel(new TableModel(session.tables().branches, this)),
      session_(session) {
  structureModel->setRowFlag(hglReachesTop,
                             "The hydraulic grade line reaches or exceeds the top elevation.");
  structureGrid = makeGrid(widget::kStructureGrid, structureModel, parent);
  pipeGrid = makeGrid(widget::kPipeGrid, pipeModel, parent);
  branchGrid = makeGrid(widget::kBranchGrid, branchModel, parent);
  layoutColumns();
  selectCurrentRows();
}

void TableGrids::release() {
  for (QTableView* view : {structureGrid, pipeGrid, branchGrid}) view->setModel(nullptr);
}

QTableView* TableGrids::makeGrid(const char* name, TableModel* model, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Shift extends the selection over rows, for Ctrl+C to copy them.
  view->setSelectionMode(QAbstractItemView::ContiguousSelection);
  copySelectionOnCopyKey(*view);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(false);
  // The header row selects nothing; a click there leaves the selection alone.
  view->horizontalHeader()->setSectionsClickable(false);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Fixed row heights keep scrolling through thousands of rows cheap.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  // The table of the run shown when the row is chosen: each run brings its own.
  connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, model](const QModelIndex& current) {
            ProfileTables& t = session_.tables();
            rowChosen(model == structureModel ? t.structures
                      : model == pipeModel    ? t.pipes
                                              : t.branches,
                      current);
          });
  return view;
}

void TableGrids::aboutToChange() {
  for (TableModel* m : {structureModel, pipeModel, branchModel}) m->beginTableChange();
}

void TableGrids::changed() {
  structureModel->endTableChange(&session_.tables().structures);
  pipeModel->endTableChange(&session_.tables().pipes);
  branchModel->endTableChange(&session_.tables().branches);
  layoutColumns();
  selectCurrentRows();
}

void TableGrids::layoutColumns() {
  sizeColumns(*structureGrid, session_.tables().structures, kWideBranchHeader);
  sizeColumns(*pipeGrid, session_.tables().pipes);
  sizeColumns(*branchGrid, session_.tables().branches, kWideBranchHeader);
  // The branch table sits beside the commands: as wide as its columns.
  branchGrid->setFixedWidth(
      std::max(widthForAllColumns(*branchGrid, session_.tables().branches.columnCount()), 200));
}

void TableGrids::selectCurrentRows() {
  const struct {
    QTableView* view;
    TableModel* model;
    const Table& table;
  } grids[] = {{structureGrid, structureModel, session_.tables().structures},
               {pipeGrid, pipeModel, session_.tables().pipes},
               {branchGrid, branchModel, session_.tables().branches}};
  for (const auto& g : grids) {
    const int row = TableModel::viewRow(g.table.currentRow());
    if (row < 0 || row >= g.model->rowCount()) continue;
    const int column = std::clamp(g.table.currentColumn(), 0, g.model->columnCount() - 1);
    g.view->selectionModel()->setCurrentIndex(
        g.model->index(row, column),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

// A click on a cell makes its row current and selects it to the last column.
void TableGrids::rowChosen(Table& table, const QModelIndex& index) {
  if (!index.isValid()) return;
  const int row = TableModel::tableRow(index.row());
  table.setCurrentRow(row);
  table.setCurrentColumn(index.column());
  if (row != 0) table.setSelectionEnd(row, table.columnCount() - 1);
  if (&table == &session_.tables().branches) emit branchRowChosen();
}

}  // namespace tarvello
