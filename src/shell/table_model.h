#pragma once
// A table of the session shown in a QTableView: row 0 of the table is the
// view's header, table row r is view row r - 1. The model reads the table
// cell by cell when the view asks, so large networks cost nothing up front.
#include <QAbstractTableModel>

#include <functional>
#include <utility>
#include <vector>

#include "tables/table.h"

namespace tarvello {

class TableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Rows for which `flagged` holds are shown highlighted with `flagText` as
  // their tool tip.
  using RowFlag = std::function<bool(const Table&, int row)>;

  explicit TableModel(const Table& table, QObject* parent = nullptr);

  void setRowFlag(RowFlag flagged, QString flagText);

  // Single cells shown marked, by table row and column, each for a source
  // (a number `text` turns into the source's text when a tool tip is asked
  // for, so that tens of thousands of marks hold no text). A cell's tool tip
  // is its sources' texts, in the order given, each text once, a line each.
  // They replace the earlier marks. A change of the table drops them.
  struct CellMark {
    int row = 0;
    int column = 0;
    int source = 0;
  };
  using MarkText = std::function<QString(int source)>;
  void setCellMarks(std::vector<CellMark> marks, MarkText text);
  QString cellMark(int tableRow, int column) const;
  bool cellMarked(int tableRow, int column) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // Around any change of the table: the view forgets what it had read.
  void beginTableChange() {
    beginResetModel();
    marks_ = {};  // and their memory
  }
  // `table` replaces the one shown (a new run's), or nullptr keeps it.
  void endTableChange(const Table* table = nullptr);

  const Table& table() const { return *table_; }
  static int tableRow(int viewRow) { return viewRow + 1; }
  static int viewRow(int tableRow) { return tableRow - 1; }
  bool rowFlagged(int tableRow) const;

 private:
  void updateFlags();
  const Table* table_;
  RowFlag flag_;
  QString flagText_;
  std::vector<bool> flagged_;    // by table row
  std::vector<CellMark> marks_;  // by row and column; a cell's sources in the order given
  MarkText markText_;
};

}  // namespace tarvello
