#pragma once
// Tables as CSV files (RFC 4180, UTF-8).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/atomic_file.h"  // writeFileAtomically, which CSV callers use
#include "common/warnings.h"
#include "tables/table.h"

namespace tarvello {

// The header texts in column order, then every row up to the last row with a
// non-empty cell, each cell exactly as the table holds it.
std::string tableCsv(const Table& table);
// The same text handed to `write` in pieces of about `piece` bytes, so that a
// table of many rows is never whole in memory twice over.
void writeTableCsv(const Table& table, const std::function<void(std::string_view)>& write,
                   size_t piece = size_t{1} << 20);

// Rows of text cells, the heads first, quoted and ended as tableCsv does it.
std::string rowsCsv(const std::vector<std::vector<std::string>>& rows);
// One such row appended to `out`, for writers that stream their rows.
void appendCsvRow(std::string& out, const std::vector<std::string>& cells);
// One cell, quoted where it needs it, for writers that compose rows themselves.
void appendCsvField(std::string& out, std::string_view text);
// Every warning: "Kind,Branch ID,Structure,Pipe,Message", then a row per
// subject, in the warnings' order. A sentence about several pipes gives a
// row for each, the sentence repeated.
std::string warningsCsv(const std::vector<Warning>& warnings);

}  // namespace tarvello
