#include "common/file_stamp.h"

#include <filesystem>

namespace tarvello {

FileStamp FileStamp::of(const std::string& path) {
  std::error_code ec;
  FileStamp stamp;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return stamp;
  const auto time = std::filesystem::last_write_time(path, ec);
  if (ec) return stamp;
  stamp.known = true;
  stamp.size = size;
  stamp.modified = static_cast<std::int64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count());
  return stamp;
}

}  // namespace tarvello
