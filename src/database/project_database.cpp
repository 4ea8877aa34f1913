#include "database/project_database.h"

#include "common/ascii_case.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <unordered_set>

#include "common/sha256.h"
#include "database/jet_file.h"

namespace tarvello {
namespace {

std::string displayName(const std::string& path) {
  return path.empty() ? "(database in memory)" : path;
}

// An integer against a floating value, exactly (SQL compares them so; a
// conversion either way would round one of them).
int compareIntegerReal(std::int64_t i, double r) {
  if (r < -9223372036854775808.0) return 1;
  if (r >= 9223372036854775808.0) return -1;
  const auto whole = static_cast<std::int64_t>(r);  // toward zero
  if (i != whole) return i < whole ? -1 : 1;
  const double fraction = r - static_cast<double>(whole);
  return fraction > 0 ? -1 : fraction < 0 ? 1 : 0;
}

}  // namespace

std::unique_ptr<ProjectDatabase> ProjectDatabase::openJet(const std::string& path,
                                                          DatabaseKind kind) {
  try {
    // Taken before reading, so that a change made while it is read shows later.
    const FileStamp stamp = FileStamp::of(path);
    auto db = openJetFile(path, kind);
    db->stamp_ = stamp;
    return db;
  } catch (const std::bad_alloc&) {
    throw DatabaseError("There is not enough memory to read " + path + ".");
  } catch (const std::length_error&) {
    throw DatabaseError("There is not enough memory to read " + path + ".");
  }
}

std::string ProjectDatabase::sha256(std::string& error) const {
  if (path_.empty()) return "";
  const std::string changed = path_ + " has changed on disk since it was read: open it again";
  // Looked at on every call: a hash kept from an earlier set would name bytes
  // that are no longer there.
  if (!stamp_.known || !(FileStamp::of(path_) == stamp_)) {
    error = changed;
    return "";
  }
  const std::lock_guard lock(hashMutex_);
  if (!sha256_.empty()) return sha256_;
  std::string hash = sha256OfFile(path_, error);
  if (!error.empty()) return "";
  // A change made while it was hashed.
  if (!(FileStamp::of(path_) == stamp_)) {
    error = changed;
    return "";
  }
  sha256_ = std::move(hash);
  return sha256_;
}

std::unique_ptr<ProjectDatabase> ProjectDatabase::openJetFile(const std::string& path,
                                                              DatabaseKind kind) {
  const JetFile file(path);
  const bool pipe = kind == DatabaseKind::Pipe;
  const std::vector<std::string> required = {pipe ? "PIPE" : "INLET", "PROJECT"};
  std::vector<std::string> missing;
  for (const auto& table : required)
    if (file.findTable(table).empty()) missing.push_back(table);
  if (!missing.empty()) {
    // The two kinds are easily mixed up in the file dialog's "All files" view.
    if (!file.findTable(pipe ? "INLET" : "PIPE").empty())
      throw DatabaseError(path +
                          (pipe ? " is an inlet project database, not a pipe project database"
                                : " is a pipe project database, not an inlet project database"));
    std::string message =
        path + ": " +
        (missing.size() == 1 ? "table " + missing[0] + " is missing"
                             : "tables " + missing[0] + " and " + missing[1] + " are missing");
    throw DatabaseError(message);
  }

  std::vector<StoredTable> tables;
  for (const auto& table : required) tables.push_back(file.readTable(table));
  if (tables.back().columnIndex("UNITS") < 0)
    throw DatabaseError(path + ": table PROJECT has no field UNITS");
  return fromTables(std::move(tables), kind, path);
}

std::unique_ptr<ProjectDatabase> ProjectDatabase::fromTables(std::vector<StoredTable> tables,
                                                             DatabaseKind kind, std::string path) {
  std::unique_ptr<ProjectDatabase> db(new ProjectDatabase(kind, std::move(path)));
  db->tables_.reserve(tables.size());
  for (auto& table : tables)
    db->tables_.push_back(std::make_shared<const StoredTable>(std::move(table)));
  return db;
}

void ProjectDatabase::throwMissing(const std::string& what) const {
  throw DatabaseError(displayName(path_) + ": " + what + " is missing");
}

std::shared_ptr<const StoredTable> ProjectDatabase::sharedTable(std::string_view name) const {
  for (const auto& table : tables_)
    if (equalsIgnoringCase(table->name(), name)) return table;
  throwMissing("table " + std::string(name));
}

std::string ProjectDatabase::readUnits() const {
  const StoredTable& project = table("PROJECT");
  const int units = project.columnIndex("UNITS");
  if (units < 0) throwMissing("field UNITS");
  // Taking "" here would silently turn an English project metric.
  if (project.rowCount() == 0)
    throw DatabaseError(displayName(path_) +
                        ": table PROJECT has no records, so the unit system is unknown");
  return project.value(0, units).asText();
}

void ProjectDatabase::checkOutfallField() const {
  if (table("PIPE").columnIndex("NODEOUT_NO") < 0) throwMissing("field NODEOUT_NO");
}

std::vector<std::string> ProjectDatabase::outfallNodes() const {
  checkOutfallField();
  const StoredTable& pipes = table("PIPE");
  const int column = pipes.columnIndex("NODEOUT_NO");
  std::vector<std::string> nodes;
  // Node numbers stored as text (the usual case): their bytes alone give the
  // order, and equal ones meet in it, so a sort that drops repeats is the
  // whole of DISTINCT ... ORDER BY, several times faster on a large network
  // than the sets and the general comparison below. Each is sorted by its
  // first 8 bytes as one number, read most significant byte first (the same
  // order as the bytes', and a node number seldom has more), and by all its
  // bytes where those are the same.
  const bool textOnly = [&] {
    for (size_t r = 0; r < pipes.rowCount(); ++r)
      if (const CellKind kind = pipes.kind(r, column);
          kind != CellKind::Text && kind != CellKind::Null)
        return false;
    return true;
  }();
  if (textOnly) {
    struct Entry {
      std::uint64_t head;
      std::string_view text;
    };
    std::vector<Entry> sorted;
    sorted.reserve(pipes.rowCount());
    for (size_t r = 0; r < pipes.rowCount(); ++r) {
      // Null and empty text name no node.
      const std::string_view text = pipes.text(r, column);
      if (text.empty()) continue;
      std::uint64_t head = 0;
      for (size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
      sorted.push_back({head, text});
    }
    std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
      return a.head != b.head ? a.head < b.head : a.text < b.text;
    });
    for (const Entry& e : sorted)
      if (nodes.empty() || nodes.back() != e.text) nodes.emplace_back(e.text);
    return nodes;
  }
  // An empty binary value is not text, so it stays. DISTINCT keeps values of
  // different kinds apart (the integer 2 and the real 2.0 are two), and of
  // each the first stored record.
  std::vector<size_t> rows;
  std::unordered_set<std::int64_t> integers;
  std::unordered_set<double> reals;
  std::unordered_set<std::string_view> texts, blobs;
  for (size_t r = 0; r < pipes.rowCount(); ++r) {
    bool first = false;
    switch (pipes.kind(r, column)) {
      case CellKind::Null:
        break;
      case CellKind::Integer:
        first = integers.insert(pipes.integer(r, column)).second;
        break;
      case CellKind::Real:
        first = reals.insert(pipes.real(r, column)).second;
        break;
      case CellKind::Text:
        first = !pipes.text(r, column).empty() && texts.insert(pipes.text(r, column)).second;
        break;
      case CellKind::Blob:
        first = blobs.insert(pipes.text(r, column)).second;
        break;
    }
    if (first) rows.push_back(r);
  }
  nodes.reserve(rows.size());
  // ORDER BY: numbers by value, then text, then binary, each by its bytes;
  // equal values of two kinds stay in stored order.
  const auto rank = [&](size_t r) {
    const CellKind kind = pipes.kind(r, column);
    return kind == CellKind::Text ? 1 : kind == CellKind::Blob ? 2 : 0;
  };
  const auto less = [&](size_t a, size_t b) {
    const int ra = rank(a), rb = rank(b);
    if (ra != rb) return ra < rb;
    if (ra > 0) return pipes.text(a, column) < pipes.text(b, column);
    const bool ia = pipes.kind(a, column) == CellKind::Integer;
    const bool ib = pipes.kind(b, column) == CellKind::Integer;
    if (ia && ib) return pipes.integer(a, column) < pipes.integer(b, column);
    if (ia) return compareIntegerReal(pipes.integer(a, column), pipes.real(b, column)) < 0;
    if (ib) return compareIntegerReal(pipes.integer(b, column), pipes.real(a, column)) > 0;
    return pipes.real(a, column) < pipes.real(b, column);
  };
  std::stable_sort(rows.begin(), rows.end(), less);
  for (size_t r : rows) nodes.push_back(pipes.value(r, column).asText());
  return nodes;
}

std::string ProjectDatabases::install(std::shared_ptr<const ProjectDatabase>& slot,
                                      std::string& pathSlot, std::unique_ptr<ProjectDatabase> db) {
  if (!db) return "No project database given";
  std::string units;
  try {
    units = db->readUnits();
  } catch (const DatabaseError& e) {
    return e.what();
  }
  pathSlot = db->path();
  slot = std::move(db);
  unitSystem_ = std::move(units);
  return "";
}

std::string ProjectDatabases::openPipeDatabase(const std::string& path) {
  try {
    return install(pipe_, pipePath_, ProjectDatabase::openJet(path, DatabaseKind::Pipe));
  } catch (const DatabaseError& e) {
    return e.what();
  } catch (const std::exception& e) {
    return path + ": " + e.what();
  }
}

std::string ProjectDatabases::openInletDatabase(const std::string& path) {
  try {
    return install(inlet_, inletPath_, ProjectDatabase::openJet(path, DatabaseKind::Inlet));
  } catch (const DatabaseError& e) {
    return e.what();
  } catch (const std::exception& e) {
    return path + ": " + e.what();
  }
}

std::string ProjectDatabases::setPipeDatabase(std::unique_ptr<ProjectDatabase> db) {
  return install(pipe_, pipePath_, std::move(db));
}

std::string ProjectDatabases::setInletDatabase(std::unique_ptr<ProjectDatabase> db) {
  return install(inlet_, inletPath_, std::move(db));
}

std::vector<std::string> ProjectDatabases::outfallNodes() const {
  if (!pipe_) return {};
  return pipe_->outfallNodes();
}

void ProjectDatabases::checkOutfallField() const {
  if (pipe_) pipe_->checkOutfallField();
}

}  // namespace tarvello
