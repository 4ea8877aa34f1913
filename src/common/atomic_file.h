#pragma once
// Every output file goes through here: it is written under a temporary name
// beside its target (so the rename stays on one file system) and renamed over
// the target only when complete, so a failure never leaves half a file under
// the real name.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvello {

class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // A temporary file never renamed into place is removed.
  ~AtomicFile();

  // Creates the temporary file (never one that exists already). False, with
  // the reason in error(), when no file could be made.
  bool open();
  bool isOpen() const { return out_ != nullptr; }
  // Appends; the first failure is kept and reported by close() and commit().
  void write(std::string_view text);
  // Closes the temporary file, which can then be edited in place by its path.
  // "" or why the text could not be written.
  std::string close();
  // Closes if still open and renames the temporary file over the target.
  // "" or why it failed; on failure nothing is left behind.
  std::string commit();
  // Drops the temporary file.
  void discard();

  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporaryPath() const { return temporary_; }
  const std::string& error() const { return error_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* out_ = nullptr;
  int writeError_ = 0;
  bool committed_ = false;
  std::string error_;
};

// The whole text at once; "" or the reason it failed.
std::string writeFileAtomically(const std::string& path, std::string_view contents);

// The system's wording of an errno value.
std::string systemReason(int error);

}  // namespace tarvello
