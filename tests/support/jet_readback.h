#pragma once
// Reads Jet files back through two readers that share no code with the
// writer: libmdb (mdbtools) and the npm package mdb-reader.
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace jettest {

using Values = std::vector<std::vector<std::optional<std::string>>>;

// A table as libmdb's binding prints it; null (per the row's null mask) is
// nullopt.
struct LibmdbTable {
  std::vector<std::string> columns;
  std::vector<int> types;  // Jet column type codes
  unsigned declaredRows = 0;
  Values rows;
};

std::vector<std::string> libmdbTableNames(const std::string& path);
LibmdbTable readWithLibmdb(const std::string& path, const std::string& table);

// Output of tools/jet/reader/dump.mjs for `path`; nullopt when the npm
// packages are not installed (tools/jet/reader/install.sh installs them).
std::optional<nlohmann::json> readWithMdbReader(const std::string& path);
inline constexpr const char* kNoMdbReader =
    "the npm reader is not installed: run tools/jet/reader/install.sh";

}  // namespace jettest
