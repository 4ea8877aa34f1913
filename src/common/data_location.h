#pragma once
// Where the programs find the files they ship with (the user guide, the
// workbook template). An installed program keeps them in share/tarvello beside
// its bin folder; in a build tree they sit beside the executable.
#include <filesystem>
#include <string_view>

namespace tarvello {

// The folder of the running executable, or "." when it cannot be told.
std::filesystem::path executableFolder();

// `programFolder`/../share/tarvello/`name` when that file exists, otherwise
// `programFolder`/`name` (which may not exist: the caller reports it).
std::filesystem::path dataFile(const std::filesystem::path& programFolder, std::string_view name);

// The same, for the running executable's folder.
std::filesystem::path dataFile(std::string_view name);

}  // namespace tarvello
