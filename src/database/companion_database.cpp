#include "database/companion_database.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <tuple>

#include "common/ascii_case.h"

namespace fs = std::filesystem;

namespace tarvello {
namespace {

using Extensions = std::array<const char*, 2>;
constexpr Extensions kPipeExtensions{".bvp", ".bvh"};
constexpr Extensions kInletExtensions{".olm", ".olh"};

std::optional<size_t> indexOf(const Extensions& extensions, const std::string& extension) {
  for (size_t i = 0; i < extensions.size(); ++i)
    if (equalsIgnoringCase(extension, extensions[i])) return i;
  return std::nullopt;
}

// The file beside `file` with its stem and one of `extensions`. Files copied
// from other systems often differ in letter case only, so case is ignored; an
// exact stem beats one that differs in case, then the extension that shares
// its last letter with `file`'s (.bvh with .olh), then the first listed.
std::string partnerOf(const fs::path& file, const Extensions& extensions) {
  const std::string stem = file.stem().string();
  const std::string extension = file.extension().string();
  const bool lastLetterH =
      !extension.empty() && (extension.back() == 'h' || extension.back() == 'H');
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");

  std::optional<std::tuple<bool, bool, std::string>> best;
  std::string found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path name = it->path().filename();
    const auto index = indexOf(extensions, name.extension().string());
    if (!index || !equalsIgnoringCase(name.stem().string(), stem)) continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    const bool otherCase = name.stem().string() != stem;
    const bool otherLetter = (*index == 1) != lastLetterH;
    std::tuple<bool, bool, std::string> rank{otherCase, otherLetter, name.string()};
    if (!best || rank < *best) {
      best = rank;
      found = file.has_parent_path() ? (folder / name).string() : name.string();
    }
  }
  return found;
}

}  // namespace

DatabasePair databasesForOneFile(const std::string& path) {
  const fs::path file(path);
  const std::string extension = file.extension().string();
  if (indexOf(kInletExtensions, extension)) return {partnerOf(file, kPipeExtensions), path};
  if (indexOf(kPipeExtensions, extension)) return {path, partnerOf(file, kInletExtensions)};
  return {path, ""};
}

}  // namespace tarvello
