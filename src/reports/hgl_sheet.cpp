#include "reports/hgl_sheet.h"

#include <cmath>
#include <cstdio>

#include "common/number_format.h"
#include "tables/csv.h"

namespace tarvello {
namespace {

// C's "%.6g"; nothing for a value that is no finite number.
std::string general6(double value) {
  if (!std::isfinite(value)) return {};
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return std::string(buffer, static_cast<size_t>(n));
}

enum Column : int {
  BranchId,
  StrNo,
  PipeNo,
  Qb,
  D,
  N,
  L,
  Sf,
  Hf,
  V,
  Ho,
  Vm,
  Hv,
  Htheta,
  Hj,
  Qin,
  InflowFactor,
  ShapingFactor,
  Hs,
  Hout,
  HoutRuleColumn,
  Hin,
  Raised,
  W,
  HglLow,
  HglHigh,
  ColumnCount
};

}  // namespace

const std::vector<std::string>& hglSheetHeads() {
  static const std::vector<std::string> heads = {"Branch ID",
                                                 "Str #",
                                                 "Pipe No",
                                                 "Qb",
                                                 "D",
                                                 "n",
                                                 "L",
                                                 "Sf",
                                                 "hf",
                                                 "V",
                                                 "Ho",
                                                 "Vm",
                                                 "Hv",
                                                 "Htheta",
                                                 "Hj",
                                                 "Qin",
                                                 "Inflow Factor",
                                                 "Shaping Factor",
                                                 "Hs",
                                                 "Hout",
                                                 "Hout Rule",
                                                 "Hin",
                                                 "Raised",
                                                 "W",
                                                 "HGL Elev-Low",
                                                 "HGL Elev-High"};
  return heads;
}

std::string houtRuleText(HoutRule rule, int fromRow) {
  switch (rule) {
    case HoutRule::Downstream:
      return "downstream";
    case HoutRule::CrownDepth:
      return "0.8D";
    case HoutRule::FlowDepth:
      return "flow depth";
    case HoutRule::TailWater:
      return "tail water";
    case HoutRule::FromRow:
      break;
  }
  return "from row " + std::to_string(fromRow);
}

std::vector<std::string> hglSheetRow(const HglTraceRow& t, const ProfileTables& tables) {
  const Table& s = tables.structures;
  // formatFixed rounds as the tables round, and leaves a value that is no finite number empty.
  std::vector<std::string> row(ColumnCount);
  row[BranchId] = s.cell(t.structureRow, strcol::BranchId);
  row[StrNo] = s.cell(t.structureRow, strcol::StrNo);
  row[HoutRuleColumn] = houtRuleText(t.rule, t.fromRow);
  if (t.surchargeCompared) row[W] = formatFixed(t.w, 4);
  row[HglLow] = s.cell(t.structureRow, strcol::HglLow);
  row[HglHigh] = s.cell(t.structureRow, strcol::HglHigh);
  if (t.branchStart()) return row;

  row[PipeNo] = t.pipeNo;
  row[Qb] = formatFixed(t.qb, 3);
  row[D] = general6(t.d);
  row[N] = general6(t.n);
  row[L] = general6(t.length);
  row[Sf] = general6(t.sf);
  row[Hf] = formatFixed(t.hf, 4);
  row[V] = formatFixed(t.velocity, 3);
  row[Ho] = formatFixed(t.ho, 4);
  row[Vm] = formatFixed(t.vm, 3);
  row[Hv] = formatFixed(t.hv, 4);
  row[Htheta] = formatFixed(t.hTheta, 4);
  row[Hj] = formatFixed(t.hj, 4);
  row[Qin] = formatFixed(t.qin, 3);
  row[InflowFactor] = formatFixed(t.inflowFactor, 1);
  row[ShapingFactor] = formatFixed(t.shapingFactor, 1);
  row[Hs] = formatFixed(t.hs, 4);
  row[Hout] = formatFixed(t.hout, 4);
  row[Hin] = formatFixed(t.hin, 4);
  row[Raised] = t.raised ? "yes" : "no";
  return row;
}

void forEachHglSheetRow(const HglTrace& trace, const ProfileTables& tables,
                        const std::function<void(const std::vector<std::string>&)>& use) {
  for (const HglTraceRow& record : trace.rows) use(hglSheetRow(record, tables));
}

std::vector<std::vector<std::string>> hglSheetRows(const HglTrace& trace,
                                                   const ProfileTables& tables) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(trace.rows.size() + 1);
  rows.push_back(hglSheetHeads());
  forEachHglSheetRow(trace, tables,
                     [&](const std::vector<std::string>& row) { rows.push_back(row); });
  return rows;
}

std::string hglSheetCsv(const HglTrace& trace, const ProfileTables& tables) {
  std::string out;
  // About 150 bytes a row: growing a many-megabyte text by doubling copies it over and over.
  out.reserve(160 * (trace.rows.size() + 1));
  appendCsvRow(out, hglSheetHeads());
  forEachHglSheetRow(trace, tables,
                     [&](const std::vector<std::string>& row) { appendCsvRow(out, row); });
  return out;
}

ExtraWorksheet hglWorksheet(const HglTrace& trace, const ProfileTables& tables) {
  return {"HGL Computation", hglSheetRows(trace, tables)};
}

}  // namespace tarvello
