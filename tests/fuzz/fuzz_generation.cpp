// Create Profile Data on a network made from the fuzz bytes, then every
// profile drawn into memory. The input is text, one record a line, fields
// separated by ';':
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
  size_t start = 0;
  for (;;) {
    const size_t end = s.find(sep, start);
    parts.push_back(
        s.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
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
    if (fields[0] == "I") {
      fields.erase(fields.begin());
      inlets.push_back(std::move(fields));
    } else {
      pipes.push_back(std::move(fields));
    }
  }
  constexpr const char* kProjectFields[] = {"UNITS"};
  const std::vector<std::vector<std::string_view>> project = {{head[0]}};

  Session session;
  std::vector<StoredTable> pipeTables;
  pipeTables.push_back(table("PROJECT", kProjectFields, project));
  pipeTables.push_back(table("PIPE", kPipeFields, pipes));
  session.databases.setPipeDatabase(
      ProjectDatabase::fromTables(std::move(pipeTables), DatabaseKind::Pipe, "fuzz.bvp"));
  if (!inlets.empty()) {
    std::vector<StoredTable> inletTables;
    inletTables.push_back(table("PROJECT", kProjectFields, project));
    inletTables.push_back(table("INLET", kInletFields, inlets));
    session.databases.setInletDatabase(
        ProjectDatabase::fromTables(std::move(inletTables), DatabaseKind::Inlet, "fuzz.olm"));
  }
  session.outfallNode = head.size() > 1 ? std::string(head[1]) : "";
  session.tailWaterText = head.size() > 2 ? std::string(head[2]) : "0.0";

  const GenerationResult result = createProfileData(session);
  if (!result.ran || !result.error.empty()) return 0;
  Warnings warnings;
  DxfDrawing drawing;
  ProfilePlot plot(session.tables(),
                   profileSettings(session.profileScale, session.databases.unitSystem(),
                                   session.tailWaterText, warnings),
                   drawing, warnings);
  plot.drawAllProfiles();
  (void)drawing.fileLines();
  return 0;
}
