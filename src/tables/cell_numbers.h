#pragma once
// The one way a table cell is read as a number: its text parsed as the number
// formats parse it. A cell that is empty, not a number, or beyond a single's
// range is no number; a reader that uses the value tells the user once per
// cell, always in the same words:
//   Structure table row 3, "Top Elev.": "abc" is not a number; it was drawn as 0.
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "common/warnings.h"
#include "tables/table.h"

namespace tarvello {

// The cell's number, or none; nothing is reported.
std::optional<double> cellNumber(const Table& table, int row, int column);
// The same with 0 for a cell that is no number, for sums that treat a
// missing value as nothing.
double cellNumberOr0(const Table& table, int row, int column);

// The one rule for a hydraulic grade line that reaches a structure's top:
// "HGL Elev-High" (never below "HGL Elev-Low") at or above "Top Elev.", where
// the top is a number other than 0 (0 stands for a top nobody knows). The
// generation warns by it and the structure grid colours by it.
bool hglReachesTop(const Table& structures, int row);

class CellNumbers {
 public:
  explicit CellNumbers(Warnings& warnings) : warnings_(warnings) {}

  // The cell at single precision, or none, reported with what was done
  // instead (`consequence`, e.g. "0 was used"). `tableName` names the table
  // in the message ("Structure table").
  std::optional<float> single(const Table& table, const std::string& tableName, int row, int column,
                              const std::string& consequence);
  // The same, 0 when there is no number.
  float singleOr0(const Table& table, const std::string& tableName, int row, int column,
                  const std::string& consequence);
  // The whole-number part, 0 (reported) when there is no number.
  int wholeNumber(const Table& table, const std::string& tableName, int row, int column);

  Warnings& warnings() { return warnings_; }

 private:
  Warnings& warnings_;
  std::set<std::tuple<const Table*, int, int>> reported_;
};

}  // namespace tarvello
