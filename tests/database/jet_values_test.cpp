// Values read from real Jet files: kinds, exact numbers, null against "",
// non-ASCII text, stored order, and records that were deleted or moved.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>

#include "database/jet_file.h"
#include "database/project_database.h"
#include "support/database_test_support.h"

namespace tarvello {
namespace {

using namespace std::string_literals;
using dbtest::ScratchFolder;
using jet::Cell;
using jet::ColumnType;
using jet::Null;

// The fields of a table by record and name, as values.
struct Fields {
  const StoredTable& table;
  size_t size() const { return table.rowCount(); }
  Value field(size_t row, const char* name) const {
    const int column = table.columnIndex(name);
    EXPECT_GE(column, 0) << name;
    return column < 0 ? Value() : table.value(row, column);
  }
};

TEST(JetValues, EachFieldKeepsItsKindAndExactValue) {
  ScratchFolder folder;
  std::string memo, medium;
  for (int i = 0; i < 900; ++i) memo += "Straße Ø" + std::to_string(i) + " ";  // well over a page
  while (medium.size() < 1500) medium += "Grate inlet " + std::to_string(medium.size()) + "; ";
  using T = ColumnType;
  const std::vector<jet::Column> columns = {{"PIPE_NUMBER", T::Text},   {"NODEOUT_NO", T::Text},
                                            {"PIPE_MANN", T::Single},   {"PIPE_SKEW", T::Single},
                                            {"PIPE_LENGTH", T::Double}, {"NUMOFPIPES", T::Integer},
                                            {"PIPE_ID", T::Long},       {"CHECKED", T::Boolean},
                                            {"REMARKS", T::Memo},       {"DESCRIPTION", T::Memo}};
  const auto values =
      dbtest::table("PIPE", columns,
                    {
                        {"P1"s, "Ø-Straße 漢字 😀"s, 0.013, -12.4, 0.1, std::int64_t{3},
                         std::int64_t{-2147483647 - 1}, true, memo, "Curb inlet, 4 ft throat"s},
                        {""s, Null{}, Null{}, Null{}, Null{}, Null{}, Null{}, false, ""s, Null{}},
                        {"P3"s, " N 1 "s, 600.0, 1e-7, 1e300, std::int64_t{-32768},
                         std::int64_t{2147483647}, false, Null{}, medium},
                    });
  const auto path =
      dbtest::writeJet(folder, "values.bvp", {values, dbtest::projectTable("ENGLISH")});

  const auto db = ProjectDatabase::openJet(path, DatabaseKind::Pipe);
  const Fields r{db->table("PIPE")};
  ASSERT_EQ(r.size(), 3u);

  // A Single reads as its shortest decimal, not as the widened float.
  EXPECT_EQ(r.field(0, "PIPE_MANN"), Value::real(0.013));
  EXPECT_EQ(r.field(0, "PIPE_MANN").asText(), "0.013");
  EXPECT_EQ(r.field(0, "PIPE_SKEW"), Value::real(-12.4));
  EXPECT_EQ(r.field(2, "PIPE_MANN"), Value::real(600.0));
  EXPECT_EQ(r.field(2, "PIPE_SKEW"), Value::real(1e-7));
  EXPECT_EQ(r.field(0, "PIPE_LENGTH"), Value::real(0.1));
  EXPECT_EQ(r.field(2, "PIPE_LENGTH"), Value::real(1e300));

  EXPECT_EQ(r.field(0, "NUMOFPIPES"), Value::integer(3));
  EXPECT_EQ(r.field(2, "NUMOFPIPES"), Value::integer(-32768));
  EXPECT_EQ(r.field(0, "PIPE_ID"), Value::integer(-2147483648LL));
  EXPECT_EQ(r.field(2, "PIPE_ID"), Value::integer(2147483647));
  EXPECT_EQ(r.field(0, "CHECKED"), Value::integer(1));
  EXPECT_EQ(r.field(1, "CHECKED"), Value::integer(0));

  EXPECT_EQ(r.field(0, "NODEOUT_NO"), Value::text("Ø-Straße 漢字 😀"));
  EXPECT_EQ(r.field(2, "NODEOUT_NO"), Value::text(" N 1 "));  // blanks are kept
  // Long text kept in the record, on a page of its own, and over a chain of pages.
  EXPECT_EQ(r.field(0, "DESCRIPTION"), Value::text("Curb inlet, 4 ft throat"));
  EXPECT_EQ(r.field(2, "DESCRIPTION"), Value::text(medium));
  EXPECT_EQ(r.field(0, "REMARKS"), Value::text(memo));

  // Empty text and null stay apart; a null joined to text gives "".
  EXPECT_TRUE(r.field(1, "PIPE_NUMBER").isEmptyText());
  EXPECT_TRUE(r.field(1, "REMARKS").isEmptyText());
  EXPECT_TRUE(r.field(2, "REMARKS").isNull());
  EXPECT_TRUE(r.field(1, "DESCRIPTION").isNull());
  for (const char* column : {"NODEOUT_NO", "PIPE_MANN", "PIPE_LENGTH", "NUMOFPIPES", "PIPE_ID"}) {
    EXPECT_TRUE(r.field(1, column).isNull()) << column;
    EXPECT_EQ(r.field(1, column).asText(), "") << column;
  }
  // The cells themselves keep the distinction.
  EXPECT_EQ(r.table.kind(1, r.table.columnIndex("NODEOUT_NO")), CellKind::Null);
  EXPECT_EQ(r.table.kind(1, r.table.columnIndex("PIPE_NUMBER")), CellKind::Text);
}

TEST(JetValues, RecordsComeInStoredOrderOverManyPages) {
  ScratchFolder folder;
  std::vector<std::vector<Cell>> rows;
  // Descending numbers and uneven lengths, so that no sorting or page layout can fake the order.
  for (int i = 3000; i > 0; --i)
    rows.push_back({"P"s + std::to_string(i) + std::string(static_cast<size_t>(i % 40), 'x'),
                    "N"s + std::to_string(i % 17), "N"s + std::to_string(i)});
  const auto path = dbtest::writeJet(folder, "order.bvp",
                                     {dbtest::pipeTable(rows), dbtest::projectTable("METRIC")});

  const auto db = ProjectDatabase::openJet(path, DatabaseKind::Pipe);
  const Fields r{db->table("PIPE")};
  ASSERT_EQ(r.size(), rows.size());
  for (size_t i = 0; i < rows.size(); ++i)
    ASSERT_EQ(r.field(i, "PIPE_NUMBER"), Value::text(std::get<std::string>(rows[i][0])))
        << "record " << i + 1;
}

// Jet 4 data page layout, to edit row offsets of a written file the way Access
// leaves them after deleting and after growing a record.
constexpr size_t kPage = 4096;
constexpr size_t kRowCount = 12;

struct RowPlace {
  size_t page;
  int row;
  size_t offsetAt;  // file position of the row's offset entry
  size_t start;     // file position of the row's data
};

std::uint16_t get16(const std::string& b, size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    (static_cast<unsigned char>(b[at + 1]) << 8));
}
void put16(std::string& b, size_t at, std::uint16_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}

// Finds each record whose Long key (the first fixed field, after the two-byte
// column count) lies in [first, last].
std::map<std::int32_t, RowPlace> findRows(const std::string& bytes, std::int32_t first,
                                          std::int32_t last) {
  std::map<std::int32_t, RowPlace> places;
  for (size_t page = 1; page * kPage < bytes.size(); ++page) {
    const size_t base = page * kPage;
    if (bytes[base] != 0x01) continue;
    const int rows = get16(bytes, base + kRowCount);
    for (int row = 0; row < rows; ++row) {
      const size_t offsetAt = base + kRowCount + 2 + static_cast<size_t>(row) * 2;
      const size_t start = base + (get16(bytes, offsetAt) & 0x1FFF);
      if (start + 6 > bytes.size()) continue;
      std::int32_t key;
      std::memcpy(&key, bytes.data() + start + 2, 4);
      if (key >= first && key <= last) places[key] = RowPlace{page, row, offsetAt, start};
    }
  }
  return places;
}

TEST(JetValues, DeletedRecordsAreSkippedAndMovedRecordsReadInTheirPlace) {
  ScratchFolder folder;
  std::vector<std::vector<Cell>> rows;
  for (int i = 0; i < 400; ++i)
    rows.push_back({std::int64_t{100000 + i}, "P"s + std::to_string(i)});
  const auto written = dbtest::writeJet(
      folder, "written.bvp",
      {dbtest::table("PIPE", {{"PIPE_KEY", ColumnType::Long}, {"PIPE_NUMBER", ColumnType::Text}},
                     rows),
       dbtest::projectTable("ENGLISH")});
  std::string bytes = dbtest::readBytes(written);
  const auto places = findRows(bytes, 100000, 100399);
  ASSERT_EQ(places.size(), rows.size()) << "records not found where a Jet 4 data page keeps them";

  // Record 5 deleted (Access sets both flags); record 10 grown and moved to
  // where record 390 was: its old row holds a pointer, the new copy carries the
  // deleted flag so that a scan does not meet it twice.
  const RowPlace deleted = places.at(100005), moved = places.at(100010), target = places.at(100390);
  ASSERT_NE(moved.page, target.page) << "the test needs the new copy on another page";
  put16(bytes, deleted.offsetAt,
        static_cast<std::uint16_t>(get16(bytes, deleted.offsetAt) | 0xC000));
  put16(bytes, target.offsetAt, static_cast<std::uint16_t>(get16(bytes, target.offsetAt) | 0x8000));
  put16(bytes, moved.offsetAt, static_cast<std::uint16_t>(get16(bytes, moved.offsetAt) | 0x4000));
  bytes[moved.start] = static_cast<char>(target.row);
  for (size_t i = 0; i < 3; ++i)
    bytes[moved.start + 1 + i] = static_cast<char>(target.page >> 8 * i);
  const auto path = folder.writeFile("edited.bvp", bytes);

  std::vector<std::string> expected;
  for (int i = 0; i < 400; ++i)
    if (i != 5 && i != 390) expected.push_back("P" + std::to_string(i == 10 ? 390 : i));
  const auto db = ProjectDatabase::openJet(path, DatabaseKind::Pipe);
  const Fields r{db->table("PIPE")};
  std::vector<std::string> got;
  for (size_t i = 0; i < r.size(); ++i) got.push_back(r.field(i, "PIPE_NUMBER").asText());
  EXPECT_EQ(got, expected);
}

// Texts of up to 8 bytes are kept in the cell, longer ones in the arena; a
// binary value stays a Blob whatever its size. Every kind reads back the
// same from either place, after the table has been moved too.
TEST(StoredTable, TextsInTheCellAndInTheArenaReadTheSame) {
  StoredTable built("T", {"A", "B"});
  const std::vector<std::string> texts = {"",          "1",
                                          "1234567",   "12345678",
                                          "123456789", std::string("a\0b\xC3\xA9xyz", 8),
                                          "Straße 12", std::string(300, 'x')};
  for (const std::string& text : texts) {
    built.addText(text);
    built.addBlob(text.substr(0, 3));
  }
  built.addReal(2.5);
  built.addNull();
  const StoredTable table = std::move(built);
  ASSERT_EQ(table.rowCount(), texts.size() + 1);
  for (size_t r = 0; r < texts.size(); ++r) {
    EXPECT_EQ(table.kind(r, 0), CellKind::Text) << r;
    EXPECT_EQ(table.text(r, 0), texts[r]) << r;
    EXPECT_EQ(table.value(r, 0), Value::text(texts[r])) << r;
    EXPECT_EQ(table.kind(r, 1), CellKind::Blob) << r;
    EXPECT_EQ(table.text(r, 1), texts[r].substr(0, 3)) << r;
  }
  const size_t last = texts.size();
  EXPECT_EQ(table.kind(last, 0), CellKind::Real);
  EXPECT_EQ(table.value(last, 0), Value::real(2.5));
  EXPECT_EQ(table.text(last, 0), "");
  EXPECT_EQ(table.kind(last, 1), CellKind::Null);
  EXPECT_EQ(table.text(last, 1), "");
}

TEST(JetText, CompressedAndPlainUtf16DecodeToUtf8) {
  using namespace std::string_literals;
  const std::pair<std::string, std::string> cases[] = {
      // Compressed: one byte per character until a zero byte switches to UTF-16LE and back.
      {"\xFF\xFEMH-1"s, "MH-1"},
      {"\xFF\xFE\x41\xE4\0\x1F\x04\0B"s, "Aä\u041FB"},
      {"\xFF\xFE"s, ""},
      // Plain UTF-16LE, with a surrogate pair, a lone surrogate and a dangling byte.
      {"N\0\xD8\0"s, "NØ"},
      {"\x3D\xD8\0\xDE"s, "😀"},
      {"\x3D\xD8\x41\0"s, "\uFFFDA"},
      {"A\0B"s, "A"},
      // A high half at the end, a low half alone, a high half followed by a pair,
      // and a pair after switching from compressed to UTF-16LE.
      {"A\0\x3D\xD8"s, "A\uFFFD"},
      {"\0\xDE"
       "A\0"s,
       "\uFFFDA"},
      {"\x3D\xD8\x3D\xD8\0\xDE"s, "\uFFFD😀"},
      {"\xFF\xFEx\0\x3D\xD8\x01\xDE"s, "x😁"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(decodeJet4Text(bytes), text);
}

TEST(JetDate, DaysSince1899ReadAsDateAndTime) {
  EXPECT_EQ(jetDateText(38751.924305555556), "2006-02-03 22:11:00");
  EXPECT_EQ(jetDateText(60.0), "1900-02-28 00:00:00");  // no 29 February 1900 before March
  EXPECT_EQ(jetDateText(61.0), "1900-03-01 00:00:00");
  // Before 1899-12-30 the fraction still counts forward from midnight.
  EXPECT_EQ(jetDateText(-1.25), "1899-12-29 06:00:00");
  EXPECT_EQ(jetDateText(-1.9999999999), "1899-12-30 00:00:00");  // rounds into the next day
}

}  // namespace
}  // namespace tarvello
