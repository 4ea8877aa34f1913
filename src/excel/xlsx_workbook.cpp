#include "xlsx_workbook.h"

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <list>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <vector>

#include "common/number_format.h"
#include "common/source_date.h"
#include "excel/added_rows.h"

namespace tarvello {

namespace {

constexpr int kMaxColumns = 16384;  // XFD, the widest sheet a spreadsheet program opens
constexpr unsigned kParseFlags =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
constexpr unsigned kFormat = pugi::format_raw | pugi::format_no_declaration;

// Element and attribute names are matched without their namespace prefix:
// most writers use the default namespace, some write "x:row".
std::string_view localName(const char* name) {
  std::string_view n(name);
  const auto colon = n.find(':');
  return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

bool named(const pugi::xml_node& node, std::string_view name) {
  return node.type() == pugi::node_element && localName(node.name()) == name;
}

pugi::xml_node childNamed(const pugi::xml_node& parent, std::string_view name) {
  for (pugi::xml_node c : parent.children())
    if (named(c, name)) return c;
  return {};
}

pugi::xml_attribute attributeNamed(const pugi::xml_node& node, std::string_view name) {
  for (pugi::xml_attribute a : node.attributes())
    if (localName(a.name()) == name) return a;
  return {};
}

void setAttribute(pugi::xml_node node, const char* name, const std::string& value) {
  pugi::xml_attribute a = node.attribute(name);
  if (!a) a = node.append_attribute(name);
  a.set_value(value.c_str());
}

std::string prefixOf(const pugi::xml_node& node) {
  std::string_view n(node.name());
  const auto colon = n.find(':');
  return colon == std::string_view::npos ? std::string() : std::string(n.substr(0, colon + 1));
}

struct CellRef {
  int row = 0;
  int column = 0;
};

// "B5" -> row 5, column 2. Absolute markers ("$B$5") are accepted.
std::optional<CellRef> parseCellRef(std::string_view ref) {
  CellRef out;
  size_t i = 0;
  if (i < ref.size() && ref[i] == '$') ++i;
  for (; i < ref.size() && ((ref[i] >= 'A' && ref[i] <= 'Z') || (ref[i] >= 'a' && ref[i] <= 'z'));
       ++i) {
    const int letter = (ref[i] & ~0x20) - 'A' + 1;
    out.column = out.column * 26 + letter;
    if (out.column > kMaxColumns) return std::nullopt;
  }
  if (i < ref.size() && ref[i] == '$') ++i;
  const size_t digits = i;
  for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9'; ++i) {
    out.row = out.row * 10 + (ref[i] - '0');
    if (out.row > 1048576) return std::nullopt;
  }
  if (i != ref.size() || i == digits) return std::nullopt;
  return out;
}

std::optional<int> parsePositive(const char* text) {
  int value = 0;
  const std::string_view t(text);
  if (t.empty() || t.size() > 7) return std::nullopt;
  for (char ch : t) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  if (value < 1) return std::nullopt;
  return value;
}

bool isTrue(const pugi::xml_attribute& a) {
  const std::string_view v(a.value());
  return v == "1" || v == "true";
}

// A relationship target resolved against the folder of the part that names
// it; package part names carry no leading slash.
std::string resolvePart(const std::string& folder, std::string_view target) {
  std::string joined = !target.empty() && target[0] == '/' ? std::string(target.substr(1))
                                                           : folder + std::string(target);
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= joined.size()) {
    const size_t slash = std::min(joined.find('/', start), joined.size());
    const std::string piece = joined.substr(start, slash - start);
    if (piece == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!piece.empty() && piece != ".") {
      parts.push_back(piece);
    }
    start = slash + 1;
  }
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : "/") + p;
  return out;
}

std::string folderOf(const std::string& part) {
  const auto slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override {
    out.append(static_cast<const char*>(data), size);
  }
};

std::string serialize(const pugi::xml_document& doc, size_t expectedSize = 0) {
  StringWriter writer;
  // Growing a sheet of megabytes by doubling copies it over and over; reserved
  // pages that are never written cost nothing.
  writer.out.reserve(expectedSize);
  doc.save(writer, "", kFormat, pugi::encoding_utf8);
  return std::move(writer.out);
}

// An element's start tag as the XML writer writes it, without its closing '>'.
void appendStartTag(std::string& out, const pugi::xml_node& node) {
  out += '<';
  out += node.name();
  for (pugi::xml_attribute a : node.attributes()) {
    out += ' ';
    out += a.name();
    out += "=\"";
    appendEscapedAttribute(out, a.value());
    out += '"';
  }
}

std::string zipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

std::string columnName(int column) {
  std::string name;
  for (int c = column; c > 0; c = (c - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
  return name;
}

std::string spreadsheetText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendSpreadsheetText(out, text);
  return out;
}

void appendSpreadsheetText(std::string& out, std::string_view text) {
  auto escape = [&out](unsigned codePoint) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "_x%04X_", codePoint);
    out += buffer;
  };
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      if ((lead < 0x20 && lead != '\t' && lead != '\n') || lead == '\r') {
        escape(lead);
      } else if (lead == '_' && i + 7 <= text.size() && text[i + 1] == 'x' && isHex(text[i + 2]) &&
                 isHex(text[i + 3]) && isHex(text[i + 4]) && isHex(text[i + 5]) &&
                 text[i + 6] == '_') {
        out += "_x005F_";
      } else {
        out += static_cast<char>(lead);
      }
      ++i;
      continue;
    }
    size_t length = 0;
    unsigned codePoint = 0;
    unsigned minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
      length = 2, codePoint = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, codePoint = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, codePoint = lead & 0x07u, minimum = 0x10000;
    }
    bool valid = length != 0 && i + length <= text.size();
    for (size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    valid = valid && codePoint >= minimum && codePoint <= 0x10FFFF &&
            !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
    if (!valid) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (codePoint == 0xFFFE || codePoint == 0xFFFF)
      escape(codePoint);
    else
      out.append(text.substr(i, length));
    i += length;
  }
}

// ---------------------------------------------------------------- worksheet

struct XlsxWorksheet::Impl {
  std::string part;
  pugi::xml_document doc;
  std::string prefix;
  pugi::xml_node root;
  pugi::xml_node sheetData;
  std::map<int, pugi::xml_node> rows;  // the template's, by number
  struct ColumnStyle {
    int first;
    int last;
    std::string style;
    int pooled;  // the style in `added`'s pool; none when empty
  };
  std::vector<ColumnStyle> columnStyles;
  std::shared_ptr<const std::vector<std::string>> sharedStrings;
  bool changed = false;

  bool load(const std::string& xml, std::string& error);
  std::string name(const char* local) const { return prefix + local; }
  // A row of the template; rows added later are in `added`.
  pugi::xml_node findRow(int row) const;
  // The cell at (row, column), created in column order when missing.
  pugi::xml_node findCell(int row, int column, bool create, bool* created = nullptr);
  pugi::xml_node remember(int row, int column, pugi::xml_node cell) {
    lastCell = cell;
    lastCellRow = row;
    lastCellColumn = column;
    return cell;
  }
  // The cell findCell returned last (cells are never removed, so it stays valid).
  pugi::xml_node lastCell;
  int lastCellRow = 0, lastCellColumn = 0;
  // Element names with the sheet's prefix, made once.
  std::string cellName, valueName, inlineName, textName;
  std::string defaultStyle(const pugi::xml_node& rowNode, int column) const;
  void clearValue(pugi::xml_node cell);
  void updateDimension();

  AddedRows added;
  AddedRows::Row& addedRow(int row);
  // The cell of an added row (the row is added too when `create`).
  AddedRows::Cell* addedCell(int row, int column, bool create);
  int addedDefaultStyle(const AddedRows::Row& row, int column) const;
  // What a row styled like the model row takes: the row attributes present,
  // in kRowAttributes order, and the (column, style) of its styled cells, as
  // pooled values. Kept for the next row while the template's cells stay as
  // they are; the export styles every row like the same one.
  struct Model {
    bool kept = false;
    int row = 0;
    unsigned generation = 0;
    std::vector<std::pair<std::uint8_t, int>> attributes;
    std::vector<std::pair<int, int>> cells;
  } model;
  unsigned templateCells = 0;  // grows whenever a template row gains a cell
  const Model* modelRow(int row);
  std::string xml(size_t expectedSize) const;
};

bool XlsxWorksheet::Impl::load(const std::string& xml, std::string& error) {
  const pugi::xml_parse_result parsed =
      doc.load_buffer(xml.data(), xml.size(), kParseFlags, pugi::encoding_utf8);
  if (!parsed) {
    error = part + ": " + parsed.description();
    return false;
  }
  root = doc.document_element();
  if (!named(root, "worksheet")) {
    error = part + " is not a worksheet";
    return false;
  }
  prefix = prefixOf(root);
  cellName = name("c");
  valueName = name("v");
  inlineName = name("is");
  textName = name("t");
  sheetData = childNamed(root, "sheetData");
  if (!sheetData) {
    error = part + " has no cell data";
    return false;
  }
  // Row and cell positions may be implied by their order; they are made
  // explicit here so that insertion can rely on them.
  int impliedRow = 0;
  for (pugi::xml_node row : sheetData.children()) {
    if (!named(row, "row")) continue;
    const int r = parsePositive(row.attribute("r").value()).value_or(impliedRow + 1);
    setAttribute(row, "r", std::to_string(r));
    rows[r] = row;
    impliedRow = r;
    int impliedColumn = 0;
    for (pugi::xml_node cell : row.children()) {
      if (!named(cell, "c")) continue;
      auto ref = parseCellRef(cell.attribute("r").value());
      const int c = ref ? ref->column : impliedColumn + 1;
      setAttribute(cell, "r", columnName(c) + std::to_string(r));
      impliedColumn = c;
    }
  }
  if (pugi::xml_node cols = childNamed(root, "cols")) {
    for (pugi::xml_node col : cols.children()) {
      if (!named(col, "col") || !col.attribute("style")) continue;
      auto first = parsePositive(col.attribute("min").value());
      auto last = parsePositive(col.attribute("max").value());
      const std::string style = col.attribute("style").value();
      if (first && last)
        columnStyles.push_back(
            {*first, *last, style, style.empty() ? AddedRows::kNone : added.pool(style)});
    }
  }
  return true;
}

pugi::xml_node XlsxWorksheet::Impl::findRow(int row) const {
  const auto it = rows.find(row);
  return it == rows.end() ? pugi::xml_node() : it->second;
}

AddedRows::Row& XlsxWorksheet::Impl::addedRow(int row) {
  changed = true;
  return added.add(row);
}

AddedRows::Cell* XlsxWorksheet::Impl::addedCell(int row, int column, bool create) {
  AddedRows::Row* r = added.find(row);
  if (!r && !create) return nullptr;
  if (!r) r = &addedRow(row);
  if (AddedRows::Cell* cell = AddedRows::findCell(*r, column)) return cell;
  if (!create) return nullptr;
  changed = true;
  return &AddedRows::addCell(*r, column, addedDefaultStyle(*r, column));
}

// As defaultStyle, for an added row.
int XlsxWorksheet::Impl::addedDefaultStyle(const AddedRows::Row& row, int column) const {
  const int customFormat = row.attribute(3), style = row.attribute(2);
  if (customFormat != AddedRows::kNone && style != AddedRows::kNone) {
    const std::string& value = added.pooled(customFormat);
    if (value == "1" || value == "true")
      return added.pooled(style).empty() ? AddedRows::kNone : style;
  }
  for (const auto& cs : columnStyles)
    if (column >= cs.first && column <= cs.last) return cs.pooled;
  return AddedRows::kNone;
}

const XlsxWorksheet::Impl::Model* XlsxWorksheet::Impl::modelRow(int row) {
  if (model.kept && model.row == row && model.generation == templateCells) return &model;
  model.attributes.clear();
  model.cells.clear();
  model.kept = false;
  if (pugi::xml_node node = findRow(row)) {
    for (size_t a = 0; a < AddedRows::kRowAttributes.size(); ++a)
      if (pugi::xml_attribute value = node.attribute(AddedRows::kRowAttributes[a]))
        model.attributes.emplace_back(static_cast<std::uint8_t>(a), added.pool(value.value()));
    for (pugi::xml_node cell : node.children()) {
      if (!named(cell, "c") || !cell.attribute("s")) continue;
      if (const auto ref = parseCellRef(cell.attribute("r").value()))
        model.cells.emplace_back(ref->column, added.pool(cell.attribute("s").value()));
    }
    model.kept = true;
    model.row = row;
    model.generation = templateCells;
  } else if (const AddedRows::Row* r = added.find(row)) {
    // Not kept: an added row changes without a trace in templateCells.
    for (size_t a = 0; a < AddedRows::kRowAttributes.size(); ++a)
      if (const int value = r->attribute(a); value != AddedRows::kNone)
        model.attributes.emplace_back(static_cast<std::uint8_t>(a), value);
    for (const AddedRows::Cell& cell : r->cells)
      if (cell.style != AddedRows::kNone) model.cells.emplace_back(cell.column, cell.style);
  } else {
    return nullptr;
  }
  return &model;
}

std::string XlsxWorksheet::Impl::defaultStyle(const pugi::xml_node& rowNode, int column) const {
  if (isTrue(rowNode.attribute("customFormat")) && rowNode.attribute("s"))
    return rowNode.attribute("s").value();
  for (const auto& cs : columnStyles)
    if (column >= cs.first && column <= cs.last) return cs.style;
  return {};
}

pugi::xml_node XlsxWorksheet::Impl::findCell(int row, int column, bool create, bool* created) {
  if (created) *created = false;
  pugi::xml_node rowNode = findRow(row);
  if (!rowNode) return {};
  // The export writes a row's cells in column order: the search goes on from
  // the cell found last when it lies before the one wanted, rather than
  // reading every cell reference of the row again.
  pugi::xml_node start = rowNode.first_child();
  if (lastCell && lastCellRow == row && lastCell.parent() == rowNode) {
    if (lastCellColumn == column) return lastCell;
    if (lastCellColumn < column) start = lastCell.next_sibling();
  }
  pugi::xml_node before;
  for (pugi::xml_node cell = start; cell; cell = cell.next_sibling()) {
    if (!named(cell, "c")) continue;
    const auto ref = parseCellRef(cell.attribute("r").value());
    if (!ref) continue;
    if (ref->column == column) return remember(row, column, cell);
    if (ref->column > column) {
      before = cell;
      break;
    }
  }
  if (!create) return {};
  pugi::xml_node cell = before ? rowNode.insert_child_before(cellName.c_str(), before)
                               : rowNode.append_child(cellName.c_str());
  cell.append_attribute("r").set_value((columnName(column) + std::to_string(row)).c_str());
  if (const std::string style = defaultStyle(rowNode, column); !style.empty())
    cell.append_attribute("s").set_value(style.c_str());
  // The row's span hint would no longer cover its cells.
  rowNode.remove_attribute("spans");
  if (created) *created = true;
  changed = true;
  ++templateCells;
  return remember(row, column, cell);
}

void XlsxWorksheet::Impl::clearValue(pugi::xml_node cell) {
  // A cell just made has only its reference and style: nothing to clear.
  bool bare = !cell.first_child();
  for (pugi::xml_attribute a = cell.first_attribute(); bare && a; a = a.next_attribute()) {
    const std::string_view attributeName = a.name();
    bare = attributeName == "r" || attributeName == "s";
  }
  if (bare) return;
  for (pugi::xml_node c = cell.first_child(); c;) {
    pugi::xml_node next = c.next_sibling();
    if (named(c, "f") || named(c, "v") || named(c, "is")) cell.remove_child(c);
    c = next;
  }
  cell.remove_attribute("t");
  cell.remove_attribute("cm");
  cell.remove_attribute("vm");
}

void XlsxWorksheet::Impl::updateDimension() {
  pugi::xml_node dimension = childNamed(root, "dimension");
  if (!dimension) return;
  int firstRow = 0, lastRow = 0, firstColumn = 0, lastColumn = 0;
  for (const auto& [r, rowNode] : rows) {
    for (pugi::xml_node cell : rowNode.children()) {
      if (!named(cell, "c")) continue;
      const auto ref = parseCellRef(cell.attribute("r").value());
      if (!ref) continue;
      if (firstRow == 0) firstRow = r;
      lastRow = r;
      if (firstColumn == 0 || ref->column < firstColumn) firstColumn = ref->column;
      if (ref->column > lastColumn) lastColumn = ref->column;
    }
  }
  for (const auto& [r, row] : added.rows()) {
    if (row.cells.empty()) continue;
    if (firstRow == 0 || r < firstRow) firstRow = r;
    lastRow = std::max(lastRow, r);
    if (firstColumn == 0 || row.cells.front().column < firstColumn)
      firstColumn = row.cells.front().column;
    lastColumn = std::max(lastColumn, row.cells.back().column);
  }
  std::string ref = "A1";
  if (firstRow != 0) {
    ref = columnName(firstColumn) + std::to_string(firstRow);
    if (lastRow != firstRow || lastColumn != firstColumn)
      ref += ":" + columnName(lastColumn) + std::to_string(lastRow);
  }
  setAttribute(dimension, "ref", ref);
}

std::string XlsxWorksheet::Impl::xml(size_t expectedSize) const {
  if (added.empty()) return serialize(doc, expectedSize);
  // The added rows are written where the XML writer would have put them as
  // nodes inserted in row order: each before the first template row numbered
  // above it, else after everything in the sheet's data.
  std::map<pugi::xml_node,
           std::pair<AddedRows::Rows::const_iterator, AddedRows::Rows::const_iterator>>
      before;
  auto last = added.rows().begin();
  while (last != added.rows().end()) {
    const auto next = rows.upper_bound(last->first);
    const pugi::xml_node anchor = next == rows.end() ? pugi::xml_node() : next->second;
    auto first = last;
    while (last != added.rows().end() && (next == rows.end() || last->first < next->first)) ++last;
    before[anchor] = {first, last};
  }

  StringWriter writer;
  writer.out.reserve(expectedSize);
  std::string& out = writer.out;
  auto print = [&writer](const pugi::xml_node& node) {
    node.print(writer, "", kFormat, pugi::encoding_utf8);
  };
  for (pugi::xml_node top : doc.children()) {
    if (top != root) {
      print(top);
      continue;
    }
    appendStartTag(out, root);
    out += '>';
    for (pugi::xml_node child : root.children()) {
      if (child != sheetData) {
        print(child);
        continue;
      }
      appendStartTag(out, sheetData);
      out += '>';
      for (pugi::xml_node row : sheetData.children()) {
        if (const auto group = before.find(row); group != before.end())
          added.write(out, group->second.first, group->second.second, prefix);
        print(row);
      }
      if (const auto group = before.find(pugi::xml_node()); group != before.end())
        added.write(out, group->second.first, group->second.second, prefix);
      out += "</";
      out += sheetData.name();
      out += '>';
    }
    out += "</";
    out += root.name();
    out += '>';
  }
  return std::move(writer.out);
}

namespace {

// The visible text of a string item: its plain text, or its rich runs joined.
std::string itemText(const pugi::xml_node& item) {
  if (pugi::xml_node t = childNamed(item, "t")) return t.text().get();
  std::string text;
  for (pugi::xml_node run : item.children())
    if (named(run, "r"))
      if (pugi::xml_node t = childNamed(run, "t")) text += t.text().get();
  return text;
}

}  // namespace

std::string XlsxWorksheet::text(int row, int column) const {
  if (row < 1 || column < 1 || column > kMaxColumns) return {};
  if (!impl_->findRow(row)) {
    AddedRows::Row* r = impl_->added.find(row);
    const AddedRows::Cell* cell = r ? AddedRows::findCell(*r, column) : nullptr;
    return cell && cell->kind == AddedRows::Cell::Text ? std::string(impl_->added.value(*cell))
                                                       : std::string();
  }
  pugi::xml_node cell = impl_->findCell(row, column, false);
  if (!cell) return {};
  const std::string_view type = cell.attribute("t").value();
  if (type == "inlineStr") return itemText(childNamed(cell, "is"));
  if (type == "str") return childNamed(cell, "v").text().get();
  if (type == "s" && impl_->sharedStrings) {
    const long long index = childNamed(cell, "v").text().as_llong(-1);
    if (index >= 0 && static_cast<size_t>(index) < impl_->sharedStrings->size())
      return (*impl_->sharedStrings)[static_cast<size_t>(index)];
  }
  return {};
}

XlsxWorksheet::XlsxWorksheet(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
XlsxWorksheet::~XlsxWorksheet() = default;

void XlsxWorksheet::setText(int row, int column, std::string_view text) {
  if (row < 1 || column < 1 || column > kMaxColumns) return;
  if (!impl_->findRow(row)) {
    AddedRows::Cell* cell = impl_->addedCell(row, column, !text.empty());
    if (!cell) return;
    impl_->changed = true;
    if (text.empty())
      cell->kind = AddedRows::Cell::Empty;
    else
      impl_->added.setText(*cell, text);
    return;
  }
  if (text.empty() && !impl_->findCell(row, column, false)) return;
  pugi::xml_node cell = impl_->findCell(row, column, true);
  impl_->clearValue(cell);
  impl_->changed = true;
  if (text.empty()) return;
  cell.append_attribute("t").set_value("inlineStr");
  pugi::xml_node t =
      cell.append_child(impl_->inlineName.c_str()).append_child(impl_->textName.c_str());
  // Leading and trailing blanks belong to the value.
  t.append_attribute("xml:space").set_value("preserve");
  t.text().set(spreadsheetText(text).c_str());
}

void XlsxWorksheet::setNumber(int row, int column, double value) {
  if (row < 1 || column < 1 || column > kMaxColumns || !std::isfinite(value)) return;
  if (!impl_->findRow(row)) {
    impl_->added.setNumber(*impl_->addedCell(row, column, true), numberText(value));
    impl_->changed = true;
    return;
  }
  pugi::xml_node cell = impl_->findCell(row, column, true);
  impl_->clearValue(cell);
  impl_->changed = true;
  cell.append_child(impl_->valueName.c_str()).text().set(numberText(value).c_str());
}

void XlsxWorksheet::styleLikeRow(int row, int modelRow) {
  if (row < 1 || row == modelRow) return;
  const Impl::Model* model = impl_->modelRow(modelRow);
  if (!model) return;
  const AddedRows& pool = impl_->added;
  if (pugi::xml_node target = impl_->findRow(row)) {
    for (const auto& [a, value] : model->attributes)
      if (!target.attribute(AddedRows::kRowAttributes[a]))
        target.append_attribute(AddedRows::kRowAttributes[a]).set_value(pool.pooled(value).c_str());
    for (const auto& [column, style] : model->cells) {
      bool created = false;
      pugi::xml_node copy = impl_->findCell(row, column, true, &created);
      if (created) setAttribute(copy, "s", pool.pooled(style));
    }
    return;
  }
  AddedRows::Row& target = impl_->addedRow(row);
  for (const auto& [a, value] : model->attributes)
    if (target.attribute(a) == AddedRows::kNone)
      target.attributes[target.attributeCount++] = {a, value};
  for (const auto& [column, style] : model->cells)
    if (!AddedRows::findCell(target, column)) AddedRows::addCell(target, column, style);
}

// ----------------------------------------------------------------- workbook

struct XlsxWorkbook::Impl {
  zip_t* archive = nullptr;
  std::string workbookPart;
  pugi::xml_document workbook;
  bool workbookChanged = false;
  std::vector<std::string> sheetParts;
  std::vector<std::unique_ptr<XlsxWorksheet>> sheets;
  // Data handed to libzip must live until the archive is closed.
  std::list<std::string> pending;
  // Parts replaced or added since opening, by name: libzip reads only the
  // archive's original entries.
  std::map<std::string, const std::string*> changedParts;
  std::string sharedStringsPart;
  std::shared_ptr<const std::vector<std::string>> sharedStrings;

  ~Impl() {
    if (archive) zip_discard(archive);
  }
  std::optional<std::string> read(const std::string& part, std::string& error) const;
  bool replace(const std::string& part, std::string data, std::string& error,
               bool fastDeflate = false);
};

std::optional<std::string> XlsxWorkbook::Impl::read(const std::string& part,
                                                    std::string& error) const {
  if (const auto changed = changedParts.find(part); changed != changedParts.end())
    return *changed->second;
  const zip_int64_t index = zip_name_locate(archive, part.c_str(), 0);
  if (index < 0) {
    error = "the workbook has no part " + part;
    return std::nullopt;
  }
  zip_stat_t stat;
  zip_stat_init(&stat);
  zip_file_t* file = nullptr;
  if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
      !(file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0))) {
    error = part + ": " + zip_strerror(archive);
    return std::nullopt;
  }
  std::string data;
  // The size is what the archive's directory claims; a damaged one can claim
  // gigabytes, so it only sizes the first reservation of a part of sensible size.
  constexpr zip_uint64_t kLargestReservation = 64ULL * 1024 * 1024;
  if (stat.valid & ZIP_STAT_SIZE)
    data.reserve(static_cast<size_t>(std::min(stat.size, kLargestReservation)));
  char buffer[65536];
  zip_int64_t got = 0;
  while ((got = zip_fread(file, buffer, sizeof buffer)) > 0)
    data.append(buffer, static_cast<size_t>(got));
  if (got < 0) error = part + ": " + zip_file_strerror(file);
  zip_fclose(file);
  if (got < 0) return std::nullopt;
  return data;
}

bool XlsxWorkbook::Impl::replace(const std::string& part, std::string data, std::string& error,
                                 bool fastDeflate) {
  const zip_int64_t index = zip_name_locate(archive, part.c_str(), 0);
  const std::string& kept = pending.emplace_back(std::move(data));
  zip_source_t* source = zip_source_buffer(archive, kept.data(), kept.size(), 0);
  bool done = index >= 0 && source;
  bool taken = false;  // the archive owns the source once an add or replace succeeds
  if (done && fastDeflate) {
    // libzip keeps a replaced entry's own compression, level included (the
    // template's sheets are deflated at the highest level, a third of the
    // export's time); a new entry takes the fastest level, for files a few
    // percent larger. The sheet then comes after the parts left as they were.
    zip_int64_t added = -1;
    done = zip_delete(archive, static_cast<zip_uint64_t>(index)) == 0 &&
           (added = zip_file_add(archive, part.c_str(), source, ZIP_FL_ENC_UTF_8)) >= 0;
    taken = added >= 0;
    done = done && zip_set_file_compression(archive, static_cast<zip_uint64_t>(added),
                                            ZIP_CM_DEFLATE, 1) == 0;
  } else if (done) {
    done = taken = zip_file_replace(archive, static_cast<zip_uint64_t>(index), source, 0) == 0;
  }
  if (!done) {
    if (source && !taken) zip_source_free(source);
    error = part + ": " + zip_strerror(archive);
    return false;
  }
  changedParts[part] = &kept;
  return true;
}

XlsxWorkbook::XlsxWorkbook() : impl_(std::make_unique<Impl>()) {}
XlsxWorkbook::~XlsxWorkbook() = default;

bool XlsxWorkbook::open(const std::string& path) {
  impl_ = std::make_unique<Impl>();
  error_.clear();
  int code = 0;
  impl_->archive = zip_open(path.c_str(), 0, &code);
  if (!impl_->archive) {
    error_ = zipErrorText(code);
    return false;
  }

  // The package's root relationships name the workbook part.
  impl_->workbookPart = "xl/workbook.xml";
  std::string ignored;
  if (auto rels = impl_->read("_rels/.rels", ignored)) {
    pugi::xml_document doc;
    if (doc.load_buffer(rels->data(), rels->size(), kParseFlags)) {
      for (pugi::xml_node rel : doc.document_element().children()) {
        const std::string_view type = rel.attribute("Type").value();
        if (named(rel, "Relationship") && type.size() >= 15 &&
            type.substr(type.size() - 15) == "/officeDocument")
          impl_->workbookPart = resolvePart("", rel.attribute("Target").value());
      }
    }
  }
  auto xml = impl_->read(impl_->workbookPart, error_);
  if (!xml) return false;
  if (auto parsed = impl_->workbook.load_buffer(xml->data(), xml->size(), kParseFlags); !parsed) {
    error_ = impl_->workbookPart + ": " + parsed.description();
    return false;
  }

  const std::string folder = folderOf(impl_->workbookPart);
  const std::string relsPart =
      folder + "_rels/" + impl_->workbookPart.substr(folder.size()) + ".rels";
  auto relsXml = impl_->read(relsPart, error_);
  if (!relsXml) return false;
  pugi::xml_document rels;
  if (auto parsed = rels.load_buffer(relsXml->data(), relsXml->size(), kParseFlags); !parsed) {
    error_ = relsPart + ": " + parsed.description();
    return false;
  }
  std::map<std::string, std::string> targets;
  for (pugi::xml_node rel : rels.document_element().children())
    if (named(rel, "Relationship")) {
      targets[rel.attribute("Id").value()] = resolvePart(folder, rel.attribute("Target").value());
      const std::string_view type = rel.attribute("Type").value();
      if (type.size() >= 14 && type.substr(type.size() - 14) == "/sharedStrings")
        impl_->sharedStringsPart = resolvePart(folder, rel.attribute("Target").value());
    }

  pugi::xml_node sheetList = childNamed(impl_->workbook.document_element(), "sheets");
  for (pugi::xml_node sheet : sheetList.children()) {
    if (!named(sheet, "sheet")) continue;
    const auto it = targets.find(attributeNamed(sheet, "id").value());
    impl_->sheetParts.push_back(it == targets.end() ? std::string() : it->second);
  }
  impl_->sheets.resize(impl_->sheetParts.size());
  return true;
}

int XlsxWorkbook::worksheetCount() const { return static_cast<int>(impl_->sheetParts.size()); }

XlsxWorksheet* XlsxWorkbook::worksheet(int index) {
  if (!impl_->archive || index < 0 || index >= worksheetCount()) {
    error_ = "the workbook has no worksheet " + std::to_string(index + 1);
    return nullptr;
  }
  auto& slot = impl_->sheets[static_cast<size_t>(index)];
  if (slot) return slot.get();
  const std::string& part = impl_->sheetParts[static_cast<size_t>(index)];
  if (part.empty()) {
    error_ = "worksheet " + std::to_string(index + 1) + " has no part in the workbook";
    return nullptr;
  }
  auto xml = impl_->read(part, error_);
  if (!xml) return nullptr;
  auto sheet = std::make_unique<XlsxWorksheet::Impl>();
  sheet->part = part;
  if (!sheet->load(*xml, error_)) return nullptr;
  if (!impl_->sharedStrings) {
    // Read once, only to read texts back; the part itself is never rewritten.
    auto strings = std::make_shared<std::vector<std::string>>();
    std::string ignored;
    if (!impl_->sharedStringsPart.empty())
      if (auto sst = impl_->read(impl_->sharedStringsPart, ignored)) {
        pugi::xml_document doc;
        if (doc.load_buffer(sst->data(), sst->size(), kParseFlags))
          for (pugi::xml_node item : doc.document_element().children())
            if (named(item, "si")) strings->push_back(itemText(item));
      }
    impl_->sharedStrings = std::move(strings);
  }
  sheet->sharedStrings = impl_->sharedStrings;
  slot.reset(new XlsxWorksheet(std::move(sheet)));
  return slot.get();
}

namespace {

constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kWorksheetType =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
constexpr const char* kWorksheetContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";

// Tab names are 1 to 31 characters, without []:*?/\ and not quoted at the ends.
bool validSheetName(const std::string& name) {
  if (name.empty() || name.front() == '\'' || name.back() == '\'') return false;
  size_t characters = 0;
  for (unsigned char c : name) {
    if (std::string_view("[]:*?/\\").find(static_cast<char>(c)) != std::string_view::npos ||
        c < 0x20)
      return false;
    if ((c & 0xC0) != 0x80) ++characters;
  }
  return characters <= 31 && spreadsheetText(name) == name;
}

bool sameSheetName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char x = (a[i] >= 'a' && a[i] <= 'z') ? static_cast<char>(a[i] - 32) : a[i];
    const char y = (b[i] >= 'a' && b[i] <= 'z') ? static_cast<char>(b[i] - 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

}  // namespace

XlsxWorksheet* XlsxWorkbook::addWorksheet(const std::string& name) {
  if (!impl_->archive) {
    error_ = "the workbook is not open";
    return nullptr;
  }
  pugi::xml_node root = impl_->workbook.document_element();
  pugi::xml_node sheetList = childNamed(root, "sheets");
  if (!validSheetName(name) || !sheetList) {
    error_ = "\"" + name + "\" cannot be a worksheet of this workbook";
    return nullptr;
  }
  long long lastId = 0;
  for (pugi::xml_node sheet : sheetList.children()) {
    if (!named(sheet, "sheet")) continue;
    if (sameSheetName(sheet.attribute("name").value(), name)) {
      error_ = "the workbook already has a worksheet \"" + name + "\"";
      return nullptr;
    }
    lastId = std::max(lastId, sheet.attribute("sheetId").as_llong());
  }

  const std::string folder = folderOf(impl_->workbookPart);
  const std::string relsPart =
      folder + "_rels/" + impl_->workbookPart.substr(folder.size()) + ".rels";
  auto relsXml = impl_->read(relsPart, error_);
  auto typesXml = relsXml ? impl_->read("[Content_Types].xml", error_) : std::nullopt;
  if (!typesXml) return nullptr;
  pugi::xml_document rels, types;
  if (!rels.load_buffer(relsXml->data(), relsXml->size(), kParseFlags) ||
      !types.load_buffer(typesXml->data(), typesXml->size(), kParseFlags)) {
    error_ = "the workbook's relationships or content types cannot be read";
    return nullptr;
  }

  std::string part, target;
  for (int n = worksheetCount() + 1;; ++n) {
    target = "worksheets/sheet" + std::to_string(n) + ".xml";
    part = resolvePart(folder, target);
    if (zip_name_locate(impl_->archive, part.c_str(), 0) < 0) break;
  }
  std::string id;
  for (int n = 1; id.empty(); ++n) {
    const std::string candidate = "rId" + std::to_string(n);
    bool taken = false;
    for (pugi::xml_node rel : rels.document_element().children())
      taken = taken || std::string_view(rel.attribute("Id").value()) == candidate;
    if (!taken) id = candidate;
  }
  pugi::xml_node rel = rels.document_element().append_child(
      (prefixOf(rels.document_element()) + "Relationship").c_str());
  rel.append_attribute("Id").set_value(id.c_str());
  rel.append_attribute("Type").set_value(kWorksheetType);
  rel.append_attribute("Target").set_value(target.c_str());
  pugi::xml_node override = types.document_element().append_child(
      (prefixOf(types.document_element()) + "Override").c_str());
  override.append_attribute("PartName").set_value(("/" + part).c_str());
  override.append_attribute("ContentType").set_value(kWorksheetContentType);

  // The sheet's relationship attribute needs the namespace under some prefix.
  std::string relPrefix;
  for (pugi::xml_attribute a : root.attributes()) {
    const std::string_view attributeName = a.name();
    if (attributeName.substr(0, 6) == "xmlns:" &&
        std::string_view(a.value()) == kRelationshipsNamespace)
      relPrefix = std::string(attributeName.substr(6));
  }
  if (relPrefix.empty()) {
    relPrefix = "tvr";
    root.append_attribute("xmlns:tvr").set_value(kRelationshipsNamespace);
  }
  pugi::xml_node sheet = sheetList.append_child((prefixOf(root) + "sheet").c_str());
  sheet.append_attribute("name").set_value(name.c_str());
  sheet.append_attribute("sheetId").set_value(std::to_string(lastId + 1).c_str());
  sheet.append_attribute((relPrefix + ":id").c_str()).set_value(id.c_str());

  const std::string xml =
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"" +
      std::string(kRelationshipsNamespace) + "\"><dimension ref=\"A1\"/><sheetData/></worksheet>";
  auto impl = std::make_unique<XlsxWorksheet::Impl>();
  impl->part = part;
  if (!impl->load(xml, error_)) return nullptr;
  impl->changed = true;
  // The part is added now and its final XML replaces it on save.
  const std::string& kept = impl_->pending.emplace_back(xml);
  zip_source_t* source = zip_source_buffer(impl_->archive, kept.data(), kept.size(), 0);
  if (!source || zip_file_add(impl_->archive, part.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
    if (source) zip_source_free(source);
    error_ = part + ": " + zip_strerror(impl_->archive);
    return nullptr;
  }
  impl_->changedParts[part] = &kept;
  if (!impl_->replace(relsPart, serialize(rels), error_) ||
      !impl_->replace("[Content_Types].xml", serialize(types), error_))
    return nullptr;
  impl_->workbookChanged = true;
  impl_->sheetParts.push_back(part);
  impl_->sheets.emplace_back(new XlsxWorksheet(std::move(impl)));
  return impl_->sheets.back().get();
}

bool XlsxWorkbook::setActiveWorksheet(int index) {
  for (int i = 0; i < worksheetCount(); ++i)
    if (!worksheet(i)) return false;
  if (index < 0 || index >= worksheetCount()) {
    error_ = "the workbook has no worksheet " + std::to_string(index + 1);
    return false;
  }
  pugi::xml_node root = impl_->workbook.document_element();
  const std::string prefix = prefixOf(root);
  pugi::xml_node views = childNamed(root, "bookViews");
  if (!views)
    views = root.insert_child_before((prefix + "bookViews").c_str(), childNamed(root, "sheets"));
  pugi::xml_node view = childNamed(views, "workbookView");
  if (!view) view = views.append_child((prefix + "workbookView").c_str());
  setAttribute(view, "activeTab", std::to_string(index));
  view.remove_attribute("firstSheet");
  impl_->workbookChanged = true;

  for (int i = 0; i < worksheetCount(); ++i) {
    XlsxWorksheet::Impl& sheet = *impl_->sheets[static_cast<size_t>(i)]->impl_;
    pugi::xml_node sheetViews = childNamed(sheet.root, "sheetViews");
    if (!sheetViews && i == index) {
      pugi::xml_node before = childNamed(sheet.root, "sheetFormatPr");
      if (!before) before = childNamed(sheet.root, "cols");
      if (!before) before = sheet.sheetData;
      sheetViews = sheet.root.insert_child_before(sheet.name("sheetViews").c_str(), before);
      sheetViews.append_child(sheet.name("sheetView").c_str())
          .append_attribute("workbookViewId")
          .set_value("0");
    }
    pugi::xml_node sheetView = childNamed(sheetViews, "sheetView");
    if (!sheetView) continue;
    if (i == index)
      setAttribute(sheetView, "tabSelected", "1");
    else
      sheetView.remove_attribute("tabSelected");
    sheet.changed = true;
  }
  return true;
}

bool XlsxWorkbook::save() {
  if (!impl_->archive) {
    error_ = "the workbook is not open";
    return false;
  }
  bool ok = true;
  for (auto& sheet : impl_->sheets) {
    if (!sheet || !sheet->impl_->changed) continue;
    sheet->impl_->updateDimension();
    // About a kilobyte a row in the schedules; more only costs address space.
    const size_t expected = (sheet->impl_->rows.size() + sheet->impl_->added.size()) * 2048 + 65536;
    ok = ok && impl_->replace(sheet->impl_->part, sheet->impl_->xml(expected), error_, true);
  }
  if (impl_->workbookChanged)
    ok = ok && impl_->replace(impl_->workbookPart, serialize(impl_->workbook), error_);
  if (!ok) return false;
  // A member written now would carry the clock's time; a reproducible set takes the given one.
  if (const auto epoch = sourceDateEpoch()) {
    for (const auto& [part, data] : impl_->changedParts) {
      const zip_int64_t index = zip_name_locate(impl_->archive, part.c_str(), 0);
      if (index >= 0)
        zip_file_set_mtime(impl_->archive, static_cast<zip_uint64_t>(index),
                           static_cast<time_t>(*epoch), 0);
    }
  }
  if (zip_close(impl_->archive) != 0) {
    error_ = zip_strerror(impl_->archive);
    return false;  // the archive is discarded with the workbook
  }
  impl_->archive = nullptr;
  return true;
}

}  // namespace tarvello
