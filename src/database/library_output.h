#pragma once
// libmdb reports damage it meets on standard error and standard output
// ("offset ... is beyond EOF", "warning: page ... from map doesn't match");
// the reader says what is wrong in its own words, once, so those lines must
// not reach the user.
#include <mutex>

namespace tarvello {

// While alive, file descriptors 1 and 2 lead to /dev/null. The descriptors
// are the whole process's: one guard at a time (others wait), and what other
// threads write meanwhile is lost too, so keep it around library calls only.
// A sanitizer report written during a guarded call is lost as well, unless
// the report goes elsewhere (libFuzzer's -close_fd_mask=2 arranges that).
class QuietLibraryOutput {
 public:
  QuietLibraryOutput();
  ~QuietLibraryOutput();
  QuietLibraryOutput(const QuietLibraryOutput&) = delete;
  QuietLibraryOutput& operator=(const QuietLibraryOutput&) = delete;

 private:
  std::unique_lock<std::recursive_mutex> lock_;
  int savedOut_ = -1;
  int savedErr_ = -1;
};

}  // namespace tarvello
