#pragma once
// The commands of tarvello-cli, one function each, working on the parsed
// options. A command writes its results to `out` and its problems to `err`
// and returns the exit status.
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "common/one_line.h"  // oneLine, which every command uses
#include "common/write_result.h"
#include "database/project_database.h"

namespace tarvello::cli {

enum ExitStatus : int { kExitOk = 0, kExitError = 1, kExitUsage = 2 };

struct Options {
  std::string pipeDb;   // --pipe-db
  std::string inletDb;  // --inlet-db
  bool force = false;   // --force: answer yes to every question
  bool listOutfalls = false;
};

// --list-outfalls: opens the pipe database (then the inlet database, if
// given, which then decides the unit system as the database opened last) and
// prints "Units: " and the unit system on the first line, then every outfall
// node, one a line, ascending.
int listOutfalls(const Options& options, std::ostream& out, std::ostream& err);

// Opens the pipe database, reads its outfall list (only checks that it could
// be read when `outfalls` is null), then opens the inlet database if one is
// named. False (and the message on `err`) on a failure.
bool openDatabases(const std::string& pipeDb, const std::string& inletDb,
                   ProjectDatabases& databases, std::vector<std::string>* outfalls,
                   std::ostream& err);

// Runs `write` without replacing an existing file; when the file exists, the
// overwrite question is printed with its answer, and with `force` the file is
// written again, replacing it. A failure's message goes to `err`.
WriteResult writeFile(bool force, std::ostream& out, std::ostream& err,
                      const std::function<WriteResult(Overwrite)>& write);
std::string overwriteAnswer(bool force);

}  // namespace tarvello::cli
