#include "table.h"

namespace tarvello {

namespace {
const std::string kEmpty;
}

Table::Table(std::vector<std::string> headers) : headers_(std::move(headers)) { clear(); }

const std::string& Table::cell(int row, int column) const {
  if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return kEmpty;
  return cells_[static_cast<size_t>(row) * headers_.size() + static_cast<size_t>(column)];
}

bool Table::setCell(int row, int column, std::string text) {
  if (row < 0 || column < 0 || column >= columnCount()) return false;
  if (row >= rowCount()) {
    rows_ = row + 1;
    cells_.resize(static_cast<size_t>(rows_) * headers_.size());
  }
  cells_[static_cast<size_t>(row) * headers_.size() + static_cast<size_t>(column)] =
      std::move(text);
  return true;
}

void Table::reserveRows(int rows) {
  if (rows > 0) cells_.reserve(static_cast<size_t>(rows) * headers_.size());
}

void Table::clear() {
  cells_.assign(2 * headers_.size(), std::string());
  rows_ = 2;
}

void Table::writeHeaders() {
  for (int c = 0; c < columnCount(); ++c) setCell(0, c, headers_[static_cast<size_t>(c)]);
}

int Table::lastFilledRow() const {
  const size_t columns = headers_.size();
  for (int r = rowCount() - 1; r > 0; --r)
    for (size_t c = 0; c < columns; ++c)
      if (!cells_[static_cast<size_t>(r) * columns + c].empty()) return r;
  return 0;
}

void Table::setCurrentRow(int row) { currentRow_ = row < 0 ? 0 : row; }

void Table::selectRow(int row) {
  setCurrentRow(row);
  setSelectionEnd(row, columnCount() - 1);
}

}  // namespace tarvello
