#pragma once
// Builds small pipe and inlet databases in memory for generation tests.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "database/project_database.h"
#include "network/generation.h"
#include "support/sql_fixture.h"

namespace tarvello::testing {

// One PIPE record: field name -> SQL literal ("'text'", "24", "NULL").
using Fields = std::map<std::string, std::string>;

inline std::string q(const std::string& text) { return "'" + text + "'"; }

// A complete record with plausible defaults, changed by `overrides`.
inline Fields pipeRecord(const std::string& number, const std::string& out, const std::string& in,
                         const Fields& overrides = {}) {
  Fields f{{"PIPE_NUMBER", q(number)},
           {"NODEOUT_NO", q(out)},
           {"NODEIN_NO", q(in)},
           {"NODEIN_TYPE", q("Man Hole")},
           {"NODEOUT_TYPE", q("Man Hole")},
           {"NODEIN_STATION", q("10+00.00")},
           {"NODEOUT_STATION", q("9+00.00")},
           {"NODEIN_OFFSET", "0"},
           {"NODEOUT_OFFSET", "0"},
           {"NODEIN_OFFLOC", q("LT")},
           {"NODEOUT_OFFLOC", q("LT")},
           {"NODEIN_TOPELE", "110"},
           {"NODEOUT_TOPELE", "108"},
           {"NODEIN_SHAPING", q("NO")},
           {"PIPE_SHAPE", q("Circular")},
           {"PIPE_DIA", "24"},
           {"SPAN", "NULL"},
           {"RISE", "NULL"},
           {"NUMOFPIPES", "1"},
           {"PIPE_MAT", q("Concrete")},
           {"PIPE_ELEIN", "101"},
           {"PIPE_ELEOUT", "100"},
           {"PIPE_LENGTH", "100"},
           {"PIPE_SLOPE", "0.01"},
           {"PIPE_MANN", "0.013"},
           {"PIPE_DISCHARGE", "10"},
           {"PIPE_VELOCITY", "5"},
           {"PIPE_FLOWDEPTH", "0.5"},
           {"PIPE_SKEW", "0"},
           {"STRUCTURE_CA", "0"},
           {"PIPE_I", "0"},
           {"FRICTION_SLOPE", "0"}};
  for (const auto& [k, v] : overrides) f[k] = v;
  return f;
}

inline std::string tableSql(const std::string& table, const std::vector<Fields>& rows) {
  if (rows.empty()) return "";
  std::string sql = "CREATE TABLE " + table + " (";
  bool first = true;
  for (const auto& [name, value] : rows.front()) {
    sql += (first ? "" : ", ") + name;
    first = false;
  }
  sql += ");\n";
  for (const auto& row : rows) {
    sql += "INSERT INTO " + table + " VALUES (";
    first = true;
    for (const auto& [name, value] : row) {
      sql += (first ? "" : ", ") + value;
      first = false;
    }
    sql += ");\n";
  }
  return sql;
}

inline std::unique_ptr<ProjectDatabase> pipeDatabase(const std::vector<Fields>& pipes,
                                                     const std::string& units = "ENGLISH") {
  return testing::databaseFromSql("CREATE TABLE PROJECT (UNITS); INSERT INTO PROJECT VALUES ('" +
                                      units + "');\n" + tableSql("PIPE", pipes),
                                  DatabaseKind::Pipe, "test.bvp");
}

inline std::unique_ptr<ProjectDatabase> inletDatabase(const std::vector<Fields>& inlets,
                                                      const std::string& units = "ENGLISH") {
  return testing::databaseFromSql("CREATE TABLE PROJECT (UNITS); INSERT INTO PROJECT VALUES ('" +
                                      units + "');\n" + tableSql("INLET", inlets),
                                  DatabaseKind::Inlet, "test.olm");
}

// A session with the pipe database open, ready to generate.
inline std::unique_ptr<Session> sessionWith(const std::vector<Fields>& pipes,
                                            const std::string& outfall,
                                            const std::string& tailWater = "0.0",
                                            const std::string& units = "ENGLISH") {
  auto s = std::make_unique<Session>();
  s->databases.setPipeDatabase(pipeDatabase(pipes, units));
  s->outfallNode = outfall;
  s->tailWaterText = tailWater;
  return s;
}

inline std::vector<std::string> row(const Table& t, int r) {
  std::vector<std::string> cells;
  for (int c = 0; c < t.columnCount(); ++c) cells.push_back(t.cell(r, c));
  return cells;
}

}  // namespace tarvello::testing
