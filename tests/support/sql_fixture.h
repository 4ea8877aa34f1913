#pragma once
// Project databases for tests, written as SQL: SQLite runs the statements in
// memory and every table it then holds becomes a table of the database, with
// each value of its own storage class and the records in rowid order.
#include <memory>
#include <string>

#include "database/project_database.h"

namespace tarvello::testing {

// Throws DatabaseError naming `path` (or "(database in memory)") when a
// statement fails.
std::unique_ptr<ProjectDatabase> databaseFromSql(const std::string& sql, DatabaseKind kind,
                                                 std::string path = "");

}  // namespace tarvello::testing
