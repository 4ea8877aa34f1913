#include "cli_commands.h"

#include <ostream>

#include "commands/commands.h"
#include "run/project_open.h"

namespace tarvello::cli {

std::string overwriteAnswer(bool force) {
  // Printed so that a log of the run shows what was decided on the user's behalf.
  return std::string(kOverwriteQuestion) +
         (force ? " yes (--force)" : " no (give --force to answer yes)");
}

WriteResult writeFile(bool force, std::ostream& out, const std::string& questionPrefix,
                      const std::function<WriteResult(Overwrite)>& write) {
  WriteResult result = write(Overwrite::No);
  if (result.status == WriteResult::Status::Exists) {
    out << questionPrefix << overwriteAnswer(force) << '\n';
    if (force) result = write(Overwrite::Yes);
  }
  return result;
}

int listOutfalls(const Options& options, std::ostream& out, std::ostream& err) {
  ProjectDatabases databases;
  std::vector<std::string> outfalls;
  if (const std::string error = openProject(options.pipeDb, options.inletDb, databases, &outfalls);
      !error.empty()) {
    err << error << '\n';
    return kExitError;
  }
  out << "Units: " << oneLine(databases.unitSystem()) << '\n';
  for (const auto& node : outfalls) out << oneLine(node) << '\n';
  return out ? kExitOk : kExitError;
}

}  // namespace tarvello::cli
