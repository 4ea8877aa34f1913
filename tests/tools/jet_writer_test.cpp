#include <gtest/gtest.h>
#include <mdbtools.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>

#include "jet/jet_writer.h"
#include "support/command.h"
#include "support/database_test_support.h"
#include "support/jet_readback.h"

namespace {

namespace fs = std::filesystem;
using jet::Cell;
using jet::ColumnType;
using jet::Null;
using jettest::Values;
using nlohmann::json;
using tarvello::clitest::capture;
using tarvello::clitest::quote;

// Each test's files in a scratch folder of its own.
class JetFiles : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch_.file(name); }
  tarvello::dbtest::ScratchFolder scratch_;
};

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string fmt(const char* format, double d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, d);
  return buf;
}

double number(const Cell& c) {
  if (const auto* i = std::get_if<std::int64_t>(&c)) return static_cast<double>(*i);
  return std::get<double>(c);
}

// A cell as libmdb's binding prints it (booleans are never null in Jet).
std::optional<std::string> asLibmdb(ColumnType type, const Cell& c) {
  if (type == ColumnType::Boolean)
    return std::holds_alternative<bool>(c) && std::get<bool>(c) ? "1" : "0";
  if (std::holds_alternative<Null>(c)) return std::nullopt;
  switch (type) {
    case ColumnType::Double:
      return fmt("%.16g", number(c));
    case ColumnType::Single:
      return fmt("%.8g", static_cast<float>(number(c)));
    case ColumnType::Long:
    case ColumnType::Integer:
      return fmt("%.0f", number(c));
    default:
      return std::get<std::string>(c);
  }
}

// A cell as mdb-reader returns it, printed exactly.
std::optional<std::string> asMdbReader(ColumnType type, const Cell& c) {
  if (type == ColumnType::Boolean)
    return std::holds_alternative<bool>(c) && std::get<bool>(c) ? "true" : "false";
  if (std::holds_alternative<Null>(c)) return std::nullopt;
  if (type == ColumnType::Text || type == ColumnType::Memo) return std::get<std::string>(c);
  if (type == ColumnType::Single) return fmt("%.17g", static_cast<float>(number(c)));
  return fmt("%.17g", number(c));
}
std::optional<std::string> jsonText(const json& j) {
  if (j.is_null()) return std::nullopt;
  if (j.is_boolean()) return j.get<bool>() ? "true" : "false";
  if (j.is_number()) return fmt("%.17g", j.get<double>());
  return j.get<std::string>();
}

using Row = std::vector<std::optional<std::string>>;
Row expectedRow(const jet::TableData& t, std::size_t r, bool libmdb) {
  Row row;
  for (std::size_t c = 0; c < t.columns.size(); ++c)
    row.push_back((libmdb ? asLibmdb : asMdbReader)(t.columns[c].type, t.rows[r][c]));
  return row;
}
Row jsonRow(const json& cells) {
  Row row;
  for (const json& cell : cells) row.push_back(jsonText(cell));
  return row;
}

const json& tableIn(const json& dump, const std::string& name) {
  for (const json& table : dump["tables"])
    if (table["name"] == name) return table;
  throw std::runtime_error("mdb-reader does not list " + name);
}

// Both readers see the table's columns, types and every row, in order.
void expectReadsBack(const std::string& file, const jet::TableData& t, const json& dump) {
  SCOPED_TRACE("table " + t.name);
  static const std::map<ColumnType, std::pair<int, std::string>> kTypes{
      {ColumnType::Text, {MDB_TEXT, "text"}},      {ColumnType::Double, {MDB_DOUBLE, "double"}},
      {ColumnType::Single, {MDB_FLOAT, "float"}},  {ColumnType::Long, {MDB_LONGINT, "long"}},
      {ColumnType::Integer, {MDB_INT, "integer"}}, {ColumnType::Boolean, {MDB_BOOL, "boolean"}},
      {ColumnType::Memo, {MDB_MEMO, "memo"}}};
  const jettest::LibmdbTable lib = jettest::readWithLibmdb(file, t.name);
  const json& js = tableIn(dump, t.name);
  ASSERT_EQ(lib.columns.size(), t.columns.size());
  ASSERT_EQ(js["columns"].size(), t.columns.size());
  for (std::size_t c = 0; c < t.columns.size(); ++c) {
    EXPECT_EQ(lib.columns[c], t.columns[c].name);
    EXPECT_EQ(lib.types[c], kTypes.at(t.columns[c].type).first) << t.columns[c].name;
    EXPECT_EQ(js["columns"][c]["name"], t.columns[c].name);
    EXPECT_EQ(js["columns"][c]["type"], kTypes.at(t.columns[c].type).second);
  }
  EXPECT_EQ(lib.declaredRows, t.rows.size());
  EXPECT_EQ(js["rowCount"].get<double>(), static_cast<double>(t.rows.size()));
  ASSERT_EQ(lib.rows.size(), t.rows.size());
  ASSERT_EQ(js["rows"].size(), t.rows.size());
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    EXPECT_EQ(lib.rows[r], expectedRow(t, r, true)) << "libmdb, row " << r + 1;
    EXPECT_EQ(jsonRow(js["rows"][r]), expectedRow(t, r, false)) << "mdb-reader, row " << r + 1;
  }
}

TEST_F(JetFiles, EveryTypeNullAndTextReadsBackThroughBothReaders) {
  using T = ColumnType;
  jet::TableData t{"Värden", {}, {}};
  t.columns = {{"T", T::Text},    {"D", T::Double},  {"S", T::Single}, {"L", T::Long},
               {"I", T::Integer}, {"B", T::Boolean}, {"M", T::Memo}};
  const auto i64 = [](std::int64_t v) { return Cell{v}; };
  t.rows = {
      {"P-1", 24.0, 0.013, i64(123456), i64(1), true, "short memo"},
      {Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}},
      {"", -0.013, -12.4, i64(std::numeric_limits<std::int32_t>::min()), i64(-32768), false, ""},
      {"é ü ß 中文 Ωμέγα", 1e300, 3.4e38, i64(std::numeric_limits<std::int32_t>::max()), i64(32767),
       true, repeat("中", 300)},  // one long-value row
      {repeat("x", 255), 0.1 + 0.2, 1e-7, i64(0), i64(0), false,
       repeat("node-", 2000)},  // chained rows
      {"  blanks kept  ", 95.5, 600.0, i64(-1), i64(-1), true, "#,\"quoted\""},
      {"Ā has a zero low byte", 2.5e-310, 0.75, i64(7), i64(7), false, repeat("é", 1500)},
      {"\xEF\xBB\xBFstarts with a byte order mark", 123456789.123456789, 1.0, i64(2), i64(2), true,
       "a"},
  };
  const jet::DatabaseData db{{t}};
  const std::string file = path("values.mdb");
  jet::writeJet4(file, db);
  const auto read = jettest::readWithMdbReader(file);
  if (!read) GTEST_SKIP() << jettest::kNoMdbReader;
  expectReadsBack(file, db.tables[0], *read);
}

TEST_F(JetFiles, TablesAreListedAndExportedInTheirOrder) {
  using T = ColumnType;
  // 200 columns need a table definition continued over two pages.
  jet::TableData wide{"WIDE", {}, {{}}};
  for (std::int64_t c = 0; c < 200; ++c) {
    wide.columns.push_back({"COLUMN_" + std::to_string(c), T::Long});
    wide.rows[0].emplace_back(std::in_place_type<std::int64_t>, c * 1000);
  }
  const jet::DatabaseData db{{
      {"PROJECT", {{"UNITS", T::Text}}, {{"ENGLISH"}}},
      {"PIPE",
       {{"PIPE_NUMBER", T::Text},
        {"NODEIN_NO", T::Text},
        {"PIPE_DIA", T::Double},
        {"NUMOFPIPES", T::Integer}},
       {{"P-2", "I-2, east", 24.0, std::int64_t{1}}, {"P-1", "MH 1", Null{}, std::int64_t{2}}}},
      {"EMPTY TABLE", {{"A", T::Long}, {"B", T::Memo}}, {}},
      wide,
  }};
  const std::string file = path("project.mdb");
  jet::writeJet4(file, db);

  const std::vector<std::string> names{"PROJECT", "PIPE", "EMPTY TABLE", "WIDE"};
  EXPECT_EQ(jettest::libmdbTableNames(file), names);
  int status = -1;
  EXPECT_EQ(capture("mdb-tables -1 " + quote(file), &status), "PROJECT\nPIPE\nEMPTY TABLE\nWIDE\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(capture("mdb-export " + quote(file) + " PIPE", &status),
            "PIPE_NUMBER,NODEIN_NO,PIPE_DIA,NUMOFPIPES\n\"P-2\",\"I-2, east\",24,1\n\"P-1\",\"MH "
            "1\",,2\n");
  EXPECT_EQ(status, 0);

  const auto read = jettest::readWithMdbReader(file);
  if (!read) GTEST_SKIP() << jettest::kNoMdbReader;
  const json& dump = *read;
  ASSERT_EQ(dump["tables"].size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(dump["tables"][i]["name"], names[i]);
  for (const auto& t : db.tables) expectReadsBack(file, t, dump);
}

TEST_F(JetFiles, HundredFiftyThousandRowsSpanManyPagesInOrder) {
  using T = ColumnType;
  jet::TableData t{
      "BIG", {{"ID", T::Long}, {"NAME", T::Text}, {"FLOW", T::Double}, {"OK", T::Boolean}}, {}};
  constexpr std::int64_t kRows = 150'000;
  for (std::int64_t i = 0; i < kRows; ++i) {
    t.rows.push_back({i, "P-" + std::to_string(i) + (i % 7 == 0 ? " é" : ""),
                      static_cast<double>(i) * 0.25, i % 3 == 0});
  }
  const std::string file = path("big.mdb");
  jet::writeJet4(file, {{t, {"SMALL", {{"X", T::Integer}}, {{std::int64_t{5}}}}}});
  EXPECT_GT(fs::file_size(file) / 4096, 1000u);  // far beyond one type-0 usage map

  const jettest::LibmdbTable lib = jettest::readWithLibmdb(file, "BIG");
  const auto read = jettest::readWithMdbReader(file);
  if (!read) GTEST_SKIP() << jettest::kNoMdbReader;
  const json& rows = tableIn(*read, "BIG")["rows"];
  ASSERT_EQ(lib.rows.size(), static_cast<std::size_t>(kRows));
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRows));
  for (std::size_t r = 0; r < lib.rows.size(); ++r) {
    ASSERT_EQ(lib.rows[r][0], std::to_string(r)) << "libmdb row order";
    ASSERT_EQ(rows[r][0].get<double>(), static_cast<double>(r)) << "mdb-reader row order";
    if (r % 997 == 0 || r + 1 == lib.rows.size()) {
      EXPECT_EQ(lib.rows[r], expectedRow(t, r, true)) << r;
      EXPECT_EQ(jsonRow(rows[r]), expectedRow(t, r, false)) << r;
    }
  }
  EXPECT_EQ(jettest::readWithLibmdb(file, "SMALL").rows, (Values{{"5"}}));
}

TEST(JetDescription, ReadsQuotingNullsBlanksAndComments) {
  std::istringstream in(
      "\xEF\xBB\xBF# a comment\r\n\r\n[PIPE]\r\n"
      "NAME:text,DIA:double,N:integer,OK:boolean,S:single,NOTE:memo\r\n"
      "P-1,24,1,true,0.013,x\r\n"
      "\"I-2, east\",,-3,0,-12.4,\r\n"
      "\"\",95.5,+7,FALSE,1e3,\"\"\r\n"
      "\"#not a comment\",-0.013,0,1,.5,\"say \"\"hi\"\"\"\r\n"
      "   \r\n"
      " spaced ,1.,1,True,1,a\"b\n"
      "[EMPTY]\nX:long\n");
  const jet::DatabaseData db = jet::parseDescription(in);
  ASSERT_EQ(db.tables.size(), 2u);
  const auto& t = db.tables[0];
  EXPECT_EQ(t.name, "PIPE");
  ASSERT_EQ(t.columns.size(), 6u);
  EXPECT_EQ(t.columns[4].name, "S");
  EXPECT_EQ(t.columns[4].type, ColumnType::Single);
  EXPECT_EQ(t.columns[5].type, ColumnType::Memo);
  const std::vector<std::vector<Cell>> rows{
      {"P-1", 24.0, std::int64_t{1}, true, static_cast<double>(0.013f), "x"},
      {"I-2, east", Null{}, std::int64_t{-3}, false, static_cast<double>(-12.4f), Null{}},
      {"", 95.5, std::int64_t{7}, false, 1000.0, ""},
      {"#not a comment", -0.013, std::int64_t{0}, true, 0.5, "say \"hi\""},
      {" spaced ", 1.0, std::int64_t{1}, true, 1.0, "a\"b"},
  };
  EXPECT_EQ(t.rows, rows);
  EXPECT_EQ(db.tables[1].name, "EMPTY");
  EXPECT_TRUE(db.tables[1].rows.empty());
}

TEST(JetDescription, ErrorsNameTheLine) {
  const std::string head = "[T]\nA:text,B:double,C:integer,D:boolean\n";
  const std::vector<std::pair<std::string, std::string>> cases{
      {head + "x,1,1,true\nx,1,1\n", "line 4: the row has 3 fields, table T has 4 columns"},
      {head + "x,abc,1,true\n", "line 3: column B (double): \"abc\" is not a number"},
      {head + "x, 1,1,true\n", "line 3: column B (double): \" 1\" is not a number"},
      {head + "x,1,1.5,true\n", "line 3: column C (integer): \"1.5\" is not a whole number"},
      {head + "x,1,40000,true\n", "line 3: column C (integer): 40000 is out of range"},
      {head + "x,1,1,yes\n", "line 3: column D (boolean): \"yes\" is not a boolean"},
      {head + "\"x,1,1,true\n", "line 3: field 1 has no closing quote"},
      {head + "\"x\"y,1,1,true\n", "line 3: field 1 has text after its closing quote"},
      {head + repeat("z", 256) + ",1,1,true\n", "line 3: column A (text): text of 256 characters"},
      {"x,1\n", "line 1: a line before the first [TABLE] line"},
      {"[T]\nA:text,B:float\n", "line 2: column B has unknown type \"float\""},
      {"[T]\nA:text,a:long\n", "line 2: column a is named twice"},
      {"[T]\n\n# none\n[U]\nA:text\n", "line 4: table T has no column line"},
      {"[T]\nA:text\n[t]\nA:text\n", "line 3: table t is named twice"},
      {"[T.1]\nA:text\n", "line 1: table name \"T.1\" holds a character"},
  };
  for (const auto& [text, message] : cases) {
    std::istringstream in(text);
    try {
      jet::parseDescription(in);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const jet::JetError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

TEST_F(JetFiles, WriterRejectsWhatJetCannotHoldAndKeepsTheOldFile) {
  using T = ColumnType;
  const std::string file = path("kept.mdb");
  std::ofstream(file) << "old";
  const std::vector<std::pair<jet::TableData, std::string>> cases{
      {{"P", {{"A", T::Text}}, {{2.5}}}, "table P, row 1, column A: expected text, got a number"},
      {{"P", {{"A", T::Long}}, {{std::int64_t{1}}, {std::int64_t{1} << 40}}},
       "table P, row 2, column A: 1099511627776 is out of range"},
      {{"P", {{"A", T::Integer}, {"B", T::Text}}, {{std::int64_t{1}}}},
       "table P, row 1: 1 values for 2 columns"},
      {{"P", {{"A!", T::Text}}, {}}, "holds a character Access forbids"},
      {{"msysobjects", {{"A", T::Text}}, {}}, "taken by the catalog"},
      {{"P", std::vector<jet::Column>(9, {"W", T::Text}), {}}, "column W is named twice"},
      {{"P", {{"A", T::Memo}}, {{"bad \xC3 utf-8"}}}, "malformed UTF-8"},
  };
  for (const auto& [table, message] : cases) {
    try {
      jet::writeJet4(file, {{table}});
      ADD_FAILURE() << "accepted " << message;
    } catch (const jet::JetError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
  // Eight text columns of 255 non-compressible characters overflow a page.
  jet::TableData wide{
      "WIDE", {}, {std::vector<Cell>(8, Cell(std::in_place_type<std::string>, repeat("中", 255)))}};
  for (int c = 0; c < 8; ++c) wide.columns.push_back({"C" + std::to_string(c), T::Text});
  EXPECT_THROW(jet::writeJet4(file, {{wide}}), jet::JetError);
  std::ifstream kept(file);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch_.path()), fs::directory_iterator()), 1)
      << "temporary file left";
}

TEST_F(JetFiles, JetWriteToolBuildsTheDescribedFile) {
  const std::string desc = path("project.txt"), out = path("project.mdb");
  std::ofstream(desc)
      << "[PROJECT]\nUNITS:text\nENGLISH\n[PIPE]\n"
         "PIPE_NUMBER:text,NODEOUT_NO:text,NODEIN_NO:text,PIPE_DIA:double,NUMOFPIPES:integer\n"
         "P-1,OUT,MH-1,24,1\nP-2,MH-1,\"I-2, east\",,1\n";
  const std::string tool = quote(JET_WRITE);
  int status = -1;
  capture(tool + " " + quote(desc) + " " + quote(out), &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(capture("mdb-export " + quote(out) + " PIPE"),
            "PIPE_NUMBER,NODEOUT_NO,NODEIN_NO,PIPE_DIA,NUMOFPIPES\n"
            "\"P-1\",\"OUT\",\"MH-1\",24,1\n\"P-2\",\"MH-1\",\"I-2, east\",,1\n");

  std::ofstream(desc) << "[PIPE]\nA:text,B:double\nx,1\ny,z\n";
  const std::string bad = capture(tool + " " + quote(desc) + " " + quote(out) + " 2>&1", &status);
  EXPECT_EQ(status, 1);
  EXPECT_NE(bad.find("line 4"), std::string::npos) << bad;
  EXPECT_EQ(jettest::libmdbTableNames(out), (std::vector<std::string>{"PROJECT", "PIPE"}))
      << "old output kept";
  capture(tool + " " + quote(desc) + " 2>/dev/null", &status);
  EXPECT_EQ(status, 2);
}

}  // namespace
