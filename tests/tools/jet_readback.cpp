#include "tools/jet_readback.h"

#include <mdbtools.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace jettest {
namespace {

using Handle = std::unique_ptr<MdbHandle, decltype(&mdb_close)>;

Handle open(const std::string& path) {
  Handle mdb(mdb_open(path.c_str(), MDB_NOFLAGS), &mdb_close);
  if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE))
    throw std::runtime_error("libmdb cannot read " + path);
  return mdb;
}

class JsonParser {
 public:
  explicit JsonParser(std::string_view t) : t_(t) {}

  Json value() {
    skip();
    if (i_ >= t_.size()) fail();
    const char c = t_[i_];
    if (c == '{') {
      Json::Object o;
      ++i_;
      if (peek('}')) return {std::move(o)};
      do {
        skip();
        std::string key = string();
        skip();
        expect(':');
        o.emplace_back(std::move(key), value());
      } while (peek(','));
      expect('}');
      return {std::move(o)};
    }
    if (c == '[') {
      std::vector<Json> a;
      ++i_;
      if (peek(']')) return {std::move(a)};
      do a.push_back(value());
      while (peek(','));
      expect(']');
      return {std::move(a)};
    }
    if (c == '"') return {string()};
    if (t_.substr(i_, 4) == "null") return i_ += 4, Json{nullptr};
    if (t_.substr(i_, 4) == "true") return i_ += 4, Json{true};
    if (t_.substr(i_, 5) == "false") return i_ += 5, Json{false};
    const std::string rest(t_.substr(i_, 40));
    char* end = nullptr;
    const double d = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str()) fail();
    i_ += static_cast<std::size_t>(end - rest.c_str());
    return {d};
  }

 private:
  [[noreturn]] void fail() const { throw std::runtime_error("bad JSON at " + std::to_string(i_)); }
  void skip() {
    while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t'))
      ++i_;
  }
  bool peek(char c) {
    skip();
    if (i_ < t_.size() && t_[i_] == c) return ++i_, true;
    return false;
  }
  void expect(char c) {
    if (!peek(c)) fail();
  }
  void utf8(std::string& out, unsigned cp) {
    auto byte = [&](unsigned b) { out.push_back(static_cast<char>(b)); };
    if (cp < 0x80) {
      byte(cp);
    } else if (cp < 0x800) {
      byte(0xC0 | cp >> 6), byte(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      byte(0xE0 | cp >> 12), byte(0x80 | ((cp >> 6) & 0x3F)), byte(0x80 | (cp & 0x3F));
    } else {
      byte(0xF0 | cp >> 18), byte(0x80 | ((cp >> 12) & 0x3F)), byte(0x80 | ((cp >> 6) & 0x3F)),
          byte(0x80 | (cp & 0x3F));
    }
  }
  unsigned hex4() {
    if (i_ + 4 > t_.size()) fail();
    const unsigned v =
        static_cast<unsigned>(std::stoul(std::string(t_.substr(i_, 4)), nullptr, 16));
    i_ += 4;
    return v;
  }
  std::string string() {
    expect('"');
    std::string out;
    while (i_ < t_.size() && t_[i_] != '"') {
      if (t_[i_] != '\\') {
        out.push_back(t_[i_++]);
        continue;
      }
      ++i_;
      if (i_ >= t_.size()) fail();
      const char e = t_[i_++];
      switch (e) {
        case 'n':
          out.push_back('\n');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'u': {
          unsigned cp = hex4();
          if (cp >= 0xD800 && cp < 0xDC00 && t_.substr(i_, 2) == "\\u") {
            i_ += 2;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (hex4() - 0xDC00);
          }
          utf8(out, cp);
          break;
        }
        default:
          out.push_back(e);
      }
    }
    expect('"');
    return out;
  }

  std::string_view t_;
  std::size_t i_ = 0;
};

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

const Json& Json::operator[](std::string_view key) const {
  for (const auto& [k, value] : std::get<Object>(v)) {
    if (k == key) return value;
  }
  throw std::runtime_error("JSON has no key " + std::string(key));
}
const Json& Json::operator[](std::size_t i) const { return std::get<std::vector<Json>>(v).at(i); }
std::size_t Json::size() const {
  if (const auto* a = std::get_if<std::vector<Json>>(&v)) return a->size();
  return std::get<Object>(v).size();
}

Json parseJson(std::string_view text) { return JsonParser(text).value(); }

std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

CommandResult runCommand(const std::string& command) {
  CommandResult r;
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return r;
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

Json readWithMdbReader(const std::string& path) {
  const std::filesystem::path dir = std::filesystem::path(TARVELLO_SOURCE_DIR) / "tools/jet/reader";
  if (!std::filesystem::exists(dir / "node_modules/mdb-reader/package.json")) {
    throw std::runtime_error("the npm reader is not installed: run tools/jet/reader/install.sh");
  }
  const CommandResult r =
      runCommand("node " + shellQuote((dir / "dump.mjs").string()) + " " + shellQuote(path));
  if (r.status != 0)
    throw std::runtime_error("mdb-reader failed on " + path + " (exit " + std::to_string(r.status) +
                             ")");
  return parseJson(r.out);
}

}  // namespace jettest
