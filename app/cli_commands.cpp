#include "cli_commands.h"

#include <exception>
#include <ostream>

#include "commands/commands.h"

namespace tarvello::cli {

bool openDatabases(const std::string& pipeDb, const std::string& inletDb,
                   ProjectDatabases& databases, std::vector<std::string>* outfalls,
                   std::ostream& err) {
  if (pipeDb.empty()) {
    err << "No Pipe project database selected!\n";
    return false;
  }
  if (const std::string error = databases.openPipeDatabase(pipeDb); !error.empty()) {
    err << error << '\n';
    return false;
  }
  try {
    // Sorting a large network's outfalls is a noticeable part of a run that does not show them.
    if (outfalls)
      *outfalls = databases.outfallNodes();
    else
      databases.checkOutfallField();
  } catch (const std::exception& e) {
    err << e.what() << '\n';
    return false;
  }
  if (inletDb.empty()) return true;
  if (const std::string error = databases.openInletDatabase(inletDb); !error.empty()) {
    err << error << '\n';
    return false;
  }
  return true;
}

std::string overwriteAnswer(bool force) {
  // Printed so that a log of the run shows what was decided on the user's behalf.
  return std::string(kOverwriteQuestion) +
         (force ? " yes (--force)" : " no (give --force to answer yes)");
}

WriteResult writeFile(bool force, std::ostream& out, std::ostream& err,
                      const std::function<WriteResult(Overwrite)>& write) {
  WriteResult result = write(Overwrite::No);
  if (result.status == WriteResult::Status::Exists) {
    out << overwriteAnswer(force) << '\n';
    if (force) result = write(Overwrite::Yes);
  }
  if (result.status == WriteResult::Status::Failed && !result.message.empty())
    err << result.message << '\n';
  return result;
}

int listOutfalls(const Options& options, std::ostream& out, std::ostream& err) {
  ProjectDatabases databases;
  std::vector<std::string> outfalls;
  if (!openDatabases(options.pipeDb, options.inletDb, databases, &outfalls, err)) return kExitError;
  out << "Units: " << oneLine(databases.unitSystem()) << '\n';
  for (const auto& node : outfalls) out << oneLine(node) << '\n';
  return out ? kExitOk : kExitError;
}

}  // namespace tarvello::cli
