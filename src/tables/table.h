#pragma once
// A table of text cells addressed by (row, column), row 0 holding the column
// headers. The column count is fixed; rows grow with the data.
#include <string>
#include <vector>

#include "common/bulk_allocator.h"

namespace tarvello {

class Table {
 public:
  explicit Table(std::vector<std::string> headers);

  int rowCount() const { return rows_; }
  int columnCount() const { return static_cast<int>(headers_.size()); }

  // Text of a cell; "" outside the table (a reader past the last row gets nothing).
  const std::string& cell(int row, int column) const;
  // Writes a cell, growing the table to reach the row. Writes to a negative row
  // or to a column that does not exist are refused (false).
  bool setCell(int row, int column, std::string text);
  // Makes room for `rows` rows (header row included) without changing the table.
  void reserveRows(int rows);

  // Removes every cell's text, header row included; columns stay, rows shrink
  // back to the header row and one empty data row.
  void clear();
  // Writes the header texts into row 0.
  void writeHeaders();
  const std::vector<std::string>& headers() const { return headers_; }

  // Index of the last row that holds a non-empty cell (0 when only headers).
  int lastFilledRow() const;

  // Current row and selection end, as a grid keeps them.
  int currentRow() const { return currentRow_; }
  void setCurrentRow(int row);
  int currentColumn() const { return currentColumn_; }
  void setCurrentColumn(int column) { currentColumn_ = column; }
  int selectionEndRow() const { return rowSel_; }
  int selectionEndColumn() const { return colSel_; }
  void setSelectionEnd(int row, int column) {
    rowSel_ = row;
    colSel_ = column;
  }
  // Selects `row` from the current column to the last column.
  void selectRow(int row);

 private:
  std::vector<std::string> headers_;
  std::vector<std::string, BulkAllocator<std::string>>
      cells_;  // row after row, columnCount() cells each
  int rows_ = 0;
  int currentRow_ = 1;
  int currentColumn_ = 0;
  int rowSel_ = 1;
  int colSel_ = 0;
};

}  // namespace tarvello
