#pragma once
// A project database (pipe or inlet): the tables it needs, read from a Jet
// file into memory (see StoredTable).
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_stamp.h"
#include "database/stored_table.h"

namespace tarvello {

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class DatabaseKind { Pipe, Inlet };

class ProjectDatabase {
 public:
  ProjectDatabase(const ProjectDatabase&) = delete;
  ProjectDatabase& operator=(const ProjectDatabase&) = delete;

  // Opens a Jet file strictly read-only and reads PIPE and PROJECT (pipe
  // database) or INLET and PROJECT (inlet database) into memory. Throws
  // DatabaseError with a message that names the file and what is wrong.
  static std::unique_ptr<ProjectDatabase> openJet(const std::string& path, DatabaseKind kind);
  // A database made of tables already read (tests and tools).
  static std::unique_ptr<ProjectDatabase> fromTables(std::vector<StoredTable> tables,
                                                     DatabaseKind kind, std::string path = "");

  const std::string& path() const { return path_; }
  DatabaseKind kind() const { return kind_; }
  // The file as it was when it was read (unknown for a database made in memory).
  const FileStamp& stamp() const { return stamp_; }
  // SHA-256 of the file, 64 hex digits ("" for a database made in memory):
  // what a set of outputs names as its source. Taken when first asked, not
  // at open, since most runs never need it; a file whose stamp no longer
  // matches the one taken at open gives "" and `error`, as its bytes may no
  // longer be the ones read.
  std::string sha256(std::string& error) const;

  // A table by name (letter case ignored). Throws DatabaseError naming the
  // database when it has no such table. The shared form lets a reader keep
  // the table beyond the database without copying it.
  const StoredTable& table(std::string_view name) const { return *sharedTable(name); }
  std::shared_ptr<const StoredTable> sharedTable(std::string_view name) const;

  // UNITS of the first PROJECT record joined to "" (a null gives ""). Throws
  // DatabaseError when PROJECT or UNITS is missing or PROJECT has no record.
  std::string readUnits() const;
  // Every distinct NODEOUT_NO that is neither null nor empty text, in SQL's
  // ascending order: numbers by value, then text, then binary values, each
  // by its bytes. Throws DatabaseError when PIPE or NODEOUT_NO is missing.
  std::vector<std::string> outfallNodes() const;
  // Throws as outfallNodes() would, without building the list.
  void checkOutfallField() const;
  // "NAME: what is missing", NAME the path or "(database in memory)".
  [[noreturn]] void throwMissing(const std::string& what) const;

 private:
  ProjectDatabase(DatabaseKind kind, std::string path) : kind_(kind), path_(std::move(path)) {}
  static std::unique_ptr<ProjectDatabase> openJetFile(const std::string& path, DatabaseKind kind);
  std::vector<std::shared_ptr<const StoredTable>> tables_;
  DatabaseKind kind_;
  std::string path_;
  FileStamp stamp_;
  mutable std::mutex hashMutex_;  // a run's outputs may be written off the window's thread
  mutable std::string sha256_;
};

// The two open project databases and the unit system, as the main window
// keeps them. A failed open leaves the previous database and unit system.
// Copies share the opened databases, which are never changed once read, so
// a run can hold on to the ones it was made from.
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
  std::shared_ptr<const ProjectDatabase> sharedPipe() const { return pipe_; }
  std::shared_ptr<const ProjectDatabase> sharedInlet() const { return inlet_; }
  const ProjectDatabase* inlet() const { return inlet_.get(); }
  const std::string& pipeDbPath() const { return pipePath_; }
  const std::string& inletDbPath() const { return inletPath_; }
  // UNITS of the database opened last ("" when none was read).
  const std::string& unitSystem() const { return unitSystem_; }
  // The outfall list of the pipe database (empty without one). Throws
  // DatabaseError when the query fails.
  std::vector<std::string> outfallNodes() const;
  // Fails as outfallNodes() would; a run with its outfall already chosen needs no list.
  void checkOutfallField() const;

 private:
  std::string install(std::shared_ptr<const ProjectDatabase>& slot, std::string& pathSlot,
                      std::unique_ptr<ProjectDatabase> db);
  std::shared_ptr<const ProjectDatabase> pipe_, inlet_;
  std::string pipePath_, inletPath_;
  std::string unitSystem_;
};

}  // namespace tarvello
