// The example projects under examples/: their descriptions must describe a
// sound storm-drain network (connected, draining to the outfalls, inverts
// dropping downstream, discharges and velocities that follow from the stored
// areas, intensities and sections), and the Jet files the build writes from
// them must read back with exactly the described tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "database/project_database.h"
#include "tools/jet_readback.h"

namespace {

namespace fs = std::filesystem;
using Field = std::optional<std::string>;  // std::nullopt is a null field

struct Table {
  std::vector<std::string> columns;
  std::vector<std::string> types;
  std::vector<std::vector<Field>> rows;

  int column(std::string_view name) const {
    for (size_t i = 0; i < columns.size(); ++i)
      if (columns[i] == name) return static_cast<int>(i);
    return -1;
  }
  const Field& at(size_t row, std::string_view name) const {
    static const Field missing;
    const int c = column(name);
    if (c < 0 || row >= rows.size()) {
      ADD_FAILURE() << "no field " << name << " in row " << row;
      return missing;
    }
    return rows[row][static_cast<size_t>(c)];
  }
  std::string text(size_t row, std::string_view name) const { return at(row, name).value_or(""); }
  std::optional<double> maybeNumber(size_t row, std::string_view name) const {
    const Field& f = at(row, name);
    if (!f || f->empty()) return std::nullopt;
    size_t used = 0;
    double value = 0;
    try {
      value = std::stod(*f, &used);
    } catch (const std::exception&) {
      used = 0;
    }
    if (used != f->size()) {
      ADD_FAILURE() << name << " of row " << row << " is not a number: \"" << *f << "\"";
      return std::nullopt;
    }
    return value;
  }
  double number(size_t row, std::string_view name) const {
    const auto value = maybeNumber(row, name);
    if (!value) ADD_FAILURE() << name << " of row " << row << " is empty";
    return value.value_or(0.0);
  }
};

using Tables = std::map<std::string, Table>;

// ---- the description format ------------------------------------------------

// One row, RFC 4180 style: an unquoted empty field is null, "" is empty text.
std::vector<Field> splitRow(const std::string& line) {
  std::vector<Field> fields;
  size_t i = 0;
  while (true) {
    if (i < line.size() && line[i] == '"') {
      std::string value;
      ++i;
      while (i < line.size()) {
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            value += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        value += line[i++];
      }
      fields.emplace_back(value);
    } else {
      const size_t end = std::min(line.find(',', i), line.size());
      if (end == i)
        fields.emplace_back(std::nullopt);
      else
        fields.emplace_back(line.substr(i, end - i));
      i = end;
    }
    if (i >= line.size()) break;
    EXPECT_EQ(line[i], ',') << "in: " << line;
    ++i;
    if (i == line.size()) {
      fields.emplace_back(std::nullopt);
      break;
    }
  }
  return fields;
}

Tables readDescription(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << path;
  Tables tables;
  Table* current = nullptr;
  bool needColumns = false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      const std::string name = line.substr(1, line.find(']') - 1);
      current = &tables[name];
      needColumns = true;
      continue;
    }
    if (!current) {
      ADD_FAILURE() << path << ": a row before any table: " << line;
      continue;
    }
    if (needColumns) {
      for (const auto& f : splitRow(line)) {
        const std::string declared = f.value_or("");
        const size_t colon = declared.find(':');
        current->columns.push_back(declared.substr(0, colon));
        current->types.push_back(colon == std::string::npos ? "" : declared.substr(colon + 1));
      }
      needColumns = false;
      continue;
    }
    current->rows.push_back(splitRow(line));
    EXPECT_EQ(current->rows.back().size(), current->columns.size()) << path << ": " << line;
  }
  return tables;
}

// A table read back from a project database, its values joined to text.
Table fromDatabase(const tarvello::ProjectDatabase& db, const std::string& name) {
  const tarvello::ResultSet result = db.query("SELECT * FROM " + name);
  Table table;
  table.columns = result.columns;
  for (const auto& row : result.rows) {
    std::vector<Field> fields;
    for (const auto& value : row) {
      if (value.isNull())
        fields.emplace_back(std::nullopt);
      else
        fields.emplace_back(value.asText());
    }
    table.rows.push_back(std::move(fields));
  }
  return table;
}

// ---- conduit hydraulics ----------------------------------------------------

struct Wetted {
  double area = 0;
  double perimeter = 0;
};

double circleSegment(double r, double y) {
  return r * r * std::acos((r - y) / r) - (r - y) * std::sqrt(std::max(0.0, 2 * r * y - y * y));
}

// Wetted area and perimeter of one barrel at depth y; elliptical pipes and
// pipe-arches are taken as the ellipse of their span and rise.
Wetted wetted(const std::string& shape, double span, double rise, double y) {
  if (shape == "Circular") {
    const double r = rise / 2;
    return {circleSegment(r, y), 2 * r * std::acos((r - y) / r)};
  }
  if (shape == "Box" || shape == "Rectangulr") return {span * y, span + 2 * y};
  const double a = span / 2;
  const double b = rise / 2;
  const double tMax = std::acos(1 - y / b);
  const int steps = 200;
  const double h = tMax / steps;
  double sum = 0;
  for (int i = 0; i <= steps; ++i) {
    const double t = i * h;
    const double f = std::hypot(a * std::cos(t), b * std::sin(t));
    sum += (i == 0 || i == steps) ? f : (i % 2 ? 4 * f : 2 * f);
  }
  return {circleSegment(b, y) * a / b, 2 * sum * h / 3};
}

// ---- the network checks ----------------------------------------------------

struct Limits {
  double sizeDivisor;    // section sizes to elevation units
  double manningK;       // 1.486 (ft, s) or 1 (m, s)
  double flowFactor;     // Q = factor x C A i
  double flowRounding;   // one unit of the last stored decimal of a discharge
  double minSize, maxSize, minSlope, maxSlope, minVelocity, maxVelocity;
  double minLength, maxLength, minCover, maxCover;
};

const Limits kEnglishLimits{12, 1.486, 1, 0.01, 15, 72, 0.005, 0.05, 3, 12, 50, 400, 2, 10};
const Limits kMetricLimits{1000, 1.0, 1.0 / 360.0, 0.001, 375, 1200, 0.005, 0.05, 0.9, 3.7, 15, 120, 0.6, 3};

// Everything about the network that a pipe design program would never get
// wrong: run on the description and again on what the Jet file reads back.
void checkNetwork(const Table& pipe, const Limits& lim, const std::set<std::string>& outfalls) {
  const size_t n = pipe.rows.size();
  std::map<std::string, size_t> drainOf;  // structure -> the pipe draining it
  std::set<std::string> numbers;
  for (size_t r = 0; r < n; ++r) {
    EXPECT_TRUE(numbers.insert(pipe.text(r, "PIPE_NUMBER")).second) << "pipe number repeated in row " << r;
    const std::string in = pipe.text(r, "NODEIN_NO");
    EXPECT_FALSE(in.empty()) << "row " << r;
    EXPECT_TRUE(drainOf.emplace(in, r).second) << "structure " << in << " drained by two pipes";
    EXPECT_FALSE(pipe.text(r, "NODEOUT_NO").empty()) << "row " << r;
  }
  std::set<std::string> ends;
  std::map<std::string, std::vector<size_t>> inflows;
  for (size_t r = 0; r < n; ++r) {
    const std::string out = pipe.text(r, "NODEOUT_NO");
    inflows[out].push_back(r);
    if (!drainOf.count(out)) ends.insert(out);
  }
  EXPECT_EQ(ends, outfalls);

  // Every pipe reaches an outfall, without a loop.
  for (size_t r = 0; r < n; ++r) {
    std::string node = pipe.text(r, "NODEOUT_NO");
    size_t steps = 0;
    while (drainOf.count(node) && steps <= n) {
      node = pipe.text(drainOf[node], "NODEOUT_NO");
      ++steps;
    }
    EXPECT_TRUE(outfalls.count(node)) << "pipe " << pipe.text(r, "PIPE_NUMBER") << " does not reach an outfall";
  }

  auto riseOf = [&](size_t r) {
    return (pipe.text(r, "PIPE_SHAPE") == "Circular" ? pipe.number(r, "PIPE_DIA") : pipe.number(r, "RISE")) /
           lim.sizeDivisor;
  };
  // Sum of STRUCTURE_CA of the structure a pipe drains and everything above it.
  std::function<double(const std::string&)> caAbove = [&](const std::string& node) {
    double sum = 0;
    if (drainOf.count(node)) sum += pipe.maybeNumber(drainOf[node], "STRUCTURE_CA").value_or(0.0);
    for (size_t r : inflows[node]) sum += caAbove(pipe.text(r, "NODEIN_NO"));
    return sum;
  };

  for (size_t r = 0; r < n; ++r) {
    const std::string name = pipe.text(r, "PIPE_NUMBER");
    SCOPED_TRACE("pipe " + name);
    const std::string shape = pipe.text(r, "PIPE_SHAPE");
    const double rise = riseOf(r);
    const double span = shape == "Circular" ? rise : pipe.number(r, "SPAN") / lim.sizeDivisor;
    const double size = std::max(rise, span) * lim.sizeDivisor;
    const double ein = pipe.number(r, "PIPE_ELEIN");
    const double eout = pipe.number(r, "PIPE_ELEOUT");
    const double length = pipe.number(r, "PIPE_LENGTH");
    const double slope = pipe.number(r, "PIPE_SLOPE");
    const double nMann = pipe.number(r, "PIPE_MANN");
    const double q = pipe.number(r, "PIPE_DISCHARGE");
    const double v = pipe.number(r, "PIPE_VELOCITY");
    const double depth = pipe.number(r, "PIPE_FLOWDEPTH");
    const double barrels = pipe.number(r, "NUMOFPIPES");

    EXPECT_GE(size, lim.minSize);
    EXPECT_LE(size, lim.maxSize);
    EXPECT_GE(barrels, 1);
    EXPECT_GE(length, lim.minLength);
    EXPECT_LE(length, lim.maxLength);
    EXPECT_GE(slope, lim.minSlope);
    EXPECT_LE(slope, lim.maxSlope);
    EXPECT_GT(ein, eout) << "inverts must drop downstream";
    EXPECT_NEAR((ein - eout) / length, slope, 1e-4) << "slope disagrees with the inverts";

    // The outlet invert is at or above the invert of the structure below.
    const std::string down = pipe.text(r, "NODEOUT_NO");
    if (drainOf.count(down)) {
      const size_t below = drainOf[down];
      EXPECT_GE(eout + 1e-9, pipe.number(below, "PIPE_ELEIN")) << "outlet below structure " << down;
      // Crowns: an inflow's crown is never below the crown of the pipe leaving.
      if (rise <= riseOf(below)) {
        EXPECT_GE(eout + rise + 1e-9, pipe.number(below, "PIPE_ELEIN") + riseOf(below)) << "crown at " << down;
      }
      // The downstream structure's attributes agree with those its own pipe carries.
      for (const char* f : {"TYPE", "STATION", "OFFSET", "OFFLOC", "TOPELE"})
        EXPECT_EQ(pipe.at(r, std::string("NODEOUT_") + f), pipe.at(below, std::string("NODEIN_") + f))
            << f << " of structure " << down;
    } else {
      for (size_t other : inflows[down])
        for (const char* f : {"TYPE", "STATION", "OFFSET", "OFFLOC", "TOPELE"})
          EXPECT_EQ(pipe.at(r, std::string("NODEOUT_") + f), pipe.at(other, std::string("NODEOUT_") + f))
              << f << " of outfall " << down;
    }

    // Cover over the crown at both ends, where the structure has a top.
    if (const auto top = pipe.maybeNumber(r, "NODEIN_TOPELE")) {
      EXPECT_GE(*top - ein - rise, lim.minCover - 1e-9) << "cover at " << pipe.text(r, "NODEIN_NO");
      EXPECT_LE(*top - ein - rise, lim.maxCover) << "cover at " << pipe.text(r, "NODEIN_NO");
    }
    if (const auto top = pipe.maybeNumber(r, "NODEOUT_TOPELE")) {
      EXPECT_GE(*top - eout - rise, lim.minCover - 1e-9) << "cover at " << down;
      EXPECT_LE(*top - eout - rise, lim.maxCover) << "cover at " << down;
    }

    // Rational method: Q = i x (sum of C A above the pipe).
    const double expectedQ = pipe.number(r, "PIPE_I") * caAbove(pipe.text(r, "NODEIN_NO")) * lim.flowFactor;
    EXPECT_NEAR(q, expectedQ, lim.flowRounding * 1.5 + 1e-3 * q) << "discharge";

    // Manning at the stored depth gives the stored velocity, and that velocity
    // over the wetted area of every barrel carries the discharge.
    EXPECT_GT(depth, 0);
    EXPECT_LT(depth, 0.9 * rise) << "flow depth against rise " << rise;
    if (depth > 0 && depth < rise) {
      const Wetted w = wetted(shape, span, rise, depth);
      const double manning = lim.manningK / nMann * std::pow(w.area / w.perimeter, 2.0 / 3.0) * std::sqrt(slope);
      EXPECT_NEAR(v, manning, 0.03 * v) << "velocity against Manning at depth " << depth;
      EXPECT_NEAR(v * w.area * barrels, q, 0.04 * q) << "continuity";
    }
    EXPECT_GE(v, lim.minVelocity);
    EXPECT_LE(v, lim.maxVelocity);
  }
}

// Branches as the profile generator orders them: one per pipe into a node
// beyond the first, plus the one that starts at the outfall.
size_t branchCount(const Table& pipe, const std::string& outfall) {
  std::map<std::string, std::vector<std::string>> upstream;
  for (size_t r = 0; r < pipe.rows.size(); ++r)
    upstream[pipe.text(r, "NODEOUT_NO")].push_back(pipe.text(r, "NODEIN_NO"));
  size_t count = 1;
  std::vector<std::string> todo{outfall};
  while (!todo.empty()) {
    const std::string node = todo.back();
    todo.pop_back();
    const auto& ups = upstream[node];
    if (ups.size() > 1) count += ups.size() - 1;
    todo.insert(todo.end(), ups.begin(), ups.end());
  }
  return count;
}

std::map<std::string, size_t> inflowCounts(const Table& pipe) {
  std::map<std::string, size_t> counts;
  for (size_t r = 0; r < pipe.rows.size(); ++r) ++counts[pipe.text(r, "NODEOUT_NO")];
  return counts;
}

std::set<std::string> columnValues(const Table& t, std::string_view name) {
  std::set<std::string> values;
  for (size_t r = 0; r < t.rows.size(); ++r)
    if (const Field& f = t.at(r, name)) values.insert(*f);
  return values;
}

// ---- the projects ------------------------------------------------------------

struct Example {
  std::string name;        // file stem under examples/<name>/
  std::string units;
  const Limits* limits;
  std::set<std::string> outfalls;
  size_t pipes;
  size_t inlets;
};

const Example kHighway{"highway", "ENGLISH", &kEnglishLimits, {"1", "201"}, 34, 24};
const Example kMetric{"metric", "METRIC", &kMetricLimits, {"1"}, 10, 6};

void PrintTo(const Example& e, std::ostream* os) { *os << e.name; }

fs::path description(const Example& e, const char* kind) {
  return fs::path(TARVELLO_SOURCE_DIR) / "examples" / e.name / (e.name + "." + kind + ".txt");
}
fs::path database(const Example& e, const char* extension) {
  return fs::path(TARVELLO_BINARY_DIR) / "examples" / (e.name + extension);
}

class ExampleProject : public ::testing::TestWithParam<Example> {};

TEST_P(ExampleProject, DescriptionIsASoundNetwork) {
  const Example& e = GetParam();
  const Tables pipeDb = readDescription(description(e, "pipe"));
  const Tables inletDb = readDescription(description(e, "inlet"));
  ASSERT_TRUE(pipeDb.count("PIPE") && pipeDb.count("PROJECT"));
  ASSERT_TRUE(inletDb.count("INLET") && inletDb.count("PROJECT"));
  const Table& pipe = pipeDb.at("PIPE");
  EXPECT_EQ(pipe.rows.size(), e.pipes);
  EXPECT_EQ(inletDb.at("INLET").rows.size(), e.inlets);
  EXPECT_EQ(pipeDb.at("PROJECT").text(0, "UNITS"), e.units);
  EXPECT_EQ(inletDb.at("PROJECT").text(0, "UNITS"), e.units);
  checkNetwork(pipe, *e.limits, e.outfalls);

  // Every inlet record belongs to an inlet of the pipe project.
  std::set<std::string> inletStructures;
  for (size_t r = 0; r < pipe.rows.size(); ++r)
    if (pipe.text(r, "NODEIN_TYPE") == "Inlet") inletStructures.insert(pipe.text(r, "NODEIN_NO"));
  const Table& inlet = inletDb.at("INLET");
  for (size_t r = 0; r < inlet.rows.size(); ++r)
    EXPECT_TRUE(inletStructures.count(inlet.text(r, "INLET_NUMBER"))) << inlet.text(r, "INLET_NUMBER");
  EXPECT_LT(inlet.rows.size(), inletStructures.size()) << "one inlet is meant to have no record";
}

TEST_P(ExampleProject, JetFilesReadBackAsDescribed) {
  const Example& e = GetParam();
  const std::pair<const char*, const char*> files[] = {{"pipe", ".bvp"}, {"inlet", ".olm"}};
  for (const auto& [kind, extension] : files) {
    const fs::path path = database(e, extension);
    SCOPED_TRACE(path.string());
    ASSERT_TRUE(fs::exists(path)) << "the build writes the example databases";
    const bool isPipe = std::string_view(kind) == "pipe";
    std::unique_ptr<tarvello::ProjectDatabase> db;
    try {
      db = tarvello::ProjectDatabase::openJet(
          path.string(), isPipe ? tarvello::DatabaseKind::Pipe : tarvello::DatabaseKind::Inlet);
    } catch (const tarvello::DatabaseError& error) {
      FAIL() << error.what();
    }
    EXPECT_EQ(db->readUnits(), e.units);

    const Tables described = readDescription(description(e, kind));
    for (const char* name : {isPipe ? "PIPE" : "INLET", "PROJECT"}) {
      SCOPED_TRACE(name);
      const Table& want = described.at(name);
      const Table got = fromDatabase(*db, name);
      ASSERT_EQ(got.columns, want.columns);
      ASSERT_EQ(got.rows.size(), want.rows.size());
      for (size_t r = 0; r < want.rows.size(); ++r) {
        for (size_t c = 0; c < want.columns.size(); ++c) {
          const Field& w = want.rows[r][c];
          const Field& g = got.rows[r][c];
          const std::string& type = want.types[c];
          const std::string where = want.columns[c] + " of row " + std::to_string(r);
          if (type == "boolean") {
            EXPECT_EQ(g.value_or("0"), w.value_or("false") == "true" ? "1" : "0") << where;
            continue;
          }
          ASSERT_EQ(g.has_value(), w.has_value()) << where;
          if (!w) continue;
          if (type == "text") {
            EXPECT_EQ(*g, *w) << where;
          } else {
            // A single keeps about seven digits; the reader gives its shortest decimal.
            const double tolerance = (type == "single" ? 1e-7 : 1e-12) * std::max(1.0, std::abs(std::stod(*w)));
            EXPECT_NEAR(std::stod(*g), std::stod(*w), tolerance) << where;
          }
        }
      }
    }

    if (isPipe) {
      const Table pipe = fromDatabase(*db, "PIPE");
      checkNetwork(pipe, *e.limits, e.outfalls);
      std::set<std::string> expected = columnValues(pipe, "NODEOUT_NO");
      const std::vector<std::string> list = db->outfallNodes();
      EXPECT_EQ(std::vector<std::string>(expected.begin(), expected.end()), list);
      for (const auto& outfall : e.outfalls)
        EXPECT_NE(std::find(list.begin(), list.end(), outfall), list.end()) << outfall;
    }
  }
}

// The same files through mdb-reader, which shares no code with the writer or
// with the product's own reader.
TEST_P(ExampleProject, JetFilesReadBackThroughMdbReader) {
  const Example& e = GetParam();
  const std::pair<const char*, const char*> files[] = {{"pipe", ".bvp"}, {"inlet", ".olm"}};
  for (const auto& [kind, extension] : files) {
    const fs::path path = database(e, extension);
    SCOPED_TRACE(path.string());
    ASSERT_TRUE(fs::exists(path)) << "the build writes the example databases";
    jettest::Json dump;
    try {
      dump = jettest::readWithMdbReader(path.string());
    } catch (const std::exception& error) {
      FAIL() << error.what();
    }
    const Tables described = readDescription(description(e, kind));
    const jettest::Json& tables = dump["tables"];
    ASSERT_EQ(tables.size(), described.size());
    for (size_t t = 0; t < tables.size(); ++t) {
      const std::string name = tables[t]["name"].str();
      SCOPED_TRACE(name);
      ASSERT_TRUE(described.count(name));
      const Table& want = described.at(name);
      const jettest::Json& columns = tables[t]["columns"];
      ASSERT_EQ(columns.size(), want.columns.size());
      for (size_t c = 0; c < columns.size(); ++c) EXPECT_EQ(columns[c]["name"].str(), want.columns[c]);
      const jettest::Json& rows = tables[t]["rows"];
      ASSERT_EQ(rows.size(), want.rows.size());
      for (size_t r = 0; r < want.rows.size(); ++r) {
        for (size_t c = 0; c < want.columns.size(); ++c) {
          const Field& w = want.rows[r][c];
          const jettest::Json& g = rows[r][c];
          const std::string& type = want.types[c];
          const std::string where = want.columns[c] + " of row " + std::to_string(r);
          if (type == "boolean") {
            ASSERT_TRUE(std::holds_alternative<bool>(g.v)) << where;
            EXPECT_EQ(std::get<bool>(g.v), w.value_or("false") == "true") << where;
          } else if (!w) {
            EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(g.v)) << where;
          } else if (type == "text") {
            ASSERT_TRUE(std::holds_alternative<std::string>(g.v)) << where;
            EXPECT_EQ(g.str(), *w) << where;
          } else {
            ASSERT_TRUE(std::holds_alternative<double>(g.v)) << where;
            const double tolerance = (type == "single" ? 1e-7 : 1e-12) * std::max(1.0, std::abs(std::stod(*w)));
            EXPECT_NEAR(g.num(), std::stod(*w), tolerance) << where;
          }
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleProject, ::testing::Values(kHighway, kMetric),
                         [](const ::testing::TestParamInfo<Example>& param) { return param.param.name; });

// The highway project is the one that shows every kind of structure, section
// and layout the tables and drawings have to cope with.
TEST(HighwayExample, CoversEveryStructureTypeShapeAndLayout) {
  const Tables pipeDb = readDescription(description(kHighway, "pipe"));
  const Tables inletDb = readDescription(description(kHighway, "inlet"));
  const Table& pipe = pipeDb.at("PIPE");

  std::set<std::string> structures = columnValues(pipe, "NODEIN_NO");
  const auto outs = columnValues(pipe, "NODEOUT_NO");
  structures.insert(outs.begin(), outs.end());
  EXPECT_GE(structures.size(), 30u);
  EXPECT_LE(structures.size(), 60u);
  EXPECT_GE(branchCount(pipe, "1"), 5u);

  std::set<size_t> junctionSizes;
  for (const auto& [node, count] : inflowCounts(pipe)) junctionSizes.insert(count);
  EXPECT_TRUE(junctionSizes.count(2)) << "a junction with two inflows";
  EXPECT_TRUE(junctionSizes.count(3)) << "a junction with three inflows";

  std::set<std::string> types = columnValues(pipe, "NODEIN_TYPE");
  const auto outTypes = columnValues(pipe, "NODEOUT_TYPE");
  types.insert(outTypes.begin(), outTypes.end());
  EXPECT_EQ(types, (std::set<std::string>{"Inlet", "Man Hole", "Junction Box", "End Wall", "End Section", "Other"}));
  EXPECT_EQ(columnValues(pipe, "PIPE_SHAPE"),
            (std::set<std::string>{"Circular", "Elliptical", "Box", "Rectangulr", "Arch"}));
  EXPECT_EQ(columnValues(pipe, "PIPE_MAT"), (std::set<std::string>{"Concrete", "CMP"}));
  EXPECT_EQ(columnValues(pipe, "NUMOFPIPES"), (std::set<std::string>{"1", "2", "3"}));
  EXPECT_EQ(columnValues(pipe, "PIPE_SKEW"), (std::set<std::string>{"0", "30", "45", "90"}));

  // The two outfalls are an end wall and an end section.
  for (size_t r = 0; r < pipe.rows.size(); ++r) {
    const std::string out = pipe.text(r, "NODEOUT_NO");
    if (out == "1") {
      EXPECT_EQ(pipe.text(r, "NODEOUT_TYPE"), "End Wall");
    }
    if (out == "201") {
      EXPECT_EQ(pipe.text(r, "NODEOUT_TYPE"), "End Section");
    }
  }

  // Exactly one structure has no top elevation, wherever it is listed.
  std::set<std::string> topless;
  for (size_t r = 0; r < pipe.rows.size(); ++r) {
    if (!pipe.at(r, "NODEIN_TOPELE")) topless.insert(pipe.text(r, "NODEIN_NO"));
    if (!pipe.at(r, "NODEOUT_TOPELE")) topless.insert(pipe.text(r, "NODEOUT_NO"));
  }
  EXPECT_EQ(topless.size(), 1u);

  // Offsets on both sides and one on the baseline with no side.
  EXPECT_EQ(columnValues(pipe, "NODEIN_OFFLOC"), (std::set<std::string>{"", "LT", "RT"}));
  EXPECT_EQ(columnValues(pipe, "NODEIN_SHAPING"), (std::set<std::string>{"YES", "NO"}));

  // Inlet subtypes, most inlets with a length, a record without a subtype.
  const Table& inlet = inletDb.at("INLET");
  EXPECT_EQ(columnValues(inlet, "INLET_SUBTYPE"), (std::set<std::string>{"DI-1", "DI-3B", "DI-7"}));
  size_t withLength = 0;
  size_t withoutSubtype = 0;
  for (size_t r = 0; r < inlet.rows.size(); ++r) {
    if (inlet.maybeNumber(r, "INLETLENGTH")) ++withLength;
    if (inlet.text(r, "INLET_SUBTYPE").empty()) ++withoutSubtype;
  }
  EXPECT_GT(withLength * 10, inlet.rows.size() * 8);
  EXPECT_GE(withoutSubtype, 1u);
}

}  // namespace
