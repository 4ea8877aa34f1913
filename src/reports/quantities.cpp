#include "reports/quantities.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <unordered_set>

#include "common/number_format.h"
#include "schedules/schedule_rows.h"
#include "tables/cell_numbers.h"
#include "tables/csv.h"

namespace tarvello {
namespace {

// The number a size text starts with ("36" of "36X24"); none when it starts
// with no digit.
std::optional<double> leadingNumber(std::string_view text) {
  size_t end = 0;
  while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') || text[end] == '.')) ++end;
  return parseNumber(text.substr(0, end));
}

struct PipeKey {
  std::string shape, size, material;
  double barrels = 1;

  bool operator<(const PipeKey& o) const {
    const auto a = leadingNumber(size), b = leadingNumber(o.size);
    // A size without a number sorts before every size with one.
    return std::tie(shape, a, size, material, barrels) <
           std::tie(o.shape, b, o.size, o.material, o.barrels);
  }
};

// Lengths are summed with more digits than a double holds, so that a long
// list does not move a total across the rounding of its last decimal.
struct PipeSum {
  long long count = 0;
  long double length = 0;
};

// Heights in whole hundredths: the elevations are given to hundredths, and
// a difference such as 56.05 - 54.20 would otherwise fall just below 1.85.
struct StructureSum {
  long long count = 0;
  long long hundredths = 0;
  bool known = true;  // every member had both elevations
};

}  // namespace

const std::vector<std::string>& quantitiesHeads() {
  static const std::vector<std::string> heads = {"Group", "Shape", "Size",  "Material", "Barrels",
                                                 "Std",   "Type",  "Count", "Quantity", "Unit"};
  return heads;
}

std::vector<std::vector<std::string>> quantitiesRows(const ProfileTables& tables,
                                                     const HglTrace& trace, bool englishUnits) {
  const std::string unit = englishUnits ? "ft" : "m";
  std::vector<std::vector<std::string>> rows{quantitiesHeads()};

  const Table& p = tables.pipes;
  std::map<PipeKey, PipeSum> pipes;
  for (const HglTraceRow& t : trace.rows) {
    if (t.branchStart()) continue;
    PipeScheduleRow drawn;
    drawn.shape = p.cell(t.pipeRow, pipecol::Shape);
    drawn.rise = p.cell(t.pipeRow, pipecol::DiaRise);
    drawn.span = p.cell(t.pipeRow, pipecol::Span);
    PipeSum& sum =
        pipes[{drawn.shape, drawn.drawnSize(), p.cell(t.pipeRow, pipecol::Material), t.barrels}];
    ++sum.count;
    sum.length += t.length * t.barrels;
  }
  for (const auto& [key, sum] : pipes)
    rows.push_back({"Pipe", key.shape, key.size, key.material, numberText(key.barrels), "", "",
                    std::to_string(sum.count), formatFixed(static_cast<double>(sum.length), 1),
                    unit});

  const Table& s = tables.structures;
  std::map<std::pair<std::string, std::string>, StructureSum> structures;
  std::unordered_set<std::string_view> seen;
  for (int r = 1; r < s.rowCount(); ++r) {
    const CellText node = s.cell(r, strcol::StrNo);  // stays valid: the table does not change
    if (node.empty()) break;
    if (!seen.insert(node).second) continue;  // a junction listed again
    StructureSum& sum = structures[{s.cell(r, strcol::VdotStd), s.cell(r, strcol::StrType)}];
    ++sum.count;
    const auto top = cellNumber(s, r, strcol::TopElev);
    const auto bottom = cellNumber(s, r, strcol::BottomElev);
    const double height = top && bottom ? std::round((*top - *bottom) * 100) : NAN;
    // Beyond 10^10 the sum could overflow; no structure is that tall.
    if (std::isfinite(height) && std::fabs(height) < 1e12)
      sum.hundredths += static_cast<long long>(height);
    else
      sum.known = false;
  }
  for (const auto& [key, sum] : structures)
    rows.push_back({"Structure", "", "", "", "", key.first, key.second, std::to_string(sum.count),
                    sum.known ? formatFixed(static_cast<double>(sum.hundredths) / 100, 1) : "",
                    unit});
  return rows;
}

std::string quantitiesCsv(const ProfileTables& tables, const HglTrace& trace, bool englishUnits) {
  return rowsCsv(quantitiesRows(tables, trace, englishUnits));
}

ExtraWorksheet quantitiesWorksheet(const ProfileTables& tables, const HglTrace& trace,
                                   bool englishUnits) {
  return {"Quantities", quantitiesRows(tables, trace, englishUnits)};
}

}  // namespace tarvello
