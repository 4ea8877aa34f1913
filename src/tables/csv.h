#pragma once
// Tables as CSV files (RFC 4180, UTF-8).
#include <string>

#include "tables/table.h"

namespace tarvello {

// The header texts in column order, then every row up to the last row with a
// non-empty cell, each cell exactly as the table holds it.
std::string tableCsv(const Table& table);

// Writes the text through a temporary file in the same folder and renames it
// into place. Returns "" or the reason it failed.
std::string writeFileAtomically(const std::string& path, const std::string& contents);

}  // namespace tarvello
