#pragma once
// The commands of tarvello-cli, one function each, working on the parsed
// options. A command writes its results to `out` and its problems to `err`
// and returns the exit status.
#include <iosfwd>
#include <string>
#include <string_view>

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

// A node number or other field text on one output line: a backslash becomes
// "\\", line feed, carriage return and tab "\n", "\r", "\t", other control
// characters "\xHH"; everything else is copied.
std::string oneLine(std::string_view text);

}  // namespace tarvello::cli
