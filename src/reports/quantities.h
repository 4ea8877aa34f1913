#pragma once
// The summary of drainage quantities a plan set carries: how much pipe of
// each size, and how many structures of each standard.
#include <string>
#include <vector>

#include "excel/excel_export.h"
#include "network/hgl_trace.h"
#include "tables/profile_tables.h"

namespace tarvello {

// The column heads: Group, Shape, Size, Material, Barrels, Std, Type, Count,
// Quantity, Unit.
const std::vector<std::string>& quantitiesHeads();

// The heads, then the rows:
// - "Pipe": one per distinct shape, size, material and barrel count of the
//   pipe table. Size is "Dia / Rise" for a circular pipe, else span X rise as
//   the pipe schedule drawing writes it. Count is the number of pipes;
//   Quantity the length of barrel, each pipe's length times its barrels as
//   the branch walk read and used them (recorded in `trace`, the run's trace),
//   to one decimal.
// - "Structure": one per distinct "VDOT Std." and "Str Type", each structure
//   taken once, from its first row in the structure table. Quantity is the
//   total height, Top Elev. - Bottom Elev., to one decimal, empty when a
//   structure of the group lacks either number.
// Unit is "ft" or "m". Pipes come first, sorted by shape, size (by its first
// number, then as text), material and barrels; then structures by standard
// and type; texts in byte order.
std::vector<std::vector<std::string>> quantitiesRows(const ProfileTables& tables,
                                                     const HglTrace& trace, bool englishUnits);

// The same as CSV, quoted and ended as the tables' CSV files.
std::string quantitiesCsv(const ProfileTables& tables, const HglTrace& trace, bool englishUnits);

// The summary as the workbook's worksheet "Quantities", every cell text.
ExtraWorksheet quantitiesWorksheet(const ProfileTables& tables, const HglTrace& trace,
                                   bool englishUnits);

}  // namespace tarvello
