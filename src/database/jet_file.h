#pragma once
// A Jet (Access) database file opened strictly read-only through libmdb, and
// its tables read into memory.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "database/stored_table.h"

namespace tarvello {

class JetFile {
 public:
  // Checks that `path` is a readable Jet file and reads its catalog. Throws
  // DatabaseError with a message that names the file and what is wrong.
  explicit JetFile(std::string path);
  ~JetFile();
  JetFile(const JetFile&) = delete;
  JetFile& operator=(const JetFile&) = delete;

  const std::string& path() const { return path_; }
  // Names of the file's own tables (no system or linked tables), as stored.
  const std::vector<std::string>& tableNames() const { return tables_; }
  // The stored name of a table, found as Jet finds it (letter case ignored),
  // or "" when the file has no such table.
  std::string findTable(std::string_view name) const;

  // Reads table `name` (letter case ignored; the table keeps that spelling):
  // every column as stored, and every record in stored order, each value of
  // its own kind. Values: Text and Memo as UTF-8 Text; Double as Real; Single
  // as Real of its shortest single-precision decimal; Byte, Integer, Long and
  // Boolean (0/1) as Integer; Currency as Real; Decimal as Real (Text if it
  // does not parse); Date/Time as Text "YYYY-MM-DD HH:MM:SS"; replication ids
  // as Text "{...}"; binary, OLE and unknown types as Blob; null as Null, and
  // an infinite or NaN floating value as Null.
  // Throws DatabaseError naming the file (and record and field when a value
  // cannot be read).
  StoredTable readTable(std::string_view name) const;

 private:
  struct Handle;
  std::string path_;
  std::unique_ptr<Handle> handle_;
  std::vector<std::string> tables_;
};

// Jet 4 text bytes as UTF-8: UTF-16LE, or the compressed form that starts with
// FF FE, where a zero byte switches between one-byte and two-byte characters.
// An unpaired surrogate becomes U+FFFD; a trailing odd byte is dropped.
std::string decodeJet4Text(std::string_view bytes);

// A Jet date/time (days since 1899-12-30; the fraction is the time of day, also
// for negative days) as "YYYY-MM-DD HH:MM:SS", to the nearest second.
std::string jetDateText(double days);

}  // namespace tarvello
