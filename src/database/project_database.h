#pragma once
// A project database (pipe or inlet) read from a Jet file into an in-memory
// SQLite copy. Every query runs as a prepared statement with bound parameters.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tarvello {

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ResultSet {
  std::vector<std::string> columns;
  std::vector<std::vector<Value>> rows;

  bool empty() const { return rows.empty(); }
  size_t size() const { return rows.size(); }
  // Column index by name (case-insensitive, as Jet field names are), or -1.
  int columnIndex(std::string_view name) const;
  // The field of a row, or nullptr when the column or the row does not exist.
  const Value* field(size_t row, std::string_view name) const;
};

// A statement being stepped: each row is read in place, so that a large table
// is never copied whole into values first.
class QueryRows {
 public:
  enum class Kind { Null, Integer, Real, Text };  // Text: TEXT and BLOB bytes

  const std::vector<std::string>& columns() const { return columns_; }
  // Column index by name (case-insensitive), or -1.
  int columnIndex(std::string_view name) const;
  // Moves to the next row; false after the last. Throws DatabaseError.
  bool next();

  Kind kind(int column) const;
  std::int64_t integer(int column) const;
  double real(int column) const;
  std::string_view text(int column) const;
  Value value(int column) const;

 private:
  friend class ProjectDatabase;
  struct Finalizer {
    void operator()(sqlite3_stmt* statement) const;
  };
  QueryRows(sqlite3* db, sqlite3_stmt* statement, std::string name);
  sqlite3* db_;
  std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
  std::string name_;
  std::vector<std::string> columns_;
};

enum class DatabaseKind { Pipe, Inlet };

class ProjectDatabase {
 public:
  ~ProjectDatabase();
  ProjectDatabase(const ProjectDatabase&) = delete;
  ProjectDatabase& operator=(const ProjectDatabase&) = delete;

  // Opens a Jet file strictly read-only and copies PIPE and PROJECT (pipe
  // database) or INLET and PROJECT (inlet database) into memory. Throws
  // DatabaseError with a message that names the file and what is wrong.
  static std::unique_ptr<ProjectDatabase> openJet(const std::string& path, DatabaseKind kind);
  // A database made from SQL statements (tests and tools).
  static std::unique_ptr<ProjectDatabase> fromSql(const std::string& sql, DatabaseKind kind,
                                                  std::string path = "");

  const std::string& path() const { return path_; }
  DatabaseKind kind() const { return kind_; }

  // Runs one statement with `params` bound to its ? placeholders in order.
  // Throws DatabaseError on a missing table or field.
  ResultSet query(const std::string& sql, const std::vector<std::string>& params = {}) const;
  // The same statement, its rows read one at a time.
  QueryRows rows(const std::string& sql, const std::vector<std::string>& params = {}) const;

  // UNITS of the first PROJECT record joined to "" (a null gives ""). Throws
  // DatabaseError when PROJECT or UNITS is missing or PROJECT has no record.
  std::string readUnits() const;
  // Every distinct NODEOUT_NO that is neither null nor empty, ascending.
  std::vector<std::string> outfallNodes() const;

  sqlite3* handle() const { return db_; }

 private:
  ProjectDatabase(sqlite3* db, DatabaseKind kind, std::string path);
  static std::unique_ptr<ProjectDatabase> openJetFile(const std::string& path, DatabaseKind kind);
  sqlite3* db_;
  DatabaseKind kind_;
  std::string path_;
};

// The two open project databases and the unit system, as the main window
// keeps them. A failed open leaves the previous database and unit system.
class ProjectDatabases {
 public:
  // Opens and replaces; returns "" on success, on failure the message to show
  // (naming the file), and then changes nothing.
  std::string openPipeDatabase(const std::string& path);
  std::string openInletDatabase(const std::string& path);
  // Installs an already opened database (tests) and reads its units.
  std::string setPipeDatabase(std::unique_ptr<ProjectDatabase> db);
  std::string setInletDatabase(std::unique_ptr<ProjectDatabase> db);

  const ProjectDatabase* pipe() const { return pipe_.get(); }
  const ProjectDatabase* inlet() const { return inlet_.get(); }
  const std::string& pipeDbPath() const { return pipePath_; }
  const std::string& inletDbPath() const { return inletPath_; }
  // UNITS of the database opened last ("" when none was read).
  const std::string& unitSystem() const { return unitSystem_; }
  // The outfall list of the pipe database (empty without one). Throws
  // DatabaseError when the query fails.
  std::vector<std::string> outfallNodes() const;

 private:
  std::string install(std::unique_ptr<ProjectDatabase>& slot, std::string& pathSlot,
                      std::unique_ptr<ProjectDatabase> db);
  std::unique_ptr<ProjectDatabase> pipe_, inlet_;
  std::string pipePath_, inletPath_;
  std::string unitSystem_;
};

}  // namespace tarvello
