// Reader of the readable description format (README.md beside this file).
#include <charconv>
#include <istream>
#include <string>
#include <vector>

#include "jet_internal.h"
#include "jet_writer.h"

namespace jet {
namespace {

struct Field {
  std::string text;
  bool quoted = false;
};

// RFC 4180 fields of one line; a quoted field cannot span lines.
std::vector<Field> splitFields(const std::string& line) {
  std::vector<Field> fields;
  std::size_t i = 0;
  while (true) {
    Field f;
    if (i < line.size() && line[i] == '"') {
      f.quoted = true;
      ++i;
      while (true) {
        if (i >= line.size())
          throw JetError("field " + std::to_string(fields.size() + 1) + " has no closing quote");
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            f.text += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        f.text += line[i++];
      }
      if (i < line.size() && line[i] != ',') {
        throw JetError("field " + std::to_string(fields.size() + 1) +
                       " has text after its closing quote");
      }
    } else {
      const std::size_t end = std::min(line.find(',', i), line.size());
      f.text = line.substr(i, end - i);
      i = end;
    }
    fields.push_back(std::move(f));
    if (i >= line.size()) break;
    ++i;  // the comma
  }
  return fields;
}

bool isBlank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// [+-]?(d+(.d*)?|.d+)([eE][+-]?d+)? -- no blanks, no "inf"/"nan", no hex.
bool isDecimal(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

bool isInteger(const std::string& s) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  if (i == s.size()) return false;
  for (; i < s.size(); ++i) {
    if (!isDigit(s[i])) return false;
  }
  return true;
}

std::string lowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

template <typename T>
bool parseNumber(const std::string& s, T& value) {
  const char* first = s.data();
  const char* last = s.data() + s.size();
  if (first != last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last;
}

Cell toCell(ColumnType type, const Field& field) {
  if (!field.quoted && field.text.empty()) return Null{};
  const std::string& s = field.text;
  switch (type) {
    case ColumnType::Text:
    case ColumnType::Memo:
      return s;
    case ColumnType::Double: {
      double d = 0;
      if (!isDecimal(s) || !parseNumber(s, d))
        throw JetError("\"" + s + "\" is not a number (or is out of range)");
      return d;
    }
    case ColumnType::Single: {
      // Read straight into single precision: going through double could round twice.
      float f = 0;
      if (!isDecimal(s) || !parseNumber(s, f))
        throw JetError("\"" + s + "\" is not a number (or is out of range)");
      return static_cast<double>(f);
    }
    case ColumnType::Long:
    case ColumnType::Integer: {
      std::int64_t i = 0;
      if (!isInteger(s) || !parseNumber(s, i))
        throw JetError("\"" + s + "\" is not a whole number");
      return i;
    }
    case ColumnType::Boolean: {
      const std::string v = lowerAscii(s);
      if (v == "true" || v == "1") return true;
      if (v == "false" || v == "0") return false;
      throw JetError("\"" + s + "\" is not a boolean (true, false, 1 or 0)");
    }
  }
  return Null{};
}

}  // namespace

DatabaseData parseDescription(std::istream& in) {
  DatabaseData db;
  std::string line;
  std::size_t lineNo = 0;
  std::size_t tableLine = 0;
  bool needColumns = false;
  std::vector<std::string> tableKeys;

  while (std::getline(in, line)) {
    ++lineNo;
    auto fail = [&](const std::string& why) {
      throw JetError("line " + std::to_string(lineNo) + ": " + why);
    };
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNo == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    if (isBlank(line) || line[0] == '#') continue;

    if (line[0] == '[') {
      if (needColumns) fail("table " + db.tables.back().name + " has no column line");
      if (line.size() < 2 || line.back() != ']') fail("a table starts with a line [NAME]");
      TableData t;
      t.name = line.substr(1, line.size() - 2);
      if (auto why = detail::nameProblem(t.name); !why.empty()) fail("table " + why);
      const std::string key = lowerAscii(t.name);
      for (const auto& seen : tableKeys) {
        if (seen == key) fail("table " + t.name + " is named twice (names ignore case)");
      }
      tableKeys.push_back(key);
      db.tables.push_back(std::move(t));
      tableLine = lineNo;
      needColumns = true;
      continue;
    }
    if (db.tables.empty()) fail("a line before the first [TABLE] line");

    std::vector<Field> fields;
    try {
      fields = splitFields(line);
    } catch (const JetError& e) {
      fail(e.what());
    }
    TableData& table = db.tables.back();

    if (needColumns) {
      std::vector<std::string> keys;
      for (const Field& f : fields) {
        const std::size_t colon = f.text.rfind(':');
        if (colon == std::string::npos)
          fail("column \"" + f.text + "\" needs a type, as NAME:type");
        Column c;
        c.name = f.text.substr(0, colon);
        std::string typeText = f.text.substr(colon + 1);
        const std::size_t first = typeText.find_first_not_of(" \t");
        const std::size_t last = typeText.find_last_not_of(" \t");
        typeText = first == std::string::npos ? "" : typeText.substr(first, last - first + 1);
        const auto type = detail::typeFromName(lowerAscii(typeText));
        if (!type) {
          fail("column " + c.name + " has unknown type \"" + typeText +
               "\" (text, double, single, long, integer, boolean or memo)");
        }
        c.type = *type;
        if (auto why = detail::nameProblem(c.name); !why.empty()) fail("column " + why);
        const std::string key = lowerAscii(c.name);
        for (const auto& seen : keys) {
          if (seen == key) fail("column " + c.name + " is named twice (names ignore case)");
        }
        keys.push_back(key);
        table.columns.push_back(std::move(c));
      }
      if (table.columns.size() > detail::kMaxColumns) {
        fail("more than " + std::to_string(detail::kMaxColumns) + " columns");
      }
      needColumns = false;
      continue;
    }

    if (fields.size() != table.columns.size()) {
      fail("the row has " + std::to_string(fields.size()) + " fields, table " + table.name +
           " has " + std::to_string(table.columns.size()) + " columns");
    }
    std::vector<Cell> row;
    row.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
      const Column& c = table.columns[i];
      const std::string where =
          "column " + c.name + " (" + std::string(detail::typeName(c.type)) + "): ";
      Cell cell;
      try {
        cell = toCell(c.type, fields[i]);
      } catch (const JetError& e) {
        fail(where + e.what());
      }
      if (auto why = detail::cellProblem(c.type, cell); !why.empty()) fail(where + why);
      row.push_back(std::move(cell));
    }
    table.rows.push_back(std::move(row));
  }
  if (in.bad())
    throw JetError("line " + std::to_string(lineNo + 1) + ": the description could not be read");
  if (needColumns) {
    throw JetError("line " + std::to_string(tableLine) + ": table " + db.tables.back().name +
                   " has no column line");
  }
  return db;
}

}  // namespace jet
