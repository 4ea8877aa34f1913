#include "tables/cell_numbers.h"

#include <cmath>
#include <limits>

#include "common/number_format.h"
#include "tables/profile_tables.h"

namespace tarvello {

std::optional<double> cellNumber(const Table& table, int row, int column) {
  return parseNumber(table.cell(row, column));
}

double cellNumberOr0(const Table& table, int row, int column) {
  return cellNumber(table, row, column).value_or(0);
}

bool hglReachesTop(const Table& structures, int row) {
  const auto top = cellNumber(structures, row, strcol::TopElev);
  const auto hgl = cellNumber(structures, row, strcol::HglHigh);
  return top && hgl && *top != 0 && *hgl >= *top;
}

namespace {

// The row's branch, and its structure or pipe: the three tables share the
// "Branch ID" column and differ in width, which tells them apart.
WarningSubject rowSubject(const Table& table, int row) {
  static_assert(strcol::BranchId == 0 && pipecol::BranchId == 0 && branchcol::BranchId == 0);
  WarningSubject subject;
  if (table.columnCount() < 1) return subject;
  subject.branch = table.cell(row, 0);
  if (table.columnCount() == strcol::Count) subject.structure = table.cell(row, strcol::StrNo);
  if (table.columnCount() == pipecol::Count) subject.pipe = table.cell(row, pipecol::PipeNo);
  return subject;
}

}  // namespace

std::optional<float> CellNumbers::single(const Table& table, const std::string& tableName, int row,
                                         int column, const std::string& consequence) {
  const std::string& text = table.cell(row, column);
  const auto value = parseNumber(text);
  if (value && std::isfinite(static_cast<float>(*value))) return static_cast<float>(*value);
  if (reported_.emplace(&table, row, column).second) {
    const auto& headers = table.headers();
    const std::string header = column >= 0 && column < static_cast<int>(headers.size())
                                   ? headers[static_cast<size_t>(column)]
                                   : std::to_string(column);
    warnings_.add(warning_kind::kCellNotANumber,
                  tableName + " row " + std::to_string(row) + ", \"" + header + "\"" +
                      (text.empty() ? " is empty" : ": \"" + text + "\" is not a number") + "; " +
                      consequence + ".",
                  rowSubject(table, row));
  }
  return std::nullopt;
}

float CellNumbers::singleOr0(const Table& table, const std::string& tableName, int row, int column,
                             const std::string& consequence) {
  return single(table, tableName, row, column, consequence).value_or(0.0f);
}

int CellNumbers::wholeNumber(const Table& table, const std::string& tableName, int row,
                             int column) {
  const float value = singleOr0(table, tableName, row, column, "0 was used");
  const double whole = std::trunc(static_cast<double>(value));
  constexpr double kMax = std::numeric_limits<int>::max();
  return static_cast<int>(std::fmax(-kMax, std::fmin(kMax, whole)));
}

}  // namespace tarvello
