#pragma once
// Reads Jet files back through two readers that share no code with the
// writer: libmdb (mdbtools) and the npm package mdb-reader.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

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

struct Json {
  using Object = std::vector<std::pair<std::string, Json>>;
  std::variant<std::nullptr_t, bool, double, std::string, std::vector<Json>, Object> v;

  const Json& operator[](std::string_view key) const;
  const Json& operator[](std::size_t i) const;
  std::size_t size() const;
  const std::string& str() const { return std::get<std::string>(v); }
  double num() const { return std::get<double>(v); }
};

Json parseJson(std::string_view text);

// Output of tools/jet/reader/dump.mjs for `path`; throws, telling to run
// tools/jet/reader/install.sh, when the npm packages are missing.
Json readWithMdbReader(const std::string& path);

struct CommandResult {
  int status = -1;
  std::string out;  // standard output only
};
CommandResult runCommand(const std::string& command);
std::string shellQuote(const std::string& s);

}  // namespace jettest
