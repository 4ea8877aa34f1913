#pragma once
// Reads table cells as numbers for the drawings. A cell that is empty or not a
// number reads as 0, and the user is told once which cell it was, so a value
// never silently carries over from the pipe drawn before.
#include <set>
#include <string>
#include <tuple>

#include "common/warnings.h"
#include "tables/table.h"

namespace tarvello {

class CellReader {
 public:
  explicit CellReader(Warnings& warnings) : warnings_(warnings) {}

  // `tableName` names the table in the warning ("pipe table").
  float number(const Table& table, const std::string& tableName, int row, int column);

  Warnings& warnings() { return warnings_; }

 private:
  Warnings& warnings_;
  std::set<std::tuple<const Table*, int, int>> reported_;
};

}  // namespace tarvello
