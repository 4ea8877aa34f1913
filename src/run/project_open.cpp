#include "run/project_open.h"

#include <exception>

namespace tarvello {

std::string openProject(const std::string& pipeDb, const std::string& inletDb,
                        ProjectDatabases& databases, std::vector<std::string>* outfalls) {
  if (pipeDb.empty()) return "No Pipe project database selected!";
  if (std::string error = databases.openPipeDatabase(pipeDb); !error.empty()) return error;
  try {
    // Sorting a large network's outfalls is a noticeable part of a run that does not show them.
    if (outfalls)
      *outfalls = databases.outfallNodes();
    else
      databases.checkOutfallField();
  } catch (const std::exception& e) {
    return e.what();
  }
  if (inletDb.empty()) return "";
  return databases.openInletDatabase(inletDb);
}

}  // namespace tarvello
