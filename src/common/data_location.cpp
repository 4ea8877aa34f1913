#include "common/data_location.h"

#include <system_error>

namespace fs = std::filesystem;

namespace tarvello {

fs::path executableFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec || self.empty() ? fs::path(".") : self.parent_path();
}

fs::path dataFile(const fs::path& programFolder, std::string_view name) {
  const fs::path installed = programFolder / ".." / "share" / "tarvello" / name;
  std::error_code ec;
  if (fs::is_regular_file(installed, ec)) {
    // Shown in messages: without the "..", as the file really is.
    const fs::path real = fs::canonical(installed, ec);
    return ec ? installed : real;
  }
  return programFolder / name;
}

fs::path dataFile(std::string_view name) { return dataFile(executableFolder(), name); }

}  // namespace tarvello
