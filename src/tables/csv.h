#pragma once
// Tables as CSV files (RFC 4180, UTF-8).
#include <string>
#include <vector>

#include "common/atomic_file.h"  // writeFileAtomically, which CSV callers use
#include "tables/table.h"

namespace tarvello {

// The header texts in column order, then every row up to the last row with a
// non-empty cell, each cell exactly as the table holds it.
std::string tableCsv(const Table& table);

// Rows of text cells, the heads first, quoted and ended as tableCsv does it.
std::string rowsCsv(const std::vector<std::vector<std::string>>& rows);
// One such row appended to `out`, for writers that stream their rows.
void appendCsvRow(std::string& out, const std::vector<std::string>& cells);

}  // namespace tarvello
