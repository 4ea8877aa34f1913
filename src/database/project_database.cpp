#include "database/project_database.h"

#include "common/ascii_case.h"

#include <sqlite3.h>

#include <new>

#include "database/jet_file.h"

namespace tarvello {
namespace {

struct SqliteCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using SqlitePtr = std::unique_ptr<sqlite3, SqliteCloser>;

std::string displayName(const std::string& path) {
  return path.empty() ? "(database in memory)" : path;
}

SqlitePtr openMemory() {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    sqlite3_close(db);
    throw DatabaseError("the in-memory database cannot be created");
  }
  return SqlitePtr(db);
}

// SQLite's wording, in the terms of a project database.
std::string describeSqliteError(sqlite3* db) {
  std::string message = sqlite3_errmsg(db);
  for (const auto& [prefix, noun] :
       {std::pair{"no such table: ", "table "}, std::pair{"no such column: ", "field "}}) {
    if (message.rfind(prefix, 0) == 0)
      return noun + message.substr(std::string_view(prefix).size()) + " is missing";
  }
  return message;
}

void execute(sqlite3* db, const char* sql, const std::string& path) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw DatabaseError(displayName(path) + ": " + describeSqliteError(db));
}

}  // namespace

int ResultSet::columnIndex(std::string_view name) const {
  for (size_t i = 0; i < columns.size(); ++i)
    if (equalsIgnoringCase(columns[i], name)) return static_cast<int>(i);
  return -1;
}

const Value* ResultSet::field(size_t row, std::string_view name) const {
  const int column = columnIndex(name);
  if (column < 0 || row >= rows.size()) return nullptr;
  const auto& cells = rows[row];
  return static_cast<size_t>(column) < cells.size() ? &cells[static_cast<size_t>(column)] : nullptr;
}

ProjectDatabase::ProjectDatabase(sqlite3* db, DatabaseKind kind, std::string path)
    : db_(db), kind_(kind), path_(std::move(path)) {}

ProjectDatabase::~ProjectDatabase() { sqlite3_close(db_); }

std::unique_ptr<ProjectDatabase> ProjectDatabase::openJet(const std::string& path,
                                                          DatabaseKind kind) {
  try {
    return openJetFile(path, kind);
  } catch (const std::bad_alloc&) {
    throw DatabaseError("There is not enough memory to read " + path + ".");
  }
}

std::unique_ptr<ProjectDatabase> ProjectDatabase::openJetFile(const std::string& path,
                                                              DatabaseKind kind) {
  const JetFile file(path);
  const bool pipe = kind == DatabaseKind::Pipe;
  const std::vector<std::string> required = {pipe ? "PIPE" : "INLET", "PROJECT"};
  std::vector<std::string> missing;
  for (const auto& table : required)
    if (file.findTable(table).empty()) missing.push_back(table);
  if (!missing.empty()) {
    std::string message =
        path + ": " +
        (missing.size() == 1 ? "table " + missing[0] + " is missing"
                             : "tables " + missing[0] + " and " + missing[1] + " are missing");
    // The two kinds are easily mixed up in the file dialog's "All files" view.
    if (!file.findTable(pipe ? "INLET" : "PIPE").empty())
      message += pipe ? " (this looks like an inlet project database)"
                      : " (this looks like a pipe project database)";
    throw DatabaseError(message);
  }

  SqlitePtr db = openMemory();
  execute(db.get(), "BEGIN", path);
  for (const auto& table : required) file.copyTable(table, db.get());
  execute(db.get(), "COMMIT", path);

  std::unique_ptr<ProjectDatabase> result(new ProjectDatabase(db.release(), kind, path));
  if (result->query("SELECT * FROM PROJECT WHERE 0").columnIndex("UNITS") < 0)
    throw DatabaseError(path + ": table PROJECT has no field UNITS");
  return result;
}

std::unique_ptr<ProjectDatabase> ProjectDatabase::fromSql(const std::string& sql, DatabaseKind kind,
                                                          std::string path) {
  SqlitePtr db = openMemory();
  execute(db.get(), sql.c_str(), path);
  return std::unique_ptr<ProjectDatabase>(new ProjectDatabase(db.release(), kind, std::move(path)));
}

void QueryRows::Finalizer::operator()(sqlite3_stmt* statement) const {
  sqlite3_finalize(statement);
}

QueryRows::QueryRows(sqlite3* db, sqlite3_stmt* statement, std::string name)
    : db_(db), statement_(statement), name_(std::move(name)) {
  const int columns = sqlite3_column_count(statement);
  columns_.reserve(static_cast<size_t>(columns));
  for (int c = 0; c < columns; ++c) {
    const char* columnName = sqlite3_column_name(statement, c);
    columns_.emplace_back(columnName ? columnName : "");
  }
}

int QueryRows::columnIndex(std::string_view name) const {
  for (size_t i = 0; i < columns_.size(); ++i)
    if (equalsIgnoringCase(columns_[i], name)) return static_cast<int>(i);
  return -1;
}

bool QueryRows::next() {
  const int rc = sqlite3_step(statement_.get());
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) throw DatabaseError(name_ + ": " + describeSqliteError(db_));
  return false;
}

QueryRows::Kind QueryRows::kind(int column) const {
  switch (sqlite3_column_type(statement_.get(), column)) {
    case SQLITE_INTEGER:
      return Kind::Integer;
    case SQLITE_FLOAT:
      return Kind::Real;
    case SQLITE_NULL:
      return Kind::Null;
    default:
      return Kind::Text;
  }
}

std::int64_t QueryRows::integer(int column) const {
  return sqlite3_column_int64(statement_.get(), column);
}

double QueryRows::real(int column) const { return sqlite3_column_double(statement_.get(), column); }

std::string_view QueryRows::text(int column) const {
  // TEXT, and BLOB (binary and OLE fields) as its bytes: Value has no binary kind.
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_.get(), column));
  const int size = sqlite3_column_bytes(statement_.get(), column);
  return bytes ? std::string_view(bytes, static_cast<size_t>(size)) : std::string_view();
}

Value QueryRows::value(int column) const {
  switch (kind(column)) {
    case Kind::Integer:
      return Value::integer(integer(column));
    case Kind::Real:
      return Value::real(real(column));
    case Kind::Null:
      return Value::null();
    case Kind::Text:
      break;
  }
  return Value::text(std::string(text(column)));
}

QueryRows ProjectDatabase::rows(const std::string& sql,
                                const std::vector<std::string>& params) const {
  const std::string name = displayName(path_);
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) !=
      SQLITE_OK)
    throw DatabaseError(name + ": " + describeSqliteError(db_));
  if (!raw) throw DatabaseError(name + ": the query is empty");
  QueryRows result(db_, raw, name);

  const int expected = sqlite3_bind_parameter_count(raw);
  if (expected != static_cast<int>(params.size()))
    throw DatabaseError(name + ": the query takes " + std::to_string(expected) + " values, " +
                        std::to_string(params.size()) + " given");
  for (size_t i = 0; i < params.size(); ++i)
    sqlite3_bind_text(raw, static_cast<int>(i) + 1, params[i].data(),
                      static_cast<int>(params[i].size()), SQLITE_TRANSIENT);
  return result;
}

ResultSet ProjectDatabase::query(const std::string& sql,
                                 const std::vector<std::string>& params) const {
  QueryRows rows = this->rows(sql, params);
  ResultSet result;
  result.columns = rows.columns();
  const int columns = static_cast<int>(result.columns.size());
  while (rows.next()) {
    std::vector<Value> row;
    row.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) row.push_back(rows.value(c));
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::string ProjectDatabase::readUnits() const {
  const ResultSet result = query("select UNITS from PROJECT");
  // Taking "" here would silently turn an English project metric.
  if (result.empty())
    throw DatabaseError(displayName(path_) +
                        ": table PROJECT has no records, so the unit system is unknown");
  return result.rows[0][0].asText();
}

std::vector<std::string> ProjectDatabase::outfallNodes() const {
  const ResultSet result = query(
      "SELECT DISTINCT NODEOUT_NO FROM PIPE WHERE NODEOUT_NO IS NOT NULL AND NODEOUT_NO <> '' "
      "ORDER BY NODEOUT_NO");
  std::vector<std::string> nodes;
  nodes.reserve(result.size());
  for (const auto& row : result.rows) nodes.push_back(row[0].asText());
  return nodes;
}

std::string ProjectDatabases::install(std::unique_ptr<ProjectDatabase>& slot, std::string& pathSlot,
                                      std::unique_ptr<ProjectDatabase> db) {
  if (!db) return "No project database given";
  std::string units;
  try {
    units = db->readUnits();
  } catch (const DatabaseError& e) {
    return e.what();
  }
  pathSlot = db->path();
  slot = std::move(db);
  unitSystem_ = std::move(units);
  return "";
}

std::string ProjectDatabases::openPipeDatabase(const std::string& path) {
  try {
    return install(pipe_, pipePath_, ProjectDatabase::openJet(path, DatabaseKind::Pipe));
  } catch (const DatabaseError& e) {
    return e.what();
  } catch (const std::exception& e) {
    return path + ": " + e.what();
  }
}

std::string ProjectDatabases::openInletDatabase(const std::string& path) {
  try {
    return install(inlet_, inletPath_, ProjectDatabase::openJet(path, DatabaseKind::Inlet));
  } catch (const DatabaseError& e) {
    return e.what();
  } catch (const std::exception& e) {
    return path + ": " + e.what();
  }
}

std::string ProjectDatabases::setPipeDatabase(std::unique_ptr<ProjectDatabase> db) {
  return install(pipe_, pipePath_, std::move(db));
}

std::string ProjectDatabases::setInletDatabase(std::unique_ptr<ProjectDatabase> db) {
  return install(inlet_, inletPath_, std::move(db));
}

std::vector<std::string> ProjectDatabases::outfallNodes() const {
  if (!pipe_) return {};
  return pipe_->outfallNodes();
}

}  // namespace tarvello
