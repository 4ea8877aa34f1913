#include "database/jet_file.h"

#include "common/ascii_case.h"

#include <mdbtools.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "common/number_format.h"
#include "database/library_output.h"
#include "database/project_database.h"

namespace tarvello {

struct JetFile::Handle {
  explicit Handle(MdbHandle* h) : mdb(h) {}
  ~Handle() { mdb_close(mdb); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  MdbHandle* mdb;
  // The file's own tables, read from MSysObjects here rather than by
  // mdb_read_catalog (see JetFile::JetFile).
  std::vector<std::unique_ptr<MdbCatalogEntry>> tables;
};

namespace {

constexpr int kRowOffsetMask = 0x1fff;  // the flags live in the top bits of a row offset

std::uint16_t le16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint64_t le64(const unsigned char* p) {
  return static_cast<std::uint64_t>(le32(p)) | (static_cast<std::uint64_t>(le32(p + 4)) << 32);
}
// The bits as a float or double (std::bit_cast, which the web build's libc++ lacks).
template <class To, class From>
To bitsAs(From bits) {
  static_assert(sizeof(To) == sizeof(From));
  To value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Days from 1970-01-01 to a civil date (proleptic Gregorian), H. Hinnant's algorithm.
void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
}

// One field value, decoded from its raw bytes.
struct Cell {
  enum class Kind { Null, Integer, Real, Text, Blob };
  Kind kind = Kind::Null;
  std::int64_t integer = 0;
  double real = 0.0;
  std::string bytes;  // UTF-8 text, or the bytes of a blob

  static Cell ofInteger(std::int64_t i) {
    Cell c;
    c.kind = Kind::Integer;
    c.integer = i;
    return c;
  }
  // An infinity or NaN is no usable measure: it reads as null.
  static Cell ofReal(double d) {
    Cell c;
    if (std::isfinite(d)) {
      c.kind = Kind::Real;
      c.real = d;
    }
    return c;
  }
  static Cell ofText(std::string s) {
    Cell c;
    c.kind = Kind::Text;
    c.bytes = std::move(s);
    return c;
  }
  static Cell ofBlob(std::string s) {
    Cell c;
    c.kind = Kind::Blob;
    c.bytes = std::move(s);
    return c;
  }
};

struct TableDefDeleter {
  void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};

// Reads the records of one table in stored order and decodes their fields.
//
// The scan is done here rather than with mdb_fetch_row, and values come from
// the raw field bytes that mdb_crack_row locates rather than from libmdb's
// bound text: libmdb 1.0 swaps the two flags of a row offset (so it drops
// records that were moved to another page, leaving their new copies to appear
// out of order, and keeps records that carry only the deleted flag), its bound
// text cannot tell a null from "", and it prints a Single with eight digits
// (0.0129999997 for 0.013).
class TableReader {
 public:
  TableReader(MdbHandle* mdb, MdbCatalogEntry& entry, const std::string& path, std::string name)
      : mdb_(mdb), entry_(entry), path_(path), name_(std::move(name)) {
    table_.reset(mdb_read_table(&entry));
    // libmdb 1.0 keeps an empty usage map as a null pointer and reads its
    // first byte in every scan.
    if (!table_ || !table_->usage_map || table_->map_sz == 0 || !mdb_read_columns(table_.get()) ||
        table_->num_cols == 0)
      throw DatabaseError(path_ + ": table " + name_ + " cannot be read (the file is damaged)");
    for (unsigned i = 0; i < table_->num_cols; ++i)
      columns_.push_back(static_cast<const MdbColumn*>(g_ptr_array_index(table_->columns, i)));
  }

  const std::vector<const MdbColumn*>& columns() const { return columns_; }
  // The record count the table definition claims (unchecked: for reserving only).
  size_t claimedRecords() const { return table_->num_rows; }

  // Calls onRecord with the cells of every record; only the columns marked in
  // `wanted` are decoded (the others stay null).
  template <class OnRecord>
  void forEachRecord(const std::vector<bool>& wanted, OnRecord onRecord) {
    std::vector<MdbField> fields(columns_.size());
    std::vector<Cell> cells(columns_.size());
    const auto readRecord = [&](int row) {
      int start = 0;
      size_t size = 0;
      if (mdb_find_row(mdb_, row, &start, &size) != 0 ||
          mdb_crack_row(table_.get(), start & kRowOffsetMask, size, fields.data()) < 0)
        damagedRecord();
      ++record_;
      for (size_t i = 0; i < columns_.size(); ++i) {
        column_ = columns_[i]->name;
        cells[i] = wanted[i] ? decode(*columns_[i], fields[i]) : Cell();
      }
      onRecord(cells, record_);
    };

    // Row offset flags: 0x8000 deleted (which the new copy of a moved record
    // also carries), 0x4000 the row holds a pointer to where the record now lives.
    const int rowCountOffset = mdb_->fmt->row_count_offset;
    const auto pageSize = static_cast<int>(mdb_->fmt->pg_size);
    mdb_rewind_table(table_.get());
    while (mdb_read_next_dpg(table_.get())) {
      const auto page = table_->cur_phys_pg;
      const int rows = mdb_get_int16(mdb_->pg_buf, rowCountOffset);
      if (rowCountOffset + 2 + rows * 2 > pageSize) damagedRecord();
      for (int row = 0; row < rows; ++row) {
        const int offset = mdb_get_int16(mdb_->pg_buf, rowCountOffset + 2 + row * 2);
        if (offset & 0x8000) continue;
        if (!(offset & 0x4000)) {
          int start = 0;
          size_t size = 0;
          // An empty slot holds no record (libmdb skips these too).
          if (mdb_find_row(mdb_, row, &start, &size) == 0 && size == 0) continue;
          readRecord(row);
          continue;
        }
        readRecord(followMovedRecord(row));
        if (mdb_read_pg(mdb_, page) != pageSize) damagedRecord();
      }
    }
    // The scan also ends at a page that cannot be read: a file cut short must
    // not pass for a table with fewer records (or a catalog without tables).
    if (table_->usage_map &&
        mdb_map_find_next(mdb_, table_->usage_map, static_cast<unsigned>(table_->map_sz),
                          static_cast<guint32>(table_->cur_phys_pg)) > 0)
      throw DatabaseError(path_ + ": table " + name_ +
                          " cannot be read to its end (the file is cut short or damaged)");
  }

 private:
  [[noreturn]] void damagedRecord() const {
    throw DatabaseError(path_ + ": table " + name_ + ", record " + std::to_string(record_ + 1) +
                        " cannot be read (the file is damaged)");
  }
  [[noreturn]] void damaged(const char* what) const {
    throw DatabaseError(path_ + ": table " + name_ + ", record " + std::to_string(record_) +
                        ", field " + column_ + ": " + what + " (the file is damaged)");
  }
  void need(int size, int bytes) const {
    if (size < bytes) damaged("the value is shorter than its type");
  }

  // Follows a moved record's pointer (row number byte, three-byte page number)
  // and leaves its page in the page buffer; returns its row there.
  int followMovedRecord(int row) {
    const int rowCountOffset = mdb_->fmt->row_count_offset;
    const auto pageSize = static_cast<int>(mdb_->fmt->pg_size);
    for (int hops = 0; hops < 8; ++hops) {
      int start = 0;
      size_t size = 0;
      if (mdb_find_row(mdb_, row, &start, &size) != 0 || size < 4) break;
      const unsigned char* p = mdb_->pg_buf + (start & kRowOffsetMask);
      row = p[0];
      const std::uint32_t targetPage =
          p[1] | (p[2] << 8) | (static_cast<std::uint32_t>(p[3]) << 16);
      if (mdb_read_pg(mdb_, targetPage) != pageSize || mdb_->pg_buf[0] != MDB_PAGE_DATA ||
          static_cast<unsigned long>(mdb_get_int32(mdb_->pg_buf, 4)) != entry_.table_pg ||
          row >= mdb_get_int16(mdb_->pg_buf, rowCountOffset))
        break;
      const int offset = mdb_get_int16(mdb_->pg_buf, rowCountOffset + 2 + row * 2);
      if (!(offset & 0x4000)) return row;  // its deleted flag only hides it from the scan
    }
    damagedRecord();
  }

  Cell decode(const MdbColumn& col, const MdbField& f) const {
    // A boolean has no stored bytes: its value is the bit of the null mask.
    if (col.col_type == MDB_BOOL) return Cell::ofInteger(f.is_null ? 0 : 1);
    if (f.is_null || !f.value) return Cell();
    const auto* p = static_cast<const unsigned char*>(f.value);
    const int n = f.siz;
    // mdb_crack_row checks that a field ends inside its row, not that it does
    // not end before it starts.
    if (n < 0) damaged("the value has a negative length");
    switch (col.col_type) {
      case MDB_BYTE:
        need(n, 1);
        return Cell::ofInteger(p[0]);
      case MDB_INT:
        need(n, 2);
        return Cell::ofInteger(static_cast<std::int16_t>(le16(p)));
      case MDB_LONGINT:
      case MDB_COMPLEX:
        need(n, 4);
        return Cell::ofInteger(static_cast<std::int32_t>(le32(p)));
      case MDB_MONEY:
        // Currency is a count of ten-thousandths; one correctly rounded division.
        need(n, 8);
        return Cell::ofReal(static_cast<double>(static_cast<std::int64_t>(le64(p))) / 10000.0);
      case MDB_FLOAT: {
        need(n, 4);
        const float value = bitsAs<float>(le32(p));
        if (!std::isfinite(value)) return Cell();
        const auto number = parseNumber(shortestSingle(value));
        return number ? Cell::ofReal(*number) : Cell();
      }
      case MDB_DOUBLE:
        need(n, 8);
        return Cell::ofReal(bitsAs<double>(le64(p)));
      case MDB_DATETIME: {
        need(n, 8);
        const double days = bitsAs<double>(le64(p));
        return std::isfinite(days) ? Cell::ofText(jetDateText(days)) : Cell();
      }
      case MDB_TEXT:
        return Cell::ofText(decodeText(p, n));
      case MDB_MEMO: {
        const std::string bytes = readLongValue(p, n);
        return Cell::ofText(decodeText(reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<int>(bytes.size())));
      }
      case MDB_OLE:
        return Cell::ofBlob(readLongValue(p, n));
      case MDB_REPID: {
        need(n, 16);
        char* text = mdb_uuid_to_string(p, 0);
        Cell cell = Cell::ofText(text ? text : "");
        g_free(text);
        return cell;
      }
      case MDB_NUMERIC: {
        need(n, 17);
        char* text = mdb_numeric_to_string(mdb_, f.start, col.col_scale, col.col_prec);
        std::string s = text ? text : "";
        g_free(text);
        if (const auto number = parseNumber(s)) return Cell::ofReal(*number);
        return Cell::ofText(std::move(s));
      }
      default:
        return Cell::ofBlob(std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(n)));
    }
  }

  std::string decodeText(const unsigned char* p, int n) const {
    if (n <= 0) return "";
    if (!IS_JET3(mdb_))
      return decodeJet4Text(
          std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(n)));
    // Jet 3 text is in the file's code page; libmdb knows which one.
    std::string out(static_cast<size_t>(n) * 4 + 16, '\0');
    const int len = mdb_unicode2ascii(mdb_, reinterpret_cast<const char*>(p),
                                      static_cast<size_t>(n), out.data(), out.size());
    out.resize(static_cast<size_t>(len > 0 ? len : 0));
    return out;
  }

  // The bytes of a Memo or OLE value: inline, on one other page, or a chain of pages.
  std::string readLongValue(const unsigned char* p, int n) const {
    if (n == 0) return "";
    need(n, MDB_MEMO_OVERHEAD);
    const std::uint32_t header = le32(p);
    const std::uint32_t length = header & 0x3fffffffu;
    if (header & 0x80000000u)
      return std::string(reinterpret_cast<const char*>(p) + MDB_MEMO_OVERHEAD,
                         static_cast<size_t>(n - MDB_MEMO_OVERHEAD));
    void* buf = nullptr;
    int offset = 0;
    size_t size = 0;
    auto pgRow = static_cast<std::int32_t>(le32(p + 4));
    if (header & 0x40000000u) {
      if (mdb_find_pg_row(mdb_, pgRow, &buf, &offset, &size) != 0)
        damaged("a long value cannot be found");
      if (size < length) damaged("a long value is shorter than its length");
      return std::string(static_cast<const char*>(buf) + offset, length);
    }
    if ((header & 0xff000000u) != 0) damaged("a long value has an unknown form");
    std::string out;
    std::set<std::int32_t> seen;  // a chain that loops back would never end
    while (pgRow != 0 && out.size() < length) {
      if (!seen.insert(pgRow).second) damaged("a long value's pages form a loop");
      if (mdb_find_pg_row(mdb_, pgRow, &buf, &offset, &size) != 0 || size < 4)
        damaged("a long value cannot be found");
      const auto* row = static_cast<const unsigned char*>(buf) + offset;
      out.append(reinterpret_cast<const char*>(row) + 4, size - 4);
      pgRow = static_cast<std::int32_t>(le32(row));
    }
    if (out.size() < length) damaged("a long value is shorter than its length");
    out.resize(length);
    return out;
  }

  MdbHandle* mdb_;
  MdbCatalogEntry& entry_;
  const std::string& path_;
  std::string name_;
  std::unique_ptr<MdbTableDef, TableDefDeleter> table_;
  std::vector<const MdbColumn*> columns_;
  std::int64_t record_ = 0;
  std::string column_;
};

int findColumn(const std::vector<const MdbColumn*>& columns, std::string_view name) {
  for (size_t i = 0; i < columns.size(); ++i)
    if (equalsIgnoringCase(columns[i]->name, name)) return static_cast<int>(i);
  return -1;
}

// The first bytes of every Jet 3/4 and ACE file, and the version byte at 0x14.
void checkJetHeader(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) {
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
      throw DatabaseError(path + ": the file cannot be read (" + ec.message() + ")");
    throw DatabaseError(path + ": the file does not exist");
  }
  if (std::filesystem::is_directory(status))
    throw DatabaseError(path + ": this is a folder, not a database file");
  if (!std::filesystem::is_regular_file(status))
    throw DatabaseError(path + ": this is not a regular file");
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!in) throw DatabaseError(path + ": the file cannot be read (" + std::strerror(errno) + ")");
  char header[0x15] = {};
  const size_t got = std::fread(header, 1, sizeof header, in.get());
  if (std::ferror(in.get()))
    throw DatabaseError(path + ": the file cannot be read (" + std::strerror(errno) + ")");
  if (got == 0) throw DatabaseError(path + ": the file is empty, not a Jet (Access) database");
  const std::string_view magic(header + 4, 15);
  if (got < sizeof header || header[0] != 0 || header[1] != 1 || header[2] != 0 || header[3] != 0 ||
      (magic != "Standard Jet DB" && magic != "Standard ACE DB"))
    throw DatabaseError(path + ": this is not a Jet (Access) database");
  const auto version = static_cast<unsigned char>(header[0x14]);
  if (version > MDB_VER_ACCDB_2019)
    throw DatabaseError(path + ": the database has an unknown Jet version (" +
                        std::to_string(version) + ")");
}

}  // namespace

std::string decodeJet4Text(std::string_view bytes) {
  // Straight to UTF-8, unit by unit: a large network has millions of text
  // fields, and a buffer of units for each was most of the time they took.
  std::string out;
  out.reserve(bytes.size());
  std::uint32_t high = 0;  // a high surrogate waiting for its low half
  const auto unit = [&](std::uint32_t u) {
    if (high != 0) {
      if (u >= 0xDC00 && u < 0xE000) {
        appendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00));
        high = 0;
        return;
      }
      appendUtf8(out, 0xFFFD);
      high = 0;
    }
    if (u >= 0xD800 && u < 0xDC00)
      high = u;
    else if (u >= 0xDC00 && u < 0xE000)
      appendUtf8(out, 0xFFFD);
    else
      appendUtf8(out, u);
  };
  const auto byte = [&](size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
  };
  if (bytes.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE) {
    bool compressed = true;
    size_t i = 2;
    while (i < bytes.size()) {
      if (byte(i) == 0) {
        compressed = !compressed;
        ++i;
      } else if (compressed) {
        unit(byte(i));
        ++i;
      } else if (i + 1 < bytes.size()) {
        unit(byte(i) | (byte(i + 1) << 8));
        i += 2;
      } else {
        break;
      }
    }
  } else {
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) unit(byte(i) | (byte(i + 1) << 8));
  }
  if (high != 0) appendUtf8(out, 0xFFFD);
  return out;
}

std::string jetDateText(double days) {
  // Jet dates run from the year 100 to 9999; anything else stays a plain number.
  if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return numberText(days);
  double whole = std::trunc(days);
  auto seconds = std::llround(std::fabs(days - whole) * 86400.0);
  if (seconds >= 86400) {
    seconds -= 86400;
    whole += 1.0;
  }
  std::int64_t y;
  unsigned m, d;
  civilFromDays(static_cast<std::int64_t>(whole) - 25569, y, m, d);  // 1899-12-30 is day -25569
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04lld-%02u-%02u %02lld:%02lld:%02lld", static_cast<long long>(y),
                m, d, seconds / 3600, (seconds / 60) % 60, seconds % 60);
  return buf;
}

JetFile::JetFile(std::string path) : path_(std::move(path)) {
  const QuietLibraryOutput quiet;
  checkJetHeader(path_);
  // MDB_NOFLAGS: libmdb opens the file with fopen(..., "r"); never MDB_WRITABLE.
  MdbHandle* mdb = mdb_open(path_.c_str(), MDB_NOFLAGS);
  if (!mdb) throw DatabaseError(path_ + ": the file cannot be opened as a Jet (Access) database");
  handle_ = std::make_unique<Handle>(mdb);
  // Jet writes whole pages only; libmdb would read a cut-off last page as if whole.
  std::error_code ec;
  const auto size = std::filesystem::file_size(path_, ec);
  if (!ec && size % mdb->fmt->pg_size != 0)
    throw DatabaseError(path_ + ": the file is cut short (the file is damaged)");

  // The catalog is the table MSysObjects, whose definition is always on page
  // 2. It is read with the same scan as every other table, not with
  // mdb_read_catalog: that one also parses each object's property blob and
  // can loop for ever on a damaged one, and no property is needed here.
  const std::string broken = path_ + ": the list of tables cannot be read (the file is damaged)";
  MdbCatalogEntry catalog{};
  catalog.mdb = mdb;
  catalog.object_type = MDB_TABLE;
  catalog.table_pg = 2;
  std::snprintf(catalog.object_name, sizeof catalog.object_name, "%s", "MSysObjects");
  try {
    TableReader reader(mdb, catalog, path_, "MSysObjects");
    const int id = findColumn(reader.columns(), "Id"), name = findColumn(reader.columns(), "Name"),
              type = findColumn(reader.columns(), "Type"),
              flags = findColumn(reader.columns(), "Flags");
    if (id < 0 || name < 0 || type < 0 || flags < 0) throw DatabaseError(broken);
    std::vector<bool> wanted(reader.columns().size(), false);
    for (int c : {id, name, type, flags}) wanted[static_cast<size_t>(c)] = true;
    reader.forEachRecord(wanted, [&](const std::vector<Cell>& cells, std::int64_t) {
      const Cell& objectType = cells[static_cast<size_t>(type)];
      const Cell& objectFlags = cells[static_cast<size_t>(flags)];
      const Cell& objectId = cells[static_cast<size_t>(id)];
      const Cell& objectName = cells[static_cast<size_t>(name)];
      if (objectType.kind != Cell::Kind::Integer || (objectType.integer & 0x7F) != MDB_TABLE)
        return;
      // System tables carry flag 0x80000000 or 0x2.
      if (objectFlags.kind == Cell::Kind::Integer &&
          (objectFlags.integer & static_cast<std::int64_t>(0x80000002)))
        return;
      if (objectId.kind != Cell::Kind::Integer || objectName.kind != Cell::Kind::Text) return;
      auto entry = std::make_unique<MdbCatalogEntry>();
      *entry = MdbCatalogEntry{};
      entry->mdb = mdb;
      entry->object_type = MDB_TABLE;
      entry->table_pg = static_cast<unsigned long>(objectId.integer & 0x00FFFFFF);
      std::snprintf(entry->object_name, sizeof entry->object_name, "%s", objectName.bytes.c_str());
      tables_.emplace_back(entry->object_name);
      handle_->tables.push_back(std::move(entry));
    });
  } catch (const DatabaseError&) {
    throw DatabaseError(broken);
  }
}

JetFile::~JetFile() = default;

std::string JetFile::findTable(std::string_view name) const {
  for (const auto& t : tables_)
    if (equalsIgnoringCase(t, name)) return t;
  return "";
}

StoredTable JetFile::readTable(std::string_view name) const {
  const QuietLibraryOutput quiet;
  const std::string tableName(name);
  MdbCatalogEntry* entry = nullptr;
  for (const auto& e : handle_->tables)
    if (!entry && equalsIgnoringCase(e->object_name, name)) entry = e.get();
  if (!entry) throw DatabaseError(path_ + ": table " + tableName + " is missing");
  TableReader reader(handle_->mdb, *entry, path_, tableName);

  const auto& columns = reader.columns();
  std::vector<std::string> names;
  names.reserve(columns.size());
  for (const MdbColumn* column : columns) names.emplace_back(column->name);
  StoredTable table(tableName, std::move(names));
  // Untouched reserved memory costs nothing; the cap keeps a damaged count from
  // asking for more than a real table could need.
  table.reserveRows(std::min(reader.claimedRecords(), (size_t{1} << 22) / columns.size()));
  reader.forEachRecord(std::vector<bool>(columns.size(), true),
                       [&](const std::vector<Cell>& cells, std::int64_t) {
                         for (const Cell& cell : cells) {
                           switch (cell.kind) {
                             case Cell::Kind::Null:
                               table.addNull();
                               break;
                             case Cell::Kind::Integer:
                               table.addInteger(cell.integer);
                               break;
                             case Cell::Kind::Real:
                               table.addReal(cell.real);
                               break;
                             case Cell::Kind::Text:
                               table.addText(cell.bytes);
                               break;
                             case Cell::Kind::Blob:
                               table.addBlob(cell.bytes);
                               break;
                           }
                         }
                       });
  table.shrinkToFit();
  return table;
}

}  // namespace tarvello
