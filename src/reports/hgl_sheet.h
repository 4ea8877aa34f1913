#pragma once
// The hydraulic grade line computation sheet: one row per structure-table
// row, in table order, with the terms the branch walk used to reach that
// row's grade line. The terms come from the walk's own record (HglTrace), so
// the sheet shows what the walk computed rather than a second computation.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "excel/excel_export.h"
#include "network/hgl_trace.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The column heads, in order:
// Branch ID, Str #, Pipe No, Qb, D, n, L, Sf, hf, V, Ho, Vm, Hv, Htheta, Hj,
// Qin, Inflow Factor, Shaping Factor, Hs, Hout, Hout Rule, Hin, Raised, W,
// HGL Elev-Low, HGL Elev-High.
const std::vector<std::string>& hglSheetHeads();

// The sheet's row for one record of `trace`, read together with the
// structure table of the same run (Branch ID, Str # and the two HGL cells
// exactly as the table holds them). Sf, D, n and L as C's "%.6g"; losses,
// heads and elevations with 4 decimals; Qb, V, Vm and Qin with 3; a value
// that is no finite number is left empty. A branch's first row has only
// Branch ID, Str #, W (where it was compared), the HGL cells and its rule,
// "tail water" or "from row k".
std::vector<std::string> hglSheetRow(const HglTraceRow& record, const ProfileTables& tables);

// The heads, then one row per record.
std::vector<std::vector<std::string>> hglSheetRows(const HglTrace& trace,
                                                   const ProfileTables& tables);

// The same as CSV, quoted and ended as the tables' CSV files.
std::string hglSheetCsv(const HglTrace& trace, const ProfileTables& tables);
// The same text handed to `write` in pieces of about `piece` bytes, so that a
// sheet of many rows is never whole in memory (its pages cost more to touch
// than its numbers to format).
void writeHglSheetCsv(const HglTrace& trace, const ProfileTables& tables,
                      const std::function<void(std::string_view)>& write,
                      size_t piece = size_t{1} << 20);

// The sheet as the workbook's worksheet "HGL Computation", every cell text.
ExtraWorksheet hglWorksheet(const HglTrace& trace, const ProfileTables& tables);

// What the rule column says: "downstream", "0.8D", "flow depth", "tail
// water", or "from row k" (k = `fromRow`).
std::string houtRuleText(HoutRule rule, int fromRow);

}  // namespace tarvello
