#pragma once
// What a file looked like when it was read: its size and modification time.
// A database whose stamp no longer matches the file on disk was changed by
// another program after it was opened.
#include <cstdint>
#include <string>

namespace tarvello {

struct FileStamp {
  bool known = false;  // false: no file (a database made in memory) or it could not be read
  std::uintmax_t size = 0;
  std::int64_t modified = 0;  // nanoseconds of the file clock

  // The file as it is now; unknown when it cannot be looked at.
  static FileStamp of(const std::string& path);
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

}  // namespace tarvello
