#include "added_rows.h"

#include <algorithm>
#include <charconv>

#include "xlsx_workbook.h"

namespace tarvello {

namespace {

void appendControl(std::string& out, unsigned char c) {
  const char code[] = {'&', '#', static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10),
                       ';'};
  out.append(code, sizeof code);
}

// Column letters and row digits of a cell reference.
void appendReference(std::string& out, int column, std::string_view rowDigits) {
  char letters[4];
  int n = 0;
  for (int c = column; c > 0 && n < 4; c = (c - 1) / 26)
    letters[n++] = static_cast<char>('A' + (c - 1) % 26);
  while (n > 0) out += letters[--n];
  out += rowDigits;
}

}  // namespace

void appendEscapedText(std::string& out, std::string_view text) {
  size_t plain = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool special =
        c == '&' || c == '<' || c == '>' || (c < 0x20 && c != '\t' && c != '\n' && c != '\r');
    if (!special) continue;
    out.append(text.substr(plain, i - plain));
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      appendControl(out, c);
    plain = i + 1;
  }
  out.append(text.substr(plain));
}

void appendEscapedAttribute(std::string& out, std::string_view value) {
  size_t plain = 0;
  for (size_t i = 0; i < value.size(); ++i) {
    const auto c = static_cast<unsigned char>(value[i]);
    if (c != '&' && c != '<' && c != '"' && c >= 0x20) continue;
    out.append(value.substr(plain, i - plain));
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '"')
      out += "&quot;";
    else
      appendControl(out, c);
    plain = i + 1;
  }
  out.append(value.substr(plain));
}

int AddedRows::Row::attribute(size_t name) const {
  for (size_t i = 0; i < attributeCount; ++i)
    if (attributes[i].first == name) return attributes[i].second;
  return kNone;
}

AddedRows::Row* AddedRows::find(int row) {
  const auto it = rows_.find(row);
  return it == rows_.end() ? nullptr : &it->second;
}

const AddedRows::Row* AddedRows::find(int row) const {
  const auto it = rows_.find(row);
  return it == rows_.end() ? nullptr : &it->second;
}

AddedRows::Cell* AddedRows::findCell(Row& row, int column) {
  // Cells come in column order: the last one is the likeliest.
  if (row.cells.empty() || row.cells.back().column < column) return nullptr;
  if (row.cells.back().column == column) return &row.cells.back();
  const auto it = std::lower_bound(row.cells.begin(), row.cells.end(), column,
                                   [](const Cell& c, int col) { return c.column < col; });
  return it != row.cells.end() && it->column == column ? &*it : nullptr;
}

AddedRows::Cell& AddedRows::addCell(Row& row, int column, int style) {
  Cell cell;
  cell.column = column;
  cell.style = style;
  if (row.cells.empty() || row.cells.back().column < column) {
    // A schedule row has a dozen cells; growing one by one would copy it four times.
    if (row.cells.capacity() == 0) row.cells.reserve(16);
    return row.cells.emplace_back(cell);
  }
  const auto it = std::lower_bound(row.cells.begin(), row.cells.end(), column,
                                   [](const Cell& c, int col) { return c.column < col; });
  return *row.cells.insert(it, cell);
}

int AddedRows::pool(std::string_view value) {
  for (size_t i = 0; i < pool_.size(); ++i)
    if (pool_[i] == value) return static_cast<int>(i);
  pool_.emplace_back(value);
  appendEscapedAttribute(escapedPool_.emplace_back(), value);
  return static_cast<int>(pool_.size() - 1);
}

void AddedRows::setText(Cell& cell, std::string_view text) {
  cell.offset = values_.size();
  appendSpreadsheetText(values_, text);
  cell.length = static_cast<std::uint32_t>(values_.size() - cell.offset);
  cell.kind = Cell::Text;
}

void AddedRows::setNumber(Cell& cell, std::string_view numberText) {
  cell.offset = values_.size();
  values_.append(numberText);
  cell.length = static_cast<std::uint32_t>(numberText.size());
  cell.kind = Cell::Number;
}

void AddedRows::write(std::string& out, Rows::const_iterator from, Rows::const_iterator to,
                      const std::string& prefix) const {
  const std::string rowOpen = "<" + prefix + "row r=\"";
  const std::string rowClose = "</" + prefix + "row>";
  const std::string cellOpen = "<" + prefix + "c r=\"";
  const std::string cellClose = "</" + prefix + "c>";
  const std::string textOpen = "<" + prefix + "is><" + prefix + "t xml:space=\"preserve\">";
  const std::string textClose = "</" + prefix + "t></" + prefix + "is>";
  const std::string numberOpen = "<" + prefix + "v>";
  const std::string numberClose = "</" + prefix + "v>";
  for (auto it = from; it != to; ++it) {
    const Row& row = it->second;
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, it->first).ptr;
    const std::string_view rowDigits(digits, static_cast<size_t>(end - digits));
    out += rowOpen;
    out += rowDigits;
    out += '"';
    for (size_t a = 0; a < row.attributeCount; ++a) {
      out += ' ';
      out += kRowAttributes[row.attributes[a].first];
      out += "=\"";
      out += escapedPool_[static_cast<size_t>(row.attributes[a].second)];
      out += '"';
    }
    if (row.cells.empty()) {
      out += "/>";
      continue;
    }
    out += '>';
    for (const Cell& cell : row.cells) {
      out += cellOpen;
      appendReference(out, cell.column, rowDigits);
      out += '"';
      if (cell.style != kNone) {
        out += " s=\"";
        out += escapedPool_[static_cast<size_t>(cell.style)];
        out += '"';
      }
      if (cell.kind == Cell::Empty) {
        out += "/>";
        continue;
      }
      if (cell.kind == Cell::Text) {
        out += " t=\"inlineStr\">";
        out += textOpen;
        appendEscapedText(out, value(cell));
        out += textClose;
      } else {
        out += '>';
        out += numberOpen;
        appendEscapedText(out, value(cell));
        out += numberClose;
      }
      out += cellClose;
    }
    out += rowClose;
  }
}

}  // namespace tarvello
