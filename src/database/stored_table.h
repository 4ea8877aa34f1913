#pragma once
// One table of a project database held in memory: its column names and every
// record in stored order. A cell is 9 bytes (a tag byte, and the number, a
// text of up to 8 bytes, or where its bytes lie, kept apart so that neither
// is padded); the bytes of every longer text and of every binary value share
// one arena, so a 100,000-record table is three allocations, and readers get
// views, not copies. Most texts of a project (node and pipe numbers, types,
// stations) fit in the cell: the arena, and the memory first touched while
// reading, stay small.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/bulk_allocator.h"
#include "common/value.h"

namespace tarvello {

// Text is UTF-8; Blob is the bytes of a binary, OLE or unknown field. A Blob
// reads as text (Value has no binary kind) but compares as SQL compares it.
enum class CellKind : std::uint8_t { Null, Integer, Real, Text, Blob };

class StoredTable {
 public:
  StoredTable() = default;
  StoredTable(std::string name, std::vector<std::string> columns);

  const std::string& name() const { return name_; }
  const std::vector<std::string>& columns() const { return columns_; }
  int columnCount() const { return static_cast<int>(columns_.size()); }
  // Column index by name (case-insensitive, as Jet field names are), or -1.
  int columnIndex(std::string_view name) const;
  size_t rowCount() const { return columns_.empty() ? 0 : tags_.size() / columns_.size(); }

  CellKind kind(size_t row, int column) const {
    const std::uint8_t tag = tags_[at(row, column)];
    return tag >= kShortText ? CellKind::Text : static_cast<CellKind>(tag);
  }
  std::int64_t integer(size_t row, int column) const { return cells_[at(row, column)].integer; }
  double real(size_t row, int column) const { return cells_[at(row, column)].real; }
  // The bytes of a Text or Blob cell; "" for any other kind.
  std::string_view text(size_t row, int column) const;
  Value value(size_t row, int column) const;

  // Building: cells are appended row after row, columnCount() to a row.
  void reserveRows(size_t rows);
  void addNull();
  void addInteger(std::int64_t i);
  void addReal(double d);
  void addText(std::string_view bytes);
  void addBlob(std::string_view bytes);
  // Gives back what reserving set aside beyond the cells read.
  void shrinkToFit();

 private:
  union Cell {
    double real;
    std::int64_t integer;
    struct {
      std::uint32_t offset;
      std::uint32_t length;
    } bytes;
    char text[8];
  };
  // A cell's tag: a CellKind (Text and Blob in the arena), or kShortText plus
  // the length of a text held in the cell itself.
  static constexpr std::uint8_t kShortText = 16;
  size_t at(size_t row, int column) const {
    return row * columns_.size() + static_cast<size_t>(column);
  }
  void add(std::uint8_t tag, Cell cell) {
    tags_.push_back(tag);
    cells_.push_back(cell);
  }
  void addBytes(CellKind kind, std::string_view bytes);

  std::string name_;
  std::vector<std::string> columns_;
  // Record after record, every column: each cell's tag, and its number, text
  // or place in text_.
  std::vector<std::uint8_t, BulkAllocator<std::uint8_t>> tags_;
  std::vector<Cell, BulkAllocator<Cell>> cells_;
  // The bytes of every text and binary cell.
  std::basic_string<char, std::char_traits<char>, BulkAllocator<char>> text_;
};

}  // namespace tarvello
