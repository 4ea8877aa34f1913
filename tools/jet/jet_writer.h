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

enum class ColumnType { Text, Double, Single, Long, Integer, Boolean };

struct Column {
  std::string name;
  ColumnType type = ColumnType::Text;
};

struct Null {
  bool operator==(const Null&) const = default;
};
// A cell: null, text (UTF-8), a number (for Double/Single), an integer (Long,
// Integer) or a boolean.
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

// Writes the database to `path` (replacing it). Throws JetError.
void writeJet4(const std::string& path, const DatabaseData& data);

// Reads the readable description format (see README.md beside this file).
DatabaseData parseDescription(std::istream& in);

}  // namespace jet
