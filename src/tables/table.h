#pragma once
// A table of text cells addressed by (row, column), row 0 holding the column
// headers. The column count is fixed; rows grow with the data.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "common/bulk_allocator.h"

namespace tarvello {

// A cell's text as the table holds it. It reads like a string_view and turns
// into a std::string wherever one is needed. It stays valid until the table
// grows by a row or is cleared, as a reference to a cell always did.
class CellText : public std::string_view {
 public:
  constexpr CellText() = default;
  constexpr explicit CellText(std::string_view text) : std::string_view(text) {}
  operator std::string() const { return std::string(data(), size()); }
  std::string str() const { return std::string(data(), size()); }
};

inline std::string operator+(const std::string& a, CellText b) {
  std::string out;
  out.reserve(a.size() + b.size());
  return out.append(a).append(b);
}
inline std::string operator+(std::string&& a, CellText b) { return std::move(a.append(b)); }
inline std::string operator+(CellText a, const std::string& b) {
  std::string out;
  out.reserve(a.size() + b.size());
  return out.append(a).append(b);
}
inline std::string operator+(const char* a, CellText b) { return std::string(a).append(b); }
inline std::string operator+(CellText a, const char* b) { return a.str().append(b); }

class Table {
 public:
  explicit Table(std::vector<std::string> headers);

  int rowCount() const { return rows_; }
  int columnCount() const { return static_cast<int>(headers_.size()); }

  // Text of a cell; "" outside the table (a reader past the last row gets nothing).
  CellText cell(int row, int column) const {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return {};
    return textOf(cells_[static_cast<size_t>(row) * headers_.size() + static_cast<size_t>(column)]);
  }
  // Writes a cell, growing the table to reach the row. Writes to a negative row
  // or to a column that does not exist are refused (false).
  bool setCell(int row, int column, std::string_view text);
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
  // 8 bytes: up to 7 bytes of text in place (most cells are short numbers),
  // with their count in the last byte; a longer text is kept in a chunk,
  // its length in the 4 bytes before it, and the cell holds where (chunk,
  // offset) and kLong in the last byte. A large network's tables are tens of
  // megabytes of cells, each page of them touched once: half the size is half
  // the page faults.
  struct Cell {
    static constexpr std::uint8_t kLong = 0xFF;
    char bytes[7];
    std::uint8_t size = 0;
  };
  static_assert(sizeof(Cell) == 8);
  CellText textOf(const Cell& cell) const {
    if (cell.size != Cell::kLong) return CellText(std::string_view(cell.bytes, cell.size));
    std::uint32_t chunk;
    std::uint16_t offset;
    std::memcpy(&chunk, cell.bytes, sizeof chunk);
    std::memcpy(&offset, cell.bytes + sizeof chunk, sizeof offset);
    const char* at = chunks_[chunk].data() + offset;
    std::uint32_t length;
    std::memcpy(&length, at, sizeof length);
    return CellText(std::string_view(at + sizeof length, length));
  }

  std::vector<std::string> headers_;
  std::vector<Cell, BulkAllocator<Cell>> cells_;  // row after row, columnCount() cells each
  // Long texts; a chunk never grows past the room it was given, so a view
  // into it stays valid while others are added.
  std::vector<std::string> chunks_;
  int rows_ = 0;
  int currentRow_ = 1;
  int currentColumn_ = 0;
  int rowSel_ = 1;
  int colSel_ = 0;
};

}  // namespace tarvello
