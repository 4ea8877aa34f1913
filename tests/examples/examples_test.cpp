// The example projects: a sound network, the highway project's coverage, and
// Jet files that read back through two readers exactly as described.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "database/project_database.h"
#include "jet/jet_internal.h"
#include "support/database_test_support.h"
#include "support/jet_readback.h"

namespace {

namespace fs = std::filesystem;
using Field = std::optional<std::string>;  // std::nullopt is a null field

struct Table {
  std::vector<std::string> columns, types;
  std::vector<std::vector<Field>> rows;
  const Field& at(size_t row, const std::string& name) const {  // throws on an unknown column
    return rows.at(row).at(std::find(columns.begin(), columns.end(), name) - columns.begin());
  }
  std::string text(size_t row, const std::string& name) const { return at(row, name).value_or(""); }
  std::set<std::string> distinct(std::initializer_list<std::string> names) const {
    std::set<std::string> values;
    for (size_t r = 0; r < rows.size(); ++r)
      for (const auto& name : names) values.insert(text(r, name));
    return values;
  }
};
using Tables = std::map<std::string, Table>;

// The description as jet-write reads it, each cell as text: numbers in full,
// booleans "true" or "false".
Tables readDescription(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << path;
  Tables tables;
  for (const jet::TableData& t : jet::parseDescription(in).tables) {
    Table& table = tables[t.name];
    for (const jet::Column& c : t.columns) {
      table.columns.push_back(c.name);
      table.types.emplace_back(jet::detail::typeName(c.type));
    }
    for (const auto& row : t.rows)
      for (auto& out = table.rows.emplace_back(); const jet::Cell& cell : row) {
        char number[32];
        Field& f = out.emplace_back();
        if (const auto* text = std::get_if<std::string>(&cell)) f = *text;
        if (const auto* d = std::get_if<double>(&cell))
          f = std::string(number, std::snprintf(number, 32, "%.17g", *d));
        if (const auto* n = std::get_if<std::int64_t>(&cell)) f = std::to_string(*n);
        if (const auto* b = std::get_if<bool>(&cell)) f = *b ? "true" : "false";
      }
  }
  return tables;
}

// `got`, as a reader gave it, against its description. Booleans arrive as
// "1"/"0" (a null boolean is false); a single keeps about seven digits.
void expectTable(const Table& want, const Table& got) {
  ASSERT_EQ(got.columns, want.columns);
  if (!got.types.empty()) {
    EXPECT_EQ(got.types, want.types) << "column types";
  }
  ASSERT_EQ(got.rows.size(), want.rows.size());
  for (size_t r = 0; r < got.rows.size(); ++r) {
    for (size_t c = 0; c < got.columns.size(); ++c) {
      const Field &w = want.rows[r][c], &g = got.rows[r][c];
      const std::string& type = want.types[c];
      const std::string where =
          got.columns[c] + " of row " + std::to_string(r) + ": " + g.value_or("null");
      if (type == "boolean") {
        EXPECT_EQ(g.value_or("0"), w.value_or("false") == "true" ? "1" : "0") << where;
      } else if (!w || !g || type == "text") {
        EXPECT_EQ(g, w) << where;
      } else {
        const double expected = std::stod(*w);
        EXPECT_NEAR(std::stod(*g), expected,
                    (type == "single" ? 1e-7 : 1e-12) * std::max(1.0, std::abs(expected)))
            << where;
      }
    }
  }
}

Tables viaProductReader(const std::string& path, bool isPipe) {
  const auto db = tarvello::ProjectDatabase::openJet(
      path, isPipe ? tarvello::DatabaseKind::Pipe : tarvello::DatabaseKind::Inlet);
  Tables tables;
  for (const std::string name : {isPipe ? "PIPE" : "INLET", "PROJECT"}) {
    const tarvello::StoredTable& stored = db->table(name);
    Table& table = tables[name] = {stored.columns(), {}, {}};
    for (size_t r = 0; r < stored.rowCount(); ++r) {
      auto& out = table.rows.emplace_back();
      for (int c = 0; c < stored.columnCount(); ++c) {
        const tarvello::Value value = stored.value(r, c);
        out.push_back(value.isNull() ? Field() : value.asText());
      }
    }
  }
  return tables;
}

// mdb-reader shares no code with the writer or the product; booleans as "1"/"0".
Tables viaMdbReader(const nlohmann::json& dump) {
  Tables tables;
  for (const auto& json : dump["tables"]) {
    Table& table = tables[json["name"].get<std::string>()];
    for (const auto& column : json["columns"]) {
      const std::string type = column["type"];
      table.columns.push_back(column["name"]);
      table.types.push_back(type == "float" ? "single" : type);
    }
    for (const auto& row : json["rows"]) {
      for (auto& out = table.rows.emplace_back(); const auto& value : row) {
        char number[32];
        Field& f = out.emplace_back();
        if (value.is_boolean()) f = value.get<bool>() ? "1" : "0";
        if (value.is_string()) f = value.get<std::string>();
        if (value.is_number())
          f = std::string(number, std::snprintf(number, 32, "%.17g", value.get<double>()));
      }
    }
  }
  return tables;
}

// Each structure a pipe drains -> where its water leaves the network; every
// structure is drained by at most one pipe and no water runs in a loop.
std::map<std::string, std::string> outfallOfEach(const Table& pipe) {
  std::map<std::string, std::string> down, end;
  for (size_t r = 0; r < pipe.rows.size(); ++r)
    EXPECT_TRUE(down.emplace(pipe.text(r, "NODEIN_NO"), pipe.text(r, "NODEOUT_NO")).second)
        << "structure " << pipe.text(r, "NODEIN_NO") << " drained by two pipes";
  for (const auto& [in, out] : down) {
    std::string node = out;
    for (size_t steps = 0; down.count(node) && steps <= down.size(); ++steps) node = down[node];
    EXPECT_FALSE(down.count(node)) << "the pipe from " << in << " runs in a loop";
    end[in] = node;
  }
  return end;
}

struct Example {
  std::string name;
  std::set<std::string> outfalls;
};
void PrintTo(const Example& e, std::ostream* os) { *os << e.name; }
const Example kHighway{"highway", {"1", "201"}};
const Example kMetric{"metric", {"1"}};

fs::path description(const Example& e, const std::string& kind) {
  return fs::path(TARVELLO_SOURCE_DIR) / "examples" / e.name / (e.name + "." + kind + ".txt");
}

class ExampleProject : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleProject, DescriptionIsASoundNetwork) {
  std::set<std::string> ends;
  for (const auto& [structure, end] :
       outfallOfEach(readDescription(description(GetParam(), "pipe")).at("PIPE")))
    ends.insert(end);
  EXPECT_EQ(ends, GetParam().outfalls);
}

TEST_P(ExampleProject, JetFilesReadBackAsDescribed) {
  const Example& e = GetParam();
  // The readers get copies, checked to be left as they were.
  const tarvello::dbtest::ScratchFolder folder;
  bool noMdbReader = false;
  for (const bool isPipe : {true, false}) {
    const std::string file = e.name + (isPipe ? ".bvp" : ".olm");
    ASSERT_TRUE(fs::exists(fs::path(TARVELLO_BINARY_DIR) / "examples" / file))
        << "the build writes the example databases";
    const fs::path path = folder.copyExample(file);
    SCOPED_TRACE(path.string());
    const Tables described = readDescription(description(e, isPipe ? "pipe" : "inlet"));
    const auto expectDescribed = [&described](const Tables& got, const std::string& reader) {
      for (const auto& [name, want] : described) {
        SCOPED_TRACE(name + " through " + reader);
        ASSERT_TRUE(got.count(name));
        expectTable(want, got.at(name));
      }
    };
    expectDescribed(viaProductReader(path.string(), isPipe), "the product");
    const auto dump = jettest::readWithMdbReader(path.string());
    noMdbReader = !dump;
    if (!dump) continue;
    const Tables mdb = viaMdbReader(*dump);
    ASSERT_EQ(mdb.size(), described.size()) << "tables in the file";
    expectDescribed(mdb, "mdb-reader");
  }
  if (noMdbReader) GTEST_SKIP() << jettest::kNoMdbReader;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleProject, ::testing::Values(kHighway, kMetric),
                         [](const ::testing::TestParamInfo<Example>& param) {
                           return param.param.name;
                         });

// Every kind of structure, section and layout the tables and drawings handle.
TEST(HighwayExample, CoversEveryStructureTypeShapeAndLayout) {
  const Table pipe = readDescription(description(kHighway, "pipe")).at("PIPE");
  EXPECT_EQ(pipe.distinct({"NODEIN_TYPE", "NODEOUT_TYPE"}),
            (std::set<std::string>{"Inlet", "Man Hole", "Junction Box", "End Wall", "End Section",
                                   "Other"}));
  EXPECT_EQ(pipe.distinct({"PIPE_SHAPE"}),
            (std::set<std::string>{"Circular", "Elliptical", "Box", "Rectangulr", "Arch"}));
  EXPECT_EQ(pipe.distinct({"PIPE_MAT"}), (std::set<std::string>{"Concrete", "CMP"}));
  EXPECT_EQ(pipe.distinct({"NUMOFPIPES"}), (std::set<std::string>{"1", "2", "3"}));
  EXPECT_EQ(pipe.distinct({"PIPE_SKEW"}), (std::set<std::string>{"0", "30", "45", "90"}));

  // Branches of system 1 as profiles count them: one, plus one per extra inflow.
  auto end = outfallOfEach(pipe);
  end["1"] = "1";
  std::map<std::string, size_t> inflows;
  for (size_t r = 0; r < pipe.rows.size(); ++r) ++inflows[pipe.text(r, "NODEOUT_NO")];
  size_t branches = 1;
  for (const auto& [node, count] : inflows) branches += end[node] == "1" ? count - 1 : 0;
  EXPECT_GE(branches, 5u);
  EXPECT_TRUE(std::ranges::any_of(inflows, [](const auto& n) { return n.second == 3; }))
      << "a junction with three inflows";

  std::set<std::string> topless;  // one structure without a top, wherever it is listed
  for (size_t r = 0; r < pipe.rows.size(); ++r)
    for (const std::string side : {"NODEIN_", "NODEOUT_"})
      if (!pipe.at(r, side + "TOPELE")) topless.insert(pipe.text(r, side + "NO"));
  EXPECT_EQ(topless.size(), 1u);
}

}  // namespace
