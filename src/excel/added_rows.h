#pragma once
// The rows a worksheet gains beyond those of its template. A schedule adds
// thousands of them, a dozen cells each; as XML nodes every cell and attribute
// would be an allocation of its own, so they are kept as compact records over
// one buffer of cell values and written out as text when the sheet is saved.
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvello {

class AddedRows {
 public:
  // The row attributes a row can take from a model row, in the order tried.
  static constexpr std::array<const char*, 4> kRowAttributes = {"ht", "customHeight", "s",
                                                                "customFormat"};
  static constexpr int kNone = -1;

  struct Cell {
    int column = 0;
    int style = kNone;  // a pooled value
    enum Kind : std::uint8_t { Empty, Text, Number } kind = Empty;
    std::uint32_t length = 0;
    std::size_t offset = 0;  // of the value in values()
  };
  struct Row {
    std::vector<Cell> cells;  // in column order
    // (index in kRowAttributes, pooled value), in the order they were given.
    std::array<std::pair<std::uint8_t, int>, kRowAttributes.size()> attributes{};
    std::uint8_t attributeCount = 0;

    int attribute(std::size_t name) const;  // pooled value, or kNone
  };
  using Rows = std::map<int, Row>;

  Row* find(int row);
  const Row* find(int row) const;
  Row& add(int row) { return rows_[row]; }
  const Rows& rows() const { return rows_; }
  bool empty() const { return rows_.empty(); }
  std::size_t size() const { return rows_.size(); }

  // The cell of the column, or nullptr.
  static Cell* findCell(Row& row, int column);
  // Inserted in column order; the column must not be there yet.
  static Cell& addCell(Row& row, int column, int style);

  // Attribute values (styles, heights) are few and repeat on every row.
  int pool(std::string_view value);
  const std::string& pooled(int index) const { return pool_[static_cast<std::size_t>(index)]; }

  // The cell's value is replaced; text is stored as a spreadsheet string.
  void setText(Cell& cell, std::string_view text);
  void setNumber(Cell& cell, std::string_view numberText);
  std::string_view value(const Cell& cell) const {
    return {values_.data() + cell.offset, cell.length};
  }

  // Rows [from, to) as SpreadsheetML, element names with `prefix`, as the
  // XML writer would write the same nodes.
  void write(std::string& out, Rows::const_iterator from, Rows::const_iterator to,
             const std::string& prefix) const;

 private:
  Rows rows_;
  std::vector<std::string> pool_;
  std::vector<std::string> escapedPool_;  // as attribute values in XML
  std::string values_;
};

// What the XML writer escapes: in text &, <, > and control characters other
// than tab, line feed and carriage return; in attribute values &, <, " and
// every control character.
void appendEscapedText(std::string& out, std::string_view text);
void appendEscapedAttribute(std::string& out, std::string_view value);

}  // namespace tarvello
