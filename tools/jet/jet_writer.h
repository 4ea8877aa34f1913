#pragma once
// A small writer of Jet 4 (Access 2000) database files, for tests and sample
// projects only: the product itself never writes a database.
#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace jet {

// Text holds at most 255 characters; Memo is long text (up to 4,000,000).
enum class ColumnType { Text, Double, Single, Long, Integer, Boolean, Memo };

struct Column {
  std::string name;
  ColumnType type = ColumnType::Text;
};

struct Null {
  bool operator==(const Null&) const = default;
};
// A cell: null, text (UTF-8, for Text/Memo), a number (for Double/Single; an
// integer is accepted too), an integer (Long, Integer) or a boolean. Jet has
// no null boolean: a null Boolean cell is written as false.
using Cell = std::variant<Null, std::string, double, std::int64_t, bool>;

struct TableData {
  std::string name;
  std::vector<Column> columns;
  std::vector<std::vector<Cell>> rows;
};

struct DatabaseData {
  std::vector<TableData> tables;
};

class JetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the database to `path`, replacing it only once the whole file is
// written (through a temporary file beside it). Throws JetError naming the
// table, row and column of a value that does not fit.
void writeJet4(const std::string& path, const DatabaseData& data);

// Reads the readable description format (see README.md beside this file).
// Throws JetError whose message starts with "line N: ".
DatabaseData parseDescription(std::istream& in);

}  // namespace jet
