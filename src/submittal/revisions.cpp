#include "submittal/revisions.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "common/number_format.h"
#include "common/sha256.h"
#include "tables/csv.h"
#include "tables/profile_tables.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

SetTable fromTable(const Table& table) {
  SetTable out{table.headers(), {}};
  const int last = table.lastFilledRow();
  out.rows.reserve(static_cast<size_t>(last));
  for (int r = 1; r <= last; ++r) {
    auto& row = out.rows.emplace_back();
    row.reserve(table.headers().size());
    for (int c = 0; c < table.columnCount(); ++c) row.push_back(table.cell(r, c).str());
  }
  return out;
}

// "" or why the file is not a table of the expected heads.
std::string readTable(const fs::path& path, const std::vector<std::string>& heads, SetTable& out) {
  std::string text;
  if (!readWholeFile(path.string(), text)) return path.string() + ": the file cannot be read";
  auto rows = parseCsv(text);
  if (!rows || rows->empty()) return path.string() + ": this is not a CSV table";
  if ((*rows)[0] != heads)
    return path.string() + ": the columns are not those this program writes (" +
           std::to_string((*rows)[0].size()) + " column heads, " + std::to_string(heads.size()) +
           " expected)";
  out.heads = std::move((*rows)[0]);
  rows->erase(rows->begin());
  for (auto& row : *rows) row.resize(out.heads.size());
  out.rows = std::move(*rows);
  return "";
}

bool alike(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const auto x = parseNumber(a), y = parseNumber(b);
  return x && y && *x == *y;
}

// The first row of each id, in table order; rows without an id are left out.
struct Keyed {
  std::vector<std::string> order;
  std::unordered_map<std::string, const std::vector<std::string>*> rows;
};

using IdOf = std::string (*)(const std::vector<std::string>&, const std::vector<int>&);

Keyed keyed(const SetTable& table, const std::vector<int>& idColumns, IdOf idOf) {
  Keyed k;
  for (const auto& row : table.rows) {
    std::string id = idOf(row, idColumns);
    if (id.empty()) continue;
    if (k.rows.emplace(id, &row).second) k.order.push_back(std::move(id));
  }
  return k;
}

std::string plainId(const std::vector<std::string>& row, const std::vector<int>& columns) {
  return row[static_cast<size_t>(columns[0])];
}

std::string findingId(const std::vector<std::string>& row, const std::vector<int>& columns) {
  std::string id;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) id += ':';
    id += row[static_cast<size_t>(columns[i])];
  }
  return id;
}

int column(const SetTable& table, const std::string& head) {
  for (size_t c = 0; c < table.heads.size(); ++c)
    if (table.heads[c] == head) return static_cast<int>(c);
  return -1;
}

void compareItem(const SetTable& before, const SetTable& after, const std::string& item,
                 const std::vector<std::string>& idHeads, IdOf idOf,
                 const std::vector<std::string>& comparedHeads, std::vector<Revision>& out) {
  std::vector<int> idColumns;
  for (const auto& head : idHeads) idColumns.push_back(column(after, head));
  for (const int c : idColumns)
    if (c < 0) return;
  const Keyed old = keyed(before, idColumns, idOf), now = keyed(after, idColumns, idOf);
  std::vector<int> compared;
  for (size_t c = 0; c < after.heads.size(); ++c)
    if (comparedHeads.empty() || std::find(comparedHeads.begin(), comparedHeads.end(),
                                           after.heads[c]) != comparedHeads.end())
      compared.push_back(static_cast<int>(c));
  for (const auto& id : now.order) {
    const auto found = old.rows.find(id);
    if (found == old.rows.end()) {
      out.push_back({"added", item, id, "", "", ""});
      continue;
    }
    const auto& a = *found->second;
    const auto& b = *now.rows.at(id);
    for (const int c : compared) {
      const auto i = static_cast<size_t>(c);
      if (!alike(a[i], b[i])) out.push_back({"changed", item, id, after.heads[i], a[i], b[i]});
    }
  }
  for (const auto& id : old.order)
    if (!now.rows.count(id)) out.push_back({"removed", item, id, "", "", ""});
}

}  // namespace

std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false, any = false;
  size_t i = 0;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  auto endRow = [&] {
    row.push_back(std::move(field));
    field.clear();
    rows.push_back(std::move(row));
    row.clear();
    any = false;
  };
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
      continue;
    }
    if (c == '"') {
      quoted = any = true;
    } else if (c == ',') {
      row.push_back(std::move(field));
      field.clear();
      any = true;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRow();
    } else {
      field += c;
      any = true;
    }
  }
  if (quoted) return std::nullopt;
  if (any || !row.empty()) endRow();
  return rows;
}

SetTables setTablesOf(const Run& run, const std::vector<Finding>* findings) {
  SetTables set{fromTable(run.tables().structures), fromTable(run.tables().pipes), std::nullopt};
  if (findings) {
    auto rows = findingRows(*findings);
    SetTable table{rows.front(), {}};
    rows.erase(rows.begin());
    table.rows = std::move(rows);
    set.findings = std::move(table);
  }
  return set;
}

std::string readPreviousSet(const std::string& folder, const SetTables& current,
                            PreviousSet& previous) {
  const fs::path dir(folder);
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return folder + ": there is no such folder";
  previous = PreviousSet{folder, {}, ""};
  for (const auto& [name, table, heads] :
       {std::tuple{"structures.csv", &previous.tables.structures, &current.structures.heads},
        std::tuple{"pipes.csv", &previous.tables.pipes, &current.pipes.heads}}) {
    if (!fs::exists(dir / name, ec)) return (dir / name).string() + ": the file does not exist";
    if (std::string error = readTable(dir / name, *heads, *table); !error.empty()) return error;
  }
  const fs::path checks = dir / "design-checks.csv";
  if (fs::exists(checks, ec)) {
    SetTable table;
    const auto heads = findingRows({}).front();
    if (std::string error = readTable(checks, heads, table); !error.empty()) return error;
    previous.tables.findings = std::move(table);
  }
  const fs::path manifest = dir / "manifest.json";
  if (fs::exists(manifest, ec)) {
    std::string error;
    previous.manifestSha256 = sha256OfFile(manifest.string(), error);
    if (!error.empty()) return manifest.string() + ": the file cannot be read (" + error + ")";
  }
  return "";
}

std::vector<Revision> compareSets(const SetTables& before, const SetTables& after) {
  std::vector<Revision> out;
  compareItem(before.structures, after.structures, "structure", {"Str #"}, plainId, {}, out);
  compareItem(before.pipes, after.pipes, "pipe", {"Pipe No"}, plainId, {}, out);
  if (before.findings && after.findings)
    compareItem(*before.findings, *after.findings, "finding",
                {"Rule", "Branch ID", "Structure", "Pipe"}, findingId, {"Value", "Limit"}, out);
  return out;
}

std::shared_ptr<const RevisionMarks> revisionMarks(const std::vector<Revision>& revisions) {
  auto marks = std::make_shared<RevisionMarks>();
  for (const auto& r : revisions) {
    if (r.change == "removed") continue;  // not drawn any more
    if (r.item == "structure") marks->structures.insert(r.id);
    if (r.item == "pipe") marks->pipes.insert(r.id);
  }
  return marks;
}

std::vector<std::vector<std::string>> revisionRows(const std::vector<Revision>& revisions) {
  std::vector<std::vector<std::string>> rows{{"Change", "Item", "Id", "Column", "Old", "New"}};
  for (const auto& r : revisions)
    rows.push_back({r.change, r.item, r.id, r.column, r.oldText, r.newText});
  return rows;
}

std::string revisionsCsv(const std::vector<Revision>& revisions) {
  return rowsCsv(revisionRows(revisions));
}

std::string revisionsSummary(const std::vector<Revision>& revisions) {
  int added = 0, removed = 0, changed = 0;
  for (const auto& r : revisions) {
    if (r.change == "added")
      ++added;
    else if (r.change == "removed")
      ++removed;
    else
      ++changed;
  }
  return "Revisions: " + std::to_string(added) + " added, " + std::to_string(removed) +
         " removed, " + std::to_string(changed) + " changed";
}

bool readWholeFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = std::move(buffer).str();
  return !in.bad();
}

}  // namespace tarvello
