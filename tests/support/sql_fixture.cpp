#include "support/sql_fixture.h"

#include <sqlite3.h>

#include <string_view>
#include <vector>

namespace tarvello::testing {
namespace {

struct Closer {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

[[noreturn]] void fail(sqlite3* db, const std::string& path) {
  throw DatabaseError((path.empty() ? "(database in memory)" : path) + ": " + sqlite3_errmsg(db));
}

std::unique_ptr<sqlite3_stmt, Closer> prepare(sqlite3* db, const std::string& sql,
                                              const std::string& path) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) fail(db, path);
  return std::unique_ptr<sqlite3_stmt, Closer>(raw);
}

StoredTable readTable(sqlite3* db, const std::string& name, const std::string& path) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  const auto select = prepare(db, "SELECT * FROM " + quoted + "\"", path);
  sqlite3_stmt* s = select.get();
  std::vector<std::string> columns;
  for (int c = 0; c < sqlite3_column_count(s); ++c) columns.emplace_back(sqlite3_column_name(s, c));
  StoredTable table(name, std::move(columns));
  int rc;
  while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    for (int c = 0; c < table.columnCount(); ++c) {
      const auto bytes = [&] {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(s, c));
        return p ? std::string_view(p, static_cast<size_t>(sqlite3_column_bytes(s, c)))
                 : std::string_view();
      };
      switch (sqlite3_column_type(s, c)) {
        case SQLITE_INTEGER:
          table.addInteger(sqlite3_column_int64(s, c));
          break;
        case SQLITE_FLOAT:
          table.addReal(sqlite3_column_double(s, c));
          break;
        case SQLITE_NULL:
          table.addNull();
          break;
        case SQLITE_TEXT:
          table.addText(bytes());
          break;
        default:
          table.addBlob(bytes());
          break;
      }
    }
  }
  if (rc != SQLITE_DONE) fail(db, path);
  return table;
}

}  // namespace

std::unique_ptr<ProjectDatabase> databaseFromSql(const std::string& sql, DatabaseKind kind,
                                                 std::string path) {
  sqlite3* raw = nullptr;
  const int opened =
      sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  const std::unique_ptr<sqlite3, Closer> db(raw);
  if (opened != SQLITE_OK) fail(raw, path);
  if (sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail(raw, path);
  std::vector<StoredTable> tables;
  const auto names =
      prepare(raw, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid", path);
  while (sqlite3_step(names.get()) == SQLITE_ROW)
    tables.push_back(
        readTable(raw, reinterpret_cast<const char*>(sqlite3_column_text(names.get(), 0)), path));
  return ProjectDatabase::fromTables(std::move(tables), kind, std::move(path));
}

}  // namespace tarvello::testing
