// Jet 4 file layout written here (4096-byte pages, little-endian):
//   page 0   database header (partly RC4-scrambled, as every Jet 4 file is)
//   page 1   global usage map (pages free for allocation)
//   page 2   table definition of MSysObjects, the catalog readers start from
//   page 3.. usage-map rows of every table, then each user table: its
//            definition page(s) followed by its data pages (long-value pages of
//            memo columns interleaved), then the catalog's data pages and any
//            0x05 bitmap pages of large usage maps.
// Rows are appended in the given order and data pages are allocated in
// ascending order, so readers (which walk the usage map upwards) return the
// rows as they were given. No indexes are written.
#include "jet_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "jet_internal.h"

namespace jet {
namespace {

constexpr std::size_t kPageSize = 4096;
using Page = std::array<std::uint8_t, kPageSize>;
using Bytes = std::vector<std::uint8_t>;

// Data page: type 0x01, 0x01, free space, owning table definition page, four
// unknown bytes, row count, then one 2-byte row offset per row.
constexpr std::size_t kDataHeader = 14;
// Row numbers are one byte in page/row pointers.
constexpr std::size_t kMaxRowsPerPage = 255;
constexpr std::size_t kMaxRowSize = kPageSize - kDataHeader - 2;
// Jet 4 caps files at 2 GB.
constexpr std::size_t kMaxPages = (std::size_t{2} << 30) / kPageSize;

// Usage maps are 69-byte rows: a type byte, then either a first page and a
// 64-byte bitmap (type 0) or 17 pointers to 0x05 bitmap pages (type 1).
constexpr std::size_t kMapRowSize = 69;
constexpr std::size_t kMapRowsPerPage = (kPageSize - kDataHeader) / (kMapRowSize + 2);
constexpr std::uint32_t kType0Span = (kMapRowSize - 5) * 8;
constexpr std::uint32_t kBitmapPageSpan = (kPageSize - 4) * 8;
constexpr std::size_t kType1Pointers = (kMapRowSize - 1) / 4;

// Long-value pages name "LVAL" where data pages name their table.
constexpr std::uint32_t kLvalOwner = 0x4C41564C;
// Constant Access writes into every table definition and column entry.
constexpr std::uint32_t kMagicTableNumber = 1625;
// Memo values up to this many bytes stay in the row, as Access keeps them.
constexpr std::size_t kInlineMemoMax = 64;
// Access only compresses memo text of at most 1024 characters.
constexpr std::size_t kCompressibleMemoChars = 1024;
// Fixed creation date (2024-01-01) so the same input gives the same bytes.
constexpr double kCreationDate = 45292.0;

constexpr std::int64_t kTablesContainer = 0x0F000001;
constexpr std::int64_t kDatabasesContainer = 0x0F000002;
constexpr std::int64_t kRelationshipsContainer = 0x0F000003;
constexpr std::int64_t kContainerParent = 0x0F000000;
constexpr std::int64_t kSystemObjectFlag = -2147483647 - 1;  // 0x80000000 as a Long

void put16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put64(std::uint8_t* p, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint32_t get16(const std::uint8_t* p) { return p[0] | (std::uint32_t{p[1]} << 8); }
void append16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void append32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void rc4(std::span<const std::uint8_t> key, std::uint8_t* data, std::size_t size) {
  std::array<std::uint8_t, 256> s{};
  for (unsigned i = 0; i < 256; ++i) s[i] = static_cast<std::uint8_t>(i);
  unsigned j = 0;
  for (unsigned i = 0; i < 256; ++i) {
    j = (j + s[i] + key[i % key.size()]) & 0xFFu;
    std::swap(s[i], s[j]);
  }
  unsigned a = 0;
  unsigned b = 0;
  for (std::size_t k = 0; k < size; ++k) {
    a = (a + 1) & 0xFFu;
    b = (b + s[a]) & 0xFFu;
    std::swap(s[a], s[b]);
    data[k] ^= s[(s[a] + s[b]) & 0xFFu];
  }
}

// Column type codes of the Jet format.
enum class Kind : std::uint8_t {
  Bool = 0x01,
  Int = 0x03,
  Long = 0x04,
  Float = 0x06,
  Double = 0x07,
  DateTime = 0x08,
  Binary = 0x09,
  Text = 0x0A,
  Ole = 0x0B,
  Memo = 0x0C,
};

bool isFixed(Kind k) { return k <= Kind::DateTime; }
bool isLongValue(Kind k) { return k == Kind::Memo || k == Kind::Ole; }
bool isTextual(Kind k) { return k == Kind::Text || k == Kind::Memo; }

// Booleans live in the null mask and take no room among the fixed columns.
std::uint16_t fixedSize(Kind k) {
  switch (k) {
    case Kind::Int:
      return 2;
    case Kind::Long:
    case Kind::Float:
      return 4;
    case Kind::Double:
    case Kind::DateTime:
      return 8;
    default:
      return 0;
  }
}

std::uint16_t declaredLength(Kind k) {
  if (isFixed(k)) return fixedSize(k);
  if (k == Kind::Text || k == Kind::Binary) return 2 * detail::kMaxTextChars;
  return 0;
}

Kind kindOf(ColumnType t) {
  switch (t) {
    case ColumnType::Text:
      return Kind::Text;
    case ColumnType::Double:
      return Kind::Double;
    case ColumnType::Single:
      return Kind::Float;
    case ColumnType::Long:
      return Kind::Long;
    case ColumnType::Integer:
      return Kind::Int;
    case ColumnType::Boolean:
      return Kind::Bool;
    case ColumnType::Memo:
      return Kind::Memo;
  }
  return Kind::Text;
}

struct ColDef {
  std::string name;
  Kind kind = Kind::Text;
  std::uint16_t number = 0;
  // Index among the variable columns; for a fixed column, how many variable
  // columns precede it (what Access stores there).
  std::uint16_t varIndex = 0;
  std::uint16_t fixedOffset = 0;
};

struct TableDef {
  std::string name;
  bool system = false;
  std::vector<ColDef> cols;
  std::uint16_t varCount = 0;
  std::uint16_t fixedTotal = 0;
  std::size_t longValueCount = 0;
};

TableDef makeTableDef(std::string name, bool system,
                      const std::vector<std::pair<std::string, Kind>>& columns) {
  TableDef t;
  t.name = std::move(name);
  t.system = system;
  for (const auto& [colName, kind] : columns) {
    ColDef c;
    c.name = colName;
    c.kind = kind;
    c.number = static_cast<std::uint16_t>(t.cols.size());
    c.varIndex = t.varCount;
    if (isFixed(kind)) {
      c.fixedOffset = t.fixedTotal;
      t.fixedTotal = static_cast<std::uint16_t>(t.fixedTotal + fixedSize(kind));
    } else {
      ++t.varCount;
    }
    if (isLongValue(kind)) ++t.longValueCount;
    t.cols.push_back(std::move(c));
  }
  return t;
}

// Jet 4 "compressed unicode": after FF FE, single bytes stand for characters
// U+0001..U+00FF, and a 0x00 byte toggles to and from two-byte characters.
// Used only where it is shorter, as Access does. A character whose low byte
// is zero would read as a toggle, so such text stays plain UTF-16LE.
Bytes encodeText(const std::u16string& text, bool allowCompression) {
  bool compressible = allowCompression;
  for (char16_t c : text) {
    if ((c & 0xFF) == 0) compressible = false;
  }
  // Plain text starting with U+FEFF would look like the compression marker.
  const bool startsWithMarker = !text.empty() && text.front() == 0xFEFF;
  if (compressible) {
    Bytes packed{0xFF, 0xFE};
    bool narrow = true;
    for (char16_t c : text) {
      const bool wantNarrow = c < 0x100;
      if (wantNarrow != narrow) {
        packed.push_back(0);
        narrow = wantNarrow;
      }
      packed.push_back(static_cast<std::uint8_t>(c));
      if (!narrow) packed.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (packed.size() < 2 * text.size() || startsWithMarker) return packed;
  }
  if (startsWithMarker) {
    throw JetError("text starting with U+FEFF cannot be stored unless it can be compressed");
  }
  Bytes plain;
  plain.reserve(2 * text.size());
  for (char16_t c : text) append16(plain, c);
  return plain;
}

// Pages in file order; a deque keeps references valid while pages are added.
class PageFile {
 public:
  std::uint32_t allocate() {
    if (pages_.size() >= kMaxPages)
      throw JetError("the database would exceed the 2 GB a Jet 4 file holds");
    pages_.emplace_back();
    pages_.back().fill(0);
    return static_cast<std::uint32_t>(pages_.size() - 1);
  }
  Page& operator[](std::uint32_t n) { return pages_[n]; }
  std::size_t size() const { return pages_.size(); }
  const std::deque<Page>& pages() const { return pages_; }

 private:
  std::deque<Page> pages_;
};

void initDataPage(Page& page, std::uint32_t owner) {
  page.fill(0);
  page[0] = 0x01;
  page[1] = 0x01;
  put16(&page[2], kPageSize - kDataHeader);
  put32(&page[4], owner);
}

std::size_t rowCount(const Page& page) { return get16(&page[12]); }

// Rows fill the page from its end towards the header.
std::size_t rowsTop(const Page& page) {
  const std::size_t n = rowCount(page);
  return n == 0 ? kPageSize : get16(&page[kDataHeader + 2 * (n - 1)]);
}

bool rowFits(const Page& page, std::size_t size) {
  const std::size_t n = rowCount(page);
  return n < kMaxRowsPerPage && rowsTop(page) >= kDataHeader + 2 * (n + 1) + size;
}

std::uint32_t appendRow(Page& page, std::span<const std::uint8_t> row) {
  const std::size_t n = rowCount(page);
  const std::size_t start = rowsTop(page) - row.size();
  std::memcpy(&page[start], row.data(), row.size());
  put16(&page[kDataHeader + 2 * n], static_cast<std::uint32_t>(start));
  put16(&page[12], static_cast<std::uint32_t>(n + 1));
  put16(&page[2], static_cast<std::uint32_t>(start - (kDataHeader + 2 * (n + 1))));
  return static_cast<std::uint32_t>(n);
}

// The data pages of one owner, filled in order.
class RowPages {
 public:
  RowPages(PageFile& file, std::uint32_t owner) : file_(file), owner_(owner) {}

  // Returns the page/row pointer (page << 8 | row) of the stored row.
  std::uint32_t add(std::span<const std::uint8_t> row) {
    if (pages_.empty() || !rowFits(file_[pages_.back()], row.size())) {
      const std::uint32_t n = file_.allocate();
      initDataPage(file_[n], owner_);
      pages_.push_back(n);
    }
    const std::uint32_t r = appendRow(file_[pages_.back()], row);
    return pages_.back() << 8 | r;
  }
  const std::vector<std::uint32_t>& pages() const { return pages_; }

 private:
  PageFile& file_;
  std::uint32_t owner_;
  std::vector<std::uint32_t> pages_;
};

// The 12-byte memo field: length (3 bytes) and where the text is (flag byte),
// then a page/row pointer. Short text follows inline; text that fits one row
// goes to a long-value row; longer text is a chain of long-value rows, each
// starting with the pointer to the next.
Bytes memoField(const Bytes& data, RowPages& lval) {
  Bytes field(12, 0);
  const auto size = static_cast<std::uint32_t>(data.size());
  if (data.size() <= kInlineMemoMax) {
    put32(&field[0], size | 0x80000000u);
    field.insert(field.end(), data.begin(), data.end());
  } else if (data.size() <= kMaxRowSize) {
    put32(&field[0], size | 0x40000000u);
    put32(&field[4], lval.add(data));
  } else {
    constexpr std::size_t kPiece = kMaxRowSize - 4;
    const std::size_t pieces = (data.size() + kPiece - 1) / kPiece;
    // Stored last piece first, so that each piece knows its successor.
    std::uint32_t next = 0;
    for (std::size_t k = pieces; k-- > 0;) {
      Bytes piece(4, 0);
      put32(piece.data(), next);
      const auto from = data.begin() + static_cast<std::ptrdiff_t>(k * kPiece);
      const auto to =
          data.begin() + static_cast<std::ptrdiff_t>(std::min(data.size(), (k + 1) * kPiece));
      piece.insert(piece.end(), from, to);
      next = lval.add(piece);
    }
    put32(&field[0], size);
    put32(&field[4], next);
  }
  return field;
}

double numberOf(const Cell& cell) {
  if (const auto* d = std::get_if<double>(&cell)) return *d;
  if (const auto* i = std::get_if<std::int64_t>(&cell)) return static_cast<double>(*i);
  return 0;
}
std::int64_t integerOf(const Cell& cell) {
  if (const auto* i = std::get_if<std::int64_t>(&cell)) return *i;
  if (const auto* d = std::get_if<double>(&cell)) return static_cast<std::int64_t>(*d);
  return 0;
}
bool truthOf(const Cell& cell) {
  if (const auto* b = std::get_if<bool>(&cell)) return *b;
  if (const auto* i = std::get_if<std::int64_t>(&cell)) return *i != 0;
  return false;
}

// Row: column count, fixed columns at their offsets, variable columns in
// order, then (if the table has variable columns) the end of the variable
// data, their offsets last one first and their count, then the null mask
// (bit set = not null; for booleans, bit set = true).
// `lval` holds, per column, the long-value pages of a memo column.
Bytes encodeRow(const TableDef& t, const std::vector<Cell>& cells,
                std::vector<std::unique_ptr<RowPages>>& lval) {
  const std::size_t n = t.cols.size();
  Bytes row(2 + t.fixedTotal, 0);
  put16(row.data(), static_cast<std::uint32_t>(n));
  Bytes mask((n + 7) / 8, 0);
  auto markPresent = [&](std::size_t col) {
    mask[col / 8] = static_cast<std::uint8_t>(mask[col / 8] | (1u << (col % 8)));
  };

  std::vector<std::uint32_t> varOffsets;
  for (const ColDef& c : t.cols) {
    const Cell& cell = cells[c.number];
    if (c.kind == Kind::Bool) {
      if (truthOf(cell)) markPresent(c.number);
      continue;
    }
    if (isFixed(c.kind)) {
      if (std::holds_alternative<Null>(cell)) continue;
      markPresent(c.number);
      std::uint8_t* at = &row[2 + c.fixedOffset];
      switch (c.kind) {
        case Kind::Int:
          put16(at, static_cast<std::uint32_t>(integerOf(cell)));
          break;
        case Kind::Long:
          put32(at, static_cast<std::uint32_t>(integerOf(cell)));
          break;
        case Kind::Float:
          put32(at, std::bit_cast<std::uint32_t>(static_cast<float>(numberOf(cell))));
          break;
        default:
          put64(at, std::bit_cast<std::uint64_t>(numberOf(cell)));
          break;
      }
      continue;
    }
    varOffsets.push_back(static_cast<std::uint32_t>(row.size()));
    if (std::holds_alternative<Null>(cell)) continue;
    markPresent(c.number);
    const auto* text = std::get_if<std::string>(&cell);
    if (text == nullptr || !isTextual(c.kind)) {
      throw JetError("column " + c.name + " only takes nulls");
    }
    const std::u16string units = detail::utf8ToUtf16(*text);
    Bytes data;
    if (c.kind == Kind::Text) {
      data = encodeText(units, true);
    } else {
      data = memoField(encodeText(units, units.size() <= kCompressibleMemoChars), *lval[c.number]);
    }
    row.insert(row.end(), data.begin(), data.end());
  }
  if (t.varCount > 0) {
    const auto end = static_cast<std::uint32_t>(row.size());
    append16(row, end);
    for (auto it = varOffsets.rbegin(); it != varOffsets.rend(); ++it) append16(row, *it);
    append16(row, t.varCount);
  }
  row.insert(row.end(), mask.begin(), mask.end());
  return row;
}

struct MapPointers {
  std::uint32_t used = 0;
  std::uint32_t free = 0;
};

// Table definition: header, column entries, column names (UTF-16LE), then the
// usage maps of each long-value column and a 0xFFFF terminator.
Bytes buildTableDefinition(const TableDef& t, std::size_t rows, MapPointers table,
                           const std::vector<MapPointers>& longValueMaps) {
  Bytes b(63, 0);
  b[0] = 0x02;
  b[1] = 0x01;
  put32(&b[12], kMagicTableNumber);
  put32(&b[16], static_cast<std::uint32_t>(rows));
  b[24] = 0x01;
  b[40] = t.system ? 0x53 : 0x4E;
  const auto cols = static_cast<std::uint32_t>(t.cols.size());
  put16(&b[41], cols);
  put16(&b[43], t.varCount);
  put16(&b[45], cols);
  put32(&b[55], table.used);
  put32(&b[59], table.free);
  for (const ColDef& c : t.cols) {
    std::array<std::uint8_t, 25> e{};
    e[0] = static_cast<std::uint8_t>(c.kind);
    put32(&e[1], kMagicTableNumber);
    put16(&e[5], c.number);
    put16(&e[7], c.varIndex);
    put16(&e[9], c.number);
    if (isTextual(c.kind)) {
      put16(&e[11], 0x0409);  // General sort order
      e[16] = 0x01;           // compressed unicode allowed
    }
    e[15] = isFixed(c.kind) ? 0x03 : 0x02;  // fixed length, nullable
    put16(&e[21], isFixed(c.kind) ? c.fixedOffset : 0);
    put16(&e[23], declaredLength(c.kind));
    b.insert(b.end(), e.begin(), e.end());
  }
  for (const ColDef& c : t.cols) {
    const std::u16string name = detail::utf8ToUtf16(c.name);
    append16(b, static_cast<std::uint32_t>(2 * name.size()));
    for (char16_t ch : name) append16(b, ch);
  }
  std::size_t lv = 0;
  for (const ColDef& c : t.cols) {
    if (!isLongValue(c.kind)) continue;
    append16(b, c.number);
    append32(b, longValueMaps.at(lv).used);
    append32(b, longValueMaps.at(lv).free);
    ++lv;
  }
  append16(b, 0xFFFF);
  append32(b, 0);
  append32(b, 0);
  put32(&b[8], static_cast<std::uint32_t>(b.size() - 8));
  return b;
}

std::size_t definitionPageCount(std::size_t size) {
  if (size <= kPageSize) return 1;
  return 1 + (size - kPageSize + (kPageSize - 8) - 1) / (kPageSize - 8);
}

// A definition longer than a page continues on further pages, each with its
// own 8-byte header; readers join them by the next-page pointers.
void placeDefinition(PageFile& file, const std::vector<std::uint32_t>& pages, const Bytes& def) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    Page& page = file[pages[i]];
    std::size_t used = 0;
    if (i == 0) {
      used = std::min(kPageSize, def.size());
      std::memcpy(page.data(), def.data(), used);
    } else {
      page[0] = 0x02;
      page[1] = 0x01;
      const std::size_t chunk = std::min(kPageSize - 8, def.size() - pos);
      std::memcpy(&page[8], &def[pos], chunk);
      used = 8 + chunk;
    }
    pos += i == 0 ? used : used - 8;
    put16(&page[2], static_cast<std::uint32_t>(kPageSize - used));
    put32(&page[4], i + 1 < pages.size() ? pages[i + 1] : 0);
  }
}

// Type 0 when the pages lie within 512 of each other, else type 1 with a 0x05
// bitmap page for each 32736-page stretch of the file holding any of them.
Bytes usageMap(const std::vector<std::uint32_t>& pages, PageFile& file) {
  Bytes map(kMapRowSize, 0);
  if (pages.empty() || pages.back() - pages.front() < kType0Span) {
    const std::uint32_t first = pages.empty() ? 0 : pages.front();
    put32(&map[1], first);
    for (std::uint32_t p : pages) {
      const std::uint32_t bit = p - first;
      map[5 + bit / 8] = static_cast<std::uint8_t>(map[5 + bit / 8] | (1u << (bit % 8)));
    }
    return map;
  }
  map[0] = 0x01;
  std::array<std::uint32_t, kType1Pointers> bitmapPages{};
  for (std::uint32_t p : pages) {
    const std::size_t k = p / kBitmapPageSpan;
    if (k >= kType1Pointers)
      throw JetError("a table's pages lie beyond what a usage map can reach");
    if (bitmapPages[k] == 0) {
      bitmapPages[k] = file.allocate();
      file[bitmapPages[k]][0] = 0x05;
      file[bitmapPages[k]][1] = 0x01;
    }
    Page& bitmap = file[bitmapPages[k]];
    const std::uint32_t bit = p % kBitmapPageSpan;
    bitmap[4 + bit / 8] = static_cast<std::uint8_t>(bitmap[4 + bit / 8] | (1u << (bit % 8)));
  }
  for (std::size_t k = 0; k < kType1Pointers; ++k) put32(&map[1 + 4 * k], bitmapPages[k]);
  return map;
}

// The free-space maps list no page: writers that append then take new pages.
Bytes emptyUsageMap() { return Bytes(kMapRowSize, 0); }

void buildHeader(Page& page) {
  page.fill(0);
  page[1] = 0x01;
  std::memcpy(&page[4], "Standard Jet DB", 15);
  page[0x14] = 0x01;  // Jet 4
  // Values Access keeps at the start of the scrambled region.
  static constexpr std::uint8_t kRegionStart[] = {0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00,
                                                  0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00,
                                                  0x04, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00};
  std::memcpy(&page[0x18], kRegionStart, sizeof kRegionStart);
  put16(&page[0x3C], 1252);  // code page
  put32(&page[0x3E], 0);     // database key: zero, so no page is encoded
  // No password: the password field holds just the mask made from the
  // creation date.
  const auto mask = static_cast<std::uint32_t>(std::floor(kCreationDate));
  for (std::size_t i = 0; i < 40; ++i)
    page[0x42 + i] = static_cast<std::uint8_t>(mask >> (8 * (i % 4)));
  put32(&page[0x6E], 0x0409);  // General sort order
  put64(&page[0x72], std::bit_cast<std::uint64_t>(kCreationDate));
  static constexpr std::uint8_t kKey[] = {0xC7, 0xDA, 0x39, 0x6B};
  rc4(kKey, &page[0x18], 128);
}

// Bit set = page free; every page of the file is in use, those past its end
// (within the map's reach) are free.
void buildGlobalUsageMap(Page& page, std::size_t pageCount) {
  initDataPage(page, 1);
  Bytes map(kMapRowSize, 0);
  for (std::size_t p = pageCount; p < kType0Span; ++p) {
    map[5 + p / 8] = static_cast<std::uint8_t>(map[5 + p / 8] | (1u << (p % 8)));
  }
  appendRow(page, map);
  appendRow(page, emptyUsageMap());
}

TableDef catalogDef() {
  return makeTableDef("MSysObjects", true,
                      {{"Id", Kind::Long},
                       {"ParentId", Kind::Long},
                       {"Name", Kind::Text},
                       {"Type", Kind::Int},
                       {"DateCreate", Kind::DateTime},
                       {"DateUpdate", Kind::DateTime},
                       {"Owner", Kind::Binary},
                       {"Flags", Kind::Long},
                       {"Database", Kind::Memo},
                       {"Connect", Kind::Memo},
                       {"ForeignName", Kind::Text},
                       {"RmtInfoShort", Kind::Binary},
                       {"RmtInfoLong", Kind::Ole},
                       {"Lv", Kind::Ole},
                       {"LvProp", Kind::Ole},
                       {"LvModule", Kind::Ole},
                       {"LvExtra", Kind::Ole}});
}

std::vector<Cell> catalogRow(std::int64_t id, std::int64_t parent, const std::string& name,
                             std::int64_t type, std::int64_t flags) {
  std::vector<Cell> row(17, Null{});
  row[0] = id;
  row[1] = parent;
  row[2] = name;
  row[3] = type;
  row[4] = kCreationDate;
  row[5] = kCreationDate;
  row[7] = flags;
  return row;
}

std::string lowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

void validate(const DatabaseData& data) {
  std::vector<std::string> tableNames;
  for (const TableData& t : data.tables) {
    if (auto why = detail::nameProblem(t.name); !why.empty()) throw JetError("table: " + why);
    const std::string key = lowerAscii(t.name);
    if (key == "msysobjects") throw JetError("table name " + t.name + " is taken by the catalog");
    for (const auto& seen : tableNames) {
      if (seen == key) throw JetError("table " + t.name + " is named twice (names ignore case)");
    }
    tableNames.push_back(key);
    if (t.columns.empty()) throw JetError("table " + t.name + " has no columns");
    if (t.columns.size() > detail::kMaxColumns) {
      throw JetError("table " + t.name + " has more than " + std::to_string(detail::kMaxColumns) +
                     " columns");
    }
    std::vector<std::string> columnNames;
    for (const Column& c : t.columns) {
      if (auto why = detail::nameProblem(c.name); !why.empty())
        throw JetError("table " + t.name + ", column: " + why);
      const std::string ckey = lowerAscii(c.name);
      for (const auto& seen : columnNames) {
        if (seen == ckey)
          throw JetError("table " + t.name + ": column " + c.name +
                         " is named twice (names ignore case)");
      }
      columnNames.push_back(ckey);
    }
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
      const auto& row = t.rows[r];
      if (row.size() != t.columns.size()) {
        throw JetError("table " + t.name + ", row " + std::to_string(r + 1) + ": " +
                       std::to_string(row.size()) + " values for " +
                       std::to_string(t.columns.size()) + " columns");
      }
      for (std::size_t c = 0; c < row.size(); ++c) {
        if (auto why = detail::cellProblem(t.columns[c].type, row[c]); !why.empty()) {
          throw JetError("table " + t.name + ", row " + std::to_string(r + 1) + ", column " +
                         t.columns[c].name + ": " + why);
        }
      }
    }
  }
}

// Writes one table's rows; returns the usage-map rows of the table and of
// each of its long-value columns, in slot order.
std::vector<Bytes> writeRows(PageFile& file, const TableDef& t, std::uint32_t definitionPage,
                             const std::vector<std::vector<Cell>>& rows) {
  RowPages data(file, definitionPage);
  std::vector<std::unique_ptr<RowPages>> lval(t.cols.size());
  for (const ColDef& c : t.cols) {
    if (isLongValue(c.kind)) lval[c.number] = std::make_unique<RowPages>(file, kLvalOwner);
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    Bytes row;
    try {
      row = encodeRow(t, rows[r], lval);
    } catch (const JetError& e) {
      throw JetError("table " + t.name + ", row " + std::to_string(r + 1) + ": " + e.what());
    }
    if (row.size() > kMaxRowSize) {
      throw JetError("table " + t.name + ", row " + std::to_string(r + 1) + ": the row takes " +
                     std::to_string(row.size()) + " bytes, more than the " +
                     std::to_string(kMaxRowSize) + " a page holds (use memo for long text)");
    }
    data.add(row);
  }
  std::vector<Bytes> maps{usageMap(data.pages(), file), emptyUsageMap()};
  for (const ColDef& c : t.cols) {
    if (!isLongValue(c.kind)) continue;
    maps.push_back(usageMap(lval[c.number]->pages(), file));
    maps.push_back(emptyUsageMap());
  }
  return maps;
}

void writeFileAtomically(const std::string& path, const PageFile& file) {
  std::string tmp = path + ".tmp-XXXXXX";
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0)
    throw JetError("cannot create a temporary file beside " + path + ": " + std::strerror(errno));
  bool ok = ::fchmod(fd, 0644) == 0;
  for (const Page& page : file.pages()) {
    if (!ok) break;
    std::size_t done = 0;
    while (done < page.size()) {
      const ssize_t n = ::write(fd, page.data() + done, page.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = false;
        break;
      }
      done += static_cast<std::size_t>(n);
    }
  }
  const int savedErrno = errno;
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(tmp.c_str(), path.c_str()) == 0) return;
  const int err = ok ? errno : savedErrno;
  std::remove(tmp.c_str());
  throw JetError("cannot write " + path + ": " + std::strerror(err));
}

}  // namespace

void writeJet4(const std::string& path, const DatabaseData& data) {
  validate(data);

  std::vector<TableDef> defs;
  for (const TableData& t : data.tables) {
    std::vector<std::pair<std::string, Kind>> cols;
    for (const Column& c : t.columns) cols.emplace_back(c.name, kindOf(c.type));
    defs.push_back(makeTableDef(t.name, false, cols));
  }
  const TableDef catalog = catalogDef();

  PageFile file;
  file.allocate();  // header
  file.allocate();  // global usage map
  const std::uint32_t catalogPage = file.allocate();

  // Every table's usage-map rows get a fixed slot up front, so that each
  // definition can point at its maps before they are filled in.
  std::vector<std::size_t> firstSlot;
  std::size_t slots = 2 + 2 * catalog.longValueCount;
  for (const TableDef& t : defs) {
    firstSlot.push_back(slots);
    slots += 2 + 2 * t.longValueCount;
  }
  std::vector<std::uint32_t> mapPages;
  for (std::size_t i = 0; i < (slots + kMapRowsPerPage - 1) / kMapRowsPerPage; ++i) {
    mapPages.push_back(file.allocate());
    initDataPage(file[mapPages.back()], 0);
  }
  auto slotPointer = [&](std::size_t slot) {
    return mapPages[slot / kMapRowsPerPage] << 8 |
           static_cast<std::uint32_t>(slot % kMapRowsPerPage);
  };
  auto pointers = [&](const TableDef& t, std::size_t first) {
    std::pair<MapPointers, std::vector<MapPointers>> p;
    p.first = {slotPointer(first), slotPointer(first + 1)};
    for (std::size_t k = 0; k < t.longValueCount; ++k) {
      p.second.push_back({slotPointer(first + 2 + 2 * k), slotPointer(first + 3 + 2 * k)});
    }
    return p;
  };

  std::vector<Bytes> mapRows;
  std::vector<std::vector<Cell>> catalogRows{
      catalogRow(kTablesContainer, kContainerParent, "Tables", 3, kSystemObjectFlag),
      catalogRow(kDatabasesContainer, kContainerParent, "Databases", 3, kSystemObjectFlag),
      catalogRow(kRelationshipsContainer, kContainerParent, "Relationships", 3, kSystemObjectFlag),
      catalogRow(0x10000000, kDatabasesContainer, "MSysDb", 2, kSystemObjectFlag),
      catalogRow(catalogPage, kTablesContainer, "MSysObjects", 1, kSystemObjectFlag),
  };
  std::vector<std::vector<Bytes>> tableMaps;
  for (std::size_t i = 0; i < defs.size(); ++i) {
    const TableDef& t = defs[i];
    const auto [tableMap, lvMaps] = pointers(t, firstSlot[i]);
    const Bytes def = buildTableDefinition(t, data.tables[i].rows.size(), tableMap, lvMaps);
    std::vector<std::uint32_t> defPages;
    for (std::size_t k = 0; k < definitionPageCount(def.size()); ++k)
      defPages.push_back(file.allocate());
    placeDefinition(file, defPages, def);
    tableMaps.push_back(writeRows(file, t, defPages.front(), data.tables[i].rows));
    catalogRows.push_back(catalogRow(defPages.front(), kTablesContainer, t.name, 1, 0));
  }

  const auto [catalogMap, catalogLvMaps] = pointers(catalog, 0);
  const Bytes catalogDefinition =
      buildTableDefinition(catalog, catalogRows.size(), catalogMap, catalogLvMaps);
  placeDefinition(file, {catalogPage}, catalogDefinition);
  std::vector<Bytes> allMaps = writeRows(file, catalog, catalogPage, catalogRows);
  for (auto& maps : tableMaps) allMaps.insert(allMaps.end(), maps.begin(), maps.end());
  for (std::size_t slot = 0; slot < allMaps.size(); ++slot) {
    appendRow(file[mapPages[slot / kMapRowsPerPage]], allMaps[slot]);
  }

  buildGlobalUsageMap(file[1], file.size());
  buildHeader(file[0]);
  writeFileAtomically(path, file);
}

}  // namespace jet
