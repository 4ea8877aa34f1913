#pragma once
// The commands of tarvello-cli, one function each, working on the parsed
// options. A command writes its results to `out` and its problems to `err`
// and returns the exit status.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "common/one_line.h"
#include "common/write_result.h"
#include "database/project_database.h"

namespace tarvello::cli {

using tarvello::oneLine;

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

// Runs `write` without replacing an existing file; when the file exists, the
// overwrite question is printed (after `questionPrefix`) with its answer, and
// with `force` the file is written again, replacing it.
WriteResult writeFile(bool force, std::ostream& out, const std::string& questionPrefix,
                      const std::function<WriteResult(Overwrite)>& write);
std::string overwriteAnswer(bool force);

}  // namespace tarvello::cli
