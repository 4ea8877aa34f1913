// Create Profile Data on a network made from the fuzz bytes, with the walk's
// trace; the computation sheet and the quantities made from it, and the sheet
// checked against the structure table; then every profile drawn into memory. The input is text, one
// record a line, fields separated by ';':
//   line 1          UNITS;OUTFALL NODE;TAIL WATER
//   I;...           an INLET record: INLET_NUMBER;INLET_SUBTYPE;INLETLENGTH
//   anything else   a PIPE record, fields in the order of kPipeFields
// An empty field is null, "" the empty text, numeric text a number.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/project_database.h"

#include "commands/commands.h"
#include "common/number_format.h"
#include "dxf/dxf_writer.h"
#include "network/generation.h"
#include "profile/profile_drawings.h"
#include "profile/profile_plot.h"
#include "reports/hgl_sheet.h"
#include "reports/quantities.h"

namespace {

using namespace tarvello;

constexpr const char* kPipeFields[] = {
    "PIPE_NUMBER",    "NODEOUT_NO",     "NODEIN_NO",       "NODEIN_TYPE",
    "NODEOUT_TYPE",   "NODEIN_STATION", "NODEOUT_STATION", "NODEIN_OFFSET",
    "NODEOUT_OFFSET", "NODEIN_OFFLOC",  "NODEOUT_OFFLOC",  "NODEIN_TOPELE",
    "NODEOUT_TOPELE", "NODEIN_SHAPING", "PIPE_SHAPE",      "PIPE_DIA",
    "SPAN",           "RISE",           "NUMOFPIPES",      "PIPE_MAT",
    "PIPE_ELEIN",     "PIPE_ELEOUT",    "PIPE_LENGTH",     "PIPE_SLOPE",
    "PIPE_MANN",      "PIPE_DISCHARGE", "PIPE_VELOCITY",   "PIPE_FLOWDEPTH",
    "PIPE_SKEW",      "STRUCTURE_CA",   "PIPE_I",          "FRICTION_SLOPE"};
constexpr const char* kInletFields[] = {"INLET_NUMBER", "INLET_SUBTYPE", "INLETLENGTH"};

std::vector<std::string_view> split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  for (size_t end; (end = s.find(sep)) != std::string_view::npos; s.remove_prefix(end + 1))
    parts.push_back(s.substr(0, end));
  parts.push_back(s);
  return parts;
}

// Table `name` with the fields `names` and the records, values typed by the
// rule above.
template <size_t N>
StoredTable table(const char* name, const char* const (&names)[N],
                  const std::vector<std::vector<std::string_view>>& records) {
  StoredTable t(name, std::vector<std::string>(std::begin(names), std::end(names)));
  for (const auto& fields : records) {
    for (size_t i = 0; i < N; ++i) {
      const std::string_view f = i < fields.size() ? fields[i] : std::string_view();
      if (f.empty())
        t.addNull();
      else if (f == "\"\"")
        t.addText("");
      else if (const auto n = parseNumber(f))
        std::isnan(*n) ? t.addNull() : t.addReal(*n);
      else
        t.addText(f);
    }
  }
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = split(text, '\n');
  const auto head = split(lines[0], ';');
  std::vector<std::vector<std::string_view>> pipes, inlets;
  // A few dozen records reach every rule; larger networks only slow the runs.
  for (size_t i = 1; i < lines.size() && pipes.size() + inlets.size() < 40; ++i) {
    if (lines[i].empty()) continue;
    auto fields = split(lines[i], ';');
    const bool inlet = fields[0] == "I";
    if (inlet) fields.erase(fields.begin());
    (inlet ? inlets : pipes).push_back(std::move(fields));
  }
  const std::vector<std::vector<std::string_view>> project = {{head[0]}};

  // Each database holds its PROJECT table and the records.
  const auto database = [&project](StoredTable records, DatabaseKind kind, const char* name) {
    constexpr const char* kProjectFields[] = {"UNITS"};
    std::vector<StoredTable> tables;
    tables.push_back(table("PROJECT", kProjectFields, project));
    tables.push_back(std::move(records));
    return ProjectDatabase::fromTables(std::move(tables), kind, name);
  };
  Session session;
  session.databases.setPipeDatabase(
      database(table("PIPE", kPipeFields, pipes), DatabaseKind::Pipe, "fuzz.bvp"));
  if (!inlets.empty())
    session.databases.setInletDatabase(
        database(table("INLET", kInletFields, inlets), DatabaseKind::Inlet, "fuzz.olm"));
  session.outfallNode = head.size() > 1 ? std::string(head[1]) : "";
  session.tailWaterText = head.size() > 2 ? std::string(head[2]) : "0.0";

  ProfileTables tables;
  HglTrace trace;
  const GenerationResult result =
      createProfileData(session.databases, session.outfallNode, session.tailWaterText, tables,
                        session.warnings, &trace);
  session.tailWaterText = result.tailWaterText;
  if (!result.ran || !result.error.empty()) return 0;

  // One record per structure row, in order; where the walk did not raise
  // the grade line, its Hin as the table formats it is HGL Elev-Low.
  const Table& structures = tables.structures;
  if (trace.rows.size() != static_cast<size_t>(structures.lastFilledRow())) std::abort();
  for (size_t i = 0; i < trace.rows.size(); ++i) {
    const HglTraceRow& t = trace.rows[i];
    if (t.structureRow != static_cast<int>(i) + 1) std::abort();
    if (!t.branchStart() && !t.raised &&
        formatFixed(t.hin, 2) != structures.cell(t.structureRow, strcol::HglLow))
      std::abort();
  }
  const std::string sheet = hglSheetCsv(trace, tables);
  if (sheet.empty()) std::abort();
  const bool english = session.databases.unitSystem() == "ENGLISH";
  const auto quantities = quantitiesRows(tables, trace, english);
  for (const auto& row : quantities)
    if (row.size() != quantitiesHeads().size()) std::abort();
  Warnings warnings;
  DxfDrawing drawing;
  ProfilePlot plot(tables,
                   profileSettings(session.profileScale, session.databases.unitSystem(),
                                   session.tailWaterText, warnings),
                   drawing, warnings);
  plot.drawAllProfiles();
  (void)drawing.fileLines();
  return 0;
}
