#include "database/stored_table.h"

#include "common/ascii_case.h"

#include <stdexcept>

namespace tarvello {

static_assert(sizeof(double) == 8 && sizeof(std::int64_t) == 8);

StoredTable::StoredTable(std::string name, std::vector<std::string> columns)
    : name_(std::move(name)), columns_(std::move(columns)) {}

int StoredTable::columnIndex(std::string_view name) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (equalsIgnoringCase(columns_[i], name)) return static_cast<int>(i);
  return -1;
}

std::string_view StoredTable::text(size_t row, int column) const {
  const Cell& c = cell(row, column);
  if (c.kind != CellKind::Text && c.kind != CellKind::Blob) return {};
  return std::string_view(text_).substr(c.offset, c.length);
}

Value StoredTable::value(size_t row, int column) const {
  const Cell& c = cell(row, column);
  switch (c.kind) {
    case CellKind::Integer:
      return Value::integer(c.integer);
    case CellKind::Real:
      return Value::real(c.real);
    case CellKind::Null:
      return Value::null();
    case CellKind::Text:
    case CellKind::Blob:
      break;
  }
  return Value::text(std::string(text_, c.offset, c.length));
}

void StoredTable::reserveRows(size_t rows) { cells_.reserve(rows * columns_.size()); }

void StoredTable::addNull() {
  Cell c;
  c.integer = 0;
  cells_.push_back(c);
}

void StoredTable::addInteger(std::int64_t i) {
  Cell c;
  c.integer = i;
  c.kind = CellKind::Integer;
  cells_.push_back(c);
}

void StoredTable::addReal(double d) {
  Cell c;
  c.real = d;
  c.kind = CellKind::Real;
  cells_.push_back(c);
}

void StoredTable::addBytes(CellKind kind, std::string_view bytes) {
  // A Jet value is far below this; the check keeps a damaged length from wrapping.
  if (bytes.size() > UINT32_MAX) throw std::length_error("a field value is too long");
  Cell c;
  c.offset = text_.size();
  c.length = static_cast<std::uint32_t>(bytes.size());
  c.kind = kind;
  text_ += bytes;
  cells_.push_back(c);
}

void StoredTable::addText(std::string_view bytes) { addBytes(CellKind::Text, bytes); }
void StoredTable::addBlob(std::string_view bytes) { addBytes(CellKind::Blob, bytes); }

void StoredTable::shrinkToFit() {
  cells_.shrink_to_fit();
  text_.shrink_to_fit();
}

}  // namespace tarvello
