#pragma once
// Opening a project without dialogs (the CLI and the page): the pipe
// database, its outfall list, then the inlet database.
#include <string>
#include <vector>

#include "database/project_database.h"

namespace tarvello {

// Opens the pipe database, reads its outfall list (only checks that it could
// be read when `outfalls` is null), then the inlet database if one is named.
// "" on success, else the message, naming the file.
std::string openProject(const std::string& pipeDb, const std::string& inletDb,
                        ProjectDatabases& databases, std::vector<std::string>* outfalls);

}  // namespace tarvello
