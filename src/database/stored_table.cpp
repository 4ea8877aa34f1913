#include "database/stored_table.h"

#include "common/ascii_case.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace tarvello {

StoredTable::StoredTable(std::string name, std::vector<std::string> columns)
    : name_(std::move(name)), columns_(std::move(columns)) {}

int StoredTable::columnIndex(std::string_view name) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (equalsIgnoringCase(columns_[i], name)) return static_cast<int>(i);
  return -1;
}

std::string_view StoredTable::text(size_t row, int column) const {
  const size_t i = at(row, column);
  const std::uint8_t tag = tags_[i];
  if (tag >= kShortText) return std::string_view(cells_[i].text, tag - kShortText);
  if (tag != static_cast<std::uint8_t>(CellKind::Text) &&
      tag != static_cast<std::uint8_t>(CellKind::Blob))
    return {};
  return std::string_view(text_).substr(cells_[i].bytes.offset, cells_[i].bytes.length);
}

Value StoredTable::value(size_t row, int column) const {
  const size_t i = at(row, column);
  switch (kind(row, column)) {
    case CellKind::Integer:
      return Value::integer(cells_[i].integer);
    case CellKind::Real:
      return Value::real(cells_[i].real);
    case CellKind::Null:
      return Value::null();
    case CellKind::Text:
    case CellKind::Blob:
      break;
  }
  return Value::text(std::string(text(row, column)));
}

void StoredTable::reserveRows(size_t rows) {
  tags_.reserve(rows * columns_.size());
  cells_.reserve(rows * columns_.size());
  // A guess at the longer texts: growing the arena by doubling copies it each
  // time, while reserved pages that stay unused are never touched.
  text_.reserve(rows * columns_.size() * 2);
}

namespace {
constexpr std::uint8_t tagOf(CellKind kind) { return static_cast<std::uint8_t>(kind); }
}  // namespace

void StoredTable::addNull() { add(tagOf(CellKind::Null), Cell{.integer = 0}); }

void StoredTable::addInteger(std::int64_t i) { add(tagOf(CellKind::Integer), Cell{.integer = i}); }

void StoredTable::addReal(double d) { add(tagOf(CellKind::Real), Cell{.real = d}); }

void StoredTable::addBytes(CellKind kind, std::string_view bytes) {
  if (kind == CellKind::Text && bytes.size() <= sizeof(Cell::text)) {
    Cell cell{.integer = 0};
    // An empty view may hold no pointer at all, which memcpy must not be given.
    if (!bytes.empty()) std::memcpy(cell.text, bytes.data(), bytes.size());
    add(static_cast<std::uint8_t>(kShortText + bytes.size()), cell);
    return;
  }
  // Places in the arena are 32-bit; a project's text is far below that.
  if (bytes.size() > UINT32_MAX - text_.size())
    throw std::length_error("the table's text is too long");
  Cell cell;
  cell.bytes.offset = static_cast<std::uint32_t>(text_.size());
  cell.bytes.length = static_cast<std::uint32_t>(bytes.size());
  text_ += bytes;
  add(tagOf(kind), cell);
}

void StoredTable::addText(std::string_view bytes) { addBytes(CellKind::Text, bytes); }
void StoredTable::addBlob(std::string_view bytes) { addBytes(CellKind::Blob, bytes); }

void StoredTable::shrinkToFit() {
  // Shrinking copies; an array mapped on its own holds no pages it never touched.
  auto shrink = [](auto& array) {
    if (array.capacity() * sizeof(array[0]) < bulk_memory::kHugePage) array.shrink_to_fit();
  };
  shrink(tags_);
  shrink(cells_);
  shrink(text_);
}

}  // namespace tarvello
