#include "support/jet_readback.h"

#include <mdbtools.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "support/command.h"

namespace jettest {
namespace {

using Handle = std::unique_ptr<MdbHandle, decltype(&mdb_close)>;

Handle open(const std::string& path) {
  Handle mdb(mdb_open(path.c_str(), MDB_NOFLAGS), &mdb_close);
  if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE))
    throw std::runtime_error("libmdb cannot read " + path);
  return mdb;
}

}  // namespace

std::vector<std::string> libmdbTableNames(const std::string& path) {
  Handle mdb = open(path);
  std::vector<std::string> names;
  for (unsigned i = 0; i < mdb->num_catalog; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (mdb_is_user_table(entry)) names.emplace_back(entry->object_name);
  }
  return names;
}

LibmdbTable readWithLibmdb(const std::string& path, const std::string& table) {
  Handle mdb = open(path);
  constexpr std::size_t kBind = 1 << 20;  // room for long memo text
  mdb_set_bind_size(mdb.get(), kBind);
  std::string name = table;
  std::unique_ptr<MdbTableDef, decltype(&mdb_free_tabledef)> t(
      mdb_read_table_by_name(mdb.get(), name.data(), MDB_TABLE), &mdb_free_tabledef);
  if (!t || !mdb_read_columns(t.get()))
    throw std::runtime_error("libmdb cannot read table " + table);
  LibmdbTable out;
  out.declaredRows = t->num_rows;
  const unsigned n = t->num_cols;
  std::vector<std::vector<char>> bound(n, std::vector<char>(kBind));
  std::vector<int> lens(n);
  for (unsigned i = 0; i < n; ++i) {
    auto* col = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
    out.columns.emplace_back(col->name);
    out.types.push_back(col->col_type);
    mdb_bind_column(t.get(), static_cast<int>(i + 1), bound[i].data(), &lens[i]);
  }
  mdb_rewind_table(t.get());
  std::vector<MdbField> fields(n);
  while (mdb_fetch_row(t.get())) {
    // The binding prints null and empty text alike; the null mask of the
    // row just fetched (its page is still loaded) tells them apart.
    int start = 0;
    std::size_t size = 0;
    if (mdb_find_row(mdb.get(), static_cast<int>(t->cur_row - 1), &start, &size) != 0 ||
        mdb_crack_row(t.get(), start & 0x1FFF, size, fields.data()) < 0) {
      throw std::runtime_error("libmdb cannot crack a row of " + table);
    }
    auto& row = out.rows.emplace_back();
    for (unsigned i = 0; i < n; ++i) {
      if (fields[i].is_null && out.types[i] != MDB_BOOL) {
        row.emplace_back(std::nullopt);
      } else {
        row.emplace_back(std::string(bound[i].data()));
      }
    }
  }
  return out;
}

std::optional<nlohmann::json> readWithMdbReader(const std::string& path) {
  const std::filesystem::path dir = std::filesystem::path(TARVELLO_SOURCE_DIR) / "tools/jet/reader";
  if (!std::filesystem::exists(dir / "node_modules/mdb-reader/package.json")) return std::nullopt;
  int status = -1;
  const std::string out =
      tarvello::clitest::capture("node " + tarvello::clitest::quote((dir / "dump.mjs").string()) +
                                     " " + tarvello::clitest::quote(path),
                                 &status);
  if (status != 0)
    throw std::runtime_error("mdb-reader failed on " + path + " (exit " + std::to_string(status) +
                             ")");
  return nlohmann::json::parse(out);
}

}  // namespace jettest
