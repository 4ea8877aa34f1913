#include "database/library_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace tarvello {
namespace {

std::recursive_mutex& outputMutex() {
  static std::recursive_mutex m;
  return m;
}

// Points `fd` at /dev/null and returns a copy of where it led, or -1 (then
// the output simply is not hidden).
int silence(int fd, int null) {
  const int saved = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (saved < 0) return -1;
  if (::dup2(null, fd) < 0) {
    ::close(saved);
    return -1;
  }
  return saved;
}

void restore(int fd, int saved) {
  if (saved < 0) return;
  ::dup2(saved, fd);
  ::close(saved);
}

}  // namespace

QuietLibraryOutput::QuietLibraryOutput() : lock_(outputMutex()) {
  // What the program itself has buffered goes where it was meant to.
  std::fflush(stdout);
  std::fflush(stderr);
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (null < 0) return;
  savedOut_ = silence(STDOUT_FILENO, null);
  savedErr_ = silence(STDERR_FILENO, null);
  ::close(null);
}

QuietLibraryOutput::~QuietLibraryOutput() {
  // libmdb's own buffered lines go to /dev/null with the rest.
  std::fflush(stdout);
  std::fflush(stderr);
  restore(STDOUT_FILENO, savedOut_);
  restore(STDERR_FILENO, savedErr_);
}

}  // namespace tarvello
