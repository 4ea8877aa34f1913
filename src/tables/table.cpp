#include "table.h"

#include <algorithm>
#include <cstring>

namespace tarvello {

namespace {
// Small enough that every offset in it fits 16 bits.
constexpr size_t kChunk = 64 * 1024;

// Copies up to 7 bytes with copies of fixed size, which compile to a load and
// a store each (most cells are short, and a call to memcpy for each of the
// millions of them showed in a large network's run).
void copyShort(char* to, std::string_view text) {
  const size_t n = text.size();
  const char* from = text.data();
  if (n >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else if (n > 0) {
    to[0] = from[0];
    to[n / 2] = from[n / 2];
    to[n - 1] = from[n - 1];
  }
}
}  // namespace

Table::Table(std::vector<std::string> headers) : headers_(std::move(headers)) { clear(); }

bool Table::setCell(int row, int column, std::string_view text) {
  if (row < 0 || column < 0 || column >= columnCount()) return false;
  if (row >= rowCount()) {
    // The text may lie in one of this table's cells, which growing moves.
    const std::string keep(text);
    rows_ = row + 1;
    cells_.resize(static_cast<size_t>(rows_) * headers_.size());
    return setCell(row, column, keep);
  }
  Cell cell;
  if (text.size() <= sizeof cell.bytes) {
    copyShort(cell.bytes, text);
    cell.size = static_cast<std::uint8_t>(text.size());
  } else {
    if (text.size() > UINT32_MAX) return false;
    const auto length = static_cast<std::uint32_t>(text.size());
    const size_t needed = sizeof length + text.size();
    // A chunk takes texts up to kChunk bytes in all, which it was given room
    // for (so it never moves, and a view into it, the text written here
    // included, stays valid) and whose offsets fit the cell's 16 bits; a
    // longer text gets a chunk of its own.
    if (chunks_.empty() || chunks_.back().size() + needed > kChunk) {
      if (chunks_.size() >= UINT32_MAX) return false;
      chunks_.emplace_back();
      chunks_.back().reserve(std::max(kChunk, needed));
    }
    std::string& chunk = chunks_.back();
    const auto index = static_cast<std::uint32_t>(chunks_.size() - 1);
    const auto offset = static_cast<std::uint16_t>(chunk.size());
    chunk.append(reinterpret_cast<const char*>(&length), sizeof length).append(text);
    std::memcpy(cell.bytes, &index, sizeof index);
    std::memcpy(cell.bytes + sizeof index, &offset, sizeof offset);
    cell.size = Cell::kLong;
  }
  cells_[static_cast<size_t>(row) * headers_.size() + static_cast<size_t>(column)] = cell;
  return true;
}

void Table::reserveRows(int rows) {
  if (rows > 0) cells_.reserve(static_cast<size_t>(rows) * headers_.size());
}

void Table::clear() {
  cells_.assign(2 * headers_.size(), Cell());
  chunks_.clear();
  rows_ = 2;
}

void Table::writeHeaders() {
  for (int c = 0; c < columnCount(); ++c) setCell(0, c, headers_[static_cast<size_t>(c)]);
}

int Table::lastFilledRow() const {
  const size_t columns = headers_.size();
  for (int r = rowCount() - 1; r > 0; --r)
    for (size_t c = 0; c < columns; ++c)
      if (cells_[static_cast<size_t>(r) * columns + c].size != 0) return r;
  return 0;
}

void Table::setCurrentRow(int row) { currentRow_ = row < 0 ? 0 : row; }

void Table::selectRow(int row) {
  setCurrentRow(row);
  setSelectionEnd(row, columnCount() - 1);
}

}  // namespace tarvello
