#include "reports/hgl_sheet.h"

#include <algorithm>
#include <cstdint>

#include "common/number_format.h"
#include "tables/csv.h"

namespace tarvello {
namespace {

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

namespace {

// One record's cells in column order, to `sink` as text or as numbers to
// format: the CSV and the lists of cells are written from this one place.
template <class Sink>
void putRow(const HglTraceRow& t, const Table& s, Sink& sink) {
  sink.text(s.cell(t.structureRow, strcol::BranchId));
  sink.text(s.cell(t.structureRow, strcol::StrNo));
  const bool start = t.branchStart();
  if (start) {
    for (int c = PipeNo; c < HoutRuleColumn; ++c) sink.text({});
  } else {
    sink.text(t.pipeNo);
    sink.fixed(t.qb, 3);
    sink.general(t.d);
    sink.general(t.n);
    sink.general(t.length);
    sink.general(t.sf);
    sink.fixed(t.hf, 4);
    sink.fixed(t.velocity, 3);
    sink.fixed(t.ho, 4);
    sink.fixed(t.vm, 3);
    sink.fixed(t.hv, 4);
    sink.fixed(t.hTheta, 4);
    sink.fixed(t.hj, 4);
    sink.fixed(t.qin, 3);
    sink.fixed(t.inflowFactor, 1);
    sink.fixed(t.shapingFactor, 1);
    sink.fixed(t.hs, 4);
    sink.fixed(t.hout, 4);
  }
  sink.text(houtRuleText(t.rule, t.fromRow));
  if (start) {
    sink.text({});
    sink.text({});
  } else {
    sink.fixed(t.hin, 4);
    sink.text(t.raised ? "yes" : "no");
  }
  if (t.surchargeCompared)
    sink.fixed(t.w, 4);
  else
    sink.text({});
  sink.text(s.cell(t.structureRow, strcol::HglLow));
  sink.text(s.cell(t.structureRow, strcol::HglHigh));
}

struct CellsSink {
  std::vector<std::string>& row;
  void text(std::string_view v) { row.emplace_back(v); }
  void fixed(double v, int decimals) { row.push_back(formatFixed(v, decimals)); }
  void general(double v) { appendGeneral6(row.emplace_back(), v); }
};

// Straight into the file's text: a sheet of 100,000 rows is about two
// million numbers, too many for a string each.
struct CsvSink {
  std::string& out;
  bool first = true;
  void separate() {
    if (!first) out += ',';
    first = false;
  }
  void text(std::string_view v) {
    separate();
    appendCsvField(out, v);
  }
  void fixed(double v, int decimals) {
    separate();
    appendFixed(out, v, decimals);
  }
  void general(double v) {
    separate();
    appendGeneral6(out, v);
  }
};

}  // namespace

std::vector<std::string> hglSheetRow(const HglTraceRow& t, const ProfileTables& tables) {
  std::vector<std::string> row;
  row.reserve(ColumnCount);
  CellsSink sink{row};
  putRow(t, tables.structures, sink);
  return row;
}

std::vector<std::vector<std::string>> hglSheetRows(const HglTrace& trace,
                                                   const ProfileTables& tables) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(trace.rows.size() + 1);
  rows.push_back(hglSheetHeads());
  for (const HglTraceRow& record : trace.rows) rows.push_back(hglSheetRow(record, tables));
  return rows;
}

namespace {

// The heads and rows appended to `out`; whenever it holds `piece` bytes or
// more, they go to `write` and `out` starts again.
template <class Write>
void appendSheet(std::string& out, const HglTrace& trace, const ProfileTables& tables, size_t piece,
                 Write&& write) {
  appendCsvRow(out, hglSheetHeads());
  for (const HglTraceRow& record : trace.rows) {
    CsvSink sink{out};
    putRow(record, tables.structures, sink);
    out += "\r\n";
    if (out.size() >= piece) {
      write(std::string_view(out));
      out.clear();
    }
  }
}

// Rows are about 150 to 190 bytes.
size_t sheetSize(const HglTrace& trace) { return 200 * (trace.rows.size() + 1); }

}  // namespace

void writeHglSheetCsv(const HglTrace& trace, const ProfileTables& tables,
                      const std::function<void(std::string_view)>& write, size_t piece) {
  std::string out;
  out.reserve(std::min(piece, sheetSize(trace)) + 1024);
  appendSheet(out, trace, tables, piece, write);
  if (!out.empty()) write(out);
}

std::string hglSheetCsv(const HglTrace& trace, const ProfileTables& tables) {
  std::string out;
  // Growing a many-megabyte text by doubling copies it over and over.
  out.reserve(sheetSize(trace));
  appendSheet(out, trace, tables, SIZE_MAX, [](std::string_view) {});
  return out;
}

ExtraWorksheet hglWorksheet(const HglTrace& trace, const ProfileTables& tables) {
  return {"HGL Computation", hglSheetRows(trace, tables)};
}

}  // namespace tarvello
